// The TGA reader: header fields through a bounds-checked cursor, the pixel data in one read
// after the header, sizes in 64 bits and checked against the file before allocating.
#include "resources/tga_reader.h"

#include <cstdint>
#include <new>
#include <sys/stat.h>

uint8_t ByteCursor::u8() {
    if (offset_ >= size_) {
        overrun_ = true;
        return 0;
    }
    return data_[offset_++];
}

uint16_t ByteCursor::u16() {
    const uint16_t low = u8();
    const uint16_t high = u8();
    return static_cast<uint16_t>(low | high << 8);
}

TgaHeader ParseTgaHeader(const unsigned char (&bytes)[kTgaHeaderBytes]) {
    // ID length, colour map, image type, origin and descriptor are deliberately ignored:
    // no run-length decoding, no skipped ID field, no palette, no flip.
    ByteCursor cursor(bytes, kTgaHeaderBytes);
    TgaHeader header;
    cursor.seek(12);
    header.width = cursor.u16();
    header.height = cursor.u16();
    header.depth = cursor.u8();
    return header;
}

uint64_t TgaImageBytes(const TgaHeader& header) {
    return static_cast<uint64_t>(header.width) * static_cast<uint64_t>(header.height) *
           static_cast<uint64_t>(header.depth / 8);
}

namespace {
// Bytes from the current position to the end of the file; UINT64_MAX when unknown (a pipe),
// which leaves the decision to the read itself.
uint64_t BytesLeft(FILE* file) {
    struct stat info;
    const long position = std::ftell(file);
    if (position < 0 || fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode))
        return UINT64_MAX;
    const uint64_t size = static_cast<uint64_t>(info.st_size);
    const uint64_t at = static_cast<uint64_t>(position);
    return size > at ? size - at : 0;
}
} // namespace

TgaResult ReadTga(FILE* file, TgaImage& image) {
    image = TgaImage();
    unsigned char bytes[kTgaHeaderBytes];
    if (std::fread(bytes, 1, kTgaHeaderBytes, file) != kTgaHeaderBytes)
        return TgaResult::shortHeader;
    const TgaHeader header = ParseTgaHeader(bytes);

    switch (header.depth) {
    case 8:
        image.internalFormat = GL_LUMINANCE;
        image.format = GL_LUMINANCE;
        break;
    case 24:
        image.internalFormat = GL_RGB;
        image.format = GL_BGR_EXT;
        break;
    case 32:
        image.internalFormat = GL_RGBA;
        image.format = GL_BGRA_EXT;
        break;
    default:
        return TgaResult::unsupportedDepth;
    }
    image.width = header.width;
    image.height = header.height;
    image.components = header.depth / 8;

    // A header that asks for more than the file still holds fails as short data without
    // trying to allocate it: the read could not fill the buffer anyway.
    const uint64_t size = TgaImageBytes(header);
    if (size > BytesLeft(file))
        return TgaResult::shortData;
    if (size > SIZE_MAX)
        return TgaResult::noMemory;
    // At least one byte, so that an empty picture still has a non-null buffer to upload.
    const size_t allocation = size ? static_cast<size_t>(size) : 1;
    std::unique_ptr<unsigned char[]> pixels(new (std::nothrow) unsigned char[allocation]);
    if (!pixels)
        return TgaResult::noMemory;
    if (std::fread(pixels.get(), 1, static_cast<size_t>(size), file) != size)
        return TgaResult::shortData;
    image.pixels = std::move(pixels);
    return TgaResult::ok;
}
