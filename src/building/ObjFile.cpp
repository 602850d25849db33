// The one place tinyobjloader is compiled. It parses a Wavefront OBJ file and its .mtl files,
// both read through our own file seam; we check every index it stores (it keeps indices past
// the end with only a warning) and cut every face into triangles ourselves.
#define TINYOBJLOADER_IMPLEMENTATION
#include <tiny_obj_loader.h>

#include "building/BuildingRead.h"
#include "building/PolygonTriangulation.h"
#include "data/FileSearch.h"
#include "data/ReadWholeFile.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <sstream>

namespace {

// The file's bytes as a stream for tinyobjloader without a second copy of them.
class BytesStream : public std::streambuf {
public:
    explicit BytesStream(const std::string& bytes)
    {
        char* start = const_cast<char*>(bytes.data());  // only ever read
        setg(start, start, start + bytes.size());
    }
};

// Material files found beside the OBJ file as pictures are, and read whole through our seam.
class MaterialFiles : public tinyobj::MaterialReader {
public:
    MaterialFiles(std::string folder, std::vector<std::string>& warnings) : folder_(std::move(folder)), warnings_(warnings) {}

    bool operator()(const std::string& name, std::vector<tinyobj::material_t>* materials,
                    std::map<std::string, int>* names, std::string*, std::string*) override
    {
        const NamedFile file = findNamedFile(folder_, name);
        const WholeFile read = file.found.empty() ? WholeFile() : readWholeFile(file.found, "rb");
        if (!read.complete || read.contents.size() > MAX_BUILDING_FILE_BYTES) {
            warnings_.push_back("the material file " + name + " is missing or cannot be read (looked for " + file.lookedFor +
                                "); its materials show white");
            return false;
        }
        std::istringstream stream(read.contents);
        std::string warning, error;
        tinyobj::LoadMtl(names, materials, &stream, &warning, &error);
        return true;
    }

private:
    std::string folder_;
    std::vector<std::string>& warnings_;
};

std::vector<BuildingMaterial> objMaterials(const std::vector<tinyobj::material_t>& materials)
{
    std::vector<BuildingMaterial> result;
    for (const tinyobj::material_t& source : materials) {
        BuildingMaterial material;
        material.name = source.name;
        for (int c = 0; c < 3; ++c)
            material.baseColour[c] = std::isfinite(source.diffuse[c]) ? std::fmin(std::fmax(float(source.diffuse[c]), 0.0f), 1.0f) : 1.0f;
        const float opacity = std::isfinite(source.dissolve) ? std::fmin(std::fmax(float(source.dissolve), 0.0f), 1.0f) : 1.0f;
        material.baseColour[3] = opacity;
        material.alphaMode = opacity < 1.0f ? AlphaMode::Blend : AlphaMode::Opaque;
        material.pictureName = source.diffuse_texname;
        material.doubleSided = true;  // OBJ says nothing of sides, and modellers' faces point either way
        result.push_back(material);
    }
    BuildingMaterial plain;
    plain.name = "no material";
    plain.doubleSided = true;
    result.push_back(plain);
    return result;
}

// Every index the faces hold, against what the file holds.
std::string checkIndices(const tinyobj::attrib_t& attrib, const std::vector<tinyobj::shape_t>& shapes, std::uint64_t& triangles)
{
    const std::uint64_t positions = attrib.vertices.size() / 3, normals = attrib.normals.size() / 3, uvs = attrib.texcoords.size() / 2;
    triangles = 0;
    for (const tinyobj::shape_t& shape : shapes) {
        for (const tinyobj::index_t& i : shape.mesh.indices) {
            if (i.vertex_index < 0)
                return "a face names a vertex before the first of the " + std::to_string(positions) + " the file holds";
            if (std::uint64_t(i.vertex_index) >= positions)
                return "a face names vertex " + std::to_string(std::int64_t(i.vertex_index) + 1) + ", past the " +
                       std::to_string(positions) + " vertices the file holds";
            if (i.normal_index < -1 || (i.normal_index >= 0 && std::uint64_t(i.normal_index) >= normals))
                return "a face names normal " + std::to_string(std::int64_t(i.normal_index) + 1) + ", past the " +
                       std::to_string(normals) + " normals the file holds";
            if (i.texcoord_index < -1 || (i.texcoord_index >= 0 && std::uint64_t(i.texcoord_index) >= uvs))
                return "a face names texture coordinate " + std::to_string(std::int64_t(i.texcoord_index) + 1) +
                       ", past the " + std::to_string(uvs) + " the file holds";
        }
        for (unsigned corners : shape.mesh.num_face_vertices)
            triangles += corners >= 3 ? corners - 2 : 0;
        if (triangles > MAX_BUILDING_TRIANGLES)
            return "the file holds over " + std::to_string(MAX_BUILDING_TRIANGLES) + " triangles, the limit";
    }
    for (float v : attrib.vertices)
        if (!std::isfinite(v))
            return "a vertex position is not a finite number";
    return "";
}

Vec3 at(const std::vector<tinyobj::real_t>& values, int index)
{
    const std::size_t i = std::size_t(index) * 3;
    return Vec3(float(values[i]), float(values[i + 1]), float(values[i + 2]));
}

// Returns whether the shape gave any triangle.
bool convertShape(const tinyobj::attrib_t& attrib, const tinyobj::shape_t& shape, Building& building)
{
    bool gave = false;
    std::size_t next = 0;
    const int plain = int(building.materials.size()) - 1;
    for (std::size_t f = 0; f < shape.mesh.num_face_vertices.size(); ++f) {
        const std::size_t count = shape.mesh.num_face_vertices[f];
        const tinyobj::index_t* face = shape.mesh.indices.data() + next;
        next += count;
        const int id = f < shape.mesh.material_ids.size() ? shape.mesh.material_ids[f] : -1;
        const int material = id >= 0 && id < plain ? id : plain;
        std::vector<Vec3> corners;
        for (std::size_t c = 0; c < count; ++c)
            corners.push_back(at(attrib.vertices, face[c].vertex_index));
        for (const auto& triangle : triangulatePolygon(corners)) {
            const Vec3 flat = faceNormal(corners[triangle[0]], corners[triangle[1]], corners[triangle[2]]);
            BuildingSurface& surface = surfaceOf(building, material);
            for (std::size_t k : triangle) {
                const tinyobj::index_t& i = face[k];
                Vec3 normal = i.normal_index >= 0 ? at(attrib.normals, i.normal_index) : flat;
                normal = normal.length() > 1e-12f && std::isfinite(normal.length()) ? normal.normalized() : flat;
                const float s = i.texcoord_index >= 0 ? float(attrib.texcoords[std::size_t(i.texcoord_index) * 2]) : 0.0f;
                const float t = i.texcoord_index >= 0 ? float(attrib.texcoords[std::size_t(i.texcoord_index) * 2 + 1]) : 0.0f;
                addCorner(surface, corners[k], normal, s, t);
            }
            gave = true;
        }
    }
    return gave;
}

void markStart(const tinyobj::attrib_t& attrib, const tinyobj::shape_t& shape, StartMark& mark)
{
    Vec3 sum;
    for (const tinyobj::index_t& i : shape.mesh.indices)
        sum = sum + at(attrib.vertices, i.vertex_index);
    mark.kind = StartMark::Object;
    mark.name = shape.name;
    mark.position = shape.mesh.indices.empty() ? Vec3() : sum / float(shape.mesh.indices.size());
}

}  // namespace

BuildingRead readObjBuilding(const std::string& path, bool)
{
    BuildingRead read;
    read.building.format = "Wavefront OBJ";
    const WholeFile file = readWholeFile(path, "rb");
    if (!file.opened || !file.complete || file.contents.size() > MAX_BUILDING_FILE_BYTES) {
        read.failure = !file.opened ? "cannot open the file (" + std::string(std::strerror(errno)) + ")"
                       : !file.complete ? "cannot read the file"
                                        : "the file is over " + std::to_string(MAX_BUILDING_FILE_BYTES) + " bytes";
        return read;
    }
    tinyobj::attrib_t attrib;
    std::vector<tinyobj::shape_t> shapes;
    std::vector<tinyobj::material_t> materials;
    std::string warning, error;
    BytesStream bytes(file.contents);
    std::istream stream(&bytes);
    MaterialFiles materialFiles(folderOf(path), read.building.warnings);
    if (!tinyobj::LoadObj(&attrib, &shapes, &materials, &warning, &error, &stream, &materialFiles, false, false)) {
        read.failure = libraryFailure(error, "not an OBJ file that can be read");
        return read;
    }
    std::uint64_t triangles = 0;
    read.failure = checkIndices(attrib, shapes, triangles);
    if (!read.ok())
        return read;
    if (std::uint64_t(materials.size()) > MAX_BUILDING_MATERIALS) {
        read.failure = std::to_string(materials.size()) + " materials, over the limit of " + std::to_string(MAX_BUILDING_MATERIALS);
        return read;
    }
    read.building.materials = objMaterials(materials);
    for (const tinyobj::shape_t& shape : shapes) {
        if (isStartName(shape.name)) {
            if (read.mark.kind == StartMark::None)
                markStart(attrib, shape, read.mark);
            continue;
        }
        if (isVolumeName(shape.name)) {
            ++read.building.volumesLeftOut;
            continue;
        }
        read.building.meshCount += convertShape(attrib, shape, read.building) ? 1 : 0;
        tagPiece(read.building, BuildingPiece{{shape.name}});
    }
    return read;
}
