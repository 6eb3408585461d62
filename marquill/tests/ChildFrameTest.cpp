// The script window's frame: its status bar with the reading time and the information pane,
// and the ruler it shows and hides.
#include "ScriptTestSupport.h"

#include "ChildFrame.h"
#include "MarquillResource.h"
#include "richtext/TXRulerBar.h"

namespace {

class ScriptFrame : public ScriptFixture
{
protected:
    void SetUp() override
    {
        ScriptFixture::SetUp();
        CTXWordsDoc* doc = NewScript();
        ASSERT_NE(doc, nullptr);
        view = doc->GetScriptView();
        frame = static_cast<CChildFrame*>(view->GetParentFrame());
        ASSERT_TRUE(frame->IsKindOf(RUNTIME_CLASS(CChildFrame)));
    }
    void TearDown() override
    {
        if (CTXWordsDoc* doc = ActiveScript())
            doc->SetModifiedFlag(FALSE);
        ScriptFixture::TearDown();
    }
    // The idle-time update the program's message loop gives every bar.
    void Idle() { m_app.OnIdle(0); }
    int PaneWidth(int pane)
    {
        UINT id, style;
        int width;
        frame->m_wndStatusBar.GetPaneInfo(pane, id, style, width);
        return width;
    }
    int TextWidth(const CString& text)
    {
        CClientDC dc(nullptr);
        CFont* old = dc.SelectObject(frame->m_wndStatusBar.GetFont());
        const int width = dc.GetTextExtent(text).cx;
        dc.SelectObject(old);
        return width;
    }
    CMyTXWordsView* view = nullptr;
    CChildFrame* frame = nullptr;
};

} // namespace

TEST_F(ScriptFrame, TheStatusBarShowsTheReadingTimeSizedToItsText)
{
    COverwriteStatus& bar = frame->m_wndStatusBar;
    ASSERT_TRUE(bar.GetSafeHwnd());
    EXPECT_EQ(bar.GetDlgCtrlID(), IDS_STATUS_LINE);
    EXPECT_EQ(bar.GetStyle() & SBARS_SIZEGRIP, 0u);
    Idle();
    EXPECT_EQ(std::string(bar.GetPaneText(0)), "ERT 00:00:00");
    EXPECT_EQ(PaneWidth(0), TextWidth("ERT 00:00:00"));
    EXPECT_EQ(std::string(bar.GetPaneText(2)), "Doubleclick for Info");
    EXPECT_EQ(bar.GetInfoIcon(), 0);

    // A slower reading speed and a long text: the pane follows its text.
    m_app.m_nReadingSpeed = 60;
    TypeText(view, "Twelve words");
    Idle();
    EXPECT_EQ(std::string(bar.GetPaneText(0)), "ERT 00:00:03");
    view->GetTextControl()->ReplaceSel(std::string(59388, 'w').c_str());
    Idle();
    EXPECT_EQ(std::string(bar.GetPaneText(0)), "ERT 03:01:30");
    EXPECT_EQ(PaneWidth(0), TextWidth("ERT 03:01:30"));
}

TEST_F(ScriptFrame, OnlyTheInformationPaneAnswersADoubleClick)
{
    COverwriteStatus& bar = frame->m_wndStatusBar;
    MessageBoxRecorder boxes;
    CRect pane;
    bar.GetItemRect(0, &pane);
    bar.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(pane.left + 2, pane.top + 2));
    bar.GetItemRect(1, &pane);
    bar.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(pane.left + 2, pane.top + 2));
    EXPECT_TRUE(boxes.m_texts.empty());
    bar.GetItemRect(2, &pane);
    bar.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(pane.left + 2, pane.top + 2));
    ASSERT_EQ(boxes.m_texts.size(), 1u);
    EXPECT_EQ(boxes.m_texts[0].substr(0, 35), "The indicators on the left of this\n");
    EXPECT_EQ(bar.GetInfoIcon(), 0); // the pressed icon only while the box is up
}

TEST_F(ScriptFrame, TheRulerStartsHiddenAndTogglesBack)
{
    CTXRulerBar* ruler = view->m_pRulerBar;
    ASSERT_NE(ruler, nullptr);
    EXPECT_FALSE(ruler->IsVisible());
    frame->SendMessage(WM_COMMAND, IDM_TOGGLE_RULER);
    EXPECT_TRUE(ruler->IsVisible());
    frame->SendMessage(WM_COMMAND, IDM_TOGGLE_RULER);
    EXPECT_FALSE(ruler->IsVisible());
}

TEST_F(ScriptFrame, TheScriptConnectsToTheMainFramesRichTextBars)
{
    CMainFrame* main = Frame();
    ASSERT_TRUE(main->m_wndStatusBar.GetSafeHwnd());
    EXPECT_EQ(m_app.m_pStatusBarWnd, &main->m_wndStatusBar);
    EXPECT_EQ(main->GetMessageBar(), &main->m_wndStatusBar);
    view->GetTextControl()->ReplaceSel("One\nTwo\nThree");
    view->SetSelPair(9, 9);
    EXPECT_EQ(std::string(main->m_wndStatusBar.GetPaneText(2)), "Line:    3");
    EXPECT_EQ(std::string(main->m_wndStatusBar.GetPaneText(3)), "Col:    2");
    if (main->m_wndButtonBar.GetSafeHwnd()) {
        EXPECT_EQ(main->m_wndButtonBar.GetControl(), view->GetTextControl());
    }
}
