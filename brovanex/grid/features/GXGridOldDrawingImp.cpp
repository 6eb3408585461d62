#include "features/GXGridOldDrawingImp.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXPaintPass.h"
#include "core/GXStyle.h"
#include "features/GXFeatureSwitches.h"

namespace {
// Whether a cell may join a run filled with brush: it still needs its background (or has
// no style) and is not part of a spanned block.
bool Joins(const GXPaintPass& pass, size_t i, const CGXBrush& brush)
{
    if (pass.awFlags[i] & (gxPaintSpanned | gxPaintSpanHidden))
        return false;
    if (pass.apStyle[i] == nullptr)
        return true;
    return (pass.awFlags[i] & gxPaintBackground) && pass.apStyle[i]->GetInterior() == brush;
}
} // namespace

BOOL CGXGridOldDrawingImp::OnGridDraw(CGXGridCore* pGrid, GXPaintPass* pPass)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (!pGrid->m_bOldDrawingUsed && (pParam == nullptr || !pParam->m_bOldDrawing))
        return FALSE;
    GXPaintPass& pass = *pPass;
    CDC* pDC = pass.pDC;
    // A metafile that is not printed records no clip regions per row.
    const BOOL bMetafile = pDC->GetDeviceCaps(TECHNOLOGY) == DT_METAFILE;
    const BOOL bClip = !(bMetafile && !pGrid->IsPrinting());
    pGrid->m_bOldDrawingUsed = TRUE;
    EraseBackground(pGrid, pPass);

    const CRect rectPass(pass.anX[0], pass.anY[0], pass.anX[pass.Cols()], pass.anY[pass.Rows()]);
    for (size_t r = 0; r < pass.Rows(); ++r) {
        if (pass.anRow[r] == GX_INVALID)
            continue;
        // The row's band is the clip while its cells draw; the pass's clip comes back after.
        const int nSaved = bClip ? pDC->SaveDC() : 0;
        try {
            if (bClip) {
                const CRect band(rectPass.left, pass.anY[r], rectPass.right,
                                 pass.anY[r] + pass.anHeight[r]);
                pDC->IntersectClipRect(&band);
            }
            for (size_t c = 0; c < pass.Cols(); ++c)
                pGrid->DrawPassCell(pass, r, c);
        } catch (...) {
            if (bClip)
                pDC->RestoreDC(nSaved);
            throw;
        }
        if (bClip)
            pDC->RestoreDC(nSaved);
    }
    for (size_t c = 0; c < pass.Cols(); ++c)
        if (pass.anCol[c] != GX_INVALID)
            pGrid->DrawColumnBorders(pass, c);
    for (size_t r = 0; r < pass.Rows(); ++r)
        if (pass.anRow[r] != GX_INVALID)
            pGrid->DrawRowBorders(pass, r);
    if (!pGrid->IsPrinting() && pGrid->m_bShowSelection)
        pGrid->DrawInvertCells(pass);
    return TRUE;
}

void CGXGridOldDrawingImp::EraseBackground(CGXGridCore* pGrid, GXPaintPass* pPass)
{
    GXPaintPass& pass = *pPass;
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam != nullptr && pParam->m_bOldDrawing) {
        // Every cell draws its own background.
        for (size_t r = 0; r < pass.Rows(); ++r)
            for (size_t c = 0; c < pass.Cols(); ++c) {
                const size_t i = pass.Index(r, c);
                if (pass.apStyle[i] != nullptr && pass.anHeight[r] > 0 && pass.anWidth[c] > 0)
                    pass.awFlags[i] |= gxPaintBackground;
            }
        pGrid->DrawBeyondGrid(pass);
        return;
    }
    // Beyond the last row and column when the pass reaches them, then the standard
    // background over the cells.
    if (!pGrid->IsPrinting())
        pGrid->DrawBeyondGrid(pass);
    CRect rectBack(pass.anX[0], pass.anY[0], pass.anX[pass.Cols()], pass.anY[pass.Rows()]);
    rectBack.IntersectRect(&rectBack, &pass.rectClip);
    pGrid->DrawBrushRect(pass.pDC, rectBack, pGrid->GetStandardStyle().GetInterior());

    // Runs of neighbours with one interior: right along the row, then down while every cell
    // of the next row in those columns joins too.
    for (size_t r = 0; r < pass.Rows(); ++r) {
        if (pass.anRow[r] == GX_INVALID)
            continue;
        for (size_t c = 0; c < pass.Cols(); ++c) {
            const size_t i = pass.Index(r, c);
            if (pass.anCol[c] == GX_INVALID || pass.apStyle[i] == nullptr ||
                !(pass.awFlags[i] & gxPaintBackground) ||
                (pass.awFlags[i] & (gxPaintSpanned | gxPaintSpanHidden)))
                continue;
            const CGXBrush& brush = pass.apStyle[i]->GetInterior();
            size_t c1 = c;
            while (c1 + 1 < pass.Cols() && pass.anCol[c1 + 1] != GX_INVALID &&
                   Joins(pass, pass.Index(r, c1 + 1), brush))
                ++c1;
            size_t r1 = r;
            for (;;) {
                if (r1 + 1 >= pass.Rows() || pass.anRow[r1 + 1] == GX_INVALID)
                    break;
                bool bAll = true;
                for (size_t k = c; k <= c1 && bAll; ++k)
                    bAll = Joins(pass, pass.Index(r1 + 1, k), brush);
                if (!bAll)
                    break;
                ++r1;
            }
            if (r1 == r && c1 == c)
                continue; // a single cell draws its own background
            for (size_t rr = r; rr <= r1; ++rr)
                for (size_t cc = c; cc <= c1; ++cc)
                    pass.awFlags[pass.Index(rr, cc)] &= (WORD)~gxPaintBackground;
            const CRect rect(pass.anX[c], pass.anY[r], pass.anX[c1] + pass.anWidth[c1],
                             pass.anY[r1] + pass.anHeight[r1]);
            pGrid->DrawBrushRect(pass.pDC, rect, brush);
        }
    }
}

void GXImplementOldDrawing(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridOldDrawingImp>(pGrid, gxSlotOldDrawing);
}
