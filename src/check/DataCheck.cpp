#include "check/DataCheck.h"

#include "check/ArchitectureCheck.h"
#include "check/BuildingCheck.h"
#include "check/ModelCheck.h"
#include "check/TextureCheck.h"
#include "data/DataFolder.h"
#include "data/RunFiles.h"
#include "md2/Md2FileBytes.h"
#include "md2/Md2SkinSearch.h"

#include <vector>

namespace {

// The data files by their place in DATA_FILES, which is the order the program reads them in.
enum DataFile { WALL_TEXTURE, CEILING_TEXTURE, WALLS, CEILING, MODEL, SKIN };

const char* const PURPOSES[DATA_FILE_COUNT] = {
    "texture of the walls and floor", "texture of the ceiling", "walls and floor",
    "ceiling",                        "character model",        "character's skin"};

// One block of the report: the file's name in the data folder or the path given for it, what
// it is for, and what was found.
struct Block {
    std::string label;
    std::string purpose;
    FileReport report;
};

using Blocks = std::vector<Block>;

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

// The files in the order the program reads them: our hall's four (or the building), then the character.
Blocks checkEveryFile(const RunFiles& files, const BuildingChoice& building)
{
    Blocks blocks;
    if (files.hall()) {
        blocks.push_back({DATA_FILES[WALL_TEXTURE], PURPOSES[WALL_TEXTURE], checkTexture(files.wallTexture).report});
        blocks.push_back({DATA_FILES[CEILING_TEXTURE], PURPOSES[CEILING_TEXTURE], checkTexture(files.ceilingTexture).report});
        blocks.push_back({DATA_FILES[WALLS], PURPOSES[WALLS], checkArchitecture(files.walls)});
        blocks.push_back({DATA_FILES[CEILING], PURPOSES[CEILING], checkArchitecture(files.ceiling)});
    } else {
        blocks.push_back({files.building, "your building", checkBuilding(files.building, building.scale, building.zUp)});
    }
    const std::string modelLabel = files.ownModel ? files.model : DATA_FILES[MODEL];
    std::string skinLabel = files.ownSkin ? files.skin : DATA_FILES[SKIN];
    const TextureCheck skin = files.skin.empty() ? checkNamedSkin(files.model, skinLabel) : checkSkin(files.skin);
    ModelCheck model = checkModel(files.model);
    checkSkinProportions(model, skin, skinLabel);
    blocks.push_back({modelLabel, PURPOSES[MODEL], model.report});
    blocks.push_back({skinLabel, PURPOSES[SKIN], skin.report});
    return blocks;
}

void printBlock(const Block& block, std::ostream& out)
{
    const FileReport& report = block.report;
    out << "\n" << block.label << " (" << block.purpose << "): " << (report.refused() ? "refused" : "read") << "\n";
    if (report.refused())
        out << "  the program says: " << report.failure << "\n";
    for (const std::string& fact : report.facts)
        out << "  " << fact << "\n";
    for (const CheckWarning& warning : report.warnings)
        out << "  warning: " << warning.seen << "\n    what to do: " << warning.remedy << "\n";
}

// The program stops at the first file it cannot use, so that file's message is the one it prints.
int printVerdict(const Blocks& blocks, bool hall, std::ostream& out)
{
    std::size_t warnings = 0;
    for (const Block& block : blocks) {
        if (block.report.refused()) {
            out << "\nhalvane would end at start-up with this message:\n" << block.report.failure << "\n";
            return 1;
        }
        warnings += block.report.warnings.size();
    }
    out << (hall ? "\nhalvane starts with this folder" : "\nhalvane starts with this building");
    if (warnings == 0)
        out << ", and every file looks as it should.\n";
    else
        out << "; " << warnings << (warnings == 1 ? " warning" : " warnings") << " above.\n";
    return 0;
}

}  // namespace

int checkDataFolder(const std::string& folder, std::ostream& out, const CharacterFiles& character,
                    const BuildingChoice& building)
{
    out << "data folder: " << folder << "\n";
    const RunFiles files = runFiles(folder, character.model, character.skin, building.path);
    const Blocks blocks = checkEveryFile(files, building);
    for (const Block& block : blocks)
        printBlock(block, out);
    return printVerdict(blocks, files.hall(), out);
}
