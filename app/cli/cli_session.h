// The commands of one run, carried out in order on one open link: a table
// of routines, one per command, each making the link call the panel makes
// for the same action. Readings go to `out`, warnings to `err`; a port
// failure is kept as its cause, for the run to say in words.
#ifndef VELMORA_APP_CLI_CLI_SESSION_H
#define VELMORA_APP_CLI_CLI_SESSION_H

#include "app/cli/cli_request.h"
#include "app/cli/failure_words.h"
#include "app/cli/reading_output.h"
#include "app/cli/wall_clock.h"

#include <csignal>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// What a run takes from the world, so that tests can hand it their own.
struct CliEnv {
    std::ostream& out;
    std::ostream& err;
    std::string_view portVariable;  // $VELMORA_PORT; empty when unset
    std::function<std::vector<std::string>()> presentPorts;
    std::function<WallTime()> now;
    const volatile std::sig_atomic_t* stop;  // set by a stop signal (INT, TERM, HUP, QUIT)
};

class CliSession {
public:
    // Done: every command ran. BadReply: all ran, but a temp or analog reply
    // did not parse, or a check failed. PortFailed: Failure() says why. Stopped: a
    // signal came with commands still to run (one during a watch ends it).
    // ReaderGone: stdout's reader closed the pipe (watch | head), so it has
    // all it wanted; the rest is not run. OutputFailed: stdout failed otherwise.
    enum class Outcome { Done, BadReply, PortFailed, Stopped, ReaderGone, OutputFailed };

    // `trace`: the link's observer when --trace is on, for check to pass
    // the events on to.
    CliSession(CSerialLink& link, const CliRequest& request, const CliEnv& env, LinkObserver* trace = nullptr)
        : m_link(link), m_request(request), m_env(env), m_trace(trace) {}
    Outcome Run();
    PortFailure Failure() const { return m_failure; }

private:
    struct StepLine;
    Outcome Layout(const Step& step);
    Outcome Row(const Step& step);
    Outcome Led(const Step& step);
    Outcome Buzzer(const Step& step);
    Outcome Temp(const Step& step);
    Outcome Analog(const Step& step);
    Outcome Hello(const Step& step);
    Outcome Watch(const Step& step);
    // One PASS or FAIL line per check; BadReply when any failed.
    Outcome Check(const Step& step);

    bool Stopping() const { return *m_env.stop != 0; }
    // Analog first, then temperature, as the panel's tick reads them.
    bool ReadAnalog(Reading& r);
    bool ReadTemperature(Reading& r);
    // A command that did not go out: the cause kept, PortFailed given.
    Outcome Sent(bool sent);
    // A reply with at least one byte, else the cause kept.
    bool Answered(const BoardReply& reply);
    Outcome Print(const std::string& line);
    // Waits until `deadline` (steady clock, ms); false when a stop came.
    bool SleepUntil(long long deadlineMs) const;

    CSerialLink& m_link;
    const CliRequest& m_request;
    const CliEnv& m_env;
    LinkObserver* m_trace;
    PortFailure m_failure = PortFailure::None;
};

#endif
