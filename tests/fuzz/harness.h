// The bodies of the fuzz targets, one per file reader, shared by the libFuzzer programs and by
// the regression test that replays the inputs they found. Each takes one input and aborts on
// a broken invariant, so that a fuzzer or a test sees it as a crash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Once per process, before anything reads the clock: the virtual counter, an offscreen window
// and GL context (textures are uploaded), and a private scratch folder made the working
// directory, removed at exit. Inputs that a reader takes by name are written there.
void HarnessSetUp();
const std::string& HarnessFolder();

// The TGA reader from memory and through LoadTexture from a file; both must agree.
void FuzzTga(const uint8_t* data, size_t size);
// The binary `.mesh` parser; the model must keep only in-range indices, and is drawn.
void FuzzBinaryMesh(const uint8_t* data, size_t size);
// The `.raw` text parser; the model is checked and drawn.
void FuzzTextMesh(const uint8_t* data, size_t size);
// LoadTexture's picture decoder path on a file named .png (the decoder goes by content).
void FuzzPicture(const uint8_t* data, size_t size);
// The soundtrack opened by Music from the input, played, and its spectrum taken at several
// moments; every magnitude must be a finite number. The stream is freed afterwards.
void FuzzMusic(const uint8_t* data, size_t size);
