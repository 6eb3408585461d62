// A grid printed on the framework's page device: pages of whole rows and columns in either
// page order, the screen's page for a selection job without a selection, and the header
// and footer with their tokens.
#include "ControlTestSupport.h"
#include "GridTestWindow.h"
#include "core/GXData.h"
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

namespace {
class GridPrint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_app.reset(new CWinApp("Grid Print Test"));
        GXTestStartLibrary();
        m_pWindow.reset(new CGridTestWindow(0, 0));
        CGXGridWnd& grid = Grid();
        GXImplementPrinting(&grid);
        ASSERT_NE(nullptr, grid.PrintImp());
    }
    void TearDown() override
    {
        m_pWindow.reset();
        m_app.reset();
    }

    CGXGridWnd& Grid() { return m_pWindow->Grid(); }
    CGXProperties& Prop() { return *Grid().GetProperties(); }

    // A grid of nRows x nCols cells holding "r<row>c<col>", columns nWidth pixels wide.
    void Fill(ROWCOL nRows, ROWCOL nCols, int nWidth)
    {
        CGXGridWnd& grid = Grid();
        grid.SetRowCount(nRows);
        grid.SetColCount(nCols);
        grid.SetColWidth(1, nCols, nWidth);
        for (ROWCOL r = 1; r <= nRows; ++r)
            for (ROWCOL c = 1; c <= nCols; ++c) {
                CString s;
                s.Format("r%uc%u", (unsigned)r, (unsigned)c);
                grid.SetValueRange(CGXRange(r, c, r, c), s);
            }
    }

    // Prints every page of the job on the page device; the texts of each page.
    std::vector<std::vector<CString>> PrintAll(BOOL bSelection = FALSE)
    {
        CPrintInfo info;
        if (bSelection)
            info.m_pPD->m_pd.Flags |= PD_SELECTION;
        DOCINFOA doc = {sizeof doc, "grid"};
        m_device.StartDoc(&doc);
        Grid().OnBeginPrinting(&m_device, &info);
        m_nPages = info.GetMaxPage();
        m_strPageDesc = info.m_strPageDesc;
        std::vector<std::vector<CString>> pages;
        for (UINT n = 1; n <= m_nPages; ++n) {
            info.m_nCurPage = n;
            m_device.StartPage();
            m_device.SaveDC();
            Grid().OnPrint(&m_device, &info);
            m_device.RestoreDC(-1);
            m_device.EndPage();
            std::vector<CString> texts;
            for (const CPageText& text : m_device.GetPageTexts((int)n - 1))
                texts.push_back(text.strText);
            pages.push_back(texts);
        }
        Grid().OnEndPrinting(&m_device, &info);
        m_device.EndDoc();
        return pages;
    }

    static bool Has(const std::vector<CString>& texts, LPCTSTR psz)
    {
        for (const CString& s : texts)
            if (s == psz)
                return true;
        return false;
    }

    std::unique_ptr<CWinApp> m_app;
    std::unique_ptr<CGridTestWindow> m_pWindow;
    CPageDevice m_device;
    UINT m_nPages = 0;
    CString m_strPageDesc;
};
} // namespace

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
            if (t.strText.Left(4) == "row ")
                EXPECT_TRUE(printed.insert((LPCTSTR)t.strText).second) << t.strText;
    }
    pGrid->OnEndPrinting(&m_device, &info);
    m_device.EndDoc();
    EXPECT_EQ(120u, pGrid->GetRowCount());
    EXPECT_GT(info.GetMaxPage(), nFirstCount);
    EXPECT_EQ(info.GetMaxPage(), n - 1);
    EXPECT_EQ(120u, printed.size()); // every row once, the late ones too
}
