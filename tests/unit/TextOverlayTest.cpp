// The overlay's messages, their lifetime in frames, and the bounded text formats.
#include "math/FrameTimer.h"
#include "overlay/TextOverlay.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(TextOverlayState, StartsWithoutAnyText)
{
    FrameTimer timer;
    TextOverlay overlay(&timer);
    EXPECT_EQ(overlay.messageFrames, 0u);
    EXPECT_FALSE(overlay.showModelInfo);
    EXPECT_STREQ(overlay.message, "");
    EXPECT_STREQ(overlay.modelInfo, "");
    EXPECT_EQ(overlay.timer, &timer);
}

TEST(TextOverlayState, AnnouncementsAndMessagesReplaceEachOther)
{
    FrameTimer timer;
    TextOverlay overlay(&timer);
    overlay.announce("Wireframe", true);
    EXPECT_STREQ(overlay.message, "Wireframe is turned ON");
    EXPECT_EQ(overlay.messageFrames, 400u);
    overlay.messageFrames = 17;
    overlay.announce("Wireframe", false);
    EXPECT_STREQ(overlay.message, "Wireframe is turned OFF");
    EXPECT_EQ(overlay.messageFrames, 400u);
    overlay.setMessage("Bilinear filtering");
    EXPECT_STREQ(overlay.message, "Bilinear filtering");
}

TEST(TextOverlayState, HelpTextIsTheTenKeyLines)
{
    EXPECT_EQ(std::strlen(HELP_TEXT), 259u);
    EXPECT_EQ(std::string(HELP_TEXT).substr(0, 24), "F1  -  show help on/off\n");
    EXPECT_NE(std::string(HELP_TEXT).find("\nF9 -  transparence on/off\nF10  -  debug"), std::string::npos);
}

TEST(TextOverlayState, LongTextsAreCutNotOverrun)
{
    FrameTimer timer;
    TextOverlay overlay(&timer);
    std::string longText(5000, 'x');
    overlay.setMessage(longText.c_str());
    EXPECT_EQ(std::strlen(overlay.message), OVERLAY_TEXT_SIZE - 1);
    overlay.announce(longText.c_str(), true);
    EXPECT_EQ(std::strlen(overlay.message), OVERLAY_TEXT_SIZE - 1);
    overlay.setModelInfo(longText.c_str());
    EXPECT_EQ(std::strlen(overlay.modelInfo), OVERLAY_TEXT_SIZE - 1);
    EXPECT_FALSE(overlay.showModelInfo) << "the copy ran into the neighbouring field";
}

TEST(TextOverlayState, FrameRateLineWithOrdinaryValues)
{
    char line[FRAME_RATE_LINE_SIZE];
    formatFrameRate(line, 0.016667f, 59.02f, 1.0f);
    EXPECT_STREQ(line, "framedelay: 0.016667     fps:         59.020000     speedfactor: 1.000000");
}

TEST(TextOverlayState, FrameRateLineOfAVeryLongStallIsCut)
{
    char line[FRAME_RATE_LINE_SIZE + 8];
    std::memset(line, '#', sizeof line);
    formatFrameRate(reinterpret_cast<char(&)[FRAME_RATE_LINE_SIZE]>(line), 1.0e9f, 0.0f, 6.0e10f);
    EXPECT_EQ(std::strlen(line), FRAME_RATE_LINE_SIZE - 1);
    EXPECT_EQ(std::string(line).substr(0, 23), "framedelay: 1000000000.");
    for (std::size_t i = FRAME_RATE_LINE_SIZE; i < sizeof line; ++i)
        EXPECT_EQ(line[i], '#') << "written past the line buffer at " << i;
}

}  // namespace
