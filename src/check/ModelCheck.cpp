#include "check/ModelCheck.h"

#include "md2/Md2FileBytes.h"
#include "md2/Md2Sequences.h"

#include <algorithm>
#include <cstdint>

namespace {

using FrameNames = std::vector<std::string>;

// The names let a person see whether the file's frames fall into the sequences meant for them.
std::string frameRange(int first, int last, const FrameNames& names)
{
    const std::string& firstName = names[std::size_t(first)];
    const std::string& lastName = names[std::size_t(last)];
    if (first == last)
        return "file frame " + std::to_string(first) + (firstName.empty() ? "" : " (" + firstName + ")");
    std::string text = "file frames " + std::to_string(first) + " to " + std::to_string(last);
    if (!firstName.empty() || !lastName.empty())
        text += " (" + firstName + " to " + lastName + ")";
    return text;
}

// Which file frames sequence s shows, where a file with fewer frames holds its last one.
std::string sequenceText(int s, int start, const FrameNames& names)
{
    const int fileFrames = int(names.size());
    const int count = SEQUENCE_FRAME_COUNTS[s];
    const int own = std::clamp(fileFrames - start, 0, count);
    const int held = fileFrameShown(start + count - 1, fileFrames);
    std::string text = "sequence " + std::to_string(s) + ", " + counted(count, "frame") + ": ";
    if (own == count)
        return text + frameRange(start, start + count - 1, names);
    if (own == 0)
        return text + frameRange(held, held, names) + " held for all of them";
    return text + frameRange(start, start + own - 1, names) + ", then file frame " + std::to_string(held) +
           " held for " + std::to_string(count - own);
}

void addSequenceFacts(const FrameNames& names, FileReport& report)
{
    int start = 0;
    for (int s = 0; s < SEQUENCE_COUNT; ++s) {
        report.facts.push_back(sequenceText(s, start, names));
        start += SEQUENCE_FRAME_COUNTS[s];
    }
}

// The first sequence that holds the last frame of a file with fewer than 198 frames.
int firstHoldingSequence(int fileFrames)
{
    int s = 0;
    for (int end = SEQUENCE_FRAME_COUNTS[0]; end <= fileFrames; end += SEQUENCE_FRAME_COUNTS[s])
        ++s;
    return s;
}

void warnAboutFrameCount(int fileFrames, FileReport& report)
{
    const std::string frames = std::to_string(fileFrames);
    const std::string table = std::to_string(SEQUENCE_FRAME_TOTAL);
    if (fileFrames < SEQUENCE_FRAME_TOTAL) {
        const int first = firstHoldingSequence(fileFrames);
        const std::string last = std::to_string(SEQUENCE_COUNT - 1);
        const std::string sequences = first == SEQUENCE_COUNT - 1
                                          ? "sequence " + last + " holds"
                                          : "sequences " + std::to_string(first) + " to " + last + " hold";
        report.warnings.push_back({"the file has " + frames + " frames, fewer than the " + table +
                                       " of the 20 animation sequences: " + sequences +
                                       " its last frame where it has none for them (see the sequences above).",
                                   "give the model " + table + " frames, in the order of the sequences above."});
    } else if (fileFrames > SEQUENCE_FRAME_TOTAL) {
        report.warnings.push_back({"the file has " + frames + " frames: frames past the " + table +
                                       "th are never shown (" + counted(fileFrames - SEQUENCE_FRAME_TOTAL, "frame") +
                                       ", from file frame " + table + " on).",
                                   "leave them out, or put the ones you want in the places of the sequences above."});
    }
}

FrameNames shownFrameNames(const std::vector<std::uint8_t>& bytes, const Md2Header& h)
{
    FrameNames names(std::size_t(std::min(h.numFrames, SEQUENCE_FRAME_TOTAL)));
    for (std::size_t k = 0; k < names.size(); ++k)
        names[k] = readMd2FrameName(bytes, h, int(k));
    return names;
}

void addFacts(const Md2Header& h, const FrameNames& names, FileReport& report)
{
    report.facts.push_back("vertices per frame: " + std::to_string(h.numVertices) + " (at most " +
                           std::to_string(MAX_MODEL_VERTICES) + ")");
    report.facts.push_back("triangles: " + std::to_string(h.numTriangles));
    report.facts.push_back("texture coordinates: " + std::to_string(h.numTexCoords));
    report.facts.push_back("skin size in the header: " + sizeText(h.skinWidth, h.skinHeight));
    report.facts.push_back("frames: " + std::to_string(h.numFrames) + " (the 20 animation sequences take " +
                           std::to_string(SEQUENCE_FRAME_TOTAL) + ")");
    addSequenceFacts(names, report);
    warnAboutFrameCount(h.numFrames, report);
}

}  // namespace

ModelCheck checkModel(const std::string& path)
{
    ModelCheck check;
    const Md2FileBytes file = readMd2FileBytes(path);
    check.report.failure = file.failure;
    if (check.report.refused())
        return check;
    const Md2HeaderResult header = readMd2Header(file.bytes, path);
    check.report.failure = header.failure;
    if (check.report.refused())
        return check;
    check.report.failure = readMd2Contents(file.bytes, path, header.header, SEQUENCE_FRAME_TOTAL).failure;
    if (check.report.refused())
        return check;
    check.header = header.header;
    addFacts(check.header, shownFrameNames(file.bytes, check.header), check.report);
    return check;
}

void checkSkinProportions(ModelCheck& model, const TextureCheck& skin, const std::string& skinName)
{
    if (model.report.refused() || skin.report.refused())
        return;
    const std::int64_t headerWidth = model.header.skinWidth;
    const std::int64_t headerHeight = model.header.skinHeight;
    if (headerWidth * skin.height == headerHeight * skin.width)
        return;
    model.report.warnings.push_back(
        {"its texture coordinates are made for a " + sizeText(headerWidth, headerHeight) + " skin, but " + skinName +
             " is " + sizeText(skin.width, skin.height) + ": the skin will be stretched on the model.",
         "make the skin " + sizeText(headerWidth, headerHeight) + ", or another size of the same proportions (" +
             sizeText(2 * headerWidth, 2 * headerHeight) + ", for example)."});
}
