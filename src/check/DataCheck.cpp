#include "check/DataCheck.h"

#include "check/ArchitectureCheck.h"
#include "check/ModelCheck.h"
#include "check/TextureCheck.h"
#include "data/DataFolder.h"

#include <array>

namespace {

// The data files by their place in DATA_FILES, which is the order the program reads them in.
enum DataFile { WALL_TEXTURE, CEILING_TEXTURE, WALLS, CEILING, MODEL, SKIN };

const char* const PURPOSES[DATA_FILE_COUNT] = {
    "texture of the walls and floor", "texture of the ceiling", "walls and floor",
    "ceiling",                        "character model",        "character's skin"};

using Reports = std::array<FileReport, DATA_FILE_COUNT>;

Reports checkEveryFile(const std::string& folder)
{
    Reports reports;
    const auto path = [&folder](DataFile file) { return folder + DATA_FILES[file]; };
    reports[WALL_TEXTURE] = checkTexture(path(WALL_TEXTURE)).report;
    reports[CEILING_TEXTURE] = checkTexture(path(CEILING_TEXTURE)).report;
    reports[WALLS] = checkArchitecture(path(WALLS));
    reports[CEILING] = checkArchitecture(path(CEILING));
    // The skin is read through the same texture path as the level's textures.
    const TextureCheck skin = checkTexture(path(SKIN));
    ModelCheck model = checkModel(path(MODEL));
    checkSkinProportions(model, skin, DATA_FILES[SKIN]);
    reports[MODEL] = model.report;
    reports[SKIN] = skin.report;
    return reports;
}

void printBlock(int file, const FileReport& report, std::ostream& out)
{
    out << "\n" << DATA_FILES[file] << " (" << PURPOSES[file] << "): " << (report.refused() ? "refused" : "read")
        << "\n";
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

int checkDataFolder(const std::string& folder, std::ostream& out)
{
    out << "data folder: " << folder << "\n";
    const Reports reports = checkEveryFile(folder);
    for (int file = 0; file < DATA_FILE_COUNT; ++file)
        printBlock(file, reports[std::size_t(file)], out);
    return printVerdict(reports, out);
}
