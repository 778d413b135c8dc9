// What each operating system does its own way, below the rest of platform/ (which includes
// this; nothing above platform/ does). system.cpp is the POSIX form, system_win.cpp Windows'.
#pragma once

// Calls onInterrupt at Ctrl+C or a request to end the process (SIGINT and SIGTERM; the
// console's Ctrl+C, Ctrl+Break and close events). onInterrupt may run in a signal handler or
// another thread: it may only set a flag. Installed once; later calls do nothing.
void SystemCatchInterrupts(void (*onInterrupt)());
// True when message boxes can reach a user: a desktop session is there and nothing asked
// for a run without boxes.
bool SystemHasDesktop();
