// The pilgrim's body: lathed torso and head, and limbs hung along their joint lines.
#include "body_parts.h"

#include "binding.h"

namespace {

struct Section {
    float height, ru, rv;
};

// The point of the joint line top-mid-bottom at a rest height (limbs hang straight down).
Vec3 jointLine(Bone top, Bone mid, Bone bottom, float height)
{
    Vec3 a = restJoint(top), b = restJoint(mid), c = restJoint(bottom);
    float z = height + kFloorZ;
    if (z >= b.z)
        return lerp(b, a, std::clamp((z - b.z) / (a.z - b.z), 0.0f, 1.0f));
    return lerp(c, b, std::clamp((z - c.z) / (b.z - c.z), 0.0f, 1.0f));
}

std::vector<Ring> limbRings(Bone top, Bone mid, Bone bottom, const std::vector<Section>& sections)
{
    std::vector<Ring> rings;
    for (const Section& s : sections) {
        Vec3 c = jointLine(top, mid, bottom, s.height);
        rings.push_back(ringAt(c.x, c.y, s.height, s.ru, s.rv));
    }
    return rings;
}

PartShape torso()
{
    PartShape s{"torso", {}, false, {1, 0, 0}, {0, 1, 0}, 12, {0, 0, 192, 112}, {}};
    s.rings = {ringAt(0, 0, 13.3f, 0, 0),         ringAt(0, 0, 13.5f, 1.5f, 2.2f),
               ringAt(0, 0, 14.4f, 1.9f, 2.6f),    ringAt(0.05f, 0, 16.2f, 1.75f, 2.4f),
               ringAt(0.1f, 0, 18.3f, 1.9f, 2.55f), ringAt(0.15f, 0, 20.3f, 2.05f, 2.8f),
               ringAt(0.05f, 0, 22.3f, 1.95f, 2.9f), ringAt(-0.1f, 0, 23.5f, 1.6f, 2.7f),
               ringAt(-0.15f, 0, 24.2f, 1.0f, 1.3f), ringAt(-0.15f, 0, 24.5f, 0, 0)};
    s.bind = byHeight({{21.0f, Chest}, {18.0f, Spine}, {15.5f, Pelvis}});
    return s;
}

PartShape head()
{
    PartShape s{"head", {}, false, {1, 0, 0}, {0, 1, 0}, 12, {0, 0, 192, 96}, {}};
    s.rings = {ringAt(-0.2f, 0, 23.8f, 0, 0),       ringAt(-0.2f, 0, 24.2f, 0.8f, 0.8f),
               ringAt(-0.1f, 0, 25.3f, 0.8f, 0.8f),  ringAt(0.15f, 0, 25.7f, 1.4f, 1.25f),
               ringAt(0.1f, 0, 26.3f, 1.75f, 1.45f), ringAt(0.05f, 0, 27.0f, 1.9f, 1.55f),
               ringAt(0, 0, 27.8f, 1.85f, 1.55f),    ringAt(-0.1f, 0, 28.6f, 1.5f, 1.3f),
               ringAt(-0.1f, 0, 29.2f, 0.8f, 0.75f), ringAt(-0.1f, 0, 29.45f, 0, 0)};
    s.bind = byHeight({{25.8f, Head}, {24.9f, Neck}, {24.3f, Chest}});
    return s;
}

PartShape arm(const char* name, Bone shoulder, Bone elbow, Bone hand)
{
    PartShape s{name, {}, false, {1, 0, 0}, {0, 1, 0}, 8, {0, 0, 64, 112}, {}};
    s.rings = limbRings(shoulder, elbow, hand,
                        {{24.0f, 0, 0}, {23.5f, 0.95f, 0.95f}, {22.0f, 0.95f, 0.95f},
                         {20.3f, 0.85f, 0.85f}, {19.3f, 0.8f, 0.8f}, {18.3f, 0.8f, 0.8f},
                         {16.6f, 0.85f, 0.8f}, {15.9f, 0.95f, 0.95f}, {15.7f, 0.6f, 0.6f},
                         {15.3f, 0, 0}});
    s.bind = byHeight({{20.3f, shoulder}, {18.3f, elbow}});
    return s;
}

PartShape handPart(const char* name, Bone hand)
{
    PartShape s{name, {}, false, {1, 0, 0}, {0, 1, 0}, 6, {0, 0, 48, 40}, rigid(hand)};
    Vec3 w = restJoint(hand);
    for (Section sec : std::vector<Section>{{15.6f, 0, 0}, {15.3f, 0.5f, 0.35f}, {14.7f, 0.62f, 0.5f},
                                            {14.1f, 0.6f, 0.48f}, {13.6f, 0.45f, 0.33f}, {13.35f, 0, 0}})
        s.rings.push_back(ringAt(w.x + 0.1f, w.y, sec.height, sec.ru, sec.rv));
    return s;
}

PartShape leg(const char* name, Bone hip, Bone knee, Bone ankle)
{
    PartShape s{name, {}, false, {1, 0, 0}, {0, 1, 0}, 8, {0, 0, 64, 120}, {}};
    s.rings = limbRings(hip, knee, ankle,
                        {{15.0f, 0, 0}, {14.2f, 1.5f, 1.45f}, {12.4f, 1.4f, 1.35f},
                         {10.4f, 1.2f, 1.15f}, {8.6f, 1.0f, 0.95f}, {7.8f, 0.95f, 0.95f},
                         {7.0f, 0.95f, 0.9f}, {5.4f, 1.05f, 1.0f}, {3.6f, 0.85f, 0.8f},
                         {2.2f, 0.7f, 0.7f}, {1.8f, 0, 0}});
    s.bind = byHeight({{8.9f, hip}, {6.9f, knee}});
    return s;
}

PartShape bootShaft(const char* name, Bone knee, Bone ankle)
{
    Bone hip = knee == LKnee ? LHip : RHip;
    PartShape s{name, {}, false, {1, 0, 0}, {0, 1, 0}, 8, {0, 0, 64, 48}, {}};
    s.rings = limbRings(hip, knee, ankle,
                        {{5.75f, 0, 0}, {5.6f, 1.12f, 1.1f}, {5.2f, 1.1f, 1.05f}, {3.5f, 0.95f, 0.9f},
                         {2.0f, 0.85f, 0.8f}, {1.0f, 0.85f, 0.8f}, {0.6f, 0, 0}});
    s.bind = byHeight({{2.6f, knee}, {1.6f, ankle}});
    return s;
}

// The foot runs along x from heel to toe; each section's bottom rests on the floor.
PartShape foot(const char* name, Bone ankle)
{
    PartShape s{name, {}, false, {0, 0, 1}, {0, 1, 0}, 8, {0, 0, 64, 56}, rigid(ankle)};
    float y = restJoint(ankle).y;
    struct Step {
        float x, rz, ry;
    };
    for (Step st : std::vector<Step>{{-1.45f, 0, 0}, {-1.3f, 0.55f, 0.55f}, {-0.9f, 0.8f, 0.75f},
                                     {0.0f, 0.95f, 0.82f}, {1.2f, 0.7f, 0.88f}, {2.3f, 0.5f, 0.85f},
                                     {3.0f, 0.36f, 0.65f}, {3.35f, 0, 0}}) {
        float lift = st.rz > 0 ? st.rz : 0.35f;
        s.rings.push_back({{st.x, y, kFloorZ + lift}, st.rz, st.ry});
    }
    return s;
}

// A small nose standing out of the face, sloping down to its tip.
PartShape nose()
{
    PartShape s{"nose", {}, false, {0, 0, 1}, {0, 1, 0}, 6, {0, 0, 24, 20}, rigid(Head)};
    struct Step {
        float x, h, rz, ry;
    };
    for (Step st : std::vector<Step>{{1.6f, 27.0f, 0, 0}, {1.8f, 26.95f, 0.34f, 0.2f}, {2.1f, 26.85f, 0.27f, 0.17f},
                                     {2.3f, 26.75f, 0.14f, 0.12f}, {2.36f, 26.74f, 0, 0}})
        s.rings.push_back({{st.x, 0, kFloorZ + st.h}, st.rz, st.ry});
    return s;
}

}  // namespace

Ring ringAt(float x, float y, float height, float ru, float rv)
{
    return {{x, y, kFloorZ + height}, ru, rv};
}

std::vector<PartShape> bodyParts()
{
    return {torso(),
            head(),
            nose(),
            arm("arm_l", LShoulder, LElbow, LHand),
            arm("arm_r", RShoulder, RElbow, RHand),
            handPart("hand_l", LHand),
            handPart("hand_r", RHand),
            leg("leg_l", LHip, LKnee, LAnkle),
            leg("leg_r", RHip, RKnee, RAnkle),
            bootShaft("boot_l", LKnee, LAnkle),
            bootShaft("boot_r", RKnee, RAnkle),
            foot("foot_l", LAnkle),
            foot("foot_r", RAnkle)};
}
