// The command line as two tables, options and commands, walked by one
// routine. An option belongs to the run, or to the command it follows.
#include "app/cli/cli_args.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

using namespace std::string_literals;
using Sv = std::string_view;

bool Whole(Sv s, long lo, long hi, long& out) {
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size() && out >= lo && out <= hi;
}

std::string Quoted(Sv s) { return "\"" + std::string(s) + "\""; }

// Each stores a value into the request or the step; empty when it was
// good, else what was wrong with it.
using Apply = std::string (*)(CliRequest&, Step&, Sv value);

struct Option {
    Sv shortName, longName;
    bool takesValue;
    Apply apply;
};

constexpr Option kRunOptions[] = {
    {"-p", "--port", true,
     [](CliRequest& r, Step&, Sv v) {
         r.port = v;
         return v.empty() ? "the port name is empty"s : ""s;
     }},
    {"-c", "--columns", true,
     [](CliRequest& r, Step&, Sv v) {
         // The display widths the panel offers; others are no board's.
         constexpr std::array<long, 4> kWidths = {8, 16, 20, 40};
         long n = 0;
         if (!Whole(v, 1, 40, n) || std::ranges::find(kWidths, n) == kWidths.end())
             return "COLUMNS must be 8, 16, 20 or 40, not " + Quoted(v);
         r.columns = static_cast<int>(n);
         return ""s;
     }},
    {"", "--raw", false, [](CliRequest& r, Step&, Sv) { return r.raw = true, ""s; }},
    {"", "--trace", false, [](CliRequest& r, Step&, Sv) { return r.trace = true, ""s; }},
    {"-h", "--help", false, [](CliRequest& r, Step&, Sv) { return r.help = true, ""s; }},
    {"-V", "--version", false, [](CliRequest& r, Step&, Sv) { return r.version = true, ""s; }},
};

std::string SetFormat(Step& s, Format f) {
    if (s.format != Format::Plain && s.format != f) return "choose one of --csv and --json"s;
    s.format = f;
    return ""s;
}

constexpr Option kWatchOptions[] = {
    {"-i", "--interval", true,
     [](CliRequest&, Step& s, Sv v) {
         double d = 0;
         const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), d);
         if (ec != std::errc() || end != v.data() + v.size() || !(d >= 0.01 && d <= 86400.0))
             return "SECONDS must be a number from 0.01 to 86400, not " + Quoted(v);
         s.seconds = d;
         return ""s;
     }},
    {"-n", "--count", true,
     [](CliRequest&, Step& s, Sv v) {
         return Whole(v, 1, 1'000'000'000, s.count) ? ""s : "COUNT must be a whole number from 1, not " + Quoted(v);
     }},
    {"", "--csv", false, [](CliRequest&, Step& s, Sv) { return SetFormat(s, Format::Csv); }},
    {"", "--json", false, [](CliRequest&, Step& s, Sv) { return SetFormat(s, Format::Json); }},
};

constexpr Option kCheckOptions[] = {
    {"-n", "--rounds", true,
     [](CliRequest&, Step& s, Sv v) {
         return Whole(v, 1, 1000, s.count) ? ""s : "ROUNDS must be a whole number from 1 to 1000, not " + Quoted(v);
     }},
    {"", "--outputs", false, [](CliRequest&, Step& s, Sv) { return s.outputs = true, ""s; }},
};

// A command's positional arguments, each stored into its step.
using TakeArg = std::string (*)(Step&, Sv);

std::string TakeNumber(Step& s, Sv v) {
    long n = 0;
    if (!Whole(v, 1, 4, n)) return "N must be 1 to 4, not " + Quoted(v);
    s.number = static_cast<int>(n);
    return ""s;
}
std::string TakeOnOff(Step& s, Sv v) {
    if (v != "on" && v != "off") return "say on or off, not " + Quoted(v);
    s.on = v == "on";
    return ""s;
}
std::string TakeText(Step& s, Sv v) { return s.text = v, ""s; }

struct Command {
    Sv name;
    Action action;
    std::array<TakeArg, 2> args;  // unused ones are null
    std::span<const Option> options;
    bool takesPorts = false;  // every plain word after it is a port
};

constexpr Command kCommands[] = {
    {"layout", Action::Layout, {}, {}},
    {"row", Action::Row, {TakeNumber, TakeText}, {}},
    {"led", Action::Led, {TakeNumber, TakeOnOff}, {}},
    {"buzzer", Action::Buzzer, {TakeOnOff}, {}},
    {"temp", Action::Temp, {}, {}},
    {"analog", Action::Analog, {}, {}},
    {"hello", Action::Hello, {}, {}},
    {"watch", Action::Watch, {}, kWatchOptions},
    {"check", Action::Check, {}, kCheckOptions},
    {"find", Action::Find, {}, {}, true},
};

const Option* FindOption(std::span<const Option> table, Sv name) {
    const auto it = std::ranges::find_if(table, [&](const Option& o) {
        return name == o.longName || (!o.shortName.empty() && name == o.shortName);
    });
    return it != table.end() ? &*it : nullptr;
}

ParsedArgs Fail(ParsedArgs p, std::string why) {
    p.ok = false;
    p.error = std::move(why);
    return p;
}

}  // namespace

ParsedArgs ParseArgs(std::span<const std::string_view> args) {
    ParsedArgs p;
    CliRequest& r = p.request;
    Step unused;
    std::span<const Option> commandOptions;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const Sv arg = args[i];
        if (arg.size() > 1 && arg[0] == '-') {
            // "--port=NAME" is "--port NAME".
            const auto eq = arg.starts_with("--") ? arg.find('=') : Sv::npos;
            const Sv name = arg.substr(0, eq);
            const Option* o = FindOption(commandOptions, name);
            Step& target = o != nullptr ? r.steps.back() : unused;
            if (o == nullptr) o = FindOption(kRunOptions, name);
            if (o == nullptr) return Fail(std::move(p), "unknown option " + Quoted(arg));
            Sv value;
            if (o->takesValue && eq != Sv::npos) {
                value = arg.substr(eq + 1);
            } else if (o->takesValue) {
                if (++i == args.size()) return Fail(std::move(p), std::string(name) + " needs a value");
                value = args[i];
            } else if (eq != Sv::npos) {
                return Fail(std::move(p), std::string(name) + " takes no value");
            }
            if (std::string why = o->apply(r, target, value); !why.empty())
                return Fail(std::move(p), std::string(name) + ": " + why);
            if (r.help || r.version) break;
            continue;
        }
        const auto command = std::ranges::find(kCommands, arg, &Command::name);
        if (command == std::end(kCommands)) return Fail(std::move(p), "unknown command " + Quoted(arg));
        Step step;
        step.action = command->action;
        for (const TakeArg take : command->args) {
            if (take == nullptr) break;
            if (++i == args.size())
                return Fail(std::move(p), std::string(command->name) + ": an argument is missing");
            if (std::string why = take(step, args[i]); !why.empty())
                return Fail(std::move(p), std::string(command->name) + ": " + why);
        }
        if (command->takesPorts) {
            while (i + 1 < args.size() && !args[i + 1].starts_with("-")) step.ports.emplace_back(args[++i]);
        }
        if (step.action == Action::Check) step.count = kCheckRounds;
        r.steps.push_back(std::move(step));
        commandOptions = command->options;
    }
    if (r.steps.empty() && !r.help && !r.version) return Fail(std::move(p), "no command given");
    // find opens ports of its own, one after another, and leaves them.
    const bool finds = std::ranges::any_of(r.steps, [](const Step& s) { return s.action == Action::Find; });
    if (finds && !r.help && !r.version) {
        if (r.steps.size() > 1) return Fail(std::move(p), "find runs alone, without other commands");
        if (!r.port.empty()) return Fail(std::move(p), "find takes the ports to probe as arguments, not -p");
    }
    p.ok = true;
    return p;
}

std::string_view UsageText() {
    return R"(usage: velmora-cli [-p PORT] [-c COLUMNS] [--raw] [--trace] COMMAND [ARGS] [COMMAND [ARGS] ...]
       velmora-cli [--trace] find [PORT...]
       velmora-cli --help | --version

Drives a Velmora demo board over its serial port. The commands run in
order on one open port.

commands:
  layout                  apply the display's layout
  row N TEXT              write TEXT on row N (1-4), cut or padded to COLUMNS
  led N on|off            switch LED N (1-4)
  buzzer on|off           switch the buzzer
  temp                    print the temperature in degrees Celsius
  analog                  print the analog input, 0 to 1023
  hello                   print what the board answers to the hello read
  watch [-i SECONDS] [-n COUNT] [--csv|--json]
                          read both every SECONDS (default 1), COUNT times
                          or until stopped; under a second apart, the
                          times carry milliseconds
  check [-n ROUNDS] [--outputs]
                          test the board: ROUNDS (default 5) analog and
                          temperature reads and one hello read, each reply
                          judged; the delays against the 300 ms bound; no
                          byte unasked. One PASS or FAIL line per check.
                          Sends only reads unless --outputs: then also the
                          layout, all four rows, and each LED and the
                          buzzer on and then off
  find [PORT...]          probe each PORT, or every serial port present,
                          for a board: one byte ("a", the analog read) goes
                          to each, and a port is printed when its reply
                          within 300 ms reads like this board's. Ports held
                          by another program are skipped and named

options:
  -p, --port PORT         the board's port; default $VELMORA_PORT, else the
                          only serial port present
  -c, --columns COLUMNS   the display's width: 8, 16 (default), 20 or 40
      --raw               print readings as the board sent them
      --trace             write every byte sent and received, with what it
                          means and each reply's delay, to stderr
  -h, --help              print this help
  -V, --version           print the version

exit status:
  0    done; also a watch ended by Ctrl+C or a TERM, HUP or QUIT signal,
       or by its reader closing the pipe (watch | head)
  1    the port or the board failed (or none is present), a reply did not
       parse, a check failed, find found no board, or the output cannot
       be written
  2    wrong usage, or several serial ports present and none chosen
  130  stopped by a signal before the last command began
)";
}
