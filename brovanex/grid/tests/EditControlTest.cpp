// The edit cell: its window over the active cell with the cell's limits, which keys it keeps
// and which go to the grid, line breaks, and Delete and Home/End on an inactive cell.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "controls/GXEditControl.h"
#include <gtest/gtest.h>

namespace {
class EditCell : public ::testing::Test
{
protected:
    EditCell() : m_w((GXTestStartLibrary(), 10), 5)
    {
        grid().SetColWidth(1, 5, 90);
        grid().SetFocus();
        CGridKeyboard::Dispatch();
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CGXEditControl* Edit() { return dynamic_cast<CGXEditControl*>(grid().GetCurrentCellControl()); }
    CString EditText()
    {
        CString s;
        if (CGXEditControl* p = Edit())
            p->GetWindowText(s);
        return s;
    }
    void ExpectCurrent(ROWCOL nRow, ROWCOL nCol, const char* pszWhat)
    {
        ROWCOL r = 0, c = 0;
        ASSERT_TRUE(grid().GetCurrentCell(r, c)) << pszWhat;
        EXPECT_EQ(r, nRow) << pszWhat;
        EXPECT_EQ(c, nCol) << pszWhat;
    }
    CGridTestWindow m_w;
    CGridKeyboard m_keys;
};
} // namespace

TEST_F(EditCell, TheDefaultControlIsAnEditLaidOverTheActiveCell)
{
    ASSERT_TRUE(grid().SetCurrentCell(2, 2));
    ASSERT_NE(Edit(), nullptr);
    CGridKeyboard::Type("a");
    ASSERT_TRUE(Edit()->IsWindowVisible());
    CRect rectWnd;
    Edit()->GetWindowRect(&rectWnd);
    grid().ScreenToClient(&rectWnd);
    const CRect rectCell = grid().CalcRectFromRowCol(2, 2);
    EXPECT_TRUE(rectCell.PtInRect(rectWnd.TopLeft()));
    EXPECT_LE(rectWnd.right, rectCell.right + 1);
    int nStart = -1, nEnd = -1;
    Edit()->GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 1) << "the caret after the typed character";
    EXPECT_EQ(nEnd, 1);

    // Storing hides the window; the cell draws its text itself again.
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_FALSE(Edit()->IsWindowVisible());
    EXPECT_EQ(::GetFocus(), grid().m_hWnd);
}

TEST_F(EditCell, MaximumLengthLimitsTyping)
{
    grid().SetStyleRange(CGXRange(1, 1, 1, 1), CGXStyle().SetMaxLength(5));
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGridKeyboard::Type("abcdefgh");
    EXPECT_STREQ(EditText(), "abcde");
    CGridKeyboard::Press(VK_RETURN, '\r');
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "abcde");
}

TEST_F(EditCell, CaretKeysStayInTheEditUntilTheTextEnds)
{
    grid().SetValueRange(CGXRange(2, 2, 2, 2), "xy");
    ASSERT_TRUE(grid().SetCurrentCell(2, 2));
    CGridKeyboard::Type("ab");
    CGridKeyboard::Press(VK_LEFT);
    CGridKeyboard::Press(VK_LEFT);
    ExpectCurrent(2, 2, "the caret moved inside the text");
    EXPECT_TRUE(Edit()->IsActive());
    CGridKeyboard::Press(VK_LEFT);
    ExpectCurrent(2, 1, "left at caret 0 moves the cell");
    EXPECT_STREQ(grid().GetValueRowCol(2, 2), "ab");

    // Home and End on an inactive cell start editing with the caret at either end.
    ASSERT_TRUE(grid().SetCurrentCell(2, 2));
    CGridKeyboard::Press(VK_END);
    ASSERT_TRUE(Edit()->IsActive());
    int nStart = -1, nEnd = -1;
    Edit()->GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 2);
    CGridKeyboard::Type("c");
    EXPECT_STREQ(EditText(), "abc") << "End appends";
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    CGridKeyboard::Press(VK_HOME);
    CGridKeyboard::Type("_");
    EXPECT_STREQ(EditText(), "_ab") << "Home inserts at the start";
    CGridKeyboard::Press(VK_ESCAPE, 0x1B);
}

TEST_F(EditCell, EnterAndCtrlEnterBreakLinesOnlyWhereTheCellAllowsIt)
{
    struct Case
    {
        const char* pszWhat;
        BOOL bAllowEnter, bWrap, bCtrl;
        const char* pszText; // the edit's text after "a", the key, "b"
        BOOL bMoved; // the Enter went to the grid (stores and moves down)
    } cases[] = {
        {"plain cell", FALSE, FALSE, FALSE, "a", TRUE},
        {"allow-enter cell", TRUE, TRUE, FALSE, "a\r\nb", FALSE},
        {"ctrl enter in a wrapping cell", FALSE, TRUE, TRUE, "a\r\nb", FALSE},
        {"ctrl enter in a single-line cell", FALSE, FALSE, TRUE, "ab", FALSE},
    };
    grid().SetRowHeight(1, 5, 60);
    grid().GetParam()->m_nEnterKeyAction = 3;
    for (const Case& c : cases) {
        grid().SetStyleRange(
            CGXRange(3, 3, 3, 3),
            CGXStyle().SetAllowEnter(c.bAllowEnter).SetWrapText(c.bWrap).SetValue(""));
        ASSERT_TRUE(grid().SetCurrentCell(3, 3)) << c.pszWhat;
        CGridKeyboard::Type("a");
        CGridKeyboard::Hold(c.bCtrl, FALSE);
        CGridKeyboard::Press(VK_RETURN, c.bCtrl ? '\n' : '\r');
        CGridKeyboard::Hold(FALSE, FALSE);
        ROWCOL r = 0, col = 0;
        ASSERT_TRUE(grid().GetCurrentCell(r, col)) << c.pszWhat;
        EXPECT_EQ(r != 3, c.bMoved) << c.pszWhat;
        if (c.bMoved) {
            EXPECT_STREQ(grid().GetValueRowCol(3, 3), "a") << c.pszWhat;
            continue;
        }
        CGridKeyboard::Type("b");
        EXPECT_STREQ(EditText(), c.pszText) << c.pszWhat;
        CGridKeyboard::Press(VK_ESCAPE, 0x1B);
    }
}

// Delete on an inactive cell: the cell edits itself empty only while the grid's clipboard
// flags are 0; with the cell clipboard the grid's Clear empties it without editing, and a
// read-only cell stays as it is.
TEST_F(EditCell, DeleteEditsAnInactiveCellEmptyOnlyWithoutCellClipboard)
{
    struct Case
    {
        const char* pszWhat;
        WORD wClipboardFlags;
        BOOL bReadOnly;
        BOOL bEdits; // the cell is active and modified after Delete
        const char* pszAfter;
    } cases[] = {
        {"text clipboard", 0, FALSE, TRUE, ""},
        {"cell clipboard", 1, FALSE, FALSE, ""},
        {"read-only cell", 0, TRUE, FALSE, "full"},
    };
    for (const Case& c : cases) {
        grid().GetParam()->m_wClipboardFlags = c.wClipboardFlags;
        grid().GetParam()->m_bStoreGuard = c.bReadOnly;
        grid().SetStyleRange(CGXRange(4, 2, 4, 2),
                             CGXStyle().SetValue("full").SetReadOnly(c.bReadOnly));
        ASSERT_TRUE(grid().SetCurrentCell(4, 2)) << c.pszWhat;
        ASSERT_NE(Edit(), nullptr) << c.pszWhat;
        ASSERT_FALSE(Edit()->IsActive()) << c.pszWhat;
        CGridKeyboard::Press(VK_DELETE);
        EXPECT_EQ(c.bEdits, Edit()->IsActive()) << c.pszWhat;
        EXPECT_EQ(c.bEdits, Edit()->GetModify()) << c.pszWhat;
        CGridKeyboard::Press(VK_RETURN, '\r');
        EXPECT_STREQ(grid().GetValueRowCol(4, 2), c.pszAfter) << c.pszWhat;
        grid().GetParam()->m_bStoreGuard = FALSE;
    }
}

TEST_F(EditCell, TheEditWindowTakesTheCellsColours)
{
    grid().SetStyleRange(CGXRange(2, 4, 2, 4),
                         CGXStyle().SetInterior(RGB(255, 255, 0)).SetTextColor(RGB(0, 0, 160)));
    ASSERT_TRUE(grid().SetCurrentCell(2, 4));
    CGridKeyboard::Type("w");
    ASSERT_TRUE(Edit()->IsWindowVisible());
    CClientDC dc(Edit());
    const LRESULT hbr =
        grid().SendMessage(WM_CTLCOLOREDIT, (WPARAM)dc.GetSafeHdc(), (LPARAM)Edit()->m_hWnd);
    ASSERT_NE(hbr, 0);
    LOGBRUSH lb = {};
    ASSERT_NE(::GetObjectA((HBRUSH)hbr, sizeof(lb), &lb), 0);
    EXPECT_EQ(lb.lbColor, RGB(255, 255, 0));
    EXPECT_EQ(dc.GetBkColor(), RGB(255, 255, 0));
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 160));
    // Another window of the grid keeps the default colours.
    const LRESULT hbrOther =
        grid().SendMessage(WM_CTLCOLOREDIT, (WPARAM)dc.GetSafeHdc(), (LPARAM)grid().m_hWnd);
    LOGBRUSH lbOther = {};
    if (hbrOther != 0 && ::GetObjectA((HBRUSH)hbrOther, sizeof(lbOther), &lbOther) != 0) {
        EXPECT_NE(lbOther.lbColor, RGB(255, 255, 0));
    }
}
