// CPanelApp: the one application object; start-up runs the panel modally.
#ifndef VELMORA_APP_PANEL_APP_H
#define VELMORA_APP_PANEL_APP_H

#include "app/app_platform.h"

class CPanelApp {
public:
    // Runs the panel until it ends. False: the process ends here rather
    // than in a message loop of the platform's.
    bool InitInstance(AppPlatform& platform);
};

#endif
