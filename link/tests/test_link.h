// A link whose port operations a test drives by hand: the fields and calls
// beneath the board's operations made public, a name to open, and bytes put
// straight into the buffer.
#ifndef VELMORA_LINK_TESTS_TEST_LINK_H
#define VELMORA_LINK_TESTS_TEST_LINK_H

#include "link/serial_link.h"

#include <cstring>
#include <string>
#include <string_view>

struct TestLink : CSerialLink {
    using CSerialLink::ConfigureLine;
    using CSerialLink::ConfigureResult;
    using CSerialLink::OpenPort;
    using CSerialLink::ReadPort;
    using CSerialLink::ReplyText;
    using CSerialLink::WritePort;
    using CSerialLink::m_bPortGone;
    using CSerialLink::m_bResult;
    using CSerialLink::m_dwTransferred;
    using CSerialLink::m_hComm;
    using CSerialLink::m_nBytes;
    using CSerialLink::m_pszPortName;
    using CSerialLink::m_szBuffer;

    // `name` must outlive the open, as the link keeps a pointer to it.
    bool Open(const std::string& name) {
        m_pszPortName = name.c_str();
        return OpenPort();
    }
    bool OpenAndConfigure(const std::string& name) { return Open(name) && ConfigureLine() == ConfigureResult::Ok; }
    std::int32_t Put(std::string_view bytes) {
        std::memcpy(m_szBuffer, bytes.data(), bytes.size());
        return static_cast<std::int32_t>(bytes.size());
    }
};

#endif
