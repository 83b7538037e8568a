// The serial link: one object that owns the port, the 512-byte buffer and
// the settings the port is given back, and offers the board's operations as
// typed calls (board_operations.cpp) over the port operations beneath them
// (serial_link.cpp). The panel holds one as a member and the command line
// another, so both send the same bytes in the same writes. A failure comes
// back as a value naming the step; what to tell the user is the caller's.
// Every call returns when the OS call is done.
#ifndef VELMORA_LINK_SERIAL_LINK_H
#define VELMORA_LINK_SERIAL_LINK_H

#include "link/board_commands.h"
#include "link/link_observer.h"
#include "link/port_backend.h"

#include <cstdint>
#include <string>
#include <string_view>

// How a connect ended: opened, or the step that failed, and for a refused
// open the reason the OS gave.
struct ConnectResult {
    bool opened = false;
    LinkStep failedStep = LinkStep::Open;
    port::OpenError openError = port::OpenError::None;
};

// How a request (its commands, then one read) ended.
struct BoardReply {
    bool written = false;  // every command went out; false: nothing was read
    bool read = false;     // the read succeeded, if with no byte (a silent board)
    std::uint32_t bytes = 0;
    std::string text;  // the reply's bytes up to the first zero byte, as UTF-8
};

class CSerialLink {
public:
    static constexpr std::size_t kBufferSize = 512;

    CSerialLink() = default;
    CSerialLink(const CSerialLink&) = delete;
    CSerialLink& operator=(const CSerialLink&) = delete;
    ~CSerialLink() { ClosePort(); }  // the port goes back with its settings on every way out

    // Null: no observer, and no cost for one.
    void SetObserver(LinkObserver* observer) { m_observer = observer; }

    // The board's operations. Connect opens the named port (a note after
    // the name, as the port list shows it, is left out), sets 115200 8N1
    // and drops what the board sent before anyone listened. A failed
    // settings call closes the port again, so that the next connect can work.
    ConnectResult Connect(std::string_view name);
    bool Layout();
    bool Locate(int row);
    bool Text(std::string_view utf8Text, int columns);
    bool Switch(Output output, bool on);
    // Each request first drops waiting input, so its reply is its own.
    BoardReply ReadAnalog();
    BoardReply ReadTemperature();
    // The analog command, then whatever comes within a read's time.
    BoardReply Hello();

    // Drops received bytes nobody has read: a reply that came after its read
    // gave up, or bytes beyond the count asked for, would otherwise be taken
    // for the answer to the next request.
    void DiscardInput();
    // Sets the gone flag if the device has left since, moving no byte.
    void WatchPort();
    // The device behind the open port has left (hang-up, unplugged): seen by
    // a write, a read or WatchPort. A slow or silent board never sets it.
    bool PortGone() const { return m_bPortGone; }
    // Reads the port's settings: success means an open port.
    bool ProbePort();
    // Gives the port back the settings it had before the open, then closes it.
    void ClosePort();
    bool IsOpen() const { return m_hComm != port::kNoPort; }
    // The OS's handle, for a caller that watches the device itself.
    port::Handle Handle() const { return m_hComm; }

protected:
    // The port operations beneath the board's, open to a test link that
    // drives the port byte by byte.

    // Opens m_pszPortName into m_hComm and keeps the port's own settings,
    // which ClosePort gives back. False when it could not be opened.
    bool OpenPort();
    // 115200 8N1 on the open port. Fails on the settings read or write, with
    // the failing call's flag in m_bResult and the port closed again.
    enum class ConfigureResult { Ok, GetStateFailed, SetStateFailed };
    ConfigureResult ConfigureLine();
    // Sends the first `count` bytes of m_szBuffer; the flag goes to m_bResult.
    bool WritePort(std::int32_t count);
    // Reads up to `count` bytes into m_szBuffer; m_bResult is left alone.
    // Both set the gone flag when the OS says the device has left.
    bool ReadPort(std::int32_t count);
    // The last read's bytes up to the first zero byte, as UTF-8 text.
    std::string ReplyText() const;

    port::Settings m_dcb{};
    port::Handle m_hComm = port::kNoPort;
    std::int32_t m_bResult = 0;
    // Points into m_strPortName, the link's own copy of the name.
    const char* m_pszPortName = nullptr;
    std::int32_t m_nBytes = 0;
    std::uint32_t m_dwTransferred = 0;
    unsigned char m_szBuffer[kBufferSize] = {};
    // Cleared by the next open and by the close.
    bool m_bPortGone = false;
    // The port's settings as the open found them; valid while m_bSavedState.
    port::Settings m_dcbSaved{};
    bool m_bSavedState = false;

private:
    // Drops waiting input, sends `steps` commands built by `command(step)`,
    // then reads up to `replyBytes`.
    template <class Build>
    BoardReply Request(int steps, Build command, std::int32_t replyBytes);
    void Report(LinkEventKind kind, std::span<const unsigned char> bytes, std::uint32_t asked,
                std::uint32_t moved, LinkStep step = LinkStep::Write) const;
    ConnectResult ConnectFailed(LinkStep step, port::OpenError openError);

    std::string m_strPortName;
    LinkObserver* m_observer = nullptr;
    // What the read after the write going out will ask for, for the observer.
    std::uint32_t m_replyAhead = 0;
};

#endif
