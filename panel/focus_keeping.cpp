// Where the keyboard focus goes when the panel changes the window under the
// user: off a control that an enable set disables, and back, caret and all,
// to the control that had it before a box, so typing goes on where it was.
#include "panel/panel_dlg.h"

#include "res/dialog_templates.h"
#include "res/resource.h"

#include <algorithm>
#include <iterator>

namespace {

using res::ControlKind;

// The buttons that replace each other: the one disabled hands the focus to
// the one enabled in its place.
struct Partner {
    int id;
    int partner;
};
constexpr Partner kPartners[] = {{IDC_BTN_ON, IDC_BTN_OFF}, {IDC_BTN_OFF, IDC_BTN_ON}};

constexpr ControlKind kFocusable[] = {ControlKind::ComboDropDown, ControlKind::ComboDropList,
                                      ControlKind::PushButton,    ControlKind::DefPushButton,
                                      ControlKind::ToggleButton,  ControlKind::Edit};
// The controls with a caret: a box must not leave it elsewhere.
constexpr ControlKind kWithCaret[] = {ControlKind::ComboDropDown, ControlKind::Edit};

const res::ControlTemplate* Control(int id) {
    const auto& controls = res::PanelTemplate().controls;
    const auto it = std::ranges::find(controls, id, &res::ControlTemplate::id);
    return it != controls.end() ? &*it : nullptr;
}

bool TakesFocus(const res::ControlTemplate& c) {
    return c.id != IDC_STATIC && (c.flags & res::kHidden) == 0 &&
           std::ranges::find(kFocusable, c.kind) != std::end(kFocusable);
}

bool HasCaret(int id) {
    const res::ControlTemplate* c = Control(id);
    return c != nullptr && std::ranges::find(kWithCaret, c->kind) != std::end(kWithCaret);
}

}  // namespace

int CPanelDlg::FocusTarget(int from, std::span<const int> leaving) {
    const auto open = [&](int id) {
        return m_view.IsControlEnabled(id) && std::ranges::find(leaving, id) == leaving.end();
    };
    const auto partner = std::ranges::find(kPartners, from, &Partner::id);
    if (partner != std::end(kPartners) && open(partner->partner)) return partner->partner;
    // The next one a Tab would reach: the template's order, round the end.
    const auto& controls = res::PanelTemplate().controls;
    const auto at = std::ranges::find(controls, from, &res::ControlTemplate::id);
    if (at == controls.end()) return 0;
    const auto start = static_cast<std::size_t>(at - controls.begin());
    for (std::size_t step = 1; step < controls.size(); ++step) {
        const res::ControlTemplate& c = controls[(start + step) % controls.size()];
        if (TakesFocus(c) && open(c.id)) return c.id;
    }
    return 0;
}

void CPanelDlg::MoveFocusOff(int from, std::span<const int> leaving) {
    const int to = FocusTarget(from, leaving);
    if (to == 0) return;
    m_view.FocusControl(to);
    // The panel moved it, not the user: a return waiting there follows it.
    if (m_focusReturn && m_focusReturn->parked && m_focusReturn->parkedOn == from)
        m_focusReturn->parkedOn = to;
}

void CPanelDlg::KeepFocusForBox() {
    const int now = m_view.FocusedControl();
    // A return already waiting (an earlier box of this event, or a control
    // still disabled) stays, unless the user has moved the focus since.
    if (m_focusReturn && (!m_focusReturn->parked || now == 0 || now == m_focusReturn->parkedOn)) return;
    m_focusReturn.reset();
    if (now != 0) m_focusReturn = FocusReturn{now, HasCaret(now) ? m_view.CaretPosition(now) : 0};
}

void CPanelDlg::GiveFocusBack() {
    if (!m_focusReturn) return;
    const FocusReturn& r = *m_focusReturn;
    if (!m_view.IsControlEnabled(r.id)) {
        // Still disabled: back to where it waits, which a box took from it.
        if (r.parked && r.parkedOn != 0 && m_view.IsControlEnabled(r.parkedOn))
            m_view.FocusControl(r.parkedOn);
        return;
    }
    m_view.FocusControl(r.id);
    // Taking the focus may select an editor's whole text, and the next key
    // would replace it.
    if (HasCaret(r.id)) m_view.SetCaret(r.id, r.caret);
}

void CPanelDlg::AfterBox(int focusAfter) {
    if (focusAfter == 0) {
        GiveFocusBack();
        return;
    }
    m_focusReturn.reset();
    m_view.FocusControl(focusAfter);
}

void CPanelDlg::SettleFocusReturn() {
    if (!m_focusReturn || m_nOpenMessages > 0 || m_nOpenModalWindows > 0) return;
    FocusReturn& r = *m_focusReturn;
    const int now = m_view.FocusedControl();
    const bool enabled = m_view.IsControlEnabled(r.id);
    if (!r.parked) {
        if (enabled) {
            m_focusReturn.reset();  // given back as the box closed
            return;
        }
        // Disabled since (the board left, and the rows with it): the focus
        // waits where the rule puts it, and comes back when this control is
        // enabled again (the panel reconnects by itself). The user had no
        // hand in where it is now: a box was open, and a toolkit that could
        // not tell the panel had put it somewhere of its own choosing.
        r.parked = true;
        r.parkedOn = FocusTarget(r.id, {});
        if (r.parkedOn != 0 && now != r.parkedOn) m_view.FocusControl(r.parkedOn);
        return;
    }
    if (now != 0 && now != r.parkedOn) {
        m_focusReturn.reset();  // the user has put it elsewhere: theirs
        return;
    }
    if (!enabled) return;
    GiveFocusBack();
    m_focusReturn.reset();
}
