#include "res/rc_writer.h"

#include "res/dialog_templates.h"
#include "res/resource.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <utility>

namespace res {
namespace {

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string Rect4(const Rect& r) {
    return std::to_string(r.x) + ", " + std::to_string(r.y) + ", " + std::to_string(r.cx) + ", " +
           std::to_string(r.cy);
}

std::string Id(int id) { return id < 0 ? "IDC_STATIC" : std::to_string(id); }

std::string Control(const ControlTemplate& c) {
    const std::string at = Rect4(c.rect);
    const std::string hidden = (c.flags & kHidden) != 0 ? " | NOT WS_VISIBLE" : "";
    const std::string sorted = (c.flags & kSorted) != 0 ? " | CBS_SORT" : "";
    switch (c.kind) {
    case ControlKind::ComboDropDown:
        // No CBS_AUTOHSCROLL: the edit parts hold what fits their width.
        return "COMBOBOX " + Id(c.id) + ", " + at + ", CBS_DROPDOWN" + sorted +
               " | WS_VSCROLL | WS_TABSTOP" + hidden;
    case ControlKind::PushButton:
        return "PUSHBUTTON " + Quoted(c.text) + ", " + Id(c.id) + ", " + at + ", WS_TABSTOP" + hidden;
    case ControlKind::DefPushButton:
        return "DEFPUSHBUTTON " + Quoted(c.text) + ", " + Id(c.id) + ", " + at + ", WS_GROUP | WS_TABSTOP" + hidden;
    case ControlKind::ToggleButton:
        return "CONTROL " + Quoted(c.text) + ", " + Id(c.id) +
               ", \"Button\", BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP" + hidden + ", " + at;
    case ControlKind::Edit:
        return "EDITTEXT " + Id(c.id) + ", " + at + ", ES_AUTOHSCROLL" + hidden;
    case ControlKind::Text:
        return "LTEXT " + Quoted(c.text) + ", " + Id(c.id) + ", " + at + hidden;
    case ControlKind::TextRight:
        // Value fields show the board's bytes; an '&' among them is no mnemonic.
        return "RTEXT " + Quoted(c.text) + ", " + Id(c.id) + ", " + at + ", SS_NOPREFIX" + hidden;
    case ControlKind::Icon:
        return "ICON " + std::to_string(c.iconId) + ", " + Id(c.id) + ", " + at;
    case ControlKind::ComboDropList:
        return "COMBOBOX " + Id(c.id) + ", " + at + ", CBS_DROPDOWNLIST" + sorted +
               " | WS_VSCROLL | WS_TABSTOP" + hidden;
    case ControlKind::Chart:
        return "CONTROL \"\", " + Id(c.id) + ", \"Static\", SS_OWNERDRAW" + hidden + ", " + at;
    case ControlKind::List:
        // Lines come and go as the window follows its log: no sorting, no
        // height snapped to whole lines, and shift/ctrl selection for Copia.
        return "LISTBOX " + Id(c.id) + ", " + at +
               ", LBS_NOTIFY | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_BORDER | "
               "WS_TABSTOP" + hidden;
    }
    return {};
}

std::string Dialog(const DialogTemplate& d) {
    std::string style = "DS_MODALFRAME | DS_SHELLFONT | WS_POPUP";
    if ((d.style & kCaption) != 0) style += " | WS_CAPTION";
    if ((d.style & kSysMenu) != 0) style += " | WS_SYSMENU";
    if ((d.style & kMinimizeBox) != 0) style += " | WS_MINIMIZEBOX";
    if ((d.style & kMaximizeBox) != 0) style += " | WS_MAXIMIZEBOX";
    if ((d.style & kCentred) != 0) style += " | DS_CENTER";
    std::string out = std::to_string(d.id) + " DIALOGEX 0, 0, " + std::to_string(d.cx) + ", " +
                      std::to_string(d.cy) + "\nSTYLE " + style + "\n";
    if ((d.style & kAppWindow) != 0) out += "EXSTYLE WS_EX_APPWINDOW\n";
    out += "CAPTION " + Quoted(d.title) + "\nFONT " + std::to_string(d.pointSize) + ", " +
           Quoted(d.font) + ", 0, 0, 0x1\nBEGIN\n";
    for (const ControlTemplate& c : d.controls) out += "    " + Control(c) + "\n";
    return out + "END\n\n";
}

std::string Version(char separator) {
    std::string out = VersionText();
    std::ranges::replace(out, '.', separator);
    return out;
}

std::string Icon(const std::string& iconFile) {
    return std::to_string(IDR_MAINFRAME) + " ICON " + Quoted(iconFile) + "\n\n";
}

// Resource 1 of type 24: the manifest the loader reads as the process starts.
std::string ManifestResource(const std::string& manifestFile) { return "1 24 " + Quoted(manifestFile) + "\n\n"; }

std::string Header(std::string_view from) {
    return "// Written by velmora-res from " + std::string(from) + " at build time.\n"
           "#pragma code_page(65001)\n"
           "#include <windows.h>\n"
           "#include \"res/resource.h\"\n\n"
           "LANGUAGE " + std::to_string(kLanguage & 0x3FF) + ", " + std::to_string(kLanguage >> 10) + "\n\n";
}

std::string VersionRecord(const WindowsProgram& program) {
    const std::string v = Version(',');
    const std::string dotted = Version('.');
    const std::string_view file = program.file;
    const std::string_view internal = file.substr(0, file.rfind('.'));
    char block[16];
    std::snprintf(block, sizeof block, "%04x%04x", kLanguage, kCodePage);
    const std::pair<std::string_view, std::string> values[] = {
        {"CompanyName", std::string(kAuthors)},     {"FileDescription", std::string(program.description)},
        {"FileVersion", dotted},                    {"InternalName", std::string(internal)},
        {"LegalCopyright", std::string(kCopyright)}, {"OriginalFilename", std::string(file)},
        {"ProductName", "Velmora"},                 {"ProductVersion", dotted}};
    std::string out = "1 VERSIONINFO\nFILEVERSION " + v + "\nPRODUCTVERSION " + v +
                      "\nFILEFLAGSMASK 0x3F\nFILEFLAGS 0\nFILEOS VOS_NT_WINDOWS32\nFILETYPE VFT_APP\n"
                      "FILESUBTYPE 0\nBEGIN\n    BLOCK \"StringFileInfo\"\n    BEGIN\n        BLOCK \"" +
                      std::string(block) + "\"\n        BEGIN\n";
    for (const auto& [name, value] : values)
        out += "            VALUE " + Quoted(name) + ", " + Quoted(value) + "\n";
    return out + "        END\n    END\n    BLOCK \"VarFileInfo\"\n    BEGIN\n"
                 "        VALUE \"Translation\", " + std::to_string(kLanguage) + ", " +
           std::to_string(kCodePage) + "\n    END\nEND\n";
}

}  // namespace

const WindowsProgram& PanelProgram() {
    static const WindowsProgram program{"velmora.exe", "Velmora", "Velmora.Panel", true};
    return program;
}

const WindowsProgram& CliProgram() {
    static const WindowsProgram program{"velmora-cli.exe", "Velmora command line", "Velmora.Cli", false};
    return program;
}

std::string Manifest(const WindowsProgram& program) {
    constexpr std::pair<std::string_view, std::string_view> kSupportedOs[] = {
        {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "Windows 7"},
        {"4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38", "Windows 8"},
        {"1f676c76-80e1-4239-95bb-83d0f6d0da78", "Windows 8.1"},
        {"8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a", "Windows 10 and 11"}};
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\n"
        "  <assemblyIdentity type=\"win32\" name=\"" + std::string(program.assemblyName) + "\" version=\"" +
        Version('.') + "\" processorArchitecture=\"*\"/>\n"
        "  <compatibility xmlns=\"urn:schemas-microsoft-com:compatibility.v1\">\n"
        "    <application>\n";
    for (const auto& [id, name] : kSupportedOs)
        out += "      <supportedOS Id=\"{" + std::string(id) + "}\"/>  <!-- " + std::string(name) + " -->\n";
    out += "    </application>\n"
           "  </compatibility>\n"
           "  <trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v3\">\n"
           "    <security>\n"
           "      <requestedPrivileges>\n"
           "        <requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>\n"
           "      </requestedPrivileges>\n"
           "    </security>\n"
           "  </trustInfo>\n";
    if (program.windowed)
        // Windows 10 from 1607 reads dpiAwareness and takes the first mode it
        // knows (PerMonitorV2 from 1703); older ones read dpiAware: 8.1 as per
        // monitor, 7 and 8 as system-wide.
        out += "  <application xmlns=\"urn:schemas-microsoft-com:asm.v3\">\n"
               "    <windowsSettings>\n"
               "      <dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>\n"
               "      <dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, PerMonitor</dpiAwareness>\n"
               "    </windowsSettings>\n"
               "  </application>\n"
               "  <dependency>\n"
               "    <dependentAssembly>\n"
               "      <assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"\n"
               "                        processorArchitecture=\"*\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>\n"
               "    </dependentAssembly>\n"
               "  </dependency>\n";
    return out + "</assembly>\n";
}

std::string ResourceScript(const std::string& iconFile, const std::string& manifestFile) {
    std::string out = Header("res/dialog_templates.cpp") + Icon(iconFile) + ManifestResource(manifestFile) +
                      Dialog(AboutTemplate()) + Dialog(PanelTemplate()) + Dialog(TrendTemplate()) +
                      Dialog(TrafficTemplate()) +
                      "STRINGTABLE\nBEGIN\n";
    for (const StringEntry& s : StringTable())
        out += "    " + std::to_string(s.id) + ", " + Quoted(s.text) + "\n";
    return out + "END\n\n" + VersionRecord(PanelProgram());
}

std::string CliResourceScript(const std::string& iconFile, const std::string& manifestFile) {
    return Header("res/rc_writer.cpp") + Icon(iconFile) + ManifestResource(manifestFile) +
           VersionRecord(CliProgram());
}

}  // namespace res
