// For the date-time window and calendar tests: timers whose ticks the test delivers, a
// fixed clock, a parent window that counts change notifications, and message pumping.
#pragma once
#include "controls/GXBDateTimeCtrl.h"
#include "core/GXSysColorCache.h"
#include "fw/wnd.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

// Gadget timers that only tick when the test says so.
class CTestGadgetTimers : public CGXBGadgetTimerSource
{
public:
    CTestGadgetTimers() { m_pPrevious = GXBSetGadgetTimerSource(this); }
    ~CTestGadgetTimers() override { GXBSetGadgetTimerSource(m_pPrevious); }

    UINT_PTR StartTimer(UINT nElapse) override
    {
        UINT_PTR nID = ++m_nNext;
        m_running[nID] = nElapse;
        return nID;
    }
    void StopTimer(UINT_PTR nIDEvent) override
    {
        m_running.erase(nIDEvent);
        m_stopped.push_back(nIDEvent);
    }
    // One tick of every running timer.
    void TickAll()
    {
        std::map<UINT_PTR, UINT> running = m_running;
        for (const auto& entry : running)
            if (m_running.count(entry.first))
                GXBOnGadgetTimer(entry.first);
    }
    // One tick of the timer started last.
    void TickNewest()
    {
        if (!m_running.empty())
            GXBOnGadgetTimer(m_running.rbegin()->first);
    }
    // The period of the one running timer (0 when none or several run).
    UINT OnlyPeriod() const { return m_running.size() == 1 ? m_running.begin()->second : 0; }
    UINT_PTR OnlyID() const { return m_running.size() == 1 ? m_running.begin()->first : 0; }

    std::map<UINT_PTR, UINT> m_running;
    std::vector<UINT_PTR> m_stopped;

private:
    UINT_PTR m_nNext = 1000;
    CGXBGadgetTimerSource* m_pPrevious = nullptr;
};

// The clock reads a fixed time while the object lives.
class CTestClock
{
public:
    explicit CTestClock(const COleDateTime& now) : m_now(now)
    {
        GXBSetClock([this] { return m_now; });
    }
    ~CTestClock() { GXBSetClock({}); }
    COleDateTime m_now;
};

// A visible top-level window that counts the date-time window's change notifications.
class CTestParentWnd : public CWnd
{
public:
    CTestParentWnd()
    {
        CreateEx(0, AfxRegisterWndClass(0), "date-time test", WS_POPUP | WS_VISIBLE, 10, 10, 400,
                 200, nullptr, nullptr);
    }
    ~CTestParentWnd() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (HIWORD(wParam) == GXBDT_NOTIFY_CHANGE) {
            ++m_nChanges;
            if (m_fnOnChange)
                m_fnOnChange();
            return TRUE;
        }
        return CWnd::OnCommand(wParam, lParam);
    }
    int m_nChanges = 0;
    std::function<void()> m_fnOnChange;
};

inline void PumpMessages()
{
    MSG msg;
    for (int i = 0; i < 1000 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Pumps until the condition holds; FALSE when it never did.
[[nodiscard]] inline bool PumpUntil(const std::function<bool()>& condition,
                                    DWORD dwTimeoutMs = 5000)
{
    DWORD dwStart = ::GetTickCount();
    for (;;) {
        PumpMessages();
        if (condition())
            return true;
        if (::GetTickCount() - dwStart > dwTimeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

inline CPoint CenterOf(const CRect& rect)
{
    return CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

inline LPARAM PointParam(CPoint point) { return MAKELPARAM(point.x, point.y); }

inline COleDateTime DT(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return COleDateTime(y, mo, d, h, mi, s);
}

// "2021-03-15 10:20:30" for messages.
inline std::string Text(const COleDateTime& value)
{
    return (LPCSTR)value.Format("%Y-%m-%d %H:%M:%S");
}
