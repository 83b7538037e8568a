// The yardstick for the panel's start-up and memory: the plainest wxWidgets
// dialog with a 1 s timer, as any toolkit program of this size would be.
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/timer.h>

namespace {

class BareApp : public wxApp {
public:
    bool OnInit() override {
        auto* dialog = new wxDialog(nullptr, wxID_ANY, "Bare dialog");
        auto* timer = new wxTimer(dialog);
        dialog->Bind(wxEVT_TIMER, [](wxTimerEvent&) {});
        dialog->Bind(wxEVT_CLOSE_WINDOW, [dialog](wxCloseEvent&) { dialog->Destroy(); });
        timer->Start(1000);
        dialog->Show();
        return true;
    }
};

}  // namespace

wxIMPLEMENT_APP(BareApp);
