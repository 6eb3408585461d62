// The operator's components in a running prompter (the prompter tests' host plays the
// program's part): every key and mouse command, speed programming, the strictest auto-start
// mode, the countdown at a break with auto-continue, captions at the reading line, the
// caption port that cannot be opened, and the second prompter following scrolls and jumps.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ClockWindows.h"
#include "CaptionWriter.h"
#include "EngineMessages.h"
#include "PrompterOperator.h"
#include "fixtures/script_rtf_shapes.h"
#include "standins/AutomationStandIn.h"
#include "standins/SerialLineReader.h"
#include "test_host.h"

namespace {

std::vector<std::string> g_messages;
void CollectMessage(const char* text) { g_messages.push_back(text); }

// A prompter on one script of numbered lines, 800x600, prompting from the top; setUp sets
// its options before it is created.
TestPrompter* StartScript(TestHost& host, int lines = 40,
                          const std::function<void(TestPrompter*)>& setUp = nullptr)
{
    host.scripts[1] = NumberedLines(lines);
    TestPrompter* p = host.NewPrompter(false);
    if (setUp)
        setUp(p);
    host.CreateFullScreen(p, 800, 600);
    p->OnPromptNow(1, 0);
    return p;
}

void Key(CWnd* p, UINT key) { p->SendMessage(WM_KEYDOWN, key, 0); }
void KeyUp(CWnd* p, UINT key) { p->SendMessage(WM_KEYUP, key, 0); }
void SysChar(CWnd* p, char c) { p->SendMessage(WM_SYSCHAR, (WPARAM)c, 1u << 29); }

} // namespace

TEST(OperatorKeys, CommandTable)
{
    TestHost host;
    TestPrompter* p = StartScript(host);
    StopTimer(p);
    ASSERT_FALSE(p->m_bRunning);
    struct Step
    {
        const char* what;
        UINT key;
        bool up; // a key release instead of a press
        int running; // expected afterwards (-1: not checked)
        int step; // expected step (0: not checked)
        int reversed; // expected direction (-1: not checked)
    } steps[] = {
        {"0 starts", '0', false, 1, 0, -1},
        {"pad 0 stops", VK_NUMPAD0, false, 0, 0, -1},
        {"5 is normal and starts", '5', false, 1, 3, 0},
        {"pad + one faster", VK_ADD, false, 1, 4, -1},
        {"pad - one slower", VK_SUBTRACT, false, 1, 3, -1},
        {"pad 1 is slow 1", VK_NUMPAD1, false, 1, 1, -1},
        {"pad - stays at 1", VK_SUBTRACT, false, 1, 1, -1},
        {"9 is fast 4", '9', false, 1, 5, -1},
        {"pad . reverses while held", VK_DECIMAL, false, 1, 5, 1},
        {"released", VK_DECIMAL, true, 1, 5, 0},
        {"clock key without a clock", VK_UP, false, 1, 5, 0},
        {"unknown key", 'X', false, 1, 5, 0},
        {"pad 0 stops again", VK_NUMPAD0, false, 0, 0, 0},
    };
    for (const Step& s : steps) {
        if (s.up)
            KeyUp(p, s.key);
        else
            Key(p, s.key);
        if (s.running >= 0) {
            EXPECT_EQ(p->m_bRunning != 0, s.running != 0) << s.what;
        }
        if (s.step) {
            EXPECT_EQ(p->m_nStep, s.step) << s.what;
        }
        if (s.reversed >= 0) {
            EXPECT_EQ(p->m_bReversed != 0, s.reversed != 0) << s.what;
        }
    }
    // The speed keys select their entries' periods as well.
    Key(p, '2');
    EXPECT_EQ(CMarquillCmdWnd::m_sDelay, 12);
    Key(p, '3');
    EXPECT_EQ(CMarquillCmdWnd::m_sDelay, 18);
    // Q closes.
    Key(p, 'Q');
    EXPECT_TRUE(TestHost::PumpUntil([&] { return !host.prompter; }, 5000));
}

TEST(OperatorKeys, AltDeleteLatchesReverseWhileRunning)
{
    TestHost host;
    TestPrompter* p = StartScript(host);
    StopTimer(p);
    p->SendMessage(WM_SYSKEYDOWN, VK_DELETE, 1u << 29); // stopped: stays forwards
    EXPECT_FALSE(p->m_bReversed);
    Key(p, '5');
    p->SendMessage(WM_SYSKEYDOWN, VK_DELETE, 1u << 29);
    EXPECT_TRUE(p->m_bReversed);
    p->SendMessage(WM_SYSKEYDOWN, VK_DELETE, 0); // without Alt: nothing
    EXPECT_TRUE(p->m_bReversed);
    p->SendMessage(WM_SYSKEYDOWN, VK_DECIMAL, 1u << 29);
    EXPECT_FALSE(p->m_bReversed);
    CloseAndWait(host, p);
}

TEST(OperatorKeys, SpeedProgrammingStoresStepAndPeriodIntoADigit)
{
    TestHost host;
    TestPrompter* p = StartScript(host, 40, [](TestPrompter* q) { q->m_bSpeedProgramming = TRUE; });
    StopTimer(p);

    // Step keys, then Alt+A and a digit: digit 2 takes the current step and period.
    Key(p, '5'); // (3, 18)
    Key(p, VK_ADD);
    Key(p, VK_ADD); // step 5
    SysChar(p, 'a');
    Key(p, '2');
    EXPECT_EQ(p->m_speedKeys[ps_slow2], SpeedPair(5, 18));
    EXPECT_EQ(p->m_nStep, 5);

    // Alt+S: + and - change the period instead; Ctrl twice then a digit stores.
    SysChar(p, 'S');
    Key(p, VK_ADD); // period 17
    Key(p, VK_ADD); // period 16
    Key(p, VK_SUBTRACT); // period 17
    EXPECT_EQ(CMarquillCmdWnd::m_sDelay, 17);
    EXPECT_EQ(p->m_nStep, 5);
    Key(p, VK_CONTROL);
    Key(p, VK_CONTROL);
    Key(p, '7');
    EXPECT_EQ(p->m_speedKeys[ps_fast2], SpeedPair(5, 17));

    // Unarmed, a digit only selects; a single Ctrl followed by another key arms nothing.
    Key(p, VK_CONTROL);
    Key(p, VK_ADD); // step 6
    Key(p, '1');
    EXPECT_EQ(p->m_speedKeys[ps_slow1], SpeedPair(1, 18));
    EXPECT_EQ(p->m_nStep, 1);

    // With period programming armed and the period at 1, + raises the step.
    SysChar(p, 's');
    CMarquillCmdWnd::m_sDelay = 1;
    Key(p, VK_ADD);
    EXPECT_EQ(p->m_nStep, 2);
    EXPECT_EQ(CMarquillCmdWnd::m_sDelay, 1);

    // The Alt chords never reach the default handling.
    EXPECT_EQ(p->SendMessage(WM_SYSCHAR, 'a', 1u << 29), 0);
    CloseAndWait(host, p);
}

TEST(OperatorKeys, StrictestAutoStartLeavesOnlyEscape)
{
    TestHost host;
    TestPrompter* p = StartScript(host, 40, [](TestPrompter* q) { q->m_nAutoStartMode = 2; });
    StopTimer(p);
    p->StartStop(false);
    const int step = p->m_nStep;
    for (UINT key : {UINT('Q'), UINT('0'), UINT('9'), UINT(VK_ADD), UINT('N'), UINT(VK_DECIMAL)})
        Key(p, key);
    p->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(10, 10));
    p->SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10));
    p->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    p->SendMessage(WM_SYSKEYDOWN, VK_DELETE, 1u << 29);
    TestHost::PumpFor(100);
    ASSERT_TRUE(host.prompter);
    EXPECT_TRUE(p->m_bRunning);
    EXPECT_EQ(p->m_nStep, step);
    EXPECT_FALSE(p->m_bReversed);
    Key(p, VK_ESCAPE);
    EXPECT_TRUE(TestHost::PumpUntil([&] { return !host.prompter; }, 5000));
}

TEST(OperatorMouse, ButtonsWheelAndMotion)
{
    TestHost host;
    TestPrompter* p = StartScript(host, 40, [](TestPrompter* q) { q->m_bMouseMotion = 1; });
    StopTimer(p);

    p->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(p->m_bRunning);
    p->SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(p->m_bReversed);
    p->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(p->m_bReversed);

    Key(p, '5');
    p->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(p->m_nStep, 4);
    p->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-WHEEL_DELTA), 0);
    p->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-WHEEL_DELTA), 0);
    EXPECT_EQ(p->m_nStep, 2);

    // 31 pixels above the centre: one step faster and the cursor goes back; the warp's own
    // motion event changes nothing.
    RECT rc;
    p->GetClientRect(&rc);
    const int cx = rc.right / 2, cy = rc.bottom / 2;
    p->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(cx, cy - 31));
    EXPECT_EQ(p->m_nStep, 3);
    EXPECT_TRUE(p->m_bRecentring);
    p->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(cx, cy - 200));
    EXPECT_EQ(p->m_nStep, 3);
    EXPECT_FALSE(p->m_bRecentring);
    p->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(cx, cy + 31));
    EXPECT_EQ(p->m_nStep, 2);
    p->m_bRecentring = FALSE;
    p->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(cx, cy + 30)); // within the dead zone
    EXPECT_EQ(p->m_nStep, 2);
    // Backwards the directions swap.
    p->m_bReversed = TRUE;
    p->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(cx, cy + 40));
    EXPECT_EQ(p->m_nStep, 3);
    p->m_bReversed = FALSE;

    // Left button again: stops.
    p->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(p->m_bRunning);
    // Stopped, motion does not steer and the wheel does nothing.
    p->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(cx, cy - 100));
    p->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(p->m_nStep, 3);
    EXPECT_FALSE(p->m_bRunning);
    CloseAndWait(host, p);
}

TEST(OperatorClock, ABreakCountsDownOnTheFirstWindowAndContinues)
{
    TestHost host;
    host.scripts[1] = NumberedLines(4);
    host.scripts[3] = NumberedLines(30, "After");
    host.show = {{1, 0, "A", 0}, {2, 1, "Ads", 2}, {3, 0, "B", 0}, {4, 2, "", 0}};
    TestPrompter* p = host.NewPrompter(true);
    p->m_nDefaultSpeed = ps_max;
    p->m_bAutoContinue = 1;
    host.CreateFullScreen(p, 800, 600);
    p->OnPromptShow(1);
    p->StartStop(false);
    ASSERT_TRUE(TickUntil(host, [&] { return p->m_nClockStarts == 1; }));
    EXPECT_FALSE(p->m_bRunning);
    CCountDownClock* clock = OperatorCountDown(p);
    ASSERT_TRUE(clock);
    EXPECT_EQ(::GetParent(clock->GetSafeHwnd()), p->GetSafeHwnd());
    EXPECT_EQ(::GetWindowThreadProcessId(clock->GetSafeHwnd(), nullptr), GetCurrentThreadId());
    EXPECT_EQ(clock->SlotText(), " 0:01");

    // The clock keys reach it: S toggles the list's alternate mark.
    Key(p, 'S');
    TestHost::PumpFor(50);
    EXPECT_TRUE(clock->m_bAlternate);

    // It counts to 0:00, closes and the display scrolls on.
    DWORD start = GetTickCount();
    ASSERT_TRUE(TestHost::PumpUntil([&] { return p->m_bRunning != 0; }, 6000));
    EXPECT_GE(GetTickCount() - start, 1000u);
    EXPECT_FALSE(OperatorCountDown(p));
    CloseAndWait(host, p);
}

TEST(OperatorClock, AKeyClosesTheCountdownWithoutAutoContinue)
{
    TestHost host;
    TestPrompter* p = StartScript(host);
    StopTimer(p);
    p->StartClock(CTimeSpan(60), false);
    ASSERT_TRUE(OperatorCountDown(p));
    HWND clock = OperatorCountDown(p)->GetSafeHwnd();
    Key(p, '0'); // start: the clock goes
    EXPECT_FALSE(OperatorCountDown(p));
    EXPECT_FALSE(IsWindow(clock));
    EXPECT_TRUE(p->m_bRunning);
    CloseAndWait(host, p);
}

TEST(OperatorCaptions, APortThatCannotBeOpenedLeavesThePrompterRunning)
{
    g_messages.clear();
    PFN_ENGINEMESSAGE previous = SetEngineMessageHook(CollectMessage);
    TestHost host;
    TestPrompter* p = StartScript(host, 40, [](TestPrompter* q) {
        q->m_bCaptionOn = 1;
        q->m_strCCPort = "99";
    });
    ASSERT_EQ(g_messages.size(), 1u);
    EXPECT_NE(g_messages[0].find("COM99"), std::string::npos);
    EXPECT_FALSE(p->m_bCaptionOn);
    Key(p, '9');
    TestHost::PumpFor(300);
    EXPECT_TRUE(p->m_bRunning);
    CloseAndWait(host, p);
    EXPECT_EQ(host.doneCalls, 1);
    SetEngineMessageHook(previous);
}

TEST(OperatorCaptions, ParagraphsGoOutAsTheyReachTheReadingLineAndResetAtClose)
{
    // At the maximum entry one step is longer than a one-line paragraph: none may be skipped.
    for (int speed : {ps_fast4, ps_max}) {
        SCOPED_TRACE(speed);
        SerialLineReader reader;
        ASSERT_TRUE(reader.Available()) << "no serial line (ccport.sh)";
        TestHost host;
        host.scripts[1] = NumberedLines(6, "caf\xE9"); // a code-page character in every line
        TestPrompter* p = host.NewPrompter(false);
        p->m_bCaptionOn = 1;
        p->m_bCaptionUpper = 1;
        p->m_strCCPort = SerialLineReader::Port();
        p->m_strCCInit = "<init>";
        p->m_strCCReset = "<reset>";
        p->m_strCCEOL = "\r";
        p->m_nCCLineLength = 28;
        std::list<std::pair<char, char>> map = {{'1', '!'}};
        p->SetCCMap(&map);
        p->m_nDefaultSpeed = speed;
        host.CreateFullScreen(p, 800, 600);
        p->OnPromptNow(1, 0);
        p->StartStop(false);
        ASSERT_TRUE(TickUntil(host, [&] { return p->m_bAtBottom != 0 || !p->m_bRunning; }));
        reader.WaitQuiet(400);
        CloseAndWait(host, p);
        std::string bytes = reader.WaitQuiet(300);
        std::string expected = "<init>";
        for (int i = 1; i <= 6; ++i)
            expected += std::string("CAF") + "E" + " " + (i == 1 ? "!" : std::to_string(i)) + "\r";
        expected += "<reset>";
        EXPECT_EQ(bytes, expected);
    }
}

TEST(SecondPrompter, FollowsScrollsAndJumpsUntilClosed)
{
    TestHost host;
    host.SetThreeScriptShow(15);
    TestPrompter* p = host.NewPrompter(true);
    p->m_bMirrorImage = 1;
    p->Create(host.Parent(), CRect(0, 0, 800, 600), WINTYPE_FULLSCREEN, 1,
              CRect(800, 0, 1600, 600));
    CPromptBaseWnd* second = p->m_pSecond;
    ASSERT_TRUE(second);
    EXPECT_EQ(second->m_nWinType, WINTYPE_SECOND);
    EXPECT_TRUE(second->m_bMirrorImage); // mirrored as the host set it
    EXPECT_FALSE(p->m_bMirrorImage); // the operator's screen reads normally
    p->OnPromptShow(1);
    StopTimer(p);

    auto same = [&](const char* what) {
        CPromptParagraph* a = p->ParagraphAt(p->m_posPrompter);
        CPromptParagraph* b = second->ParagraphAt(second->m_posPrompter);
        ASSERT_TRUE(a && b) << what;
        EXPECT_EQ(a->m_lRecordId, b->m_lRecordId) << what;
        EXPECT_EQ(a->m_nNumber, b->m_nNumber) << what;
    };
    for (UINT key : {UINT('N'), UINT('N'), UINT('E'), UINT('H'), UINT('P')}) {
        Key(p, key);
        same("after a jump");
    }
    // Scrolls: each tick moves both by the step.
    Key(p, '5');
    StopTimer(p);
    for (int i = 0; i < 20; ++i)
        p->SendMessage(WM_PROMPTER_TICK);
    EXPECT_EQ(second->m_nCurrentCy, p->m_nCurrentCy);
    same("after scrolling");
    tagScriptInfo* a = p->CheckScriptParagraph(p->m_nCurrentCy, 0, false, p->CurrentOffBmp());
    tagScriptInfo* b =
        second->CheckScriptParagraph(second->m_nCurrentCy, 0, false, second->CurrentOffBmp());
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->m_nNumber, b->m_nNumber);
    EXPECT_EQ(a->m_lRecordId, b->m_lRecordId);

    // Keys on the second screen do nothing.
    const int cy = p->m_nCurrentCy;
    second->SendMessage(WM_KEYDOWN, 'N', 0);
    second->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    TestHost::PumpFor(50);
    EXPECT_EQ(p->m_nCurrentCy, cy);
    ASSERT_TRUE(host.prompter);

    // Closed by the operator, it is no longer mirrored into.
    second->CloseWindow();
    const int secondCy = second->m_nCurrentCy;
    for (int i = 0; i < 5; ++i)
        p->SendMessage(WM_PROMPTER_TICK);
    Key(p, 'N');
    EXPECT_EQ(second->m_nCurrentCy, secondCy);
    CloseAndWait(host, p);
}

namespace {

bool Logged(const AutomationStandIn& server, const std::string& call)
{
    std::vector<std::string> log = server.Log();
    return std::find(log.begin(), log.end(), call) != log.end();
}

} // namespace

TEST(OperatorSlideShow, InstructionsActAsTheyPassTheReadingLineAndSwapGoingBack)
{
    AutomationStandIn server;
    ASSERT_TRUE(server.Loaded());
    ASSERT_TRUE(server.Register());
    server.Clear();

    using namespace script_rtf_shapes;
    std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
        "\\pard\\plain\\f0 Opening\\par\n";
    rtf += kLoadParagraph;
    rtf += "{\\*\\txfieldstart\\txfieldtype0 2}\\'abStart\\'bb{\\*\\txfieldend}\\par\n";
    for (int i = 1; i <= 6; ++i)
        rtf += "Before " + std::to_string(i) + "\\par\n";
    rtf += kNextSlideParagraph;
    for (int i = 1; i <= 25; ++i)
        rtf += "After " + std::to_string(i) + "\\par\n";
    rtf += "}";

    TestHost host;
    host.scripts[1] = rtf;
    TestPrompter* p = host.NewPrompter(false);
    p->m_bPowerPointOn = 1;
    p->m_bShowPPInst = 1;
    p->m_nDefaultScreen = 0;
    p->m_nPPX = 10;
    p->m_nPPY = 20;
    p->m_nPPCx = 640;
    p->m_nPPCy = 480;
    p->m_nDefaultSpeed = ps_fast4;
    host.CreateFullScreen(p, 800, 600);
    p->OnPromptNow(1, 0);
    p->StartStop(false);

    // Forwards: load, start (placed as the host set it), next.
    ASSERT_TRUE(
        TickUntil(host, [&] { return Logged(server, "View.call 2019()") || !p->m_bRunning; }));
    ASSERT_TRUE(TestHost::PumpUntil([&] { return Logged(server, "View.call 2019()"); }, 20000))
        << "no next slide";
    EXPECT_TRUE(Logged(server, "Presentations.call 2004(\"C:\\Shows\\Evening News.ppt\",0,-1,-1)"));
    EXPECT_TRUE(Logged(server, "Settings.put 2006(10)"));
    EXPECT_TRUE(Logged(server, "Settings.put 2009(480)"));
    EXPECT_FALSE(Logged(server, "View.call 2020()"));

    // Backwards over the next-slide paragraph: the previous slide.
    server.Clear();
    p->SendMessage(WM_KEYDOWN, '9', 0);
    p->SendMessage(WM_KEYDOWN, VK_DECIMAL, 0);
    EXPECT_TRUE(
        TickUntil(host, [&] { return Logged(server, "View.call 2020()") || !p->m_bRunning; }));
    EXPECT_TRUE(TestHost::PumpUntil([&] { return Logged(server, "View.call 2020()"); }, 20000))
        << "no previous slide going back";
    EXPECT_FALSE(Logged(server, "View.call 2019()"));
    p->SendMessage(WM_KEYUP, VK_DECIMAL, 0);

    // Closing the prompter closes the presentation and quits the program.
    server.Clear();
    CloseAndWait(host, p);
    std::vector<std::string> log = server.Log();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[log.size() - 3], "Presentation.call 2039()");
    EXPECT_EQ(log.back(), "Application.call 2021()");
    EXPECT_TRUE(server.Unregister());
}

TEST(OperatorClock, TheStopWatchRunsWhileScrolling)
{
    TestHost host;
    TestPrompter* p = StartScript(host, 60, [](TestPrompter* q) {
        q->m_bStopWatch = 1;
        q->m_nPointerPosition = 1;
    });
    StopTimer(p);
    Key(p, '1');
    CStopWatch* watch = OperatorStopWatchWnd(p);
    ASSERT_TRUE(watch);
    EXPECT_TRUE(watch->IsRunning());
    ASSERT_TRUE(TestHost::PumpUntil([&] { return watch->Elapsed().GetTotalSeconds() >= 1; }, 3000));
    EXPECT_EQ(watch->SlotText(), "0:01");
    Key(p, '0');
    EXPECT_FALSE(watch->IsRunning());
    CloseAndWait(host, p);
}

TEST(SecondPrompter, BookmarksAreMirroredByParagraphNumberAndOnlyTheFirstTurnsWhiteOnBlack)
{
    std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
        "\\pard\\plain\\f0 ";
    for (int i = 1; i <= 15; ++i) {
        if (i == 5 || i == 11)
            rtf += script_rtf_shapes::kBookmarkIntro;
        rtf += "Line " + std::to_string(i) + "\\par\n";
    }
    rtf += "}";
    TestHost host;
    host.scripts[1] = rtf;
    TestPrompter* p = host.NewPrompter(false);
    p->m_bBookmarks = 1;
    p->m_crText = RGB(10, 20, 30);
    p->m_crBack = RGB(200, 210, 220);
    p->Create(host.Parent(), CRect(0, 0, 800, 600), WINTYPE_FULLSCREEN, 2,
              CRect(800, 0, 1600, 600));
    CPromptBaseWnd* second = p->m_pSecond;
    ASSERT_TRUE(second);
    EXPECT_EQ(p->m_crText, RGB(255, 255, 255));
    EXPECT_EQ(p->m_crBack, RGB(0, 0, 0));
    EXPECT_EQ(second->m_crText, RGB(10, 20, 30));
    EXPECT_EQ(second->m_crBack, RGB(200, 210, 220));
    p->OnPromptNow(1, 0);
    StopTimer(p);

    struct Step
    {
        UINT key;
        int number;
    } steps[] = {{VK_F8, 500},
                 {VK_F8, 1100},
                 {VK_F7, 500},
                 {VK_F8, 1100},
                 // Past the last bookmark both show the end line, which numbers itself apart.
                 {VK_F8, kEndOfShowNumber}};
    for (const Step& s : steps) {
        Key(p, s.key);
        CPromptParagraph* a = p->ParagraphAt(p->m_posPrompter);
        CPromptParagraph* b = second->ParagraphAt(second->m_posPrompter);
        ASSERT_TRUE(a && b);
        EXPECT_EQ(a->m_nNumber, s.number) << "key " << s.key;
        EXPECT_EQ(b->m_nNumber, s.number) << "key " << s.key;
    }
    CloseAndWait(host, p);
}

TEST(OperatorKeys, ClockKeysReachTheCountdownWhileItIsShown)
{
    TestHost host;
    TestPrompter* p = StartScript(host);
    StopTimer(p);
    p->StartClock(CTimeSpan(120), false);
    CCountDownClock* clock = OperatorCountDown(p);
    ASSERT_TRUE(clock);
    clock->m_upNext.assign(6, CUpNextEntry {CTimeSpan(0), "Item", false});
    clock->ShowList(true);
    struct Step
    {
        UINT key;
        size_t entries; // list entries afterwards (left and A drop one)
        bool alternate; // down and S toggle the alternate mark
    } steps[] = {
        {VK_LEFT, 5, false},       {'A', 4, false},   {VK_DOWN, 4, true},
        {'S', 4, false},           {VK_UP, 4, false}, {'W', 4, false},
        {VK_RIGHT, 4, false},      {'D', 4, false},   {'C', 4, false},
        {VK_OEM_PERIOD, 4, false}, {'Z', 4, false},   {VK_OEM_COMMA, 4, false},
    };
    for (const Step& s : steps) {
        Key(p, s.key);
        TestHost::PumpFor(20);
        ASSERT_TRUE(OperatorCountDown(p)) << "clock keys leave the clock up, key " << s.key;
        EXPECT_EQ(clock->m_upNext.size(), s.entries) << "key " << s.key;
        EXPECT_EQ(clock->m_bAlternate, s.alternate) << "key " << s.key;
    }
    // F7 and F8 without bookmarks do nothing, not even close the clock.
    Key(p, VK_F8);
    Key(p, VK_F7);
    EXPECT_TRUE(OperatorCountDown(p));
    // A navigation key closes it and stops the display.
    Key(p, '5');
    EXPECT_FALSE(OperatorCountDown(p));
    Key(p, 'N');
    EXPECT_FALSE(p->m_bRunning);
    CloseAndWait(host, p);
}

TEST(OperatorCaptions, ClosingDoesNotWaitForALongPacedQueue)
{
    SerialLineReader reader;
    ASSERT_TRUE(reader.Available()) << "no serial line (ccport.sh)";
    TestHost host;
    host.scripts[1] = NumberedLines(12, "A rather long caption line");
    TestPrompter* p = host.NewPrompter(false);
    p->m_bCaptionOn = 1;
    p->m_strCCPort = SerialLineReader::Port();
    p->m_strCCInit = "";
    p->m_strCCReset = "<reset>";
    p->m_nCCPacing = 150; // about four seconds a paragraph
    p->m_nDefaultSpeed = ps_fast4;
    host.CreateFullScreen(p, 800, 600);
    p->OnPromptNow(1, 0);
    p->StartStop(false);
    ASSERT_TRUE(TestHost::PumpUntil([&] { return reader.Size() >= 3; }, 10000));
    TestHost::PumpFor(500); // several paragraphs queued behind the first
    const DWORD start = GetTickCount();
    CloseAndWait(host, p);
    EXPECT_LT(GetTickCount() - start, 2000u);
    std::string bytes = reader.WaitQuiet(300);
    ASSERT_GE(bytes.size(), 7u);
    EXPECT_EQ(bytes.substr(bytes.size() - 7), "<reset>");
    EXPECT_LT(bytes.size(), 60u);
}
