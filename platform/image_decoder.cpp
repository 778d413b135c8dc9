// The picture decoder over SDL2_image: decodes a file and hands out its rows as blue, green,
// red (and alpha), converting whatever layout SDL2_image produced.
//
// What arrives, checked with real files (SDL2_image 2.6 over libpng 1.6 and libjpeg-turbo):
// - JPEG: always 24 bits, progressive ones too. Grayscale JPEG arrives as 24-bit grey
//   (red = green = blue). A CMYK JPEG would come out of SDL2_image with an alpha mask; it is
//   forced to 24 bits like every other JPEG.
// - PNG with an alpha channel, and grey PNG with alpha: 32 bits. RGB PNG: 24 bits. A
//   truecolor PNG with a transparent colour (tRNS) arrives as 32 bits, the transparent colour
//   with alpha 0.
// - 16-bit PNG: reduced to 8 bits per channel, then as above.
// - Interlaced PNG: decoded whole, no different from a plain one.
// - Palette PNG: 8 bits (1-, 2- and 4-bit palettes keep their own depth), indices, so the
//   loader rejects it. Grey PNG without alpha arrives the same way: SDL2_image gives it a
//   grey palette, so it counts as a palette picture and is rejected.
// - 8-bit BMP (and 1- and 4-bit BMP): palette, rejected like palette PNG. 24-bit BMP: 24
//   bits. 32-bit BMP: 32 bits; an all-zero alpha channel is made opaque by SDL.
#include "platform/image_decoder.h"

#include "platform/files.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

namespace {
SDL_Surface* Surface(void* surface) {
    return static_cast<SDL_Surface*>(surface);
}
} // namespace

DecodedImage::~DecodedImage() {
    release();
}

bool DecodedImage::decode(const char* path) {
    release();
    if (!path)
        return false;
    std::string native = PlatformPath(path);
    SDL_RWops* file = SDL_RWFromFile(native.c_str(), "rb");
    if (!file)
        return false;
    const bool jpeg = IMG_isJPG(file) != 0;
    SDL_Surface* decoded = IMG_Load_RW(file, 1);
    if (!decoded)
        return false;

    const SDL_PixelFormat* from = decoded->format;
    if (from->palette) {
        // Indices with their palette depth: the loader rejects them by depth.
        surface_ = decoded;
        return true;
    }
    const bool alpha = !jpeg && (from->Amask != 0 || SDL_HasColorKey(decoded));
    const Uint32 wanted = alpha ? SDL_PIXELFORMAT_BGRA32 : SDL_PIXELFORMAT_BGR24;
    if (from->format == wanted) {
        surface_ = decoded;
        return true;
    }
    // Conversion copies alpha as it is (no premultiplying) and turns a colour key into alpha 0.
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(decoded, wanted, 0);
    SDL_FreeSurface(decoded);
    if (!converted)
        return false;
    surface_ = converted;
    return true;
}

int DecodedImage::width() const {
    return surface_ ? Surface(surface_)->w : 0;
}

int DecodedImage::height() const {
    return surface_ ? Surface(surface_)->h : 0;
}

int DecodedImage::bitsPerPixel() const {
    return surface_ ? Surface(surface_)->format->BitsPerPixel : 0;
}

std::ptrdiff_t DecodedImage::pitch() const {
    return surface_ ? Surface(surface_)->pitch : 0;
}

const unsigned char* DecodedImage::topRow() const {
    return surface_ ? static_cast<const unsigned char*>(Surface(surface_)->pixels) : nullptr;
}

void DecodedImage::release() {
    if (surface_)
        SDL_FreeSurface(Surface(surface_));
    surface_ = nullptr;
}
