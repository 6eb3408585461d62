// CGXGridCore: style borders, grid lines, frozen separators, the area beyond the grid and
// the selection inversion of a paint pass; the inner rectangle of a cell and the size its
// borders add.
#include "core/GXGridCore.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXGridParam.h"
#include "core/GXProperties.h"
#include "core/GXSysColorCache.h"
#include "fw/dc.h"
#include "fw/gdi.h"

namespace {
// What one cell side contributes to a line: nothing, a style border or a grid line.
struct LineKey
{
    int nKind = 0; // 0 none, 1 border, 2 grid line, 3 frozen separator
    CGXPen pen;
    bool operator==(const LineKey& o) const
    {
        if (nKind != o.nKind)
            return false;
        if (nKind != 1)
            return true;
        // Borders compare by what they draw: solid pens after resolving system colours.
        if (pen.GetStyle() == o.pen.GetStyle() && pen.GetWidth() == o.pen.GetWidth() &&
            pen.GetStyle() == PS_SOLID)
            return pen.GetColorNA() == o.pen.GetColorNA();
        return pen == o.pen;
    }
};

bool IsSolidStyle(UINT nStyle) { return nStyle == PS_SOLID || nStyle == PS_INSIDEFRAME; }
} // namespace

BOOL CGXGridCore::ShowVertLines() const
{
    const CGXProperties* pProp = GetProperties();
    if (pProp == nullptr)
        return FALSE;
    return m_bPrinting ? pProp->m_abPrint[0] : pProp->GetDisplayVertLines();
}

BOOL CGXGridCore::ShowHorzLines() const
{
    const CGXProperties* pProp = GetProperties();
    if (pProp == nullptr)
        return FALSE;
    return m_bPrinting ? pProp->m_abPrint[1] : pProp->GetDisplayHorzLines();
}

BOOL CGXGridCore::LinesAtTopLeft() const
{
    return m_pGridParam != nullptr && m_pGridParam->m_bLineFlag;
}

COLORREF CGXGridCore::GridLineColor(int nIndex) const
{
    if (m_pPaintPass != nullptr && m_pPaintPass->bBlackWhite)
        return RGB(0, 0, 0);
    const CGXProperties* pProp = GetProperties();
    return pProp != nullptr ? GXResolveColor(pProp->GetColor(nIndex)) : RGB(192, 192, 192);
}

void CGXGridCore::DrawGridLineRect(CDC* pDC, const CRect& rect, int nType, UINT nFlags)
{
    if (rect.IsRectEmpty())
        return;
    if (nFlags & (8 | 4)) {
        pDC->InvertRect(&rect);
    } else if (nFlags & 2) {
        CPen pen(m_nGridLinePenStyle, 1, GridLineColor(3));
        CPen* pOldPen = pDC->SelectObject(&pen);
        COLORREF crOldBk = pDC->SetBkColor(GridLineColor(0));
        int nOldMode = pDC->SetBkMode(OPAQUE);
        pDC->MoveTo(rect.left, rect.top);
        if (nType == 1)
            pDC->LineTo(rect.left, rect.bottom);
        else
            pDC->LineTo(rect.right, rect.top);
        pDC->SetBkMode(nOldMode);
        pDC->SetBkColor(crOldBk);
        pDC->SelectObject(pOldPen);
    } else {
        GXFillSolidRect(pDC, &rect, GridLineColor((nFlags & 1) ? 2 : 0));
    }
}

CRect CGXGridCore::CalcGridLineRect(int nType, ROWCOL nIndex)
{
    const CRect rectGrid = GetGridRect();
    const int nOffset = LinesAtTopLeft() ? 0 : -1;
    if (nType == 1) {
        CRect rectCol = GetCellWindowRect(0, nIndex, TRUE);
        int x = rectCol.right + nOffset;
        int nBottom =
            std::min<int>(rectGrid.bottom,
                          rectGrid.top + SumClientRowHeights(0, GetRowCount(), rectGrid.Height()));
        return CRect(x, rectGrid.top, x + 1, nBottom);
    }
    CRect rectRow = GetCellWindowRect(nIndex, 0, TRUE);
    int y = rectRow.bottom + nOffset;
    int nRight = std::min<int>(
        rectGrid.right, rectGrid.left + SumClientColWidths(0, GetColCount(), rectGrid.Width()));
    return CRect(rectGrid.left, y, nRight, y + 1);
}

void CGXGridCore::DrawGridLine(CDC* pDC, int nType, ROWCOL nIndex)
{
    DrawGridLineRect(pDC, CalcGridLineRect(nType, nIndex), nType, 0);
}

void CGXGridCore::DrawBorder(CDC* pDC, const CRect& rectCell, int nSide, const CGXPen& pen)
{
    if (!pen.IsSet() || pen.GetStyle() == PS_NULL)
        return;
    const int w = std::max(1, pen.GetWidth());
    CRect rect(rectCell);
    switch (nSide) {
    case gxBorderLeft:
        rect.right = rect.left + w;
        break;
    case gxBorderRight:
        rect.left = rect.right - w;
        break;
    case gxBorderTop:
        rect.bottom = rect.top + w;
        break;
    default:
        rect.top = rect.bottom - w;
        break;
    }
    const BOOL bBlackWhite = m_pPaintPass != nullptr && m_pPaintPass->bBlackWhite;
    if (IsSolidStyle(pen.GetStyle()) || bBlackWhite) {
        GXFillSolidRect(pDC, &rect, bBlackWhite ? RGB(0, 0, 0) : pen.GetColorNA());
        return;
    }
    CPen* pOld = pDC->SelectObject(FindOrMakePen(CGXPen(pen.GetStyle(), 1, pen.GetColor())));
    const BOOL bVertical = nSide == gxBorderLeft || nSide == gxBorderRight;
    for (int k = 0; k < w; ++k) {
        if (bVertical) {
            pDC->MoveTo(rect.left + k, rect.top);
            pDC->LineTo(rect.left + k, rect.bottom);
        } else {
            pDC->MoveTo(rect.left, rect.top + k);
            pDC->LineTo(rect.right, rect.top + k);
        }
    }
    pDC->SelectObject(pOld);
}

void CGXGridCore::DrawStyleBorders(CDC* pDC, const CRect& rectCell, const CGXStyle& style)
{
    if (!style.GetInclude(gxBorders))
        return;
    static const int aSides[4] = {gxBorderTop, gxBorderBottom, gxBorderLeft, gxBorderRight};
    for (int nSide : aSides)
        DrawBorder(pDC, rectCell, nSide, style.GetBorders(nSide));
}

void CGXGridCore::DrawColumnBorders(GXPaintPass& pass, size_t c)
{
    DrawLineBorders(pass, FALSE, c);
}

void CGXGridCore::DrawRowBorders(GXPaintPass& pass, size_t r) { DrawLineBorders(pass, TRUE, r); }

void CGXGridCore::DrawLineBorders(GXPaintPass& pass, BOOL bRow, size_t n)
{
    const BOOL bTopLeft = LinesAtTopLeft();
    const BOOL bLines = bRow ? ShowHorzLines() : ShowVertLines();
    const int nFirstSide = bRow ? gxBorderTop : gxBorderLeft;
    const int nLastSide = bRow ? gxBorderBottom : gxBorderRight;
    const WORD wFrozenSep = bRow ? gxPaintFrozenRowSep : gxPaintFrozenColSep;
    const WORD wGridLine = bRow ? gxPaintHorzLine : gxPaintVertLine;
    const size_t nCount = bRow ? pass.Cols() : pass.Rows();
    // Cell k along the line: in row n, column k, or in column n, row k.
    auto rowOf = [&](size_t k) { return bRow ? n : k; };
    auto colOf = [&](size_t k) { return bRow ? k : n; };
    for (int nSide = nFirstSide; nSide <= nLastSide; ++nSide) {
        const BOOL bFirstSide = nSide == nFirstSide;
        const WORD wBorderBit = bRow ? (bFirstSide ? gxPaintBorderTop : gxPaintBorderBottom)
                                     : (bFirstSide ? gxPaintBorderLeft : gxPaintBorderRight);
        const BOOL bLineSide = bFirstSide == (bTopLeft != FALSE);
        auto keyOf = [&](size_t k) {
            LineKey key;
            const size_t r = rowOf(k), c = colOf(k);
            const size_t i = pass.Index(r, c);
            const WORD w = pass.awFlags[i];
            if ((bRow ? pass.anCol[c] : pass.anRow[r]) == GX_INVALID ||
                pass.apStyle[i] == nullptr || pass.anHeight[r] == 0 || pass.anWidth[c] == 0)
                return key;
            if (w & wBorderBit) {
                key.nKind = 1;
                key.pen = pass.apStyle[i]->GetBorders(nSide);
            } else if (bLines && !bFirstSide && (w & wFrozenSep)) {
                key.nKind = 3;
            } else if (bLines && bLineSide && (w & wGridLine)) {
                key.nKind = 2;
            }
            return key;
        };
        size_t k = 0;
        while (k < nCount) {
            LineKey key = keyOf(k);
            size_t e = k + 1;
            while (e < nCount && key.nKind != 0 && keyOf(e) == key)
                ++e;
            if (key.nKind != 0) {
                const size_t r0 = rowOf(k), c0 = colOf(k), r1 = rowOf(e - 1), c1 = colOf(e - 1);
                CRect rect(pass.anX[c0], pass.anY[r0], pass.anX[c1] + pass.anWidth[c1],
                           pass.anY[r1] + pass.anHeight[r1]);
                if (key.nKind == 1) {
                    DrawBorder(pass.pDC, rect, nSide, key.pen);
                } else {
                    // A one-pixel line along the side.
                    CRect line(rect);
                    if (bRow) {
                        line.top = bFirstSide ? rect.top : rect.bottom - 1;
                        line.bottom = line.top + 1;
                    } else {
                        line.left = bFirstSide ? rect.left : rect.right - 1;
                        line.right = line.left + 1;
                    }
                    if (key.nKind == 3)
                        GXFillSolidRect(pass.pDC, &line, GridLineColor(1));
                    else
                        DrawGridLineRect(pass.pDC, line, bRow ? 2 : 1, 0);
                }
            }
            k = e;
        }
    }
}

void CGXGridCore::DrawBeyondGrid(GXPaintPass& pass)
{
    const CRect rectGrid = GetGridRect();
    const COLORREF cr = m_bPrinting ? RGB(255, 255, 255) : GridLineColor(4);
    const size_t nRows = pass.Rows(), nCols = pass.Cols();
    // The end of the drawn columns and rows (the extra entry holds the next position).
    const int xEnd = pass.anX[nCols], yEnd = pass.anY[nRows];
    const BOOL bLastCol =
        pass.anCol[nCols - 1] == GetColCount() || (pass.anCol[nCols - 1] == GX_INVALID);
    const BOOL bLastRow =
        pass.anRow[nRows - 1] == GetRowCount() || (pass.anRow[nRows - 1] == GX_INVALID);
    if (bLastCol && xEnd < pass.rectClip.right) {
        CRect rect(xEnd, std::max<int>(pass.anY[0], rectGrid.top), pass.rectClip.right,
                   pass.rectClip.bottom);
        GXFillSolidRect(pass.pDC, &rect, cr);
    }
    if (bLastRow && yEnd < pass.rectClip.bottom) {
        CRect rect(std::max<int>(pass.anX[0], rectGrid.left), yEnd,
                   std::min(xEnd, (int)pass.rectClip.right), pass.rectClip.bottom);
        GXFillSolidRect(pass.pDC, &rect, cr);
    }
    // Lines before the boundary close the grid on its far side.
    if (LinesAtTopLeft()) {
        if (bLastCol && ShowVertLines())
            DrawGridLineRect(pass.pDC, CRect(xEnd, pass.anY[0], xEnd + 1, yEnd), 1, 0);
        if (bLastRow && ShowHorzLines())
            DrawGridLineRect(pass.pDC, CRect(pass.anX[0], yEnd, xEnd, yEnd + 1), 2, 0);
    }
}

void CGXGridCore::DrawInvertCells(GXPaintPass& pass)
{
    for (size_t r = 0; r < pass.Rows(); ++r)
        for (size_t c = 0; c < pass.Cols(); ++c) {
            const size_t i = pass.Index(r, c);
            if (!(pass.awFlags[i] & gxPaintInverted) || (pass.awFlags[i] & gxPaintSpanHidden))
                continue;
            CRect rect(pass.anX[c], pass.anY[r], pass.anX[c] + pass.anWidth[c],
                       pass.anY[r] + pass.anHeight[r]);
            if (!rect.IsRectEmpty())
                DrawInvertCell(pass.pDC, pass.anRow[r], pass.anCol[c], rect);
        }
}

void CGXGridCore::DrawInvertCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, CRect rectItem)
{
    if (!IsCurrentCell(nRow, nCol) || m_bForceInvert) {
        pDC->InvertRect(&rectItem);
    } else {
        // The current cell keeps its content readable: an inverted frame of four bars.
        const BOOL bTopLeft = LinesAtTopLeft();
        const int t = bTopLeft ? 3 : 2, l = bTopLeft ? 3 : 2;
        const int b = bTopLeft ? 2 : 3, rr = bTopLeft ? 2 : 3;
        CRect bars[4] = {
            CRect(rectItem.left, rectItem.top, rectItem.right, rectItem.top + t),
            CRect(rectItem.left, rectItem.bottom - b, rectItem.right, rectItem.bottom),
            CRect(rectItem.left, rectItem.top + t, rectItem.left + l, rectItem.bottom - b),
            CRect(rectItem.right - rr, rectItem.top + t, rectItem.right, rectItem.bottom - b)};
        for (const CRect& bar : bars)
            if (!bar.IsRectEmpty())
                pDC->InvertRect(&bar);
    }
    m_bForceInvert = FALSE;
}

CRect CGXGridCore::SubtractBorders(const CRect& rectIn, const CGXStyle& style, BOOL, ROWCOL, ROWCOL)
{
    CRect rect(rectIn);
    if (style.GetInclude(gxDraw3dFrame) && style.GetDraw3dFrame() != 0)
        rect.DeflateRect(1, 1);
    const BOOL bTopLeft = LinesAtTopLeft();
    const BOOL bVert = ShowVertLines(), bHorz = ShowHorzLines();
    auto width = [&](int nSide) {
        if (!style.GetInclude(gxBorders))
            return -1;
        const CGXPen& pen = style.GetBorders(nSide);
        if (!pen.IsSet())
            return -1;
        return pen.GetStyle() == PS_NULL ? 0 : std::max(1, pen.GetWidth());
    };
    int w;
    if ((w = width(gxBorderLeft)) >= 0)
        rect.left += w;
    else if (bVert && bTopLeft)
        rect.left += 1;
    if ((w = width(gxBorderRight)) >= 0)
        rect.right -= w;
    else if (bVert && !bTopLeft)
        rect.right -= 1;
    if ((w = width(gxBorderTop)) >= 0)
        rect.top += w;
    else if (bHorz && bTopLeft)
        rect.top += 1;
    if ((w = width(gxBorderBottom)) >= 0)
        rect.bottom -= w;
    else if (bHorz && !bTopLeft)
        rect.bottom -= 1;
    if (rect.right < rect.left)
        rect.right = rect.left;
    if (rect.bottom < rect.top)
        rect.bottom = rect.top;
    return rect;
}

CSize CGXGridCore::AddBorderSize(const CSize& sizeIn, const CGXStyle& style, ROWCOL, ROWCOL)
{
    CSize size(sizeIn);
    if (style.GetInclude(gxDraw3dFrame) && style.GetDraw3dFrame() != 0) {
        size.cx += 2;
        size.cy += 2;
    }
    const BOOL bVert = ShowVertLines(), bHorz = ShowHorzLines();
    auto width = [&](int nSide) {
        if (!style.GetInclude(gxBorders))
            return -1;
        const CGXPen& pen = style.GetBorders(nSide);
        if (!pen.IsSet())
            return -1;
        return pen.GetStyle() == PS_NULL ? 0 : std::max(1, pen.GetWidth());
    };
    // The grid line counts once per direction, on the side where the lines lie.
    const int nLineSideH = LinesAtTopLeft() ? gxBorderLeft : gxBorderRight;
    const int nLineSideV = LinesAtTopLeft() ? gxBorderTop : gxBorderBottom;
    for (int nSide = gxBorderLeft; nSide <= gxBorderRight; ++nSide) {
        int w = width(nSide);
        size.cx += w >= 0 ? w : (bVert && nSide == nLineSideH ? 1 : 0);
    }
    for (int nSide = gxBorderTop; nSide <= gxBorderBottom; ++nSide) {
        int w = width(nSide);
        size.cy += w >= 0 ? w : (bHorz && nSide == nLineSideV ? 1 : 0);
    }
    return size;
}
