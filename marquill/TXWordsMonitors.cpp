// The monitor list, the virtual desktop and the prompter screen.
#include "TXWords.h"

#include <algorithm>
#include <vector>

#include "ScreenChoice.h"

namespace {

BOOL CALLBACK MonitorEnumProc(HMONITOR hMonitor, HDC, LPRECT, LPARAM data)
{
    CTXWordsApp* app = reinterpret_cast<CTXWordsApp*>(data);
    if (hMonitor && app)
        app->AddMonitor(hMonitor);
    return TRUE;
}

} // namespace

void CTXWordsApp::EnumMonitors()
{
    m_Monitors.clear();
    m_nMonitorCount = ::GetSystemMetrics(SM_CMONITORS);
    m_rcVirtualDesktop = RECT {0, 0, 0, 0};
    if (m_nMonitorCount != 0)
        ::EnumDisplayMonitors(nullptr, nullptr, MonitorEnumProc, (LPARAM)this);
    m_bMultipleMonitors = m_nMonitorCount > 1;
    if (m_bMultipleMonitors) {
        m_bForegroundScreenActive = m_nFGScreenSize = m_bFGRightJustified = 0;
        m_bWindowPrompter = 0;
    } else {
        m_bDualScreen = 0;
    }
}

void CTXWordsApp::AddMonitor(HMONITOR hMonitor)
{
    MONITORINFOEXA info = {};
    info.cbSize = sizeof info;
    if (!::GetMonitorInfoA(hMonitor, &info))
        return;
    m_Monitors.emplace(hMonitor, info);
    RECT& v = m_rcVirtualDesktop;
    v.left = std::min(v.left, info.rcMonitor.left);
    v.top = std::min(v.top, info.rcMonitor.top);
    v.right = std::max(v.right, info.rcMonitor.right);
    v.bottom = std::max(v.bottom, info.rcMonitor.bottom);
}

RECT CTXWordsApp::GetSavedFrameRect() const
{
    return PlacementRect(m_nAppLeft, m_nAppTop, m_nAppWidth, m_nAppHeight);
}

namespace {
std::vector<ScreenMonitor> MonitorList(const std::map<HMONITOR, MONITORINFOEXA>& monitors)
{
    std::vector<ScreenMonitor> list;
    for (const auto& entry : monitors)
        list.push_back(ScreenMonitor {(uintptr_t)entry.first, entry.second.rcMonitor});
    return list;
}
} // namespace

BOOL CTXWordsApp::GetPrompterScreenRect(RECT& rect, bool sameMonitor)
{
    const std::vector<ScreenMonitor> list = MonitorList(m_Monitors);
    // The stored screen is a handle value kept in a 32-bit profile entry.
    uintptr_t chosen = 0;
    for (const ScreenMonitor& m : list)
        if ((DWORD)m.handle == (DWORD)m_nPrompterScreen && m_nPrompterScreen != 0)
            chosen = m.handle;
    const ScreenMonitor* screen =
        ChoosePrompterScreen(list, m_nMonitorCount, chosen, GetSavedFrameRect(), sameMonitor);
    if (screen == nullptr)
        return FALSE;
    rect = screen->rect;
    return TRUE;
}

void CTXWordsApp::GetWindowPrompterRects(const CRect& viewRect, RECT& screen, RECT& window)
{
    std::vector<ScreenMonitor> list;
    for (const auto& entry : m_Monitors)
        list.push_back(ScreenMonitor {(uintptr_t)entry.first, entry.second.rcMonitor});
    uintptr_t chosen = 0;
    for (const ScreenMonitor& m : list)
        if (m_nPrompterScreen != 0 && (DWORD)m.handle == (DWORD)m_nPrompterScreen)
            chosen = m.handle;
    const bool sameMonitor =
        (m_bWindowPrompter && m_nMonitorCount < 2) || m_bForegroundScreenActive;
    screen = RECT {0, 0, 0, 0};
    if (const ScreenMonitor* m =
            ChoosePrompterScreen(list, m_nMonitorCount, chosen, viewRect, sameMonitor))
        screen = m->rect;
    window = screen;
    if (m_bForegroundScreenActive)
        window = MiniScreenRect(screen, m_nFGScreenSize, m_bFGRightJustified != 0);
    else if (CWnd* main = AfxGetMainWnd())
        main->GetWindowRect(&window);
}
