// The prompter's monitor, its mini-screen corner and the full-screen creation rectangle.
#include <gtest/gtest.h>

#include "ScreenChoice.h"

namespace {

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

const ScreenMonitor kLeft = {0x10001, {-1280, 0, 0, 1024}};
const ScreenMonitor kPrimary = {0x10002, {0, 0, 1600, 1200}};
const ScreenMonitor kRight = {0x10003, {1600, 0, 3520, 1080}};

TEST(ScreenChoice, MonitorHoldsAFrameOnlyWhenBothCornersAreOnIt)
{
    const RECT primary = kPrimary.rect;
    EXPECT_TRUE(MonitorHolds(primary, PlacementRect(100, 50, 800, 600)));
    EXPECT_TRUE(MonitorHolds(primary, PlacementRect(0, 0, 1600, 1200)));
    EXPECT_FALSE(
        MonitorHolds(primary, PlacementRect(1000, 50, 800, 600))); // reaches the next monitor
    EXPECT_FALSE(MonitorHolds(primary, PlacementRect(-10, 50, 800, 600)));
    EXPECT_FALSE(MonitorHolds(primary, PlacementRect(0, 0, 0, 0))); // an empty frame lies nowhere
}

TEST(ScreenChoice, PrompterScreenRules)
{
    const std::vector<ScreenMonitor> two = {kPrimary, kRight};
    const std::vector<ScreenMonitor> three = {kLeft, kPrimary, kRight};
    const RECT onPrimary = PlacementRect(100, 50, 800, 600);
    const RECT onRight = PlacementRect(1700, 50, 800, 600);

    // Two monitors: the second screen goes to the monitor the editor is not on.
    EXPECT_EQ(ChoosePrompterScreen(two, 2, 0, onPrimary, false)->handle, kRight.handle);
    EXPECT_EQ(ChoosePrompterScreen(two, 2, 0, onRight, false)->handle, kPrimary.handle);
    // The mini-screen stays on the editor's monitor.
    EXPECT_EQ(ChoosePrompterScreen(two, 2, 0, onRight, true)->handle, kRight.handle);
    // A chosen screen counts only with more than two monitors.
    EXPECT_EQ(ChoosePrompterScreen(two, 2, kPrimary.handle, onPrimary, false)->handle,
              kRight.handle);
    EXPECT_EQ(ChoosePrompterScreen(three, 3, kLeft.handle, onPrimary, false)->handle, kLeft.handle);
    // A chosen screen that is gone falls back to the ordinary choice.
    EXPECT_EQ(ChoosePrompterScreen(three, 3, 0x9999, onPrimary, false)->handle, kLeft.handle);
    EXPECT_EQ(ChoosePrompterScreen(three, 3, 0x9999, onPrimary, true)->handle, kPrimary.handle);
    // A frame on no monitor: the first one.
    EXPECT_EQ(ChoosePrompterScreen(two, 2, 0, PlacementRect(5000, 0, 10, 10), true)->handle,
              kPrimary.handle);
    EXPECT_EQ(MonitorOfFrame(two, PlacementRect(0, 0, 0, 0))->handle, kPrimary.handle);
    // Every monitor holds the frame (one monitor): that one.
    EXPECT_EQ(ChoosePrompterScreen({kPrimary}, 1, 0, onPrimary, false)->handle, kPrimary.handle);
    // No monitor at all: no screen, so no prompter.
    EXPECT_EQ(ChoosePrompterScreen({}, 0, 0, onPrimary, false), nullptr);
    EXPECT_EQ(MonitorOfFrame({}, onPrimary), nullptr);
}

TEST(ScreenChoice, MiniScreenCorners)
{
    const RECT screen = {0, 0, 1600, 1200};
    EXPECT_TRUE(SameRect(MiniScreenRect(screen, 1, false), RECT {0, 900, 400, 1200}));
    EXPECT_TRUE(SameRect(MiniScreenRect(screen, 1, true), RECT {1200, 900, 1600, 1200}));
    EXPECT_TRUE(SameRect(MiniScreenRect(screen, 2, false), RECT {0, 1000, 266, 1200}));
    EXPECT_TRUE(SameRect(MiniScreenRect(screen, 3, true), RECT {1400, 1050, 1600, 1200}));
    EXPECT_TRUE(SameRect(MiniScreenRect(screen, 0, false), MiniScreenRect(screen, 2, false)));
    const RECT left = kLeft.rect;
    EXPECT_TRUE(SameRect(MiniScreenRect(left, 1, false), RECT {-1280, 768, -960, 1024}));
}

TEST(ScreenChoice, FullScreenRectangleCarriesTheSize)
{
    EXPECT_TRUE(SameRect(FullScreenCreateRect(kRight.rect), RECT {1600, 0, 1920, 1080}));
    EXPECT_TRUE(SameRect(FullScreenCreateRect(kLeft.rect), RECT {-1280, 0, 1280, 1024}));
}

} // namespace
