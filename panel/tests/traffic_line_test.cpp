// Each kind of record as the "Traffico" window shows it: the bytes as text
// and hex, the direction, and what it means in Italian.
#include "panel/traffic_line.h"
#include "panel/traffic_words_italian.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

using Kind = CommandReading::Kind;
using Dir = TrafficDirection;

// 10:15:02.113 local time on a winter day.
std::chrono::system_clock::time_point At() {
    std::tm tm{};
    tm.tm_year = 126, tm.tm_mon = 0, tm.tm_mday = 12, tm.tm_hour = 10, tm.tm_min = 15, tm.tm_sec = 2;
    tm.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&tm)) + std::chrono::milliseconds(113);
}

struct LineCase {
    const char* name;
    TrafficRecord record;
    const char* line;  // after the time
};

TrafficRecord Sent(std::string bytes, CommandReading command) {
    TrafficRecord r;
    r.bytes = std::move(bytes);
    r.command = command;
    return r;
}

TrafficRecord Reply(Dir dir, std::string bytes, Kind request, std::uint32_t asked, int delayMs) {
    TrafficRecord r;
    r.direction = dir;
    r.moved = static_cast<std::uint32_t>(bytes.size());
    r.bytes = std::move(bytes);
    r.delayMs = delayMs;
    r.request = request;
    r.asked = asked;
    return r;
}

TrafficRecord Discarded(std::string bytes) {
    TrafficRecord r;
    r.direction = Dir::Discarded;
    r.bytes = std::move(bytes);
    return r;
}

TrafficRecord WriteFailed(std::string bytes, CommandReading command, bool portGone) {
    TrafficRecord r = Sent(std::move(bytes), command);
    r.direction = Dir::WriteFailed;
    r.asked = static_cast<std::uint32_t>(r.bytes.size());
    r.portGone = portGone;
    return r;
}

TrafficRecord OpenFailed(LinkStep step, port::OpenError error) {
    TrafficRecord r;
    r.direction = Dir::OpenFailed;
    r.step = step;
    r.openError = error;
    return r;
}

const LineCase kLines[] = {
    {"locate", Sent("l\x11", {.kind = Kind::Locate, .row = 1}),
     "inviato      \"l<11>\"  Riga 1: posiziona  [6C 11]"},
    {"text", Sent("wCiao", {.kind = Kind::Text, .row = 2, .characters = 4}),
     "inviato      \"wCiao\"  Riga 2: testo (4 caratteri)  [77 43 69 61 6F]"},
    {"layout", Sent("c", {.kind = Kind::Layout}), "inviato      \"c\"  Schermo: applica formato  [63]"},
    {"LED", Sent("LEDb1on", {.kind = Kind::Switch, .output = Output::Led1, .on = true}),
     "inviato      \"LEDb1on\"  LED 1 acceso  [4C 45 44 62 31 6F 6E]"},
    {"LED 4", Sent("LEDvoff", {.kind = Kind::Switch, .output = Output::Led4, .on = false}),
     "inviato      \"LEDvoff\"  LED 4 spento  [4C 45 44 76 6F 66 66]"},
    {"buzzer", Sent("PWM1off", {.kind = Kind::Switch, .output = Output::Buzzer, .on = false}),
     "inviato      \"PWM1off\"  Cicalino spento  [50 57 4D 31 6F 66 66]"},
    {"analog", Sent("a", {.kind = Kind::Analog}), "inviato      \"a\"  Lettura ingresso analogico  [61]"},
    {"hello", Sent("a", {.kind = Kind::Hello}), "inviato      \"a\"  Hello  [61]"},
    {"temperature", Sent("T", {.kind = Kind::Temperature1}), "inviato      \"T\"  Lettura temperatura (1/2)  [54]"},
    {"unknown", Sent("x", {}), "inviato      \"x\"  comando sconosciuto  [78]"},
    {"reply", Reply(Dir::Received, "0512", Kind::Analog, 4, 8),
     "ricevuto     \"0512\"  risposta dopo 8 ms  [30 35 31 32]"},
    {"silent", Reply(Dir::TimedOut, "", Kind::Analog, 4, 300), "scaduto      nessuna risposta entro 300 ms"},
    {"short", Reply(Dir::TimedOut, "05", Kind::Analog, 4, 300),
     "scaduto      \"05\"  risposta incompleta: 2 di 4 byte  [30 35]"},
    {"hello reply", Reply(Dir::TimedOut, "0512", Kind::Hello, 512, 300),
     "scaduto      \"0512\"  risposta: 4 byte in 300 ms  [30 35 31 32]"},
    {"discarded", Discarded("XY"), "scartato     \"XY\"  scartati 2 byte  [58 59]"},
    {"write failed", WriteFailed("c", {.kind = Kind::Layout}, true),
     "non inviato  \"c\"  Schermo: applica formato: scrittura non riuscita (0 di 1 byte inviati) (porta "
     "scollegata)  [63]"},
    {"busy", OpenFailed(LinkStep::Open, port::OpenError::Busy),
     "errore       Connessione non riuscita: apertura della porta: porta occupata da un altro programma"},
    {"settings", OpenFailed(LinkStep::WriteSettings, port::OpenError::None),
     "errore       Connessione non riuscita: impostazione della porta"},
};

TEST(TrafficLine, SaysEveryKindOfEventInItalian) {
    for (LineCase c : kLines) {
        c.record.when = At();
        EXPECT_EQ(TrafficLine(c.record, ItalianTrafficWords()), std::string("10:15:02.113  ") + c.line) << c.name;
    }
}

}  // namespace
