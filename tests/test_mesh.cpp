// Meshes and models: the binary and text readers with well-formed, hostile and cut-short
// files built byte by byte, the normals, and models drawn into a real context.
#include "effects/sphere_field.h"
#include "resources/mesh.h"
#include "resources/mesh_file.h"
#include "resources/texture.h"
#include "scenes/asset_list.h"
#include "scenes/solid_cube.h"
#include "test_support.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <stb/stb_image_write.h>
#include <string>
#include <unistd.h>
#include <utility>
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

TEST_F(MeshFiles, HeaderNamesAndMissingFiles) {
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

    boxes.clear();
    Model none(nullptr);
    EXPECT_TRUE(reports().empty());
    Model missing((dir.path + "/absent.mesh").c_str());
    BuildModel(none, ReadAsciiMesh(nullptr));
    EXPECT_EQ(reports(), (Texts{"Can't open file " + dir.path + "/absent.mesh to load mesh.",
                                "Can't load a mesh with filename NULL..."}));
}

// Texture numbers count from 1 (0 is none); a 14-character relative name is read whole and
// the entry after it found.
TEST_F(MeshFiles, TextureNumbersAndNamesOfExactLength) {
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(dir.path.c_str()), 0);
    WriteTga("red_tex_14.tga", 2, std::vector<uint8_t>(6, 200));
    WriteTga("b.tga", 1, {0, 0, 255});
    Bytes b;
    b.header(4, 2);
    for (int32_t texture : {0, 2, 3, -1})
        b.block(3, 0, false, false, false, texture).triangle();
    auto model = load(b.name("red_tex_14.tga").name("b.tga"));
    ASSERT_EQ(chdir(previous), 0);

    ASSERT_TRUE(model->textureNum == 2 && model->meshNum == 4);
    EXPECT_TRUE(model->textures[0]->width == 2 && model->textures[1]->width == 1);
    const int32_t used[] = {-1, 1, -1, -1};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(model->meshes[i]->texture, used[i]) << i;
    Texts warnings;
    for (const char* mesh : {"3 in %s uses texture number 3", "4 in %s uses texture number -1"})
        warnings.push_back(Format((std::string("Warning: Mesh ") + mesh +
                                   ", but the file has 2 textures. It is drawn untextured.")
                                      .c_str(),
                                  path)[0]);
    EXPECT_EQ(reports(), warnings);
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
        {Bytes().header(2, 0).block(1, 0).f32s({1, 2, 3}), kShort},
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

// Two meshes with every optional array and two textures; the file cut at every byte
// length must load cleanly or be rejected with the short-file message.
TEST_F(MeshFiles, EveryTruncationOfAValidFileIsRejectedCleanly) {
    const std::string texA = dir.file("a.tga"), texB = dir.file("b.tga");
    WriteTga(texA, 1, {255, 0, 0});
    WriteTga(texB, 1, {0, 255, 0});
    Bytes b;
    b.header(2, 2).block(3, 1, true, true, true, 1).triangle().u32(0).u32(1).u32(2);
    b.f32s({0, 0, 1, 0, 0, 1, 0, 0, 1}).f32s({1, 0, 0, 1, 0, 1, 0, 1, 0, 0, 1, 1});
    b.f32s({0, 0, 1, 0, 0, 1});
    const size_t firstMeshEnd = b.data.size();
    b.block(3, 0, true, true, true, 2).triangle().f32s({0, 0, 1, 0, 0, 1, 0, 0, 1});
    b.f32s({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}).f32s({0, 0, 1, 0, 0, 1});
    const size_t secondMeshEnd = b.data.size();
    const size_t firstNameEnd = b.name(texA).data.size();
    b.name(texB);

    auto whole = load(b);
    EXPECT_TRUE(reports().empty());
    ASSERT_TRUE(whole->meshNum == 2 && whole->textureNum == 2 && whole->textures[1]->loaded);
    const Mesh& first = *whole->meshes[0];
    EXPECT_TRUE(first.indexed && first.triangleNum == 1 && first.texture == 0);
    EXPECT_TRUE(first.vertices[3] == 1.0f && first.indices[2] == 2u);
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
    // A line longer than 254 characters is read as two.
    EXPECT_EQ(
        loadRaw(std::string(250, ' ') + "1 2 3.0 4.0 5.0 6.0 7.0 8.0 9.0\n")->meshes[0]->vertexNum,
        6);
    // More lines than the budget allows: refused whole, in one report, before any line.
    auto newlines = loadRaw(std::string(200000, '\n'));
    EXPECT_EQ(reports(), Format("Can't load the mesh in %s, it has too many lines.", path));
    EXPECT_EQ(out.find('\n'), std::string::npos);
    EXPECT_EQ(newlines->meshNum, 0);
}

// Unit face normals summed at each corner: two coplanar triangles on the edge 1-2 give it
// length 2; a zero-area one on corner 0 adds nothing; a vertex short of a triangle stays 0.
TEST_F(MeshFiles, CalcNormalsSumsUnitFaceNormals) {
    Mesh mesh(5, 3, -1, false, false, false);
    const float positions[] = {0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0, 5, 5, 5};
    const uint32_t indices[] = {0, 1, 2, 2, 1, 3, 0, 0, 1};
    std::copy(std::begin(positions), std::end(positions), mesh.vertices);
    std::copy(std::begin(indices), std::end(indices), mesh.indices);
    EXPECT_TRUE(CalcNormals(mesh));
    EXPECT_EQ(reports(), Texts{"Warning: Calcing normals on Mesh not initialized with a normal "
                               "array.\nWill allocate the array now, but you should consider "
                               "doing it on init for performance."});
    const float z[5] = {1, 2, 2, 1, 0};
    for (int v = 0; v < 5; ++v) {
        EXPECT_FLOAT_EQ(mesh.normals[3 * v + 2], z[v]) << v;
        EXPECT_TRUE(mesh.normals[3 * v] == 0 && mesh.normals[3 * v + 1] == 0) << v;
    }
    boxes.clear();
    Mesh empty(0, 0, -1, true, false, false);
    EXPECT_FALSE(CalcNormals(empty));
    EXPECT_EQ(reports(),
              Texts{"Warning: Told to calc normals on a Mesh, but no vertex data is present."});
}

// One indexed textured quad on the left and one unindexed mesh of two coloured triangles
// on the right, drawn with a view of -1 to 1.
TEST_F(MeshFiles, ModelPutsPixelsWhereItsTrianglesAre) {
    const std::string tex = dir.file("rb.tga");
    WriteTga(tex, 2, {255, 0, 0, 0, 0, 255});
    Bytes b;
    b.header(2, 1).block(4, 2, false, false, true, 1);
    b.f32s({-0.9f, -0.4f, 0, -0.1f, -0.4f, 0, -0.1f, 0.4f, 0, -0.9f, 0.4f, 0});
    b.u32(0).u32(1).u32(2).u32(0).u32(2).u32(3);
    // Texel centres at the quad's edges: red on the left, blue on the right.
    b.f32s({0.25f, 0.5f, 0.75f, 0.5f, 0.75f, 0.5f, 0.25f, 0.5f}).block(6, 0, false, true);
    b.f32s({0.2f, 0.1f, 0, 0.8f, 0.1f, 0, 0.5f, 0.8f, 0, 0.2f, -0.8f, 0, 0.8f, -0.8f, 0});
    b.f32s({0.5f, -0.1f, 0});
    for (int i = 0; i < 6; ++i)
        b.f32s({0, 1, 0, 1});
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
}

// The geometry compiled at loading (the demo's models, the field's sphere, the credits' cube)
// gives exactly the pixels of the same calls made directly: lit, sphere-mapped and squashed
// as in the scenes.
TEST_F(MeshFiles, CompiledGeometryDrawsThePixelsOfTheDirectCalls) {
    std::vector<std::unique_ptr<Model>> models; // the cross, then the round ones
    for (const AssetFile& file : kAssetFiles)
        if (file.kind == AssetKind::Model)
            models.emplace_back(new Model((DemoDir() + "/" + file.path).c_str()));
    ASSERT_EQ(models.size(), 2u);
    Texture texture;
    ASSERT_TRUE(LoadTexture(texture, (DemoDir() + "/Textures/oooh.png").c_str()));
    g_quadric = gluNewQuadric();
    gluQuadricTexture(g_quadric, GL_TRUE);
    gluQuadricNormals(g_quadric, GLU_SMOOTH);
    FieldSphere sphere;
    sphere.position[2] = -8;
    auto frame = [&] {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 800.0 / 600.0, 0.01, 1000.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glEnable(GL_COLOR_MATERIAL);
        glColor3f(0.6f, 0.8f, 1.0f);
        bind(texture);
        EnableSphereMapping();
        glTranslatef(0, 0, -10);
        glRotatef(40, 0.5f, 0.8f, 0.3f);
        glScalef(1, 0.4f, 1);
        models[0]->draw();
        glLoadIdentity();
        glTranslatef(3, -2, -9);
        models[1]->draw();
        glDisable(GL_TEXTURE_GEN_S);
        glDisable(GL_TEXTURE_GEN_T);
        glLoadIdentity();
        glTranslatef(-3, -1.5f, 0);
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
    std::vector<std::pair<Mesh*, GLuint>> lists;
    for (const auto& model : models)
        for (int32_t i = 0; i < model->meshNum; ++i)
            lists.emplace_back(model->meshes[i], std::exchange(model->meshes[i]->list, 0));
    const std::vector<uint8_t> direct = frame();
    for (auto [mesh, list] : lists)
        mesh->list = list;
    CompileFieldSphere();
    CompileSolidCube(kCreditsCubeEdge / 4);
    const GLuint sphereList = g_sphereList;
    ASSERT_NE(sphereList, 0u);
    size_t drawn = 0; // pixels not black
    for (size_t i = 0; i < direct.size(); i += 4)
        drawn += direct[i] + direct[i + 1] + direct[i + 2] > 0;
    EXPECT_GT(drawn, 50000u);
    if (frame() != direct) {
        ADD_FAILURE() << "compiled geometry draws other pixels (direct.png, compiled.png)";
        WritePng("direct.png", direct, 800, 600);
        WritePng("compiled.png", frame(), 800, 600);
    }
    EXPECT_EQ(g_sphereList, sphereList) << "compiled once, not on every draw";
}
