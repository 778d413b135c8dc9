// Float pictures, masks, noise and the PNG/JPEG writers of the asset generator.
#include "image.h"

#include "random.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

Color Hex(uint32_t rgb, float alpha) {
    return Color{((rgb >> 16) & 255) / 255.0f, ((rgb >> 8) & 255) / 255.0f, (rgb & 255) / 255.0f,
                 alpha};
}

Color Mix(const Color& a, const Color& b, float t) {
    return Color{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
                 a.a + (b.a - a.a) * t};
}

Color Scale(const Color& c, float k) {
    return Color{c.r * k, c.g * k, c.b * k, c.a};
}

float Clamp01(float x) {
    return x < 0.0f ? 0.0f : (x > 1.0f ? 1.0f : x);
}

float Smoothstep(float edge0, float edge1, float x) {
    float t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

Image::Image(int w, int h, Color fill) : width(w), height(h), px(static_cast<size_t>(w) * h * 4) {
    for (size_t i = 0; i < px.size(); i += 4) {
        px[i] = fill.r;
        px[i + 1] = fill.g;
        px[i + 2] = fill.b;
        px[i + 3] = fill.a;
    }
}

Color Image::get(int x, int y) const {
    const float* p = &px[(static_cast<size_t>(y) * width + x) * 4];
    return Color{p[0], p[1], p[2], p[3]};
}

void Image::set(int x, int y, const Color& c) {
    float* p = &px[(static_cast<size_t>(y) * width + x) * 4];
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = c.a;
}

void Image::blend(int x, int y, const Color& c, float coverage) {
    float a = Clamp01(c.a * coverage);
    if (a <= 0.0f)
        return;
    float* p = &px[(static_cast<size_t>(y) * width + x) * 4];
    float outA = a + p[3] * (1.0f - a);
    if (outA <= 0.0f)
        return;
    // Straight (not premultiplied) alpha, as the PNG stores it.
    for (int i = 0; i < 3; ++i) {
        float src = (&c.r)[i];
        p[i] = (src * a + p[i] * p[3] * (1.0f - a)) / outA;
    }
    p[3] = outA;
}

void Image::add(int x, int y, const Color& c, float amount) {
    float* p = &px[(static_cast<size_t>(y) * width + x) * 4];
    p[0] += c.r * amount;
    p[1] += c.g * amount;
    p[2] += c.b * amount;
}

Color Image::sample(float x, float y) const {
    x -= 0.5f;
    y -= 0.5f;
    int x0 = static_cast<int>(std::floor(x));
    int y0 = static_cast<int>(std::floor(y));
    float fx = x - x0;
    float fy = y - y0;
    auto clampX = [&](int v) { return std::clamp(v, 0, width - 1); };
    auto clampY = [&](int v) { return std::clamp(v, 0, height - 1); };
    Color c00 = get(clampX(x0), clampY(y0));
    Color c10 = get(clampX(x0 + 1), clampY(y0));
    Color c01 = get(clampX(x0), clampY(y0 + 1));
    Color c11 = get(clampX(x0 + 1), clampY(y0 + 1));
    return Mix(Mix(c00, c10, fx), Mix(c01, c11, fx), fy);
}

namespace {
// One running-sum box pass of radius r along rows (stride 1) or columns.
void BoxPass(std::vector<float>& v, int width, int height, int radius, bool alongRows) {
    if (radius <= 0)
        return;
    int lines = alongRows ? height : width;
    int length = alongRows ? width : height;
    std::vector<float> line(length);
    for (int l = 0; l < lines; ++l) {
        auto index = [&](int i) {
            return alongRows ? static_cast<size_t>(l) * width + i
                             : static_cast<size_t>(i) * width + l;
        };
        for (int i = 0; i < length; ++i)
            line[i] = v[index(i)];
        double sum = 0.0;
        // Edges repeat the border value.
        for (int i = -radius; i <= radius; ++i)
            sum += line[std::clamp(i, 0, length - 1)];
        for (int i = 0; i < length; ++i) {
            v[index(i)] = static_cast<float>(sum / (2 * radius + 1));
            sum += line[std::min(i + radius + 1, length - 1)];
            sum -= line[std::max(i - radius, 0)];
        }
    }
}
} // namespace

void BlurMask(Mask& mask, float sigmaX, float sigmaY) {
    // Three boxes of width w have variance 3 (w^2 - 1) / 12.
    auto radiusFor = [](float sigma) {
        float w = std::sqrt(4.0f * sigma * sigma + 1.0f);
        return static_cast<int>(std::lround((w - 1.0f) / 2.0f));
    };
    int rx = radiusFor(sigmaX);
    int ry = radiusFor(sigmaY);
    for (int pass = 0; pass < 3; ++pass) {
        BoxPass(mask.v, mask.width, mask.height, rx, true);
        BoxPass(mask.v, mask.width, mask.height, ry, false);
    }
}

float ValueNoise(float x, float y, uint32_t seed) {
    int xi = static_cast<int>(std::floor(x));
    int yi = static_cast<int>(std::floor(y));
    float fx = x - xi;
    float fy = y - yi;
    float sx = fx * fx * (3.0f - 2.0f * fx);
    float sy = fy * fy * (3.0f - 2.0f * fy);
    float a = static_cast<float>(Hash01(xi, yi, seed));
    float b = static_cast<float>(Hash01(xi + 1, yi, seed));
    float c = static_cast<float>(Hash01(xi, yi + 1, seed));
    float d = static_cast<float>(Hash01(xi + 1, yi + 1, seed));
    return a + (b - a) * sx + (c - a) * sy + (a - b - c + d) * sx * sy;
}

float Fbm(float x, float y, int octaves, uint32_t seed) {
    float sum = 0.0f, amplitude = 0.5f, norm = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * ValueNoise(x, y, seed + 101u * i);
        norm += amplitude;
        // Rotate each octave a little so the lattice does not show as a grid.
        float nx = 1.6f * x + 1.2f * y + 17.3f;
        float ny = -1.2f * x + 1.6f * y + 5.1f;
        x = nx;
        y = ny;
        amplitude *= 0.5f;
    }
    return sum / norm;
}

namespace {
std::vector<unsigned char> Quantise(const Image& image, int channels) {
    std::vector<unsigned char> bytes(static_cast<size_t>(image.width) * image.height * channels);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const float* p = &image.px[(static_cast<size_t>(y) * image.width + x) * 4];
            for (int c = 0; c < channels; ++c) {
                float dither = static_cast<float>(Hash01(x, y, 977u + c)) - 0.5f;
                float v = Clamp01(p[c]) * 255.0f + dither;
                bytes[(static_cast<size_t>(y) * image.width + x) * channels + c] =
                    static_cast<unsigned char>(std::clamp(std::lround(v), 0L, 255L));
            }
        }
    return bytes;
}
} // namespace

bool MakeParentFolder(const std::string& path) {
    std::error_code error;
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (parent.empty())
        return true;
    std::filesystem::create_directories(parent, error);
    return !error;
}

bool SavePng(const Image& image, const std::string& path, int channels) {
    if (!MakeParentFolder(path))
        return false;
    std::vector<unsigned char> bytes = Quantise(image, channels);
    return stbi_write_png(path.c_str(), image.width, image.height, channels, bytes.data(),
                          image.width * channels) != 0;
}

bool SaveJpeg(const Image& image, const std::string& path, int quality) {
    if (!MakeParentFolder(path))
        return false;
    std::vector<unsigned char> bytes = Quantise(image, 3);
    return stbi_write_jpg(path.c_str(), image.width, image.height, 3, bytes.data(), quality) != 0;
}
