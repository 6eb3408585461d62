// Find and replace in rich-text cells: the edited cell is searched in its window from the
// selection (one character further only when an occurrence is selected) and shows the
// occurrence selected; other cells are found by the plain text of their rich text; replacing,
// one occurrence or all, keeps the formatting of the text around it.
#include "ControlTestSupport.h"
#include "controls/GXRichEditCtrl.h"
#include "features/GXFeatureSwitches.h"
#include <gtest/gtest.h>

namespace {
const WORD kRichText = 52534;

class RichTextFind : public ::testing::Test
{
protected:
    RichTextFind() : m_w((GXTestStartLibrary(), 6), 1)
    {
        GXImplementFindReplace(&grid());
        grid().SetColWidth(1, 1, 200);
        grid().SetRowHeight(1, 6, 24);
        // "Lead" bold and "er" italic: the formatting splits the texts searched.
        const char* apsz[] = {"top",     "{\\rtf1\\ansi {\\b Lead} and lead}",
                              "weather", "{\\rtf1\\ansi lead{\\i er}}",
                              "end",     "lead"};
        for (ROWCOL r = 1; r <= 6; ++r)
            grid().SetStyleRange(CGXRange(r, 1, r, 1),
                                 CGXStyle().SetControl(kRichText).SetValue(apsz[r - 1]));
        m_reader.Create(WS_CHILD | ES_MULTILINE, CRect(0, 0, 200, 100), &grid(), 0);
        grid().SetFocus();
        CGridTestWindow::Pump();
    }
    ~RichTextFind() override { m_reader.DestroyWindow(); }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CGXRichEditCtrl* Current()
    {
        return dynamic_cast<CGXRichEditCtrl*>(grid().GetCurrentCellControl());
    }
    // "row:text[start,end]" of the edited cell's window, "row:inactive" when not edited.
    CString State()
    {
        ROWCOL r = 0, c = 0;
        grid().GetCurrentCell(r, c);
        CString s;
        CGXRichEditCtrl* pCell = Current();
        if (pCell == nullptr || !pCell->IsActive()) {
            s.Format("%lu:inactive", r);
            return s;
        }
        CString strText;
        pCell->GetWindowText(strText);
        CHARRANGE sel = {-1, -1};
        pCell->GetSel(sel);
        s.Format("%lu:%s[%ld,%ld]", r, (LPCSTR)strText, sel.cpMin, sel.cpMax);
        return s;
    }
    // A stored cell's plain text, and whether a range of it has all of the effect.
    CString StoredText(ROWCOL nRow)
    {
        CGXRichEditCtrl::LoadRtf(m_reader, grid().GetValueRowCol(nRow, 1));
        CString str;
        m_reader.GetWindowText(str);
        return str;
    }
    BOOL StoredEffect(ROWCOL nRow, long nFrom, long nTo, DWORD dwEffect)
    {
        CGXRichEditCtrl::LoadRtf(m_reader, grid().GetValueRowCol(nRow, 1));
        m_reader.SetSel(nFrom, nTo);
        CHARFORMATA cf = {};
        cf.cbSize = sizeof cf;
        m_reader.GetSelectionCharFormat(cf);
        return (cf.dwMask & dwEffect) && (cf.dwEffects & dwEffect);
    }
    CGridTestWindow m_w;
    CRichEditCtrl m_reader;
};
} // namespace

TEST_F(RichTextFind, TheOccurrenceFoundIsSelectedAndTheNextSearchGoesOnBehindIt)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().Find("lead"));
    EXPECT_STREQ("2:Lead and lead[0,4]", State());
    ASSERT_TRUE(grid().FindNext());
    EXPECT_STREQ("2:Lead and lead[9,13]", State()) << "the edited cell first";
    ASSERT_TRUE(grid().FindNext());
    EXPECT_STREQ("4:leader[0,4]", State()) << "found across the formatting";
    // A caret (no occurrence selected) is searched from where it stands.
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().Find("lead"));
    Current()->SetSel(9, 9);
    ASSERT_TRUE(grid().FindNext());
    EXPECT_STREQ("2:Lead and lead[9,13]", State());
    // Up: the last occurrence of a cell first.
    ASSERT_TRUE(grid().SetCurrentCell(3, 1));
    ASSERT_TRUE(grid().Find("lead", FALSE));
    EXPECT_STREQ("2:Lead and lead[9,13]", State());
    ASSERT_TRUE(grid().FindNext());
    EXPECT_STREQ("2:Lead and lead[0,4]", State());
    // Matching case, in the edited cell and in the others.
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().Find("Lead", TRUE, TRUE));
    EXPECT_STREQ("2:Lead and lead[0,4]", State());
    EXPECT_FALSE(grid().FindNext());
    EXPECT_STREQ("2:Lead and lead[0,4]", State());
    ASSERT_TRUE(grid().Find("lead", TRUE, TRUE));
    EXPECT_STREQ("2:Lead and lead[9,13]", State());
}

TEST_F(RichTextFind, ReplaceChangesTheSelectedOccurrenceAndKeepsTheFormattingAround)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    // Nothing selected yet: the first Replace only finds.
    ASSERT_TRUE(grid().Replace("lead", TRUE, FALSE, "lede"));
    EXPECT_STREQ("2:Lead and lead[0,4]", State());
    ASSERT_TRUE(grid().Replace("lead", TRUE, FALSE, "lede"));
    EXPECT_STREQ("2:lede and lead[9,13]", State());
    ASSERT_TRUE(grid().Replace("lead", TRUE, FALSE, "lede"));
    EXPECT_STREQ("4:leader[0,4]", State());
    // Stored when the cell was left: the replacement took the bold of what it replaced.
    EXPECT_STREQ("lede and lede", StoredText(2));
    EXPECT_TRUE(StoredEffect(2, 0, 4, CFE_BOLD));
    EXPECT_FALSE(StoredEffect(2, 5, 13, CFE_BOLD));
}

TEST_F(RichTextFind, ReplaceAllReplacesInsideTheRichTextOfEachCell)
{
    grid().SetStyleRange(CGXRange(5, 1, 6, 1), CGXStyle().SetReadOnly(TRUE));
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().ReplaceAll("LEAD", "x"));
    EXPECT_STREQ("lead", grid().GetValueRowCol(6, 1)) << "a read-only cell keeps its text";
    EXPECT_STREQ("x and x", StoredText(2));
    EXPECT_TRUE(StoredEffect(2, 0, 1, CFE_BOLD));
    EXPECT_FALSE(StoredEffect(2, 1, 7, CFE_BOLD));
    EXPECT_STREQ("xer", StoredText(4));
    EXPECT_TRUE(StoredEffect(4, 1, 3, CFE_ITALIC)) << "the untouched text keeps its italics";
    EXPECT_FALSE(StoredEffect(4, 0, 1, CFE_ITALIC));
    EXPECT_STREQ("weather", grid().GetValueRowCol(3, 1)) << "cells without it are left alone";
    EXPECT_FALSE(grid().ReplaceAll("LEAD", "x"));
}

TEST_F(RichTextFind, ReplaceAllInTheEditedCellStartsAtTheSelection)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().Find("and"));
    EXPECT_STREQ("2:Lead and lead[5,8]", State());
    ASSERT_TRUE(grid().ReplaceAll("lead", "x"));
    EXPECT_STREQ("Lead and x", StoredText(2));
    EXPECT_TRUE(StoredEffect(2, 0, 4, CFE_BOLD));
    EXPECT_STREQ("xer", StoredText(4));
    CString strText;
    Current()->GetWindowText(strText);
    EXPECT_STREQ("Lead and x", strText) << "the window shows the cell's text";
    EXPECT_FALSE(Current()->GetModify());
}
