// The fuzz target bodies: each reader fed one input, then the invariants the rest of the demo
// relies on checked, so that a fault shows as a crash and not as a wrong picture later.
#include "harness.h"

#include "app/demo_window.h"
#include "app/globals.h"
#include "music/music.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "resources/mesh.h"
#include "resources/mesh_file.h"
#include "resources/texture.h"
#include "resources/tga_reader.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const int64_t kTicksPerSecond = 1000000; // virtual ticks: microseconds
std::string g_folder;

// Stops the process the way a sanitizer would, naming what broke.
void Check(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "harness: broken invariant: %s\n", what); // unbuffered
    std::abort();
}

void WriteInput(const char* name, const uint8_t* data, size_t size) {
    FILE* file = std::fopen(name, "wb");
    Check(file && (size == 0 || std::fwrite(data, 1, size, file) == size), "input written");
    std::fclose(file);
}

// What Model::draw and Mesh::draw trust, before a draw: every counted mesh and texture
// present, every index inside its mesh's vertices.
void CheckAndDraw(Model& model) {
    Check(model.meshNum >= 0 && model.textureNum >= 0, "counts not negative");
    Check(model.meshNum == 0 || model.meshes, "meshes present");
    for (int32_t i = 0; i < model.meshNum; ++i) {
        const Mesh* mesh = model.meshes[i];
        Check(mesh && mesh->vertexNum >= 0 && mesh->triangleNum >= 0 && mesh->vertices,
              "a counted mesh with its vertices");
        Check(mesh->indexed == (mesh->triangleNum > 0) && (!mesh->indexed || mesh->indices),
              "an index list as the triangle count says");
        for (int64_t k = 0; mesh->indexed && k < 3 * int64_t{mesh->triangleNum}; ++k)
            Check(mesh->indices[k] < static_cast<uint32_t>(mesh->vertexNum), "index in range");
    }
    for (int32_t i = 0; i < model.textureNum; ++i)
        Check(model.textures && model.textures[i], "a counted texture present");
    if (model.meshNum > 0)
        model.draw();
}
} // namespace

void HarnessSetUp() {
    if (!g_folder.empty())
        return;
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    PlatformUseVirtualCounter(kTicksPerSecond);
    g_folder = (std::filesystem::temp_directory_path() / "rerovuz-fuzz-XXXXXX").string();
    Check(mkdtemp(g_folder.data()) && chdir(g_folder.c_str()) == 0 && mkdir("Music", 0755) == 0,
          "a scratch folder");
    std::atexit([] { std::filesystem::remove_all(g_folder); });
    // A texture that model inputs can name, so that their texture entries load something.
    const uint8_t tga[18 + 2 * 2 * 3] = {0, 0,  2, 0,   0, 0, 0, 0,   0, 0, 0, 0,   2,   0,   2,
                                         0, 24, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    WriteInput("tex.tga", tga, sizeof tga);
    if (!g_window)
        g_window = new DemoWindow(false);
    glViewport(0, 0, 1, 1); // hostile triangles then cost nothing but their vertex reads
}

void FuzzTga(const uint8_t* data, size_t size) {
    TgaImage image;
    const bool parsed = ParseTga(data, size, image) == TgaResult::ok;
    const uint64_t need = uint64_t{static_cast<uint32_t>(image.width)} *
                          static_cast<uint32_t>(image.height) *
                          static_cast<uint32_t>(image.components);
    Check(!parsed || (image.pixels && need <= size - kTgaHeaderBytes), "TGA pixels in the input");
    Check(!parsed || need == 0 || image.pixels[need - 1] == data[kTgaHeaderBytes + need - 1],
          "TGA pixels copied as stored");
    Check(parsed || !image.pixels, "no TGA pixels kept after a failure");
    WriteInput("in.tga", data, size);
    Texture texture;
    Check(LoadTexture(texture, "in.tga") == parsed, "the file and memory TGA readers agree");
}

void FuzzBinaryMesh(const uint8_t* data, size_t size) {
    Model model(nullptr);
    BuildModel(model, ParseBinaryMesh(data, size, "in.mesh"));
    CheckAndDraw(model);
}

void FuzzTextMesh(const uint8_t* data, size_t size) {
    Model model(nullptr);
    BuildModel(model, ParseAsciiMesh(data, size, "in.raw"));
    Check(model.meshNum == 1, "a text model holds one mesh");
    CheckAndDraw(model);
}

void FuzzPicture(const uint8_t* data, size_t size) {
    WriteInput("in.png", data, size);
    Texture texture;
    Check(!LoadTexture(texture, "in.png") ||
              (texture.width >= 0 && texture.height >= 0 && texture.id != 0),
          "a loaded picture with a size and a texture object");
}

void FuzzMusic(const uint8_t* data, size_t size) {
    WriteInput(kSoundtrackFile, data, size);
    Music music;
    music.play();
    for (int64_t step : {int64_t{0}, kTicksPerSecond / 100, kTicksPerSecond * 3 / 10,
                         kTicksPerSecond * 3, kTicksPerSecond * 30}) {
        PlatformAdvanceVirtualCounter(step);
        music.updateSpectrum();
        for (float value : music.spectrum)
            Check(std::isfinite(value) && value >= 0.0f, "a finite non-negative magnitude");
    }
    if (music.stream != 0)
        AudioStreamFree(music.stream);
}
