// Textures: TGA and decoded pictures read back from the GL texture, every refusal with its
// exact message, the oversized TGA headers, the mipmap fallback and reloading.
#include "app/report_error.h"
#include "platform/image_decoder.h"
#include "resources/texture.h"
#include "test_support.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <glob.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include <stb/stb_image_write.h>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

namespace {
using Bytes = std::vector<uint8_t>;

const char* const kNoExtension =
    "Texture load: Can't load the texture in file '%s'. Unknown or no file extension.";
const char* const kShortData = "Texture load: Failed to read image data from %s for some "
                               "reason. Maybe the file is in some format not supported.";
const char* const kNotRgb = "Texture load: Sorry, only 3 or 4 channel images are supported. %s "
                            "is not!";
const char* const kNoMipmaps =
    "Texture load: Can't make mipmaps of the texture in databuffer for some reason.";

std::string Say(const char* format, const std::string& name) {
    char text[1024];
    std::snprintf(text, sizeof text, format, name.c_str());
    return text;
}

// An 18-byte header with only what the reader looks at, unless told otherwise.
Bytes Tga(int width, int height, int depth, const Bytes& pixels, uint8_t imageType = 2) {
    Bytes file(18 + pixels.size(), 0);
    std::copy(pixels.begin(), pixels.end(), file.begin() + 18);
    file[2] = imageType;
    file[12] = width & 0xFF;
    file[13] = width >> 8;
    file[14] = height & 0xFF;
    file[15] = height >> 8;
    file[16] = static_cast<uint8_t>(depth);
    return file;
}

// Level `level` of the texture in `format`, rows from t = 0.
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

std::string FirstMatch(const char* pattern) {
    glob_t found;
    std::string path;
    if (glob(pattern, 0, nullptr, &found) == 0 && found.gl_pathc > 0)
        path = found.gl_pathv[0];
    globfree(&found);
    return path;
}

class TextureTest : public testing::Test {
  protected:
    void SetUp() override {
        TestWindow();
        while (glGetError() != GL_NO_ERROR) {
        }
    }
    // Loads into a fresh texture; true when it loaded without any report.
    bool LoadsQuietly(Texture& texture, const std::string& path) {
        log.clear();
        return LoadTexture(texture, path.c_str()) && texture.loaded && log.reports().empty();
    }
    // The load fails with exactly this one report.
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

TEST_F(TextureTest, TgaKeepsBgrOrderAndFileRowOrderWithMipmaps) {
    // Rows as stored: first row blue then green, second row red then white (B, G, R bytes).
    const Bytes bgr = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    ASSERT_TRUE(WriteFile(dir.file("a.TGA"), Tga(2, 2, 24, bgr)));
    Texture texture;
    ASSERT_TRUE(LoadsQuietly(texture, dir.file("a.TGA")));
    EXPECT_EQ(texture.width, 2);
    EXPECT_EQ(texture.height, 2);
    EXPECT_EQ(Texels(texture, GL_BGR_EXT, 3), bgr);
    EXPECT_EQ(MinFilter(texture), GL_LINEAR_MIPMAP_NEAREST);
    EXPECT_EQ(Texels(texture, GL_RGB, 3, 1).size(), 3u); // the 1 x 1 level exists

    const Bytes bgra = {10, 20, 30, 40, 50, 60, 70, 80};
    ASSERT_TRUE(WriteFile(dir.file("b.tga"), Tga(2, 1, 32, bgra)));
    ASSERT_TRUE(LoadsQuietly(texture, dir.file("b.tga")));
    EXPECT_EQ(Texels(texture, GL_BGRA_EXT, 4), bgra);
}

TEST_F(TextureTest, TgaHeaderFieldsBeyondSizeAndDepthAreIgnored) {
    // Run-length type, an ID length of 4, a colour map and the top-left origin bit: the bytes
    // after the header are still taken as plain pixels, unflipped, and 8 bits is luminance.
    Bytes file = Tga(2, 2, 8, {1, 2, 3, 4}, 9);
    file[0] = 4;
    file[1] = 1;
    file[17] = 0x20;
    ASSERT_TRUE(WriteFile(dir.file("grey.tga"), file));
    Texture texture;
    ASSERT_TRUE(LoadsQuietly(texture, dir.file("grey.tga")));
    EXPECT_EQ(Texels(texture, GL_LUMINANCE, 1), (Bytes{1, 2, 3, 4}));
}

TEST_F(TextureTest, TgaRefusals) {
    ASSERT_TRUE(WriteFile(dir.file("16.tga"), Tga(2, 2, 16, Bytes(8))));
    ExpectRefused(dir.file("16.tga"),
                  Say("Texture load: Can't load the texture in %s, only 8/24/32-bit images "
                      "supported.",
                      dir.file("16.tga")));
    ASSERT_TRUE(WriteFile(dir.file("header.tga"), Bytes(17)));
    ExpectRefused(dir.file("header.tga"), Say("Texture load: Failed to read the header in file %s!",
                                              dir.file("header.tga")));
    ASSERT_TRUE(WriteFile(dir.file("short.tga"), Tga(2, 2, 24, Bytes(11))));
    ExpectRefused(dir.file("short.tga"), Say(kShortData, dir.file("short.tga")));
    ExpectRefused(dir.file("missing.tga"),
                  Say("Texture load: Failed to open the file %s!", dir.file("missing.tga")));
    ASSERT_EQ(mkdir(dir.file("folder.tga").c_str(), 0700), 0);
    ExpectRefused(dir.file("folder.tga"),
                  Say("Texture load: Failed to open the file %s!", dir.file("folder.tga")));
}

TEST_F(TextureTest, OversizedTgaHeadersFailAsShortDataWithoutOverflow) {
    // 32768 x 32768 x 4 is exactly 2^32: a 32-bit size wraps to 0 and "reads" nothing.
    // 32768 x 32769 x 4 wraps to 131072, which this file holds.
    const struct {
        int width, height;
        size_t present;
    } cases[] = {{32768, 32768, 16}, {32768, 32769, 131072}, {65535, 65535, 64}};
    for (const auto& c : cases) {
        const std::string path = dir.file("huge" + std::to_string(c.height) + ".tga");
        ASSERT_TRUE(WriteFile(path, Tga(c.width, c.height, 32, Bytes(c.present, 7))));
        ExpectRefused(path, Say(kShortData, path));
    }
}

#if defined(__SANITIZE_ADDRESS__)
#define REROVUZ_NO_ADDRESS_LIMIT
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer)
#define REROVUZ_NO_ADDRESS_LIMIT
#endif
#endif

TEST_F(TextureTest, TgaThatCannotBeAllocatedSaysSo) {
#ifdef REROVUZ_NO_ADDRESS_LIMIT
    GTEST_SKIP() << "the sanitizers reserve address space of their own";
#else
    // 16 MiB of pixels in a sparse file, loaded with only 4 MiB of address space to spare.
    const std::string path = dir.file("big.tga");
    ASSERT_TRUE(WriteFile(path, Tga(2048, 2048, 32, {})));
    ASSERT_EQ(truncate(path.c_str(), 18 + 2048 * 2048 * 4), 0);
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_AS, &saved), 0);
    rlimit tight = saved;
    tight.rlim_cur = static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + (4 << 20);
    Texture texture;
    log.clear();
    ASSERT_EQ(setrlimit(RLIMIT_AS, &tight), 0);
    const bool loaded = LoadTexture(texture, path.c_str());
    setrlimit(RLIMIT_AS, &saved);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(log.reports(), std::vector<std::string>{Say("Texture load: Failed to allocate memory "
                                                          "for the image %s. You should buy more "
                                                          "RAM!",
                                                          path)});
#endif
}

TEST_F(TextureTest, DecodedPicturesArriveRgbTopRowFirst) {
    // Top row red, green; bottom row blue, grey.
    const Bytes rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 90, 90, 90};
    ASSERT_TRUE(stbi_write_png(dir.file("a.PNG").c_str(), 2, 2, 3, rgb.data(), 6));
    ASSERT_TRUE(stbi_write_bmp(dir.file("a.bmp").c_str(), 2, 2, 3, rgb.data()));
    for (const char* name : {"a.PNG", "a.bmp"}) {
        Texture texture;
        ASSERT_TRUE(LoadsQuietly(texture, dir.file(name))) << name;
        EXPECT_EQ(Texels(texture, GL_RGB, 3), rgb) << name;
    }

    // Alpha is kept as stored, colours not multiplied by it.
    const Bytes rgba = {200, 100, 50, 128, 1, 2, 3, 0};
    ASSERT_TRUE(stbi_write_png(dir.file("alpha.png").c_str(), 2, 1, 4, rgba.data(), 8));
    Texture alpha;
    ASSERT_TRUE(LoadsQuietly(alpha, dir.file("alpha.png")));
    EXPECT_EQ(Texels(alpha, GL_RGBA, 4), rgba);

    // JPEG is lossy: 16 x 16, top half red, bottom half blue, compared away from the seam.
    Bytes halves(16 * 16 * 3, 0);
    for (int i = 0; i < 256; ++i)
        halves[i * 3 + (i < 128 ? 0 : 2)] = 255;
    ASSERT_TRUE(stbi_write_jpg(dir.file("a.Jpeg").c_str(), 16, 16, 3, halves.data(), 100));
    Texture jpeg;
    ASSERT_TRUE(LoadsQuietly(jpeg, dir.file("a.Jpeg")));
    const Bytes texels = Texels(jpeg, GL_RGB, 3);
    for (int i : {0, 3 * 16 + 5, 13 * 16 + 5, 255})
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(texels[i * 3 + c], halves[i * 3 + c], 6) << "texel " << i;
}

TEST_F(TextureTest, DecoderDepthsForGreyAndPalettePictures) {
    // Grey PNG loads as 24-bit grey; grey with alpha as 32 bits.
    const Bytes grey = {0, 80, 160, 240};
    ASSERT_TRUE(stbi_write_png(dir.file("grey.png").c_str(), 2, 2, 1, grey.data(), 2));
    const Bytes greyAlpha = {30, 200};
    ASSERT_TRUE(stbi_write_png(dir.file("ga.png").c_str(), 1, 1, 2, greyAlpha.data(), 2));
    DecodedImage image;
    ASSERT_TRUE(image.decode(dir.file("grey.png").c_str()));
    EXPECT_EQ(image.bitsPerPixel(), 24);
    EXPECT_EQ(image.topRow()[image.pitch() + 3], 240); // second row, second pixel, blue
    ASSERT_TRUE(image.decode(dir.file("ga.png").c_str()));
    EXPECT_EQ(image.bitsPerPixel(), 32);
    EXPECT_EQ(image.topRow()[3], 200);
    image.release();
    EXPECT_EQ(image.topRow(), nullptr);
    EXPECT_FALSE(image.decode(dir.file("none.png").c_str()));

    // An 8-bit BMP with a palette, written by hand: refused.
    Bytes bmp = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 4, 0, 0, 40,
                 0,   0,   0, 1, 0, 0, 0, 1, 0, 0, 0,  1, 0, 8, 0};
    bmp.resize(54 + 1024 + 4, 0);
    ASSERT_TRUE(WriteFile(dir.file("palette.bmp"), bmp));
    ASSERT_TRUE(image.decode(dir.file("palette.bmp").c_str()));
    EXPECT_EQ(image.bitsPerPixel(), 8);
    ExpectRefused(dir.file("palette.bmp"), Say(kNotRgb, dir.file("palette.bmp")));
}

TEST_F(TextureTest, PicturesFromDebianPackages) {
    // libpng's own test picture: 91 x 69 RGBA, interlaced. GLU scales it to powers of two,
    // so it is compared with a reference decode scaled the same way.
    const std::string pngtest = "/usr/share/doc/libpng-dev/examples/pngtest.png";
    Texture texture;
    ASSERT_TRUE(LoadsQuietly(texture, pngtest));
    EXPECT_EQ(texture.width, 91);
    EXPECT_EQ(texture.height, 69);
    int w = 0, h = 0, n = 0;
    unsigned char* reference = stbi_load(pngtest.c_str(), &w, &h, &n, 4);
    ASSERT_NE(reference, nullptr);
    GLint w0 = 0, h0 = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w0);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h0);
    Bytes scaled(static_cast<size_t>(w0) * h0 * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    gluScaleImage(GL_RGBA, w, h, GL_UNSIGNED_BYTE, reference, w0, h0, GL_UNSIGNED_BYTE,
                  scaled.data());
    stbi_image_free(reference);
    const Bytes texels = Texels(texture, GL_RGBA, 4);
    ASSERT_EQ(texels.size(), scaled.size());
    int worst = 0;
    for (size_t i = 0; i < texels.size(); ++i)
        worst = std::max(worst, std::abs(texels[i] - scaled[i]));
    EXPECT_LE(worst, 1);

    // cmake's template logo is an 8-bit palette PNG whose palette carries alpha.
    const std::string logo = FirstMatch("/usr/share/cmake-*/Templates/Windows/Logo.png");
    if (!logo.empty())
        ExpectRefused(logo, Say(kNotRgb, logo));
}

TEST_F(TextureTest, NamesAndPaths) {
    ExpectRefused(std::string(), Say(kNoExtension, ""));
    Texture texture;
    log.clear();
    EXPECT_FALSE(LoadTexture(texture, nullptr));
    EXPECT_EQ(log.reports(),
              std::vector<std::string>{"Trying to load texture from filename NULL. No good..."});
    for (const char* name : {"dir.old/file", "noextension", "picture.gif", "picture.png.txt"})
        ExpectRefused(name, Say(kNoExtension, name));
    ExpectRefused(dir.file("missing.png"),
                  Say("Texture load: Can't load the texture in file '%s' for some reason.",
                      dir.file("missing.png")));

    // `\` separates folders, in both readers.
    ASSERT_EQ(mkdir(dir.file("Text").c_str(), 0700), 0);
    const Bytes pixel = {1, 2, 3};
    ASSERT_TRUE(stbi_write_png(dir.file("Text/loading.png").c_str(), 1, 1, 3, pixel.data(), 3));
    ASSERT_TRUE(WriteFile(dir.file("Text/loading.tga"), Tga(1, 1, 24, pixel)));
    EXPECT_TRUE(LoadsQuietly(texture, dir.path + "\\Text\\loading.png"));
    EXPECT_TRUE(LoadsQuietly(texture, dir.path + "\\Text\\loading.tga"));
}

TEST_F(TextureTest, ReloadDeletesTheOldObject) {
    ASSERT_TRUE(WriteFile(dir.file("a.tga"), Tga(1, 1, 24, {1, 2, 3})));
    ASSERT_TRUE(WriteFile(dir.file("b.tga"), Tga(1, 1, 24, {4, 5, 6})));
    Texture texture;
    ASSERT_TRUE(LoadsQuietly(texture, dir.file("a.tga")));
    const GLuint first = texture.id;
    ASSERT_TRUE(LoadsQuietly(texture, dir.file("b.tga")));
    // A freed name may come back at once; otherwise the old one must be gone.
    EXPECT_TRUE(texture.id == first || !glIsTexture(first));
    EXPECT_EQ(Texels(texture, GL_BGR_EXT, 3), (Bytes{4, 5, 6}));
}

TEST_F(TextureTest, FailedMipmapsStillLoadLevelZero) {
    // A width of 0 is refused by GLU's mipmap builder but is a valid level 0.
    ASSERT_TRUE(WriteFile(dir.file("empty.tga"), Tga(0, 4, 24, {})));
    Texture texture;
    log.clear();
    EXPECT_TRUE(LoadTexture(texture, dir.file("empty.tga").c_str()));
    EXPECT_TRUE(texture.loaded);
    EXPECT_EQ(log.reports(), std::vector<std::string>{kNoMipmaps});
    EXPECT_EQ(MinFilter(texture), GL_LINEAR);
}

TEST_F(TextureTest, UploadReportsGlErrorsAndNullPixels) {
    const Bytes pixels(12, 9);
    Texture texture;
    glEnable(0x1234); // an error left pending by earlier code is reported by the first check
    log.clear();
    EXPECT_TRUE(UploadTexture(texture, pixels.data(), 2, 2, 3, GL_RGB, 0x1234));
    EXPECT_EQ(log.reports(),
              (std::vector<std::string>{"OpenGL Error 1280 (0x500): invalid enumerant", kNoMipmaps,
                                        "OpenGL Error 1280 (0x500): invalid enumerant"}));
    log.clear();
    EXPECT_FALSE(UploadTexture(texture, nullptr, 2, 2, 3, GL_RGB, GL_RGB));
    EXPECT_FALSE(texture.loaded);
    EXPECT_EQ(log.reports(), std::vector<std::string>{"Texture load: Data pointer is null."});
}

TEST_F(TextureTest, BindOnlyWhenLoaded) {
    Texture unloaded;
    glDisable(GL_TEXTURE_2D);
    bind(unloaded);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    ASSERT_TRUE(WriteFile(dir.file("a.tga"), Tga(1, 1, 24, {1, 2, 3})));
    Texture texture;
    ASSERT_TRUE(LoadsQuietly(texture, dir.file("a.tga")));
    glBindTexture(GL_TEXTURE_2D, 0);
    bind(texture);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(static_cast<GLuint>(bound), texture.id);
    glDisable(GL_TEXTURE_2D);
}
} // namespace
