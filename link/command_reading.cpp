#include "link/command_reading.h"

#include <algorithm>
#include <array>

namespace {

using Kind = CommandReading::Kind;
using Buffer = std::array<unsigned char, 64>;

// Every command is compared with the builders' own bytes, so the reading
// can never disagree with what the link sends.
struct Fixed {
    Kind kind;
    std::int32_t (*build)(std::span<unsigned char>);
};
constexpr Fixed kFixed[] = {
    {Kind::Layout, CmdLayout},
    {Kind::Analog, CmdAnalog},
    {Kind::Temperature1, [](std::span<unsigned char> b) { return CmdTemperature(b, 0); }},
    {Kind::Temperature2, [](std::span<unsigned char> b) { return CmdTemperature(b, 1); }},
};
constexpr Output kOutputs[] = {Output::Led1, Output::Led2, Output::Led3, Output::Led4, Output::Buzzer};
constexpr int kRows = 4;

bool Same(std::span<const unsigned char> bytes, const Buffer& built, std::int32_t count) {
    return std::ranges::equal(bytes, std::span(built).first(static_cast<std::size_t>(count)));
}

}  // namespace

CommandReading ReadCommand(std::span<const unsigned char> bytes, std::uint32_t replyAhead) {
    Buffer built{};
    for (const Fixed& fixed : kFixed) {
        if (!Same(bytes, built, fixed.build(built))) continue;
        // The hello read sends the analog command and takes whatever comes.
        if (fixed.kind == Kind::Analog && replyAhead != kAnalogReplyBytes) return {.kind = Kind::Hello};
        return {.kind = fixed.kind};
    }
    for (int row = 1; row <= kRows; ++row)
        if (Same(bytes, built, CmdLocate(built, row))) return {.kind = Kind::Locate, .row = row};
    for (const Output output : kOutputs)
        for (const bool on : {true, false})
            if (Same(bytes, built, CmdSwitch(built, output, on)))
                return {.kind = Kind::Switch, .output = output, .on = on};
    // The text command: its lead byte (a one-column text's first), then the characters.
    CmdText(built, "", 1);
    if (bytes.size() >= 2 && bytes[0] == built[0])
        return {.kind = Kind::Text, .characters = static_cast<int>(bytes.size()) - 1};
    return {};
}
