// Where the data files are looked for when the working folder has none: the bin/ folder
// beside the executable's folder, with either platform's separators.
#include "data/DataFolder.h"

#include <gtest/gtest.h>

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

}  // namespace
