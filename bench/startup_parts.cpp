// Where the panel's start-up time goes, step by step, on a real X display,
// in the order the panel takes them: the toolkit (with fontconfig read on
// its own thread meanwhile), the theme with the panel's style, the first
// text laid out, port discovery, the icon, the window built from its
// template, the panel's initialisation, the window shown (it is mapped
// here) and its first paint; then, on the same toolkit, the simulated
// board's window (velmora-board) built, shown and painted. Prints
// milliseconds.
#include "app/wx/wx_art.h"
#include "app/wx/wx_gtk_style.h"
#include "app/wx/wx_panel_window.h"
#include "app/wx/wx_toolkit.h"
#include "link/port_discovery.h"
#include "sim/wx/board_window.h"

#include <wx/app.h>
#include <wx/dcscreen.h>

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

// Runs `step` once and prints how long it took.
template <class F>
void Time(const char* name, F step) {
    const auto start = Clock::now();
    step();
    std::printf("%-34s %7.2f ms\n", name,
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
}

}  // namespace

int main(int argc, char** argv) {
    std::unique_ptr<WxToolkit> toolkit;
    Time("toolkit start (GTK, X connection)", [&] { toolkit = std::make_unique<WxToolkit>(argc, argv); });
    if (!toolkit->Started()) return 1;
    Time("theme and style", [] { ApplyCompactStyle(); });
    Time("first text (fonts)", [] { (void)wxScreenDC().GetTextExtent("Porta"); });
    Time("port discovery", [] { (void)port::PresentPorts(); });
    Time("icon, every size", [] { (void)AppIconBundle(); });
    WxPanelWindow* window = nullptr;
    Time("panel window from its template", [&] { window = new WxPanelWindow(nullptr, "velmora"); });
    CPanelDlg dlg(*window);
    window->Attach(&dlg);
    Time("panel initialisation", [&] { dlg.OnInitDialog(); });
    Time("show (the window is mapped)", [&] { window->Show(); });
    Time("first paint", [&] {
        window->Update();
        wxTheApp->Yield();
    });
    window->Attach(nullptr);
    window->Destroy();

    std::printf("\nvelmora-board's window, after the same start:\n");
    sim::SimBoard board;
    if (!board.Ok()) return 1;
    BoardWindow* boardWindow = nullptr;
    Time("board window from its code", [&] { boardWindow = new BoardWindow(board, {}); });
    Time("show (the window is mapped)", [&] { boardWindow->Show(); });
    Time("first paint", [&] {
        boardWindow->Update();
        wxTheApp->Yield();
    });
    boardWindow->Destroy();
    return 0;
}
