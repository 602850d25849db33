// The real program through start-up, the room key, every switch on and off again, the frame
// keys, every held key and Escape. Built with the sanitizers (tools/sanitize-tests), any
// invalid read or write, leak or undefined behaviour shows up in its console and fails here.
#include "BrokenData.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::chrono;

namespace {

const char* const SWITCH_KEYS[] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "1"};
const char* const HELD_KEYS[] = {"f", "r", "w", "s", "a", "d"};

void pressEverySwitch(const Session& session)
{
    for (const char* key : SWITCH_KEYS) {
        session.key(key);
        Session::settle(milliseconds(150));
    }
}

TEST(MemoryScenario, EverySwitchAndKeyThenEscapeLeavesNoReport)
{
    Session session;
    ASSERT_FALSE(session.display().empty()) << "no X server";
    session.useCommittedData();
    session.start();
    ASSERT_TRUE(session.waitForWindow(seconds(30))) << session.console();

    session.key("4");
    Session::settle();
    pressEverySwitch(session);
    for (const char* key : {"5", "5", "6", "6", "6"})
        session.key(key);
    for (const char* key : HELD_KEYS) {
        session.keyDown(key);
        Session::settle(milliseconds(250));
        session.keyUp(key);
    }
    session.xdotool("mousemove 400 300");
    Session::settle();
    pressEverySwitch(session);
    ASSERT_TRUE(session.running()) << session.console();
    session.key("Escape");

    const ExitResult result = session.waitForExit(seconds(30));
    const std::string console = session.console();
    ASSERT_TRUE(result.exited) << console.substr(console.size() > 4000 ? console.size() - 4000 : 0);
    EXPECT_FALSE(result.signaled) << "signal " << result.status;
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(sanitizerReport(console), "");
    EXPECT_NE(console.find("making new room: 6:"), std::string::npos) << "the room key did not act";
    EXPECT_NE(console.find("going to draw"), std::string::npos) << "no frame was drawn";
}

}  // namespace
