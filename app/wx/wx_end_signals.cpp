#include "app/wx/wx_end_signals.h"

#include <wx/app.h>

#include <csignal>

namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGINT, SIGHUP};

WxPanelWindow* g_window = nullptr;

// Called from the main loop, not from the signal handler.
void OnEndSignal(int) {
    if (g_window != nullptr) g_window->CloseFromOutside();
}

}  // namespace

EndSignals::EndSignals(WxPanelWindow& window) {
    g_window = &window;
    for (int sig : kEndSignals) wxTheApp->SetSignalHandler(sig, OnEndSignal);
}

EndSignals::~EndSignals() {
    g_window = nullptr;
    for (int sig : kEndSignals) {
        wxTheApp->SetSignalHandler(sig, SIG_DFL);  // forgets the handler, keeps its own catcher
        std::signal(sig, SIG_DFL);
    }
}
