// Fault injection at the OS boundary, for the tests that need a port that
// fails without its device having left.
#ifndef VELMORA_PANEL_TESTS_OS_FAULTS_H
#define VELMORA_PANEL_TESTS_OS_FAULTS_H

namespace os_faults {

// When set, the next tcsetattr fails as a device that refuses the settings.
extern bool failSetState;
// Writes to this descriptor fail with an I/O error that is no hang-up
// (-1: none).
extern int failWritesTo;

}  // namespace os_faults

#endif
