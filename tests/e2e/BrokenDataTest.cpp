// Every broken data file ends the real program before its first frame: a message naming the
// file as the last console line, exit status 1, no signal, no sanitizer report, within seconds.
// halvane-check, started the same way on the same folder, ends with the very same line.
#include "BrokenData.h"

#include <gtest/gtest.h>

#include <regex>

using namespace std::chrono;

namespace {

std::string lastLine(const std::string& console)
{
    std::string text = console;
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    const std::size_t start = text.rfind('\n');
    return start == std::string::npos ? text : text.substr(start + 1);
}

class BrokenDataFile : public testing::TestWithParam<BrokenFile> {};

TEST_P(BrokenDataFile, EndsWithAMessageNamingTheFile)
{
    const BrokenFile& row = GetParam();
    Session session;
    ASSERT_FALSE(session.display().empty()) << "no X server";
    session.useCommittedData();
    row.damage(session, committedBytes(row.file));
    session.start(HALVANE_BINARY, row.arguments);
    const ExitResult result = session.waitForExit(seconds(10));
    const std::string console = session.console();
    ASSERT_TRUE(result.exited) << "still running after 10 s:\n" << console;
    EXPECT_FALSE(result.signaled) << "signal " << result.status << "\n" << console;
    EXPECT_EQ(result.status, 1) << console;
    EXPECT_EQ(sanitizerReport(console), "");
    const std::string last = lastLine(console);
    EXPECT_TRUE(std::regex_search(last, std::regex(row.message), std::regex_constants::match_continuous))
        << "last line: " << last << "\nexpected at its start: " << row.message;
    EXPECT_EQ(console.find("going to draw"), std::string::npos) << "a frame was drawn:\n" << console;

    session.start(HALVANE_CHECK_BINARY, row.arguments);
    const ExitResult check = session.waitForExit(seconds(10));
    const std::string report = session.console();
    ASSERT_TRUE(check.exited && !check.signaled) << report;
    EXPECT_EQ(check.status, 1) << report;
    EXPECT_EQ(sanitizerReport(report), "");
    EXPECT_EQ(lastLine(report), last) << report;
}

std::string rowName(const testing::TestParamInfo<BrokenFile>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Textures, BrokenDataFile, testing::ValuesIn(brokenTgaFiles()), rowName);
INSTANTIATE_TEST_SUITE_P(Architecture, BrokenDataFile, testing::ValuesIn(brokenArchitectureFiles()), rowName);
INSTANTIATE_TEST_SUITE_P(Model, BrokenDataFile, testing::ValuesIn(brokenMd2Files()), rowName);
INSTANTIATE_TEST_SUITE_P(Skins, BrokenDataFile, testing::ValuesIn(brokenSkinFiles()), rowName);
INSTANTIATE_TEST_SUITE_P(Buildings, BrokenDataFile, testing::ValuesIn(brokenBuildingFiles()), rowName);

}  // namespace
