// The month calendar on its own: the boxes of a month, moving the focus and the display
// (leap days, the allowed years), marks, drag selection, and font fitting in a panel too
// small for any text.
#include "DateTimeTestSupport.h"
#include "controls/GXBCalendar.h"

#include <memory>

namespace {

class MonthCalendar : public ::testing::Test
{
protected:
    // A child calendar showing the month of date, with date selected.
    void Make(const COleDateTime& date, int nBehavior = 0x39C000,
              CRect rect = CRect(0, 0, 280, 240))
    {
        m_pCal = std::make_unique<CGXBCalendar>();
        m_pCal->SetBehavior(nBehavior);
        m_pCal->SetDisplayDate(date, FALSE);
        m_pCal->SelectDate(date, TRUE);
        ASSERT_TRUE(m_pCal->Create(WS_VISIBLE, rect, &m_parent, 3));
    }
    COleDateTime Selected() const { return m_pCal->GetSelectedDate(); }

    CTestClock m_clock {DT(2021, 3, 15, 10, 20, 30)};
    CTestParentWnd m_parent;
    std::unique_ptr<CGXBCalendar> m_pCal;
};

TEST_F(MonthCalendar, BoxesRunFromTheFirstWeekday)
{
    Make(DT(2021, 3, 15));
    // March 2021 starts on a Monday: the first box is Sunday 28 February.
    EXPECT_EQ(Text(m_pCal->GetDayBox(0)->GetDate()), Text(DT(2021, 2, 28, 12, 0, 0)));
    EXPECT_TRUE(m_pCal->GetDayBox(0)->IsOtherMonth());
    EXPECT_FALSE(m_pCal->GetDayBox(0)->IsSelectable());
    EXPECT_FALSE(m_pCal->GetDayBox(1)->IsOtherMonth());
    EXPECT_TRUE(m_pCal->GetDayBox(1)->IsSelectable());
    EXPECT_FALSE(m_pCal->GetDayBox(31)->IsOtherMonth()); // 31 March
    EXPECT_TRUE(m_pCal->GetDayBox(32)->IsOtherMonth()); // 1 April
    EXPECT_EQ(m_pCal->GetFocusBox(), m_pCal->GetDayBox(15));
    EXPECT_TRUE(m_pCal->GetDayBox(15)->IsSelected());
    EXPECT_STREQ(m_pCal->GetTitle().GetText(), "March 2021");

    // Other months' days stay active when asked.
    Make(DT(2021, 3, 15), 0x39C000 | GXB_CAL_OTHERMONTH_ACTIVE);
    EXPECT_TRUE(m_pCal->GetDayBox(0)->IsSelectable());
}

TEST_F(MonthCalendar, FocusMovesAcrossMonthsAndYears)
{
    struct Case
    {
        COleDateTime from;
        BOOL (CGXBCalendar::*move)(BOOL);
        BOOL ok;
        COleDateTime expected;
    };
    const Case cases[] = {
        {DT(2021, 3, 3), &CGXBCalendar::PrevWeek, TRUE, DT(2021, 2, 24)},
        {DT(2021, 3, 31), &CGXBCalendar::NextDay, TRUE, DT(2021, 4, 1)},
        {DT(2021, 3, 15), &CGXBCalendar::NextMonth, TRUE, DT(2021, 4, 1)},
        {DT(2021, 3, 15), &CGXBCalendar::PrevMonth, TRUE, DT(2021, 2, 1)},
        {DT(2000, 2, 29), &CGXBCalendar::NextYear, TRUE, DT(2001, 2, 28)},
        {DT(2000, 2, 29), &CGXBCalendar::PrevYear, TRUE, DT(1999, 2, 28)},
        // Towards 2401 the calendar beeps and nothing changes.
        {DT(2400, 6, 15), &CGXBCalendar::NextYear, FALSE, DT(2400, 6, 15)},
        {DT(2400, 11, 15), &CGXBCalendar::NextMonth, FALSE, DT(2400, 11, 15)},
        {DT(1399, 12, 1), &CGXBCalendar::PrevWeek, FALSE, DT(1399, 12, 1)},
    };
    for (const Case& c : cases) {
        Make(c.from);
        int nBeeps = GXBGetBeepCount();
        EXPECT_EQ((m_pCal.get()->*c.move)(TRUE), c.ok) << Text(c.from);
        COleDateTime expected = CGXBCalendar::Noon(c.expected);
        EXPECT_EQ(Text(Selected()), Text(expected)) << Text(c.from);
        EXPECT_EQ(m_pCal->GetDisplayDate().GetMonth(), expected.GetMonth()) << Text(c.from);
        EXPECT_EQ(GXBGetBeepCount() > nBeeps, !c.ok) << Text(c.from);
    }
}

TEST_F(MonthCalendar, AllowedDatesEndBeforeDecember2400)
{
    Make(DT(2021, 3, 15));
    // The year counts December (and a month's last days) as the next year's.
    EXPECT_TRUE(m_pCal->IsDateAllowed(1400, 1, 1));
    EXPECT_TRUE(m_pCal->IsDateAllowed(1399, 12, 1));
    EXPECT_FALSE(m_pCal->IsDateAllowed(1399, 11, 27));
    EXPECT_TRUE(m_pCal->IsDateAllowed(2400, 11, 27));
    EXPECT_FALSE(m_pCal->IsDateAllowed(2400, 11, 28));
    EXPECT_FALSE(m_pCal->IsDateAllowed(2400, 12, 1));
    int nBeeps = GXBGetBeepCount();
    EXPECT_FALSE(m_pCal->SetDisplayDate(DT(2400, 12, 1)));
    EXPECT_GT(GXBGetBeepCount(), nBeeps);
    EXPECT_EQ(m_pCal->GetDisplayDate().GetMonth(), 3);
}

TEST_F(MonthCalendar, DisplayButtonsAndFixedMonth)
{
    Make(DT(2021, 3, 15));
    m_pCal->SendMessage(WM_COMMAND, GXB_IDC_NEXTMONTH, 0);
    EXPECT_EQ(m_pCal->GetDisplayDate().GetMonth(), 4);
    m_pCal->SendMessage(WM_COMMAND, GXB_IDC_PREVYEAR, 0);
    EXPECT_EQ(m_pCal->GetDisplayDate().GetYear(), 2020);
    EXPECT_NE(m_pCal->GetTitle().m_buttons[CGXBCalTitle::gxNextYear].GetSafeHwnd(), nullptr);

    Make(DT(2021, 3, 15), 0x39C000 | GXB_CAL_FIXED_MONTH);
    int nBeeps = GXBGetBeepCount();
    EXPECT_FALSE(m_pCal->NextMonth(FALSE));
    EXPECT_EQ(m_pCal->GetDisplayDate().GetMonth(), 3);
    EXPECT_GT(GXBGetBeepCount(), nBeeps);
}

TEST_F(MonthCalendar, MarksStaySortedWithoutDuplicates)
{
    Make(DT(2021, 3, 15));
    m_pCal->MarkDate(DT(2021, 3, 20), TRUE);
    m_pCal->MarkDate(DT(2021, 3, 5), TRUE);
    m_pCal->MarkDate(DT(2021, 3, 20), TRUE);
    m_pCal->ToggleMark(DT(2021, 5, 1)); // not shown: only the list
    EXPECT_EQ(m_pCal->GetMarkedCount(), 3);
    EXPECT_TRUE(m_pCal->FindBox(DT(2021, 3, 20))->IsMarked());
    EXPECT_TRUE(m_pCal->IsDateMarked(DT(2021, 5, 1)));
    m_pCal->ToggleMark(DT(2021, 3, 5));
    EXPECT_FALSE(m_pCal->FindBox(DT(2021, 3, 5))->IsMarked());
    EXPECT_EQ(m_pCal->GetMarkedCount(), 2);
    // A right click marks; the mark comes back when the month is shown again.
    CGXBDayBox* pBox = m_pCal->FindBox(DT(2021, 3, 9));
    m_pCal->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, PointParam(CenterOf(pBox->GetRect())));
    EXPECT_TRUE(m_pCal->IsDateMarked(DT(2021, 3, 9)));
    m_pCal->NextMonth(FALSE);
    m_pCal->PrevMonth(FALSE);
    EXPECT_TRUE(m_pCal->FindBox(DT(2021, 3, 9))->IsMarked());
    // Marks and selections are posted to the notify window.
    MSG msg;
    EXPECT_TRUE(
        ::PeekMessageA(&msg, m_parent.m_hWnd, GXB_CAL_MARKCHANGE, GXB_CAL_MARKCHANGE, PM_REMOVE));
}

TEST_F(MonthCalendar, DragSelectsAndLeavingRestores)
{
    Make(DT(2021, 3, 15), 0x39C000 | GXB_CAL_DRAG_SELECT);
    CPoint p10 = CenterOf(m_pCal->FindBox(DT(2021, 3, 10))->GetRect());
    CPoint p12 = CenterOf(m_pCal->FindBox(DT(2021, 3, 12))->GetRect());
    m_pCal->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(p10));
    EXPECT_EQ(Selected().GetDay(), 10);
    m_pCal->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(p12));
    EXPECT_EQ(Selected().GetDay(), 12);
    m_pCal->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(CPoint(-50, -50)));
    EXPECT_EQ(Selected().GetDay(), 15); // the selection from before the press
    m_pCal->SendMessage(WM_LBUTTONUP, 0, PointParam(p12));
    EXPECT_EQ(Selected().GetDay(), 12);

    // Without drag selection a click toggles.
    Make(DT(2021, 3, 15));
    CPoint p15 = CenterOf(m_pCal->FindBox(DT(2021, 3, 15))->GetRect());
    m_pCal->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(p15));
    m_pCal->SendMessage(WM_LBUTTONUP, 0, PointParam(p15));
    EXPECT_FALSE(m_pCal->HasSelection());
}

TEST_F(MonthCalendar, FontFittingStopsAtTheMinimumSize)
{
    for (CRect rect : {CRect(0, 0, 12, 10), CRect(0, 0, 1, 1), CRect(0, 0, 700, 600)}) {
        Make(DT(2021, 3, 15), 0x39C000 | GXB_CAL_FIT_FONTS, rect);
        for (int nPanel :
             {CGXBCalendar::gxTitleFont, CGXBCalendar::gxBarFont, CGXBCalendar::gxBoxFont}) {
            int nHeight = std::abs((int)m_pCal->GetFontInfo(nPanel).lfHeight);
            EXPECT_GE(nHeight, (int)CGXBCalendar::gxMinFontHeight) << rect.Width();
            EXPECT_LE(nHeight, 512) << rect.Width();
        }
    }
    // In a roomy calendar the day numbers grow beyond the dialog font.
    LOGFONT lf = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    EXPECT_GT(std::abs((int)m_pCal->GetFontInfo(CGXBCalendar::gxBoxFont).lfHeight),
              std::abs((int)lf.lfHeight));
}

TEST_F(MonthCalendar, AutoSizedToItsPanels)
{
    Make(DT(2021, 3, 15), (0x39C000 & ~GXB_CAL_FIT_FONTS) | GXB_CAL_AUTOSIZE, CRect(0, 0, 10, 10));
    CRect client;
    m_pCal->GetClientRect(&client);
    CSize preferred = m_pCal->GetPreferredSize();
    EXPECT_EQ(client.Width(), preferred.cx);
    EXPECT_GE(client.Height(), preferred.cy);
}

} // namespace
