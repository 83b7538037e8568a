#include "app/win32/win32_right_text.h"

#include "app/win32/win32_text.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kSubclassId = 1;

// How many pixels the ink of `text`, drawn right-aligned with `format` in
// `dc`'s font, reaches past the right edge its measure puts it against.
int InkPastMeasure(HDC dc, const std::wstring& text, UINT format) {
    RECT measure{0, 0, 0x4000, 0};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measure, format | DT_CALCRECT);
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    const int margin = tm.tmHeight;  // more than any glyph reaches past its advance
    const int width = measure.right + 2 * margin, height = measure.bottom;
    const HDC off = ::CreateCompatibleDC(dc);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(dc, width, height);
    const HGDIOBJ oldBitmap = ::SelectObject(off, bitmap);
    const HGDIOBJ oldFont = ::SelectObject(off, ::GetCurrentObject(dc, OBJ_FONT));
    const RECT all{0, 0, width, height};
    ::FillRect(off, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::SetTextColor(off, RGB(0, 0, 0));
    ::SetBkMode(off, TRANSPARENT);
    RECT at{0, 0, margin + measure.right, height};
    ::DrawTextW(off, text.c_str(), static_cast<int>(text.size()), &at, format | DT_NOCLIP);
    int past = 0;
    for (int x = width - 1; x >= at.right && past == 0; --x)
        for (int y = 0; y < height; ++y)
            if (::GetPixel(off, x, y) != RGB(0xFF, 0xFF, 0xFF)) {
                past = x + 1 - at.right;
                break;
            }
    ::SelectObject(off, oldFont);
    ::SelectObject(off, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(off);
    return past;
}

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    const HDC dc = ::BeginPaint(hwnd, &ps);
    RECT rc{};
    ::GetClientRect(hwnd, &rc);
    // The brush and colours the dialog gives its statics.
    auto brush = reinterpret_cast<HBRUSH>(::SendMessageW(::GetParent(hwnd), WM_CTLCOLORSTATIC,
                                                         reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
    ::FillRect(dc, &rc, brush != nullptr ? brush : ::GetSysColorBrush(COLOR_BTNFACE));
    if (::IsWindowEnabled(hwnd) == FALSE) ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
    ::SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ oldFont = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    const std::wstring text = WindowText(hwnd);
    UINT format = DT_RIGHT | DT_EXPANDTABS | DT_WORDBREAK;  // as SS_RIGHT draws
    if ((::GetWindowLongW(hwnd, GWL_STYLE) & SS_NOPREFIX) != 0) format |= DT_NOPREFIX;
    // Moved in, the measure's rectangle would clip the ink it moved in for:
    // the control's own edges clip it.
    rc.right -= InkPastMeasure(dc, text, format);
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc, format | DT_NOCLIP);
    ::SelectObject(dc, oldFont);
    ::EndPaint(hwnd, &ps);
}

LRESULT CALLBACK TextProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (msg) {
    case WM_PAINT: Paint(hwnd); return 0;
    // Wine's static draws at once on these, outside WM_PAINT: the text is
    // kept as the static keeps it, and drawn here.
    case WM_SETTEXT: {
        const LRESULT set = ::DefWindowProcW(hwnd, msg, wParam, lParam);
        ::InvalidateRect(hwnd, nullptr, FALSE);
        return set;
    }
    case WM_ENABLE: ::InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_NCDESTROY: ::RemoveWindowSubclass(hwnd, TextProc, kSubclassId); break;
    default: break;
    }
    return ::DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace

void KeepLastGlyphWhole(HWND text) { ::SetWindowSubclass(text, TextProc, kSubclassId, 0); }
