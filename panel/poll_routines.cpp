// The once-a-second poll (clock, analog input, temperature) and the
// hidden hello read.
#include "panel/panel_dlg.h"

#include "panel/port_error_text.h"
#include "panel/reply_values.h"
#include "res/resource.h"

#include <cstdio>
#include <utility>

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
    m_link.WatchPort();  // noticed even while nothing is acquired
    if (m_link.PortGone()) return;
    Reconnect();

    const LocalTime now = m_localTime();
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", now.tm.tm_hour, now.tm.tm_min, now.tm.tm_sec);
    m_strClock = clock;

    // One trend point per tick that waited for a reply. What was not read,
    // and a reply that does not parse, stay gaps: never a zero, never the
    // text an earlier tick left in the field.
    TrendPoint point{UtcSeconds(now), now.utcOffset, std::nullopt, std::nullopt};
    bool read = false;
    const bool written = ReadAcquisitions(point, read);
    if (read) {
        m_trend.Add(point);
        m_view.TrendChanged();
    }
    if (written) ExchangeData(Exchange::ToControls);
}

bool CPanelDlg::ReadAcquisitions(TrendPoint& point, bool& read) {
    if (m_bAcquireAnalog == 1) {
        BoardReply reply = m_link.ReadAnalog();
        if (!reply.written) return TickWriteFailed();
        read = true;
        if (reply.read) {
            m_strAnalog = std::move(reply.text);
            point.analog = ParseAnalog(m_strAnalog);
        }
    }
    if (m_bAcquireTemp == 1) {
        BoardReply reply = m_link.ReadTemperature();
        if (!reply.written) return TickWriteFailed();
        read = true;
        if (reply.read) {
            m_strTemperature = std::move(reply.text);
            point.temperature = ParseTemperature(m_strTemperature);
        }
    }
    return true;
}

bool CPanelDlg::TickWriteFailed() {
    // A board that is gone would otherwise be reported every second: release
    // both "Acquisisci" toggles so the next tick sends nothing; the user can
    // press them again.
    m_view.SetCheck(IDC_CHK_ACQ_ANALOG, false);
    m_view.SetCheck(IDC_CHK_ACQ_TEMP, false);
    ShowPortError(PortErrorText(LinkStep::Write));
    return false;
}

void CPanelDlg::OnChkAcqAnalog() {}  // the next exchange takes the new state in

void CPanelDlg::OnBtnHello() {
    BoardReply reply = m_link.Hello();
    if (!reply.written) {
        ShowPortError(PortErrorText(LinkStep::Write));
        return;
    }
    if (reply.read) m_strAnalog = std::move(reply.text);
    ExchangeData(Exchange::ToControls);
}
