// What the panel needs of its window's controls: it asks (state, text,
// focus) and orders (enable, write, select, focus), speaking only control
// ids, UTF-8 strings and bools. A frontend carries the orders out as asked
// and decides nothing: which entry to select, where the focus goes and when
// are the panel's rules.
#ifndef VELMORA_PANEL_PANEL_CONTROLS_H
#define VELMORA_PANEL_PANEL_CONTROLS_H

#include <string>
#include <string_view>
#include <vector>

class PanelControls {
public:
    virtual ~PanelControls() = default;

    virtual void EnableControl(int id, bool enable) = 0;
    virtual bool IsControlEnabled(int id) = 0;
    // Edit, combo edit part or static text. Writing the text a control
    // already shows changes nothing: caret, selection and undo stay.
    virtual std::string GetText(int id) = 0;
    virtual void SetText(int id, std::string_view text) = 0;
    virtual bool GetCheck(int id) = 0;
    virtual void SetCheck(int id, bool pressed) = 0;
    // Typing beyond `chars` characters is refused; text already longer stays.
    virtual void LimitText(int id, int chars) = 0;
    // A combo's list entries in the order shown, and selecting one of them
    // (the entry already shown: nothing changes).
    virtual std::vector<std::string> GetComboList(int id) = 0;
    virtual void SelectComboEntry(int id, int index) = 0;
    // The keyboard focus is in `id` now (a combo's entry counts as its
    // combo); false while another window or a box has the keyboard.
    virtual bool HasFocus(int id) = 0;
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
};

#endif
