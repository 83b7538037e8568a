#include "app/cli/cli_session.h"

#include "app/cli/board_check.h"
#include "app/cli/closed_pipe.h"
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
        {Action::Check, &CliSession::Check},
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

Outcome CliSession::Sent(bool sent) {
    if (sent) return Outcome::Done;
    m_failure = ExchangeFailure(m_link.PortGone());
    return Outcome::PortFailed;
}

bool CliSession::Answered(const BoardReply& reply) {
    if (reply.written && reply.bytes > 0) return true;
    m_failure = ExchangeFailure(m_link.PortGone());
    return false;
}

Outcome CliSession::Layout(const Step&) { return Sent(m_link.Layout()); }

Outcome CliSession::Row(const Step& step) {
    if (const Outcome o = Sent(m_link.Locate(step.number) && m_link.Text(step.text, m_request.columns));
        o != Outcome::Done)
        return o;
    std::this_thread::sleep_for(kAfterText);
    return Outcome::Done;
}

Outcome CliSession::Led(const Step& step) { return Sent(m_link.Switch(kLeds[step.number - 1], step.on)); }

Outcome CliSession::Buzzer(const Step& step) { return Sent(m_link.Switch(Output::Buzzer, step.on)); }

bool CliSession::ReadAnalog(Reading& r) {
    const BoardReply reply = m_link.ReadAnalog();
    if (!Answered(reply)) return false;
    r.analogText = reply.text;
    r.analog = ParseAnalog(reply.text);
    if (!r.analog && !m_request.raw)
        m_env.err << "velmora-cli: warning: the analog reply \"" << reply.text << "\" does not parse\n";
    return true;
}

bool CliSession::ReadTemperature(Reading& r) {
    const BoardReply reply = m_link.ReadTemperature();
    if (!Answered(reply)) return false;
    r.temperatureText = reply.text;
    r.temperature = ParseTemperature(reply.text);
    if (!r.temperature && !m_request.raw)
        m_env.err << "velmora-cli: warning: the temperature reply \"" << reply.text << "\" does not parse\n";
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
    const BoardReply reply = m_link.Hello();
    if (!Answered(reply)) return Outcome::PortFailed;
    return Print(reply.text + "\n");
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

Outcome CliSession::Check(const Step& step) {
    const CheckPlan plan{.rounds = static_cast<int>(step.count), .outputs = step.outputs,
                         .columns = m_request.columns};
    BoardCheck check(m_link, m_trace, plan, [this] { return Stopping(); });
    switch (check.Run()) {
    case BoardCheck::Outcome::Stopped: return Outcome::Stopped;
    case BoardCheck::Outcome::PortFailed: return Sent(false);
    case BoardCheck::Outcome::Done: break;
    }
    bool allPass = true;
    for (const CheckVerdict& v : check.Verdicts()) {
        allPass = allPass && v.pass;
        if (const Outcome o = Print((v.pass ? "PASS " : "FAIL ") + v.check + ": " + v.figures + "\n");
            o != Outcome::Done)
            return o;
    }
    return allPass ? Outcome::Done : Outcome::BadReply;
}
