// Both dialog templates as Windows builds them from the resources: every
// static text fits its control in the control's own font (the one
// DS_SHELLFONT gives, which is not the font the rectangles were first
// drawn for), and the panel opens centred on the work area. Run under Wine
// on a display, with Wine's Tahoma installed.
#include "res/resource.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

INT_PTR CALLBACK Quiet(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG ? TRUE : FALSE; }

struct StaticText {
    std::wstring text;  // as drawn: '&' marks the mnemonic unless SS_NOPREFIX
    int drawnWidth;
    int clientWidth;
    std::wstring face;
};

std::wstring Shown(std::wstring text, LONG style) {
    if ((style & SS_NOPREFIX) != 0) return text;
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;  // "&&" draws one '&'
        out += text[i];
    }
    return out;
}

std::vector<StaticText> StaticTexts(HWND dialog) {
    std::vector<StaticText> found;
    for (HWND c = ::GetWindow(dialog, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) {
        wchar_t cls[32];
        ::GetClassNameW(c, cls, 32);
        const LONG style = ::GetWindowLongW(c, GWL_STYLE);
        const LONG kind = style & SS_TYPEMASK;
        if (std::wstring(cls) != L"Static" || (kind != SS_LEFT && kind != SS_RIGHT)) continue;
        std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(c)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(::GetWindowTextW(c, text.data(), static_cast<int>(text.size()))));
        text = Shown(text, style);
        HDC dc = ::GetDC(c);
        const HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(c, WM_GETFONT, 0, 0)));
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        // The family of the font drawn with, after substitution.
        std::wstring face;
        if (const UINT n = ::GetOutlineTextMetricsW(dc, 0, nullptr); n > 0) {
            std::vector<char> buffer(n);
            auto* otm = reinterpret_cast<OUTLINETEXTMETRICW*>(buffer.data());
            if (::GetOutlineTextMetricsW(dc, n, otm) != 0)
                face = reinterpret_cast<const wchar_t*>(buffer.data() + reinterpret_cast<std::uintptr_t>(otm->otmpFamilyName));
        }
        ::SelectObject(dc, old);
        ::ReleaseDC(c, dc);
        RECT client{};
        ::GetClientRect(c, &client);
        found.push_back({text, size.cx, client.right, face});
    }
    return found;
}

std::string Narrow(const std::wstring& w) {
    std::string s(static_cast<std::size_t>(::WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, s.data(), static_cast<int>(s.size()), nullptr, nullptr);
    s.pop_back();
    return s;
}

TEST(DialogTexts, EveryStaticTextFitsItsControlInTheDialogFont) {
    for (const int id : {IDD_PANEL, IDD_ABOUTBOX}) {
        SCOPED_TRACE(id);
        HWND dialog = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), nullptr, Quiet, 0);
        ASSERT_NE(dialog, nullptr);
        const std::vector<StaticText> texts = StaticTexts(dialog);
        EXPECT_GE(texts.size(), 3u);
        for (const StaticText& t : texts) {
            // DS_SHELLFONT's "MS Shell Dlg 2": Tahoma, as on Windows.
            EXPECT_EQ(Narrow(t.face), "Tahoma") << Narrow(t.text);
            EXPECT_LE(t.drawnWidth, t.clientWidth) << "\"" << Narrow(t.text) << "\" needs " << t.drawnWidth
                                                   << " px and has " << t.clientWidth;
        }
        ::DestroyWindow(dialog);
    }
}

TEST(DialogPlace, ThePanelOpensCentredOnTheWorkArea) {
    HWND dialog = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PANEL), nullptr, Quiet, 0);
    ASSERT_NE(dialog, nullptr);
    RECT work{}, r{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    ::GetWindowRect(dialog, &r);
    EXPECT_NEAR((r.left + r.right) / 2, (work.left + work.right) / 2, 2);
    EXPECT_NEAR((r.top + r.bottom) / 2, (work.top + work.bottom) / 2, 2);
    ::DestroyWindow(dialog);
}

}  // namespace
