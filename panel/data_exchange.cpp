// The exchange between the controls and the store, both directions, as one
// walk over the exchange list.
#include "panel/panel_dlg.h"

#include "link/cp1252.h"
#include "res/resource.h"

#include <algorithm>
#include <array>

namespace {

enum class Kind { Row, Text, Combo, Check };

struct ExchangeLine {
    int id;
    Kind kind;
    std::string PanelStore::*text = nullptr;
    std::int32_t PanelStore::*flag = nullptr;
};

using D = PanelStore;

const ExchangeLine kExchangeList[] = {
    {IDC_EDIT_ROW1, Kind::Row, &D::m_strRow1},
    {IDC_EDIT_ROW2, Kind::Row, &D::m_strRow2},
    {IDC_EDIT_ROW3, Kind::Row, &D::m_strRow3},
    {IDC_EDIT_ROW4, Kind::Row, &D::m_strRow4},
    {IDC_COMBO_ROWS, Kind::Combo, &D::m_strRows},
    {IDC_COMBO_PORT, Kind::Combo, &D::m_strPort},
    {IDC_COMBO_COLUMNS, Kind::Combo, &D::m_strColumns},
    {IDC_CLOCK, Kind::Text, &D::m_strClock},
    {IDC_ANALOG, Kind::Text, &D::m_strAnalog},
    {IDC_CHK_ACQ_ANALOG, Kind::Check, nullptr, &D::m_bAcquireAnalog},
    {IDC_CHK_ACQ_TEMP, Kind::Check, nullptr, &D::m_bAcquireTemp},
    {IDC_TEMP, Kind::Text, &D::m_strTemperature},
    {IDC_CHK_LED1, Kind::Check, nullptr, &D::m_bLed1},
    {IDC_CHK_LED2, Kind::Check, nullptr, &D::m_bLed2},
    {IDC_CHK_LED3, Kind::Check, nullptr, &D::m_bLed3},
    {IDC_CHK_LED4, Kind::Check, nullptr, &D::m_bLed4},
    {IDC_CHK_BUZ, Kind::Check, nullptr, &D::m_bBuzzer},
};

constexpr std::array<std::int8_t, 4> kColumnCounts = {8, 16, 20, 40};

bool StartsWithNoCase(std::string_view entry, std::string_view prefix) {
    const auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    return entry.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), entry.begin(),
                      [&](char a, char b) { return fold(a) == fold(b); });
}

}  // namespace

bool CPanelDlg::ExchangeData(Exchange direction) {
    if (std::ranges::find(kColumnCounts, m_nColumns) == kColumnCounts.end()) m_nColumns = 16;

    const bool toStore = direction == Exchange::ToStore;
    int rowIndex = 0;
    int tooLongRow = 0;  // the first, by its place in the list
    int tooLongId = 0;
    for (const ExchangeLine& line : kExchangeList) {
        switch (line.kind) {
        case Kind::Row:
        case Kind::Text:
        case Kind::Combo:
            if (toStore)
                this->*line.text = m_view.GetText(line.id);
            else if (line.kind == Kind::Combo)
                SelectByPrefix(line.id, this->*line.text);
            else
                m_view.SetText(line.id, this->*line.text);
            break;
        case Kind::Check:
            if (toStore)
                this->*line.flag = m_view.GetCheck(line.id) ? 1 : 0;
            else
                m_view.SetCheck(line.id, this->*line.flag == 1);
            break;
        }
        if (line.kind != Kind::Row) continue;
        ++rowIndex;
        if (!toStore) {
            m_view.LimitText(line.id, m_nColumns);
        } else if (tooLongRow == 0 && m_view.IsControlEnabled(line.id) &&
                   cp1252::CharCount(this->*line.text) > static_cast<std::size_t>(m_nColumns)) {
            // Only a row the user can edit: a disabled one could never be
            // shortened. The rest is still read, so the switches, the
            // toggles and the port name keep up with what the user sees.
            tooLongRow = rowIndex;
            tooLongId = line.id;
        }
    }
    if (tooLongRow != 0) {
        ReportRowTooLong(tooLongRow, tooLongId);
        return false;
    }
    if (toStore) m_strReportedOffence.clear();
    return true;
}

void CPanelDlg::SelectByPrefix(int comboId, const std::string& text) {
    if (!text.empty()) {
        const std::vector<std::string> list = m_view.GetComboList(comboId);
        const auto it = std::ranges::find_if(
            list, [&](const std::string& entry) { return StartsWithNoCase(entry, text); });
        if (it != list.end()) {
            // Completing what the user is typing ("COM" to "COM1") would move
            // the caret, or select the text so the next key replaces it: it
            // waits for the first exchange after the focus has left. An entry
            // that is no completion of the shown text is the panel's own
            // change, and applies at once.
            if (m_view.HasFocus(comboId) && StartsWithNoCase(*it, m_view.GetText(comboId))) return;
            m_view.SelectComboEntry(comboId, static_cast<int>(it - list.begin()));
            return;
        }
    }
    m_view.SetText(comboId, text);
}

void CPanelDlg::ReportRowTooLong(int rowIndex, int editId) {
    std::string text = "Riga " + std::to_string(rowIndex) + ": al massimo " +
                       std::to_string(m_nColumns) + " caratteri.";
    // A too-long row fails every tick's exchange until it is shortened; a
    // tick tells the user once, a click always.
    const std::string offence = text + '\n' + m_view.GetText(editId);
    if (m_bInTick && offence == m_strReportedOffence) return;
    m_strReportedOffence = offence;
    ShowModalMessage(text, editId);  // the focus goes to the row to shorten
}
