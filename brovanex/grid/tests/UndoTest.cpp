// Undo and redo: every undoable change of a grid, undone and redone, gives back exactly the
// cells, styles, sizes and structure it had; transactions make one step; the lists keep
// their limit; the Undo and Redo menu items follow the lists.
#include "GridTestWindow.h"
#include "core/GXStylesMap.h"
#include "features/GXCommandFactory.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXGridMoveRowsColsImp.h"
#include "fw/menu.h"
#include "fw/msgbox.h"
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {
const ROWCOL kRows = 7, kCols = 4;

// A grid of kRows x kCols with the undo and move features: every cell holds "r:c", row 2
// and column 3 have sizes of their own, cell (2, 2) a colour and row 3 a row style.
class UndoGrid
{
public:
    UndoGrid() : m_window(kRows, kCols)
    {
        CGXGridWnd& grid = Grid();
        grid.SetBaseUnits(10, 10); // step 100: sizes read back exactly
        GXImplementMoveRowsCols(&grid);
        for (ROWCOL r = 1; r <= kRows; ++r)
            for (ROWCOL c = 1; c <= kCols; ++c) {
                CString s;
                s.Format("%lu:%lu", r, c);
                grid.SetValueRange(CGXRange(r, c, r, c), s);
            }
        grid.SetRowHeight(2, 2, 31);
        grid.SetColWidth(3, 3, 71);
        CGXStyle colour;
        colour.SetInterior(RGB(10, 20, 30));
        grid.SetStyleRange(CGXRange(2, 2, 2, 2), colour);
        CGXStyle rowStyle;
        rowStyle.SetInterior(RGB(1, 2, 3));
        grid.StoreCellStyle(3, 0, &rowStyle, gxOverride, -1);
        // Recording starts with the fixture in place.
        GXImplementUndoRedo(&grid);
    }
    CGXGridWnd& Grid() { return m_window.Grid(); }
    CGXGridParam& Param() { return *Grid().GetParam(); }

    // Everything an undo must give back, as text: counts, frozen counts, default sizes, the
    // sizes rows and columns store of their own, and each cell's stored value and style.
    std::string Snapshot()
    {
        CGXGridWnd& grid = Grid();
        CString s;
        s.Format("rows %lu cols %lu frozen %lu/%lu default %d/%d\n", grid.GetRowCount(),
                 grid.GetColCount(), Param().m_nFrozenRows, Param().m_nFrozenCols,
                 grid.GetDefaultRowPixelHeight(), grid.GetDefaultColPixelWidth());
        const ROWCOL nRows = grid.GetRowCount(), nCols = grid.GetColCount();
        std::unique_ptr<int[]> anHeights(grid.SaveStoredRowHeights(0, nRows));
        std::unique_ptr<int[]> anWidths(grid.SaveStoredColWidths(0, nCols));
        for (ROWCOL r = 0; r <= nRows; ++r) {
            CString line;
            line.Format("h%d:", anHeights[r]);
            s += line;
        }
        s += "\n";
        for (ROWCOL c = 0; c <= nCols; ++c) {
            CString line;
            line.Format("w%d:", anWidths[c]);
            s += line;
        }
        s += "\n";
        for (ROWCOL r = 0; r <= nRows; ++r)
            for (ROWCOL c = 0; c <= nCols; ++c) {
                CGXStyle style;
                for (int nType : {0, -1}) {
                    style.ClearAll();
                    if (!grid.GetStyleRowCol(r, c, style, gxCopy, nType))
                        continue;
                    CString cell;
                    cell.Format("[%lu,%lu,%d %s %s %06lx]", r, c, nType,
                                style.GetInclude(gxValue) ? "v" : "-", (LPCTSTR)style.GetValue(),
                                style.GetInclude(gxInterior)
                                    ? (unsigned long)style.GetInterior().GetColor()
                                    : 0xFFFFFFul);
                    s += cell;
                }
            }
        return std::string((LPCTSTR)s);
    }

private:
    CGridTestWindow m_window;
};

struct UndoCase
{
    const char* pszName;
    std::function<BOOL(CGXGridCore&)> fnChange;
};

CGXStyle ValueStyle(LPCTSTR pszValue, COLORREF cr)
{
    CGXStyle style;
    style.SetValue(pszValue);
    style.SetInterior(cr);
    return style;
}

const UndoCase kUndoCases[] = {
    {"cell styles",
     [](CGXGridCore& g) {
         return g.SetStyleRange(CGXRange(2, 1, 4, 3), ValueStyle("x", RGB(200, 0, 0)));
     }},
    {"a row style",
     [](CGXGridCore& g) {
         return g.SetStyleRange(CGXRange().SetRows(5), ValueStyle("row", RGB(0, 200, 0)));
     }},
    {"cell styles removed",
     [](CGXGridCore& g) {
         return g.ApplyStyleToRange(CGXRange(1, 1, 3, 2), nullptr, gxCopy, 0, nullptr,
                                    GX_INVALIDATE, gxDo);
     }},
    {"rows inserted", [](CGXGridCore& g) { return g.InsertRows(3, 2); }},
    {"columns inserted", [](CGXGridCore& g) { return g.InsertCols(2, 1); }},
    {"rows removed", [](CGXGridCore& g) { return g.RemoveRows(2, 4); }},
    {"columns removed", [](CGXGridCore& g) { return g.RemoveCols(2, 3); }},
    {"rows moved down", [](CGXGridCore& g) { return g.MoveRows(2, 3, 5); }},
    {"rows moved up", [](CGXGridCore& g) { return g.MoveRows(5, 7, 1); }},
    {"columns moved", [](CGXGridCore& g) { return g.MoveCols(1, 1, 3); }},
    {"row heights", [](CGXGridCore& g) { return g.SetRowHeight(1, 3, 44); }},
    {"column widths", [](CGXGridCore& g) { return g.SetColWidth(2, 4, 55); }},
    {"default row height", [](CGXGridCore& g) { return g.SetDefaultRowHeight(27); }},
    {"default column width", [](CGXGridCore& g) { return g.SetDefaultColWidth(83); }},
    {"frozen rows", [](CGXGridCore& g) { return g.SetFrozenRows(2, 1); }},
    {"frozen columns", [](CGXGridCore& g) { return g.SetFrozenCols(1, 0); }},
    {"a block of changes",
     [](CGXGridCore& g) {
         g.BeginUndoBlock("several");
         BOOL b = g.SetStyleRange(CGXRange(1, 1, 1, 4), ValueStyle("b", RGB(9, 9, 9)));
         b &= g.InsertRows(2, 1);
         b &= g.SetRowHeight(2, 2, 40);
         b &= g.MoveRows(1, 1, 4);
         g.CommitUndoBlock();
         return b;
     }},
};
} // namespace

TEST(GridUndo, EveryChangeUndoneAndRedoneGivesBackTheGridExactly)
{
    for (const UndoCase& c : kUndoCases) {
        SCOPED_TRACE(c.pszName);
        UndoGrid fixture;
        CGXGridWnd& grid = fixture.Grid();
        const std::string before = fixture.Snapshot();
        ASSERT_TRUE(c.fnChange(grid));
        const std::string after = fixture.Snapshot();
        ASSERT_NE(before, after);
        // One step, whatever the change did inside.
        EXPECT_EQ(1, fixture.Param().m_undoList.GetCount());

        ASSERT_TRUE(grid.Undo());
        EXPECT_EQ(before, fixture.Snapshot());
        EXPECT_TRUE(fixture.Param().m_undoList.IsEmpty());
        EXPECT_EQ(1, fixture.Param().m_redoList.GetCount());

        ASSERT_TRUE(grid.Redo());
        EXPECT_EQ(after, fixture.Snapshot());
        EXPECT_EQ(1, fixture.Param().m_undoList.GetCount());
        EXPECT_TRUE(fixture.Param().m_redoList.IsEmpty());

        ASSERT_TRUE(grid.Undo());
        EXPECT_EQ(before, fixture.Snapshot());
        EXPECT_FALSE(grid.Undo()); // nothing left
    }
}

TEST(GridUndo, StepsAreUndoneNewestFirstAndANewChangeEmptiesTheRedoList)
{
    UndoGrid fixture;
    CGXGridWnd& grid = fixture.Grid();
    const std::string s0 = fixture.Snapshot();
    ASSERT_TRUE(grid.InsertRows(2, 1));
    const std::string s1 = fixture.Snapshot();
    ASSERT_TRUE(grid.SetStyleRange(CGXRange(2, 1, 2, 1), ValueStyle("n", RGB(1, 1, 1))));
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(s1, fixture.Snapshot());
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(s0, fixture.Snapshot());
    EXPECT_EQ(2, fixture.Param().m_redoList.GetCount());

    // A redo keeps the rest of the redo list; a new change empties it.
    ASSERT_TRUE(grid.Redo());
    EXPECT_EQ(s1, fixture.Snapshot());
    EXPECT_EQ(1, fixture.Param().m_redoList.GetCount());
    ASSERT_TRUE(grid.SetColWidth(1, 1, 90));
    EXPECT_TRUE(fixture.Param().m_redoList.IsEmpty());
    EXPECT_FALSE(grid.Redo());
}

TEST(GridUndo, TransactionsCommitAsOneStepAndRollBackToNothing)
{
    UndoGrid fixture;
    CGXGridWnd& grid = fixture.Grid();
    CGXGridParam& param = fixture.Param();
    const std::string s0 = fixture.Snapshot();

    // A transaction inside an open one belongs to it; the outermost commit closes it.
    grid.BeginUndoBlock("outer");
    grid.BeginUndoBlock("inner");
    ASSERT_TRUE(grid.SetRowHeight(4, 4, 60));
    grid.CommitUndoBlock();
    EXPECT_EQ(1u, param.m_nTransactionLevel);
    ASSERT_TRUE(grid.MoveRows(6, 6, 7)); // opens and commits a step of its own
    ASSERT_TRUE(grid.MoveRows(7, 7, 6));
    grid.CommitUndoBlock();
    EXPECT_EQ(0u, param.m_nTransactionLevel);
    ASSERT_TRUE(grid.SetColWidth(4, 4, 60)); // a step of its own
    grid.CommitUndoBlock(); // nothing open: no effect
    ASSERT_EQ(2, param.m_undoList.GetCount());
    auto* pBlock = dynamic_cast<CGXBlockCmd*>(param.m_undoList.GetTail());
    ASSERT_NE(pBlock, nullptr);
    EXPECT_STREQ("outer", pBlock->GetName());
    EXPECT_EQ(3, pBlock->m_CmdList.GetCount());

    // A transaction that recorded nothing leaves the list as it was.
    grid.BeginUndoBlock(nullptr);
    grid.CommitUndoBlock();
    EXPECT_EQ(2, param.m_undoList.GetCount());

    // Rollback undoes the transaction's changes and records nothing of them.
    const std::string s2 = fixture.Snapshot();
    grid.BeginUndoBlock("rolled back");
    ASSERT_TRUE(grid.RemoveRows(1, 2));
    ASSERT_TRUE(grid.SetStyleRange(CGXRange(1, 1, 2, 2), ValueStyle("r", RGB(3, 3, 3))));
    grid.RollbackUndoBlock();
    EXPECT_EQ(s2, fixture.Snapshot());
    EXPECT_EQ(2, param.m_undoList.GetCount());
    EXPECT_TRUE(param.m_redoList.IsEmpty());

    ASSERT_TRUE(grid.Undo());
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(s0, fixture.Snapshot());
}

TEST(GridUndo, TheListKeepsTheLimitPlusOneAndDisabledUndoRecordsNothing)
{
    UndoGrid fixture;
    CGXGridWnd& grid = fixture.Grid();
    CGXGridParam& param = fixture.Param();
    ASSERT_EQ(512u, param.m_nMaxUndoOp);
    for (int i = 0; i < 514; ++i)
        ASSERT_TRUE(grid.SetRowHeight(1, 1, 20 + i % 7));
    EXPECT_EQ(513, param.m_undoList.GetCount());

    while (!param.m_undoList.IsEmpty())
        delete param.m_undoList.RemoveHead();
    param.m_bUndoEnabled = FALSE;
    grid.BeginUndoBlock("off");
    EXPECT_EQ(0u, param.m_nTransactionLevel);
    ASSERT_TRUE(grid.InsertRows(1, 1));
    ASSERT_TRUE(grid.SetStyleRange(CGXRange(1, 1, 1, 1), ValueStyle("o", RGB(4, 4, 4))));
    EXPECT_TRUE(param.m_undoList.IsEmpty());
    EXPECT_FALSE(grid.Undo());
}

TEST(GridUndo, AGridWithoutTheFeatureIgnoresUndoAndDisablesTheItems)
{
    CGridTestWindow w(3, 3);
    CGXGridWnd& grid = w.Grid();
    ASSERT_TRUE(grid.SetRowHeight(1, 1, 40));
    EXPECT_FALSE(grid.Undo());
    EXPECT_FALSE(grid.Redo());
    CTestCmdUI ui;
    ui.m_nID = ID_EDIT_UNDO;
    EXPECT_FALSE(grid.UpdateUndoMenu(&ui));
    EXPECT_FALSE(ui.m_bEnabled);
    EXPECT_FALSE(grid.MoveRows(1, 1, 2)); // no move feature either
}

namespace {
// A menu item's command state: the text and enabled state the grid gave it.
class CRecordingCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override { m_bEnabled = bOn; }
    void SetText(LPCSTR psz) override { m_strText = psz; }
    BOOL m_bEnabled = -1;
    CString m_strText;
};
} // namespace

TEST(GridUndo, TheMenuItemsTextAndStateFollowTheLists)
{
    UndoGrid fixture;
    CGXGridWnd& grid = fixture.Grid();
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_EDIT_UNDO, "&Undo %1\tCtrl+Z");
    menu.AppendMenu(MF_STRING, ID_EDIT_REDO, "");
    CRecordingCmdUI undo, redo;
    undo.m_nID = ID_EDIT_UNDO;
    redo.m_nID = ID_EDIT_REDO;
    undo.m_pMenu = redo.m_pMenu = &menu;

    EXPECT_FALSE(grid.UpdateUndoMenu(&undo));
    EXPECT_FALSE(undo.m_bEnabled);
    EXPECT_STREQ("&Undo \tCtrl+Z", undo.m_strText);
    EXPECT_FALSE(grid.UpdateRedoMenu(&redo));
    EXPECT_STREQ("Redo ", redo.m_strText); // the item has no text: the fallback

    ASSERT_TRUE(grid.SetColWidth(1, 2, 50));
    EXPECT_TRUE(grid.UpdateUndoMenu(&undo));
    EXPECT_TRUE(undo.m_bEnabled);
    EXPECT_STREQ("&Undo Column Width\tCtrl+Z", undo.m_strText);

    ASSERT_TRUE(grid.Undo());
    EXPECT_FALSE(grid.UpdateUndoMenu(&undo));
    EXPECT_TRUE(grid.UpdateRedoMenu(&redo));
    EXPECT_TRUE(redo.m_bEnabled);
    EXPECT_STREQ("Redo Column Width", redo.m_strText);
    menu.DestroyMenu();
}

TEST(GridUndo, RemovingMoreRowsThanCanBeSavedAsksTheUser)
{
    CGridTestWindow w(40000, 2);
    CGXGridWnd& grid = w.Grid();
    GXImplementUndoRedo(&grid);
    std::vector<CString> asked;
    int nAnswer = IDCANCEL;
    AFX_MESSAGEBOX_ANSWERER old = AfxSetMessageBoxAnswerer([&](const AFX_MESSAGEBOX_REQUEST& r) {
        asked.push_back(r.strText);
        return nAnswer;
    });
    // Cancel keeps the rows; OK removes them without their styles saved.
    EXPECT_FALSE(grid.RemoveRows(1, 35000));
    EXPECT_EQ(40000u, grid.GetRowCount());
    nAnswer = IDOK;
    EXPECT_TRUE(grid.RemoveRows(1, 35000));
    EXPECT_EQ(5000u, grid.GetRowCount());
    AfxSetMessageBoxAnswerer(old);
    EXPECT_EQ(2u, asked.size());
}
