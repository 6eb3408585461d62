// Find and replace in windowed combo cells: a cell is found by the text it shows, the edited
// cell is searched from its selection and shows the occurrence selected; Replace puts the
// replacement in place of the selection and selects it (a pick-only combo only takes an
// entry's name); Replace All in the edited cell leaves the text before the selection as it is.
#include "ControlTestSupport.h"
#include "controls/GXComboBoxWnd.h"
#include "features/GXFeatureSwitches.h"
#include <gtest/gtest.h>

namespace {
const WORD kEditable = 52528, kPickOnly = 52529;

class ComboBoxWndFind : public ::testing::Test
{
protected:
    ComboBoxWndFind() : m_w((GXTestStartLibrary(), 6), 2)
    {
        GXImplementFindReplace(&grid());
        grid().SetColWidth(1, 2, 140);
        grid().SetRowHeight(1, 6, 22);
        const char* apszEditable[] = {"top", "Red and RED", "Green", "reddish", "end", "red"};
        const char* apszPickOnly[] = {"Blue", "Red", "Green", "Blue", "Red", "Blue"};
        for (ROWCOL r = 1; r <= 6; ++r) {
            grid().SetStyleRange(CGXRange(r, 1, r, 1),
                                 CGXStyle()
                                     .SetControl(kEditable)
                                     .SetChoiceList("Red\nGreen\nBlue")
                                     .SetValue(apszEditable[r - 1]));
            grid().SetStyleRange(CGXRange(r, 2, r, 2),
                                 CGXStyle()
                                     .SetControl(kPickOnly)
                                     .SetChoiceList("Red\nGreen\nBlue")
                                     .SetValue(apszPickOnly[r - 1]));
        }
        grid().SetFocus();
        CGridTestWindow::Pump();
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CGXComboBoxWnd* Combo()
    {
        return dynamic_cast<CGXComboBoxWnd*>(grid().GetCurrentCellControl());
    }
    // "row:text[start,end]" of the edited cell (the selection the window shows, or the one a
    // pick-only combo keeps), "row:inactive" when the current cell is not edited.
    CString State()
    {
        ROWCOL r = 0, c = 0;
        grid().GetCurrentCell(r, c);
        CString s;
        CGXComboBoxWnd* pCombo = Combo();
        if (pCombo == nullptr || !pCombo->IsActive()) {
            s.Format("%lu:inactive", r);
            return s;
        }
        CString strText;
        pCombo->GetEditText(strText);
        CString strSel;
        pCombo->GetSelectedEditText(strSel);
        int nStart = -1, nEnd = -1;
        if (CEdit* pEdit = pCombo->GetEditPart()) {
            pEdit->GetSel(nStart, nEnd);
        } else {
            // The kept selection of a pick-only combo: where the selected text lies.
            nStart = strText.Find(strSel);
            nEnd = nStart + strSel.GetLength();
        }
        s.Format("%lu:%s[%d,%d]", r, (LPCSTR)strText, nStart, nEnd);
        return s;
    }
    CGridTestWindow m_w;
};
} // namespace

TEST_F(ComboBoxWndFind, ACellIsFoundByItsTextAndTheNextSearchGoesOnBehindTheOccurrence)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().Find("red"));
    EXPECT_STREQ("2:Red and RED[0,3]", State());
    ASSERT_TRUE(grid().FindNext());
    EXPECT_STREQ("2:Red and RED[8,11]", State()) << "the edited cell first";
    ASSERT_TRUE(grid().FindNext());
    EXPECT_STREQ("4:reddish[0,3]", State());
    EXPECT_STREQ("Red and RED", grid().GetValueRowCol(2, 1)) << "finding changes nothing";
    // Up: the last occurrence of a cell first.
    ASSERT_TRUE(grid().SetCurrentCell(5, 1));
    ASSERT_TRUE(grid().Find("red", FALSE));
    EXPECT_STREQ("4:reddish[0,3]", State());
    ASSERT_TRUE(grid().FindNext());
    EXPECT_STREQ("2:Red and RED[8,11]", State());
    ASSERT_TRUE(grid().FindNext());
    EXPECT_STREQ("2:Red and RED[0,3]", State());
    // Matching case: only the upper-case one, in the edited cell and in the others.
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().Find("RED", TRUE, TRUE));
    EXPECT_STREQ("2:Red and RED[8,11]", State());
    EXPECT_FALSE(grid().FindNext());
    EXPECT_STREQ("2:Red and RED[8,11]", State());
    ASSERT_TRUE(grid().Find("red", TRUE, TRUE));
    EXPECT_STREQ("4:reddish[0,3]", State());
}

TEST_F(ComboBoxWndFind, APickOnlyComboIsFoundInTheEntryItShows)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 2));
    ASSERT_TRUE(grid().Find("ee"));
    EXPECT_STREQ("3:Green[2,4]", State());
    CString strSel;
    EXPECT_TRUE(Combo()->GetSelectedEditText(strSel));
    EXPECT_STREQ("ee", strSel);
    EXPECT_FALSE(grid().FindNext());
    EXPECT_STREQ("3:Green[2,4]", State()) << "no further occurrence: the search stays";
    // Up from the last row: the nearest cell above.
    ASSERT_TRUE(grid().SetCurrentCell(6, 2));
    ASSERT_TRUE(grid().Find("RE", FALSE));
    EXPECT_STREQ("5:Red[0,2]", State());
}

TEST_F(ComboBoxWndFind, ReplaceChangesTheSelectedOccurrenceAndSelectsWhatItPutIn)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    // Nothing selected yet: the first Replace only finds.
    ASSERT_TRUE(grid().Replace("red", TRUE, FALSE, "blue"));
    EXPECT_STREQ("2:Red and RED[0,3]", State());
    ASSERT_TRUE(grid().Replace("red", TRUE, FALSE, "blue"));
    EXPECT_STREQ("2:blue and RED[9,12]", State()) << "replaced, the next one found";
    ASSERT_TRUE(grid().Replace("red", TRUE, FALSE, "blue"));
    EXPECT_STREQ("4:reddish[0,3]", State());
    EXPECT_STREQ("blue and blue", grid().GetValueRowCol(2, 1)) << "stored when the cell was left";

    // The replacement is selected in the edited text.
    CGXComboBoxWnd* pCombo = Combo();
    pCombo->GetEditPart()->SetSel(3, 5);
    pCombo->ReplaceSel("-x-");
    EXPECT_STREQ("4:red-x-sh[3,6]", State());
    EXPECT_TRUE(pCombo->GetModify());
    // Read-only cells keep their text.
    grid().SetStyleRange(CGXRange(6, 1, 6, 1), CGXStyle().SetReadOnly(TRUE));
    ASSERT_TRUE(grid().SetCurrentCell(6, 1));
    Combo()->SetActive(TRUE);
    Combo()->GetEditPart()->SetSel(0, 3);
    Combo()->ReplaceSel("blue");
    EXPECT_STREQ("6:Red[0,3]", State()) << "the entry the value names";
}

TEST_F(ComboBoxWndFind, ReplaceInAPickOnlyComboTakesOnlyAnEntrysName)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 2));
    ASSERT_TRUE(grid().Find("Re"));
    EXPECT_STREQ("2:Red[0,2]", State());
    CGXComboBoxWnd* pCombo = Combo();
    // "Xd" names no entry: the cell keeps its choice.
    pCombo->ReplaceSel("X");
    EXPECT_STREQ("2:Red[0,2]", State());
    EXPECT_FALSE(pCombo->GetModify());
    // "Blue" does: it is chosen.
    ASSERT_TRUE(grid().Replace("Red", TRUE, FALSE, "Blue"));
    EXPECT_STREQ("5:Red[0,3]", State());
    EXPECT_TRUE(grid().Replace("Red", TRUE, FALSE, "Blue"));
    EXPECT_STREQ("5:Blue[0,4]", State());
    EXPECT_TRUE(Combo()->GetModify());
    ASSERT_TRUE(grid().SetCurrentCell(1, 2));
    EXPECT_STREQ("Blue", grid().GetValueRowCol(5, 2));
    EXPECT_STREQ("Red", grid().GetValueRowCol(2, 2));
}

TEST_F(ComboBoxWndFind, ReplaceAllInTheEditedCellStartsAtTheSelection)
{
    ASSERT_TRUE(grid().SetCurrentCell(2, 1));
    Combo()->SetActive(TRUE);
    Combo()->GetEditPart()->SetSel(4, 4);
    ASSERT_TRUE(grid().ReplaceAll("red", "x"));
    EXPECT_STREQ("Red and x", grid().GetValueRowCol(2, 1));
    EXPECT_STREQ("xdish", grid().GetValueRowCol(4, 1));
    EXPECT_STREQ("x", grid().GetValueRowCol(6, 1));
    EXPECT_STREQ("Red", grid().GetValueRowCol(2, 2)) << "only the current column";
    CString strText;
    Combo()->GetEditText(strText);
    EXPECT_STREQ("Red and x", strText) << "the window shows the cell's text";
    EXPECT_FALSE(Combo()->GetModify());
}

TEST_F(ComboBoxWndFind, AnIndexCellIsFoundByTheChoiceItShowsNotByItsValue)
{
    const WORD kIndex = 30003;
    auto* pCombo = new CGXComboBoxWnd(&grid());
    ASSERT_TRUE(pCombo->CreateControl(WS_VSCROLL | CBS_DROPDOWNLIST, kIndex));
    pCombo->m_nIndexValue = 1;
    pCombo->m_bDispChoice = TRUE;
    grid().RegisterControl(kIndex, pCombo, FALSE, FALSE);
    for (ROWCOL r = 1; r <= 6; ++r) {
        CString strValue;
        strValue.Format("%lu", (r - 1) % 3 + 1); // 1 Red, 2 Green, 3 Blue, ...
        grid().SetStyleRange(CGXRange(r, 2, r, 2),
                             CGXStyle().SetControl(kIndex).SetValue(strValue));
    }
    ASSERT_TRUE(grid().SetCurrentCell(1, 2));
    EXPECT_FALSE(grid().Find("3")) << "the value is not what the cell shows";
    ASSERT_TRUE(grid().Find("LU"));
    EXPECT_STREQ("3:Blue[1,3]", State());
    ASSERT_TRUE(grid().FindNext());
    EXPECT_STREQ("6:Blue[1,3]", State());
    EXPECT_STREQ("3", grid().GetValueRowCol(6, 2));
    // Replace All changes the text shown and stores the choice it names; text naming none
    // leaves the cells as they were.
    ASSERT_TRUE(grid().SetCurrentCell(1, 2));
    EXPECT_FALSE(grid().ReplaceAll("Blue", "Grey"));
    EXPECT_STREQ("3", grid().GetValueRowCol(3, 2));
    EXPECT_STREQ("3", grid().GetValueRowCol(6, 2));
    EXPECT_TRUE(grid().ReplaceAll("Blue", "Green"));
    EXPECT_STREQ("2", grid().GetValueRowCol(3, 2));
    EXPECT_STREQ("2", grid().GetValueRowCol(6, 2));
    EXPECT_STREQ("1", grid().GetValueRowCol(4, 2));
}
