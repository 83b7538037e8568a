#include "app/cli/closed_pipe.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <iterator>

namespace {

// Closed by the reader (ERROR_NO_DATA on Windows, ERROR_PIPE_NOT_CONNECTED
// under Wine) or broken (ERROR_BROKEN_PIPE).
constexpr DWORD kClosedPipe[] = {ERROR_NO_DATA, ERROR_BROKEN_PIPE, ERROR_PIPE_NOT_CONNECTED};

}  // namespace

void ForgetWriteError() {
    errno = 0;
    ::SetLastError(ERROR_SUCCESS);
}

bool WriteFailedOnClosedPipe() {
    return errno == EPIPE || std::ranges::find(kClosedPipe, ::GetLastError()) != std::end(kClosedPipe);
}
