// TERM, INT and HUP end the wx panel through its close routine, so the port
// is closed (and its lock released) rather than dropped with the process.
// wxApp's handlers only note the signal; the window is touched from the
// main loop. While an EndSignals lives, they go to its window.
#ifndef VELMORA_APP_WX_WX_END_SIGNALS_H
#define VELMORA_APP_WX_WX_END_SIGNALS_H

#include "app/wx/wx_panel_window.h"

class EndSignals {
public:
    explicit EndSignals(WxPanelWindow& window);
    // The signals' default actions again.
    ~EndSignals();
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;
};

#endif
