// The board's replies to the analog and temperature reads as numbers. A
// reply that is not exactly what the board sends gives nothing, never 0: a
// cut or garbled reply must not pass for a reading.
#ifndef VELMORA_APP_CLI_REPLY_PARSE_H
#define VELMORA_APP_CLI_REPLY_PARSE_H

#include <optional>
#include <string_view>

// " 23.5°C" (UTF-8, as CSerialLink::ReplyText gives it): spaces, a decimal
// number, the degree sign and "C".
std::optional<double> ParseTemperature(std::string_view reply);

// "0512": four digits, 0 to 1023.
std::optional<int> ParseAnalog(std::string_view reply);

#endif
