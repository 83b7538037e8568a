#include "app/cli/trace_words.h"

const TrafficWords& EnglishTrafficWords() {
    static const TrafficWords kWords{
        .directions = {"sent", "received", "discarded", "timed out", "not sent", "error"},
        .layout = "Screen: apply layout",
        .locate = "Row %d: locate",
        .text = "Row %d: text (%d characters)",
        .textNoRow = "Text (%d characters)",
        .analog = "Analog input read",
        .hello = "Hello",
        .temperature1 = "Temperature read (1/2)",
        .temperature2 = "Temperature read (2/2)",
        .ledOn = "LED %d on",
        .ledOff = "LED %d off",
        .buzzerOn = "Buzzer on",
        .buzzerOff = "Buzzer off",
        .unknown = "unknown command",
        .replyAfter = "reply after %d ms",
        .helloReply = "reply: %d bytes in %d ms",
        .noReply = "no reply within %d ms",
        .partial = "incomplete reply: %d of %d bytes",
        .discarded = "discarded %d bytes",
        .writeFailed = "%s: write failed (%d of %d bytes sent)",
        .portGone = " (port gone)",
        .steps = {"opening the port", "reading the port's settings", "setting the port", "writing"},
        .openErrors = {"", ": no such port", ": port held by another program", ": access denied",
                       ": not a serial port", ": system error"},
        .openFailed = "Connect failed: %s%s",
    };
    return kWords;
}
