#include "app/cli/board_find.h"

#include "link/byte_text.h"
#include "link/serial_link.h"
#include "panel/reply_values.h"

Probe ProbeForBoard(const std::string& port, LinkObserver* observer) {
    CSerialLink link;  // closed, settings given back, before the next port
    link.SetObserver(observer);
    if (const ConnectResult connect = link.Connect(port); !connect.opened)
        return {Probe::Verdict::Skipped, ConnectFailure(connect), ""};
    const BoardReply reply = link.ReadAnalog();
    if (!reply.written) return {Probe::Verdict::Skipped, ExchangeFailure(link.PortGone()), ""};
    if (reply.bytes == 0) return {Probe::Verdict::NotBoard, PortFailure::None,
                                  "no reply within " + std::to_string(port::kReadBoundMs) + " ms"};
    // The reply text stops at a zero byte: a reply holding one is no board's.
    constexpr auto kDigits = static_cast<std::size_t>(kAnalogReplyBytes);
    if (reply.bytes == kDigits && reply.text.size() == kDigits && ParseAnalog(reply.text))
        return {Probe::Verdict::Board, PortFailure::None, ""};
    const std::span<const unsigned char> bytes(reinterpret_cast<const unsigned char*>(reply.text.data()),
                                               reply.text.size());
    return {Probe::Verdict::NotBoard, PortFailure::None,
            "the reply \"" + BytesAsText(bytes) + "\" (" + std::to_string(reply.bytes) +
                " bytes) is not this board's"};
}
