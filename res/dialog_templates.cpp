#include "res/dialog_templates.h"

#include "res/resource.h"

#include <algorithm>
#include <array>

namespace res {
namespace {

using std::string_view_literals::operator""sv;

constexpr std::array kPortList = {"COM1"sv, "COM2"sv, "COM3"sv, "COM4"sv, "COM5"sv,
                                  "COM6"sv, "COM7"sv, "COM8"sv, "COM9"sv, "COM10"sv};
constexpr std::array kRowsList = {"1"sv, "2"sv, "4"sv};
constexpr std::array kColumnsList = {"8"sv, "16"sv, "20"sv, "40"sv};

// Each text's rectangle holds it in 8-point Tahoma, the font Windows draws
// DS_SHELLFONT templates with (the Wine test measures it).
constexpr ControlTemplate kPanelControls[] = {
    {IDC_COMBO_PORT, ControlKind::ComboDropDown, "", {33, 18, 60, 51}, kNone, kPortList},
    {IDC_BTN_ON, ControlKind::PushButton, "&On", {101, 17, 50, 14}},
    {IDC_BTN_OFF, ControlKind::PushButton, "Off", {169, 17, 50, 14}},
    {IDC_COMBO_ROWS, ControlKind::ComboDropDown, "", {178, 41, 32, 42}, kSorted, kRowsList},
    {IDC_COMBO_COLUMNS, ControlKind::ComboDropDown, "", {178, 57, 32, 56}, kSorted, kColumnsList},
    {IDC_BTN_LAYOUT, ControlKind::PushButton, "&Aggiorna il display", {226, 47, 72, 14}},
    {IDC_EDIT_ROW1, ControlKind::Edit, "", {14, 73, 234, 14}},
    {IDC_CHK_LED1, ControlKind::ToggleButton, "LED 1", {191, 153, 26, 12}},
    {IDC_BTN_ROW1, ControlKind::PushButton, "Aggiorna", {257, 73, 50, 14}},
    {IDC_EDIT_ROW2, ControlKind::Edit, "", {14, 92, 234, 14}},
    {IDC_CHK_LED2, ControlKind::ToggleButton, "LED 2", {221, 153, 26, 12}},
    {IDC_BTN_ROW2, ControlKind::PushButton, "Aggiorna", {257, 92, 50, 14}},
    {IDC_EDIT_ROW3, ControlKind::Edit, "", {14, 112, 234, 14}},
    {IDC_CHK_LED3, ControlKind::ToggleButton, "LED 3", {251, 153, 26, 12}},
    {IDC_BTN_ROW3, ControlKind::PushButton, "Aggiorna", {257, 112, 50, 14}},
    {IDC_EDIT_ROW4, ControlKind::Edit, "", {14, 131, 234, 14}},
    {IDC_CHK_LED4, ControlKind::ToggleButton, "LED 4", {281, 153, 26, 12}},
    {IDC_BTN_ROW4, ControlKind::PushButton, "Aggiorna", {257, 131, 50, 14}},
    {IDC_BTN_HELLO, ControlKind::PushButton, "&Hello", {239, 18, 50, 16}, kHidden},
    {IDCANCEL, ControlKind::PushButton, "&Chiudi", {258, 171, 50, 16}},
    {IDC_CLOCK, ControlKind::TextRight, "- - : - - : - -", {78, 179, 41, 8}},
    {IDC_STATIC, ControlKind::Text, "Seleziona il numero di righe del display:", {16, 43, 143, 8}},
    {IDC_STATIC, ControlKind::Text, "Seleziona il numero di caratteri per colonna:", {16, 59, 159, 8}},
    {IDC_LBL_TEMP, ControlKind::Text, "Temperatura:", {16, 153, 50, 8}},
    {IDC_TEMP, ControlKind::TextRight, "---°C", {79, 153, 40, 8}},
    {IDC_LBL_ANALOG, ControlKind::Text, "Ingresso analogico:", {16, 166, 71, 8}},
    {IDC_ANALOG, ControlKind::TextRight, "---", {89, 166, 30, 8}},
    {IDC_STATIC, ControlKind::Text, "Ora del PC:", {16, 179, 42, 8}},
    {IDC_CHK_ACQ_TEMP, ControlKind::ToggleButton, "Acquisisci", {126, 152, 46, 10}},
    {IDC_CHK_ACQ_ANALOG, ControlKind::ToggleButton, "Acquisisci", {126, 165, 46, 10}},
    {IDC_CHK_BUZ, ControlKind::ToggleButton, "BUZ 1", {191, 173, 26, 12}},
};

constexpr ControlTemplate kAboutControls[] = {
    {IDC_STATIC, ControlKind::Icon, "", {23, 14, 21, 20}, kNone, {}, IDR_MAINFRAME},
    {IDC_STATIC, ControlKind::Text, "Velmora, Versione 1.0", {67, 10, 145, 8}},
    {IDC_STATIC, ControlKind::Text, "Collaudato con PIC18F2455 e PIC18F2550", {43, 40, 150, 8}},
    {IDC_STATIC, ControlKind::Text, "Compatibile con PIC18F4455 e PIC18F4550", {43, 55, 150, 8}},
    {IDOK, ControlKind::DefPushButton, "OK", {93, 85, 50, 16}},
};

constexpr std::array kTrendSpanList = {"1 min"sv, "10 min"sv, "60 min"sv};

constexpr ControlTemplate kTrendControls[] = {
    {IDC_TREND_CHART, ControlKind::Chart, "", {7, 7, 296, 176}},
    {IDC_TREND_SPAN, ControlKind::ComboDropList, "", {7, 190, 50, 60}, kNone, kTrendSpanList},
    {IDC_TREND_SAVE, ControlKind::PushButton, "Salva CSV...", {179, 189, 60, 14}},
    {IDC_TREND_CLEAR, ControlKind::PushButton, "Azzera", {243, 189, 60, 14}},
};

constexpr ControlTemplate kTrafficControls[] = {
    {IDC_TRAFFIC_LIST, ControlKind::List, "", {7, 7, 446, 180}},
    {IDC_TRAFFIC_PAUSE, ControlKind::PushButton, "&Pausa", {7, 193, 60, 14}},
    {IDC_TRAFFIC_CLEAR, ControlKind::PushButton, "A&zzera", {71, 193, 60, 14}},
    {IDC_TRAFFIC_COPY, ControlKind::PushButton, "&Copia", {329, 193, 60, 14}},
    {IDC_TRAFFIC_SAVE, ControlKind::PushButton, "&Salva...", {393, 193, 60, 14}},
};

constexpr DialogTemplate kPanel = {
    IDD_PANEL, "Velmora", 321, 201, "MS Shell Dlg", 8,
    kCaption | kSysMenu | kMinimizeBox | kMaximizeBox | kModalFrame | kAppWindow | kCentred,
    kPanelControls};

constexpr DialogTemplate kAbout = {
    IDD_ABOUTBOX, "Informazioni sul Velmora", 235, 108, "MS Shell Dlg", 8,
    kCaption | kSysMenu | kModalFrame, kAboutControls};

constexpr DialogTemplate kTrend = {
    IDD_TREND, "Andamento", 310, 210, "MS Shell Dlg", 8, kCaption | kSysMenu | kMinimizeBox,
    kTrendControls};

constexpr DialogTemplate kTraffic = {
    IDD_TRAFFIC, "Traffico", 460, 214, "MS Shell Dlg", 8, kCaption | kSysMenu | kMinimizeBox,
    kTrafficControls};

constexpr StringEntry kStrings[] = {
    {IDS_ABOUTBOX, "&Informazioni sul Velmora..."},
    {IDS_TREND, "&Andamento..."},
    {IDS_TRAFFIC, "&Traffico..."},
};

constexpr AccessibleName kPanelNames[] = {
    {IDC_COMBO_PORT, "Porta"},
    {IDC_COMBO_ROWS, "Righe del display"},
    {IDC_COMBO_COLUMNS, "Caratteri per riga"},
    {IDC_EDIT_ROW1, "Riga 1"},
    {IDC_BTN_ROW1, "Aggiorna riga 1"},
    {IDC_EDIT_ROW2, "Riga 2"},
    {IDC_BTN_ROW2, "Aggiorna riga 2"},
    {IDC_EDIT_ROW3, "Riga 3"},
    {IDC_BTN_ROW3, "Aggiorna riga 3"},
    {IDC_EDIT_ROW4, "Riga 4"},
    {IDC_BTN_ROW4, "Aggiorna riga 4"},
    {IDC_CHK_ACQ_TEMP, "Acquisisci temperatura"},
    {IDC_CHK_ACQ_ANALOG, "Acquisisci ingresso analogico"},
};

}  // namespace

const DialogTemplate& AboutTemplate() { return kAbout; }
const DialogTemplate& PanelTemplate() { return kPanel; }
const DialogTemplate& TrendTemplate() { return kTrend; }
const DialogTemplate& TrafficTemplate() { return kTraffic; }
std::span<const StringEntry> StringTable() { return kStrings; }
std::span<const AccessibleName> PanelAccessibleNames() { return kPanelNames; }

std::string_view LoadString(int id) {
    const auto it = std::ranges::find(kStrings, id, &StringEntry::id);
    return it == std::end(kStrings) ? std::string_view{} : it->text;
}

std::string VersionText() { return VELMORA_VERSION; }

std::vector<std::string_view> ShownList(const ControlTemplate& combo) {
    std::vector<std::string_view> shown(combo.list.begin(), combo.list.end());
    // A sorted combo compares as text, so "8" comes after "40".
    if ((combo.flags & kSorted) != 0) std::ranges::sort(shown);
    return shown;
}

}  // namespace res
