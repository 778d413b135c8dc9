// Textures: the reader chosen by extension, the two ways pixels arrive (the TGA reader and
// the picture decoder) and the mipmapped upload.
#include "resources/texture.h"

#include "base/file_extension.h"
#include "base/report_error.h"
#include "platform/files.h"
#include "platform/image_decoder.h"
#include "resources/picture_prefetch.h"
#include "resources/tga_reader.h"

#include <GL/glu.h>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

Texture::~Texture() {
    loaded = false;
    glDeleteTextures(1, &id);
}

namespace {
// Reports every pending GL error (the first check also sees errors left by earlier calls).
void CheckGlError() {
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR)
        ReportError("OpenGL Error %i (0x%X): %s", static_cast<int>(error), error,
                    reinterpret_cast<const char*>(gluErrorString(error)));
}

bool LoadTga(Texture& texture, const char* fileName) {
    FILE* file = PlatformOpenFile(fileName, "rb");
    if (!file) {
        ReportError("Texture load: Failed to open the file %s!", fileName);
        return false;
    }
    TgaImage image;
    const TgaResult result = ReadTga(file, image);
    std::fclose(file);
    switch (result) {
    case TgaResult::ok:
        break;
    case TgaResult::shortHeader:
        ReportError("Texture load: Failed to read the header in file %s!", fileName);
        return false;
    case TgaResult::unsupportedDepth:
        ReportError("Texture load: Can't load the texture in %s, only 8/24/32-bit images "
                    "supported.",
                    fileName);
        return false;
    case TgaResult::tooLarge:
    case TgaResult::noMemory:
        ReportError("Texture load: Failed to allocate memory for the image %s. You should buy "
                    "more RAM!",
                    fileName);
        return false;
    case TgaResult::shortData:
        ReportError("Texture load: Failed to read image data from %s for some reason. Maybe the "
                    "file is in some format not supported.",
                    fileName);
        return false;
    }
    return UploadTexture(texture, image.pixels.get(), image.width, image.height, image.components,
                         image.internalFormat, image.format);
}

bool LoadDecoded(Texture& texture, const char* fileName) {
    std::unique_ptr<DecodedImage> decoded;
    bool ok = false;
    if (!PicturePrefetch::take(fileName, decoded, ok)) {
        decoded.reset(new DecodedImage);
        ok = decoded->decode(fileName);
    }
    if (!ok) {
        ReportError("Texture load: Can't load the texture in file '%s' for some reason.", fileName);
        return false;
    }
    const int components = decoded->bitsPerPixel() / 8;
    if (components != 3 && components != 4) {
        ReportError("Texture load: Sorry, only 3 or 4 channel images are supported. %s is not!",
                    fileName);
        return false;
    }
    // The decoder's blue, green, red (alpha) go to the driver as they are, like a TGA's.
    const GLenum format = components == 4 ? GL_BGRA_EXT : GL_BGR_EXT;
    const GLenum internalFormat = components == 4 ? GL_RGBA : GL_RGB;
    const int width = decoded->width();
    const int height = decoded->height();
    const size_t rowBytes = static_cast<size_t>(width) * components;
    // Rows top first, each padded to a multiple of 1, 2, 4 or 8 bytes, are read in place.
    const std::ptrdiff_t pitch = decoded->pitch();
    for (int alignment : {1, 2, 4, 8})
        if (pitch > 0 &&
            static_cast<size_t>(pitch) == (rowBytes + alignment - 1) / alignment * alignment)
            return UploadTexture(texture, decoded->topRow(), width, height, components,
                                 internalFormat, format, alignment);
    // Otherwise (rows stored bottom-up) copied top row first into a buffer without padding.
    const uint64_t size = static_cast<uint64_t>(rowBytes) * static_cast<uint64_t>(height);
    std::unique_ptr<unsigned char[]> buffer;
    if (size <= SIZE_MAX)
        buffer.reset(new (std::nothrow) unsigned char[size ? static_cast<size_t>(size) : 1]);
    if (!buffer) {
        ReportError("Texture load: Failed to allocate memory for the image %s. You should buy "
                    "more RAM!",
                    fileName);
        return false;
    }
    for (int y = 0; y < height; ++y)
        std::memcpy(buffer.get() + static_cast<size_t>(y) * rowBytes,
                    decoded->topRow() + static_cast<std::ptrdiff_t>(y) * pitch, rowBytes);
    return UploadTexture(texture, buffer.get(), width, height, components, internalFormat, format);
}
} // namespace

bool IsDecodedPictureName(const char* fileName) {
    for (const char* extension : {"jpg", "jpeg", "bmp", "png"})
        if (HasExtension(fileName, extension))
            return true;
    return false;
}

// Budget, both readers: at most kMaxPicturePixels pixels (4 Mi), refused from the header
// before anything is allocated for them, so loading one picture costs under 128 MiB whatever
// its file (a TGA's pixels never outgrow its file either). Time: the file read once
// or twice, the decoding bounded by the pixels. Nothing throws: allocations are checked.
bool LoadTexture(Texture& texture, const char* fileName) {
    if (!fileName) {
        ReportError("Trying to load texture from filename NULL. No good...");
        return false;
    }
    if (IsDecodedPictureName(fileName))
        return LoadDecoded(texture, fileName);
    if (HasExtension(fileName, "tga"))
        return LoadTga(texture, fileName);
    ReportError("Texture load: Can't load the texture in file '%s'. Unknown or no file extension.",
                fileName);
    return false;
}

bool UploadTexture(Texture& texture, const unsigned char* pixels, int width, int height,
                   int components, GLenum internalFormat, GLenum format, int rowAlignment) {
    if (texture.id != 0) {
        glDeleteTextures(1, &texture.id);
        texture.id = 0;
        texture.loaded = false;
    }
    texture.width = width;
    texture.height = height;
    glGenTextures(1, &texture.id);
    glBindTexture(GL_TEXTURE_2D, texture.id);
    // Rows of 3-byte pixels have any length; no padding between them.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (!pixels) {
        ReportError("Texture load: Data pointer is null.");
        return false;
    }
    if (rowAlignment != 1)
        glPixelStorei(GL_UNPACK_ALIGNMENT, rowAlignment);
    // The mipmapped filter before the first level: a driver sizing storage from the filter
    // then makes room for every level at once, instead of keeping level 0 apart and copying
    // it over at the first draw (seen with Mesa: a second copy of every level 0 until then).
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    // GLU reads the driver's version string before building mipmaps and crashes on the null it
    // gets where no context could be made: that takes the path of a failed build (non-zero).
    const GLint built = glGetString(GL_VERSION)
                            ? gluBuild2DMipmaps(GL_TEXTURE_2D, components, width, height, format,
                                                GL_UNSIGNED_BYTE, pixels)
                            : -1;
    CheckGlError();
    if (built != 0) {
        ReportError("Texture load: Can't make mipmaps of the texture in databuffer for some "
                    "reason.");
        glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, width, height, 0, format, GL_UNSIGNED_BYTE,
                     pixels);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    }
    if (rowAlignment != 1)
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    CheckGlError();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    texture.loaded = true;
    return true;
}

void bind(const Texture& texture) {
    if (!texture.loaded)
        return;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture.id);
}

void EnableSphereMapping() {
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
}
