// The operating system's serial port calls, one backend file per OS
// (port_posix.cpp, port_win32.cpp), chosen by the build. The link code
// above this header never includes an OS header.
#ifndef VELMORA_LINK_PORT_BACKEND_H
#define VELMORA_LINK_PORT_BACKEND_H

#include <cstddef>
#include <cstdint>

namespace port {

// The OS's own handle: a file descriptor or a HANDLE, widened.
using Handle = std::intptr_t;
inline constexpr Handle kNoPort = -1;  // also the value of INVALID_HANDLE_VALUE

// Room for the OS's port settings record (struct termios here, DCB on
// Windows). Only the backend looks inside; the link zeroes and passes it.
struct Settings {
    alignas(8) unsigned char bytes[64];
};

// How long a read waits for the whole count, and a write for room, in ms.
// A board that never answers holds the window at most this long per read.
inline constexpr int kReadBoundMs = 300;
inline constexpr int kWriteBoundMs = 500;

// Opens the named port for exclusive reading and writing, the name passed
// to the OS unchanged. kNoPort when it cannot be opened or is held by
// another program.
Handle Open(const char* name);

// Why the last Open on this thread gave kNoPort, for a caller that names the
// cause to its user. NotSerial: the name is no device a port could be
// (a folder). Other: a refusal none of these describe.
enum class OpenError { None, NotFound, Busy, AccessDenied, NotSerial, Other };
OpenError LastOpenError();

// Marks the record as holding nothing yet (the DCB's length field on
// Windows). The record must be zeroed first.
void PrepareSettings(Settings& dcb);

// Reads the port's settings into the record.
bool GetState(Handle h, Settings& dcb);

// 115200 baud, 8 data bits, no parity, one stop bit, binary (raw) line;
// every other field as read.
void SetLine115200_8N1(Settings& dcb);

// Applies the record and checks that the port took it.
bool SetState(Handle h, const Settings& dcb);

// Everything of the port's settings that SetState and the time-outs change,
// taken right after the open and given back before the close, so the port is
// left as it was found.
bool SaveState(Handle h, Settings& saved);
void RestoreState(Handle h, const Settings& saved);

// Drops what the port has received and nobody has read yet.
void DiscardInput(Handle h);

// Takes up to `count` bytes the port has received and nobody has read,
// without waiting: 0 when none is there. For a discard that says what it
// dropped.
std::uint32_t TakeWaiting(Handle h, unsigned char* data, std::uint32_t count);

// How a transfer ended. Gone: the OS says the device has left (a hang-up,
// an unplugged adapter); only a new open can bring it back. A board that is
// merely slow or silent is never Gone.
enum class Io { Ok, Failed, Gone };

// Writes all bytes, waiting at most kWriteBoundMs for room; Failed when the
// time ran out first.
Io Write(Handle h, const unsigned char* data, std::uint32_t count, std::uint32_t& written);

// Reads until `count` bytes came or kReadBoundMs passed; a time-out is Ok
// with the bytes that came, and so is a hang-up after some bytes (the next
// call tells it).
Io Read(Handle h, unsigned char* data, std::uint32_t count, std::uint32_t& got);

// Whether the OS says the device has left, without waiting or moving a byte.
bool HasLeft(Handle h);

void Close(Handle h);

}  // namespace port

#endif
