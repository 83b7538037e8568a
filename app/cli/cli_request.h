// What one run of velmora-cli was asked to do: the options and the board
// commands in the order given. Filled by the argument parser, carried out by
// the session; no port is touched here.
#ifndef VELMORA_APP_CLI_CLI_REQUEST_H
#define VELMORA_APP_CLI_CLI_REQUEST_H

#include <string>
#include <vector>

enum class Action { Layout, Row, Led, Buzzer, Temp, Analog, Hello, Watch, Check, Find };

enum class Format { Plain, Csv, Json };

struct Step {
    Action action = Action::Layout;
    int number = 0;        // row or LED, 1..4
    bool on = false;       // led, buzzer
    std::string text;      // row, UTF-8 as typed
    double seconds = 1.0;  // watch: the period
    long count = 0;        // watch: readings to take, 0 until stopped; check: rounds
    Format format = Format::Plain;
    bool outputs = false;            // check: also drive the display and the outputs
    std::vector<std::string> ports;  // find: the ports to probe, none for every one present
};

// check's rounds when -n is not given: enough for a median, done in about
// two seconds.
inline constexpr long kCheckRounds = 5;

struct CliRequest {
    std::string port;  // empty: $VELMORA_PORT, then the only serial port present
    int columns = 16;
    bool raw = false;  // readings as the board's text, not parsed
    bool trace = false;  // the link's events on stderr
    bool help = false;
    bool version = false;
    std::vector<Step> steps;
};

#endif
