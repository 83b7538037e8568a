// One traffic record as one line of text: local time with milliseconds,
// direction, the bytes as text, what they mean, and the bytes as hex. The words
// are a table the caller gives (the panel's Italian, the command line's
// English); the layout of the line is the same for both.
#ifndef VELMORA_PANEL_TRAFFIC_LINE_H
#define VELMORA_PANEL_TRAFFIC_LINE_H

#include "link/traffic_record.h"

#include <array>
#include <string>

// Patterns fill their "%d" marks in order with the figures named beside them.
struct TrafficWords {
    std::array<const char*, 6> directions;  // by TrafficDirection
    const char* layout;
    const char* locate;     // row
    const char* text;       // row, characters
    const char* textNoRow;  // characters
    const char* analog;
    const char* hello;
    const char* temperature1;
    const char* temperature2;
    const char* ledOn;  // LED number
    const char* ledOff;
    const char* buzzerOn;
    const char* buzzerOff;
    const char* unknown;
    const char* replyAfter;   // ms
    const char* helloReply;   // bytes, ms
    const char* noReply;      // ms
    const char* partial;      // bytes that came, bytes asked
    const char* discarded;    // bytes
    const char* writeFailed;  // command meaning (as "%s"), bytes sent, bytes asked
    const char* portGone;     // added when the device had left
    std::array<const char*, 4> steps;       // by LinkStep
    std::array<const char*, 6> openErrors;  // by port::OpenError
    const char* openFailed;  // step (as "%s"), reason (as "%s", may be empty)
};

// "10:15:02.113  inviato      \"a\"  Lettura ingresso analogico  [61]"
std::string TrafficLine(const TrafficRecord& record, const TrafficWords& words);

// The record's meaning alone, as TrafficLine ends with it.
std::string TrafficMeaning(const TrafficRecord& record, const TrafficWords& words);

#endif
