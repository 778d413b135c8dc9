// Pictures in memory while they are computed: float RGBA, top row first (the row the
// demo's decoder puts at texture coordinate t = 0), coverage masks, noise and the writers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Color {
    float r = 0, g = 0, b = 0, a = 1;
};

// 0xRRGGBB, opaque.
Color Hex(uint32_t rgb, float alpha = 1.0f);
Color Mix(const Color& a, const Color& b, float t);
Color Scale(const Color& c, float k); // rgb only
float Clamp01(float x);
float Smoothstep(float edge0, float edge1, float x);

struct Image {
    Image(int w, int h, Color fill = Color{0, 0, 0, 1});
    int width;
    int height;
    std::vector<float> px; // r, g, b, a per pixel, each 0..1

    Color get(int x, int y) const;
    void set(int x, int y, const Color& c);
    // Paints c over the pixel with c.a x coverage ("over" on straight alpha).
    void blend(int x, int y, const Color& c, float coverage);
    // Adds light: rgb += c.rgb x amount, clamped later when written.
    void add(int x, int y, const Color& c, float amount);
    // Bilinear sample at texel-space coordinates (0.5 is the first texel's centre), clamped.
    Color sample(float x, float y) const;
};

// One float per pixel, usually coverage 0..1.
struct Mask {
    Mask(int w, int h) : width(w), height(h), v(static_cast<size_t>(w) * h, 0.0f) {}
    int width;
    int height;
    std::vector<float> v;
    float& at(int x, int y) { return v[static_cast<size_t>(y) * width + x]; }
    float at(int x, int y) const { return v[static_cast<size_t>(y) * width + x]; }
};

// Three box passes per axis, close to a Gaussian of the given standard deviation (pixels),
// separately in x and y so that a stretched design blurs round on screen.
void BlurMask(Mask& mask, float sigmaX, float sigmaY);

// Smooth lattice noise in [0, 1) and its fractal sum, both deterministic per seed.
float ValueNoise(float x, float y, uint32_t seed);
float Fbm(float x, float y, int octaves, uint32_t seed);

// 8-bit writers. Quantising adds a fixed, pixel-keyed dither of half a step so that long
// gradients do not band; the same picture always gives the same bytes.
bool SavePng(const Image& image, const std::string& path, int channels);
bool SaveJpeg(const Image& image, const std::string& path, int quality);
// Makes the folder that will hold `path`.
bool MakeParentFolder(const std::string& path);
