#include "panel/traffic_line.h"

#include "link/byte_text.h"
#include "panel/local_time.h"

#include <chrono>
#include <cstdio>
#include <initializer_list>
#include <span>
#include <string_view>

namespace {

using Kind = CommandReading::Kind;

// The pattern with each "%d" replaced by the next figure and each "%s" by
// the next text, in order; a mark with nothing left stays as it is.
std::string Fill(std::string_view pattern, std::initializer_list<long long> figures,
                 std::initializer_list<std::string_view> texts = {}) {
    std::string out;
    auto figure = figures.begin();
    auto text = texts.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()) {
            if (pattern[i + 1] == 'd' && figure != figures.end()) {
                out += std::to_string(*figure++);
                ++i;
                continue;
            }
            if (pattern[i + 1] == 's' && text != texts.end()) {
                out += *text++;
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

std::string CommandMeaning(const CommandReading& c, const TrafficWords& w) {
    switch (c.kind) {
    case Kind::Layout: return w.layout;
    case Kind::Locate: return Fill(w.locate, {c.row});
    case Kind::Text: return c.row > 0 ? Fill(w.text, {c.row, c.characters}) : Fill(w.textNoRow, {c.characters});
    case Kind::Analog: return w.analog;
    case Kind::Hello: return w.hello;
    case Kind::Temperature1: return w.temperature1;
    case Kind::Temperature2: return w.temperature2;
    case Kind::Switch:
        if (c.output == Output::Buzzer) return c.on ? w.buzzerOn : w.buzzerOff;
        return Fill(c.on ? w.ledOn : w.ledOff, {static_cast<int>(c.output) - static_cast<int>(Output::Led1) + 1});
    case Kind::Unknown: break;
    }
    return w.unknown;
}

std::string ReplyMeaning(const TrafficRecord& r, const TrafficWords& w) {
    const long long delay = r.delayMs < 0 ? 0 : r.delayMs;
    if (r.moved == 0) return Fill(w.noReply, {port::kReadBoundMs});
    // The hello read takes whatever comes within a read's time.
    if (r.request == Kind::Hello) return Fill(w.helloReply, {r.moved, delay});
    if (r.direction == TrafficDirection::TimedOut) return Fill(w.partial, {r.moved, r.asked});
    return Fill(w.replyAfter, {delay});
}

std::string_view OneOf(std::span<const char* const> words, std::size_t index) {
    return index < words.size() ? words[index] : "";
}

std::string ClockText(std::chrono::system_clock::time_point when) {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(when.time_since_epoch()).count();
    const auto seconds = static_cast<std::time_t>(ms >= 0 ? ms / 1000 : (ms - 999) / 1000);
    const LocalTime local = LocalTimeAt(seconds);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", local.tm.tm_hour, local.tm.tm_min, local.tm.tm_sec,
                  static_cast<int>(ms - static_cast<long long>(seconds) * 1000));
    return text;
}

}  // namespace

std::string TrafficMeaning(const TrafficRecord& r, const TrafficWords& w) {
    std::string meaning;
    switch (r.direction) {
    case TrafficDirection::Sent: meaning = CommandMeaning(r.command, w); break;
    case TrafficDirection::Received:
    case TrafficDirection::TimedOut: meaning = ReplyMeaning(r, w); break;
    case TrafficDirection::Discarded: meaning = Fill(w.discarded, {static_cast<long long>(r.bytes.size())}); break;
    case TrafficDirection::WriteFailed:
        meaning = Fill(w.writeFailed, {r.moved, r.asked}, {CommandMeaning(r.command, w)});
        break;
    case TrafficDirection::OpenFailed:
        meaning = Fill(w.openFailed, {},
                       {OneOf(w.steps, static_cast<std::size_t>(r.step)),
                        OneOf(w.openErrors, static_cast<std::size_t>(r.openError))});
        break;
    }
    if (r.portGone) meaning += w.portGone;
    return meaning;
}

std::string TrafficLine(const TrafficRecord& r, const TrafficWords& w) {
    std::size_t width = 0;
    for (const char* word : w.directions) width = std::max(width, std::string_view(word).size());
    std::string line = ClockText(r.when);
    line += "  ";
    const std::string_view direction = OneOf(w.directions, static_cast<std::size_t>(r.direction));
    line += direction;
    line.append(width - std::min(width, direction.size()), ' ');
    // The hex goes last: it is the longest field and the least read, so a
    // narrow window cuts it rather than the meaning.
    const auto bytes = std::span(reinterpret_cast<const unsigned char*>(r.bytes.data()), r.bytes.size());
    if (!bytes.empty()) line += "  \"" + BytesAsText(bytes) + "\"";
    line += "  ";
    line += TrafficMeaning(r, w);
    if (!bytes.empty()) line += "  [" + BytesAsHex(bytes) + "]";
    return line;
}
