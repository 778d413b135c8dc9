// The process itself and the programs it starts: what the capture needs beyond the demo.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Points SDL at drivers that draw and play without a screen or sound device a user would
// see or hear, and without message boxes: SDL's offscreen and dummy drivers where they can
// make a GL context, a real window that shows no boxes where they cannot (Windows).
void PlatformUseOffscreenDrivers();
// Peak and current memory of this process in kB (resident set, or working set on Windows);
// false, with both -1, where the system cannot tell.
bool PlatformReadMemory(long& peakKb, long& currentKb);

// True when a program of that name can be started from the search path.
bool PlatformHasProgram(const char* name);
// One argument quoted for a command line of this system's shell.
std::string PlatformQuoteArgument(const std::string& argument);
// Runs a command line; true when it exits with 0.
bool PlatformRunCommand(const std::string& commandLine);
// Starts a command line with a pipe to its standard input, for binary data; a program that
// ends early makes writes fail rather than ending this process.
FILE* PlatformOpenPipe(const std::string& commandLine);
// Closes the pipe and waits for the program; true when it exited with 0.
bool PlatformClosePipe(FILE* pipe);

// Starts args[0] (a path, or a name looked up on the search path) with the other arguments as
// given, its standard output and error sent to the files `out` and `err` ("": thrown away).
// Returns a number for PlatformWaitProgram, or -1 when it could not start.
int PlatformStartProgram(const std::vector<std::string>& args, const std::string& out,
                         const std::string& err);
// Waits for a started program: its exit code, or -1 when it did not start, a signal ended it,
// or it ran longer than `limitSeconds` (it is then killed).
int PlatformWaitProgram(int program, int limitSeconds);
