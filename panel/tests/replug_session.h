// A panel with a fake window on a board that can be pulled out and plugged
// back in under the same name: a pseudo-terminal board behind a symbolic
// link that is re-pointed.
#ifndef VELMORA_PANEL_TESTS_REPLUG_SESSION_H
#define VELMORA_PANEL_TESTS_REPLUG_SESSION_H

#include "panel/panel_dlg.h"
#include "panel/tests/fake_view.h"
#include "res/resource.h"
#include "sim/sim_board.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include <unistd.h>

struct Replug : ::testing::Test {
    FakeView view;
    std::tm now{};
    CPanelDlg dlg{view, [this] { return LocalTime{now}; }};
    std::unique_ptr<sim::SimBoard> board = std::make_unique<sim::SimBoard>();
    std::filesystem::path name =
        std::filesystem::path(::testing::TempDir()) / ("velmora-replug-" + std::to_string(getpid()));

    void SetUp() override {
        ASSERT_TRUE(board->Ok());
        Plug();
        dlg.OnInitDialog();
        view.text[IDC_COMBO_PORT] = name.string();
    }
    void TearDown() override { std::filesystem::remove(name); }
    void Plug() {
        std::filesystem::remove(name);
        std::filesystem::create_symlink(board->Path(), name);
    }
    void Pull() { board->Vanish(); }
    void PlugNew(int analog) {
        board = std::make_unique<sim::SimBoard>();
        board->SetAnalog(analog);
        Plug();
    }
    void Click(int id) { dlg.OnEvent({PanelEventKind::Click, id}); }
    void Tick() { dlg.OnEvent({PanelEventKind::Timer, ID_TIMER_POLL}); }
    bool Connected() const { return dlg.Link().IsOpen(); }
};

#endif
