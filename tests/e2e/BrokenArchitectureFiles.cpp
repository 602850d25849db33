// Broken architecture part files: the walls and the ceiling.
#include "BrokenData.h"

#include <cctype>
#include <string>

namespace {

// Where the n-th number (counting from 1) of the text ends.
std::size_t endOfNumber(const Bytes& text, std::size_t n)
{
    std::size_t at = 0;
    for (std::size_t found = 0; at < text.size();) {
        while (at < text.size() && std::isspace(text[at]))
            ++at;
        while (at < text.size() && !std::isspace(text[at]))
            ++at;
        if (++found == n)
            break;
    }
    return at;
}

Edit cutAfterNumbers(std::size_t n)
{
    return [n](Bytes& text) { text.resize(endOfNumber(text, n)); };
}

// Cut in the middle of the file, three numbers into a record.
Edit cutInTheMiddle()
{
    return [](Bytes& text) {
        std::size_t numbers = 0;
        while (endOfNumber(text, numbers + 1) < text.size())
            ++numbers;
        text.resize(endOfNumber(text, numbers / 2 / 20 * 20 + 13));
    };
}

// The first number of the file replaced by another text.
Edit firstNumberIs(const std::string& replacement)
{
    return [replacement](Bytes& text) {
        std::size_t start = 0;
        while (start < text.size() && std::isspace(text[start]))
            ++start;
        const std::size_t end = endOfNumber(text, 1);
        text.erase(text.begin() + std::ptrdiff_t(start), text.begin() + std::ptrdiff_t(end));
        text.insert(text.begin() + std::ptrdiff_t(start), replacement.begin(), replacement.end());
    };
}

void addArchitectureRows(std::vector<BrokenFile>& rows, const char* prefix, const char* file, bool everyRow)
{
    const std::string path = pathPattern(file);
    const std::string inFile = "architecture file " + path + ", ";
    const auto row = [&](const std::string& name, Damage damage, const std::string& message, bool always = false) {
        if (everyRow || always)
            rows.push_back({std::string(prefix) + name, file, std::move(damage), message});
    };
    row("Missing", removed(file), "cannot open " + path, true);
    row("IsAFolder", folderInstead(file), "cannot read architecture file " + path);
    row("CutAfterTheFirstNumber", edited(file, cutAfterNumbers(1)),
        inFile + "the file ends inside a record \\(the last record has 1 of its 5 numbers\\)", true);
    row("CutInsideTheSecondRecord", edited(file, cutAfterNumbers(7)),
        inFile + "the file ends inside a record \\(the last record has 2 of its 5 numbers\\)");
    row("CutInTheMiddle", edited(file, cutInTheMiddle()),
        inFile + "the file ends inside a record \\(the last record has 3 of its 5 numbers\\)");
    row("NumberTooLarge", edited(file, firstNumberIs("1e39")), inFile + "line \\d+: '1e39' is not a finite number", true);
    row("NumberTooLargeNegative", edited(file, firstNumberIs("-3.5e38")),
        inFile + "line \\d+: '-3\\.5e38' is not a finite number");
    row("NotANumber", edited(file, firstNumberIs("nan")), inFile + "line \\d+: 'nan' is not a finite number");
    row("Garbage", replaced(file, garbage(4096)), inFile + "line \\d+: .+ cannot start a number", true);
    row("ATextureInstead", replaced(file, committedBytes("kachel2.tga")), inFile + "line 1: .+ cannot start a number");
}

}  // namespace

std::vector<BrokenFile> brokenArchitectureFiles()
{
    std::vector<BrokenFile> rows;
    addArchitectureRows(rows, "WallsTxt", "walls.txt", true);
    addArchitectureRows(rows, "CeilingTxt", "ceiling.txt", false);
    return rows;
}
