// Which monitor a prompter goes to, and the rectangles its window is created with. The
// monitors are given in the order of the application's monitor list (by handle).
#pragma once
#include "fw/fwdefs.h"

#include <cstdint>
#include <vector>

struct ScreenMonitor
{
    uintptr_t handle;
    RECT rect; // the monitor rectangle
};

// The saved frame placement (left, top, width, height) as a rectangle.
RECT PlacementRect(int left, int top, int width, int height);

// A monitor holds a rectangle when the rectangle's top-left corner and its bottom-right
// corner both lie on it.
bool MonitorHolds(const RECT& monitor, const RECT& frame);

// The first monitor holding the frame, else the first monitor; null when there is none.
const ScreenMonitor* MonitorOfFrame(const std::vector<ScreenMonitor>& monitors, const RECT& frame);

// The prompter screen: with more than two monitors and a chosen screen that is still
// present, that screen; otherwise, with sameMonitor, the monitor holding the frame, and
// without it the first monitor that does not hold the frame; the first monitor when the
// rule finds none. Null when there is no monitor.
const ScreenMonitor* ChoosePrompterScreen(const std::vector<ScreenMonitor>& monitors,
                                          int monitorCount, uintptr_t prompterScreen,
                                          const RECT& frame, bool sameMonitor);

// The mini-screen: a corner of the screen one d-th of its width and height (d = 4, 6, 8
// for sizes 1, 2, 3; 6 otherwise), bottom right or bottom left.
RECT MiniScreenRect(const RECT& screen, int fgScreenSize, bool rightJustified);

// The form a full-screen prompter is created with: left and top of the monitor, its width
// and height in the right and bottom fields.
RECT FullScreenCreateRect(const RECT& monitor);
