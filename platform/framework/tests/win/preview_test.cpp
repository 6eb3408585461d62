// Print preview in the main frame: opened over the frame's view and bars, paged, shown
// one and two pages at a time, zoomed by the bar and the magnifier, printed from, and
// closed back to the frame as it was; two documents previewed one after the other.
#include <gtest/gtest.h>

#include "modal_support.h"
#include "print_fixture.h"

namespace {

// The preview the main frame shows, or null.
CPreviewView* PreviewOf(CFrameWnd* pFrame)
{
    CWnd* pWnd = pFrame->GetDlgItem(AFX_IDW_PANE_FIRST);
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CPreviewView)) ? (CPreviewView*)pWnd
                                                                          : nullptr;
}

std::string FirstText(HENHMETAFILE hPage)
{
    std::vector<CPageText> texts = CPageDevice::TextsOf(hPage);
    return texts.empty() ? std::string() : std::string((LPCSTR)texts.front().strText);
}

BOOL ButtonEnabled(CFrameWnd* pFrame, UINT nID)
{
    CWnd* pBar = pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR);
    return pBar != nullptr && ::IsWindowEnabled(::GetDlgItem(pBar->m_hWnd, nID));
}

struct PreviewProgram : PrintProgram
{
    CStatusBar statusBar;
    PreviewProgram()
    {
        static const UINT indicators[] = {ID_SEPARATOR};
        if (pMainFrame != nullptr && statusBar.Create(pMainFrame))
            statusBar.SetIndicators(indicators, 1);
        if (pMainFrame != nullptr)
            pMainFrame->RecalcLayout();
    }
    void Command(UINT nID) { pMainFrame->SendMessage(WM_COMMAND, nID); }
    void Idle() { app.OnIdle(0); }
};

TEST(PrintPreview, OpensOverTheFramePagesZoomsAndClosesBackToItsViewAndBars)
{
    PreviewProgram program;
    ASSERT_NE(program.pMainFrame, nullptr);
    CTestMainFrame* pFrame = program.pMainFrame;
    CLinesView* pView = program.NewLines(100); // three pages
    ASSERT_NE(pView, nullptr);
    ASSERT_TRUE(program.statusBar.IsWindowVisible());
    HMENU hMenuBefore = ::GetMenu(pFrame->m_hWnd);
    HWND hClient = pFrame->m_hWndMDIClient;

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    CPreviewView* pPreview = PreviewOf(pFrame);
    ASSERT_NE(pPreview, nullptr);
    EXPECT_TRUE(Trace().bPreview);
    EXPECT_EQ(Trace().nBegin, 1);
    EXPECT_FALSE(program.statusBar.IsWindowVisible());
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), nullptr);
    EXPECT_FALSE(::IsWindowVisible(hClient));
    EXPECT_EQ(pFrame->GetActiveView(), pPreview);
    CWnd* pBar = pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR);
    ASSERT_NE(pBar, nullptr);
    EXPECT_TRUE(pBar->IsWindowVisible());
    // The preview fills what the bar leaves.
    CRect client, rectBar, rectPreview;
    pFrame->GetClientRect(&client);
    pBar->GetWindowRect(&rectBar);
    pPreview->GetWindowRect(&rectPreview);
    EXPECT_EQ(rectPreview.top, rectBar.bottom);
    EXPECT_EQ(rectPreview.Width(), client.Width());

    // Page 1 shows, Prev is off; Next pages on to the last page, where Next is off.
    pPreview->UpdateWindow();
    EXPECT_EQ(pPreview->GetCurrentPage(), 1u);
    EXPECT_EQ(FirstText(pPreview->GetPageImage(1)), "Line 1");
    program.Idle();
    EXPECT_FALSE(ButtonEnabled(pFrame, AFX_ID_PREVIEW_PREV));
    EXPECT_TRUE(ButtonEnabled(pFrame, AFX_ID_PREVIEW_NEXT));
    EXPECT_FALSE(ButtonEnabled(pFrame, AFX_ID_PREVIEW_ZOOMOUT));
    program.Command(AFX_ID_PREVIEW_NEXT);
    program.Command(AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(pPreview->GetCurrentPage(), 3u);
    EXPECT_EQ(FirstText(pPreview->GetPageImage(3)), "Line 81");
    program.Command(AFX_ID_PREVIEW_NEXT); // no page 4
    EXPECT_EQ(pPreview->GetCurrentPage(), 3u);
    program.Idle();
    EXPECT_FALSE(ButtonEnabled(pFrame, AFX_ID_PREVIEW_NEXT));
    EXPECT_TRUE(ButtonEnabled(pFrame, AFX_ID_PREVIEW_PREV));
    ::SendMessageA(pPreview->m_hWnd, WM_KEYDOWN, VK_PRIOR, 0);
    EXPECT_EQ(pPreview->GetCurrentPage(), 2u);

    // Two pages side by side, then one again; the button says what it will show.
    EXPECT_EQ(DlgItemText(pBar, AFX_ID_PREVIEW_NUMPAGE), CString("&Two Page"));
    program.Command(AFX_ID_PREVIEW_NUMPAGE);
    EXPECT_EQ(pPreview->GetPagesShown(), 2u);
    CRect left = pPreview->GetPageRect(0), right = pPreview->GetPageRect(1);
    EXPECT_FALSE(left.IsRectEmpty());
    EXPECT_GT(right.left, left.right);
    program.Idle();
    EXPECT_EQ(DlgItemText(pBar, AFX_ID_PREVIEW_NUMPAGE), CString("&One Page"));
    EXPECT_FALSE(ButtonEnabled(pFrame, AFX_ID_PREVIEW_NEXT)); // pages 2 and 3 show

    // Over a page the pointer is the magnifier; a click on the right page zooms in there.
    CPoint centre = right.CenterPoint();
    CPoint screen = centre;
    pPreview->ClientToScreen(&screen);
    ::SetCursorPos(screen.x, screen.y);
    pPreview->SendMessage(WM_SETCURSOR, (WPARAM)pPreview->m_hWnd,
                          MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    HINSTANCE hInst =
        AfxFindResourceHandle(MAKEINTRESOURCE(AFX_IDC_MAGNIFY), (LPCSTR)RT_GROUP_CURSOR);
    HCURSOR hMagnify = ::LoadCursorA(hInst, MAKEINTRESOURCE(AFX_IDC_MAGNIFY));
    ASSERT_NE(hMagnify, nullptr);
    EXPECT_EQ(::GetCursor(), hMagnify);
    pPreview->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    EXPECT_EQ(pPreview->GetZoomState(), (UINT)CPreviewView::ZOOM_MIDDLE);
    EXPECT_EQ(pPreview->GetCurrentPage(), 3u);
    CRect zoomed = pPreview->GetPageRect(0);
    EXPECT_GT(zoomed.Width(), right.Width());
    EXPECT_TRUE(pPreview->GetPageRect(1).IsRectEmpty()); // one page when zoomed
    program.Command(AFX_ID_PREVIEW_ZOOMIN);
    EXPECT_EQ(pPreview->GetZoomState(), (UINT)CPreviewView::ZOOM_IN);
    EXPECT_GT(pPreview->GetPageRect(0).Width(), zoomed.Width());
    program.Idle();
    EXPECT_FALSE(ButtonEnabled(pFrame, AFX_ID_PREVIEW_ZOOMIN));
    EXPECT_TRUE(ButtonEnabled(pFrame, AFX_ID_PREVIEW_ZOOMOUT));
    program.Command(AFX_ID_PREVIEW_ZOOMOUT);
    program.Command(AFX_ID_PREVIEW_ZOOMOUT);
    EXPECT_EQ(pPreview->GetZoomState(), (UINT)CPreviewView::ZOOM_OUT);

    // Close: the frame's view, menu and bars come back and printing ends once.
    program.Command(AFX_ID_PREVIEW_CLOSE);
    EXPECT_EQ(PreviewOf(pFrame), nullptr);
    EXPECT_EQ(pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR), nullptr);
    EXPECT_EQ(pFrame->GetDlgItem(AFX_IDW_PANE_FIRST)->GetSafeHwnd(), hClient);
    EXPECT_TRUE(::IsWindowVisible(hClient));
    EXPECT_TRUE(program.statusBar.IsWindowVisible());
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), hMenuBefore);
    EXPECT_EQ(Trace().nEnd, 1);
    EXPECT_EQ(pFrame->GetActiveFrame()->GetActiveView(), pView);
    pView->GetClientRect(&rectPreview);
    EXPECT_GT(rectPreview.Width(), 0);
}

TEST(PrintPreview, TwoDocumentsPreviewedOneAfterTheOtherShowTheirOwnPages)
{
    PreviewProgram program;
    ASSERT_NE(program.pMainFrame, nullptr);
    CLinesView* pAlpha = program.NewLines(50, "Alpha");
    CLinesView* pBravo = program.NewLines(130, "Bravo");
    ASSERT_NE(pAlpha, nullptr);
    ASSERT_NE(pBravo, nullptr);
    struct Case
    {
        CLinesView* pView;
        const char* pszFirst;
        UINT nLastPage;
    } cases[] = {{pBravo, "Bravo 1", 4}, {pAlpha, "Alpha 1", 2}};
    for (const Case& c : cases) {
        program.pMainFrame->MDIActivate(c.pView->GetParentFrame());
        c.pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
        CPreviewView* pPreview = PreviewOf(program.pMainFrame);
        ASSERT_NE(pPreview, nullptr) << c.pszFirst;
        EXPECT_EQ(pPreview->m_pPrintView, c.pView);
        EXPECT_EQ(FirstText(pPreview->GetPageImage(1)), c.pszFirst);
        EXPECT_NE(pPreview->GetPageImage(c.nLastPage), nullptr);
        EXPECT_EQ(pPreview->GetPageImage(c.nLastPage + 1), nullptr);
        // Closing the main frame while it previews closes only the preview.
        program.pMainFrame->SendMessage(WM_CLOSE);
        ASSERT_TRUE(::IsWindow(program.pMainFrame->m_hWnd));
        EXPECT_EQ(PreviewOf(program.pMainFrame), nullptr);
        EXPECT_TRUE(::IsWindowVisible(program.pMainFrame->m_hWndMDIClient));
        EXPECT_EQ(program.pMainFrame->GetActiveFrame()->GetActiveView(), c.pView);
    }
    EXPECT_EQ(Trace().nBegin, 2);
    EXPECT_EQ(Trace().nEnd, 2);
}

TEST(PrintPreview, PrintFromThePreviewClosesItAndPrintsTheDocument)
{
    PreviewProgram program;
    ASSERT_NE(program.pMainFrame, nullptr);
    CLinesView* pView = program.NewLines(100);
    ASSERT_NE(pView, nullptr);
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(PreviewOf(program.pMainFrame), nullptr);
    CPrintDialogAnswer answer(0, 0);
    Trace().pages.clear();
    program.Command(AFX_ID_PREVIEW_PRINT);
    EXPECT_EQ(PreviewOf(program.pMainFrame), nullptr);
    EXPECT_EQ(answer.nAsked, 1);
    EXPECT_EQ(Trace().pages, (std::vector<UINT> {1, 2, 3}));
    EXPECT_EQ(program.device.GetPageCount(), 3);
}

TEST(PrintPreview, WithoutAPrinterOrPageDeviceItShowsLetterPages)
{
    PreviewProgram program;
    ASSERT_NE(program.pMainFrame, nullptr);
    PRINTDLGA pd = {};
    if (program.app.GetPrinterDeviceDefaults(&pd))
        GTEST_SKIP() << "this machine has a printer";
    CLinesView* pView = program.NewLines(10);
    ASSERT_NE(pView, nullptr);
    AfxSetPageDevice(nullptr);
    CMessageBoxRecorder boxes;
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    CPreviewView* pPreview = PreviewOf(program.pMainFrame);
    ASSERT_NE(pPreview, nullptr);
    EXPECT_EQ(boxes.Count(), 0u);
    ASSERT_NE(pPreview->GetPageDevice(), nullptr);
    EXPECT_EQ(pPreview->GetPageDevice()->GetPageSize(), CSize(2550, 3300));
    EXPECT_EQ(FirstText(pPreview->GetPageImage(1)), "Line 1");
    ::SendMessageA(pPreview->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(PreviewOf(program.pMainFrame), nullptr);
    AfxSetPageDevice(&program.device);
}

} // namespace
