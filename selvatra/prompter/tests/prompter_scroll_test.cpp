// Scrolling: speed-table entries, the stop and start markers, breaks, long steps,
// navigation between scripts and the mirrored display.
#include <gtest/gtest.h>

#include "test_host.h"

#include <map>

namespace {

tagScriptInfo* InfoAt(CPromptBaseWnd* p, int cy)
{
    DDTagOffBmpInfo* bmp = p->CurrentOffBmp();
    for (POSITION pos = bmp->m_lstScript.GetHeadPosition(); pos;) {
        tagScriptInfo* info = bmp->m_lstScript.GetNext(pos);
        if (info->m_nTop <= cy && cy <= info->m_nBottom)
            return info;
    }
    return nullptr;
}

tagScriptInfo* FlaggedInfo(CPromptBaseWnd* p, int flag)
{
    DDTagOffBmpInfo* bmp = p->CurrentOffBmp();
    for (POSITION pos = bmp->m_lstScript.GetHeadPosition(); pos;) {
        tagScriptInfo* info = bmp->m_lstScript.GetNext(pos);
        if (info->m_nFlags & flag)
            return info;
    }
    return nullptr;
}

} // namespace

TEST(PrompterSpeeds, EachEntryBecomesTheStepAndTheTimerPeriod)
{
    TestHost host;
    host.scripts[1] = NumberedLines(400);
    const SpeedTable table = DefaultSpeedTable();
    for (int entry = 0; entry < SPEED_ENTRIES; ++entry) {
        TestPrompter* p = host.NewPrompter(false);
        p->m_nDefaultSpeed = entry;
        host.CreateFullScreen(p);
        EXPECT_EQ(p->m_nStep, table[entry].first) << "entry " << entry;
        EXPECT_EQ(CMarquillCmdWnd::m_sDelay, table[entry].second)
            << "entry " << entry << ": speed changes must compare with the period running";
        EXPECT_NE(p->m_nScrollTimer, 0u) << "entry " << entry << ": the timer runs";
        if (entry == ps_slow1 || entry == ps_fast1) {
            // Each tick moves the display by the entry's step. (The rate the timer delivers
            // at each period is a figure of the prompter bench.)
            p->OnPromptNow(1, 0);
            p->StartStop(false);
            StopTimer(p);
            const LONG before = p->m_nTicksMoved;
            const int lh = p->m_nLineHeight;
            for (int tick = 0; tick < 20; ++tick) {
                const int cy = p->m_nCurrentCy;
                p->SendMessage(WM_PROMPTER_TICK);
                // The position moves by the step, less the whole lines the frame moved on by.
                const int moved = p->m_nCurrentCy - cy;
                EXPECT_EQ((moved % lh + lh) % lh, table[entry].first % lh)
                    << "entry " << entry << ", tick " << tick;
            }
            EXPECT_EQ(p->m_nTicksMoved - before, 20) << "entry " << entry;
        }
        CloseAndWait(host, p);
        EXPECT_EQ(CMarquillCmdWnd::m_sDelay, 12);
    }
}

TEST(PrompterSpeeds, DigitKeysAndStepChanges)
{
    TestHost host;
    host.scripts[1] = NumberedLines(200);
    TestPrompter* p = host.NewPrompter(false);
    host.CreateFullScreen(p);
    p->OnPromptNow(1, 0);
    EXPECT_FALSE(p->m_bRunning);

    p->SendMessage(WM_KEYDOWN, '5', 0);
    EXPECT_TRUE(p->m_bRunning) << "a speed key starts a stopped display";
    EXPECT_EQ(p->m_nStep, 3);
    EXPECT_EQ(CMarquillCmdWnd::m_sDelay, 18);
    p->SendMessage(WM_KEYDOWN, VK_NUMPAD6, 0);
    EXPECT_EQ(p->m_nStep, 3);
    EXPECT_EQ(CMarquillCmdWnd::m_sDelay, 12);
    p->SendMessage(WM_KEYDOWN, '0', 0);
    EXPECT_FALSE(p->m_bRunning);

    struct Case
    {
        int change, before, after;
    } steps[] = {{0, 5, 1}, {1, 5, 1}, {-1, 5, 5}, {7, 5, 7}};
    for (const Case& c : steps) {
        p->m_bRunning = FALSE;
        p->m_nStep = c.before;
        p->ChangeSpeed(c.change);
        EXPECT_EQ(p->m_nStep, c.after) << "ChangeSpeed(" << c.change << ")";
        EXPECT_TRUE(p->m_bRunning);
    }
    CloseAndWait(host, p);

    struct Ladder
    {
        bool up;
        int step, next;
    } ladder[] = {{true, 1, 2},  {true, 4, 6}, {false, 6, 4}, {true, 9, 50}, {true, 50, 50},
                  {false, 1, 1}, {true, 5, 0}, {true, 20, 0}, {false, 0, 0}, {true, 51, 0}};
    for (const Ladder& l : ladder)
        EXPECT_EQ(CMarquillCmdWnd::GetNextSpeed(l.up, l.step), l.next) << l.step;
}

TEST(PrompterSpeeds, SettingsWithoutValuesGetDefaultsAndAreClamped)
{
    TestHost host;
    host.scripts[1] = NumberedLines(10);
    struct Case
    {
        int defaultSpeed;
        size_t tableSize;
        int lineSpacing;
        int step, period, spacingTenths;
    } cases[] = {
        {42, 22, 10, 3, 18, 10}, // a default speed outside the table: the normal entry
        {-3, 22, 0, 3, 18, 10}, // line spacing 0: single spacing
        {9, 3, 15, 50, 12, 15}, // a short host table: the missing entries are the built-in ones
        {1, 0, 10, 1, 12, 10}, // an empty host table
    };
    for (const Case& c : cases) {
        TestPrompter* p = host.NewPrompter(false);
        p->m_nDefaultSpeed = c.defaultSpeed;
        p->m_speedKeys.resize(c.tableSize);
        p->m_nLineSpacing = c.lineSpacing;
        host.CreateFullScreen(p);
        EXPECT_EQ(p->m_nStep, c.step);
        EXPECT_EQ(CMarquillCmdWnd::m_sDelay, c.period);
        EXPECT_EQ(p->m_speedKeys.size(), size_t(2 * SPEED_ENTRIES));
        TEXTMETRIC tm;
        GetTextMetrics(p->m_hMemDC, &tm);
        EXPECT_EQ(p->m_nLineHeight, (tm.tmHeight + tm.tmExternalLeading) * c.spacingTenths / 10);
        p->OnPromptNow(1, 0);
        p->StartStop(false);
        EXPECT_TRUE(TickUntil(host, [&] { return !p->m_bRunning; }))
            << "the display runs and stops at the end";
        CloseAndWait(host, p);
    }
}

TEST(PrompterSpeeds, AutoStartBeginsScrollingAfterTheStartButAShowNever)
{
    TestHost host;
    host.scripts[1] = NumberedLines(100);
    host.show = {{1, 0, "A", 0}, {2, 2, "", 0}};
    TestPrompter* p = host.NewPrompter(false);
    p->m_nAutoStartMode = 1;
    host.CreateFullScreen(p);
    const DWORD start = GetTickCount();
    p->OnPromptNow(1, 0);
    EXPECT_GE(GetTickCount() - start, 2400u);
    EXPECT_TRUE(p->m_bRunning);
    CloseAndWait(host, p);

    p = host.NewPrompter(true);
    p->m_nAutoStartMode = 1;
    host.CreateFullScreen(p);
    p->OnPromptShow(1);
    TestHost::PumpFor(200);
    EXPECT_FALSE(p->m_bRunning);
    CloseAndWait(host, p);
}

TEST(PrompterScrolling, StopsWithTheStopMarkersLastLineAtTheReadingLine)
{
    TestHost host;
    host.scripts[1] = NumberedLines(8);
    for (int pointer : {0, 4}) {
        SCOPED_TRACE(pointer);
        TestPrompter* p = host.NewPrompter(false);
        p->m_nPointerPosition = pointer;
        p->m_nDefaultSpeed = ps_max;
        host.CreateFullScreen(p);
        p->OnPromptNow(1, 0);
        p->StartStop(false);
        ASSERT_TRUE(TickUntil(host, [&] { return !p->m_bRunning; }));
        TestHost::PumpFor(100);
        EXPECT_TRUE(p->m_bAtBottom);
        tagScriptInfo* stop = FlaggedInfo(p, PT_STOP_MARKER);
        ASSERT_TRUE(stop);
        EXPECT_EQ(p->m_nCurrentCy, stop->m_nBottom - p->m_nLineHeight + 1);

        // On the screen: the end line at the reading line, blank lines below it.
        Pixels px = CaptureWindow(p->GetSafeHwnd());
        const int left = p->m_nPointerMargin, right = px.width;
        const int ro = p->m_nReadingOffset, lh = p->m_nLineHeight;
        const DWORD white = 0xFFFFFF;
        EXPECT_GT(px.CountNot(white, left, ro, right, ro + lh), 50) << "the end line";
        EXPECT_EQ(px.CountNot(white, left, ro + lh, right, px.height), 0) << "blank below";
        if (ro > 0) {
            EXPECT_GT(px.CountNot(white, left, 0, right, ro), 50) << "the last lines above";
        }
        CloseAndWait(host, p);
    }
}

TEST(PrompterScrolling, BackwardsStopsAtTheTopOfTheStartMarker)
{
    TestHost host;
    host.scripts[1] = NumberedLines(40);
    TestPrompter* p = host.NewPrompter(false);
    p->m_nDefaultSpeed = ps_fast4;
    host.CreateFullScreen(p);
    p->OnPromptNow(1, 12);
    ASSERT_EQ(p->ParagraphAt(p->m_posPrompter)->m_nNumber, 1200);
    p->StartStop(false);
    p->SendMessage(WM_KEYDOWN, VK_DECIMAL, 0); // reverse while held
    ASSERT_TRUE(TickUntil(host, [&] { return !p->m_bRunning || p->m_bAtTop; }));
    TestHost::PumpFor(100);
    EXPECT_TRUE(p->m_bAtTop);
    EXPECT_FALSE(p->m_bRunning);
    tagScriptInfo* start = FlaggedInfo(p, PT_START_MARKER);
    ASSERT_TRUE(start);
    EXPECT_EQ(p->m_nCurrentCy, start->m_nTop);
    EXPECT_EQ(InfoAt(p, p->m_nCurrentCy)->m_nNumber, 100);
    CloseAndWait(host, p);
}

TEST(PrompterScrolling, StepsLongerThanALineKeepTheReadingPlace)
{
    TestHost host;
    host.scripts[1] = NumberedLines(300);
    TestPrompter* p = host.NewPrompter(false);
    host.CreateFullScreen(p);
    p->OnPromptNow(1, 0);
    StopTimer(p);
    const int lh = p->m_nLineHeight;
    for (int step : {lh + 7, 3 * lh + 1, 50}) {
        SCOPED_TRACE(step);
        p->GoToTopOfScript();
        p->ChangeSpeed(step);
        const int startCy = p->m_nCurrentCy;
        for (int tick = 1; tick <= 25; ++tick) {
            p->SendMessage(WM_PROMPTER_TICK);
            ASSERT_GE(p->m_nCurrentCy, p->m_nUpperLimit);
            ASSERT_LT(p->m_nCurrentCy, p->m_nLowerLimit);
            const int moved = startCy + tick * step - p->m_nUpperLimit;
            tagScriptInfo* info = InfoAt(p, p->m_nCurrentCy);
            ASSERT_TRUE(info);
            ASSERT_EQ(info->m_nNumber, (1 + moved / lh) * 100) << "tick " << tick;
        }
    }
    CloseAndWait(host, p);
}

TEST(PrompterScrolling, ABreakWithALengthStopsTheDisplayAndStartsTheClock)
{
    TestHost host;
    host.scripts[1] = NumberedLines(4);
    host.scripts[3] = NumberedLines(4, "After");
    for (long length : {90L, 0L}) {
        SCOPED_TRACE(length);
        host.show = {{1, 0, "A", 0}, {2, 1, "Ads", length}, {3, 0, "B", 0}, {4, 2, "", 0}};
        TestPrompter* p = host.NewPrompter(true);
        p->m_nDefaultSpeed = ps_max;
        host.CreateFullScreen(p);
        p->OnPromptShow(1);
        p->StartStop(false);
        ASSERT_TRUE(TickUntil(host, [&] { return !p->m_bRunning; }));
        tagScriptInfo* info = InfoAt(p, p->m_nCurrentCy);
        ASSERT_TRUE(info);
        if (length) {
            EXPECT_EQ(p->m_nClockStarts, 1);
            EXPECT_EQ(p->m_lastClockLength, length);
            EXPECT_TRUE(info->m_nFlags & PT_BREAK);
            ASSERT_TRUE(p->GetPromptingRecord());
            EXPECT_EQ(p->GetPromptingRecord()->m_lRecordId, 2);
        } else {
            EXPECT_EQ(p->m_nClockStarts, 0) << "a break of no length lets the display run on";
            EXPECT_TRUE(p->m_bAtBottom);
        }
        CloseAndWait(host, p);
    }
}

TEST(PrompterNavigation, MovesBetweenScriptsAndWithinOne)
{
    TestHost host;
    host.SetThreeScriptShow(15);
    TestPrompter* p = host.NewPrompter(true);
    host.CreateFullScreen(p);
    p->OnPromptShow(1);
    auto reading = [&] { return p->ParagraphAt(p->m_posPrompter); };
    struct Step
    {
        UINT key;
        long id;
        int number;
    } steps[] = {
        // The end-of-show line is a script of its own (record 4), the last one, with a
        // number no script paragraph has.
        {'N', 2, 100},
        {'N', 3, 100},
        {'E', 3, 1500},
        {'H', 3, 100},
        {VK_F12, 4, kEndOfShowNumber},
        {'N', 4, kEndOfShowNumber},
        {'P', 3, 100},
        {'P', 2, 100},
        {VK_F11, 1, 100},
        {'P', 1, 100},
        {VK_END, 1, 1500},
        {VK_HOME, 1, 100},
    };
    for (const Step& s : steps) {
        p->SendMessage(WM_KEYDOWN, s.key, 0);
        ASSERT_TRUE(reading());
        EXPECT_EQ(reading()->m_lRecordId, s.id) << "key " << s.key;
        EXPECT_EQ(reading()->m_nNumber, s.number) << "key " << s.key;
        // The display shows it at the reading line.
        tagScriptInfo* info = InfoAt(p, p->m_nCurrentCy);
        ASSERT_TRUE(info);
        EXPECT_EQ(info->m_lRecordId, s.id);
        EXPECT_EQ(info->m_nNumber, s.number);
    }
    // Navigation stops a running display.
    p->StartStop(false);
    p->SendMessage(WM_KEYDOWN, 'N', 0);
    EXPECT_FALSE(p->m_bRunning);
    CloseAndWait(host, p);
}

TEST(PrompterDisplay, AMirroredDisplayIsTheMirrorImage)
{
    TestHost host;
    host.scripts[1] = "Mirror the quick brown fox\nand the lazy dog\nAB 12\n";
    Pixels shots[2];
    for (int mirror = 0; mirror < 2; ++mirror) {
        TestPrompter* p = host.NewPrompter(false);
        p->m_bMirrorImage = mirror;
        p->m_nPointerPosition = 0;
        host.CreateFullScreen(p, 1920, 1080);
        p->OnPromptNow(1, 0);
        TestHost::PumpFor(200);
        shots[mirror] = CaptureWindow(p->GetSafeHwnd());
        CloseAndWait(host, p);
    }
    ASSERT_EQ(shots[0].width, shots[1].width);
    // Painted: mostly background, some text.
    const int total = shots[0].width * shots[0].height;
    const int ink = shots[0].CountNot(0xFFFFFF, 0, 0, shots[0].width, shots[0].height);
    ASSERT_GT(ink, 100);
    ASSERT_LT(ink, total / 4);
    int differ = 0;
    for (int y = 0; y < shots[0].height; ++y)
        for (int x = 0; x < shots[0].width; ++x)
            if (shots[0].at(x, y) != shots[1].at(shots[1].width - 1 - x, y))
                ++differ;
    EXPECT_EQ(differ, 0);
}

TEST(PrompterDisplay, ThePointerSitsInItsMarginOnTheReadingLine)
{
    TestHost host;
    host.scripts[1] = NumberedLines(30);
    for (int mirror = 0; mirror < 2; ++mirror) {
        TestPrompter* p = host.NewPrompter(false);
        p->m_nPointerPosition = 3;
        p->m_crPointer = RGB(0, 200, 0);
        p->m_bMirrorImage = mirror;
        host.CreateFullScreen(p, 1920, 1080);
        p->Invalidate(TRUE);
        p->OnPromptNow(1, 0);
        TestHost::PumpFor(200);
        Pixels px = CaptureWindow(p->GetSafeHwnd());
        const int m = p->m_nPointerMargin, ro = p->m_nReadingOffset;
        ASSERT_GT(m, 0);
        const int left = mirror ? px.width - m : 0;
        int green = 0, greenElsewhere = 0;
        for (int y = 0; y < px.height; ++y)
            for (int x = 0; x < px.width; ++x)
                if (px.at(x, y) == 0x00C800) {
                    if (x >= left && x < left + m && y >= ro && y < ro + m)
                        ++green;
                    else
                        ++greenElsewhere;
                }
        if (green <= m) {
            std::map<DWORD, int> colours;
            for (int y = 0; y < px.height; ++y)
                for (int x = left; x < left + m; ++x)
                    colours[px.at(x, y)]++;
            for (auto& c : colours)
                printf("colour %06lx x %d\n", (unsigned long)c.first, c.second);
        }
        EXPECT_GT(green, m) << "mirror " << mirror;
        EXPECT_EQ(greenElsewhere, 0) << "mirror " << mirror;
        CloseAndWait(host, p);
    }
}

TEST(PrompterScrolling, ClosingAtTheStopMarkerClosesTheWindowAfterThePause)
{
    TestHost host;
    host.scripts[1] = NumberedLines(3);
    TestPrompter* p = host.NewPrompter(false);
    p->m_bCloseAtStop = 1;
    p->m_nDefaultSpeed = ps_max;
    host.CreateFullScreen(p);
    p->OnPromptNow(1, 0);
    p->StartStop(false);
    const DWORD start = GetTickCount();
    ASSERT_TRUE(TestHost::PumpUntil([&] { return host.closedMessages == 1; }, 15000));
    EXPECT_GE(GetTickCount() - start, 2400u);
    EXPECT_EQ(host.doneCalls, 1);
}

TEST(PrompterDisplay, AWindowShowsTheLayoutScaledToItsClientArea)
{
    TestHost host;
    host.scripts[1] = NumberedLines(40);
    TestPrompter* p = host.NewPrompter(false);
    host.CreateWindowed(p, RECT {50, 50, 1010, 590}, RECT {0, 0, 1920, 1080});
    p->OnPromptNow(1, 0);
    TestHost::PumpFor(200);
    Pixels px = CaptureWindow(p->GetSafeHwnd());
    ASSERT_GT(px.width, 0);
    // The client area shows the whole layout screen: a screen's worth of lines, each about
    // half its height (unscaled, only half of them would fit).
    int bands = 0;
    bool inInk = false;
    for (int y = 0; y < px.height; ++y) {
        const bool ink = px.CountNot(0xFFFFFF, 0, y, px.width, y + 1) > 0;
        if (ink && !inInk)
            ++bands;
        inInk = ink;
    }
    const int linesPerScreen = p->m_nLayoutHeight / p->m_nLineHeight;
    EXPECT_GE(bands, linesPerScreen - 2);
    EXPECT_LE(bands, linesPerScreen + 2);
    CloseAndWait(host, p);
}
