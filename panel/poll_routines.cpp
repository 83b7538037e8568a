// The once-a-second poll (clock, analog input, temperature) and the
// hidden hello read.
#include "panel/panel_dlg.h"

#include "link/board_commands.h"
#include "res/resource.h"

#include <cstdio>

bool CPanelDlg::OnTimer(unsigned, std::intptr_t) {
    // A tick inside an open message box would stack a second box or put its
    // commands between two of the routine that shows it: skip it.
    if (m_nOpenMessages == 0) PollTick();
    return false;  // the default timer handling follows
}

void CPanelDlg::PollTick() {
    m_bInTick = true;
    ExchangeData(Exchange::ToStore);  // a too-long row is reported, the rest still read
    m_bInTick = false;
    WatchPort();  // noticed even while nothing is acquired
    if (m_bPortGone) return;
    Reconnect();

    const std::tm now = m_localTime();
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", now.tm_hour, now.tm_min, now.tm_sec);
    m_strClock = clock;

    if (m_bAcquireAnalog == 1) {
        DiscardInput();  // each request's reply, and nothing left from before
        if (!TickWrite(CmdAnalog(m_szBuffer))) return;
        if (ReadPort(kAnalogReplyBytes)) m_strAnalog = ReplyText();
    }
    if (m_bAcquireTemp == 1) {
        DiscardInput();
        if (!TickWrite(CmdTemperature(m_szBuffer, 0))) return;
        if (!TickWrite(CmdTemperature(m_szBuffer, 1))) return;
        if (ReadPort(kTemperatureReplyBytes)) m_strTemperature = ReplyText();
    }
    ExchangeData(Exchange::ToControls);
}

bool CPanelDlg::TickWrite(std::int32_t count) {
    if (WritePort(count)) return true;
    // A board that is gone would otherwise be reported every second: release
    // both "Acquisisci" toggles so the next tick sends nothing; the user can
    // press them again.
    m_view.SetCheck(IDC_CHK_ACQ_ANALOG, false);
    m_view.SetCheck(IDC_CHK_ACQ_TEMP, false);
    ShowPortError(kErrWriteFile);
    return false;
}

void CPanelDlg::OnChkAcqAnalog() {}  // the next exchange takes the new state in

void CPanelDlg::OnBtnHello() {
    DiscardInput();
    if (!WritePort(CmdAnalog(m_szBuffer))) {
        ShowPortError(kErrWriteFile);
        return;
    }
    if (ReadPort(static_cast<std::int32_t>(kBufferSize))) m_strAnalog = ReplyText();
    ExchangeData(Exchange::ToControls);
}
