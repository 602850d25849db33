#include "building/draw/SkyDraw.h"

#include "platform/Gl.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int AROUND = 24;  // segments round the eye
constexpr int BANDS = 12;   // from straight down to straight up
constexpr float RADIUS = 10.0f;  // beyond the near plane; nothing is compared with its depth

const Vec3 ZENITH(0.24f, 0.45f, 0.80f);
const Vec3 HORIZON(0.80f, 0.88f, 0.96f);
const Vec3 BELOW(0.62f, 0.66f, 0.70f);

struct SkyDome {
    std::vector<float> positions;
    std::vector<std::uint8_t> colours;

    void corner(int band, int segment)
    {
        const float rise = -1.5707963f + 3.1415927f * float(band) / float(BANDS);
        const float turn = 6.2831853f * float(segment) / float(AROUND);
        const float up = std::sin(rise);
        positions.insert(positions.end(), {RADIUS * std::cos(rise) * std::cos(turn), RADIUS * up,
                                           RADIUS * std::cos(rise) * std::sin(turn)});
        const Vec3 c = skyColour(up);
        colours.insert(colours.end(), {std::uint8_t(c.x * 255.0f + 0.5f), std::uint8_t(c.y * 255.0f + 0.5f),
                                       std::uint8_t(c.z * 255.0f + 0.5f), 255});
    }

    SkyDome()
    {
        for (int band = 0; band < BANDS; ++band)
            for (int segment = 0; segment < AROUND; ++segment) {
                const int quad[6][2] = {{band, segment},     {band + 1, segment}, {band + 1, segment + 1},
                                        {band, segment},     {band + 1, segment + 1}, {band, segment + 1}};
                for (const auto& c : quad)
                    corner(c[0], c[1]);
            }
    }
};

}  // namespace

Vec3 skyColour(float up)
{
    if (up < 0.0f)
        return BELOW + (HORIZON - BELOW) * std::exp(8.0f * up);
    // Pale at the horizon, deepening quickly over the first 30 degrees.
    const float deep = 1.0f - std::exp(-3.0f * up);
    return HORIZON + (ZENITH - HORIZON) * deep;
}

void drawSky(Vec3 eye)
{
    static const SkyDome dome;
    glPushMatrix();
    glTranslatef(eye.x, eye.y, eye.z);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, dome.positions.data());
    glColorPointer(4, GL_UNSIGNED_BYTE, 0, dome.colours.data());
    glDrawArrays(GL_TRIANGLES, 0, GLsizei(dome.positions.size() / 3));
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDepthMask(GL_TRUE);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glPopMatrix();
}
