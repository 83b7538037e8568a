// A simulated board on a pseudo-terminal: it serves the slave side's path
// as its port, records the bytes it receives with the time they came (the
// most recent kKeptBytes of them, so a board polled for days stays small),
// answers the analog and temperature reads, and keeps the display, LED and
// buzzer states the commands set. It can be told to answer late, never,
// short, with a zero byte, with more bytes than asked, with CR LF after each
// reply or with a stray byte after every command, or to vanish.
#ifndef VELMORA_SIM_SIM_BOARD_H
#define VELMORA_SIM_SIM_BOARD_H

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace sim {

// Late: every reply `lateMs` late. Crlf: each reply followed by CR LF.
// Chatty: one stray byte (kStrayByte) after every command, replied or not.
enum class Reply { Normal, Late, Never, Short, ZeroByte, Extra, Crlf, Chatty };

struct Chunk {
    std::chrono::steady_clock::time_point at;
    std::string bytes;         // as received, one read of the pseudo-terminal
    std::uint64_t number = 0;  // 0 for the first read since the start or ClearReceived()
};

struct BoardState {
    static constexpr int kRows = 4, kColumns = 40;
    std::array<std::string, kRows> display;  // kColumns bytes each, Windows-1252
    int cursorRow = 1;                       // where the next text goes
    std::array<bool, 4> leds{};
    bool buzzer = false;
    int analog = 512;                        // 0..1023
    double temperature = 23.5;               // degrees Celsius
};

class SimBoard {
public:
    // Opens the pseudo-terminal and starts serving it. Check Ok().
    SimBoard();
    ~SimBoard();
    SimBoard(const SimBoard&) = delete;
    SimBoard& operator=(const SimBoard&) = delete;

    bool Ok() const { return m_master >= 0; }
    const std::string& Path() const { return m_path; }

    void SetReply(Reply mode, int lateMs = 0);
    void SetAnalog(int value);
    void SetTemperature(double celsius);
    // Closes the board's side: the port reports a hang-up from now on.
    void Vanish();
    // Puts bytes on the line unasked, as a board sending garbage would.
    void Inject(std::string_view bytes);

    // The record keeps whole reads, the newest ones that together hold at
    // most kKeptBytes (and always the newest read); older ones are dropped.
    static constexpr std::size_t kKeptBytes = 64 * 1024;
    std::string Received() const;      // the recorded bytes, in order
    std::vector<Chunk> Chunks() const; // the recorded reads, oldest first
    std::vector<Chunk> ChunksFrom(std::uint64_t number) const;  // those numbered `number` on
    void ClearReceived();              // empties the record and zeroes the counts
    // Waits until at least `count` bytes came in all since the start or
    // ClearReceived(), recorded or dropped; false on time-out.
    bool WaitForBytes(std::size_t count, std::chrono::milliseconds timeout) const;
    BoardState State() const;
    // Called on the board's own thread after each read is handled and
    // recorded; null for none. Once it returns, the previous one runs no
    // more, so a window can take itself off before it goes.
    void OnReceived(std::function<void()> notify);

    // The replies the board gives, before the reply mode shapes them.
    static std::string AnalogReply(int value);          // 4 bytes
    static std::string TemperatureReply(double celsius); // 9 bytes
    // What a chatty board sends after each command: a debug print left in.
    static constexpr char kStrayByte = '.';

private:
    void Serve();
    void Handle(const std::string& chunk);
    void Answer(std::string reply);
    // A command done: a chatty board says so with its stray byte.
    void Done();

    int m_master = -1;
    int m_slaveKeep = -1;  // held open so the pair never hangs up between connects
    int m_wake[2] = {-1, -1};
    std::string m_path;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_arrived;
    std::deque<Chunk> m_chunks;
    std::size_t m_kept = 0;        // bytes in m_chunks
    std::size_t m_total = 0;       // bytes received since the last clear
    std::uint64_t m_reads = 0;     // reads received since the last clear
    BoardState m_state;
    bool m_tempArmed = false;
    Reply m_reply = Reply::Normal;
    int m_lateMs = 0;
    std::mutex m_notifyMutex;  // held while m_onReceived runs or changes
    std::function<void()> m_onReceived;
    std::thread m_thread;
};

}  // namespace sim

#endif
