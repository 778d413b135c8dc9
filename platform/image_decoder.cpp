// The picture decoder over SDL2_image: decodes a file and hands out its rows as blue, green,
// red (and alpha), converting whatever layout SDL2_image produced.
//
// What arrives, checked with real files (SDL2_image 2.6 over libpng 1.6 and libjpeg-turbo 2.1):
// - JPEG: 24 bits, baseline and progressive alike. A grayscale JPEG arrives as 24-bit grey
//   (red = green = blue). A CMYK JPEG, which SDL2_image hands over with an alpha mask, is
//   held to 24 bits like every other JPEG.
// - PNG with alpha, grey PNG with alpha among them: 32 bits. RGB PNG: 24 bits. A truecolour
//   or grey PNG with one transparent colour (tRNS): 32 bits, that colour with alpha 0.
// - Grey PNG without alpha: 24-bit grey. SDL2_image gives it a grey palette; it is expanded
//   here so that it loads instead of being refused as a palette picture.
// - 16-bit PNG: cut to 8 bits per channel by SDL2_image, then as above.
// - Interlaced PNG: decoded whole, no different from a plain one.
// - Palette PNG: its own depth from the header (1, 2, 4 or 8 bits), so the loader refuses it.
//   That holds also when SDL2_image expanded it to 32 bits because its palette carries alpha.
// - BMP of 1, 4 or 8 bits (grey ones too, BMP stores them with a palette): 8 bits, refused.
//   24-bit BMP: 24 bits. 32-bit BMP: 32 bits, an all-zero alpha channel made opaque by SDL.
// - Any other content (GIF, TIFF, WebP... which SDL2_image would also take) is refused, as
//   is a picture larger than kMaxSide on a side or kMaxPicturePixels in all, before anything
//   is allocated for it: a file of a few bytes must not be able to ask for gigabytes. So is an
//   uncompressed BMP whose rows are not all in the file, and a JPEG with more than
//   kMaxJpegScans scans.
// - A PNG whose chunks run past the end of the file, or that ends before IEND, is refused
//   before decoding: SDL2_image's PNG reader ignores short reads and libpng then reads the
//   same stale chunk header for ever.
#include "platform/image_decoder.h"

#include "platform/files.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
SDL_Surface* Surface(void* surface) {
    return static_cast<SDL_Surface*>(surface);
}

// The two IHDR fields that tell a palette PNG from a grey one; SDL surfaces do not.
struct PngKind {
    bool isPng = false;
    int bitDepth = 0;
    int colourType = 0; // 0 grey, 2 RGB, 3 palette, 4 grey and alpha, 6 RGBA
};

// 16384 is the largest texture side Mesa's drivers take.
constexpr int64_t kMaxSide = 16384;
// A progressive JPEG decodes every block of the picture once per scan; the usual progressions
// have 6 to 12. More scans are refused, so decoding costs at most this many passes.
constexpr int kMaxJpegScans = 64;

enum class PictureKind { other, png, jpeg, bmp };

// What the header says, before any decoding: the kind by content, the size in pixels, and
// whether the file holds the whole structure the decoder will walk.
struct Screened {
    PictureKind kind = PictureKind::other;
    int64_t width = -1;
    int64_t height = -1;
};

bool ReadAt(SDL_RWops* file, int64_t at, unsigned char* to, size_t size) {
    return SDL_RWseek(file, at, RW_SEEK_SET) == at && SDL_RWread(file, to, 1, size) == size;
}

uint32_t BigEndian32(const unsigned char* p) {
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

// Every chunk from the signature to IEND must lie inside the file. Size from IHDR.
void ScreenPng(SDL_RWops* file, int64_t fileSize, Screened& out) {
    int64_t at = 8;
    bool first = true;
    while (at + 12 <= fileSize) {
        unsigned char head[16];
        if (!ReadAt(file, at, head, 8))
            return;
        const uint32_t length = BigEndian32(head);
        if (length > 0x7FFFFFFFu)
            return;
        const int64_t next = at + 12 + length;
        if (next > fileSize)
            return;
        if (first) {
            if (std::memcmp(head + 4, "IHDR", 4) != 0 || length < 8 ||
                !ReadAt(file, at + 8, head, 8))
                return;
            out.width = BigEndian32(head);
            out.height = BigEndian32(head + 4);
            first = false;
        } else if (std::memcmp(head + 4, "IEND", 4) == 0) {
            out.kind = PictureKind::png;
            return;
        }
        at = next;
    }
}

// Reads a file forward through a buffer of its own, a byte at a time.
class ForwardReader {
  public:
    ForwardReader(SDL_RWops* file, int64_t from) : file(file), at(from) {
        ok = SDL_RWseek(file, from, RW_SEEK_SET) == from;
    }
    // The next byte, or -1 at the end of the file or on an error.
    int next() {
        if (pos == got) {
            got = ok ? SDL_RWread(file, chunk, 1, sizeof chunk) : 0;
            pos = 0;
            if (got == 0)
                return -1;
        }
        ++at;
        return chunk[pos++];
    }
    int64_t position() const { return at; }

  private:
    SDL_RWops* file;
    int64_t at;
    bool ok;
    unsigned char chunk[65536];
    size_t got = 0, pos = 0;
};

// Everything after the frame header, walked as the decoder walks it: segments skipped by their
// length, coded data up to the next marker (in coded data a 0xFF byte is followed by 0x00 or a
// restart marker). SDL2_image decodes a JPEG cut short without complaint, the missing part
// grey, so the end marker must be there; and the scans are counted on the way.
bool JpegEndsWithinScanBudget(SDL_RWops* file, int64_t from, int64_t fileSize) {
    ForwardReader in(file, from);
    int scans = 0;
    for (;;) {
        // The next marker: 0xFF, fill bytes, then a code that is neither 0 nor a restart.
        int code = -1;
        for (int b = in.next(); b >= 0 && code < 0; b = in.next()) {
            if (b != 0xFF)
                continue;
            int c = in.next();
            while (c == 0xFF)
                c = in.next();
            if (c < 0)
                return false;
            if (c != 0x00 && !(c >= 0xD0 && c <= 0xD7))
                code = c;
            if (code >= 0)
                break;
        }
        if (code < 0)
            return false;
        if (code == 0xD9)
            return true;
        if (code == 0x01)
            continue;
        if (code == 0xDA && ++scans > kMaxJpegScans)
            return false;
        const int high = in.next(), low = in.next();
        if (low < 0)
            return false;
        const int64_t next = in.position() - 2 + (high << 8 | low);
        if (next > fileSize)
            return false;
        while (in.position() < next)
            if (in.next() < 0)
                return false;
    }
}

// The size from the first start-of-frame marker; markers before it are skipped by length.
void ScreenJpeg(SDL_RWops* file, int64_t fileSize, Screened& out) {
    int64_t at = 2;
    unsigned char b[8];
    while (at + 4 <= fileSize) {
        if (!ReadAt(file, at, b, 2) || b[0] != 0xFF)
            return;
        const unsigned char marker = b[1];
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { // no length
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) // end, or scan data before any frame
            return;
        if (!ReadAt(file, at + 2, b, 7))
            return;
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            out.height = b[3] << 8 | b[4];
            out.width = b[5] << 8 | b[6];
            if (JpegEndsWithinScanBudget(file, at + 2 + (b[0] << 8 | b[1]), fileSize))
                out.kind = PictureKind::jpeg;
            return;
        }
        at += 2 + (b[0] << 8 | b[1]);
    }
}

uint32_t LittleEndian32(const unsigned char* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

// An uncompressed BMP must hold all its rows: the decoder allocates the whole picture before
// it reads them, so a header of a few dozen bytes could otherwise cost the whole budget.
void ScreenBmp(SDL_RWops* file, int64_t fileSize, Screened& out) {
    unsigned char h[30];
    if (!ReadAt(file, 0, h, sizeof h))
        return;
    const int64_t dataAt = LittleEndian32(h + 10);
    const uint32_t headerSize = LittleEndian32(h + 14);
    int bitsPerPixel;
    uint32_t compression = 0;
    if (headerSize == 12) { // OS/2: 16-bit sizes
        out.width = h[18] | h[19] << 8;
        out.height = h[20] | h[21] << 8;
        bitsPerPixel = h[24] | h[25] << 8;
    } else {
        int32_t width, height;
        std::memcpy(&width, h + 18, 4); // little-endian, as the machine
        std::memcpy(&height, h + 22, 4);
        out.width = width;
        out.height = std::abs(int64_t{height}); // negative: stored top row first
        bitsPerPixel = h[28] | h[29] << 8;
        unsigned char c[4];
        if (headerSize >= 40 && ReadAt(file, 30, c, 4))
            compression = LittleEndian32(c);
    }
    // Run-length coded rows (1, 2) are bounded by the pixel budget alone.
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (uncompressed && out.width >= 0 && out.height >= 0 && out.width <= kMaxSide &&
        out.height <= kMaxSide) {
        const int64_t rowBytes = (out.width * bitsPerPixel + 31) / 32 * 4;
        if (dataAt + rowBytes * out.height > fileSize)
            return;
    }
    out.kind = PictureKind::bmp;
}

Screened Screen(SDL_RWops* file) {
    Screened out;
    const Sint64 start = SDL_RWtell(file);
    const Sint64 fileSize = SDL_RWsize(file);
    if (start == 0 && fileSize > 0) {
        if (IMG_isPNG(file))
            ScreenPng(file, fileSize, out);
        else if (IMG_isJPG(file))
            ScreenJpeg(file, fileSize, out);
        else if (IMG_isBMP(file))
            ScreenBmp(file, fileSize, out);
    }
    SDL_RWseek(file, start, RW_SEEK_SET);
    if (out.width < 0 || out.height < 0 || out.width > kMaxSide || out.height > kMaxSide ||
        out.width * out.height > kMaxPicturePixels)
        out.kind = PictureKind::other;
    return out;
}

PngKind PeekPng(SDL_RWops* file) {
    // Signature (8 bytes), IHDR length and tag (8), width and height (8), bit depth, colour type.
    unsigned char head[26];
    PngKind kind;
    const Sint64 start = SDL_RWtell(file);
    const size_t got = SDL_RWread(file, head, 1, sizeof head);
    SDL_RWseek(file, start, RW_SEEK_SET);
    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (got != sizeof head || std::memcmp(head, signature, 8) != 0 ||
        std::memcmp(head + 12, "IHDR", 4) != 0)
        return kind;
    kind.isPng = true;
    kind.bitDepth = head[24];
    kind.colourType = head[25];
    return kind;
}
} // namespace

DecodedImage::~DecodedImage() {
    release();
}

bool DecodedImage::decode(const char* path) {
    release();
    if (!path)
        return false;
    FILE* opened = PlatformOpenFile(path, "rb");
    if (!opened)
        return false;
    SDL_RWops* file = SDL_RWFromFP(opened, SDL_TRUE);
    if (!file) {
        std::fclose(opened);
        return false;
    }
    const Screened screened = Screen(file);
    if (screened.kind == PictureKind::other) {
        SDL_RWclose(file);
        return false;
    }
    const bool jpeg = screened.kind == PictureKind::jpeg;
    const PngKind png = PeekPng(file);
    static const char* const types[] = {"", "PNG", "JPG", "BMP"};
    SDL_Surface* decoded = IMG_LoadTyped_RW(file, 1, types[static_cast<int>(screened.kind)]);
    if (!decoded)
        return false;

    const SDL_PixelFormat* from = decoded->format;
    const bool palette = png.isPng ? png.colourType == 3 : from->palette != nullptr;
    if (palette) {
        width_ = decoded->w;
        height_ = decoded->h;
        bitsPerPixel_ = png.isPng ? png.bitDepth : from->BitsPerPixel;
        SDL_FreeSurface(decoded);
        return true;
    }

    const bool alpha = !jpeg && (from->Amask != 0 || SDL_HasColorKey(decoded));
    const Uint32 wanted = alpha ? SDL_PIXELFORMAT_BGRA32 : SDL_PIXELFORMAT_BGR24;
    SDL_Surface* picture = decoded;
    if (from->format != wanted) {
        // Copies alpha as it is (never premultiplied), expands a grey palette and turns a
        // transparent colour into alpha 0.
        picture = SDL_ConvertSurfaceFormat(decoded, wanted, 0);
        SDL_FreeSurface(decoded);
        if (!picture)
            return false;
    }
    if (SDL_MUSTLOCK(picture) && SDL_LockSurface(picture) != 0) {
        SDL_FreeSurface(picture);
        return false;
    }
    surface_ = picture;
    width_ = picture->w;
    height_ = picture->h;
    bitsPerPixel_ = picture->format->BitsPerPixel;
    pitch_ = picture->pitch;
    topRow_ = static_cast<const unsigned char*>(picture->pixels);
    return true;
}

void DecodedImage::release() {
    if (surface_) {
        SDL_Surface* picture = Surface(surface_);
        if (SDL_MUSTLOCK(picture))
            SDL_UnlockSurface(picture);
        SDL_FreeSurface(picture);
    }
    surface_ = nullptr;
    width_ = height_ = bitsPerPixel_ = 0;
    pitch_ = 0;
    topRow_ = nullptr;
}

void PrepareImageDecoding() {
    // SDL2_image sets up each format's library on its first picture, unguarded.
    IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
}
