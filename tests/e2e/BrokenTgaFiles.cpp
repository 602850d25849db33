// Broken texture files: the two level textures and the character's skin, in TGA and the
// skins' other formats (named with --skin, or looked for beside a model given with --model).
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

namespace {

// 4 x 2 pixels in three planes of 5 bytes per line (odd, as ImageMagick writes it), run-length
// encoded: each line one run per plane.
Bytes smallPcx()
{
    Bytes b(128, 0);
    b[0] = 10, b[1] = 5, b[2] = 1, b[3] = 8, b[8] = 3, b[10] = 1, b[65] = 3, b[66] = 5;
    for (int line = 0; line < 2; ++line)
        b.insert(b.end(), {0xC5, 200, 0xC5, 100, 0xC5, 50});
    return b;
}

Damage pcxSkin(Edit edit)
{
    return [edit](const Session& session, const Bytes&) {
        Bytes bytes = smallPcx();
        edit(bytes);
        session.writeBinFile("skin.pcx", bytes);
    };
}

// Our model as lost.md2, whose skin names are changed by `edit`.
Damage lostModel(Edit edit)
{
    return [edit](const Session& session, const Bytes& committed) {
        Bytes bytes = committed;
        edit(bytes);
        session.writeBinFile("lost.md2", bytes);
    };
}

void setInt32(Bytes& b, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        b[at + std::size_t(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::vector<BrokenFile> brokenSkinFiles()
{
    const std::vector<std::string> pcx = {"--skin", "../bin/skin.pcx"};
    const std::vector<std::string> lost = {"--model", "../bin/lost.md2"};
    const std::string inPcx = "PCX file " + pathPattern("skin.pcx") + ": ";
    const auto storedName = [](Bytes& b) { std::fill_n(b.begin() + 68, 64, 0), b[68] = 'g', b[69] = '.', b[70] = 'P'; };
    return {
        {"PcxNotAPcx", "pelgrin2.tga", pcxSkin([](Bytes& b) { b = garbage(4096); }), inPcx + "not a PCX file", pcx},
        {"PcxCut", "pelgrin2.tga", pcxSkin(cutTo(136)), inPcx + "run-length data ends in line 1 after 5 of its 15 bytes", pcx},
        {"PcxRunOverflowsItsLine", "pelgrin2.tga", pcxSkin([](Bytes& b) { b[132] = 0xC6; }),
         inPcx + "a run of 6 bytes at byte 10 of line 0 overflows its 15 bytes", pcx},
        {"PcxOverTheLimit", "pelgrin2.tga", pcxSkin([](Bytes& b) { b[8] = 0xFF, b[9] = 0x7F; }),
         inPcx + "32768 x 2 pixels is over the limit of 8192 on each side", pcx},
        {"PcxSixteenColours", "pelgrin2.tga", pcxSkin([](Bytes& b) { b[3] = 4, b[65] = 1; }),
         inPcx + "4 bits per pixel in 1 plane is not read", pcx},
        {"PngGarbage", "pelgrin2.tga", replaced("skin.png", garbage(300)),
         "PNG file " + pathPattern("skin.png") + ": not a picture that can be read", {"--skin", "../bin/skin.png"}},
        {"NoSkinFound", "pelgrin.md2", lostModel(storedName),
         "no skin found for " + pathPattern("lost.md2") + " in \\.\\./bin/ \\(looked for g\\.P, g\\.pcx, g\\.tga, "
         "g\\.png, g\\.jpg, g\\.bmp, g\\.webp, lost\\.pcx, lost\\.tga, lost\\.png, lost\\.jpg, lost\\.bmp, lost\\.webp\\); "
         "name one with --skin PICTURE$",
         lost},
        {"SkinNamesPastTheEnd", "pelgrin.md2", lostModel([](Bytes& b) { setInt32(b, 20, 100000); }),
         pathPattern("lost.md2") + ": the skin names \\(offset 68, 6400000 bytes\\) do not fit in the file", lost},
    };
}
