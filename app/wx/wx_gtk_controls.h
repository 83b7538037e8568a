// What the panel's controls need from GTK that wx does not offer. The
// adapter takes the GTK widget behind a wx control (GetHandle()).
//
//  [X] Accessible names: wx's SetName is no accessible name; the name is
//      set on the control's ATK object (and on a combo's entry or a list's
//      tree view, which hold the focus), so screen readers say what the control is. Descriptions
//      likewise.
//  [X] A combo's field shows long names whole as its tooltip (which GTK
//      also gives as its accessible description), rewritten on every change
//      of the field. Its open list needs nothing: GTK's menu is as wide as
//      its longest entry already.
//  [X] Values that change every second are read-only fields drawn as
//      labels, since a GtkLabel's new text lays the whole window out again.
#ifndef VELMORA_APP_WX_WX_GTK_CONTROLS_H
#define VELMORA_APP_WX_WX_GTK_CONTROLS_H

#include <string_view>

class wxComboBox;
class wxWindow;

void SetAccessibleName(wxWindow& control, std::string_view name);
// What a screen reader reads after the name; written only when it changes.
void SetAccessibleDescription(wxWindow& control, std::string_view description);
void TipWholeText(wxComboBox& combo);
void LookLikeLabel(wxWindow& field);

#endif
