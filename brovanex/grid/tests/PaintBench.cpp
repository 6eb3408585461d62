// Painting a full 1920 x 1080 grid window over a 100,000-row, 50-column grid with mixed
// styles (column interiors, bold right-aligned total rows, check boxes, headers, values
// in every third column), scrolled to the middle: prints the median and 99th percentile
// time of one paint beside one bare BitBlt of the same size. Run under the test session's
// display (tools/test-session start build/win; . build/test-session.env).
#include "controls/GXControlFactory.h"
#include "core/GXData.h"
#include "core/GXGridParam.h"
#include "core/GXGridWnd.h"
#include "core/GXStartup.h"
#include "fw/app.h"
#include "GridBenchClock.h"
#include "fw/dc.h"
#include "fw/gdi.h"
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
void Report(const char* pszWhat, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const double dMedian = times[times.size() / 2];
    const double dP99 = times[std::min(times.size() - 1, times.size() * 99 / 100)];
    printf("%-28s median %8.3f ms   p99 %8.3f ms   (%zu runs)\n", pszWhat, dMedian, dP99,
           times.size());
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
} // namespace

int main()
{
    const ROWCOL nRows = 100000, nCols = 50;
    const int cx = 1920, cy = 1080, nRuns = 200;
    GXStartGridLibrary(0x600, new CGXControlFactory, 0, 0);

    CWnd frame;
    frame.CreateEx(0, AfxRegisterWndClass(0), "paint bench", WS_POPUP | WS_VISIBLE, 0, 0, cx, cy,
                   nullptr, nullptr);
    CGXGridWnd* pGrid = new CGXGridWnd;
    pGrid->Create(WS_VISIBLE | WS_CHILD, CRect(0, 0, cx, cy), &frame, 100);
    pGrid->Initialize();
    pGrid->SetRowCount(nRows, 0);
    pGrid->SetColCount(nCols, 0);

    CGXData* pData = pGrid->GetData();
    for (ROWCOL c = 1; c <= nCols; ++c) {
        CGXStyle col;
        col.SetInterior(RGB(255, 255, (BYTE)(200 + c)));
        if (c % 7 == 0)
            col.SetControl(52516).SetHorizontalAlignment(DT_CENTER);
        else if (c % 5 == 0)
            col.SetHorizontalAlignment(DT_RIGHT).SetTextColor(RGB(0, 0, 160));
        pData->PutCellStyle(0, c, &col, gxOverride, -1);
    }
    char sz[32];
    for (ROWCOL r = 1; r <= nRows; ++r) {
        if (r % 10 == 0) {
            CGXStyle row;
            row.SetFont(CGXFont().SetBold(TRUE)).SetInterior(RGB(230, 230, 230));
            pData->PutCellStyle(r, 0, &row, gxOverride, -1);
        }
        for (ROWCOL c = 1; c <= nCols; c += 3) {
            snprintf(sz, sizeof sz, c % 7 == 0 ? "%u" : "Item %u", (unsigned)((r * c) % 2));
            CGXStyle cell;
            cell.SetValue(c % 7 == 0 ? ((r + c) % 2 ? "1" : "0") : sz);
            pData->PutCellStyle(r, c, &cell, gxOverride, 0);
        }
    }
    pGrid->SetTopRow(nRows / 2, 0);
    pGrid->SetLeftCol(1, 0);
    Pump();

    std::vector<double> paints;
    for (int i = 0; i < nRuns + 5; ++i) {
        pGrid->Invalidate(FALSE);
        const double t0 = BenchNowMs();
        pGrid->UpdateWindow();
        const double t1 = BenchNowMs();
        if (i >= 5) // the first paints fill the caches
            paints.push_back(t1 - t0);
        Pump();
    }

    std::vector<double> blits;
    {
        CClientDC dc(pGrid);
        CDC mem;
        mem.CreateCompatibleDC(&dc);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dc, cx, cy);
        CBitmap* pOld = mem.SelectObject(&bitmap);
        mem.PatBlt(0, 0, cx, cy, WHITENESS);
        for (int i = 0; i < nRuns + 5; ++i) {
            const double t0 = BenchNowMs();
            dc.BitBlt(0, 0, cx, cy, &mem, 0, 0, SRCCOPY);
            ::GdiFlush();
            const double t1 = BenchNowMs();
            if (i >= 5)
                blits.push_back(t1 - t0);
        }
        mem.SelectObject(pOld);
    }

    printf("grid %u rows x %u columns, window %d x %d, top row %u\n", (unsigned)nRows,
           (unsigned)nCols, cx, cy, (unsigned)pGrid->GetTopRow());
    Report("paint of the full window", paints);
    Report("bare BitBlt of that size", blits);
    pGrid->DestroyWindow();
    delete pGrid;
    frame.DestroyWindow();
    return 0;
}
