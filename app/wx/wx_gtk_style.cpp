#include "app/wx/wx_gtk_style.h"

#include <gtk/gtk.h>

void ApplyCompactStyle() {
    static constexpr char kCss[] =
        "button { padding: 1px 6px; min-height: 0; min-width: 0; }"
        "entry { padding: 1px 4px; min-height: 0; }"
        "combobox button, combobox entry { padding-top: 0; padding-bottom: 0; min-height: 0; }"
        // A pressed LED, BUZ or "Acquisisci" toggle must stand out from a
        // released one (the theme gives about 1.4:1): dark blue with white
        // text is over 5:1 against the theme's light buttons, and stays
        // over 3:1 while disabled.
        "button.toggle:checked { background-image: none; background-color: #2a5699;"
        " border-color: #1b3a66; color: #ffffff; }"
        "button.toggle:checked:hover { background-color: #23497f; }"
        "button.toggle:checked:disabled { background-color: #6d87ad; color: #f0f0f0; }"
        "button.toggle:checked label { color: inherit; }"
        // The clock and the readings: fields that look like labels.
        "entry.velmora-value, entry.velmora-value:disabled { background: none; border: none;"
        " box-shadow: none; padding: 0; min-height: 0; }";
    GtkCssProvider* css = gtk_css_provider_new();
    gtk_css_provider_load_from_data(css, kCss, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(css);
}
