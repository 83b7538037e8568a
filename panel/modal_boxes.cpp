// One box at a time: the panel's message boxes and its modal windows (the
// About box, the trend window's file chooser). The poll goes on under a
// modal window, but a box it meets there would sit on top of that window
// and block it: the box waits, and is shown once the window closes.
#include "panel/panel_dlg.h"

#include <algorithm>
#include <utility>

void CPanelDlg::ShowModalMessage(std::string_view text, int focusAfter) {
    if (m_nOpenModalWindows > 0) {
        // Each text once: a failure that repeats every tick is one report.
        if (std::ranges::find(m_waitingBoxes, text, &WaitingBox::text) == m_waitingBoxes.end())
            m_waitingBoxes.push_back({std::string(text), focusAfter});
        return;
    }
    KeepFocusForBox();
    ++m_nOpenMessages;
    m_view.ShowMessage(text);
    --m_nOpenMessages;
    AfterBox(focusAfter);
}

void CPanelDlg::RunModalWindow(const std::function<void()>& run) {
    if (m_nOpenModalWindows == 0 && m_nOpenMessages == 0) KeepFocusForBox();
    ++m_nOpenModalWindows;
    run();
    --m_nOpenModalWindows;
    // A window still open (the trend window's chooser can open over a box)
    // is the one to close first.
    if (m_nOpenModalWindows > 0 || m_nOpenMessages > 0) return;
    ShowWaitingBoxes();
    AfterBox(0);
    // A window the frontend ran outside any event (the chooser) has no
    // event end to settle the focus.
    if (m_nEventDepth == 0) SettleFocusReturn();
}

void CPanelDlg::ShowWaitingBoxes() {
    const std::vector<WaitingBox> boxes = std::exchange(m_waitingBoxes, {});
    for (const WaitingBox& box : boxes) ShowModalMessage(box.text, box.focusAfter);
}
