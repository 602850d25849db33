// Skin painting: walks each island's pixels (plus a bleed border), finds the rest
// surface point under it, colours it and bakes a soft light from above and in front.
#include "skin_paint.h"

#include "skeleton.h"
#include "skin_layout.h"

namespace {

constexpr int kBleed = 3;

float bakedLight(const SurfacePoint& sp)
{
    const Vec3 sun = normalize({0.55f, 0.35f, 0.76f});
    float diffuse = std::max(0.0f, dot(sp.normal, sun));
    float sky = 0.5f + 0.5f * sp.normal.z;
    float lowDark = 0.78f + 0.22f * std::clamp((sp.pos.z - kFloorZ) / 26.0f, 0.0f, 1.0f);
    return (0.34f + 0.5f * diffuse + 0.22f * sky) * lowDark;
}

std::uint8_t channel(float v)
{
    return std::uint8_t(std::clamp(int(std::lround(v * 255.0f)), 0, 255));
}

void paintIsland(RgbImage& img, const PartShape& shape)
{
    const Island& is = shape.island;
    const std::vector<float> lengths = profileLengths(shape);
    for (int py = is.y - kBleed; py < is.y + is.h + kBleed; ++py)
        for (int px = is.x - kBleed; px < is.x + is.w + kBleed; ++px) {
            float fs = float(px - is.x) / float(is.w - 1), ft = float(py - is.y) / float(is.h - 1);
            SurfacePoint sp = latheSurface(shape, lengths, fs, ft);
            Rgb c = shape.name == "head" ? headColour(sp) : partColour(shape.name, sp);
            c = c * bakedLight(sp);
            std::uint8_t* out = img.at(px, img.height - 1 - py);
            out[0] = channel(c.r);
            out[1] = channel(c.g);
            out[2] = channel(c.b);
        }
}

}  // namespace

float restHeight(const SurfacePoint& sp) { return sp.pos.z - kFloorZ; }

bool facesInward(const SurfacePoint& sp)
{
    Vec3 out{sp.pos.x, sp.pos.y, 0};
    return dot(sp.normal, out) < 0;
}

float scallop(float dx, float dy, float size, Rgb& colour)
{
    const Rgb light{0.93f, 0.86f, 0.72f}, dark{0.6f, 0.48f, 0.36f};
    float r = std::sqrt(dx * dx + dy * dy) / size;
    float a = std::atan2(dx, dy);
    float hinge = spot(dx, dy + 0.1f * size, 0.28f * size, 0.14f * size, 0.3f);
    float fan = (dy > -0.05f * size && std::abs(a) < 1.2f) ? std::clamp((1 - r) * 8, 0.0f, 1.0f) : 0.0f;
    float rib = 0.5f + 0.5f * std::cos(a * 9.0f);
    colour = fan > 0 ? mixRgb(light, dark, 0.6f * rib + 0.25f * r) : light * 0.85f;
    return std::max(fan, hinge);
}

RgbImage paintSkin(const std::vector<PartShape>& parts)
{
    RgbImage img(kSkinSize, kSkinSize);
    for (const PartShape& shape : parts)
        paintIsland(img, shape);
    return img;
}
