#include "app/wx/wx_gtk_controls.h"

#include <wx/combobox.h>

#include <gtk/gtk.h>

#include <string>

namespace {

void OnFieldChanged(GtkEditable* field, gpointer combo) {
    const gchar* text = gtk_entry_get_text(GTK_ENTRY(field));
    // No tooltip at all for an empty field, rather than an empty one.
    gtk_widget_set_tooltip_text(GTK_WIDGET(combo), *text != '\0' ? text : nullptr);
}

}  // namespace

void SetAccessibleName(wxWindow& control, std::string_view name) {
    const std::string text(name);
    GtkWidget* widget = control.GetHandle();
    atk_object_set_name(gtk_widget_get_accessible(widget), text.c_str());
    if (GTK_IS_COMBO_BOX(widget) && gtk_combo_box_get_has_entry(GTK_COMBO_BOX(widget)))
        atk_object_set_name(gtk_widget_get_accessible(gtk_bin_get_child(GTK_BIN(widget))), text.c_str());
    // A list is a tree view in a scrolled window: the view has the focus
    // and the rows, and is what a screen reader names.
    if (GTK_IS_SCROLLED_WINDOW(widget))
        atk_object_set_name(gtk_widget_get_accessible(gtk_bin_get_child(GTK_BIN(widget))), text.c_str());
}

void SetAccessibleDescription(wxWindow& control, std::string_view description) {
    AtkObject* accessible = gtk_widget_get_accessible(control.GetHandle());
    const std::string text(description);
    if (const gchar* now = atk_object_get_description(accessible); now == nullptr || text != now)
        atk_object_set_description(accessible, text.c_str());
}

void TipWholeText(wxComboBox& combo) {
    GtkWidget* widget = combo.GetHandle();
    GtkWidget* field = gtk_bin_get_child(GTK_BIN(widget));
    g_signal_connect(field, "changed", G_CALLBACK(OnFieldChanged), widget);
    OnFieldChanged(GTK_EDITABLE(field), widget);
}

void LookLikeLabel(wxWindow& field) {
    GtkWidget* widget = field.GetHandle();
    gtk_style_context_add_class(gtk_widget_get_style_context(widget), "velmora-value");
    gtk_entry_set_has_frame(GTK_ENTRY(widget), FALSE);
}
