// What one run of velmora-cli was asked to do: the options and the board
// commands in the order given. Filled by the argument parser, carried out by
// the session; no port is touched here.
#ifndef VELMORA_APP_CLI_CLI_REQUEST_H
#define VELMORA_APP_CLI_CLI_REQUEST_H

#include <string>
#include <vector>

enum class Action { Layout, Row, Led, Buzzer, Temp, Analog, Hello, Watch };

enum class Format { Plain, Csv, Json };

struct Step {
    Action action = Action::Layout;
    int number = 0;        // row or LED, 1..4
    bool on = false;       // led, buzzer
    std::string text;      // row, UTF-8 as typed
    double seconds = 1.0;  // watch: the period
    long count = 0;        // watch: readings to take, 0 until stopped
    Format format = Format::Plain;
};

struct CliRequest {
    std::string port;  // empty: $VELMORA_PORT, then the only serial port present
    int columns = 16;
    bool raw = false;  // readings as the board's text, not parsed
    bool help = false;
    bool version = false;
    std::vector<Step> steps;
};

#endif
