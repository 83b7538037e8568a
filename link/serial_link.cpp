// The port operations of the link, over the link fields: open, line
// settings, write, read, discard, watch, probe and close. Each exchange is
// told to the observer, when there is one, right after its OS call.
#include "link/serial_link.h"

#include "link/cp1252.h"
#include "link/port_name.h"

#include <algorithm>

bool CSerialLink::OpenPort() {
    // A name chosen from the list may carry a note: open what it names.
    const std::string name(port::WithoutNote(m_pszPortName != nullptr ? m_pszPortName : ""));
    m_hComm = port::Open(name.c_str());
    if (m_hComm == port::kNoPort) return false;
    m_bPortGone = false;
    m_dcbSaved = {};
    m_bSavedState = port::SaveState(m_hComm, m_dcbSaved);
    return true;
}

CSerialLink::ConfigureResult CSerialLink::ConfigureLine() {
    m_dcb = {};
    port::PrepareSettings(m_dcb);
    m_bResult = port::GetState(m_hComm, m_dcb) ? 1 : 0;
    ConfigureResult result = ConfigureResult::GetStateFailed;
    if (m_bResult != 0) {
        port::SetLine115200_8N1(m_dcb);
        m_bResult = port::SetState(m_hComm, m_dcb) ? 1 : 0;
        result = m_bResult != 0 ? ConfigureResult::Ok : ConfigureResult::SetStateFailed;
    }
    // A port left open here would make every later connect to it fail.
    if (result != ConfigureResult::Ok) ClosePort();
    return result;
}

bool CSerialLink::WritePort(std::int32_t count) {
    m_nBytes = std::clamp<std::int32_t>(count, 0, kBufferSize);
    m_bResult = 0;
    m_dwTransferred = 0;
    if (m_hComm != port::kNoPort) {
        const port::Io io = port::Write(m_hComm, m_szBuffer, static_cast<std::uint32_t>(m_nBytes),
                                        m_dwTransferred);
        m_bResult = io == port::Io::Ok ? 1 : 0;
        if (io == port::Io::Gone) m_bPortGone = true;
    }
    if (m_observer != nullptr) {
        const auto asked = static_cast<std::uint32_t>(m_nBytes);
        Report(m_bResult != 0 ? LinkEventKind::Wrote : LinkEventKind::WriteFailed, {m_szBuffer, asked}, asked,
               m_dwTransferred);
    }
    return m_bResult != 0;
}

bool CSerialLink::ReadPort(std::int32_t count) {
    m_nBytes = std::clamp<std::int32_t>(count, 0, kBufferSize);
    m_dwTransferred = 0;
    port::Io io = port::Io::Failed;
    if (m_hComm != port::kNoPort) {
        io = port::Read(m_hComm, m_szBuffer, static_cast<std::uint32_t>(m_nBytes), m_dwTransferred);
        if (io == port::Io::Gone) m_bPortGone = true;
    }
    if (m_observer != nullptr) {
        const auto asked = static_cast<std::uint32_t>(m_nBytes);
        Report(m_dwTransferred < asked ? LinkEventKind::TimedOut : LinkEventKind::Read,
               {m_szBuffer, m_dwTransferred}, asked, m_dwTransferred);
    }
    return io == port::Io::Ok;
}

void CSerialLink::DiscardInput() {
    if (m_hComm == port::kNoPort) return;
    if (m_observer == nullptr) {
        port::DiscardInput(m_hComm);
        return;
    }
    // Taking the bytes in is dropping them, and the observer sees which.
    // On the stack, as the exchange itself takes no memory.
    unsigned char dropped[kBufferSize];
    for (;;) {
        const std::uint32_t n = port::TakeWaiting(m_hComm, dropped, kBufferSize);
        if (n == 0) break;
        Report(LinkEventKind::Discarded, {dropped, n}, n, n);
    }
}

void CSerialLink::WatchPort() {
    if (m_hComm != port::kNoPort && port::HasLeft(m_hComm)) m_bPortGone = true;
}

bool CSerialLink::ProbePort() {
    m_dcb = {};
    port::PrepareSettings(m_dcb);
    m_bResult = (m_hComm != port::kNoPort && port::GetState(m_hComm, m_dcb)) ? 1 : 0;
    return m_bResult != 0;
}

void CSerialLink::ClosePort() {
    if (m_hComm != port::kNoPort) {
        // A terminal chosen as the port would otherwise stay raw after us.
        if (m_bSavedState) port::RestoreState(m_hComm, m_dcbSaved);
        port::Close(m_hComm);
    }
    m_hComm = port::kNoPort;
    m_bSavedState = false;
    m_bPortGone = false;  // a device that left went with the port
}

std::string CSerialLink::ReplyText() const {
    const auto* begin = m_szBuffer;
    const auto* end = m_szBuffer + std::min<std::uint32_t>(m_dwTransferred, kBufferSize);
    return cp1252::ToUtf8({reinterpret_cast<const char*>(begin),
                           static_cast<std::size_t>(std::find(begin, end, 0) - begin)});
}

void CSerialLink::Report(LinkEventKind kind, std::span<const unsigned char> bytes, std::uint32_t asked,
                         std::uint32_t moved, LinkStep step) const {
    m_observer->OnLinkEvent({.kind = kind,
                             .time = std::chrono::steady_clock::now(),
                             .bytes = bytes,
                             .asked = asked,
                             .moved = moved,
                             .replyAhead = m_replyAhead,
                             .step = step,
                             .portGone = m_bPortGone});
}
