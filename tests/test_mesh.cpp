// Meshes and models: the binary and text readers with well-formed, hostile and cut-short
// files built byte by byte, the normal computation, and models drawn into a real context.
#include "effects/sphere_field.h"
#include "resources/mesh.h"
#include "resources/mesh_file.h"
#include "resources/texture.h"
#include "scenes/solid_cube.h"
#include "test_support.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <new>
#include <stb/stb_image_write.h>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

// The largest single allocation shows that no count from a file is trusted before it is
// checked. The sanitizers bring their own allocator, so there it is left out.
#ifndef __has_feature
#define __has_feature(x) 0
#endif
#if !defined(__SANITIZE_ADDRESS__) && !__has_feature(address_sanitizer)
#define TRACK_ALLOCATIONS 1
namespace {
size_t g_largestAllocation = 0;
}
void* operator new(size_t size) {
    g_largestAllocation = std::max(g_largestAllocation, size);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](size_t size) {
    return operator new(size);
}
#endif

namespace {
const char* kShort = "File %s is not a valid .mesh-file. It is shorter than its counts say.";
const char* kNegative = "File %s is not a valid .mesh-file. It holds a negative count.";
const char* kMeshes = "Can't load the mesh in %s, it has too many meshes.";
const char* kTextures = "Can't load the mesh in %s, it has too many textures.";
const char* kEmptyDraw = "Warning: Drawing model where meshNum is 0 or meshes is NULL";
const char* kRawWarning =
    "Warning: While parsing an ascii mesh file, more than 9 float values was found on one line.";

std::vector<std::string> Format(const char* format, const std::string& name) {
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

// The 88-byte smallest file: one indexed triangle.
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
    std::vector<std::string> reports() const { return boxes.reports(); }
    // What a draw of `model` reports.
    std::vector<std::string> drawReports(Model& model) {
        boxes.clear();
        model.draw();
        return reports();
    }

    TempDir dir;
    BoxLog boxes;
    std::string path;
    std::string out;
};
} // namespace

TEST_F(MeshFiles, SmallestFileGivesOneIndexedTriangle) {
    ASSERT_EQ(SmallestFile().data.size(), 88u);
    auto model = load(SmallestFile());
    EXPECT_TRUE(reports().empty());
    ASSERT_TRUE(model->meshNum == 1 && model->textureNum == 0);
    const Mesh& mesh = *model->meshes[0];
    EXPECT_TRUE(mesh.indexed && mesh.vertexNum == 3 && mesh.triangleNum == 1);
    EXPECT_TRUE(mesh.texture == -1 && !mesh.normals && !mesh.colors && !mesh.texCoords);
    EXPECT_TRUE(mesh.vertices[7] == 1.0f && mesh.indices[2] == 2u);
}

TEST_F(MeshFiles, FlagAndVersionChecksLeaveModelEmpty) {
    Bytes wrongFlag = SmallestFile();
    wrongFlag.data[0] = 77;
    Bytes letterThenJunk = SmallestFile();
    letterThenJunk.data[2] = 1;
    for (const Bytes* b : {&wrongFlag, &letterThenJunk}) {
        auto model = load(*b);
        EXPECT_EQ(reports(), Format("File %s is not a valid .mesh-file. Unrecognized flag in "
                                    "header.",
                                    path));
        EXPECT_TRUE(model->meshNum == 0 && model->meshes == nullptr);
    }
    Bytes version = SmallestFile();
    version.data[4] = 0;
    EXPECT_EQ(load(version)->meshNum, 1);
    EXPECT_TRUE(reports().empty());
    version.data[4] = 2;
    auto model = load(version);
    EXPECT_EQ(reports(), std::vector<std::string>{
                             "Can't load the mesh in " + path +
                             " as it is a higher version of the .mesh-format than this parser "
                             "can handle.\nFile format version: 2 \t Parser version: 1."});
    EXPECT_EQ(model->meshes, nullptr);
}

TEST_F(MeshFiles, NamesExtensionsAndMissingFiles) {
    Bytes b = SmallestFile();
    EXPECT_EQ(load("upper.MESH", b.data)->meshNum, 1);
    EXPECT_EQ(load("mixed.Raw", std::vector<uint8_t>{'\n'})->meshNum, 1);

    auto obj = load("model.obj", b.data);
    EXPECT_EQ(reports(), Format("Can't load model %s, unknown file extension.", path));
    EXPECT_EQ(drawReports(*obj), std::vector<std::string>{kEmptyDraw});

    boxes.clear();
    Model none(nullptr);
    EXPECT_EQ(none.meshNum, 0);
    EXPECT_TRUE(reports().empty());
    Model missing((dir.path + "/absent.mesh").c_str());
    BuildModel(none, ReadAsciiMesh(nullptr));
    EXPECT_EQ(reports(), (std::vector<std::string>{"Can't open file " + dir.path +
                                                       "/absent.mesh to load mesh.",
                                                   "Can't load a mesh with filename NULL..."}));
}

TEST_F(MeshFiles, TextureNumbersAndNamesOfExactLength) {
    // Relative names, as the demo uses them: a 14-character name is read whole and the
    // entry after it is found.
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(dir.path.c_str()), 0);
    WriteTga("red_tex_14.tga", 2, std::vector<uint8_t>(6, 200));
    WriteTga("b.tga", 1, {0, 0, 255});
    Bytes b;
    b.header(4, 2);
    const int32_t numbers[] = {0, 2, 3, -1};
    for (int32_t texture : numbers)
        b.block(3, 0, false, false, false, texture).triangle();
    b.name("red_tex_14.tga").name("b.tga");
    auto model = load(b);
    ASSERT_EQ(chdir(previous), 0);

    ASSERT_TRUE(model->textureNum == 2 && model->meshNum == 4);
    EXPECT_TRUE(model->textures[0]->loaded && model->textures[0]->width == 2);
    EXPECT_TRUE(model->textures[1]->loaded && model->textures[1]->width == 1);
    // 0 is untextured, 2 the second; out of range either way: warned, drawn untextured.
    const int32_t used[] = {-1, 1, -1, -1};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(model->meshes[i]->texture, used[i]) << i;
    std::vector<std::string> warnings;
    for (const char* mesh : {"3 in %s uses texture number 3", "4 in %s uses texture number -1"})
        warnings.push_back(Format((std::string("Warning: Mesh ") + mesh +
                                   ", but the file has 2 textures. It is drawn untextured.")
                                      .c_str(),
                                  path)[0]);
    EXPECT_EQ(reports(), warnings);
}

TEST_F(MeshFiles, HostileCountsAreRejectedBeforeAnythingIsAllocated) {
    const int32_t huge = 0x7fffffff;
    struct Case {
        Bytes file;
        const char* message;
    };
    // The last: room for one block header but not for the two it announces.
    const Case cases[] = {{Bytes().header(-1, 0), kNegative},
                          {Bytes().header(0, -1), kNegative},
                          {Bytes().header(huge, 0), kShort},
                          {Bytes().header(0, huge), kShort},
                          {Bytes().header(1, 0).block(-3, 1), kNegative},
                          {Bytes().header(1, 0).block(3, -1), kNegative},
                          {Bytes().header(1, 0).block(huge, 0, true, true, true), kShort},
                          {Bytes().header(1, 0).block(0, huge), kShort},
                          {Bytes().header(0, 1).i32(-5), kNegative},
                          {Bytes().header(0, 1).i32(huge).u32(0x41414141), kShort},
                          {Bytes().header(2, 0).block(1, 0).f32s({1, 2, 3}), kShort},
                          {Bytes().header(4097, 0).f32s(std::vector<float>(4097 * 6)), kMeshes},
                          {Bytes().header(0, 17).f32s(std::vector<float>(17)), kTextures}};
    for (const Case& c : cases) {
        const size_t i = &c - cases;
#ifdef TRACK_ALLOCATIONS
        g_largestAllocation = 0;
#endif
        auto model = load(c.file);
#ifdef TRACK_ALLOCATIONS
        EXPECT_LT(g_largestAllocation, 1u << 20) << "case " << i;
#endif
        EXPECT_EQ(reports(), Format(c.message, path)) << "case " << i;
        EXPECT_TRUE(model->meshNum == 0 && model->textureNum == 0) << "case " << i;
        EXPECT_EQ(drawReports(*model), std::vector<std::string>{kEmptyDraw});
    }
}

TEST_F(MeshFiles, IndexAtOrBeyondVertexNumDropsTheMesh) {
    for (uint32_t bad : {3u, 0xffffffffu}) {
        Bytes b;
        b.header(2, 0).block(3, 1).triangle().u32(0).u32(1).u32(2);
        b.block(3, 1).triangle().u32(0).u32(bad).u32(2);
        auto model = load(b);
        ASSERT_EQ(reports().size(), 1u);
        EXPECT_EQ(reports()[0], "File " + path + " is not a valid .mesh-file. Mesh 2 has the " +
                                    "vertex index " + std::to_string(bad) +
                                    ", but only 3 vertices.");
        // The first mesh was whole and stays; the bad one is never drawn.
        ASSERT_EQ(model->meshNum, 1);
        EXPECT_TRUE(drawReports(*model).empty());
    }
}

// Two meshes with every optional array and two textures; the file cut at every byte
// length must load cleanly or be rejected with the short-file message.
TEST_F(MeshFiles, EveryTruncationOfAValidFileIsRejectedCleanly) {
    const std::string texA = dir.file("a.tga"), texB = dir.file("b.tga");
    WriteTga(texA, 1, {255, 0, 0});
    WriteTga(texB, 1, {0, 255, 0});
    Bytes b;
    b.header(2, 2).block(3, 1, true, true, true, 1);
    b.triangle().u32(0).u32(1).u32(2);
    b.f32s({0, 0, 1, 0, 0, 1, 0, 0, 1}).f32s({1, 0, 0, 1, 0, 1, 0, 1, 0, 0, 1, 1});
    b.f32s({0, 0, 1, 0, 0, 1});
    const size_t firstMeshEnd = b.data.size();
    b.block(3, 0, true, true, true, 2);
    b.triangle().f32s({0, 0, 1, 0, 0, 1, 0, 0, 1});
    b.f32s({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}).f32s({0, 0, 1, 0, 0, 1});
    const size_t secondMeshEnd = b.data.size();
    b.name(texA);
    const size_t firstNameEnd = b.data.size();
    b.name(texB);

    auto whole = load(b);
    EXPECT_TRUE(reports().empty());
    ASSERT_TRUE(whole->meshNum == 2 && whole->textureNum == 2);
    EXPECT_TRUE(whole->textures[1]->loaded);
    EXPECT_EQ(whole->meshes[1]->colors[11], 1.0f);

    for (size_t cut = 0; cut < b.data.size(); ++cut) {
        auto model = load("cut.mesh", std::vector<uint8_t>(b.data.begin(), b.data.begin() + cut));
        ASSERT_EQ(reports(), Format(kShort, path)) << cut;
        EXPECT_LE(model->meshNum, int(cut >= firstMeshEnd) + int(cut >= secondMeshEnd)) << cut;
        EXPECT_LE(model->textureNum, int(cut >= firstNameEnd)) << cut;
        for (int32_t i = 0; i < model->meshNum; ++i)
            EXPECT_EQ(std::memcmp(model->meshes[i]->vertices, whole->meshes[i]->vertices, 36), 0);
        model->draw();
    }
}

TEST_F(MeshFiles, RawLinesGiveOneTrianglePerLine) {
    auto model = loadRaw("0.0 0.0 0.0 1.0 0.0 0.0 0.0 1.0 0.0\n"
                         "0.0 0.0 0.0 0.0 0.0 1.0 0.0 1.0 0.0\n"
                         "0.0 0.0 5.0 2.0 0.0 5.0 0.0 0.0 3.0\n");
    EXPECT_TRUE(reports().empty());
    EXPECT_EQ(out, "\n\n\n");
    ASSERT_TRUE(model->meshNum == 1 && model->textureNum == 0);
    const Mesh& mesh = *model->meshes[0];
    EXPECT_TRUE(mesh.vertexNum == 9 && mesh.triangleNum == 3 && mesh.texture == -1);
    for (uint32_t i = 0; i < 9; ++i)
        EXPECT_EQ(mesh.indices[i], i);
    EXPECT_TRUE(mesh.vertices[24] == 0.0f && mesh.vertices[26] == 3.0f);
    const float expected[3][3] = {{0, 0, 1}, {-1, 0, 0}, {0, 1, 0}};
    for (int v = 0; v < 9; ++v)
        for (int k = 0; k < 3; ++k)
            EXPECT_FLOAT_EQ(mesh.normals[3 * v + k], expected[v / 3][k]) << v << " " << k;
}

TEST_F(MeshFiles, RawLinesWithOtherCountsWarnOnceAndShortTokensAreSkipped) {
    auto twelve = loadRaw("1.0 2.0 3.0 4.0 5.0 6.0 7.0 8.0 9.0 10.0 11.0 12.0\n");
    EXPECT_EQ(reports(), std::vector<std::string>{kRawWarning});
    EXPECT_EQ(out, std::string("\n") + kRawWarning);
    EXPECT_TRUE(twelve->meshes[0]->vertexNum == 3 && twelve->meshes[0]->vertices[8] == 9.0f);

    // Six values: the third corner is 0. Short tokens are never values, and a line of
    // them alone still moves on to the next line.
    auto six = loadRaw("1.0 2.0 3.0 0 -1 4.0 5.0 6.0\n0 1 -1\n     \n");
    EXPECT_EQ(reports(), std::vector<std::string>(3, kRawWarning));
    const Mesh& mesh = *six->meshes[0];
    ASSERT_EQ(mesh.vertexNum, 9);
    const float first[6] = {1, 2, 3, 4, 5, 6};
    for (int i = 0; i < 27; ++i) {
        EXPECT_EQ(mesh.vertices[i], i < 6 ? first[i] : 0.0f) << i;
        EXPECT_FALSE(std::isnan(mesh.normals[i]));
    }

    // Beyond the float range: infinite, and the triangle adds no normal.
    auto huge = loadRaw("1e39 0.0 0.0 1.0 0.0 0.0 0.0 1.0 0.0\n");
    EXPECT_TRUE(huge->meshes[0]->vertices[0] == HUGE_VALF && huge->meshes[0]->normals[2] == 0.0f);

    // A line longer than 254 characters is read as two.
    auto longLine = loadRaw(std::string(250, ' ') + "1.0 2.0 3.0 4.0 5.0 6.0 7.0 8.0 9.0\n");
    EXPECT_EQ(longLine->meshes[0]->vertexNum, 6);

    // Lines too short to hold nine values, more than the budget allows (84 bytes of arrays a
    // line, four times the file and 1 MiB): refused whole, in one report, before any line.
#ifdef TRACK_ALLOCATIONS
    g_largestAllocation = 0;
#endif
    auto newlines = loadRaw(std::string(200000, '\n'));
    EXPECT_EQ(reports(), Format("Can't load the mesh in %s, it has too many lines.", path));
    EXPECT_EQ(out.find('\n'), std::string::npos); // not one line feed per line
    EXPECT_EQ(newlines->meshNum, 0);
#ifdef TRACK_ALLOCATIONS
    EXPECT_LT(g_largestAllocation, 1u << 20);
#endif
}

namespace {
struct TestMesh {
    Mesh mesh;
    TestMesh(std::initializer_list<float> positions, std::initializer_list<uint32_t> indices)
        : mesh(static_cast<int32_t>(positions.size() / 3), static_cast<int32_t>(indices.size() / 3),
               -1, false, false, false) {
        std::copy(positions.begin(), positions.end(), mesh.vertices);
        std::copy(indices.begin(), indices.end(), mesh.indices);
    }
};
float Length(const float* n) {
    return std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
}
} // namespace

TEST_F(MeshFiles, CalcNormalsSumsUnitFaceNormals) {
    TestMesh one({0, 0, 0, 1, 0, 0, 0, 1, 0}, {});
    EXPECT_TRUE(CalcNormals(one.mesh));
    EXPECT_EQ(reports(), std::vector<std::string>{
                             "Warning: Calcing normals on Mesh not initialized with a normal "
                             "array.\nWill allocate the array now, but you should consider doing "
                             "it on init for performance."});
    for (int v = 0; v < 3; ++v) {
        EXPECT_FLOAT_EQ(one.mesh.normals[3 * v + 2], 1.0f);
        EXPECT_FLOAT_EQ(Length(one.mesh.normals + 3 * v), 1.0f);
    }

    // Two coplanar triangles on the edge 1-2; a third, zero-area one on corner 0 adds
    // nothing there.
    TestMesh shared({0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0}, {0, 1, 2, 2, 1, 3, 0, 0, 1});
    EXPECT_TRUE(CalcNormals(shared.mesh));
    const float expectedLength[4] = {1, 2, 2, 1};
    for (int v = 0; v < 4; ++v)
        EXPECT_FLOAT_EQ(Length(shared.mesh.normals + 3 * v), expectedLength[v]) << v;

    // Unindexed with a trailing vertex short of a triangle.
    TestMesh partial({0, 0, 0, 1, 0, 0, 0, 1, 0, 5, 5, 5}, {});
    EXPECT_TRUE(CalcNormals(partial.mesh));
    EXPECT_EQ(Length(partial.mesh.normals + 9), 0.0f);
    boxes.clear();
    Mesh empty(0, 0, -1, true, false, false); // no vertices at all
    EXPECT_FALSE(CalcNormals(empty));
    EXPECT_EQ(reports(), std::vector<std::string>{
                             "Warning: Told to calc normals on a Mesh, but no vertex data "
                             "is present."});
}

// One indexed textured quad on the left and one unindexed mesh of two coloured triangles
// on the right, drawn with an orthographic view of -1 to 1.
TEST_F(MeshFiles, ModelPutsPixelsWhereItsTrianglesAre) {
    const std::string tex = dir.file("rb.tga");
    WriteTga(tex, 2, {255, 0, 0, 0, 0, 255});
    Bytes b;
    b.header(2, 1).block(4, 2, false, false, true, 1);
    b.f32s({-0.9f, -0.4f, 0, -0.1f, -0.4f, 0, -0.1f, 0.4f, 0, -0.9f, 0.4f, 0});
    b.u32(0).u32(1).u32(2).u32(0).u32(2).u32(3);
    // Texel centres at the quad's edges: red on the left, blue on the right.
    b.f32s({0.25f, 0.5f, 0.75f, 0.5f, 0.75f, 0.5f, 0.25f, 0.5f});
    b.block(6, 0, false, true, false, 0);
    b.f32s({0.2f, 0.1f, 0, 0.8f, 0.1f, 0, 0.5f, 0.8f, 0});
    b.f32s({0.2f, -0.8f, 0, 0.8f, -0.8f, 0, 0.5f, -0.1f, 0});
    for (int i = 0; i < 6; ++i)
        b.f32s({0, 1, 0, 1});
    b.name(tex);
    auto model = load(b);
    ASSERT_TRUE(reports().empty());

    glMatrixMode(GL_PROJECTION); // identity: the view is -1 to 1 across
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
    EXPECT_TRUE(left.r > 200 && left.b < 60);
    EXPECT_TRUE(right.b > 200 && right.r < 60);
    for (Rgba p : {ReadPixel(600, 230), ReadPixel(600, 400)})
        EXPECT_TRUE(p.g == 255 && p.r == 0);
    for (Rgba p : {ReadPixel(200, 100), ReadPixel(600, 300), ReadPixel(400, 550)})
        EXPECT_EQ(p.r + p.g + p.b, 0);
}

// The geometry compiled at loading (the demo's models, the field's sphere, the credits' cube)
// gives exactly the pixels of the same calls made directly: lit, sphere-mapped and squashed
// as in the scenes, with the arrays' colours and normals taken along.
TEST_F(MeshFiles, CompiledGeometryDrawsThePixelsOfTheDirectCalls) {
    Model cross((DemoDir() + "/Models/cross.mesh").c_str());
    Model rundingdings((DemoDir() + "/Models/rundingdings.mesh").c_str());
    Texture texture;
    ASSERT_TRUE(LoadTexture(texture, (DemoDir() + "/Textures/oooh.png").c_str()));
    g_quadric = gluNewQuadric();
    gluQuadricTexture(g_quadric, GL_TRUE);
    gluQuadricNormals(g_quadric, GLU_SMOOTH);

    FieldSphere sphere;
    sphere.position[0] = -3;
    sphere.position[1] = -1.5f;
    sphere.position[2] = -8;

    auto frame = [&] {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION); // the window's own
        glLoadIdentity();
        gluPerspective(45.0, 800.0 / 600.0, 0.01, 1000.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        const float ambient[4] = {0.3f, 0.3f, 0.3f, 1};
        glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glEnable(GL_COLOR_MATERIAL);
        glColor3f(0.6f, 0.8f, 1.0f);
        bind(texture);
        EnableSphereMapping();
        glTranslatef(0, 0, -10);
        glRotatef(40, 0.5f, 0.8f, 0.3f);
        glScalef(1, 0.4f, 1);
        cross.draw();
        glLoadIdentity();
        glTranslatef(3, -2, -9);
        rundingdings.draw();
        glDisable(GL_TEXTURE_GEN_S);
        glDisable(GL_TEXTURE_GEN_T);
        glLoadIdentity();
        sphere.draw(1.5f);
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        glLoadIdentity();
        glTranslatef(-2.5f, 1.5f, -6);
        glRotatef(30, 1, 1, 0);
        DrawSolidCube(kCreditsCubeEdge / 4);
        return ReadFrame();
    };
    // Direct: the meshes' lists set aside, the sphere and the cube not compiled yet.
    std::vector<GLuint> lists;
    for (Model* model : {&cross, &rundingdings})
        for (int32_t i = 0; i < model->meshNum; ++i)
            lists.push_back(std::exchange(model->meshes[i]->list, 0));
    const std::vector<uint8_t> direct = frame();
    size_t next = 0;
    for (Model* model : {&cross, &rundingdings})
        for (int32_t i = 0; i < model->meshNum; ++i)
            model->meshes[i]->list = lists[next++];
    CompileFieldSphere();
    CompileSolidCube(kCreditsCubeEdge / 4);
    ASSERT_NE(g_sphereList, 0u);
    ASSERT_TRUE(std::count(lists.begin(), lists.end(), 0u) == 0);
    const std::vector<uint8_t> compiled = frame();

    size_t drawn = 0; // pixels not black
    for (size_t i = 0; i < direct.size(); i += 4)
        drawn += direct[i] + direct[i + 1] + direct[i + 2] > 0;
    EXPECT_GT(drawn, 50000u);
    EXPECT_TRUE(direct == compiled);
    if (direct != compiled) {
        WritePng("direct.png", direct, 800, 600);
        WritePng("compiled.png", compiled, 800, 600);
    }
}
