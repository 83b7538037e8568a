// A PanelView without a window: it keeps each control's text, check and
// enable state as a window would, and records every call in order. It
// decides nothing, as no frontend does: a combo entry it is told to select
// is selected, focus or not. The focus as the least helpful toolkit keeps
// it: a box or a modal window takes it and gives nothing back, disabling
// the focused control drops it, a disabled control refuses it, and an
// editor that takes it has its whole text selected.
#ifndef VELMORA_PANEL_TESTS_FAKE_VIEW_H
#define VELMORA_PANEL_TESTS_FAKE_VIEW_H

#include "panel/panel_view.h"
#include "panel/trend_series.h"
#include "res/dialog_templates.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

class FakeView : public PanelView {
public:
    // Controls and combo lists as the panel template gives them.
    FakeView() {
        for (const res::ControlTemplate& c : res::PanelTemplate().controls) {
            enabled[c.id] = true;
            kind[c.id] = c.kind;
            if (c.kind == res::ControlKind::ComboDropDown) {
                for (std::string_view e : res::ShownList(c)) lists[c.id].emplace_back(e);
            } else if (c.kind != res::ControlKind::Edit) {
                text[c.id] = std::string(c.text);
            }
        }
    }

    void EnableControl(int id, bool enable) override {
        log.push_back((enable ? "enable " : "disable ") + std::to_string(id));
        enabled[id] = enable;
        if (!enable && focus == id) focus = 0;
    }
    bool IsControlEnabled(int id) override { return enabled[id]; }
    std::string GetText(int id) override { return text[id]; }
    void SetText(int id, std::string_view t) override {
        log.push_back("text " + std::to_string(id) + " " + std::string(t));
        text[id] = std::string(t);
    }
    bool GetCheck(int id) override { return checked[id]; }
    void SetCheck(int id, bool pressed) override {
        log.push_back("check " + std::to_string(id) + " " + (pressed ? "1" : "0"));
        checked[id] = pressed;
    }
    void LimitText(int id, int chars) override {
        log.push_back("limit " + std::to_string(id) + " " + std::to_string(chars));
        limit[id] = chars;
    }
    std::vector<std::string> GetComboList(int id) override { return lists[id]; }
    void SelectComboEntry(int id, int index) override {
        log.push_back("select " + std::to_string(id) + " " + std::to_string(index));
        text[id] = lists[id].at(static_cast<std::size_t>(index));
    }
    bool HasFocus(int id) override { return focus != 0 && focus == id; }
    int FocusedControl() override { return focus; }
    void FocusControl(int id) override {
        log.push_back("focus " + std::to_string(id));
        if (!enabled[id]) return;
        focus = id;
        selected = HasCaret(id) ? id : 0;
    }
    int CaretPosition(int id) override { return caret[id]; }
    void SetCaret(int id, int position) override {
        log.push_back("caret " + std::to_string(id) + " " + std::to_string(position));
        caret[id] = std::min(position, static_cast<int>(text[id].size()));
        if (selected == id) selected = 0;
    }
    void ShowMessage(std::string_view t) override {
        log.push_back("message " + std::string(t));
        messages.emplace_back(t);
        if (openBoxes > 0) ++stacked;
        ++openBoxes;
        focus = 0;
        if (whileMessageOpen) whileMessageOpen();
        --openBoxes;
        focus = focusAfterBox;
    }
    void StartTimer(int id, unsigned periodMs) override {
        log.push_back("timer " + std::to_string(id) + " " + std::to_string(periodMs));
        timerPeriodMs = periodMs;
    }
    void EndDialog(int result) override {
        log.push_back("end " + std::to_string(result));
        endResult = result;
    }
    void AppendSystemMenuSeparator() override { log.push_back("menu separator"); }
    void AppendSystemMenuItem(int command, std::string_view t) override {
        log.push_back("menu " + std::to_string(command) + " " + std::string(t));
    }
    IconHandle LoadIconResource(int resourceId) override { return 7000 + resourceId; }
    void SetIcon(IconHandle icon, bool large) override {
        log.push_back(std::string("icon ") + (large ? "large " : "small ") + std::to_string(icon));
    }
    int RunModal(int templateId) override {
        log.push_back("modal " + std::to_string(templateId));
        ModalWindow()();
        return 1;
    }
    // A modal window as a frontend runs one: it takes the focus and runs
    // whileModalOpen meanwhile.
    std::function<void()> ModalWindow() {
        return [this] {
            if (openBoxes > 0) ++stacked;
            ++openBoxes;
            focus = 0;
            if (whileModalOpen) whileModalOpen();
            --openBoxes;
            focus = focusAfterBox;
            log.push_back("closed modal window");
        };
    }

    void ShowTrendWindow(TrendSeries& series) override {
        log.push_back(trendOpen ? "trend front" : "trend open");
        trendOpen = true;
        trend = &series;
    }
    bool IsTrendWindowOpen() override { return trendOpen; }
    void ShowTrafficWindow(TrafficLog& shown) override {
        log.push_back(traffic != nullptr ? "traffic front" : "traffic open");
        traffic = &shown;
    }
    // Counted, not logged: every tick that reads calls it.
    void TrendChanged() override { ++trendChanges; }

    // Puts the focus in an editor with the caret at `at`, as a click there does.
    void ClickInto(int id, int at) {
        focus = id;
        caret[id] = at;
        selected = 0;
    }
    // Keys typed into whatever has the focus: they go in at the caret, or
    // replace a selected text, or are lost when nothing has the focus.
    void Type(std::string_view keys) {
        if (focus == 0 || !HasCaret(focus)) return;
        std::string& t = text[focus];
        if (selected == focus) {
            t.clear();
            caret[focus] = 0;
            selected = 0;
        }
        t.insert(static_cast<std::size_t>(caret[focus]), keys);
        caret[focus] += static_cast<int>(keys.size());
    }
    bool HasCaret(int id) const {
        const auto k = kind.find(id);
        return k != kind.end() &&
               (k->second == res::ControlKind::Edit || k->second == res::ControlKind::ComboDropDown);
    }

    // Log lines that start with `prefix`, in order.
    std::vector<std::string> Calls(std::string_view prefix) const {
        std::vector<std::string> out;
        for (const std::string& l : log)
            if (l.starts_with(prefix)) out.push_back(l);
        return out;
    }

    std::vector<std::string> log;
    std::map<int, std::string> text;
    std::map<int, bool> checked;
    std::map<int, bool> enabled;
    std::map<int, int> limit;
    std::map<int, std::vector<std::string>> lists;
    std::map<int, res::ControlKind> kind;
    std::vector<std::string> messages;
    int focus = 0;
    std::map<int, int> caret;
    int selected = 0;  // the editor whose whole text is selected, if any
    int focusAfterBox = 0;
    int openBoxes = 0;  // boxes and modal windows open now
    int stacked = 0;    // those that opened over another
    int endResult = 0;
    unsigned timerPeriodMs = 0;
    bool trendOpen = false;
    TrendSeries* trend = nullptr;
    TrafficLog* traffic = nullptr;
    int trendChanges = 0;
    std::function<void()> whileMessageOpen;
    std::function<void()> whileModalOpen;
};

#endif
