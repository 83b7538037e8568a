// "Aggiorna il display" and the four rows' "Aggiorna": the display's
// layout and text.
#include "panel/panel_dlg.h"

#include "panel/port_error_text.h"
#include "res/resource.h"

#include <algorithm>

struct CPanelDlg::RowLine {
    int row;
    std::string CPanelDlg::*text;
    bool stopOnLocateFailure;
};

namespace {

using D = CPanelDlg;

struct ColumnsChoice {
    std::string_view text;
    std::int8_t columns;
};
constexpr ColumnsChoice kColumnsChoices[] = {{"8", 8}, {"16", 16}, {"20", 20}, {"40", 40}};

}  // namespace

void CPanelDlg::OnBtnLayout() {
    ExchangeData(Exchange::ToStore);
    ApplyEnableSet(RowsSet());
    const auto it = std::ranges::find(kColumnsChoices, m_strColumns, &ColumnsChoice::text);
    if (it != std::end(kColumnsChoices)) m_nColumns = it->columns;
    ExchangeData(Exchange::ToControls);
    if (!m_link.Layout()) ShowPortError(PortErrorText(LinkStep::Write));
}

void CPanelDlg::WriteRow(const RowLine& line) {
    ExchangeData(Exchange::ToStore);
    if (!m_link.Locate(line.row)) {
        ShowPortError(PortErrorText(LinkStep::Write));
        if (line.stopOnLocateFailure) return;
    }
    if (!m_link.Text(this->*line.text, m_nColumns)) ShowPortError(PortErrorText(LinkStep::Write));
}

// Row 1 reports a failed locate write as rows 2 and 3 do; only row 4 stops there.
void CPanelDlg::OnBtnRow1() { WriteRow({1, &D::m_strRow1, false}); }
void CPanelDlg::OnBtnRow2() { WriteRow({2, &D::m_strRow2, false}); }
void CPanelDlg::OnBtnRow3() { WriteRow({3, &D::m_strRow3, false}); }
void CPanelDlg::OnBtnRow4() { WriteRow({4, &D::m_strRow4, true}); }
