#include "panel/port_error_text.h"

#include <algorithm>

namespace {

struct ErrorLine {
    LinkStep step;
    std::string_view text;
};
// They name the system call that failed, as the board's first panel did.
constexpr ErrorLine kErrorTexts[] = {
    {LinkStep::Open, "Errore in CreateFile!!"},
    {LinkStep::ReadSettings, "Errore in GetCommState!!"},
    {LinkStep::WriteSettings, "Errore in SetCommState!!"},
    {LinkStep::Write, "Errore in WriteFile!!"},
};

}  // namespace

std::string_view PortErrorText(LinkStep step) {
    return std::ranges::find(kErrorTexts, step, &ErrorLine::step)->text;
}
