#include "building/BuildingDoors.h"

#include "building/BuildingFaces.h"
#include "building/DoorNames.h"
#include "building/DoorPanels.h"
#include "building/DoorPlace.h"

#include <algorithm>
#include <map>

namespace {

// The name a triangle's door is told by: the first door name among its piece's names, else
// its material's; empty when it is no door's.
class DoorNaming {
public:
    explicit DoorNaming(const Building& building)
    {
        for (const BuildingPiece& piece : building.pieces) {
            const auto named = std::find_if(piece.names.begin(), piece.names.end(), isDoorName);
            byPiece_.push_back(named == piece.names.end() ? "" : *named);
        }
        for (const BuildingMaterial& material : building.materials)
            byMaterial_.push_back(isDoorName(material.name) ? material.name : "");
    }

    const std::string& of(const BuildingSurface& surface, std::size_t triangle) const
    {
        if (triangle < surface.pieces.size() && surface.pieces[triangle] < byPiece_.size() &&
            !byPiece_[surface.pieces[triangle]].empty())
            return byPiece_[surface.pieces[triangle]];
        return std::size_t(surface.material) < byMaterial_.size() ? byMaterial_[std::size_t(surface.material)] : none_;
    }

private:
    std::vector<std::string> byPiece_, byMaterial_;
    const std::string none_;
};

DoorTriangle triangleAt(const Building& building, std::uint32_t surface, std::uint32_t index)
{
    DoorTriangle t;
    const float* p = &building.surfaces[surface].positions[std::size_t(index) * 9];
    for (int c = 0; c < 3; ++c)
        t.corners[c] = Vec3(p[c * 3], p[c * 3 + 1], p[c * 3 + 2]);
    t.surface = surface;
    t.index = index;
    return t;
}

// Every triangle of a named door, by name, marked as taken.
std::map<std::string, std::vector<DoorTriangle>> namedDoors(const Building& building, std::vector<std::vector<bool>>& taken)
{
    const DoorNaming naming(building);
    std::map<std::string, std::vector<DoorTriangle>> named;
    for (std::uint32_t s = 0; s < building.surfaces.size(); ++s) {
        const BuildingSurface& surface = building.surfaces[s];
        for (std::uint32_t t = 0; t < surface.positions.size() / 9; ++t) {
            const std::string& name = naming.of(surface, t);
            if (name.empty())
                continue;
            named[name].push_back(triangleAt(building, s, t));
            taken[s][t] = true;
        }
    }
    return named;
}

// Triangle `at`'s values of one per-corner array, where the surface has them for every triangle.
void copyTriangle(const std::vector<float>& from, std::vector<float>& to, std::size_t at, std::size_t perTriangle,
                  std::size_t triangles)
{
    if (from.size() == triangles * perTriangle)
        to.insert(to.end(), from.begin() + long(at * perTriangle), from.begin() + long((at + 1) * perTriangle));
}

// The leaf's triangles moved from the building's surfaces into its own, by material.
void takeLeaf(Building& building, const std::vector<DoorTriangle>& triangles, const LeafFound& found, DoorLeaf& leaf,
              std::vector<std::vector<bool>>& moved)
{
    std::map<int, std::size_t> surfaceOfMaterial;
    for (const std::size_t i : found.triangles) {
        const DoorTriangle& t = triangles[i];
        const BuildingSurface& from = building.surfaces[t.surface];
        const auto made = surfaceOfMaterial.emplace(from.material, leaf.surfaces.size());
        if (made.second) {
            leaf.surfaces.emplace_back();
            leaf.surfaces.back().material = from.material;
        }
        BuildingSurface& to = leaf.surfaces[made.first->second];
        const std::size_t at = std::size_t(t.index), triangles = from.positions.size() / 9;
        copyTriangle(from.positions, to.positions, at, 9, triangles);
        copyTriangle(from.normals, to.normals, at, 9, triangles);
        copyTriangle(from.texCoords, to.texCoords, at, 6, triangles);
        copyTriangle(from.colours, to.colours, at, 12, triangles);
        copyTriangle(from.emissiveTexCoords, to.emissiveTexCoords, at, 6, triangles);
        moved[t.surface][t.index] = true;
    }
}

template <typename T>
void keepUnmoved(std::vector<T>& values, const std::vector<bool>& moved, std::size_t perTriangle)
{
    if (values.size() != moved.size() * perTriangle)
        return;
    std::size_t kept = 0;
    for (std::size_t t = 0; t < moved.size(); ++t)
        if (!moved[t])
            std::copy(values.begin() + long(t * perTriangle), values.begin() + long((t + 1) * perTriangle),
                      values.begin() + long(kept++ * perTriangle));
    values.resize(kept * perTriangle);
}

// The building's surfaces without the triangles that went into leaves.
void dropMoved(Building& building, const std::vector<std::vector<bool>>& moved)
{
    for (std::size_t s = 0; s < building.surfaces.size(); ++s) {
        BuildingSurface& surface = building.surfaces[s];
        if (std::find(moved[s].begin(), moved[s].end(), true) == moved[s].end())
            continue;
        keepUnmoved(surface.positions, moved[s], 9);
        keepUnmoved(surface.normals, moved[s], 9);
        keepUnmoved(surface.texCoords, moved[s], 6);
        keepUnmoved(surface.colours, moved[s], 12);
        keepUnmoved(surface.emissiveTexCoords, moved[s], 6);
        keepUnmoved(surface.pieces, moved[s], 1);
    }
}

// A door of the building from what its triangles make, its leaves taken out.
void addDoor(Building& building, const std::string& name, const std::vector<DoorTriangle>& triangles, const DoorFound& found,
             std::vector<std::vector<bool>>& moved)
{
    BuildingDoor door;
    door.name = name;
    door.middle = found.middle;
    door.across = found.across;
    door.normal = found.normal;
    door.width = found.width;
    door.height = found.height;
    for (const LeafFound& leafFound : found.leaves) {
        DoorLeaf leaf;
        takeLeaf(building, triangles, leafFound, leaf, moved);
        leaf.hinge = leafFound.hinge;
        leaf.across = leafFound.across;
        leaf.width = leafFound.width;
        leaf.height = leafFound.height;
        leaf.thickness = leafFound.thickness;
        leaf.slides = leafFound.slides;
        door.leaves.push_back(std::move(leaf));
    }
    building.doors.push_back(std::move(door));
}

}  // namespace

void recognizeDoors(Building& building)
{
    std::vector<std::vector<bool>> taken, moved;
    for (const BuildingSurface& surface : building.surfaces) {
        taken.emplace_back(surface.positions.size() / 9, false);
        moved.emplace_back(surface.positions.size() / 9, false);
    }
    for (const auto& named : namedDoors(building, taken))
        for (const std::vector<DoorTriangle>& oneDoor : apart(named.second)) {
            const DoorFound found = findLeaves(oneDoor);
            const std::string why = namedDoorFault(building, found);
            if (why.empty())
                addDoor(building, named.first, oneDoor, found, moved);
            else
                building.shutDoors.push_back({named.first, found.middle, found.width, found.height, why});
        }
    for (const std::vector<DoorTriangle>& panel : doorPanels(building, taken)) {
        const DoorFound found = findLeaves(panel);
        if (panelDoorFits(building, found))
            addDoor(building, "", panel, found, moved);
    }
    if (building.doors.empty())
        return;
    dropMoved(building, moved);
    indexFaces(building);
}
