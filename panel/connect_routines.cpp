// "On", "Off" and closing the panel: the routines that take and give back
// the port. None of them sends anything to the board.
#include "panel/panel_dlg.h"

#include "res/resource.h"

void CPanelDlg::OnBtnOn() {
    ExchangeData(Exchange::ToStore);  // opens the port the combo shows, whatever the rows hold
    m_strLostPort.clear();            // the user has taken over from any reconnect
    Connect(Report::Yes);
}

bool CPanelDlg::Connect(Report report) {
    const auto fail = [&](std::string_view text) {
        if (report == Report::Yes) ShowPortError(text);
        return false;
    };
    m_pszPortName = m_strPort.c_str();
    if (!OpenPort()) return fail(kErrCreateFile);
    switch (ConfigureLine()) {
    case ConfigureResult::GetStateFailed: return fail(kErrGetCommState);
    case ConfigureResult::SetStateFailed: return fail(kErrSetCommState);
    case ConfigureResult::Ok: break;
    }
    DiscardInput();  // what the board sent before we listened answers nothing of ours
    m_strOpenPort = m_strPort;
    ApplyEnableSet(ConnectedSet());
    return true;
}

void CPanelDlg::OnBtnOff() {
    ApplyEnableSet(DisconnectedSet());
    m_bAcquireTemp = 0;
    m_bAcquireAnalog = 0;
    ExchangeData(Exchange::ToControls);
    ClosePort();
}

void CPanelDlg::OnCancel() {
    if (ProbePort()) ClosePort();
    m_view.EndDialog(IDCANCEL);
}
