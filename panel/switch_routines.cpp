// The LED and buzzer toggles: each click sends the switch command chosen by
// the flag as the store holds it (the state before the click).
#include "panel/panel_dlg.h"

#include "panel/port_error_text.h"

struct CPanelDlg::SwitchLine {
    Output output;
    std::int32_t CPanelDlg::*flag;
};

void CPanelDlg::Switch(const SwitchLine& line) {
    // Flag 1: the toggle was pressed and this click releases it.
    const bool switchOn = this->*line.flag != 1;
    if (!m_link.Switch(line.output, switchOn)) ShowPortError(PortErrorText(LinkStep::Write));
}

void CPanelDlg::OnChkLed1() { Switch({Output::Led1, &CPanelDlg::m_bLed1}); }
void CPanelDlg::OnChkLed2() { Switch({Output::Led2, &CPanelDlg::m_bLed2}); }
void CPanelDlg::OnChkLed3() { Switch({Output::Led3, &CPanelDlg::m_bLed3}); }
void CPanelDlg::OnChkLed4() { Switch({Output::Led4, &CPanelDlg::m_bLed4}); }
void CPanelDlg::OnChkBuz() { Switch({Output::Buzzer, &CPanelDlg::m_bBuzzer}); }
