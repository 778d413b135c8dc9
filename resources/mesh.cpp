// Meshes in client-side arrays compiled into display lists, their normals, and models: the
// meshes and textures of one model file, drawn mesh by mesh.
#include "resources/mesh.h"

#include "base/file_extension.h"
#include "base/report_error.h"
#include "resources/display_list.h"
#include "resources/mesh_file.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <new>
#include <string>
#include <utility>

Mesh::Mesh(int32_t vertexNum, int32_t triangleNum, int32_t texture, bool hasNormals, bool hasColors,
           bool hasTexCoords)
    : texture(texture) {
    // A negative count would make an absurd array size; such a mesh is simply empty.
    this->vertexNum = vertexNum > 0 ? vertexNum : 0;
    this->triangleNum = triangleNum > 0 ? triangleNum : 0;
    const size_t v = static_cast<size_t>(this->vertexNum);
    const size_t t = static_cast<size_t>(this->triangleNum);
    // Zero-filled rather than left unset: a reader that stops early leaves defined values.
    vertices = new float[3 * v]();
    indexed = t > 0;
    if (indexed)
        indices = new uint32_t[3 * t]();
    if (hasNormals)
        normals = new float[3 * v]();
    if (hasColors)
        colors = new float[4 * v]();
    if (hasTexCoords)
        texCoords = new float[2 * v]();
}

Mesh::Mesh(MeshArrays&& arrays)
    : indexed(arrays.triangleNum > 0), texture(arrays.texture), triangleNum(arrays.triangleNum),
      vertexNum(arrays.vertexNum), indices(arrays.indices.release()),
      vertices(arrays.vertices.release()), normals(arrays.normals.release()),
      colors(arrays.colors.release()), texCoords(arrays.texCoords.release()) {}

Mesh::~Mesh() {
    if (list != 0)
        glDeleteLists(list, 1);
    delete[] indices;
    delete[] vertices;
    delete[] normals;
    delete[] colors;
    delete[] texCoords;
}

void Mesh::draw() const {
    if (list != 0)
        glCallList(list);
    else
        drawDirectly();
}

void Mesh::compile() {
    if (list != 0)
        glDeleteLists(list, 1);
    list = 0;
    // Client state is not compiled: the arrays are enabled while compiling, read into the list
    // by the draw call, and disabled again, as after a direct draw.
    list = CompileDisplayList([this] { drawDirectly(); });
}

void Mesh::drawDirectly() const {
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, vertices);
    if (normals) {
        glEnableClientState(GL_NORMAL_ARRAY);
        glNormalPointer(GL_FLOAT, 0, normals);
    }
    if (colors) {
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(4, GL_FLOAT, 0, colors);
    }
    if (texCoords) {
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, 0, texCoords);
    }
    // Indices are trusted here: the readers refuse any index at or beyond vertexNum, as
    // the driver would follow it outside the arrays.
    if (indexed)
        glDrawElements(GL_TRIANGLES, 3 * triangleNum, GL_UNSIGNED_INT, indices);
    else
        glDrawArrays(GL_TRIANGLES, 0, vertexNum);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
}

namespace {
void AddFaceNormal(Mesh& mesh, uint32_t a, uint32_t b, uint32_t c) {
    const float* pa = mesh.vertices + 3 * static_cast<size_t>(a);
    const float* pb = mesh.vertices + 3 * static_cast<size_t>(b);
    const float* pc = mesh.vertices + 3 * static_cast<size_t>(c);
    const float u[3] = {pa[0] - pb[0], pa[1] - pb[1], pa[2] - pb[2]};
    const float v[3] = {pb[0] - pc[0], pb[1] - pc[1], pb[2] - pc[2]};
    // Counter-clockwise seen from the front gives the normal towards the viewer.
    const float n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                        u[0] * v[1] - u[1] * v[0]};
    const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    // A zero-area triangle has no direction to give: it adds nothing rather than NaN. So
    // does one whose cross product overflows or holds NaN.
    if (!(length > 0.0f) || !std::isfinite(length))
        return;
    for (uint32_t corner : {a, b, c}) {
        float* out = mesh.normals + 3 * static_cast<size_t>(corner);
        out[0] += n[0] / length;
        out[1] += n[1] / length;
        out[2] += n[2] / length;
    }
}
} // namespace

bool CalcNormals(Mesh& mesh) {
    const size_t v = static_cast<size_t>(mesh.vertexNum > 0 ? mesh.vertexNum : 0);
    if (!mesh.normals) {
        ReportError("Warning: Calcing normals on Mesh not initialized with a normal array.\n"
                    "Will allocate the array now, but you should consider doing it on init "
                    "for performance.");
        mesh.normals = new float[3 * v]();
    }
    if (v == 0) {
        ReportError("Warning: Told to calc normals on a Mesh, but no vertex data is present.");
        return false;
    }
    std::memset(mesh.normals, 0, 3 * v * sizeof(float));
    if (mesh.indexed) {
        for (int32_t t = 0; t < mesh.triangleNum; ++t) {
            const uint32_t* corner = mesh.indices + 3 * static_cast<size_t>(t);
            if (corner[0] >= v || corner[1] >= v || corner[2] >= v)
                continue;
            AddFaceNormal(mesh, corner[0], corner[1], corner[2]);
        }
    } else {
        // Whole triangles only: trailing vertices short of a triangle are not read past.
        for (size_t i = 0; i + 2 < v; i += 3)
            AddFaceNormal(mesh, static_cast<uint32_t>(i), static_cast<uint32_t>(i + 1),
                          static_cast<uint32_t>(i + 2));
    }
    return true;
}

Model::Model(const char* fileName) {
    if (!fileName)
        return;
    if (HasExtension(fileName, "mesh"))
        BuildModel(*this, ReadBinaryMesh(fileName));
    else if (HasExtension(fileName, "raw"))
        BuildModel(*this, ReadAsciiMesh(fileName));
    else
        ReportError("Can't load model %s, unknown file extension.", fileName);
    for (int32_t i = 0; meshes && i < meshNum; ++i)
        if (meshes[i])
            meshes[i]->compile();
}

namespace {
const char* const kRawWarning =
    "Warning: While parsing an ascii mesh file, more than 9 float values was found on one line.";

// The meshes first (their arrays are only handed over), then the textures by name, as the
// file orders them. Throws std::bad_alloc for the small arrays of pointers.
bool Build(Model& model, ModelFileData& file) {
    for (const std::string& message : file.messages)
        ReportError("%s", message.c_str());
    const size_t meshNum = file.meshes.size();
    if (meshNum > 0) {
        model.meshes = new Mesh*[meshNum]();
        for (size_t i = 0; i < meshNum; ++i) {
            model.meshes[i] = new Mesh(std::move(file.meshes[i]));
            model.meshNum = static_cast<int32_t>(i + 1);
        }
    }
    if (file.textFile && model.meshNum == 1) {
        for (bool warned : file.warnedLines) {
            std::fputc('\n', stdout);
            if (warned)
                ReportError(kRawWarning);
        }
        CalcNormals(*model.meshes[0]);
    }
    const size_t textureNum = file.textureNames.size();
    if (textureNum > 0) {
        model.textures = new Texture*[textureNum]();
        for (size_t i = 0; i < textureNum; ++i) {
            Texture* texture = new Texture;
            model.textures[i] = texture;
            model.textureNum = static_cast<int32_t>(i + 1);
            texture->loaded = LoadTexture(*texture, file.textureNames[i].c_str());
        }
    }
    if (!file.lastMessage.empty())
        ReportError("%s", file.lastMessage.c_str());
    return file.read;
}
} // namespace

bool BuildModel(Model& model, ModelFileData&& file) {
    try {
        return Build(model, file);
    } catch (const std::bad_alloc&) {
        // The model keeps what was built; meshNum and textureNum count only real entries.
        ReportError("Can't load the mesh in %s, there is not enough memory for it.",
                    file.fileName.c_str());
        return false;
    }
}

Model::~Model() {
    for (int32_t i = 0; meshes && i < meshNum; ++i)
        delete meshes[i];
    for (int32_t i = 0; textures && i < textureNum; ++i)
        delete textures[i];
    delete[] meshes;
    delete[] textures;
}

void Model::draw() const {
    if (meshNum <= 0 || !meshes) {
        ReportError("Warning: Drawing model where meshNum is 0 or meshes is NULL");
        return;
    }
    for (int32_t i = 0; i < meshNum; ++i) {
        const Mesh* mesh = meshes[i];
        if (!mesh)
            continue;
        // An index past the textures this model holds is never looked up: the mesh is
        // drawn as one without a texture, with GL_TEXTURE_2D left as the caller set it.
        const bool hasTexture =
            mesh->texture >= 0 && mesh->texture < textureNum && textures && textures[mesh->texture];
        if (hasTexture) {
            bind(*textures[mesh->texture]);
            mesh->draw();
            // Also when the texture failed to load and bind left texturing alone.
            glDisable(GL_TEXTURE_2D);
        } else {
            mesh->draw();
        }
    }
}
