// Broken and hostile buildings (--level): a cut glTF binary file, a missing buffer file,
// indices and counts past what the file holds, a position that is no number, a node tree with a
// cycle, a required extension we do not read, broken meshopt and Draco streams, and an OBJ face
// past its vertices.
#include "BrokenData.h"
#include "test_building.h"

#include <cmath>

namespace {

const std::vector<std::string> GLB = {"--level", "../bin/house.glb"};

using test_building::triangleBin;
using test_building::triangleJson;

Bytes glb(const std::string& json, const Bytes& bin = triangleBin())
{
    return test_building::glbFile(json, bin);
}

Bytes text(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

// The text with `from` in it made `to`.
std::string withText(std::string text, const std::string& from, const std::string& to)
{
    return text.replace(text.find(from), from.size(), to);
}

Damage house(Bytes bytes)
{
    return replaced("house.glb", std::move(bytes));
}

std::string inHouse(const char* name = "house.glb")
{
    return pathPattern(name) + ": ";
}

}  // namespace

std::vector<BrokenFile> brokenBuildingFiles()
{
    const Bytes whole = glb(triangleJson());
    const Bytes cut(whole.begin(), whole.end() - 20);
    Bytes chunkPastTheEnd = cut;  // the header's length made to match: the BIN chunk's own length does not
    chunkPastTheEnd[8] = std::uint8_t(cut.size()), chunkPastTheEnd[9] = std::uint8_t(cut.size() >> 8);
    return {
        {"GlbCut", "kachel2.tga", house(cut), inHouse() + "the file ends at byte " + std::to_string(cut.size()) +
                                                  ", but its header says " + std::to_string(cut.size() + 20) + " \\(a file cut short\\)$", GLB},
        {"GlbChunkPastTheEnd", "kachel2.tga", house(chunkPastTheEnd),
         inHouse() + "chunk 1 reaches past the file's length of " + std::to_string(cut.size()) + " bytes \\(a file cut short\\)$", GLB},
        {"BufferFileMissing", "kachel2.tga", replaced("house.gltf", text(triangleJson("[{\"mesh\":0}]", "", "{\"byteLength\":48,\"uri\":\"house.bin\"}"))),
         inHouse("house.gltf") + "the buffer file house\\.bin is missing \\(looked for house\\.bin in \\.\\./bin/\\)$",
         {"--level", "../bin/house.gltf"}},
        {"IndexPastTheVertices", "kachel2.tga", house(glb(triangleJson(), triangleBin(1.0f, 7))),
         inHouse() + "index 7 in accessor 1 is past the 3 vertices it indexes$", GLB},
        {"PositionNotANumber", "kachel2.tga", house(glb(triangleJson(), triangleBin(NAN))),
         inHouse() + "accessor 0 holds a position that is not a finite number \\(vertex 1\\)$", GLB},
        {"NodeCycle", "kachel2.tga", house(glb(triangleJson("[{\"mesh\":0,\"children\":[1]},{\"children\":[0]}]"))),
         inHouse() + "the node tree has a cycle: node 0 is its own ancestor$", GLB},
        {"UnknownRequiredExtension", "kachel2.tga",
         house(glb(triangleJson("[{\"mesh\":0}]", ",\"extensionsUsed\":[\"EXT_mesh_gpu_instancing\"],"
                                                  "\"extensionsRequired\":[\"EXT_mesh_gpu_instancing\"]"))),
         inHouse() + "the file requires the extension EXT_mesh_gpu_instancing, which halvane does not read "
                     "\\(export without it\\)$", GLB},
        {"MeshoptStreamBroken", "kachel2.tga",
         house(glb(withText(triangleJson(), "\"byteOffset\":0,\"byteLength\":36}",
                            "\"byteOffset\":0,\"byteLength\":36,\"extensions\":{\"EXT_meshopt_compression\":{\"buffer\":0,"
                            "\"byteOffset\":36,\"byteLength\":12,\"byteStride\":12,\"count\":3,\"mode\":\"ATTRIBUTES\"}}}"))),
         inHouse() + "buffer view 0: its meshopt data is broken \\(ATTRIBUTES, 3 elements\\)$", GLB},
        {"DracoStreamBroken", "kachel2.tga",
         house(glb(withText(triangleJson(), "\"indices\":1}", "\"indices\":1,\"extensions\":{\"KHR_draco_mesh_compression\":"
                                                                 "{\"bufferView\":1,\"attributes\":{\"POSITION\":0}}}}"))),
         inHouse() + "mesh 0: its Draco data cannot be decoded \\(.+\\)$", GLB},
        {"CountPastTheLimit", "kachel2.tga", house(glb(triangleJson("[{\"mesh\":0}]", "", "{\"byteLength\":48}", "4000000000"))),
         inHouse() + "accessor 0 holds 4000000000 elements, over the limit of 48000000$", GLB},
        {"JsonNestedTooDeep", "kachel2.tga",
         replaced("house.gltf", text("{\"asset\":{\"version\":\"2.0\"},\"extras\":" + std::string(100000, '[') +
                                     std::string(100000, ']') + "}")),
         inHouse("house.gltf") + "its JSON nests deeper than 64 levels$", {"--level", "../bin/house.gltf"}},
        {"ObjFacePastTheVertices", "kachel2.tga", replaced("house.obj", text("v 0 0 0\nv 1 0 0\nv 0 0 1\nf 1 2 9\n")),
         inHouse("house.obj") + "a face names vertex 9, past the 3 vertices the file holds$", {"--level", "../bin/house.obj"}},
        {"ObjNegativeIndexBeforeTheFirst", "kachel2.tga", replaced("house.obj", text("v 0 0 0\nv 1 0 0\nf -1 -2 -3\n")),
         inHouse("house.obj") + "a face names a vertex before the first of the 2 the file holds$", {"--level", "../bin/house.obj"}},
    };
}
