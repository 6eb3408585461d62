// The script view's own commands: the context menu, colours, bold, italic and underline,
// and the paste over a selection that ends inside a field.
#include "ScriptTestSupport.h"

#include "MarquillResource.h"

namespace {

class ScriptViewCommands : public ScriptFixture
{
protected:
    void SetUp() override
    {
        ScriptFixture::SetUp();
        CTXWordsDoc* doc = NewScript();
        ASSERT_NE(doc, nullptr);
        view = doc->GetScriptView();
        view->GetTextControl()->SetSel(0, -1);
        view->GetTextControl()->ReplaceSel("Good evening and welcome");
    }
    void TearDown() override
    {
        if (CTXWordsDoc* doc = ActiveScript())
            doc->SetModifiedFlag(FALSE);
        ScriptFixture::TearDown();
    }
    const CRichDocument& Doc() { return view->GetTextControl()->Core().Document(); }
    CMyTXWordsView* view = nullptr;
};

} // namespace

TEST_F(ScriptViewCommands, TheKeyboardContextMenuIsTheScriptMenuOwnedByTheMainWindow)
{
    HMENU shown = nullptr;
    HWND owner = nullptr;
    ModalAnswers answers([&](const AFX_MODAL_REQUEST& r) {
        if (r.nKind != afxModalPopupMenu)
            return AFX_MODAL_REPLY::Answer(IDCANCEL);
        shown = r.hMenu;
        owner = r.hWndOwner;
        EXPECT_EQ(::GetMenuItemCount(r.hMenu), 14);
        EXPECT_EQ(::GetMenuItemID(r.hMenu, 0), (UINT)IDM_SPELL_CHECK);
        EXPECT_EQ(::GetMenuItemID(r.hMenu, 9), (UINT)ID_EDIT_SELECT_ALL);
        return AFX_MODAL_REPLY::Answer(ID_EDIT_SELECT_ALL);
    });
    view->SetSelPair(0, 0);
    // Shift+F10 gives the position (-1, -1).
    view->SendMessage(WM_CONTEXTMENU, (WPARAM)view->m_hWnd, MAKELPARAM(-1, -1));
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(owner, Frame()->m_hWnd);
    Pump(); // the chosen command reaches the view through the main window
    const TXPAIR sel = view->GetSelPair();
    EXPECT_EQ(sel.first, 0);
    EXPECT_EQ(sel.second, static_cast<long>(Doc().Length()));
}

TEST_F(ScriptViewCommands, ColoursAndDefaultBlack)
{
    ModalAnswers answers([](const AFX_MODAL_REQUEST& r) {
        if (r.nKind != afxModalCommonDialog)
            return AFX_MODAL_REPLY::Answer(IDCANCEL);
        static_cast<CColorDialog*>(r.pObject)->m_cc.rgbResult = RGB(255, 0, 0);
        return AFX_MODAL_REPLY::Answer(IDOK);
    });
    view->SetSelPair(0, 4);
    Command(IDM_TEXT_COLOR);
    EXPECT_EQ(Doc().FormatAt(0).color, RGB(255, 0, 0));
    EXPECT_EQ(view->m_crTextColor, RGB(255, 0, 0));
    // The toolbar's colour button applies the view's colour.
    view->SetSelPair(5, 12);
    Command(IDM_COLOR_COMBO);
    EXPECT_EQ(Doc().FormatAt(5).color, RGB(255, 0, 0));
    // Default - Black: the selection and the button's colour black again.
    view->SetSelPair(0, 12);
    Command(IDM_DEFAULT_BLACK);
    EXPECT_EQ(Doc().FormatAt(0).color, RGB(0, 0, 0));
    EXPECT_EQ(Doc().FormatAt(6).color, RGB(0, 0, 0));
    EXPECT_EQ(view->m_crTextColor, RGB(0, 0, 0));
    // Background.
    view->SetSelPair(13, 16);
    Command(IDM_BACK_COLOR);
    EXPECT_TRUE(Doc().FormatAt(13).hasBack);
    EXPECT_EQ(Doc().FormatAt(13).back, RGB(255, 0, 0));
    EXPECT_EQ(Doc().FormatAt(13).color, RGB(0, 0, 0));
}

TEST_F(ScriptViewCommands, BoldItalicUnderlineToggle)
{
    view->SetSelPair(0, 4);
    Command(IDM_BOLD);
    Command(IDM_ITALIC);
    Command(IDM_UNDERLINE);
    EXPECT_TRUE(Doc().FormatAt(0).bold);
    EXPECT_TRUE(Doc().FormatAt(3).italic);
    EXPECT_TRUE(Doc().FormatAt(2).underline);
    EXPECT_FALSE(Doc().FormatAt(4).bold);
    Command(IDM_BOLD);
    EXPECT_FALSE(Doc().FormatAt(0).bold);
}

TEST_F(ScriptViewCommands, PastingOverASelectionEndingInAFieldKeepsTheField)
{
    view->GetTextControl()->SetSel(0, -1);
    view->GetTextControl()->ReplaceSel("Top story");
    view->SetSelPair(9, 9);
    Command(IDM_PP_NEXT);
    ASSERT_EQ(ViewText(view), "Top story\n\xABNext\xBB\n");
    view->SetSelPair(0, 3);
    view->SendTx(WM_COPY);
    // From "story" into the middle of the field.
    view->SetSelPair(4, 13);
    Command(ID_EDIT_PASTE);
    ASSERT_EQ(Doc().Fields().size(), 1u);
    EXPECT_EQ(richtext::Utf16ToAnsi(
                  Doc().Text().substr(Doc().Fields()[0].start, Doc().Fields()[0].length)),
              "\xABNext\xBB");
    EXPECT_EQ(ViewText(view).substr(0, 7), "Top Top");
}
