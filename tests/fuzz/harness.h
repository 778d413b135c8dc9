// The bodies of the fuzz targets, one per file reader, shared by the libFuzzer programs and by
// the regression test that replays the inputs they found. Each takes one input and aborts on a
// broken invariant, so that a fuzzer or a test sees it as a crash.
#pragma once

#include <cstddef>
#include <cstdint>

// Once per process, before anything reads the clock: the virtual counter, an offscreen window and
// GL context, and a scratch folder (removed at exit) as the working directory for named inputs.
void HarnessSetUp();

void FuzzTga(const uint8_t* data, size_t size);        // from memory and from a file, alike
void FuzzBinaryMesh(const uint8_t* data, size_t size); // the model built from it, then drawn
void FuzzTextMesh(const uint8_t* data, size_t size);   // as FuzzBinaryMesh, for .raw text
void FuzzPicture(const uint8_t* data, size_t size);    // a file named .png, decoded by content
void FuzzMusic(const uint8_t* data, size_t size);      // played, its spectrum read to past the end
