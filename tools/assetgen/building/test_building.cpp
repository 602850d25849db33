// The test building's shapes, in metres.
#include "test_building.h"

#include <cmath>

namespace test_building {
namespace {

// A box's faces seen from outside, from (x0, y0, z0) to (x1, y1, z1); the bottom is left out.
std::vector<Face> box(float x0, float y0, float z0, float x1, float y1, float z1)
{
    return {
        {{{x0, y1, z0}, {x0, y1, z1}, {x1, y1, z1}, {x1, y1, z0}}},  // top
        {{{x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}}},  // +z side
        {{{x1, y0, z0}, {x0, y0, z0}, {x0, y1, z0}, {x1, y1, z0}}},  // -z side
        {{{x1, y0, z1}, {x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}}},  // +x side
        {{{x0, y0, z0}, {x0, y0, z1}, {x0, y1, z1}, {x0, y1, z0}}},  // -x side
    };
}

// A quad facing the way its corners turn counter-clockwise.
Face quad(Point a, Point b, Point c, Point d)
{
    return {{a, b, c, d}};
}

Object stair()
{
    Object object{"stair", "stair", {0, 0, 0}, {}, true};
    for (int step = 0; step < RISERS; ++step) {
        const float x0 = STAIR_START_X + float(step) * TREAD, x1 = x0 + TREAD;
        const float y0 = float(step) * RISER, y1 = y0 + RISER;
        object.faces.push_back(quad({x0, y0, STAIR_Z1}, {x0, y1, STAIR_Z1}, {x0, y1, STAIR_Z0}, {x0, y0, STAIR_Z0}));  // riser
        object.faces.push_back(quad({x0, y1, STAIR_Z0}, {x0, y1, STAIR_Z1}, {x1, y1, STAIR_Z1}, {x1, y1, STAIR_Z0}));  // tread
    }
    return object;
}

Object ramp(const char* name, float x0, float x1, float degrees)
{
    const float z1 = RAMP_Z0 + RAMP_HEIGHT / std::tan(degrees * 3.14159265f / 180.0f);
    Object object{name, "ramp", {0, 0, 0}, {}, false};
    object.faces.push_back(quad({x0, 0, RAMP_Z0}, {x0, RAMP_HEIGHT, z1}, {x1, RAMP_HEIGHT, z1}, {x1, 0, RAMP_Z0}));
    object.faces.push_back(quad({x0, 0, z1}, {x1, 0, z1}, {x1, RAMP_HEIGHT, z1}, {x0, RAMP_HEIGHT, z1}));  // its back
    object.faces.push_back({{{x0, 0, RAMP_Z0}, {x0, 0, z1}, {x0, RAMP_HEIGHT, z1}}});
    object.faces.push_back({{{x1, 0, RAMP_Z0}, {x1, RAMP_HEIGHT, z1}, {x1, 0, z1}}});
    return object;
}

// The ground floor as one L-shaped face of six corners and a rectangle: cut as a fan from its
// first corner, the L would reach over the rectangle's place.
Object floors()
{
    Object object{"floors", "floor", {0, 0, 0}, {}, false};
    object.faces.push_back({{{0, 0, DEPTH}, {6, 0, DEPTH}, {6, 0, 4}, {WIDTH, 0, 4}, {WIDTH, 0, 0}, {0, 0, 0}}, 2});
    object.faces.push_back(quad({6, 0, 4}, {6, 0, DEPTH}, {WIDTH, 0, DEPTH}, {WIDTH, 0, 4}));
    const float y = STOREY_HEIGHT;
    object.faces.push_back(quad({UPPER_FLOOR_X0, y, 0}, {UPPER_FLOOR_X0, y, UPPER_FLOOR_Z1}, {WIDTH, y, UPPER_FLOOR_Z1}, {WIDTH, y, 0}));
    object.faces.push_back(quad({UPPER_FLOOR_X0, y - 0.2f, 0}, {WIDTH, y - 0.2f, 0}, {WIDTH, y - 0.2f, UPPER_FLOOR_Z1},
                                {UPPER_FLOOR_X0, y - 0.2f, UPPER_FLOOR_Z1}));  // its underside
    object.faces.push_back(quad({UPPER_FLOOR_X0, y - 0.2f, UPPER_FLOOR_Z1}, {WIDTH, y - 0.2f, UPPER_FLOOR_Z1},
                                {WIDTH, y, UPPER_FLOOR_Z1}, {UPPER_FLOOR_X0, y, UPPER_FLOOR_Z1}));  // its edge
    return object;
}

Object innerWall()
{
    const float z = INNER_WALL_Z, h = STOREY_HEIGHT, d0 = DOOR_X0, d1 = DOOR_X0 + DOOR_WIDTH;
    Object object{"inner wall", "plain", {0, 0, 0}, {}, true};
    object.faces.push_back(quad({0, 0, z}, {d0, 0, z}, {d0, h, z}, {0, h, z}));
    object.faces.push_back(quad({d1, 0, z}, {WIDTH, 0, z}, {WIDTH, h, z}, {d1, h, z}));
    object.faces.push_back(quad({d0, DOOR_HEIGHT, z}, {d1, DOOR_HEIGHT, z}, {d1, h, z}, {d0, h, z}));  // the lintel
    return object;
}

Object outerWalls()
{
    const float h = WALL_HEIGHT;
    Object object{"outer walls", "plain", {0, 0, 0}, {}, false};
    object.faces.push_back(quad({WIDTH, 0, 0}, {WIDTH, 0, DEPTH}, {WIDTH, h, DEPTH}, {WIDTH, h, 0}));  // x = 12, inward
    object.faces.push_back(quad({0, 0, DEPTH}, {0, 0, 0}, {0, h, 0}, {0, h, DEPTH}));                  // x = 0
    object.faces.push_back(quad({WIDTH, 0, DEPTH}, {0, 0, DEPTH}, {0, h, DEPTH}, {WIDTH, h, DEPTH}));  // z = 8
    return object;
}

Object texturedWall()
{
    return {"textured wall", "tiles", {0, 0, 0}, {quad({0, 0, 0}, {WIDTH, 0, 0}, {WIDTH, WALL_HEIGHT, 0}, {0, WALL_HEIGHT, 0})}, false};
}

Object glass()
{
    const Face pane = quad({GLASS_X1, GLASS_Y0, GLASS_Z}, {GLASS_X0, GLASS_Y0, GLASS_Z}, {GLASS_X0, GLASS_Y1, GLASS_Z},
                           {GLASS_X1, GLASS_Y1, GLASS_Z});
    return {"glass pane", "glass", {0, 0, 0}, {pane}, false};
}

}  // namespace

Source testBuilding()
{
    Source source;
    source.materials = {
        {"floor", {0.55f, 0.5f, 0.45f, 1.0f}, "", false},   {"plain", {0.8f, 0.78f, 0.7f, 1.0f}, "", false},
        {"tiles", {1.0f, 1.0f, 1.0f, 1.0f}, "wall.png", false}, {"stair", {0.5f, 0.35f, 0.2f, 1.0f}, "", false},
        {"ramp", {0.4f, 0.45f, 0.55f, 1.0f}, "", false},   {"glass", {0.6f, 0.8f, 0.9f, 0.3f}, "", true},
    };
    source.objects = {floors(), outerWalls(), texturedWall(), innerWall(), stair(),
                      ramp("ramp 30", RAMP30_X0, RAMP30_X1, 30.0f), ramp("ramp 50", RAMP50_X0, RAMP50_X1, 50.0f), glass()};
    Object ledge{"ledge", "stair", {LEDGE_X0, 0, LEDGE_Z0}, box(0, 0, 0, LEDGE_SIZE, LEDGE_HEIGHT, LEDGE_SIZE), false};
    source.objects.push_back(ledge);
    // The doorway's closed door, named in German, and a wardrobe's against the outer wall, which
    // leads nowhere and stays shut.
    const float half = DOOR_LEAF_THICKNESS / 2;
    source.objects.push_back({DOOR_NAME, "stair", {DOOR_X0, 0, INNER_WALL_Z}, box(0, 0, -half, DOOR_WIDTH, DOOR_HEIGHT, half), false});
    source.objects.push_back({WARDROBE_NAME, "stair", {WIDTH - 0.05f, 0, WARDROBE_Z0},
                              box(0, 0, 0, DOOR_LEAF_THICKNESS, DOOR_HEIGHT, WARDROBE_WIDTH), false});
    Object start{"start", "floor", {START_X, 0, START_Z}, {{{{-0.1f, 0, -0.1f}, {0, 0, 0.2f}, {0.1f, 0, -0.1f}}}}, false};
    source.objects.push_back(start);
    return source;
}

double faceArea(const Source& source)
{
    double area = 0;
    for (const Object& object : source.objects) {
        if (object.name == "start")
            continue;
        for (const Face& face : object.faces) {
            double nx = 0, ny = 0, nz = 0;  // Newell: twice the area vector
            for (std::size_t i = 0; i < face.corners.size(); ++i) {
                const Point a = face.corners[i], b = face.corners[(i + 1) % face.corners.size()];
                nx += double(a.y - b.y) * double(a.z + b.z);
                ny += double(a.z - b.z) * double(a.x + b.x);
                nz += double(a.x - b.x) * double(a.y + b.y);
            }
            area += std::sqrt(nx * nx + ny * ny + nz * nz) / 2;
        }
    }
    return area;
}

long triangleCount(const Source& source)
{
    long count = 0;
    for (const Object& object : source.objects)
        if (object.name != "start")
            for (const Face& face : object.faces)
                count += long(face.corners.size()) - 2;
    return count;
}

}  // namespace test_building
