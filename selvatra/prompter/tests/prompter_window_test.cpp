// The prompter window and its host contract: creation, the close protocol, the callbacks
// and the host settings the prompter must make safe.
#include <gtest/gtest.h>

#include <atomic>

#include "test_host.h"

namespace {

int CursorCount()
{
    const int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return count;
}

std::string ClassOf(HWND hwnd)
{
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    return name;
}

HANDLE Duplicate(HANDLE h)
{
    HANDLE out = nullptr;
    if (h)
        DuplicateHandle(GetCurrentProcess(), h, GetCurrentProcess(), &out, SYNCHRONIZE, FALSE, 0);
    return out;
}

prmptRecord* NoRecord(void*, int) { return nullptr; }

} // namespace

TEST(PrompterWindow, FullScreenIsATopmostPopupSizedByTheRectanglesRightAndBottom)
{
    TestHost host;
    host.scripts[1] = "One line\n";
    TestPrompter* p = host.NewPrompter(false);
    const int cursorBefore = CursorCount();
    // The hosts pass a monitor's origin in left and top and its size in right and bottom.
    p->Create(host.Parent(), CRect(100, 50, 800, 600), WINTYPE_FULLSCREEN, 0, CRect(0, 0, 0, 0));
    ASSERT_TRUE(p->GetSafeHwnd());
    HWND hwnd = p->GetSafeHwnd();
    EXPECT_EQ(ClassOf(hwnd), "_QEL_PROMPTER");
    EXPECT_EQ(GetClassLongPtr(hwnd, GCL_STYLE) & (CS_OWNDC | CS_BYTEALIGNCLIENT),
              ULONG_PTR(CS_OWNDC | CS_BYTEALIGNCLIENT));
    const LONG style = GetWindowLong(hwnd, GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_VISIBLE), WS_POPUP | WS_VISIBLE);
    EXPECT_EQ(style & WS_CAPTION, 0);
    EXPECT_TRUE(GetWindowLong(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT rc;
    GetWindowRect(hwnd, &rc);
    EXPECT_EQ(rc.left, 100);
    EXPECT_EQ(rc.top, 50);
    EXPECT_EQ(rc.right - rc.left, 800);
    EXPECT_EQ(rc.bottom - rc.top, 600);
    EXPECT_EQ(p->m_nLayoutWidth, 800);
    EXPECT_EQ(p->m_nLayoutHeight, 600);
    EXPECT_LT(CursorCount(), 0) << "a full-screen prompter hides the cursor";

    p->OnPromptNow(1, 0);
    p->SendMessage(WM_CLOSE);
    EXPECT_TRUE(TestHost::PumpUntil([&] { return host.closedMessages == 1; }, 5000));
    EXPECT_GE(CursorCount(), 0) << "closing restores the cursor";
    EXPECT_EQ(CursorCount() >= 0, cursorBefore >= 0);
}

TEST(PrompterWindow, WindowIsCaptionedAndSizableAndLaysOutForThePrompterScreen)
{
    TestHost host;
    host.scripts[1] = "One line\n";
    struct Case
    {
        RECT layout;
        int width, height; // expected layout size
    } cases[] = {
        {{0, 0, 1280, 720}, 1280, 720},
        {{0, 0, 0, 0}, 0, 0}, // no prompter screen given: the window's own size
    };
    for (const Case& c : cases) {
        TestPrompter* p = host.NewPrompter(false);
        host.CreateWindowed(p, RECT {100, 100, 740, 580}, c.layout);
        ASSERT_TRUE(p->GetSafeHwnd());
        HWND hwnd = p->GetSafeHwnd();
        EXPECT_EQ(ClassOf(hwnd), "_QEL_PROMPTER");
        const LONG style = GetWindowLong(hwnd, GWL_STYLE);
        EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_VISIBLE),
                  WS_CAPTION | WS_THICKFRAME | WS_VISIBLE);
        EXPECT_FALSE(GetWindowLong(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
        RECT rc;
        GetWindowRect(hwnd, &rc);
        EXPECT_EQ(rc.left, 100);
        EXPECT_EQ(rc.right - rc.left, 640);
        EXPECT_EQ(rc.bottom - rc.top, 480);
        if (c.width) {
            EXPECT_EQ(p->m_nLayoutWidth, c.width);
            EXPECT_EQ(p->m_nLayoutHeight, c.height);
        } else {
            EXPECT_EQ(p->m_nLayoutWidth, 640);
            EXPECT_EQ(p->m_nLayoutHeight, 480);
        }
        p->OnPromptNow(1, 0);
        p->SendMessage(WM_CLOSE);
        EXPECT_TRUE(TestHost::PumpUntil([&] { return !host.prompter; }, 5000));
    }
    EXPECT_EQ(host.closedMessages, 2);
}

TEST(PrompterWindow, AWindowInFrontOfTwoScreensIsTopmost)
{
    // Its style holds WS_CHILD, which drops the extended style asked for at creation.
    TestHost host;
    host.scripts[1] = "One line\n";
    for (int screens : {0, 2}) {
        SCOPED_TRACE(screens);
        TestPrompter* p = host.NewPrompter(false);
        ASSERT_TRUE(p->Create(host.Parent(), CRect(100, 100, 740, 580), WINTYPE_WINDOW, screens,
                              CRect(0, 0, 1280, 720)));
        const bool topmost = (GetWindowLong(p->GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        EXPECT_EQ(topmost, screens > 1);
        if (screens > 1) {
            ASSERT_TRUE(p->m_pSecond);
            EXPECT_FALSE(GetWindowLong(p->m_pSecond->GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
        }
        CloseAndWait(host, p);
    }
}

TEST(PrompterClose, StopsThreadsCallsDoneOnceFreesRecordsAndPostsTheClosedMessageLast)
{
    TrackedRecord::s_alive = 0;
    TestHost host;
    host.show = {{11, 0, "Open", 0}, {12, 1, "Break", 30}, {13, 0, "News", 0}, {14, 2, "", 0}};
    for (long id : {11L, 13L})
        host.scripts[id] = NumberedLines(6);
    const int priorityBefore = GetThreadPriority(GetCurrentThread());

    TestPrompter* p = host.NewPrompter(true);
    p->m_bTrackParagraph = 1;
    host.CreateFullScreen(p);
    p->OnPromptShow(1);
    EXPECT_EQ(TrackedRecord::s_alive.load(), 4) << "the show's records are the engine's now";
    HANDLE threads[] = {Duplicate(p->m_hBitmapThread), Duplicate(p->m_hScriptThread),
                        Duplicate(p->m_hCaptionThread)};
    for (HANDLE t : threads) {
        ASSERT_TRUE(t);
        EXPECT_EQ(WaitForSingleObject(t, 0), DWORD(WAIT_TIMEOUT));
    }

    p->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(TestHost::PumpUntil([&] { return host.closedMessages > 0; }, 10000));
    TestHost::PumpFor(200);
    EXPECT_EQ(host.closedMessages, 1);
    EXPECT_EQ(host.doneCalls, 1);
    EXPECT_TRUE(host.doneBeforeClosed);
    EXPECT_EQ(host.prompter, nullptr) << "the host deleted the prompter on the closed message";
    EXPECT_EQ(TrackedRecord::s_alive.load(), 0) << "every record the engine received is freed";
    for (HANDLE t : threads) {
        EXPECT_EQ(WaitForSingleObject(t, 0), DWORD(WAIT_OBJECT_0)) << "worker thread still running";
        CloseHandle(t);
    }
    EXPECT_EQ(GetThreadPriority(GetCurrentThread()), priorityBefore);
}

TEST(PrompterClose, DoneReportsTheParagraphReached)
{
    TestHost host;
    host.scripts[1] = NumberedLines(30);
    // Started at a paragraph and closed at once: that paragraph.
    TestPrompter* p = host.NewPrompter(false);
    host.CreateFullScreen(p);
    p->OnPromptNow(1, 7);
    p->SendMessage(WM_CLOSE);
    ASSERT_TRUE(TestHost::PumpUntil([&] { return host.closedMessages == 1; }, 5000));
    EXPECT_EQ(host.doneParagraph, 7);

    // Scrolled to the end while the reading line is tracked: the last script paragraph.
    host.doneCalls = 0;
    host.scripts[1] = NumberedLines(5);
    p = host.NewPrompter(false);
    p->m_bTrackParagraph = 1;
    p->m_nDefaultSpeed = ps_max;
    host.CreateFullScreen(p);
    p->OnPromptNow(1, 0);
    p->StartStop(false);
    ASSERT_TRUE(TickUntil(host, [&] { return !p->m_bRunning; }));
    p->SendMessage(WM_CLOSE);
    ASSERT_TRUE(TestHost::PumpUntil([&] { return host.closedMessages == 2; }, 5000));
    EXPECT_EQ(host.doneCalls, 1);
    EXPECT_EQ(host.doneParagraph, 5);
}

TEST(PrompterClose, AHostCallbackSendingToTheHostFromTheScriptThreadCannotDeadlockTheClose)
{
    TestHost host;
    // A show long enough that the script thread fetches more text while scrolling.
    for (long id = 1; id <= 40; ++id) {
        host.show.push_back({id, 0, "S", 0});
        host.scripts[id] = NumberedLines(12);
    }
    host.show.push_back({99, 2, "", 0});
    HANDLE entered = CreateEvent(nullptr, TRUE, FALSE, nullptr);
    HWND parent = host.ParentHandle();
    host.onText = [&](long) {
        if (GetCurrentThreadId() == host.uiThread)
            return;
        SetEvent(entered);
        Sleep(200);
        // Touches the host's window from the worker, as a host's rich-text loading does.
        SendMessage(parent, WM_USER + 7, 0, 0);
    };

    TestPrompter* p = host.NewPrompter(true);
    p->m_nDefaultSpeed = ps_max;
    host.CreateFullScreen(p);
    p->OnPromptShow(1);
    p->StartStop(false);
    ASSERT_TRUE(TestHost::PumpUntil(
        [&] { return WaitForSingleObject(entered, 0) == WAIT_OBJECT_0; }, 30000))
        << "the script thread never asked for text";

    // Close now, from the user-interface thread, while the worker is inside the callback.
    const DWORD start = GetTickCount();
    p->SendMessage(WM_CLOSE);
    EXPECT_LT(GetTickCount() - start, 10000u);
    EXPECT_GE(host.sentMessagesServed.load(), 1);
    EXPECT_TRUE(TestHost::PumpUntil([&] { return host.closedMessages == 1; }, 5000));
    CloseHandle(entered);
}

TEST(PrompterHost, MissingCallbacksNullRecordsAndEmptyShowsAreNoText)
{
    TestHost host;
    enum Kind { NoRecordCallback, NullRecord, NoTextCallback, EmptyShow, ShowWithoutCallbacks };
    for (Kind kind :
         {NoRecordCallback, NullRecord, NoTextCallback, EmptyShow, ShowWithoutCallbacks}) {
        SCOPED_TRACE(int(kind));
        host.show.clear();
        TestPrompter* p = host.NewPrompter(kind == EmptyShow);
        if (kind == NoRecordCallback)
            p->m_pfnGetRecord = nullptr;
        if (kind == NullRecord)
            p->m_pfnGetRecord = &NoRecord;
        if (kind == NoTextCallback)
            p->m_pfnGetScriptText = nullptr;
        if (kind == ShowWithoutCallbacks)
            p->m_pfnPromptDone = nullptr;
        p->m_nDefaultSpeed = ps_max;
        host.CreateFullScreen(p);
        if (kind == EmptyShow || kind == ShowWithoutCallbacks)
            p->OnPromptShow(3);
        else
            p->OnPromptNow(1, 0);
        // Only the end line (single script) or nothing (show) is there.
        int paragraphs = p->m_lstParagraphs.GetCount();
        EXPECT_LE(paragraphs, 1);
        p->StartStop(false);
        TestHost::PumpFor(300);
        const int closed = host.closedMessages;
        p->SendMessage(WM_CLOSE);
        EXPECT_TRUE(TestHost::PumpUntil([&] { return host.closedMessages == closed + 1; }, 5000));
    }
}

TEST(PrompterHost, AShowStartsAtTheRowAskedOrTheLastRecord)
{
    TestHost host;
    host.show = {{21, 0, "A", 0}, {22, 0, "B", 0}, {23, 0, "C", 0}};
    for (long id : {21L, 22L, 23L})
        host.scripts[id] = NumberedLines(3, id == 21 ? "Alpha" : id == 22 ? "Bravo" : "Charlie");
    struct Case
    {
        int row;
        long id;
    } cases[] = {{1, 21}, {2, 22}, {9, 23}};
    for (const Case& c : cases) {
        TestPrompter* p = host.NewPrompter(true);
        host.CreateFullScreen(p);
        p->OnPromptShow(c.row);
        ASSERT_TRUE(p->ParagraphAt(p->m_posPrompter));
        EXPECT_EQ(p->ParagraphAt(p->m_posPrompter)->m_lRecordId, c.id) << "row " << c.row;
        p->SendMessage(WM_CLOSE);
        EXPECT_TRUE(TestHost::PumpUntil([&] { return !host.prompter; }, 5000));
    }
}

TEST(PrompterHost, SlugsOfHeadersAndBreakBannersAreAnsiText)
{
    TestHost host;
    host.show = {{31, 0, "Caf\xE9", 0}, {32, 1, "Ni\xF1o", 45}, {33, 0, "X", 0}, {34, 2, "", 0}};
    host.scripts[31] = "Text\n";
    host.scripts[33] = "More\n";
    TestPrompter* p = host.NewPrompter(true);
    p->m_bScriptHeaders = 1;
    host.CreateFullScreen(p);
    p->OnPromptShow(1);
    std::wstring all;
    for (POSITION pos = p->m_lstParagraphs.GetHeadPosition(); pos;) {
        CPromptParagraph* para = p->m_lstParagraphs.GetNext(pos);
        for (POSITION r = para->m_lstText.GetHeadPosition(); r;) {
            prmptFormatedText* run = para->m_lstText.GetNext(r);
            if (run->GetText())
                all += run->GetText();
            all += L"|";
        }
    }
    EXPECT_NE(all.find(L"[Caf\u00E9]"), std::wstring::npos);
    EXPECT_NE(all.find(L"[Ni\u00F1o] BREAK 00:00:45"), std::wstring::npos);
    EXPECT_NE(all.find(L"_______END_______"), std::wstring::npos);
    p->SendMessage(WM_CLOSE);
    EXPECT_TRUE(TestHost::PumpUntil([&] { return !host.prompter; }, 5000));
}

TEST(PrompterHost, ASlowTextCallbackWidensTheLookAheadUntilFetchesAreFastAgain)
{
    TestHost host;
    host.scripts[1] = "x\n";
    TestPrompter* p = host.NewPrompter(false);
    host.CreateFullScreen(p);
    const int lines = p->m_nLinesPerScreen;
    ASSERT_EQ(p->m_nLookAhead, lines);
    // The fetch clock moves only when the host is slow: 2.1 seconds per slow fetch.
    std::atomic<DWORD> now {0};
    p->m_fetchClock = [&] { return now.load(); };
    bool slow = true;
    host.onText = [&](long) {
        if (slow)
            now += 2100;
    };
    qelstring text;
    p->GetShowScript(p->m_pCallbackOwner, 1, text);
    EXPECT_EQ(p->m_nLookAhead, lines + 48);
    slow = false;
    for (int fast = 0; fast < 3; ++fast) {
        p->GetShowScript(p->m_pCallbackOwner, 1, text);
        EXPECT_EQ(p->m_nLookAhead, lines + 48) << "after " << fast + 1 << " fast fetches";
    }
    p->GetShowScript(p->m_pCallbackOwner, 1, text);
    EXPECT_EQ(p->m_nLookAhead, lines);
    host.onText = nullptr;
    p->SendMessage(WM_CLOSE);
    EXPECT_TRUE(TestHost::PumpUntil([&] { return !host.prompter; }, 5000));
}

TEST(PrompterHost, ScriptsAndTheShowCanBeReadAgainWhilePrompting)
{
    TestHost host;
    host.show = {{41, 0, "A", 0}, {42, 0, "B", 0}, {43, 2, "", 0}};
    host.scripts[41] = NumberedLines(3, "Old");
    host.scripts[42] = NumberedLines(3, "Second");
    TestPrompter* p = host.NewPrompter(true);
    host.CreateFullScreen(p);
    p->OnPromptShow(1);
    auto texts = [&](long id) {
        std::wstring all;
        for (POSITION pos = p->m_lstParagraphs.GetHeadPosition(); pos;) {
            CPromptParagraph* para = p->m_lstParagraphs.GetNext(pos);
            if (para->m_lRecordId != id)
                continue;
            for (POSITION r = para->m_lstText.GetHeadPosition(); r;)
                all += para->m_lstText.GetNext(r)->GetText();
            all += L"|";
        }
        return all;
    };
    EXPECT_EQ(texts(41), L"Old 1|Old 2|Old 3|");

    host.scripts[41] = NumberedLines(2, "New");
    p->UpdatePromptScript(41);
    EXPECT_EQ(texts(41), L"New 1|New 2|");
    EXPECT_TRUE(p->m_lstParagraphs.GetHead()->m_nFlags & PT_START_MARKER)
        << "still the first script";
    EXPECT_EQ(texts(42), L"Second 1|Second 2|Second 3|");

    // The show itself changes: a row goes, the rest is read again.
    host.show = {{42, 0, "B", 0}, {43, 2, "", 0}};
    p->UpdatePromptRundown(true);
    EXPECT_EQ(texts(41), L"");
    EXPECT_EQ(texts(42), L"Second 1|Second 2|Second 3|");
    p->SendMessage(WM_CLOSE);
    EXPECT_TRUE(TestHost::PumpUntil([&] { return !host.prompter; }, 5000));
}
