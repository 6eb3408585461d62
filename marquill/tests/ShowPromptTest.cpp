// Prompting a show on the test display: the whole show runs through a break's countdown
// to the end-of-show stop; the scripts' texts are read before the run and the text
// callback only copies them; the prompt commands that must do nothing do nothing.
#include "ShowTestSupport.h"

#include "MarquillCmdWnd.h"
#include "PromptDefs.h"
#include "PrompterOperator.h"
#include "qelstring.h"

namespace {
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

class ShowPrompt : public ShowFixture
{
protected:
    void SetUp() override
    {
        ShowFixture::SetUp();
        m_app.m_bWindowPrompter = m_app.m_bDualScreen = m_app.m_bForegroundScreenActive = 0;
        m_app.m_bDoCaption = 0;
        m_app.m_nAutoStartMode = -1;
        m_app.m_bDoBreaks = 1;
        m_app.m_bAutoContinue = 1;
        view->OnNewShow();
    }
    void TearDown() override
    {
        if (g_pPrompter && g_pPrompter->GetSafeHwnd())
            g_pPrompter->SendMessage(WM_CLOSE);
        EXPECT_TRUE(PumpUntil([] { return g_pPrompter == nullptr; }, 5000));
        ShowFixture::TearDown();
    }
    // A script row naming a file of a few lines, behind grid row after.
    CFileInfo* AddScript(const char* slug, int after)
    {
        std::string text;
        for (int i = 1; i <= 6; i++)
            text += std::string(slug) + " line " + std::to_string(i) + "\\par ";
        const std::string path = WriteScript((std::string(slug) + ".rtf").c_str(), text);
        ModalQueue modal;
        modal.Then(FileAnswer(path)).Then(NewScriptAnswer(slug, "Anna"));
        EXPECT_EQ(view->FileAddInsert(after, 0, 0, 0), 1);
        return Row(after);
    }
};
} // namespace

TEST_F(ShowPrompt, TheShowRunsThroughABreaksCountdownToTheEndOfShowStop)
{
    AddScript("Lead", 0);
    ASSERT_EQ(view->FileAddInsert(1, 0, 1, 1), 1); // a break of one second
    AddScript("Weather", 2);
    view->RefreshRundown(0);
    ASSERT_EQ(Slugs(), "Lead,{Break},Weather,{EndOfShow}");

    view->OnPromptShowFromSelection();
    ASSERT_NE(g_pPrompter, nullptr);
    ASSERT_TRUE(g_pPrompter->GetSafeHwnd());
    EXPECT_TRUE(m_app.m_bPrompting);
    EXPECT_EQ(g_pPrompter->m_bPromptContinuous, 0); // a show never loops

    // The texts were read before the run: the callback copies them, whichever thread asks.
    qelstring text;
    EXPECT_TRUE(CShowView::GetScriptText(view, Row(0)->RecNo, text));
    EXPECT_NE(text.find("Lead line 3"), std::string::npos);

    g_pPrompter->StartStop(false);
    ASSERT_TRUE(TickUntil([] { return OperatorCountDown(g_pPrompter) != nullptr; }));
    EXPECT_FALSE(g_pPrompter->m_bRunning);
    // The countdown ends and the display runs on to the end of the show, where it stops.
    ASSERT_TRUE(PumpUntil([] { return g_pPrompter->m_bRunning != 0; }, 6000));
    EXPECT_EQ(OperatorCountDown(g_pPrompter), nullptr);
    ASSERT_TRUE(TickUntil([] { return g_pPrompter->m_bRunning == 0; }));

    g_pPrompter->SendMessage(WM_CLOSE);
    ASSERT_TRUE(PumpUntil([] { return g_pPrompter == nullptr; }, 5000));
    EXPECT_FALSE(m_app.m_bPrompting);
}

TEST_F(ShowPrompt, RecordsComeFromTheRowsAndEndAfterTheEndOfShow)
{
    CFileInfo* lead = AddScript("Lead", 0);
    lead->PageNo = "A-1";
    lead->TTL = "00:01:05";
    ASSERT_EQ(view->FileAddInsert(1, 0, 1, 3900), 1);
    ASSERT_EQ(Slugs(), "Lead,{Break},{EndOfShow}");

    CShowView::ResetPromptRecords(view);
    struct
    {
        int type;
        const char* name;
        LONGLONG seconds;
    } expected[] = {{ROW_SCRIPT, "Lead", 65},
                    {ROW_BREAK, "{Break}", 3900},
                    {ROW_END_OF_SHOW, "{EndOfShow}", 0}};
    for (const auto& e : expected) {
        prmptRecord* record = CShowView::GetNextPromptRecord(view);
        ASSERT_NE(record, nullptr) << e.name;
        EXPECT_EQ(record->m_nType, e.type);
        EXPECT_STREQ(record->m_strName, e.name);
        EXPECT_EQ(record->m_tsLength.GetTotalSeconds(), e.seconds) << e.name;
        delete record;
    }
    EXPECT_EQ(CShowView::GetNextPromptRecord(view), nullptr);

    // A record by position: scripts only.
    prmptRecord* record = CShowView::MakePromptRecord(view, 1);
    ASSERT_NE(record, nullptr);
    EXPECT_STREQ(record->m_strText, "A-1");
    EXPECT_EQ(record->m_lRecordId, lead->RecNo);
    delete record;
    EXPECT_EQ(CShowView::MakePromptRecord(view, 2), nullptr);

    // A script that cannot be read gives empty text, and the callback still succeeds.
    lead->ScriptPath = Path("missing.rtf").c_str();
    view->LoadPromptTexts();
    qelstring text = "stale";
    EXPECT_TRUE(CShowView::GetScriptText(view, lead->RecNo, text));
    EXPECT_TRUE(text.empty());
}

TEST_F(ShowPrompt, PromptingABreakOrTheEndOfShowAloneDoesNothing)
{
    AddScript("Lead", 0);
    ASSERT_EQ(view->FileAddInsert(1, 0, 1, 60), 1);
    ASSERT_EQ(Slugs(), "Lead,{Break},{EndOfShow}");
    for (ROWCOL row : {2u, 3u}) {
        SelectRows(row, row);
        view->OnPromptSelectedScript();
        EXPECT_EQ(g_pPrompter, nullptr) << row;
        EXPECT_FALSE(m_app.m_bPrompting) << row;
    }
    // Nothing selected: nothing to prompt alone.
    view->m_Grid.GetParam()->m_selRects.DeleteAreas();
    view->OnPromptSelectedScript();
    EXPECT_EQ(g_pPrompter, nullptr);
}

TEST(ShowPromptStart, ASelectionOnOrAfterTheEndOfShowStartsAtTheTop)
{
    struct
    {
        long line, eos;
        int start;
    } cases[] = {{-1, 4, 1}, {0, 4, 1}, {2, 4, 3}, {3, 4, 1}, {5, 4, 1}, {2, 6, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(CShowView::PromptShowStart(c.line, c.eos), c.start) << c.line << " " << c.eos;
}
