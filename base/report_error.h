// The single reporter of errors and warnings: printf-style, to standard output and then to a
// blocking box titled "Error". It never ends the program.
#pragma once

#if defined(__GNUC__)
#define REROVUZ_PRINTF(f, a) __attribute__((format(printf, f, a)))
#else
#define REROVUZ_PRINTF(f, a)
#endif

// The formatted text is cut at 1023 characters (the buffer holds 1024 with the terminator).
void ReportError(const char* format, ...) REROVUZ_PRINTF(1, 2);

// The show's timeline, for tests and for anyone chasing a sync problem: with REROVUZ_TRACE set
// in the environment, the formatted line on standard error; otherwise nothing.
void Trace(const char* format, ...) REROVUZ_PRINTF(1, 2);
