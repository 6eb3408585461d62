// Fitting the heights of 10,000 rows of wrapped text (three columns, one to five lines per
// cell once wrapped): prints the time of one fit of every row, the median of a few runs.
// Run under the test session's display (tools/test-session start build/win;
// . build/test-session.env).
#include "controls/GXControlFactory.h"
#include "core/GXData.h"
#include "core/GXGridParam.h"
#include "core/GXGridWnd.h"
#include "core/GXStartup.h"
#include "features/GXFeatureSwitches.h"
#include "fw/app.h"
#include "GridBenchClock.h"
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

int main()
{
    const ROWCOL nRows = 10000, nCols = 3;
    const int nRuns = 5;
    GXStartGridLibrary(0x600, new CGXControlFactory, 0, 0);
    CWnd frame;
    frame.CreateEx(0, AfxRegisterWndClass(0), "fit bench", WS_POPUP | WS_VISIBLE, 0, 0, 1024, 768,
                   nullptr, nullptr);
    CGXGridWnd* pGrid = new CGXGridWnd;
    pGrid->Create(WS_VISIBLE | WS_CHILD, CRect(0, 0, 1024, 768), &frame, 100);
    pGrid->Initialize();
    GXImplementResizeToFit(pGrid);
    pGrid->SetRowCount(nRows, 0);
    pGrid->SetColCount(nCols, 0);
    pGrid->SetColWidth(1, nCols, 120, nullptr, 0);

    CGXData* pData = pGrid->GetData();
    const char* apszWords[] = {"rundown", "anchor", "weather", "segment", "break", "lead"};
    for (ROWCOL r = 1; r <= nRows; ++r) {
        for (ROWCOL c = 1; c <= nCols; ++c) {
            std::string text;
            const int nWords = 2 + (int)((r * 7 + c * 3) % 12);
            for (int w = 0; w < nWords; ++w)
                text += std::string(apszWords[(r + c + w) % 6]) + " ";
            CGXStyle cell;
            cell.SetWrapText(TRUE).SetValue(text.c_str());
            pData->PutCellStyle(r, c, &cell, gxOverride, 0);
        }
    }

    std::vector<double> times;
    for (int i = 0; i < nRuns; ++i) {
        // Start each run from the default height so that every row changes.
        pGrid->SetRowHeight(1, nRows, pGrid->GetDefaultRowHeight(), nullptr, 0);
        const double t0 = BenchNowMs();
        pGrid->FitRowHeights(CGXRange().SetRows(1, nRows), TRUE, 0);
        times.push_back(BenchNowMs() - t0);
    }
    std::sort(times.begin(), times.end());
    printf("fit heights of %u wrapped rows: median %8.1f ms   best %8.1f ms   (%d runs)\n",
           (unsigned)nRows, times[times.size() / 2], times.front(), nRuns);
    printf("row 1 %d px, row 2 %d px, row 12 %d px\n", pGrid->GetRowHeight(1),
           pGrid->GetRowHeight(2), pGrid->GetRowHeight(12));
    delete pGrid;
    frame.DestroyWindow();
    return 0;
}
