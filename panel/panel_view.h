// What the panel needs of its window. A frontend implements this for its
// toolkit; the panel speaks only control ids, UTF-8 strings and bools, and
// the window never decides anything.
#ifndef VELMORA_PANEL_PANEL_VIEW_H
#define VELMORA_PANEL_PANEL_VIEW_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// An icon as the window system holds it; opaque to the panel.
using IconHandle = std::intptr_t;

class TrendSeries;

class PanelView {
public:
    virtual ~PanelView() = default;

    virtual void EnableControl(int id, bool enable) = 0;
    virtual bool IsControlEnabled(int id) = 0;
    // Edit, combo edit part or static text.
    virtual std::string GetText(int id) = 0;
    virtual void SetText(int id, std::string_view text) = 0;
    virtual bool GetCheck(int id) = 0;
    virtual void SetCheck(int id, bool pressed) = 0;
    // Typing beyond `chars` characters is refused; text already longer stays.
    virtual void LimitText(int id, int chars) = 0;
    // A combo's list entries in the order shown, and selecting one of them.
    virtual std::vector<std::string> GetComboList(int id) = 0;
    virtual void SelectComboEntry(int id, int index) = 0;
    // The control that holds the keyboard focus (a combo's entry counts as
    // its combo), or will hold it again when the panel is active; 0 when
    // none does, or when the window cannot tell while a box is open.
    virtual int FocusedControl() = 0;
    // Gives `id` the keyboard focus; the toolkit may select an editor's text.
    virtual void FocusControl(int id) = 0;
    // The caret's place in an edit or a combo's entry, counted as the view
    // counts it: the panel only hands it back to SetCaret.
    virtual int CaretPosition(int id) = 0;
    // Puts the caret there (or at the end, when the text is shorter now)
    // with nothing selected, so typing goes on where it was.
    virtual void SetCaret(int id, int position) = 0;
    // Modal, one OK button, no icon, the program's name as caption.
    virtual void ShowMessage(std::string_view text) = 0;
    virtual void StartTimer(int id, unsigned periodMs) = 0;
    virtual void EndDialog(int result) = 0;
    virtual void AppendSystemMenuSeparator() = 0;
    virtual void AppendSystemMenuItem(int command, std::string_view text) = 0;
    virtual IconHandle LoadIconResource(int resourceId) = 0;
    virtual void SetIcon(IconHandle icon, bool large) = 0;
    // Runs the dialog of that template modally until it ends; its result.
    virtual int RunModal(int templateId) = 0;
    // The trend window "Andamento" over `series`, modeless beside the panel:
    // opened, or brought to the front when it is open already.
    virtual void ShowTrendWindow(TrendSeries& series) = 0;
    virtual bool IsTrendWindowOpen() = 0;
    // The series has a new point: an open trend window draws it.
    virtual void TrendChanged() = 0;
};

#endif
