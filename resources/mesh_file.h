// The two model file readers: the binary `.mesh` format (version 1) and `.raw` text
// triangle lists. They build no meshes, load no textures and report nothing themselves: they
// return what the file holds as plain arrays and names, with the messages it gives, and the
// model (resources/mesh.h) builds its meshes from them and reports.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One mesh's arrays, zero-filled to their sizes; the optional ones are empty when absent.
struct MeshArrays {
    int32_t vertexNum = 0;
    int32_t triangleNum = 0;
    int32_t texture = -1; // index into the model's textures; -1 untextured
    std::unique_ptr<float[]> vertices;
    std::unique_ptr<uint32_t[]> indices; // empty when triangleNum is 0
    std::unique_ptr<float[]> normals;
    std::unique_ptr<float[]> colors;
    std::unique_ptr<float[]> texCoords;
};

// What one model file gave. The model reports `messages`, then (text files) writes one line
// feed per line to standard output with the warning after each line marked in `warnedLines`, then
// loads the textures by name, then reports `lastMessage` if any: the order in which a reader
// that did everything itself would have reported.
struct ModelFileData {
    bool read = false;    // the whole file was read
    std::string fileName; // as the messages name it
    std::vector<MeshArrays> meshes;
    std::vector<std::string> textureNames;
    std::vector<std::string> messages;
    std::string lastMessage; // a fault among the texture entries, after those before it loaded
    bool textFile = false;
    // One entry per line of a text file: true where the line did not hold exactly nine values.
    std::vector<bool> warnedLines;
};

// The budgets, checked from the counts before anything is allocated for them:
// - `.mesh`: at most kMaxModelMeshes meshes and kMaxModelTextures texture names; the arrays
//   are never larger than the file, which is held once, so memory stays under twice the file's
//   size plus 1 MiB (each named texture within the picture budget of resources/texture.h).
// - `.raw`: 84 bytes of arrays per line (nine coordinates, nine normal components, three
//   indices) at most four times the file's size plus 1 MiB; with the file held once, memory
//   stays under five times its size plus 1 MiB. A line of nine values takes at least 36 bytes,
//   so every legitimate file fits; a file of short lines (20 MB of line feeds would need
//   1.7 GB) is refused whole, in one report.
// Time is one pass over the file (two for `.raw`) and one over each array.
constexpr int32_t kMaxModelMeshes = 4096;
constexpr int32_t kMaxModelTextures = 16;
constexpr uint64_t kRawBytesPerLine = 84;

ModelFileData ReadBinaryMesh(const char* fileName);
ModelFileData ReadAsciiMesh(const char* fileName);

// The parsers behind the two readers, over the whole file's bytes; `fileName` only names the
// file in messages.
ModelFileData ParseBinaryMesh(const uint8_t* data, size_t size, const char* fileName);
ModelFileData ParseAsciiMesh(const uint8_t* data, size_t size, const char* fileName);
