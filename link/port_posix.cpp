// POSIX serial port backend (Linux): termios in raw mode, an exclusive
// open (flock plus TIOCEXCL) and reads and writes bounded by poll() against
// a monotonic deadline. Works on real tty devices and on pseudo-terminals.
#include "link/port_backend.h"

#include <cerrno>
#include <chrono>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace port {
namespace {

static_assert(sizeof(termios) <= sizeof(Settings::bytes));

termios& Tio(Settings& s) { return *reinterpret_cast<termios*>(s.bytes); }
const termios& Tio(const Settings& s) { return *reinterpret_cast<const termios*>(s.bytes); }

int Fd(Handle h) { return static_cast<int>(h); }

using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// errno values that mean the device itself is gone.
bool GoneErrno(int e) { return e == EIO || e == ENXIO || e == ENODEV || e == EPIPE; }

enum class Wait { Ready, TimedOut, Failed, Gone };

// Waits for `events` until the deadline.
Wait WaitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, MsLeft(deadline));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Wait::Failed;
        if (n == 0) return Wait::TimedOut;
        if ((p.revents & events) != 0) return Wait::Ready;
        // A hang-up (an unplugged adapter, a pty whose other side closed).
        return (p.revents & (POLLHUP | POLLERR)) != 0 ? Wait::Gone : Wait::Failed;
    }
}

thread_local OpenError g_openError = OpenError::None;

OpenError OpenErrorOf(int e) {
    switch (e) {
    case ENOENT:
    case ENOTDIR:
    case ENXIO:  // a device node with no device behind it
    case ENODEV: return OpenError::NotFound;
    case EACCES:
    case EPERM: return OpenError::AccessDenied;
    case EBUSY:  // another user's open under TIOCEXCL
    case EWOULDBLOCK: return OpenError::Busy;
    case EISDIR: return OpenError::NotSerial;
    default: return OpenError::Other;
    }
}

Handle Refused(int fd, int e) {
    if (fd >= 0) ::close(fd);
    g_openError = OpenErrorOf(e);
    return kNoPort;
}

}  // namespace

Handle Open(const char* name) {
    const int fd = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Refused(fd, errno);
    // flock keeps out every other program that locks (root included);
    // TIOCEXCL keeps out plain opens by other users. ptys may refuse it.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return Refused(fd, errno);
    if (::ioctl(fd, TIOCEXCL) != 0 && errno != ENOTTY && errno != EINVAL) return Refused(fd, errno);
    g_openError = OpenError::None;
    return fd;
}

OpenError LastOpenError() { return g_openError; }

void PrepareSettings(Settings&) {}  // termios has no length field

bool GetState(Handle h, Settings& dcb) { return ::tcgetattr(Fd(h), &Tio(dcb)) == 0; }

void SetLine115200_8N1(Settings& dcb) {
    termios& t = Tio(dcb);
    // The Windows port is always binary; raw mode is the same here. Without
    // it a read waits for a newline and 0x11 (row 1's locate) is taken as XON.
    ::cfmakeraw(&t);
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    ::cfsetispeed(&t, B115200);
    ::cfsetospeed(&t, B115200);
}

bool SetState(Handle h, const Settings& dcb) {
    const termios& want = Tio(dcb);
    if (::tcsetattr(Fd(h), TCSANOW, &want) != 0) return false;
    // tcsetattr succeeds when any one change took: read back and compare.
    termios got{};
    if (::tcgetattr(Fd(h), &got) != 0) return false;
    constexpr tcflag_t kLineBits = CSIZE | PARENB | CSTOPB;
    return cfgetispeed(&got) == cfgetispeed(&want) && cfgetospeed(&got) == cfgetospeed(&want) &&
           (got.c_cflag & kLineBits) == (want.c_cflag & kLineBits) &&
           (got.c_lflag & ICANON) == (want.c_lflag & ICANON) &&
           (got.c_iflag & IXON) == (want.c_iflag & IXON);
}

bool SaveState(Handle h, Settings& saved) { return ::tcgetattr(Fd(h), &Tio(saved)) == 0; }

void RestoreState(Handle h, const Settings& saved) {
    // After the last command has left: a new speed mid-byte garbles it.
    ::tcsetattr(Fd(h), TCSADRAIN, &Tio(saved));
}

void DiscardInput(Handle h) { ::tcflush(Fd(h), TCIFLUSH); }

std::uint32_t TakeWaiting(Handle h, unsigned char* data, std::uint32_t count) {
    // The port is open non-blocking: a read with nothing there gives EAGAIN.
    for (;;) {
        const ssize_t n = ::read(Fd(h), data, count);
        if (n > 0) return static_cast<std::uint32_t>(n);
        if (n < 0 && errno == EINTR) continue;
        return 0;
    }
}

Io Write(Handle h, const unsigned char* data, std::uint32_t count, std::uint32_t& written) {
    written = 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kWriteBoundMs);
    while (written < count) {
        // Try first: the usual case is one write() and no poll().
        const ssize_t n = ::write(Fd(h), data + written, count - written);
        if (n > 0) {
            written += static_cast<std::uint32_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) return GoneErrno(errno) ? Io::Gone : Io::Failed;
        switch (WaitFor(Fd(h), POLLOUT, deadline)) {
        case Wait::Ready: continue;
        case Wait::Gone: return Io::Gone;
        case Wait::TimedOut:
        case Wait::Failed: return Io::Failed;
        }
    }
    return Io::Ok;
}

Io Read(Handle h, unsigned char* data, std::uint32_t count, std::uint32_t& got) {
    got = 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kReadBoundMs);
    const auto ended = [&](Io how) { return got > 0 ? Io::Ok : how; };
    while (got < count) {
        switch (WaitFor(Fd(h), POLLIN, deadline)) {
        case Wait::Ready: break;
        case Wait::TimedOut: return Io::Ok;  // what came is the reply
        case Wait::Gone: return ended(Io::Gone);
        case Wait::Failed: return ended(Io::Failed);
        }
        const ssize_t n = ::read(Fd(h), data + got, count - got);
        if (n > 0) {
            got += static_cast<std::uint32_t>(n);
        } else if (n == 0) {
            return ended(Io::Gone);  // end of file: hung up
        } else if (errno != EINTR && errno != EAGAIN) {
            return ended(GoneErrno(errno) ? Io::Gone : Io::Failed);
        }
    }
    return Io::Ok;
}

bool HasLeft(Handle h) {
    pollfd p{Fd(h), POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

void Close(Handle h) {
    // Without TIOCNXCL a pty can stay busy for the next open.
    ::ioctl(Fd(h), TIOCNXCL);
    ::close(Fd(h));
}

}  // namespace port
