#include "panel/panel_dlg.h"

#include "panel/about_dlg.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

CPanelDlg::CPanelDlg(PanelView& view, LocalTimeFn localTime)
    : m_view(view), m_localTime(std::move(localTime)) {
    m_hIcon = m_view.LoadIconResource(IDR_MAINFRAME);
}

LocalTime CPanelDlg::SystemLocalTime() { return LocalTimeAt(std::time(nullptr)); }

bool CPanelDlg::OnInitDialog() {
    // The frontend has filled the combo lists from the template.
    ExchangeData(Exchange::ToControls);
    AppendAboutItem(m_view);
    m_view.AppendSystemMenuItem(IDM_TREND, res::LoadString(IDS_TREND));
    m_view.AppendSystemMenuItem(IDM_TRAFFIC, res::LoadString(IDS_TRAFFIC));
    m_view.SetIcon(m_hIcon, true);
    m_view.SetIcon(m_hIcon, false);

    m_strRow1 = "Riga 1";
    m_strRow2 = "Riga 2";
    m_strRow3 = "Riga 3";
    m_strRow4 = "Riga 4";
    m_strTemperature = "---°C";
    m_strAnalog = "---";
    m_strClock = "00:00:00";
    m_strRows = "4";
    m_nColumns = 16;
    m_strColumns = "16";
    m_strPort = "COM3";
    m_bAcquireTemp = 0;
    m_bAcquireAnalog = 0;

    ApplyEnableSet(StartSet());
    ExchangeData(Exchange::ToControls);
    m_view.StartTimer(ID_TIMER_POLL, 1000);
    return true;
}

void CPanelDlg::ShowPortError(std::string_view text) {
    // A board that left fails every write that follows: say it once.
    if (m_link.PortGone()) {
        if (m_bGoneReported) return;
        m_bGoneReported = true;
    }
    ShowModalMessage(text);
}

void CPanelDlg::OnOK() {
    if (ExchangeData(Exchange::ToStore)) m_view.EndDialog(IDOK);
}
