// The rundown printed and previewed from the main toolbar's Print and Print Preview: a copy
// of the rundown grid in a print frame of its own, the show's name in every page's header,
// the pages on the page device; the preview paged and closed back to the main frame; the
// rundown itself untouched. The rundown bar holds the show view in a one-tab tab window.
#include "ShowTestSupport.h"

#include <map>
#include <set>

#include "BrovanexModule.h"
#include "RundownBar.h"
#include "fw/preview.h"
#include "fw/print.h"

namespace {

const int kStories = 90;

class ShowPrinting : public ShowFixture
{
protected:
    void SetUp() override
    {
        ShowFixture::SetUp();
        // The library's cell controls draw the printed cells, as in the program.
        static bool started = false;
        if (!started) {
            GridInit();
            started = true;
        }
        previous = AfxSetPageDevice(&device);
        view->OnNewShow();
        POSITION eos = view->m_ScriptList.GetTailPosition();
        for (int i = 1; i <= kStories; i++) {
            CFileInfo* row = new CFileInfo;
            row->RowType = ROW_SCRIPT;
            row->Slug.Format("Story %d", i);
            row->ERT = "00:00:30";
            row->SOT = "00:00:00";
            row->TTL = CBaseGrid::ReCalcTTL(row->ERT, row->SOT);
            row->SetRecNo();
            view->m_ScriptList.InsertBefore(eos, row);
        }
        view->m_ScriptList.UpdatePosition();
        view->m_ColInfo.RowCount = kStories + 1;
        view->RefreshRundown(1);
        ASSERT_EQ(view->m_Grid.GetRowCount(), (ROWCOL)kStories + 1);
        mainFrame = Frame();
    }
    void TearDown() override
    {
        AfxSetPageDevice(previous);
        // A preview left open: the main frame is the main window again, and goes with it.
        if (mainFrame != nullptr)
            m_app.m_pMainWnd = mainFrame;
        ShowFixture::TearDown();
    }
    static std::vector<std::string> Texts(HENHMETAFILE page)
    {
        std::vector<std::string> texts;
        for (const CPageText& text : CPageDevice::TextsOf(page))
            texts.push_back((LPCSTR)text.strText);
        return texts;
    }
    static bool Has(const std::vector<std::string>& texts, const std::string& text)
    {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    static CPreviewView* PreviewIn(CWnd* frame)
    {
        CWnd* pane = frame != nullptr ? frame->GetDlgItem(AFX_IDW_PANE_FIRST) : nullptr;
        return pane != nullptr && pane->IsKindOf(RUNTIME_CLASS(CPreviewView))
            ? static_cast<CPreviewView*>(pane)
            : nullptr;
    }
    // Answers the print dialog with nAnswer (the printer's defaults, asked for unseen first,
    // with OK) and counts the dialogs the user would have seen.
    AFX_MODAL_ANSWERER PrintDialogAnswer(INT_PTR nAnswer, int& dialogs)
    {
        return [nAnswer, &dialogs](const AFX_MODAL_REQUEST& request) {
            CPrintDialog* pd = dynamic_cast<CPrintDialog*>(request.pObject);
            if (pd == nullptr)
                return AFX_MODAL_REPLY::Answer(IDCANCEL);
            if (pd->m_pd.Flags & PD_RETURNDEFAULT)
                return AFX_MODAL_REPLY::Answer(IDOK);
            dialogs++;
            return AFX_MODAL_REPLY::Answer(nAnswer);
        };
    }
    CMainFrame* mainFrame = nullptr; // the program's main frame, whatever is the main window
    CPageDevice device;
    CPageDevice* previous = nullptr;
};

TEST_F(ShowPrinting, PrintPutsEveryRowOnThePageDeviceUnderTheShowsName)
{
    const ROWCOL top = view->m_Grid.GetTopRow();
    struct Case
    {
        const char* name; // given by SetShow
        bool headed; // the name is in every page's header
    } cases[] = {{"Evening News", true}, {"", false}};
    for (const Case& c : cases) {
        view->SetShow(c.name);
        device.DiscardPages();
        int dialogs = 0;
        ModalAnswers answers(PrintDialogAnswer(IDOK, dialogs));
        Command(ID_FILE_PRINT);
        EXPECT_EQ(dialogs, 1) << c.name;
        ASSERT_GE(device.GetPageCount(), 2) << c.name;

        std::map<std::string, int> printed;
        for (int p = 0; p < device.GetPageCount(); p++) {
            const std::vector<std::string> texts = Texts(device.GetPage(p));
            EXPECT_EQ(Has(texts, "Evening News"), c.headed) << c.name << " page " << p + 1;
            EXPECT_FALSE(Has(texts, "$R")) << "page " << p + 1;
            EXPECT_TRUE(Has(texts, "Slug")) << "the headings on page " << p + 1;
            for (const std::string& text : texts)
                printed[text]++;
        }
        for (int i = 1; i <= kStories; i++)
            EXPECT_EQ(printed["Story " + std::to_string(i)], 1) << i;
        EXPECT_EQ(printed["End of Show"], 1);

        // The print frame is gone; the main frame is the main window; the rundown as it was.
        EXPECT_EQ(AfxGetMainWnd(), mainFrame);
        EXPECT_EQ(mainFrame->MDIGetActive(), nullptr);
        EXPECT_EQ(view->m_Grid.GetRowCount(), (ROWCOL)kStories + 1);
        EXPECT_EQ(view->m_Grid.GetTopRow(), top);
    }
}

TEST_F(ShowPrinting, ACancelledPrintDialogPrintsNothingAndPutsTheMainWindowBack)
{
    int dialogs = 0;
    ModalAnswers answers(PrintDialogAnswer(IDCANCEL, dialogs));
    Command(ID_FILE_PRINT);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(device.GetPageCount(), 0);
    EXPECT_EQ(AfxGetMainWnd(), mainFrame);
    EXPECT_EQ(mainFrame->MDIGetActive(), nullptr);
}

TEST_F(ShowPrinting, PreviewOpensInAPrintFramePagesAndClosesBackToTheMainFrame)
{
    view->SetShow("Evening News");
    int dialogs = 0;
    ModalAnswers answers(PrintDialogAnswer(IDOK, dialogs));
    Command(ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(dialogs, 0); // a preview asks nothing
    CWnd* printFrame = AfxGetMainWnd();
    ASSERT_NE(printFrame, nullptr);
    ASSERT_NE(printFrame, mainFrame);
    EXPECT_EQ(printFrame->GetParentFrame(), mainFrame); // a child of the main frame
    EXPECT_TRUE(printFrame->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)));
    CString caption;
    printFrame->GetWindowText(caption);
    EXPECT_STREQ(caption, "Header/Footer Print Preview");
    EXPECT_TRUE(printFrame->IsZoomed());
    const HWND hPrintFrame = printFrame->m_hWnd;

    CPreviewView* preview = PreviewIn(printFrame);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->GetCurrentPage(), 1u);
    const std::vector<std::string> first = Texts(preview->GetPageImage(1));
    EXPECT_TRUE(Has(first, "Evening News"));
    EXPECT_TRUE(Has(first, "Story 1"));
    printFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(preview->GetCurrentPage(), 2u);
    const std::vector<std::string> second = Texts(preview->GetPageImage(2));
    EXPECT_TRUE(Has(second, "Evening News"));
    EXPECT_FALSE(Has(second, "Story 1"));
    EXPECT_TRUE(Has(second, "End of Show"));
    // The rundown itself is not touched by the copy.
    EXPECT_EQ(view->m_Grid.GetRowCount(), (ROWCOL)kStories + 1);

    printFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
    Pump();
    EXPECT_EQ(AfxGetMainWnd(), mainFrame);
    EXPECT_FALSE(::IsWindow(hPrintFrame));
    EXPECT_EQ(mainFrame->MDIGetActive(), nullptr);
    EXPECT_TRUE(mainFrame->IsWindowVisible());
}

TEST_F(ShowPrinting, TheRundownBarHoldsTheShowViewInATabWindowWithOneTab)
{
    CGXTabWnd& tabs = Frame()->m_wndRundownBar.GetTabWnd();
    ASSERT_TRUE(::IsWindow(tabs.m_hWnd));
    EXPECT_EQ(tabs.GetDlgCtrlID(), (int)CRundownBar::kPaneID);
    EXPECT_EQ(view->GetParent(), &tabs);
    EXPECT_EQ(tabs.GetActivePane(), view);
    ASSERT_EQ(tabs.GetBeam().GetCount(), 1);
    EXPECT_STREQ(tabs.GetBeam().GetTabInfo(0).sLabel, "Rundown");
    // The view scrolls with its own grid: the tab window's bars are hidden.
    EXPECT_FALSE(tabs.GetDlgItem(GX_IDW_HSCROLL)->IsWindowVisible());
    EXPECT_FALSE(tabs.GetDlgItem(GX_IDW_VSCROLL)->IsWindowVisible());
    // The tab shows the show's path, "Rundown" without one.
    view->UpdateTabCaption("C:\\Shows\\Evening.shw");
    EXPECT_STREQ(tabs.GetBeam().GetTabInfo(0).sLabel, "C:\\Shows\\Evening.shw");
    view->UpdateTabCaption(CString());
    EXPECT_STREQ(tabs.GetBeam().GetTabInfo(0).sLabel, "Rundown");
}

} // namespace
