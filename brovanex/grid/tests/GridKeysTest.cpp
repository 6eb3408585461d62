// The current cell moved by keys sent to a grid window: over frozen, hidden and disabled
// cells, by pages and to the ends; typing starts editing, Enter stores, Esc restores, and a
// grid that vetoes leaving a cell keeps it current. Ctrl+Backspace is one action.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "controls/GXEditControl.h"
#include <gtest/gtest.h>

namespace {
// A grid that counts its undo and redo requests and can veto leaving or validating a cell.
class CCountingGrid : public CGXGridWnd
{
public:
    int m_nUndo = 0, m_nRedo = 0, m_nMoved = 0;
    BOOL m_bVetoLeave = FALSE, m_bVetoValid = FALSE;
    BOOL Undo() override
    {
        ++m_nUndo;
        return TRUE;
    }
    BOOL Redo() override
    {
        ++m_nRedo;
        return TRUE;
    }
    BOOL OnLeaveCell(ROWCOL, ROWCOL, ROWCOL, ROWCOL) override { return !m_bVetoLeave; }
    BOOL OnValidateCell(ROWCOL, ROWCOL) override { return !m_bVetoValid; }
    void OnMovedCurrentCell(ROWCOL, ROWCOL) override { ++m_nMoved; }
};

class GridKeys : public ::testing::Test
{
protected:
    GridKeys() : m_w((GXTestStartLibrary(), 30), 8, 640, 480, new CCountingGrid)
    {
        grid().SetFocus();
        CGridKeyboard::Dispatch();
    }
    CCountingGrid& grid() { return static_cast<CCountingGrid&>(m_w.Grid()); }
    void ExpectCurrent(ROWCOL nRow, ROWCOL nCol, const char* pszWhat)
    {
        ROWCOL r = 0, c = 0;
        ASSERT_TRUE(grid().GetCurrentCell(r, c)) << pszWhat;
        EXPECT_EQ(r, nRow) << pszWhat;
        EXPECT_EQ(c, nCol) << pszWhat;
    }
    CGXEditControl* Edit() { return dynamic_cast<CGXEditControl*>(grid().GetCurrentCellControl()); }
    CString EditText()
    {
        CString s;
        if (CGXEditControl* p = Edit())
            p->GetWindowText(s);
        return s;
    }
    CGridTestWindow m_w;
    CGridKeyboard m_keys;
};
} // namespace

TEST_F(GridKeys, KeysMoveTheCellOverHiddenAndDisabledCellsAndStopAtTheEdges)
{
    grid().SetColWidth(3, 3, 0); // hidden column
    grid().SetStyleRange(CGXRange(5, 4, 5, 4), CGXStyle().SetEnabled(FALSE));
    struct Case
    {
        const char* pszWhat;
        ROWCOL nRow, nCol;
        UINT nKey;
        BOOL bCtrl, bShift;
        ROWCOL nToRow, nToCol;
    } cases[] = {
        {"right over the hidden column", 2, 2, VK_RIGHT, FALSE, FALSE, 2, 4},
        {"left over the hidden column", 2, 4, VK_LEFT, FALSE, FALSE, 2, 2},
        {"down over the disabled cell", 4, 4, VK_DOWN, FALSE, FALSE, 6, 4},
        {"up over the disabled cell", 6, 4, VK_UP, FALSE, FALSE, 4, 4},
        {"right at the last column stays", 2, 8, VK_RIGHT, FALSE, FALSE, 2, 8},
        {"up at the first row stays", 1, 5, VK_UP, FALSE, FALSE, 1, 5},
        {"left at the first column stays", 7, 1, VK_LEFT, FALSE, FALSE, 7, 1},
        {"tab over the hidden column", 2, 2, VK_TAB, FALSE, FALSE, 2, 4},
        {"shift tab back", 2, 4, VK_TAB, FALSE, TRUE, 2, 2},
        {"ctrl home", 12, 6, VK_HOME, TRUE, FALSE, 1, 1},
        {"ctrl end", 12, 6, VK_END, TRUE, FALSE, 30, 8},
        {"ctrl up", 12, 6, VK_UP, TRUE, FALSE, 1, 6},
        {"ctrl down", 12, 6, VK_DOWN, TRUE, FALSE, 30, 6},
        {"ctrl left", 12, 6, VK_LEFT, TRUE, FALSE, 12, 1},
        {"ctrl right", 12, 6, VK_RIGHT, TRUE, FALSE, 12, 8},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(grid().SetCurrentCell(c.nRow, c.nCol)) << c.pszWhat;
        CGridKeyboard::Hold(c.bCtrl, c.bShift);
        CGridKeyboard::Press(c.nKey, c.nKey == VK_TAB ? '\t' : 0, grid().m_hWnd);
        CGridKeyboard::Hold(FALSE, FALSE);
        ExpectCurrent(c.nToRow, c.nToCol, c.pszWhat);
    }
    // A disabled cell is never made current.
    EXPECT_FALSE(grid().SetCurrentCell(5, 4));
    ExpectCurrent(12, 8, "after refusing the disabled cell");
}

TEST_F(GridKeys, MovingBelowFrozenRowsScrollsAndPagesKeepTheCellOnScreen)
{
    grid().SetRowCount(100);
    grid().SetFrozenRows(2);
    grid().SetTopRow(20);
    ASSERT_TRUE(grid().SetCurrentCell(2, 3));
    CGridKeyboard::Press(VK_DOWN, 0, grid().m_hWnd);
    ExpectCurrent(3, 3, "down from the last frozen row");
    EXPECT_EQ(grid().GetTopRow(), 3u);
    CGridKeyboard::Press(VK_UP, 0, grid().m_hWnd);
    ExpectCurrent(2, 3, "back into the frozen rows");
    EXPECT_EQ(grid().GetTopRow(), 3u) << "frozen rows are always in view";

    // Page Down moves by the rows the window shows and scrolls by as many.
    ASSERT_TRUE(grid().SetCurrentCell(4, 3));
    const ROWCOL nTop = grid().GetTopRow();
    CGridKeyboard::Press(VK_NEXT, 0, grid().m_hWnd);
    ROWCOL r = 0, c = 0;
    ASSERT_TRUE(grid().GetCurrentCell(r, c));
    EXPECT_GT(r, 4u);
    EXPECT_EQ(r - 4, grid().GetTopRow() - nTop) << "the cell keeps its place on the screen";
    EXPECT_LE(r, grid().GetLastVisibleRow());
    for (int i = 0; i < 10; ++i)
        CGridKeyboard::Press(VK_NEXT, 0, grid().m_hWnd);
    ExpectCurrent(100, 3, "page down stops at the last row");
    for (int i = 0; i < 10; ++i)
        CGridKeyboard::Press(VK_PRIOR, 0, grid().m_hWnd);
    ExpectCurrent(3, 3, "page up stops at the first scrolling row");
}

TEST_F(GridKeys, TypingStartsEditingEnterStoresAndEscRestores)
{
    grid().SetValueRange(CGXRange(1, 1, 1, 1), "old");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGridKeyboard::Dispatch();
    ASSERT_NE(Edit(), nullptr);
    EXPECT_FALSE(Edit()->IsActive());

    CGridKeyboard::Type("ab");
    ASSERT_TRUE(Edit()->IsActive());
    EXPECT_STREQ(EditText(), "ab") << "the first key replaces the text";
    EXPECT_EQ(::GetFocus(), Edit()->m_hWnd) << "the edit window over the cell has the focus";
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "old");

    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "ab");
    EXPECT_FALSE(Edit()->IsActive());
    ExpectCurrent(1, 1, "Enter stores in place");

    CGridKeyboard::Type("xyz");
    ASSERT_TRUE(Edit()->IsActive());
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    EXPECT_FALSE(Edit()->IsActive());
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "ab");
    CString strShown;
    Edit()->GetEditText(strShown);
    EXPECT_STREQ(strShown, "ab") << "the stored value again";

    // With a direction for Enter the cell stores and moves.
    grid().GetParam()->m_nEnterKeyAction = 3;
    CGridKeyboard::Type("q");
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "q");
    ExpectCurrent(2, 1, "Enter moved down");

    // An arrow key at the text's end stores and moves.
    CGridKeyboard::Type("r");
    CGridKeyboard::Press(VK_RIGHT);
    EXPECT_STREQ(grid().GetValueRowCol(2, 1), "r");
    ExpectCurrent(2, 2, "right from the end of the text");
}

TEST_F(GridKeys, AVetoedLeaveOrInvalidValueKeepsTheCellCurrent)
{
    struct Case
    {
        const char* pszWhat;
        BOOL bVetoLeave, bVetoValid;
        const char* pszStored; // the cell's value afterwards
    } cases[] = {
        {"leave vetoed", TRUE, FALSE, "z"},
        {"value refused", FALSE, TRUE, ""},
    };
    for (const Case& c : cases) {
        grid().SetValueRange(CGXRange(3, 3, 3, 3), "");
        ASSERT_TRUE(grid().SetCurrentCell(3, 3)) << c.pszWhat;
        CGridKeyboard::Type("z");
        ASSERT_TRUE(Edit()->IsActive()) << c.pszWhat;
        grid().m_bVetoLeave = c.bVetoLeave;
        grid().m_bVetoValid = c.bVetoValid;
        CGridKeyboard::Press(VK_DOWN);
        ExpectCurrent(3, 3, c.pszWhat);
        EXPECT_STREQ(grid().GetValueRowCol(3, 3), c.pszStored) << c.pszWhat;
        EXPECT_FALSE(grid().SetCurrentCell(4, 3)) << c.pszWhat;
        ExpectCurrent(3, 3, c.pszWhat);
        grid().m_bVetoLeave = grid().m_bVetoValid = FALSE;
        if (Edit()->IsActive())
            CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    }
    // Two moves to the same cell are reported once.
    ASSERT_TRUE(grid().SetCurrentCell(6, 6));
    const int nMoved = grid().m_nMoved;
    ASSERT_TRUE(grid().SetCurrentCell(6, 6));
    EXPECT_EQ(grid().m_nMoved, nMoved);
}

TEST_F(GridKeys, CtrlBackspaceRedoesOnceAndItsCharacterIsSwallowed)
{
    ASSERT_TRUE(grid().SetCurrentCell(2, 2));
    CGridKeyboard::Hold(TRUE, FALSE);
    CGridKeyboard::Press(VK_BACK, 0x7F, grid().m_hWnd);
    CGridKeyboard::Hold(FALSE, FALSE);
    EXPECT_EQ(grid().m_nRedo, 1);
    EXPECT_EQ(grid().m_nUndo, 0) << "one keystroke, one action";

    // While a cell is edited the keystroke reaches the grid through the edit window.
    CGridKeyboard::Type("k");
    ASSERT_TRUE(Edit()->IsActive());
    CGridKeyboard::Hold(TRUE, FALSE);
    CGridKeyboard::Press(VK_BACK, 0x7F);
    CGridKeyboard::Hold(FALSE, FALSE);
    EXPECT_EQ(grid().m_nRedo, 2);
    EXPECT_EQ(grid().m_nUndo, 0);
    EXPECT_STREQ(EditText(), "k") << "no character typed into the cell";
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);

    // The character on its own, Ctrl+Z, Ctrl+R and Alt+Backspace.
    ::PostMessageA(grid().m_hWnd, WM_CHAR, 0x7F, 1);
    ::PostMessageA(grid().m_hWnd, WM_CHAR, 0x1A, 1);
    ::PostMessageA(grid().m_hWnd, WM_CHAR, 0x12, 1);
    ::PostMessageA(grid().m_hWnd, WM_SYSKEYDOWN, VK_BACK, 1 | (1 << 29));
    CGridKeyboard::Dispatch();
    EXPECT_EQ(grid().m_nUndo, 3);
    EXPECT_EQ(grid().m_nRedo, 3);
}

TEST_F(GridKeys, KeysWhileTheMouseIsCapturedAreSwallowed)
{
    ASSERT_TRUE(grid().SetCurrentCell(2, 2));
    grid().SetCapture();
    CGridKeyboard::Press(VK_DOWN, 0, grid().m_hWnd);
    ExpectCurrent(2, 2, "captured");
    CGridKeyboard::Press(VK_ESCAPE, 0x1B, grid().m_hWnd);
    EXPECT_NE(::GetCapture(), grid().m_hWnd) << "Esc cancels the mouse operation";
    ::ReleaseCapture();
    CGridKeyboard::Press(VK_DOWN, 0, grid().m_hWnd);
    ExpectCurrent(3, 2, "released");
}
