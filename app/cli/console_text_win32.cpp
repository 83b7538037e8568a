#include "app/cli/console_text_win32.h"

#include "app/win32/win32_text.h"

#include <algorithm>

namespace {

// The length of `text` up to where its last character is cut short, so that
// a character whose bytes came in two writes goes out whole.
std::size_t WholeCharacters(std::string_view text) {
    std::size_t start = text.size();
    for (int back = 0; back < 3 && start > 0; ++back) {
        const auto byte = static_cast<unsigned char>(text[start - 1]);
        if ((byte & 0xC0) != 0x80) break;  // not a continuation byte
        --start;
    }
    if (start == 0) return text.size();
    const auto lead = static_cast<unsigned char>(text[start - 1]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return start - 1 + length > text.size() ? start - 1 : text.size();
}

// Beyond this, text is handed over without waiting for a flush.
constexpr std::size_t kMostPending = 4096;

}  // namespace

OutputKind KindOf(HANDLE handle) {
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle, &mode) != 0
               ? OutputKind::Console
               : OutputKind::Bytes;
}

Utf16Out::Utf16Out(Write write) : m_write(std::move(write)) {}

Utf16Out::~Utf16Out() { HandOver(true); }

Utf16Out::int_type Utf16Out::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    m_pending += traits_type::to_char_type(c);
    return m_pending.size() < kMostPending || HandOver(false) ? c : traits_type::eof();
}

std::streamsize Utf16Out::xsputn(const char* s, std::streamsize n) {
    m_pending.append(s, static_cast<std::size_t>(n));
    return m_pending.size() < kMostPending || HandOver(false) ? n : 0;
}

int Utf16Out::sync() { return HandOver(false) ? 0 : -1; }

bool Utf16Out::HandOver(bool all) {
    const std::size_t whole = all ? m_pending.size() : WholeCharacters(m_pending);
    if (whole == 0) return true;
    const bool written = m_write(Wide(std::string_view(m_pending).substr(0, whole)));
    m_pending.erase(0, whole);
    return written;
}

Utf16Out::Write WriteConsoleTo(HANDLE console) {
    return [console](std::wstring_view text) {
        // Windows 7's console takes at most about 64 KiB a call.
        constexpr std::size_t kPiece = 8192;
        while (!text.empty()) {
            std::size_t piece = std::min(text.size(), kPiece);
            if (piece < text.size() && IS_HIGH_SURROGATE(text[piece - 1])) --piece;  // keep a pair together
            DWORD written = 0;
            if (::WriteConsoleW(console, text.data(), static_cast<DWORD>(piece), &written, nullptr) == 0 ||
                written == 0)
                return false;
            text.remove_prefix(written);
        }
        return true;
    };
}

StdOutput::StdOutput(DWORD which, std::ostream& bytes) : m_bytes(bytes) {
    const HANDLE handle = ::GetStdHandle(which);
    if (KindOf(handle) != OutputKind::Console) return;
    m_console = std::make_unique<Utf16Out>(WriteConsoleTo(handle));
    m_stream = std::make_unique<std::ostream>(m_console.get());
    m_stream->flags(bytes.flags());  // std::cerr's unitbuf: each message at once
}

StdOutput::~StdOutput() {
    if (m_stream) m_stream->flush();
}

std::ostream& StdOutput::Stream() { return m_stream ? *m_stream : m_bytes; }
