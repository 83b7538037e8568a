#include "app/wx/wx_side_window.h"

#include "panel/window_placement.h"

#include <wx/display.h>
#include <wx/window.h>

#include <gtk/gtk.h>

void PlaceBesidePanel(wxWindow& window, const wxWindow& panel) {
    const int display = wxDisplay::GetFromWindow(&panel);
    const wxRect work = wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea();
    const wxRect owner = panel.GetScreenRect();
    const wxSize size = window.GetSize();
    const ScreenPoint at = PlaceBeside({work.x, work.y, work.width, work.height},
                                       {owner.x, owner.y, owner.width, owner.height}, size.x, size.y,
                                       panel.FromDIP(8));
    window.Move(at.x, at.y);
}

void GroupOfItsOwn(wxWindow& window) {
    GtkWindow* gtkWindow = GTK_WINDOW(window.GetHandle());
    if (gtk_window_has_group(gtkWindow)) gtk_window_group_remove_window(gtk_window_get_group(gtkWindow), gtkWindow);
    // Out of the default group, GTK drops the grabs the window held there.
    GtkWindowGroup* group = gtk_window_group_new();
    gtk_window_group_add_window(group, gtkWindow);
    g_object_unref(group);  // the window keeps it
}
