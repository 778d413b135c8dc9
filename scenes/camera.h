// Look-at cameras, eased blends between two of them, and timed paths of keys.
#pragma once

#include "base/scene_timer.h"

#include <cstdint>
#include <vector>

struct Camera {
    float eyeX, eyeY, eyeZ;
    float centerX, centerY, centerZ;
    float upX, upY, upZ;
};

// Multiplies the camera's look-at matrix onto the current matrix.
void ApplyCamera(Camera c);
// Eases from `from` to `to` by sin(u * pi/2), u unclamped, and applies the result.
void BlendCameras(Camera from, Camera to, float u);

class CameraPath {
  public:
    // Starts the timer and adds the default key: eye at the origin looking down -z.
    CameraPath();
    // `duration` is the length of the move that ends at this key.
    void addKey(Camera key, float duration);
    // Applies the view for now; moves on to the next segment when this one is over.
    void update();

    std::vector<Camera> keys;
    std::vector<float> durations;
    uint32_t current = 0;
    SceneTimer timer;
};
