// The default text drawing of a cell control: its background, then a picture named by the
// cell's text or the text itself, aligned and wrapped as the style says.
#include "controls/GXControl.h"
#include "controls/GXStatic.h"
#include "core/GXDIB.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXSysColorCache.h"
#include "fw/dc.h"
#include "res/GXResource.h"

UINT GXTextFormatOf(const CGXStyle& style)
{
    UINT nFormat = style.GetHorizontalAlignment() | style.GetVerticalAlignment();
    return nFormat |
        (style.GetWrapText() ? DT_NOPREFIX | DT_WORDBREAK : DT_NOPREFIX | DT_SINGLELINE);
}

void CGXDrawingAndFormatting::DrawStaticCellText(CGXControl* pControl, CDC* pDC, const CRect& rect,
                                                 ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                                 const CGXStyle* pStandardStyle)
{
    CGXGridCore* pGrid = pControl->Grid();
    pControl->DrawBackground(pDC, rect, style, TRUE);

    CString strText;
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam != nullptr && (pParam->m_dwOptionWord & 2))
        strText = pGrid->GetStoredCellValueText(nRow, nCol);
    else
        pControl->FormatDisplayText(strText, nRow, nCol, nullptr, style);
    if (strText.IsEmpty() || rect.Width() <= 1 || rect.Height() <= 1)
        return;

    const BOOL bEdit = pControl->GetControlClass()->m_lpszClassName != nullptr &&
        strcmp(pControl->GetControlClass()->m_lpszClassName, "CGXEditControl") == 0;
    if (!bEdit && strText[0] == '#') {
        if (HGLOBAL hDIB = GXGetDIBPool()->LookupDIB(strText)) {
            CRect rectInner = pControl->GetCellRect(nRow, nCol, &rect, &style);
            GXDrawDIB(pDC, hDIB, rectInner, 0,
                      style.GetHorizontalAlignment() | style.GetVerticalAlignment());
            return;
        }
    }

    CFont* pOldFont = pControl->LoadFont(pDC, style, pStandardStyle);
    const CRect rectText = pControl->GetCellRect(nRow, nCol, &rect, &style);
    const GXPaintPass* pPass = pGrid->GetPaintPass();
    const BOOL bBlackWhite = pPass != nullptr && pPass->bBlackWhite;
    pDC->SetTextColor(bBlackWhite ? RGB(0, 0, 0) : pGrid->ResolveTextColor(style));
    pDC->SetBkColor(bBlackWhite ? RGB(255, 255, 255)
                                : GXResolveColor(style.GetInterior().GetColorNA()));
    pDC->SetBkMode(TRANSPARENT);
    const UINT nFormat = GXTextFormatOf(style);
    const LONG lfOrientation = style.GetInclude(gxFont) || style.HasFontObject()
        ? style.GetFont().GetLogFontRef().lfOrientation
        : 0;
    if (lfOrientation != 0)
        DrawRotatedText(pDC, strText, strText.GetLength(), rectText.left, rectText.top,
                        rectText.right, rectText.bottom, nFormat, lfOrientation, &rect);
    else if (style.HasUserAttribute(GX_IDS_UA_ELLIPSISTYPE)) {
        CRect r = rectText;
        DrawTextWithEllipsis(pDC, strText, strText.GetLength(), &r, nFormat,
                             (int)style.GetUserAttribute(GX_IDS_UA_ELLIPSISTYPE).AsLong(), &rect);
    } else
        DrawText(pDC, strText, strText.GetLength(), rectText.left, rectText.top, rectText.right,
                 rectText.bottom, nFormat, &rect);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}
