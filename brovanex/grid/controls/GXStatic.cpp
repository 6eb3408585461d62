#include "controls/GXStatic.h"
#include "controls/GXChild.h"
#include "core/GXDIB.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXGridCore.h"
#include "core/GXOleVarUserAttribute.h"
#include "res/GXResource.h"
#include "core/GXProperties.h"
#include "core/GXSysColorCache.h"
#include "fw/dc.h"
#include <algorithm>
#include <cstring>

GX_IMPLEMENT_CONTROL(CGXStatic, CGXControl)
GX_IMPLEMENT_CONTROL(CGXHeader, CGXStatic)

CGXStatic::CGXStatic(CGXGridCore* pGrid) : CGXControl(pGrid) { }

int CGXStatic::TextMargin() { return std::max(2, ::GetSystemMetrics(SM_CXFRAME) / 2); }

CRect CGXStatic::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPCRECT pRectItem, const CGXStyle* pStyle)
{
    CRect rect = CGXControl::GetCellRect(nRow, nCol, pRectItem, pStyle);
    const CGXStyle& style = pStyle != nullptr ? *pStyle : m_pGrid->GetCachedCellStyle(nRow, nCol);
    const int m = TextMargin();
    rect.left += m;
    rect.right -= style.GetHorizontalAlignment() == DT_RIGHT ? m + 1 : m / 2;
    return rect;
}

CSize CGXStatic::AddBorders(CSize size, const CGXStyle& style)
{
    CSize result = m_pGrid->AddBorderSize(size, style);
    result.cx += 2 * TextMargin() + 1;
    return result;
}

CSize CGXStatic::MeasureCellSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                 const CGXStyle* pStandardStyle, BOOL bHeight)
{
    if (CGXAbstractCalcSizeImp* pImp = m_pGrid->CalcSizeImp())
        return pImp->CalcCellSize(m_pGrid, this, pDC, nRow, nCol, style, pStandardStyle, bHeight);
    return CSize(0, 0);
}

BOOL CGXStatic::AllowsTextFloat(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, BOOL bFloatOrFlood)
{
    CGXAbstractGridFloatCellsImp* pImp = m_pGrid->FloatCellsImp();
    return pImp != nullptr && pImp->CanFloatCell(m_pGrid, this, nRow, nCol, style, bFloatOrFlood);
}

void CGXStatic::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                     const CGXStyle* pStandardStyle)
{
    GXGetDrawingAndFormatting()->DrawStaticCellText(this, pDC, rect, nRow, nCol, style,
                                                    pStandardStyle);
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

// --- Header ---

CGXHeader::CGXHeader(CGXGridCore* pGrid) : CGXStatic(pGrid) { }

void CGXHeader::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                     const CGXStyle* pStandardStyle)
{
    if (rect.Width() <= 1 || rect.Height() <= 1)
        return;
    const GXPaintPass* pPass = m_pGrid->GetPaintPass();
    const BOOL bBlackWhite = pPass != nullptr && pPass->bBlackWhite;
    const BOOL bPrinting = m_pGrid->IsPrinting();
    CFont* pOldFont = LoadFont(pDC, style, pStandardStyle);
    if (!bBlackWhite)
        pDC->SetTextColor(m_pGrid->ResolveTextColor(style));
    const BOOL bPressed = OnMarkEditHeaderKey(nRow, nCol, style);

    DrawBackground(pDC, rect, style, FALSE);
    CRect rectInner = m_pGrid->SubtractBorders(rect, style, TRUE, nRow, nCol);
    CGXProperties* pProp = m_pGrid->GetProperties();
    const BOOL b3dHeaders = pProp != nullptr && pProp->m_abDisplay[2];
    CRect rectText = rectInner;
    if ((style.GetInclude(gxDraw3dFrame) && style.GetDraw3dFrame() != 0) || !b3dHeaders) {
        if (bPressed)
            rectText.OffsetRect(1, 1);
    } else if (bPrinting) {
        const BOOL bHeaderCell =
            nRow <= m_pGrid->GetHeaderRowCount() || nCol <= m_pGrid->GetHeaderColCount();
        const BOOL bHorz = pProp->m_abPrint[1], bVert = pProp->m_abPrint[0];
        if (bHeaderCell && bHorz && style.GetBorders(gxBorderBottom).GetStyle() == PS_NULL)
            GXFillSolidRectXYWH(pDC, rect.left, rect.bottom - 1, rect.Width(), 1, RGB(0, 0, 0));
        if (bHeaderCell && bVert && style.GetBorders(gxBorderRight).GetStyle() == PS_NULL)
            GXFillSolidRectXYWH(pDC, rect.right - 1, rect.top, 1, rect.Height(), RGB(0, 0, 0));
        if (bPressed)
            rectText.OffsetRect(1, 1);
    } else if (bPressed) {
        GXFillSolidRectXYWH(pDC, rectInner.left, rectInner.bottom - 1, rectInner.Width(), 1,
                            RGB(0, 0, 0));
        GXFillSolidRectXYWH(pDC, rectInner.right - 1, rectInner.top, 1, rectInner.Height(),
                            RGB(0, 0, 0));
        rectText.OffsetRect(1, 1);
    } else {
        GXGetDrawingAndFormatting()->Draw3dFrame(
            pDC, rectInner.left, rectInner.top, rectInner.right, rectInner.bottom, 1,
            GXGetSysColorCache().GetSysColor(COLOR_BTNHIGHLIGHT), RGB(0, 0, 0));
    }

    CString strText;
    FormatDisplayText(strText, nRow, nCol, nullptr, style);
    HGLOBAL hDIB =
        !strText.IsEmpty() && strText[0] == '#' ? GXGetDIBPool()->LookupDIB(strText) : nullptr;
    if (hDIB != nullptr) {
        GXDrawDIB(pDC, hDIB, rectText, 0,
                  style.GetHorizontalAlignment() | style.GetVerticalAlignment());
    } else if (!strText.IsEmpty()) {
        pDC->SetBkMode(TRANSPARENT);
        CRect rectLabel = GetCellRect(nRow, nCol, &rect, &style);
        rectLabel.OffsetRect(rectText.left - rectInner.left, rectText.top - rectInner.top);
        const UINT nFormat = GXTextFormatOf(style);
        const LONG lfOrientation = style.GetFont().GetLogFontRef().lfOrientation;
        if (lfOrientation != 0)
            GXGetDrawingAndFormatting()->DrawRotatedText(
                pDC, strText, strText.GetLength(), rectLabel.left, rectLabel.top, rectLabel.right,
                rectLabel.bottom, nFormat, lfOrientation, &rect);
        else
            GXGetDrawingAndFormatting()->DrawText(pDC, strText, strText.GetLength(), rectLabel.left,
                                                  rectLabel.top, rectLabel.right, rectLabel.bottom,
                                                  nFormat, &rect);
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

void CGXHeader::DrawCurrentCellFrame(CDC* pDC, const CRect& rect)
{
    CRect rectFocus = rect;
    rectFocus.DeflateRect(1, 1);
    if (rectFocus.Width() > 0 && rectFocus.Height() > 0)
        pDC->DrawFocusRect(&rectFocus);
}

// --- Database picture ---

GX_IMPLEMENT_CONTROL(CGXDaoBitmap, CGXStatic)

CGXDaoBitmap::CGXDaoBitmap(CGXGridCore* pGrid) : CGXStatic(pGrid), m_nDecodes(0) { }

CGXDaoBitmap::~CGXDaoBitmap()
{
    for (Decoded& d : m_decoded)
        if (d.hDIB != nullptr)
            ::GlobalFree(d.hDIB);
}

HGLOBAL CGXDaoBitmap::LookupPicture(const VARIANT& var)
{
    if (var.vt != (VT_ARRAY | VT_UI1) || var.parray == nullptr ||
        ::SafeArrayGetDim(var.parray) != 1)
        return nullptr;
    LONG lo = 0, hi = -1;
    ::SafeArrayGetLBound(var.parray, 1, &lo);
    ::SafeArrayGetUBound(var.parray, 1, &hi);
    if (hi < lo)
        return nullptr;
    const size_t cb = (size_t)hi - (size_t)lo + 1;
    void* pData = nullptr;
    if (FAILED(::SafeArrayAccessData(var.parray, &pData)))
        return nullptr;
    auto it = std::find_if(m_decoded.begin(), m_decoded.end(), [&](const Decoded& d) {
        return d.bytes.size() == cb && memcmp(d.bytes.data(), pData, cb) == 0;
    });
    if (it != m_decoded.end()) {
        ::SafeArrayUnaccessData(var.parray);
        m_decoded.splice(m_decoded.begin(), m_decoded, it);
        return it->hDIB;
    }
    Decoded d;
    d.bytes.assign((const BYTE*)pData, (const BYTE*)pData + cb);
    ::SafeArrayUnaccessData(var.parray);
    d.hDIB = GXLoadDIBFromVariant(var);
    ++m_nDecodes;
    if (m_decoded.size() >= (size_t)nMaxDecoded) {
        if (m_decoded.back().hDIB != nullptr)
            ::GlobalFree(m_decoded.back().hDIB);
        m_decoded.pop_back();
    }
    m_decoded.push_front(std::move(d));
    return m_decoded.front().hDIB;
}

void CGXDaoBitmap::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                        const CGXStyle* pStandardStyle)
{
    if (rect.Width() <= 1 || rect.Height() <= 1)
        return;
    const CGXOleVarUserAttribute* pAttr = style.HasUserAttribute(GX_IDS_UA_PICTUREDATA)
        ? dynamic_cast<const CGXOleVarUserAttribute*>(
              &style.GetUserAttribute(GX_IDS_UA_PICTUREDATA))
        : nullptr;
    HGLOBAL hDIB = pAttr != nullptr ? LookupPicture(pAttr->GetVariant()) : nullptr;
    if (hDIB == nullptr) {
        CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    DrawBackground(pDC, rect, style, TRUE);
    const CRect inner = CGXControl::GetCellRect(nRow, nCol, &rect, &style);
    GXDrawDIB(pDC, hDIB, inner, 0, style.GetHorizontalAlignment() | style.GetVerticalAlignment());
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}
