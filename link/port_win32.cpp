// Win32 serial port backend (kernel32): CreateFileA with no sharing, the DCB
// through GetCommState / SetCommState, synchronous WriteFile and ReadFile
// bounded by COMMTIMEOUTS.
#include "link/port_backend.h"

#include "link/port_name.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace port {
namespace {

static_assert(sizeof(DCB) <= sizeof(Settings::bytes));

DCB& Dcb(Settings& s) { return *reinterpret_cast<DCB*>(s.bytes); }
const DCB& Dcb(const Settings& s) { return *reinterpret_cast<const DCB*>(s.bytes); }

HANDLE H(Handle h) { return reinterpret_cast<HANDLE>(h); }

// What SaveState keeps: the DCB and the time-outs, both of which we change.
struct SavedState {
    DCB dcb;
    COMMTIMEOUTS timeouts;
};
static_assert(sizeof(SavedState) <= sizeof(Settings::bytes));
SavedState& Saved(Settings& s) { return *reinterpret_cast<SavedState*>(s.bytes); }
const SavedState& Saved(const Settings& s) { return *reinterpret_cast<const SavedState*>(s.bytes); }

// Errors on an open handle that mean the device has left; the stale handle
// blocks the name until it is closed. Not ready: what Wine gives for a
// terminal that has hung up.
Io Failure() {
    switch (::GetLastError()) {
    case ERROR_NOT_READY:
    case ERROR_ACCESS_DENIED:
    case ERROR_BAD_COMMAND:
    case ERROR_DEVICE_REMOVED:
    case ERROR_OPERATION_ABORTED:
    case ERROR_GEN_FAILURE:
    case ERROR_DEVICE_NOT_CONNECTED: return Io::Gone;
    default: return Io::Failed;
    }
}

thread_local OpenError g_openError = OpenError::None;

OpenError OpenErrorOf(DWORD e) {
    switch (e) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: return OpenError::NotFound;
    // A COM port that another program has open refuses with access denied:
    // no sharing is the rule for ports here, not a missing right.
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION: return OpenError::Busy;
    default: return OpenError::Other;
    }
}

}  // namespace

Handle Open(const char* name) {
    // "COM10" and above open only through the device namespace.
    const std::string path = DevicePath(name);
    const HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
    g_openError = h == INVALID_HANDLE_VALUE ? OpenErrorOf(::GetLastError()) : OpenError::None;
    return h == INVALID_HANDLE_VALUE ? kNoPort : reinterpret_cast<Handle>(h);
}

OpenError LastOpenError() { return g_openError; }

void PrepareSettings(Settings& dcb) { Dcb(dcb).DCBlength = sizeof(DCB); }

bool GetState(Handle h, Settings& dcb) { return ::GetCommState(H(h), &Dcb(dcb)) != FALSE; }

void SetLine115200_8N1(Settings& dcb) {
    DCB& d = Dcb(dcb);
    d.BaudRate = CBR_115200;
    d.ByteSize = 8;
    d.Parity = NOPARITY;
    d.StopBits = ONESTOPBIT;
}

bool SetState(Handle h, const Settings& dcb) {
    DCB d = Dcb(dcb);
    if (::SetCommState(H(h), &d) == FALSE) return false;
    // (0, 0, T): a read waits for all its bytes or T ms; a write for T ms.
    COMMTIMEOUTS t{};
    t.ReadTotalTimeoutConstant = kReadBoundMs;
    t.WriteTotalTimeoutConstant = kWriteBoundMs;
    return ::SetCommTimeouts(H(h), &t) != FALSE;
}

bool SaveState(Handle h, Settings& saved) {
    SavedState& st = Saved(saved);
    st.dcb.DCBlength = sizeof(DCB);
    return ::GetCommState(H(h), &st.dcb) != FALSE && ::GetCommTimeouts(H(h), &st.timeouts) != FALSE;
}

void RestoreState(Handle h, const Settings& saved) {
    SavedState st = Saved(saved);
    ::SetCommState(H(h), &st.dcb);
    ::SetCommTimeouts(H(h), &st.timeouts);
}

void DiscardInput(Handle h) { ::PurgeComm(H(h), PURGE_RXCLEAR); }

std::uint32_t TakeWaiting(Handle h, unsigned char* data, std::uint32_t count) {
    // Only what the driver already holds, so the read returns at once.
    DWORD errors = 0;
    COMSTAT stat{};
    if (::ClearCommError(H(h), &errors, &stat) == FALSE || stat.cbInQue == 0) return 0;
    DWORD n = 0;
    if (::ReadFile(H(h), data, std::min<DWORD>(count, stat.cbInQue), &n, nullptr) == FALSE) return 0;
    return n;
}

Io Write(Handle h, const unsigned char* data, std::uint32_t count, std::uint32_t& written) {
    DWORD n = 0;
    const BOOL ok = ::WriteFile(H(h), data, count, &n, nullptr);
    written = n;
    if (ok == FALSE) return Failure();
    // A write that timed out returns TRUE with fewer bytes: that is no success.
    return n == count ? Io::Ok : Io::Failed;
}

Io Read(Handle h, unsigned char* data, std::uint32_t count, std::uint32_t& got) {
    DWORD n = 0;
    const BOOL ok = ::ReadFile(H(h), data, count, &n, nullptr);
    got = n;
    return ok != FALSE ? Io::Ok : Failure();
}

bool HasLeft(Handle h) {
    DWORD errors = 0;
    COMSTAT stat{};
    return ::ClearCommError(H(h), &errors, &stat) == FALSE && Failure() == Io::Gone;
}

void Close(Handle h) { ::CloseHandle(H(h)); }

}  // namespace port
