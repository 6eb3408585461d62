// Grid printing: the grid cut into pages of whole rows and columns with the headings on
// every page, centred and framed on request; and the feature's switch.
#include "features/GXGridPrintImp.h"
#include "core/GXData.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXProperties.h"
#include "core/GXStylesMap.h"
#include "features/GXAbstractGridFeatures.h"
#include "features/GXFeatureSwitches.h"
#include "fw/app.h"
#include "fw/appservices.h"
#include "fw/document.h"
#include "fw/commdlg.h"
#include "fw/print.h"
#include "fw/view.h"
#include <algorithm>
#include <vector>

namespace {
CDocument* DocumentOfGrid(CGXGridCore* pGrid)
{
    CWnd* pWnd = pGrid->GetGridWnd();
    if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CView)))
        return static_cast<CView*>(pWnd)->GetDocument();
    return nullptr;
}
} // namespace

// The whole page in logical units.
CRect CGXGridPrintImp::LogicalPage(CDC* pDC)
{
    CRect rect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    pDC->DPtoLP(&rect);
    return rect;
}

// ---------------------------------------------------------------------------------------
// Pagination

CGXGridPrintImp::CPrintStep::CPrintStep(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo)
    : m_pGrid(pGrid), m_pDC(pDC)
{
    // One logical unit is one display pixel (the core maps the printer's DC).
    pGrid->OnPrepareDC(pDC, pInfo);
    pGrid->SetPrintMode(TRUE);
    pGrid->FreeObjectCache();
    if (pGrid->m_pStandardStyle != nullptr)
        m_pOldFont = pGrid->LoadFont(pDC, *pGrid->m_pStandardStyle);
    pGrid->MeasureFontUnits(pDC, pGrid->m_nPrintHorzUnit, pGrid->m_nPrintVertUnit);
    CRect rect = LogicalPage(pDC);
    pGrid->AdjustPrintMargins(rect);
    if (pInfo != nullptr)
        pInfo->m_rectDraw = rect;
    pGrid->m_rectPrint = rect;
}

CGXGridPrintImp::CPrintStep::~CPrintStep()
{
    if (m_pOldFont != nullptr)
        m_pDC->SelectObject(m_pOldFont);
    m_pGrid->SetPrintMode(FALSE);
    m_pGrid->FreeObjectCache();
}

// Page starts of one direction: each page holds at least one column (row); manual breaks
// begin pages of their own.
void CGXGridPrintImp::PageStarts(CGXGridCore* pGrid, std::vector<ROWCOL>& starts, bool bCols,
                                 ROWCOL nFirst, ROWCOL nLast, ROWCOL nScreen, UINT& nScreenPage)
{
    CGXProperties* pProp = pGrid->GetProperties();
    std::vector<ROWCOL> breaks;
    if (pProp != nullptr) {
        const CDWordArray& manual = bCols ? pProp->m_awColBreaks : pProp->m_awRowBreaks;
        for (INT_PTR i = 0; i < manual.GetSize(); ++i)
            breaks.push_back(manual[i]);
    }
    ROWCOL& nPrintFirst = bCols ? pGrid->m_nPrintLeftCol : pGrid->m_nPrintTopRow;
    const CRect rectGrid = pGrid->GetGridRect();
    auto firstCut = [&]() {
        return bCols ? pGrid->CalcClientColFromPt(CPoint(rectGrid.right, rectGrid.top))
                     : pGrid->CalcClientRowFromPt(CPoint(rectGrid.left, rectGrid.bottom));
    };
    size_t j = 0;
    auto appendBreaks = [&]() {
        for (; j < breaks.size(); ++j)
            if (breaks[j] > starts.back() && breaks[j] <= nLast)
                starts.push_back(breaks[j]);
        starts.push_back(nLast + 1);
    };

    starts.clear();
    nPrintFirst = nFirst;
    starts.push_back(nFirst);
    nScreenPage = 0;
    if (!breaks.empty() && firstCut() == GX_INVALID) {
        appendBreaks();
        return;
    }
    for (;;) {
        ROWCOL c = firstCut();
        if (c == GX_INVALID)
            break;
        ROWCOL nNext = bCols ? pGrid->GetCol(c) : pGrid->GetRow(c);
        nNext = std::max(nNext, nPrintFirst + 1);
        if (nScreen >= nPrintFirst && nScreen < nNext)
            nScreenPage = (UINT)starts.size() - 1;
        while (j < breaks.size() && breaks[j] <= nPrintFirst)
            ++j;
        if (j < breaks.size() && breaks[j] < nNext)
            nNext = breaks[j++];
        starts.push_back(nNext);
        if (nNext > nLast) {
            starts.back() = nLast + 1;
            return;
        }
        nPrintFirst = nNext;
        if (starts.size() > kMaxPages) {
            starts.push_back(nLast + 1);
            return;
        }
        if (!breaks.empty() && firstCut() == GX_INVALID) {
            if (nScreen >= nPrintFirst)
                nScreenPage = (UINT)starts.size() - 1;
            appendBreaks();
            return;
        }
    }
    if (nScreen >= nPrintFirst && nScreen <= nLast)
        nScreenPage = (UINT)starts.size() - 1;
    starts.push_back(nLast + 1);
}

BOOL CGXGridPrintImp::PagePosition(CGXProperties* pProp, UINT n, UINT& nRowPage,
                                   UINT& nColPage) const
{
    const UINT nColPages = (UINT)m_colStarts.size() - 1, nRowPages = (UINT)m_rowStarts.size() - 1;
    if (pProp == nullptr || !pProp->m_abPrint[7]) {
        nRowPage = n / nColPages;
        nColPage = n % nColPages;
    } else {
        nRowPage = n % nRowPages;
        nColPage = n / nRowPages;
    }
    return nRowPage < nRowPages && nColPage < nColPages;
}

BOOL CGXGridPrintImp::ExtendPageStarts(CGXGridCore* pGrid, std::vector<ROWCOL>& starts, bool bCols)
{
    const ROWCOL nCount = bCols ? pGrid->GetColCount() : pGrid->GetRowCount();
    if (starts.size() < 2 || starts.back() > nCount || starts.size() > kMaxPages)
        return FALSE;
    // The last page is laid out again from its first row (column) to the new end.
    ROWCOL& nPrintFirst = bCols ? pGrid->m_nPrintLeftCol : pGrid->m_nPrintTopRow;
    const ROWCOL nSavedFirst = nPrintFirst;
    const size_t k = starts.size() - 2;
    std::vector<ROWCOL> tail;
    UINT nUnused = 0;
    PageStarts(pGrid, tail, bCols, starts[k], nCount, 0, nUnused);
    nPrintFirst = nSavedFirst;
    starts.resize(k);
    starts.insert(starts.end(), tail.begin(), tail.end());
    return TRUE;
}

UINT CGXGridPrintImp::PageCount() const
{
    if (m_colStarts.size() < 2 || m_rowStarts.size() < 2)
        return 0;
    ULONGLONG n = (ULONGLONG)(m_colStarts.size() - 1) * (m_rowStarts.size() - 1);
    return (UINT)std::min<ULONGLONG>(n, kMaxPages);
}

void CGXGridPrintImp::OnBeginPrinting(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo)
{
    const BOOL bPreview = pInfo != nullptr && pInfo->m_bPreview;
    if (pGrid->m_nPrintDimensionMode == 1 || (pGrid->m_nPrintDimensionMode == 2 && !bPreview))
        pGrid->OnRowColCountNeeded((ROWCOL)-2, (ROWCOL)-2);
    CWaitCursor wait;
    const BOOL bWasPrinting = pGrid->IsPrinting();
    const ROWCOL nScreenTop = bWasPrinting ? pGrid->m_nPrintTopRow : pGrid->m_nTopRow;
    const ROWCOL nScreenLeft = bWasPrinting ? pGrid->m_nPrintLeftCol : pGrid->m_nLeftCol;
    m_colStarts.clear();
    m_rowStarts.clear();

    // Pools of spanned cells of their own while printing.
    CGXGridParam* pParam = pGrid->GetParam();
    CGXGridLibraryState& state = GXGetLibraryState();
    if (pParam != nullptr) {
        if (pParam->m_apPools[gxPoolPrintSpans] == nullptr && state.m_pSpanCellPoolImp != nullptr)
            pParam->m_apPools[gxPoolPrintSpans] = state.m_pSpanCellPoolImp->CreateSpanCellPool();
        if (pParam->m_apPools[gxPoolPrintDelayed] == nullptr &&
            state.m_pDelayedRangePoolImp != nullptr)
            pParam->m_apPools[gxPoolPrintDelayed] =
                state.m_pDelayedRangePoolImp->CreateDelayedRangePool();
    }

    CPrintStep step(pGrid, pDC, pInfo);
    // The printout works out its floating cells afresh: the whole table waits in the print
    // pool (printing is on, so the display's pending areas stay as they are) and each page
    // evaluates what it shows before drawing it.
    if (pParam != nullptr && pParam->m_apPools[gxPoolPrintDelayed] != nullptr &&
        pGrid->GetFloatMode() == 1)
        pGrid->MarkFloatRangeDirty(CGXRange().SetTable());
    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    const ROWCOL nFrozenRows = pParam != nullptr ? pParam->m_nFrozenRows : 0;
    const ROWCOL nFrozenCols = pParam != nullptr ? pParam->m_nFrozenCols : 0;
    const BOOL bSelection =
        pInfo != nullptr && pInfo->m_pPD != nullptr && (pInfo->m_pPD->m_pd.Flags & PD_SELECTION);
    const CRect rectGrid = pGrid->GetGridRect();

    if (bSelection && (pParam == nullptr || pParam->m_selRects.IsEmpty())) {
        // One page of what the screen shows.
        pGrid->m_nPrintTopRow = nScreenTop;
        pGrid->m_nPrintLeftCol = nScreenLeft;
        ROWCOL r = pGrid->CalcClientRowFromPt(CPoint(rectGrid.left, rectGrid.bottom));
        ROWCOL c = pGrid->CalcClientColFromPt(CPoint(rectGrid.right, rectGrid.top));
        m_rowStarts = {nScreenTop, r == GX_INVALID ? nRows + 1 : pGrid->GetRow(r)};
        m_colStarts = {nScreenLeft, c == GX_INVALID ? nCols + 1 : pGrid->GetCol(c)};
        if (m_rowStarts[1] <= m_rowStarts[0])
            m_rowStarts[1] = m_rowStarts[0] + 1;
        if (m_colStarts[1] <= m_colStarts[0])
            m_colStarts[1] = m_colStarts[0] + 1;
        m_nScreenRowPage = m_nScreenColPage = 0;
    } else {
        CGXRange range(1, 1, nRows, nCols);
        if (bSelection) {
            range = *static_cast<CGXRange*>(pParam->m_selRects.GetTail());
            range.ExpandRange(nFrozenRows + 1, nFrozenCols + 1, nRows, nCols);
        }
        const ROWCOL nTop = std::max<ROWCOL>(nFrozenRows + 1, range.top);
        const ROWCOL nLeft = std::max<ROWCOL>(nFrozenCols + 1, range.left);
        const ROWCOL nBottom = std::min(range.bottom, nRows);
        const ROWCOL nRight = std::min(range.right, nCols);
        pGrid->m_nPrintTopRow = nTop;
        PageStarts(pGrid, m_colStarts, true, nLeft, std::max(nRight, nLeft), nScreenLeft,
                   m_nScreenColPage);
        pGrid->m_nPrintLeftCol = nLeft;
        PageStarts(pGrid, m_rowStarts, false, nTop, std::max(nBottom, nTop), nScreenTop,
                   m_nScreenRowPage);
    }

    const UINT nPages = std::max<UINT>(PageCount(), 1);
    if (pInfo != nullptr) {
        pInfo->SetMaxPage(nPages);
        CString strCount;
        strCount.Format(" / %u", nPages);
        pInfo->m_strPageDesc += strCount;
        if (pInfo->m_bPreview) {
            const ULONGLONG nColPages = m_colStarts.size() - 1, nRowPages = m_rowStarts.size() - 1;
            CGXProperties* pProp = pGrid->GetProperties();
            ULONGLONG nPage = pProp != nullptr && pProp->m_abPrint[7]
                ? nRowPages * m_nScreenColPage + m_nScreenRowPage + 1
                : nColPages * m_nScreenRowPage + m_nScreenColPage + 1;
            pInfo->m_nCurPage = (UINT)std::min<ULONGLONG>(nPage, nPages);
        }
    }
}

void CGXGridPrintImp::OnPrint(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo)
{
    if (pInfo == nullptr || m_colStarts.size() < 2 || m_rowStarts.size() < 2) {
        if (pInfo != nullptr)
            pInfo->m_bContinuePrinting = FALSE;
        return;
    }
    CPrintStep step(pGrid, pDC, pInfo);
    CGXProperties* pProp = pGrid->GetProperties();
    const UINT n = std::max<UINT>(pInfo->m_nCurPage, 1) - 1;
    UINT nRowPage, nColPage;
    if (!PagePosition(pProp, n, nRowPage, nColPage)) {
        pInfo->m_bContinuePrinting = FALSE;
        return;
    }
    pGrid->m_nPrintTopRow = m_rowStarts[nRowPage];
    pGrid->m_nPrintLeftCol = m_colStarts[nColPage];

    // Unless a selection is printed the grid may grow while it prints: the pages after the
    // last one known are laid out again with what it holds now.
    const BOOL bSelection =
        pInfo->m_pPD != nullptr && (pInfo->m_pPD->m_pd.Flags & PD_SELECTION) != 0;
    if (!bSelection) {
        const int nRowHeight = std::max(pGrid->GetDefaultRowHeight(), 1);
        const int nColWidth = std::max(pGrid->GetDefaultColWidth(), 1);
        pGrid->OnRowColCountNeeded(
            pGrid->m_nPrintTopRow +
                2 * (ROWCOL)std::max(pGrid->m_rectPrint.Height(), 0) / nRowHeight,
            pGrid->m_nPrintLeftCol +
                4 * (ROWCOL)std::max(pGrid->m_rectPrint.Width(), 0) / nColWidth);
        const BOOL bMoreRows = ExtendPageStarts(pGrid, m_rowStarts, false);
        const BOOL bMoreCols = ExtendPageStarts(pGrid, m_colStarts, true);
        if (bMoreRows || bMoreCols) {
            pInfo->SetMaxPage(std::max<UINT>(PageCount(), 1));
            if (!PagePosition(pProp, n, nRowPage, nColPage)) {
                pInfo->m_bContinuePrinting = FALSE;
                return;
            }
        }
        pGrid->m_nPrintTopRow = m_rowStarts[nRowPage];
        pGrid->m_nPrintLeftCol = m_colStarts[nColPage];
    }

    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    const ROWCOL nLastRow = std::min(m_rowStarts[nRowPage + 1] - 1, nRows);
    const ROWCOL nLastCol = std::min(m_colStarts[nColPage + 1] - 1, nCols);
    const ROWCOL nLastClientRow = pGrid->GetClientRow(nLastRow);
    const ROWCOL nLastClientCol = pGrid->GetClientCol(nLastCol);
    int nWidth = pGrid->SumClientColWidths(0, nLastClientCol);
    int nHeight = pGrid->SumClientRowHeights(0, nLastClientRow);

    CRect rect = pGrid->m_rectPrint;
    if (pProp != nullptr && pProp->m_abPrint[6])
        rect.left += (rect.Width() - nWidth) / 2;
    if (pProp != nullptr && pProp->m_abPrint[5])
        rect.top += (rect.Height() - nHeight) / 2;
    rect.right = rect.left + nWidth;
    rect.bottom = rect.top + nHeight;
    pGrid->m_rectPrint = rect;

    if (pProp != nullptr)
        pProp->DrawHeaderAndFooter(pDC, pInfo, DocumentOfGrid(pGrid), pGrid->GetParam());

    if (pProp == nullptr || pProp->m_abPrint[8]) {
        CGXGridParam* pParam = pGrid->GetParam();
        if (pParam != nullptr && pParam->m_bLineFlag) {
            --nWidth;
            --nHeight;
        }
        const COLORREF crFrame = RGB(0, 0, 0);
        pDC->FillSolidRect(rect.left - 1, rect.top - 1, nWidth + 3, 2, crFrame);
        pDC->FillSolidRect(rect.left - 1, rect.top + nHeight, nWidth + 3, 2, crFrame);
        pDC->FillSolidRect(rect.left - 1, rect.top - 1, 2, nHeight + 3, crFrame);
        pDC->FillSolidRect(rect.left + nWidth, rect.top - 1, 2, nHeight + 3, crFrame);
    }

    {
        const int nSaved = pDC->SaveDC();
        pDC->IntersectClipRect(&rect);
        try {
            pGrid->PaintCellRange(0, 0, nLastClientRow, nLastClientCol, pDC);
        } catch (...) {
            pDC->RestoreDC(nSaved);
            throw;
        }
        pDC->RestoreDC(nSaved);
    }
    pInfo->m_bContinuePrinting = !(nLastRow >= nRows && nLastCol >= nCols && n + 1 >= PageCount());
}

void CGXGridPrintImp::OnEndPrinting(CGXGridCore* pGrid, CDC*, CPrintInfo*)
{
    m_colStarts.clear();
    m_rowStarts.clear();
    if (CWnd* pWnd = pGrid->GetGridWnd())
        if (::IsWindow(pWnd->m_hWnd))
            pWnd->Invalidate(TRUE);
    if (CGXGridParam* pParam = pGrid->GetParam())
        for (int i : {gxPoolPrintSpans, gxPoolPrintDelayed}) {
            delete pParam->m_apPools[i];
            pParam->m_apPools[i] = nullptr;
        }
}

void GXImplementPrinting(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridPrintImp>(pGrid, gxSlotPrint);
}
