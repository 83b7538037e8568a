// A board that leaves and comes back: when the OS says the port's device
// has gone (unplugged, hung up), the panel disconnects by itself, and when
// the same name comes back it connects again, as if nothing had happened.
#include "panel/panel_dlg.h"

#include "panel/port_error_text.h"

void CPanelDlg::HandlePortGone() {
    if (!m_link.PortGone() || !m_link.IsOpen()) return;
    // A write has normally told the user already; a read that met the
    // hang-up first has not.
    ShowPortError(PortErrorText(LinkStep::Write));
    m_strLostPort = m_strOpenPort;
    m_bLostAcquireAnalog = m_bAcquireAnalog;
    m_bLostAcquireTemp = m_bAcquireTemp;
    OnBtnOff();  // the close forgets the device that left
    m_bGoneReported = false;
}

void CPanelDlg::Reconnect() {
    if (m_strLostPort.empty() || m_link.IsOpen()) return;
    if (m_strPort != m_strLostPort) {
        m_strLostPort.clear();  // the user chose another port: theirs to connect
        return;
    }
    if (!Connect(Report::No)) return;  // not back yet: the next tick tries again
    m_strLostPort.clear();
    m_bAcquireAnalog = m_bLostAcquireAnalog;
    m_bAcquireTemp = m_bLostAcquireTemp;
}
