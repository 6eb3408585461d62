// Prompt Now from a script window: the prompter opens on the test display with the script's
// text, its instruction fields reach the presentation program's stand-in, and closing it
// with Esc puts the caret at the paragraph reached. The caret paragraph and its return.
#include "ScriptTestSupport.h"

#include "MarquillCmdWnd.h"
#include "MarquillResource.h"
#include "PromptDefs.h"
#include "standins/AutomationStandIn.h"

#include <algorithm>
#include <thread>

#include "qelstring.h"

namespace {

bool Logged(const AutomationStandIn& server, const std::string& call)
{
    std::vector<std::string> log = server.Log();
    return std::find(log.begin(), log.end(), call) != log.end();
}

template<class Pred>
bool PumpUntil(Pred pred, DWORD ms)
{
    const DWORD until = ::GetTickCount() + ms;
    while (!pred() && (LONG)(::GetTickCount() - until) < 0) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return pred();
}

// Scrolls by giving the prompter its ticks (its timer stopped) until pred holds.
template<class Pred>
bool TickUntil(Pred pred, int maxTicks = 20000)
{
    for (int tick = 0; tick < maxTicks && g_pPrompter; ++tick) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (pred())
            return true;
        if (!g_pPrompter)
            break;
        if (g_pPrompter->m_nScrollTimer) {
            ::timeKillEvent(g_pPrompter->m_nScrollTimer);
            g_pPrompter->m_nScrollTimer = 0;
        }
        g_pPrompter->WakeLineWorkers();
        g_pPrompter->SendMessage(WM_PROMPTER_TICK);
    }
    return pred();
}

class PromptNow : public ScriptFixture
{
protected:
    void SetUp() override
    {
        ScriptFixture::SetUp();
        CTXWordsDoc* doc = NewScript();
        ASSERT_NE(doc, nullptr);
        view = doc->GetScriptView();
        m_app.m_bWindowPrompter = m_app.m_bDualScreen = m_app.m_bForegroundScreenActive = 0;
        m_app.m_bDoCaption = 0;
        m_app.m_nAutoStartMode = -1;
    }
    void TearDown() override
    {
        if (g_pPrompter && g_pPrompter->GetSafeHwnd())
            g_pPrompter->SendMessage(WM_CLOSE);
        EXPECT_TRUE(PumpUntil([] { return g_pPrompter == nullptr; }, 5000));
        if (CTXWordsDoc* doc = ActiveScript())
            doc->SetModifiedFlag(FALSE);
        ScriptFixture::TearDown();
    }
    void SetText(const std::string& text)
    {
        view->GetTextControl()->SetSel(0, -1);
        view->GetTextControl()->ReplaceSel(text.c_str());
    }
    // F2 as the user presses it: through the application's accelerators.
    void PressF2()
    {
        MSG msg = {view->GetTextControl()->m_hWnd, WM_KEYDOWN, VK_F2, 1};
        if (!m_app.PreTranslateMessage(&msg))
            view->GetTextControl()->SendMessage(msg.message, msg.wParam, msg.lParam);
    }
    CMyTXWordsView* view = nullptr;
};

std::string Lines(int from, int to)
{
    std::string text;
    for (int i = from; i <= to; ++i)
        text += "Line " + std::to_string(i) + "\n";
    return text;
}

} // namespace

TEST_F(PromptNow, F2PromptsTheScriptAndEscReturnsToTheParagraphReached)
{
    SetText(Lines(1, 80));
    view->SetSelPair(0, 0);
    PressF2();
    ASSERT_NE(g_pPrompter, nullptr);
    EXPECT_TRUE(m_app.m_bPrompting);
    ASSERT_TRUE(g_pPrompter->GetSafeHwnd());
    // Full screen on the monitor that holds the editor.
    CRect rect;
    g_pPrompter->GetWindowRect(&rect);
    EXPECT_EQ(rect.Width(), ::GetSystemMetrics(SM_CXSCREEN));
    // The script's text reached the prompter: its paragraphs are there.
    ASSERT_TRUE(PumpUntil([] { return g_pPrompter->m_lstParagraphs.GetCount() >= 80; }, 10000))
        << g_pPrompter->m_lstParagraphs.GetCount();
    // A second Prompt Now while this one runs does nothing.
    CMarquillCmdWnd* running = g_pPrompter;
    Command(IDM_PROMPT_NOW);
    EXPECT_EQ(g_pPrompter, running);

    g_pPrompter->StartStop(false);
    ASSERT_TRUE(TickUntil([] { return g_pPrompter->m_nTopParagraph >= 20; }));
    g_pPrompter->StartStop(true);
    const int reached = g_pPrompter->m_nTopParagraph;
    g_pPrompter->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(PumpUntil([] { return g_pPrompter == nullptr; }, 5000));
    EXPECT_FALSE(m_app.m_bPrompting);
    EXPECT_EQ(view->m_nCaretParagraph, reached);
    // The caret stands at the start of that paragraph ("Line reached+1").
    const std::string text = ViewText(view);
    const std::string line = "Line " + std::to_string(reached + 1) + "\n";
    EXPECT_EQ(text.substr(static_cast<size_t>(Caret(view)), line.size()), line);
}

TEST_F(PromptNow, InstructionFieldsReachThePresentationProgram)
{
    AutomationStandIn server;
    ASSERT_TRUE(server.Loaded());
    ASSERT_TRUE(server.Register());
    server.Clear();
    SetText("Opening\n" + Lines(1, 40));
    view->SetSelPair(8, 8);
    {
        ModalAnswers answers([](const AFX_MODAL_REQUEST&) {
            return AFX_MODAL_REPLY::Answer(IDOK, "C:\\Shows\\Evening News.ppt");
        });
        Command(IDM_PP_LOAD);
    }
    view->SetSelPair(8 + 29, 8 + 29); // the start of the line after the load field
    Command(IDM_PP_START);
    m_app.m_bShowPPInst = 1;
    m_app.m_nDefaultSpeed = 8;
    view->SetSelPair(0, 0);
    PressF2();
    ASSERT_NE(g_pPrompter, nullptr);
    g_pPrompter->StartStop(false);
    EXPECT_TRUE(TickUntil([&] { return Logged(server, "ShowObject.call 2008()"); }));
    EXPECT_TRUE(Logged(server, "Presentations.call 2004(\"C:\\Shows\\Evening News.ppt\",0,-1,-1)"));
    g_pPrompter->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(PumpUntil([] { return g_pPrompter == nullptr; }, 5000));
    EXPECT_TRUE(server.Unregister());
}

TEST_F(PromptNow, CaretParagraphsAndTheirReturn)
{
    // Line feeds straight after the caret count as before it.
    SetText("One\nTwo\n\n\nFive");
    struct Case
    {
        long caret;
        int paragraph;
    } cases[] = {{0, 0}, {3, 1}, {4, 1}, {7, 4}, {8, 4}, {12, 4}};
    for (const Case& c : cases) {
        view->SetSelPair(c.caret, c.caret);
        view->GetCaretParagraph();
        EXPECT_EQ(view->m_nCaretParagraph, c.paragraph) << c.caret;
    }
    // Going back: the start of each paragraph; past the last, the end of the text.
    const long starts[] = {0, 4, 8, 9, 10};
    for (int p = 0; p < 5; ++p)
        EXPECT_EQ(view->GoToParagraph(p), starts[p]) << p;
    EXPECT_EQ(view->GoToParagraph(9), 14);
    // A first empty line is a paragraph of its own both ways.
    SetText("\nSecond\nThird");
    view->SetSelPair(1, 1);
    view->GetCaretParagraph();
    EXPECT_EQ(view->m_nCaretParagraph, 1);
    EXPECT_EQ(view->GoToParagraph(1), 1);
    // A header line ("[", a word, "]" and blanks): paragraph 0 is the line after it.
    SetText("[SLUG]  \nBody one\nBody two");
    EXPECT_EQ(view->GoToParagraph(0), 9);
    EXPECT_EQ(view->GoToParagraph(1), 18);
}

TEST_F(PromptNow, TheScriptTextIsPreparedBeforeThePrompterReadsIt)
{
    // The text callback only copies what the user-interface thread prepared; it reads no
    // window, so a worker thread may call it.
    SetText("Prepared text");
    view->PreparePromptText();
    SetText("Changed later");
    qelstring text;
    bool given = false;
    std::thread worker([&] { given = CMyTXWordsView::GetScriptText(view, 1, text); });
    worker.join();
    EXPECT_TRUE(given); // a script to prompt is a success (the engine drops a failure's text)
    EXPECT_NE(std::string(text).find("Prepared text"), std::string::npos);
    EXPECT_EQ(std::string(text).find("Changed later"), std::string::npos);
    EXPECT_EQ(std::string(text).compare(0, 5, "{\\rtf"), 0);
}

TEST_F(PromptNow, AWindowedPrompterTakesTheMainWindowsRectangle)
{
    SetText(Lines(1, 10));
    m_app.m_bWindowPrompter = 1;
    CRect main;
    Frame()->GetWindowRect(&main);
    Command(IDM_PROMPT_NOW);
    ASSERT_NE(g_pPrompter, nullptr);
    CRect rect;
    g_pPrompter->GetWindowRect(&rect);
    EXPECT_EQ(rect, main);
    EXPECT_EQ(g_pPrompter->m_nWinType, (int)WINTYPE_WINDOW);
    EXPECT_EQ(g_pPrompter->m_nScreens, 0);
}

TEST_F(PromptNow, ARunThatProgramsSpeedsLeavesTheApplicationThePrompterTable)
{
    SetText(Lines(1, 10));
    Command(IDM_PROGRAM_SPEEDS);
    EXPECT_EQ(m_app.m_nSpeedProgramming, 1);
    Command(IDM_PROMPT_NOW);
    ASSERT_NE(g_pPrompter, nullptr);
    // The operator programs a key during the run.
    g_pPrompter->m_speedKeys[0] = std::make_pair(7, 21);
    g_pPrompter->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(PumpUntil([] { return g_pPrompter == nullptr; }, 5000));
    EXPECT_EQ(m_app.m_nSpeedProgramming, 0);
    EXPECT_EQ(m_app.m_SpeedKeys[0], std::make_pair(7, 21));
}

TEST_F(PromptNow, AnInvalidCaptionPortStopsTheCommandWhenCaptionsGoOut)
{
    SetText(Lines(1, 3));
    m_app.m_strCCPort = "99";
    m_app.m_bDoCaption = 1;
    MessageBoxRecorder boxes;
    Command(IDM_PROMPT_NOW);
    EXPECT_EQ(g_pPrompter, nullptr);
    EXPECT_FALSE(m_app.m_bPrompting);
    ASSERT_EQ(boxes.m_texts.size(), 1u);
    EXPECT_NE(boxes.m_texts[0].find("Port 99 is invalid"), std::string::npos);
    // With captions off the port is not needed: the script is prompted.
    m_app.m_bDoCaption = 0;
    Command(IDM_PROMPT_NOW);
    EXPECT_NE(g_pPrompter, nullptr);
}
