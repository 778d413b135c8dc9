// Overlays: where the rectangle lands in the 800 x 600 window, read back pixel by pixel, its
// rotation, tint and blending, and a missing picture.
#include "app/globals.h"
#include "resources/overlay.h"
#include "test_support.h"

#include <GL/gl.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace {
// Which channels are lit at a window pixel: 4 red, 2 green, 1 blue, 7 white, 0 black.
int HueAt(int x, int y) {
    const Rgba p = ReadPixel(x, y);
    return (p.r > 127) << 2 | (p.g > 127) << 1 | (p.b > 127);
}
const int kRed = 4, kGreen = 2, kBlue = 1, kWhite = 7, kBlack = 0;

class OverlayTest : public testing::Test {
  protected:
    void SetUp() override {
        TestWindow();
        // 256 x 128 TGA, opaque: top-left red, top-right green, bottom-left blue, bottom-right
        // white. Rows go to the texture in file order, so the first row is the top edge.
        std::vector<uint8_t> tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 128, 0, 32, 0};
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 256; ++x) {
                const bool right = x >= 128, bottom = y >= 64;
                tga.insert(tga.end(), {uint8_t(bottom ? 255 : 0), uint8_t(right ? 255 : 0),
                                       uint8_t(right == bottom ? 255 : 0), 255});
            }
        ASSERT_TRUE(WriteFile(picture, tga));
        g_windowWidth = 800;
        g_windowHeight = 600;
        // The demo's fixed state: depth test, back faces culled (counter-clockwise is front).
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_CULL_FACE);
        glDisable(GL_TEXTURE_2D);
        Clear(0, 0, 0);
    }
    static void Clear(float r, float g, float b) {
        glClearColor(r, g, b, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    TempDir dir;
    std::string picture = dir.file("quadrants.tga");
};

TEST_F(OverlayTest, FreshOverlaySitsTopLeftAndRestoresState) {
    Overlay overlay(picture.c_str());
    ASSERT_TRUE(overlay.loaded);
    overlay.draw();
    const int corners[][3] = {{0, 0, kRed},       {255, 0, kGreen}, {0, 127, kBlue},
                              {255, 127, kWhite}, {256, 0, kBlack}, {0, 128, kBlack}};
    for (const auto& c : corners)
        EXPECT_EQ(HueAt(c[0], c[1]), c[2]) << c[0] << ", " << c[1];

    GLint state[3] = {};
    glGetIntegerv(GL_MATRIX_MODE, &state[0]);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &state[1]);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &state[2]);
    EXPECT_EQ(std::vector<GLint>(state, state + 3), (std::vector<GLint>{GL_MODELVIEW, 1, 1}));
    EXPECT_FALSE(glIsEnabled(GL_BLEND) || glIsEnabled(GL_TEXTURE_2D) || glIsEnabled(GL_LIGHTING));
}

TEST_F(OverlayTest, FillWindowTruncatedHalvesAndClockwiseRotation) {
    Overlay overlay(picture.c_str());
    overlay.fillWindow();
    overlay.draw();
    for (int x : {0, 799})
        for (int y : {0, 599})
            EXPECT_NE(HueAt(x, y), kBlack) << x << ", " << y;
    EXPECT_EQ(
        std::vector<int>({HueAt(399, 299), HueAt(400, 299), HueAt(399, 300), HueAt(400, 300)}),
        (std::vector<int>{kRed, kGreen, kBlue, kWhite}));

    // A width of 101 gives a half of 50: 100 pixels, from x 350 to 449.
    Clear(0, 0, 0);
    overlay.drawWidth = overlay.drawHeight = 101;
    overlay.draw();
    int lit = 0;
    for (int x = 300; x < 500; ++x)
        lit += HueAt(x, 300) != kBlack;
    EXPECT_TRUE(lit == 100 && HueAt(349, 300) == kBlack);

    // A positive angle turns clockwise on the screen: the top-left quarter is now top right.
    overlay.drawWidth = overlay.drawHeight = 200;
    overlay.rotation = 90;
    overlay.draw();
    EXPECT_EQ(
        std::vector<int>({HueAt(450, 250), HueAt(450, 350), HueAt(350, 350), HueAt(350, 250)}),
        (std::vector<int>{kRed, kGreen, kWhite, kBlue}));
}

TEST_F(OverlayTest, ColourTintsAndAlphaBlends) {
    Overlay overlay(picture.c_str());
    overlay.fillWindow();
    Clear(0, 0, 1);
    overlay.color[3] = 0.5f;
    overlay.draw();
    const Rgba half = ReadPixel(100, 100); // red over blue
    EXPECT_TRUE(std::abs(half.r - 128) <= 2 && half.g <= 2 && std::abs(half.b - 128) <= 2);

    overlay.color[0] = 0.5f;
    overlay.color[3] = 1;
    overlay.draw();
    const Rgba tinted = ReadPixel(700, 500); // white with its red halved
    EXPECT_TRUE(std::abs(tinted.r - 128) <= 2 && tinted.g == 255);
}

TEST_F(OverlayTest, MissingPictureDrawsAPlainRectangleOnceSized) {
    BoxLog log;
    Overlay overlay(dir.file("missing.png").c_str());
    EXPECT_EQ(log.reports().size(), 1u);
    overlay.fillWindow();
    overlay.color[0] = overlay.color[2] = 0;
    overlay.draw();
    EXPECT_TRUE(HueAt(10, 10) == kGreen && HueAt(790, 590) == kGreen);
}
} // namespace
