#include "app/wx/wx_platform.h"

#include "app/wx/wx_end_signals.h"
#include "app/wx/wx_gtk_style.h"

#include <wx/app.h>
#include <wx/image.h>

bool WxPlatform::InitBase() {
    wxInitAllImageHandlers();
    ApplyCompactStyle();
    return true;
}

PanelView& WxPlatform::PanelWindow() {
    if (m_window == nullptr) m_window = new WxPanelWindow(nullptr, m_programName);
    return *m_window;
}

void WxPlatform::SetMainWindow(CPanelDlg&) { wxTheApp->SetTopWindow(m_window); }

int WxPlatform::RunModal(CPanelDlg& dlg) {
    m_window->Attach(&dlg);
    const bool focusFirst = dlg.OnInitDialog();
    m_window->Centre();
    if (focusFirst) {
        m_window->CallAfter([w = m_window] {
            // The first control of the tab order that can take the focus.
            for (wxWindow* child : w->GetChildren()) {
                if (child->IsShown() && child->IsEnabled() && child->AcceptsFocus()) {
                    child->SetFocus();
                    break;
                }
            }
        });
    }
    int result = 0;
    {
        const EndSignals endSignals(*m_window);
        result = m_window->ShowModal();
    }
    m_window->Attach(nullptr);
    m_window->Destroy();
    m_window = nullptr;
    return result;
}
