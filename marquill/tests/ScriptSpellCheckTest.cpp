// Spell Check Document through the program: the engine's correction dialog is driven on its
// live window through the modal seam, word by word, against the shipped word list.
#include "ScriptTestSupport.h"

#include "MarquillResource.h"
#include "spelling/SpellCheckDlgIds.h"

#include <deque>

namespace {

// What the writer does in the dialog for one questioned word.
struct Step
{
    enum Kind { choose, type, ignore, add, cancel } kind;
    std::string text; // the suggestion to choose, or the replacement to type
};

class ScriptSpellCheck : public ScriptFixture
{
protected:
    void SetUp() override
    {
        ScriptFixture::SetUp();
        CTXWordsDoc* doc = NewScript();
        ASSERT_NE(doc, nullptr);
        view = doc->GetScriptView();
    }
    void TearDown() override
    {
        if (CTXWordsDoc* doc = ActiveScript())
            doc->SetModifiedFlag(FALSE);
        ScriptFixture::TearDown();
    }
    void SetText(const std::string& text)
    {
        view->GetTextControl()->SetSel(0, -1);
        view->GetTextControl()->ReplaceSel(text.c_str());
    }
    // Runs the command with the writer's steps, one per dialog; records the questioned
    // words, the suggestions offered and the selection while each dialog is up.
    void Run(std::deque<Step> steps)
    {
        ModalAnswers answers([&](const AFX_MODAL_REQUEST& r) {
            if (r.nKind != afxModalDialog || steps.empty())
                return AFX_MODAL_REPLY::Answer(IDCANCEL);
            Step step = steps.front();
            steps.pop_front();
            return AFX_MODAL_REPLY::Script([this, step](CWnd* d) { Act(d, step); });
        });
        Command(IDM_SPELL_CHECK);
        EXPECT_TRUE(steps.empty()) << steps.size() << " dialogs did not come";
    }
    void Act(CWnd* d, const Step& step)
    {
        CString word;
        d->GetDlgItemText(IDC_SPELL_WORD, word);
        questioned.push_back((LPCSTR)word);
        TXPAIR sel = view->GetSelPair();
        selected.push_back(ViewText(view).substr(sel.first, sel.second - sel.first));
        HWND list = ::GetDlgItem(d->m_hWnd, IDC_SPELL_SUGGESTIONS);
        switch (step.kind) {
        case Step::choose: {
            const LRESULT index =
                ::SendMessageA(list, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)step.text.c_str());
            ASSERT_NE(index, LB_ERR) << step.text << " not suggested for " << (LPCSTR)word;
            ::SendMessageA(list, LB_SETCURSEL, index, 0);
            d->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SPELL_SUGGESTIONS, LBN_SELCHANGE),
                           (LPARAM)list);
            Press(d, IDOK);
            break;
        }
        case Step::type:
            d->SetDlgItemText(IDC_SPELL_CHANGE_TO, step.text.c_str());
            Press(d, IDOK);
            break;
        case Step::ignore:
            Press(d, IDC_SPELL_IGNORE);
            break;
        case Step::add:
            Press(d, IDC_SPELL_ADD);
            break;
        case Step::cancel:
            Press(d, IDCANCEL);
            break;
        }
    }
    static void Press(CWnd* d, int id)
    {
        d->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(d->m_hWnd, id));
    }
    int Completed()
    {
        return (int)std::count(m_boxes.m_texts.begin(), m_boxes.m_texts.end(),
                               std::string("Spell Check Completed!"));
    }
    CMyTXWordsView* view = nullptr;
    std::vector<std::string> questioned, selected;
};

} // namespace

TEST_F(ScriptSpellCheck, FindsMisspeltWordsAndReplacesThemWithChosenSuggestions)
{
    ASSERT_TRUE(Enabled(view, IDM_SPELL_CHECK));
    SetText("Teh presenter reads the nwes tonight.\nSport follows at ten.\n");
    Run({{Step::choose, "The"}, {Step::choose, "news"}});
    EXPECT_EQ(questioned, (std::vector<std::string> {"Teh", "nwes"}));
    EXPECT_EQ(selected, questioned); // each word is selected in the script while asked about
    EXPECT_EQ(ViewText(view), "The presenter reads the news tonight.\nSport follows at ten.\n");
    EXPECT_EQ(Completed(), 1);
}

TEST_F(ScriptSpellCheck, LongerCorrectionsKeepLaterWordsInPlace)
{
    SetText("Teh cat sat. Teh dog ran; teh end.");
    Run({{Step::type, "Then the"}, {Step::ignore, ""}, {Step::choose, "the"}});
    EXPECT_EQ(questioned, (std::vector<std::string> {"Teh", "Teh", "teh"}));
    EXPECT_EQ(selected, questioned);
    EXPECT_EQ(ViewText(view), "Then the cat sat. Teh dog ran; the end.");
}

TEST_F(ScriptSpellCheck, CancelKeepsEarlierCorrectionsAndStillReportsCompletion)
{
    SetText("Teh nwes and mroe.");
    Run({{Step::choose, "The"}, {Step::cancel, ""}});
    EXPECT_EQ(questioned, (std::vector<std::string> {"Teh", "nwes"}));
    EXPECT_EQ(ViewText(view), "The nwes and mroe.");
    EXPECT_EQ(Completed(), 1);
}

TEST_F(ScriptSpellCheck, ScriptWithoutQuestionedWordsCompletesAtOnce)
{
    SetText("Good evening. The weather is next, then sport at 10:45.\n");
    Run({});
    EXPECT_TRUE(questioned.empty());
    EXPECT_EQ(Completed(), 1);
    EXPECT_EQ(ViewText(view), "Good evening. The weather is next, then sport at 10:45.\n");
}

TEST_F(ScriptSpellCheck, AddedWordIsNotAskedAgain)
{
    SetText("Zorvexa opens. Then Zorvexa closes; mroe later.");
    Run({{Step::add, ""}, {Step::cancel, ""}});
    EXPECT_EQ(questioned, (std::vector<std::string> {"Zorvexa", "mroe"}));
}

// The text is read into a buffer with 256 bytes to spare: three 80-character replacements
// use 231 of them, so the fourth does not fit. That word stays as it was in the script and
// in the engine's copy, and the check goes on right after it.
TEST_F(ScriptSpellCheck, ReplacementThatDoesNotFitLeavesTheWordAndMovesOn)
{
    const std::string long80(80, 'w');
    SetText("teh teh teh teh teh.");
    Run({{Step::type, long80},
         {Step::type, long80},
         {Step::type, long80},
         {Step::type, long80},
         {Step::choose, "the"}});
    EXPECT_EQ(questioned, (std::vector<std::string> {"teh", "teh", "teh", "teh", "teh"}));
    EXPECT_EQ(selected, questioned);
    EXPECT_EQ(ViewText(view), long80 + " " + long80 + " " + long80 + " teh the.");
    EXPECT_EQ(Completed(), 1);
}
