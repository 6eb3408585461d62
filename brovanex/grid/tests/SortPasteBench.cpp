// Sorting 100,000 rows by a numeric and by a text column, and pasting 10,000 cells of text
// through the clipboard: prints the median and worst time of each. Run under the test
// session's display (tools/test-session start build/win; . build/test-session.env).
#include "controls/GXControlFactory.h"
#include "core/GXData.h"
#include "core/GXGridParam.h"
#include "core/GXGridWnd.h"
#include "core/GXLibraryState.h"
#include "core/GXStartup.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXSortInfo.h"
#include "fw/app.h"
#include "GridBenchClock.h"
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {
void Report(const char* pszWhat, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    printf("%-44s median %9.2f ms   worst %9.2f ms   (%zu runs)\n", pszWhat,
           times[times.size() / 2], times.back(), times.size());
}

// A pseudo-random sequence that is the same on every run.
unsigned NextRandom(unsigned& seed)
{
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) & 0xFFFFFF;
}

BOOL PutClipboardText(const std::string& text)
{
    if (!::OpenClipboard(nullptr))
        return FALSE;
    ::EmptyClipboard();
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(::GlobalLock(h), text.c_str(), text.size() + 1);
    ::GlobalUnlock(h);
    const BOOL bOk = ::SetClipboardData(CF_TEXT, h) != nullptr;
    ::CloseClipboard();
    return bOk;
}
} // namespace

int main()
{
    const ROWCOL nRows = 100000, nCols = 4;
    const int nRuns = 5;
    GXStartGridLibrary(0x600, new CGXControlFactory, 0, 0);
    CGXGridLibraryState& state = GXGetLibraryState();
    if (state.m_nClipboardFormat == 0)
        state.m_nClipboardFormat = ::RegisterClipboardFormatA("Grid Styles bench");

    CWnd frame;
    frame.CreateEx(0, AfxRegisterWndClass(0), "sort bench", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600,
                   nullptr, nullptr);
    CGXGridWnd* pGrid = new CGXGridWnd;
    pGrid->Create(WS_VISIBLE | WS_CHILD, CRect(0, 0, 800, 600), &frame, 100);
    pGrid->Initialize();
    GXImplementSort(pGrid);
    GXImplementUndoRedo(pGrid);
    GXImplementCutPaste(pGrid);
    pGrid->SetRowCount(nRows, 0);
    pGrid->SetColCount(nCols, 0);

    // Column 1: numbers, some with thousands separators; column 2: words; 3 and 4: more text.
    CGXData* pData = pGrid->GetData();
    unsigned seed = 42;
    char sz[64];
    static const char* const apszWords[] = {"anchor", "Bulletin", "caption",  "Desk",   "edit",
                                            "Feed",   "gallery",  "Headline", "insert", "Jingle"};
    for (ROWCOL r = 1; r <= nRows; ++r) {
        const unsigned n = NextRandom(seed) % 2000000;
        if (n % 3 == 0)
            snprintf(sz, sizeof sz, "%u,%03u", n / 1000, n % 1000);
        else
            snprintf(sz, sizeof sz, "%u", n);
        CGXStyle cell;
        cell.SetValue(sz);
        pData->PutCellStyle(r, 1, &cell, gxOverride, 0);
        snprintf(sz, sizeof sz, "%s %s %u", apszWords[NextRandom(seed) % 10],
                 apszWords[NextRandom(seed) % 10], NextRandom(seed) % 1000);
        cell.SetValue(sz);
        pData->PutCellStyle(r, 2, &cell, gxOverride, 0);
        snprintf(sz, sizeof sz, "row %u", (unsigned)r);
        cell.SetValue(sz);
        pData->PutCellStyle(r, 3, &cell, gxOverride, 0);
        pData->PutCellStyle(r, 4, &cell, gxOverride, 0);
    }

    const CGXRange table = CGXRange().SetTable();
    std::vector<double> numeric, text, undos;
    for (int i = 0; i < nRuns; ++i) {
        for (int nCol = 1; nCol <= 2; ++nCol) {
            CGXSortInfoArray keys;
            keys.SetSize(1);
            keys[0].nRC = (DWORD)nCol;
            keys[0].sortType = gxSortAutodetect;
            keys[0].sortOrder = i % 2 == 0 ? gxSortAscending : gxSortDescending;
            double t0 = BenchNowMs();
            pGrid->SortRows(table, keys, GX_INVALIDATE);
            (nCol == 1 ? numeric : text).push_back(BenchNowMs() - t0);
            if (keys[0].sortType != (nCol == 1 ? gxSortNumeric : gxSortAlphanumeric))
                return 1;
            t0 = BenchNowMs();
            if (!pGrid->Undo())
                return 2;
            undos.push_back(BenchNowMs() - t0);
        }
        pGrid->GetParam()->ClearRedoCommands();
    }
    printf("sorting %u rows x %u columns\n", (unsigned)nRows, (unsigned)nCols);
    Report("by a numeric column (autodetected)", numeric);
    Report("by a text column (autodetected)", text);
    Report("undo of a sort", undos);

    // 1,000 rows x 10 columns of text pasted at the top left of an empty grid.
    const ROWCOL nPasteRows = 1000, nPasteCols = 10;
    std::string block;
    for (ROWCOL r = 1; r <= nPasteRows; ++r)
        for (ROWCOL c = 1; c <= nPasteCols; ++c) {
            snprintf(sz, sizeof sz, "r%uc%u", (unsigned)r, (unsigned)c);
            block += sz;
            block += c < nPasteCols ? "\t" : "\r\n";
        }
    CGXGridWnd* pTarget = new CGXGridWnd;
    pTarget->Create(WS_VISIBLE | WS_CHILD, CRect(0, 0, 800, 600), &frame, 101);
    pTarget->Initialize();
    GXImplementUndoRedo(pTarget);
    GXImplementCutPaste(pTarget);
    pTarget->m_nClipboardFlags = GX_CLIP_TEXT;
    pTarget->SetRowCount(nPasteRows, 0);
    pTarget->SetColCount(nPasteCols, 0);
    std::vector<double> pastes;
    for (int i = 0; i < nRuns; ++i) {
        if (!PutClipboardText(block))
            return 3;
        pTarget->SetCurrentCell(1, 1);
        const double t0 = BenchNowMs();
        if (!pTarget->Paste())
            return 4;
        pastes.push_back(BenchNowMs() - t0);
        if (pTarget->GetValueRowCol(nPasteRows, nPasteCols) != "r1000c10")
            return 5;
        if (!pTarget->Undo())
            return 6;
        pTarget->GetParam()->ClearRedoCommands();
    }
    printf("pasting %u cells (%u rows x %u columns of text)\n", (unsigned)(nPasteRows * nPasteCols),
           (unsigned)nPasteRows, (unsigned)nPasteCols);
    Report("paste (recording its undo)", pastes);

    pTarget->DestroyWindow();
    delete pTarget;
    pGrid->DestroyWindow();
    delete pGrid;
    frame.DestroyWindow();
    return 0;
}
