// Printing a view to the page device: the print dialog's page range, the pages the loop
// prints and what is on them, the Printing box's Cancel, and no printer at all.
#include <gtest/gtest.h>

#include "modal_support.h"
#include "print_fixture.h"

namespace {

TEST(PageDevice, AnswersForAPageOfItsSizeAndResolution)
{
    CPageDevice device; // Letter at 300 dpi
    EXPECT_EQ(device.GetDeviceCaps(HORZRES), 2550);
    EXPECT_EQ(device.GetDeviceCaps(VERTRES), 3300);
    EXPECT_EQ(device.GetDeviceCaps(LOGPIXELSX), 300);
    EXPECT_EQ(device.GetDeviceCaps(LOGPIXELSY), 300);
    EXPECT_EQ(device.GetDeviceCaps(HORZSIZE), 216); // 8.5 inches in millimetres, rounded
    EXPECT_EQ(device.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
    // Code holding only the HDC gets the same answers.
    EXPECT_EQ(CPageDevice::GetCapsOf(device.m_hDC, VERTRES), 3300);
    EXPECT_EQ(CDC::FromHandle(device.m_hDC)->GetDeviceCaps(LOGPIXELSX), 300);
    EXPECT_TRUE(device.IsPrinting());

    // A metric mapping mode maps by the page's resolution: an inch is 300 dots.
    struct Case
    {
        int nMapMode;
        int nInch; // logical units in an inch
    } cases[] = {{MM_LOENGLISH, 100},
                 {MM_HIENGLISH, 1000},
                 {MM_LOMETRIC, 254},
                 {MM_HIMETRIC, 2540},
                 {MM_TWIPS, 1440}};
    for (const Case& c : cases) {
        device.SetMapMode(c.nMapMode);
        CPoint point(c.nInch, -2 * c.nInch);
        device.LPtoDP(&point);
        EXPECT_EQ(point, CPoint(300, 600)) << c.nMapMode;
    }
    device.SetMapMode(MM_TEXT);

    // Another size and resolution.
    CPageDevice a5(CSize(5830, 8270), 150);
    EXPECT_EQ(a5.GetDeviceCaps(HORZRES), 875); // 5.83 inches at 150 dpi, rounded
    EXPECT_EQ(a5.GetDeviceCaps(LOGPIXELSY), 150);
}

TEST(PageDevice, KeepsThePagesOfADocumentAndDropsAnAbortedOne)
{
    CPageDevice device;
    ASSERT_GT(device.StartDoc("Rundown"), 0);
    EXPECT_TRUE(device.IsDocOpen());
    for (int i = 1; i <= 2; i++) {
        ASSERT_GT(device.StartPage(), 0);
        CString strText;
        strText.Format("Page %d", i);
        device.TextOut(100, 100, strText);
        ASSERT_GT(device.EndPage(), 0);
    }
    ASSERT_GT(device.EndDoc(), 0);
    EXPECT_EQ(device.GetDocName(), CString("Rundown"));
    ASSERT_EQ(device.GetPageCount(), 2);
    EXPECT_EQ(PageTexts(device, 1), std::vector<std::string> {"Page 2"});
    EXPECT_LT(device.EndDoc(), 0); // no document open

    // The next document replaces them; an aborted one leaves nothing.
    ASSERT_GT(device.StartDoc("Second"), 0);
    ASSERT_GT(device.StartPage(), 0);
    ASSERT_GT(device.EndPage(), 0);
    EXPECT_EQ(device.GetPageCount(), 1);
    EXPECT_LT(device.StartDoc("Nested"), 0);
    device.AbortDoc();
    EXPECT_TRUE(device.WasAborted());
    EXPECT_FALSE(device.IsDocOpen());
    EXPECT_EQ(device.GetPageCount(), 0);
    EXPECT_EQ(device.GetDocCount(), 2);
}

TEST(PrintLoop, PrintsThePagesOfTheRangeChosenInThePrintDialog)
{
    struct Case
    {
        const char* pszName;
        BOOL bTellPageCount;
        UINT nFrom, nTo; // 0: all pages
        std::vector<UINT> expected; // the pages printed, in order
    } cases[] = {
        {"all pages", TRUE, 0, 0, {1, 2, 3}},
        {"pages 2 to 3", TRUE, 2, 3, {2, 3}},
        {"page 2 alone", TRUE, 2, 2, {2}},
        {"a range past the end", TRUE, 2, 9, {2, 3}},
        {"a range backwards", TRUE, 3, 1, {3, 2, 1}},
        {"page count found while printing", FALSE, 0, 0, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        PrintProgram program;
        ASSERT_NE(program.pMainFrame, nullptr);
        CLinesView* pView = program.NewLines(100); // 40, 40 and 20 lines
        ASSERT_NE(pView, nullptr);
        pView->GetDocument()->SetTitle("Evening News");
        CLinesView::s_bTellPageCount = c.bTellPageCount;
        CPrintDialogAnswer answer(c.nFrom, c.nTo);
        pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

        EXPECT_EQ(answer.nAsked, 1) << c.pszName;
        EXPECT_EQ(answer.nMaxPageSeen, c.bTellPageCount ? 3 : 0xFFFF) << c.pszName;
        EXPECT_EQ(Trace().pages, c.expected) << c.pszName;
        EXPECT_EQ(Trace().nBegin, 1) << c.pszName;
        EXPECT_EQ(Trace().nEnd, 1) << c.pszName;
        EXPECT_FALSE(Trace().bPreview);
        EXPECT_EQ(Trace().rectDraw, CRect(0, 0, 2550, 3300)) << c.pszName;
        ASSERT_EQ(program.device.GetPageCount(), (int)c.expected.size()) << c.pszName;
        EXPECT_EQ(program.device.GetDocName(), CString("Evening News"));
        EXPECT_FALSE(program.device.IsDocOpen());
        // Each page holds its own lines.
        for (size_t i = 0; i < c.expected.size(); i++) {
            std::vector<std::string> texts = PageTexts(program.device, (int)i);
            UINT nPage = c.expected[i];
            ASSERT_EQ(texts.size(), nPage == 3 ? 20u : 40u) << c.pszName << " page " << nPage;
            EXPECT_EQ(texts.front(), "Line " + std::to_string((nPage - 1) * 40 + 1));
            EXPECT_EQ(texts.back(), "Line " + std::to_string(std::min(nPage * 40, 100u)));
        }
        // The program is usable again and the Printing box is gone.
        EXPECT_TRUE(program.pMainFrame->IsWindowEnabled());
        EXPECT_EQ(::FindWindowA(MAKEINTATOM(32770), AfxGetAppName()), nullptr);
    }
}

TEST(PrintLoop, TheLinesOfPageTwoAreDrawnWhereThePageSaysAndTheFirstPageIsSavedAsAnImage)
{
    PrintProgram program;
    ASSERT_NE(program.pMainFrame, nullptr);
    CLinesView* pView = program.NewLines(60);
    ASSERT_NE(pView, nullptr);
    CPrintDialogAnswer answer(0, 0);
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    ASSERT_EQ(program.device.GetPageCount(), 2);

    // Page 2's first line starts an inch from the left and top: at 300 dpi.
    std::vector<CPageText> texts = program.device.GetPageTexts(1);
    ASSERT_EQ(texts.size(), 20u);
    EXPECT_EQ(texts[0].strText, CString("Line 41"));
    EXPECT_NEAR(texts[0].rectBounds.left, 300, 10);
    EXPECT_NEAR(texts[0].rectBounds.top, 300, 20);
    EXPECT_NEAR(texts[1].rectBounds.top - texts[0].rectBounds.top, 60, 2); // a fifth of an inch

    // Played back at 100 dpi the page shows ink where the lines are and none below them.
    CGdiMemoryDC dc(nullptr);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = 850;
    bmi.bmiHeader.biHeight = -1100;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    CGdiHandle<HBITMAP> bitmap(
        ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
    ASSERT_NE(pBits, nullptr);
    CGdiSelection select(dc.Get(), bitmap.Get());
    RECT rect = {0, 0, 850, 1100};
    ::FillRect(dc.Get(), &rect, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    CPageDevice::PlayPage(dc.Get(), program.device.GetPage(1), rect);
    ::GdiFlush();
    auto inkIn = [&](int x0, int y0, int x1, int y1) {
        int nInk = 0;
        const DWORD* pPixels = static_cast<const DWORD*>(pBits);
        for (int y = y0; y < y1; y++)
            for (int x = x0; x < x1; x++)
                nInk += (pPixels[y * 850 + x] & 0xFFFFFF) != 0xFFFFFF;
        return nInk;
    };
    EXPECT_GT(inkIn(100, 100, 400, 120), 20); // the first line
    EXPECT_EQ(inkIn(100, 600, 400, 1000), 0); // below the twentieth line and the frame

    char szExe[MAX_PATH];
    ::GetModuleFileNameA(nullptr, szExe, MAX_PATH);
    std::string path(szExe);
    path = path.substr(0, path.find_last_of("\\/") + 1) + "page-device-test-page.bmp";
    ASSERT_TRUE(program.device.SavePageImage(0, path.c_str()));
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead));
    char header[2];
    ASSERT_EQ(file.Read(header, 2), 2u);
    EXPECT_EQ(std::string(header, 2), "BM");
    EXPECT_EQ(file.GetLength(), 54u + 2552u * 1100u); // rows of 850 pixels padded to 4 bytes
}

TEST(PrintLoop, CancelInThePrintingBoxStopsAfterThePageAndDropsTheJob)
{
    PrintProgram program;
    ASSERT_NE(program.pMainFrame, nullptr);
    CLinesView* pView = program.NewLines(200); // five pages
    ASSERT_NE(pView, nullptr);
    HWND hBox = nullptr;
    BOOL bMainDisabled = FALSE;
    Trace().onPrint = [&](UINT nPage) {
        if (nPage != 2)
            return;
        // The user clicks Cancel while page 2 prints.
        hBox = ::FindWindowA(MAKEINTATOM(32770), AfxGetAppName());
        bMainDisabled = !program.pMainFrame->IsWindowEnabled();
        if (hBox != nullptr)
            ::PostMessageA(hBox, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                           (LPARAM)::GetDlgItem(hBox, IDCANCEL));
    };
    CPrintDialogAnswer answer(0, 0);
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);

    ASSERT_NE(hBox, nullptr) << "the Printing box shows while pages print";
    EXPECT_TRUE(bMainDisabled);
    EXPECT_EQ(Trace().pages, (std::vector<UINT> {1, 2}));
    EXPECT_EQ(Trace().nEnd, 1);
    EXPECT_TRUE(program.device.WasAborted());
    EXPECT_EQ(program.device.GetPageCount(), 0);
    EXPECT_FALSE(::IsWindow(hBox));
    EXPECT_TRUE(program.pMainFrame->IsWindowEnabled());
    EXPECT_FALSE(AfxPrintAborted() && ::IsWindow(hBox));

    // The next job prints whole.
    Trace().onPrint = nullptr;
    Trace().pages.clear();
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    EXPECT_EQ(Trace().pages.size(), 5u);
    EXPECT_EQ(program.device.GetPageCount(), 5);
}

TEST(PrintLoop, ACancelledPrintDialogPrintsNothing)
{
    PrintProgram program;
    ASSERT_NE(program.pMainFrame, nullptr);
    CLinesView* pView = program.NewLines(100);
    ASSERT_NE(pView, nullptr);
    CPrintDialogAnswer answer(0, 0, IDCANCEL);
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    EXPECT_EQ(answer.nAsked, 1);
    EXPECT_EQ(Trace().nBegin, 0);
    EXPECT_EQ(Trace().nEnd, 0);
    EXPECT_EQ(program.device.GetDocCount(), 0);
}

TEST(PrintLoop, DirectPrintingAsksNoDialogAndPrintsEveryPage)
{
    PrintProgram program;
    ASSERT_NE(program.pMainFrame, nullptr);
    CLinesView* pView = program.NewLines(50);
    ASSERT_NE(pView, nullptr);
    CPrintDialogAnswer answer(0, 0);
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(answer.nAsked, 0);
    EXPECT_EQ(Trace().pages, (std::vector<UINT> {1, 2}));
}

TEST(PrintLoop, WithoutAPrinterOrAPageDeviceTheUserIsToldAndNothingPrints)
{
    PrintProgram program;
    ASSERT_NE(program.pMainFrame, nullptr);
    PRINTDLGA pd = {};
    if (program.app.GetPrinterDeviceDefaults(&pd))
        GTEST_SKIP() << "this machine has a printer";
    CLinesView* pView = program.NewLines(100);
    ASSERT_NE(pView, nullptr);
    AfxSetPageDevice(nullptr);
    struct Case
    {
        UINT nCommand;
        int nDialogs; // print dialogs asked
    } cases[] = {{ID_FILE_PRINT, 1}, {ID_FILE_PRINT_DIRECT, 0}};
    for (const Case& c : cases) {
        CPrintDialogAnswer answer(0, 0);
        CMessageBoxRecorder boxes;
        pView->SendMessage(WM_COMMAND, c.nCommand);
        EXPECT_EQ(answer.nAsked, c.nDialogs);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Text(0), "No printer is installed. Add a printer to print.");
        EXPECT_EQ(Trace().nBegin, 0);
        EXPECT_TRUE(Trace().pages.empty());
    }
    AfxSetPageDevice(&program.device);
}

} // namespace
