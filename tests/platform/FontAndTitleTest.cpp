#include "platform/Font.h"
#include "platform/FrameWindow.h"
#include "platform/WindowTitle.h"

#include <gtest/gtest.h>

#include <climits>

TEST(FontTest, RequestedHeightFromPointsAndResolution)
{
    struct Case {
        int points;
        int dpi;
        int height;
    };
    for (const Case& c : {Case{10, 96, -13}, Case{10, 120, -17}, Case{12, 96, -16}, Case{0, 96, 0}, Case{-5, 96, 6},
                          Case{INT_MAX, 96, INT_MIN}, Case{INT_MIN, 96, INT_MAX}}) {
        EXPECT_EQ(platform::Font::requestedHeight(c.points, c.dpi), c.height) << c.points << " pt at " << c.dpi;
    }
}

TEST(WindowTitleTest, ComposesTheTitleBarAndUpdatesIt)
{
    platform::FrameWindow frame(1);
    platform::WindowTitle title(frame, "Corvanta", "Install Selection");
    EXPECT_EQ(frame.titleText(), "Corvanta - Install Selection");
    title.setViewText("");
    EXPECT_EQ(frame.titleText(), "Corvanta");
    title.setViewText("View");
    title.setObjectText("");
    EXPECT_EQ(frame.titleText(), "");
    EXPECT_EQ(title.text(), "");
    title.setObjectText("Object");
    EXPECT_EQ(frame.titleText(), "Object - View");
}
