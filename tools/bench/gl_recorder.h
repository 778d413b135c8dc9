// The GL call recorder the benchmark preloads into the demo: it stands in front of every GL
// entry point the demo and GLU use, and can pass calls on, record them, or swallow them.
//
// Loaded with LD_PRELOAD only into the passes that need it, so the timed demo pass runs with
// nothing in between. The benchmark finds these functions with dlsym at run time.
#pragma once

#include <cstddef>
#include <cstdint>

enum GlRecorderMode : int {
    GLREC_PASS = 0,           // call the driver only
    GLREC_RECORD = 1,         // append to the stream, do not call the driver
    GLREC_RECORD_EXECUTE = 2, // append and call the driver
    GLREC_DISCARD = 3,        // neither: a driver that does nothing
};

extern "C" {
// Queries (glGet*, glGetError) always reach the driver; so do the few calls that cannot be
// replayed later (texture uploads, texture names), which are counted as unrecorded.
typedef void (*GlrecSetModeFn)(int mode);
// Calls made through the recorder since the last reset, in every mode but GLREC_PASS.
typedef uint64_t (*GlrecCountFn)();
// Sends the recorded stream to the driver, in order, with the recorded arguments.
// GlrecReplayIdle walks the stream the same way but calls functions that do nothing: the
// replay's own cost, which the floor includes.
typedef void (*GlrecReplayFn)();
// Empties the stream (keeping its memory) and zeroes the counts.
typedef void (*GlrecResetFn)();
typedef size_t (*GlrecStreamBytesFn)();
}

// The names the functions are exported under.
#define GLREC_SET_MODE "GlrecSetMode"
#define GLREC_CALL_NUM "GlrecCallNum"
#define GLREC_UNRECORDED_NUM "GlrecUnrecordedNum"
#define GLREC_REPLAY "GlrecReplay"
#define GLREC_REPLAY_IDLE "GlrecReplayIdle"
#define GLREC_RESET "GlrecReset"
#define GLREC_STREAM_BYTES "GlrecStreamBytes"
