// 1,000 Page Down key strokes through a 100,000-row, 20-column grid window of 1280 x 1024
// with a value in every cell of the visible rows' columns: each key-down goes to the grid
// window as the system delivers it, moves the current cell a page down, scrolls and
// repaints. Prints the median, 99th percentile and mean time of one step. Run under the test
// session's display (tools/test-session start build/win; . build/test-session.env).
#include "controls/GXControlFactory.h"
#include "core/GXData.h"
#include "core/GXGridParam.h"
#include "core/GXGridWnd.h"
#include "core/GXStartup.h"
#include "fw/app.h"
#include "GridBenchClock.h"
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

namespace {
void Dispatch()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}
} // namespace

int main()
{
    const ROWCOL nRows = 100000, nCols = 20;
    const int cx = 1280, cy = 1024, nSteps = 1000;
    GXStartGridLibrary(0x600, new CGXControlFactory, 0, 0);

    CWnd frame;
    frame.CreateEx(0, AfxRegisterWndClass(0), "page down bench", WS_POPUP | WS_VISIBLE, 0, 0, cx,
                   cy, nullptr, nullptr);
    CGXGridWnd* pGrid = new CGXGridWnd;
    pGrid->Create(WS_VISIBLE | WS_CHILD | WS_VSCROLL | WS_HSCROLL, CRect(0, 0, cx, cy), &frame,
                  100);
    pGrid->Initialize();
    pGrid->SetRowCount(nRows, 0);
    pGrid->SetColCount(nCols, 0);
    CGXData* pData = pGrid->GetData();
    char sz[32];
    for (ROWCOL r = 1; r <= nRows; ++r)
        for (ROWCOL c = 1; c <= 4; ++c) {
            snprintf(sz, sizeof(sz), "%lu.%lu", (unsigned long)r, (unsigned long)c);
            CGXStyle value;
            value.SetValue(sz);
            pData->PutCellStyle(r, c, &value, gxOverride, -1);
        }
    pGrid->Redraw(GX_INVALIDATE);
    pGrid->SetCurrentCell(1, 1);
    pGrid->SetFocus();
    pGrid->UpdateWindow();
    Dispatch();

    std::vector<double> times;
    times.reserve(nSteps);
    const LPARAM lDown = 1 | ((LPARAM)::MapVirtualKeyA(VK_NEXT, 0) << 16);
    for (int i = 0; i < nSteps; ++i) {
        const double t0 = BenchNowMs();
        pGrid->PostMessage(WM_KEYDOWN, VK_NEXT, lDown);
        Dispatch();
        times.push_back(BenchNowMs() - t0);
    }
    ROWCOL nRow = 0, nCol = 0;
    pGrid->GetCurrentCell(nRow, nCol);
    const double dMean = std::accumulate(times.begin(), times.end(), 0.0) / (double)times.size();
    std::sort(times.begin(), times.end());
    printf("Page Down step              median %8.3f ms   p99 %8.3f ms   mean %8.3f ms   (%d "
           "steps, ended on row %lu of %lu, top row %lu)\n",
           times[times.size() / 2], times[std::min(times.size() - 1, times.size() * 99 / 100)],
           dMean, nSteps, (unsigned long)nRow, (unsigned long)nRows,
           (unsigned long)pGrid->GetTopRow());
    delete pGrid;
    frame.DestroyWindow();
    return nRow > 1 ? 0 : 1;
}
