// Look-at cameras: applying one, easing between two, and playing a timed path of keys.
// None of these select, reset, push or pop a matrix: they multiply onto whatever is current.
#include "scenes/camera.h"

#include <GL/glu.h>
#include <cmath>

void ApplyCamera(Camera c) {
    gluLookAt(c.eyeX, c.eyeY, c.eyeZ, c.centerX, c.centerY, c.centerZ, c.upX, c.upY, c.upZ);
}

void BlendCameras(Camera from, Camera to, float u) {
    // The angle is rounded to float before the sine and the factor after it; the views of
    // every path and cycle depend on these two roundings. u is not clamped: slightly above 1
    // it gives s slightly below 1, so an overshooting frame stays just short of `to`.
    const float angle = static_cast<float>(static_cast<double>(u) * 1.5707963267948966);
    const float s = static_cast<float>(std::sin(static_cast<double>(angle)));
    auto mix = [s](float a, float b) { return a + (b - a) * s; };
    Camera c;
    c.eyeX = mix(from.eyeX, to.eyeX);
    c.eyeY = mix(from.eyeY, to.eyeY);
    c.eyeZ = mix(from.eyeZ, to.eyeZ);
    c.centerX = mix(from.centerX, to.centerX);
    c.centerY = mix(from.centerY, to.centerY);
    c.centerZ = mix(from.centerZ, to.centerZ);
    c.upX = mix(from.upX, to.upX);
    c.upY = mix(from.upY, to.upY);
    c.upZ = mix(from.upZ, to.upZ);
    ApplyCamera(c);
}

// The timer member starts here, not at the first update: a path whose second key has
// duration 0 swallows the time between construction and the first frame.
CameraPath::CameraPath() {
    addKey(Camera{0.0f, 0.0f, 0.0f, 0.0f, 0.0f, -1.0f, 0.0f, 1.0f, 0.0f}, 0.0f);
}

void CameraPath::addKey(Camera key, float duration) {
    keys.push_back(key);
    durations.push_back(duration);
}

void CameraPath::update() {
    if (keys.size() - current <= 1) {
        ApplyCamera(keys[current]);
        return;
    }
    const float elapsed = timer.update(); // seconds into the running segment
    const float duration = durations[current + 1];
    if (duration == 0.0f)
        ApplyCamera(keys[current + 1]);
    else
        BlendCameras(keys[current], keys[current + 1], elapsed / duration);
    // Read again so the end test sees the latest time; the overshoot is dropped on restart,
    // so each segment lags the previous by up to one frame.
    if (timer.update() > duration) {
        ++current;
        timer.restart();
    }
}
