// Lettering from the DejaVu fonts of Debian's fonts-dejavu-core, rendered into coverage
// masks. Pictures that the demo stretches to the window are drawn pre-squeezed: every call
// takes separate horizontal and vertical scales.
#pragma once

#include "image.h"

#include <string>
#include <vector>

struct FontFace;

class Font {
  public:
    // A file under /usr/share/fonts/truetype/dejavu/, e.g. "DejaVuSans-Bold.ttf".
    explicit Font(const char* fileName);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    bool ok() const { return face_ != nullptr; }

    // Width in design pixels of `text` at cap height `size` (design pixels), with `tracking`
    // extra design pixels after every letter but the last.
    float width(const std::string& text, float size, float tracking = 0.0f) const;
    // Renders `text` into `mask` (coverage added and clamped). The baseline starts at design
    // point (x, baseline); a design pixel is scaleX by scaleY texels.
    void draw(Mask& mask, const std::string& text, float x, float baseline, float size,
              float tracking, float scaleX, float scaleY) const;
    // Same, centred horizontally on design x = centerX.
    void drawCentered(Mask& mask, const std::string& text, float centerX, float baseline,
                      float size, float tracking, float scaleX, float scaleY) const;

  private:
    std::vector<unsigned char> data_;
    FontFace* face_ = nullptr;
};
