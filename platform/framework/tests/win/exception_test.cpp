// An exception a handler lets out is caught at the window procedure: the message gets a
// safe result, the user is told (except for a user exception), and the program goes on.
#include <gtest/gtest.h>

#include <stdexcept>

#include "fw_test_support.h"

namespace {

const UINT WM_THROW_RESOURCE = WM_APP + 20;
const UINT WM_THROW_USER = WM_APP + 21;
const UINT WM_THROW_STD = WM_APP + 22;
const UINT WM_THROW_OTHER = WM_APP + 23;
const UINT WM_STILL_ALIVE = WM_APP + 24;
const UINT ID_THROWING_COMMAND = 40100;

class CThrowingWnd : public CWnd
{
public:
    bool m_bFailCreate = false;
    int m_nPaints = 0;

protected:
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (m_bFailCreate)
            AfxThrowMemoryException();
        return CWnd::OnCreate(lpcs);
    }
    void OnPaint()
    {
        ++m_nPaints;
        AfxThrowNotSupportedException();
    }
    LRESULT OnThrowResource(WPARAM, LPARAM) { AfxThrowResourceException(); }
    LRESULT OnThrowUser(WPARAM, LPARAM) { AfxThrowUserException(); }
    LRESULT OnThrowStd(WPARAM, LPARAM) { throw std::runtime_error("disk on fire"); }
    LRESULT OnThrowOther(WPARAM, LPARAM) { throw 42; }
    LRESULT OnStillAlive(WPARAM wParam, LPARAM) { return (LRESULT)wParam; }
    void OnThrowingCommand() { AfxThrowResourceException(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_MESSAGE(WM_THROW_RESOURCE, &CThrowingWnd::OnThrowResource)
    ON_MESSAGE(WM_THROW_USER, &CThrowingWnd::OnThrowUser)
    ON_MESSAGE(WM_THROW_STD, &CThrowingWnd::OnThrowStd)
    ON_MESSAGE(WM_THROW_OTHER, &CThrowingWnd::OnThrowOther)
    ON_MESSAGE(WM_STILL_ALIVE, &CThrowingWnd::OnStillAlive)
    ON_COMMAND(ID_THROWING_COMMAND, &CThrowingWnd::OnThrowingCommand)
END_MESSAGE_MAP()

TEST(WndProcExceptions, AreCaughtReportedAndTheWindowGoesOn)
{
    CMessageBoxRecorder boxes;
    CThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "thrower", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));

    struct Case
    {
        UINT message;
        size_t boxesAfter; // a user exception adds none
        const char* text; // part of the report
    };
    const Case cases[] = {
        {WM_THROW_RESOURCE, 1, ""},
        {WM_THROW_USER, 1, nullptr},
        {WM_THROW_STD, 2, "disk on fire"},
        {WM_THROW_OTHER, 3, "Internal application error."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wnd.SendMessage(c.message), 0) << c.message;
        ASSERT_EQ(boxes.Count(), c.boxesAfter) << c.message;
        if (c.text != nullptr) {
            EXPECT_NE(boxes.Text(c.boxesAfter - 1).find(c.text), std::string::npos)
                << boxes.Text(c.boxesAfter - 1);
        }
        EXPECT_EQ(wnd.SendMessage(WM_STILL_ALIVE, 9), 9);
    }
    // A failed command counts as handled, so it is not routed further.
    EXPECT_EQ(wnd.SendMessage(WM_COMMAND, ID_THROWING_COMMAND), 1);
    EXPECT_EQ(boxes.Count(), 4u);
    EXPECT_NE(boxes.Request(3).nType & MB_ICONSTOP, 0u);
    wnd.DestroyWindow();
}

TEST(WndProcExceptions, AFailingPaintIsNotRepeatedForever)
{
    CMessageBoxRecorder boxes;
    CThrowingWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, nullptr, "painter", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr));
    wnd.Invalidate();
    wnd.UpdateWindow();
    PumpPending();
    EXPECT_EQ(wnd.m_nPaints, 1);
    EXPECT_EQ(boxes.Count(), 1u);
    CRect update;
    EXPECT_FALSE(wnd.GetUpdateRect(&update)); // validated despite the failure
    wnd.DestroyWindow();
}

TEST(WndProcExceptions, AFailingCreateFailsTheCreation)
{
    CMessageBoxRecorder boxes;
    CThrowingWnd wnd;
    wnd.m_bFailCreate = true;
    EXPECT_FALSE(wnd.CreateEx(0, nullptr, "never", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
}

class CRefusingWnd : public CWnd
{
protected:
    void PreSubclassWindow() override { AfxThrowResourceException(); }
};

TEST(WndProcExceptions, AFailingPreSubclassStopsTheCreation)
{
    CMessageBoxRecorder boxes;
    CRefusingWnd wnd;
    EXPECT_FALSE(wnd.CreateEx(0, nullptr, "refused", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(boxes.Count(), 1u);
}

} // namespace
