#include "app/wx/wx_gtk_style.h"

#include "app/wx/wx_colour.h"
#include "panel/theme_colours.h"

#include <gtk/gtk.h>

#include <string>

namespace {

GtkCssProvider* g_toggles = nullptr;  // the toggles' colours, loaded again per theme

void AddProvider(GtkCssProvider* css) {
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
}

}  // namespace

void ApplyCompactStyle() {
    static constexpr char kCss[] =
        "button { padding: 1px 6px; min-height: 0; min-width: 0; }"
        "entry { padding: 1px 4px; min-height: 0; }"
        "combobox button, combobox entry { padding-top: 0; padding-bottom: 0; min-height: 0; }"
        // An editable combo's field gets the room its arrow button does not
        // need: "/dev/ttyACM0" shows whole in the port combo.
        "combobox entry { padding-left: 2px; padding-right: 2px; }"
        "combobox entry.combo + button.combo { padding-left: 1px; padding-right: 1px; }"
        // The clock and the readings: fields that look like labels.
        "entry.velmora-value, entry.velmora-value:disabled { background: none; border: none;"
        " box-shadow: none; padding: 0; min-height: 0; }";
    GtkCssProvider* css = gtk_css_provider_new();
    gtk_css_provider_load_from_data(css, kCss, -1, nullptr);
    AddProvider(css);
    g_object_unref(css);
    ApplyToggleColours();
}

void ApplyToggleColours() {
    // A pressed LED, BUZ or "Acquisisci" toggle must stand out from a
    // released one: the theme's own pressed look differs by about 1.4:1.
    const ToggleLook look = PressedToggleLook(ThemeColour(wxSYS_COLOUR_BTNFACE));
    const std::string css =
        "button.toggle:checked { background-image: none; background-color: " + HexText(look.face) +
        "; border-color: " + HexText(look.border) + "; color: " + HexText(look.text) + "; }"
        "button.toggle:checked:hover { background-color: " + HexText(look.hoverFace) + "; }"
        "button.toggle:checked:disabled { background-color: " + HexText(look.disabledFace) +
        "; color: " + HexText(look.disabledText) + "; }"
        "button.toggle:checked label { color: inherit; }";
    if (g_toggles == nullptr) {
        g_toggles = gtk_css_provider_new();  // kept for the program's life
        AddProvider(g_toggles);
    }
    gtk_css_provider_load_from_data(g_toggles, css.c_str(), -1, nullptr);
}
