// Textures: TGA and decoded pictures read back from the GL texture, every refusal with its
// exact message, oversized TGA headers, pictures decoded ahead and an upload without a context.
#include "resources/picture_prefetch.h"
#include "resources/texture.h"
#include "test_support.h"

#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <stb/stb_image_write.h>

namespace {
using Bytes = std::vector<uint8_t>;

const char* const kShortData = "Texture load: Failed to read image data from %s for some "
                               "reason. Maybe the file is in some format not supported.";
const char* const kNoMipmaps =
    "Texture load: Can't make mipmaps of the texture in databuffer for some reason.";

std::string Say(const char* format, const std::string& name) {
    char text[1024];
    std::snprintf(text, sizeof text, format, name.c_str());
    return text;
}

// An 18-byte header with only what the reader looks at, then the pixels.
Bytes Tga(int width, int height, int depth, const Bytes& pixels) {
    Bytes file(18 + pixels.size(), 0);
    std::copy(pixels.begin(), pixels.end(), file.begin() + 18);
    file[2] = 2;
    file[12] = width & 0xFF;
    file[13] = width >> 8;
    file[14] = height & 0xFF;
    file[15] = height >> 8;
    file[16] = static_cast<uint8_t>(depth);
    return file;
}

// Texture level `level` in `format`, rows from t = 0.
Bytes Texels(const Texture& texture, GLenum format, int channels, int level = 0) {
    GLint w = 0, h = 0;
    glBindTexture(GL_TEXTURE_2D, texture.id);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &h);
    Bytes texels(static_cast<size_t>(w) * h * channels);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, level, format, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}

GLint MinFilter(const Texture& texture) {
    GLint filter = 0;
    glBindTexture(GL_TEXTURE_2D, texture.id);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    return filter;
}

class TextureTest : public testing::Test {
  protected:
    void SetUp() override { TestWindow(); }
    // True when the load succeeded without any report.
    bool LoadsQuietly(Texture& texture, const std::string& path) {
        log.clear();
        return LoadTexture(texture, path.c_str()) && texture.loaded && log.reports().empty();
    }
    void ExpectRefused(const std::string& name, const std::string& message) {
        Texture texture;
        log.clear();
        EXPECT_FALSE(LoadTexture(texture, name.c_str())) << name;
        EXPECT_FALSE(texture.loaded);
        EXPECT_EQ(log.reports(), std::vector<std::string>{message}) << name;
    }
    TempDir dir;
    BoxLog log;
};

// Rows in file order, BGR(A) as stored, 8 bits as luminance, and the mip levels used.
TEST_F(TextureTest, TgaKeepsBgrOrderAndFileRowOrder) {
    // Stored rows: blue, green; then red, white.
    const Bytes bgr = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    ASSERT_TRUE(WriteFile(dir.file("a.TGA"), Tga(2, 2, 24, bgr)));
    Texture texture;
    ASSERT_TRUE(LoadsQuietly(texture, dir.file("a.TGA")));
    EXPECT_EQ(Texels(texture, GL_BGR_EXT, 3), bgr);
    EXPECT_EQ(MinFilter(texture), GL_LINEAR_MIPMAP_NEAREST);
    EXPECT_EQ(Texels(texture, GL_RGB, 3, 1).size(), 3u); // the 1 x 1 level is there

    const Bytes bgra = {10, 20, 30, 40, 50, 60, 70, 80};
    ASSERT_TRUE(WriteFile(dir.file("b.tga"), Tga(2, 1, 32, bgra)));
    ASSERT_TRUE(LoadsQuietly(texture, dir.file("b.tga")));
    EXPECT_EQ(Texels(texture, GL_BGRA_EXT, 4), bgra);
    ASSERT_TRUE(WriteFile(dir.file("grey.tga"), Tga(2, 2, 8, {1, 2, 3, 4})));
    ASSERT_TRUE(LoadsQuietly(texture, dir.file("grey.tga")));
    EXPECT_EQ(Texels(texture, GL_LUMINANCE, 1), (Bytes{1, 2, 3, 4}));
}

// Every refusal with its message. 32768 x 32768 x 4 is exactly 2^32 and 32768 x 32769 x 4 is
// 2^32 + 131072: in 32 bits they would wrap to 0 and to 131072 bytes, which these files hold.
// The last has every pixel, but one row more than the budget of 4 Mi pixels.
TEST_F(TextureTest, TgaRefusals) {
    const struct {
        const char* name;
        Bytes bytes;
        const char* message;
    } files[] = {{"16.tga", Tga(2, 2, 16, Bytes(8)),
                  "Texture load: Can't load the texture in %s, only 8/24/32-bit images supported."},
                 {"header.tga", Bytes(17), "Texture load: Failed to read the header in file %s!"},
                 {"short.tga", Tga(2, 2, 24, Bytes(11)), kShortData},
                 {"huge1.tga", Tga(32768, 32768, 32, Bytes(16, 7)), kShortData},
                 {"huge2.tga", Tga(32768, 32769, 32, Bytes(131072, 7)), kShortData},
                 {"huge3.tga", Tga(65535, 65535, 32, Bytes(64, 7)), kShortData},
                 {"over.tga", Tga(2048, 2049, 8, Bytes(2048 * 2049)),
                  "Texture load: Failed to allocate memory for the image %s. You should buy more "
                  "RAM!"}};
    for (const auto& f : files) {
        ASSERT_TRUE(WriteFile(dir.file(f.name), f.bytes));
        ExpectRefused(dir.file(f.name), Say(f.message, dir.file(f.name)));
    }
    ASSERT_TRUE(std::filesystem::create_directory(dir.file("folder.tga")));
    ExpectRefused(dir.file("folder.tga"),
                  Say("Texture load: Failed to open the file %s!", dir.file("folder.tga")));
}

TEST_F(TextureTest, DecodedPicturesArriveRgbTopRowFirst) {
    // Top row red, green; bottom row blue, grey. BMP stores its rows bottom-up.
    const Bytes rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 90, 90, 90};
    ASSERT_TRUE(stbi_write_png(dir.file("a.PNG").c_str(), 2, 2, 3, rgb.data(), 6));
    ASSERT_TRUE(stbi_write_bmp(dir.file("a.bmp").c_str(), 2, 2, 3, rgb.data()));
    for (const char* name : {"a.PNG", "a.bmp"}) {
        Texture texture;
        ASSERT_TRUE(LoadsQuietly(texture, dir.file(name))) << name;
        EXPECT_EQ(Texels(texture, GL_RGB, 3), rgb) << name;
    }

    // Alpha as stored, colours not multiplied by it; grey as grey.
    const Bytes rgba = {200, 100, 50, 128, 1, 2, 3, 0}, grey = {0, 80, 160, 240};
    ASSERT_TRUE(stbi_write_png(dir.file("alpha.png").c_str(), 2, 1, 4, rgba.data(), 8));
    ASSERT_TRUE(stbi_write_png(dir.file("grey.png").c_str(), 2, 2, 1, grey.data(), 2));
    Texture texture;
    ASSERT_TRUE(LoadsQuietly(texture, dir.file("alpha.png")));
    EXPECT_EQ(Texels(texture, GL_RGBA, 4), rgba);
    ASSERT_TRUE(LoadsQuietly(texture, dir.file("grey.png")));
    EXPECT_EQ(Texels(texture, GL_RGB, 3)[9], 240); // second row, second pixel

    // A 1 x 1, 8-bit BMP with a 256-entry palette, written by hand.
    Bytes bmp = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 4, 0, 0, 40,
                 0,   0,   0, 1, 0, 0, 0, 1, 0, 0, 0,  1, 0, 8, 0};
    bmp.resize(54 + 1024 + 4, 0);
    ASSERT_TRUE(WriteFile(dir.file("palette.bmp"), bmp));
    ExpectRefused(dir.file("palette.bmp"),
                  Say("Texture load: Sorry, only 3 or 4 channel images are supported. %s is not!",
                      dir.file("palette.bmp")));
}

// Pictures decoded ahead load as without, in any order: the same texels and reports in the same
// places. Names listed but never loaded are dropped; others are decoded on demand.
TEST_F(TextureTest, PrefetchedPicturesLoadAsWithout) {
    const Bytes rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 90, 90, 90};
    ASSERT_TRUE(stbi_write_png(dir.file("a.png").c_str(), 2, 2, 3, rgb.data(), 6));
    ASSERT_TRUE(stbi_write_bmp(dir.file("b.bmp").c_str(), 1, 2, 3, rgb.data()));
    ASSERT_TRUE(WriteFile(dir.file("c.png"), Bytes(40, 7)));
    ASSERT_TRUE(WriteFile(dir.file("d.tga"), Tga(1, 1, 24, {1, 2, 3})));
    auto loadAll = [&] {
        std::vector<Bytes> texels;
        log.clear();
        for (const char* name : {"b.bmp", "d.tga", "a.png", "c.png", "missing.png", "a.png"}) {
            Texture texture;
            LoadTexture(texture, dir.file(name).c_str());
            texels.push_back(texture.loaded ? Texels(texture, GL_RGB, 3) : Bytes());
        }
        return std::make_pair(texels, log.reports());
    };
    const auto without = loadAll();
    ASSERT_EQ(without.second.size(), 2u);
    PicturePrefetch prefetch({dir.file("a.png"), dir.file("unused.png"), dir.file("c.png"),
                              dir.file("d.tga"), dir.file("b.bmp")});
    prefetch.waitForDecodes();
    EXPECT_EQ(loadAll(), without);
}

TEST_F(TextureTest, NamesAndPaths) {
    for (const char* name : {"dir.old/file", "noextension", "", "picture.gif", "a.png.txt"})
        ExpectRefused(name, Say("Texture load: Can't load the texture in file '%s'. Unknown or "
                                "no file extension.",
                                name));
    ExpectRefused(dir.file("missing.png"),
                  Say("Texture load: Can't load the texture in file '%s' for some reason.",
                      dir.file("missing.png")));
}

// With no context current (a window whose context could not be made) the upload reports
// and carries on instead of crashing inside GLU.
TEST_F(TextureTest, UploadWithoutAContextReportsInsteadOfCrashing) {
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    SDL_GLContext context = SDL_GL_GetCurrentContext();
    SDL_GL_MakeCurrent(window, nullptr);
    log.clear();
    Texture withoutContext;
    const Bytes pixels(12, 9);
    EXPECT_TRUE(UploadTexture(withoutContext, pixels.data(), 2, 2, 3, GL_RGB, GL_RGB));
    // Where GL calls without a context fail (Wine's opengl32), the checks report that as well.
    std::vector<std::string> reports = log.reports();
    const std::string noContext = "OpenGL Error 1282 (0x502): invalid operation";
    reports.erase(std::remove(reports.begin(), reports.end(), noContext), reports.end());
    EXPECT_EQ(reports, std::vector<std::string>{kNoMipmaps});
    SDL_GL_MakeCurrent(window, context);
}
} // namespace
