// Two views of one document stay in step through update hints: a change in one view is
// replayed in the other, never in the sender, and a hint for another grid id passes by.
#include "ControlTestSupport.h"
#include "GridTestWindow.h"
#include "GridViewTestRes.h"
#include "core/GXGridView.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXGridHint.h"
#include "features/GXGridMergeCellsImp.h"
#include "features/GXGridMoveRowsColsImp.h"
#include "features/GXGridUserSelectRangeImp.h"
#include "features/GXSortInfo.h"
#include "fw/app.h"
#include "fw/doctemplate.h"
#include "fw/document.h"
#include "fw/frame.h"
#include <gtest/gtest.h>

namespace {
class CHintTestDoc : public CDocument
{
    DECLARE_DYNCREATE(CHintTestDoc)
public:
    CGXGridParam m_param;
};
IMPLEMENT_DYNCREATE(CHintTestDoc, CDocument)

// A view that shares the document's parameter object and sends and receives hints.
class CHintTestView : public CGXGridView
{
    DECLARE_DYNCREATE(CHintTestView)
public:
    void OnInitialUpdate() override
    {
        AttachParam(&static_cast<CHintTestDoc*>(GetDocument())->m_param, FALSE);
        CGXGridView::OnInitialUpdate();
        m_bDocumentLinked = TRUE;
        GXImplementUpdateHint(this);
        GXImplementMoveRowsCols(this);
        GXImplementSort(this);
        if (GetRowCount() == 0) {
            SetRowCount(20);
            SetColCount(4);
        }
    }
    void UpdateMoveDataRows(const CGXRange& range, UINT flags, BOOL bCreateHint) override
    {
        ++m_nSortUpdates;
        CGXGridView::UpdateMoveDataRows(range, flags, bCreateHint);
    }
    int m_nSortUpdates = 0;
};
IMPLEMENT_DYNCREATE(CHintTestView, CGXGridView)

class CHintTestChild : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CHintTestChild)
};
IMPLEMENT_DYNCREATE(CHintTestChild, CMDIChildWnd)

class CHintTestMain : public CMDIFrameWnd
{
    DECLARE_DYNCREATE(CHintTestMain)
};
IMPLEMENT_DYNCREATE(CHintTestMain, CMDIFrameWnd)

class CHintTestApp : public CWinApp
{
public:
    CHintTestApp() : CWinApp("Grid Hint Test") { }
};

class GridHints : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GXTestStartLibrary(); // the standard cell controls, which measure floating text
        GXTestEnsureGridClasses();
        m_pTemplate =
            new CMultiDocTemplate(IDR_GRIDVIEW_DOC, RUNTIME_CLASS(CHintTestDoc),
                                  RUNTIME_CLASS(CHintTestChild), RUNTIME_CLASS(CHintTestView));
        m_app.AddDocTemplate(m_pTemplate);
        m_pMain = new CHintTestMain;
        ASSERT_TRUE(m_pMain->LoadFrame(IDR_GRIDVIEW_MAIN));
        m_app.m_pMainWnd = m_pMain;
        m_pMain->ShowWindow(SW_SHOW);
        m_pDoc = static_cast<CHintTestDoc*>(m_pTemplate->OpenDocumentFile(nullptr));
        ASSERT_NE(m_pDoc, nullptr);
        CFrameWnd* pFrame = m_pTemplate->CreateNewFrame(m_pDoc, nullptr);
        ASSERT_NE(pFrame, nullptr);
        m_pTemplate->InitialUpdateFrame(pFrame, m_pDoc);
        CGridTestWindow::Pump();
        POSITION pos = m_pDoc->GetFirstViewPosition();
        m_pFirst = static_cast<CHintTestView*>(m_pDoc->GetNextView(pos));
        m_pSecond = static_cast<CHintTestView*>(m_pDoc->GetNextView(pos));
        ASSERT_NE(m_pFirst, nullptr);
        ASSERT_NE(m_pSecond, nullptr);
        ASSERT_NE(m_pFirst, m_pSecond);
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
    static ROWCOL CurrentRow(CGXGridCore* pGrid)
    {
        ROWCOL nRow = 0, nCol = 0;
        return pGrid->GetCurrentCell(nRow, nCol) ? nRow : 0;
    }

    CHintTestApp m_app;
    CMultiDocTemplate* m_pTemplate = nullptr;
    CHintTestMain* m_pMain = nullptr;
    CHintTestDoc* m_pDoc = nullptr;
    CHintTestView* m_pFirst = nullptr;
    CHintTestView* m_pSecond = nullptr;
};
} // namespace

TEST_F(GridHints, TheOtherViewFollowsInsertedMovedAndRemovedRowsOnce)
{
    ASSERT_TRUE(m_pFirst->SetCurrentCell(3, 1));
    ASSERT_TRUE(m_pSecond->SetCurrentCell(5, 2));

    ASSERT_TRUE(m_pFirst->InsertRows(2, 2));
    EXPECT_EQ(22u, m_pSecond->GetRowCount());
    EXPECT_EQ(7u, CurrentRow(m_pSecond)); // the second view's cell moved with its row
    EXPECT_EQ(5u, CurrentRow(m_pFirst)); // the sender moved once: it hears no hint of its own

    ASSERT_TRUE(m_pFirst->MoveRows(7, 7, 1));
    EXPECT_EQ(1u, CurrentRow(m_pSecond));
    EXPECT_EQ(6u, CurrentRow(m_pFirst));

    ASSERT_TRUE(m_pSecond->RemoveRows(2, 4));
    EXPECT_EQ(1u, CurrentRow(m_pSecond));
    EXPECT_EQ(3u, CurrentRow(m_pFirst));
}

TEST_F(GridHints, FrozenRowsReachTheOtherViewAndAnotherGridsHintPassesBy)
{
    m_pSecond->SetTopRow(1, 0, FALSE);
    ASSERT_TRUE(m_pFirst->SetFrozenRows(3, 0));
    EXPECT_EQ(4u, m_pSecond->GetTopRow()); // the first row scrolled is below the frozen ones

    // A hint for another grid id leaves the second view as it is.
    m_pSecond->m_nHintId = 5;
    ASSERT_TRUE(m_pSecond->SetCurrentCell(10, 1));
    ASSERT_TRUE(m_pFirst->InsertRows(1, 1));
    EXPECT_EQ(10u, CurrentRow(m_pSecond));

    // Hints of every grid (-1) reach it; foreign objects are ignored.
    CGXGridHint hint(gxHintInsertRows, -1);
    hint.m_nRow1 = 2;
    hint.m_lValue = 3;
    m_pDoc->UpdateAllViews(m_pFirst, 0, &hint);
    EXPECT_EQ(13u, CurrentRow(m_pSecond));
    CStringList other; // any other object a document may hint with
    m_pDoc->UpdateAllViews(nullptr, 0, &other);
    m_pDoc->UpdateAllViews(nullptr, 0, nullptr);
    EXPECT_EQ(13u, CurrentRow(m_pSecond));
}

TEST_F(GridHints, ASelectionChangeRedrawsItsCellsInTheOtherView)
{
    GXImplementUserSelectRange(m_pFirst);
    auto* pSelect = dynamic_cast<CGXGridUserSelectRangeImp*>(m_pFirst->UserSelectRangeImp());
    ASSERT_NE(pSelect, nullptr);
    m_pSecond->UpdateWindow();
    pSelect->SelectRange(m_pFirst, CGXRange(2, 1, 3, 2), TRUE);
    EXPECT_TRUE(m_pSecond->GetParam()->m_selRects.IsCellInList(3, 2)); // one list for both
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 0, 0);
    m_pSecond->GetUpdateRgn(&rgn, FALSE);
    EXPECT_TRUE(rgn.PtInRegion(m_pSecond->CalcRectFromRowCol(3, 2).CenterPoint()));
    EXPECT_FALSE(rgn.PtInRegion(m_pSecond->CalcRectFromRowCol(5, 1).CenterPoint()));
}

namespace {
// A program's document with two grids (sheets); each view shows the sheet it is opened on
// and leaves hints to the grid view (it neither links itself nor picks a hint id).
class CSheetsDoc : public CDocument
{
    DECLARE_DYNCREATE(CSheetsDoc)
public:
    CGXGridParam m_sheets[2];
    static int s_nNextSheet;
};
IMPLEMENT_DYNCREATE(CSheetsDoc, CDocument)
int CSheetsDoc::s_nNextSheet = 0;

class CSheetView : public CGXGridView
{
    DECLARE_DYNCREATE(CSheetView)
public:
    void OnInitialUpdate() override
    {
        GXImplementUpdateHint(this);
        if (m_bOwnSheet)
            m_nSheet = -1; // a grid of its own
        else
            AttachParam(&static_cast<CSheetsDoc*>(GetDocument())->m_sheets[m_nSheet], FALSE);
        CGXGridView::OnInitialUpdate();
        if (GetRowCount() == 0) {
            SetRowCount(20, 0);
            SetColCount(4, 0);
        }
    }
    int m_nSheet = CSheetsDoc::s_nNextSheet;
    BOOL m_bOwnSheet = CSheetsDoc::s_nNextSheet < 0;
};
IMPLEMENT_DYNCREATE(CSheetView, CGXGridView)

class SheetViews : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GXTestEnsureGridClasses();
        m_pTemplate =
            new CMultiDocTemplate(IDR_GRIDVIEW_DOC, RUNTIME_CLASS(CSheetsDoc),
                                  RUNTIME_CLASS(CHintTestChild), RUNTIME_CLASS(CSheetView));
        m_app.AddDocTemplate(m_pTemplate);
        m_pMain = new CHintTestMain;
        ASSERT_TRUE(m_pMain->LoadFrame(IDR_GRIDVIEW_MAIN));
        m_app.m_pMainWnd = m_pMain;
        m_pMain->ShowWindow(SW_SHOW);
        CSheetsDoc::s_nNextSheet = 0;
        m_pDoc = static_cast<CSheetsDoc*>(m_pTemplate->OpenDocumentFile(nullptr));
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
    // Opens one more view of the document on a sheet (-1: a grid of the view's own).
    CSheetView* OpenView(int nSheet)
    {
        CSheetsDoc::s_nNextSheet = nSheet;
        CFrameWnd* pFrame = m_pTemplate->CreateNewFrame(m_pDoc, nullptr);
        if (pFrame == nullptr)
            return nullptr;
        m_pTemplate->InitialUpdateFrame(pFrame, m_pDoc);
        CGridTestWindow::Pump();
        CSheetView* pLast = nullptr;
        for (POSITION pos = m_pDoc->GetFirstViewPosition(); pos != nullptr;)
            pLast = static_cast<CSheetView*>(m_pDoc->GetNextView(pos));
        return pLast;
    }
    CSheetView* FirstView()
    {
        POSITION pos = m_pDoc->GetFirstViewPosition();
        return static_cast<CSheetView*>(m_pDoc->GetNextView(pos));
    }
    static ROWCOL CurrentRow(CGXGridCore* pGrid)
    {
        ROWCOL nRow = 0, nCol = 0;
        return pGrid->GetCurrentCell(nRow, nCol) ? nRow : 0;
    }

    CHintTestApp m_app;
    CMultiDocTemplate* m_pTemplate = nullptr;
    CHintTestMain* m_pMain = nullptr;
    CSheetsDoc* m_pDoc = nullptr;
};
} // namespace

TEST_F(SheetViews, ViewsOfOneSheetStayInStepAndOtherSheetsAreLeftAlone)
{
    CSheetView* pFirst = FirstView();
    CSheetView* pSecond = OpenView(0);
    CSheetView* pOther = OpenView(1);
    CSheetView* pOwn = OpenView(-1);
    ASSERT_TRUE(pFirst != nullptr && pSecond != nullptr && pOther != nullptr && pOwn != nullptr);
    EXPECT_TRUE(pFirst->m_bDocumentLinked);
    EXPECT_TRUE(pSecond->m_bDocumentLinked);
    EXPECT_EQ(pSecond->m_nHintId, pFirst->m_nHintId) << "one sheet, one hint id";
    EXPECT_TRUE(pOther->m_bDocumentLinked);
    EXPECT_NE(pOther->m_nHintId, pFirst->m_nHintId) << "another sheet, another id";
    EXPECT_FALSE(pOwn->m_bDocumentLinked) << "a view's own grid is not the document's";
    m_pDoc->SetModifiedFlag(FALSE);

    ASSERT_TRUE(pSecond->SetCurrentCell(5, 2));
    ASSERT_TRUE(pOther->SetCurrentCell(5, 2));
    ASSERT_TRUE(pOwn->SetCurrentCell(5, 2));
    ASSERT_TRUE(pFirst->InsertRows(2, 2));
    EXPECT_EQ(22u, pSecond->GetRowCount());
    EXPECT_EQ(7u, CurrentRow(pSecond)) << "the other view of the sheet followed the rows";
    EXPECT_EQ(5u, CurrentRow(pOther)) << "another sheet took no hint";
    EXPECT_EQ(20u, pOther->GetRowCount());
    EXPECT_EQ(5u, CurrentRow(pOwn));
    EXPECT_TRUE(m_pDoc->IsModified()) << "the document holds the changed sheet";

    ASSERT_TRUE(pOther->SetFrozenRows(2, 0));
    EXPECT_EQ(0u, pFirst->GetFrozenRowCount());
    ASSERT_TRUE(pFirst->RemoveRows(1, 1));
    EXPECT_EQ(21u, pSecond->GetRowCount());
    EXPECT_EQ(6u, CurrentRow(pSecond));
}

TEST_F(GridHints, ASortInOneViewUpdatesTheOtherOnce)
{
    m_pFirst->SetValueRange(CGXRange(1, 1, 1, 1), "b");
    m_pFirst->SetValueRange(CGXRange(2, 1, 2, 1), "a");
    ASSERT_TRUE(m_pSecond->SetCurrentCell(1, 1));
    CGXSortInfoArray keys;
    keys.SetSize(1);
    keys[0].nRC = 1;
    keys[0].sortType = gxSortAlphanumeric;
    m_pFirst->SortRows(CGXRange().SetRows(1, 2), keys);
    EXPECT_STREQ("a", m_pSecond->GetValueRowCol(1, 1));
    EXPECT_EQ(1, m_pFirst->m_nSortUpdates);
    EXPECT_EQ(1, m_pSecond->m_nSortUpdates); // and it sent nothing back
}

TEST_F(GridHints, BlocksWorkedOutInOneViewAreRedrawnInTheOther)
{
    for (CHintTestView* pView : {m_pFirst, m_pSecond}) {
        GXImplementFloatCells(pView);
        GXImplementMergeCells(pView);
    }
    // Delayed: the blocks are worked out when the first view draws, after the edits' own
    // hints have gone by. The second view hears of them then.
    m_pFirst->SetValueRange(CGXRange(3, 2, 3, 2), CString('W', 24));
    m_pFirst->SetStyleRange(CGXRange(6, 1, 6, 3),
                            CGXStyle().SetValue("same").SetMergeCell(gxMergeHorizontal));
    m_pFirst->SetFloatCellsMode(1, FALSE);
    m_pFirst->SetMergeCellsMode(1, FALSE);
    m_pSecond->ValidateRect(nullptr);
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 0, 0);

    ASSERT_TRUE(m_pFirst->ResolveFloatRange(CGXRange(1, 1, 20, 4), FALSE));
    CGXRange block;
    ASSERT_NE(nullptr, m_pSecond->GetFloatBlock(3, 3, block)); // one pool for both views
    ASSERT_GE(block.right, 3u);
    m_pSecond->GetUpdateRgn(&rgn, FALSE);
    EXPECT_TRUE(rgn.PtInRegion(m_pSecond->CalcRectFromRowCol(3, block.right).CenterPoint()));
    EXPECT_FALSE(rgn.PtInRegion(m_pSecond->CalcRectFromRowCol(6, 2).CenterPoint()));
    EXPECT_FALSE(rgn.PtInRegion(m_pSecond->CalcRectFromRowCol(10, 1).CenterPoint()));

    m_pSecond->ValidateRect(nullptr);
    ASSERT_TRUE(m_pFirst->ResolveMergeRange(CGXRange(1, 1, 20, 4), FALSE));
    ASSERT_NE(nullptr, m_pSecond->GetMergeBlock(6, 2, block, 0));
    m_pSecond->GetUpdateRgn(&rgn, FALSE);
    EXPECT_TRUE(rgn.PtInRegion(m_pSecond->CalcRectFromRowCol(6, 3).CenterPoint()));
    EXPECT_FALSE(rgn.PtInRegion(m_pSecond->CalcRectFromRowCol(10, 1).CenterPoint()));
}
