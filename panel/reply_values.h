// The values in the board's replies, as the poll shows them: the
// temperature read (" 23.5°C", "  +23.5°C") and the analog read ("0512").
// A text that is not exactly such a reply (cut short, ended by a zero
// byte, with bytes after it, empty or garbage) has no value: the trend
// shows a gap there, never a number the board did not send.
#ifndef VELMORA_PANEL_REPLY_VALUES_H
#define VELMORA_PANEL_REPLY_VALUES_H

#include <optional>
#include <string_view>

// Spaces, an optional sign, 1 to 3 digits, '.', one digit, "°C" (UTF-8).
std::optional<double> ParseTemperature(std::string_view reply);
// Exactly four digits, 0000 to 1023.
std::optional<int> ParseAnalog(std::string_view reply);

#endif
