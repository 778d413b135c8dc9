// The TGA reader: header fields through the bounds-checked byte reader, then the pixels in one
// read after the header, their size in 64 bits and checked against the file before allocating.
#include "resources/tga_reader.h"

#include "platform/image_decoder.h"
#include "resources/byte_reader.h"

#include <cstdint>
#include <new>
#include <utility>

TgaHeader ParseTgaHeader(const uint8_t (&bytes)[kTgaHeaderBytes]) {
    // ID length, colour map, image type, origin and descriptor are deliberately ignored:
    // no run-length decoding, no skipped ID field, no palette, no flip.
    ByteReader reader(bytes, kTgaHeaderBytes);
    uint16_t width = 0, height = 0;
    uint8_t depth = 0;
    reader.skip(12);
    reader.readUint16(width);
    reader.readUint16(height);
    reader.readBytes(&depth, 1);
    TgaHeader header;
    header.width = width;
    header.height = height;
    header.depth = depth;
    return header;
}

uint64_t TgaImageBytes(const TgaHeader& header) {
    return static_cast<uint64_t>(header.width) * static_cast<uint64_t>(header.height) *
           static_cast<uint64_t>(header.depth / 8);
}

namespace {
// Bytes from the current position to the end of the file; UINT64_MAX when unknown (a stream
// that cannot seek), which leaves the decision to the read itself.
uint64_t BytesLeft(FILE* file) {
    const long position = std::ftell(file);
    if (position < 0 || std::fseek(file, 0, SEEK_END) != 0)
        return UINT64_MAX;
    const long end = std::ftell(file);
    std::fseek(file, position, SEEK_SET);
    if (end < 0)
        return UINT64_MAX;
    return end > position ? static_cast<uint64_t>(end - position) : 0;
}
} // namespace

namespace {
// Size and formats from the header; false for a depth other than 8, 24 or 32.
bool TakeHeader(const TgaHeader& header, TgaImage& image) {
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
        return false;
    }
    image.width = header.width;
    image.height = header.height;
    image.components = header.depth / 8;
    return true;
}

// The decoded pictures' budget holds here too: the upload makes the same copies of the pixels.
bool WithinBudget(const TgaHeader& header) {
    return int64_t{header.width} * header.height <= kMaxPicturePixels;
}

// At least one byte, so that an empty picture still has a non-null buffer to upload.
std::unique_ptr<unsigned char[]> AllocatePixels(uint64_t size) {
    if (size > SIZE_MAX)
        return nullptr;
    return std::unique_ptr<unsigned char[]>(
        new (std::nothrow) unsigned char[size ? static_cast<size_t>(size) : 1]);
}
} // namespace

TgaResult ReadTga(FILE* file, TgaImage& image) {
    image = TgaImage();
    uint8_t bytes[kTgaHeaderBytes];
    if (std::fread(bytes, 1, kTgaHeaderBytes, file) != kTgaHeaderBytes)
        return TgaResult::shortHeader;
    const TgaHeader header = ParseTgaHeader(bytes);
    if (!TakeHeader(header, image))
        return TgaResult::unsupportedDepth;

    // A header that asks for more than the file still holds fails as short data without
    // trying to allocate it: the read could not fill the buffer anyway.
    const uint64_t size = TgaImageBytes(header);
    if (size > BytesLeft(file))
        return TgaResult::shortData;
    if (!WithinBudget(header))
        return TgaResult::tooLarge;
    std::unique_ptr<unsigned char[]> pixels = AllocatePixels(size);
    if (!pixels)
        return TgaResult::noMemory;
    if (std::fread(pixels.get(), 1, static_cast<size_t>(size), file) != size)
        return TgaResult::shortData;
    image.pixels = std::move(pixels);
    return TgaResult::ok;
}

TgaResult ParseTga(const uint8_t* data, size_t size, TgaImage& image) {
    image = TgaImage();
    ByteReader in(data, size);
    uint8_t bytes[kTgaHeaderBytes];
    if (!in.readBytes(bytes, kTgaHeaderBytes))
        return TgaResult::shortHeader;
    const TgaHeader header = ParseTgaHeader(bytes);
    if (!TakeHeader(header, image))
        return TgaResult::unsupportedDepth;
    const uint64_t pixelBytes = TgaImageBytes(header);
    if (pixelBytes > in.remaining())
        return TgaResult::shortData;
    if (!WithinBudget(header))
        return TgaResult::tooLarge;
    std::unique_ptr<unsigned char[]> pixels = AllocatePixels(pixelBytes);
    if (!pixels)
        return TgaResult::noMemory;
    in.readBytes(pixels.get(), pixelBytes);
    image.pixels = std::move(pixels);
    return TgaResult::ok;
}
