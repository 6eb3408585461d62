// The monitor list of the machine, the virtual desktop and the prompter screen.
#include <gtest/gtest.h>

#include <algorithm>

#include "AppTestSupport.h"

namespace {

TEST_F(AppFixture, MonitorListAndVirtualDesktop)
{
    m_app.m_bDualScreen = 1;
    m_app.m_bWindowPrompter = 1;
    m_app.m_bForegroundScreenActive = 1;
    m_app.EnumMonitors();
    const int count = ::GetSystemMetrics(SM_CMONITORS);
    ASSERT_GE(count, 1);
    EXPECT_EQ(m_app.m_nMonitorCount, count);
    EXPECT_EQ((int)m_app.m_Monitors.size(), count);
    EXPECT_EQ(m_app.m_bMultipleMonitors, count > 1);

    RECT expected = {0, 0, 0, 0};
    for (const auto& entry : m_app.m_Monitors) {
        const RECT& r = entry.second.rcMonitor;
        EXPECT_NE(entry.second.szDevice[0], '\0');
        expected.left = std::min(expected.left, r.left);
        expected.top = std::min(expected.top, r.top);
        expected.right = std::max(expected.right, r.right);
        expected.bottom = std::max(expected.bottom, r.bottom);
    }
    EXPECT_TRUE(::EqualRect(&m_app.m_rcVirtualDesktop, &expected));
    if (count == 1) {
        // One monitor: no second screen, the window and mini-screen settings stay.
        EXPECT_EQ(m_app.m_bDualScreen, 0);
        EXPECT_EQ(m_app.m_bWindowPrompter, 1);
        EXPECT_EQ(m_app.m_bForegroundScreenActive, 1);
        const RECT screen = m_app.m_Monitors.begin()->second.rcMonitor;
        const RECT desktop = {0, 0, ::GetSystemMetrics(SM_CXSCREEN),
                              ::GetSystemMetrics(SM_CYSCREEN)};
        EXPECT_TRUE(::EqualRect(&screen, &desktop));
    } else {
        EXPECT_EQ(m_app.m_bWindowPrompter, 0);
        EXPECT_EQ(m_app.m_bForegroundScreenActive, 0);
    }

    // The prompter screen: the monitor the saved frame is on, or the first one.
    m_app.m_nAppLeft = 10;
    m_app.m_nAppTop = 10;
    m_app.m_nAppWidth = 200;
    m_app.m_nAppHeight = 100;
    m_app.m_nPrompterScreen = 0x7FFF0000; // a screen that is gone
    RECT rect;
    ASSERT_TRUE(m_app.GetPrompterScreenRect(rect, true));
    const RECT first = m_app.m_Monitors.begin()->second.rcMonitor;
    HMONITOR frameMonitor = ::MonitorFromPoint(POINT {10, 10}, MONITOR_DEFAULTTONULL);
    if (frameMonitor) {
        const RECT expectedScreen = m_app.m_Monitors.at(frameMonitor).rcMonitor;
        EXPECT_TRUE(::EqualRect(&rect, &expectedScreen));
    } else {
        EXPECT_TRUE(::EqualRect(&rect, &first));
    }

    // No monitors known: no screen.
    m_app.m_Monitors.clear();
    EXPECT_FALSE(m_app.GetPrompterScreenRect(rect, false));
}

} // namespace
