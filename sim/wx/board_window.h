// The simulated board's window (wxWidgets): its character display as the
// panel drives it, the four LEDs and the buzzer, a slider for the analog
// input and a field for the temperature that its replies carry (taken on
// Enter or when the focus leaves, Up and Down step it; a text the board's
// rule refuses is marked, with the reason under it), the port it serves as
// the name to type in the panel, and the bytes it receives scrolling in a
// log; the application's icon.
#ifndef VELMORA_SIM_WX_BOARD_WINDOW_H
#define VELMORA_SIM_WX_BOARD_WINDOW_H

#include "sim/sim_board.h"

#include <wx/frame.h>

#include <atomic>

class wxSlider;
class wxStaticText;
class wxTextCtrl;
class BoardFace;

class BoardWindow : public wxFrame {
public:
    BoardWindow(sim::SimBoard& board, const std::string& linkName);
    ~BoardWindow() override;

private:
    // Shows the board's state and logs the reads not logged yet.
    void ShowBoard();
    // Gives the board the temperature `text` says, or shows why not.
    void TakeTemperature(const std::string& text);

    sim::SimBoard& m_board;
    BoardFace* m_face;
    wxSlider* m_analog;
    wxStaticText* m_analogValue;
    wxTextCtrl* m_temperature;
    wxStaticText* m_refusal;  // why the field's text was refused; empty when it was taken
    wxTextCtrl* m_log;
    std::uint64_t m_nextChunk = 0;  // the number of the first read not logged yet
    std::atomic<bool> m_showQueued{false};  // a ShowBoard is on its way to the main loop
};

#endif
