// Cloth, leather and wood: the colours of every part but the face.
#include "skin_paint.h"

#include "body_parts.h"
#include "skeleton.h"

namespace {

const Rgb kTunic{0.55f, 0.43f, 0.29f};
const Rgb kWool{0.33f, 0.25f, 0.2f};
const Rgb kFelt{0.27f, 0.21f, 0.16f};
const Rgb kHose{0.42f, 0.41f, 0.38f};
const Rgb kLeather{0.32f, 0.2f, 0.11f};
const Rgb kSkin{0.86f, 0.66f, 0.5f};
const Rgb kWood{0.56f, 0.41f, 0.25f};
const Rgb kBrass{0.85f, 0.68f, 0.3f};

// Cloth hangs in soft vertical folds that deepen toward the hem.
Rgb cloth(Rgb base, const SurfacePoint& sp, float folds, float depth)
{
    float wobble = 0.7f * std::sin(restHeight(sp) * 1.3f + sp.angle * 2);
    float fold = 0.5f + 0.5f * std::sin(sp.angle * folds + wobble);
    float weave = 0.92f + 0.16f * grain(sp.pos, 2.5f);
    return base * ((1 - depth * fold) * weave);
}

Rgb torso(const SurfacePoint& sp)
{
    float h = restHeight(sp);
    Rgb c = cloth(kTunic, sp, 6, 0.12f);
    float strap = std::abs(h - (19.6f + 1.25f * sp.pos.y));
    if (strap < 0.3f)
        c = kLeather * (strap > 0.22f ? 0.7f : 1.0f);
    if (h > 15.7f && h < 16.7f) {
        c = kLeather * (std::abs(h - 16.2f) > 0.4f ? 0.7f : 1.0f);
        if (sp.pos.x > 0 && std::abs(sp.pos.y) < 0.45f && std::abs(h - 16.2f) < 0.4f)
            c = kBrass * (std::abs(sp.pos.y) > 0.3f || std::abs(h - 16.2f) > 0.28f ? 0.6f : 1.0f);
    }
    if (sp.pos.x > 0 && std::abs(sp.pos.y) < 0.08f && h > 16.7f)
        c = c * 0.75f;
    return c;
}

Rgb skirt(const SurfacePoint& sp)
{
    if (facesInward(sp))
        return kTunic * 0.45f;
    float h = restHeight(sp);
    Rgb c = cloth(kTunic, sp, 9, 0.1f + 0.12f * std::clamp((15 - h) / 4, 0.0f, 1.0f));
    if (h < 11.4f)
        c = c * 0.72f;
    if (h > 15.7f)
        c = kLeather * 0.8f;
    return c;
}

Rgb cape(const SurfacePoint& sp)
{
    if (facesInward(sp))
        return kWool * 0.5f;
    float h = restHeight(sp);
    Rgb c = cloth(kWool, sp, 11, 0.14f);
    if (h < 20.9f)
        c = c * 0.78f;
    for (float side : {-1.0f, 1.0f}) {
        Rgb shell;
        float cover = scallop(sp.pos.y - side * 1.7f, h - 21.9f, 0.75f, shell);
        if (sp.pos.x > 0 && cover > 0)
            c = mixRgb(c, shell, cover);
    }
    return c;
}

Rgb sleeve(const SurfacePoint& sp)
{
    float h = restHeight(sp);
    if (h < 15.85f)
        return kSkin * 0.8f;
    Rgb c = cloth(kTunic, sp, 4, 0.1f);
    if (h < 16.6f)
        c = c * 0.75f;
    return c * (1 - 0.15f * spot(0, h - 19.3f, 1, 0.5f, 1));
}

Rgb hand(const SurfacePoint& sp)
{
    float h = restHeight(sp);
    float finger = h < 14.3f ? 0.5f + 0.5f * std::cos(sp.angle * 8) : 0;
    return kSkin * (1 - 0.12f * finger * std::abs(std::sin(sp.angle)));
}

Rgb leg(const SurfacePoint& sp)
{
    float rib = 0.94f + 0.06f * std::sin(sp.angle * 16);
    return kHose * (rib * (0.9f + 0.15f * grain(sp.pos, 3)));
}

Rgb boot(const SurfacePoint& sp)
{
    float h = restHeight(sp);
    Rgb c = kLeather * (0.85f + 0.3f * grain(sp.pos, 1.7f));
    if (h > 4.9f)
        c = c * 1.25f;
    if (std::abs(h - 4.9f) < 0.08f || std::abs(h - 1.2f) < 0.07f)
        c = c * 0.6f;
    return c;
}

Rgb foot(const SurfacePoint& sp)
{
    float h = restHeight(sp);
    if (h < 0.12f)
        return Rgb{0.14f, 0.1f, 0.07f};
    Rgb c = kLeather * (0.85f + 0.3f * grain(sp.pos, 1.7f));
    return h < 0.28f ? c * 0.55f : c;
}

Rgb crown(const SurfacePoint& sp)
{
    float h = restHeight(sp);
    Rgb c = kFelt * (0.9f + 0.2f * grain(sp.pos, 3));
    if (h < 28.75f)
        c = Rgb{0.13f, 0.1f, 0.08f};
    Rgb shell;
    float cover = scallop(sp.pos.y, h - 28.95f, 0.7f, shell);
    if (sp.pos.x > 0 && cover > 0)
        c = mixRgb(c, shell, cover);
    return c;
}

Rgb brim(const SurfacePoint& sp)
{
    Rgb c = kFelt * (0.9f + 0.2f * grain(sp.pos, 3));
    if (sp.normal.z < -0.5f)
        return c * 0.6f;
    float r = std::sqrt(sp.pos.x * sp.pos.x + sp.pos.y * sp.pos.y);
    return r > 3.55f ? c * 0.75f : c;
}

Rgb staff(const SurfacePoint& sp)
{
    float g = grain({sp.along * 0.6f, 1.5f * std::cos(sp.angle), 1.5f * std::sin(sp.angle)}, 2.0f);
    Rgb c = kWood * (0.75f + 0.4f * g);
    if (sp.along > sp.total - 1.4f)
        c = c * 0.7f;
    float grip = sp.along - kStaffBelowFist;
    if (grip > -0.9f && grip < 0.9f)
        c = kLeather * (0.8f + 0.3f * (0.5f + 0.5f * std::sin(grip * 18)));
    return c;
}

Rgb gourd(const SurfacePoint& sp)
{
    Rgb c = Rgb{0.78f, 0.58f, 0.26f} * (0.85f + 0.25f * grain(sp.pos, 3));
    float h = sp.along / sp.total;
    return (std::abs(h - 0.55f) < 0.05f || h > 0.9f) ? kLeather : c;
}

Rgb scrip(const SurfacePoint& sp)
{
    Rgb c = Rgb{0.45f, 0.36f, 0.25f} * (0.85f + 0.25f * grain(sp.pos, 2.5f));
    float flap = sp.pos.z - kFloorZ - 14.8f;
    if (sp.pos.y < -3.0f && flap > 0.05f && flap < 0.2f)
        return c * 0.6f;
    Rgb shell;
    float cover = scallop(sp.pos.x + 0.8f, flap + 0.25f, 0.45f, shell);
    return (sp.pos.y < -3.3f && cover > 0) ? mixRgb(c, shell, cover) : c;
}

}  // namespace

Rgb partColour(const std::string& part, const SurfacePoint& sp)
{
    const std::string kind = part.substr(0, part.find('_'));
    if (kind == "torso")
        return torso(sp);
    if (kind == "skirt")
        return skirt(sp);
    if (kind == "cape")
        return cape(sp);
    if (kind == "arm")
        return sleeve(sp);
    if (kind == "hand")
        return hand(sp);
    if (kind == "leg")
        return leg(sp);
    if (kind == "boot")
        return boot(sp);
    if (kind == "foot")
        return foot(sp);
    if (kind == "crown")
        return crown(sp);
    if (kind == "brim")
        return brim(sp);
    if (kind == "nose")
        return kSkin;
    if (kind == "scrip")
        return scrip(sp);
    if (part == "staff_gourd")
        return gourd(sp);
    return staff(sp);
}
