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
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Virtual ticks per second: microseconds.
const int64_t kTicksPerSecond = 1000000;
std::string g_folder;

// Stops the process the way a sanitizer would, naming what broke.
void Broken(const char* what) {
    std::fprintf(stderr, "harness: broken invariant: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

void WriteInput(const char* name, const uint8_t* data, size_t size) {
    FILE* file = std::fopen(name, "wb");
    if (!file)
        Broken("cannot write the input file");
    if (size > 0 && std::fwrite(data, 1, size, file) != size)
        Broken("cannot write the input file");
    std::fclose(file);
}

void RemoveFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(g_folder, ignored);
}

// What Model::draw and Mesh::draw trust: every mesh present with its arrays, every index
// inside its mesh's vertices.
void CheckModel(const Model& model) {
    if (model.meshNum < 0 || model.textureNum < 0)
        Broken("negative count in a model");
    if (model.meshNum > 0 && !model.meshes)
        Broken("meshes missing");
    if (model.textureNum > 0 && !model.textures)
        Broken("textures missing");
    for (int32_t i = 0; i < model.meshNum; ++i) {
        const Mesh* mesh = model.meshes[i];
        if (!mesh)
            Broken("a counted mesh is null");
        if (mesh->vertexNum < 0 || mesh->triangleNum < 0)
            Broken("negative count in a mesh");
        if (!mesh->vertices)
            Broken("a mesh without vertices");
        if (mesh->indexed != (mesh->triangleNum > 0) || (mesh->indexed && !mesh->indices))
            Broken("index list does not match the triangle count");
        for (int64_t k = 0; mesh->indexed && k < 3 * int64_t{mesh->triangleNum}; ++k)
            if (mesh->indices[k] >= static_cast<uint32_t>(mesh->vertexNum))
                Broken("index beyond the vertices");
    }
    for (int32_t i = 0; i < model.textureNum; ++i)
        if (!model.textures[i])
            Broken("a counted texture is null");
}
} // namespace

void HarnessSetUp() {
    static bool done = false;
    if (done)
        return;
    done = true;
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    PlatformUseVirtualCounter(kTicksPerSecond);

    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/rerovuz-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data()))
        Broken("cannot make the scratch folder");
    g_folder = pattern;
    std::atexit(RemoveFolder);
    if (chdir(g_folder.c_str()) != 0 || mkdir("Music", 0755) != 0)
        Broken("cannot enter the scratch folder");
    // A texture that model inputs can name, so that their texture entries load something.
    const uint8_t tga[18 + 2 * 2 * 3] = {0, 0,  2, 0,   0, 0, 0, 0,   0, 0, 0, 0,   2,   0,   2,
                                         0, 24, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    WriteInput("tex.tga", tga, sizeof tga);

    if (!g_window)
        g_window = new DemoWindow(false);
    // One pixel: drawing hostile triangles must cost nothing but the vertex reads.
    glViewport(0, 0, 1, 1);
}

const std::string& HarnessFolder() {
    return g_folder;
}

void FuzzTga(const uint8_t* data, size_t size) {
    TgaImage image;
    const TgaResult parsed = ParseTga(data, size, image);
    if (parsed == TgaResult::ok) {
        const uint64_t need = uint64_t{static_cast<uint32_t>(image.width)} *
                              static_cast<uint32_t>(image.height) *
                              static_cast<uint32_t>(image.components);
        if (!image.pixels || need > size - kTgaHeaderBytes)
            Broken("TGA pixels beyond the input");
        if (need > 0 && image.pixels[need - 1] != data[kTgaHeaderBytes + need - 1])
            Broken("TGA pixels not copied as stored");
    } else if (image.pixels) {
        Broken("TGA pixels kept after a failure");
    }
    WriteInput("in.tga", data, size);
    Texture texture;
    texture.loaded = LoadTexture(texture, "in.tga");
    if (texture.loaded != (parsed == TgaResult::ok))
        Broken("the file and memory TGA readers disagree");
}

void FuzzBinaryMesh(const uint8_t* data, size_t size) {
    Model model(nullptr);
    BuildModel(model, ParseBinaryMesh(data, size, "in.mesh"));
    CheckModel(model);
    if (model.meshNum > 0)
        model.draw();
}

void FuzzTextMesh(const uint8_t* data, size_t size) {
    Model model(nullptr);
    BuildModel(model, ParseAsciiMesh(data, size, "in.raw"));
    CheckModel(model);
    if (model.meshNum != 1)
        Broken("a text model holds one mesh");
    model.draw();
}

void FuzzPicture(const uint8_t* data, size_t size) {
    WriteInput("in.png", data, size);
    Texture texture;
    texture.loaded = LoadTexture(texture, "in.png");
    if (texture.loaded && (texture.width < 0 || texture.height < 0 || texture.id == 0))
        Broken("a loaded picture without a size or a texture object");
}

void FuzzMusic(const uint8_t* data, size_t size) {
    WriteInput("Music/Quirnstadbek.mp3", data, size);
    Music music;
    music.play();
    // From the first frame to long past the end: 0, 10 ms, 0.3 s, 3 s, 30 s.
    for (int64_t step : {int64_t{0}, kTicksPerSecond / 100, kTicksPerSecond * 3 / 10,
                         kTicksPerSecond * 3, kTicksPerSecond * 30}) {
        PlatformAdvanceVirtualCounter(step);
        music.updateSpectrum();
        for (float value : music.spectrum)
            if (!std::isfinite(value) || value < 0.0f)
                Broken("a spectrum magnitude that is not a finite non-negative number");
    }
    if (music.stream != 0)
        AudioStreamFree(music.stream);
}
