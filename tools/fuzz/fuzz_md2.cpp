// libFuzzer target: any bytes through the MD2 parser and, when accepted, through the
// conversion into a model (frame split, reversed corners, light normals), as the loader does.
#include "md2/Md2Conversion.h"
#include "md2/Md2File.h"

#include <cstdlib>

namespace {

// Every index of an accepted file must lie inside what the model stores.
void checkModel(const Md2Model& model)
{
    for (const ModelTriangle& triangle : model.triangles)
        for (int corner = 0; corner < 3; ++corner)
            if (triangle.vertexIndices[corner] >= model.numVertices ||
                triangle.texCoordIndices[corner] >= model.numTexCoords)
                std::abort();
    for (int s = 0; s < SEQUENCE_COUNT; ++s)
        if (model.sequenceFrames[s].size() !=
            std::size_t(model.frameCounts[s]) * std::size_t(model.numVertices))
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    const Md2ContentsResult parsed = parseMd2(bytes, "fuzz.md2", SEQUENCE_FRAME_TOTAL);
    if (!parsed.failure.empty())
        return 0;
    const Md2HeaderResult header = readMd2Header(bytes, "fuzz.md2");
    // A new model record announces its animation sequence; copying one made once keeps the
    // fuzzer's output quiet and its speed up.
    static const Md2Model blank;
    Md2Model model = blank;
    convertMd2(model, header.header, parsed.contents, Vec3(0.15f, 0.15f, 0.15f));
    checkModel(model);
    return 0;
}
