// The bodies of the fuzz targets, one per file reader, shared by the libFuzzer programs and by
// the regression test that replays the inputs they found. Each takes one input and aborts on a
// broken invariant, so that a fuzzer or a test sees it as a crash.
#pragma once

#include <cstddef>
#include <cstdint>

// Once per process, before anything reads the clock: the virtual counter, an offscreen window and
// GL context, and a scratch folder (removed at exit) as the working directory for named inputs.
void HarnessSetUp();

// The TGA reader from memory and through LoadTexture from a file; both must agree.
void FuzzTga(const uint8_t* data, size_t size);
// The binary `.mesh` and the `.raw` text parsers: the model keeps only in-range indices (a text
// model holds one mesh), and is drawn.
void FuzzBinaryMesh(const uint8_t* data, size_t size);
void FuzzTextMesh(const uint8_t* data, size_t size);
// LoadTexture's picture decoder on a file named .png (the decoder goes by content).
void FuzzPicture(const uint8_t* data, size_t size);
// The soundtrack opened by Music from the input, played, and its spectrum taken from the first
// frame to long past the end: every magnitude a finite non-negative number.
void FuzzMusic(const uint8_t* data, size_t size);
