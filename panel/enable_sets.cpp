// The enable sets: ordered steps, each for one control, some depending on
// the rows text; one routine applies any of them.
#include "panel/panel_dlg.h"

#include "res/resource.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

using R = CPanelDlg::RowsTest;
using Step = CPanelDlg::EnableStep;
constexpr bool kOn = true;
constexpr bool kOff = false;

constexpr std::array<Step, 21> kStartSet = {{
    {R::Always, IDC_BTN_OFF, kOff},        {R::Always, IDC_EDIT_ROW1, kOff},
    {R::Always, IDC_EDIT_ROW2, kOff},      {R::Always, IDC_EDIT_ROW3, kOff},
    {R::Always, IDC_EDIT_ROW4, kOff},      {R::Always, IDC_BTN_LAYOUT, kOff},
    {R::Always, IDC_BTN_ROW1, kOff},       {R::Always, IDC_BTN_ROW2, kOff},
    {R::Always, IDC_BTN_ROW3, kOff},       {R::Always, IDC_BTN_ROW4, kOff},
    {R::Always, IDC_TEMP, kOff},           {R::Always, IDC_ANALOG, kOff},
    {R::Always, IDC_LBL_TEMP, kOff},       {R::Always, IDC_LBL_ANALOG, kOff},
    {R::Always, IDC_CHK_ACQ_TEMP, kOff},   {R::Always, IDC_CHK_ACQ_ANALOG, kOff},
    {R::Always, IDC_CHK_LED1, kOff},       {R::Always, IDC_CHK_LED2, kOff},
    {R::Always, IDC_CHK_LED3, kOff},       {R::Always, IDC_CHK_LED4, kOff},
    {R::Always, IDC_CHK_BUZ, kOff},
}};

// "Off" off, "On" on, then the start set after its first step.
constexpr auto kDisconnected = [] {
    std::array<Step, kStartSet.size() + 1> set{};
    set[0] = {R::Always, IDC_BTN_OFF, kOff};
    set[1] = {R::Always, IDC_BTN_ON, kOn};
    std::copy(kStartSet.begin() + 1, kStartSet.end(), set.begin() + 2);
    return set;
}();

const Step kConnected[] = {
    {R::Always, IDC_BTN_ON, kOff},         {R::Always, IDC_BTN_OFF, kOn},
    {R::Always, IDC_EDIT_ROW1, kOn},       {R::Always, IDC_BTN_LAYOUT, kOn},
    {R::Always, IDC_BTN_ROW1, kOn},        {R::Is2Or4, IDC_EDIT_ROW2, kOn},
    {R::Is2Or4, IDC_BTN_ROW2, kOn},        {R::Is4, IDC_EDIT_ROW3, kOn},
    {R::Is4, IDC_EDIT_ROW4, kOn},          {R::Is4, IDC_BTN_ROW3, kOn},
    {R::Is4, IDC_BTN_ROW4, kOn},           {R::Always, IDC_TEMP, kOn},
    {R::Always, IDC_ANALOG, kOn},          {R::Always, IDC_LBL_TEMP, kOn},
    {R::Always, IDC_LBL_ANALOG, kOn},      {R::Always, IDC_CHK_ACQ_TEMP, kOn},
    {R::Always, IDC_CHK_ACQ_ANALOG, kOn},  {R::Always, IDC_CHK_LED1, kOn},
    {R::Always, IDC_CHK_LED2, kOn},        {R::Always, IDC_CHK_LED3, kOn},
    {R::Always, IDC_CHK_LED4, kOn},        {R::Always, IDC_CHK_BUZ, kOn},
};

const Step kRows[] = {
    {R::Is1, IDC_EDIT_ROW2, kOff}, {R::Is1, IDC_EDIT_ROW3, kOff}, {R::Is1, IDC_EDIT_ROW4, kOff},
    {R::Is1, IDC_BTN_ROW2, kOff},  {R::Is1, IDC_BTN_ROW3, kOff},  {R::Is1, IDC_BTN_ROW4, kOff},
    {R::Is2, IDC_EDIT_ROW2, kOn},  {R::Is2, IDC_EDIT_ROW3, kOff}, {R::Is2, IDC_EDIT_ROW4, kOff},
    {R::Is2, IDC_BTN_ROW2, kOn},   {R::Is2, IDC_BTN_ROW3, kOff},  {R::Is2, IDC_BTN_ROW4, kOff},
    {R::Is4, IDC_EDIT_ROW2, kOn},  {R::Is4, IDC_EDIT_ROW3, kOn},  {R::Is4, IDC_EDIT_ROW4, kOn},
    {R::Is4, IDC_BTN_ROW2, kOn},   {R::Is4, IDC_BTN_ROW3, kOn},   {R::Is4, IDC_BTN_ROW4, kOn},
};

}  // namespace

std::span<const Step> StartSet() { return kStartSet; }
std::span<const Step> DisconnectedSet() { return kDisconnected; }
std::span<const Step> ConnectedSet() { return kConnected; }
std::span<const Step> RowsSet() { return kRows; }

bool CPanelDlg::RowTest(RowsTest test) const {
    switch (test) {
    case RowsTest::Always: return true;
    case RowsTest::Is1: return m_strRows == "1";
    case RowsTest::Is2: return m_strRows == "2";
    case RowsTest::Is4: return m_strRows == "4";
    case RowsTest::Is2Or4: return m_strRows == "2" || m_strRows == "4";
    }
    return false;
}

void CPanelDlg::ApplyEnableSet(std::span<const EnableStep> set) {
    // Enabling first, so the control that takes the focus from a disabled
    // one ("Off" from "On") is enabled by then; each half in the set's order.
    std::vector<int> off;
    for (const EnableStep& step : set) {
        if (!RowTest(step.when)) continue;
        if (step.on)
            m_view.EnableControl(step.id, true);
        else
            off.push_back(step.id);
    }
    // A toolkit drops the focus of a control it disables, and the keyboard
    // would reach nothing.
    const int focused = m_view.FocusedControl();
    if (focused != 0 && std::ranges::find(off, focused) != off.end()) MoveFocusOff(focused, off);
    for (const int id : off) m_view.EnableControl(id, false);
}
