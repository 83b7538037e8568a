// velmora-cli.exe's output. The CLI's text is UTF-8; a console window
// shows UTF-16 text (WriteConsoleW) whatever its code page, so text for a
// console goes that way, and a file or a pipe gets the UTF-8 bytes as on
// Linux. What this cannot see: a pipe whose reader then shows the bytes in
// a console (that reader decides how to read them).
#ifndef VELMORA_APP_CLI_CONSOLE_TEXT_WIN32_H
#define VELMORA_APP_CLI_CONSOLE_TEXT_WIN32_H

#include <windows.h>

#include <functional>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

// Console when `handle` is a console's screen buffer (GetConsoleMode
// succeeds on it); Bytes for a file, a pipe, a device or no handle.
enum class OutputKind { Console, Bytes };
OutputKind KindOf(HANDLE handle);

// A stream buffer that hands UTF-8 text on as UTF-16 when flushed, never
// splitting a character between two hand-overs. `write` returns false when
// the text did not go out, which fails the stream.
class Utf16Out : public std::streambuf {
public:
    using Write = std::function<bool(std::wstring_view)>;
    explicit Utf16Out(Write write);
    ~Utf16Out() override;
    Utf16Out(const Utf16Out&) = delete;
    Utf16Out& operator=(const Utf16Out&) = delete;

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

private:
    bool HandOver(bool all);
    Write m_write;
    std::string m_pending;
};

// Writes to a console's screen buffer with WriteConsoleW, in pieces small
// enough for Windows 7's console.
Utf16Out::Write WriteConsoleTo(HANDLE console);

// One standard output of the program (STD_OUTPUT_HANDLE, STD_ERROR_HANDLE):
// on a console, a stream of its own through Utf16Out; otherwise `bytes`
// (std::cout, std::cerr) as it is. Flushed when it goes.
class StdOutput {
public:
    StdOutput(DWORD which, std::ostream& bytes);
    ~StdOutput();
    StdOutput(const StdOutput&) = delete;
    StdOutput& operator=(const StdOutput&) = delete;
    std::ostream& Stream();

private:
    std::ostream& m_bytes;
    std::unique_ptr<Utf16Out> m_console;
    std::unique_ptr<std::ostream> m_stream;
};

#endif
