// How readings are printed: one value per line for temp and analog, and
// for watch a line per reading as plain columns, CSV or JSON. A value the
// board's reply did not give is an empty field (null in JSON), never 0.
#ifndef VELMORA_APP_CLI_READING_OUTPUT_H
#define VELMORA_APP_CLI_READING_OUTPUT_H

#include "app/cli/cli_request.h"

#include <optional>
#include <string>

struct Reading {
    std::string time;  // ISO 8601, local
    std::string temperatureText, analogText;  // the replies as received
    std::optional<double> temperature;
    std::optional<int> analog;
};

// "23.5": the shortest text that reads back as the same number.
std::string TemperatureField(double celsius);

// The value as a line's text: the number, or with `raw` the reply.
std::string TemperatureLine(const Reading& r, bool raw);
std::string AnalogLine(const Reading& r, bool raw);

// What comes before the first reading ("" for plain and JSON).
std::string WatchHeader(Format format);
// One reading, with its newline.
std::string WatchLine(const Reading& r, Format format, bool raw);

#endif
