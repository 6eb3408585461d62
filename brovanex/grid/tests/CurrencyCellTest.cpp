// Currency cells: values shown by the cell's currency attributes, amounts typed into the
// current cell or calculated in its drop-down calculator stored as plain number text, and
// other cells formatted without touching the cell being edited.
#include "ControlTestSupport.h"
#include "controls/GXBCalculator.h"
#include "controls/GXCurrencyEdit.h"
#include "core/GXGridParam.h"
#include <gtest/gtest.h>

namespace {
const WORD kCurrency = 52545;

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

CGXStyle CurrencyStyle(const char* pszSeparators, const char* pszOptions = nullptr)
{
    CGXStyle style;
    style.SetControl(kCurrency)
        .SetUserAttribute(GX_IDS_UA_CURRENCY_SYMBOL, "$")
        .SetUserAttribute(GX_IDS_UA_CURRENCY_POSITIVE, "0")
        .SetUserAttribute(GX_IDS_UA_CURRENCY_NEGATIVE, "1")
        .SetUserAttribute(GX_IDS_UA_CURRENCY_FRACTION_DIGITS, "2")
        .SetUserAttribute(GX_IDS_UA_CURRENCY_SEPARATORS, pszSeparators);
    if (pszOptions != nullptr)
        style.SetUserAttribute(GX_IDS_UA_CURRENCY_OPTIONS, pszOptions);
    return style;
}

class CurrencyCell : public ::testing::Test
{
protected:
    CurrencyCell() : m_w((GXTestStartLibrary(), 10), 5) { }
    CGXGridWnd& grid() { return m_w.Grid(); }
    CGXCurrencyEdit* Current()
    {
        return dynamic_cast<CGXCurrencyEdit*>(grid().GetCurrentCellControl());
    }
    void TypeIntoCell(CGXCurrencyEdit* pCell, const char* psz)
    {
        for (const char* p = psz; *p != 0; ++p) {
            if (!pCell->IsActive())
                pCell->Char((UINT)(BYTE)*p, 1, 0);
            else
                pCell->SendMessage(WM_CHAR, (WPARAM)(BYTE)*p, 0);
        }
    }
    CGridTestWindow m_w;
};
} // namespace

TEST(CurrencyCellFormat, AttributesGiveTheShownText)
{
    struct Case
    {
        const char* pszWhat;
        const char* pszValue;
        WORD nId;
        const char* pszAttribute;
        const char* pszShown;
    } cases[] = {
        {"plain", "1234.5", 0, nullptr, "$1,234.50"},
        {"negative", "-1234.5", 0, nullptr, "-$1,234.50"},
        {"no symbol", "12", GX_IDS_UA_CURRENCY_SYMBOL, "0", "12.00"},
        {"no grouping, comma", "1234.5", GX_IDS_UA_CURRENCY_SEPARATORS, "0,", "$1234,50"},
        {"dot and comma", "1234.5", GX_IDS_UA_CURRENCY_SEPARATORS, ".,", "$1.234,50"},
        {"separators of another length", "1234.5", GX_IDS_UA_CURRENCY_SEPARATORS, ";", "$1,234.50"},
        {"no leading zero", "0.5", GX_IDS_UA_CURRENCY_OPTIONS, "0000", "$.50"},
        {"options of another length", "0.5", GX_IDS_UA_CURRENCY_OPTIONS, "000", "$0.50"},
        {"pattern out of range", "5", GX_IDS_UA_CURRENCY_NEGATIVE, "99", "$5.00"},
        {"digits out of range", "5", GX_IDS_UA_CURRENCY_FRACTION_DIGITS, "-4", "$5"},
        {"typed text as the value", "$7.25", 0, nullptr, "$7.25"},
    };
    for (const Case& c : cases) {
        CGXStyle style = CurrencyStyle(",.");
        if (c.nId != 0)
            style.SetUserAttribute(c.nId, c.pszAttribute);
        CString s;
        ASSERT_TRUE(CGXCurrencyEdit::FormatStoredValue(style, c.pszValue, s)) << c.pszWhat;
        EXPECT_STREQ(s, c.pszShown) << c.pszWhat;
    }
    CString s;
    EXPECT_FALSE(CGXCurrencyEdit::FormatStoredValue(CurrencyStyle(",."), "1.2.3", s));

    // Typed text becomes the plain stored number.
    CGXStyle style = CurrencyStyle(".,");
    CString strTyped = "1.234,50";
    CGXCurrencyEdit cell(nullptr, kCurrency);
    ASSERT_TRUE(cell.AcceptsTypedText(strTyped, 1, 1, style));
    EXPECT_STREQ(strTyped, "1234.50");
}

TEST_F(CurrencyCell, TypedAmountIsStoredAndShown)
{
    grid().SetStyleRange(CGXRange(1, 1, 1, 1), CurrencyStyle(".,"));
    grid().SetStyleRange(CGXRange(2, 1, 2, 1), CurrencyStyle(".,").SetValue("99.5"));
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    Pump();
    CGXCurrencyEdit* pCell = Current();
    ASSERT_NE(pCell, nullptr);
    TypeIntoCell(pCell, "1234,5");
    EXPECT_TRUE(pCell->IsActive());
    EXPECT_STREQ(pCell->GetText(), "$1.234,50");
    EXPECT_TRUE(pCell->GetModify());

    // Another cell's display text leaves the edited amount alone.
    CString strOther;
    ASSERT_TRUE(pCell->FormatDisplayText(strOther, 2, 1, nullptr, grid().GetCachedCellStyle(2, 1)));
    EXPECT_STREQ(strOther, "$99,50");
    EXPECT_STREQ(pCell->GetText(), "$1.234,50");

    ASSERT_TRUE(pCell->Store());
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "1234.50");
    CString strShown;
    ASSERT_TRUE(pCell->FormatDisplayText(strShown, 1, 1, nullptr, grid().GetCachedCellStyle(1, 1)));
    EXPECT_STREQ(strShown, "$1.234,50");
}

TEST_F(CurrencyCell, CalculatedAmountIsStoredAndShown)
{
    grid().SetStyleRange(CGXRange(1, 1, 1, 1), CurrencyStyle(",.", "11 1").SetValue("12.5"));
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    Pump();
    CGXCurrencyEdit* pCell = Current();
    ASSERT_NE(pCell, nullptr);
    ASSERT_TRUE(pCell->SysKeyDown(VK_DOWN, 1, 0)); // Alt+Down: the calculator drops down
    Pump();
    CGXBPopupCalculator* pCalc = dynamic_cast<CGXBPopupCalculator*>(CWnd::GetFocus());
    ASSERT_NE(pCalc, nullptr);
    EXPECT_STREQ(pCalc->GetDisplayText("E"), "12.5");
    for (const char* p = "*3"; *p != 0; ++p)
        pCalc->SendMessage(WM_CHAR, (WPARAM)*p, 0);
    pCalc->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    Pump();
    EXPECT_STREQ(pCell->GetText(), "$37.50");
    EXPECT_TRUE(pCell->GetModify());
    ASSERT_TRUE(pCell->Store());
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "37.50");

    // A read-only cell ignores a calculator's result.
    grid().SetStyleRange(CGXRange(1, 1, 1, 1), CGXStyle().SetReadOnly(TRUE));
    grid().SetCurrentCell(2, 1);
    grid().SetCurrentCell(1, 1);
    Pump();
    pCell = Current();
    ASSERT_NE(pCell, nullptr);
    EXPECT_TRUE(pCell->SendMessage(WM_GX_CALC_RESULT, 0, (LPARAM) "1"));
    EXPECT_STREQ(pCell->GetText(), "$37.50");
}

TEST_F(CurrencyCell, PaintingAndFormattingOtherCellsLeaveTheEditedAmountAlone)
{
    grid().SetStyleRange(CGXRange(1, 1, 1, 1), CurrencyStyle(",."));
    grid().SetStyleRange(CGXRange(2, 1, 4, 1), CurrencyStyle(",.").SetValue("-99.5"));
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    Pump();
    CGXCurrencyEdit* pCell = Current();
    ASSERT_NE(pCell, nullptr);
    TypeIntoCell(pCell, "42");
    ASSERT_TRUE(pCell->IsActive());
    ASSERT_STREQ(pCell->GetText(), "$42.00");
    // The whole grid drawn again, other cells of the same control among it.
    grid().Invalidate();
    grid().UpdateWindow();
    Pump();
    EXPECT_STREQ(pCell->GetText(), "$42.00");
    EXPECT_EQ(pCell->CGXBCurrencyEdit::GetValue(), 42);
    // A value given to format, for this cell or another.
    CString strShown;
    ASSERT_TRUE(pCell->FormatDisplayText(strShown, 3, 1, "7.5", grid().GetCachedCellStyle(3, 1)));
    EXPECT_STREQ(strShown, "$7.50");
    ASSERT_TRUE(pCell->FormatDisplayText(strShown, 1, 1, "-3", grid().GetCachedCellStyle(1, 1)));
    EXPECT_STREQ(strShown, "-$3.00");
    EXPECT_STREQ(pCell->GetText(), "$42.00");
    EXPECT_TRUE(pCell->GetModify());
    ASSERT_TRUE(pCell->Store());
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), "42.00");
}

TEST_F(CurrencyCell, TheFourthOptionCharacterGivesTheDropButton)
{
    struct Case
    {
        const char* pszOptions; // null: no option attribute at all
        bool bButton;
        const char* pszShown; // of 0.5
    } const cases[] = {
        {nullptr, false, "$0.50"}, {"000", false, "$0.50"}, // another length: "11 1" for the format only
        {"11 1", true, "$0.50"},   {"0110", false, "$.50"}, {"01 x", true, "$.50"},
    };
    ROWCOL nRow = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszOptions != nullptr ? c.pszOptions : "(none)");
        CGXStyle style = CurrencyStyle(",.", c.pszOptions);
        grid().SetStyleRange(CGXRange(nRow, 1, nRow, 1), style.SetValue("0.5"));
        ASSERT_TRUE(grid().SetCurrentCell(nRow, 1));
        Pump();
        CGXCurrencyEdit* pCell = Current();
        ASSERT_NE(pCell, nullptr);
        EXPECT_EQ(pCell->HasDropButton() != FALSE, c.bButton);
        EXPECT_STREQ(pCell->GetText(), c.pszShown);
        ++nRow;
    }
    // A cell without any currency attribute: the user's currency settings, no button.
    grid().SetStyleRange(CGXRange(nRow, 1, nRow, 1),
                         CGXStyle().SetControl(kCurrency).SetValue("-1234.5"));
    ASSERT_TRUE(grid().SetCurrentCell(nRow, 1));
    Pump();
    CGXCurrencyEdit* pCell = Current();
    ASSERT_NE(pCell, nullptr);
    EXPECT_FALSE(pCell->HasDropButton());
    CString strLocale;
    CGXBCurrencyFormat(TRUE).FormatValue(1234.5, strLocale, TRUE);
    EXPECT_STREQ(pCell->GetText(), strLocale);
    CString strShown;
    ASSERT_TRUE(
        pCell->FormatDisplayText(strShown, nRow, 1, nullptr, grid().GetCachedCellStyle(nRow, 1)));
    EXPECT_STREQ(strShown, strLocale);
}
