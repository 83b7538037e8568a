// The traffic window "Traffico" for the Win32 frontend: a modeless dialog
// from template IDD_TRAFFIC in the executable's resources, owned by the
// panel. The lines and what the buttons do are panel/traffic_log.h's; the
// window shows the lines and passes the orders on.
//
//  [X] It opens beside the panel like the trend window (win32_placement.h);
//      chosen again from the menu, it comes to the front.
//  [X] The list follows the log: each line added posts one private message,
//      and only while none is waiting, so a burst of lines costs one update;
//      the update drops and appends what TrafficLog::UpdateFrom says. The
//      view follows the end unless the user has scrolled up, and then stays
//      on the lines it shows.
//  [X] A fixed-pitch font in the list, at the window's DPI, so the columns
//      line up; recreated on WM_DPICHANGED.
//  [X] "Pausa"/"Riprendi", "Azzera", "Copia" (the selected lines, CR LF,
//      as Unicode text on the clipboard), "Salva..." (the common save
//      dialog offering the log's name, through the panel's `runModal`; a
//      file that cannot be written is reported with its name and reason).
//  [X] Tab, mnemonics and Escape through win32_dialog_keys.h. The list box
//      is a system control: a screen reader reads it line by line.
//  [ ] No resizing: the template's size, like the trend window.
#ifndef VELMORA_APP_WIN32_WIN32_TRAFFIC_WINDOW_H
#define VELMORA_APP_WIN32_WIN32_TRAFFIC_WINDOW_H

#include "app/win32/win32_dialog_proc.h"
#include "panel/traffic_log.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

class Win32TrafficWindow {
public:
    using RunModal = std::function<void(const std::function<void()>&)>;

    Win32TrafficWindow(HINSTANCE instance, std::string programName, RunModal runModal);
    ~Win32TrafficWindow();
    Win32TrafficWindow(const Win32TrafficWindow&) = delete;
    Win32TrafficWindow& operator=(const Win32TrafficWindow&) = delete;

    // Opens it beside `owner` over `log`, or brings it to the front.
    void Show(HWND owner, TrafficLog& log);
    bool IsOpen() const { return m_hwnd != nullptr; }

private:
    friend INT_PTR CALLBACK ObjectDialogProc<Win32TrafficWindow>(HWND, UINT, WPARAM, LPARAM);
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    HWND List() const;
    // Brings the list in step with the log.
    void Follow();
    void SetListFont(UINT dpi);
    void SetScrollWidth();
    void TogglePause();
    void Clear();
    void Copy();
    void SaveAs();

    HINSTANCE m_instance;
    std::string m_programName;
    RunModal m_runModal;
    HWND m_hwnd = nullptr;
    TrafficLog* m_log = nullptr;
    bool m_posted = false;             // an update is on its way
    std::uint64_t m_shownFirst = 0;    // the log's numbers of the lines the list shows
    std::uint64_t m_shownEnd = 0;
    std::size_t m_widest = 0;          // characters of the longest line shown
    HFONT m_font = nullptr;
};

#endif
