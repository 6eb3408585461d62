// Find and replace inside the edit cell: the occurrence found is selected in the cell's window,
// the next search goes on behind it in the same text, Replace replaces the selected occurrence
// only, and Replace All in the edited cell leaves the text before the selection as it is.
#include "ControlTestSupport.h"
#include "controls/GXEditControl.h"
#include "features/GXFeatureSwitches.h"
#include <gtest/gtest.h>

namespace {
class EditFind : public ::testing::Test
{
protected:
    EditFind() : m_w((GXTestStartLibrary(), 6), 2)
    {
        GXImplementFindReplace(&grid());
        const char* apsz[] = {"top", "lead and LEAD", "weather", "leader", "end", "lead"};
        for (ROWCOL r = 1; r <= 6; ++r)
            grid().SetValueRange(CGXRange(r, 1, r, 1), apsz[r - 1]);
        grid().SetFocus();
        CGridTestWindow::Pump();
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CGXEditControl* Edit() { return dynamic_cast<CGXEditControl*>(grid().GetCurrentCellControl()); }
    // "row:text[start,end]" of the current cell's edit window, "row:inactive" when not edited.
    CString State()
    {
        ROWCOL r = 0, c = 0;
        grid().GetCurrentCell(r, c);
        CString s;
        CGXEditControl* pEdit = Edit();
        if (pEdit == nullptr || !pEdit->IsActive()) {
            s.Format("%lu:inactive", r);
            return s;
        }
        CString strText;
        pEdit->GetWindowText(strText);
        int nStart = -1, nEnd = -1;
        pEdit->GetSel(nStart, nEnd);
        s.Format("%lu:%s[%d,%d]", r, (LPCSTR)strText, nStart, nEnd);
        return s;
    }
    CGridTestWindow m_w;
};
} // namespace

TEST_F(EditFind, TheOccurrenceFoundIsSelectedAndTheNextSearchGoesOnBehindIt)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().Find("lead"));
    EXPECT_STREQ("2:lead and LEAD[0,4]", State());
    ASSERT_TRUE(grid().FindNext());
    EXPECT_STREQ("2:lead and LEAD[9,13]", State()) << "the same cell first";
    ASSERT_TRUE(grid().FindNext());
    EXPECT_STREQ("4:leader[0,4]", State());
    // Up: the last occurrence of a cell first.
    ASSERT_TRUE(grid().SetCurrentCell(3, 1));
    ASSERT_TRUE(grid().Find("lead", FALSE));
    EXPECT_STREQ("2:lead and LEAD[9,13]", State());
    ASSERT_TRUE(grid().FindNext());
    EXPECT_STREQ("2:lead and LEAD[0,4]", State());
    // With case only the lower-case one; an empty text changes nothing.
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().Find("LEAD", TRUE, TRUE));
    EXPECT_STREQ("2:lead and LEAD[9,13]", State());
    EXPECT_FALSE(grid().Find(""));
    EXPECT_STREQ("2:lead and LEAD[9,13]", State());
}

TEST_F(EditFind, ReplaceChangesTheSelectedOccurrenceAndSelectsTheNext)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    // Nothing selected yet: the first Replace only finds.
    ASSERT_TRUE(grid().Replace("lead", TRUE, FALSE, "lede"));
    EXPECT_STREQ("2:lead and LEAD[0,4]", State());
    ASSERT_TRUE(grid().Replace("lead", TRUE, FALSE, "lede"));
    EXPECT_STREQ("2:lede and LEAD[9,13]", State());
    ASSERT_TRUE(grid().Replace("lead", TRUE, FALSE, "lede"));
    EXPECT_STREQ("4:leader[0,4]", State());
    EXPECT_STREQ("lede and lede", grid().GetValueRowCol(2, 1)) << "stored when the cell was left";
    // A replacement that holds the find text is not found again.
    ASSERT_TRUE(grid().Replace("lead", TRUE, FALSE, "leadlead"));
    EXPECT_STREQ("6:lead[0,4]", State());
    EXPECT_STREQ("leadleader", grid().GetValueRowCol(4, 1));
}

TEST_F(EditFind, ReplaceAllInTheEditedCellStartsAtTheSelection)
{
    // The cell is edited with the caret behind "lead ".
    ASSERT_TRUE(grid().SetCurrentCell(2, 1));
    Edit()->SetActive(TRUE);
    Edit()->SetSel(5, 5);
    ASSERT_TRUE(grid().ReplaceAll("lead", "x"));
    EXPECT_STREQ("lead and x", grid().GetValueRowCol(2, 1));
    EXPECT_STREQ("xer", grid().GetValueRowCol(4, 1));
    EXPECT_STREQ("x", grid().GetValueRowCol(6, 1));
    CString strText;
    Edit()->GetWindowText(strText);
    EXPECT_STREQ("lead and x", strText) << "the window shows the cell's text";
    EXPECT_FALSE(Edit()->GetModify());
}
