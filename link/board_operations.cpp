// The board's operations as one call each: connect, the display, the
// switches and the requests that read a reply. Each builds its command in
// the link's buffer by the command set and sends it in the writes the board
// expects; what a failure means to the user is left to the caller.
#include "link/serial_link.h"

ConnectResult CSerialLink::Connect(std::string_view name) {
    ClosePort();  // one port at a time: a second connect replaces the first
    m_strPortName = name;
    m_pszPortName = m_strPortName.c_str();
    if (!OpenPort()) return ConnectFailed(LinkStep::Open, port::LastOpenError());
    switch (ConfigureLine()) {
    case ConfigureResult::GetStateFailed: return ConnectFailed(LinkStep::ReadSettings, port::OpenError::None);
    case ConfigureResult::SetStateFailed: return ConnectFailed(LinkStep::WriteSettings, port::OpenError::None);
    case ConfigureResult::Ok: break;
    }
    DiscardInput();  // what the board sent before we listened answers nothing of ours
    return {true};
}

ConnectResult CSerialLink::ConnectFailed(LinkStep step, port::OpenError openError) {
    if (m_observer != nullptr) {
        m_observer->OnLinkEvent({.kind = LinkEventKind::OpenFailed,
                                 .time = std::chrono::steady_clock::now(),
                                 .step = step,
                                 .openError = openError});
    }
    return {false, step, openError};
}

bool CSerialLink::Layout() { return WritePort(CmdLayout(m_szBuffer)); }

bool CSerialLink::Locate(int row) { return WritePort(CmdLocate(m_szBuffer, row)); }

bool CSerialLink::Text(std::string_view utf8Text, int columns) {
    return WritePort(CmdText(m_szBuffer, utf8Text, columns));
}

bool CSerialLink::Switch(Output output, bool on) { return WritePort(CmdSwitch(m_szBuffer, output, on)); }

template <class Build>
BoardReply CSerialLink::Request(int steps, Build command, std::int32_t replyBytes) {
    BoardReply reply;
    DiscardInput();  // each request's reply, and nothing left from before
    for (int step = 0; step < steps; ++step) {
        m_replyAhead = step == steps - 1 ? static_cast<std::uint32_t>(replyBytes) : 0;
        const bool sent = WritePort(command(step));
        m_replyAhead = 0;
        if (!sent) return reply;
    }
    reply.written = true;
    reply.read = ReadPort(replyBytes);
    reply.bytes = m_dwTransferred;
    reply.text = ReplyText();
    return reply;
}

BoardReply CSerialLink::ReadAnalog() {
    return Request(1, [this](int) { return CmdAnalog(m_szBuffer); }, kAnalogReplyBytes);
}

BoardReply CSerialLink::ReadTemperature() {
    return Request(2, [this](int step) { return CmdTemperature(m_szBuffer, step); }, kTemperatureReplyBytes);
}

BoardReply CSerialLink::Hello() {
    return Request(1, [this](int) { return CmdAnalog(m_szBuffer); }, static_cast<std::int32_t>(kBufferSize));
}
