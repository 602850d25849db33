// The pilgrim's head: weathered face with eyes, brows, nose and a short beard,
// hair at the back and sides, and a shaded neck.
#include "skin_paint.h"

namespace {

const Rgb kSkin{0.87f, 0.67f, 0.52f};
const Rgb kHair{0.36f, 0.27f, 0.2f};
const Rgb kBeard{0.42f, 0.33f, 0.25f};

struct FacePoint {
    float across;  // rest-surface distance from the middle of the face, + to the left
    float up;      // height above the eye line
    float front;   // cosine of the angle from straight ahead
};

FacePoint faceCoords(const SurfacePoint& sp)
{
    float a = sp.angle > kPi ? sp.angle - 2 * kPi : sp.angle;
    return {a * 1.7f, restHeight(sp) - 27.15f, std::cos(a)};
}

Rgb eye(const FacePoint& f, Rgb c)
{
    for (float side : {-1.0f, 1.0f}) {
        float dx = f.across - side * 0.62f;
        c = c * (1 - 0.14f * spot(dx, f.up, 0.55f, 0.32f, 1.0f));
        c = mixRgb(c, kHair * 0.8f, spot(dx, f.up - 0.36f, 0.38f, 0.075f, 0.4f));
        c = mixRgb(c, Rgb{0.95f, 0.93f, 0.88f}, spot(dx, f.up, 0.27f, 0.14f, 0.3f));
        c = mixRgb(c, Rgb{0.25f, 0.32f, 0.4f}, spot(dx, f.up, 0.12f, 0.12f, 0.3f));
        c = mixRgb(c, Rgb{0.05f, 0.05f, 0.06f}, spot(dx, f.up, 0.055f, 0.055f, 0.3f));
        c = mixRgb(c, Rgb{0.93f, 0.55f, 0.45f}, 0.3f * spot(dx * 0.9f, f.up + 0.5f, 0.35f, 0.3f, 1.0f));
    }
    return c;
}

Rgb noseAndMouth(const FacePoint& f, Rgb c)
{
    float ax = std::abs(f.across);
    if (f.up < 0.05f && f.up > -0.65f)
        c = c * (ax < 0.14f ? 1.08f : (ax < 0.26f ? 0.84f : 1.0f));
    c = c * (1 - 0.3f * spot(f.across, f.up + 0.7f, 0.26f, 0.06f, 0.6f));
    return mixRgb(c, Rgb{0.45f, 0.22f, 0.18f}, spot(f.across, f.up + 0.98f, 0.32f, 0.055f, 0.5f));
}

// Short beard over jaw and chin, moustache above the mouth; the mouth stays clear.
float beardCover(const FacePoint& f)
{
    if (f.front < -0.05f)
        return 0;
    float jaw = std::clamp((-1.0f - f.up) / 0.25f + 0.5f, 0.0f, 1.0f);
    float sides = std::clamp((std::abs(f.across) - 1.1f) / 0.2f, 0.0f, 1.0f) * std::clamp((-0.5f - f.up) / 0.2f, 0.0f, 1.0f);
    float tache = spot(f.across, f.up + 0.86f, 0.42f, 0.07f, 0.5f);
    float mouth = spot(f.across, f.up + 0.98f, 0.3f, 0.05f, 0.5f);
    float below = std::clamp((f.up + 2.0f) / 0.15f, 0.0f, 1.0f);
    return std::clamp(std::max({jaw, sides, tache}) - mouth, 0.0f, 1.0f) * below;
}

float hairCover(const FacePoint& f)
{
    float back = std::clamp((0.2f - f.front) / 0.15f, 0.0f, 1.0f) * std::clamp((f.up + 1.3f) / 0.3f, 0.0f, 1.0f);
    float top = std::clamp((f.up - 0.95f) / 0.1f, 0.0f, 1.0f);
    return std::max(back, top);
}

Rgb ear(const FacePoint& f, Rgb c)
{
    for (float side : {-1.0f, 1.0f}) {
        float dx = f.across - side * 2.67f;
        float outline = spot(dx, f.up + 0.2f, 0.32f, 0.5f, 0.3f);
        c = mixRgb(c, kSkin * 0.9f, outline);
        c = c * (1 - 0.25f * spot(dx, f.up + 0.2f, 0.14f, 0.28f, 0.5f));
    }
    return c;
}

}  // namespace

Rgb headColour(const SurfacePoint& sp)
{
    FacePoint f = faceCoords(sp);
    float h = restHeight(sp);
    Rgb c = kSkin * (0.94f + 0.1f * grain(sp.pos, 4));
    if (h < 25.75f)
        return c * (h > 25.2f ? 0.72f : 0.82f);
    c = eye(f, noseAndMouth(f, c));
    Rgb hairTone = kHair * (0.8f + 0.35f * grain(sp.pos * 1.0f + Vec3{0, 0, sp.pos.z * 3}, 3));
    c = mixRgb(c, hairTone, hairCover(f));
    c = ear(f, c);
    Rgb beardTone = kBeard * (0.8f + 0.35f * grain(sp.pos, 6));
    return mixRgb(c, beardTone, beardCover(f));
}
