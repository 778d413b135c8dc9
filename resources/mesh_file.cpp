// The model file readers: binary `.mesh` files (version 1) and `.raw` text triangle lists.
// Each file is read whole into memory first and then parsed through a bounds-checked cursor.
#include "resources/mesh_file.h"

#include "base/report_error.h"
#include "platform/files.h"
#include "resources/byte_reader.h"
#include "resources/mesh.h"
#include "resources/texture.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
const int32_t kMeshFlag = 78; // "N" and three zero bytes
const int32_t kParserVersion = 1;
// The fixed parts: six int32 per mesh block, one int32 per texture entry.
const uint64_t kBlockHeaderBytes = 24;
const uint64_t kEntryHeaderBytes = 4;

// Every structural fault stops the read. The model keeps the meshes completed before it,
// each whole and with checked indices, and the textures loaded before it.
void ReportShort(const char* fileName) {
    ReportError("File %s is not a valid .mesh-file. It is shorter than its counts say.", fileName);
}
void ReportNegative(const char* fileName) {
    ReportError("File %s is not a valid .mesh-file. It holds a negative count.", fileName);
}

// Reads one mesh block into a new Mesh, or reports and returns null. `blocksAfter` and
// `textureNum` say how much of the file must still follow this block.
Mesh* ReadMeshBlock(ByteReader& in, const char* fileName, int32_t blockNumber, uint64_t blocksAfter,
                    int32_t textureNum) {
    int32_t header[6];
    if (!in.readWords32(header, 6)) {
        ReportShort(fileName);
        return nullptr;
    }
    const int32_t vertexNum = header[0], triangleNum = header[1], texture = header[5];
    const bool hasNormals = header[2] != 0, hasColors = header[3] != 0,
               hasTexCoords = header[4] != 0;
    if (vertexNum < 0 || triangleNum < 0) {
        ReportNegative(fileName);
        return nullptr;
    }
    // Bytes of this block's arrays, in 64 bits: at most 48 per vertex and 12 per triangle.
    const uint64_t v = static_cast<uint64_t>(vertexNum);
    const uint64_t t = static_cast<uint64_t>(triangleNum);
    const uint64_t arrayBytes = 12 * v + 12 * t + (hasNormals ? 12 * v : 0) +
                                (hasColors ? 16 * v : 0) + (hasTexCoords ? 8 * v : 0);
    const uint64_t restBytes =
        blocksAfter * kBlockHeaderBytes + static_cast<uint64_t>(textureNum) * kEntryHeaderBytes;
    if (arrayBytes + restBytes > in.remaining()) {
        ReportShort(fileName);
        return nullptr;
    }

    // Checked before the subtraction, which the most negative number would overflow.
    int32_t textureIndex = -1;
    if (texture < 0 || texture > textureNum)
        ReportError("Warning: Mesh %i in %s uses texture number %i, but the file has %i "
                    "textures. It is drawn untextured.",
                    blockNumber, fileName, texture, textureNum);
    else
        textureIndex = texture - 1;
    Mesh* mesh =
        new Mesh(vertexNum, triangleNum, textureIndex, hasNormals, hasColors, hasTexCoords);
    // The sizes were checked above, so these reads cannot fall short.
    in.readWords32(mesh->vertices, 3 * v);
    if (mesh->indexed)
        in.readWords32(mesh->indices, 3 * t);
    if (hasNormals)
        in.readWords32(mesh->normals, 3 * v);
    if (hasColors)
        in.readWords32(mesh->colors, 4 * v);
    if (hasTexCoords)
        in.readWords32(mesh->texCoords, 2 * v);

    // The driver would follow an index at or beyond vertexNum outside the arrays.
    for (uint64_t i = 0; i < 3 * t; ++i) {
        if (mesh->indices[i] >= v) {
            ReportError("File %s is not a valid .mesh-file. Mesh %i has the vertex index %u, "
                        "but only %i vertices.",
                        fileName, blockNumber, mesh->indices[i], vertexNum);
            delete mesh;
            return nullptr;
        }
    }
    return mesh;
}

// One texture entry: the name ends after nameLength characters or after a newline, which
// is kept, whichever comes first (names must not hold one). Null on a structural fault.
Texture* ReadTextureEntry(ByteReader& in, const char* fileName) {
    int32_t nameLength;
    if (!in.readInt32(nameLength)) {
        ReportShort(fileName);
        return nullptr;
    }
    if (nameLength < 0) {
        ReportNegative(fileName);
        return nullptr;
    }
    if (static_cast<uint64_t>(nameLength) > in.remaining()) {
        ReportShort(fileName);
        return nullptr;
    }
    const char* start = reinterpret_cast<const char*>(in.current());
    const void* newline = std::memchr(start, '\n', static_cast<size_t>(nameLength));
    const size_t taken =
        newline ? static_cast<const char*>(newline) - start + 1 : static_cast<size_t>(nameLength);
    // Through c_str, so a zero byte inside the name ends it, as it would a C string.
    std::string name(start, taken);
    in.skip(taken);
    Texture* texture = new Texture;
    texture->loaded = LoadTexture(*texture, name.c_str());
    return texture;
}

bool ReadWholeModelFile(const char* fileName, const char* mode, std::vector<uint8_t>& bytes) {
    FILE* file = PlatformOpenFile(fileName, mode);
    if (!file) {
        ReportError("Can't open file %s to load mesh.", fileName);
        return false;
    }
    // A read error leaves a shorter buffer, which the parser then reports as such.
    ReadWholeFile(file, bytes);
    std::fclose(file);
    return true;
}
} // namespace

bool LoadBinaryMesh(Model& model, const char* fileName) {
    if (!fileName) {
        ReportError("Can't load a mesh with filename NULL...");
        return false;
    }
    std::vector<uint8_t> bytes;
    if (!ReadWholeModelFile(fileName, "rb", bytes))
        return false;
    return ParseBinaryMesh(model, bytes.data(), bytes.size(), fileName);
}

bool ParseBinaryMesh(Model& model, const uint8_t* data, size_t size, const char* fileName) {
    ByteReader in(data, size);

    int32_t flag;
    if (!in.readInt32(flag)) {
        ReportShort(fileName);
        return false;
    }
    if (flag != kMeshFlag) {
        ReportError("File %s is not a valid .mesh-file. Unrecognized flag in header.", fileName);
        return false;
    }
    int32_t version, meshNum, textureNum;
    if (!in.readInt32(version)) {
        ReportShort(fileName);
        return false;
    }
    if (version > kParserVersion) {
        ReportError("Can't load the mesh in %s as it is a higher version of the .mesh-format "
                    "than this parser can handle.\nFile format version: %i \t Parser version: "
                    "%i.",
                    fileName, version, kParserVersion);
        return false;
    }
    if (!in.readInt32(meshNum) || !in.readInt32(textureNum)) {
        ReportShort(fileName);
        return false;
    }
    if (meshNum < 0 || textureNum < 0) {
        ReportNegative(fileName);
        return false;
    }
    // Nothing is allocated for counts the rest of the file cannot hold.
    if (static_cast<uint64_t>(meshNum) * kBlockHeaderBytes +
            static_cast<uint64_t>(textureNum) * kEntryHeaderBytes >
        in.remaining()) {
        ReportShort(fileName);
        return false;
    }

    // meshNum and textureNum count what has been stored so far, so a read that stops
    // early leaves a model that draws and frees only real entries.
    model.meshNum = 0;
    model.textureNum = 0;
    model.meshes = new Mesh*[meshNum]();
    model.textures = new Texture*[textureNum]();
    for (int32_t i = 0; i < meshNum; ++i) {
        Mesh* mesh =
            ReadMeshBlock(in, fileName, i + 1, static_cast<uint64_t>(meshNum - 1 - i), textureNum);
        if (!mesh)
            return false;
        model.meshes[i] = mesh;
        model.meshNum = i + 1;
    }
    for (int32_t i = 0; i < textureNum; ++i) {
        Texture* texture = ReadTextureEntry(in, fileName);
        if (!texture)
            return false;
        model.textures[i] = texture;
        model.textureNum = i + 1;
    }
    return true;
}

namespace {
// One read of the line reader: at most 254 characters, ending early after a newline,
// which it keeps. A longer line thus gives several pieces, each counted as a line.
const size_t kMaxLinePiece = 254;

std::vector<std::string> SplitLinePieces(const uint8_t* bytes, size_t size) {
    std::vector<std::string> pieces;
    size_t pos = 0;
    while (pos < size) {
        size_t end = pos;
        while (end < size && end - pos < kMaxLinePiece) {
            if (bytes[end++] == '\n')
                break;
        }
        pieces.emplace_back(reinterpret_cast<const char*>(bytes) + pos, end - pos);
        pos = end;
    }
    return pieces;
}

// Narrowing a double beyond the float range is undefined: such values become infinite,
// as the hardware conversion would make them.
float ToFloat(double value) {
    if (value > FLT_MAX)
        return HUGE_VALF;
    if (value < -FLT_MAX)
        return -HUGE_VALF;
    return static_cast<float>(value);
}

// Values are tokens of three or more characters between spaces and newlines; shorter
// tokens are skipped. The first nine go to the line's three corners. Returns how many
// values the line held.
int ParseRawLine(const std::string& piece, float* corners) {
    // A zero byte ends the line's text, as it would in a C string.
    const std::string text = piece.substr(0, piece.find('\0'));
    int valueNum = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t start = text.find_first_not_of(" \n", pos);
        if (start == std::string::npos)
            break;
        size_t end = text.find_first_of(" \n", start);
        if (end == std::string::npos)
            end = text.size();
        if (end - start >= 3) {
            if (valueNum < 9)
                corners[valueNum] = ToFloat(std::atof(text.substr(start, end - start).c_str()));
            ++valueNum;
        }
        pos = end;
    }
    return valueNum;
}
} // namespace

bool LoadAsciiMesh(Model& model, const char* fileName) {
    if (!fileName) {
        ReportError("Can't load a mesh with filename NULL...");
        return false;
    }
    std::vector<uint8_t> bytes;
    if (!ReadWholeModelFile(fileName, "rt", bytes))
        return false;
    return ParseAsciiMesh(model, bytes.data(), bytes.size(), fileName);
}

bool ParseAsciiMesh(Model& model, const uint8_t* data, size_t size, const char* fileName) {
    const std::vector<std::string> lines = SplitLinePieces(data, size);
    // Three vertices per line must fit an int32 count.
    if (lines.size() > static_cast<size_t>(INT32_MAX / 3)) {
        ReportError("Can't load the mesh in %s, it has too many lines.", fileName);
        return false;
    }
    const int32_t lineNum = static_cast<int32_t>(lines.size());
    // Coordinates missing from a short line stay 0: the arrays start zero-filled.
    Mesh* mesh = new Mesh(3 * lineNum, lineNum, -1, true, false, false);
    for (int32_t i = 0; i < 3 * lineNum; ++i)
        mesh->indices[i] = static_cast<uint32_t>(i);
    model.meshNum = 1;
    model.meshes = new Mesh* [1] { mesh };

    for (int32_t i = 0; i < lineNum; ++i) {
        const int valueNum = ParseRawLine(lines[i], mesh->vertices + 9 * static_cast<size_t>(i));
        std::fputc('\n', stdout);
        if (valueNum != 9)
            ReportError("Warning: While parsing an ascii mesh file, more than 9 float values "
                        "was found on one line.");
    }
    CalcNormals(*mesh);
    return true;
}
