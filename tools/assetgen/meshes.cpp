// Mesh construction. The cross is the zero surface of a signed distance (three rounded bars)
// polygonised with surface nets; the rundingdings is a subdivided icosahedron pushed out by
// a smooth, twisted four-lobed radius. Both come out closed and wound counter-clockwise seen
// from outside.
#include "meshes.h"

#include "image.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>

namespace {
struct Vec3 {
    double x, y, z;
};
Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3 operator*(Vec3 a, double k) {
    return {a.x * k, a.y * k, a.z * k};
}
double Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 Normalised(Vec3 a) {
    double len = std::sqrt(Dot(a, a));
    return len > 0 ? a * (1.0 / len) : Vec3{0, 0, 1};
}

// Arm length from the centre and half thickness of each bar, in units: 4.6 across, clear of
// the sphere field's 7-unit hollow with room to tumble.
constexpr double kArm = 2.3;
constexpr double kHalfThickness = 0.6;
// Exponent of the bars' superellipsoid: 4 gives rounded-square sections whose faces curve
// gently all over, so the chrome's reflections slide across them instead of sitting flat.
constexpr double kExponent = 4.0;
// Width of the fillet where the arms meet.
constexpr double kFillet = 0.18;

// Negative inside one bar; about a distance near its long sides.
double Bar(Vec3 p, Vec3 half) {
    double sum = std::pow(std::fabs(p.x) / half.x, kExponent) +
                 std::pow(std::fabs(p.y) / half.y, kExponent) +
                 std::pow(std::fabs(p.z) / half.z, kExponent);
    return (std::pow(sum, 1.0 / kExponent) - 1.0) * kHalfThickness;
}

// Polynomial smooth minimum: a rounded inner edge instead of a crease.
double SmoothMin(double a, double b, double width) {
    double h = std::max(width - std::fabs(a - b), 0.0) / width;
    return std::min(a, b) - h * h * width * 0.25;
}

double CrossDistance(Vec3 p) {
    const double a = kHalfThickness;
    double d = SmoothMin(Bar(p, {kArm, a, a}), Bar(p, {a, kArm, a}), kFillet);
    return SmoothMin(d, Bar(p, {a, a, kArm}), kFillet);
}

Vec3 RawGradient(Vec3 p) {
    const double e = 1e-5;
    return Vec3{CrossDistance({p.x + e, p.y, p.z}) - CrossDistance({p.x - e, p.y, p.z}),
                CrossDistance({p.x, p.y + e, p.z}) - CrossDistance({p.x, p.y - e, p.z}),
                CrossDistance({p.x, p.y, p.z + e}) - CrossDistance({p.x, p.y, p.z - e})} *
           (0.5 / e);
}

Vec3 Gradient(Vec3 p) {
    return Normalised(RawGradient(p));
}

void PushVertex(TriangleMesh& mesh, Vec3 p, Vec3 n) {
    mesh.vertices.insert(mesh.vertices.end(), {static_cast<float>(p.x), static_cast<float>(p.y),
                                               static_cast<float>(p.z)});
    n = Normalised(n);
    mesh.normals.insert(mesh.normals.end(), {static_cast<float>(n.x), static_cast<float>(n.y),
                                             static_cast<float>(n.z)});
}
} // namespace

TriangleMesh BuildCross() {
    // The grid is offset by a fraction of a cell so that no flat face of the cross falls
    // on a grid plane (that would give corners exactly on the surface and zero-area quads).
    const int n = 76;
    const double extent = kArm + 0.12;
    const double cell = 2.0 * extent / n;
    const double origin = -extent + cell * 0.371;
    auto at = [&](int i) { return origin + i * cell; };
    auto idx = [&](int i, int j, int k) {
        return (static_cast<size_t>(k) * (n + 1) + j) * (n + 1) + i;
    };
    std::vector<double> field(static_cast<size_t>(n + 1) * (n + 1) * (n + 1));
    for (int k = 0; k <= n; ++k)
        for (int j = 0; j <= n; ++j)
            for (int i = 0; i <= n; ++i)
                field[idx(i, j, k)] = CrossDistance({at(i), at(j), at(k)});

    TriangleMesh mesh;
    // One vertex per cell that the surface crosses: the mean of its edge crossings, then
    // moved onto the surface along the gradient.
    std::vector<int32_t> cellVertex(static_cast<size_t>(n) * n * n, -1);
    auto cellIndex = [&](int i, int j, int k) { return (static_cast<size_t>(k) * n + j) * n + i; };
    static const int corner[8][3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0},
                                     {0, 0, 1}, {1, 0, 1}, {0, 1, 1}, {1, 1, 1}};
    static const int edges[12][2] = {{0, 1}, {2, 3}, {4, 5}, {6, 7}, {0, 2}, {1, 3},
                                     {4, 6}, {5, 7}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
    for (int k = 0; k < n; ++k)
        for (int j = 0; j < n; ++j)
            for (int i = 0; i < n; ++i) {
                double v[8];
                int inside = 0;
                for (int c = 0; c < 8; ++c) {
                    v[c] = field[idx(i + corner[c][0], j + corner[c][1], k + corner[c][2])];
                    inside += v[c] < 0 ? 1 : 0;
                }
                if (inside == 0 || inside == 8)
                    continue;
                Vec3 sum{0, 0, 0};
                int count = 0;
                for (const auto& e : edges) {
                    double a = v[e[0]], b = v[e[1]];
                    if ((a < 0) == (b < 0))
                        continue;
                    double t = a / (a - b);
                    Vec3 pa = {at(i + corner[e[0]][0]), at(j + corner[e[0]][1]),
                               at(k + corner[e[0]][2])};
                    Vec3 pb = {at(i + corner[e[1]][0]), at(j + corner[e[1]][1]),
                               at(k + corner[e[1]][2])};
                    sum = sum + pa + (pb - pa) * t;
                    ++count;
                }
                Vec3 p = sum * (1.0 / count);
                // The field is not a true distance, so each step divides by the gradient's length.
                for (int step = 0; step < 6; ++step) {
                    Vec3 g = RawGradient(p);
                    double len2 = Dot(g, g);
                    if (len2 > 0)
                        p = p - g * (CrossDistance(p) / len2);
                }
                cellVertex[cellIndex(i, j, k)] = static_cast<int32_t>(mesh.vertexNum());
                PushVertex(mesh, p, Gradient(p));
            }
    // One quad per grid edge that the surface crosses, joining the four cells around it.
    // Going round the edge's axis counter-clockwise faces the quad along +axis; it is
    // reversed when the inside lies at the edge's far end.
    auto quad = [&](int32_t a, int32_t b, int32_t c, int32_t d, bool flip) {
        if (a < 0 || b < 0 || c < 0 || d < 0)
            return;
        if (flip)
            std::swap(b, d);
        auto pos = [&](int32_t v) {
            return Vec3{mesh.vertices[v * 3], mesh.vertices[v * 3 + 1], mesh.vertices[v * 3 + 2]};
        };
        // Split along the shorter diagonal.
        Vec3 ac = pos(a) - pos(c), bd = pos(b) - pos(d);
        if (Dot(ac, ac) <= Dot(bd, bd))
            mesh.indices.insert(mesh.indices.end(), {uint32_t(a), uint32_t(b), uint32_t(c),
                                                     uint32_t(a), uint32_t(c), uint32_t(d)});
        else
            mesh.indices.insert(mesh.indices.end(), {uint32_t(a), uint32_t(b), uint32_t(d),
                                                     uint32_t(b), uint32_t(c), uint32_t(d)});
    };
    for (int k = 1; k < n; ++k)
        for (int j = 1; j < n; ++j)
            for (int i = 1; i < n; ++i) {
                double v0 = field[idx(i, j, k)];
                bool in0 = v0 < 0;
                if (in0 != (field[idx(i + 1, j, k)] < 0) && i < n)
                    quad(cellVertex[cellIndex(i, j - 1, k - 1)], cellVertex[cellIndex(i, j, k - 1)],
                         cellVertex[cellIndex(i, j, k)], cellVertex[cellIndex(i, j - 1, k)], !in0);
                if (in0 != (field[idx(i, j + 1, k)] < 0) && j < n)
                    quad(cellVertex[cellIndex(i - 1, j, k - 1)], cellVertex[cellIndex(i - 1, j, k)],
                         cellVertex[cellIndex(i, j, k)], cellVertex[cellIndex(i, j, k - 1)], !in0);
                if (in0 != (field[idx(i, j, k + 1)] < 0) && k < n)
                    quad(cellVertex[cellIndex(i - 1, j - 1, k)], cellVertex[cellIndex(i, j - 1, k)],
                         cellVertex[cellIndex(i, j, k)], cellVertex[cellIndex(i - 1, j, k)], !in0);
            }
    return mesh;
}

namespace {
// Radius of the rundingdings in unit direction d: four lobes about the x axis (the axis it
// rolls about in the demo), twisted along it, a little longer along x. The lobe term is
// Re((y + iz)^4 e^(i 4 twist x)), a polynomial, so the surface is smooth at the poles too.
double RundingRadius(Vec3 d) {
    double y2 = d.y * d.y, z2 = d.z * d.z;
    double re = y2 * y2 - 6 * y2 * z2 + z2 * z2;
    double im = 4 * (d.y * y2 * d.z - d.y * d.z * z2);
    double twist = 4.0 * 0.9 * d.x;
    double lobes = re * std::cos(twist) - im * std::sin(twist);
    return 1.06 + 0.3 * lobes + 0.12 * d.x * d.x;
}
} // namespace

TriangleMesh BuildRundingdings() {
    // Icosahedron, subdivided four times: 2562 vertices, 5120 triangles, no poles.
    const double t = (1.0 + std::sqrt(5.0)) / 2.0;
    std::vector<Vec3> points = {{-1, t, 0}, {1, t, 0}, {-1, -t, 0}, {1, -t, 0},
                                {0, -1, t}, {0, 1, t}, {0, -1, -t}, {0, 1, -t},
                                {t, 0, -1}, {t, 0, 1}, {-t, 0, -1}, {-t, 0, 1}};
    for (auto& p : points)
        p = Normalised(p);
    std::vector<std::array<uint32_t, 3>> faces = {
        {0, 11, 5},  {0, 5, 1},  {0, 1, 7},  {0, 7, 10}, {0, 10, 11}, {1, 5, 9}, {5, 11, 4},
        {11, 10, 2}, {10, 7, 6}, {7, 1, 8},  {3, 9, 4},  {3, 4, 2},   {3, 2, 6}, {3, 6, 8},
        {3, 8, 9},   {4, 9, 5},  {2, 4, 11}, {6, 2, 10}, {8, 6, 7},   {9, 8, 1}};
    for (int level = 0; level < 4; ++level) {
        std::map<std::pair<uint32_t, uint32_t>, uint32_t> middle;
        auto mid = [&](uint32_t a, uint32_t b) {
            auto key = std::make_pair(std::min(a, b), std::max(a, b));
            auto it = middle.find(key);
            if (it != middle.end())
                return it->second;
            points.push_back(Normalised(points[a] + points[b]));
            uint32_t index = static_cast<uint32_t>(points.size() - 1);
            middle[key] = index;
            return index;
        };
        std::vector<std::array<uint32_t, 3>> next;
        for (const auto& f : faces) {
            uint32_t ab = mid(f[0], f[1]), bc = mid(f[1], f[2]), ca = mid(f[2], f[0]);
            next.push_back({f[0], ab, ca});
            next.push_back({f[1], bc, ab});
            next.push_back({f[2], ca, bc});
            next.push_back({ab, bc, ca});
        }
        faces.swap(next);
    }
    std::vector<Vec3> positions;
    for (const auto& d : points)
        positions.push_back(d * RundingRadius(d));
    // Smooth normals: area-weighted sums of the face normals around each vertex.
    std::vector<Vec3> normals(positions.size(), Vec3{0, 0, 0});
    TriangleMesh mesh;
    for (const auto& f : faces) {
        Vec3 n = Cross(positions[f[1]] - positions[f[0]], positions[f[2]] - positions[f[0]]);
        for (uint32_t v : f)
            normals[v] = normals[v] + n;
        mesh.indices.insert(mesh.indices.end(), {f[0], f[1], f[2]});
    }
    for (size_t i = 0; i < positions.size(); ++i)
        PushVertex(mesh, positions[i], normals[i]);
    return mesh;
}

namespace {
void PutInt(std::vector<unsigned char>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}
void PutFloat(std::vector<unsigned char>& out, float f) {
    uint32_t bits;
    std::memcpy(&bits, &f, 4);
    PutInt(out, bits);
}
} // namespace

bool WriteMeshFile(const TriangleMesh& mesh, const std::string& path) {
    std::vector<unsigned char> out;
    // Header: flag 78 ('N'), version 1, one mesh, no textures.
    for (uint32_t v : {78u, 1u, 1u, 0u})
        PutInt(out, v);
    // Block: vertexNum, triangleNum, hasNormals, hasColors, hasTexCoords, texture (none).
    for (uint32_t v : {uint32_t(mesh.vertexNum()), uint32_t(mesh.triangleNum()), 1u, 0u, 0u, 0u})
        PutInt(out, v);
    for (float f : mesh.vertices)
        PutFloat(out, f);
    for (uint32_t i : mesh.indices)
        PutInt(out, i);
    for (float f : mesh.normals)
        PutFloat(out, f);
    if (!MakeParentFolder(path))
        return false;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && ok;
}

bool ReadMeshFile(const std::string& path, TriangleMesh& mesh) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::vector<unsigned char> bytes;
    unsigned char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    std::fclose(file);
    size_t at = 0;
    auto word = [&](uint32_t& v) {
        if (at + 4 > bytes.size())
            return false;
        v = bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t(bytes[at + 3]) << 24;
        at += 4;
        return true;
    };
    uint32_t flag, version, meshNum, textureNum, vn, tn, hasNormals, hasColors, hasTex, texture;
    if (!word(flag) || !word(version) || !word(meshNum) || !word(textureNum) || flag != 78 ||
        version > 1 || meshNum < 1 || !word(vn) || !word(tn) || !word(hasNormals) ||
        !word(hasColors) || !word(hasTex) || !word(texture))
        return false;
    uint64_t need = 12ull * vn + 12ull * tn + (hasNormals ? 12ull * vn : 0);
    if (need > bytes.size() - at || !hasNormals)
        return false;
    mesh.vertices.resize(size_t(vn) * 3);
    mesh.indices.resize(size_t(tn) * 3);
    mesh.normals.resize(size_t(vn) * 3);
    std::memcpy(mesh.vertices.data(), &bytes[at], mesh.vertices.size() * 4);
    at += mesh.vertices.size() * 4;
    std::memcpy(mesh.indices.data(), &bytes[at], mesh.indices.size() * 4);
    at += mesh.indices.size() * 4;
    std::memcpy(mesh.normals.data(), &bytes[at], mesh.normals.size() * 4);
    for (uint32_t i : mesh.indices)
        if (i >= vn)
            return false;
    return true;
}

bool WriteMeshes(const std::string& demoDir) {
    struct Job {
        const char* path;
        TriangleMesh (*build)();
    };
    for (const Job& job : {Job{"/Models/cross.mesh", BuildCross},
                           Job{"/Models/rundingdings.mesh", BuildRundingdings}}) {
        TriangleMesh mesh = job.build();
        std::string path = demoDir + job.path;
        if (!WriteMeshFile(mesh, path)) {
            std::fprintf(stderr, "assetgen: can't write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}
