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

Mesh buildMesh(const std::vector<LatheSpec>& parts)
{
    Mesh mesh;
    for (const LatheSpec& spec : parts)
        addLathe(mesh, spec);
    return mesh;
}

std::vector<LatheSpec> pilgrimParts()
{
    std::vector<LatheSpec> parts = bodyParts();
    for (LatheSpec& p : attireParts())
        parts.push_back(p);
    return parts;
}

}  // namespace

bool writeCharacter(const std::string& dir)
{
    std::vector<LatheSpec> parts = pilgrimParts();
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
