// The test building written as a glTF binary file and as an OBJ file with its .mtl, from the
// one source, with the wall's small picture beside them.
#include "test_building.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC  // its own copy: the tests link the program's too
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace test_building {
namespace {

using Bytes = std::vector<std::uint8_t>;

bool writeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    return bool(out);
}

// The picture's texture coordinates: metres along the wall, one tile each.
float tileS(const Point& p) { return p.x; }
float tileT(const Point& p) { return p.y; }

Point placed(const Object& object, const Point& p)
{
    return {p.x + object.offset.x, p.y + object.offset.y, p.z + object.offset.z};
}

void appendPng(const unsigned char* pixels, int size, std::string& text)
{
    stbi_write_png_to_func([](void* context, void* data, int n) { static_cast<std::string*>(context)->append(static_cast<char*>(data), std::size_t(n)); },
                           &text, size, size, 3, pixels, size * 3);
}

std::string wallPicture()
{
    const std::vector<unsigned char> pixels = wallPixels();
    std::string png;
    appendPng(pixels.data(), 16, png);
    return png;
}

std::string objText(const Source& source)
{
    std::ostringstream obj;
    obj << "# halvane's test building, metres, +Y up\nmtllib test-building.mtl\n";
    long written = 0;
    for (const Object& object : source.objects) {
        obj << "o " << object.name << "\nusemtl " << object.material << "\n";
        for (const Face& face : object.faces) {
            for (const Point& c : face.corners) {
                const Point p = placed(object, c);
                obj << "v " << p.x << " " << p.y << " " << p.z << "\nvt " << tileS(p) << " " << tileT(p) << "\n";
            }
            obj << "f";
            const long n = long(face.corners.size());
            for (long i = 0; i < n; ++i) {
                const long index = object.relativeIndices ? i - n : written + i + 1;
                obj << " " << index << "/" << index;
            }
            obj << "\n";
            written += n;
        }
    }
    return obj.str();
}

std::string mtlText(const Source& source)
{
    std::ostringstream mtl;
    for (const Material& m : source.materials) {
        mtl << "newmtl " << m.name << "\nKd " << m.colour[0] << " " << m.colour[1] << " " << m.colour[2] << "\n";
        if (m.blend)
            mtl << "d " << m.colour[3] << "\n";
        if (!m.picture.empty())
            mtl << "map_Kd " << m.picture << "\n";
    }
    return mtl.str();
}

void put32(Bytes& bytes, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(std::uint8_t(v >> (8 * i)));
}

void putFloat(Bytes& bytes, float f)
{
    std::uint32_t v;
    std::memcpy(&v, &f, 4);
    put32(bytes, v);
}

std::string number(float f)
{
    std::ostringstream text;
    text << f;
    return text.str();
}

// One mesh per object: positions, normals and texture coordinates, then 32-bit indices cutting
// each face as a fan from its `fan` corner; the object's offset goes to its node.
struct GlbWriter {
    const Source& source;
    std::string variant;  // see testBuildingVariantGlb
    Bytes bin;
    std::string views, accessors, meshes, nodes;
    int viewCount = 0;

    int addView(std::size_t start, std::size_t target)
    {
        views += std::string(viewCount ? "," : "") + "{\"buffer\":0,\"byteOffset\":" + std::to_string(start) +
                 ",\"byteLength\":" + std::to_string(bin.size() - start) + ",\"target\":" + std::to_string(target) + "}";
        return viewCount++;
    }

    void addAccessor(int view, std::size_t count, const char* type, int component, const std::string& bounds)
    {
        accessors += std::string(view ? "," : "") + "{\"bufferView\":" + std::to_string(view) + ",\"componentType\":" +
                     std::to_string(component) + ",\"count\":" + std::to_string(count) + ",\"type\":\"" + type + "\"" + bounds + "}";
    }

    int materialIndex(const std::string& name) const
    {
        for (std::size_t m = 0; m < source.materials.size(); ++m)
            if (source.materials[m].name == name)
                return int(m);
        return 0;
    }

    void addObject(std::size_t index, const Object& object)
    {
        std::vector<Point> corners;
        std::vector<std::uint32_t> indices;
        std::vector<Point> normals;
        for (const Face& face : object.faces) {
            const std::uint32_t first = std::uint32_t(corners.size());
            const std::size_t n = face.corners.size();
            const Point a = face.corners[0], b = face.corners[1], c = face.corners[2];
            Point normal = {(b.y - a.y) * (c.z - a.z) - (b.z - a.z) * (c.y - a.y), (b.z - a.z) * (c.x - a.x) - (b.x - a.x) * (c.z - a.z),
                            (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x)};
            const float length = std::sqrt(normal.x * normal.x + normal.y * normal.y + normal.z * normal.z);
            normal = {normal.x / length, normal.y / length, normal.z / length};
            for (const Point& p : face.corners) {
                corners.push_back(p);
                normals.push_back(normal);
            }
            for (std::size_t i = 1; i + 1 < n; ++i)
                indices.insert(indices.end(), {first + std::uint32_t(face.fan), first + std::uint32_t((face.fan + i) % n),
                                               first + std::uint32_t((face.fan + i + 1) % n)});
        }
        Point low = corners[0], high = corners[0];
        for (const Point& p : corners) {
            low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
            high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
        }
        const int first = viewCount;
        std::size_t start = bin.size();
        for (const Point& p : corners)
            putFloat(bin, p.x), putFloat(bin, p.y), putFloat(bin, p.z);
        addAccessor(addView(start, 34962), corners.size(), "VEC3", 5126,
                    ",\"min\":[" + number(low.x) + "," + number(low.y) + "," + number(low.z) + "],\"max\":[" + number(high.x) +
                        "," + number(high.y) + "," + number(high.z) + "]");
        start = bin.size();
        for (const Point& n : normals)
            putFloat(bin, n.x), putFloat(bin, n.y), putFloat(bin, n.z);
        addAccessor(addView(start, 34962), corners.size(), "VEC3", 5126, "");
        start = bin.size();
        for (const Point& c : corners) {
            const Point p = placed(object, c);
            putFloat(bin, tileS(p)), putFloat(bin, 1.0f - tileT(p));  // glTF's v runs down the picture
        }
        addAccessor(addView(start, 34962), corners.size(), "VEC2", 5126, "");
        std::string extraAttributes;
        if (variant == "second-uv") {  // the first set is of no use: the picture takes the second
            start = bin.size();
            for (std::size_t i = 0; i < corners.size(); ++i)
                putFloat(bin, 0.37f), putFloat(bin, 0.61f);
            addAccessor(addView(start, 34962), corners.size(), "VEC2", 5126, "");
            extraAttributes = ",\"TEXCOORD_1\":" + std::to_string(first + 2) + ",\"TEXCOORD_0\":" + std::to_string(first + 3);
        } else if (variant == "vertex-colours") {  // the material's colour given by every corner
            start = bin.size();
            const float* colour = source.materials[std::size_t(materialIndex(object.material))].colour;
            for (std::size_t i = 0; i < corners.size(); ++i)
                putFloat(bin, colour[0]), putFloat(bin, colour[1]), putFloat(bin, colour[2]);
            addAccessor(addView(start, 34962), corners.size(), "VEC3", 5126, "");
            extraAttributes = ",\"TEXCOORD_0\":" + std::to_string(first + 2) + ",\"COLOR_0\":" + std::to_string(first + 3);
        } else {
            extraAttributes = ",\"TEXCOORD_0\":" + std::to_string(first + 2);
        }
        const int indexAccessor = viewCount;
        start = bin.size();
        for (std::uint32_t i : indices)
            put32(bin, i);
        addAccessor(addView(start, 34963), indices.size(), "SCALAR", 5125, "");
        meshes += std::string(index ? "," : "") + "{\"name\":\"" + object.name + "\",\"primitives\":[{\"attributes\":{\"POSITION\":" +
                  std::to_string(first) + ",\"NORMAL\":" + std::to_string(first + 1) + extraAttributes +
                  "},\"indices\":" + std::to_string(indexAccessor) + ",\"material\":" + std::to_string(materialIndex(object.material)) + "}]}";
        nodes += std::string(index ? "," : "") + "{\"name\":\"" + object.name + "\",\"mesh\":" + std::to_string(index) +
                 ",\"translation\":[" + number(object.offset.x) + "," + number(object.offset.y) + "," + number(object.offset.z) + "]}";
    }

    // The material's colour and picture as the variant gives them.
    std::string materialJson(const Material& material) const
    {
        const float* c = material.colour;
        const bool glow = variant == "emissive" && !material.blend;
        const bool white = variant == "vertex-colours" || glow;
        const std::string factor = white ? std::string(glow ? "[0,0,0," : "[1,1,1,") + number(c[3]) + "]"
                                         : "[" + number(c[0]) + "," + number(c[1]) + "," + number(c[2]) + "," + number(c[3]) + "]";
        const std::string texture = std::string("{\"index\":0") + (variant == "second-uv" ? ",\"texCoord\":1}" : "}");
        const bool picture = !material.picture.empty();
        std::string json = "{\"name\":\"" + material.name + "\"";
        if (variant == "specular-glossiness")
            json += ",\"extensions\":{\"KHR_materials_pbrSpecularGlossiness\":{\"diffuseFactor\":" + factor +
                    (picture ? ",\"diffuseTexture\":" + texture : "") + "}}";
        else
            json += ",\"pbrMetallicRoughness\":{\"baseColorFactor\":" + factor +
                    (picture && !glow ? ",\"baseColorTexture\":" + texture : "") + ",\"metallicFactor\":0}";
        if (glow)  // half the colour at twice the strength, over black
            json += ",\"emissiveFactor\":[" + number(c[0] / 2) + "," + number(c[1] / 2) + "," + number(c[2] / 2) + "]" +
                    (picture ? ",\"emissiveTexture\":{\"index\":0}" : "") +
                    ",\"extensions\":{\"KHR_materials_emissive_strength\":{\"emissiveStrength\":2}}";
        if (variant == "unlit" || (variant == "emissive" && material.blend))
            json += ",\"extensions\":{\"KHR_materials_unlit\":{}}";
        return json + (material.blend ? ",\"alphaMode\":\"BLEND\"" : "") + "}";
    }

    std::string materialsJson() const
    {
        std::string json;
        for (std::size_t m = 0; m < source.materials.size(); ++m)
            json += std::string(m ? "," : "") + materialJson(source.materials[m]);
        return json;
    }

    // The extensions the variant uses (all of them required), and its pictures.
    std::string extensionsJson() const
    {
        const char* used = variant == "specular-glossiness" ? "KHR_materials_pbrSpecularGlossiness"
                         : variant == "unlit"               ? "KHR_materials_unlit"
                         : variant == "emissive"            ? "KHR_materials_emissive_strength\",\"KHR_materials_unlit"
                         : variant == "webp"                ? "EXT_texture_webp"
                                                            : nullptr;
        const std::string list = used ? std::string("[\"") + used + "\"]" : "";
        return (used ? ",\"extensionsUsed\":" + list + ",\"extensionsRequired\":" + list : "") +
               (variant == "webp" ? ",\"textures\":[{\"extensions\":{\"EXT_texture_webp\":{\"source\":0}}}],\"images\":[{\"uri\":\"wall.webp\"}]"
                                  : ",\"textures\":[{\"source\":0}],\"images\":[{\"uri\":\"wall.png\"}]");
    }

    Bytes glb()
    {
        std::string nodeList;
        for (std::size_t i = 0; i < source.objects.size(); ++i)
            addObject(i, source.objects[i]);
        for (std::size_t i = 0; i < source.objects.size(); ++i)
            nodeList += (i ? "," : "") + std::to_string(i);
        std::string json = "{\"asset\":{\"version\":\"2.0\",\"generator\":\"halvane assetgen\"},\"scene\":0,\"scenes\":[{\"nodes\":[" +
                           nodeList + "]}],\"nodes\":[" + nodes + "],\"meshes\":[" + meshes + "],\"materials\":[" + materialsJson() + "]" + extensionsJson() +
                           ",\"accessors\":[" + accessors +
                           "],\"bufferViews\":[" + views + "],\"buffers\":[{\"byteLength\":" + std::to_string(bin.size()) + "}]}";
        return glbFile(json, bin);
    }
};

}  // namespace

Bytes glbFile(std::string json, const Bytes& bin)
{
    while (json.size() % 4)
        json += ' ';
    Bytes out;
    put32(out, 0x46546C67);
    put32(out, 2);
    put32(out, std::uint32_t(12 + 8 + json.size() + 8 + bin.size()));
    put32(out, std::uint32_t(json.size()));
    put32(out, 0x4E4F534A);
    out.insert(out.end(), json.begin(), json.end());
    put32(out, std::uint32_t(bin.size()));
    put32(out, 0x004E4942);
    out.insert(out.end(), bin.begin(), bin.end());
    return out;
}

Bytes triangleBin(float x, std::uint32_t index)
{
    const float positions[9] = {0, 0, 0, x, 0, 0, 0, 0, 1};
    const std::uint32_t indices[3] = {0, 1, index};
    Bytes bin(48);
    std::memcpy(bin.data(), positions, 36);
    std::memcpy(bin.data() + 36, indices, 12);
    return bin;
}

std::string triangleJson(const std::string& nodes, const std::string& extra, const std::string& buffer, const std::string& count)
{
    return "{\"asset\":{\"version\":\"2.0\"}" + extra + ",\"scene\":0,\"scenes\":[{\"nodes\":[0]}],\"nodes\":" + nodes +
           ",\"meshes\":[{\"primitives\":[{\"attributes\":{\"POSITION\":0},\"indices\":1}]}],\"accessors\":["
           "{\"bufferView\":0,\"componentType\":5126,\"count\":" + count + ",\"type\":\"VEC3\"},"
           "{\"bufferView\":1,\"componentType\":5125,\"count\":3,\"type\":\"SCALAR\"}],\"bufferViews\":["
           "{\"buffer\":0,\"byteOffset\":0,\"byteLength\":36},{\"buffer\":0,\"byteOffset\":36,\"byteLength\":12}],"
           "\"buffers\":[" + buffer + "]}";
}

std::vector<unsigned char> wallPixels()
{
    using Byte = unsigned char;
    std::vector<Byte> pixels;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool joint = x % 8 == 0 || y % 8 == 0;
            pixels.insert(pixels.end(), {Byte(joint ? 60 : 200), Byte(joint ? 60 : 120), Byte(joint ? 60 : 80)});
        }
    return pixels;
}

Bytes testBuildingVariantGlb(const std::string& variant)
{
    const Source source = testBuilding();
    GlbWriter writer{source, variant, {}, {}, {}, {}, {}, 0};
    return writer.glb();
}

bool writeTestBuilding(const std::string& folder)
{
    const Source source = testBuilding();
    GlbWriter writer{source, "", {}, {}, {}, {}, {}, 0};
    const Bytes glb = writer.glb();
    return writeFile(folder + "test-building.glb", std::string(glb.begin(), glb.end())) &&
           writeFile(folder + "test-building.obj", objText(source)) && writeFile(folder + "test-building.mtl", mtlText(source)) &&
           writeFile(folder + "wall.png", wallPicture());
}

}  // namespace test_building
