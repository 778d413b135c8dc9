// The pictures under Textures/: the chrome sphere map, the two mosaics, the three scene
// backgrounds and the particle.
#include "image.h"
#include "pictures.h"
#include "random.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
constexpr float kPi = 3.14159265358979f;

bool Report(bool ok, const std::string& path) {
    if (!ok)
        std::fprintf(stderr, "assetgen: can't write %s\n", path.c_str());
    return ok;
}

// Brightness of a soft-edged light panel centred on direction (cx, cy, cz), in a cone.
float Panel(float x, float y, float z, float cx, float cy, float cz, float radius) {
    float len = std::sqrt(cx * cx + cy * cy + cz * cz);
    float cosine = (x * cx + y * cy + z * cz) / len;
    float angle = std::acos(std::clamp(cosine, -1.0f, 1.0f));
    return 1.0f - Smoothstep(radius * 0.8f, radius, angle);
}

// The surroundings reflected by the chrome: a studio sky with light panels and a sun over
// a dark tiled floor. Eye space: y up, z towards the viewer.
Color Environment(float x, float y, float z) {
    if (y >= 0.0f) {
        Color c = Mix(Hex(0xeef4ff), Hex(0x1d4f9c), std::pow(y, 0.45f));
        c = Mix(c, Hex(0xffffff), Panel(x, y, z, -0.6f, 0.55f, 0.5f, 0.32f));
        c = Mix(c, Hex(0xfff1d6), Panel(x, y, z, 0.7f, 0.35f, -0.4f, 0.22f));
        c = Mix(c, Hex(0xffffff), Panel(x, y, z, 0.1f, 0.95f, 0.2f, 0.18f));
        return c;
    }
    float fx = x / -y, fz = z / -y;
    bool odd =
        (static_cast<int>(std::floor(fx * 0.8f)) + static_cast<int>(std::floor(fz * 0.8f))) & 1;
    Color floor = odd ? Hex(0x1a1c22) : Hex(0x4a4e58);
    float fog = 1.0f - std::exp(-std::sqrt(fx * fx + fz * fz) * 0.07f);
    Color c = Mix(floor, Hex(0x8c93a3), fog);
    // A dark band just under the horizon sharpens the chrome's horizon line.
    return Mix(c, Hex(0x0d0e12), std::exp(y * 18.0f) * 0.8f);
}

// A mirrored ball photographed from far away: texel (s, t) sees the normal (2s - 1, 2t - 1)
// of the ball. Texture row t = 0 is the file's top row, and eye-space up is +t, so the sky
// lies in the lower half of the file.
bool WriteSphereMap(const std::string& dir) {
    const int size = 512;
    Image image(size, size);
    const float offsets[4][2] = {{0.25f, 0.25f}, {0.75f, 0.25f}, {0.25f, 0.75f}, {0.75f, 0.75f}};
    for (int ty = 0; ty < size; ++ty)
        for (int tx = 0; tx < size; ++tx) {
            Color sum{0, 0, 0, 1};
            for (const auto& o : offsets) {
                float nx = 2.0f * (tx + o[0]) / size - 1.0f;
                float ny = 2.0f * (ty + o[1]) / size - 1.0f;
                float r2 = nx * nx + ny * ny;
                if (r2 > 0.998f) {
                    // Outside the ball: its rim colour, so mipmaps do not pull in black.
                    float k = std::sqrt(0.998f / r2);
                    nx *= k;
                    ny *= k;
                    r2 = 0.998f;
                }
                float nz = std::sqrt(1.0f - r2);
                // Reflection of the view ray (0, 0, -1) about the ball's normal.
                Color c = Environment(2 * nz * nx, 2 * nz * ny, 2 * nz * nz - 1);
                sum.r += c.r * 0.25f;
                sum.g += c.g * 0.25f;
                sum.b += c.b * 0.25f;
            }
            image.set(tx, ty, sum);
        }
    std::string path = dir + "/Textures/oooh.png";
    return Report(SavePng(image, path, 3), path);
}

struct MosaicStyle {
    const char* file;
    Color palette[5];
    Color grout;
    uint32_t seed;
    bool rosette; // a rosette of rings and petals, or waves
};

// Palette index of the motif at (u, v) in [-1, 1]^2.
int Motif(const MosaicStyle& style, float u, float v) {
    float r = std::sqrt(u * u + v * v);
    float a = std::atan2(v, u);
    if (style.rosette) {
        if (r > 0.93f)
            return 4;
        float petal = std::cos(8.0f * a) * 0.5f + 0.5f;
        int ring = static_cast<int>(r * 7.0f);
        if (r < 0.14f)
            return 2;
        if (ring % 3 == 2)
            return 3;
        return (petal > 0.35f + 0.4f * r) ? 1 : (ring % 2 == 0 ? 0 : 2);
    }
    float wave = v * 5.0f + 0.55f * std::sin(u * 9.0f + 1.3f) + 0.25f * std::sin(r * 12.0f);
    int band = static_cast<int>(std::floor(wave));
    int diamond = static_cast<int>(std::floor((std::fabs(u) + std::fabs(v)) * 3.5f));
    if (diamond % 4 == 0)
        return 3;
    return ((band % 3) + 3) % 3 + (diamond % 4 == 2 ? 1 : 0);
}

// A tessellated mosaic: jittered tiles (Voronoi cells of a jittered grid), each one colour
// of the motif with a little variation, a raised centre and grout between.
bool WriteMosaic(const std::string& dir, const MosaicStyle& style) {
    const int size = 512;
    const int cells = 30;
    const float cell = static_cast<float>(size) / cells;
    Image image(size, size);
    auto point = [&](int cx, int cy, float& px, float& py) {
        px = (cx + 0.15f + 0.7f * static_cast<float>(Hash01(cx, cy, style.seed))) * cell;
        py = (cy + 0.15f + 0.7f * static_cast<float>(Hash01(cx, cy, style.seed + 1))) * cell;
    };
    for (int ty = 0; ty < size; ++ty)
        for (int tx = 0; tx < size; ++tx) {
            float x = tx + 0.5f, y = ty + 0.5f;
            int gx = static_cast<int>(x / cell), gy = static_cast<int>(y / cell);
            float best = 1e9f, second = 1e9f;
            int bx = gx, by = gy;
            for (int j = -2; j <= 2; ++j)
                for (int i = -2; i <= 2; ++i) {
                    float px, py;
                    point(gx + i, gy + j, px, py);
                    float d = std::hypot(px - x, py - y);
                    if (d < best) {
                        second = best;
                        best = d;
                        bx = gx + i;
                        by = gy + j;
                    } else if (d < second) {
                        second = d;
                    }
                }
            float px, py;
            point(bx, by, px, py);
            int index = Motif(style, 2.0f * px / size - 1.0f, 2.0f * py / size - 1.0f);
            Color tile = style.palette[std::clamp(index, 0, 4)];
            float vary = 0.88f + 0.24f * static_cast<float>(Hash01(bx, by, style.seed + 7));
            // Distance to the tile's border, in pixels: half the gap between nearest centres.
            float border = (second - best) * 0.5f;
            float raised = 0.86f + 0.14f * Smoothstep(0.0f, cell * 0.35f, border);
            Color c = Scale(tile, vary * raised);
            float grout = 1.0f - Smoothstep(0.7f, 1.7f, border);
            image.set(tx, ty, Mix(c, style.grout, grout));
        }
    std::string path = dir + "/Textures/" + style.file;
    return Report(SavePng(image, path, 3), path);
}

// Scene 1's background, behind dark spheres and the chrome cross: a pale blue centre
// falling to deep blue, with soft rays and clouds. Designed at 800 x 600.
bool WriteSphereFieldBackground(const std::string& dir) {
    const int size = 512;
    const float sx = size / 800.0f, sy = size / 600.0f;
    Image image(size, size);
    for (int ty = 0; ty < size; ++ty)
        for (int tx = 0; tx < size; ++tx) {
            float X = (tx + 0.5f) / sx - 400.0f, Y = (ty + 0.5f) / sy - 300.0f;
            float r = std::sqrt(X * X + Y * Y);
            float a = std::atan2(Y, X);
            Color c = Mix(Hex(0x9fc2dc), Hex(0x061331), Smoothstep(0.0f, 480.0f, r));
            float rays = ValueNoise(a * 7.0f / kPi + 40.0f, 0.5f, 3);
            rays = std::pow(rays, 3.0f) * std::exp(-r / 300.0f);
            c = Mix(c, Hex(0xdff0ff), rays * 0.35f);
            float cloud = Fbm(X / 170.0f, Y / 170.0f, 5, 17);
            c = Scale(c, 0.85f + 0.3f * cloud);
            float rings = 0.5f + 0.5f * std::cos(r * 0.09f);
            c = Mix(c, Hex(0xbfe0ff), std::pow(rings, 12.0f) * 0.08f * std::exp(-r / 350.0f));
            image.set(tx, ty, c);
        }
    std::string path = dir + "/Textures/bg.png";
    return Report(SavePng(image, path, 3), path);
}

// Scene 2's background, drawn at 1600 x 1200 and turned 30 degrees a second about the
// window's centre: a twelve-fold spiral rosette that looks the same from any angle, so the
// turning reads as a slow swirl. Only the disc within 500 pixels of the centre is ever seen.
bool WriteTurningBackground(const std::string& dir) {
    const int size = 1024;
    const float sx = size / 1600.0f, sy = size / 1200.0f;
    Image image(size, size);
    for (int ty = 0; ty < size; ++ty)
        for (int tx = 0; tx < size; ++tx) {
            float X = (tx + 0.5f) / sx - 800.0f, Y = (ty + 0.5f) / sy - 600.0f;
            float r = std::sqrt(X * X + Y * Y);
            float a = std::atan2(Y, X);
            float spiral = 0.5f + 0.5f * std::sin(6.0f * a + 7.0f * std::log(r + 30.0f));
            float counter = 0.5f + 0.5f * std::sin(-6.0f * a + 5.0f * std::log(r + 30.0f));
            // Fine detail fades out near the centre, where the spiral would crowd.
            float detail = Smoothstep(10.0f, 90.0f, r);
            Color c = Mix(Hex(0x12072e), Hex(0x4a1a73), spiral * detail);
            c = Mix(c, Hex(0x2b6fa8), std::pow(spiral * counter, 3.0f) * 0.55f * detail);
            float petals = std::pow(std::max(0.0f, std::cos(12.0f * a)), 10.0f);
            c = Mix(c, Hex(0xe47bd0), petals * std::exp(-r / 220.0f) * 0.45f * detail);
            float ringR = std::fmod(r + 20.0f * std::cos(6.0f * a), 130.0f);
            float ring = std::exp(-std::pow((ringR - 65.0f) / 3.5f, 2.0f));
            c = Mix(c, Hex(0xffd27a), ring * 0.35f * detail);
            c = Mix(c, Hex(0xf3c6ff), std::exp(-r / 60.0f) * 0.8f);
            c = Scale(c, 1.0f - 0.35f * Smoothstep(250.0f, 700.0f, r));
            image.set(tx, ty, c);
        }
    std::string path = dir + "/Textures/bg2.png";
    return Report(SavePng(image, path, 3), path);
}

// Scene 3's background behind additive white particles: a dark nebula with faint stars.
bool WriteParticleBackground(const std::string& dir) {
    const int size = 512;
    const float sx = size / 800.0f, sy = size / 600.0f;
    Image image(size, size);
    for (int ty = 0; ty < size; ++ty)
        for (int tx = 0; tx < size; ++tx) {
            float X = (tx + 0.5f) / sx, Y = (ty + 0.5f) / sy;
            float n1 = Fbm(X / 220.0f, Y / 220.0f, 6, 41);
            float n2 = Fbm(X / 120.0f + 9.0f, Y / 120.0f, 5, 43);
            Color c = Hex(0x020209);
            c = Mix(c, Hex(0x10307a), std::pow(Smoothstep(0.3f, 0.8f, n1), 1.5f) * 0.9f);
            c = Mix(c, Hex(0x5a1a6e), std::pow(Smoothstep(0.4f, 0.85f, n2), 1.8f) * 0.7f);
            float r = std::hypot(X - 400.0f, Y - 300.0f);
            c = Scale(c, 1.0f - 0.55f * Smoothstep(150.0f, 520.0f, r));
            image.set(tx, ty, c);
        }
    Pcg32 rng(0x5ea75);
    for (int i = 0; i < 260; ++i) {
        float x = static_cast<float>(rng.range(0, size)),
              y = static_cast<float>(rng.range(0, size));
        float b = static_cast<float>(0.2 + 0.6 * std::pow(rng.uniform(), 2.0));
        for (int yy = static_cast<int>(y) - 2; yy <= static_cast<int>(y) + 2; ++yy)
            for (int xx = static_cast<int>(x) - 2; xx <= static_cast<int>(x) + 2; ++xx) {
                if (xx < 0 || yy < 0 || xx >= size || yy >= size)
                    continue;
                float d2 = (xx + 0.5f - x) * (xx + 0.5f - x) + (yy + 0.5f - y) * (yy + 0.5f - y);
                image.add(xx, yy, Hex(0xd8e4ff), b * std::exp(-d2 / 0.6f));
            }
    }
    std::string path = dir + "/Textures/particlebg.jpg";
    return Report(SaveJpeg(image, path, 92), path);
}

// The particle: white at the centre falling smoothly to exact black well inside the edge,
// since it is drawn additively and any grey would show as a square.
bool WriteParticle(const std::string& dir) {
    const int size = 128;
    Image image(size, size);
    for (int ty = 0; ty < size; ++ty)
        for (int tx = 0; tx < size; ++tx) {
            float x = (tx + 0.5f - size / 2.0f) / (size * 0.44f);
            float y = (ty + 0.5f - size / 2.0f) / (size * 0.44f);
            float r2 = x * x + y * y;
            float v = r2 < 1.0f ? std::pow(1.0f - r2, 2.2f) : 0.0f;
            v = std::min(1.0f, v * 1.15f);
            image.set(tx, ty, Color{v, v, v, 1});
        }
    std::string path = dir + "/Textures/blob.jpg";
    return Report(SaveJpeg(image, path, 95), path);
}
} // namespace

bool WriteTexturePictures(const std::string& demoDir) {
    const MosaicStyle warm = {
        "mosaik.png",
        {Hex(0xc4532d), Hex(0xe0a43a), Hex(0xf1e2c2), Hex(0x7a1f2b), Hex(0x3b2417)},
        Hex(0x2a2420),
        101,
        true};
    const MosaicStyle cool = {
        "mosaik2.png",
        {Hex(0x1f4fa3), Hex(0x2bb3b8), Hex(0xeef3f5), Hex(0xd9a632), Hex(0x0d1b3f)},
        Hex(0x1a1d26),
        202,
        false};
    return WriteSphereMap(demoDir) && WriteMosaic(demoDir, warm) && WriteMosaic(demoDir, cool) &&
           WriteSphereFieldBackground(demoDir) && WriteTurningBackground(demoDir) &&
           WriteParticleBackground(demoDir) && WriteParticle(demoDir);
}
