// Contact sheet, built from the files as written (decoded again), so it shows what the demo
// will load: each picture the way its scene draws it, and each model from the front, the
// side and above, sphere-mapped with the texture its scene gives it and with back faces
// culled, so a hole or a wrongly wound triangle shows.
#include "preview.h"

#include "image.h"
#include "lettering.h"
#include "meshes.h"
#include "pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

namespace {
bool LoadPicture(const std::string& path, Image& image) {
    int w, h, channels;
    unsigned char* data = stbi_load(path.c_str(), &w, &h, &channels, 4);
    if (!data) {
        std::fprintf(stderr, "assetgen: can't read back %s\n", path.c_str());
        return false;
    }
    image = Image(w, h);
    for (size_t i = 0; i < image.px.size(); ++i)
        image.px[i] = data[i] / 255.0f;
    stbi_image_free(data);
    return true;
}

// The part (u0, v0)-(u1, v1) of `source` resampled to w x h, four by four samples a pixel.
Image Resample(const Image& source, int w, int h, float u0 = 0, float v0 = 0, float u1 = 1,
               float v1 = 1) {
    Image out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Color sum{0, 0, 0, 0};
            for (int j = 0; j < 4; ++j)
                for (int i = 0; i < 4; ++i) {
                    float u = u0 + (u1 - u0) * (x + (i + 0.5f) / 4) / w;
                    float v = v0 + (v1 - v0) * (y + (j + 0.5f) / 4) / h;
                    Color c = source.sample(u * source.width, v * source.height);
                    sum = Color{sum.r + c.r / 16, sum.g + c.g / 16, sum.b + c.b / 16,
                                sum.a + c.a / 16};
                }
            out.set(x, y, sum);
        }
    return out;
}

// The picture tinted and blended over its backdrop, as the overlay draw does.
Image OverBackdrop(const Image& picture, const PictureEntry& entry) {
    Image out(picture.width, picture.height,
              Color{entry.backdrop[0], entry.backdrop[1], entry.backdrop[2], 1});
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            Color c = picture.get(x, y);
            Color tinted{c.r * entry.tint[0], c.g * entry.tint[1], c.b * entry.tint[2], 1};
            if (entry.shown == Shown::Additive)
                out.add(x, y, tinted, 1.0f);
            else
                out.blend(x, y, tinted, c.a);
        }
    return out;
}

// A model drawn with an orthographic view; `view` turns model axes into eye axes (rows).
Image RenderMesh(const TriangleMesh& mesh, const Image& sphereMap, const float view[3][3], int size,
                 float unitsAcross) {
    Image out(size, size, Hex(0x2b2f36));
    std::vector<float> depth(static_cast<size_t>(size) * size, -1e9f);
    size_t vn = mesh.vertexNum();
    std::vector<float> sx(vn), sy(vn), sz(vn), nx(vn), ny(vn), nz(vn);
    float scale = size / unitsAcross;
    for (size_t i = 0; i < vn; ++i) {
        const float* p = &mesh.vertices[i * 3];
        const float* n = &mesh.normals[i * 3];
        float e[3], en[3];
        for (int r = 0; r < 3; ++r) {
            e[r] = view[r][0] * p[0] + view[r][1] * p[1] + view[r][2] * p[2];
            en[r] = view[r][0] * n[0] + view[r][1] * n[1] + view[r][2] * n[2];
        }
        sx[i] = size / 2.0f + e[0] * scale;
        sy[i] = size / 2.0f - e[1] * scale;
        sz[i] = e[2];
        nx[i] = en[0];
        ny[i] = en[1];
        nz[i] = en[2];
    }
    for (size_t t = 0; t < mesh.triangleNum(); ++t) {
        uint32_t a = mesh.indices[t * 3], b = mesh.indices[t * 3 + 1], c = mesh.indices[t * 3 + 2];
        // Screen y points down, so a counter-clockwise front face has negative area here.
        float area = (sx[b] - sx[a]) * (sy[c] - sy[a]) - (sx[c] - sx[a]) * (sy[b] - sy[a]);
        if (area >= 0)
            continue;
        int x0 = std::max(0, static_cast<int>(std::floor(std::min({sx[a], sx[b], sx[c]}))));
        int x1 = std::min(size - 1, static_cast<int>(std::ceil(std::max({sx[a], sx[b], sx[c]}))));
        int y0 = std::max(0, static_cast<int>(std::floor(std::min({sy[a], sy[b], sy[c]}))));
        int y1 = std::min(size - 1, static_cast<int>(std::ceil(std::max({sy[a], sy[b], sy[c]}))));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                float px = x + 0.5f, py = y + 0.5f;
                float wa = ((sx[b] - px) * (sy[c] - py) - (sx[c] - px) * (sy[b] - py)) / area;
                float wb = ((sx[c] - px) * (sy[a] - py) - (sx[a] - px) * (sy[c] - py)) / area;
                float wc = 1.0f - wa - wb;
                if (wa < 0 || wb < 0 || wc < 0)
                    continue;
                float z = wa * sz[a] + wb * sz[b] + wc * sz[c];
                float& d = depth[static_cast<size_t>(y) * size + x];
                if (z <= d)
                    continue;
                d = z;
                float n[3] = {wa * nx[a] + wb * nx[b] + wc * nx[c],
                              wa * ny[a] + wb * ny[b] + wc * ny[c],
                              wa * nz[a] + wb * nz[b] + wc * nz[c]};
                float len = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
                for (float& v : n)
                    v /= len;
                // Sphere-map coordinates for the view ray (0, 0, -1), texture row t = 0 on top.
                float r[3] = {2 * n[2] * n[0], 2 * n[2] * n[1], 2 * n[2] * n[2] - 1};
                float m = 2.0f * std::sqrt(r[0] * r[0] + r[1] * r[1] + (r[2] + 1) * (r[2] + 1));
                float s = r[0] / m + 0.5f, tt = r[1] / m + 0.5f;
                out.set(x, y, sphereMap.sample(s * sphereMap.width, tt * sphereMap.height));
            }
    }
    return out;
}

struct Sheet {
    Image image{1640, 2400, Hex(0x15171c)}; // cropped to what was placed
    Font font{"DejaVuSans.ttf"};
    int x = 20, y = 20, rowHeight = 0;

    void place(const Image& tile, const std::string& label) {
        int advance = std::max(tile.width, static_cast<int>(font.width(label, 10, 0)));
        if (x + advance > image.width - 20) {
            x = 20;
            y += rowHeight + 34;
            rowHeight = 0;
        }
        for (int j = 0; j < tile.height && y + j < image.height; ++j)
            for (int i = 0; i < tile.width; ++i)
                image.set(x + i, y + j,
                          Color{tile.get(i, j).r, tile.get(i, j).g, tile.get(i, j).b, 1});
        Mask text(image.width, image.height);
        font.draw(text, label, static_cast<float>(x), static_cast<float>(y + tile.height + 18), 10,
                  0, 1, 1);
        for (size_t k = 0; k < text.v.size(); ++k)
            if (text.v[k] > 0)
                image.blend(static_cast<int>(k % image.width), static_cast<int>(k / image.width),
                            Hex(0xd8dce4), text.v[k]);
        x += std::max(tile.width, static_cast<int>(font.width(label, 10, 0))) + 20;
        rowHeight = std::max(rowHeight, tile.height);
    }
};
} // namespace

bool WriteContactSheet(const std::string& demoDir, const std::string& previewDir) {
    Sheet sheet;
    if (!sheet.font.ok())
        return false;
    Image oooh(1, 1), mosaik2(1, 1);
    for (const PictureEntry& entry : PictureList()) {
        Image picture(1, 1);
        if (!LoadPicture(demoDir + "/" + entry.path, picture))
            return false;
        std::string label = std::string(entry.path) + "  " + std::to_string(picture.width) + "x" +
                            std::to_string(picture.height);
        std::string name = entry.path;
        if (name == "Textures/oooh.png")
            oooh = picture;
        if (name == "Textures/mosaik2.png")
            mosaik2 = picture;
        switch (entry.shown) {
        case Shown::Window:
            sheet.place(OverBackdrop(Resample(picture, 384, 288), entry),
                        label + " as in the window");
            break;
        case Shown::TwiceWindow:
            // The window sees the middle half of the picture each way.
            sheet.place(Resample(picture, 384, 288, 0.25f, 0.25f, 0.75f, 0.75f),
                        label + " middle, as in the window");
            break;
        case Shown::SphereMap:
            sheet.place(Resample(picture, 256, 256), label);
            break;
        case Shown::OwnSize:
        case Shown::Additive:
            sheet.place(OverBackdrop(picture, entry), label);
            break;
        }
    }
    // Front (looking along -z), side (from +x) and top (from +y).
    const float front[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    const float side[3][3] = {{0, 0, -1}, {0, 1, 0}, {1, 0, 0}};
    const float top[3][3] = {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}};
    struct ModelView {
        const char* path;
        const Image* texture;
        float across;
    };
    for (const ModelView& model : {ModelView{"Models/cross.mesh", &oooh, 5.6f},
                                   ModelView{"Models/rundingdings.mesh", &mosaik2, 3.4f}}) {
        TriangleMesh mesh;
        if (!ReadMeshFile(demoDir + "/" + model.path, mesh)) {
            std::fprintf(stderr, "assetgen: can't read back %s\n", model.path);
            return false;
        }
        std::string base =
            std::string(model.path) + " (" + std::to_string(mesh.triangleNum()) + " triangles) ";
        sheet.place(RenderMesh(mesh, *model.texture, front, 240, model.across), base + "front");
        sheet.place(RenderMesh(mesh, *model.texture, side, 240, model.across), "side");
        sheet.place(RenderMesh(mesh, *model.texture, top, 240, model.across), "top");
    }
    Image cropped(sheet.image.width, std::min(sheet.image.height, sheet.y + sheet.rowHeight + 40));
    std::copy_n(sheet.image.px.begin(), cropped.px.size(), cropped.px.begin());
    std::string path = previewDir + "/contact_sheet.png";
    if (!SavePng(cropped, path, 3)) {
        std::fprintf(stderr, "assetgen: can't write %s\n", path.c_str());
        return false;
    }
    return true;
}
