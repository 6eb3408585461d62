#include "ScreenChoice.h"

RECT PlacementRect(int left, int top, int width, int height)
{
    RECT rc = {left, top, left + width, top + height};
    return rc;
}

bool MonitorHolds(const RECT& m, const RECT& f)
{
    return m.left <= f.left && f.left < m.right && m.top <= f.top && f.top < m.bottom &&
        m.top < f.bottom && f.bottom <= m.bottom && m.left < f.right && f.right <= m.right;
}

const ScreenMonitor* MonitorOfFrame(const std::vector<ScreenMonitor>& monitors, const RECT& frame)
{
    for (const ScreenMonitor& m : monitors)
        if (MonitorHolds(m.rect, frame))
            return &m;
    return monitors.empty() ? nullptr : &monitors.front();
}

const ScreenMonitor* ChoosePrompterScreen(const std::vector<ScreenMonitor>& monitors,
                                          int monitorCount, uintptr_t prompterScreen,
                                          const RECT& frame, bool sameMonitor)
{
    if (monitors.empty())
        return nullptr;
    // A stored screen that is no longer present (handles change between starts) falls
    // through to the ordinary choice.
    if (monitorCount > 2 && prompterScreen != 0)
        for (const ScreenMonitor& m : monitors)
            if (m.handle == prompterScreen)
                return &m;
    if (sameMonitor)
        return MonitorOfFrame(monitors, frame);
    for (const ScreenMonitor& m : monitors)
        if (!MonitorHolds(m.rect, frame))
            return &m;
    return &monitors.front();
}

RECT MiniScreenRect(const RECT& s, int fgScreenSize, bool rightJustified)
{
    const int d = fgScreenSize == 1 ? 4 : fgScreenSize == 3 ? 8 : 6;
    const int width = (s.right - s.left) / d, height = (s.bottom - s.top) / d;
    RECT rc;
    rc.top = s.bottom - height;
    rc.bottom = s.bottom;
    if (rightJustified) {
        rc.left = s.right - width;
        rc.right = s.right;
    } else {
        rc.left = s.left;
        rc.right = s.left + width;
    }
    return rc;
}

RECT FullScreenCreateRect(const RECT& m)
{
    RECT rc = {m.left, m.top, m.right - m.left, m.bottom - m.top};
    return rc;
}
