// The pilgrim's clothing and gear: tunic skirt, shoulder cape (pelerine), hat and staff.
#include "body_parts.h"

#include "binding.h"

namespace {

// The skirt hangs from the pelvis; its lower half follows the thigh on its side.
Influences skirtBind(Vec3 p)
{
    float toLegs = 0.75f * smoothStep(15.5f, 10.8f, heightOf(p));
    float left = std::clamp(0.5f + p.y / 2.5f, 0.0f, 1.0f);
    return {{Pelvis, LHip, RHip}, {1 - toLegs, toLegs * left, toLegs * (1 - left)}};
}

PartShape skirt()
{
    PartShape s{"skirt", {}, true, {1, 0, 0}, {0, 1, 0}, 14, {0, 0, 224, 80}, skirtBind};
    s.rings = {ringAt(0, 0, 16.6f, 1.95f, 2.55f), ringAt(0, 0, 14.5f, 2.15f, 2.85f),
               ringAt(0, 0, 12.2f, 2.45f, 3.15f), ringAt(0, 0, 10.8f, 2.6f, 3.3f),
               ringAt(0, 0, 10.8f, 2.45f, 3.15f), ringAt(0, 0, 12.5f, 2.0f, 2.7f),
               ringAt(0, 0, 14.8f, 1.7f, 2.35f)};
    return s;
}

// The cape rests on the chest; over each arm it rises and falls with the shoulder.
Influences capeBind(Vec3 p)
{
    float h = heightOf(p);
    float toArm = smoothStep(2.2f, 4.2f, std::abs(p.y)) * (0.35f + 0.45f * smoothStep(24.0f, 20.4f, h));
    return mix(Chest, p.y > 0 ? LShoulder : RShoulder, toArm);
}

PartShape pelerine()
{
    PartShape s{"cape", {}, true, {1, 0, 0}, {0, 1, 0}, 16, {0, 0, 256, 88}, capeBind};
    const float x = -0.15f;
    s.rings = {ringAt(x, 0, 24.7f, 1.25f, 1.4f),  ringAt(x, 0, 24.1f, 2.5f, 3.7f),
               ringAt(x, 0, 23.1f, 2.9f, 4.6f),   ringAt(x, 0, 21.7f, 3.0f, 4.75f),
               ringAt(x, 0, 20.4f, 3.05f, 4.8f),  ringAt(x, 0, 20.4f, 2.85f, 4.6f),
               ringAt(x, 0, 21.8f, 2.65f, 4.3f),  ringAt(x, 0, 23.0f, 2.4f, 4.0f),
               ringAt(x, 0, 24.4f, 1.05f, 1.15f)};
    return s;
}

PartShape hatCrown()
{
    PartShape s{"crown", {}, false, {1, 0, 0}, {0, 1, 0}, 12, {0, 0, 128, 48}, rigid(Head)};
    s.rings = {ringAt(0, 0, 27.9f, 0, 0),         ringAt(0, 0, 28.1f, 1.85f, 1.65f),
               ringAt(0, 0, 29.6f, 1.75f, 1.55f), ringAt(0, 0, 30.3f, 1.45f, 1.3f),
               ringAt(0, 0, 30.6f, 0.9f, 0.8f),   ringAt(0, 0, 30.7f, 0, 0)};
    return s;
}

PartShape hatBrim()
{
    PartShape s{"brim", {}, true, {1, 0, 0}, {0, 1, 0}, 16, {0, 0, 256, 40}, rigid(Head)};
    s.rings = {ringAt(0, 0, 28.45f, 1.75f, 1.6f), ringAt(0, 0, 28.2f, 3.9f, 3.6f),
               ringAt(0, 0, 28.05f, 3.9f, 3.6f),  ringAt(0, 0, 28.25f, 1.75f, 1.6f)};
    return s;
}

// At rest the staff lies along x through the right fist; the hand turns it upright.
PartShape staff()
{
    PartShape s{"staff", {}, false, {0, 1, 0}, {0, 0, 1}, 6, {0, 0, 24, 256}, rigid(RHand)};
    Vec3 fist = restJoint(RHand) + Vec3{0.1f, 0, -1.0f};
    struct Step {
        float x, r;
    };
    for (Step st : std::vector<Step>{{-kStaffBelowFist, 0}, {0.1f - kStaffBelowFist, 0.22f}, {-8.0f, 0.26f}, {0, 0.28f}, {10.0f, 0.28f},
                                     {14.0f, 0.3f}, {14.6f, 0.45f}, {15.2f, 0.4f}, {15.4f, 0}})
        s.rings.push_back({fist + Vec3{st.x, 0, 0}, st.r, st.r});
    return s;
}

// A calabash for water, tied to the staff below its knob; it travels with the staff.
PartShape gourd()
{
    PartShape s{"staff_gourd", {}, false, {0, 1, 0}, {0, 0, 1}, 8, {0, 0, 40, 48}, rigid(RHand)};
    Vec3 tie = restJoint(RHand) + Vec3{0.1f, -0.62f, -1.0f};
    struct Step {
        float x, r;
    };
    for (Step st : std::vector<Step>{{9.6f, 0}, {9.8f, 0.4f}, {10.3f, 0.58f}, {10.8f, 0.4f}, {11.05f, 0.3f},
                                     {11.4f, 0.38f}, {11.7f, 0.26f}, {11.9f, 0.12f}, {12.0f, 0}})
        s.rings.push_back({tie + Vec3{st.x, 0, 0}, st.r, st.r});
    return s;
}

// The scrip, the pilgrim's shoulder bag, hangs at the right hip from the chest strap.
PartShape scrip()
{
    PartShape s{"scrip", {}, false, {1, 0, 0}, {0, 0, 1}, 8, {0, 0, 56, 40}, skirtBind};
    struct Step {
        float y, ru, rv;
    };
    for (Step st : std::vector<Step>{{-2.6f, 0, 0}, {-2.7f, 1.1f, 0.95f}, {-3.25f, 1.2f, 1.0f},
                                     {-3.45f, 0.9f, 0.7f}, {-3.5f, 0, 0}})
        s.rings.push_back({{-0.8f, st.y, kFloorZ + 14.8f}, st.ru, st.rv});
    return s;
}

}  // namespace

std::vector<PartShape> attireParts()
{
    return {skirt(), scrip(), pelerine(), hatCrown(), hatBrim(), staff(), gourd()};
}
