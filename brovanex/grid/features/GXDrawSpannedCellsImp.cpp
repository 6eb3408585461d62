#include "features/GXDrawSpannedCellsImp.h"
#include "core/GXGridCoreControls.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXPaintPass.h"
#include "core/GXStyle.h"
#include "features/GXFeatureSwitches.h"
#include <algorithm>

namespace {
// The block a cell of the pass belongs to, covered ranges first.
CGXRange* FindBlock(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXRange& range, BOOL& bCovered)
{
    bCovered = pGrid->GetCoveredBlock(nRow, nCol, range) != nullptr;
    if (bCovered)
        return &range;
    return pGrid->GetSpanningBlock(nRow, nCol, range);
}

// Pieces of a block never cross the boundary between frozen and scrolled rows or columns.
bool SamePane(ROWCOL a, ROWCOL b, ROWCOL nFrozen) { return (a <= nFrozen) == (b <= nFrozen); }

// The last pass index from i on whose row (or column) still lies in [nFirst, nLast] and in
// the same pane.
size_t PieceEnd(const std::vector<ROWCOL>& an, size_t nCount, size_t i, ROWCOL nFirst, ROWCOL nLast,
                ROWCOL nFrozen)
{
    size_t e = i;
    while (e + 1 < nCount && an[e + 1] != GX_INVALID && an[e + 1] >= nFirst && an[e + 1] <= nLast &&
           SamePane(an[e + 1], an[i], nFrozen))
        ++e;
    return e;
}
} // namespace

void CGXDrawSpannedCellsImp::PrepareSpannedCells(CGXGridCore* pGrid, GXPaintPass* pPass)
{
    GXPaintPass& pass = *pPass;
    ROWCOL nCurRow = GX_INVALID, nCurCol = GX_INVALID;
    const BOOL bCurrent = pGrid->GetCurrentCell(nCurRow, nCurCol);
    const BOOL bActive = bCurrent && pGrid->IsActiveCurrentCell();
    for (size_t r = 0; r < pass.Rows(); ++r) {
        if (pass.anRow[r] == GX_INVALID)
            continue;
        for (size_t c = 0; c < pass.Cols(); ++c) {
            const size_t i = pass.Index(r, c);
            if (pass.anCol[c] == GX_INVALID || (pass.awFlags[i] & gxPaintSpanned))
                continue;
            CGXRange block;
            BOOL bCovered = FALSE;
            if (FindBlock(pGrid, pass.anRow[r], pass.anCol[c], block, bCovered) == nullptr ||
                (block.top == block.bottom && block.left == block.right))
                continue;
            // An edited merged or floated cell draws on its own.
            if (!bCovered && bActive && block.ContainsCell(nCurRow, nCurCol) &&
                (nCurRow != block.top || nCurCol != block.left))
                continue;
            const size_t r1 =
                PieceEnd(pass.anRow, pass.Rows(), r, block.top, block.bottom, pass.nFrozenRows);
            const size_t c1 =
                PieceEnd(pass.anCol, pass.Cols(), c, block.left, block.right, pass.nFrozenCols);
            const CGXStyle& style = pGrid->GetCachedCellStyle(block.top, block.left);
            const WORD wKind = gxPaintSpanned | (bCovered ? gxPaintSpanCovered : 0);
            for (size_t rr = r; rr <= r1; ++rr) {
                for (size_t cc = c; cc <= c1; ++cc) {
                    const size_t k = pass.Index(rr, cc);
                    const ROWCOL nRow = pass.anRow[rr], nCol = pass.anCol[cc];
                    WORD wSides = 0;
                    if (nCol == block.left)
                        wSides |= gxPaintBorderLeft;
                    if (nCol == block.right)
                        wSides |= gxPaintBorderRight;
                    if (nRow == block.top)
                        wSides |= gxPaintBorderTop;
                    if (nRow == block.bottom)
                        wSides |= gxPaintBorderBottom;
                    // Selection and the background still to draw stay; borders and lines
                    // are the block's.
                    WORD w = pass.awFlags[k] & (gxPaintInverted | gxPaintBackground);
                    w |= pGrid->CellEdgeFlags(style, nRow, nCol, wSides) | wKind;
                    if (rr != r || cc != c)
                        w |= gxPaintSpanHidden;
                    else if (bCurrent && block.ContainsCell(nCurRow, nCurCol))
                        w |= gxPaintSpanCurrent;
                    pass.awFlags[k] = w;
                    pass.apStyle[k] = &style;
                }
            }
        }
    }
}

BOOL CGXDrawSpannedCellsImp::DrawSpannedPassCell(CGXGridCore* pGrid, GXPaintPass* pPass, size_t r,
                                                 size_t c)
{
    GXPaintPass& pass = *pPass;
    const size_t i = pass.Index(r, c);
    const WORD w = pass.awFlags[i];
    if (pass.apStyle[i] == nullptr || !(w & gxPaintSpanned))
        return FALSE;
    if (w & gxPaintSpanHidden)
        return TRUE;
    CGXRange block;
    BOOL bCovered = FALSE;
    if (FindBlock(pGrid, pass.anRow[r], pass.anCol[c], block, bCovered) == nullptr)
        return FALSE;
    const size_t r1 =
        PieceEnd(pass.anRow, pass.Rows(), r, block.top, block.bottom, pass.nFrozenRows);
    const size_t c1 =
        PieceEnd(pass.anCol, pass.Cols(), c, block.left, block.right, pass.nFrozenCols);
    const CRect rectPiece(pass.anX[c], pass.anY[r], pass.anX[c1] + pass.anWidth[c1],
                          pass.anY[r1] + pass.anHeight[r1]);
    if (rectPiece.IsRectEmpty())
        return TRUE;
    // The content is laid out over the whole block, as if all of it were visible.
    CRect rectBlock(rectPiece);
    for (ROWCOL nCol = block.left; nCol < pass.anCol[c]; ++nCol)
        rectBlock.left -= pGrid->GetColPixelWidth(nCol);
    for (ROWCOL nCol = pass.anCol[c1] + 1; nCol <= block.right && nCol != 0; ++nCol)
        rectBlock.right += pGrid->GetColPixelWidth(nCol);
    for (ROWCOL nRow = block.top; nRow < pass.anRow[r]; ++nRow)
        rectBlock.top -= pGrid->GetRowPixelHeight(nRow);
    for (ROWCOL nRow = pass.anRow[r1] + 1; nRow <= block.bottom && nRow != 0; ++nRow)
        rectBlock.bottom += pGrid->GetRowPixelHeight(nRow);

    const CGXStyle& style = *pass.apStyle[i];
    CDC* pDC = pass.pDC;
    const int nSaved = pDC->SaveDC();
    try {
        CRect rectClip;
        rectClip.IntersectRect(&rectPiece, &pass.rectClip);
        // The alternate drawing path clips to one row: a block reaching over more rows
        // drops that region first.
        if (pGrid->m_bOldDrawingUsed)
            pDC->SelectClipRgn(nullptr);
        pDC->IntersectClipRect(&rectClip);
        pGrid->DrawBrushRect(pDC, rectPiece, style.GetInterior());
        CGXControl* pControl = pGrid->LookupControl(style.GetControl());
        if (pControl != nullptr)
            pGrid->DrawCellWithControl(pDC, pControl, rectBlock, block.top, block.left, style);
        if ((w & gxPaintSpanCurrent) && !GXControlIsActive(pControl)) {
            pass.pCurrentControl = pControl;
            pass.rectCurrentInner =
                pGrid->SubtractBorders(rectBlock, style, TRUE, block.top, block.left);
        }
    } catch (...) {
        pDC->RestoreDC(nSaved);
        throw;
    }
    pDC->RestoreDC(nSaved);
    return TRUE;
}

BOOL CGXDrawSpannedCellsImp::DrawSpannedCell(CGXGridCore* pGrid, GXPaintPass* pPass, ROWCOL nRow,
                                             ROWCOL nCol)
{
    const auto itRow = std::find(pPass->anRow.begin(), pPass->anRow.end(), nRow);
    const auto itCol = std::find(pPass->anCol.begin(), pPass->anCol.end(), nCol);
    if (itRow == pPass->anRow.end() || itCol == pPass->anCol.end())
        return FALSE;
    const size_t r = (size_t)(itRow - pPass->anRow.begin());
    const size_t c = (size_t)(itCol - pPass->anCol.begin());
    if (r >= pPass->Rows() || c >= pPass->Cols())
        return FALSE;
    return DrawSpannedPassCell(pGrid, pPass, r, c);
}

void CGXDrawSpannedCellsImp::EvalVisibleSpannedCells(CGXGridCore* pGrid, ROWCOL nFrozenRows,
                                                     ROWCOL nFrozenCols, ROWCOL nTopRow,
                                                     ROWCOL nLeftCol, ROWCOL nLastRow,
                                                     ROWCOL nLastCol)
{
    if (pGrid->GetMergeMode() == 0 && pGrid->GetFloatMode() == 0)
        return;
    // The four panes of the window: frozen and scrolled rows by frozen and scrolled columns.
    const CGXRange panes[4] = {CGXRange(1, 1, nFrozenRows, nFrozenCols),
                               CGXRange(1, nLeftCol, nFrozenRows, nLastCol),
                               CGXRange(nTopRow, 1, nLastRow, nFrozenCols),
                               CGXRange(nTopRow, nLeftCol, nLastRow, nLastCol)};
    for (int pass = 0; pass < 2; ++pass) {
        for (const CGXRange& pane : panes) {
            if (pane.bottom < pane.top || pane.right < pane.left || pane.bottom == 0 ||
                pane.right == 0)
                continue;
            if (pass == 0)
                pGrid->ResolveMergeRange(pane, FALSE);
            else
                pGrid->ResolveFloatRange(pane, FALSE);
        }
    }
}

void CGXDrawSpannedCellsImp::WidenRangeBySpans(CGXGridCore* pGrid, CGXRange& range)
{
    if (!range.IsCells())
        return;
    pGrid->GrowRangeByCovered(range);
    pGrid->GrowRangeByMerge(range);
    pGrid->GrowRangeByFloat(range);
}

void GXImplementDrawSpannedCells(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXDrawSpannedCellsImp>(pGrid, gxSlotDrawSpannedCells);
}
