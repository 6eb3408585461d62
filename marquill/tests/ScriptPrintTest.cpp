// A script prints and previews from the main toolbar's Print and Print Preview buttons:
// its pages on the page device, the preview over the main frame with every bar hidden,
// and the frame's bars back as they were when the preview closes.
#include "ScriptTestSupport.h"

namespace {

class ScriptPrinting : public ScriptFixture
{
protected:
    void SetUp() override
    {
        ScriptFixture::SetUp();
        CTXWordsDoc* doc = NewScript();
        ASSERT_NE(doc, nullptr);
        view = doc->GetScriptView();
        std::string text;
        for (int i = 1; i <= 90; i++)
            text += "Anchor read " + std::to_string(i) + (i < 90 ? "\n" : "");
        view->GetTextControl()->SetSel(0, -1);
        view->GetTextControl()->ReplaceSel(text.c_str());
        previous = AfxSetPageDevice(&device);
    }
    void TearDown() override
    {
        AfxSetPageDevice(previous);
        if (CTXWordsDoc* doc = ActiveScript())
            doc->SetModifiedFlag(FALSE);
        ScriptFixture::TearDown();
    }
    static std::string First(HENHMETAFILE page)
    {
        std::vector<CPageText> texts = CPageDevice::TextsOf(page);
        return texts.empty() ? std::string() : std::string((LPCSTR)texts.front().strText);
    }
    CMyTXWordsView* view = nullptr;
    CPageDevice device;
    CPageDevice* previous = nullptr;
};

TEST_F(ScriptPrinting, PrintGivesTheScriptInPagesOnThePageDevice)
{
    int dialogs = 0;
    ModalAnswers answers([&](const AFX_MODAL_REQUEST& request) {
        dialogs += dynamic_cast<CPrintDialog*>(request.pObject) != nullptr;
        return AFX_MODAL_REPLY::Answer(IDOK);
    });
    Command(ID_FILE_PRINT);
    EXPECT_EQ(dialogs, 1);
    ASSERT_GE(device.GetPageCount(), 2);
    EXPECT_EQ(First(device.GetPage(0)), "Anchor read 1");
    size_t lines = 0;
    for (int p = 0; p < device.GetPageCount(); p++)
        lines += CPageDevice::TextsOf(device.GetPage(p)).size();
    EXPECT_EQ(lines, 90u);
}

TEST_F(ScriptPrinting, PreviewHidesTheMainFramesBarsAndClosingGivesThemBack)
{
    CMainFrame* frame = Frame();
    std::vector<CControlBar*> shown;
    for (POSITION pos = frame->m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* bar = (CControlBar*)frame->m_listControlBars.GetNext(pos);
        if (!bar->IsDockBar() && bar->IsWindowVisible())
            shown.push_back(bar);
    }
    ASSERT_FALSE(shown.empty());

    Command(ID_FILE_PRINT_PREVIEW);
    CWnd* pane = frame->GetDlgItem(AFX_IDW_PANE_FIRST);
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(pane->IsKindOf(RUNTIME_CLASS(CPreviewView)));
    CPreviewView* preview = static_cast<CPreviewView*>(pane);
    EXPECT_EQ(preview->m_pPrintView, view);
    for (CControlBar* bar : shown)
        EXPECT_FALSE(bar->IsWindowVisible());
    EXPECT_EQ(First(preview->GetPageImage(1)), "Anchor read 1");
    Command(AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(preview->GetCurrentPage(), 2u);
    EXPECT_NE(First(preview->GetPageImage(2)), "Anchor read 1");

    Command(AFX_ID_PREVIEW_CLOSE);
    EXPECT_FALSE(frame->GetDlgItem(AFX_IDW_PANE_FIRST)->IsKindOf(RUNTIME_CLASS(CPreviewView)));
    for (CControlBar* bar : shown)
        EXPECT_TRUE(bar->IsWindowVisible());
    EXPECT_EQ(ActiveScript()->GetScriptView(), view);
}

} // namespace
