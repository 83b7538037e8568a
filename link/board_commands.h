// The commands the board understands, byte for byte. Each builder writes
// its command into the start of the link buffer and gives the count to
// send; nothing here touches a port or the heap.
#ifndef VELMORA_LINK_BOARD_COMMANDS_H
#define VELMORA_LINK_BOARD_COMMANDS_H

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// Bytes the board answers an analog read and a temperature read with.
inline constexpr std::int32_t kAnalogReplyBytes = 4;
inline constexpr std::int32_t kTemperatureReplyBytes = 9;

enum class Output { Led1, Led2, Led3, Led4, Buzzer };

// "c": applies the layout; rows and columns are not sent.
std::int32_t CmdLayout(std::span<unsigned char> buffer);
// "l" and the row (1..4) in the high nibble with 1 in the low one.
std::int32_t CmdLocate(std::span<unsigned char> buffer, int row);
// "w" and exactly `columns` characters of `utf8Text` in Windows-1252, cut
// or padded with spaces.
std::int32_t CmdText(std::span<unsigned char> buffer, std::string_view utf8Text, int columns);
// "a"; the reply is 4 bytes.
std::int32_t CmdAnalog(std::span<unsigned char> buffer);
// The temperature read is two writes: step 0 gives "T", step 1 gives "t";
// the 9-byte reply follows the second.
std::int32_t CmdTemperature(std::span<unsigned char> buffer, int step);
// The output's on or off string.
std::int32_t CmdSwitch(std::span<unsigned char> buffer, Output output, bool on);

#endif
