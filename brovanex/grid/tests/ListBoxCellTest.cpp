// List-box cells: the choices drawn in the cell with the value's line inverted (scrolled into
// view when it lies below the cell), the list window over the current cell choosing a line by
// click and by typing, and the chosen line stored as the cell's value.
#include "ControlTestSupport.h"
#include "controls/GXListBox.h"
#include "core/GXGridParam.h"
#include <gtest/gtest.h>

namespace {
const WORD kListBox = 52522;
const COLORREF kText = RGB(0, 0, 0), kBack = RGB(255, 255, 255);

class ListBoxCell : public ::testing::Test
{
protected:
    ListBoxCell() : m_w((GXTestStartLibrary(), 6), 3)
    {
        grid().SetColWidth(1, 2, 120);
        grid().SetRowHeight(1, 6, 80);
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    void SetList(ROWCOL nRow, const char* pszChoices, const char* pszValue)
    {
        grid().SetStyleRange(CGXRange(nRow, 1, nRow, 1),
                             CGXStyle()
                                 .SetControl(kListBox)
                                 .SetChoiceList(pszChoices)
                                 .SetValue(pszValue)
                                 .SetTextColor(kText)
                                 .SetInterior(kBack));
    }
    CGXListBox* Control(ROWCOL nRow)
    {
        return dynamic_cast<CGXListBox*>(grid().GetControl(nRow, 1));
    }
    CRect Inner(ROWCOL nRow) { return Control(nRow)->GetCellRect(nRow, 1); }
    int LineHeight()
    {
        CClientDC dc(&grid());
        CFont* pOld =
            dc.SelectObject(grid().FindOrMakeFont(grid().GetCachedCellStyle(1, 1).GetFont()));
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        dc.SelectObject(pOld);
        return tm.tmHeight + tm.tmExternalLeading;
    }
    // Lines of the cell that are shown inverted (mostly the text colour's background).
    std::vector<int> InvertedLines(ROWCOL nRow)
    {
        std::vector<int> lines;
        const CRect inner = Inner(nRow);
        const int nLine = LineHeight();
        for (int i = 0; inner.top + (i + 1) * nLine <= inner.bottom; ++i) {
            const int y = inner.top + i * nLine + nLine / 2;
            int nDark = 0;
            for (int x = inner.left + 2; x < inner.right - 2; ++x)
                nDark += m_w.Pixel(x, y) == kText;
            if (nDark > (inner.Width() - 4) / 2)
                lines.push_back(i);
        }
        return lines;
    }
    CGridTestWindow m_w;
};
} // namespace

TEST_F(ListBoxCell, InactiveCellsShowTheValuesLineInverted)
{
    SetList(1, "Red\nGreen\nBlue", "Green");
    SetList(2, "Red\nGreen\nBlue", "Purple"); // not a choice: nothing selected
    // Twelve choices in a cell of fewer lines: the selected last one is the last line shown.
    SetList(3, "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12", "12");
    m_w.Capture();
    EXPECT_EQ(InvertedLines(1), std::vector<int> {1});
    EXPECT_TRUE(InvertedLines(2).empty());
    const int nVisible = Inner(3).Height() / LineHeight();
    ASSERT_LT(nVisible, 12);
    EXPECT_EQ(InvertedLines(3), std::vector<int> {nVisible - 1});
}

TEST_F(ListBoxCell, ClickAndTypingChooseALineThatIsStored)
{
    SetList(1, "Red\nGreen\nBlue", "Red");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXListBox* pList = Control(1);
    ASSERT_NE(pList, nullptr);
    ASSERT_TRUE(pList->IsInitRowCol(1, 1));
    // A click on the third line activates the cell and lets the list select it.
    const CRect inner = Inner(1);
    const CPoint point(inner.left + 10, inner.top + 2 * LineHeight() + LineHeight() / 2);
    ASSERT_TRUE(pList->LButtonUp(0, point, GX_HITSTATE_INCELL));
    EXPECT_TRUE(pList->IsActive());
    m_w.Capture(); // lays the window over the cell
    CGridTestWindow::Pump();
    ASSERT_TRUE(pList->IsWindowVisible());
    CString strText;
    ASSERT_TRUE(pList->GetEditText(strText));
    EXPECT_STREQ(strText, "Blue");
    EXPECT_TRUE(pList->GetModify());
    // Typing in the list: Home, then "G" picks Green.
    pList->SendMessage(WM_KEYDOWN, VK_HOME, 0);
    pList->SendMessage(WM_CHAR, 'g', 0);
    ASSERT_TRUE(pList->GetEditText(strText));
    EXPECT_STREQ(strText, "Green");
    ASSERT_TRUE(pList->Store());
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "Green");
    EXPECT_FALSE(pList->IsActive());
}

TEST_F(ListBoxCell, ValueNotAmongTheChoicesGivesAnEmptyEditText)
{
    SetList(1, "Red\nGreen\nBlue", "Purple");
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    CGXListBox* pList = Control(1);
    ASSERT_TRUE(pList->RouteKeyMessage(WM_KEYDOWN, VK_DOWN, 1, 0));
    ASSERT_TRUE(pList->IsActive());
    CString strText = "x";
    ASSERT_TRUE(pList->GetEditText(strText));
    EXPECT_STREQ(strText, "");
    // Double clicks activate only with the activation flag 8.
    pList->SetActive(FALSE);
    grid().GetParam()->m_wActivateCell = 1;
    pList->LButtonDblClk(0, Inner(1).CenterPoint());
    EXPECT_FALSE(pList->IsActive());
    grid().GetParam()->m_wActivateCell = 8;
    pList->LButtonDblClk(0, Inner(1).CenterPoint());
    EXPECT_TRUE(pList->IsActive());
}
