#include "app/cli/cli_session.h"

#include "app/cli/closed_pipe.h"
#include "link/board_commands.h"
#include "panel/local_time.h"
#include "panel/reply_values.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

using Outcome = CliSession::Outcome;
using Clock = std::chrono::steady_clock;

long long NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count();
}

constexpr Output kLeds[] = {Output::Led1, Output::Led2, Output::Led3, Output::Led4};

// The text command carries no length: the board takes the rest of what it
// has received as the text. A person at the panel never clicks fast enough
// to run two commands together; a script does, so the next command waits
// until the board has surely read the text on its own.
constexpr auto kAfterText = std::chrono::milliseconds(50);

}  // namespace

struct CliSession::StepLine {
    Action action;
    Outcome (CliSession::*run)(const Step&);
};

Outcome CliSession::Run() {
    static constexpr StepLine kSteps[] = {
        {Action::Layout, &CliSession::Layout}, {Action::Row, &CliSession::Row},
        {Action::Led, &CliSession::Led},       {Action::Buzzer, &CliSession::Buzzer},
        {Action::Temp, &CliSession::Temp},     {Action::Analog, &CliSession::Analog},
        {Action::Hello, &CliSession::Hello},   {Action::Watch, &CliSession::Watch},
    };
    Outcome outcome = Outcome::Done;
    for (const Step& step : m_request.steps) {
        if (Stopping()) return Outcome::Stopped;
        const auto line = std::ranges::find(kSteps, step.action, &StepLine::action);
        const Outcome o = (this->*line->run)(step);
        if (o == Outcome::BadReply) {
            outcome = o;  // the value is missing, the port is fine: go on
        } else if (o == Outcome::ReaderGone && outcome == Outcome::BadReply) {
            return outcome;  // the reader leaving is no failure, but what came before was
        } else if (o != Outcome::Done) {
            return o;
        }
    }
    return outcome;
}

Outcome CliSession::Layout(const Step&) {
    return m_link.Send(CmdLayout(m_link.m_szBuffer)) ? Outcome::Done : Outcome::PortFailed;
}

Outcome CliSession::Row(const Step& step) {
    auto& buffer = m_link.m_szBuffer;
    if (!m_link.Send(CmdLocate(buffer, step.number)) || !m_link.Send(CmdText(buffer, step.text, m_request.columns)))
        return Outcome::PortFailed;
    std::this_thread::sleep_for(kAfterText);
    return Outcome::Done;
}

Outcome CliSession::Led(const Step& step) {
    const Output led = kLeds[step.number - 1];
    return m_link.Send(CmdSwitch(m_link.m_szBuffer, led, step.on)) ? Outcome::Done : Outcome::PortFailed;
}

Outcome CliSession::Buzzer(const Step& step) {
    return m_link.Send(CmdSwitch(m_link.m_szBuffer, Output::Buzzer, step.on)) ? Outcome::Done
                                                                               : Outcome::PortFailed;
}

bool CliSession::ReadAnalog(Reading& r) {
    const auto reply = m_link.Request(1, [&](int) { return CmdAnalog(m_link.m_szBuffer); }, kAnalogReplyBytes);
    if (!reply) return false;
    r.analogText = *reply;
    r.analog = ParseAnalog(*reply);
    if (!r.analog && !m_request.raw)
        m_env.err << "velmora-cli: warning: the analog reply \"" << *reply << "\" does not parse\n";
    return true;
}

bool CliSession::ReadTemperature(Reading& r) {
    const auto reply = m_link.Request(
        2, [&](int step) { return CmdTemperature(m_link.m_szBuffer, step); }, kTemperatureReplyBytes);
    if (!reply) return false;
    r.temperatureText = *reply;
    r.temperature = ParseTemperature(*reply);
    if (!r.temperature && !m_request.raw)
        m_env.err << "velmora-cli: warning: the temperature reply \"" << *reply << "\" does not parse\n";
    return true;
}

Outcome CliSession::Print(const std::string& line) {
    ForgetWriteError();
    m_env.out << line << std::flush;
    if (m_env.out) return Outcome::Done;
    return WriteFailedOnClosedPipe() ? Outcome::ReaderGone : Outcome::OutputFailed;
}

Outcome CliSession::Temp(const Step&) {
    Reading r;
    if (!ReadTemperature(r)) return Outcome::PortFailed;
    const Outcome printed = Print(TemperatureLine(r, m_request.raw) + "\n");
    return printed == Outcome::Done && !m_request.raw && !r.temperature ? Outcome::BadReply : printed;
}

Outcome CliSession::Analog(const Step&) {
    Reading r;
    if (!ReadAnalog(r)) return Outcome::PortFailed;
    const Outcome printed = Print(AnalogLine(r, m_request.raw) + "\n");
    return printed == Outcome::Done && !m_request.raw && !r.analog ? Outcome::BadReply : printed;
}

Outcome CliSession::Hello(const Step&) {
    // The panel's hello: the analog command, then whatever comes in a read's time.
    const auto reply = m_link.Request(
        1, [&](int) { return CmdAnalog(m_link.m_szBuffer); }, static_cast<std::int32_t>(CSerialLink::kBufferSize));
    if (!reply) return Outcome::PortFailed;
    return Print(*reply + "\n");
}

bool CliSession::SleepUntil(long long deadlineMs) const {
    // In short naps, so that Ctrl+C ends the wait at once.
    for (long long left = deadlineMs - NowMs(); left > 0 && !Stopping(); left = deadlineMs - NowMs())
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(left, 50LL)));
    return !Stopping();
}

Outcome CliSession::Watch(const Step& step) {
    if (const Outcome o = Print(WatchHeader(step.format)); o != Outcome::Done) return o;
    const auto periodMs = static_cast<long long>(step.seconds * 1000.0);
    // Several readings a second are told apart by their milliseconds.
    const bool milliseconds = step.seconds < 1.0;
    long long next = NowMs();
    for (long n = 0; step.count == 0 || n < step.count; ++n) {
        if (n > 0 && !SleepUntil(next)) break;
        if (Stopping()) break;
        // A reading that took longer than the period starts the next one late
        // rather than sending a burst to catch up.
        next = std::max(next + periodMs, NowMs());
        Reading r;
        const WallTime now = m_env.now();
        r.time = IsoLocalTime(now.seconds, LocalTimeAt(now.seconds).utcOffset,
                              milliseconds ? std::optional(now.milliseconds) : std::nullopt);
        if (!ReadAnalog(r) || !ReadTemperature(r)) return Outcome::PortFailed;
        if (const Outcome o = Print(WatchLine(r, step.format, m_request.raw)); o != Outcome::Done) return o;
    }
    return Outcome::Done;
}
