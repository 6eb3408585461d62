// The listeners a grid tells: the library's current-cell listener whenever a cell is made
// current (also the cell a shared parameter object keeps, at initialisation) and the grid's
// own listener when its rows or columns change.
#include "ControlTestSupport.h"
#include "GridTestWindow.h"
#include <gtest/gtest.h>

#include <vector>

namespace {
class CRecordingCellListener : public CGXCurrentCellListener
{
public:
    explicit CRecordingCellListener(std::vector<CGXGridCore*>& seen) : m_seen(seen) { }
    void OnCurrentCellChanged(CGXGridCore* pGrid) override { m_seen.push_back(pGrid); }
    std::vector<CGXGridCore*>& m_seen;
};

class CStructureListener : public CGXGridListener
{
public:
    CStructureListener(int& nChanges, int& nDeleted)
        : m_nChanges(nChanges), m_nDeleted(nDeleted) { }
    ~CStructureListener() override { ++m_nDeleted; }
    void OnStructureChanged(CGXGridCore*) override { ++m_nChanges; }
    int& m_nChanges;
    int& m_nDeleted;
};

// A grid counting its moved-cell notifications.
class CMovesGrid : public CGXGridWnd
{
public:
    int m_nMoved = 0;
    void OnMovedCurrentCell(ROWCOL, ROWCOL) override { ++m_nMoved; }
};

// Installs a current-cell listener in the library state for one test.
class GridListeners : public ::testing::Test
{
protected:
    GridListeners()
    {
        GXTestStartLibrary();
        GXGetLibraryState().m_pCurrentCellListener = new CRecordingCellListener(m_seen);
    }
    ~GridListeners() override { GXGetLibraryState().ReleaseListeners(); }
    std::vector<CGXGridCore*> m_seen;
};
} // namespace

TEST_F(GridListeners, EveryCurrentCellIsReportedToTheLibrarysListener)
{
    CGridTestWindow w(10, 6, 400, 300, new CMovesGrid);
    auto& grid = static_cast<CMovesGrid&>(w.Grid());
    m_seen.clear();
    ASSERT_TRUE(grid.SetCurrentCell(2, 3));
    ASSERT_EQ(1u, m_seen.size());
    EXPECT_EQ(static_cast<CGXGridCore*>(&grid), m_seen[0]);
    ASSERT_TRUE(grid.SetCurrentCell(4, 5));
    EXPECT_EQ(2u, m_seen.size());
    EXPECT_EQ(2, grid.m_nMoved);
    // The same cell bound again: the listener sees it, the move is reported once.
    ASSERT_TRUE(grid.SetCurrentCell(4, 5));
    EXPECT_EQ(3u, m_seen.size());
    EXPECT_EQ(2, grid.m_nMoved);
    // A refused cell reports nothing.
    EXPECT_FALSE(grid.SetCurrentCell(40, 5));
    EXPECT_EQ(3u, m_seen.size());
}

TEST_F(GridListeners, ASecondGridOnTheParameterTakesItsKeptCellAndReportsIt)
{
    CGridTestWindow w(10, 6, 300, 200);
    ASSERT_TRUE(w.Grid().SetCurrentCell(6, 2));
    CGXGridParam* pParam = w.Grid().GetParam();
    m_seen.clear();

    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "second", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300,
                    nullptr, nullptr);
    {
        CGXGridWnd second;
        second.AttachParam(pParam, FALSE);
        second.Create(WS_VISIBLE, CRect(0, 0, 250, 250), &parent, 2);
        second.Initialize();
        ROWCOL r = 0, c = 0;
        ASSERT_TRUE(second.GetCurrentCell(r, c));
        EXPECT_EQ(6u, r);
        EXPECT_EQ(2u, c);
        ASSERT_FALSE(m_seen.empty());
        EXPECT_EQ(static_cast<CGXGridCore*>(&second), m_seen.front());
    }
    parent.DestroyWindow();
}

TEST(GridListener, TheGridsOwnListenerSeesEachStructureChangeAndGoesWithTheGrid)
{
    GXTestStartLibrary();
    int nChanges = 0, nDeleted = 0;
    {
        CGridTestWindow w(10, 6, 300, 200);
        CGXGridWnd& grid = w.Grid();
        grid.AttachGridListener(new CStructureListener(nChanges, nDeleted));
        struct Step
        {
            const char* pszWhat;
            BOOL (*pfn)(CGXGridWnd&);
        } steps[] = {
            {"insert rows", [](CGXGridWnd& g) { return g.InsertRows(2, 3); }},
            {"insert columns", [](CGXGridWnd& g) { return g.InsertCols(1, 1); }},
            {"remove rows", [](CGXGridWnd& g) { return g.RemoveRows(1, 2); }},
            {"remove columns", [](CGXGridWnd& g) { return g.RemoveCols(2, 2); }},
            {"row count", [](CGXGridWnd& g) { return g.SetRowCount(40); }},
            {"column count", [](CGXGridWnd& g) { return g.SetColCount(3); }},
        };
        int nExpected = 0;
        for (const Step& step : steps) {
            ASSERT_TRUE(step.pfn(grid)) << step.pszWhat;
            EXPECT_EQ(++nExpected, nChanges) << step.pszWhat;
        }
        // A style change is no structure change.
        grid.SetStyleRange(CGXRange(1, 1, 1, 1), CGXStyle().SetValue("x"));
        EXPECT_EQ(nExpected, nChanges);
        // Replacing the listener deletes the old one.
        grid.AttachGridListener(new CStructureListener(nChanges, nDeleted));
        EXPECT_EQ(1, nDeleted);
    }
    EXPECT_EQ(2, nDeleted);
}
