// The pilgrim "pelgrin": builds the mesh, animates its 198 frames, paints its skin
// and writes pelgrin.md2 with pelgrin2.tga.
#include "assetgen.h"

#include "body_parts.h"
#include "character_frames.h"
#include "mesh_check.h"
#include "skin_layout.h"
#include "skin_paint.h"

#include <cstdio>

namespace {

Mesh buildMesh(const std::vector<PartShape>& parts)
{
    Mesh mesh;
    for (const PartShape& shape : parts)
        addLathe(mesh, shape);
    return mesh;
}

std::vector<PartShape> pilgrimParts()
{
    std::vector<PartShape> parts = bodyParts();
    for (PartShape& p : attireParts())
        parts.push_back(p);
    return parts;
}

}  // namespace

bool writeCharacter(const std::string& dir)
{
    std::vector<PartShape> parts = pilgrimParts();
    if (!packIslands(parts)) {
        std::fprintf(stderr, "assetgen: the character's skin islands do not fit\n");
        return false;
    }
    Mesh mesh = buildMesh(parts);
    if (!checkMesh(mesh))
        return false;
    Md2Model model{kSkinSize, kSkinSize, "pelgrin2.tga", mesh.skinCoords, mesh.triangles,
                   buildFrames(mesh, pilgrimSequences())};
    return writeMd2(dir + "pelgrin.md2", model) && writeTga(dir + "pelgrin2.tga", paintSkin(parts));
}
