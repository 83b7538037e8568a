// The wxWidgets traffic window over a log fed with the link's events, on a
// real X display: its list follows the log, and its buttons' orders reach it.
#include "app/wx/wx_traffic_window.h"
#include "panel/file_save.h"
#include "panel/traffic_log.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/frame.h>
#include <wx/listbox.h>
#include <wx/utils.h>

#include <gtk/gtk.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

const unsigned char kAnalogRead[] = {'a'};
const unsigned char kAnalogReply[] = {'0', '5', '1', '2'};

// One tick of the analog read: the request and its reply, 12 ms apart.
void FeedTick(TrafficLog& log) {
    const auto now = std::chrono::steady_clock::now();
    log.OnLinkEvent({.kind = LinkEventKind::Wrote, .time = now, .bytes = kAnalogRead, .asked = 1, .moved = 1,
                     .replyAhead = 4});
    log.OnLinkEvent({.kind = LinkEventKind::Read, .time = now + std::chrono::milliseconds(12),
                     .bytes = kAnalogReply, .asked = 4, .moved = 4});
}

void Settle() {
    for (int i = 0; i < 10; ++i) {
        wxTheApp->ProcessPendingEvents();
        while (g_main_context_iteration(nullptr, FALSE)) {}
        wxMilliSleep(10);
    }
}

struct WxTraffic : ::testing::Test {
    wxFrame* panel = new wxFrame(nullptr, wxID_ANY, "panel");
    TrafficLog log;
    WxTrafficWindow* window = nullptr;

    void Open() { window = new WxTrafficWindow(panel, log, "velmora", {}); }
    wxListBox& List() const { return *dynamic_cast<wxListBox*>(window->FindWindow(IDC_TRAFFIC_LIST)); }
    void Press(int id) {
        wxCommandEvent click(wxEVT_BUTTON, id);
        click.SetEventObject(window->FindWindow(id));
        window->FindWindow(id)->GetEventHandler()->ProcessEvent(click);
    }
    std::string Row(unsigned i) const { return List().GetString(i).utf8_string(); }
    void TearDown() override {
        if (window != nullptr) window->Destroy();
        panel->Destroy();
        wxTheApp->ProcessIdle();  // gone before the log they follow
    }
};

TEST_F(WxTraffic, ShowsWhatTheLogHeldAndFollowsItsNewLinesAfterEachBurst) {
    FeedTick(log);
    Open();
    ASSERT_EQ(List().GetCount(), 2u);
    EXPECT_EQ(Row(0), log.Line(0));
    EXPECT_NE(Row(0).find("Lettura ingresso analogico"), std::string::npos) << Row(0);
    EXPECT_NE(Row(1).find("risposta dopo 12 ms"), std::string::npos) << Row(1);

    // A burst is shown once the main loop runs, all of it.
    FeedTick(log);
    FeedTick(log);
    EXPECT_EQ(List().GetCount(), 2u);
    Settle();
    ASSERT_EQ(List().GetCount(), 6u);
    for (unsigned i = 0; i < 6; ++i) EXPECT_EQ(Row(i), log.Line(i));
}

TEST_F(WxTraffic, KeepsTheLogsBoundDroppingTheOldestRows) {
    Open();
    const auto now = std::chrono::steady_clock::now();
    for (int i = 0; i < 10005; ++i)
        log.OnLinkEvent({.kind = LinkEventKind::Wrote, .time = now, .bytes = kAnalogRead, .asked = 1, .moved = 1,
                         .replyAhead = 4});
    Settle();
    ASSERT_EQ(List().GetCount(), 10000u);
    EXPECT_EQ(log.FirstNumber(), 5u);  // the first row is the sixth event
    EXPECT_EQ(Row(0), log.Line(0));
    EXPECT_EQ(Row(9999), log.Line(9999));

    // A few more drop as many from the top.
    FeedTick(log);
    Settle();
    ASSERT_EQ(List().GetCount(), 10000u);
    EXPECT_EQ(Row(0), log.Line(0));
    EXPECT_EQ(Row(9999), log.Line(9999));
    EXPECT_NE(Row(9999).find("risposta dopo"), std::string::npos);
}

TEST_F(WxTraffic, AzzeraEmptiesTheLogAndTheList) {
    FeedTick(log);
    Open();
    Press(IDC_TRAFFIC_CLEAR);
    EXPECT_EQ(log.Size(), 0u);
    EXPECT_EQ(List().GetCount(), 0u);
    FeedTick(log);
    Settle();
    ASSERT_EQ(List().GetCount(), 2u);
    EXPECT_EQ(Row(1), log.Line(1));
}

TEST_F(WxTraffic, PausaAddsNoRowUntilRiprendi) {
    FeedTick(log);
    Open();
    auto& pause = *dynamic_cast<wxButton*>(window->FindWindow(IDC_TRAFFIC_PAUSE));
    EXPECT_EQ(pause.GetLabel(), "&Pausa");
    Press(IDC_TRAFFIC_PAUSE);
    EXPECT_TRUE(log.Paused());
    EXPECT_EQ(pause.GetLabel(), "&Riprendi");
    FeedTick(log);
    Settle();
    EXPECT_EQ(List().GetCount(), 2u);

    Press(IDC_TRAFFIC_PAUSE);
    EXPECT_FALSE(log.Paused());
    EXPECT_EQ(pause.GetLabel(), "&Pausa");
    FeedTick(log);
    Settle();
    EXPECT_EQ(List().GetCount(), 4u);
}

TEST_F(WxTraffic, CopiaPutsTheSelectedLinesOnTheClipboard) {
    FeedTick(log);
    FeedTick(log);
    Open();
    List().SetSelection(1);
    List().SetSelection(3);
    const std::string want = log.Line(1) + "\n" + log.Line(3) + "\n";
    EXPECT_EQ(window->SelectedText(), want);

    Press(IDC_TRAFFIC_COPY);
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTextDataObject data;
    EXPECT_TRUE(wxTheClipboard->GetData(data));
    wxTheClipboard->Close();
    EXPECT_EQ(data.GetText().utf8_string(), want);
}

TEST_F(WxTraffic, SalvaWritesTheLinesOrSaysWhyNot) {
    FeedTick(log);
    Open();
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("velmora-traffic-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / TrafficLog::kSaveName;
    EXPECT_EQ(window->SaveTo(file), "");
    std::ifstream in(file, std::ios::binary);
    std::stringstream saved;
    saved << in.rdbuf();
    EXPECT_EQ(saved.str(), log.Line(0) + "\n" + log.Line(1) + "\n");

    const std::filesystem::path nowhere = folder / "assente" / TrafficLog::kSaveName;
    const std::string failed = window->SaveTo(nowhere);
    EXPECT_EQ(failed, SaveFailedText(nowhere, std::make_error_code(std::errc::no_such_file_or_directory)));
    EXPECT_NE(failed.find(nowhere.string()), std::string::npos) << failed;
    std::filesystem::remove_all(folder);
}

TEST_F(WxTraffic, FollowsTheEndUnlessScrolledUp) {
    for (int i = 0; i < 100; ++i) FeedTick(log);
    Open();
    window->Show();
    Settle();
    const auto lastShown = [&] {
        return List().GetTopItem() + List().GetCountPerPage() >= static_cast<int>(List().GetCount()) - 1;
    };
    EXPECT_TRUE(lastShown()) << "top " << List().GetTopItem();
    FeedTick(log);
    Settle();
    EXPECT_TRUE(lastShown()) << "top " << List().GetTopItem();

    // Scrolled up to the top, as the scroll bar does it, the view stays
    // there as lines come.
    gtk_adjustment_set_value(gtk_scrolled_window_get_vadjustment(GTK_SCROLLED_WINDOW(List().GetHandle())), 0);
    Settle();
    ASSERT_EQ(List().GetTopItem(), 0);
    FeedTick(log);
    Settle();
    EXPECT_EQ(List().GetTopItem(), 0);
    EXPECT_EQ(List().GetCount(), 204u);
}

TEST_F(WxTraffic, ClosingStopsFollowingTheLog) {
    bool closed = false;
    window = new WxTrafficWindow(panel, log, "velmora", [&] { closed = true; });
    window->Close();
    wxTheApp->ProcessIdle();
    window = nullptr;
    EXPECT_TRUE(closed);
    FeedTick(log);  // no window to call
    Settle();
    EXPECT_EQ(log.Size(), 2u);
}

}  // namespace
