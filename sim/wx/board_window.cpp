#include "sim/wx/board_window.h"

#include "app/wx/wx_art.h"
#include "app/wx/wx_gtk_controls.h"
#include "app/wx/wx_gtk_window.h"
#include "link/cp1252.h"
#include "sim/board_cli.h"
#include "sim/temperature_entry.h"

#include <algorithm>
#include <cstdio>

#include <wx/dcbuffer.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

wxString FromUtf8(const std::string& s) { return wxString::FromUTF8(s.data(), s.size()); }

}  // namespace

// The display and the outputs, drawn from the board's state.
class BoardFace : public wxPanel {
public:
    explicit BoardFace(wxWindow* parent) : wxPanel(parent, wxID_ANY) {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        m_font = wxFont(wxFontInfo(13).Family(wxFONTFAMILY_TELETYPE));
        int w = 0, h = 0;
        GetTextExtent(wxString('M', sim::BoardState::kColumns), &w, &h, nullptr, nullptr, &m_font);
        m_cell = wxSize(w / sim::BoardState::kColumns + 1, h);
        // A margin: the paint context's metrics can run a little wider.
        SetMinSize(wxSize(std::max(m_cell.x * sim::BoardState::kColumns * 11 / 10 + 40, 480),
                          m_cell.y * sim::BoardState::kRows + 90));
        Bind(wxEVT_PAINT, &BoardFace::OnPaint, this);
    }
    void Show(const sim::BoardState& state) {
        m_state = state;
        wxWindow::Refresh(false);
    }

private:
    void OnPaint(wxPaintEvent&) {
        wxAutoBufferedPaintDC dc(this);
        dc.SetBackground(wxBrush(wxColour(30, 70, 90)));
        dc.Clear();
        // The display: a green glass, each row as the text commands left it.
        const wxRect glass(12, 12, GetClientSize().x - 24, m_cell.y * sim::BoardState::kRows + 16);
        dc.SetBrush(wxBrush(wxColour(140, 204, 76)));
        dc.SetPen(wxPen(wxColour(20, 40, 20), 2));
        dc.DrawRoundedRectangle(glass, 6);
        dc.SetFont(m_font);
        dc.SetTextForeground(wxColour(20, 50, 15));
        for (int r = 0; r < sim::BoardState::kRows; ++r)
            dc.DrawText(FromUtf8(cp1252::ToUtf8(m_state.display[static_cast<std::size_t>(r)])),
                        glass.x + 8, glass.y + 8 + r * m_cell.y);
        // LEDs 1 to 4 and the buzzer, lit as the switch commands set them.
        const wxColour lit[] = {wxColour(60, 140, 255), wxColour(240, 40, 30), wxColour(60, 140, 255),
                                wxColour(40, 220, 60)};
        const int y = glass.GetBottom() + 36;
        dc.SetTextForeground(*wxWHITE);
        dc.SetFont(GetFont());
        for (int i = 0; i < 5; ++i) {
            const bool on = i < 4 ? m_state.leds[static_cast<std::size_t>(i)] : m_state.buzzer;
            const wxColour colour = i < 4 ? lit[i] : wxColour(255, 200, 40);
            dc.SetPen(wxPen(*wxBLACK, 2));
            dc.SetBrush(wxBrush(on ? colour : colour.ChangeLightness(35)));
            const int x = 40 + i * 90;
            dc.DrawCircle(x, y, 14);
            dc.DrawText(i < 4 ? wxString::Format("LED %d", i + 1) : wxString("BUZ 1"), x + 20, y - 8);
        }
    }

    sim::BoardState m_state;
    wxFont m_font;
    wxSize m_cell;
};

BoardWindow::BoardWindow(sim::SimBoard& board, const std::string& linkName)
    : wxFrame(nullptr, wxID_ANY, "Velmora - scheda simulata"), m_board(board) {
    auto* root = new wxPanel(this);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    SetIcons(AppIconBundle());
    PaintWithoutFrameSync(*this);
    // The name to type in the panel's port combo; a link made with --link
    // serves a panel started in the same folder under its own name.
    wxString port = "Porta da scrivere nel pannello: " + FromUtf8(board.Path());
    if (!linkName.empty()) port += "   (o " + FromUtf8(linkName) + ")";
    sizer->Add(new wxStaticText(root, wxID_ANY, port), 0, wxALL, 8);
    m_face = new BoardFace(root);
    sizer->Add(m_face, 0, wxLEFT | wxRIGHT | wxEXPAND, 8);

    const sim::BoardState state = board.State();
    auto* inputs = new wxFlexGridSizer(3, 6, 8);
    inputs->AddGrowableCol(1);
    inputs->Add(new wxStaticText(root, wxID_ANY, "Ingresso analogico:"), 0, wxALIGN_CENTER_VERTICAL);
    m_analog = new wxSlider(root, wxID_ANY, state.analog, 0, sim::kAnalogMax);
    inputs->Add(m_analog, 1, wxEXPAND);
    m_analogValue = new wxStaticText(root, wxID_ANY, FromUtf8(sim::SimBoard::AnalogReply(state.analog)));
    inputs->Add(m_analogValue, 0, wxALIGN_CENTER_VERTICAL);
    inputs->Add(new wxStaticText(root, wxID_ANY, FromUtf8("Temperatura (°C):")), 0, wxALIGN_CENTER_VERTICAL);
    m_temperature = new wxTextCtrl(root, wxID_ANY, sim::TemperatureText(state.temperature), wxDefaultPosition,
                                   wxDefaultSize, wxTE_PROCESS_ENTER);
    SetAccessibleName(*m_temperature, "Temperatura (°C)");
    inputs->Add(m_temperature, 0);
    inputs->AddSpacer(0);
    sizer->Add(inputs, 0, wxLEFT | wxRIGHT | wxTOP | wxEXPAND, 8);
    // A line kept for the reason, so that it comes and goes without moving the rest.
    m_refusal = new wxStaticText(root, wxID_ANY, " ", wxDefaultPosition, wxDefaultSize, wxST_NO_AUTORESIZE);
    m_refusal->SetForegroundColour(wxColour(176, 0, 32));
    m_refusal->SetLabel(wxEmptyString);
    sizer->Add(m_refusal, 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 8);

    sizer->Add(new wxStaticText(root, wxID_ANY, "Byte ricevuti:"), 0, wxLEFT | wxRIGHT, 8);
    m_log = new wxTextCtrl(root, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(-1, 120),
                           wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP);
    m_log->SetFont(wxFont(wxFontInfo(9).Family(wxFONTFAMILY_TELETYPE)));
    sizer->Add(m_log, 1, wxALL | wxEXPAND, 8);
    root->SetSizer(sizer);
    sizer->SetSizeHints(this);

    m_analog->Bind(wxEVT_SLIDER, [this](wxCommandEvent&) {
        m_board.SetAnalog(m_analog->GetValue());
        m_analogValue->SetLabel(FromUtf8(sim::SimBoard::AnalogReply(m_analog->GetValue())));
    });
    m_temperature->Bind(wxEVT_TEXT_ENTER,
                        [this](wxCommandEvent&) { TakeTemperature(m_temperature->GetValue().utf8_string()); });
    m_temperature->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        TakeTemperature(m_temperature->GetValue().utf8_string());
        event.Skip();
    });
    m_temperature->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) {
        const int steps = event.GetKeyCode() == WXK_UP ? 1 : event.GetKeyCode() == WXK_DOWN ? -1 : 0;
        if (steps == 0) return event.Skip();
        TakeTemperature(sim::TemperatureText(sim::StepTemperature(m_board.State().temperature, steps)));
    });
    // Woken by what the panel sends, not by a timer: an idle board sleeps.
    m_board.OnReceived([this] {
        if (!m_showQueued.exchange(true))
            CallAfter([this] {
                m_showQueued = false;
                ShowBoard();
            });
    });
    ShowBoard();
}

BoardWindow::~BoardWindow() { m_board.OnReceived(nullptr); }

void BoardWindow::TakeTemperature(const std::string& text) {
    const sim::TemperatureEntry entry = sim::ReadTemperatureEntry(text);
    const bool taken = entry.verdict == sim::TemperatureEntry::Verdict::Taken;
    if (taken) m_board.SetTemperature(entry.celsius);
    // A refused text stays as typed, to be corrected; a taken one shows as the board has it.
    const std::string shown = taken ? sim::TemperatureText(entry.celsius) : text;
    if (m_temperature->GetValue().utf8_string() != shown) m_temperature->ChangeValue(FromUtf8(shown));
    const std::string why = sim::RefusalText(entry.verdict, m_board.State().temperature);
    m_temperature->SetBackgroundColour(taken ? wxNullColour : wxColour(255, 224, 224));
    m_temperature->Refresh();
    m_refusal->SetLabel(FromUtf8(why));
    SetAccessibleDescription(*m_temperature, why);
}

void BoardWindow::ShowBoard() {
    m_face->Show(m_board.State());
    wxString lines;
    for (const sim::Chunk& chunk : m_board.ChunksFrom(m_nextChunk)) {
        m_nextChunk = chunk.number + 1;
        std::printf("%s\n", sim::HexLine(chunk.bytes).c_str());
        std::fflush(stdout);
        for (const std::string& line : sim::DumpLines(chunk.bytes)) lines += FromUtf8(line) + "\n";
    }
    if (!lines.empty()) {
        m_log->AppendText(lines);
        // Keep the last few thousand lines.
        if (m_log->GetNumberOfLines() > 3000) m_log->Remove(0, m_log->XYToPosition(0, 500));
    }
}
