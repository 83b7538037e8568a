// A PanelView without a window: it keeps each control's text, check and
// enable state as a window would, and records every call in order.
#ifndef VELMORA_PANEL_TESTS_FAKE_VIEW_H
#define VELMORA_PANEL_TESTS_FAKE_VIEW_H

#include "panel/panel_view.h"
#include "panel/trend_series.h"
#include "res/dialog_templates.h"

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
    void FocusControl(int id) override { focus = id; }
    void ShowMessage(std::string_view t) override {
        log.push_back("message " + std::string(t));
        messages.emplace_back(t);
        if (whileMessageOpen) whileMessageOpen();
    }
    void StartTimer(int id, unsigned periodMs) override {
        log.push_back("timer " + std::to_string(id) + " " + std::to_string(periodMs));
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
        if (whileModalOpen) whileModalOpen();
        return 1;
    }

    void ShowTrendWindow(TrendSeries& series) override {
        log.push_back(trendOpen ? "trend front" : "trend open");
        trendOpen = true;
        trend = &series;
    }
    bool IsTrendWindowOpen() override { return trendOpen; }
    // Counted, not logged: every tick that reads calls it.
    void TrendChanged() override { ++trendChanges; }

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
    std::vector<std::string> messages;
    int focus = 0;
    int endResult = 0;
    bool trendOpen = false;
    TrendSeries* trend = nullptr;
    int trendChanges = 0;
    std::function<void()> whileMessageOpen;
    std::function<void()> whileModalOpen;
};

#endif
