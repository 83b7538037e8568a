// What the panel's controls need from GTK that wx does not offer. The
// adapter takes the GTK widget behind a wx control (GetHandle()).
//
//  [X] Accessible names: wx's SetName is no accessible name; the name is
//      set on the control's ATK object (and on a combo's entry, which holds
//      the focus), so screen readers say what the control is.
//  [X] The port combo shows long names whole: its open list takes the width
//      of its longest entry instead of the combo's 100 px, and the combo's
//      tooltip (which GTK also gives as its accessible description) is the
//      whole text of its field, rewritten on every change of the field.
#ifndef VELMORA_APP_WX_WX_GTK_CONTROLS_H
#define VELMORA_APP_WX_WX_GTK_CONTROLS_H

#include <string_view>

class wxComboBox;
class wxWindow;

void SetAccessibleName(wxWindow& control, std::string_view name);
void ShowWholeEntries(wxComboBox& combo);

#endif
