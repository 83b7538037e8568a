// What a command on the line asks of the board, read back from its bytes:
// the inverse of the command builders, for whoever shows the traffic. A
// read's command is told apart from the hello read by the count of bytes
// the read after it asks for.
#ifndef VELMORA_LINK_COMMAND_READING_H
#define VELMORA_LINK_COMMAND_READING_H

#include "link/board_commands.h"

#include <cstdint>
#include <span>

struct CommandReading {
    enum class Kind {
        Layout,        // "c"
        Locate,        // "l" and the row byte: `row`
        Text,          // "w" and `characters` characters
        Analog,        // "a", a 4-byte reply follows
        Hello,         // "a", whatever comes within a read follows
        Temperature1,  // "T", the first write of the temperature read
        Temperature2,  // "t", the 9-byte reply follows
        Switch,        // `output` on or off
        Unknown,       // bytes no builder makes
    };
    Kind kind = Kind::Unknown;
    int row = 0;
    int characters = 0;
    Output output = Output::Led1;
    bool on = false;
};

// `replyAhead`: the bytes the read after this command asks for, 0 for none.
CommandReading ReadCommand(std::span<const unsigned char> bytes, std::uint32_t replyAhead);

#endif
