#include "link/natural_order.h"

#include <algorithm>
#include <tuple>

namespace port {
namespace {

struct Split {
    std::string_view stem;    // up to the trailing digits
    std::string_view number;  // the trailing digits without leading zeros
    std::size_t digits;       // all trailing digits, zeros included
};

Split SplitName(std::string_view s) {
    const std::size_t end = s.find_last_not_of("0123456789");
    const std::size_t start = end == std::string_view::npos ? 0 : end + 1;
    std::string_view number = s.substr(start);
    const std::size_t digits = number.size();
    number.remove_prefix(std::min(number.find_first_not_of('0'), number.size()));
    return {s.substr(0, start), number, digits};
}

}  // namespace

bool NaturalLess(std::string_view a, std::string_view b) {
    // Numbers compared as digit strings, so no length of them overflows.
    const Split x = SplitName(a), y = SplitName(b);
    return std::tuple{x.stem, x.number.size(), x.number, x.digits} <
           std::tuple{y.stem, y.number.size(), y.number, y.digits};
}

}  // namespace port
