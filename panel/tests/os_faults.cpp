#include "panel/tests/os_faults.h"

#include <cerrno>

#include <dlfcn.h>
#include <termios.h>
#include <unistd.h>

namespace os_faults {
bool failSetState = false;
int failWritesTo = -1;
}  // namespace os_faults

extern "C" int tcsetattr(int fd, int actions, const struct termios* t) {
    using Real = int (*)(int, int, const struct termios*);
    static const auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "tcsetattr"));
    if (os_faults::failSetState) {
        os_faults::failSetState = false;
        errno = EINVAL;
        return -1;
    }
    return real(fd, actions, t);
}

extern "C" ssize_t write(int fd, const void* buf, size_t n) {
    using Real = ssize_t (*)(int, const void*, size_t);
    static const auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "write"));
    if (fd >= 0 && fd == os_faults::failWritesTo) {
        errno = ENOSPC;  // a failure the device may recover from
        return -1;
    }
    return real(fd, buf, n);
}
