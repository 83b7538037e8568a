// velmora-cli.exe's output, run under Wine: what counts as a console, UTF-8
// handed on as whole UTF-16 characters however the writes cut it, a failed
// write failing the stream, and text written to a real console's screen
// buffer read back from it.
#include "app/cli/console_text_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The screen buffer of the program's console. Wine gives it one when it
// starts on a terminal (its output may go elsewhere, as the test's report).
HANDLE OpenConsole() {
    return ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
}

// The characters the console shows from where `from` was.
std::wstring Shown(HANDLE console, COORD from, DWORD count) {
    std::wstring shown(count, L'\0');
    DWORD read = 0;
    if (::ReadConsoleOutputCharacterW(console, shown.data(), count, from, &read) == 0) return L"(unreadable)";
    shown.resize(read);
    return shown;
}

TEST(KindOf, TellsAConsoleFromAFileAPipeAndNoHandle) {
    wchar_t dir[MAX_PATH], path[MAX_PATH];
    ASSERT_NE(::GetTempPathW(MAX_PATH, dir), 0u);
    ASSERT_NE(::GetTempFileNameW(dir, L"vel", 0, path), 0u);
    const HANDLE file = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    HANDLE read = nullptr, write = nullptr;
    ASSERT_TRUE(::CreatePipe(&read, &write, nullptr, 0));
    const HANDLE console = OpenConsole();
    ASSERT_NE(console, INVALID_HANDLE_VALUE) << "no console: " << ::GetLastError();

    EXPECT_EQ(KindOf(file), OutputKind::Bytes);
    EXPECT_EQ(KindOf(write), OutputKind::Bytes);
    EXPECT_EQ(KindOf(nullptr), OutputKind::Bytes);
    EXPECT_EQ(KindOf(INVALID_HANDLE_VALUE), OutputKind::Bytes);
    EXPECT_EQ(KindOf(console), OutputKind::Console);
    for (const HANDLE h : {file, read, write, console}) ::CloseHandle(h);
}

// Each piece is written and flushed on its own; a flush in the middle of a
// character hands nothing of it on.
TEST(Utf16Out, HandsOnWholeCharactersWhereverTheWritesCut) {
    const std::string text = "21.5\xC2\xB0" "C \xE2\x82\xAC \xF0\x9F\x98\x80\n";  // °, €, an emoji
    const std::wstring want = L"21.5\u00B0C \u20AC \U0001F600\n";
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        std::vector<std::wstring> handed;
        {
            Utf16Out buffer([&](std::wstring_view w) { return handed.emplace_back(w), true; });
            std::ostream out(&buffer);
            out << text.substr(0, cut) << std::flush;
            out << text.substr(cut) << std::flush;
            EXPECT_TRUE(out);
        }
        std::wstring joined;
        for (const std::wstring& piece : handed) {
            EXPECT_EQ(piece.find(L'\uFFFD'), std::wstring::npos) << "cut at " << cut;
            joined += piece;
        }
        EXPECT_EQ(joined, want) << "cut at " << cut;
    }
}

TEST(Utf16Out, AnInvalidByteLeftAtTheEndStillGoesOut) {
    std::wstring handed;
    {
        Utf16Out buffer([&](std::wstring_view w) { return handed += w, true; });
        std::ostream out(&buffer);
        out << "ok\xC2" << std::flush;
        EXPECT_EQ(handed, L"ok");
    }
    EXPECT_EQ(handed, L"ok\uFFFD");
}

TEST(Utf16Out, AFailedWriteFailsTheStream) {
    Utf16Out buffer([](std::wstring_view) { return false; });
    std::ostream out(&buffer);
    out << "21.5\n" << std::flush;
    EXPECT_FALSE(out);
}

// What a console shows, read back from its screen buffer. The same bytes
// written as bytes show as the console's code page reads them.
TEST(WriteConsoleTo, TheConsoleShowsTheCharactersWhateverItsCodePage) {
    const HANDLE console = OpenConsole();
    ASSERT_NE(console, INVALID_HANDLE_VALUE) << "no console: " << ::GetLastError();
    ASSERT_TRUE(::SetConsoleOutputCP(437));
    const std::string text = "21.5\xC2\xB0" "C\n";
    CONSOLE_SCREEN_BUFFER_INFO info{};
    ASSERT_TRUE(::GetConsoleScreenBufferInfo(console, &info));
    const COORD start = info.dwCursorPosition;
    {
        Utf16Out buffer(WriteConsoleTo(console));
        std::ostream out(&buffer);
        out << text << std::flush;
        EXPECT_TRUE(out);
    }
    EXPECT_EQ(Shown(console, start, 6), L"21.5\u00B0C");

    ASSERT_TRUE(::GetConsoleScreenBufferInfo(console, &info));
    DWORD written = 0;
    ASSERT_TRUE(::WriteFile(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr));
    EXPECT_EQ(Shown(console, info.dwCursorPosition, 7), L"21.5\u252C\u2591C");  // "┬░" in code page 437
    ::CloseHandle(console);
}

}  // namespace
