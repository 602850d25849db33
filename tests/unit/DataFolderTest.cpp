// Where the data files are looked for: a folder given is used as given; otherwise the working
// folder's ../bin/, the bin/ beside the executable's folder and the installed data folder, in
// that order, with either platform's separators.
#include "data/DataFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace {

TEST(DataFolder, PlacesBesideTheExecutable)
{
    const struct {
        const char* executable;
        const char* beside;
        const char* installed;
    } rows[] = {
        {"/home/ana/halvane/build/halvane", "/home/ana/halvane/bin/", "/home/ana/halvane/share/halvane/"},
        {"C:\\Games\\halvane\\bin\\halvane.exe", "C:\\Games\\halvane\\bin\\", "C:\\Games\\halvane\\share\\halvane\\"},
        {"/halvane", "/bin/", "/share/halvane/"},
        {"halvane", "", ""},
        {"", "", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(dataFolderBesideExecutable(row.executable), row.beside) << row.executable;
        EXPECT_EQ(installedDataFolder(row.executable, "../share/halvane"), row.installed) << row.executable;
    }
    EXPECT_EQ(installedDataFolder("/usr/games/halvane", "../../opt/halvane/data"), "/opt/halvane/data/");
    EXPECT_EQ(dataFolderPlaces("/opt/h/bin/halvane"),
              (std::vector<std::string>{"../bin/", "/opt/h/bin/", "/opt/h/" + std::string(HALVANE_INSTALLED_DATA).substr(3) + "/"}));
}

// The installed tree: <prefix>/bin/halvane and the data in the installed data folder; the
// working folder's ../bin/ is a scratch folder's empty one.
TEST(DataFolder, TheFirstPlaceThatHoldsTheDataAndNoFallbackForAFolderGiven)
{
    namespace fs = std::filesystem;
    const fs::path scratch = fs::temp_directory_path() / ("halvane-data-folder-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::remove_all(scratch);
    const std::string prefix = (scratch / "prefix").string();
    const std::string program = prefix + "/bin/halvane";
    const std::string installed = installedDataFolder(program, HALVANE_INSTALLED_DATA);
    fs::create_directories(installed);
    fs::create_directories(scratch / "empty");
    std::fclose(std::fopen((installed + "walls.txt").c_str(), "w"));

    const fs::path working = fs::current_path();
    fs::create_directories(scratch / "work");
    fs::current_path(scratch / "work");
    const DataFolderChoice found = chooseDataFolder("", program);
    const DataFolderChoice none = chooseDataFolder("", (scratch / "elsewhere/bin/halvane").string());
    const DataFolderChoice given = chooseDataFolder("../empty", program);
    const DataFolderChoice givenHolding = chooseDataFolder(installed, program);
    fs::current_path(working);
    fs::remove_all(scratch);

    EXPECT_EQ(found.folder, installed);
    EXPECT_EQ(none.failure, "cannot find the data files (kachel2.tga and the rest): looked in ../bin/, then " +
                                (scratch / "elsewhere/bin/").string() + ", then " +
                                installedDataFolder((scratch / "elsewhere/bin/halvane").string(), HALVANE_INSTALLED_DATA));
    EXPECT_EQ(given.failure, "cannot find the data files (kachel2.tga and the rest) in ../empty/, the folder given");
    EXPECT_EQ(givenHolding.folder, installed);
}

}  // namespace
