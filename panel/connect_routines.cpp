// "On", "Off" and closing the panel: the routines that take and give back
// the port. None of them sends anything to the board.
#include "panel/panel_dlg.h"

#include "res/resource.h"

void CPanelDlg::OnBtnOn() {
    ExchangeData(Exchange::ToStore);  // opens the port the combo shows, whatever the rows hold
    m_pszPortName = m_strPort.c_str();
    if (!OpenPort()) {
        ShowPortError(kErrCreateFile);
        return;
    }
    switch (ConfigureLine()) {
    case ConfigureResult::GetStateFailed: ShowPortError(kErrGetCommState); return;
    case ConfigureResult::SetStateFailed: ShowPortError(kErrSetCommState); return;
    case ConfigureResult::Ok: break;
    }
    DiscardInput();  // what the board sent before we listened answers nothing of ours
    ApplyEnableSet(ConnectedSet());
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
