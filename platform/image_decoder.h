// The picture decoder for PNG, JPEG and BMP files: the few operations the texture loader
// needs, with the pixels as blue, green, red (and alpha, not premultiplied), top row first.
#pragma once

#include <cstddef>
#include <cstdint>

// The budget of one picture, whatever its file's size: at most 4 Mi pixels (2048 x 2048, four
// times the largest picture the demo ships), refused before anything is allocated. Loading
// one at the limit holds the decoded surface and its converted copy, the loader's buffer,
// GLU's mipmaps and the driver's texture for a moment, 16 MiB each and under 128 MiB in all
// (2048 x 2048 RGBA in place of the title adds 37 MB to the demo's peak). Time: one pass over
// the file to screen it, then the decoder, bounded by the pixels (and for a progressive JPEG
// the scans: at most 64).
constexpr int64_t kMaxPicturePixels = int64_t{4} << 20;

// One decoded picture: decode, read its size, depth and rows, then release (the destructor
// releases too). Depth is 24 bits for pictures without alpha (every JPEG), 32 for pictures
// with alpha or a transparent colour, and the palette's own depth (8 or less) for palette
// pictures. A palette picture has its size and depth only, no rows: topRow() is null and
// pitch() 0, since its only use is to be refused by its depth.
class DecodedImage {
  public:
    DecodedImage() = default;
    ~DecodedImage();
    DecodedImage(const DecodedImage&) = delete;
    DecodedImage& operator=(const DecodedImage&) = delete;

    // Decodes the file; `\` in the path counts as a separator. The format is recognised by
    // content, not by name. False when the file cannot be opened or decoded; the picture is
    // then empty.
    bool decode(const char* path);
    int width() const { return width_; }
    int height() const { return height_; }
    int bitsPerPixel() const { return bitsPerPixel_; }
    // Signed distance in bytes from one row to the next one down.
    std::ptrdiff_t pitch() const { return pitch_; }
    // First byte of the top row.
    const unsigned char* topRow() const { return topRow_; }
    void release();

  private:
    void* surface_ = nullptr; // the platform's picture, kept opaque to the rest of the system
    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 0;
    std::ptrdiff_t pitch_ = 0;
    const unsigned char* topRow_ = nullptr;
};

// Loads the decoder's libraries now, so that pictures may then be decoded on several threads
// at once (each DecodedImage used by one thread at a time).
void PrepareImageDecoding();
