#include "app/cli/reply_parse.h"

#include "link/board_commands.h"

#include <algorithm>
#include <cctype>
#include <charconv>

std::optional<double> ParseTemperature(std::string_view reply) {
    constexpr std::string_view kUnit = "\xC2\xB0" "C";
    if (!reply.ends_with(kUnit)) return std::nullopt;
    std::string_view number = reply.substr(0, reply.size() - kUnit.size());
    number.remove_prefix(std::min(number.find_first_not_of(' '), number.size()));
    // from_chars would also take "inf", "1e5" or a bare "23."; the board
    // sends none of them.
    const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    const std::string_view magnitude = number.starts_with('-') ? number.substr(1) : number;
    const auto dot = magnitude.find('.');
    if (dot == 0 || dot == std::string_view::npos || dot + 1 == magnitude.size() ||
        !std::ranges::all_of(magnitude.substr(0, dot), digit) ||
        !std::ranges::all_of(magnitude.substr(dot + 1), digit))
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec != std::errc() || end != number.data() + number.size()) return std::nullopt;
    return value;
}

std::optional<int> ParseAnalog(std::string_view reply) {
    int value = 0;
    if (reply.size() != static_cast<std::size_t>(kAnalogReplyBytes)) return std::nullopt;
    const auto [end, ec] = std::from_chars(reply.data(), reply.data() + reply.size(), value);
    if (ec != std::errc() || end != reply.data() + reply.size() || value < 0 || value > 1023)
        return std::nullopt;
    return value;
}
