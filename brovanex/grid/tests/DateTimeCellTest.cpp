// The date-time cell: made by the factory for its two ids, values read from text or DATE
// numbers (partly numeric or out-of-range text is unparsable), stored as text or as a
// number that keeps its time of day, every cell loading its own value, the display text
// of cells that are not edited, and typed text split at the format's separators.
#include "ControlTestSupport.h"
#include "DateTimeTestSupport.h"
#include "controls/GXBCalendar.h"
#include "controls/GXDateTimeCtrl.h"
#include "core/GXProperties.h"
#include "core/GXRange.h"
#include "core/GXStyle.h"
#include "features/GXFeatureSwitches.h"
#include "fw/gdi_guard.h"
#include "fw/print.h"
#include "res/GXResource.h"

#include <cstdlib>
#include <memory>

namespace {

class DateTimeCell : public ::testing::Test
{
protected:
    DateTimeCell() : m_w((GXTestStartLibrary(), 6), 4) { }

    void SetUp() override
    {
        CGXStyle style;
        style.SetControl(GX_IDS_CTRL_DATETIME);
        grid().SetStyleRange(CGXRange().SetCols(1), style);
        CGXStyle time;
        time.SetControl(GX_IDS_CTRL_DATETIMENOCAL).SetUserAttribute(GX_IDS_UA_DATEFORMATTYPE, "0");
        grid().SetStyleRange(CGXRange().SetCols(2), time);
        CGXStyle custom;
        custom.SetControl(GX_IDS_CTRL_DATETIME)
            .SetUserAttribute(GX_IDS_UA_CUSTOMFORMAT, "dd|MM|yyyy");
        grid().SetStyleRange(CGXRange().SetCols(3), custom);
        m_pCtrl = dynamic_cast<CGXDateTimeCtrl*>(grid().GetRegisteredControl(GX_IDS_CTRL_DATETIME));
        ASSERT_NE(m_pCtrl, nullptr);
    }

    CGXGridWnd& grid() { return m_w.Grid(); }
    void Value(ROWCOL nRow, ROWCOL nCol, LPCTSTR psz)
    {
        grid().SetValueRange(CGXRange(nRow, nCol, nRow, nCol), psz);
    }
    CGXStyle Style(ROWCOL nRow, ROWCOL nCol)
    {
        CGXStyle style;
        grid().ComposeCellStyle(nRow, nCol, &style);
        return style;
    }

    CTestClock m_clock {DT(2021, 3, 15, 10, 20, 30)};
    CGridTestWindow m_w;
    CGXDateTimeCtrl* m_pCtrl = nullptr;
};

TEST_F(DateTimeCell, FactoryMakesBothKinds)
{
    CGXControlFactory factory;
    std::unique_ptr<CGXControl> pFull(factory.CreateCellControl(GX_IDS_CTRL_DATETIME, &grid()));
    std::unique_ptr<CGXControl> pNoCal(
        factory.CreateCellControl(GX_IDS_CTRL_DATETIMENOCAL, &grid()));
    EXPECT_STREQ(GXControlClassName(pFull.get()), "CGXDateTimeCtrl");
    EXPECT_STREQ(GXControlClassName(pNoCal.get()), "CGXDateTimeCtrl");
    auto* pNoCalCtrl = static_cast<CGXDateTimeCtrl*>(pNoCal.get());
    ASSERT_TRUE(pNoCalCtrl->CreateWindows());
    EXPECT_EQ(pNoCalCtrl->FindGadget(GXBDT_ID_DROPBUTTON), -1);
    EXPECT_GE(pNoCalCtrl->FindGadget(GXBDT_ID_SPIN), 0);
}

TEST_F(DateTimeCell, ValuesParseOnlyWholeDatesAndNumbersInRange)
{
    struct Case
    {
        const char* text;
        BOOL ok;
        COleDateTime expected;
    };
    const Case cases[] = {
        {"3/15/2021", TRUE, DT(2021, 3, 15)},
        {"3/15/2021 10:20:30 PM", TRUE, DT(2021, 3, 15, 22, 20, 30)},
        {"36526", TRUE, DT(2000, 1, 1)},
        {" 36526.5 ", TRUE, DT(2000, 1, 1, 12, 0, 0)},
        {"0.25", TRUE, DT(1899, 12, 30, 6, 0, 0)},
        {"12abc", FALSE, {}},
        {"36526x", FALSE, {}},
        {"3000000", FALSE, {}},
        {"-700000", FALSE, {}},
        {"1e400", FALSE, {}},
        {"nan", FALSE, {}},
        {"0", FALSE, {}},
        {"", FALSE, {}},
    };
    for (const Case& c : cases) {
        COleDateTime value;
        EXPECT_EQ(CGXDateTimeCtrl::ParseValue(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(Text(value), Text(c.expected)) << c.text;
        }
    }
}

TEST_F(DateTimeCell, EveryCellLoadsItsOwnValue)
{
    Value(1, 1, "7/4/2019");
    Value(2, 1, "12abc"); // unparsable: today in a date column
    Value(2, 2, "99999999"); // out of range: midnight in a time column
    m_pCtrl->Init(1, 1);
    EXPECT_EQ(Text(m_pCtrl->GetDateTime()), Text(DT(2019, 7, 4)));
    m_pCtrl->Init(2, 1);
    EXPECT_EQ(Text(m_pCtrl->GetDateTime()), Text(DT(2021, 3, 15)));
    m_pCtrl->Init(1, 1);
    auto* pTime =
        dynamic_cast<CGXDateTimeCtrl*>(grid().GetRegisteredControl(GX_IDS_CTRL_DATETIMENOCAL));
    ASSERT_NE(pTime, nullptr);
    pTime->Init(2, 2);
    EXPECT_EQ(Text(pTime->GetDateTime()), Text(DT(1899, 12, 30)));
    EXPECT_FALSE(m_pCtrl->GetModify());
}

TEST_F(DateTimeCell, StoresTextOrANumberThatKeepsTheTime)
{
    Value(1, 1, "3/15/2021 10:20:30 AM");
    m_pCtrl->Init(1, 1);
    CString strValue;
    // Not modified: the cell's own value.
    ASSERT_TRUE(m_pCtrl->GetValue(strValue));
    EXPECT_STREQ(strValue, "3/15/2021 10:20:30 AM");

    m_pCtrl->SetCurrentGadget(m_pCtrl->FindGadget(GXBDT_ID_DAY));
    m_pCtrl->SendMessage(WM_KEYDOWN, VK_UP, 1);
    EXPECT_TRUE(m_pCtrl->GetModify());
    ASSERT_TRUE(m_pCtrl->GetValue(strValue));
    EXPECT_STREQ(strValue, "3/16/2021 10:20:30 AM");

    m_pCtrl->SetStoreAsNumber(TRUE);
    ASSERT_TRUE(m_pCtrl->GetValue(strValue));
    COleDateTime stored((DATE)std::strtod(strValue, nullptr));
    EXPECT_EQ(Text(stored), Text(DT(2021, 3, 16, 10, 20, 30))) << (LPCSTR)strValue;
    EXPECT_EQ(stored.m_dt, m_pCtrl->GetDateTime().m_dt) << (LPCSTR)strValue;

    // Stored into the grid and read back by the next cell that shows it.
    ASSERT_TRUE(m_pCtrl->Store());
    EXPECT_STREQ(grid().GetValueRowCol(1, 1), strValue);
    m_pCtrl->Init(2, 1);
    m_pCtrl->Init(1, 1);
    EXPECT_EQ(Text(m_pCtrl->GetDateTime()), Text(DT(2021, 3, 16, 10, 20, 30)));
    // The style text is the DATE number.
    CString strStyle;
    m_pCtrl->GetStyleText(1, 1, Style(1, 1), strStyle);
    EXPECT_NEAR(std::atof(strStyle), stored.m_dt, 1e-6);
}

TEST_F(DateTimeCell, CellsNotEditedShowTheFieldsOfTheirFormat)
{
    struct Case
    {
        ROWCOL col;
        const char* value;
        const char* shown;
    };
    const Case cases[] = {
        {3, "3/5/2021", "05|03|2021"},
        {3, "44260", "05|03|2021"},
        {3, "5/3/2021 x", ""},
        {2, "0.75", nullptr}, // the locale's time format: only checked to hold 18 and 00
    };
    for (const Case& c : cases) {
        Value(4, c.col, c.value);
        CString strText;
        ASSERT_TRUE(m_pCtrl->FormatDisplayText(strText, 4, c.col, nullptr, Style(4, c.col)));
        if (c.shown != nullptr)
            EXPECT_STREQ(strText, c.shown) << c.value;
        else
            EXPECT_TRUE(strText.Find("00") >= 0 &&
                        (strText.Find("18") >= 0 || strText.Find("6") >= 0))
                << (LPCSTR)strText;
    }
}

TEST_F(DateTimeCell, TypedTextIsSplitAtTheFormatsSeparators)
{
    struct Case
    {
        const char* typed;
        BOOL ok;
        const char* stored;
    };
    const Case cases[] = {
        {"15|3|2021", TRUE, "3/15/2021"},
        {"7/4/2019", TRUE, "7/4/2019"}, // a date the reader takes as it is
        {"1 2 1999", TRUE, "1/2/1999"}, // read as a date, month first
        {"15|x|2021", FALSE, nullptr},
        {"31|2|2021", TRUE, "2/28/2021"}, // the month brings the day down, as in the window
        {"1|2|3|4", FALSE, nullptr},
        {"", TRUE, ""},
    };
    for (const Case& c : cases) {
        CString strText = c.typed;
        EXPECT_EQ(m_pCtrl->AcceptsTypedText(strText, 4, 3, Style(4, 3)), c.ok) << c.typed;
        if (c.ok) {
            EXPECT_STREQ(strText, c.stored) << c.typed;
        }
    }
}

// How many pixels of a printed page are pure red, pure blue and black.
struct PageColours
{
    int nRed = 0, nBlue = 0, nBlack = 0;
};

PageColours CountColours(HENHMETAFILE hPage)
{
    const int cx = 1700, cy = 2200; // a Letter page at 200 dots per inch
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    PageColours colours;
    CGdiMemoryDC dc(nullptr);
    void* pBits = nullptr;
    CGdiHandle<HBITMAP> bitmap(
        ::CreateDIBSection(dc.Get(), &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
    if (bitmap.Get() == nullptr || pBits == nullptr)
        return colours;
    CGdiSelection select(dc.Get(), bitmap.Get());
    ::PatBlt(dc.Get(), 0, 0, cx, cy, WHITENESS);
    CPageDevice::PlayPage(dc.Get(), hPage, CRect(0, 0, cx, cy));
    ::GdiFlush();
    const DWORD* pPixel = static_cast<const DWORD*>(pBits);
    for (int i = 0; i < cx * cy; ++i) {
        const DWORD rgb = pPixel[i] & 0xFFFFFF; // 0xRRGGBB
        colours.nRed += rgb == 0xFF0000;
        colours.nBlue += rgb == 0x0000FF;
        colours.nBlack += rgb == 0;
    }
    return colours;
}

TEST_F(DateTimeCell, PrintsInBlackOnWhiteWhenThePropertiesAskForIt)
{
    // Red dates on blue in the first column.
    CGXStyle colours;
    colours.SetInterior(RGB(0, 0, 255)).SetTextColor(RGB(255, 0, 0));
    grid().SetStyleRange(CGXRange().SetCols(1), colours);
    for (ROWCOL r = 1; r <= 6; ++r)
        Value(r, 1, "3/15/2021");
    GXImplementPrinting(&grid());
    ASSERT_NE(grid().PrintImp(), nullptr);

    for (BOOL bBlackWhite : {FALSE, TRUE}) {
        grid().GetProperties()->m_abPrint[2] = bBlackWhite;
        CPageDevice device;
        CPrintInfo info;
        info.m_bPreview = TRUE;
        DOCINFOA doc = {sizeof doc, "dates"};
        ASSERT_GT(device.StartDoc(&doc), 0);
        grid().OnBeginPrinting(&device, &info);
        info.m_nCurPage = 1;
        device.StartPage();
        grid().OnPrint(&device, &info);
        device.EndPage();
        grid().OnEndPrinting(&device, &info);
        device.EndDoc();
        ASSERT_EQ(device.GetPageCount(), 1);
        const PageColours seen = CountColours(device.GetPage(0));
        if (bBlackWhite) {
            EXPECT_EQ(seen.nRed, 0) << "the text is black";
            EXPECT_EQ(seen.nBlue, 0) << "the background is white";
            EXPECT_GT(seen.nBlack, 0);
        } else {
            EXPECT_GT(seen.nRed, 0) << "the cells' own text colour";
            EXPECT_GT(seen.nBlue, 0) << "the cells' own interior";
        }
    }
}

TEST_F(DateTimeCell, InactiveCellsAreDrawnWithoutTheLiveWindow)
{
    Value(3, 3, "3/5/2021");
    m_w.Capture();
    EXPECT_FALSE(m_pCtrl->IsWindowVisible());
    // The captive window laid out the last cell drawn: its fields carry that value.
    CString strText;
    ASSERT_TRUE(m_pCtrl->FormatDisplayText(strText, 3, 3, nullptr, Style(3, 3)));
    EXPECT_STREQ(strText, "05|03|2021");
}

} // namespace

namespace {

TEST_F(DateTimeCell, KeysFromTheGridActivateTheCellAndReachItsFields)
{
    Value(1, 3, "3/5/2021");
    m_pCtrl->Init(1, 3);
    ASSERT_FALSE(m_pCtrl->IsActive());
    // End activates the cell at its last field; a character at its first.
    EXPECT_TRUE(m_pCtrl->KeyDown(VK_END, 1, 0));
    EXPECT_TRUE(m_pCtrl->IsActive());
    EXPECT_EQ(m_pCtrl->GetGadget(m_pCtrl->GetCurrentGadget())->GetID(), GXBDT_ID_YEAR4);
    EXPECT_TRUE(m_pCtrl->Char('2', 1, 0)); // re-posted to the window's first field
    ASSERT_TRUE(PumpUntil([&] { return m_pCtrl->IsTyping(); }));
    m_pCtrl->SendMessage(WM_CHAR, '7', 1);
    EXPECT_EQ(m_pCtrl->GetDateTime().GetDay(), 27);
    EXPECT_TRUE(m_pCtrl->GetModify());

    // Delete in the live window empties the cell; the value stored is empty.
    m_pCtrl->SendMessage(WM_KEYDOWN, VK_DELETE, 1);
    CString strValue = "x";
    ASSERT_TRUE(m_pCtrl->GetValue(strValue));
    EXPECT_STREQ(strValue, "");
    ASSERT_TRUE(m_pCtrl->Store());
    EXPECT_STREQ(grid().GetValueRowCol(1, 3), "");
}

TEST_F(DateTimeCell, TabMovesBetweenFieldsUntilTheLast)
{
    Value(1, 3, "3/5/2021");
    m_pCtrl->Init(1, 3);
    ASSERT_TRUE(m_pCtrl->Activate());
    m_pCtrl->FirstGadget();
    std::vector<int> ids;
    for (int i = 0; i < 3; ++i) {
        ids.push_back(m_pCtrl->GetGadget(m_pCtrl->GetCurrentGadget())->GetID());
        m_pCtrl->SendMessage(WM_KEYDOWN, VK_TAB, 1);
    }
    EXPECT_EQ(ids, (std::vector<int> {GXBDT_ID_DAY, GXBDT_ID_MONTH, GXBDT_ID_YEAR4}));
    // At the last field the key went on to the grid: the field stays.
    EXPECT_EQ(m_pCtrl->GetGadget(m_pCtrl->GetCurrentGadget())->GetID(), GXBDT_ID_YEAR4);
}

TEST_F(DateTimeCell, ReadOnlyCellsRefuseChanges)
{
    CGXStyle readOnly;
    readOnly.SetReadOnly(TRUE);
    Value(2, 3, "3/5/2021");
    grid().SetStyleRange(CGXRange(2, 3, 2, 3), readOnly);
    m_pCtrl->Init(2, 3);
    m_pCtrl->SetCurrentGadget(m_pCtrl->FindGadget(GXBDT_ID_DAY));
    m_pCtrl->SendMessage(WM_KEYDOWN, VK_UP, 1);
    EXPECT_EQ(m_pCtrl->GetDateTime().GetDay(), 5);
    EXPECT_FALSE(m_pCtrl->GetModify());
}

} // namespace

namespace {

TEST_F(DateTimeCell, CalendarOpenedFromTheGridChangesTheCell)
{
    Value(1, 1, "3/15/2021 10:20:30 AM");
    m_pCtrl->Init(1, 1);
    EXPECT_TRUE(m_pCtrl->SysKeyDown(VK_DOWN, 1, 1 << 13));
    EXPECT_TRUE(m_pCtrl->IsActive());
    CGXBPopupCalendar* pCalendar = m_pCtrl->GetCalendar();
    ASSERT_NE(pCalendar, nullptr);
    pCalendar->SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    pCalendar->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    ASSERT_TRUE(PumpUntil([&] { return m_pCtrl->GetCalendar() == nullptr; }));
    EXPECT_TRUE(m_pCtrl->IsInitRowCol(1, 1));
    EXPECT_TRUE(m_pCtrl->GetModify());
    CString strValue;
    ASSERT_TRUE(m_pCtrl->GetValue(strValue));
    EXPECT_STREQ(strValue, "3/22/2021 10:20:30 AM");

    // The cell without a calendar opens none.
    auto* pTime =
        dynamic_cast<CGXDateTimeCtrl*>(grid().GetRegisteredControl(GX_IDS_CTRL_DATETIMENOCAL));
    ASSERT_NE(pTime, nullptr);
    pTime->Init(1, 2);
    EXPECT_FALSE(pTime->SysKeyDown(VK_DOWN, 1, 1 << 13));
    EXPECT_EQ(pTime->GetCalendar(), nullptr);
}

} // namespace

namespace {

TEST_F(DateTimeCell, EmptyCellsAndUnreadableBoundsFallBack)
{
    // An empty cell: today in a date column, midnight in a time column.
    m_pCtrl->Init(5, 1);
    EXPECT_EQ(Text(m_pCtrl->GetDateTime()), Text(DT(2021, 3, 15)));
    auto* pTime =
        dynamic_cast<CGXDateTimeCtrl*>(grid().GetRegisteredControl(GX_IDS_CTRL_DATETIMENOCAL));
    ASSERT_NE(pTime, nullptr);
    pTime->Init(5, 2);
    EXPECT_EQ(Text(pTime->GetDateTime()), Text(DT(1899, 12, 30)));

    // A minimum that does not read stays at 1 January 100; the maximum is taken.
    CGXStyle range;
    range.SetUserAttribute(GX_IDS_UA_DATEMIN, "soon")
        .SetUserAttribute(GX_IDS_UA_DATEMAX, "12/31/2021")
        .SetUserAttribute(GX_IDS_UA_DATEVALIDMODE, "2");
    grid().SetStyleRange(CGXRange(4, 1, 4, 1), range);
    Value(4, 1, "6/1/2021");
    m_pCtrl->Init(4, 1);
    COleDateTime minimum, maximum;
    int nKind = 0;
    m_pCtrl->GetRange(minimum, maximum, nKind);
    EXPECT_EQ(Text(minimum), Text(DT(100, 1, 1)));
    EXPECT_EQ(Text(maximum), Text(DT(2021, 12, 31)));
    EXPECT_EQ(nKind, 2);
    m_pCtrl->SetCurrentGadget(m_pCtrl->FindGadget(GXBDT_ID_YEAR4));
    m_pCtrl->SendMessage(WM_KEYDOWN, VK_UP, 1); // 2022 is out of range
    EXPECT_EQ(m_pCtrl->GetDateTime().GetYear(), 2021);
    EXPECT_FALSE(m_pCtrl->GetModify());
}

TEST_F(DateTimeCell, AClickActivatesTheCellAtTheClickedField)
{
    Value(1, 3, "3/5/2021");
    m_pCtrl->Init(1, 3);
    CRect rect = m_pCtrl->GetCellRect(1, 3);
    // At the left edge of the cell: the first field.
    CPoint point(rect.left + 2, (rect.top + rect.bottom) / 2);
    EXPECT_TRUE(m_pCtrl->LButtonDown(MK_LBUTTON, point));
    EXPECT_TRUE(m_pCtrl->IsActive());
    EXPECT_TRUE(m_pCtrl->IsWindowVisible());
    EXPECT_EQ(m_pCtrl->GetGadget(m_pCtrl->GetCurrentGadget())->GetID(), GXBDT_ID_DAY);
    m_pCtrl->Hide();
    EXPECT_FALSE(m_pCtrl->IsWindowVisible());
}

} // namespace

TEST_F(DateTimeCell, AnEditedCellLeftUnchangedLetsTheCurrentCellMove)
{
    Value(1, 1, "7/4/2019");
    grid().SetFocus();
    ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    ASSERT_TRUE(m_pCtrl->Activate());
    ASSERT_FALSE(m_pCtrl->GetModify());
    EXPECT_TRUE(grid().SetCurrentCell(2, 1));
    ROWCOL r = 0, c = 0;
    ASSERT_TRUE(grid().GetCurrentCell(r, c));
    EXPECT_EQ(2u, r);
    EXPECT_STREQ("7/4/2019", grid().GetValueRowCol(1, 1));
}
