// The serial link: the port operations over the link fields. The panel
// holds these fields as its own (it derives from CSerialLink) and calls the
// operations from its routines; every call returns when the OS call is done.
#ifndef VELMORA_LINK_SERIAL_LINK_H
#define VELMORA_LINK_SERIAL_LINK_H

#include "link/port_backend.h"

#include <cstdint>
#include <string>
#include <string_view>

// The four texts a failed port call is reported with.
inline constexpr std::string_view kErrCreateFile = "Errore in CreateFile!!";
inline constexpr std::string_view kErrGetCommState = "Errore in GetCommState!!";
inline constexpr std::string_view kErrSetCommState = "Errore in SetCommState!!";
inline constexpr std::string_view kErrWriteFile = "Errore in WriteFile!!";

class CSerialLink {
public:
    static constexpr std::size_t kBufferSize = 512;

    CSerialLink() = default;
    CSerialLink(const CSerialLink&) = delete;
    CSerialLink& operator=(const CSerialLink&) = delete;
    virtual ~CSerialLink() = default;  // does not touch the port

    // Opens m_pszPortName into m_hComm and keeps the port's own settings,
    // which ClosePort gives back. False when it could not be opened.
    bool OpenPort();
    // 115200 8N1 on the open port. Fails on the settings read or write, with
    // the failing call's flag in m_bResult and the port closed again, so that
    // the next connect to it can work.
    enum class ConfigureResult { Ok, GetStateFailed, SetStateFailed };
    ConfigureResult ConfigureLine();
    // Sends the first `count` bytes of m_szBuffer; the flag goes to m_bResult.
    bool WritePort(std::int32_t count);
    // Reads up to `count` bytes into m_szBuffer; m_bResult is left alone.
    bool ReadPort(std::int32_t count);
    // Both set m_bPortGone when the OS says the device has left.
    // Sets m_bPortGone if the device has left since, moving no byte.
    void WatchPort();
    // Reads the settings of m_hComm: success means an open port.
    bool ProbePort();
    // Gives the port back the settings it had before the open, then closes it.
    void ClosePort();
    // Drops received bytes nobody has read: a reply that came after its read
    // gave up, or bytes beyond the count asked for, would otherwise be taken
    // for the answer to the next request.
    void DiscardInput();

    // The last read's bytes up to the first zero byte, as UTF-8 text.
    std::string ReplyText() const;

    // Shows one of the four failure texts in a modal box and returns when
    // the user closes it.
    virtual void ShowPortError(std::string_view text) = 0;

    port::Settings m_dcb{};
    port::Handle m_hComm = port::kNoPort;
    std::int32_t m_bResult = 0;
    const char* m_pszPortName = nullptr;
    std::int32_t m_nBytes = 0;
    std::uint32_t m_dwTransferred = 0;
    unsigned char m_szBuffer[kBufferSize] = {};
    // The device behind m_hComm has left (hang-up, unplugged); cleared by
    // the next open. A slow or silent board never sets it.
    bool m_bPortGone = false;
    // The port's settings as the open found them; valid while m_bSavedState.
    port::Settings m_dcbSaved{};
    bool m_bSavedState = false;
};

#endif
