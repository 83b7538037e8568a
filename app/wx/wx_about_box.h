// The About box (template 100) for the wxWidgets frontend. OK, Enter,
// Escape and the close box end it.
#ifndef VELMORA_APP_WX_WX_ABOUT_BOX_H
#define VELMORA_APP_WX_WX_ABOUT_BOX_H

#include <wx/dialog.h>

class WxAboutBox : public wxDialog {
public:
    explicit WxAboutBox(wxWindow* parent);
};

#endif
