// Glyph rasterising through stb_truetype, with kerning and sub-pixel placement.
#include "lettering.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#define STB_TRUETYPE_IMPLEMENTATION
#include <stb/stb_truetype.h>

struct FontFace {
    stbtt_fontinfo info;
    float capHeight = 1.0f; // font units
};

Font::Font(const char* fileName) {
    std::string path = std::string("/usr/share/fonts/truetype/dejavu/") + fileName;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        std::fprintf(stderr, "assetgen: can't open font %s\n", path.c_str());
        return;
    }
    unsigned char chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        data_.insert(data_.end(), chunk, chunk + n);
    std::fclose(f);
    face_ = new FontFace;
    if (!stbtt_InitFont(&face_->info, data_.data(), stbtt_GetFontOffsetForIndex(data_.data(), 0))) {
        std::fprintf(stderr, "assetgen: %s is not a font\n", path.c_str());
        delete face_;
        face_ = nullptr;
        return;
    }
    // Sizes are given as cap heights so that words in different fonts line up: measure "H".
    int x0, y0, x1, y1;
    if (stbtt_GetCodepointBox(&face_->info, 'H', &x0, &y0, &x1, &y1) && y1 > 0)
        face_->capHeight = static_cast<float>(y1);
}

Font::~Font() {
    delete face_;
}

float Font::width(const std::string& text, float size, float tracking) const {
    if (!face_ || text.empty())
        return 0.0f;
    float scale = size / face_->capHeight;
    float x = 0.0f;
    for (size_t i = 0; i < text.size(); ++i) {
        int advance, bearing;
        stbtt_GetCodepointHMetrics(&face_->info, text[i], &advance, &bearing);
        x += advance * scale;
        if (i + 1 < text.size())
            x += stbtt_GetCodepointKernAdvance(&face_->info, text[i], text[i + 1]) * scale +
                 tracking;
    }
    return x;
}

void Font::draw(Mask& mask, const std::string& text, float x, float baseline, float size,
                float tracking, float scaleX, float scaleY) const {
    if (!face_)
        return;
    float scale = size / face_->capHeight;
    float sx = scale * scaleX;
    float sy = scale * scaleY;
    float penX = x * scaleX; // texels
    float baseY = baseline * scaleY;
    std::vector<unsigned char> bitmap;
    for (size_t i = 0; i < text.size(); ++i) {
        int cp = static_cast<unsigned char>(text[i]);
        float originX = std::floor(penX);
        float originY = std::floor(baseY);
        float shiftX = penX - originX;
        float shiftY = baseY - originY;
        int bx0, by0, bx1, by1;
        stbtt_GetCodepointBitmapBoxSubpixel(&face_->info, cp, sx, sy, shiftX, shiftY, &bx0, &by0,
                                            &bx1, &by1);
        int w = bx1 - bx0, h = by1 - by0;
        if (w > 0 && h > 0) {
            bitmap.assign(static_cast<size_t>(w) * h, 0);
            stbtt_MakeCodepointBitmapSubpixel(&face_->info, bitmap.data(), w, h, w, sx, sy, shiftX,
                                              shiftY, cp);
            for (int yy = 0; yy < h; ++yy)
                for (int xx = 0; xx < w; ++xx) {
                    int mx = static_cast<int>(originX) + bx0 + xx;
                    int my = static_cast<int>(originY) + by0 + yy;
                    if (mx < 0 || my < 0 || mx >= mask.width || my >= mask.height)
                        continue;
                    float& m = mask.at(mx, my);
                    m = std::min(1.0f, m + bitmap[static_cast<size_t>(yy) * w + xx] / 255.0f);
                }
        }
        int advance, bearing;
        stbtt_GetCodepointHMetrics(&face_->info, cp, &advance, &bearing);
        penX += advance * sx;
        if (i + 1 < text.size())
            penX +=
                (stbtt_GetCodepointKernAdvance(&face_->info, cp, text[i + 1]) * scale + tracking) *
                scaleX;
    }
}

void Font::drawCentered(Mask& mask, const std::string& text, float centerX, float baseline,
                        float size, float tracking, float scaleX, float scaleY) const {
    draw(mask, text, centerX - width(text, size, tracking) / 2.0f, baseline, size, tracking, scaleX,
         scaleY);
}
