// MD2 encoding: little-endian header of 17 int32 followed by the five sections.
#include "md2_file.h"

#include "normal_bins.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kHeaderBytes = 17 * 4;
constexpr int kSkinNameBytes = 64;
constexpr int kFrameNameBytes = 16;

struct Bytes {
    std::vector<std::uint8_t> data;
    void u8(int v) { data.push_back(std::uint8_t(v)); }
    void u16(int v)
    {
        u8(v & 0xFF);
        u8((v >> 8) & 0xFF);
    }
    void i32(std::int32_t v)
    {
        auto u = std::uint32_t(v);
        for (int i = 0; i < 4; ++i)
            u8(int((u >> (8 * i)) & 0xFF));
    }
    void f32(float f)
    {
        std::uint32_t u = 0;
        std::memcpy(&u, &f, 4);
        i32(std::int32_t(u));
    }
    void name(const std::string& s, std::size_t width)
    {
        for (std::size_t i = 0; i < width; ++i)
            u8(i < s.size() && i + 1 < width ? s[i] : 0);
    }
};

// Outward vertex normals of one frame; the file's corners run clockwise from
// outside, so each right-hand face normal points in and is subtracted.
std::vector<Vec3> outwardNormals(const Md2Model& model, const std::vector<Vec3>& pos)
{
    std::vector<Vec3> n(pos.size());
    for (const MeshTriangle& t : model.triangles) {
        Vec3 a = pos[t.vertex[0]], b = pos[t.vertex[1]], c = pos[t.vertex[2]];
        Vec3 face = cross(b - a, c - a);
        for (int v : t.vertex)
            n[v] = n[v] - face;
    }
    return n;
}

void encodeFrame(Bytes& out, const Md2Model& model, const Md2Frame& frame)
{
    Vec3 lo = frame.positions[0], hi = lo;
    for (Vec3 p : frame.positions) {
        lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
        hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
    }
    Vec3 scale = (hi - lo) * (1.0f / 255.0f);
    for (float s : {scale.x, scale.y, scale.z})
        out.f32(s);
    for (float t : {lo.x, lo.y, lo.z})
        out.f32(t);
    out.name(frame.name, kFrameNameBytes);
    auto quantise = [](float p, float low, float step) {
        return step > 0 ? std::clamp(int(std::lround((p - low) / step)), 0, 255) : 0;
    };
    std::vector<Vec3> normals = outwardNormals(model, frame.positions);
    for (std::size_t i = 0; i < frame.positions.size(); ++i) {
        Vec3 p = frame.positions[i];
        out.u8(quantise(p.x, lo.x, scale.x));
        out.u8(quantise(p.y, lo.y, scale.y));
        out.u8(quantise(p.z, lo.z, scale.z));
        out.u8(normalBin(normalize(normals[i])));
    }
}

// One three-corner strip per triangle, in the triangle's own corner order.
void encodeGlCommands(Bytes& out, const Md2Model& model)
{
    for (const MeshTriangle& t : model.triangles) {
        out.i32(3);
        for (int c = 0; c < 3; ++c) {
            const SkinCoord& st = model.skinCoords[t.st[c]];
            out.f32(float(st.s) / float(model.skinWidth));
            out.f32(float(st.t) / float(model.skinHeight));
            out.i32(t.vertex[c]);
        }
    }
    out.i32(0);
}

}  // namespace

std::vector<std::uint8_t> encodeMd2(const Md2Model& model)
{
    const int vertexCount = int(model.frames[0].positions.size());
    const int frameSize = 40 + 4 * vertexCount;
    const int glWords = int(model.triangles.size()) * 10 + 1;
    const int ofsSkins = kHeaderBytes;
    const int ofsSt = ofsSkins + kSkinNameBytes;
    const int ofsTris = ofsSt + 4 * int(model.skinCoords.size());
    const int ofsFrames = ofsTris + 12 * int(model.triangles.size());
    const int ofsGl = ofsFrames + frameSize * int(model.frames.size());
    const int ofsEnd = ofsGl + 4 * glWords;

    Bytes out;
    for (char c : {'I', 'D', 'P', '2'})
        out.u8(c);
    for (int v : {8, model.skinWidth, model.skinHeight, frameSize, 1, vertexCount,
                  int(model.skinCoords.size()), int(model.triangles.size()), glWords,
                  int(model.frames.size()), ofsSkins, ofsSt, ofsTris, ofsFrames, ofsGl, ofsEnd})
        out.i32(v);
    out.name(model.skinName, kSkinNameBytes);
    for (const SkinCoord& st : model.skinCoords) {
        out.u16(st.s);
        out.u16(st.t);
    }
    for (const MeshTriangle& t : model.triangles) {
        for (int v : t.vertex)
            out.u16(v);
        for (int s : t.st)
            out.u16(s);
    }
    for (const Md2Frame& f : model.frames)
        encodeFrame(out, model, f);
    encodeGlCommands(out, model);
    return out.data;
}

bool writeMd2(const std::string& path, const Md2Model& model)
{
    std::vector<std::uint8_t> bytes = encodeMd2(model);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    bool ok = f && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = f && std::fclose(f) == 0 && ok;
    if (!ok)
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    return ok;
}
