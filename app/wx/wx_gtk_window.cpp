#include "app/wx/wx_gtk_window.h"

#include <wx/window.h>

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

namespace {

void OnRealized(GtkWidget* window, gpointer) {
    GdkWindow* gdkWindow = gtk_widget_get_window(window);
    if (GDK_IS_X11_WINDOW(gdkWindow)) gdk_x11_window_set_frame_sync_enabled(gdkWindow, FALSE);
}

}  // namespace

void PaintWithoutFrameSync(wxWindow& topLevel) {
    GtkWidget* window = topLevel.GetHandle();
    if (gtk_widget_get_realized(window))
        OnRealized(window, nullptr);
    else
        g_signal_connect(window, "realize", G_CALLBACK(OnRealized), nullptr);
}

bool KeepsFocusWithin(wxWindow& topLevel, const wxWindow& control) {
    for (GtkWidget* w = gtk_window_get_focus(GTK_WINDOW(topLevel.GetHandle())); w != nullptr;
         w = gtk_widget_get_parent(w))
        if (w == control.GetHandle()) return true;
    return false;
}
