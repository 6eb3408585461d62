// A grid printed on the framework's page device: pages of whole rows and columns in either
// page order, the screen's page for a selection job without a selection, and the header
// and footer with their tokens.
#include "GridPrintFixture.h"
#include "core/GXData.h"
#include "core/GXFont.h"
#include "core/GXPrintDevice.h"
#include "core/GXProperties.h"
#include "features/GXFeatureSwitches.h"
#include "fw/app.h"
#include "fw/commdlg.h"
#include "fw/print.h"
#include <gtest/gtest.h>
#include <ctime>
#include <set>
#include <string>
#include <vector>

TEST_F(GridPrint, ColumnsTooWideForOnePageRunAcrossThreePages)
{
    Fill(5, 9, 150); // 1,350 pixels of columns: three pages of a Letter page's width
    auto pages = PrintAll();
    ASSERT_EQ(3u, m_nPages);
    EXPECT_NE(-1, m_strPageDesc.Find(" / 3"));
    // Every cell is printed exactly once, columns left to right across the pages, every
    // page with all five rows.
    std::set<std::string> seen;
    ROWCOL nLastCol = 0;
    for (size_t p = 0; p < pages.size(); ++p) {
        ROWCOL nFirstHere = 0;
        for (ROWCOL c = 1; c <= 9; ++c) {
            CString s;
            s.Format("r5c%u", (unsigned)c);
            if (Has(pages[p], s)) {
                if (nFirstHere == 0)
                    nFirstHere = c;
                EXPECT_TRUE(seen.insert((LPCTSTR)s).second) << s;
                EXPECT_GT(c, nLastCol) << "page " << p + 1;
                nLastCol = c;
            }
        }
        EXPECT_NE(0u, nFirstHere) << "page " << p + 1 << " holds no column";
        EXPECT_TRUE(Has(pages[p], "r1c" + CString(std::to_string(nFirstHere).c_str())));
    }
    EXPECT_EQ(9u, seen.size());
}

TEST_F(GridPrint, PageOrderDownThenAcross)
{
    Fill(50, 9, 150);
    Grid().SetRowHeight(1, 50, 25); // two pages of rows, three of columns
    Prop().m_abPrint[7] = TRUE;
    auto pages = PrintAll();
    ASSERT_EQ(6u, m_nPages);
    // Down first: page 2 holds the first columns of the last rows, page 3 the next columns
    // of the first rows.
    EXPECT_TRUE(Has(pages[0], "r1c1"));
    EXPECT_TRUE(Has(pages[1], "r50c1"));
    EXPECT_FALSE(Has(pages[1], "r1c1"));
    EXPECT_FALSE(Has(pages[2], "r1c1"));
    EXPECT_FALSE(Has(pages[2], "r50c1"));

    Prop().m_abPrint[7] = FALSE;
    pages = PrintAll();
    ASSERT_EQ(6u, m_nPages);
    EXPECT_TRUE(Has(pages[0], "r1c1"));
    EXPECT_FALSE(Has(pages[1], "r1c1"));
    EXPECT_FALSE(Has(pages[1], "r50c1"));
    EXPECT_TRUE(Has(pages[3], "r50c1"));
}

TEST_F(GridPrint, AColumnWiderThanThePageHasAPageOfItsOwn)
{
    Fill(3, 3, 100);
    Grid().SetColWidth(2, 2, 3000);
    auto pages = PrintAll();
    ASSERT_EQ(3u, m_nPages);
    EXPECT_TRUE(Has(pages[0], "r1c1"));
    EXPECT_TRUE(Has(pages[1], "r1c2"));
    EXPECT_TRUE(Has(pages[2], "r1c3"));
}

TEST_F(GridPrint, ASelectionJobWithoutASelectionPrintsTheScreensPage)
{
    Fill(200, 20, 100);
    auto pages = PrintAll(TRUE);
    ASSERT_EQ(1u, m_nPages);
    EXPECT_TRUE(Has(pages[0], "r1c1"));
    EXPECT_FALSE(Has(pages[0], "r200c1"));
}

TEST_F(GridPrint, HeaderAndFooterTokens)
{
    Fill(5, 9, 150);
    Grid().GetParam()->m_strName = "Budget";
    CGXStyle style;
    CGXData& header = *Prop().m_pDataHeader;
    CGXData& footer = *Prop().m_pDataFooter;
    header.PutCellStyle(1, 1, &style.SetValue("$p of $n"), gxOverride, 0);
    header.PutCellStyle(3, 1, &style.SetValue("third line"), gxOverride, 0);
    footer.PutCellStyle(1, 1, &style.SetValue("$D{%Y}"), gxOverride, 0);
    footer.PutCellStyle(2, 1, &style.SetValue("$D{%Q %Y}"), gxOverride, 0);
    footer.PutCellStyle(3, 1, &style.SetValue("A $a"), gxOverride, 0);
    auto pages = PrintAll();
    ASSERT_EQ(3u, m_nPages);
    char szYear[8];
    time_t now = time(nullptr);
    strftime(szYear, sizeof szYear, "%Y", localtime(&now));
    for (UINT p = 0; p < 3; ++p) {
        CString strPage;
        strPage.Format("%u of 3", p + 1);
        EXPECT_TRUE(Has(pages[p], strPage)) << strPage;
        CString strSlash;
        strSlash.Format("%u/3", p + 1);
        EXPECT_TRUE(Has(pages[p], strSlash)) << strSlash;
        EXPECT_TRUE(Has(pages[p], "Budget"));
        EXPECT_TRUE(Has(pages[p], "third line"));
        EXPECT_TRUE(Has(pages[p], szYear));
        // An unknown conversion prints as it stands.
        EXPECT_TRUE(Has(pages[p], CString("%Q ") + szYear));
        EXPECT_TRUE(Has(pages[p], "A Grid Print Test"));
    }

    // Numbering from 10.
    Prop().m_nFirstPage = 10;
    pages = PrintAll();
    EXPECT_TRUE(Has(pages[0], "10 of 3"));
    EXPECT_TRUE(Has(pages[2], "12 of 3"));
}

TEST_F(GridPrint, TokensExpandWithAndWithoutArguments)
{
    Fill(1, 1, 50);
    CGXProperties& prop = Prop();
    prop.m_astrTokenValues.SetSize(6);
    prop.m_astrTokenValues[5] = "name";
    struct Case
    {
        LPCTSTR pszIn;
        LPCTSTR pszOut; // null: compared with the date in "%c"
    } cases[] = {
        {"$R and $r", "name and name"},
        {"no tokens", "no tokens"},
        {"$Z stays", "$Z stays"},
        {"$", "$"},
        {"100%", "100%"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.pszOut, prop.ExpandTokens(c.pszIn)) << c.pszIn;
    // A brace without its closing one is no argument: the date in "%c", the brace kept.
    CString s = prop.ExpandTokens("$D{%Y");
    EXPECT_EQ(s.GetLength() - 3, s.Find("{%Y"));
    EXPECT_GT(s.GetLength(), 3);
}

TEST_F(GridPrint, PageCountsStopAt0xFFFF)
{
    // 300 x 300 cells each a page of its own: 90,000 pages, more than the print dialog holds.
    CGXGridWnd& grid = Grid();
    grid.SetRowCount(300);
    grid.SetColCount(300);
    grid.SetColWidth(1, 300, 2000);
    grid.SetRowHeight(1, 300, 2000);
    grid.SetValueRange(CGXRange(1, 1, 1, 1), "first");
    // Page 65,535 across then down: row page 218, column page 134.
    grid.SetValueRange(CGXRange(219, 135, 219, 135), "last");
    CPrintInfo info;
    DOCINFOA doc = {sizeof doc, "grid"};
    m_device.StartDoc(&doc);
    grid.OnBeginPrinting(&m_device, &info);
    EXPECT_EQ(0xFFFFu, info.GetMaxPage());
    EXPECT_NE(-1, info.m_strPageDesc.Find(" / 65535"));
    EXPECT_EQ(-1, info.m_strPageDesc.Find("90000"));

    // The first and the last page the dialog can name both print.
    for (UINT n : {1u, 0xFFFFu}) {
        info.m_nCurPage = n;
        m_device.StartPage();
        grid.OnPrint(&m_device, &info);
        m_device.EndPage();
    }
    grid.OnEndPrinting(&m_device, &info);
    m_device.EndDoc();
    const std::vector<CPageText> first = m_device.GetPageTexts(0), last = m_device.GetPageTexts(1);
    std::vector<CString> texts;
    for (const CPageText& t : first)
        texts.push_back(t.strText);
    EXPECT_TRUE(Has(texts, "first"));
    EXPECT_TRUE(Has(texts, "1/65535"));
    texts.clear();
    for (const CPageText& t : last)
        texts.push_back(t.strText);
    EXPECT_TRUE(Has(texts, "last"));
    EXPECT_TRUE(Has(texts, "65535/65535"));
}

namespace {
// A grid whose rows arrive while it prints: 40 when the whole grid is asked for, then up
// to 120 as the pages ask for more.
class CGrowingGrid : public CGXGridWnd
{
public:
    void OnRowColCountNeeded(ROWCOL nRow, ROWCOL nCol) override
    {
        m_calls.push_back({nRow, nCol});
        const ROWCOL nWant = nRow == (ROWCOL)-2 ? 40 : std::min<ROWCOL>(nRow, 120);
        for (ROWCOL r = GetRowCount() + 1; r <= nWant; ++r) {
            SetRowCount(r);
            CString s;
            s.Format("row %u", (unsigned)r);
            SetValueRange(CGXRange(r, 1, r, 1), s);
        }
    }
    std::vector<std::pair<ROWCOL, ROWCOL>> m_calls;
};
} // namespace

TEST_F(GridPrint, RowsThatArriveWhilePrintingArePrintedOnMorePages)
{
    CGrowingGrid* pGrid = new CGrowingGrid;
    m_pWindow.reset(new CGridTestWindow(10, 2, 640, 480, pGrid));
    GXImplementPrinting(pGrid);
    for (ROWCOL r = 1; r <= 10; ++r) {
        CString s;
        s.Format("row %u", (unsigned)r);
        pGrid->SetValueRange(CGXRange(r, 1, r, 1), s);
    }
    pGrid->SetRowHeight(1, 10, 30); // about 20 rows a page

    // A preview does not ask for the whole grid first.
    {
        CPrintInfo preview;
        preview.m_bPreview = TRUE;
        pGrid->OnBeginPrinting(&m_device, &preview);
        pGrid->OnEndPrinting(&m_device, &preview);
        EXPECT_TRUE(pGrid->m_calls.empty());
        EXPECT_EQ(10u, pGrid->GetRowCount());
    }

    CPrintInfo info;
    DOCINFOA doc = {sizeof doc, "grid"};
    m_device.StartDoc(&doc);
    pGrid->OnBeginPrinting(&m_device, &info);
    ASSERT_FALSE(pGrid->m_calls.empty());
    EXPECT_EQ((ROWCOL)-2, pGrid->m_calls[0].first);
    EXPECT_EQ((ROWCOL)-2, pGrid->m_calls[0].second);
    const UINT nFirstCount = info.GetMaxPage();
    std::set<std::string> printed;
    UINT n = 1;
    for (info.m_bContinuePrinting = TRUE; info.m_bContinuePrinting && n < 50; ++n) {
        info.m_nCurPage = n;
        m_device.StartPage();
        pGrid->OnPrint(&m_device, &info);
        m_device.EndPage();
        for (const CPageText& t : m_device.GetPageTexts((int)n - 1))
            if (t.strText.Left(4) == "row ") {
                EXPECT_TRUE(printed.insert((LPCTSTR)t.strText).second) << t.strText;
            }
    }
    pGrid->OnEndPrinting(&m_device, &info);
    m_device.EndDoc();
    EXPECT_EQ(120u, pGrid->GetRowCount());
    EXPECT_GT(info.GetMaxPage(), nFirstCount);
    EXPECT_EQ(info.GetMaxPage(), n - 1);
    EXPECT_EQ(120u, printed.size()); // every row once, the late ones too
}

namespace {
// A print device whose printer is a DC the test gives it.
class CFixedPrinterDevice : public CGXPrintDevice
{
public:
    explicit CFixedPrinterDevice(HDC hDC) : m_hFixed(hDC) { }
    HDC GetPrinterDC() override { return m_hFixed; }
    HDC m_hFixed;
};

CSize WindowExtOf(HDC hDC)
{
    SIZE size = {};
    ::GetWindowExtEx(hDC, &size);
    return size;
}

CSize ViewportExtOf(HDC hDC)
{
    SIZE size = {};
    ::GetViewportExtEx(hDC, &size);
    return size;
}
} // namespace

TEST_F(GridPrint, PrinterDCsAreMappedSoThatAUnitIsADisplayPixel)
{
    const CSize display(GXGetLogPixelsX(), GXGetLogPixelsY());
    CPageDevice device(CSize(8500, 11000), 300);
    DOCINFOA doc = {sizeof doc, "mapping"};
    ASSERT_GT(device.StartDoc(&doc), 0);
    device.StartPage();
    Grid().OnPrepareDC(&device, nullptr);
    EXPECT_EQ(MM_ANISOTROPIC, ::GetMapMode(device.m_hDC));
    EXPECT_EQ(display, WindowExtOf(device.m_hDC));
    EXPECT_EQ(CSize(300, 300), ViewportExtOf(device.m_hDC));
    // An inch of display pixels is an inch of printer pixels.
    POINT inch = {display.cx, display.cy};
    ::LPtoDP(device.m_hDC, &inch, 1);
    EXPECT_EQ(300, inch.x);
    EXPECT_EQ(300, inch.y);
    device.EndPage();
    device.EndDoc();

    // The screen is left alone without printer metrics ...
    CClientDC screen(&Grid());
    Grid().OnPrepareDC(&screen, nullptr);
    EXPECT_EQ(MM_TEXT, ::GetMapMode(screen.m_hDC));
    EXPECT_EQ(screen.m_hDC, screen.m_hAttribDC);
}

TEST_F(GridPrint, PrinterMetricsMeasureTheScreenOnThePrinter)
{
    CPageDevice printer(CSize(8500, 11000), 600);
    DOCINFOA doc = {sizeof doc, "metrics"};
    ASSERT_GT(printer.StartDoc(&doc), 0);
    printer.StartPage();
    CGXGridParam* pParam = Grid().GetParam();
    pParam->AttachPrintDevice(new CFixedPrinterDevice(printer.m_hDC), TRUE);
    Grid().SetZoom(150);
    EXPECT_EQ(150, Grid().GetZoomPercent());

    struct Case
    {
        BOOL bMetrics;
        BOOL bOnPrinter; // the attribute DC is the printer's
    } cases[] = {{FALSE, FALSE}, {TRUE, TRUE}};
    for (const Case& c : cases) {
        pParam->m_bPrinterMetrics = c.bMetrics;
        CClientDC screen(&Grid());
        Grid().OnPrepareDC(&screen, nullptr);
        EXPECT_EQ(c.bOnPrinter, screen.m_hAttribDC == printer.m_hDC) << c.bMetrics;
        // The screen itself still draws pixel for pixel.
        EXPECT_EQ(MM_TEXT, ::GetMapMode(screen.m_hDC)) << c.bMetrics;
        EXPECT_EQ(c.bMetrics ? 100 : 150, Grid().GetZoomPercent());
        if (c.bOnPrinter) {
            EXPECT_EQ(MM_ANISOTROPIC, ::GetMapMode(printer.m_hDC));
            EXPECT_EQ(CSize(GXGetLogPixelsX(), GXGetLogPixelsY()), WindowExtOf(printer.m_hDC));
            EXPECT_EQ(CSize(600, 600), ViewportExtOf(printer.m_hDC));
        }
    }
    pParam->m_bPrinterMetrics = FALSE;
    pParam->AttachPrintDevice(nullptr, FALSE);
    printer.EndPage();
    printer.EndDoc();
}
