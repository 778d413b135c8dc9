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
// - Any other format SDL2_image recognises by content (GIF, TIFF, WebP...) goes by the same
//   rules, whatever the file's name.
#include "platform/image_decoder.h"

#include "platform/files.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <cstdint>
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
    const std::string native = PlatformPath(path);
    SDL_RWops* file = SDL_RWFromFile(native.c_str(), "rb");
    if (!file)
        return false;
    const bool jpeg = IMG_isJPG(file) != 0;
    const PngKind png = PeekPng(file);
    SDL_Surface* decoded = IMG_Load_RW(file, 1);
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
