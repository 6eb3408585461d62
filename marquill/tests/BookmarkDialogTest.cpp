// The bookmarks dialog, driven on its live window through the modal seam: it lists the
// script's targets, adds one by name, goes to one and deletes one.
#include "ScriptTestSupport.h"

#include "MarquillResource.h"
#include "SetBookmark.h"

namespace {

class BookmarkDialog : public ScriptFixture
{
protected:
    void SetUp() override
    {
        ScriptFixture::SetUp();
        CTXWordsDoc* doc = NewScript();
        ASSERT_NE(doc, nullptr);
        view = doc->GetScriptView();
        view->GetTextControl()->SetSel(0, -1);
        view->GetTextControl()->ReplaceSel("Headlines\nWeather\nSport\n");
    }
    void TearDown() override
    {
        if (CTXWordsDoc* doc = ActiveScript())
            doc->SetModifiedFlag(FALSE);
        ScriptFixture::TearDown();
    }
    // Runs the dialog with a script acting on its live window.
    void Run(std::function<void(CSetBookmark*)> script)
    {
        ModalAnswers answers([&](const AFX_MODAL_REQUEST& r) {
            if (r.nKind != afxModalDialog)
                return AFX_MODAL_REPLY::Answer(IDCANCEL);
            return AFX_MODAL_REPLY::Script(
                [&](CWnd* dialog) { script(static_cast<CSetBookmark*>(dialog)); });
        });
        Command(IDM_BOOKMARK);
    }
    static void Type(CSetBookmark* d, const char* name)
    {
        d->SetDlgItemText(IDC_BOOKMARK_COMBO, name);
        d->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BOOKMARK_COMBO, CBN_EDITUPDATE),
                       (LPARAM)d->GetDlgItem(IDC_BOOKMARK_COMBO)->m_hWnd);
    }
    static void Choose(CSetBookmark* d, int index)
    {
        d->m_combo.SetCurSel(index);
        d->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BOOKMARK_COMBO, CBN_SELCHANGE),
                       (LPARAM)d->m_combo.m_hWnd);
    }
    static void Press(CSetBookmark* d, int id)
    {
        d->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(d->m_hWnd, id));
    }
    static bool ButtonEnabled(CSetBookmark* d, int id)
    {
        return ::IsWindowEnabled(::GetDlgItem(d->m_hWnd, id)) != FALSE;
    }
    // Adds a bookmark by name at the caret through the dialog.
    void Add(long at, const char* name)
    {
        view->SetSelPair(at, at);
        Run([&](CSetBookmark* d) {
            Type(d, name);
            Press(d, IDC_BOOKMARK_ADD);
        });
    }
    std::vector<std::string> Targets()
    {
        std::vector<std::string> names;
        for (const CRichField& f : view->GetTextControl()->Core().Document().Fields())
            if (f.type == TXFIELDTYPE_TARGET)
                names.push_back(richtext::Utf16ToAnsi(f.typeText));
        return names;
    }
    CMyTXWordsView* view = nullptr;
};

} // namespace

TEST_F(BookmarkDialog, WithoutBookmarksTheListIsEmptyAndAddNeedsAName)
{
    bool ran = false;
    Run([&](CSetBookmark* d) {
        ran = true;
        EXPECT_EQ(d->m_combo.GetCount(), 0);
        EXPECT_FALSE(ButtonEnabled(d, IDC_BOOKMARK_GOTO));
        EXPECT_FALSE(ButtonEnabled(d, IDC_BOOKMARK_DELETE));
        // Add before anything was typed or chosen does nothing.
        Press(d, IDC_BOOKMARK_ADD);
        EXPECT_TRUE(::IsWindow(d->m_hWnd));
        Press(d, IDCANCEL);
    });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(Targets().empty());
    EXPECT_FALSE(view->m_bChanged);
}

TEST_F(BookmarkDialog, AddsListsGoesToAndDeletes)
{
    Add(10, "Weather");
    Add(18, "Sport");
    EXPECT_EQ(Targets(), (std::vector<std::string> {"Weather", "Sport"}));
    EXPECT_TRUE(view->m_bChanged);

    view->SetSelPair(0, 0);
    Run([&](CSetBookmark* d) {
        ASSERT_EQ(d->m_combo.GetCount(), 2);
        CString first;
        d->m_combo.GetLBText(0, first);
        EXPECT_EQ(std::string(first), "Weather");
        EXPECT_TRUE(ButtonEnabled(d, IDC_BOOKMARK_GOTO));
        // Typing disables Go To and Delete until an entry is chosen again.
        Type(d, "Sp");
        EXPECT_FALSE(ButtonEnabled(d, IDC_BOOKMARK_GOTO));
        EXPECT_FALSE(ButtonEnabled(d, IDC_BOOKMARK_DELETE));
        // A name already in the list (in any case) adds nothing; the dialog stays.
        Type(d, "weather");
        Press(d, IDC_BOOKMARK_ADD);
        EXPECT_TRUE(::IsWindow(d->m_hWnd));
        EXPECT_EQ(d->m_combo.GetCount(), 2);
        Choose(d, 1);
        EXPECT_TRUE(ButtonEnabled(d, IDC_BOOKMARK_GOTO));
        Press(d, IDC_BOOKMARK_GOTO);
    });
    // After Go To the caret stands at the target and the editor has the focus.
    long start = 0, end = 0;
    const CRichField& sport = view->GetTextControl()->Core().Document().Fields()[1];
    EXPECT_EQ(Caret(view), static_cast<long>(sport.start));
    EXPECT_EQ(::GetFocus(), view->GetTextControl()->m_hWnd);
    (void)start;
    (void)end;

    Run([&](CSetBookmark* d) {
        Choose(d, 0);
        Press(d, IDC_BOOKMARK_DELETE);
        EXPECT_TRUE(::IsWindow(d->m_hWnd)); // the dialog stays open
        EXPECT_EQ(d->m_combo.GetCount(), 1);
        Press(d, IDCANCEL);
    });
    EXPECT_EQ(Targets(), (std::vector<std::string> {"Sport"}));
    EXPECT_EQ(ViewText(view), "Headlines\nWeather\nSport\n");
}

TEST_F(BookmarkDialog, CancelPutsTheSelectionBackAndNamesAreCutToTheBuffer)
{
    view->SetSelPair(2, 7);
    Run([&](CSetBookmark* d) { Press(d, IDCANCEL); });
    // The same range, its ends exchanged as the dialog puts them back.
    const TXPAIR sel = view->GetSelPair();
    EXPECT_EQ(std::min(sel.first, sel.second), 2);
    EXPECT_EQ(std::max(sel.first, sel.second), 7);
    // The name field holds at most 99 characters: a longer name is cut there.
    Add(0, std::string(150, 'n').c_str());
    ASSERT_EQ(Targets().size(), 1u);
    EXPECT_EQ(Targets()[0], std::string(99, 'n'));
}
