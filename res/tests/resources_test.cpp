// The resource tables and the files written from them: the templates'
// invariants, the .ico and the resource script.
#include "res/dialog_templates.h"
#include "res/icon_files.h"
#include "res/rc_writer.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>

namespace {

std::uint32_t Le(const std::string& s, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)]);
    return v;
}

TEST(Templates, ControlsHaveUniqueIdsAndLieInsideTheirDialog) {
    for (const res::DialogTemplate* d :
         {&res::PanelTemplate(), &res::AboutTemplate(), &res::TrendTemplate()}) {
        std::set<int> ids;
        for (const res::ControlTemplate& c : d->controls) {
            if (c.id != IDC_STATIC) {
                EXPECT_TRUE(ids.insert(c.id).second) << c.id;
            }
            EXPECT_LE(c.rect.x + c.rect.cx, d->cx) << c.text;
            EXPECT_LE(c.rect.y + c.rect.cy, d->cy + 50) << c.text;  // a combo's list may hang below
        }
    }
    EXPECT_EQ(res::PanelTemplate().controls.size(), 31u);
    EXPECT_EQ(res::PanelTemplate().controls.front().id, IDC_COMBO_PORT);  // first in tab order
}

TEST(Templates, StringTableHoldsTheSystemMenuItems) {
    EXPECT_EQ(res::LoadString(IDS_ABOUTBOX), "&Informazioni sul Velmora...");
    EXPECT_EQ(res::LoadString(IDS_TREND), "&Andamento...");
    EXPECT_EQ(res::LoadString(12345), "");
}

TEST(Templates, AccessibleNamesSayWhatEachControlIs) {
    const std::map<int, std::string_view> want = {
        {IDC_COMBO_PORT, "Porta"},
        {IDC_COMBO_ROWS, "Righe del display"},
        {IDC_COMBO_COLUMNS, "Caratteri per riga"},
        {IDC_EDIT_ROW1, "Riga 1"},
        {IDC_EDIT_ROW2, "Riga 2"},
        {IDC_EDIT_ROW3, "Riga 3"},
        {IDC_EDIT_ROW4, "Riga 4"},
        {IDC_BTN_ROW1, "Aggiorna riga 1"},
        {IDC_BTN_ROW2, "Aggiorna riga 2"},
        {IDC_BTN_ROW3, "Aggiorna riga 3"},
        {IDC_BTN_ROW4, "Aggiorna riga 4"},
        {IDC_CHK_ACQ_TEMP, "Acquisisci temperatura"},
        {IDC_CHK_ACQ_ANALOG, "Acquisisci ingresso analogico"}};
    std::map<int, std::string_view> got;
    for (const res::AccessibleName& n : res::PanelAccessibleNames()) {
        EXPECT_TRUE(got.emplace(n.id, n.name).second) << "named twice: " << n.id;
        const auto& controls = res::PanelTemplate().controls;
        EXPECT_NE(std::ranges::find(controls, n.id, &res::ControlTemplate::id), controls.end()) << n.id;
    }
    EXPECT_EQ(got, want);
}

TEST(IconFile, HoldsNineImagesOfThreeSizesAndDepths) {
    const std::string ico = res::IcoFile();
    ASSERT_GE(ico.size(), 6u + 9 * 16);
    EXPECT_EQ(Le(ico, 0, 2), 0u);
    EXPECT_EQ(Le(ico, 2, 2), 1u);  // an icon
    ASSERT_EQ(Le(ico, 4, 2), 9u);
    std::set<std::pair<int, int>> seen;
    for (std::size_t i = 0; i < 9; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const int size = static_cast<unsigned char>(ico[entry]);
        const int bits = static_cast<int>(Le(ico, entry + 6, 2));
        const std::uint32_t bytes = Le(ico, entry + 8, 4), offset = Le(ico, entry + 12, 4);
        seen.insert({size, bits});
        ASSERT_LE(offset + bytes, ico.size());
        EXPECT_EQ(Le(ico, offset, 4), 40u);                                  // BITMAPINFOHEADER
        EXPECT_EQ(Le(ico, offset + 8, 4), static_cast<std::uint32_t>(2 * size));  // colour + mask
        EXPECT_EQ(Le(ico, offset + 14, 2), static_cast<std::uint32_t>(bits));
    }
    EXPECT_EQ(seen, (std::set<std::pair<int, int>>{{48, 4}, {48, 8}, {48, 24}, {32, 4}, {32, 8},
                                                   {32, 24}, {16, 4}, {16, 8}, {16, 24}}));
}

TEST(ResourceScript, WritesTheTemplatesTheStringsAndTheVersionRecord) {
    const std::string rc = res::ResourceScript("velmora.ico", "velmora.manifest");
    for (const char* want :
         {"#pragma code_page(65001)", "LANGUAGE 16, 1", "128 ICON \"velmora.ico\"", "1 24 \"velmora.manifest\"", "100 DIALOGEX 0, 0, 235, 108",
          "102 DIALOGEX 0, 0, 321, 201\nSTYLE DS_MODALFRAME | DS_SHELLFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | "
          "WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_CENTER\n", "CAPTION \"Informazioni sul Velmora\"", "EXSTYLE WS_EX_APPWINDOW",
          "FONT 8, \"MS Shell Dlg\"", "101, \"&Informazioni sul Velmora...\"", "BLOCK \"041004e4\"", "VALUE \"Translation\", 1040, 1252",
          "COMBOBOX 1009, 178, 41, 32, 42, CBS_DROPDOWN | CBS_SORT",
          "PUSHBUTTON \"&Hello\", 1000, 239, 18, 50, 16, WS_TABSTOP | NOT WS_VISIBLE",
          "CONTROL \"LED 1\", 1019, \"Button\", BS_AUTOCHECKBOX | BS_PUSHLIKE",
          "RTEXT \"---°C\", 1029, 79, 153, 40, 8", "DEFPUSHBUTTON \"OK\", 1, 93, 85, 50, 16",
          "103 DIALOGEX 0, 0, 310, 210", "CAPTION \"Andamento\"", "104, \"&Andamento...\"",
          "CONTROL \"\", 1040, \"Static\", SS_OWNERDRAW, 7, 7, 296, 176",
          "COMBOBOX 1041, 7, 190, 50, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP",
          "PUSHBUTTON \"Salva CSV...\", 1042", "PUSHBUTTON \"Azzera\", 1043"})
        EXPECT_NE(rc.find(want), std::string::npos) << want;
    std::string commas = res::VersionText();
    std::ranges::replace(commas, '.', ',');
    for (const std::string& want : {"FILEVERSION " + commas + "\n", "PRODUCTVERSION " + commas + "\n",
                                    "VALUE \"FileVersion\", \"" + res::VersionText() + "\""})
        EXPECT_NE(rc.find(want), std::string::npos) << want;
    // The panel's controls in template order, which is the tab order.
    std::size_t at = rc.find("102 DIALOGEX");
    for (const res::ControlTemplate& c : res::PanelTemplate().controls) {
        if (c.id == IDC_STATIC) continue;
        const std::size_t next = rc.find(" " + std::to_string(c.id) + ",", at);
        ASSERT_NE(next, std::string::npos) << c.id;
        at = next;
    }
}

TEST(Manifest, AsksForTheCommonControlsOfVersion6) {
    const std::string manifest = res::Manifest();
    for (const std::string& want :
         std::initializer_list<std::string>{"<?xml version=\"1.0\"", "name=\"Velmora.Panel\" version=\"" + res::VersionText() + "\"",
          "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
          "publicKeyToken=\"6595b64144ccf1df\"", "</assembly>"})
        EXPECT_NE(manifest.find(want), std::string::npos) << want;
}

}  // namespace
