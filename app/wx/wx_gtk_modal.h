// Ending the loops GTK runs natively for the panel, out of reach of wx's
// EndModal: a message box's and a popup menu's. The panel's window ends
// them when it is told to close while one is open.
#ifndef VELMORA_APP_WX_WX_GTK_MODAL_H
#define VELMORA_APP_WX_WX_GTK_MODAL_H

class wxMenu;
class wxMessageDialog;

// As if OK were pressed: its ShowModal returns.
void AnswerOk(wxMessageDialog& box);
// Closes the menu shown by a popup call, which then returns with no item.
void PopDown(wxMenu& menu);

#endif
