// Where the data files are looked for: the bin/ folder beside the executable's folder, and
// what makes a folder the data folder.
#include "data/DataFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

namespace {

TEST(DataFolder, BinFolderBesideTheExecutablesFolder)
{
    const struct {
        const char* executable;
        const char* folder;
    } rows[] = {
        {"/home/ana/halvane/build/halvane", "/home/ana/halvane/bin/"},
        {"C:\\Games\\halvane\\build\\halvane.exe", "C:\\Games\\halvane\\bin\\"},
        {"/halvane", "/bin/"},
        {"halvane", ""},
        {"", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(dataFolderBesideExecutable(row.executable), row.folder) << row.executable;
}

// One data file is enough: a folder missing the others is still the folder whose files are named.
TEST(DataFolder, AnyOneDataFileMakesTheDataFolder)
{
    const fs::path folder = fs::temp_directory_path() / ("halvane-data-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    const std::string name = folder.string() + "/";
    EXPECT_FALSE(holdsProgramData(name));
    std::fclose(std::fopen((name + "pelgrin2.tga").c_str(), "w"));
    EXPECT_TRUE(holdsProgramData(name));
    EXPECT_FALSE(holdsProgramData(name + "missing/"));
    fs::remove_all(folder);
}

}  // namespace
