// The command line: lines that parse into steps, and lines that are wrong
// usage, each with the words that say why.
#include "app/cli/cli_args.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

ParsedArgs Parse(std::vector<std::string_view> args) { return ParseArgs(args); }

// One step as a short line, so a whole parse reads as one string.
std::string Describe(const CliRequest& r) {
    static constexpr const char* kNames[] = {"layout", "row",   "led",   "buzzer", "temp",
                                             "analog", "hello", "watch", "check",  "find"};
    static constexpr const char* kFormats[] = {"plain", "csv", "json"};
    std::string out = "port=" + r.port + " columns=" + std::to_string(r.columns) + (r.raw ? " raw" : "") +
                      (r.trace ? " trace" : "") +
                      (r.help ? " help" : "") + (r.version ? " version" : "") + ":";
    for (const Step& s : r.steps) {
        out += std::string(" ") + kNames[static_cast<int>(s.action)];
        if (s.action == Action::Row) out += "(" + std::to_string(s.number) + "," + s.text + ")";
        if (s.action == Action::Led) out += "(" + std::to_string(s.number) + (s.on ? ",on)" : ",off)");
        if (s.action == Action::Buzzer) out += s.on ? "(on)" : "(off)";
        if (s.action == Action::Watch) {
            char interval[32];
            std::snprintf(interval, sizeof interval, "%g", s.seconds);
            out += std::string("(") + interval + "," + std::to_string(s.count) + "," +
                   kFormats[static_cast<int>(s.format)] + ")";
        }
        if (s.action == Action::Check) out += "(" + std::to_string(s.count) + (s.outputs ? ",outputs)" : ")");
        if (s.action == Action::Find) {
            out += "(";
            for (const std::string& port : s.ports) out += port + (&port != &s.ports.back() ? "," : "");
            out += ")";
        }
    }
    return out;
}

struct GoodLine {
    std::vector<std::string_view> args;
    std::string parsed;
};

class GoodLines : public ::testing::TestWithParam<GoodLine> {};

TEST_P(GoodLines, ParseIntoTheStepsInOrder) {
    const ParsedArgs p = Parse(GetParam().args);
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(Describe(p.request), GetParam().parsed);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, GoodLines,
    ::testing::Values(
        GoodLine{{"layout"}, "port= columns=16: layout"},
        GoodLine{{"-p", "/dev/ttyACM0", "layout", "row", "1", "Ciao", "led", "1", "on"},
                 "port=/dev/ttyACM0 columns=16: layout row(1,Ciao) led(1,on)"},
        GoodLine{{"--port=COM3", "--columns", "20", "buzzer", "off", "temp", "analog", "hello"},
                 "port=COM3 columns=20: buzzer(off) temp analog hello"},
        // A row's text is taken as it is, even when it looks like an option.
        GoodLine{{"row", "4", "--help"}, "port= columns=16: row(4,--help)"},
        GoodLine{{"row", "2", ""}, "port= columns=16: row(2,)"},
        GoodLine{{"-c", "8", "led", "4", "off", "--raw", "temp"}, "port= columns=8 raw: led(4,off) temp"},
        GoodLine{{"watch"}, "port= columns=16: watch(1,0,plain)"},
        GoodLine{{"watch", "-i", "0.5", "-n", "3", "--csv"}, "port= columns=16: watch(0.5,3,csv)"},
        GoodLine{{"watch", "--json", "--count=2", "--interval=2", "-p", "X", "layout"},
                 "port=X columns=16: watch(2,2,json) layout"},
        GoodLine{{"temp", "--help", "bogus"}, "port= columns=16 help: temp"},
        GoodLine{{"-p", "X", "check"}, "port=X columns=16: check(5)"},
        GoodLine{{"--trace", "check", "-n", "2", "--outputs", "-c", "20"}, "port= columns=20 trace: check(2,outputs)"},
        GoodLine{{"check", "--rounds=1000", "temp"}, "port= columns=16: check(1000) temp"},
        GoodLine{{"find"}, "port= columns=16: find()"},
        GoodLine{{"find", "/dev/ttyUSB0", "COM3", "--trace"}, "port= columns=16 trace: find(/dev/ttyUSB0,COM3)"},
        GoodLine{{"-V"}, "port= columns=16 version:"}));

struct BadLine {
    std::vector<std::string_view> args;
    std::string why;
};

class BadLines : public ::testing::TestWithParam<BadLine> {};

TEST_P(BadLines, AreWrongUsageThatSaysWhy) {
    const ParsedArgs p = Parse(GetParam().args);
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.error, GetParam().why);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, BadLines,
    ::testing::Values(
        BadLine{{}, "no command given"},
        BadLine{{"-p", "X"}, "no command given"},
        BadLine{{"blink"}, "unknown command \"blink\""},
        BadLine{{"--verbose", "temp"}, "unknown option \"--verbose\""},
        BadLine{{"row", "1"}, "row: an argument is missing"},
        BadLine{{"row", "0", "x"}, "row: N must be 1 to 4, not \"0\""},
        BadLine{{"row", "5", "x"}, "row: N must be 1 to 4, not \"5\""},
        BadLine{{"led", "one", "on"}, "led: N must be 1 to 4, not \"one\""},
        BadLine{{"led", "2", "ON"}, "led: say on or off, not \"ON\""},
        BadLine{{"buzzer"}, "buzzer: an argument is missing"},
        BadLine{{"-c", "17", "layout"}, "-c: COLUMNS must be 8, 16, 20 or 40, not \"17\""},
        BadLine{{"-c", "16x", "layout"}, "-c: COLUMNS must be 8, 16, 20 or 40, not \"16x\""},
        BadLine{{"-p"}, "-p needs a value"},
        BadLine{{"--port=", "temp"}, "--port: the port name is empty"},
        BadLine{{"--raw=yes", "temp"}, "--raw takes no value"},
        // watch's options belong to watch only.
        BadLine{{"-n", "3", "watch"}, "unknown option \"-n\""},
        BadLine{{"temp", "--csv"}, "unknown option \"--csv\""},
        BadLine{{"watch", "--csv", "--json"}, "--json: choose one of --csv and --json"},
        BadLine{{"watch", "-i", "0"}, "-i: SECONDS must be a number from 0.01 to 86400, not \"0\""},
        BadLine{{"watch", "-i", "nan"}, "-i: SECONDS must be a number from 0.01 to 86400, not \"nan\""},
        BadLine{{"watch", "-n", "0"}, "-n: COUNT must be a whole number from 1, not \"0\""},
        BadLine{{"watch", "-n", "-2"}, "-n: COUNT must be a whole number from 1, not \"-2\""},
        BadLine{{"check", "-n", "0"}, "-n: ROUNDS must be a whole number from 1 to 1000, not \"0\""},
        BadLine{{"check", "-n", "1001"}, "-n: ROUNDS must be a whole number from 1 to 1000, not \"1001\""},
        BadLine{{"check", "--outputs=yes"}, "--outputs takes no value"},
        BadLine{{"watch", "--outputs"}, "unknown option \"--outputs\""},
        BadLine{{"temp", "find"}, "find runs alone, without other commands"},
        BadLine{{"-p", "X", "find"}, "find takes the ports to probe as arguments, not -p"}));

}  // namespace
