// The traffic window "Traffico" for the wxWidgets frontend: a modeless
// dialog from template 105 that shows the lines of a TrafficLog
// (panel/traffic_log.h) and carries out its buttons' orders on it. What a
// line says, what the log keeps and what a button does to it are the log's
// rules; the window only brings its list in step and runs the buttons.
//
//  [X] One row a line, in a fixed-width font, newest last; a multi-select
//      list named "Traffico", its rows read one cell each on the
//      accessibility bus.
//  [X] In step with the log: a burst of lines (a tick's request, reply and
//      more) costs one update, after the burst, on the main loop; rows the
//      log dropped go, new ones are appended.
//  [X] It follows the end, unless the user has scrolled up: then the rows
//      in view stay in view.
//  [X] Pausa/Riprendi, Azzera, Copia (the selected lines to the clipboard)
//      and Salva... (a file chooser run through `runModal`, so the panel
//      holds back its own boxes meanwhile; a file that cannot be saved is
//      reported with its name and the reason).
//  [X] Tab and the buttons' mnemonics reach every control; Escape and the
//      close box close it, and the panel learns it through `closed`.
//  [X] It opens beside the panel, as the trend window does, and stays
//      usable while the panel runs modally (wx_side_window.h).
#ifndef VELMORA_APP_WX_WX_TRAFFIC_WINDOW_H
#define VELMORA_APP_WX_WX_TRAFFIC_WINDOW_H

#include <wx/dialog.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

class TrafficLog;
class wxButton;
class wxListBox;

class WxTrafficWindow : public wxDialog {
public:
    using RunModal = std::function<void(const std::function<void()>&)>;

    // `closed` runs as the window goes away; `runModal` runs the file
    // chooser (none: it runs as it is).
    WxTrafficWindow(wxWindow* panel, TrafficLog& log, std::string programName, std::function<void()> closed,
                    RunModal runModal = {});
    ~WxTrafficWindow() override;
    bool Show(bool show = true) override;

    // Brings the list in step with the log now (the window does it itself
    // after each burst of lines).
    void Update();
    // The selected lines, as "Copia" puts them on the clipboard.
    std::string SelectedText();
    // Writes the log to `file`: "" when saved, else what the user is told.
    std::string SaveTo(const std::filesystem::path& file) const;

private:
    void UpdateSoon();
    bool FollowsEnd() const;
    void OnPause();
    void OnClear();
    void OnCopy();
    void OnSave();
    void SaveAs();

    TrafficLog& m_log;
    std::string m_programName;
    std::function<void()> m_closed;
    RunModal m_runModal;
    wxListBox* m_list = nullptr;
    wxButton* m_pause = nullptr;
    std::uint64_t m_shownFirst = 0;  // the log's number of the list's first row
    bool m_updatePending = false;
};

#endif
