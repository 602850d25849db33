// Broken texture files: the two level textures and the character's skin.
#include "BrokenData.h"

namespace {

void setUint16(Bytes& b, std::size_t at, unsigned value)
{
    b[at] = static_cast<std::uint8_t>(value & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

// 2 x 2, run-length encoded, whose first packet repeats one pixel 128 times.
Bytes runPastTheLastPixel()
{
    return {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 24, 0, 0xFF, 1, 2, 3};
}

// Missing, empty, cut, header extremes, past the end and garbage; the first texture gets every
// row, the others (the same reader) one of each kind, to keep the table quick.
void addTgaRows(std::vector<BrokenFile>& rows, const char* prefix, const char* file, bool everyRow)
{
    const std::string path = pathPattern(file);
    const std::string inFile = "TGA file " + path + ": ";
    const auto row = [&](const std::string& name, Damage damage,
                         const std::string& message, bool always = false) {
        if (everyRow || always)
            rows.push_back({std::string(prefix) + name, file, std::move(damage), message});
    };
    row("Missing", removed(file),
        "cannot open TGA file " + path + " \\(No such file or directory\\)", true);
    row("IsAFolder", folderInstead(file),
        "cannot read TGA file " + path);
    row("Empty", replaced(file, {}), inFile + "file too short for the 18-byte header \\(has 0 bytes\\)", true);
    row("CutInTheHeader", edited(file, cutTo(11)), inFile + "file too short for the 18-byte header \\(has 11 bytes\\)");
    row("CutAfterTheHeader", edited(file, cutTo(18)), inFile + "file too short for \\d+ x \\d+ pixels");
    row("CutInThePixels", edited(file, [](Bytes& b) { b.resize(b.size() / 2); }),
        inFile + "file too short for \\d+ x \\d+ pixels", true);
    row("CutByOneByte", edited(file, [](Bytes& b) { b.pop_back(); }), inFile + "file too short for \\d+ x \\d+ pixels");
    row("WidthZero", edited(file, [](Bytes& b) { setUint16(b, 12, 0); }), inFile + "image is empty \\(width 0, height \\d+\\)", true);
    row("HeightZero", edited(file, [](Bytes& b) { setUint16(b, 14, 0); }), inFile + "image is empty \\(width \\d+, height 0\\)");
    row("SizeHuge", edited(file, [](Bytes& b) { setUint16(b, 12, 0xFFFF); setUint16(b, 14, 0xFFFF); }),
        inFile + "file too short for 65535 x 65535 pixels", true);
    row("DepthZero", edited(file, [](Bytes& b) { b[16] = 0; }), inFile + "pixel depth is 0 bits", true);
    row("DepthHuge", edited(file, [](Bytes& b) { b[16] = 255; }), inFile + "pixel depth is 255 bits");
    row("ColourMapped", edited(file, [](Bytes& b) { b[2] = 1; }), inFile + "image type 1 is not read");
    row("ColourMapPastTheEnd",
        edited(file, [](Bytes& b) {
            b[0] = 255;
            b[1] = 1;
            setUint16(b, 5, 0xFFFF);
            b[7] = 32;
            b.resize(2000);
        }),
        inFile + "file too short for its ID field and colour map \\(needs 262413 bytes before the pixels, has 2000\\)", true);
    row("RunPastTheLastPixel", replaced(file, runPastTheLastPixel()),
        inFile + "run-length packet at pixel 0 runs past the last of 4 pixels");
    row("Garbage", replaced(file, garbage(4096)), inFile + ".+", true);
}

}  // namespace

std::vector<BrokenFile> brokenTgaFiles()
{
    std::vector<BrokenFile> rows;
    addTgaRows(rows, "Kachel2Tga", "kachel2.tga", true);
    addTgaRows(rows, "CeilingTga", "ceiling.tga", false);
    addTgaRows(rows, "Pelgrin2Tga", "pelgrin2.tga", false);
    return rows;
}
