// Undo and redo of one style change over 100,000 cells (10,000 rows x 10 columns that
// already hold values): prints the median and worst time of the change, its undo and its
// redo. Run under the test session's display (tools/test-session start build/win;
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
#include <vector>

namespace {
void Report(const char* pszWhat, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    printf("%-34s median %9.2f ms   worst %9.2f ms   (%zu runs)\n", pszWhat,
           times[times.size() / 2], times.back(), times.size());
}
} // namespace

int main()
{
    const ROWCOL nRows = 10000, nCols = 10;
    const int nRuns = 11;
    GXStartGridLibrary(0x600, new CGXControlFactory, 0, 0);

    CWnd frame;
    frame.CreateEx(0, AfxRegisterWndClass(0), "undo bench", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600,
                   nullptr, nullptr);
    CGXGridWnd* pGrid = new CGXGridWnd;
    pGrid->Create(WS_VISIBLE | WS_CHILD, CRect(0, 0, 800, 600), &frame, 100);
    pGrid->Initialize();
    GXImplementUndoRedo(pGrid);
    pGrid->SetRowCount(nRows, 0);
    pGrid->SetColCount(nCols, 0);
    CGXData* pData = pGrid->GetData();
    char sz[32];
    for (ROWCOL r = 1; r <= nRows; ++r)
        for (ROWCOL c = 1; c <= nCols; ++c) {
            snprintf(sz, sizeof sz, "%u", (unsigned)(r * c));
            CGXStyle cell;
            cell.SetValue(sz);
            pData->PutCellStyle(r, c, &cell, gxOverride, 0);
        }

    const CGXRange range(1, 1, nRows, nCols);
    std::vector<double> changes, undos, redos;
    for (int i = 0; i < nRuns; ++i) {
        CGXStyle style;
        style.SetInterior(RGB(255, (BYTE)(i * 20), 0)).SetValue("x");
        double t0 = BenchNowMs();
        if (!pGrid->SetStyleRange(range, style))
            return 1;
        changes.push_back(BenchNowMs() - t0);
        t0 = BenchNowMs();
        if (!pGrid->Undo())
            return 2;
        undos.push_back(BenchNowMs() - t0);
        t0 = BenchNowMs();
        if (!pGrid->Redo())
            return 3;
        redos.push_back(BenchNowMs() - t0);
        // Keep the lists short: each run starts from the original cells.
        if (!pGrid->Undo())
            return 4;
        pGrid->GetParam()->ClearRedoCommands();
    }
    printf("style change over %u cells (%u rows x %u columns)\n", (unsigned)(nRows * nCols),
           (unsigned)nRows, (unsigned)nCols);
    Report("change (recording its undo)", changes);
    Report("undo", undos);
    Report("redo", redos);
    pGrid->DestroyWindow();
    delete pGrid;
    frame.DestroyWindow();
    return 0;
}
