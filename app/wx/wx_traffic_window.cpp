#include "app/wx/wx_traffic_window.h"

#include "app/wx/wx_gtk_controls.h"
#include "app/wx/wx_side_window.h"
#include "app/wx/wx_template.h"
#include "panel/file_save.h"
#include "panel/traffic_log.h"
#include "res/resource.h"

#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/filedlg.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

wxString FromUtf8(std::string_view s) { return wxString::FromUTF8(s.data(), s.size()); }

}  // namespace

WxTrafficWindow::WxTrafficWindow(wxWindow* panel, TrafficLog& log, std::string programName,
                                 std::function<void()> closed, RunModal runModal)
    : wxDialog(panel, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxMINIMIZE_BOX),
      m_log(log),
      m_programName(std::move(programName)),
      m_closed(std::move(closed)),
      m_runModal(std::move(runModal)) {
    const auto controls = BuildFromTemplate(*this, res::TrafficTemplate());
    m_list = dynamic_cast<wxListBox*>(controls.at(IDC_TRAFFIC_LIST));
    m_pause = dynamic_cast<wxButton*>(controls.at(IDC_TRAFFIC_PAUSE));
    SetAccessibleName(*m_list, res::TrafficTemplate().title);
    m_pause->SetLabel(LabelOf(m_log.PauseButtonText()));

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnPause(); }, IDC_TRAFFIC_PAUSE);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnClear(); }, IDC_TRAFFIC_CLEAR);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCopy(); }, IDC_TRAFFIC_COPY);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnSave(); }, IDC_TRAFFIC_SAVE);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Destroy(); });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& e) {
        if (e.GetKeyCode() == WXK_ESCAPE) Close();
        else e.Skip();
    });

    m_shownFirst = m_log.FirstNumber();
    Update();
    m_log.OnAdded([this] { UpdateSoon(); });
    PlaceBesidePanel(*this, *panel);
}

bool WxTrafficWindow::Show(bool show) {
    const bool changed = wxDialog::Show(show);
    // Its list, realised as the window first shows while the panel runs
    // modally, leaves the window a grab in the panel's window group that
    // would hold the panel; a group of its own, taken after that, drops it.
    if (show) GroupOfItsOwn(*this);
    return changed;
}

WxTrafficWindow::~WxTrafficWindow() {
    m_log.OnAdded(nullptr);
    if (m_closed) m_closed();
}

void WxTrafficWindow::UpdateSoon() {
    // A tick adds its lines one by one within one exchange: one update
    // after them all.
    if (m_updatePending) return;
    m_updatePending = true;
    CallAfter([this] { Update(); });
}

bool WxTrafficWindow::FollowsEnd() const {
    GtkAdjustment* v = gtk_scrolled_window_get_vadjustment(GTK_SCROLLED_WINDOW(m_list->GetHandle()));
    // Within a pixel of the end counts as the end.
    return gtk_adjustment_get_value(v) + gtk_adjustment_get_page_size(v) >= gtk_adjustment_get_upper(v) - 1;
}

void WxTrafficWindow::Update() {
    m_updatePending = false;
    const std::uint64_t shownEnd = m_shownFirst + m_list->GetCount();
    const TrafficLog::Update update = m_log.UpdateFrom(m_shownFirst, shownEnd);
    if (!update.reset && update.dropFront == 0 && update.appendFrom == m_log.Size()) return;

    const bool follow = FollowsEnd();
    const int top = follow ? 0 : m_list->GetTopItem();
    m_list->Freeze();
    if (update.reset) {
        m_list->Clear();
    } else {
        for (std::size_t i = 0; i < update.dropFront; ++i) m_list->Delete(0);
    }
    wxArrayString added;
    added.reserve(m_log.Size() - update.appendFrom);
    for (std::size_t i = update.appendFrom; i < m_log.Size(); ++i) added.push_back(FromUtf8(m_log.Line(i)));
    if (!added.empty()) m_list->Append(added);
    m_list->Thaw();
    m_shownFirst = m_log.FirstNumber();

    const int rows = static_cast<int>(m_list->GetCount());
    if (rows == 0) return;
    if (follow)
        m_list->EnsureVisible(rows - 1);
    else if (!update.reset && update.dropFront > 0)
        // The rows the user was reading moved up: keep them in view.
        m_list->SetFirstItem(std::max(0, top - static_cast<int>(update.dropFront)));
}

void WxTrafficWindow::OnPause() {
    m_log.SetPaused(!m_log.Paused());
    m_pause->SetLabel(LabelOf(m_log.PauseButtonText()));
}

void WxTrafficWindow::OnClear() {
    m_log.Clear();
    Update();
}

std::string WxTrafficWindow::SelectedText() {
    Update();  // the rows are then the log's lines, index for index
    wxArrayInt selected;
    m_list->GetSelections(selected);
    std::vector<std::size_t> indexes(selected.begin(), selected.end());
    std::ranges::sort(indexes);
    return m_log.Text(indexes);
}

void WxTrafficWindow::OnCopy() {
    const std::string text = SelectedText();
    if (text.empty()) return;
    if (!wxTheClipboard->Open()) return;
    wxTheClipboard->SetData(new wxTextDataObject(FromUtf8(text)));
    wxTheClipboard->Close();
}

std::string WxTrafficWindow::SaveTo(const std::filesystem::path& file) const {
    const std::error_code error = m_log.Save(file);
    return error ? SaveFailedText(file, error) : std::string();
}

void WxTrafficWindow::OnSave() {
    if (m_runModal)
        m_runModal([this] { SaveAs(); });
    else
        SaveAs();
}

void WxTrafficWindow::SaveAs() {
    wxFileDialog chooser(this, FromUtf8("Salva traffico"), wxGetCwd(), FromUtf8(TrafficLog::kSaveName),
                         FromUtf8("Testo (*.txt)|*.txt"), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (chooser.ShowModal() != wxID_OK) return;
    const std::string path = chooser.GetPath().utf8_string();  // owned: utf8_str() may point into a temporary
    const std::string failed = SaveTo(std::filesystem::path(path));
    if (failed.empty()) return;
    wxMessageDialog box(this, FromUtf8(failed), FromUtf8(m_programName), wxOK | wxICON_NONE);
    box.ShowModal();
}
