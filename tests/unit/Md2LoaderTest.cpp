// Loading a model file up to its skin: console lines, the sequence split, the vertex
// transform, the corner order, and the refusal of a file it cannot use.
#include "Md2TestSupport.h"
#include "data/LoadFailure.h"
#include "md2/ModelManager.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <cmath>

namespace {

const Vec3 UNIT_SCALE(1.0f, 1.0f, 1.0f);

// The lines of a load whose frames walk the whole sequence table.
std::string fullSplitLines()
{
    std::string lines;
    for (int s = 0; s < SEQUENCE_COUNT - 1; ++s)
        lines += "stored animation " + std::to_string(s) + " (" + std::to_string(SEQUENCE_FRAME_COUNTS[s]) +
                 " frames).\n";
    return lines + "finishing with animation 19 (8 frames).\n";
}

std::string loadLines(const std::string& path, int numTexCoords, int numFrames, int numVertices, int numTriangles)
{
    return std::string(DEFAULT_MODEL_LINE) + "\nloading model number 0: " + path + "\n" + DEFAULT_MODEL_LINE +
           "reading " + std::to_string(numTexCoords) + " texture coordinates.\n" + "reading vertices:\n" +
           "file has " + std::to_string(numFrames) + " frames. Each frame has " + std::to_string(numVertices) +
           " vertices.\n" + fullSplitLines() + "reading " + std::to_string(numTriangles) + " triangles.\n" +
           "computing the light normals.\n";
}

Md2Model readQuietly(const ModelManager& manager, Vec3 scale, const std::string& path, std::string* output = nullptr)
{
    testing::internal::CaptureStdout();
    ModelRead read = manager.readModel(scale, path.c_str());
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(read.ok()) << read.failure;
    if (output)
        *output = printed;
    return std::move(read.model);
}

// What the program prints when it refuses the file: the loader's own lines, then the line it
// is refused with, as the start prints it before it ends with status 1.
std::string refusalPrinted(const ModelManager& manager, const std::string& path)
{
    testing::internal::CaptureStdout();
    const ModelRead read = manager.readModel(UNIT_SCALE, path.c_str());
    EXPECT_FALSE(read.ok());
    printLoadFailure(read.failure);
    return testing::internal::GetCapturedStdout();
}

// Vertex 0 of every file frame k sits at x = k (unit scale), so x names the file frame.
float fileFrameOf(const Md2Model& model, int s, int f)
{
    return model.sequenceFrames[s][static_cast<std::size_t>(f * model.numVertices)].position.x;
}

TEST(Md2Loader, A198FrameFilePrintsEveryLineInOrder)
{
    const ModelManager manager;
    const std::string path = writeTestFile("full.md2", makeTestFile(198, 3).bytes());
    std::string output;
    const Md2Model model = readQuietly(manager, UNIT_SCALE, path, &output);
    EXPECT_EQ(output, loadLines(path, 3, 198, 3, 1));
    EXPECT_EQ(model.numVertices, 3);
    EXPECT_EQ(model.numTexCoords, 3);
    EXPECT_EQ(model.numTriangles, 1);
    EXPECT_EQ(model.sequence, 0);
    EXPECT_EQ(model.framePosition, 0.0f);
    EXPECT_EQ(model.playMode, PLAY_LOOP);
}

TEST(Md2Loader, FileFramesFillTheSequencesInOrder)
{
    const ModelManager manager;
    const Md2Model model = readQuietly(manager, UNIT_SCALE, writeTestFile("split.md2", makeTestFile(198, 3).bytes()));
    EXPECT_EQ(fileFrameOf(model, 1, 0), 40.0f);
    EXPECT_EQ(fileFrameOf(model, 19, 7), 197.0f);
    int fileFrame = 0;
    for (int s = 0; s < SEQUENCE_COUNT; ++s) {
        ASSERT_EQ(model.sequenceFrames[s].size(), static_cast<std::size_t>(SEQUENCE_FRAME_COUNTS[s] * 3));
        for (int f = 0; f < SEQUENCE_FRAME_COUNTS[s]; ++f, ++fileFrame)
            EXPECT_EQ(fileFrameOf(model, s, f), static_cast<float>(fileFrame)) << "sequence " << s << " frame " << f;
    }
}

TEST(Md2Loader, MissingFramesRepeatTheFilesLastFrame)
{
    const ModelManager manager;
    const std::string path = writeTestFile("short.md2", makeTestFile(50, 3).bytes());
    std::string output;
    const Md2Model model = readQuietly(manager, UNIT_SCALE, path, &output);
    EXPECT_EQ(output, loadLines(path, 3, 50, 3, 1));
    EXPECT_EQ(fileFrameOf(model, 0, 39), 39.0f);
    EXPECT_EQ(fileFrameOf(model, 2, 3), 49.0f);
    EXPECT_EQ(fileFrameOf(model, 2, 4), 49.0f);
    EXPECT_EQ(fileFrameOf(model, 19, 7), 49.0f);
    // The repeated frames carry the last frame's normals, not zeros.
    EXPECT_FLOAT_EQ(model.sequenceFrames[19][21].normal.length(), 1.0f);
}

TEST(Md2Loader, OneFrameFillsEverySequence)
{
    const ModelManager manager;
    const Md2Model model = readQuietly(manager, UNIT_SCALE, writeTestFile("one.md2", makeTestFile(1, 3).bytes()));
    for (int s = 0; s < SEQUENCE_COUNT; ++s)
        EXPECT_EQ(fileFrameOf(model, s, SEQUENCE_FRAME_COUNTS[s] - 1), 0.0f);
}

TEST(Md2Loader, FramesPastThe198thAreIgnored)
{
    const ModelManager manager;
    const std::string path = writeTestFile("long.md2", makeTestFile(200, 3).bytes());
    std::string output;
    const Md2Model model = readQuietly(manager, UNIT_SCALE, path, &output);
    EXPECT_EQ(output, loadLines(path, 3, 200, 3, 1));
    EXPECT_EQ(fileFrameOf(model, 19, 7), 197.0f);
    EXPECT_EQ(model.sequenceFrames[19].size(), 8u * 3u);
}

TEST(Md2Loader, VerticesAreScaledAndTurnedUpright)
{
    Md2TestFile file = makeTestFile(1, 3);
    file.frames[0].vertices[1] = {10, 20, 30};
    const ModelManager manager;
    const Md2Model model = readQuietly(manager, Vec3(0.15f, 0.15f, 0.15f), writeTestFile("v.md2", file.bytes()));
    const Vec3 p = model.sequenceFrames[0][1].position;
    EXPECT_FLOAT_EQ(p.x, 1.5f);
    EXPECT_FLOAT_EQ(p.y, 4.5f);
    EXPECT_FLOAT_EQ(p.z, -3.0f);
}

TEST(Md2Loader, EachAxisTakesItsOwnScale)
{
    Md2TestFile file = makeTestFile(1, 3);
    file.frames[0] = Md2TestFrame{{0.5f, 2.0f, 1.0f}, {1.0f, 0.0f, -2.0f}, {{4, 5, 6}, {0, 0, 0}, {1, 1, 1}}};
    const ModelManager manager;
    const Md2Model model = readQuietly(manager, Vec3(2.0f, 3.0f, 4.0f), writeTestFile("axes.md2", file.bytes()));
    const Vec3 p = model.sequenceFrames[0][0].position;
    EXPECT_FLOAT_EQ(p.x, 2.0f * (4 * 0.5f + 1.0f));
    EXPECT_FLOAT_EQ(p.y, 4.0f * (6 * 1.0f - 2.0f));
    EXPECT_FLOAT_EQ(p.z, -3.0f * (5 * 2.0f));
}

TEST(Md2Loader, TriangleCornersAreReversed)
{
    Md2TestFile file = makeTestFile(1, 3);
    file.texCoords = {{0, 0}, {1, 0}, {2, 0}, {64, 32}, {128, 32}, {64, 96}};
    file.triangles = {{0, 1, 2, 3, 4, 5}};
    const ModelManager manager;
    const Md2Model model = readQuietly(manager, UNIT_SCALE, writeTestFile("corners.md2", file.bytes()));
    ASSERT_EQ(model.triangles.size(), 1u);
    const ModelTriangle& t = model.triangles[0];
    EXPECT_EQ(t.vertexIndices[0], 2);
    EXPECT_EQ(t.vertexIndices[1], 1);
    EXPECT_EQ(t.vertexIndices[2], 0);
    EXPECT_EQ(t.texCoordIndices[0], 5);
    EXPECT_EQ(t.texCoordIndices[1], 4);
    EXPECT_EQ(t.texCoordIndices[2], 3);
    EXPECT_FLOAT_EQ(model.texCoords[3].s, 0.25f);
    EXPECT_FLOAT_EQ(model.texCoords[3].t, 0.75f);
}

TEST(Md2Loader, LoadedNormalsAreUnitOrZeroForAnUnusedVertex)
{
    const ModelManager manager;
    const Md2Model model = readQuietly(manager, UNIT_SCALE, writeTestFile("unused.md2", makeTestFile(2, 4).bytes()));
    for (int s = 0; s < SEQUENCE_COUNT; ++s) {
        for (int f = 0; f < SEQUENCE_FRAME_COUNTS[s]; ++f) {
            const ModelVertex* frame = &model.sequenceFrames[s][static_cast<std::size_t>(f) * 4];
            for (int i = 0; i < 3; ++i)
                EXPECT_NEAR(frame[i].normal.length(), 1.0f, 1e-6f);
            EXPECT_EQ(frame[3].normal.x, 0.0f);
            EXPECT_EQ(frame[3].normal.y, 0.0f);
            EXPECT_EQ(frame[3].normal.z, 0.0f);
        }
    }
}

TEST(Md2Loader, TwoThousandVerticesPerFrameLoad)
{
    const ModelManager manager;
    const Md2Model model = readQuietly(manager, UNIT_SCALE, writeTestFile("2000.md2", makeTestFile(1, 2000).bytes()));
    EXPECT_EQ(model.numVertices, 2000);
    EXPECT_EQ(model.sequenceFrames[0].size(), 40u * 2000u);
}

// A model without triangles would draw nothing: the loader refuses it.
TEST(Md2LoaderRefusal, AFileWithoutTrianglesIsRefusedWithItsMessage)
{
    const ModelManager manager;
    const std::string path = writeTestFile("novertices.md2", makeTestFile(198, 0).bytes());
    const std::string expected = std::string(DEFAULT_MODEL_LINE) + "\nloading model number 0: " + path + "\n" +
                                 DEFAULT_MODEL_LINE + path + " has no triangles.\n";
    EXPECT_EQ(refusalPrinted(manager, path), expected);
}

TEST(Md2Loader, AddModelFillsTheNextSlot)
{
    ModelManager manager;
    Md2Model model = readQuietly(manager, UNIT_SCALE, writeTestFile("add.md2", makeTestFile(1, 3).bytes()));
    model.texture = 4;
    testing::internal::CaptureStdout();
    EXPECT_EQ(manager.addModel(model).slot, 0);
    EXPECT_EQ(manager.addModel(model).slot, 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "model loaded.\nmodel loaded.\n");
    EXPECT_EQ(manager.modelCount, 2);
    EXPECT_EQ(manager.models[1].texture, 4);
    EXPECT_EQ(manager.models[1].sequenceFrames[19].size(), 24u);
}

TEST(Md2Loader, SecondLoadPrintsItsSlotNumber)
{
    ModelManager manager;
    manager.modelCount = 1;
    const std::string path = writeTestFile("second.md2", makeTestFile(198, 3).bytes());
    std::string output;
    readQuietly(manager, UNIT_SCALE, path, &output);
    EXPECT_NE(output.find("\nloading model number 1: " + path + "\n"), std::string::npos) << output;
}

// The loader's refusals: the program's own text, which it ends with at the start.
TEST(Md2LoaderRefusal, VertexLimitIsRefusedWithItsMessage)
{
    const ModelManager manager;
    const std::string path = writeTestFile("2001.md2", makeTestFile(1, 2001).bytes());
    const std::string expected = std::string(DEFAULT_MODEL_LINE) + "\nloading model number 0: " + path + "\n" +
                                 DEFAULT_MODEL_LINE + "The number of vertices per frame is limited to 2000. " + path +
                                 " has 2001.\n";
    EXPECT_EQ(refusalPrinted(manager, path), expected);
}

TEST(Md2LoaderRefusal, Version7IsRefusedWithItsMessage)
{
    std::vector<std::uint8_t> bytes = makeTestFile(1, 3).bytes();
    putInt32(bytes, MD2_AT_VERSION, 7);
    const std::string path = writeTestFile("v7.md2", bytes);
    const ModelManager manager;
    const std::string expected = std::string(DEFAULT_MODEL_LINE) + "\nloading model number 0: " + path + "\n" + path +
                                 " is not a version 8 md2 file.\n";
    EXPECT_EQ(refusalPrinted(manager, path), expected);
}

TEST(Md2LoaderRefusal, MissingFileIsRefusedWithCannotOpen)
{
    const ModelManager manager;
    const std::string path = testing::TempDir() + "no-such-model.md2";
    EXPECT_EQ(refusalPrinted(manager, path), std::string(DEFAULT_MODEL_LINE) + "cannot open " + path + "\n");
}

// On Linux a folder opens like a file, but seeking to its end gave a size no allocation could
// meet (found by the end-to-end table of broken data files: the program ended on std::bad_alloc).
// Windows refuses to open a folder as a file.
TEST(Md2LoaderRefusal, AFolderInThePlaceOfTheFileIsRefusedWithCannotRead)
{
    const ModelManager manager;
    const std::string path = testing::TempDir() + "folder.md2";
    std::filesystem::create_directory(path);
#ifdef _WIN32
    const std::string message = std::string(DEFAULT_MODEL_LINE) + "cannot open " + path + "\n";
#else
    const std::string message =
        std::string(DEFAULT_MODEL_LINE) + "\nloading model number 0: " + path + "\ncannot read " + path + "\n";
#endif
    EXPECT_EQ(refusalPrinted(manager, path), message);
    std::filesystem::remove(path);
}

TEST(Md2LoaderRefusal, ThirdModelIsRefusedBeforeOpeningItsFile)
{
    ModelManager manager;
    manager.modelCount = 2;
    EXPECT_EQ(refusalPrinted(manager, "/no/such/model.md2"), std::string(DEFAULT_MODEL_LINE) + "Too many md2 models.\n");
}

TEST(Md2LoaderRefusal, AThirdAddIsRefused)
{
    ModelManager manager;
    manager.modelCount = 2;
    const Md2Model model;
    testing::internal::CaptureStdout();
    const ModelLoad load = manager.addModel(model);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(load.failure, "Too many md2 models.");
    EXPECT_EQ(manager.modelCount, 2);
}

TEST(Md2LoaderRefusal, DamagedFileIsRefusedWithItsReason)
{
    std::vector<std::uint8_t> bytes = makeTestFile(2, 3).bytes();
    putUint16(bytes, 146, 3);
    const std::string path = writeTestFile("badindex.md2", bytes);
    const ModelManager manager;
    const std::string expected = std::string(DEFAULT_MODEL_LINE) + "\nloading model number 0: " + path + "\n" +
                                 DEFAULT_MODEL_LINE + path +
                                 ": triangle 0 has the vertex index 3, but a frame has 3 vertices.\n";
    EXPECT_EQ(refusalPrinted(manager, path), expected);
}

} // namespace
