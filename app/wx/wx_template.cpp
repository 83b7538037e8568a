#include "app/wx/wx_template.h"

#include "app/wx/wx_art.h"
#include "app/wx/wx_gtk_controls.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>

#include <algorithm>
#include <vector>

namespace {

wxString FromUtf8(std::string_view s) { return wxString::FromUTF8(s.data(), s.size()); }

bool IsCombo(res::ControlKind kind) {
    return kind == res::ControlKind::ComboDropDown || kind == res::ControlKind::ComboDropList;
}

}  // namespace

wxString LabelOf(std::string_view utf8) { return FromUtf8(utf8); }

std::map<int, wxWindow*> BuildFromTemplate(wxDialog& dialog, const res::DialogTemplate& tmpl) {
    dialog.SetTitle(FromUtf8(tmpl.title));

    // First pass: every control in template order, at its natural size.
    std::vector<std::pair<const res::ControlTemplate*, wxWindow*>> made;
    std::map<int, wxWindow*> byId;
    for (const res::ControlTemplate& c : tmpl.controls) {
        const int id = c.id > 0 ? c.id : wxID_ANY;
        const wxString text = FromUtf8(c.text);
        wxWindow* w = nullptr;
        switch (c.kind) {
        case res::ControlKind::ComboDropDown: {
            wxArrayString items;
            for (std::string_view e : res::ShownList(c)) items.Add(FromUtf8(e));
            w = new wxComboBox(&dialog, id, wxEmptyString, wxDefaultPosition, wxDefaultSize, items,
                               wxCB_DROPDOWN);
            break;
        }
        case res::ControlKind::PushButton:
        case res::ControlKind::DefPushButton: {
            auto* b = new wxButton(&dialog, id, text, wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
            if (c.kind == res::ControlKind::DefPushButton) b->SetDefault();
            w = b;
            break;
        }
        case res::ControlKind::ToggleButton:
            w = new wxToggleButton(&dialog, id, text, wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
            break;
        case res::ControlKind::Edit:
            w = new wxTextCtrl(&dialog, id, wxEmptyString);
            break;
        case res::ControlKind::Text:
            w = new wxStaticText(&dialog, id, text, wxDefaultPosition, wxDefaultSize,
                                 wxALIGN_LEFT | wxST_NO_AUTORESIZE);
            break;
        case res::ControlKind::TextRight:
            // The clock and the readings change every second. A GTK label
            // asks the whole window to lay out again on each change (five X
            // round trips a second); a read-only field that looks like a
            // label only redraws itself.
            w = new wxTextCtrl(&dialog, id, text, wxDefaultPosition, wxDefaultSize,
                               wxTE_READONLY | wxTE_RIGHT | wxBORDER_NONE);
            w->SetCanFocus(false);
            LookLikeLabel(*w);
            break;
        case res::ControlKind::Icon:
            w = new wxStaticBitmap(&dialog, id, AppIconBitmap(32));
            break;
        case res::ControlKind::ComboDropList: {
            wxArrayString items;
            for (std::string_view e : res::ShownList(c)) items.Add(FromUtf8(e));
            w = new wxChoice(&dialog, id, wxDefaultPosition, wxDefaultSize, items);
            break;
        }
        case res::ControlKind::List:
            // Lines of columns: a fixed-width font keeps them in line, and
            // long ones scroll sideways rather than being cut.
            w = new wxListBox(&dialog, id, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                              wxLB_EXTENDED | wxLB_HSCROLL);
            w->SetFont(wxFontInfo(dialog.GetFont().GetFractionalPointSize()).Family(wxFONTFAMILY_TELETYPE));
            break;
        case res::ControlKind::Chart:
            // Drawn by its owner.
            w = new wxWindow(&dialog, id, wxDefaultPosition, wxSize(1, 1), wxFULL_REPAINT_ON_RESIZE);
            break;
        }
        if ((c.flags & res::kHidden) != 0) w->Hide();
        if (c.id > 0) byId[c.id] = w;
        made.emplace_back(&c, w);
    }

    // Dialog units follow the font; GTK's controls are roomier than the
    // ones the template was drawn for, so each axis grows until every
    // control's natural size fits its rectangle. Proportions stay.
    const wxSize unit = dialog.ConvertDialogToPixels(wxSize(4, 8));
    double sx = unit.x / 4.0, sy = unit.y / 8.0;
    for (const auto& [c, w] : made) {
        const wxSize best = w->GetBestSize();
        // A chart or a list has no natural size to grow the units by.
        if (c->kind == res::ControlKind::Chart || c->kind == res::ControlKind::List) continue;
        // A value field asks for room to edit; what it must fit is its text.
        const int wide = c->kind == res::ControlKind::TextRight ? w->GetTextExtent(FromUtf8(c->text)).x
                                                                : best.x;
        if (c->kind != res::ControlKind::ComboDropDown && c->kind != res::ControlKind::Edit)
            sx = std::max(sx, static_cast<double>(wide) / c->rect.cx);
        // A combo's template height includes its dropped list.
        const int rows = IsCombo(c->kind) ? 14 : c->rect.cy;
        sy = std::max(sy, static_cast<double>(best.y) / rows);
    }
    const auto px = [](double v) { return static_cast<int>(v + 0.5); };
    for (const auto& [c, w] : made) {
        const int h = IsCombo(c->kind) ? w->GetBestSize().y : px(c->rect.cy * sy);
        w->SetSize(px(c->rect.x * sx), px(c->rect.y * sy), px(c->rect.cx * sx), h);
    }
    dialog.SetClientSize(px(tmpl.cx * sx), px(tmpl.cy * sy));
    return byId;
}
