// The wxWidgets panel window with the real panel behind it, on a real X
// display (the test runs under Xvfb).
#include "app/wx/wx_about_box.h"
#include "app/wx/wx_gtk_style.h"
#include "app/wx/wx_panel_window.h"
#include "app/wx/wx_port_watch.h"
#include "app/wx/wx_toolkit.h"
#include "link/port_discovery.h"
#include "panel/colour_contrast.h"
#include "res/dialog_templates.h"
#include "res/port_list.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include <unistd.h>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/utils.h>

#include <gtk/gtk.h>

namespace {

struct WxPanel : ::testing::Test {
    WxPanelWindow* window = new WxPanelWindow(nullptr, "velmora");
    CPanelDlg dlg{*window};
    void SetUp() override {
        window->Attach(&dlg);
        dlg.OnInitDialog();
    }
    void TearDown() override {
        window->Attach(nullptr);
        window->Destroy();
        wxTheApp->ProcessIdle();
    }
    wxWindow* Control(int id) { return window->FindWindow(id); }
    wxTextCtrl& Edit(int id) { return dynamic_cast<wxTextCtrl&>(*Control(id)); }
};

wxString Shown(const wxWindow* w) {
    if (const auto* t = dynamic_cast<const wxTextCtrl*>(w)) return t->GetValue();
    if (const auto* c = dynamic_cast<const wxComboBox*>(w)) return c->GetValue();
    return w->GetLabel();
}

TEST_F(WxPanel, ShowsEveryControlInTemplateOrderWithItsTextAndState) {
    EXPECT_EQ(window->GetTitle(), "Velmora");
    const auto& controls = res::PanelTemplate().controls;
    const wxWindowList& children = window->GetChildren();
    ASSERT_EQ(children.size(), controls.size());
    // What the initialisation leaves in the controls that have no label of their own.
    const std::map<int, std::string> value = {
        {IDC_COMBO_PORT, "COM3"}, {IDC_COMBO_ROWS, "4"},      {IDC_COMBO_COLUMNS, "16"},
        {IDC_EDIT_ROW1, "Riga 1"}, {IDC_EDIT_ROW2, "Riga 2"}, {IDC_EDIT_ROW3, "Riga 3"},
        {IDC_EDIT_ROW4, "Riga 4"}, {IDC_CLOCK, "00:00:00"},   {IDC_TEMP, "---°C"},
        {IDC_ANALOG, "---"}};
    const std::set<int> enabled = {IDC_COMBO_PORT, IDC_BTN_ON, IDC_COMBO_ROWS, IDC_COMBO_COLUMNS,
                                   IDC_BTN_HELLO, IDCANCEL, IDC_CLOCK, -1};
    auto child = children.begin();
    for (const res::ControlTemplate& c : controls) {
        const wxWindow* w = *child++;
        SCOPED_TRACE(std::string(c.text) + " " + std::to_string(c.id));
        if (c.id > 0) {
            EXPECT_EQ(w->GetId(), c.id);
        }
        const auto v = value.find(c.id);
        const std::string_view text = v != value.end() ? std::string_view(v->second) : c.text;
        const wxString want = wxString::FromUTF8(text.data(), text.size());
        EXPECT_EQ(Shown(w), want);
        EXPECT_EQ(w->IsThisEnabled(), enabled.count(c.id) == 1);
        EXPECT_EQ(w->IsShown(), c.id != IDC_BTN_HELLO);
    }
}

TEST_F(WxPanel, CombosListTheirEntriesAsShown) {
    const auto list = [&](int id) { return window->GetComboList(id); };
    EXPECT_EQ(list(IDC_COMBO_COLUMNS), (std::vector<std::string>{"16", "20", "40", "8"}));
    EXPECT_EQ(list(IDC_COMBO_ROWS), (std::vector<std::string>{"1", "2", "4"}));
    // COM1..COM10 first, then the ports present on this machine.
    const std::vector<std::string> ports = list(IDC_COMBO_PORT);
    ASSERT_GE(ports.size(), 10u);
    EXPECT_EQ(ports[0], "COM1");
    EXPECT_EQ(ports[9], "COM10");
    EXPECT_EQ(std::vector<std::string>(ports.begin() + 10, ports.end()), port::PresentPorts());
}

TEST_F(WxPanel, ListingThePortsAgainDropsGoneOnesAndLeavesTheFieldAsTyped) {
    auto& combo = dynamic_cast<wxComboBox&>(*Control(IDC_COMBO_PORT));
    // A port that has gone since the list was made, chosen, then edited.
    combo.Append("/dev/serial/by-id/usb-Gone-if00 (ttyACM9)");
    combo.SetSelection(static_cast<int>(combo.GetCount()) - 1);
    combo.SetFocus();
    combo.SetInsertionPointEnd();
    combo.WriteText("x");
    combo.SetSelection(5, 9);  // the text selection in the field
    const wxString typed = combo.GetValue();
    window->RefreshPortList();
    EXPECT_EQ(window->GetComboList(IDC_COMBO_PORT), res::PortList(port::PresentPorts()));
    EXPECT_EQ(combo.GetValue(), typed);
    long from = 0, to = 0;
    combo.GetSelection(&from, &to);
    EXPECT_EQ(from, 5);
    EXPECT_EQ(to, 9);
}

TEST_F(WxPanel, ARowEditorRefusesTypingPastTheLimitButKeepsLongerTextItWasGiven) {
    wxTextCtrl& row = Edit(IDC_EDIT_ROW1);
    row.ChangeValue("");
    window->LimitText(IDC_EDIT_ROW1, 16);
    row.SetInsertionPointEnd();
    row.WriteText(wxString::FromUTF8("quindici car. è"));  // 15 characters, 16 bytes
    row.WriteText("x");
    EXPECT_EQ(row.GetValue(), wxString::FromUTF8("quindici car. èx"));
    row.WriteText("y");  // the seventeenth
    EXPECT_EQ(row.GetValue(), wxString::FromUTF8("quindici car. èx"));

    window->SetText(IDC_EDIT_ROW1, "una riga più lunga di otto");
    window->LimitText(IDC_EDIT_ROW1, 8);
    EXPECT_EQ(window->GetText(IDC_EDIT_ROW1), "una riga più lunga di otto");
    row.SetInsertionPoint(0);
    row.WriteText("z");  // still too long: refused
    EXPECT_EQ(window->GetText(IDC_EDIT_ROW1), "una riga più lunga di otto");
    row.Remove(0, 4);    // shortening is always allowed
    EXPECT_EQ(window->GetText(IDC_EDIT_ROW1), "riga più lunga di otto");
}

TEST_F(WxPanel, StaticTextsShowAnAmpersandFromTheBoard) {
    window->SetText(IDC_ANALOG, "1&2");
    EXPECT_EQ(window->GetText(IDC_ANALOG), "1&2");
}

// The colour most pixels of `control` have, as GTK draws it now.
Rgb DrawnFace(wxWindow& control) {
    GtkWidget* widget = control.GetHandle();
    const int w = gtk_widget_get_allocated_width(widget), h = gtk_widget_get_allocated_height(widget);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_t* cr = cairo_create(surface);
    gtk_widget_draw(widget, cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    std::map<std::uint32_t, int> count;
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) ++count[*reinterpret_cast<const std::uint32_t*>(data + y * stride + 4 * x) & 0xFFFFFF];
    cairo_surface_destroy(surface);
    const std::uint32_t most = std::ranges::max_element(count, {}, &std::pair<const std::uint32_t, int>::second)->first;
    return {static_cast<std::uint8_t>(most >> 16), static_cast<std::uint8_t>(most >> 8), static_cast<std::uint8_t>(most)};
}

void SettleGtk() {
    for (int i = 0; i < 20; ++i) {
        while (g_main_context_iteration(nullptr, FALSE)) {}
        wxMilliSleep(10);
    }
}

TEST_F(WxPanel, APressedToggleStandsOutInTheThemeAndAfterTheThemeChanges) {
    ApplyToggleColours();  // as the program does at its start
    window->Show();
    window->SetCheck(IDC_CHK_LED1, true);
    window->EnableControl(IDC_CHK_LED1, true);
    window->EnableControl(IDC_CHK_LED2, true);
    GtkSettings* settings = gtk_settings_get_default();
    gchar* before = nullptr;
    g_object_get(settings, "gtk-theme-name", &before, nullptr);
    // A light theme, then a dark one: the dark blue that stands out on the
    // first would not on the second.
    for (const char* theme : {"Adwaita", "HighContrastInverse"}) {
        g_object_set(settings, "gtk-theme-name", theme, nullptr);
        SettleGtk();
        const Rgb pressed = DrawnFace(*Control(IDC_CHK_LED1)), released = DrawnFace(*Control(IDC_CHK_LED2));
        EXPECT_GE(ContrastRatio(pressed, released), 3.0)
            << theme << ": " << HexText(pressed) << " pressed, " << HexText(released) << " released";
    }
    g_object_set(settings, "gtk-theme-name", before, nullptr);
    g_free(before);
    SettleGtk();
}

TEST_F(WxPanel, SelectingAComboEntryShowsItsWholeText) {
    // The store takes the typed text, and shows it back through the list.
    window->SetText(IDC_COMBO_COLUMNS, "4");
    dlg.ExchangeData(Exchange::ToStore);
    dlg.ExchangeData(Exchange::ToControls);
    EXPECT_EQ(window->GetText(IDC_COMBO_COLUMNS), "40");
    window->SetText(IDC_COMBO_COLUMNS, "12");
    dlg.ExchangeData(Exchange::ToStore);
    dlg.ExchangeData(Exchange::ToControls);
    EXPECT_EQ(window->GetText(IDC_COMBO_COLUMNS), "12");
}

TEST_F(WxPanel, TogglesAndEnableStatesFollowThePanel) {
    window->SetCheck(IDC_CHK_LED3, true);
    EXPECT_TRUE(window->GetCheck(IDC_CHK_LED3));
    window->EnableControl(IDC_CHK_LED3, true);
    EXPECT_TRUE(Control(IDC_CHK_LED3)->IsEnabled());
}

// The focus orders: GTK selects an entry's whole text as it takes the focus,
// and the caret put back leaves nothing selected, in an edit and in a
// combo's entry; the focus is told even while the window is not active.
TEST_F(WxPanel, AFocusedEditorGetsItsCaretBackWithNothingSelected) {
    window->Show();
    for (const int id : {IDC_EDIT_ROW2, IDC_COMBO_PORT}) {
        SCOPED_TRACE(id);
        dlg.ApplyEnableSet(ConnectedSet());
        window->SetText(id, "ciao mondo");
        auto& entry = dynamic_cast<wxTextEntry&>(*Control(id));
        entry.SetInsertionPoint(5);
        EXPECT_EQ(window->CaretPosition(id), 5);
        window->FocusControl(IDC_BTN_LAYOUT);
        EXPECT_EQ(window->FocusedControl(), IDC_BTN_LAYOUT);
        window->FocusControl(id);
        EXPECT_EQ(window->FocusedControl(), id);
        long from = 0, to = 0;
        entry.GetSelection(&from, &to);
        EXPECT_EQ(to - from, 10);  // GTK selected it all: the next key would replace it
        window->SetCaret(id, 5);
        entry.GetSelection(&from, &to);
        EXPECT_EQ(from, to);
        EXPECT_EQ(entry.GetInsertionPoint(), 5);
        window->SetCaret(id, 99);  // past the end: at the end
        EXPECT_EQ(entry.GetInsertionPoint(), 10);
    }
}

// GTK's own behaviour, which the port list relies on for its long names.
TEST(WxGtkControls, ACombosOpenListIsAsWideAsItsLongestEntry) {
    wxDialog dialog(nullptr, wxID_ANY, "list");
    const wxString longName = "/dev/serial/by-id/usb-Velmora_Demo_Board_000000000000001-if00 (ttyACM0)";
    const wxString entries[] = {"COM1", longName};
    auto* combo = new wxComboBox(&dialog, wxID_ANY, "COM1", wxDefaultPosition, wxSize(100, -1), 2, entries);
    dialog.Show();
    GtkComboBox* gtk = GTK_COMBO_BOX(combo->GetHandle());
    gtk_combo_box_popup(gtk);
    GtkWidget* list = gtk_accessible_get_widget(GTK_ACCESSIBLE(gtk_combo_box_get_popup_accessible(gtk)));
    for (int i = 0; i < 100 && gtk_widget_get_allocated_width(list) <= 1; ++i) {
        while (g_main_context_iteration(nullptr, FALSE)) {}
        wxMilliSleep(20);
    }
    const int textWidth = combo->GetTextExtent(longName).x;
    EXPECT_GE(gtk_widget_get_allocated_width(list), textWidth);
    EXPECT_GT(textWidth, 100);
    gtk_combo_box_popdown(gtk);
}

TEST(WxPortWatch, CallsBackFromAModalLoopWhenASerialDeviceComes) {
    namespace fs = std::filesystem;
    const fs::path dev = fs::path(::testing::TempDir()) / ("velmora-wxwatch-" + std::to_string(::getpid()));
    fs::remove_all(dev);
    fs::create_directories(dev);
    wxDialog modal(nullptr, wxID_ANY, "watch");
    int calls = 0;
    WxPortWatch watch(
        [&] {
            ++calls;
            modal.EndModal(wxID_OK);
        },
        dev.string());
    modal.CallAfter([&] {
        std::ofstream(dev / "video0");  // not a serial device: no call
        std::ofstream(dev / "ttyUSB0");
    });
    wxTimer giveUp;
    giveUp.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { modal.EndModal(wxID_CANCEL); });
    giveUp.StartOnce(3000);
    EXPECT_EQ(modal.ShowModal(), wxID_OK);
    EXPECT_EQ(calls, 1);
    fs::remove_all(dev);
}

TEST(WxAbout, TheAboutBoxHoldsItsTemplate) {
    WxAboutBox about(nullptr);
    EXPECT_EQ(about.GetTitle(), "Informazioni sul Velmora");
    std::vector<wxString> labels;
    for (const wxWindow* w : about.GetChildren()) labels.push_back(w->GetLabel());
    ASSERT_EQ(labels.size(), 5u);
    EXPECT_EQ(labels[1], "Velmora, Versione 1.0");
    EXPECT_EQ(labels[2], "Collaudato con PIC18F2455 e PIC18F2550");
    EXPECT_EQ(labels[3], "Compatibile con PIC18F4455 e PIC18F4550");
    EXPECT_EQ(labels[4], "OK");
    EXPECT_EQ(about.GetAffirmativeId(), IDOK);
    EXPECT_EQ(about.GetEscapeId(), IDOK);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const WxToolkit toolkit(argc, argv);  // as the programs start it
    if (!toolkit.Started()) {
        std::fprintf(stderr, "no X display: run under xvfb-run\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
