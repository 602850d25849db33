// A fixture for the end-to-end tests that need the program up and drawing with our data.
#pragma once

#include "Session.h"

#include <gtest/gtest.h>

class RunningProgram : public testing::Test {
protected:
    Session session;
    // The program's command line; a fixture may set it, and add files, in its constructor.
    std::vector<std::string> arguments;

    void SetUp() override
    {
        ASSERT_FALSE(session.display().empty()) << "no X server";
        session.useCommittedData();
        session.start(HALVANE_BINARY, arguments);
        ASSERT_TRUE(session.waitForWindow(std::chrono::seconds(30))) << session.console().substr(0, 4000);
    }

    // Keeps a picture for a person to look at, named after the test.
    void keep(const Screenshot& shot, const std::string& what) const
    {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        shot.savePng(screenshotDir() + "/" + test->test_suite_name() + "." + test->name() + "-" + what + ".png");
    }

    // Turns the view by moving the pointer away from the centre it is pinned to; 400 pixels
    // are one radian, to the left for a positive count.
    void turnLeft(int pixels) const
    {
        while (pixels > 0) {
            int step = std::min(pixels, 300);
            session.xdotool("mousemove " + std::to_string(320 - step) + " 240");
            Session::settle(std::chrono::milliseconds(150));
            pixels -= step;
        }
    }

    // One xdotool run presses, waits and releases, so that no process start lengthens the hold.
    void hold(const std::string& key, std::chrono::milliseconds time) const
    {
        session.xdotool("keydown " + key + " sleep " + std::to_string(static_cast<double>(time.count()) / 1000.0) +
                        " keyup " + key);
        Session::settle();
    }
};
