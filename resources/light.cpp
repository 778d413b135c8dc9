// The fixed-function lights: a program-wide table of the eight light numbers and a Light
// that keeps a copy of every parameter it sends.
#include "resources/light.h"

#include "base/report_error.h"

namespace {
const int kLightSlotNum = 8;
// One flag per GL_LIGHT0 + k; a slot is never given back.
bool g_lightSlots[kLightSlotNum] = {};
} // namespace

Light::Light() {
    int slot = 0;
    while (slot < kLightSlotNum && g_lightSlots[slot])
        ++slot;
    if (slot == kLightSlotNum) {
        ReportError("Eeep! Using too many lights, will fuck up now :)");
        // No number is free: this light shares GL_LIGHT7 with the eighth, and whichever
        // sends last sets it. The table is left as it is.
        slot = kLightSlotNum - 1;
    } else {
        g_lightSlots[slot] = true;
    }
    id = GL_LIGHT0 + slot;

    // The x, y and z that setPoint sends are 0 already.
    setPoint();
    setPosition(0, 0, 0);
    setSpotDirection(0, 0, -1);
    // Stored only, as the light is a point light now; enable sends it, so a new light
    // shines as a 90-degree spot until something sends another cut-off.
    setSpotCutoff(90);
    setAmbient(0.5f, 0.5f, 0.5f, 1);
    setDiffuse(0.4f, 0.4f, 0.4f, 1);
    setSpecular(0.2f, 0.2f, 0.2f, 1);
    enable();
}

void Light::applyPosition() {
    // Under an identity modelview the position is taken as eye coordinates. Callers keep
    // the matrix mode at GL_MODELVIEW.
    glPushMatrix();
    glLoadIdentity();
    glLightfv(id, GL_POSITION, position);
    glPopMatrix();
}

void Light::enable() {
    enabled = true;
    glEnable(GL_LIGHTING);
    glEnable(id);
    glLightfv(id, GL_SPECULAR, specular);
    glLightfv(id, GL_DIFFUSE, diffuse);
    glLightfv(id, GL_AMBIENT, ambient);
    // Whatever the kind: after setPoint (which sends 180) this brings the stored cut-off
    // back.
    glLightf(id, GL_SPOT_CUTOFF, spotCutoff);
    applyPosition();
}

// GL_LIGHTING stays as it is.
void Light::disable() {
    enabled = false;
    glDisable(id);
}

void Light::setPosition(float x, float y, float z) {
    position[0] = x;
    position[1] = y;
    position[2] = z;
    applyPosition();
}

// Sends a cut-off of 180 without storing it in spotCutoff.
void Light::setPoint() {
    position[3] = 1;
    kind = Point;
    applyPosition();
    glLightf(id, GL_SPOT_CUTOFF, 180);
}

void Light::setDirectional() {
    position[3] = 0;
    kind = Directional;
    applyPosition();
}

// Unlike the position, the direction goes through the current modelview matrix.
void Light::setSpotDirection(float x, float y, float z) {
    spotDirection[0] = x;
    spotDirection[1] = y;
    spotDirection[2] = z;
    glLightfv(id, GL_SPOT_DIRECTION, spotDirection);
}

// Sent only to a spot light; otherwise kept for the next enable.
void Light::setSpotCutoff(float degrees) {
    spotCutoff = degrees;
    if (kind == Spot)
        glLightf(id, GL_SPOT_CUTOFF, degrees);
}

void Light::setAmbient(float r, float g, float b, float a) {
    ambient[0] = r;
    ambient[1] = g;
    ambient[2] = b;
    ambient[3] = a;
    glLightfv(id, GL_AMBIENT, ambient);
}

void Light::setDiffuse(float r, float g, float b, float a) {
    diffuse[0] = r;
    diffuse[1] = g;
    diffuse[2] = b;
    diffuse[3] = a;
    glLightfv(id, GL_DIFFUSE, diffuse);
}

void Light::setSpecular(float r, float g, float b, float a) {
    specular[0] = r;
    specular[1] = g;
    specular[2] = b;
    specular[3] = a;
    glLightfv(id, GL_SPECULAR, specular);
}
