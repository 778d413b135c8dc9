// One of the eight fixed-function lights, with a copy of every parameter sent to GL.
// Positions are always sent under an identity modelview: they are in eye space.
#pragma once

#include <GL/gl.h>
#include <cstdint>

class Light {
  public:
    enum Kind : uint8_t { Directional = 1, Point = 2, Spot = 3 };

    // Claims the lowest free light slot and sets the defaults; enabled.
    Light();

    void applyPosition();
    void enable();
    void disable();
    void setPosition(float x, float y, float z);
    void setPoint();
    void setDirectional();
    void setSpotDirection(float x, float y, float z);
    void setSpotCutoff(float degrees);
    void setAmbient(float r, float g, float b, float a);
    void setDiffuse(float r, float g, float b, float a);
    void setSpecular(float r, float g, float b, float a);

    GLenum id = GL_LIGHT0;
    bool enabled = false;
    uint8_t kind = Point;
    float position[4] = {0, 0, 0, 0};
    float spotDirection[3] = {0, 0, 0};
    float spotCutoff = 0.0f;
    float ambient[4] = {0, 0, 0, 0};
    float diffuse[4] = {0, 0, 0, 0};
    float specular[4] = {0, 0, 0, 0};
};
