// Find and replace in currency cells: the find text is looked for in the amount as the cell
// shows it and the occurrence found is selected in the edit window; with numeric find the
// amounts compare as whole numbers ("$1,234" finds 1234.56) and the whole amount is replaced;
// a replacement that is no amount leaves the cell as it was.
#include "ControlTestSupport.h"
#include "controls/GXCurrencyEdit.h"
#include "core/GXRange.h"
#include "core/GXStyle.h"
#include "features/GXFeatureSwitches.h"
#include <gtest/gtest.h>

namespace {
const WORD kCurrency = 52545;

class CurrencyFind : public ::testing::Test
{
protected:
    CurrencyFind() : m_w((GXTestStartLibrary(), 5), 1) { }
    void SetUp() override
    {
        GXImplementFindReplace(&grid());
        CGXStyle style;
        style.SetControl(kCurrency)
            .SetUserAttribute(GX_IDS_UA_CURRENCY_SYMBOL, "$")
            .SetUserAttribute(GX_IDS_UA_CURRENCY_POSITIVE, "0")
            .SetUserAttribute(GX_IDS_UA_CURRENCY_NEGATIVE, "1")
            .SetUserAttribute(GX_IDS_UA_CURRENCY_FRACTION_DIGITS, "2")
            .SetUserAttribute(GX_IDS_UA_CURRENCY_SEPARATORS, ",.");
        grid().SetStyleRange(CGXRange().SetCols(1), style);
        const char* apsz[] = {"5.00", "1234.56", "", "81.23", "1234.00"};
        for (ROWCOL r = 1; r <= 5; ++r)
            grid().SetValueRange(CGXRange(r, 1, r, 1), apsz[r - 1]);
        grid().SetFocus();
        CGridTestWindow::Pump();
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CGXCurrencyEdit* Cell()
    {
        return dynamic_cast<CGXCurrencyEdit*>(grid().GetCurrentCellControl());
    }
    // "row:text[start,end]" of the current cell's edit window, "row:inactive" when not edited.
    CString State()
    {
        ROWCOL r = 0, c = 0;
        grid().GetCurrentCell(r, c);
        CString s;
        CGXCurrencyEdit* pCell = Cell();
        if (pCell == nullptr || !pCell->IsActive()) {
            s.Format("%lu:inactive", r);
            return s;
        }
        int nStart = -1, nEnd = -1;
        pCell->GetSel(nStart, nEnd);
        s.Format("%lu:%s[%d,%d]", r, (LPCTSTR)pCell->GetText(), nStart, nEnd);
        return s;
    }
    CGridTestWindow m_w;
};
} // namespace

TEST_F(CurrencyFind, TextIsFoundInTheShownAmountAndSelected)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().Find("23"));
    EXPECT_STREQ("2:$1,234.56[3,5]", State());
    ASSERT_TRUE(grid().FindNext());
    EXPECT_STREQ("4:$81.23[4,6]", State());
    ASSERT_TRUE(grid().FindNext());
    EXPECT_STREQ("5:$1,234.00[3,5]", State());
    EXPECT_FALSE(grid().FindNext());
    // "1234" is not what the cells show.
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    EXPECT_FALSE(grid().Find("1234"));
}

TEST_F(CurrencyFind, NumericFindComparesWholeNumbersAndReplacesTheAmount)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    Cell()->SetNumericFind(TRUE);
    ASSERT_TRUE(grid().Find("$1,234"));
    EXPECT_STREQ("2:$1,234.56[0,9]", State()) << "the whole amount";
    ASSERT_TRUE(grid().FindNext());
    EXPECT_STREQ("5:$1,234.00[0,9]", State());
    EXPECT_FALSE(grid().FindNext());
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    EXPECT_FALSE(grid().Find("1,23")) << "no number of the cells";
    EXPECT_FALSE(grid().Find("abc"));

    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().Replace("1234", TRUE, FALSE, "7")); // finds only
    EXPECT_STREQ("2:$1,234.56[0,9]", State());
    ASSERT_TRUE(grid().Replace("1234", TRUE, FALSE, "7"));
    EXPECT_STREQ("5:$1,234.00[0,9]", State());
    EXPECT_STREQ("7.00", grid().GetValueRowCol(2, 1));
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));

    EXPECT_FALSE(grid().ReplaceAll("1234", "lots")) << "no amount";
    EXPECT_STREQ("1234.00", grid().GetValueRowCol(5, 1));
    ASSERT_TRUE(grid().ReplaceAll("1234", "$2,000"));
    EXPECT_STREQ("2000.00", grid().GetValueRowCol(5, 1));
    EXPECT_STREQ("5.00", grid().GetValueRowCol(1, 1));
    EXPECT_STREQ("", grid().GetValueRowCol(3, 1));
    Cell()->SetNumericFind(FALSE);
}

TEST_F(CurrencyFind, ReplaceAllChangesTheShownTextAndReadsItBackAsAnAmount)
{
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(grid().ReplaceAll("23", "99"));
    EXPECT_STREQ("1994.56", grid().GetValueRowCol(2, 1));
    EXPECT_STREQ("81.99", grid().GetValueRowCol(4, 1));
    EXPECT_STREQ("1994.00", grid().GetValueRowCol(5, 1));
    EXPECT_STREQ("5.00", grid().GetValueRowCol(1, 1));
    // Text that is no amount changes nothing.
    EXPECT_FALSE(grid().ReplaceAll("99", "x"));
    EXPECT_STREQ("81.99", grid().GetValueRowCol(4, 1));
}
