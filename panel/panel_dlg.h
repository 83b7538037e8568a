// CPanelDlg: the panel's store, event table, data exchange, enable sets and
// event routines. Platform-free: the window is reached through PanelView,
// the board through the one link it holds, whose failed steps it shows as
// its Italian boxes. Outside it, only events come in: the store and the
// link are read through read-only views, and the routines run only from
// the event table. The store is a protected base so that the routines keep
// its field names, and a test can set up a state no control reaches.
#ifndef VELMORA_PANEL_PANEL_DLG_H
#define VELMORA_PANEL_PANEL_DLG_H

#include "link/serial_link.h"
#include "panel/local_time.h"
#include "panel/panel_store.h"
#include "panel/panel_view.h"
#include "panel/traffic_log.h"
#include "panel/trend_series.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

enum class PanelEventKind { SysCommand, Paint, QueryDragIcon, Click, Timer };

struct PanelEvent {
    PanelEventKind kind;
    int id = 0;                // control, timer or system command id
    std::intptr_t param = 0;   // the message's extra word, where it has one
};

// handled false: the frontend's own default handling applies.
struct EventResult {
    bool handled = false;
    std::intptr_t value = 0;
};

enum class Exchange { ToStore, ToControls };

class CPanelDlg : protected PanelStore {
public:
    using LocalTimeFn = std::function<LocalTime()>;

    explicit CPanelDlg(PanelView& view, LocalTimeFn localTime = SystemLocalTime);
    CPanelDlg(const CPanelDlg&) = delete;
    CPanelDlg& operator=(const CPanelDlg&) = delete;

    // Run once when the window exists, before it is shown. True: the first
    // control of the tab order takes the focus.
    bool OnInitDialog();
    // Routes one window event through the event table.
    EventResult OnEvent(const PanelEvent& event);
    // Both directions of the exchange; false when an editable row broke the
    // length rule (reported; the rest of the exchange still runs).
    bool ExchangeData(Exchange direction);

    // Runs a modal window that the frontend opens by itself (the trend
    // window's file chooser) as the About box runs: the poll goes on under
    // it, a box met meanwhile waits until it closes, and the focus comes
    // back to the panel's control that had it.
    void RunModalWindow(const std::function<void()>& run);

    static LocalTime SystemLocalTime();

    // Read-only views: the store as the routines left it, and the link
    // (whether a port is open, and its handle).
    const PanelStore& Store() const { return *this; }
    const CSerialLink& Link() const { return m_link; }

private:
    // Event routines; only the event table runs them.
    bool OnSysCommand(unsigned id, std::intptr_t param);
    bool OnPaint(unsigned id, std::intptr_t param);
    IconHandle OnQueryDragIcon();
    void OnCancel();
    void OnBtnHello();
    void OnBtnRow1();
    void OnBtnRow2();
    void OnBtnRow3();
    void OnBtnRow4();
    void OnBtnLayout();
    void OnBtnOn();
    void OnBtnOff();
    bool OnTimer(unsigned id, std::intptr_t param);
    void OnChkAcqAnalog();
    void OnChkLed1();
    void OnChkLed2();
    void OnChkLed3();
    void OnChkLed4();
    void OnChkBuz();
    // The base dialog's OK handling: exchange to the store, end on success.
    void OnOK();

public:
    using ClickRoutine = void (CPanelDlg::*)();
    using MessageRoutine = bool (CPanelDlg::*)(unsigned, std::intptr_t);
    using QueryRoutine = IconHandle (CPanelDlg::*)();
    struct EventEntry {
        PanelEventKind kind;
        int id;  // the control, for clicks
        std::variant<ClickRoutine, MessageRoutine, QueryRoutine> routine;
    };

    enum class RowsTest { Always, Is1, Is2, Is4, Is2Or4 };
    struct EnableStep {
        RowsTest when;
        int id;
        bool on;
    };
    // Enables first, then disables; a focused control that it disables
    // hands the focus on first (see MoveFocusOff).
    void ApplyEnableSet(std::span<const EnableStep> set);

    friend std::span<const EventEntry> EventTable();

private:
    // Shows one of the four failure texts in a modal box and returns when
    // the user closes it.
    void ShowPortError(std::string_view text);

    enum class Report { No, Yes };
    // Opens and sets up the port named by m_strPort and shows the connected
    // set; each failure is reported when asked to.
    bool Connect(Report report);
    // After a routine: a port whose device has left is closed as Off would,
    // reported once, and watched for its return.
    void HandlePortGone();
    // In a tick: the lost port is back under the same name, so connect again
    // and press the "Acquisisci" toggles that were pressed.
    void Reconnect();
    struct RowLine;
    struct SwitchLine;
    void WriteRow(const RowLine& line);
    void Switch(const SwitchLine& line);
    void PollTick();
    // The tick's reads; false when a write failed (reported). `read`: a
    // reply was waited for; `point` takes the values that parse.
    bool ReadAcquisitions(TrendPoint& point, bool& read);
    // The system menu's items.
    void ShowAbout();
    void ShowTrend();
    void ShowTraffic();
    // A tick's write failed: reported once, and the acquisitions released.
    bool TickWriteFailed();
    bool RowTest(RowsTest test) const;
    // Shows `text` in the combo: the first entry that begins with it, case
    // aside, else the text itself. A completion of what the user is typing
    // waits while the combo has the focus.
    void SelectByPrefix(int comboId, const std::string& text);
    void ReportRowTooLong(int rowIndex, int editId);
    // The routine's part of an event; OnEvent adds what follows every one.
    EventResult RouteEvent(const PanelEvent& event);

    // A message box the user must close; ticks that come meanwhile are
    // skipped. Afterwards the focus goes to `focusAfter`, or, when 0, back to
    // the control that had it. While a modal window is open it waits.
    void ShowModalMessage(std::string_view text, int focusAfter = 0);
    void ShowWaitingBoxes();
    struct WaitingBox {
        std::string text;
        int focusAfter;
    };

    // The focus: handed on from a control about to be disabled, and given
    // back after a box (focus_keeping.cpp).
    struct FocusReturn {
        int id;                 // the control that had the focus
        int caret;              // its caret, for an editor
        bool parked = false;    // it was disabled: waiting for it to be enabled
        int parkedOn = 0;       // where the focus waits meanwhile
    };
    // Where the focus goes from `from` when it is disabled, skipping the
    // controls in `leaving`: its partner, else the next enabled control in
    // tab order; 0 when there is none.
    int FocusTarget(int from, std::span<const int> leaving);
    void MoveFocusOff(int from, std::span<const int> leaving);
    void KeepFocusForBox();
    void GiveFocusBack();
    void AfterBox(int focusAfter);
    void SettleFocusReturn();

    PanelView& m_view;
    LocalTimeFn m_localTime;
    // What the "Traffico" window shows; declared before the link, so the
    // link never holds a log that has gone.
    TrafficLog m_traffic;
    // The port, its buffer and the settings it is given back; closed when
    // the panel goes.
    CSerialLink m_link;
    int m_nOpenMessages = 0;
    // Open modal windows: the About box, the frontend's own (file chooser).
    int m_nOpenModalWindows = 0;
    // Boxes met while a modal window was open, to show once it closes.
    std::vector<WaitingBox> m_waitingBoxes;
    // Events being routed, counting those nested in a box's wait.
    int m_nEventDepth = 0;
    std::optional<FocusReturn> m_focusReturn;
    bool m_bInTick = false;
    // The last too-long row reported by a tick, so ticks report it once.
    std::string m_strReportedOffence;
    // The port name of the open port, as the combo showed it at the connect.
    std::string m_strOpenPort;
    // A port that went away while connected, to connect again when it comes
    // back (empty: none), and the acquisitions it had.
    std::string m_strLostPort;
    std::int32_t m_bLostAcquireAnalog = 0;
    std::int32_t m_bLostAcquireTemp = 0;
    // This loss of the port has been reported: one box per loss.
    bool m_bGoneReported = false;
};

// The ordered enable sets, for the routines and the tests.
std::span<const CPanelDlg::EnableStep> StartSet();
std::span<const CPanelDlg::EnableStep> DisconnectedSet();
std::span<const CPanelDlg::EnableStep> ConnectedSet();
std::span<const CPanelDlg::EnableStep> RowsSet();
std::span<const CPanelDlg::EventEntry> EventTable();

#endif
