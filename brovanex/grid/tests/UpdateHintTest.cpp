// Two views of one document stay in step through update hints: a change in one view is
// replayed in the other, never in the sender, and a hint for another grid id passes by.
#include "GridTestWindow.h"
#include "GridViewTestRes.h"
#include "core/GXGridView.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXGridHint.h"
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
