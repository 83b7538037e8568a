// The window-level routines: system menu commands, painting and the icon
// shown while the minimised window is dragged.
#include "panel/panel_dlg.h"

#include "panel/about_dlg.h"
#include "res/resource.h"

#include <algorithm>
#include <iterator>

namespace {

struct SysCommandEntry {
    unsigned id;
    void (CPanelDlg::*routine)();
};

}  // namespace

bool CPanelDlg::OnSysCommand(unsigned id, std::intptr_t) {
    static constexpr SysCommandEntry kItems[] = {
        {IDM_ABOUTBOX, &CPanelDlg::ShowAbout},
        {IDM_TREND, &CPanelDlg::ShowTrend},
        {IDM_TRAFFIC, &CPanelDlg::ShowTraffic},
    };
    // The low four bits are the system's own.
    const auto item = std::ranges::find(kItems, id & 0xFFF0, &SysCommandEntry::id);
    if (item == std::end(kItems)) return false;  // the window's own handling
    (this->*item->routine)();
    return true;
}

void CPanelDlg::ShowAbout() {
    RunModalWindow([this] {
        CAboutDlg about(m_view);
        about.DoModal();
    });
}

void CPanelDlg::ShowTrend() {
    // The window keeps the points since it opened: a window closed and
    // opened again starts a new series.
    if (!m_view.IsTrendWindowOpen()) m_trend.Clear();
    m_view.ShowTrendWindow(m_trend);
}

void CPanelDlg::ShowTraffic() {
    // The log watches the link from the first opening on, and keeps its
    // lines when the window closes: opened again, it shows what happened.
    m_link.SetObserver(&m_traffic);
    m_view.ShowTrafficWindow(m_traffic);
}

bool CPanelDlg::OnPaint(unsigned, std::intptr_t) { return false; }  // default painting

IconHandle CPanelDlg::OnQueryDragIcon() { return m_hIcon; }
