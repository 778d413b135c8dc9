// Lights read back from a real GL context: slot order, the state a new light sends, a
// directional light in eye space, the deferred spot cut-off and the slot limit.
// The slot table lives for the whole process, so these tests run in file order.
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

TEST(Light, FirstTwoLightsAndTheStateANewLightSends) {
    TestWindow();
    // A moved modelview: the position must still land at the eye.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(5, 3, -2);
    Light first;
    Light second;
    glLoadIdentity();
    EXPECT_TRUE(first.id == GL_LIGHT0 && second.id == GL_LIGHT1);
    EXPECT_EQ(LightParam(GL_LIGHT0, GL_POSITION, 4), (std::vector<float>{0, 0, 0, 1}));
    EXPECT_EQ(LightParam(GL_LIGHT0, GL_SPOT_DIRECTION, 3), (std::vector<float>{0, 0, -1}));
    EXPECT_EQ(LightParam(GL_LIGHT0, GL_SPOT_CUTOFF, 1), std::vector<float>{90});
    EXPECT_EQ(LightParam(GL_LIGHT0, GL_AMBIENT, 4), (std::vector<float>{0.5f, 0.5f, 0.5f, 1}));
    EXPECT_EQ(LightParam(GL_LIGHT0, GL_DIFFUSE, 4), (std::vector<float>{0.4f, 0.4f, 0.4f, 1}));
    EXPECT_EQ(LightParam(GL_LIGHT0, GL_SPECULAR, 4), (std::vector<float>{0.2f, 0.2f, 0.2f, 1}));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_LIGHT0) && glIsEnabled(GL_LIGHT1));
    EXPECT_TRUE(first.enabled && first.kind == Light::Point);
    second.disable();
    EXPECT_TRUE(!glIsEnabled(GL_LIGHT1) && glIsEnabled(GL_LIGHTING) && !second.enabled);

    // The position goes out under an identity modelview whatever the current one is, so
    // (0, 0, 1, 0) is light from +z of eye space.
    glRotatef(90, 0, 1, 0);
    second.setDirectional();
    second.setPosition(0, 0, 1);
    glLoadIdentity();
    EXPECT_EQ(LightParam(GL_LIGHT1, GL_POSITION, 4), (std::vector<float>{0, 0, 1, 0}));
}

TEST(Light, SpotCutoffIsSentOnlyToSpotsOrByEnable) {
    TestWindow();
    Light light;
    const GLenum id = light.id;
    light.setSpotCutoff(30);
    EXPECT_EQ(light.spotCutoff, 30.0f);
    EXPECT_EQ(LightParam(id, GL_SPOT_CUTOFF, 1), std::vector<float>{90});
    light.enable();
    EXPECT_EQ(LightParam(id, GL_SPOT_CUTOFF, 1), std::vector<float>{30});
    // setPoint sends 180 but keeps the stored value for the next enable.
    light.setPoint();
    EXPECT_EQ(LightParam(id, GL_SPOT_CUTOFF, 1), std::vector<float>{180});
    EXPECT_EQ(light.spotCutoff, 30.0f);
    light.kind = Light::Spot;
    light.setSpotCutoff(45);
    EXPECT_EQ(LightParam(id, GL_SPOT_CUTOFF, 1), std::vector<float>{45});
    light.disable();
}

// Last: uses up the table.
TEST(Light, NinthLightWarnsAndSharesTheLastNumber) {
    TestWindow();
    BoxLog boxes;
    std::vector<std::unique_ptr<Light>> lights;
    while (boxes.reports().empty() && lights.size() < 9)
        lights.emplace_back(new Light);
    ASSERT_GE(lights.size(), 2u);
    EXPECT_EQ(boxes.reports(),
              std::vector<std::string>{"Eeep! Using too many lights, will fuck up now :)"});
    Light tenth;
    EXPECT_TRUE(lights[lights.size() - 2]->id == GL_LIGHT7 && lights.back()->id == GL_LIGHT7 &&
                tenth.id == GL_LIGHT7);
    EXPECT_EQ(boxes.reports().size(), 2u);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
