#include "check/DataCheck.h"

#include "check/ArchitectureCheck.h"
#include "check/ModelCheck.h"
#include "check/TextureCheck.h"
#include "data/DataFolder.h"
#include "md2/Md2FileBytes.h"
#include "md2/Md2SkinSearch.h"

#include <array>

namespace {

// The data files by their place in DATA_FILES, which is the order the program reads them in.
enum DataFile { WALL_TEXTURE, CEILING_TEXTURE, WALLS, CEILING, MODEL, SKIN };

const char* const PURPOSES[DATA_FILE_COUNT] = {
    "texture of the walls and floor", "texture of the ceiling", "walls and floor",
    "ceiling",                        "character model",        "character's skin"};

using Reports = std::array<FileReport, DATA_FILE_COUNT>;
// What each block is headed with: the file's name in the data folder, or the path given for it.
using Labels = std::array<std::string, DATA_FILE_COUNT>;

std::string listed(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

// The skin the program takes for a model of one's own without --skin, looked for as it does.
TextureCheck checkNamedSkin(const std::string& modelPath, std::string& label)
{
    const Md2FileBytes file = readMd2FileBytes(modelPath);
    const SkinSearch search = findSkin(modelPath, file.bytes);
    label = search.ok() ? search.found : "no skin";
    TextureCheck skin;
    if (search.ok())
        skin = checkSkin(search.found);
    else
        skin.report.failure = file.failure.empty() ? search.failure : file.failure;
    const std::string stored = search.stored.empty() ? "none" : listed(search.stored);
    skin.report.facts.insert(skin.report.facts.begin(), "skin names stored in the model: " + stored);
    if (search.ok())
        skin.report.facts.insert(skin.report.facts.begin() + 1,
                                 search.storedName.empty() ? "found by the model's own name"
                                                           : "found by the stored name " + search.storedName);
    return skin;
}

Reports checkEveryFile(const std::string& folder, const CharacterFiles& character, Labels& labels)
{
    Reports reports;
    for (int file = 0; file < DATA_FILE_COUNT; ++file)
        labels[std::size_t(file)] = DATA_FILES[file];
    const auto path = [&folder](DataFile file) { return folder + DATA_FILES[file]; };
    reports[WALL_TEXTURE] = checkTexture(path(WALL_TEXTURE)).report;
    reports[CEILING_TEXTURE] = checkTexture(path(CEILING_TEXTURE)).report;
    reports[WALLS] = checkArchitecture(path(WALLS));
    reports[CEILING] = checkArchitecture(path(CEILING));
    const std::string modelPath = character.model.empty() ? path(MODEL) : character.model;
    if (!character.model.empty())
        labels[MODEL] = character.model;
    TextureCheck skin;
    if (!character.skin.empty())
        skin = checkSkin(labels[SKIN] = character.skin);
    else if (!character.model.empty())
        skin = checkNamedSkin(modelPath, labels[SKIN]);
    else
        skin = checkSkin(path(SKIN));
    ModelCheck model = checkModel(modelPath);
    checkSkinProportions(model, skin, labels[SKIN]);
    reports[MODEL] = model.report;
    reports[SKIN] = skin.report;
    return reports;
}

void printBlock(int file, const std::string& label, const FileReport& report, std::ostream& out)
{
    out << "\n" << label << " (" << PURPOSES[file] << "): " << (report.refused() ? "refused" : "read") << "\n";
    if (report.refused())
        out << "  the program says: " << report.failure << "\n";
    for (const std::string& fact : report.facts)
        out << "  " << fact << "\n";
    for (const CheckWarning& warning : report.warnings)
        out << "  warning: " << warning.seen << "\n    what to do: " << warning.remedy << "\n";
}

// The program stops at the first file it cannot use, so that file's message is the one it prints.
int printVerdict(const Reports& reports, std::ostream& out)
{
    std::size_t warnings = 0;
    for (const FileReport& report : reports) {
        if (report.refused()) {
            out << "\nhalvane would end at start-up with this message:\n" << report.failure << "\n";
            return 1;
        }
        warnings += report.warnings.size();
    }
    out << "\nhalvane starts with this folder";
    if (warnings == 0)
        out << ", and every file looks as it should.\n";
    else
        out << "; " << warnings << (warnings == 1 ? " warning" : " warnings") << " above.\n";
    return 0;
}

}  // namespace

int checkDataFolder(const std::string& folder, std::ostream& out, const CharacterFiles& character)
{
    out << "data folder: " << folder << "\n";
    Labels labels;
    const Reports reports = checkEveryFile(folder, character, labels);
    for (int file = 0; file < DATA_FILE_COUNT; ++file)
        printBlock(file, labels[std::size_t(file)], reports[std::size_t(file)], out);
    return printVerdict(reports, out);
}
