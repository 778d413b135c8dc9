// The picture decoder for PNG, JPEG and BMP files: the few operations the texture loader
// needs, with the pixels as blue, green, red (and alpha, not premultiplied), top row first.
#pragma once

#include <cstddef>

// One decoded picture. Use: decode, read the size, depth and rows, then release (the
// destructor releases too). Depth is 24 bits for pictures without alpha, 32 with alpha, and
// the palette's own depth (8 or less) for palette pictures, whose bytes are indices.
class DecodedImage {
  public:
    DecodedImage() = default;
    ~DecodedImage();
    DecodedImage(const DecodedImage&) = delete;
    DecodedImage& operator=(const DecodedImage&) = delete;

    // Decodes the file; `\` in the path counts as a separator. False when the file cannot be
    // opened or decoded; the picture is then empty.
    bool decode(const char* path);
    int width() const;
    int height() const;
    int bitsPerPixel() const;
    // Signed distance in bytes from one row to the next one down.
    std::ptrdiff_t pitch() const;
    // First byte of the top row; null when nothing is decoded.
    const unsigned char* topRow() const;
    void release();

  private:
    void* surface_ = nullptr; // the platform's picture, kept opaque to the rest of the system
};
