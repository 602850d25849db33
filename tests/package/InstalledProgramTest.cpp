// The installed program as users meet it: installed and then moved to another prefix, and
// unpacked from the .deb. From the root folder, halvane-check finds the
// installed data and halvane draws the first frame of the source tree's program.
#include "Session.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

using namespace std::chrono;

namespace {

constexpr double SCREEN_PIXELS = 1024.0 * 768.0;

struct CheckAnswer {
    int status = -1;
    std::string out;
};

CheckAnswer checkFromRoot(const std::string& program)
{
    CheckAnswer answer;
    std::FILE* pipe = popen(("cd / && env -u DISPLAY " + program + " 2>&1").c_str(), "r");
    char chunk[4096];
    for (std::size_t got; pipe && (got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        answer.out.append(chunk, got);
    const int status = pipe ? pclose(pipe) : -1;
    answer.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return answer;
}

class Installed : public testing::TestWithParam<const char*> {
protected:
    std::string prefix = std::string(HALVANE_PACKAGES) + "/" + GetParam();

    // The source tree's program with the committed data, started once for every case.
    static const Screenshot& sourceTreesFirstFrame()
    {
        static const Screenshot frame = [] {
            Session reference;
            reference.useCommittedData();
            reference.start();
            EXPECT_TRUE(reference.waitForWindow(seconds(30))) << reference.console().substr(0, 2000);
            return reference.stableScreenshot();
        }();
        return frame;
    }
};

TEST_P(Installed, FindsItsDataFromTheRootFolderAndDrawsTheSourceTreesFirstFrame)
{
    const CheckAnswer check = checkFromRoot(prefix + "/bin/halvane-check");
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_EQ(check.out.rfind("data folder: " + prefix + "/share/halvane/\n", 0), 0u) << check.out.substr(0, 200);

    Session session;
    ASSERT_FALSE(session.display().empty()) << "no X server";
    session.workIn("/");
    session.start(prefix + "/bin/halvane");
    ASSERT_TRUE(session.waitForWindow(seconds(30))) << session.console().substr(0, 2000);
    const Screenshot first = session.stableScreenshot();
    first.savePng(screenshotDir() + "/Installed-" + std::string(GetParam()).substr(0, 3) + ".png");
    EXPECT_NE(session.console().find("loading tga file: " + prefix + "/share/halvane/kachel2.tga"), std::string::npos);
    EXPECT_LE(first.differenceFrom(sourceTreesFirstFrame()) * SCREEN_PIXELS, 8.0) << "pixels differ from the source tree's program";
}

INSTANTIATE_TEST_SUITE_P(Package, Installed, testing::Values("moved", "deb/usr"),
                         [](const testing::TestParamInfo<const char*>& param) {
                             return std::string(param.param).substr(0, 3);
                         });

}  // namespace
