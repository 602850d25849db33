// Writes walls.txt and ceiling.txt: one "x y z s t" vertex per line, four
// lines to a quad, after checking the building.
#include "assetgen.h"
#include "level_check.h"
#include "level_layout.h"

#include <cstdio>
#include <string>

namespace {

bool writeQuads(const std::string& path, const std::vector<Quad>& quads)
{
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (!f) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    bool ok = true;
    for (const Quad& q : quads)
        for (const Vertex& v : q.p)
            ok = std::fprintf(f, "%.3f %.3f %.3f %.3f %.3f\n", v.x, v.y, v.z, v.s, v.t) > 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok)
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    return ok;
}

}  // namespace

bool writeLevel(const std::string& dir)
{
    Layout layout = buildLayout();
    LevelMesh mesh = buildMesh(layout);
    if (!checkLevel(layout, mesh))
        return false;
    return writeQuads(dir + "walls.txt", mesh.walls) && writeQuads(dir + "ceiling.txt", mesh.ceiling);
}
