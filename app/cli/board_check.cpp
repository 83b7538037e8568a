#include "app/cli/board_check.h"

#include "app/cli/reading_output.h"
#include "app/cli/trace_words.h"
#include "link/byte_text.h"
#include "link/cp1252.h"
#include "panel/reply_values.h"
#include "panel/traffic_line.h"

#include <algorithm>
#include <array>
#include <span>
#include <thread>

namespace {

using Kind = CommandReading::Kind;

std::span<const unsigned char> Bytes(const std::string& s) {
    return {reinterpret_cast<const unsigned char*>(s.data()), s.size()};
}

// "\"0512<0D><0A>\" [30 35 31 32 0D 0A]"
std::string Shown(const std::string& bytes) {
    return "\"" + BytesAsText(Bytes(bytes)) + "\" [" + BytesAsHex(Bytes(bytes)) + "]";
}

// The reply as the link hands it on: up to its first zero byte, as UTF-8.
std::string ReplyText(const std::string& bytes) { return cp1252::ToUtf8(bytes.substr(0, bytes.find('\0'))); }

std::string NoWholeReply(const TrafficRecord& r) {
    if (r.moved == 0) return "no reply within " + std::to_string(port::kReadBoundMs) + " ms";
    return "incomplete reply: " + std::to_string(r.moved) + " of " + std::to_string(r.asked) + " bytes " +
           Shown(r.bytes);
}

// Why a reply is not what its read expects; empty when it is.
std::string AnalogFault(const TrafficRecord& r) {
    if (r.direction != TrafficDirection::Received) return NoWholeReply(r);
    if (!ParseAnalog(r.bytes)) return Shown(r.bytes) + " is not 4 ASCII digits in 0..1023";
    return "";
}
std::string TemperatureFault(const TrafficRecord& r) {
    if (r.direction != TrafficDirection::Received) return NoWholeReply(r);
    if (!ParseTemperature(ReplyText(r.bytes))) return Shown(r.bytes) + " does not read as a temperature";
    return "";
}
// The hello read takes whatever comes within the read's time: a board
// answers it as it answers the analog read, with 4 digits and nothing more.
std::string HelloFault(const TrafficRecord& r) {
    if (r.moved == 0) return NoWholeReply(r);
    if (r.bytes.size() != 4 || !ParseAnalog(r.bytes))
        return Shown(r.bytes) + " (" + std::to_string(r.bytes.size()) +
               " bytes) is not an analog reply: 4 ASCII digits in 0..1023";
    return "";
}

struct ReplyCheck {
    const char* name;
    Kind request;
    std::string (*fault)(const TrafficRecord&);
    std::string (*value)(const TrafficRecord&);  // what a good reply said
};

const ReplyCheck kReplyChecks[] = {
    {"analog reply", Kind::Analog, AnalogFault, [](const TrafficRecord& r) { return "last " + Shown(r.bytes); }},
    {"temperature reply", Kind::Temperature2, TemperatureFault,
     [](const TrafficRecord& r) {
         return "last " + Shown(r.bytes) + " = " + TemperatureField(ParseTemperature(ReplyText(r.bytes)).value_or(0)) +
                " °C";
     }},
    {"hello reply", Kind::Hello, HelloFault,
     [](const TrafficRecord& r) { return Shown(r.bytes) + ", as an analog reply"; }},
};

CheckVerdict JudgeReplies(const ReplyCheck& check, const std::vector<TrafficRecord>& replies) {
    int count = 0, bad = 0;
    std::string firstFault;
    const TrafficRecord* last = nullptr;
    for (const TrafficRecord& r : replies) {
        if (r.request != check.request) continue;
        ++count;
        last = &r;
        if (std::string why = check.fault(r); !why.empty() && bad++ == 0)
            firstFault = "read " + std::to_string(count) + ": " + why;
    }
    const std::string tally = std::to_string(count - bad) + " of " + std::to_string(count) + " good";
    if (bad > 0) return {false, check.name, tally + "; " + firstFault};
    return {true, check.name, tally + (last != nullptr ? "; " + check.value(*last) : "")};
}

CheckVerdict JudgeDelays(const std::vector<TrafficRecord>& replies) {
    std::vector<int> delays;
    int reads = 0;
    for (const TrafficRecord& r : replies) {
        if (r.request != Kind::Analog && r.request != Kind::Temperature2) continue;  // hello waits the whole bound
        ++reads;
        if (r.direction == TrafficDirection::Received) delays.push_back(std::max(r.delayMs, 0));
    }
    std::ranges::sort(delays);
    const int bound = port::kReadBoundMs;
    std::string figures;
    if (!delays.empty())
        figures = "min " + std::to_string(delays.front()) + " ms, median " +
                  std::to_string(delays[(delays.size() - 1) / 2]) + " ms, max " + std::to_string(delays.back()) +
                  " ms over " + std::to_string(delays.size()) + " replies";
    const int missing = reads - static_cast<int>(delays.size());
    if (missing > 0)
        return {false, "delays",
                std::to_string(missing) + " of " + std::to_string(reads) + " reads got no whole reply within " +
                    std::to_string(bound) + " ms" + (figures.empty() ? "" : "; " + figures)};
    if (delays.empty()) return {false, "delays", "no read was made"};
    if (delays.back() >= bound - kDelayMarginMs)
        return {false, "delays",
                "max " + std::to_string(delays.back()) + " ms is within " + std::to_string(kDelayMarginMs) +
                    " ms of the " + std::to_string(bound) + " ms bound; " + figures};
    return {true, "delays", figures + " (bound " + std::to_string(bound) + " ms)"};
}

}  // namespace

BoardCheck::BoardCheck(CSerialLink& link, LinkObserver* chained, CheckPlan plan, std::function<bool()> stopping)
    : m_link(link), m_chained(chained), m_plan(plan), m_stopping(std::move(stopping)) {
    m_link.SetObserver(this);
}

BoardCheck::~BoardCheck() { m_link.SetObserver(m_chained); }

void BoardCheck::OnLinkEvent(const LinkEvent& event) {
    if (m_chained != nullptr) m_chained->OnLinkEvent(event);
    TrafficRecord r = m_recorder.Record(event);
    switch (r.direction) {
    case TrafficDirection::Sent:
        ++m_commands;
        m_lastSent = std::move(r);
        break;
    case TrafficDirection::Received:
    case TrafficDirection::TimedOut: m_replies.push_back(std::move(r)); break;
    case TrafficDirection::Discarded: m_unasked.push_back({m_lastSent, r.bytes}); break;
    case TrafficDirection::WriteFailed:
    case TrafficDirection::OpenFailed: break;
    }
}

void BoardCheck::Settle() {
    std::this_thread::sleep_for(m_plan.settle);
    m_link.DiscardInput();
}

bool BoardCheck::Sent(bool sent) {
    if (!sent) return false;
    Settle();
    return !m_link.PortGone();
}

BoardCheck::Outcome BoardCheck::Reads() {
    using Read = BoardReply (CSerialLink::*)();
    for (int round = 0; round < m_plan.rounds; ++round) {
        for (const Read read : {&CSerialLink::ReadAnalog, &CSerialLink::ReadTemperature}) {
            if (m_stopping()) return Outcome::Stopped;
            if (!Sent((m_link.*read)().written)) return Outcome::PortFailed;
        }
    }
    if (m_stopping()) return Outcome::Stopped;
    return Sent(m_link.Hello().written) ? Outcome::Done : Outcome::PortFailed;
}

BoardCheck::Outcome BoardCheck::Outputs() {
    if (!Sent(m_link.Layout())) return Outcome::PortFailed;
    for (int row = 1; row <= 4; ++row) {
        if (m_stopping()) return Outcome::Stopped;
        // The settle after the text is also the pause the board needs to
        // take the text as ended, as it has no length on the wire.
        if (!Sent(m_link.Locate(row)) || !Sent(m_link.Text("Check row " + std::to_string(row), m_plan.columns)))
            return Outcome::PortFailed;
    }
    for (const Output output : {Output::Led1, Output::Led2, Output::Led3, Output::Led4, Output::Buzzer}) {
        if (m_stopping()) return Outcome::Stopped;
        if (!Sent(m_link.Switch(output, true)) || !Sent(m_link.Switch(output, false))) return Outcome::PortFailed;
    }
    return Outcome::Done;
}

void BoardCheck::Judge() {
    for (const ReplyCheck& check : kReplyChecks) m_verdicts.push_back(JudgeReplies(check, m_replies));
    m_verdicts.push_back(JudgeDelays(m_replies));
    const std::string watched = " (each watched " + std::to_string(m_plan.settle.count()) + " ms)";
    if (m_unasked.empty()) {
        m_verdicts.push_back({true, "nothing unasked", "no byte came after " + std::to_string(m_commands) +
                                                           " commands" + watched});
        return;
    }
    // The first few are enough to see the fault; the count says how often.
    constexpr std::size_t kNamed = 3;
    std::string named;
    for (std::size_t i = 0; i < std::min(kNamed, m_unasked.size()); ++i) {
        const Unasked& u = m_unasked[i];
        named += "; after " + TrafficMeaning(u.after, EnglishTrafficWords()) + " \"" +
                 BytesAsText(Bytes(u.after.bytes)) + "\": " + Shown(u.bytes);
    }
    m_verdicts.push_back({false, "nothing unasked",
                          "bytes came unasked " + std::to_string(m_unasked.size()) + " times in " +
                              std::to_string(m_commands) + " commands" + watched + named});
}

BoardCheck::Outcome BoardCheck::Run() {
    // What came before the check (after a command run before it) is not
    // counted against the commands the check sends.
    m_link.DiscardInput();
    m_unasked.clear();
    Outcome outcome = Reads();
    if (outcome == Outcome::Done && m_plan.outputs) outcome = Outputs();
    if (outcome == Outcome::Done) Judge();
    return outcome;
}
