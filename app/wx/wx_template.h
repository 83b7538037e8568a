// Builds a wxWidgets dialog's controls from a resource template, placed in
// dialog units of the dialog's font. Shared by the panel and the About box.
#ifndef VELMORA_APP_WX_WX_TEMPLATE_H
#define VELMORA_APP_WX_WX_TEMPLATE_H

#include "res/dialog_templates.h"

#include <map>

#include <wx/string.h>

class wxDialog;
class wxWindow;

// Sets the dialog's font, size and title, then creates every control of the
// template in template order (so tab order follows it). The controls with
// an id are returned by id; hidden ones are created and never shown.
std::map<int, wxWindow*> BuildFromTemplate(wxDialog& dialog, const res::DialogTemplate& tmpl);

// The template's text as a wx label: '&' marks the mnemonic in both.
wxString LabelOf(std::string_view utf8);

#endif
