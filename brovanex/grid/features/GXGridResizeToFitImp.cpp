#include "features/GXGridResizeToFitImp.h"
#include "controls/GXControl.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXLongOperation.h"
#include "core/GXStyle.h"
#include "features/GXFeatureSwitches.h"
#include "fw/dc.h"
#include <algorithm>
#include <vector>

namespace {
const UINT kNeverShrink = 8;

// The room a row or column may take: the grid rectangle, else the parent's client area.
CSize AvailableSize(CGXGridCore* pGrid)
{
    CRect rect = pGrid->GetGridRect();
    if (rect.IsRectEmpty()) {
        CWnd* pWnd = pGrid->GetGridWnd();
        CWnd* pParent = pWnd != nullptr ? pWnd->GetParent() : nullptr;
        if (pParent != nullptr)
            pParent->GetClientRect(&rect);
    }
    if (rect.IsRectEmpty())
        return CSize(0x7FFF, 0x7FFF);
    return rect.Size();
}
} // namespace

BOOL CGXGridResizeToFitImp::Fit(CGXGridCore* pGrid, BOOL bRows, const CGXRange& rangeIn,
                                BOOL bCovered, UINT nFlags)
{
    if (pGrid->GetParam() == nullptr)
        return FALSE;
    const ROWCOL nRowCount = pGrid->GetRowCount(), nColCount = pGrid->GetColCount();
    CGXRange range(rangeIn);
    range.WidenToCells(0, 0, nRowCount, nColCount);
    range.bottom = std::min(range.bottom, nRowCount);
    range.right = std::min(range.right, nColCount);
    if (range.bottom < range.top || range.right < range.left)
        return TRUE;
    pGrid->ResolveMergeRange(range, FALSE);
    pGrid->ResolveFloatRange(range, FALSE);

    CDC* pDC = pGrid->GetGridDC();
    if (pDC == nullptr)
        return FALSE;
    const CGXStyle& standard = pGrid->GetStandardStyle();
    CFont* pOldFont = pGrid->SelectStyleFont(pDC, standard);
    CGXLongOperation longOp;
    pGrid->BeginUndoBlock("");

    const CSize avail = AvailableSize(pGrid);
    const int nAvail = bRows ? avail.cy : avail.cx;
    const ROWCOL nFrozen = bRows ? pGrid->GetFrozenRowCount() : pGrid->GetFrozenColCount();
    const int nFrozenSize =
        bRows ? pGrid->SumRowHeights(0, nFrozen) : pGrid->SumColWidths(0, nFrozen);
    auto sizeOf = [&](ROWCOL n) {
        return bRows ? pGrid->GetRowPixelHeight(n) : pGrid->GetColPixelWidth(n);
    };
    const ROWCOL nFirst = bRows ? range.top : range.left,
                 nLast = bRows ? range.bottom : range.right;
    const ROWCOL nCrossFirst = bRows ? range.left : range.top;
    const ROWCOL nCrossLast = bRows ? range.right : range.bottom;

    CGXStyle* pStyle = pGrid->TakeStyleObject();
    std::vector<int> anNew;
    anNew.reserve((size_t)(nLast - nFirst) + 1);
    BOOL bCanceled = FALSE;
    for (ROWCOL n = nFirst; n <= nLast && !bCanceled; ++n) {
        int nLimit;
        if (n == 0)
            nLimit = nAvail - 1;
        else if (n > nFrozen)
            nLimit = nAvail - nFrozenSize - 1;
        else
            nLimit = nAvail -
                (bRows ? pGrid->SumRowHeights(0, n - 1) : pGrid->SumColWidths(0, n - 1)) - 1;
        nLimit = std::max(nLimit, 0);
        int nLargest = 0;
        for (ROWCOL m = nCrossFirst; m <= nCrossLast; ++m) {
            const ROWCOL nRow = bRows ? n : m, nCol = bRows ? m : n;
            CGXRange block;
            if (pGrid->GetSpanningBlock(nRow, nCol, block) != nullptr &&
                (block.top != block.bottom || block.left != block.right)) {
                // A block counts once: at its last row (column), from its first cell.
                const ROWCOL nBlockEnd = bRows ? block.bottom : block.right;
                const ROWCOL nBlockStart = bRows ? block.top : block.left;
                const ROWCOL nCrossStart = bRows ? block.left : block.top;
                const ROWCOL nCrossEnd = bRows ? block.right : block.bottom;
                if (bCovered && n == nBlockEnd && m == nCrossStart && nBlockStart >= nFirst &&
                    nCrossEnd <= nCrossLast) {
                    pGrid->ComposeCellStyle(block.top, block.left, pStyle);
                    if (CGXControl* pControl = pGrid->LookupControl(pStyle->GetControl())) {
                        const CSize size = pControl->MeasureCellSize(pDC, block.top, block.left,
                                                                     *pStyle, &standard, bRows);
                        int nNeed = (int)(bRows ? size.cy : size.cx);
                        for (ROWCOL k = nBlockStart; k < n; ++k)
                            nNeed -= sizeOf(k);
                        nLargest = std::max(nLargest, nNeed);
                    }
                }
                m = std::max(m, nCrossEnd);
            } else if ((bRows ? pGrid->GetColPixelWidth(nCol) : pGrid->GetRowPixelHeight(nRow)) >
                       0) {
                pGrid->ComposeCellStyle(nRow, nCol, pStyle);
                if (CGXControl* pControl = pGrid->LookupControl(pStyle->GetControl())) {
                    const CSize size =
                        pControl->MeasureCellSize(pDC, nRow, nCol, *pStyle, &standard, bRows);
                    nLargest = std::max(nLargest, (int)(bRows ? size.cy : size.cx));
                }
            }
            longOp.PumpMessages(bCanceled);
            if (bCanceled || m == GX_MAXROWCOL)
                break;
        }
        const int nOld = sizeOf(n);
        int nNew = std::min(nLargest, nLimit);
        if ((nFlags & kNeverShrink) ? nNew <= nOld : (nNew == nOld || nNew <= 0))
            nNew = -1; // stays
        anNew.push_back(nNew);
        if (n == GX_MAXROWCOL)
            break;
    }
    pGrid->ReturnStyleObject(pStyle);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    pGrid->ResetGridDC();
    if (bCanceled) {
        pGrid->RollbackUndoBlock();
        return FALSE;
    }
    // Runs of changed sizes are set in one step each.
    const UINT nSetFlags = nFlags & ~kNeverShrink;
    size_t i = 0;
    while (i < anNew.size()) {
        if (anNew[i] < 0) {
            ++i;
            continue;
        }
        size_t e = i;
        while (e + 1 < anNew.size() && anNew[e + 1] >= 0)
            ++e;
        const ROWCOL nFrom = nFirst + (ROWCOL)i, nTo = nFirst + (ROWCOL)e;
        if (bRows)
            pGrid->SetRowHeight(nFrom, nTo, 0, &anNew[i], nSetFlags);
        else
            pGrid->SetColWidth(nFrom, nTo, 0, &anNew[i], nSetFlags);
        i = e + 1;
    }
    pGrid->CommitUndoBlock();
    return TRUE;
}

BOOL CGXGridResizeToFitImp::FitRowHeights(CGXGridCore* pGrid, const CGXRange& range, BOOL bCovered,
                                          UINT nFlags)
{
    return Fit(pGrid, TRUE, range, bCovered, nFlags);
}

BOOL CGXGridResizeToFitImp::FitColWidths(CGXGridCore* pGrid, const CGXRange& range, BOOL bCovered,
                                         UINT nFlags)
{
    return Fit(pGrid, FALSE, range, bCovered, nFlags);
}

void GXImplementResizeToFit(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridResizeToFitImp>(pGrid, gxSlotResizeToFit);
    GXImplementCalcSize(pGrid);
}
