#include "app/wx/wx_toolkit.h"

#include <wx/app.h>
#include <wx/init.h>

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <system_error>

namespace {

// Runs nothing of its own: the programs run their windows themselves.
class ToolkitApp : public wxApp {
public:
    bool OnInit() override { return true; }
    wxLayoutDirection GetLayoutDirection() const override { return wxLayout_LeftToRight; }
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(ToolkitApp);

WxToolkit::WxToolkit(int& argc, char** argv) {
    ::setenv("GDK_GL", "disable", 0);  // a GDK_GL the user set still wins
    try {
        m_fontConfig = std::jthread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: the first text reads it, as without.
    }
    m_started = wxEntryStart(argc, argv);
    if (m_started) wxTheApp->CallOnInit();
}

WxToolkit::~WxToolkit() {
    if (!m_started) return;
    wxTheApp->OnExit();
    wxEntryCleanup();
}
