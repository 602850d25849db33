// The matrix maths of glTF's node transforms, in double precision until a corner is stored.
#include "building/GltfTransform.h"

#include <algorithm>
#include <cmath>

namespace {

double at(const std::vector<double>& values, std::size_t i, double otherwise)
{
    return i < values.size() ? values[i] : otherwise;
}

double determinant(const GltfMatrix& m)
{
    return m[0] * (m[5] * m[10] - m[9] * m[6]) - m[4] * (m[1] * m[10] - m[9] * m[2]) + m[8] * (m[1] * m[6] - m[5] * m[2]);
}

}  // namespace

GltfMatrix multiply(const GltfMatrix& a, const GltfMatrix& b)
{
    GltfMatrix r{};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 4; ++k)
                r[std::size_t(col * 4 + row)] += a[std::size_t(k * 4 + row)] * b[std::size_t(col * 4 + k)];
    return r;
}

GltfMatrix localMatrix(const tinygltf::Node& node)
{
    if (node.matrix.size() == 16) {
        GltfMatrix m;
        std::copy(node.matrix.begin(), node.matrix.end(), m.begin());
        return m;
    }
    const double qx = at(node.rotation, 0, 0), qy = at(node.rotation, 1, 0), qz = at(node.rotation, 2, 0),
                 qw = at(node.rotation, 3, 1);
    const double sx = at(node.scale, 0, 1), sy = at(node.scale, 1, 1), sz = at(node.scale, 2, 1);
    return {(1 - 2 * (qy * qy + qz * qz)) * sx, 2 * (qx * qy + qz * qw) * sx, 2 * (qx * qz - qy * qw) * sx, 0,
            2 * (qx * qy - qz * qw) * sy, (1 - 2 * (qx * qx + qz * qz)) * sy, 2 * (qy * qz + qx * qw) * sy, 0,
            2 * (qx * qz + qy * qw) * sz, 2 * (qy * qz - qx * qw) * sz, (1 - 2 * (qx * qx + qy * qy)) * sz, 0,
            at(node.translation, 0, 0), at(node.translation, 1, 0), at(node.translation, 2, 0), 1};
}

bool allFinite(const GltfMatrix& m)
{
    return std::all_of(m.begin(), m.end(), [](double v) { return std::isfinite(v); });
}

Vec3 transformPoint(const GltfMatrix& m, Vec3 p)
{
    return Vec3(float(m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12]), float(m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13]),
                float(m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]));
}

Vec3 transformDirection(const GltfMatrix& m, Vec3 d)
{
    return Vec3(float(m[0] * d.x + m[4] * d.y + m[8] * d.z), float(m[1] * d.x + m[5] * d.y + m[9] * d.z),
                float(m[2] * d.x + m[6] * d.y + m[10] * d.z));
}

// Normals go through the inverse transpose: the cofactors of the upper 3 x 3, which differ from
// it by the determinant's factor only (the normal is made unit length afterwards).
GltfMatrix normalMatrix(const GltfMatrix& m)
{
    const auto a = [&m](int row, int col) { return m[std::size_t(col * 4 + row)]; };
    GltfMatrix n{};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const int r1 = (row + 1) % 3, r2 = (row + 2) % 3, c1 = (col + 1) % 3, c2 = (col + 2) % 3;
            n[std::size_t(col * 4 + row)] = a(r1, c1) * a(r2, c2) - a(r1, c2) * a(r2, c1);
        }
    n[15] = 1;
    return n;
}

bool mirrors(const GltfMatrix& m)
{
    return determinant(m) < 0;
}
