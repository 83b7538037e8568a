// Whether a write to the output failed because its reader closed the pipe
// (watch | head): a reader that has read all it wanted, which is no fault.
// One small adapter per platform, each reading its own error word: errno's
// EPIPE on POSIX; on Windows the pipe errors WriteFile sets, which the C
// runtime does not all turn into EPIPE (under Wine a closed pipe is
// ERROR_PIPE_NOT_CONNECTED, which it calls EINVAL).
#ifndef VELMORA_APP_CLI_CLOSED_PIPE_H
#define VELMORA_APP_CLI_CLOSED_PIPE_H

// Before the write: no error left from an earlier call.
void ForgetWriteError();
// Right after a write that failed.
bool WriteFailedOnClosedPipe();

#endif
