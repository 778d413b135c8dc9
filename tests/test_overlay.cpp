// Overlays: where the rectangle lands in the 800 x 600 window, read back pixel by pixel, its
// rotation, tint and blending, and the draw that has no window size.
#include "app/globals.h"
#include "resources/overlay.h"
#include "test_support.h"

#include <GL/gl.h>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;

// 256 x 128, opaque: top-left red, top-right green, bottom-left blue, bottom-right white.
// TGA rows go to the texture in file order, so the first row written is the top edge.
Bytes QuadrantTga() {
    Bytes file(18, 0);
    file[2] = 2;
    file[12] = 0;
    file[13] = 1; // 256
    file[14] = 128;
    file[16] = 32;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 256; ++x) {
            const bool right = x >= 128, bottom = y >= 64;
            const uint8_t r = right == bottom ? 255 : 0;
            const uint8_t g = right ? 255 : 0;
            const uint8_t b = bottom ? 255 : 0;
            const uint8_t bgra[4] = {b, g, r, 255};
            file.insert(file.end(), bgra, bgra + 4);
        }
    return file;
}

enum Colour { kBlack, kRed, kGreen, kBlue, kWhite };
Colour Classify(Rgba p) {
    const auto on = [](uint8_t v) { return v > 200; };
    const auto off = [](uint8_t v) { return v < 55; };
    if (on(p.r) && on(p.g) && on(p.b))
        return kWhite;
    if (on(p.r) && off(p.g) && off(p.b))
        return kRed;
    if (off(p.r) && on(p.g) && off(p.b))
        return kGreen;
    if (off(p.r) && off(p.g) && on(p.b))
        return kBlue;
    if (off(p.r) && off(p.g) && off(p.b))
        return kBlack;
    return static_cast<Colour>(-1);
}
bool Lit(Rgba p) {
    return p.r > 10 || p.g > 10 || p.b > 10;
}

void DumpFrame(const std::string& name) {
    if (const char* dir = std::getenv("REROVUZ_DUMP_DIR"))
        WritePng(std::string(dir) + "/" + name + ".png", ReadFrame(), 800, 600);
}

class OverlayTest : public testing::Test {
  protected:
    void SetUp() override {
        TestWindow();
        ASSERT_TRUE(WriteFile(picture, QuadrantTga()));
        g_windowWidth = 800;
        g_windowHeight = 600;
        // The demo's fixed state: depth test and back faces culled, counter-clockwise front.
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
        glFrontFace(GL_CCW);
        glDisable(GL_TEXTURE_2D);
        Clear(0, 0, 0);
    }
    void TearDown() override {
        g_windowWidth = 0;
        g_windowHeight = 0;
    }
    static void Clear(float r, float g, float b) {
        glClearColor(r, g, b, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    TempDir dir;
    std::string picture = dir.file("quadrants.tga");
};

TEST_F(OverlayTest, FreshOverlaySitsInTheTopLeftCornerAtItsOwnSize) {
    Overlay overlay(picture.c_str());
    ASSERT_TRUE(overlay.loaded);
    EXPECT_EQ(overlay.centerX, 128);
    EXPECT_EQ(overlay.centerY, 64);
    EXPECT_EQ(overlay.drawWidth, 256);
    EXPECT_EQ(overlay.drawHeight, 128);
    overlay.draw();
    EXPECT_EQ(Classify(ReadPixel(0, 0)), kRed);
    EXPECT_EQ(Classify(ReadPixel(255, 0)), kGreen);
    EXPECT_EQ(Classify(ReadPixel(0, 127)), kBlue);
    EXPECT_EQ(Classify(ReadPixel(255, 127)), kWhite);
    EXPECT_EQ(Classify(ReadPixel(256, 0)), kBlack);
    EXPECT_EQ(Classify(ReadPixel(0, 128)), kBlack);

    // Both matrices restored; lighting, blending and texturing left off.
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    GLint depths[2] = {0, 0};
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depths[0]);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depths[1]);
    EXPECT_EQ(depths[0], 1);
    EXPECT_EQ(depths[1], 1);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(OverlayTest, FillWindowCoversTheWindowCentred) {
    Overlay overlay(picture.c_str());
    overlay.fillWindow();
    EXPECT_EQ(overlay.centerX, 400);
    EXPECT_EQ(overlay.centerY, 300);
    overlay.draw();
    DumpFrame("overlay_fill");
    for (int x : {0, 799})
        for (int y : {0, 599})
            EXPECT_TRUE(Lit(ReadPixel(x, y))) << x << ", " << y;
    EXPECT_EQ(Classify(ReadPixel(390, 290)), kRed);
    EXPECT_EQ(Classify(ReadPixel(410, 290)), kGreen);
    EXPECT_EQ(Classify(ReadPixel(390, 310)), kBlue);
    EXPECT_EQ(Classify(ReadPixel(410, 310)), kWhite);
}

TEST_F(OverlayTest, OddSizesAreHalvedByTruncation) {
    Overlay overlay(picture.c_str());
    overlay.centerX = 400;
    overlay.centerY = 300;
    overlay.drawWidth = 101;
    overlay.drawHeight = 101;
    overlay.draw();
    int first = -1, count = 0;
    for (int x = 300; x < 500; ++x)
        if (Lit(ReadPixel(x, 300))) {
            first = first < 0 ? x : first;
            ++count;
        }
    EXPECT_EQ(first, 350);
    EXPECT_EQ(count, 100);
}

TEST_F(OverlayTest, PositiveRotationTurnsClockwiseOnScreen) {
    Overlay overlay(picture.c_str());
    overlay.centerX = 400;
    overlay.centerY = 300;
    overlay.drawWidth = 200;
    overlay.drawHeight = 200;
    overlay.rotation = 90;
    overlay.draw();
    DumpFrame("overlay_rotated");
    // The red top-left quarter has moved to the top right, and so on round.
    EXPECT_EQ(Classify(ReadPixel(450, 250)), kRed);
    EXPECT_EQ(Classify(ReadPixel(450, 350)), kGreen);
    EXPECT_EQ(Classify(ReadPixel(350, 350)), kWhite);
    EXPECT_EQ(Classify(ReadPixel(350, 250)), kBlue);
}

TEST_F(OverlayTest, ColourTintsAndAlphaBlends) {
    Overlay overlay(picture.c_str());
    overlay.fillWindow();
    Clear(0, 0, 1);
    const float half[4] = {1, 1, 1, 0.5f};
    std::memcpy(overlay.color, half, sizeof half);
    overlay.draw();
    const Rgba blended = ReadPixel(100, 100); // red over blue, half each
    EXPECT_NEAR(blended.r, 128, 2);
    EXPECT_NEAR(blended.g, 0, 2);
    EXPECT_NEAR(blended.b, 128, 2);

    const float tint[4] = {0.5f, 1, 1, 1};
    std::memcpy(overlay.color, tint, sizeof tint);
    overlay.draw();
    EXPECT_NEAR(ReadPixel(700, 500).r, 128, 2); // white, red halved
    EXPECT_NEAR(ReadPixel(700, 500).g, 255, 1);

    for (float alpha : {0.0f, -0.5f}) {
        Clear(0, 0, 1);
        overlay.color[3] = alpha;
        overlay.draw();
        EXPECT_EQ(Classify(ReadPixel(100, 100)), kBlue) << alpha;
        EXPECT_EQ(Classify(ReadPixel(700, 500)), kBlue) << alpha;
    }
}

TEST_F(OverlayTest, NoWindowSizeReportsAndChangesNothing) {
    Overlay overlay(picture.c_str());
    overlay.fillWindow();
    glMatrixMode(GL_PROJECTION);
    GLfloat projection[16], projectionAfter[16], modelview[16], modelviewAfter[16];
    GLfloat colour[4], colourAfter[4];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glEnable(GL_LIGHTING);
    for (int32_t* zero : {&g_windowWidth, &g_windowHeight}) {
        g_windowWidth = 800;
        g_windowHeight = 600;
        *zero = 0;
        BoxLog log;
        overlay.draw();
        EXPECT_EQ(log.reports(),
                  std::vector<std::string>{"Can't draw overlay without window size."});
        GLint mode = 0;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(mode, GL_PROJECTION);
        glGetFloatv(GL_PROJECTION_MATRIX, projectionAfter);
        glGetFloatv(GL_MODELVIEW_MATRIX, modelviewAfter);
        glGetFloatv(GL_CURRENT_COLOR, colourAfter);
        EXPECT_EQ(std::memcmp(projection, projectionAfter, sizeof projection), 0);
        EXPECT_EQ(std::memcmp(modelview, modelviewAfter, sizeof modelview), 0);
        EXPECT_EQ(std::memcmp(colour, colourAfter, sizeof colour), 0);
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_EQ(Classify(ReadPixel(400, 300)), kBlack);
    }
    glDisable(GL_LIGHTING);
    glMatrixMode(GL_MODELVIEW);
}

TEST_F(OverlayTest, MissingPictureDrawsAPlainRectangleOnceSized) {
    BoxLog log;
    Overlay overlay(dir.file("missing.png").c_str());
    EXPECT_EQ(log.reports().size(), 1u);
    EXPECT_FALSE(overlay.loaded);
    EXPECT_EQ(overlay.drawWidth, 0);
    EXPECT_EQ(overlay.centerX, 0);
    overlay.fillWindow();
    overlay.color[0] = 0;
    overlay.color[2] = 0;
    overlay.draw();
    EXPECT_EQ(Classify(ReadPixel(10, 10)), kGreen);
    EXPECT_EQ(Classify(ReadPixel(790, 590)), kGreen);

    // Without a window size the size goes to 0 x 0 and the centre stays.
    g_windowWidth = 0;
    g_windowHeight = 0;
    overlay.fillWindow();
    EXPECT_EQ(overlay.drawWidth, 0);
    EXPECT_EQ(overlay.drawHeight, 0);
    EXPECT_EQ(overlay.centerX, 400);
    EXPECT_EQ(overlay.centerY, 300);
}
} // namespace
