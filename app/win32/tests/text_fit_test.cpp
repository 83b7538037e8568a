// The dialog templates as Windows builds them from the resources, at the
// DPI the process is aware of as velmora.exe is: every static text and
// every button's label fits its control in the control's own font (the one
// DS_SHELLFONT gives, which is not the font the rectangles were first
// drawn for), and the panel opens centred on the work area. Run under Wine
// on a display, with Wine's Tahoma installed; with VELMORA_DPI set, the
// dialogs must be at that DPI (wine_dialog_test.sh runs it at several).
#include "app/win32/win32_dpi.h"
#include "res/resource.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// As velmora.exe's start, before the first window.
class DpiAware : public testing::Environment {
public:
    void SetUp() override { DeclareDpiAwareness(); }
};
[[maybe_unused]] testing::Environment* const kDpiAware = testing::AddGlobalTestEnvironment(new DpiAware);

INT_PTR CALLBACK Quiet(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG ? TRUE : FALSE; }

struct Label {
    std::wstring text;  // as drawn: '&' marks the mnemonic unless SS_NOPREFIX
    int drawnWidth;
    int roomWidth;      // the client area, less a button's edges
    std::wstring face;
};

std::wstring Shown(std::wstring text, bool prefix) {
    if (!prefix) return text;
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;  // "&&" draws one '&'
        out += text[i];
    }
    return out;
}

// The static texts and the buttons with their labels.
std::vector<Label> Labels(HWND dialog) {
    std::vector<Label> found;
    for (HWND c = ::GetWindow(dialog, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) {
        wchar_t cls[32];
        ::GetClassNameW(c, cls, 32);
        const LONG style = ::GetWindowLongW(c, GWL_STYLE);
        const bool text = std::wstring(cls) == L"Static" &&
                          ((style & SS_TYPEMASK) == SS_LEFT || (style & SS_TYPEMASK) == SS_RIGHT);
        const bool button = std::wstring(cls) == L"Button";
        if (!text && !button) continue;
        // A button draws its label inside its edges.
        const int edges = button ? 2 * MetricForDpi(SM_CXEDGE, WindowDpi(c)) : 0;
        std::wstring label(static_cast<std::size_t>(::GetWindowTextLengthW(c)) + 1, L'\0');
        label.resize(static_cast<std::size_t>(::GetWindowTextW(c, label.data(), static_cast<int>(label.size()))));
        label = Shown(label, button || (style & SS_NOPREFIX) == 0);
        HDC dc = ::GetDC(c);
        const HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(c, WM_GETFONT, 0, 0)));
        SIZE size{};
        ::GetTextExtentPoint32W(dc, label.c_str(), static_cast<int>(label.size()), &size);
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
        found.push_back({label, size.cx, client.right - edges, face});
    }
    return found;
}

std::string Narrow(const std::wstring& w) {
    std::string s(static_cast<std::size_t>(::WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, s.data(), static_cast<int>(s.size()), nullptr, nullptr);
    s.pop_back();
    return s;
}

TEST(DialogTexts, EveryStaticTextAndButtonLabelFitsItsControlInTheDialogFont) {
    const char* const wantDpi = std::getenv("VELMORA_DPI");
    for (const int id : {IDD_PANEL, IDD_ABOUTBOX, IDD_TREND}) {
        SCOPED_TRACE(id);
        HWND dialog = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), nullptr, Quiet, 0);
        ASSERT_NE(dialog, nullptr);
        if (wantDpi != nullptr) {
            EXPECT_EQ(WindowDpi(dialog), static_cast<UINT>(std::atoi(wantDpi)));
        }
        const std::vector<Label> labels = Labels(dialog);
        EXPECT_GE(labels.size(), 2u);
        for (const Label& t : labels) {
            // DS_SHELLFONT's "MS Shell Dlg 2": Tahoma, as on Windows.
            EXPECT_EQ(Narrow(t.face), "Tahoma") << Narrow(t.text);
            EXPECT_LE(t.drawnWidth, t.roomWidth) << "\"" << Narrow(t.text) << "\" needs " << t.drawnWidth
                                                 << " px and has " << t.roomWidth;
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
