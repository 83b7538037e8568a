// A panel whose store a test sets up directly, for states no control
// reaches: a column count that no layout gives, trend points without a
// board. Everything else goes through events, as in the program.
#ifndef VELMORA_PANEL_TESTS_TEST_PANEL_H
#define VELMORA_PANEL_TESTS_TEST_PANEL_H

#include "panel/panel_dlg.h"

struct TestPanel : CPanelDlg {
    using CPanelDlg::CPanelDlg;
    PanelStore& Seed() { return *this; }
};

#endif
