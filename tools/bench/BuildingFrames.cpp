// A user's building: a generated one of a million triangles in fifty materials, drawn by the
// program's own frame beside the leanest OpenGL 1.1 draw of the same arrays (one glDrawArrays
// per material from client arrays, the same picture), and the memory it adds to the program.
// Runs after the other sections: it puts the building in place of our hall for good.
#include "AllocationCounter.h"
#include "Bench.h"

#include "app/building.h"
#include "app/callbacks.h"
#include "app/globals.h"
#include "app/scene.h"
#include "picture/FrameReadBack.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int MATERIALS = 50;
constexpr int TRIANGLES_PER_BOX = 10;  // four sides and a top

// Resident memory of this process now, in bytes.
double residentBytes()
{
    std::FILE* f = std::fopen("/proc/self/status", "r");
    char line[256];
    double kilobytes = 0;
    while (f && std::fgets(line, sizeof line, f))
        if (std::strncmp(line, "VmRSS:", 6) == 0)
            kilobytes = std::atof(line + 6);
    if (f)
        std::fclose(f);
    return kilobytes * 1024;
}

// 64 x 64 checks in two colours of the material's own; the cut-out material has holes.
Image checks(int m, bool holes)
{
    Image image;
    image.components = holes ? 4 : 3;
    image.width = image.height = 64;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const bool dark = ((x / 8) + (y / 8)) % 2 == 1;
            const std::uint8_t c[4] = {std::uint8_t(dark ? 40 + m * 4 : 255), std::uint8_t(dark ? 200 - m * 3 : 230),
                                       std::uint8_t(dark ? (m * 37) % 256 : 180), std::uint8_t(dark && holes ? 0 : 255)};
            image.pixels.insert(image.pixels.end(), c, c + image.components);
        }
    return image;
}

void addQuad(BuildingSurface& s, Vec3 a, Vec3 u, Vec3 v)
{
    const Vec3 n = u.cross(v).normalized();
    const Vec3 at[6] = {a, a + u, a + u + v, a, a + u + v, a + v};
    const float st[12] = {0, 0, 1, 0, 1, 1, 0, 0, 1, 1, 0, 1};
    for (int i = 0; i < 6; ++i) {
        s.positions.insert(s.positions.end(), {at[i].x, at[i].y, at[i].z});
        s.normals.insert(s.normals.end(), {n.x, n.y, n.z});
        s.texCoords.insert(s.texCoords.end(), {st[2 * i], st[2 * i + 1]});
    }
}

// A 2 x h x 2 block with its four sides and its top, outward faces counter-clockwise.
void addBox(BuildingSurface& s, float x, float z, float h)
{
    addQuad(s, Vec3(x, 0, z + 2), Vec3(2, 0, 0), Vec3(0, h, 0));
    addQuad(s, Vec3(x + 2, 0, z), Vec3(-2, 0, 0), Vec3(0, h, 0));
    addQuad(s, Vec3(x, 0, z), Vec3(0, 0, 2), Vec3(0, h, 0));
    addQuad(s, Vec3(x + 2, 0, z + 2), Vec3(0, 0, -2), Vec3(0, h, 0));
    addQuad(s, Vec3(x, h, z + 2), Vec3(2, 0, 0), Vec3(0, 0, -2));
}

// Blocks on a grid 3 units apart, their material by place; 40 materials textured, 8 plain,
// one cut-out and one of glass, every fifth double-sided.
Building generatedBuilding(int triangles)
{
    Building b;
    const int boxes = triangles / TRIANGLES_PER_BOX;
    const int columns = 400;
    b.surfaces.resize(MATERIALS);
    for (int m = 0; m < MATERIALS; ++m) {
        BuildingMaterial material;
        material.baseColour[0] = 0.5f + 0.01f * float(m);
        material.doubleSided = m % 5 == 0;
        material.alphaMode = m == 48 ? AlphaMode::Mask : m == 49 ? AlphaMode::Blend : AlphaMode::Opaque;
        material.baseColour[3] = m == 49 ? 0.5f : 1.0f;
        if (m < 40 || m == 48)
            material.image = checks(m, m == 48);
        b.materials.push_back(material);
        BuildingSurface& s = b.surfaces[std::size_t(m)];
        s.material = m;
        const std::size_t corners = std::size_t(boxes / MATERIALS + 1) * TRIANGLES_PER_BOX * 3;
        s.positions.reserve(corners * 3);
        s.normals.reserve(corners * 3);
        s.texCoords.reserve(corners * 2);
    }
    for (int i = 0; i < boxes; ++i) {
        const int row = i / columns;
        const int column = i % columns;
        addBox(b.surfaces[std::size_t((row * 7 + column) % MATERIALS)], 3.0f * float(column), -3.0f * float(row),
               2.0f + float((row * 13 + column * 7) % 7));
    }
    b.low = Vec3(0, 0, -3.0f * float(boxes / columns + 1));
    b.high = Vec3(3.0f * columns, 9, 2);
    b.start.eye = Vec3(-10, 4, 10);
    b.start.lookAt = Vec3(40, 4, -40);
    return b;
}

double triangleBytes(const Building& b)
{
    double bytes = 0;
    for (const BuildingSurface& s : b.surfaces)
        bytes += double(s.positions.size() + s.normals.size() + s.texCoords.size()) * sizeof(float);
    return bytes;
}

// The leanest draw of the same picture: per material its texture or none, its cut-out or
// glass, its sides, and one glDrawArrays; the glass last without depth writes.
void referenceFrame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(camera.position.x, camera.position.y, camera.position.z, camera.viewPoint.x, camera.viewPoint.y,
              camera.viewPoint.z, camera.up.x, camera.up.y, camera.up.z);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    for (std::size_t m = 0; m < building.surfaces.size(); ++m) {
        const BuildingSurface& s = building.surfaces[m];
        const BuildingMaterial& material = building.materials[m];
        const bool glass = material.alphaMode == AlphaMode::Blend;
        glBindTexture(GL_TEXTURE_2D, buildingDrawing.textures[m]);
        (buildingDrawing.textures[m] ? glEnable : glDisable)(GL_TEXTURE_2D);
        (material.alphaMode == AlphaMode::Mask ? glEnable : glDisable)(GL_ALPHA_TEST);
        glAlphaFunc(GL_GEQUAL, material.alphaCutoff);
        (material.doubleSided ? glDisable : glEnable)(GL_CULL_FACE);
        (glass ? glEnable : glDisable)(GL_BLEND);
        glDepthMask(glass ? GL_FALSE : GL_TRUE);
        glVertexPointer(3, GL_FLOAT, 0, s.positions.data());
        glColorPointer(4, GL_UNSIGNED_BYTE, 0, buildingDrawing.colours[m].data());
        glTexCoordPointer(2, GL_FLOAT, 0, s.texCoords.data());
        glDrawArrays(GL_TRIANGLES, 0, GLsizei(s.positions.size() / 3));
    }
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glColor4f(1, 1, 1, 1);
}

// One frame with its swap, until the renderer is idle again, in milliseconds.
double timeFrame(void (*frame)())
{
    const long long start = monotonicNanoseconds();
    frame();
    glutSwapBuffers();
    glFinish();
    return secondsSince(start) * 1000;
}

double differingShare(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b)
{
    std::size_t differing = 0;
    for (std::size_t i = 0; i + 2 < a.size() && i + 2 < b.size(); i += 3)
        differing += std::abs(a[i] - b[i]) > 8 || std::abs(a[i + 1] - b[i + 1]) > 8 || std::abs(a[i + 2] - b[i + 2]) > 8;
    return a.empty() ? 0 : double(differing) / double(a.size() / 3);
}

// The frame as drawn, also saved as a PPM (top row first) when pictures are asked for.
std::vector<unsigned char> pictureOf(void (*frame)(), const std::string& path)
{
    frame();
    glFinish();
    std::vector<unsigned char> rgb = readFrame(windowWidth, windowHeight);
    std::FILE* f = path.empty() ? nullptr : std::fopen(path.c_str(), "wb");
    if (f) {
        std::fprintf(f, "P6\n%d %d\n255\n", windowWidth, windowHeight);
        for (int y = windowHeight - 1; y >= 0; --y)
            std::fwrite(&rgb[std::size_t(y) * std::size_t(windowWidth) * 3], 1, std::size_t(windowWidth) * 3, f);
        std::fclose(f);
    }
    return rgb;
}

void programFrame()
{
    drawFrame();
}

// The building in place of our hall, seen from its start; the character steps aside, so that
// both draws show the building alone.
void showBuilding(int triangles)
{
    building = generatedBuilding(triangles);
    scene = &userBuilding;
    scene->setUp();
    modelManager.modelCount = 0;
    overlay.messageFrames = 0;
    camera.position = building.start.eye;
    camera.viewPoint = building.start.lookAt;
    camera.up.set(0, 1, 0);
    camera.updateSide();
    setProjection(windowWidth, windowHeight);
    glMatrixMode(GL_MODELVIEW);
}

}  // namespace

std::vector<Row> measureBuilding(const BenchOptions& options, const std::string& screen)
{
    const int triangles = options.shortMode ? 20000 : 1000000;
    std::fprintf(stderr, "building %s: %d triangles\n", screen.c_str(), triangles);
    const double before = residentBytes();
    showBuilding(triangles);
    const double bytes = triangleBytes(building);
    const std::string tag = options.picturesFolder.empty() ? "" : options.picturesFolder + "/building-" + screen;
    const double differing = differingShare(pictureOf(programFrame, tag.empty() ? "" : tag + "-halvane.ppm"),
                                            pictureOf(referenceFrame, tag.empty() ? "" : tag + "-reference.ppm"));
    const double after = residentBytes();
    // Taken in turns, so that a machine busy with something else slows both alike.
    const int frames = options.shortMode ? 2 : 30;
    std::vector<double> program, reference;
    for (int i = 0; i < frames; ++i) {
        program.push_back(timeFrame(programFrame));
        reference.push_back(timeFrame(referenceFrame));
    }
    attributeAllocations(true);
    const AllocationCount start = allocationsOnThisThread();
    for (int i = 0; i < 2; ++i) {
        programFrame();
        glutSwapBuffers();
    }
    const AllocationCount end = allocationsOnThisThread();
    attributeAllocations(false);
    char notes[3][96];
    std::snprintf(notes[0], sizeof notes[0], "%d triangles, %d materials; %.3f %% of pixels differ", triangles,
                  MATERIALS, differing * 100);
    std::snprintf(notes[1], sizeof notes[1], "%llu allocations by halvane in 2 frames", end.byHalvane - start.byHalvane);
    std::snprintf(notes[2], sizeof notes[2], "its triangles: position, normal, texture coordinate per corner");
    const std::string runsText = "median of " + std::to_string(frames) + " frames each, in turns";
    return {
        Row{"Building", "frame, generated building from its start", screen, median(program), median(reference),
            "ms", runsText + "; " + notes[0], "one glDrawArrays per material, client arrays", 1.1, false},
        Row{"Building", "heap allocations in display", screen, double(end.byHalvane - start.byHalvane), 0, "",
            notes[1], "", 0, false},
        Row{"Building", "memory above the program without it (VmRSS)", screen, (after - before) / 1e6, bytes / 1e6,
            "MB", "", notes[2], 3.0, false},
    };
}
