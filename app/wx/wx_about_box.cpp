#include "app/wx/wx_about_box.h"

#include "app/wx/wx_template.h"
#include "res/resource.h"

WxAboutBox::WxAboutBox(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX) {
    const auto controls = BuildFromTemplate(*this, res::AboutTemplate());
    // The template's OK button ends the box; Enter and Escape act as it.
    SetAffirmativeId(IDOK);
    SetEscapeId(IDOK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(IDOK); }, IDOK);
    controls.at(IDOK)->SetFocus();
    CentreOnParent();
}
