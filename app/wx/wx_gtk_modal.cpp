#include "app/wx/wx_gtk_modal.h"

#include <wx/menu.h>
#include <wx/msgdlg.h>

#include <gtk/gtk.h>

void AnswerOk(wxMessageDialog& box) { gtk_dialog_response(GTK_DIALOG(box.GetHandle()), GTK_RESPONSE_OK); }

void PopDown(wxMenu& menu) { gtk_menu_popdown(GTK_MENU(menu.m_menu)); }
