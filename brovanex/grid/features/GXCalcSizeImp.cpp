#include "features/GXCalcSizeImp.h"
#include "controls/GXControl.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXStyle.h"
#include "features/GXFeatureSwitches.h"
#include "fw/dc.h"
#include <algorithm>
#include <cmath>

CSize CGXCalcSizeImp::CalcCellSize(CGXGridCore* pGrid, CGXControl* pControl, CDC* pDC, ROWCOL nRow,
                                   ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandard,
                                   BOOL bHeight)
{
    if (pControl == nullptr || pDC == nullptr)
        return CSize(0, 0);
    CString strText;
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam != nullptr && (pParam->m_dwOptionWord & 2))
        strText = pGrid->GetStoredCellValueText(nRow, nCol);
    else
        pControl->FormatDisplayText(strText, nRow, nCol, nullptr, style);

    CFont* pOldFont = pControl->LoadFont(pDC, style, pStandard);
    // The text area of the cell's whole block.
    CGXRange block(nRow, nCol, nRow, nCol);
    pGrid->GetSpanningBlock(nRow, nCol, block);
    int cx = 0, cy = 0;
    for (ROWCOL c = block.left; c <= block.right && c != GX_INVALID; ++c)
        cx += pGrid->GetColPixelWidth(c);
    for (ROWCOL r = block.top; r <= block.bottom && r != GX_INVALID; ++r)
        cy += pGrid->GetRowPixelHeight(r);
    const CRect rectCell(0, 0, cx, cy);
    const CRect rectText = pControl->GetCellRect(nRow, nCol, &rectCell, &style);

    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    const int nLine = tm.tmHeight + tm.tmExternalLeading;
    CSize size;
    if (strText.IsEmpty()) {
        size = CSize(tm.tmMaxCharWidth, nLine + 1);
    } else if (const LONG lfOrientation = style.GetInclude(gxFont) || style.HasFontObject()
                   ? style.GetFont().GetLogFontRef().lfOrientation
                   : 0) {
        // Rotated text is one line: the box around the turned line.
        const CSize extent = pDC->GetTextExtent(strText, strText.GetLength());
        const double a = lfOrientation * 0.1 * 0.017453292519444445;
        const double s = std::fabs(std::sin(a)), c = std::fabs(std::cos(a));
        if (bHeight)
            size = CSize(rectText.Width(), (int)std::ceil(extent.cx * s + extent.cy * c) + 1);
        else
            size = CSize((int)std::ceil(extent.cx * c + extent.cy * s), rectText.Height());
    } else {
        const BOOL bWrap = style.GetInclude(gxWrapText) && style.GetWrapText();
        UINT nFormat = DT_NOPREFIX | DT_CALCRECT | DT_EXPANDTABS;
        if (bWrap)
            nFormat |= DT_WORDBREAK;
        // Wrapped lines in the text area's width, or the lines of the text as written.
        CRect rectCalc(0, 0, bWrap ? std::max(1, rectText.Width()) : 0x7FFF, 0x7FFF);
        pDC->DrawText(strText, strText.GetLength(), &rectCalc, nFormat);
        const int nLines = std::max(1, (rectCalc.Height() + nLine - 1) / std::max(1, nLine));
        if (bHeight) {
            size = CSize(rectText.Width(), nLine * nLines + 1);
        } else if (bWrap && rectText.Height() >= nLine * nLines + 1) {
            size = CSize(rectCalc.Width(), rectText.Height()); // the wrapped lines all show
        } else {
            // The widest of the lines as written.
            CRect rectLines(0, 0, 0x7FFF, 0x7FFF);
            pDC->DrawText(strText, strText.GetLength(), &rectLines, nFormat & ~DT_WORDBREAK);
            size = CSize(rectLines.Width(), rectText.Height());
        }
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    return pControl->AddBorders(size, style);
}

void GXImplementCalcSize(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXCalcSizeImp>(pGrid, gxSlotCalcSize);
}
