// Lights read back from a real GL context: slot order, the state a new light sends in eye
// space, the spot cut-off setPoint sends and the slot limit.
// The slot table lives for the whole process and a slot is never given back.
#include "resources/light.h"
#include "test_support.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {
std::vector<float> LightParam(GLenum id, GLenum name, int count) {
    std::vector<float> values(4, -99.0f);
    glGetLightfv(id, name, values.data());
    values.resize(count);
    return values;
}
} // namespace

TEST(Light, NewLightsTakeTheNextSlotSendTheirStateInEyeSpaceAndTheNinthWarns) {
    TestWindow();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(5, 3, -2); // a moved modelview: the position must still land at the eye
    Light first;
    Light second;
    glLoadIdentity();
    EXPECT_TRUE(first.id == GL_LIGHT0 && second.id == GL_LIGHT1);
    EXPECT_EQ(LightParam(GL_LIGHT0, GL_POSITION, 4), (std::vector<float>{0, 0, 0, 1}));
    EXPECT_EQ(LightParam(GL_LIGHT0, GL_SPOT_CUTOFF, 1), std::vector<float>{90});
    EXPECT_EQ(LightParam(GL_LIGHT0, GL_AMBIENT, 4), (std::vector<float>{0.5f, 0.5f, 0.5f, 1}));
    EXPECT_EQ(LightParam(GL_LIGHT0, GL_DIFFUSE, 4), (std::vector<float>{0.4f, 0.4f, 0.4f, 1}));
    EXPECT_EQ(LightParam(GL_LIGHT0, GL_SPECULAR, 4), (std::vector<float>{0.2f, 0.2f, 0.2f, 1}));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_LIGHT0) && glIsEnabled(GL_LIGHT1));

    // (0, 0, 1, 0) is light from +z of eye space, whatever the current modelview.
    glRotatef(90, 0, 1, 0);
    second.setDirectional();
    second.setPosition(0, 0, 1);
    glLoadIdentity();
    EXPECT_EQ(LightParam(GL_LIGHT1, GL_POSITION, 4), (std::vector<float>{0, 0, 1, 0}));

    // A new light shines as a 90-degree spot; setPoint sends 180 but keeps 90 for the next
    // enable.
    first.setPoint();
    EXPECT_EQ(LightParam(GL_LIGHT0, GL_SPOT_CUTOFF, 1), std::vector<float>{180});
    first.enable();
    EXPECT_EQ(LightParam(GL_LIGHT0, GL_SPOT_CUTOFF, 1), std::vector<float>{90});

    // Every light past the eighth shares GL_LIGHT7 and says so.
    BoxLog boxes;
    std::vector<std::unique_ptr<Light>> lights;
    while (boxes.reports().empty() && lights.size() < 9)
        lights.emplace_back(new Light);
    ASSERT_GE(lights.size(), 2u);
    Light tenth;
    EXPECT_EQ(boxes.reports(),
              std::vector<std::string>(2, "Eeep! Using too many lights, will fuck up now :)"));
    EXPECT_TRUE(lights[lights.size() - 2]->id == GL_LIGHT7 && lights.back()->id == GL_LIGHT7 &&
                tenth.id == GL_LIGHT7);
}
