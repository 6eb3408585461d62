// The off-screen frame as a ring of lines, creation that fails, and the state each prompter
// window keeps for itself.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "EngineMessages.h"
#include "PromptFaults.h"
#include "fixtures/script_rtf_shapes.h"
#include "test_host.h"

namespace {

std::vector<std::string> g_messages;

void CollectMessage(const char* text) { g_messages.push_back(text); }

// The prompter's client area after scrolling `lines` lines from the top in ticks of uneven
// steps (every pair of ticks moves one line), or after starting at that line outright.
Pixels ShowAfter(TestHost& host, int lines, bool byTicks, bool mirror)
{
    TestPrompter* p = host.NewPrompter(false);
    p->m_bMirrorImage = mirror;
    host.CreateFullScreen(p, 800, 600);
    const int lh = p->m_nLineHeight;
    if (byTicks) {
        p->OnPromptNow(1, 0);
        StopTimer(p);
        const int first = lh / 3, second = lh - first;
        for (int i = 0; i < lines; ++i) {
            for (int step : {first, second}) {
                p->ChangeSpeed(step);
                p->SendMessage(WM_PROMPTER_TICK);
            }
        }
        EXPECT_EQ(p->m_nCurrentCy, p->m_nUpperLimit);
    } else {
        p->OnPromptNow(1, lines + 1);
        StopTimer(p);
        EXPECT_EQ(p->m_nCurrentCy, p->m_nUpperLimit);
    }
    Pixels px = CaptureWindow(p->GetSafeHwnd());
    CloseAndWait(host, p);
    return px;
}

int Differing(const Pixels& a, const Pixels& b)
{
    if (a.width != b.width || a.height != b.height)
        return -1;
    int n = 0;
    for (size_t i = 0; i < a.px.size(); ++i)
        if ((a.px[i] & 0xFFFFFF) != (b.px[i] & 0xFFFFFF))
            ++n;
    return n;
}

} // namespace

TEST(PrompterFrame, TicksThroughSeveralTurnsOfTheRingShowWhatAFreshFrameShows)
{
    TestHost host;
    host.scripts[1] = NumberedLines(200);
    for (bool mirror : {false, true}) {
        SCOPED_TRACE(mirror);
        // 45 lines: the ring (about fifteen lines here) wraps three times on the way.
        const Pixels scrolled = ShowAfter(host, 45, true, mirror);
        const Pixels fresh = ShowAfter(host, 45, false, mirror);
        ASSERT_GT(fresh.CountNot(0xFFFFFF, 0, 0, fresh.width, fresh.height), 100) << "text shown";
        EXPECT_EQ(Differing(scrolled, fresh), 0);
    }
}

TEST(PrompterFrame, TheFrameIsOneRingAndTheTickDrawsIntoTheWindowWithoutPainting)
{
    TestHost host;
    host.scripts[1] = NumberedLines(100);
    TestPrompter* p = host.NewPrompter(false);
    host.CreateFullScreen(p, 800, 600);
    p->OnPromptNow(1, 0);
    StopTimer(p);
    DDTagOffBmpInfo* frame = p->CurrentOffBmp();
    ASSERT_TRUE(frame);
    const HBITMAP ring = frame->m_hBitmap;
    const int lh = p->m_nLineHeight;
    p->ChangeSpeed(lh);
    const Pixels before = CaptureWindow(p->GetSafeHwnd());
    for (int i = 0; i < 5; ++i)
        p->SendMessage(WM_PROMPTER_TICK);
    // Nothing is left to paint: the tick drew the frame itself.
    RECT update;
    EXPECT_FALSE(GetUpdateRect(p->GetSafeHwnd(), &update, FALSE));
    EXPECT_GT(Differing(before, CaptureWindow(p->GetSafeHwnd())), 0);
    EXPECT_EQ(frame->m_hBitmap, ring) << "the same image throughout";
    EXPECT_EQ(frame->m_nBase, 5 * lh % frame->m_nHeight) << "the ring's start moved by the lines";
    CloseAndWait(host, p);
}

TEST(PrompterCreate, AFailedStepFailsCreationWithAMessageAndLeavesNothingRunning)
{
    TestHost host;
    host.scripts[1] = NumberedLines(5);
    PFN_ENGINEMESSAGE previous = SetEngineMessageHook(&CollectMessage);
    struct Case
    {
        PromptFault fault;
        const char* says;
    } cases[] = {
        {PromptFault::Bitmap, "off-screen image"},
        {PromptFault::Events, "worker threads"},
        {PromptFault::Threads, "worker threads"},
        {PromptFault::Timer, "scroll timer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        g_messages.clear();
        TestPrompter* p = host.NewPrompter(false);
        SetPrompterFault(c.fault);
        const int created = p->Create(host.Parent(), CRect(0, 0, 640, 480), WINTYPE_FULLSCREEN, 1,
                                      CRect(640, 0, 1280, 480));
        SetPrompterFault(PromptFault::None);
        EXPECT_EQ(created, 0);
        EXPECT_FALSE(p->GetSafeHwnd());
        EXPECT_EQ(p->m_pSecond, nullptr) << "the second screen goes with it";
        ASSERT_FALSE(g_messages.empty());
        EXPECT_NE(g_messages.back().find("The prompter could not start"), std::string::npos);
        EXPECT_NE(g_messages.back().find(c.says), std::string::npos) << g_messages.back();
        EXPECT_EQ(p->m_hBitmapThread, nullptr);
        EXPECT_EQ(p->m_hScriptThread, nullptr);
        // The host deletes a prompter it could not create; nothing is posted to it.
        delete p;
        host.prompter = nullptr;
        TestHost::PumpFor(50);
        EXPECT_EQ(host.closedMessages, 0);
    }
    SetEngineMessageHook(previous);

    // Nothing of the failures lingers: the next prompter runs.
    TestPrompter* p = host.NewPrompter(false);
    host.CreateFullScreen(p, 640, 480);
    ASSERT_TRUE(p->GetSafeHwnd());
    p->OnPromptNow(1, 0);
    EXPECT_GT(p->m_lstParagraphs.GetCount(), 1);
    CloseAndWait(host, p);
}

TEST(PrompterHost, ATextCallbackThatReportsFailureGivesNoScript)
{
    TestHost host;
    host.scripts[1] = NumberedLines(5);
    host.failText = true;
    TestPrompter* p = host.NewPrompter(false);
    host.CreateFullScreen(p, 640, 480);
    p->OnPromptNow(1, 0);
    ASSERT_EQ(p->m_lstParagraphs.GetCount(), 1) << "only the end line";
    EXPECT_TRUE(p->m_lstParagraphs.GetHead()->m_nFlags & PT_STOP_MARKER);
    CloseAndWait(host, p);
}

TEST(PrompterState, EachScreenHoldsBackItsOwnInstruction)
{
    // The script ends with a hidden instruction paragraph, held back for a text paragraph
    // that never comes (a looping run adds no end line). Both screens load the script; a
    // held-back instruction shared between them would land on the second screen's first line.
    TestHost host;
    host.scripts[1] = std::string("{\\rtf1\\ansi\\ansicpg1252 Opening words.\\par\n") +
        script_rtf_shapes::kNextSlideParagraph + "}";
    TestPrompter* p = host.NewPrompter(false);
    p->m_bPromptContinuous = 1;
    p->Create(host.Parent(), CRect(0, 0, 640, 480), WINTYPE_FULLSCREEN, 1,
              CRect(640, 0, 1280, 480));
    ASSERT_TRUE(p->m_pSecond);
    p->OnPromptNow(1, 0);
    for (CPromptBaseWnd* w : {static_cast<CPromptBaseWnd*>(p), p->m_pSecond}) {
        ASSERT_FALSE(w->m_lstParagraphs.IsEmpty());
        CPromptParagraph* first = w->m_lstParagraphs.GetHead();
        EXPECT_EQ(first->m_nInstrCode, 0);
        EXPECT_FALSE(first->m_nFlags & PT_INSTRUCTION);
        EXPECT_EQ(w->m_nPendingCode, 4) << "held back in its own window";
    }
    CloseAndWait(host, p);
}

TEST(PrompterFrame, TicksGoOnWhileTheWorkersWaitForTheHost)
{
    // The script thread sits in the host's text callback; the line thread waits for it. A
    // tick that waited for either would not come back before the callback does.
    TestHost host;
    for (long id = 1; id <= 40; ++id) {
        host.show.push_back({id, 0, "S", 0});
        host.scripts[id] = NumberedLines(12);
    }
    host.show.push_back({99, 2, "", 0});
    HANDLE entered = CreateEvent(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEvent(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> returned {false};
    host.onText = [&](long) {
        if (GetCurrentThreadId() == host.uiThread ||
            WaitForSingleObject(entered, 0) == WAIT_OBJECT_0)
            return;
        SetEvent(entered);
        WaitForSingleObject(release, 10000);
        returned = true;
    };

    TestPrompter* p = host.NewPrompter(true);
    host.CreateFullScreen(p, 800, 600);
    p->OnPromptShow(1);
    StopTimer(p);
    p->ChangeSpeed(p->m_nLineHeight / 2);
    for (int i = 0; i < 2000 && WaitForSingleObject(entered, 0) != WAIT_OBJECT_0; ++i) {
        p->WakeLineWorkers();
        p->SendMessage(WM_PROMPTER_TICK);
        TestHost::PumpFor(1);
    }
    ASSERT_EQ(WaitForSingleObject(entered, 0), DWORD(WAIT_OBJECT_0)) << "no script was fetched";

    const LONG moved = p->m_nTicksMoved;
    const DWORD start = GetTickCount();
    for (int i = 0; i < 200; ++i) {
        p->WakeLineWorkers();
        p->SendMessage(WM_PROMPTER_TICK);
    }
    EXPECT_FALSE(returned) << "the ticks waited for the host";
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_EQ(p->m_nTicksMoved - moved, 200);
    EXPECT_FALSE(p->m_bAtBottom);
    SetEvent(release);
    CloseAndWait(host, p);
    EXPECT_TRUE(returned);
    CloseHandle(entered);
    CloseHandle(release);
}
