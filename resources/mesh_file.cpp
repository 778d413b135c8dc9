// The model file readers: binary `.mesh` files (version 1) and `.raw` text triangle lists.
// Each file is read whole into memory first and then parsed through a bounds-checked cursor;
// every count is checked against the file and the budget before anything is allocated for it.
#include "resources/mesh_file.h"

#include "platform/files.h"
#include "resources/byte_reader.h"

#include <cfloat>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <utility>
#include <vector>

namespace {
const int32_t kMeshFlag = 78; // "N" and three zero bytes
const int32_t kParserVersion = 1;
// The fixed parts: six int32 per mesh block, one int32 per texture entry.
const uint64_t kBlockHeaderBytes = 24;
const uint64_t kEntryHeaderBytes = 4;

// The messages are formatted here as the reporter would format them, and reported by the model.
std::string Say(const char* format, ...) {
    char text[1024] = "";
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return length < 0 ? std::string() : std::string(text);
}

// Every structural fault stops the read. The model keeps the meshes completed before it,
// each whole and with checked indices, and the textures named before it.
std::string Short(const char* fileName) {
    return Say("File %s is not a valid .mesh-file. It is shorter than its counts say.", fileName);
}
std::string Negative(const char* fileName) {
    return Say("File %s is not a valid .mesh-file. It holds a negative count.", fileName);
}
std::string NoMemory(const char* fileName) {
    return Say("Can't load the mesh in %s, there is not enough memory for it.", fileName);
}

// Zero-filled, or empty when the memory is not there.
template <typename T> std::unique_ptr<T[]> Allocate(uint64_t count) {
    if (count > SIZE_MAX / sizeof(T))
        return nullptr;
    return std::unique_ptr<T[]>(new (std::nothrow) T[static_cast<size_t>(count)]());
}

// Reads one mesh block into `out.meshes`, or adds the message that stops the read and returns
// false. `blocksAfter` and `textureNum` say how much of the file must still follow this block.
bool ReadMeshBlock(ByteReader& in, const char* fileName, int32_t blockNumber, uint64_t blocksAfter,
                   int32_t textureNum, ModelFileData& out) {
    int32_t header[6];
    if (!in.readWords32(header, 6)) {
        out.messages.push_back(Short(fileName));
        return false;
    }
    const int32_t vertexNum = header[0], triangleNum = header[1], texture = header[5];
    const bool hasNormals = header[2] != 0, hasColors = header[3] != 0,
               hasTexCoords = header[4] != 0;
    if (vertexNum < 0 || triangleNum < 0) {
        out.messages.push_back(Negative(fileName));
        return false;
    }
    // Bytes of this block's arrays, in 64 bits: at most 48 per vertex and 12 per triangle.
    // Checked against the file before allocating, so the arrays never outgrow it.
    const uint64_t v = static_cast<uint64_t>(vertexNum);
    const uint64_t t = static_cast<uint64_t>(triangleNum);
    const uint64_t arrayBytes = 12 * v + 12 * t + (hasNormals ? 12 * v : 0) +
                                (hasColors ? 16 * v : 0) + (hasTexCoords ? 8 * v : 0);
    const uint64_t restBytes =
        blocksAfter * kBlockHeaderBytes + static_cast<uint64_t>(textureNum) * kEntryHeaderBytes;
    if (arrayBytes + restBytes > in.remaining()) {
        out.messages.push_back(Short(fileName));
        return false;
    }

    // Checked before the subtraction, which the most negative number would overflow.
    MeshArrays mesh;
    if (texture < 0 || texture > textureNum)
        out.messages.push_back(Say("Warning: Mesh %i in %s uses texture number %i, but the file "
                                   "has %i textures. It is drawn untextured.",
                                   blockNumber, fileName, texture, textureNum));
    else
        mesh.texture = texture - 1;
    mesh.vertexNum = vertexNum;
    mesh.triangleNum = triangleNum;
    mesh.vertices = Allocate<float>(3 * v);
    bool allocated = mesh.vertices != nullptr;
    if (t > 0)
        allocated &= (mesh.indices = Allocate<uint32_t>(3 * t)) != nullptr;
    if (hasNormals)
        allocated &= (mesh.normals = Allocate<float>(3 * v)) != nullptr;
    if (hasColors)
        allocated &= (mesh.colors = Allocate<float>(4 * v)) != nullptr;
    if (hasTexCoords)
        allocated &= (mesh.texCoords = Allocate<float>(2 * v)) != nullptr;
    if (!allocated) {
        out.messages.push_back(NoMemory(fileName));
        return false;
    }
    // The sizes were checked above, so these reads cannot fall short.
    in.readWords32(mesh.vertices.get(), 3 * v);
    if (t > 0)
        in.readWords32(mesh.indices.get(), 3 * t);
    if (hasNormals)
        in.readWords32(mesh.normals.get(), 3 * v);
    if (hasColors)
        in.readWords32(mesh.colors.get(), 4 * v);
    if (hasTexCoords)
        in.readWords32(mesh.texCoords.get(), 2 * v);

    // The driver would follow an index at or beyond vertexNum outside the arrays.
    for (uint64_t i = 0; i < 3 * t; ++i) {
        if (mesh.indices[i] >= v) {
            out.messages.push_back(Say("File %s is not a valid .mesh-file. Mesh %i has the vertex "
                                       "index %u, but only %i vertices.",
                                       fileName, blockNumber, mesh.indices[i], vertexNum));
            return false;
        }
    }
    out.meshes.push_back(std::move(mesh));
    return true;
}

// One texture entry: the name ends after nameLength characters or after a newline, which
// is kept, whichever comes first (names must not hold one). False on a structural fault.
bool ReadTextureEntry(ByteReader& in, const char* fileName, ModelFileData& out) {
    int32_t nameLength;
    if (!in.readInt32(nameLength)) {
        out.lastMessage = Short(fileName);
        return false;
    }
    if (nameLength < 0) {
        out.lastMessage = Negative(fileName);
        return false;
    }
    if (static_cast<uint64_t>(nameLength) > in.remaining()) {
        out.lastMessage = Short(fileName);
        return false;
    }
    const char* start = reinterpret_cast<const char*>(in.current());
    const void* newline = std::memchr(start, '\n', static_cast<size_t>(nameLength));
    const size_t taken =
        newline ? static_cast<const char*>(newline) - start + 1 : static_cast<size_t>(nameLength);
    // Up to a zero byte inside the name, which ends it as it would a C string.
    const void* zero = std::memchr(start, '\0', taken);
    out.textureNames.emplace_back(start, zero ? static_cast<const char*>(zero) - start : taken);
    in.skip(taken);
    return true;
}

// The whole file, or the message that says why not.
bool ReadWholeModelFile(const char* fileName, const char* mode, std::vector<uint8_t>& bytes,
                        ModelFileData& out) {
    if (!fileName) {
        out.messages.push_back("Can't load a mesh with filename NULL...");
        return false;
    }
    FILE* file = PlatformOpenFile(fileName, mode);
    if (!file) {
        out.messages.push_back(Say("Can't open file %s to load mesh.", fileName));
        return false;
    }
    // A read error leaves a shorter buffer, which the parser then reports as such.
    bool read = true;
    try {
        ReadWholeFile(file, bytes);
    } catch (const std::bad_alloc&) {
        out.messages.push_back(NoMemory(fileName));
        read = false;
    }
    std::fclose(file);
    return read;
}

void ParseBinary(ByteReader& in, const char* fileName, ModelFileData& out) {
    int32_t flag;
    if (!in.readInt32(flag)) {
        out.messages.push_back(Short(fileName));
        return;
    }
    if (flag != kMeshFlag) {
        out.messages.push_back(
            Say("File %s is not a valid .mesh-file. Unrecognized flag in header.", fileName));
        return;
    }
    int32_t version, meshNum, textureNum;
    if (!in.readInt32(version)) {
        out.messages.push_back(Short(fileName));
        return;
    }
    if (version > kParserVersion) {
        out.messages.push_back(Say("Can't load the mesh in %s as it is a higher version of the "
                                   ".mesh-format than this parser can handle.\nFile format "
                                   "version: %i \t Parser version: %i.",
                                   fileName, version, kParserVersion));
        return;
    }
    if (!in.readInt32(meshNum) || !in.readInt32(textureNum)) {
        out.messages.push_back(Short(fileName));
        return;
    }
    if (meshNum < 0 || textureNum < 0) {
        out.messages.push_back(Negative(fileName));
        return;
    }
    // Nothing is allocated for counts the rest of the file cannot hold, nor for more meshes
    // or textures than the budget allows.
    if (static_cast<uint64_t>(meshNum) * kBlockHeaderBytes +
            static_cast<uint64_t>(textureNum) * kEntryHeaderBytes >
        in.remaining()) {
        out.messages.push_back(Short(fileName));
        return;
    }
    if (meshNum > kMaxModelMeshes) {
        out.messages.push_back(Say("Can't load the mesh in %s, it has too many meshes.", fileName));
        return;
    }
    if (textureNum > kMaxModelTextures) {
        out.messages.push_back(
            Say("Can't load the mesh in %s, it has too many textures.", fileName));
        return;
    }
    out.meshes.reserve(static_cast<size_t>(meshNum));
    out.textureNames.reserve(static_cast<size_t>(textureNum));
    for (int32_t i = 0; i < meshNum; ++i)
        if (!ReadMeshBlock(in, fileName, i + 1, static_cast<uint64_t>(meshNum - 1 - i), textureNum,
                           out))
            return;
    for (int32_t i = 0; i < textureNum; ++i)
        if (!ReadTextureEntry(in, fileName, out))
            return;
    out.read = true;
}
} // namespace

ModelFileData ReadBinaryMesh(const char* fileName) {
    ModelFileData out;
    out.fileName = fileName ? fileName : "";
    std::vector<uint8_t> bytes;
    if (!ReadWholeModelFile(fileName, "rb", bytes, out))
        return out;
    return ParseBinaryMesh(bytes.data(), bytes.size(), fileName);
}

ModelFileData ParseBinaryMesh(const uint8_t* data, size_t size, const char* fileName) {
    ModelFileData out;
    out.fileName = fileName ? fileName : "";
    ByteReader in(data, size);
    try {
        ParseBinary(in, fileName, out);
    } catch (const std::bad_alloc&) {
        out.read = false;
        out.messages.push_back(NoMemory(fileName));
    }
    return out;
}

namespace {
// One read of the line reader: at most 254 characters, ending early after a newline,
// which it keeps. A longer line thus gives several pieces, each counted as a line.
const size_t kMaxLinePiece = 254;

// The end of the piece that starts at `pos`.
size_t PieceEnd(const uint8_t* bytes, size_t size, size_t pos) {
    size_t end = pos;
    while (end < size && end - pos < kMaxLinePiece) {
        if (bytes[end++] == '\n')
            break;
    }
    return end;
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

bool IsSeparator(char c) {
    return c == ' ' || c == '\n';
}

// Values are tokens of three or more characters between spaces and newlines; shorter
// tokens are skipped. The first nine go to the line's three corners. Returns how many
// values the line held.
int ParseRawLine(const char* piece, size_t length, float* corners) {
    // A zero byte ends the line's text, as it would in a C string.
    const void* zero = std::memchr(piece, '\0', length);
    if (zero)
        length = static_cast<size_t>(static_cast<const char*>(zero) - piece);
    char token[kMaxLinePiece + 1];
    int valueNum = 0;
    size_t pos = 0;
    while (pos < length) {
        while (pos < length && IsSeparator(piece[pos]))
            ++pos;
        const size_t start = pos;
        while (pos < length && !IsSeparator(piece[pos]))
            ++pos;
        if (pos - start >= 3) {
            if (valueNum < 9) {
                std::memcpy(token, piece + start, pos - start);
                token[pos - start] = '\0';
                corners[valueNum] = ToFloat(std::atof(token));
            }
            ++valueNum;
        }
    }
    return valueNum;
}

void ParseAscii(const uint8_t* data, size_t size, const char* fileName, ModelFileData& out) {
    // First pass: count the lines, keeping nothing of them.
    uint64_t lines = 0;
    for (size_t pos = 0; pos < size; pos = PieceEnd(data, size, pos))
        ++lines;
    // Three vertices per line must fit an int32 count, and the arrays the budget.
    if (lines > static_cast<uint64_t>(INT32_MAX / 3) ||
        lines * kRawBytesPerLine > 4 * static_cast<uint64_t>(size) + (1u << 20)) {
        out.messages.push_back(Say("Can't load the mesh in %s, it has too many lines.", fileName));
        return;
    }
    const int32_t lineNum = static_cast<int32_t>(lines);
    // Coordinates missing from a short line stay 0: the arrays start zero-filled.
    MeshArrays mesh;
    mesh.vertexNum = 3 * lineNum;
    mesh.triangleNum = lineNum;
    mesh.vertices = Allocate<float>(9 * lines);
    mesh.normals = Allocate<float>(9 * lines);
    if (lineNum > 0)
        mesh.indices = Allocate<uint32_t>(3 * lines);
    if (!mesh.vertices || !mesh.normals || (lineNum > 0 && !mesh.indices)) {
        out.messages.push_back(NoMemory(fileName));
        return;
    }
    out.warnedLines.assign(lines, false);
    for (uint64_t i = 0; i < 3 * lines; ++i)
        mesh.indices[i] = static_cast<uint32_t>(i);

    size_t pos = 0;
    for (int32_t i = 0; i < lineNum; ++i) {
        const size_t end = PieceEnd(data, size, pos);
        const int valueNum = ParseRawLine(reinterpret_cast<const char*>(data) + pos, end - pos,
                                          mesh.vertices.get() + 9 * static_cast<size_t>(i));
        out.warnedLines[i] = valueNum != 9;
        pos = end;
    }
    out.meshes.push_back(std::move(mesh));
    out.read = true;
}
} // namespace

ModelFileData ReadAsciiMesh(const char* fileName) {
    ModelFileData out;
    out.textFile = true;
    out.fileName = fileName ? fileName : "";
    std::vector<uint8_t> bytes;
    if (!ReadWholeModelFile(fileName, "rt", bytes, out))
        return out;
    return ParseAsciiMesh(bytes.data(), bytes.size(), fileName);
}

ModelFileData ParseAsciiMesh(const uint8_t* data, size_t size, const char* fileName) {
    ModelFileData out;
    out.textFile = true;
    out.fileName = fileName ? fileName : "";
    try {
        ParseAscii(data, size, fileName, out);
    } catch (const std::bad_alloc&) {
        out.meshes.clear();
        out.warnedLines.clear();
        out.read = false;
        out.messages.push_back(NoMemory(fileName));
    }
    return out;
}
