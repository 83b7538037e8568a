#include "app/cli/closed_pipe.h"

#include <cerrno>

// SIGPIPE is ignored (cli_main.cpp), so the write fails with EPIPE instead.
void ForgetWriteError() { errno = 0; }

bool WriteFailedOnClosedPipe() { return errno == EPIPE; }
