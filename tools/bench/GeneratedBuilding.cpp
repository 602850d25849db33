#include "GeneratedBuilding.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void put32(Bytes& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void putFloat(Bytes& b, float f)
{
    std::uint32_t v;
    std::memcpy(&v, &f, 4);
    put32(b, v);
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
    std::fclose(f);
}

// Quad q of band m: 0.5 m squares, rows of 100 along x, bands one after another along z.
void quadCorner(int m, long q, int corner, long quadsPerMaterial, float& x, float& z)
{
    const long rows = (quadsPerMaterial + 99) / 100;
    const long row = m * rows + q / 100, column = q % 100;
    x = 0.5f * float(column + (corner == 1 || corner == 2 ? 1 : 0));
    z = 0.5f * float(row + (corner >= 2 ? 1 : 0));
}

std::string glbBytes(int materials, long quads)
{
    Bytes bin;
    std::string accessors, views, meshes, materialList;
    int view = 0;
    const auto addView = [&](std::size_t start, const std::string& accessor) {
        views += std::string(view ? "," : "") + "{\"buffer\":0,\"byteOffset\":" + std::to_string(start) +
                 ",\"byteLength\":" + std::to_string(bin.size() - start) + "}";
        accessors += std::string(view ? "," : "") + "{\"bufferView\":" + std::to_string(view) + "," + accessor + "}";
        return view++;
    };
    for (int m = 0; m < materials; ++m) {
        std::size_t start = bin.size();
        for (long q = 0; q < quads; ++q)
            for (int c = 0; c < 4; ++c) {
                float x, z;
                quadCorner(m, q, c, quads, x, z);
                putFloat(bin, x), putFloat(bin, 0.0f), putFloat(bin, z);
            }
        const std::string count = std::to_string(quads * 4);
        const int positions = addView(start, "\"componentType\":5126,\"count\":" + count + ",\"type\":\"VEC3\"");
        start = bin.size();
        for (long c = 0; c < quads * 4; ++c)
            putFloat(bin, 0.0f), putFloat(bin, 1.0f), putFloat(bin, 0.0f);
        const int normals = addView(start, "\"componentType\":5126,\"count\":" + count + ",\"type\":\"VEC3\"");
        start = bin.size();
        for (long c = 0; c < quads * 4; ++c)
            putFloat(bin, float(c % 4 == 1 || c % 4 == 2)), putFloat(bin, float(c % 4 >= 2));
        const int uvs = addView(start, "\"componentType\":5126,\"count\":" + count + ",\"type\":\"VEC2\"");
        start = bin.size();
        for (long q = 0; q < quads; ++q)
            for (std::uint32_t i : {0u, 3u, 2u, 0u, 2u, 1u})
                put32(bin, std::uint32_t(q * 4) + i);
        const int indices = addView(start, "\"componentType\":5125,\"count\":" + std::to_string(quads * 6) + ",\"type\":\"SCALAR\"");
        meshes += std::string(m ? "," : "") + "{\"attributes\":{\"POSITION\":" + std::to_string(positions) + ",\"NORMAL\":" +
                  std::to_string(normals) + ",\"TEXCOORD_0\":" + std::to_string(uvs) + "},\"indices\":" + std::to_string(indices) +
                  ",\"material\":" + std::to_string(m) + "}";
        materialList += std::string(m ? "," : "") + "{\"name\":\"m" + std::to_string(m) +
                        "\",\"pbrMetallicRoughness\":{\"baseColorFactor\":[0.5,0.5," + std::to_string(m % 10 / 10.0) + ",1]}}";
    }
    std::string json = "{\"asset\":{\"version\":\"2.0\"},\"scene\":0,\"scenes\":[{\"nodes\":[0]}],\"nodes\":[{\"mesh\":0}],"
                       "\"meshes\":[{\"primitives\":[" + meshes + "]}],\"materials\":[" + materialList + "],\"accessors\":[" +
                       accessors + "],\"bufferViews\":[" + views + "],\"buffers\":[{\"byteLength\":" + std::to_string(bin.size()) + "}]}";
    while (json.size() % 4)
        json += ' ';
    Bytes out;
    put32(out, 0x46546C67), put32(out, 2), put32(out, std::uint32_t(28 + json.size() + bin.size()));
    put32(out, std::uint32_t(json.size())), put32(out, 0x4E4F534A);
    out.insert(out.end(), json.begin(), json.end());
    put32(out, std::uint32_t(bin.size())), put32(out, 0x004E4942);
    out.insert(out.end(), bin.begin(), bin.end());
    return std::string(out.begin(), out.end());
}

std::string objText(int materials, long quads)
{
    std::string text = "mtllib bench-building.mtl\nvn 0 1 0\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n";
    char line[160];
    long vertex = 1;
    for (int m = 0; m < materials; ++m) {
        text += "o band" + std::to_string(m) + "\nusemtl m" + std::to_string(m) + "\n";
        for (long q = 0; q < quads; ++q) {
            for (int c = 0; c < 4; ++c) {
                float x, z;
                quadCorner(m, q, c, quads, x, z);
                std::snprintf(line, sizeof line, "v %g 0 %g\n", double(x), double(z));
                text += line;
            }
            std::snprintf(line, sizeof line, "f %ld/1/1 %ld/4/1 %ld/3/1 %ld/2/1\n", vertex, vertex + 3, vertex + 2, vertex + 1);
            text += line;
            vertex += 4;
        }
    }
    return text;
}

}  // namespace

GeneratedBuilding writeBenchBuilding(const std::string& folder, int materials, long quadsPerMaterial)
{
    GeneratedBuilding building{folder + "bench-building.glb", folder + "bench-building.obj", 2 * materials * quadsPerMaterial, materials};
    writeFile(building.glb, glbBytes(materials, quadsPerMaterial));
    writeFile(building.obj, objText(materials, quadsPerMaterial));
    std::string mtl;
    for (int m = 0; m < materials; ++m)
        mtl += "newmtl m" + std::to_string(m) + "\nKd 0.5 0.5 " + std::to_string(m % 10 / 10.0) + "\n";
    writeFile(folder + "bench-building.mtl", mtl);
    return building;
}
