// The progress cell: the bar and its split caption, clamped stored values.
#include "controls/GXProgressCtrl.h"
#include "controls/GXControlFactory.h"
#include "core/GXBrush.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXGridCore.h"
#include "core/GXPaintPass.h"
#include "core/GXStylesMap.h"
#include "fw/dc.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>

GX_IMPLEMENT_CONTROL(CGXProgressCtrl, CGXControl)

CGXControl* GXCreate_CGXProgressCtrl(CGXGridCore* pGrid, UINT)
{
    return new CGXProgressCtrl(pGrid);
}
void GXAddAttributes_CGXProgressCtrl(CGXStylesMap* pStylesMap)
{
    CGXProgressCtrl::AddUserAttributes(pStylesMap);
}

namespace {
long AttributeNumber(const CGXStyle& style, WORD nId)
{
    return style.HasUserAttribute(nId) ? std::atol(style.GetUserAttribute(nId).GetValue()) : 0;
}

class CDCState
{
public:
    explicit CDCState(CDC* pDC) : m_pDC(pDC), m_nSaved(pDC->SaveDC()) { }
    ~CDCState() { m_pDC->RestoreDC(m_nSaved); }
    CDCState(const CDCState&) = delete;
    CDCState& operator=(const CDCState&) = delete;

private:
    CDC* m_pDC;
    int m_nSaved;
};
} // namespace

CGXProgressCtrl::CGXProgressCtrl(CGXGridCore* pGrid) : CGXControl(pGrid), m_dScale(1.0) { }

void CGXProgressCtrl::AddUserAttributes(CGXStylesMap* pStylesMap)
{
    pStylesMap->DeclareUserAttribute(GX_IDS_UA_PROGRESS_LOW);
    pStylesMap->DeclareUserAttribute(GX_IDS_UA_PROGRESS_HIGH);
    pStylesMap->DeclareUserAttribute(GX_IDS_UA_PROGRESS_CAPTION);
}

int CGXProgressCtrl::BarWidth(long lValue, long lLow, long lHigh, int nWidth)
{
    if (nWidth <= 0 || lHigh <= lLow || lValue <= lLow)
        return 0;
    if (lValue >= lHigh)
        return nWidth;
    const double dScale = ((double)lHigh - (double)lLow) / nWidth;
    const int nBar = (int)(((double)lValue - (double)lLow) / dScale);
    return nBar < 0 ? 0 : (nBar > nWidth ? nWidth : nBar);
}

CString CGXProgressCtrl::FormatCaption(const CString& strFormat, long lValue)
{
    // Rebuilt with the one conversion given the long length modifier, so that the value is
    // always read as the long it is.
    CString strSafe;
    int nConversions = 0;
    const char* p = strFormat;
    while (*p != 0) {
        if (*p != '%') {
            strSafe += *p++;
            continue;
        }
        if (p[1] == '%') {
            strSafe += "%%";
            p += 2;
            continue;
        }
        CString strSpec = "%";
        ++p;
        while (*p != 0 && std::strchr("-+ #0", *p) != nullptr)
            strSpec += *p++;
        for (int n = 0; *p >= '0' && *p <= '9'; ++n, ++p)
            if (n < 3)
                strSpec += *p;
            else
                return strFormat; // absurd widths are no format
        if (*p == '.') {
            strSpec += *p++;
            for (int n = 0; *p >= '0' && *p <= '9'; ++n, ++p)
                if (n < 3)
                    strSpec += *p;
                else
                    return strFormat;
        }
        if (*p == 'l' || *p == 'h')
            ++p;
        if (*p == 0 || std::strchr("diouxX", *p) == nullptr || ++nConversions > 1)
            return strFormat;
        strSpec += 'l';
        strSpec += *p++;
        strSafe += strSpec;
    }
    if (nConversions == 0) {
        // Literal text and "%%" only.
        strSafe.Replace("%%", "%");
        return strSafe;
    }
    // The format was checked above: one integer conversion that reads a long.
    char szText[512];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
    std::snprintf(szText, sizeof(szText), (LPCSTR)strSafe, lValue);
#pragma GCC diagnostic pop
    return CString(szText);
}

void CGXProgressCtrl::GetCaption(CString& strCaption, ROWCOL, ROWCOL, const CGXStyle& style)
{
    strCaption.Empty();
    if (!style.HasUserAttribute(GX_IDS_UA_PROGRESS_CAPTION))
        return;
    const CString strFormat = style.GetUserAttribute(GX_IDS_UA_PROGRESS_CAPTION).GetValue();
    if (!strFormat.IsEmpty())
        strCaption = FormatCaption(strFormat, std::atol(style.GetValue()));
}

COLORREF CGXProgressCtrl::GetBarColor(BOOL bFilled, const CGXStyle& style)
{
    const GXPaintPass* pPass = m_pGrid->GetPaintPass();
    if (pPass != nullptr && pPass->bBlackWhite)
        return bFilled ? RGB(0, 0, 0) : RGB(255, 255, 255);
    return bFilled ? m_pGrid->ResolveTextColor(style) : style.GetInterior().GetColorNA();
}

COLORREF CGXProgressCtrl::GetCaptionColor(BOOL bFilled, const CGXStyle& style)
{
    return GetBarColor(!bFilled, style);
}

void CGXProgressCtrl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const CGXStyle* pStandardStyle)
{
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return;
    const long lLow = AttributeNumber(style, GX_IDS_UA_PROGRESS_LOW);
    const long lHigh = AttributeNumber(style, GX_IDS_UA_PROGRESS_HIGH);
    const long lValue = std::atol(style.GetValue());
    const CRect rectCell = GetCellRect(nRow, nCol, &rect, &style);
    const int nWidth = rectCell.Width();
    m_dScale = nWidth > 0 && lHigh > lLow ? ((double)lHigh - (double)lLow) / nWidth : 1.0;
    const int nBar = BarWidth(lValue, lLow, lHigh, nWidth);

    CDCState state(pDC);
    const CRect rectBar(rectCell.left, rectCell.top, rectCell.left + nBar, rectCell.bottom);
    const CRect rectRest(rectBar.right, rectCell.top, rectCell.right, rectCell.bottom);
    if (!rectRest.IsRectEmpty())
        GXFillSolidRect(pDC, &rectRest, GetBarColor(FALSE, style));
    if (!rectBar.IsRectEmpty()) {
        GXFillSolidRect(pDC, &rectBar, GetBarColor(TRUE, style));
        if (nBar > 1)
            Draw3dFrame(pDC, rectBar, style);
    }

    CString strCaption;
    GetCaption(strCaption, nRow, nCol, style);
    if (strCaption.IsEmpty())
        return;
    LoadFont(pDC, style, pStandardStyle);
    pDC->SetBkMode(TRANSPARENT);
    const CSize size = pDC->GetTextExtent(strCaption);
    const int x = size.cx <= nWidth ? rectCell.left + (nWidth - size.cx) / 2 : rectCell.left;
    const int y = rectCell.top + (rectCell.Height() - size.cy) / 2;
    for (int k = 0; k < 2; ++k) {
        const CRect& rectPart = k == 0 ? rectBar : rectRest;
        if (rectPart.IsRectEmpty())
            continue;
        pDC->SetTextColor(GetCaptionColor(k == 0, style));
        pDC->ExtTextOut(x, y, ETO_CLIPPED, &rectPart, strCaption, strCaption.GetLength(), nullptr);
    }
}

BOOL CGXProgressCtrl::WriteCellStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle,
                                     GXModifyType mt, UINT nFlags, const CGXStyle* pOldStyle)
{
    if (pStyle == nullptr || mt == (GXModifyType)4 || !pStyle->GetInclude(gxValue) ||
        pStyle->GetValue().IsEmpty())
        return CGXControl::WriteCellStyle(nRow, nCol, pStyle, mt, nFlags, pOldStyle);
    // The limits come from the written style or else from the cell's.
    const CGXStyle& cell = m_pGrid->GetCachedCellStyle(nRow, nCol);
    const CGXStyle& limits = pStyle->HasUserAttribute(GX_IDS_UA_PROGRESS_HIGH) ? *pStyle : cell;
    const long lLow = AttributeNumber(limits, GX_IDS_UA_PROGRESS_LOW);
    const long lHigh = AttributeNumber(limits, GX_IDS_UA_PROGRESS_HIGH);
    const long lValue = std::atol(pStyle->GetValue());
    if (lHigh < lLow || (lValue >= lLow && lValue <= lHigh))
        return CGXControl::WriteCellStyle(nRow, nCol, pStyle, mt, nFlags, pOldStyle);
    CGXStyle clamped(*pStyle);
    CString strValue;
    strValue.Format("%ld", lValue < lLow ? lLow : lHigh);
    clamped.SetValue(strValue);
    return CGXControl::WriteCellStyle(nRow, nCol, &clamped, mt, nFlags, pOldStyle);
}
