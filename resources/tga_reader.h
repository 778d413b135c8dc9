// The TGA reader: uncompressed 8, 24 and 32-bit pictures, rows in file order, bytes as stored
// (blue, green, red, alpha). Only width, height and depth are read from the header.
#pragma once

#include <GL/gl.h>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

constexpr size_t kTgaHeaderBytes = 18;

struct TgaHeader {
    int32_t width = 0;  // pixels, 0 to 65535
    int32_t height = 0; // pixels, 0 to 65535
    int32_t depth = 0;  // bits per pixel as the header says
};
// The three fields this system uses, from the 18 header bytes.
TgaHeader ParseTgaHeader(const uint8_t (&bytes)[kTgaHeaderBytes]);

// tooLarge: more pixels than a picture's budget (kMaxPicturePixels), refused before reading them.
enum class TgaResult { ok, shortHeader, unsupportedDepth, tooLarge, noMemory, shortData };

struct TgaImage {
    int32_t width = 0;
    int32_t height = 0;
    int32_t components = 0; // 1, 3 or 4 bytes per pixel
    GLenum internalFormat = 0;
    GLenum format = 0;
    std::unique_ptr<unsigned char[]> pixels;
};

// Bytes of pixel data a header asks for; 64 bits, as 65535 x 65535 x 4 does not fit in 32.
uint64_t TgaImageBytes(const TgaHeader& header);

// Budget: the pixels are allocated once, after the header's size has been checked against the
// picture budget and against what the file holds, so they never outgrow the file; with the
// upload's copies a TGA costs at most about five times its pixels (under 128 MiB at the limit).
// Time: one read of the file.
// Reads header and pixels from an open file positioned at its start. The caller keeps the
// file and closes it. On failure `image.pixels` is empty.
TgaResult ReadTga(FILE* file, TgaImage& image);
// The same from the whole file's bytes already in memory; the same result for the same bytes.
TgaResult ParseTga(const uint8_t* data, size_t size, TgaImage& image);
