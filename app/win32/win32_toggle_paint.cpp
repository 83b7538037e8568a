#include "app/win32/win32_toggle_paint.h"

#include "app/win32/win32_dpi.h"
#include "app/win32/win32_colour.h"
#include "app/win32/win32_text.h"

#include <algorithm>
#include <string>

namespace {

// Face and text of a pressed toggle, and the contrast its face keeps from a
// released one's. The system draws a pressed push-like check box as a
// released one with a lighter face (about 1.1:1); the selection colours
// stand out from a button's face, but not always by much (Wine's light
// style: 3:1), so they are deepened as far as it takes. A disabled pressed
// toggle keeps a grey face, so it still reads as pressed.
struct PressedColours {
    int face;
    int text;
    double contrast;
};
constexpr PressedColours kEnabled = {COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT, 4.5};
constexpr PressedColours kDisabled = {COLOR_GRAYTEXT, COLOR_BTNFACE, 3.5};

double Luminance(COLORREF c) { return RelativeLuminance(ToRgb(c)); }

double Contrast(COLORREF a, COLORREF b) { return ContrastRatio(ToRgb(a), ToRgb(b)); }

// Below this luminance black stands out less than white.
constexpr double kMidLuminance = 0.18;

// `colour` moved toward black (on light faces) or white (on dark ones)
// until it differs by `ratio` from a released face: the classic one
// (COLOR_BTNFACE) and a visual style's, as light as a window's background.
COLORREF StandOut(COLORREF colour, double ratio) {
    const COLORREF faces[] = {::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_WINDOW)};
    const bool light = Luminance(faces[0]) + Luminance(faces[1]) > 2 * kMidLuminance;
    const int toward = light ? 0 : 255;
    const auto mix = [toward](BYTE v, int step) { return static_cast<BYTE>(v + (toward - v) * step / 16); };
    COLORREF out = colour;
    for (int step = 1; step <= 16 && std::ranges::any_of(faces, [&](COLORREF f) { return Contrast(out, f) < ratio; });
         ++step)
        out = RGB(mix(GetRValue(colour), step), mix(GetGValue(colour), step), mix(GetBValue(colour), step));
    return out;
}

}  // namespace

LRESULT PaintToggle(const NMCUSTOMDRAW& draw) {
    const HWND button = draw.hdr.hwndFrom;
    const auto state = ::SendMessageW(button, BM_GETSTATE, 0, 0);
    // The face is painted over whatever the erase stage left.
    if (draw.dwDrawStage != CDDS_PREPAINT || (state & BST_CHECKED) == 0) return CDRF_DODEFAULT;
    const PressedColours& colours = ::IsWindowEnabled(button) != FALSE ? kEnabled : kDisabled;
    const HDC dc = draw.hdc;
    RECT rc = draw.rc;
    ::DrawEdge(dc, &rc, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const HBRUSH face = ::CreateSolidBrush(StandOut(::GetSysColor(colours.face), colours.contrast));
    ::FillRect(dc, &rc, face);
    ::DeleteObject(face);

    const auto cues = ::SendMessageW(button, WM_QUERYUISTATE, 0, 0);
    UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if ((cues & UISF_HIDEACCEL) != 0) format |= DT_HIDEPREFIX;
    // The button's font is the dialog's, at the button's DPI; the label's
    // sink and the focus rectangle's inset follow that DPI too.
    const int px = ScaleForDpi(1, WindowDpi(button));
    RECT label = rc;
    // Held down by the mouse or the space bar: the label sinks, as on any button.
    if ((state & BST_PUSHED) != 0) ::OffsetRect(&label, px, px);
    const HGDIOBJ oldFont =
        ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(button, WM_GETFONT, 0, 0)));
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = ::SetTextColor(dc, ::GetSysColor(colours.text));
    const std::wstring text = WindowText(button);
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &label, format);
    ::SetTextColor(dc, oldColour);
    ::SetBkMode(dc, oldMode);
    ::SelectObject(dc, oldFont);

    if ((state & BST_FOCUS) != 0 && (cues & UISF_HIDEFOCUS) == 0) {
        ::InflateRect(&rc, -px, -px);
        ::DrawFocusRect(dc, &rc);
    }
    return CDRF_SKIPDEFAULT;
}
