// What the panel needs of the window around its controls: the system menu,
// the icons, the poll timer, message boxes and modal runs, the end of the
// dialog and the trend window. A frontend provides them as the platform
// does; the panel decides when each is used.
#ifndef VELMORA_PANEL_PANEL_SHELL_H
#define VELMORA_PANEL_PANEL_SHELL_H

#include <cstdint>
#include <string_view>

// An icon as the window system holds it; opaque to the panel.
using IconHandle = std::intptr_t;

class TrendSeries;
class TrafficLog;

class PanelShell {
public:
    virtual ~PanelShell() = default;

    // Modal, one OK button, no icon, the program's name as caption.
    virtual void ShowMessage(std::string_view text) = 0;
    virtual void StartTimer(int id, unsigned periodMs) = 0;
    virtual void EndDialog(int result) = 0;
    virtual void AppendSystemMenuSeparator() = 0;
    virtual void AppendSystemMenuItem(int command, std::string_view text) = 0;
    virtual IconHandle LoadIconResource(int resourceId) = 0;
    virtual void SetIcon(IconHandle icon, bool large) = 0;
    // Runs the dialog of that template modally until it ends; its result.
    virtual int RunModal(int templateId) = 0;
    // The trend window "Andamento" over `series`, modeless beside the panel:
    // opened, or brought to the front when it is open already.
    virtual void ShowTrendWindow(TrendSeries& series) = 0;
    virtual bool IsTrendWindowOpen() = 0;
    // The series has a new point: an open trend window draws it.
    virtual void TrendChanged() = 0;
    // The traffic window "Traffico" over `log`, modeless beside the panel:
    // opened, or brought to the front when it is open already. The window
    // follows the log's lines itself (TrafficLog::OnAdded).
    virtual void ShowTrafficWindow(TrafficLog& log) = 0;
};

#endif
