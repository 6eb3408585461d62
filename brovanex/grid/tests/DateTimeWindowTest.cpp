// The date-time window: gadgets built from a format, typing and spinning each field with
// its limits and roll-over, the range, the spin repeat on driven timers (and a window
// destroyed while it repeats), type-ahead in name lists, and the popup calendar chosen by
// mouse, by keys and on deactivation.
#include "DateTimeTestSupport.h"
#include "controls/GXBCalendar.h"

#include <memory>
#include <string>

namespace {

class DateTimeWindow : public ::testing::Test
{
public:
    void SetUp() override { Make(CGXBDateTimeCtrl::gxDropButton | CGXBDateTimeCtrl::gxSpinButton); }

    void Make(DWORD dwButtons)
    {
        m_pCtrl = std::make_unique<CGXBDateTimeCtrl>();
        ASSERT_TRUE(m_pCtrl->Create(0, WS_VISIBLE | dwButtons, CRect(5, 5, 305, 29), &m_parent, 7));
    }

    void Use(LPCTSTR pszFormat, const COleDateTime& value)
    {
        m_pCtrl->SetCustomFormat(pszFormat);
        ASSERT_TRUE(m_pCtrl->SetDateTime(value));
    }
    void Select(int nID)
    {
        int nIndex = m_pCtrl->FindGadget(nID);
        ASSERT_GE(nIndex, 0) << "no field " << nID;
        ASSERT_TRUE(m_pCtrl->SetCurrentGadget(nIndex));
    }
    int CurrentID() const { return m_pCtrl->GetGadget(m_pCtrl->GetCurrentGadget())->GetID(); }
    void Key(UINT nVK) { m_pCtrl->SendMessage(WM_KEYDOWN, nVK, 1); }
    void Type(const char* psz)
    {
        for (; *psz; ++psz)
            m_pCtrl->SendMessage(WM_CHAR, (BYTE)*psz, 1);
    }
    COleDateTime Value() const { return m_pCtrl->GetDateTime(); }
    CRect SpinRect() const
    {
        return m_pCtrl->GetGadget(m_pCtrl->FindGadget(GXBDT_ID_SPIN))->GetRect();
    }

    CTestClock m_clock {DT(2021, 3, 15, 10, 20, 30)};
    CTestGadgetTimers m_timers;
    CTestParentWnd m_parent;
    std::unique_ptr<CGXBDateTimeCtrl> m_pCtrl;
};

TEST_F(DateTimeWindow, FormatsBecomeGadgetsInOrder)
{
    struct Case
    {
        const char* format;
        std::vector<int> ids;
        const char* text;
    };
    const Case cases[] = {
        {"dd.MM.yyyy", {32, -1, 128, -1, 1024}, "05.03.2021"},
        {"M/d/yy", {128, -1, 32, -1, 512}, "3/5/21"},
        {"HH:mm:ss", {2, -1, 4, -1, 8}, "09:07:03"},
        {"h:mm tt", {1, -1, 4, -1, 16}, "9:07 AM"},
        {"ddd, MMMM d", {64, -1, 256, -1, 32}, "Fri, March 5"},
        {"'Day' d' of 'yyyy", {-1, 32, -1, 1024}, "Day 5 of 2021"},
        {"gg yyyy", {-1, 1024}, " 2021"},
    };
    for (const Case& c : cases) {
        Use(c.format, DT(2021, 3, 5, 9, 7, 3));
        std::vector<int> ids;
        for (int i = m_pCtrl->GetFixedCount(); i < m_pCtrl->GetGadgetCount(); ++i)
            ids.push_back(m_pCtrl->GetGadget(i)->GetID());
        EXPECT_EQ(ids, c.ids) << c.format;
        EXPECT_STREQ(m_pCtrl->GetGadgetText(), c.text) << c.format;
    }
    // The fixed gadgets come first: the drop button at the right edge, the spin beside it.
    ASSERT_EQ(m_pCtrl->GetFixedCount(), 2);
    CRect client;
    m_pCtrl->GetClientRect(&client);
    EXPECT_EQ(m_pCtrl->GetGadget(0)->GetRect().right, client.right);
    EXPECT_EQ(m_pCtrl->GetGadget(1)->GetRect().right, m_pCtrl->GetGadget(0)->GetRect().left);
    EXPECT_TRUE(m_pCtrl->HasDateFields());
    Use("HH:mm", DT(2021, 3, 5));
    EXPECT_FALSE(m_pCtrl->HasDateFields());
}

TEST_F(DateTimeWindow, StepsEachFieldWithItsLimitsAndRollOver)
{
    struct Case
    {
        const char* format;
        COleDateTime start;
        int field;
        UINT key;
        COleDateTime expected;
    };
    const Case cases[] = {
        // Day: wraps within the month, the month stays.
        {"dd.MM.yyyy", DT(2021, 1, 31), 32, VK_UP, DT(2021, 1, 1)},
        {"dd.MM.yyyy", DT(2021, 3, 1), 32, VK_DOWN, DT(2021, 3, 31)},
        {"dd.MM.yyyy", DT(2021, 2, 1), 32, VK_DOWN, DT(2021, 2, 28)},
        {"dd.MM.yyyy", DT(2021, 4, 17), 32, VK_END, DT(2021, 4, 30)},
        {"dd.MM.yyyy", DT(2021, 4, 17), 32, VK_HOME, DT(2021, 4, 1)},
        // Month: the day comes down to the new month's end; the year stays.
        {"dd.MM.yyyy", DT(2020, 1, 31), 128, VK_UP, DT(2020, 2, 29)},
        {"dd.MM.yyyy", DT(2021, 1, 31), 128, VK_ADD, DT(2021, 2, 28)},
        {"dd.MM.yyyy", DT(2021, 1, 10), 128, VK_DOWN, DT(2021, 12, 10)},
        {"d MMM yyyy", DT(2021, 12, 10), 256, VK_UP, DT(2021, 1, 10)},
        // Year: capped at 9999 and 100.
        {"dd.MM.yyyy", DT(9999, 6, 1), 1024, VK_UP, DT(9999, 6, 1)},
        {"dd.MM.yyyy", DT(101, 6, 1), 1024, VK_DOWN, DT(100, 6, 1)},
        {"dd.MM.yyyy", DT(100, 6, 1), 1024, VK_SUBTRACT, DT(100, 6, 1)},
        {"dd.MM.yyyy", DT(2020, 2, 29), 1024, VK_UP, DT(2021, 2, 28)},
        {"dd.MM.yyyy", DT(2020, 2, 29), 1024, VK_HOME, DT(100, 2, 28)},
        // Hours wrap within the day; 12-hour fields step through noon.
        {"HH:mm", DT(2021, 3, 5, 23, 10), 2, VK_UP, DT(2021, 3, 5, 0, 10)},
        {"HH:mm", DT(2021, 3, 5, 0, 10), 2, VK_DOWN, DT(2021, 3, 5, 23, 10)},
        {"h:mm tt", DT(2021, 3, 5, 11, 10), 1, VK_UP, DT(2021, 3, 5, 12, 10)},
        {"h:mm tt", DT(2021, 3, 5, 0, 10), 1, VK_END, DT(2021, 3, 5, 23, 10)},
        // AM/PM moves the hour by twelve.
        {"h:mm tt", DT(2021, 3, 5, 10, 20), 16, VK_UP, DT(2021, 3, 5, 22, 20)},
        {"h:mm tt", DT(2021, 3, 5, 22, 20), 16, VK_DOWN, DT(2021, 3, 5, 10, 20)},
        {"h:mm tt", DT(2021, 3, 5, 22, 20), 16, VK_HOME, DT(2021, 3, 5, 10, 20)},
        // Minutes and seconds wrap without carrying.
        {"HH:mm:ss", DT(2021, 3, 5, 8, 59, 0), 4, VK_UP, DT(2021, 3, 5, 8, 0, 0)},
        {"HH:mm:ss", DT(2021, 3, 5, 8, 0, 0), 8, VK_DOWN, DT(2021, 3, 5, 8, 0, 59)},
        // The weekday stays within the week (Sunday to Saturday).
        {"dddd d", DT(2021, 3, 6), 64, VK_UP, DT(2021, 2, 28)},
        {"dddd d", DT(2021, 3, 3), 64, VK_END, DT(2021, 3, 6)},
    };
    for (const Case& c : cases) {
        Use(c.format, c.start);
        Select(c.field);
        int nChanges = m_parent.m_nChanges;
        Key(c.key);
        EXPECT_EQ(Text(Value()), Text(c.expected))
            << c.format << " field " << c.field << " from " << Text(c.start) << " key " << c.key;
        EXPECT_EQ(m_parent.m_nChanges, nChanges + (c.expected != c.start ? 1 : 0)) << c.format;
    }
}

TEST_F(DateTimeWindow, SpinStepsAreLimitedPerField)
{
    struct Case
    {
        const char* format;
        int field;
        int code;
        int arg;
        COleDateTime expected;
    };
    const COleDateTime start = DT(2021, 3, 15, 10, 20, 30);
    const Case cases[] = {
        {"dd.MM.yyyy", 1024, GXBDT_SPINUP, 5, DT(2026, 3, 15, 10, 20, 30)},
        {"dd.MM.yyyy", 32, GXBDT_SPINUP, 5, DT(2021, 3, 17, 10, 20, 30)},
        {"dd.MM.yyyy", 128, GXBDT_SPINDOWN, 5, DT(2021, 2, 15, 10, 20, 30)},
        {"HH:mm:ss", 2, GXBDT_SPINDOWN, 5, DT(2021, 3, 15, 8, 20, 30)},
        {"HH:mm:ss", 8, GXBDT_SPINUP, 2, DT(2021, 3, 15, 10, 20, 32)},
    };
    for (const Case& c : cases) {
        Use(c.format, start);
        Select(c.field);
        EXPECT_TRUE(m_pCtrl->OnGadgetNotify(c.code, GXBDT_ID_SPIN, c.arg));
        EXPECT_EQ(Text(Value()), Text(c.expected)) << c.format << " field " << c.field;
    }
}

TEST_F(DateTimeWindow, TypingFillsFieldsAndAdvances)
{
    struct Case
    {
        const char* format;
        COleDateTime start;
        int field;
        const char* typed;
        UINT keyAfter; // 0: none
        COleDateTime expected;
        int nextField; // the current field afterwards
    };
    const Case cases[] = {
        {"dd.MM.yyyy", DT(2021, 3, 15), 32, "25", 0, DT(2021, 3, 25), 128},
        {"dd.MM.yyyy", DT(2021, 3, 15), 128, "07", VK_LEFT, DT(2021, 7, 15), 32},
        {"dd.MM.yyyy", DT(2021, 3, 15), 1024, "1999", 0, DT(1999, 3, 15), 1024},
        // Two-digit years replace the last two digits of the year shown.
        {"d/M/yy", DT(2021, 3, 15), 512, "99", 0, DT(2099, 3, 15), 512},
        {"d/M/yy", DT(1987, 3, 15), 512, "05", VK_RIGHT, DT(1905, 3, 15), 512},
        // Twelve o'clock in 12-hour fields: midnight while AM, noon while PM.
        {"hh:mm tt", DT(2021, 3, 15, 9, 30), 1, "12", 0, DT(2021, 3, 15, 0, 30), 4},
        {"hh:mm tt", DT(2021, 3, 15, 21, 30), 1, "12", 0, DT(2021, 3, 15, 12, 30), 4},
        // A leading zero adds no digit: "3" waits for the next key.
        {"hh:mm tt", DT(2021, 3, 15, 21, 30), 1, "03", VK_RIGHT, DT(2021, 3, 15, 15, 30), 4},
        // Refused: the old value stays and the field keeps the focus.
        {"dd.MM.yyyy", DT(2021, 3, 15), 32, "32", 0, DT(2021, 3, 15), 32},
        {"dd.MM.yyyy", DT(2021, 2, 15), 32, "30", 0, DT(2021, 2, 15), 32},
        {"HH:mm", DT(2021, 3, 15, 9, 30), 4, "75", 0, DT(2021, 3, 15, 9, 30), 4},
    };
    for (const Case& c : cases) {
        Use(c.format, c.start);
        Select(c.field);
        int nBeeps = GXBGetBeepCount();
        Type(c.typed);
        if (c.keyAfter != 0)
            Key(c.keyAfter);
        EXPECT_EQ(Text(Value()), Text(c.expected)) << c.format << " typed " << c.typed;
        EXPECT_EQ(CurrentID(), c.nextField) << c.format << " typed " << c.typed;
        EXPECT_EQ(GXBGetBeepCount() > nBeeps, c.expected == c.start) << c.format << " " << c.typed;
        EXPECT_FALSE(m_pCtrl->IsTyping());
    }
}

TEST_F(DateTimeWindow, TypingTheSeparatorSkipsToTheNextField)
{
    Use("M/d/yyyy", DT(2021, 3, 15));
    Select(128);
    Type("4/");
    EXPECT_EQ(Value().GetMonth(), 4);
    EXPECT_EQ(CurrentID(), 32);
    Type("9/2022");
    EXPECT_EQ(Text(Value()), Text(DT(2022, 4, 9)));

    // A non-digit that is no separator cancels the typing with a beep.
    Select(32);
    int nBeeps = GXBGetBeepCount();
    Type("2x");
    EXPECT_EQ(Value().GetDay(), 9);
    EXPECT_GT(GXBGetBeepCount(), nBeeps);
    EXPECT_FALSE(m_pCtrl->IsTyping());

    // Fields under the no-edit mask are passed over.
    m_pCtrl->SetNoEditMask(CGXBDateTimeCtrl::gxNoEditDay);
    m_pCtrl->FirstGadget();
    EXPECT_EQ(CurrentID(), 128);
    Key(VK_RIGHT);
    EXPECT_EQ(CurrentID(), 1024);
    EXPECT_FALSE(m_pCtrl->NextGadget());
}

TEST_F(DateTimeWindow, NameListsTakeTypeAheadAndItsTimerEnds)
{
    Use("d MMMM yyyy", DT(2021, 3, 15));
    Select(256);
    Type("j");
    EXPECT_EQ(Value().GetMonth(), 6); // the next month after March with a J
    auto* pList = static_cast<CGXBDTListGadget*>(m_pCtrl->GetGadget(m_pCtrl->GetCurrentGadget()));
    ASSERT_TRUE(pList->IsTypeAheadRunning());
    EXPECT_EQ(m_timers.OnlyPeriod(), 2000u);
    Type("j");
    EXPECT_EQ(Value().GetMonth(), 7);
    Type("a");
    EXPECT_EQ(Value().GetMonth(), 1); // "ja" from July wraps round to January
    // A prefix that matches nothing beeps and starts over.
    int nBeeps = GXBGetBeepCount();
    Type("q");
    EXPECT_GT(GXBGetBeepCount(), nBeeps);
    EXPECT_FALSE(pList->IsTypeAheadRunning());
    EXPECT_EQ(GXBGetGadgetTimerCount(), 0);

    // The timer clears the prefix.
    Type("m");
    EXPECT_EQ(Value().GetMonth(), 3);
    ASSERT_TRUE(pList->IsTypeAheadRunning());
    m_timers.TickAll();
    EXPECT_FALSE(pList->IsTypeAheadRunning());
    EXPECT_TRUE(m_timers.m_running.empty());
    Type("a");
    EXPECT_EQ(Value().GetMonth(), 4); // a fresh "a": April, not "ma"
}

TEST_F(DateTimeWindow, RangeRefusesOrClampsByTheFieldsLevel)
{
    Use("dd.MM.yyyy HH:mm:ss", DT(2021, 6, 15, 12, 0, 0));
    ASSERT_TRUE(m_pCtrl->SetRange(DT(2021, 1, 1), DT(2021, 12, 31), CGXBDateTimeCtrl::gxDateRange));

    // Out of range: refused, the old value stays, nothing is reported.
    Select(1024);
    Key(VK_UP);
    EXPECT_EQ(Text(Value()), Text(DT(2021, 6, 15, 12, 0, 0)));
    int nBeeps = GXBGetBeepCount();
    Type("2022");
    EXPECT_EQ(Text(Value()), Text(DT(2021, 6, 15, 12, 0, 0)));
    EXPECT_GT(GXBGetBeepCount(), nBeeps);
    EXPECT_EQ(m_parent.m_nChanges, 0);
    EXPECT_STREQ(m_pCtrl->GetGadgetText(), "15.06.2021 12:00:00");

    // A new range moves the value onto the bound it leaves (keeping the time of day).
    ASSERT_TRUE(m_pCtrl->SetRange(DT(2021, 7, 1), DT(2021, 12, 31), CGXBDateTimeCtrl::gxDateRange));
    EXPECT_EQ(Text(Value()), Text(DT(2021, 7, 1, 12, 0, 0)));
    EXPECT_FALSE(
        m_pCtrl->SetRange(DT(2021, 12, 31), DT(2021, 1, 1), CGXBDateTimeCtrl::gxDateRange));

    // Time of day: a minute step past the end is clamped onto its second.
    Use("HH:mm:ss", DT(2021, 6, 15, 16, 58, 30));
    ASSERT_TRUE(m_pCtrl->SetRange(DT(1899, 12, 30, 9, 0, 0), DT(1899, 12, 30, 16, 59, 0),
                                  CGXBDateTimeCtrl::gxTimeRange));
    Select(4);
    Key(VK_UP);
    EXPECT_EQ(Text(Value()), Text(DT(2021, 6, 15, 16, 59, 0)));
    ASSERT_TRUE(m_pCtrl->SetRange(DT(1899, 12, 30, 9, 0, 0), DT(1899, 12, 30, 17, 0, 0),
                                  CGXBDateTimeCtrl::gxTimeRange));
    // An hour step past it is clamped within its hour; one more hour is refused.
    Use("HH:mm:ss", DT(2021, 6, 15, 16, 30, 0));
    Select(2);
    Key(VK_UP);
    EXPECT_EQ(Text(Value()), Text(DT(2021, 6, 15, 17, 0, 0)));
    Key(VK_UP);
    EXPECT_EQ(Text(Value()), Text(DT(2021, 6, 15, 17, 0, 0)));
}

TEST_F(DateTimeWindow, SpinRepeatsOnDrivenTicksAndSpeedsUp)
{
    Use("dd.MM.yyyy", DT(2021, 1, 1));
    Select(1024);
    CRect rect = SpinRect();
    CPoint up(rect.left + rect.Width() / 2, rect.top + 2);
    m_pCtrl->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(up));
    EXPECT_EQ(Value().GetYear(), 2022);
    EXPECT_EQ(m_timers.OnlyPeriod(), 500u);
    EXPECT_EQ(::GetCapture(), m_pCtrl->m_hWnd);

    m_timers.TickAll(); // the first delay ends: every 100 ms from now
    EXPECT_EQ(Value().GetYear(), 2023);
    EXPECT_EQ(m_timers.OnlyPeriod(), 100u);
    for (int i = 0; i < 19; ++i)
        m_timers.TickAll(); // ticks 2 to 20 step by one
    EXPECT_EQ(Value().GetYear(), 2042);
    m_timers.TickAll(); // tick 21 steps by two
    EXPECT_EQ(Value().GetYear(), 2044);
    for (int i = 0; i < 30; ++i)
        m_timers.TickAll(); // up to tick 51: the last one by five
    EXPECT_EQ(Value().GetYear(), 2044 + 29 * 2 + 5);

    // Off the pressed half the repeat stops; back on it resumes at the fast pace.
    CPoint off(rect.left + rect.Width() / 2, rect.bottom - 2);
    m_pCtrl->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(off));
    EXPECT_TRUE(m_timers.m_running.empty());
    int nYear = Value().GetYear();
    m_timers.TickAll();
    EXPECT_EQ(Value().GetYear(), nYear);
    m_pCtrl->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(up));
    EXPECT_EQ(m_timers.OnlyPeriod(), 100u);

    m_pCtrl->SendMessage(WM_LBUTTONUP, 0, PointParam(up));
    EXPECT_TRUE(m_timers.m_running.empty());
    EXPECT_EQ(GXBGetGadgetTimerCount(), 0);
    EXPECT_NE(::GetCapture(), m_pCtrl->m_hWnd);

    // The lower half steps down.
    nYear = Value().GetYear();
    m_pCtrl->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(off));
    m_pCtrl->SendMessage(WM_LBUTTONUP, 0, PointParam(off));
    EXPECT_EQ(Value().GetYear(), nYear - 1);
}

TEST_F(DateTimeWindow, GadgetTimersDieWithTheirWindow)
{
    struct Case
    {
        const char* what;
        std::function<void(DateTimeWindow&)> end;
    };
    const Case cases[] = {
        {"window destroyed", [](DateTimeWindow& t) { t.m_pCtrl->DestroyWindow(); }},
        {"object deleted", [](DateTimeWindow& t) { t.m_pCtrl.reset(); }},
        {"format rebuilt", [](DateTimeWindow& t) { t.m_pCtrl->SetCustomFormat("HH:mm"); }},
        {"parent destroyed", [](DateTimeWindow& t) { t.m_parent.DestroyWindow(); }},
    };
    for (const Case& c : cases) {
        if (m_parent.m_hWnd == nullptr)
            m_parent.CreateEx(0, AfxRegisterWndClass(0), "date-time test", WS_POPUP | WS_VISIBLE,
                              10, 10, 400, 200, nullptr, nullptr);
        Make(CGXBDateTimeCtrl::gxSpinButton);
        Use("d MMMM yyyy", DT(2021, 1, 1));
        // A spin in mid-repeat and a list in mid-type-ahead.
        Select(256);
        Type("m");
        CRect rect = SpinRect();
        m_pCtrl->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON,
                             PointParam(CPoint(rect.left + 4, rect.top + 2)));
        m_timers.TickNewest(); // the spin's first delay ends
        m_timers.TickNewest();
        ASSERT_EQ(GXBGetGadgetTimerCount(), 2) << c.what;
        ASSERT_EQ(static_cast<CGXBDTSpinGadget*>(m_pCtrl->GetGadget(0))->GetRepeatCount(), 2);
        std::map<UINT_PTR, UINT> running = m_timers.m_running;

        c.end(*this);
        if (std::string(c.what) != "format rebuilt") {
            EXPECT_EQ(GXBGetGadgetTimerCount(), 0) << c.what;
            EXPECT_TRUE(m_timers.m_running.empty()) << c.what;
        } else {
            EXPECT_EQ(GXBGetGadgetTimerCount(), 1) << c.what; // the fixed spin keeps running
        }
        // Late ticks of the old timers reach nobody.
        for (const auto& entry : running)
            GXBOnGadgetTimer(entry.first);
        m_pCtrl.reset();
        EXPECT_EQ(GXBGetGadgetTimerCount(), 0) << c.what;
    }
}

TEST_F(DateTimeWindow, SpinStopsWhenAChangeDestroysTheWindow)
{
    Use("dd.MM.yyyy", DT(2021, 1, 1));
    Select(32);
    CRect rect = SpinRect();
    m_pCtrl->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON,
                         PointParam(CPoint(rect.left + 4, rect.top + 2)));
    int nChanges = 0;
    m_parent.m_fnOnChange = [&] {
        if (++nChanges == 3)
            m_pCtrl->DestroyWindow();
    };
    for (int i = 0; i < 5; ++i)
        m_timers.TickAll();
    EXPECT_EQ(nChanges, 3);
    EXPECT_EQ(GXBGetGadgetTimerCount(), 0);
    EXPECT_EQ(Value().GetDay(), 5); // the press and three ticks
}

// ---------------------------------------------------------------------------------------
// The popup calendar.

TEST_F(DateTimeWindow, CalendarDropsBelowWithTheValueSelected)
{
    Use("dd.MM.yyyy", DT(2021, 3, 15, 10, 20, 30));
    m_pCtrl->SetFocus();
    m_pCtrl->SendMessage(WM_SYSKEYDOWN, VK_DOWN, 1 << 29);
    CGXBPopupCalendar* pCalendar = m_pCtrl->GetCalendar();
    ASSERT_NE(pCalendar, nullptr);
    EXPECT_TRUE(pCalendar->IsWindowVisible());
    EXPECT_FALSE(GXBIsPopupCalendarOpening());
    EXPECT_EQ(Text(pCalendar->GetSelectedDate()), Text(DT(2021, 3, 15, 12, 0, 0)));
    CRect rectCtrl, rectCal;
    m_pCtrl->GetWindowRect(&rectCtrl);
    pCalendar->GetWindowRect(&rectCal);
    EXPECT_EQ(rectCal.left, rectCtrl.left);
    EXPECT_EQ(rectCal.top, rectCtrl.bottom);

    // Esc cancels: the value stays.
    pCalendar->SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    ASSERT_TRUE(PumpUntil([&] { return m_pCtrl->GetCalendar() == nullptr; }));
    EXPECT_EQ(Text(Value()), Text(DT(2021, 3, 15, 10, 20, 30)));
    EXPECT_EQ(m_parent.m_nChanges, 0);

    // F4 opens it too; without the drop button neither key does.
    m_pCtrl->SendMessage(WM_KEYDOWN, VK_F4, 1);
    ASSERT_NE(m_pCtrl->GetCalendar(), nullptr);
    m_pCtrl->GetCalendar()->SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    ASSERT_TRUE(PumpUntil([&] { return m_pCtrl->GetCalendar() == nullptr; }));
    Make(CGXBDateTimeCtrl::gxSpinButton);
    m_pCtrl->SendMessage(WM_KEYDOWN, VK_F4, 1);
    EXPECT_EQ(m_pCtrl->GetCalendar(), nullptr);
}

TEST_F(DateTimeWindow, DateChosenInTheCalendarByMouseKeepsTheTime)
{
    Use("dd.MM.yyyy", DT(2021, 3, 15, 10, 20, 30));
    m_pCtrl->SendMessage(WM_KEYDOWN, VK_F4, 1);
    CGXBPopupCalendar* pCalendar = m_pCtrl->GetCalendar();
    ASSERT_NE(pCalendar, nullptr);
    // A click on 20 March.
    CGXBDayBox* pBox = pCalendar->FindBox(DT(2021, 3, 20));
    ASSERT_NE(pBox, nullptr);
    CPoint point = CenterOf(pBox->GetRect());
    pCalendar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(point));
    pCalendar->SendMessage(WM_LBUTTONUP, 0, PointParam(point));
    ASSERT_TRUE(PumpUntil([&] { return m_pCtrl->GetCalendar() == nullptr; }));
    EXPECT_EQ(Text(Value()), Text(DT(2021, 3, 20, 10, 20, 30)));
    EXPECT_EQ(m_parent.m_nChanges, 1);
    EXPECT_TRUE(m_pCtrl->IsModified());

    // A greyed day of the next month: that month is shown and the day chosen.
    m_pCtrl->SendMessage(WM_KEYDOWN, VK_F4, 1);
    pCalendar = m_pCtrl->GetCalendar();
    ASSERT_NE(pCalendar, nullptr);
    pBox = pCalendar->FindBox(DT(2021, 4, 2));
    ASSERT_NE(pBox, nullptr);
    EXPECT_TRUE(pBox->IsOtherMonth());
    point = CenterOf(pBox->GetRect());
    pCalendar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(point));
    EXPECT_EQ(pCalendar->GetDisplayDate().GetMonth(), 4);
    pCalendar->SendMessage(WM_LBUTTONUP, 0, PointParam(point));
    ASSERT_TRUE(PumpUntil([&] { return m_pCtrl->GetCalendar() == nullptr; }));
    EXPECT_EQ(Text(Value()), Text(DT(2021, 4, 2, 10, 20, 30)));
}

TEST_F(DateTimeWindow, DateChosenInTheCalendarByKeys)
{
    struct Case
    {
        std::vector<UINT> keys;
        COleDateTime expected;
    };
    const Case cases[] = {
        {{VK_RIGHT, VK_DOWN, VK_RETURN}, DT(2021, 3, 23, 10, 20, 30)},
        {{VK_UP, VK_UP, VK_UP, VK_RETURN}, DT(2021, 2, 22, 10, 20, 30)},
        {{VK_NEXT, VK_RETURN}, DT(2021, 4, 1, 10, 20, 30)},
        {{VK_END, VK_RETURN}, DT(2021, 3, 31, 10, 20, 30)},
        {{VK_HOME, VK_LEFT, VK_RETURN}, DT(2021, 2, 28, 10, 20, 30)},
    };
    for (const Case& c : cases) {
        Use("dd.MM.yyyy", DT(2021, 3, 15, 10, 20, 30));
        m_pCtrl->SendMessage(WM_KEYDOWN, VK_F4, 1);
        CGXBPopupCalendar* pCalendar = m_pCtrl->GetCalendar();
        ASSERT_NE(pCalendar, nullptr);
        for (UINT nKey : c.keys)
            pCalendar->SendMessage(WM_KEYDOWN, nKey, 1);
        ASSERT_TRUE(PumpUntil([&] { return m_pCtrl->GetCalendar() == nullptr; }));
        EXPECT_EQ(Text(Value()), Text(c.expected));
    }
}

TEST_F(DateTimeWindow, CalendarChoosesOnDeactivationUnlessTurnedOff)
{
    for (BOOL bChoose : {TRUE, FALSE}) {
        Use("dd.MM.yyyy", DT(2021, 3, 15, 10, 20, 30));
        m_pCtrl->SendMessage(WM_KEYDOWN, VK_F4, 1);
        CGXBPopupCalendar* pCalendar = m_pCtrl->GetCalendar();
        ASSERT_NE(pCalendar, nullptr);
        EXPECT_EQ(pCalendar->SetChooseOnDeactivate(bChoose), 1);
        pCalendar->SendMessage(WM_KEYDOWN, VK_RIGHT, 1);
        pCalendar->SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
        ASSERT_TRUE(PumpUntil([&] { return m_pCtrl->GetCalendar() == nullptr; }));
        EXPECT_EQ(Text(Value()),
                  Text(bChoose ? DT(2021, 3, 16, 10, 20, 30) : DT(2021, 3, 15, 10, 20, 30)));
    }
}

TEST_F(DateTimeWindow, CalendarDateOutsideTheRangeIsRefused)
{
    Use("dd.MM.yyyy", DT(2021, 3, 15, 10, 20, 30));
    ASSERT_TRUE(m_pCtrl->SetRange(DT(2021, 3, 1), DT(2021, 3, 20), CGXBDateTimeCtrl::gxDateRange));
    m_pCtrl->SendMessage(WM_KEYDOWN, VK_F4, 1);
    CGXBPopupCalendar* pCalendar = m_pCtrl->GetCalendar();
    ASSERT_NE(pCalendar, nullptr);
    pCalendar->SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    pCalendar->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    ASSERT_TRUE(PumpUntil([&] { return m_pCtrl->GetCalendar() == nullptr; }));
    EXPECT_EQ(Text(Value()), Text(DT(2021, 3, 15, 10, 20, 30)));
    EXPECT_EQ(m_parent.m_nChanges, 0);
}

} // namespace
