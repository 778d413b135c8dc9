// Textures: choosing a reader by file extension, the TGA reader, the picture decoder path,
// and the mipmapped upload. Every failure is reported and leaves `loaded` false.
#pragma once

#include <GL/gl.h>
#include <cstdint>

struct Texture {
    bool loaded = false;
    GLuint id = 0;
    int32_t width = 0;
    int32_t height = 0;

    Texture() = default;
    // Destroying a texture deletes its GL object.
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;
};

// Fills `texture` from the file; true on success. The extension (text after the last `.`
// of the whole name, case-insensitive) picks the reader: jpg, jpeg, bmp, png or tga.
bool LoadTexture(Texture& texture, const char* fileName);
// Whether LoadTexture reads this name through the picture decoder (jpg, jpeg, bmp, png).
bool IsDecodedPictureName(const char* fileName);
// Uploads pixels as a mipmapped texture (level 0 with GL_LINEAR when mipmaps fail).
// `components` is 1, 3 or 4 bytes per pixel; each row starts at a multiple of `rowAlignment`
// bytes (1, 2, 4 or 8). Leaves GL_UNPACK_ALIGNMENT at 1.
bool UploadTexture(Texture& texture, const unsigned char* pixels, int width, int height,
                   int components, GLenum internalFormat, GLenum format, int rowAlignment = 1);
// If loaded: enables GL_TEXTURE_2D and binds the texture; otherwise nothing.
void bind(const Texture& texture);
// Sphere-map generation of S and T, both enabled. Binds nothing.
void EnableSphereMapping();
