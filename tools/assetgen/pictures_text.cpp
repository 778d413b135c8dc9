// The lettering pictures under Text/: the loading picture, the title, the three credit names
// and the group's picture. The full-window ones are designed on an 800 x 600 canvas and
// rendered squeezed into square power-of-two textures, which the demo stretches back.
#include "image.h"
#include "lettering.h"
#include "pictures.h"
#include "random.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
constexpr float kDesignWidth = 800.0f;
constexpr float kDesignHeight = 600.0f;

// Coverage of a bar with round ends from (x0, y) to (x1, y), `radius` design pixels thick
// on each side, antialiased over one texel.
void DrawBar(Mask& mask, float x0, float x1, float y, float radius, float sx, float sy) {
    for (int ty = 0; ty < mask.height; ++ty)
        for (int tx = 0; tx < mask.width; ++tx) {
            float px = (tx + 0.5f) / sx, py = (ty + 0.5f) / sy;
            float cx = std::clamp(px, x0, x1);
            float dx = (px - cx) * sx, dy = (py - y) * sy;
            float d = std::sqrt(dx * dx + dy * dy) - radius * std::min(sx, sy);
            float& m = mask.at(tx, ty);
            m = std::max(m, Clamp01(0.5f - d));
        }
}

// A blurred copy remapped so that it reaches full strength about `grow` design pixels out
// from the lettering: an outline under the letters.
Mask Grown(const Mask& mask, float grow, float sx, float sy) {
    Mask out = mask;
    BlurMask(out, grow * 0.6f * sx, grow * 0.6f * sy);
    for (float& v : out.v)
        v = Smoothstep(0.03f, 0.3f, v);
    return out;
}

Mask Blurred(const Mask& mask, float sigma, float sx, float sy) {
    Mask out = mask;
    BlurMask(out, sigma * sx, sigma * sy);
    return out;
}

bool Report(bool ok, const std::string& path) {
    if (!ok)
        std::fprintf(stderr, "assetgen: can't write %s\n", path.c_str());
    return ok;
}

// White lettering on transparency: the demo tints it blue-green and shows it on white
// while everything loads, at its own size.
bool WriteLoading(const std::string& dir, const Font& bold, const Font& regular) {
    const int w = 512, h = 128;
    Image image(w, h, Color{1, 1, 1, 0});
    Mask word(w, h), small(w, h);
    bold.drawCentered(word, "rerovuz", 256, 70, 46, 6, 1, 1);
    regular.drawCentered(small, "LOADING", 256, 104, 11, 9, 1, 1);
    float half = regular.width("LOADING", 11, 9) / 2 + 16;
    DrawBar(small, 256 - half - 60, 256 - half, 99, 0.9f, 1, 1);
    DrawBar(small, 256 + half, 256 + half + 60, 99, 0.9f, 1, 1);
    Mask halo = Blurred(word, 5, 1, 1);
    for (size_t i = 0; i < image.px.size() / 4; ++i)
        image.px[i * 4 + 3] = std::max({word.v[i], small.v[i] * 0.85f, halo.v[i] * 0.3f});
    std::string path = dir + "/Text/loading.png";
    return Report(SavePng(image, path, 4), path);
}

// The title: the name over a retro horizon, shown stretched over the window on black.
bool WriteTitle(const std::string& dir, const Font& bold, const Font& regular) {
    const int w = 1024, h = 1024;
    const float sx = w / kDesignWidth, sy = h / kDesignHeight;
    const float horizon = 392.0f;
    const float sunX = 400.0f, sunY = 372.0f, sunR = 178.0f;
    Image image(w, h);
    for (int ty = 0; ty < h; ++ty)
        for (int tx = 0; tx < w; ++tx) {
            float X = (tx + 0.5f) / sx, Y = (ty + 0.5f) / sy;
            Color c;
            if (Y < horizon) {
                float u = Y / horizon;
                c = u < 0.6f ? Mix(Hex(0x02010a), Hex(0x1a0830), u / 0.6f)
                             : Mix(Hex(0x1a0830), Hex(0x6a1850), (u - 0.6f) / 0.4f);
                // The sun: a disc cut by bands that thicken towards the horizon.
                float d = std::hypot((X - sunX) * sx, (Y - sunY) * sy) - sunR * sy;
                float disc = Clamp01(0.5f - d);
                float below = (Y - (sunY - 30.0f)) / (horizon - sunY + 30.0f);
                if (below > 0.0f) {
                    float band = std::fmod(Y - sunY + 30.0f, 22.0f);
                    float gap = 3.0f + 9.0f * below;
                    disc *= Smoothstep(gap - 0.7f, gap + 0.7f, band);
                }
                float v = Clamp01((Y - (sunY - sunR)) / (sunR * 1.1f));
                Color sun = Mix(Hex(0xffe27a), Hex(0xff3d8b), v);
                c = Mix(c, sun, disc);
                float glow = std::exp(-std::max(0.0f, d / sy) / 60.0f) * (1.0f - disc);
                c = Mix(c, Hex(0xff4d9a), glow * 0.25f);
            } else {
                // A floor of glowing lines seen from one unit above it.
                float dY = Y - horizon;
                float z = 300.0f / dY;
                float wx = (X - kDesignWidth / 2) / dY;
                float lineX = std::fabs(wx * 2.0f - std::round(wx * 2.0f)) / 2.0f * dY * sx;
                float lineZ = std::fabs(z - std::round(z)) / (300.0f / (dY * dY)) * sy;
                float fog = std::exp(-z / 14.0f);
                // Lines closer together than a few texels would only shimmer: fade them out.
                float spacingX = 0.5f * dY * sx, spacingZ = dY * dY / 300.0f * sy;
                float lines = std::max(Clamp01(1.3f - lineX) * Smoothstep(3.0f, 8.0f, spacingX),
                                       Clamp01(1.3f - lineZ) * Smoothstep(3.0f, 8.0f, spacingZ)) *
                              fog;
                c = Mix(Hex(0x0a0014), Hex(0x2a0838), std::exp(-dY / 60.0f));
                c = Mix(c, Mix(Hex(0xff3d8b), Hex(0x35e6ff), 1.0f - std::exp(-dY / 40.0f)), lines);
            }
            float haze = std::exp(-std::fabs(Y - horizon) / 10.0f);
            c = Mix(c, Hex(0xff7ab8), haze * 0.55f);
            image.set(tx, ty, c);
        }
    // Stars in the upper sky, kept out of the sun.
    Pcg32 rng(0x7171e);
    for (int i = 0; i < 420; ++i) {
        float X = static_cast<float>(rng.range(0, kDesignWidth));
        float Y = static_cast<float>(rng.range(0, horizon * 0.8));
        float bright = static_cast<float>(0.25 + 0.75 * std::pow(rng.uniform(), 3.0));
        if (std::hypot(X - sunX, Y - sunY) < sunR + 25)
            continue;
        int cx = static_cast<int>(X * sx), cy = static_cast<int>(Y * sy);
        for (int y = cy - 3; y <= cy + 3; ++y)
            for (int x = cx - 3; x <= cx + 3; ++x) {
                if (x < 0 || y < 0 || x >= w || y >= h)
                    continue;
                float dx = (x + 0.5f - X * sx) / sx, dy = (y + 0.5f - Y * sy) / sy;
                image.add(x, y, Hex(0xdfe8ff), bright * std::exp(-(dx * dx + dy * dy) / 0.5f));
            }
    }
    // The name: chrome-like bands, a dark rim and a pink glow.
    const char* name = "rerovuz";
    float size = 150.0f * 660.0f / bold.width(name, 150.0f, 10.0f);
    float baseline = 352.0f;
    Mask word(w, h);
    bold.drawCentered(word, name, kDesignWidth / 2, baseline, size, 10.0f, sx, sy);
    Mask rim = Grown(word, 5.0f, sx, sy);
    Mask glow = Blurred(word, 22.0f, sx, sy);
    float top = baseline - size * 0.76f; // lowercase height of DejaVu Sans Bold
    for (int ty = 0; ty < h; ++ty)
        for (int tx = 0; tx < w; ++tx) {
            size_t i = static_cast<size_t>(ty) * w + tx;
            float Y = (ty + 0.5f) / sy;
            image.add(tx, ty, Hex(0xff2d8a), glow.v[i] * 0.9f);
            image.blend(tx, ty, Hex(0x12001e), rim.v[i]);
            float u = (Y - top) / (baseline - top);
            Color fill = u < 0.52f
                             ? Mix(Hex(0xffffff), Hex(0x8fdcff), Clamp01(u / 0.52f))
                             : Mix(Hex(0x2a1b5e), Hex(0xff9ad5), Clamp01((u - 0.52f) / 0.48f));
            image.blend(tx, ty, fill, word.v[i]);
        }
    Mask sub(w, h);
    regular.drawCentered(sub, "TROLLBEKS", kDesignWidth / 2, 120, 15, 14, sx, sy);
    Mask subGlow = Blurred(sub, 4.0f, sx, sy);
    for (size_t i = 0; i < sub.v.size(); ++i) {
        int tx = static_cast<int>(i % w), ty = static_cast<int>(i / w);
        image.add(tx, ty, Hex(0x35e6ff), subGlow.v[i] * 0.8f);
        image.blend(tx, ty, Hex(0xe8fbff), sub.v[i]);
    }
    std::string path = dir + "/Text/title.png";
    return Report(SavePng(image, path, 3), path);
}

// One credit name: dark lettering with alpha for the white backdrop, a soft shadow and an
// accent bar. The pictures are 256 x 128 but the lettering keeps within about 210 x 80, so
// that at 1.5 times the size, at the demo's fixed centres, the names stay inside the window
// and clear of each other.
bool WriteName(const std::string& dir, const Font& bold, const char* name, float size,
               uint32_t accent) {
    const int w = 256, h = 128;
    Image image(w, h, Color{1, 1, 1, 0});
    Mask word(w, h), bar(w, h);
    float baseline = 76.0f;
    bold.drawCentered(word, name, 128, baseline, size, 2.0f, 1, 1);
    float half = bold.width(name, size, 2.0f) / 2.0f;
    DrawBar(bar, 128 - half + 3, 128 - half + 46, baseline + 15, 2.6f, 1, 1);
    Mask shadow(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            shadow.at(x, y) = (x >= 3 && y >= 4) ? word.at(x - 3, y - 4) : 0.0f;
    BlurMask(shadow, 3.0f, 3.0f);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            image.blend(x, y, Hex(0x0b1020, 0.28f), shadow.at(x, y));
            image.blend(x, y, Hex(accent), bar.at(x, y));
            image.blend(x, y, Hex(0x141a2a), word.at(x, y));
        }
    std::string path = dir + "/Text/" + name + ".png";
    return Report(SavePng(image, path, 4), path);
}

// Ridge line of one mountain range at design x: peaks from folded noise.
float Ridge(float X, float base, float amplitude, float scale, uint32_t seed) {
    float n = Fbm(X / scale, 0.37f * seed, 5, seed);
    float folded = 1.0f - std::fabs(2.0f * n - 1.0f);
    return base - amplitude * folded * folded;
}

// The group's picture: a valley with a brook under layered mountains; pale, because it fades
// to the white backdrop. The name sits low, over the meadow: the credit names that pop up
// while the picture fades (centred at y 150 and 250) then cross sky and mountains, not
// lettering; the lowest one comes only once the picture has gone.
bool WriteGroupPicture(const std::string& dir, const Font& bold, const Font& regular) {
    const int w = 1024, h = 1024;
    const float sx = w / kDesignWidth, sy = h / kDesignHeight;
    struct Range {
        float base, amplitude, scale;
        uint32_t seed;
        Color color;
    };
    const Range ranges[] = {
        {335, 150, 210, 11, Hex(0xa9bfd6)},
        {385, 120, 150, 23, Hex(0x7e9bb8)},
        {440, 95, 110, 37, Hex(0x4f7386)},
        {500, 70, 80, 41, Hex(0x2f5249)},
    };
    const Color skyTop = Hex(0x8db8e6), skyLow = Hex(0xfbf1dc);
    const float sunX = 560.0f, sunY = 225.0f;
    Image image(w, h);
    // Four samples per texel smooth the ridges and the brook's banks.
    const float offsets[4][2] = {{0.25f, 0.25f}, {0.75f, 0.25f}, {0.25f, 0.75f}, {0.75f, 0.75f}};
    std::vector<float> ridges(static_cast<size_t>(w) * 2 * 4);
    for (int sxI = 0; sxI < w * 2; ++sxI)
        for (int r = 0; r < 4; ++r) {
            float X = (sxI * 0.5f + 0.25f) / sx;
            ridges[static_cast<size_t>(sxI) * 4 + r] =
                Ridge(X, ranges[r].base, ranges[r].amplitude, ranges[r].scale, ranges[r].seed);
        }
    for (int ty = 0; ty < h; ++ty)
        for (int tx = 0; tx < w; ++tx) {
            Color sum{0, 0, 0, 0};
            for (const auto& o : offsets) {
                float X = (tx + o[0]) / sx, Y = (ty + o[1]) / sy;
                int column = tx * 2 + (o[0] > 0.5f ? 1 : 0);
                float u = Y / 560.0f;
                Color c = Mix(skyTop, skyLow, Clamp01(u));
                float sunD = std::hypot(X - sunX, Y - sunY);
                c = Mix(c, Hex(0xfff7e0), std::exp(-sunD / 70.0f) * 0.9f);
                c = Mix(c, Hex(0xffffff), Clamp01(1.0f - (sunD - 26.0f)));
                float cloud = Fbm(X / 160.0f, Y / 40.0f, 5, 71);
                c = Mix(c, Hex(0xffffff),
                        Smoothstep(0.55f, 0.8f, cloud) * 0.6f * Clamp01(1.4f - u));
                for (int r = 0; r < 4; ++r) {
                    float top = ridges[static_cast<size_t>(column) * 4 + r];
                    if (Y >= top) {
                        // Lit from the sun's side, hazier towards the foot of each range.
                        float shade = Fbm(X / 40.0f, Y / 40.0f, 3, 90 + r) - 0.5f;
                        Color rc = Scale(ranges[r].color, 1.0f + shade * 0.25f);
                        c = Mix(rc, skyLow, Clamp01((Y - top) / 260.0f) * 0.35f);
                    }
                }
                // The meadow and the brook winding towards the viewer.
                if (Y > 470.0f) {
                    float meadow = Smoothstep(470.0f, 520.0f, Y);
                    Color grass =
                        Mix(Hex(0x4f7a3a), Hex(0x7da050), Fbm(X / 30.0f, Y / 12.0f, 3, 5));
                    c = Mix(c, grass, meadow);
                    float depth = (Y - 470.0f) / 130.0f;
                    float centre = 400.0f + 140.0f * std::sin(Y * 0.035f) * depth +
                                   40.0f * std::sin(Y * 0.11f);
                    float halfWidth = 3.0f + 70.0f * depth * depth;
                    float edge = Clamp01((halfWidth - std::fabs(X - centre)) * sx);
                    float ripple = 0.5f + 0.5f * std::sin(Y * 1.3f + 4.0f * std::sin(X * 0.05f));
                    Color water = Mix(Hex(0x9fc6ea), Hex(0xeef6ff), ripple * 0.6f);
                    c = Mix(c, water, edge * meadow);
                }
                sum.r += c.r * 0.25f;
                sum.g += c.g * 0.25f;
                sum.b += c.b * 0.25f;
            }
            sum.a = 1.0f;
            image.set(tx, ty, sum);
        }
    Mask word(w, h), sub(w, h);
    float size = 96.0f;
    bold.drawCentered(word, "trollbeks", kDesignWidth / 2, 500, size, 4, sx, sy);
    regular.drawCentered(sub, "THANKS FOR WATCHING", kDesignWidth / 2, 548, 13, 9, sx, sy);
    Mask halo = Blurred(word, 10.0f, sx, sy);
    Mask rim = Grown(word, 3.0f, sx, sy);
    for (int ty = 0; ty < h; ++ty)
        for (int tx = 0; tx < w; ++tx) {
            size_t i = static_cast<size_t>(ty) * w + tx;
            image.blend(tx, ty, Hex(0xffffff, 0.7f), std::min(1.0f, halo.v[i] * 2.0f));
            image.blend(tx, ty, Hex(0xffffff), rim.v[i]);
            image.blend(tx, ty, Hex(0x1d3142), word.v[i]);
            image.blend(tx, ty, Hex(0x1d3142), sub.v[i]);
        }
    std::string path = dir + "/Text/trollbeks.jpg";
    return Report(SaveJpeg(image, path, 92), path);
}
} // namespace

bool WriteLetteringPictures(const std::string& demoDir) {
    Font bold("DejaVuSans-Bold.ttf");
    Font regular("DejaVuSans.ttf");
    if (!bold.ok() || !regular.ok())
        return false;
    // One size for all three names, set by the widest so that none exceeds 210 pixels.
    const char* names[] = {"skrabo", "plind", "vexa"};
    const uint32_t accents[] = {0xff6a3d, 0x1fb5a8, 0xd6338a};
    float widest = 0.0f;
    for (const char* n : names)
        widest = std::max(widest, bold.width(n, 48.0f, 2.0f));
    float nameSize = std::min(48.0f, 48.0f * 200.0f / widest);
    bool ok = WriteLoading(demoDir, bold, regular) && WriteTitle(demoDir, bold, regular);
    for (int i = 0; i < 3 && ok; ++i)
        ok = WriteName(demoDir, bold, names[i], nameSize, accents[i]);
    return ok && WriteGroupPicture(demoDir, bold, regular);
}
