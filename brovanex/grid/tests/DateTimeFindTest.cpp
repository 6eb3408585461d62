// Find and replace in date-time cells: the search compares the fields a cell shows (numbers
// by their value, month names by their start), the field found becomes the edited cell's
// current field and the next search goes on behind it; Replace changes that field only and
// Replace All every field found; a replacement that makes no date changes nothing.
#include "ControlTestSupport.h"
#include "DateTimeTestSupport.h"
#include "controls/GXDateTimeCtrl.h"
#include "core/GXRange.h"
#include "core/GXStyle.h"
#include "features/GXFeatureSwitches.h"
#include "res/GXResource.h"

namespace {
class DateTimeFind : public ::testing::Test
{
protected:
    DateTimeFind() : m_w((GXTestStartLibrary(), 5), 2) { }

    void SetUp() override
    {
        GXImplementFindReplace(&grid());
        CGXStyle numbers;
        numbers.SetControl(GX_IDS_CTRL_DATETIME)
            .SetUserAttribute(GX_IDS_UA_CUSTOMFORMAT, "dd|MM|yyyy");
        grid().SetStyleRange(CGXRange().SetCols(1), numbers);
        CGXStyle names;
        names.SetControl(GX_IDS_CTRL_DATETIME)
            .SetUserAttribute(GX_IDS_UA_CUSTOMFORMAT, "d MMMM yyyy");
        grid().SetStyleRange(CGXRange().SetCols(2), names);
        const char* apsz[] = {"1/2/2020", "3/15/2021", "", "3/3/2021", "5/20/2021"};
        for (ROWCOL r = 1; r <= 5; ++r)
            grid().SetValueRange(CGXRange(r, 1, r, 2), apsz[r - 1]);
        grid().SetFocus();
        CGridTestWindow::Pump();
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CGXDateTimeCtrl* Ctrl()
    {
        return dynamic_cast<CGXDateTimeCtrl*>(grid().GetCurrentCellControl());
    }
    // "row:fields" of the current cell's window with the current field in brackets,
    // "row:inactive" when the cell is not edited.
    CString State()
    {
        ROWCOL r = 0, c = 0;
        grid().GetCurrentCell(r, c);
        CString s;
        CGXDateTimeCtrl* pCtrl = Ctrl();
        if (pCtrl == nullptr || !pCtrl->IsActive()) {
            s.Format("%lu:inactive", r);
            return s;
        }
        CString strFields;
        for (int i = pCtrl->GetFixedCount(); i < pCtrl->GetGadgetCount(); ++i) {
            CString strText = pCtrl->GetGadget(i)->GetText();
            strFields += i == pCtrl->GetCurrentGadget() ? "[" + strText + "]" : strText;
        }
        s.Format("%lu:%s", r, (LPCTSTR)strFields);
        return s;
    }
    // The stored date of a cell (1 January 1900 for one that holds none).
    COleDateTime Stored(ROWCOL nRow, ROWCOL nCol)
    {
        COleDateTime value;
        if (!CGXDateTimeCtrl::ParseValue(grid().GetValueRowCol(nRow, nCol), value))
            return DT(1900, 1, 1);
        return value;
    }

    CTestClock m_clock {DT(2021, 6, 1, 9, 0, 0)};
    CGridTestWindow m_w;
};
} // namespace

TEST_F(DateTimeFind, TheFieldFoundBecomesCurrentAndTheNextSearchGoesOnBehindIt)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().Find("3"));
    EXPECT_STREQ("2:15|[03]|2021", State()) << "a number matches by its value";
    ASSERT_TRUE(grid().FindNext());
    EXPECT_STREQ("4:[03]|03|2021", State()) << "the empty cell shows no fields";
    ASSERT_TRUE(grid().FindNext());
    EXPECT_STREQ("4:03|[03]|2021", State()) << "the same cell first";
    EXPECT_FALSE(grid().FindNext()) << "2021 is not 3";
    EXPECT_STREQ("4:03|[03]|2021", State());
    // Up: the last field of a cell first.
    ASSERT_TRUE(grid().SetCurrentCell(5, 1));
    ASSERT_TRUE(grid().Find("03", FALSE));
    EXPECT_STREQ("4:03|[03]|2021", State());
    ASSERT_TRUE(grid().FindNext());
    EXPECT_STREQ("4:[03]|03|2021", State());
    // Month names by their start, case only when asked; text is no number.
    ASSERT_TRUE(grid().SetCurrentCell(1, 2));
    ASSERT_TRUE(grid().Find("mar"));
    EXPECT_STREQ("2:15 [March] 2021", State());
    ASSERT_TRUE(grid().SetCurrentCell(1, 2));
    EXPECT_FALSE(grid().Find("mar", TRUE, TRUE));
    EXPECT_FALSE(grid().Find("rch"));
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    EXPECT_FALSE(grid().Find("3x"));
}

TEST_F(DateTimeFind, ReplaceChangesTheFoundFieldOnlyAndKeepsCellsThatWouldBeNoDate)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().Replace("3", TRUE, FALSE, "4")); // nothing found yet: finds only
    EXPECT_STREQ("2:15|[03]|2021", State());
    ASSERT_TRUE(grid().Replace("3", TRUE, FALSE, "4"));
    EXPECT_STREQ("4:[03]|03|2021", State());
    EXPECT_EQ(DT(2021, 4, 15), Stored(2, 1)) << "stored when the cell was left";
    ASSERT_TRUE(grid().Replace("3", TRUE, FALSE, "4"));
    EXPECT_STREQ("4:04|[03]|2021", State());
    ASSERT_TRUE(grid().Replace("3", TRUE, FALSE, "4"));
    EXPECT_STREQ("4:04|[04]|2021", State());
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    EXPECT_EQ(DT(2021, 4, 4), Stored(4, 1));

    // A day 40 or a month "Smarch" is no date: the cell keeps its value, the search goes on.
    ASSERT_TRUE(grid().Find("15"));
    EXPECT_STREQ("2:[15]|04|2021", State());
    grid().Replace("15", TRUE, FALSE, "40");
    ASSERT_TRUE(grid().SetCurrentCell(1, 2));
    EXPECT_EQ(DT(2021, 4, 15), Stored(2, 1));
    ASSERT_TRUE(grid().Find("march"));
    ASSERT_TRUE(grid().Replace("march", TRUE, FALSE, "Smarch"));
    EXPECT_STREQ("4:3 [March] 2021", State());
    ASSERT_TRUE(grid().SetCurrentCell(1, 2));
    EXPECT_EQ(DT(2021, 3, 15), Stored(2, 2));
}

TEST_F(DateTimeFind, ReplaceAllChangesEveryFieldFoundIncludingTheEditedCell)
{
    ASSERT_TRUE(grid().SetCurrentCell(2, 1));
    ASSERT_TRUE(Ctrl()->Activate());
    ASSERT_TRUE(grid().ReplaceAll("3", "6"));
    EXPECT_EQ(DT(2021, 6, 15), Stored(2, 1));
    EXPECT_EQ(DT(2021, 6, 6), Stored(4, 1));
    EXPECT_EQ(DT(2021, 5, 20), Stored(5, 1));
    EXPECT_STREQ("", grid().GetValueRowCol(3, 1)) << "an empty cell stays empty";
    EXPECT_FALSE(Ctrl()->GetModify()) << "the window shows the cell's value";
    EXPECT_EQ(DT(2021, 6, 15), Ctrl()->GetDateTime());

    // Years by value; cells above the current one stay.
    ASSERT_TRUE(grid().ReplaceAll("2021", "2022"));
    EXPECT_EQ(DT(2022, 6, 15), Stored(2, 1));
    EXPECT_EQ(DT(2022, 5, 20), Stored(5, 1));
    EXPECT_EQ(DT(2020, 1, 2), Stored(1, 1));

    // No cell is turned into something that is no date.
    ASSERT_TRUE(grid().SetCurrentCell(1, 2));
    EXPECT_FALSE(grid().ReplaceAll("mar", "Smarch"));
    EXPECT_EQ(DT(2021, 3, 15), Stored(2, 2));
    EXPECT_EQ(DT(2021, 3, 3), Stored(4, 2));
    ASSERT_TRUE(grid().ReplaceAll("mar", "May"));
    EXPECT_EQ(DT(2021, 5, 15), Stored(2, 2));
    EXPECT_EQ(DT(2021, 5, 3), Stored(4, 2));
}
