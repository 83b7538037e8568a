#include "app/wx/wx_gtk_style.h"

#include <gtk/gtk.h>

void ApplyCompactStyle() {
    static constexpr char kCss[] =
        "button { padding: 1px 6px; min-height: 0; min-width: 0; }"
        "entry { padding: 1px 4px; min-height: 0; }"
        "combobox button, combobox entry { padding-top: 0; padding-bottom: 0; min-height: 0; }";
    GtkCssProvider* css = gtk_css_provider_new();
    gtk_css_provider_load_from_data(css, kCss, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(css);
}
