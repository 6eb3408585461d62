// CGXGridCore: the paint pass. PaintGrid takes the window's clip box, works out the client
// rows and columns it covers and draws them with PaintCellRange: backgrounds in runs, each
// cell through its control, style borders and grid lines, the area beyond the last row and
// column, and the selection inversion.
#include "core/GXGridCore.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXGridCoreControls.h"
#include "core/GXGridParam.h"
#include "core/GXSysColorCache.h"
#include "core/GXProperties.h"
#include "fw/dc.h"
#include "fw/gdi.h"

namespace {
// Pushes a paint record for the time of a pass; restores the outer one also when the pass
// throws.
class CPassScope
{
public:
    CPassScope(CGXGridCore& grid, GXPaintPass* pPass) : m_grid(grid), m_pOuter(grid.m_pPaintPass)
    {
        m_grid.m_pPaintPass = pPass;
        ++m_grid.m_nPaintNesting;
    }
    ~CPassScope()
    {
        m_grid.m_pPaintPass = m_pOuter;
        --m_grid.m_nPaintNesting;
    }
    CPassScope(const CPassScope&) = delete;
    CPassScope& operator=(const CPassScope&) = delete;

private:
    CGXGridCore& m_grid;
    GXPaintPass* m_pOuter;
};

// Selects a font for a scope and puts the previous one back.
class CFontScope
{
public:
    CFontScope(CDC* pDC, CFont* pOld) : m_hDC(pDC->GetSafeHdc()), m_pOld(pOld) { }
    ~CFontScope()
    {
        if (m_pOld != nullptr)
            ::SelectObject(m_hDC, m_pOld->GetSafeHandle());
    }
    CFontScope(const CFontScope&) = delete;
    CFontScope& operator=(const CFontScope&) = delete;

private:
    HDC m_hDC;
    CFont* m_pOld;
};
} // namespace

int CGXGridCore::SetPaintMode(int nMode)
{
    int nOld = m_nPaintMode;
    m_nPaintMode = nMode;
    return nOld;
}

void CGXGridCore::AddExcludedRect(const CRect& rect) { m_excludedRects.push_back(rect); }

void CGXGridCore::OnCellAccess(ROWCOL, ROWCOL) { }

void CGXGridCore::PaintGrid(CDC* pDC)
{
    if (CGXAbstractGridReserved30Imp* pImp = Reserved30Imp())
        pImp->OnGridAccess(this);
    if (m_pGridParam == nullptr || m_pGridParam->m_bLockUpdate)
        return;
    CRect rectGrid = GetGridRect();
    CRect rectClip;
    pDC->GetClipBox(&rectClip);
    if (rectClip.IsRectEmpty())
        return;
    if (m_bPrinting)
        return; // the print pass draws the pages; the screen repaints afterwards

    const int nRowHeight = std::max(1, GetDefaultRowPixelHeight());
    const int nColWidth = std::max(1, GetDefaultColPixelWidth());
    OnCellAccess(m_nTopRow + (ROWCOL)(rectGrid.Height() / nRowHeight),
                 m_nLeftCol + (ROWCOL)(rectGrid.Width() / nColWidth));

    RefreshScrollBars(TRUE, TRUE);
    if (GetGridRect() != rectGrid) {
        m_pWindow->Invalidate(FALSE);
        return;
    }
    if (m_nPaintMode == 1) {
        CDC memDC;
        CBitmap bitmap;
        if (memDC.CreateCompatibleDC(pDC) &&
            bitmap.CreateCompatibleBitmap(pDC, rectClip.Width(), rectClip.Height())) {
            CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
            memDC.SetWindowOrg(rectClip.left, rectClip.top);
            memDC.IntersectClipRect(&rectClip);
            PaintPassBody(&memDC, rectClip);
            pDC->BitBlt(rectClip.left, rectClip.top, rectClip.Width(), rectClip.Height(), &memDC,
                        rectClip.left, rectClip.top, SRCCOPY);
            memDC.SelectObject(pOldBitmap);
            return;
        }
    }
    PaintPassBody(pDC, rectClip);
}

void CGXGridCore::PaintPassBody(CDC* pDC, const CRect& rectClipIn)
{
    RefreshBaseStylePointers();
    FlushDrawingCaches();
    CFontScope font(pDC, SelectStyleFont(pDC, GetStandardStyle()));
    const CRect rectGrid = GetGridRect();
    if (m_bExplicitRect) {
        CRect frame(rectGrid);
        frame.InflateRect(1, 1);
        pDC->FrameRect(&frame, CBrush::FromHandle((HBRUSH)::GetStockObject(BLACK_BRUSH)));
    }
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rectGrid);
    CRect rectClip;
    rectClip.IntersectRect(&rectClipIn, &rectGrid);
    if (!rectClip.IsRectEmpty()) {
        // The client rows and columns under the clip box.
        const ROWCOL nRows = GetRowCount(), nCols = GetColCount();
        ROWCOL r0 = GX_INVALID, r1 = 0, c0 = GX_INVALID, c1 = 0;
        int y = rectGrid.top;
        for (ROWCOL i = 0; y < rectClip.bottom; ++i) {
            ROWCOL nRow = ClientIndexToRow(i);
            if (nRow > nRows)
                break;
            int h = GetRowPixelHeight(nRow);
            if (y + h > rectClip.top || (h == 0 && y >= rectClip.top)) {
                if (r0 == GX_INVALID)
                    r0 = i;
                r1 = i;
            }
            y += h;
        }
        int x = rectGrid.left;
        for (ROWCOL i = 0; x < rectClip.right; ++i) {
            ROWCOL nCol = ClientIndexToCol(i);
            if (nCol > nCols)
                break;
            int w = GetColPixelWidth(nCol);
            if (x + w > rectClip.left || (w == 0 && x >= rectClip.left)) {
                if (c0 == GX_INVALID)
                    c0 = i;
                c1 = i;
            }
            x += w;
        }
        if (m_pPaintPass == nullptr)
            ToggleSelectionFrame(FALSE);
        if (r0 != GX_INVALID && c0 != GX_INVALID) {
            PaintCellRange(r0, c0, r1, c1, pDC);
        } else {
            // No cell under the clip box: it lies beyond the last row or column.
            COLORREF cr =
                m_bPrinting ? RGB(255, 255, 255) : GXResolveColor(GetProperties()->GetColor(4));
            GXFillSolidRect(pDC, &rectClip, cr);
        }
        ToggleSelectionFrame(TRUE);
    }
    pDC->RestoreDC(nSaved);
    m_excludedRects.clear();
}

void CGXGridCore::PaintCellRange(ROWCOL nFirstRow, ROWCOL nFirstCol, ROWCOL nLastRow,
                                 ROWCOL nLastCol, CDC* pDC)
{
    if (nLastRow < nFirstRow || nLastCol < nFirstCol || m_pGridParam == nullptr)
        return;
    GXPaintPass pass;
    pass.pDC = pDC;
    pDC->GetClipBox(&pass.rectClip);
    pass.nFirstClientRow = nFirstRow;
    pass.nFirstClientCol = nFirstCol;
    pass.nLastClientRow = nLastRow;
    pass.nLastClientCol = nLastCol;
    pass.nTopRow = GetTopRow();
    pass.nLeftCol = GetLeftCol();
    pass.nFrozenRows = GetFrozenRowCount();
    pass.nFrozenCols = GetFrozenColCount();
    pass.nHeaderRows = GetHeaderRowCount();
    pass.nHeaderCols = GetHeaderColCount();
    // Printed (and previewed) in black and white when the core or the properties' "Print
    // Only Black&White" asks for it.
    const CGXProperties* pPrintProp = GetProperties();
    pass.bBlackWhite =
        m_bPrinting && (m_bPrintBlackWhite || (pPrintProp != nullptr && pPrintProp->m_abPrint[2]));

    const CRect rectGrid = GetGridRect();
    const ROWCOL nRows = GetRowCount(), nCols = GetColCount();
    int y = rectGrid.top + (nFirstRow > 0 ? SumClientRowHeights(0, nFirstRow - 1) : 0);
    for (ROWCOL i = nFirstRow; i <= nLastRow + 1; ++i) {
        ROWCOL nRow = ClientIndexToRow(i);
        const BOOL bExists = i <= nLastRow && nRow <= nRows;
        pass.anRow.push_back(bExists ? nRow : GX_INVALID);
        pass.anY.push_back(y);
        int h = bExists ? GetRowPixelHeight(nRow) : 0;
        pass.anHeight.push_back(h);
        y += h;
    }
    int x = rectGrid.left + (nFirstCol > 0 ? SumClientColWidths(0, nFirstCol - 1) : 0);
    for (ROWCOL i = nFirstCol; i <= nLastCol + 1; ++i) {
        ROWCOL nCol = ClientIndexToCol(i);
        const BOOL bExists = i <= nLastCol && nCol <= nCols;
        pass.anCol.push_back(bExists ? nCol : GX_INVALID);
        pass.anX.push_back(x);
        int w = bExists ? GetColPixelWidth(nCol) : 0;
        pass.anWidth.push_back(w);
        x += w;
    }
    pass.apStyle.assign(pass.Rows() * pass.Cols(), nullptr);
    pass.awFlags.assign(pass.Rows() * pass.Cols(), 0);

    CPassScope scope(*this, &pass);
    if (m_bCurrentCellValid && RowToClientIndex(m_nCurrentRow) >= nFirstRow &&
        RowToClientIndex(m_nCurrentRow) <= nLastRow)
        m_bCurrentStyleValid = FALSE;
    pass.crBackground = pass.bBlackWhite
        ? RGB(255, 255, 255)
        : GXResolveColor(GetStandardStyle().GetInterior().GetColor());

    // Merged and floating cells still pending in the window are worked out first.
    if (GetMergeMode() != 0 || GetFloatMode() != 0) {
        CGXRange visible(pass.anRow.front(), pass.anCol.front(), pass.anRow.front(),
                         pass.anCol.front());
        EvalVisibleSpannedCells(visible);
    }
    for (size_t r = 0; r < pass.Rows(); ++r)
        for (size_t c = 0; c < pass.Cols(); ++c)
            if (pass.anRow[r] != GX_INVALID && pass.anCol[c] != GX_INVALID &&
                NeedsEvaluation(pass.anRow[r], pass.anCol[c]))
                MarkFloatRangeDirty(
                    CGXRange(pass.anRow[r], pass.anCol[c], pass.anRow[r], pass.anCol[c]));
    PreparePassCells(pass);

    if (CGXAbstractGridOldDrawingImp* pOld = OldDrawingImp())
        if (pOld->OnGridDraw(this, &pass))
            return;

    for (size_t r = 0; r < pass.Rows(); ++r) {
        if (pass.anRow[r] == GX_INVALID)
            continue;
        DrawPassBackgrounds(pass, r);
        for (size_t c = 0; c < pass.Cols(); ++c)
            DrawPassCell(pass, r, c);
        DrawRowBorders(pass, r);
    }
    for (size_t c = 0; c < pass.Cols(); ++c)
        if (pass.anCol[c] != GX_INVALID)
            DrawColumnBorders(pass, c);
    DrawBeyondGrid(pass);
    if (!m_bPrinting && m_bShowSelection)
        DrawInvertCells(pass);
}

void CGXGridCore::PreparePassCells(GXPaintPass& pass)
{
    const CGXStyle& standard = GetStandardStyle();
    for (size_t r = 0; r < pass.Rows(); ++r) {
        const ROWCOL nRow = pass.anRow[r];
        if (nRow == GX_INVALID)
            continue;
        for (size_t c = 0; c < pass.Cols(); ++c) {
            const ROWCOL nCol = pass.anCol[c];
            const size_t i = pass.Index(r, c);
            if (nCol == GX_INVALID || (pass.awFlags[i] & gxPaintSpanHidden))
                continue;
            const CGXStyle& style = GetCachedCellStyle(nRow, nCol);
            pass.apStyle[i] = &style;
            if (pass.anHeight[r] == 0 || pass.anWidth[c] == 0)
                continue;
            WORD w = CellEdgeFlags(style, nRow, nCol, 0x0F);
            if (style.GetInterior() != standard.GetInterior())
                w |= gxPaintBackground;
            if (m_bShowSelection && nRow > 0 && nCol > 0 &&
                IsCellInRangeList(nRow, nCol, &m_pGridParam->m_selRects))
                w |= gxPaintInverted;
            pass.awFlags[i] |= w;
        }
    }
    // Covered, merged and floated blocks take over the cells they span.
    if (CGXAbstractDrawSpannedCellsImp* pSpans = DrawSpannedCellsImp())
        pSpans->PrepareSpannedCells(this, &pass);
}

WORD CGXGridCore::CellEdgeFlags(const CGXStyle& style, ROWCOL nRow, ROWCOL nCol, WORD wOuterSides)
{
    const GXPaintPass* pPass = m_pPaintPass;
    const BOOL bVert = ShowVertLines(), bHorz = ShowHorzLines();
    const BOOL bTopLeft = LinesAtTopLeft();
    // A side with a pen of its own draws that pen (a null pen draws nothing) and takes the
    // place of the grid line there. Sides inside a spanned block draw neither.
    WORD w = 0, wSet = 0;
    if (style.GetInclude(gxBorders)) {
        for (int side = 0; side < 4; ++side) {
            const CGXPen& pen = style.GetBorders(side);
            if (!pen.IsSet())
                continue;
            wSet |= (WORD)(1 << side);
            if (pen.GetStyle() != PS_NULL)
                w |= (WORD)(1 << side);
        }
    }
    w &= wOuterSides;
    const WORD wVertSide = bTopLeft ? gxPaintBorderLeft : gxPaintBorderRight;
    const WORD wHorzSide = bTopLeft ? gxPaintBorderTop : gxPaintBorderBottom;
    if (bVert && !(wSet & wVertSide) && (wOuterSides & wVertSide))
        w |= gxPaintVertLine;
    if (bHorz && !(wSet & wHorzSide) && (wOuterSides & wHorzSide))
        w |= gxPaintHorzLine;
    const ROWCOL nFrozenCols = pPass != nullptr ? pPass->nFrozenCols : GetFrozenColCount();
    const ROWCOL nFrozenRows = pPass != nullptr ? pPass->nFrozenRows : GetFrozenRowCount();
    if (nFrozenCols > 0 && nCol == nFrozenCols)
        w |= gxPaintFrozenColSep;
    if (nFrozenRows > 0 && nRow == nFrozenRows)
        w |= gxPaintFrozenRowSep;
    return w;
}

void CGXGridCore::DrawPassBackgrounds(GXPaintPass& pass, size_t r)
{
    const int y = pass.anY[r], h = pass.anHeight[r];
    if (h == 0)
        return;
    size_t c = 0;
    while (c < pass.Cols()) {
        const size_t i = pass.Index(r, c);
        if (pass.anCol[c] == GX_INVALID || pass.apStyle[i] == nullptr ||
            (pass.awFlags[i] & gxPaintSpanHidden)) {
            ++c;
            continue;
        }
        // One fill for a run of neighbours with the same interior.
        const CGXBrush& brush = pass.apStyle[i]->GetInterior();
        size_t e = c + 1;
        while (e < pass.Cols() && pass.anCol[e] != GX_INVALID &&
               pass.apStyle[pass.Index(r, e)] != nullptr &&
               !(pass.awFlags[pass.Index(r, e)] & gxPaintSpanHidden) &&
               pass.apStyle[pass.Index(r, e)]->GetInterior() == brush)
            ++e;
        CRect rect(pass.anX[c], y, pass.anX[e - 1] + pass.anWidth[e - 1], y + h);
        DrawBrushRect(pass.pDC, rect, brush);
        for (size_t k = c; k < e; ++k)
            pass.awFlags[pass.Index(r, k)] &= (WORD)~gxPaintBackground;
        c = e;
    }
}

void CGXGridCore::DrawPassCell(GXPaintPass& pass, size_t r, size_t c)
{
    const ROWCOL nRow = pass.anRow[r], nCol = pass.anCol[c];
    const size_t i = pass.Index(r, c);
    if (nCol == GX_INVALID || (pass.awFlags[i] & gxPaintSpanHidden))
        return;
    if (pass.awFlags[i] & gxPaintSpanned)
        if (CGXAbstractDrawSpannedCellsImp* pSpans = DrawSpannedCellsImp())
            if (pSpans->DrawSpannedPassCell(this, &pass, r, c))
                return;
    const CGXStyle* pStyle = pass.apStyle[i];
    CRect rect(pass.anX[c], pass.anY[r], pass.anX[c] + pass.anWidth[c],
               pass.anY[r] + pass.anHeight[r]);
    if (rect.IsRectEmpty() || pStyle == nullptr)
        return;
    for (const CRect& excluded : m_excludedRects)
        if (CRect().IntersectRect(&excluded, &rect) && excluded.left <= rect.left &&
            excluded.top <= rect.top && excluded.right >= rect.right &&
            excluded.bottom >= rect.bottom)
            return; // a control's window covers the cell
    if (pass.awFlags[i] & gxPaintBackground)
        DrawBrushRect(pass.pDC, rect, pStyle->GetInterior());
    CGXControl* pControl = LookupControl(pStyle->GetControl());
    if (pControl != nullptr)
        DrawCellWithControl(pass.pDC, pControl, rect, nRow, nCol, *pStyle);
    if (IsCurrentCell(nRow, nCol) && !GXControlIsActive(pControl)) {
        pass.pCurrentControl = pControl;
        pass.rectCurrentInner = SubtractBorders(rect, *pStyle, TRUE, nRow, nCol);
    }
    MarkEvaluated(nRow, nCol);
}

void CGXGridCore::DrawCellWithControl(CDC* pDC, CGXControl* pControl, const CRect& rect,
                                      ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    const int nSaved = pDC->SaveDC();
    GXControlDraw(pControl, pDC, rect, nRow, nCol, style, m_pStandardStyle);
    pDC->RestoreDC(nSaved);
}

void CGXGridCore::DrawBrushRect(CDC* pDC, const CRect& rect, const CGXBrush& brush)
{
    if (rect.IsRectEmpty())
        return;
    const GXPaintPass* pPass = m_pPaintPass;
    const BOOL bBlackWhite = pPass != nullptr && pPass->bBlackWhite;
    if (brush.GetStyle() == BS_SOLID || bBlackWhite) {
        COLORREF cr = bBlackWhite ? RGB(255, 255, 255) : brush.GetColorNA();
        GXFillSolidRect(pDC, &rect, cr);
    } else if (brush.GetStyle() == BS_PATTERN) {
        COLORREF crOldText = pDC->SetTextColor(brush.GetColorNA());
        COLORREF crOldBk = pDC->SetBkColor(brush.GetBkColorNA());
        pDC->FillRect(&rect, FindOrMakeBrush(brush));
        pDC->SetTextColor(crOldText);
        pDC->SetBkColor(crOldBk);
    } else if (brush.GetStyle() != BS_HOLLOW) {
        pDC->FillRect(&rect, FindOrMakeBrush(brush));
    }
}

void CGXGridCore::UpdateEditHeaderMark(ROWCOL nRow, ROWCOL nCol, BOOL bMark)
{
    if (CGXAbstractGridMarkEditHeaderImp* pImp = MarkEditHeaderImp())
        pImp->MarkEditHeader(this, nRow, nCol, bMark);
}
