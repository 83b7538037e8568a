// The serial link as velmora-cli drives it: the panel's port code, whose
// failures are recorded for the run to report in words instead of being
// shown in a box, and whose port is given back (with its settings) when
// the link goes. Each routine mirrors the panel's for the same action, so
// the board receives the same bytes in the same writes.
#ifndef VELMORA_APP_CLI_CLI_LINK_H
#define VELMORA_APP_CLI_CLI_LINK_H

#include "app/cli/port_failure.h"
#include "link/serial_link.h"

#include <optional>
#include <string>

class CCliLink : public CSerialLink {
public:
    explicit CCliLink(std::string port) : m_port(std::move(port)) { m_pszPortName = m_port.c_str(); }
    ~CCliLink() override { ClosePort(); }

    void ShowPortError(std::string_view text) override;

    // As the panel's "On": open, 115200 8N1, drop what the board sent before.
    bool Connect();
    // One command already built into m_szBuffer: one write.
    bool Send(std::int32_t count);
    // Drops waiting input, sends the request's commands (built by
    // `command(step)`, `steps` writes), then reads up to `replyBytes`. The
    // reply's text, or nothing when no byte came.
    template <class Build>
    std::optional<std::string> Request(int steps, Build command, std::int32_t replyBytes);

    PortFailure Failure() const { return m_failure; }

private:
    std::string m_port;
    PortFailure m_failure = PortFailure::None;
};

template <class Build>
std::optional<std::string> CCliLink::Request(int steps, Build command, std::int32_t replyBytes) {
    DiscardInput();  // each request's reply, and nothing left from before
    for (int step = 0; step < steps; ++step)
        if (!Send(command(step))) return std::nullopt;
    ReadPort(replyBytes);
    if (m_dwTransferred == 0) {
        m_failure = m_bPortGone ? PortFailure::Gone : PortFailure::NotAnswering;
        return std::nullopt;
    }
    return ReplyText();
}

#endif
