// "On", "Off" and closing the panel: the routines that take and give back
// the port. None of them sends anything to the board.
#include "panel/panel_dlg.h"

#include "panel/port_error_text.h"
#include "res/resource.h"

void CPanelDlg::OnBtnOn() {
    ExchangeData(Exchange::ToStore);  // opens the port the combo shows, whatever the rows hold
    m_strLostPort.clear();            // the user has taken over from any reconnect
    Connect(Report::Yes);
}

bool CPanelDlg::Connect(Report report) {
    // The link takes its own copy of the name: the combo's text may change
    // while the port is open.
    const ConnectResult result = m_link.Connect(m_strPort);
    if (!result.opened) {
        if (report == Report::Yes) ShowPortError(PortErrorText(result.failedStep));
        return false;
    }
    m_strOpenPort = m_strPort;
    ApplyEnableSet(ConnectedSet());
    return true;
}

void CPanelDlg::OnBtnOff() {
    ApplyEnableSet(DisconnectedSet());
    m_bAcquireTemp = 0;
    m_bAcquireAnalog = 0;
    ExchangeData(Exchange::ToControls);
    m_link.ClosePort();
}

void CPanelDlg::OnCancel() {
    if (m_link.ProbePort()) m_link.ClosePort();
    m_view.EndDialog(IDCANCEL);
}
