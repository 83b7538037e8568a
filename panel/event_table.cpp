// The panel's event table and the one routine that walks it.
#include "panel/panel_dlg.h"

#include "res/resource.h"

#include <algorithm>

namespace {

using K = PanelEventKind;
using D = CPanelDlg;

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};

}  // namespace

// A friend of the panel: the routines it names are the panel's own.
std::span<const CPanelDlg::EventEntry> EventTable() {
    static constexpr D::EventEntry kEventTable[] = {
        {K::SysCommand, 0, &D::OnSysCommand},
        {K::Paint, 0, &D::OnPaint},
        {K::QueryDragIcon, 0, &D::OnQueryDragIcon},
        {K::Click, IDCANCEL, &D::OnCancel},
        {K::Click, IDC_BTN_HELLO, &D::OnBtnHello},
        {K::Click, IDC_BTN_ROW1, &D::OnBtnRow1},
        {K::Click, IDC_BTN_LAYOUT, &D::OnBtnLayout},
        {K::Click, IDC_BTN_ON, &D::OnBtnOn},
        {K::Click, IDC_BTN_OFF, &D::OnBtnOff},
        {K::Click, IDC_BTN_ROW2, &D::OnBtnRow2},
        {K::Click, IDC_BTN_ROW3, &D::OnBtnRow3},
        {K::Click, IDC_BTN_ROW4, &D::OnBtnRow4},
        {K::Timer, 0, &D::OnTimer},
        {K::Click, IDC_CHK_ACQ_ANALOG, &D::OnChkAcqAnalog},
        {K::Click, IDC_CHK_LED1, &D::OnChkLed1},
        {K::Click, IDC_CHK_LED2, &D::OnChkLed2},
        {K::Click, IDC_CHK_LED3, &D::OnChkLed3},
        {K::Click, IDC_CHK_LED4, &D::OnChkLed4},
        {K::Click, IDC_CHK_BUZ, &D::OnChkBuz},
    };
    return kEventTable;
}

EventResult CPanelDlg::OnEvent(const PanelEvent& event) {
    ++m_nEventDepth;
    const EventResult result = RouteEvent(event);
    HandlePortGone();  // whichever routine met it
    --m_nEventDepth;
    // Once the outermost event is done: the control that had the focus
    // before a box, disabled meanwhile, may be enabled again.
    if (m_nEventDepth == 0) SettleFocusReturn();
    return result;
}

EventResult CPanelDlg::RouteEvent(const PanelEvent& event) {
    const auto matches = [&](const EventEntry& e) {
        return e.kind == event.kind && (e.kind != K::Click || e.id == event.id);
    };
    const std::span<const EventEntry> table = EventTable();
    const auto it = std::ranges::find_if(table, matches);
    if (it == table.end()) {
        // The base dialog: OK exchanges and ends; the rest is the window's.
        if (event.kind == K::Click && event.id == IDOK) {
            OnOK();
            return {true, 0};
        }
        return {};
    }
    const auto id = static_cast<unsigned>(event.id);
    return std::visit(Overloaded{
                          [&](ClickRoutine r) { return (this->*r)(), EventResult{true, 0}; },
                          [&](MessageRoutine r) { return EventResult{(this->*r)(id, event.param), 0}; },
                          [&](QueryRoutine r) { return EventResult{true, (this->*r)()}; },
                      },
                      it->routine);
}
