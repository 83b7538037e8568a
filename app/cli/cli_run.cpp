#include "app/cli/cli_run.h"

#include "app/cli/board_find.h"
#include "app/cli/cli_args.h"
#include "app/cli/link_trace.h"
#include "app/cli/port_choice.h"
#include "res/dialog_templates.h"

namespace {

constexpr std::string_view kProgram = "velmora-cli: ";

int PortFailed(const CliEnv& env, const std::string& port, PortFailure failure) {
    env.err << kProgram << port << ": " << FailureWords(failure) << "\n";
    return kExitFailed;
}

// find: each port probed in turn; the boards on stdout, the rest on stderr.
int Find(const Step& step, const CliEnv& env, LinkObserver* trace) {
    const std::vector<std::string> ports = step.ports.empty() ? env.presentPorts() : step.ports;
    if (ports.empty()) {
        env.err << kProgram << "no serial port present to probe\n";
        return kExitFailed;
    }
    bool found = false;
    for (const std::string& name : ports) {
        if (*env.stop != 0) return kExitStopped;
        if (trace != nullptr) env.err << kProgram << "probing " << name << "\n";
        const Probe probe = ProbeForBoard(name, trace);
        switch (probe.verdict) {
        case Probe::Verdict::Board:
            found = true;
            env.out << name << "\n" << std::flush;
            break;
        case Probe::Verdict::Skipped:
            env.err << kProgram << name << ": skipped: " << FailureWords(probe.failure) << "\n";
            break;
        case Probe::Verdict::NotBoard: env.err << kProgram << name << ": " << probe.why << "\n"; break;
        }
    }
    if (!env.out) {
        env.err << kProgram << "cannot write the output\n";
        return kExitFailed;
    }
    return found ? kExitOk : kExitFailed;
}

}  // namespace

int RunCli(std::span<const std::string_view> args, const CliEnv& env) {
    const ParsedArgs parsed = ParseArgs(args);
    if (!parsed.ok) {
        // The synopsis, not the whole help: the error stays in sight.
        const std::string_view usage = UsageText();
        env.err << kProgram << parsed.error << "\n" << usage.substr(0, usage.find("\n\n") + 1)
                << "Try 'velmora-cli --help' for the commands.\n";
        return kExitUsage;
    }
    const CliRequest& request = parsed.request;
    if (request.help) {
        env.out << UsageText();
        return kExitOk;
    }
    if (request.version) {
        env.out << "velmora-cli " << res::VersionText() << "\n";
        return kExitOk;
    }

    LinkTrace trace(env.err);
    LinkObserver* const observer = request.trace ? &trace : nullptr;
    if (request.steps.front().action == Action::Find) return Find(request.steps.front(), env, observer);

    const PortChoice choice = ChoosePort(request.port, env.portVariable, env.presentPorts);
    switch (choice.outcome) {
    case PortChoice::Outcome::NonePresent:
        env.err << kProgram << "no serial port present; name the board's port with -p PORT or VELMORA_PORT\n";
        return kExitFailed;
    case PortChoice::Outcome::SeveralPresent:
        env.err << kProgram << "several serial ports present; choose one with -p PORT:\n";
        for (const std::string& name : choice.present) env.err << "  " << name << "\n";
        return kExitUsage;
    case PortChoice::Outcome::Chosen: break;
    }

    CSerialLink link;  // closes the port and restores its settings on every way out
    link.SetObserver(observer);
    if (const ConnectResult connect = link.Connect(choice.port); !connect.opened)
        return PortFailed(env, choice.port, ConnectFailure(connect));
    CliSession session(link, request, env, observer);
    switch (session.Run()) {
    case CliSession::Outcome::Done: return kExitOk;
    case CliSession::Outcome::BadReply: return kExitFailed;  // the warning said which
    case CliSession::Outcome::PortFailed: return PortFailed(env, choice.port, session.Failure());
    case CliSession::Outcome::Stopped: return kExitStopped;
    case CliSession::Outcome::ReaderGone: return kExitOk;  // the reader has finished; nothing to say
    case CliSession::Outcome::OutputFailed:
        env.err << kProgram << "cannot write the output\n";
        return kExitFailed;
    }
    return kExitFailed;
}
