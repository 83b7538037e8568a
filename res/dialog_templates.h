// The dialog templates, string table and combo lists, in dialog units.
// Every frontend builds its windows from these tables; nothing else
// describes a control's place, text or kind.
#ifndef VELMORA_RES_DIALOG_TEMPLATES_H
#define VELMORA_RES_DIALOG_TEMPLATES_H

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace res {

enum class ControlKind {
    ComboDropDown,   // editable drop-down combo
    PushButton,
    DefPushButton,   // the template's default button
    ToggleButton,    // check box drawn as a push button
    Edit,            // single-line, border, scrolls horizontally
    Text,            // static text, left-aligned
    TextRight,       // static text, right-aligned
    Icon,            // static picture of icon `iconId`
    ComboDropList,   // drop-down list, not editable
    Chart,           // an area the window draws itself
    List,            // list box, several lines selectable, vertical scroll bar
};

enum ControlFlags : unsigned {
    kNone = 0,
    kHidden = 1u << 0,  // created but never shown
    kSorted = 1u << 1,  // combo list shown in text order
};

enum WindowStyle : unsigned {
    kCaption = 1u << 0,
    kSysMenu = 1u << 1,
    kMinimizeBox = 1u << 2,
    kMaximizeBox = 1u << 3,
    kModalFrame = 1u << 4,
    kAppWindow = 1u << 5,  // shown in the task bar
    kCentred = 1u << 6,    // opens centred on the screen
};

struct Rect {
    int x, y, cx, cy;
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    std::string_view text;  // UTF-8; '&' marks the mnemonic
    Rect rect;
    unsigned flags = kNone;
    std::span<const std::string_view> list = {};  // combo's initial data, as written
    int iconId = 0;
};

struct DialogTemplate {
    int id;
    std::string_view title;
    int cx, cy;
    std::string_view font;
    int pointSize;
    unsigned style;
    std::span<const ControlTemplate> controls;  // template order = tab order
};

struct StringEntry {
    int id;
    std::string_view text;
};

// What a screen reader calls a control whose own text does not say what it
// is (a combo named after its value, four buttons all called "Aggiorna").
struct AccessibleName {
    int id;
    std::string_view name;  // UTF-8, no mnemonic
};

const DialogTemplate& AboutTemplate();
const DialogTemplate& PanelTemplate();
const DialogTemplate& TrendTemplate();
const DialogTemplate& TrafficTemplate();
std::span<const StringEntry> StringTable();
std::span<const AccessibleName> PanelAccessibleNames();

// The string with that id, or an empty view when the table has none.
std::string_view LoadString(int id);

// A combo's list in the order the user sees it (sorted combos in text order).
std::vector<std::string_view> ShownList(const ControlTemplate& combo);

// Resource language: Italian (Italy); code page of the version record.
inline constexpr int kLanguage = 0x0410;
inline constexpr int kCodePage = 1252;
// File and product version, from the project's VERSION file: "1.0.0.1".
std::string VersionText();

}  // namespace res

#endif
