// A panel with a fake window, connected through the real port code to the
// simulated board on a pseudo-terminal.
#ifndef VELMORA_PANEL_TESTS_BOARD_SESSION_H
#define VELMORA_PANEL_TESTS_BOARD_SESSION_H

#include "panel/panel_dlg.h"
#include "panel/tests/fake_view.h"
#include "res/resource.h"
#include "sim/sim_board.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

struct BoardSession : ::testing::Test {
    FakeView view;
    sim::SimBoard board;
    std::tm now{};
    std::int32_t utcOffset = 3600;  // the PC's zone, one hour east
    std::chrono::steady_clock::time_point lastTick;
    CPanelDlg dlg{view, [this] { return LocalTime{now, utcOffset}; }};

    void SetUp() override {
        ASSERT_TRUE(board.Ok());
        dlg.OnInitDialog();
    }

    void Click(int id) { dlg.OnEvent({PanelEventKind::Click, id}); }
    void Tick() { dlg.OnEvent({PanelEventKind::Timer, ID_TIMER_POLL}); }
    // A tick when the window's timer would give it, a period after the one
    // before. A late reply left from one tick is the next tick's to discard;
    // ticks back to back would race it.
    void TickOnTime() {
        std::this_thread::sleep_until(lastTick + std::chrono::milliseconds(view.timerPeriodMs));
        lastTick = std::chrono::steady_clock::now();
        Tick();
    }
    void Connect() {
        view.text[IDC_COMBO_PORT] = board.Path();
        Click(IDC_BTN_ON);
        ASSERT_TRUE(view.messages.empty()) << view.messages.front();
        ASSERT_NE(dlg.Link().Handle(), port::kNoPort);
        view.log.clear();
    }
    // Waits up to 2 s for the board's state to satisfy `pred`.
    template <class Pred>
    bool BoardShows(Pred pred) {
        for (int i = 0; i < 200 && !pred(board.State()); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return pred(board.State());
    }
    // Everything the board received, once `count` bytes came (or 2 s passed).
    std::string Wire(std::size_t count) {
        board.WaitForBytes(count, std::chrono::seconds(2));
        return board.Received();
    }
};

#endif
