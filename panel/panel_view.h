// The panel's window as a whole: its controls and the shell around them,
// which one frontend window provides together.
#ifndef VELMORA_PANEL_PANEL_VIEW_H
#define VELMORA_PANEL_PANEL_VIEW_H

#include "panel/panel_controls.h"
#include "panel/panel_shell.h"

class PanelView : public PanelControls, public PanelShell {};

#endif
