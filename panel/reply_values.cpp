#include "panel/reply_values.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Takes the run of digits at the front of `text` into `value`; their count.
int TakeDigits(std::string_view& text, int& value) {
    int count = 0;
    while (!text.empty() && IsDigit(text.front()) && count < 4) {
        value = value * 10 + (text.front() - '0');
        text.remove_prefix(1);
        ++count;
    }
    return count;
}

}  // namespace

std::optional<double> ParseTemperature(std::string_view reply) {
    constexpr std::string_view kUnit = "\xC2\xB0" "C";
    std::string_view rest = reply;
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    int sign = 1;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        if (rest.front() == '-') sign = -1;
        rest.remove_prefix(1);
    }
    int whole = 0, tenths = 0;
    const int wholeDigits = TakeDigits(rest, whole);
    if (wholeDigits < 1 || wholeDigits > 3 || !rest.starts_with('.')) return std::nullopt;
    rest.remove_prefix(1);
    if (TakeDigits(rest, tenths) != 1 || rest != kUnit) return std::nullopt;
    return sign * (whole * 10 + tenths) / 10.0;
}

std::optional<int> ParseAnalog(std::string_view reply) {
    int value = 0;
    if (reply.size() != 4 || TakeDigits(reply, value) != 4 || value > 1023) return std::nullopt;
    return value;
}
