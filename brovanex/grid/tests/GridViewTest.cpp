// The grid as a view of a test document in an MDI child frame: its first update binds and
// initialises the core, the print device is shared through the parameter object, scroll
// messages reach the grid, and the printing entry runs the print-device feature's dialogs.
#include "GridTestWindow.h"
#include "GridViewTestRes.h"
#include "core/GXGridView.h"
#include "core/GXPrintDevice.h"
#include "fw/app.h"
#include "fw/doctemplate.h"
#include "fw/document.h"
#include "fw/frame.h"
#include "fw/modal.h"
#include "fw/print.h"
#include <gtest/gtest.h>

namespace {
// The document keeps the grid's parameter object; each of its views shares it.
class CGridTestDoc : public CDocument
{
    DECLARE_DYNCREATE(CGridTestDoc)
public:
    CGXGridParam m_param;
};
IMPLEMENT_DYNCREATE(CGridTestDoc, CDocument)

class CGridTestView : public CGXGridView
{
    DECLARE_DYNCREATE(CGridTestView)
public:
    void OnInitialUpdate() override
    {
        AttachParam(&static_cast<CGridTestDoc*>(GetDocument())->m_param, FALSE);
        CGXGridView::OnInitialUpdate();
        if (GetRowCount() == 0) {
            SetRowCount(300);
            SetColCount(8);
        }
    }
    void OnPrinterChanged() override { ++m_nPrinterChanges; }
    int m_nPrinterChanges = 0;
};
IMPLEMENT_DYNCREATE(CGridTestView, CGXGridView)

class CGridTestChild : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CGridTestChild)
};
IMPLEMENT_DYNCREATE(CGridTestChild, CMDIChildWnd)

class CGridTestMain : public CMDIFrameWnd
{
    DECLARE_DYNCREATE(CGridTestMain)
};
IMPLEMENT_DYNCREATE(CGridTestMain, CMDIFrameWnd)

class CGridTestApp : public CWinApp
{
public:
    CGridTestApp() : CWinApp("Grid View Test") { }
};

// The print-device feature's dialogs, answered by the test.
class CAnsweringPrintImp : public CGXAbstractPrintDeviceImp
{
public:
    void SetDeviceHandles(CGXPrintDevice*, HGLOBAL, HGLOBAL) override { }
    void SetDeviceData(CGXPrintDevice*, const void*, DWORD, const void*, DWORD) override { }
    void FreeDevice(CGXPrintDevice*) override { }
    BOOL GetDeviceData(CGXPrintDevice*, HGLOBAL, HGLOBAL, void*&, DWORD&, void*&, DWORD&) override
    {
        return FALSE;
    }
    void NeedDefaultDevice(CGXPrintDevice*) override { }
    HDC GetPrinterDC(CGXPrintDevice*) override { return nullptr; }
    void ResetPrinterDC(CGXPrintDevice*) override { }
    void GetDeviceHandles(CGXPrintDevice*, HGLOBAL&, HGLOBAL&) override { }
    void UpdateDeviceHandles(CGXPrintDevice*, HGLOBAL, HGLOBAL) override { }
    void UpdateDeviceData(CGXPrintDevice*, const void*, DWORD, const void*, DWORD) override { }
    int RunPrintSetupDialog(CGXPrintDevice* pDevice) override
    {
        m_pAsked = pDevice;
        return m_nSetupAnswer;
    }
    BOOL RunPrintDialog(CGXPrintDevice* pDevice, void*) override
    {
        m_pAsked = pDevice;
        return m_bPrintAnswer;
    }
    int m_nSetupAnswer = IDOK;
    BOOL m_bPrintAnswer = TRUE;
    CGXPrintDevice* m_pAsked = nullptr;
};

class GridViewProgram : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GXTestEnsureGridClasses();
        m_pTemplate =
            new CMultiDocTemplate(IDR_GRIDVIEW_DOC, RUNTIME_CLASS(CGridTestDoc),
                                  RUNTIME_CLASS(CGridTestChild), RUNTIME_CLASS(CGridTestView));
        m_app.AddDocTemplate(m_pTemplate);
        m_pMain = new CGridTestMain;
        ASSERT_TRUE(m_pMain->LoadFrame(IDR_GRIDVIEW_MAIN));
        m_app.m_pMainWnd = m_pMain;
        m_pMain->ShowWindow(SW_SHOW);
        m_pDoc = static_cast<CGridTestDoc*>(m_pTemplate->OpenDocumentFile(nullptr));
        ASSERT_NE(m_pDoc, nullptr);
        CGridTestWindow::Pump();
    }
    void TearDown() override
    {
        m_app.CloseAllDocuments(TRUE);
        if (m_pMain != nullptr && ::IsWindow(m_pMain->m_hWnd))
            m_pMain->DestroyWindow();
        CGridTestWindow::Pump();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    CGridTestView* FirstView()
    {
        POSITION pos = m_pDoc->GetFirstViewPosition();
        return static_cast<CGridTestView*>(m_pDoc->GetNextView(pos));
    }

    CGridTestApp m_app;
    CMultiDocTemplate* m_pTemplate = nullptr;
    CGridTestMain* m_pMain = nullptr;
    CGridTestDoc* m_pDoc = nullptr;
};

TEST_F(GridViewProgram, TheFirstUpdateBindsTheGridToTheViewAndItsDocument)
{
    CGridTestView* pView = FirstView();
    ASSERT_NE(pView, nullptr);
    EXPECT_TRUE(pView->IsInitialized());
    EXPECT_EQ(pView->m_pWindow, pView);
    EXPECT_EQ(pView->m_pOwnerDoc, m_pDoc);
    EXPECT_TRUE(pView->m_bInView);
    EXPECT_EQ(pView->GetParam(), &m_pDoc->m_param);
    EXPECT_EQ(pView->GetScrollBarMode(SB_VERT), GX_SBMODE_LASTUSEFUL | GX_SBMODE_AUTO);
    EXPECT_TRUE(pView->GetParentFrame()->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)));

    // Real messages reach the grid: the vertical bar scrolls it, and it paints.
    pView->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    EXPECT_EQ(pView->GetTopRow(), 2u);
    EXPECT_EQ(pView->GetScrollPos(SB_VERT), 2);
    pView->Invalidate();
    pView->UpdateWindow();
}

TEST_F(GridViewProgram, WithActiveViewOnlyAClickFromAnotherFrameBringsTheFocusIntoTheGrid)
{
    CGridTestView* pView = FirstView();
    ASSERT_NE(pView, nullptr);
    // A second document's frame holds the focus.
    CDocument* pOther = m_pTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(pOther, nullptr);
    CGridTestWindow::Pump();
    POSITION pos = pOther->GetFirstViewPosition();
    CView* pOtherView = pOther->GetNextView(pos);
    ASSERT_NE(pOtherView, nullptr);
    pOtherView->SetFocus();
    ASSERT_EQ(::GetFocus(), pOtherView->GetSafeHwnd());

    const LPARAM lClick = MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN);
    for (BOOL bActiveViewOnly : {FALSE, TRUE}) {
        pOtherView->SetFocus();
        pView->m_hLastFocusWnd = pOtherView->GetSafeHwnd();
        pView->GetParam()->m_bActiveViewOnly = bActiveViewOnly;
        const LRESULT lResult =
            pView->SendMessage(WM_MOUSEACTIVATE, (WPARAM)m_pMain->GetSafeHwnd(), lClick);
        if (bActiveViewOnly) {
            EXPECT_EQ(lResult, MA_ACTIVATE);
            EXPECT_EQ(::GetFocus(), pView->GetSafeHwnd());
            EXPECT_EQ(pView->m_hLastFocusWnd, pView->GetSafeHwnd()) << "the grid remembers itself";
            // Now the grid is in its own frame: the next click goes to the cell as before.
            pView->SendMessage(WM_MOUSEACTIVATE, (WPARAM)m_pMain->GetSafeHwnd(), lClick);
            EXPECT_EQ(::GetFocus(), pView->GetSafeHwnd());
        } else {
            EXPECT_EQ(pView->m_hLastFocusWnd, pOtherView->GetSafeHwnd()) << "left to the frame";
        }
    }
    pView->GetParam()->m_bActiveViewOnly = FALSE;
}

TEST_F(GridViewProgram, ViewsOfOneParameterObjectShareOnePrintDevice)
{
    CGridTestView* pFirst = FirstView();
    ASSERT_NE(pFirst->GetPrintDevice(), nullptr);
    EXPECT_EQ(pFirst->GetPrintDevice(), m_pDoc->m_param.GetPrintDevice());
    EXPECT_FALSE(pFirst->m_bOwnPrintDevice);

    CFrameWnd* pFrame = m_pTemplate->CreateNewFrame(m_pDoc, nullptr);
    ASSERT_NE(pFrame, nullptr);
    m_pTemplate->InitialUpdateFrame(pFrame, m_pDoc);
    CGridTestWindow::Pump();
    POSITION pos = m_pDoc->GetFirstViewPosition();
    m_pDoc->GetNextView(pos);
    auto* pSecond = static_cast<CGridTestView*>(m_pDoc->GetNextView(pos));
    ASSERT_NE(pSecond, nullptr);
    ASSERT_NE(pSecond, pFirst);
    EXPECT_EQ(pSecond->GetPrintDevice(), pFirst->GetPrintDevice());
}

TEST_F(GridViewProgram, PrintingEntryRunsThePrintDeviceDialogs)
{
    CGridTestView* pView = FirstView();
    CAnsweringPrintImp imp;
    CGXAbstractPrintDeviceImp* pOld = GXGetLibraryState().m_pPrintDeviceImp;
    GXGetLibraryState().m_pPrintDeviceImp = &imp;

    EXPECT_TRUE(pView->PreparePrinting(nullptr));
    EXPECT_EQ(imp.m_pAsked, pView->GetPrintDevice());
    EXPECT_EQ(pView->m_nPrinterChanges, 1);
    imp.m_bPrintAnswer = FALSE; // cancelled: printing does not start
    EXPECT_FALSE(pView->PreparePrinting(nullptr));
    EXPECT_EQ(pView->m_nPrinterChanges, 1);

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_SETUP, 0);
    EXPECT_EQ(pView->m_nPrinterChanges, 2);
    imp.m_nSetupAnswer = IDCANCEL;
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_SETUP, 0);
    EXPECT_EQ(pView->m_nPrinterChanges, 2);

    GXGetLibraryState().m_pPrintDeviceImp = pOld;
}

TEST_F(GridViewProgram, WithoutThePrintDeviceFeatureTheFrameworkPrepares)
{
    CGridTestView* pView = FirstView();
    CGXAbstractPrintDeviceImp* pOld = GXGetLibraryState().m_pPrintDeviceImp;
    GXGetLibraryState().m_pPrintDeviceImp = nullptr;
    CPageDevice device;
    CPageDevice* pOldDevice = AfxSetPageDevice(&device);
    int nAsked = 0;
    WORD nMaxPage = 0;
    DWORD dwFlags = 0;
    INT_PTR nAnswer = IDOK;
    AFX_MODAL_ANSWERER previous = AfxSetModalAnswerer([&](const AFX_MODAL_REQUEST& request) {
        CPrintDialog* pPD = dynamic_cast<CPrintDialog*>(request.pObject);
        if (pPD == nullptr)
            return AFX_MODAL_REPLY::Answer(IDCANCEL);
        ++nAsked;
        nMaxPage = pPD->m_pd.nMaxPage;
        dwFlags = pPD->m_pd.Flags;
        return AFX_MODAL_REPLY::Answer(nAnswer);
    });
    {
        CPrintInfo info;
        EXPECT_TRUE(pView->OnPreparePrinting(&info));
        EXPECT_EQ(nAsked, 1);
        EXPECT_EQ(nMaxPage, 0xFFFF) << "the page count is found while printing";
        EXPECT_EQ(dwFlags & PD_NOSELECTION, 0u) << "the selection may be printed";
    }
    {
        nAnswer = IDCANCEL;
        CPrintInfo info;
        EXPECT_FALSE(pView->OnPreparePrinting(&info)) << "a cancelled dialog prints nothing";
        EXPECT_EQ(nAsked, 2);
    }
    AfxSetModalAnswerer(previous);
    AfxSetPageDevice(pOldDevice);
    GXGetLibraryState().m_pPrintDeviceImp = pOld;
}
} // namespace
