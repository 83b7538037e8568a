// The resource tables and the files written from them: the templates'
// invariants, the resource scripts and the manifests. (The .ico, which
// needs zlib, is in icon_files_test.cpp.)
#include "res/dialog_templates.h"
#include "res/rc_writer.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

TEST(Templates, ControlsHaveUniqueIdsAndLieInsideTheirDialog) {
    for (const res::DialogTemplate* d :
         {&res::PanelTemplate(), &res::AboutTemplate(), &res::TrendTemplate(), &res::TrafficTemplate()}) {
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
    EXPECT_EQ(res::LoadString(IDS_TRAFFIC), "&Traffico...");
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

TEST(ResourceScript, WritesTheTemplatesAndTheStrings) {
    const std::string rc = res::ResourceScript("velmora.ico", "velmora.manifest");
    for (const char* want :
         {"100 DIALOGEX 0, 0, 235, 108",
          "102 DIALOGEX 0, 0, 321, 201\nSTYLE DS_MODALFRAME | DS_SHELLFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | "
          "WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_CENTER\n", "CAPTION \"Informazioni sul Velmora\"", "EXSTYLE WS_EX_APPWINDOW",
          "FONT 8, \"MS Shell Dlg\"", "101, \"&Informazioni sul Velmora...\"",
          "COMBOBOX 1009, 178, 41, 32, 42, CBS_DROPDOWN | CBS_SORT",
          "PUSHBUTTON \"&Hello\", 1000, 239, 18, 50, 16, WS_TABSTOP | NOT WS_VISIBLE",
          "CONTROL \"LED 1\", 1019, \"Button\", BS_AUTOCHECKBOX | BS_PUSHLIKE",
          "RTEXT \"---°C\", 1029, 79, 153, 40, 8", "DEFPUSHBUTTON \"OK\", 1, 93, 85, 50, 16",
          "103 DIALOGEX 0, 0, 310, 210", "CAPTION \"Andamento\"", "104, \"&Andamento...\"",
          "CONTROL \"\", 1040, \"Static\", SS_OWNERDRAW, 7, 7, 296, 176",
          "COMBOBOX 1041, 7, 190, 50, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP",
          "PUSHBUTTON \"Salva CSV...\", 1042", "PUSHBUTTON \"Azzera\", 1043",
          "105 DIALOGEX 0, 0, 460, 214\nSTYLE DS_MODALFRAME | DS_SHELLFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | "
          "WS_MINIMIZEBOX\n", "CAPTION \"Traffico\"", "106, \"&Traffico...\"",
          "LISTBOX 1050, 7, 7, 446, 180, LBS_NOTIFY | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | "
          "WS_HSCROLL | WS_BORDER | WS_TABSTOP\n",
          "PUSHBUTTON \"&Pausa\", 1051, 7, 193, 60, 14, WS_TABSTOP\n", "PUSHBUTTON \"A&zzera\", 1052, 71, 193, 60, 14",
          "PUSHBUTTON \"&Copia\", 1054, 329, 193, 60, 14", "PUSHBUTTON \"&Salva...\", 1053, 393, 193, 60, 14"})
        EXPECT_NE(rc.find(want), std::string::npos) << want;
    // The panel's and the traffic window's controls in template order,
    // which is the tab order.
    for (const res::DialogTemplate* d : {&res::PanelTemplate(), &res::TrafficTemplate()}) {
        std::size_t at = rc.find(std::to_string(d->id) + " DIALOGEX");
        ASSERT_NE(at, std::string::npos) << d->id;
        for (const res::ControlTemplate& c : d->controls) {
            if (c.id == IDC_STATIC) continue;
            const std::size_t next = rc.find(" " + std::to_string(c.id) + ",", at);
            ASSERT_NE(next, std::string::npos) << c.id;
            at = next;
        }
    }
}

// Both programs' records differ only in what names the program.
TEST(ResourceScript, BothProgramsCarryTheVersionTheCopyrightAndTheirOwnNames) {
    std::string commas = res::VersionText();
    std::ranges::replace(commas, '.', ',');
    const std::string v = res::VersionText();
    const struct {
        std::string rc;
        std::vector<std::string> want;
    } cases[] = {
        {res::ResourceScript("velmora.ico", "velmora.manifest"),
         {"VALUE \"FileDescription\", \"Velmora\"\n", "VALUE \"InternalName\", \"velmora\"\n",
          "VALUE \"OriginalFilename\", \"velmora.exe\"\n", "1 24 \"velmora.manifest\""}},
        {res::CliResourceScript("velmora.ico", "velmora-cli.manifest"),
         {"VALUE \"FileDescription\", \"Velmora command line\"\n", "VALUE \"InternalName\", \"velmora-cli\"\n",
          "VALUE \"OriginalFilename\", \"velmora-cli.exe\"\n", "1 24 \"velmora-cli.manifest\""}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> want = {
            "#pragma code_page(65001)\n", "LANGUAGE 16, 1\n", "128 ICON \"velmora.ico\"", "FILEVERSION " + commas + "\n",
            "PRODUCTVERSION " + commas + "\n", "VALUE \"FileVersion\", \"" + v + "\"\n",
            "VALUE \"ProductVersion\", \"" + v + "\"\n", "VALUE \"ProductName\", \"Velmora\"\n",
            "VALUE \"LegalCopyright\", \"Copyright \u00A9 2026 the Velmora authors\"\n",
            "VALUE \"CompanyName\", \"the Velmora authors\"\n", "BLOCK \"041004e4\"",
            "VALUE \"Translation\", 1040, 1252"};
        want.insert(want.end(), c.want.begin(), c.want.end());
        for (const std::string& w : want) EXPECT_NE(c.rc.find(w), std::string::npos) << w;
    }
    // The command line's script holds no dialogs and no strings.
    const std::string cli = res::CliResourceScript("velmora.ico", "velmora-cli.manifest");
    EXPECT_EQ(cli.find("DIALOGEX"), std::string::npos);
    EXPECT_EQ(cli.find("STRINGTABLE"), std::string::npos);
}

constexpr const char* kSupportedOs[] = {
    "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>",   // 7
    "<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>",   // 8
    "<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>",   // 8.1
    "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>"};  // 10 and 11

constexpr const char* kWindowed[] = {
    "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"", "publicKeyToken=\"6595b64144ccf1df\"",
    "<application xmlns=\"urn:schemas-microsoft-com:asm.v3\">\n    <windowsSettings>",
    "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
    "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, PerMonitor</dpiAwareness>"};

TEST(Manifest, NamesTheWindowsVersionsAndAsksForNoElevation) {
    for (const res::WindowsProgram* program : {&res::PanelProgram(), &res::CliProgram()}) {
        const std::string manifest = res::Manifest(*program);
        std::vector<std::string> want = {
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">",
            "name=\"" + std::string(program->assemblyName) + "\" version=\"" + res::VersionText() + "\"",
            "<compatibility xmlns=\"urn:schemas-microsoft-com:compatibility.v1\">\n    <application>",
            "<trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v3\">",
            "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>", "</assembly>\n"};
        want.insert(want.end(), std::begin(kSupportedOs), std::end(kSupportedOs));
        for (const std::string& w : want) EXPECT_NE(manifest.find(w), std::string::npos) << program->file << ": " << w;
        // Only the program with windows takes the common controls and says how it scales.
        for (const char* w : kWindowed)
            EXPECT_EQ(manifest.find(w) != std::string::npos, program->windowed) << program->file << ": " << w;
    }
}

}  // namespace
