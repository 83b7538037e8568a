#include "link/board_commands.h"

#include "link/cp1252.h"

#include <algorithm>
#include <cassert>

namespace {

struct SwitchCommand {
    Output output;
    std::string_view on, off;
};

constexpr SwitchCommand kSwitches[] = {
    {Output::Led1, "LEDb1on", "LEDb1off"}, {Output::Led2, "LEDron", "LEDroff"},
    {Output::Led3, "LEDb2on", "LEDb2off"}, {Output::Led4, "LEDvon", "LEDvoff"},
    {Output::Buzzer, "PWM1on", "PWM1off"},
};

std::int32_t Put(std::span<unsigned char> buffer, std::string_view bytes) {
    assert(bytes.size() <= buffer.size());
    std::copy(bytes.begin(), bytes.end(), buffer.begin());
    return static_cast<std::int32_t>(bytes.size());
}

}  // namespace

std::int32_t CmdLayout(std::span<unsigned char> buffer) { return Put(buffer, "c"); }

std::int32_t CmdLocate(std::span<unsigned char> buffer, int row) {
    assert(row >= 1 && row <= 4);
    buffer[0] = 'l';
    buffer[1] = static_cast<unsigned char>(row << 4 | 1);
    return 2;
}

std::int32_t CmdText(std::span<unsigned char> buffer, std::string_view utf8Text, int columns) {
    const auto n = static_cast<std::size_t>(columns);
    assert(columns > 0 && n + 1 <= buffer.size());
    buffer[0] = 'w';
    std::size_t at = 1;
    cp1252::EncodeEach(utf8Text, n, [&](unsigned char b) { buffer[at++] = b; });
    std::fill(buffer.begin() + static_cast<std::ptrdiff_t>(at),
              buffer.begin() + static_cast<std::ptrdiff_t>(n + 1), ' ');
    return columns + 1;
}

std::int32_t CmdAnalog(std::span<unsigned char> buffer) { return Put(buffer, "a"); }

std::int32_t CmdTemperature(std::span<unsigned char> buffer, int step) {
    assert(step == 0 || step == 1);
    return Put(buffer, step == 0 ? "T" : "t");
}

std::int32_t CmdSwitch(std::span<unsigned char> buffer, Output output, bool on) {
    const auto it = std::ranges::find(kSwitches, output, &SwitchCommand::output);
    assert(it != std::end(kSwitches));
    return Put(buffer, on ? it->on : it->off);
}
