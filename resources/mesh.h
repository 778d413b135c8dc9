// Meshes (one triangle list in client-side arrays, compiled once into a display list) and
// models (the meshes and textures of one model file).
#pragma once

#include "resources/texture.h"

#include <cstdint>

struct MeshArrays;
struct ModelFileData;

struct Mesh {
    // Arrays allocated to their sizes, contents unset.
    Mesh(int32_t vertexNum, int32_t triangleNum, int32_t texture, bool hasNormals, bool hasColors,
         bool hasTexCoords);
    // Takes over the arrays a file reader made.
    explicit Mesh(MeshArrays&& arrays);
    ~Mesh();
    Mesh(const Mesh&) = delete;
    Mesh& operator=(const Mesh&) = delete;

    // Through the list once compiled, else straight from the arrays.
    void draw() const;
    void drawDirectly() const;
    // Hands the arrays as they are now to the driver; later changes to them are not seen.
    void compile();

    bool indexed = false;
    int32_t texture = -1; // index into the model's textures; -1 untextured
    int32_t triangleNum = 0;
    int32_t vertexNum = 0;
    uint32_t* indices = nullptr;
    float* vertices = nullptr;
    float* normals = nullptr;
    float* colors = nullptr;
    float* texCoords = nullptr;
    GLuint list = 0; // 0: not compiled
};

// Sums unit face normals into each corner's normal; allocates the array if missing.
bool CalcNormals(Mesh& mesh);

struct Model {
    // Picks the reader by extension: "mesh" binary, "raw" text, and compiles the meshes.
    // A null name: empty model.
    explicit Model(const char* fileName);
    ~Model();
    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;

    void draw() const;

    int32_t meshNum = 0;
    int32_t textureNum = 0;
    Texture** textures = nullptr;
    Mesh** meshes = nullptr;
};

// Fills an empty model from what a file reader returned, reporting the reader's messages, the
// text file's line feeds and warnings, and the textures' own reports in the order the file gave
// them. Returns whether the whole file was read. Allocation failures are reported, not thrown.
bool BuildModel(Model& model, ModelFileData&& file);
