// Meshes and models: the binary and text readers with well-formed, hostile and cut-short
// files built byte by byte, the normals, and a model drawn into a real context.
#include "resources/mesh.h"
#include "resources/mesh_file.h"
#include "resources/texture.h"
#include "test_support.h"

#include <GL/gl.h>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <stb/stb_image_write.h>
#include <string>
#include <vector>

namespace {
using Texts = std::vector<std::string>;
const char* kShort = "File %s is not a valid .mesh-file. It is shorter than its counts say.";
const char* kNegative = "File %s is not a valid .mesh-file. It holds a negative count.";
const char* kEmptyDraw = "Warning: Drawing model where meshNum is 0 or meshes is NULL";
const char* kRawWarning =
    "Warning: While parsing an ascii mesh file, more than 9 float values was found on one line.";

Texts Format(const char* format, const std::string& name) {
    char text[1024];
    std::snprintf(text, sizeof text, format, name.c_str());
    return {text};
}

// A file image, little-endian as the format wants it.
struct Bytes {
    std::vector<uint8_t> data;
    Bytes& u32(uint32_t v) {
        for (int i = 0; i < 4; ++i)
            data.push_back(static_cast<uint8_t>(v >> (8 * i)));
        return *this;
    }
    Bytes& i32(int32_t v) { return u32(static_cast<uint32_t>(v)); }
    Bytes& f32s(const std::vector<float>& values) {
        for (float f : values) {
            uint32_t bits;
            std::memcpy(&bits, &f, 4);
            u32(bits);
        }
        return *this;
    }
    Bytes& header(int32_t meshNum, int32_t textureNum) {
        return i32(78).i32(1).i32(meshNum).i32(textureNum);
    }
    Bytes& block(int32_t v, int32_t t, bool n = false, bool c = false, bool tc = false,
                 int32_t texture = 0) {
        return i32(v).i32(t).i32(n).i32(c).i32(tc).i32(texture);
    }
    Bytes& triangle() { return f32s({0, 0, 0, 1, 0, 0, 0, 1, 0}); }
    Bytes& name(const std::string& text) {
        i32(static_cast<int32_t>(text.size()));
        data.insert(data.end(), text.begin(), text.end());
        return *this;
    }
};

// The smallest file: one indexed triangle.
Bytes SmallestFile() {
    return Bytes().header(1, 0).block(3, 1).triangle().u32(0).u32(1).u32(2);
}

// An uncompressed 24-bit TGA of one row of RGB pixels.
void WriteTga(const std::string& path, int width, const std::vector<uint8_t>& rgb) {
    stbi_write_tga_with_rle = 0;
    ASSERT_NE(stbi_write_tga(path.c_str(), width, 1, 3, rgb.data()), 0);
}

class MeshFiles : public testing::Test {
  protected:
    void SetUp() override { TestWindow(); }

    // Loads through the Model constructor, keeping the reports and what went to stdout.
    std::unique_ptr<Model> load(const std::string& name, const std::vector<uint8_t>& bytes) {
        path = dir.file(name);
        EXPECT_TRUE(WriteFile(path, bytes));
        boxes.clear();
        testing::internal::CaptureStdout();
        std::unique_ptr<Model> model(new Model(path.c_str()));
        out = testing::internal::GetCapturedStdout();
        return model;
    }
    std::unique_ptr<Model> load(const Bytes& b) { return load("m.mesh", b.data); }
    std::unique_ptr<Model> loadRaw(const std::string& text) {
        return load("m.raw", std::vector<uint8_t>(text.begin(), text.end()));
    }
    Texts reports() const { return boxes.reports(); }
    // A model that loaded nothing draws nothing and says so.
    void expectEmpty(Model& model, const std::string& what) {
        EXPECT_TRUE(model.meshNum == 0 && model.textureNum == 0 && !model.meshes) << what;
        boxes.clear();
        model.draw();
        EXPECT_EQ(reports(), Texts{kEmptyDraw}) << what;
    }

    TempDir dir;
    BoxLog boxes;
    std::string path;
    std::string out;
};
} // namespace

TEST_F(MeshFiles, HeaderNamesTextureNumbersAndMissingFiles) {
    Bytes flag = SmallestFile(), junk = SmallestFile(), version = SmallestFile();
    flag.data[0] = 77;
    junk.data[2] = 1; // the letter, then more than the letter
    for (const Bytes* b : {&flag, &junk}) {
        auto model = load(*b);
        EXPECT_EQ(reports(),
                  Format("File %s is not a valid .mesh-file. Unrecognized flag in header.", path));
        expectEmpty(*model, "flag");
    }
    version.data[4] = 0; // older versions load
    EXPECT_EQ(load(version)->meshNum, 1);
    version.data[4] = 2;
    EXPECT_EQ(load(version)->meshes, nullptr);
    EXPECT_EQ(reports(), Texts{"Can't load the mesh in " + path +
                               " as it is a higher version of the .mesh-format than this parser "
                               "can handle.\nFile format version: 2 \t Parser version: 1."});

    EXPECT_EQ(load("upper.MESH", SmallestFile().data)->meshNum, 1);
    EXPECT_EQ(load("mixed.Raw", {'\n'})->meshNum, 1);
    auto obj = load("model.obj", SmallestFile().data);
    EXPECT_EQ(reports(), Format("Can't load model %s, unknown file extension.", path));
    expectEmpty(*obj, "obj");

    // Texture numbers out of range: the mesh is kept and drawn untextured.
    auto numbers = load(Bytes().header(2, 0).block(0, 0, 0, 0, 0, 1).block(0, 0, 0, 0, 0, -1));
    const std::string untextured = ", but the file has 0 textures. It is drawn untextured.";
    EXPECT_EQ(reports(),
              (Texts{"Warning: Mesh 1 in " + path + " uses texture number 1" + untextured,
                     "Warning: Mesh 2 in " + path + " uses texture number -1" + untextured}));
    EXPECT_EQ(numbers->meshNum, 2);

    boxes.clear();
    Model missing((dir.path + "/absent.mesh").c_str());
    EXPECT_EQ(reports(), Texts{"Can't open file " + dir.path + "/absent.mesh to load mesh."});
}

TEST_F(MeshFiles, HostileCountsAndIndicesAreRejected) {
    const int32_t huge = 0x7fffffff;
    const std::pair<Bytes, const char*> cases[] = {
        {Bytes().header(-1, 0), kNegative},
        {Bytes().header(0, -1), kNegative},
        {Bytes().header(huge, 0), kShort},
        {Bytes().header(0, huge), kShort},
        {Bytes().header(1, 0).block(-3, 1), kNegative},
        {Bytes().header(1, 0).block(3, -1), kNegative},
        {Bytes().header(1, 0).block(huge, 0, true, true, true), kShort},
        {Bytes().header(1, 0).block(0, huge), kShort},
        {Bytes().header(0, 1).i32(-5), kNegative},
        {Bytes().header(0, 1).i32(huge).u32(0x41414141), kShort},
        {Bytes().header(4097, 0).f32s(std::vector<float>(4097 * 6)),
         "Can't load the mesh in %s, it has too many meshes."},
        {Bytes().header(0, 17).f32s(std::vector<float>(17)),
         "Can't load the mesh in %s, it has too many textures."}};
    for (const auto& [file, message] : cases) {
        auto model = load(file);
        EXPECT_EQ(reports(), Format(message, path)) << &file - &cases[0].first;
        expectEmpty(*model, "hostile count");
    }
    // An index at or beyond the vertex count drops its mesh; the whole one before it stays.
    for (uint32_t bad : {3u, 0xffffffffu}) {
        Bytes b = SmallestFile();
        b.data[8] = 2;
        auto model = load(b.block(3, 1).triangle().u32(0).u32(bad).u32(2));
        EXPECT_EQ(reports(),
                  Texts{"File " + path + " is not a valid .mesh-file. Mesh 2 has the " +
                        "vertex index " + std::to_string(bad) + ", but only 3 vertices."});
        EXPECT_EQ(model->meshNum, 1);
    }
}

TEST_F(MeshFiles, RawLinesGiveOneTrianglePerLineAndWarnOnOtherCounts) {
    auto model = loadRaw("0.0 0.0 0.0 1.0 0.0 0.0 0.0 1.0 0.0\n"
                         "0.0 0.0 0.0 0.0 0.0 1.0 0.0 1.0 0.0\n"
                         "0.0 0.0 5.0 2.0 0.0 5.0 0.0 0.0 3.0\n");
    EXPECT_TRUE(reports().empty());
    EXPECT_EQ(out, "\n\n\n");
    const Mesh& mesh = *model->meshes[0];
    EXPECT_TRUE(mesh.vertexNum == 9 && mesh.triangleNum == 3 && mesh.indices[8] == 8u);
    EXPECT_EQ(mesh.vertices[26], 3.0f);
    const float expected[3][3] = {{0, 0, 1}, {-1, 0, 0}, {0, 1, 0}};
    for (int v = 0; v < 9; ++v)
        for (int k = 0; k < 3; ++k)
            EXPECT_FLOAT_EQ(mesh.normals[3 * v + k], expected[v / 3][k]) << v << " " << k;

    auto twelve = loadRaw("1.0 2.0 3.0 4.0 5.0 6.0 7.0 8.0 9.0 10.0 11.0 12.0\n");
    EXPECT_EQ(reports(), Texts{kRawWarning});
    EXPECT_EQ(out, std::string("\n") + kRawWarning);
    EXPECT_TRUE(twelve->meshes[0]->vertexNum == 3 && twelve->meshes[0]->vertices[8] == 9.0f);
    // Six values: the third corner is 0. Short tokens are never values, and a line of them
    // alone still moves on to the next line.
    auto six = loadRaw("1.0 2.0 3.0 0 -1 4.0 5.0 6.0\n0 1 -1\n     \n");
    EXPECT_EQ(reports(), Texts(3, kRawWarning));
    ASSERT_EQ(six->meshes[0]->vertexNum, 9);
    for (int i = 0; i < 27; ++i) {
        EXPECT_EQ(six->meshes[0]->vertices[i], i < 6 ? i + 1.0f : 0.0f) << i;
        EXPECT_FALSE(std::isnan(six->meshes[0]->normals[i]));
    }
    // Beyond the float range: infinite, and the triangle adds no normal.
    auto huge = loadRaw("1e39 0.0 0.0 1.0 0.0 0.0 0.0 1.0 0.0\n");
    EXPECT_TRUE(huge->meshes[0]->vertices[0] == HUGE_VALF && huge->meshes[0]->normals[2] == 0.0f);
    // More lines than the budget allows: refused whole, in one report, before any line.
    auto newlines = loadRaw(std::string(200000, '\n'));
    EXPECT_EQ(reports(), Format("Can't load the mesh in %s, it has too many lines.", path));
    EXPECT_EQ(out.find('\n'), std::string::npos);
    EXPECT_EQ(newlines->meshNum, 0);
}

// An indexed textured quad on the left and an unindexed mesh of two coloured triangles (with
// normals) on the right, drawn with a view of -1 to 1. Texture numbers count from 1 (0 is
// none). Then the file cut at every byte length loads its whole meshes or none, with the
// short-file message.
TEST_F(MeshFiles, ModelPutsPixelsWhereItsTrianglesAreAndEveryCutIsRefused) {
    const std::string tex = dir.file("rb.tga");
    WriteTga(tex, 2, {255, 0, 0, 0, 0, 255});
    Bytes b;
    b.header(2, 1).block(4, 2, false, false, true, 1);
    b.f32s({-0.9f, -0.4f, 0, -0.1f, -0.4f, 0, -0.1f, 0.4f, 0, -0.9f, 0.4f, 0});
    b.u32(0).u32(1).u32(2).u32(0).u32(2).u32(3);
    // Texel centres at the quad's edges: red on the left, blue on the right.
    b.f32s({0.25f, 0.5f, 0.75f, 0.5f, 0.75f, 0.5f, 0.25f, 0.5f});
    const size_t firstMeshEnd = b.data.size();
    b.block(6, 0, true, true);
    b.f32s({0.2f, 0.1f, 0, 0.8f, 0.1f, 0, 0.5f, 0.8f, 0, 0.2f, -0.8f, 0, 0.8f, -0.8f, 0});
    b.f32s({0.5f, -0.1f, 0});
    for (int i = 0; i < 6; ++i)
        b.f32s({0, 0, 1});
    for (int i = 0; i < 6; ++i)
        b.f32s({0, 1, 0, 1});
    const size_t secondMeshEnd = b.data.size();
    auto model = load(b.name(tex));
    ASSERT_TRUE(reports().empty());

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glColor4f(1, 1, 1, 1);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    model->draw();
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    const Rgba left = ReadPixel(44, 300), right = ReadPixel(356, 300);
    EXPECT_TRUE(left.r > 200 && left.b < 60 && right.b > 200 && right.r < 60);
    for (Rgba p : {ReadPixel(600, 230), ReadPixel(600, 400)})
        EXPECT_TRUE(p.g == 255 && p.r == 0);
    for (Rgba p : {ReadPixel(200, 100), ReadPixel(600, 300), ReadPixel(400, 550)})
        EXPECT_EQ(p.r + p.g + p.b, 0);

    for (size_t cut = 0; cut < b.data.size(); ++cut) {
        auto part = load("cut.mesh", std::vector<uint8_t>(b.data.begin(), b.data.begin() + cut));
        ASSERT_EQ(reports(), Format(kShort, path)) << cut;
        EXPECT_LE(part->meshNum, int(cut >= firstMeshEnd) + int(cut >= secondMeshEnd)) << cut;
        EXPECT_EQ(part->textureNum, 0) << cut;
        for (int32_t i = 0; i < part->meshNum; ++i)
            EXPECT_EQ(std::memcmp(part->meshes[i]->vertices, model->meshes[i]->vertices, 36), 0);
        part->draw();
    }
}
