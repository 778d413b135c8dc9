// The two models: a chrome cross and a rounded "rundingdings", closed triangle meshes with
// unit normals, written in the demo's binary .mesh format.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TriangleMesh {
    std::vector<float> vertices; // x, y, z
    std::vector<float> normals;  // unit, x, y, z
    std::vector<uint32_t> indices;
    size_t vertexNum() const { return vertices.size() / 3; }
    size_t triangleNum() const { return indices.size() / 3; }
};

TriangleMesh BuildCross();
TriangleMesh BuildRundingdings();

// One mesh block with normals, no colours, no texture coordinates, no textures.
bool WriteMeshFile(const TriangleMesh& mesh, const std::string& path);
// The same reader rules the demo applies, enough for the preview to draw the files.
bool ReadMeshFile(const std::string& path, TriangleMesh& mesh);

bool WriteMeshes(const std::string& demoDir);
