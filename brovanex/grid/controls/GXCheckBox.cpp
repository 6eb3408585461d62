// Check boxes: states, the box images (loaded from the bitmap strips with their colours
// mapped to the system colours), drawing, and toggling by mouse and space key.
#include "controls/GXButtonControls.h"
#include "core/GXChoiceList.h"
#include "core/GXDIB.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXGridCore.h"
#include "core/GXLibraryState.h"
#include "core/GXStylesMap.h"
#include "core/GXSysColorCache.h"
#include "fw/dc.h"
#include "fw/resource_chain.h"
#include <algorithm>
#include <cstdlib>

GX_IMPLEMENT_CONTROL(CGXCheckBox, CGXControl)
GX_IMPLEMENT_CONTROL(CGXCheckBoxEx, CGXCheckBox)

namespace {
const WORD kChecked = 51019, kUnchecked = 51020;

CString AttributeText(const CGXStyle& style, WORD nId)
{
    return style.HasUserAttribute(nId) ? style.GetUserAttribute(nId).GetValue() : CString();
}

HGLOBAL LoadStrip(UINT nId)
{
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nId), RT_BITMAP);
    HGLOBAL hDIB = GXLoadDIBResource(hInst, MAKEINTRESOURCE(nId));
    if (hDIB == nullptr)
        hDIB = GXLoadDIBResource(AfxGetInstanceHandle(), MAKEINTRESOURCE(nId));
    return hDIB;
}

int FrameMargin() { return std::max(3, ::GetSystemMetrics(SM_CXFRAME) / 2); }
} // namespace

CGXCheckBox::CGXCheckBox(CGXGridCore* pGrid, BOOL bDraw3dFrame, UINT nBitmapResourceId,
                         UINT nPrintResourceId)
    : CGXControl(pGrid), m_bDraw3dFrame(bDraw3dFrame), m_hImage(nullptr), m_hPrintImage(nullptr),
      m_nImageId(nBitmapResourceId),
      m_nPrintImageId(nPrintResourceId != 0 ? nPrintResourceId : 20026), m_nBoxSize(13),
      m_bPressed(FALSE), m_rectBox(0, 0, 0, 0)
{
    if (m_nImageId == 0)
        m_nImageId = !bDraw3dFrame ? 20026 : (pGrid->m_pLibState->m_b3dLook2 ? 20025 : 20024);
}

CGXCheckBox::~CGXCheckBox() { FreeImages(); }

void CGXCheckBox::FreeImages()
{
    if (m_hImage != nullptr)
        ::GlobalFree(m_hImage);
    if (m_hPrintImage != nullptr)
        ::GlobalFree(m_hPrintImage);
    m_hImage = m_hPrintImage = nullptr;
}

void CGXCheckBox::AddUserAttributes(CGXStylesMap* pStylesMap)
{
    pStylesMap->DeclareUserAttribute(kChecked);
    pStylesMap->DeclareUserAttribute(kUnchecked);
}

CString CGXCheckBox::CheckedValue(const CGXStyle& style)
{
    CString str = AttributeText(style, kChecked);
    return str.IsEmpty() ? CString("1") : str;
}

CString CGXCheckBox::UncheckedValue(const CGXStyle& style)
{
    CString str = AttributeText(style, kUnchecked);
    return str.IsEmpty() ? CString("0") : str;
}

COLORREF CGXCheckBox::MapImageColor(COLORREF cr, BOOL bPrint)
{
    CGXSysColorCache& colors = GXGetSysColorCache();
    switch (cr & 0xFFFFFF) {
    case RGB(0, 0, 0):
        return bPrint ? RGB(0, 0, 0) : colors.GetSysColor(COLOR_WINDOWTEXT);
    case RGB(255, 0, 0):
        return bPrint ? RGB(255, 255, 255) : colors.GetSysColor(COLOR_WINDOW);
    case RGB(0, 255, 0):
        return colors.GetSysColor(COLOR_WINDOWFRAME);
    case RGB(192, 192, 192):
        return colors.GetSysColor(COLOR_BTNFACE);
    default:
        return cr;
    }
}

void CGXCheckBox::LoadImages()
{
    FreeImages();
    m_hImage = LoadStrip(m_nImageId);
    m_hPrintImage = LoadStrip(m_nPrintImageId);
    for (int k = 0; k < 2; ++k) {
        HGLOBAL h = k == 0 ? m_hImage : m_hPrintImage;
        if (h == nullptr)
            continue;
        BITMAPINFO* pInfo = static_cast<BITMAPINFO*>(::GlobalLock(h));
        const BITMAPINFOHEADER& bih = pInfo->bmiHeader;
        const int nColors = bih.biClrUsed != 0 ? (int)bih.biClrUsed
                                               : (bih.biBitCount <= 8 ? 1 << bih.biBitCount : 0);
        for (int i = 0; i < nColors; ++i) {
            RGBQUAD& q = pInfo->bmiColors[i];
            const COLORREF cr = MapImageColor(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue), k == 1);
            q.rgbRed = GetRValue(cr);
            q.rgbGreen = GetGValue(cr);
            q.rgbBlue = GetBValue(cr);
        }
        ::GlobalUnlock(h);
    }
}

void CGXCheckBox::OnSystemColorsChange()
{
    LoadImages();
    CGXControl::OnSystemColorsChange();
}

int CGXCheckBox::GetState(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    int nState = 0;
    if (style.GetInclude(gxEnabled) && !style.GetEnabled())
        nState |= GX_CHECK_GREY;
    if (m_pGrid->IsCurrentCell(nRow, nCol)) {
        nState |= GX_CHECK_CURRENT;
        if (m_bPressed)
            nState |= GX_CHECK_GREY;
    }
    const CString& strValue = style.GetValue();
    if (strValue == CheckedValue(style))
        nState |= GX_CHECK_CHECKED;
    else if (!style.GetTriState() || strValue == UncheckedValue(style))
        nState |= GX_CHECK_UNCHECKED;
    return nState;
}

CRect CGXCheckBox::ComputeCheckBoxRect(CDC* pDC, const CRect& rect, LPCTSTR pszLabel, UINT nAlign)
{
    const int b = m_nBoxSize;
    int cx = b, cy = b;
    if (pszLabel != nullptr && *pszLabel != '\0') {
        TEXTMETRIC tm;
        pDC->GetTextMetrics(&tm);
        cx = pDC->GetTextExtent(CString(pszLabel)).cx + b * 3 / 2;
        cy = std::min(b, (int)(tm.tmHeight + tm.tmInternalLeading));
    }
    const int f = rect.Width() - cx, v = rect.Height() - cy;
    int x = rect.left, y = rect.top;
    if (nAlign & DT_CENTER)
        x += std::max(0, f / 2);
    else if (nAlign & DT_RIGHT)
        x += std::max(0, f);
    else
        x += std::clamp(f, 0, 3);
    if (nAlign & DT_VCENTER)
        y += std::abs(v) / 2;
    else if (nAlign & DT_BOTTOM)
        y += std::max(0, v);
    else
        y += std::clamp(v, 0, 3);
    CRect box(x, y, x + b, y + b);
    box.IntersectRect(&box, &rect);
    return box;
}

void CGXCheckBox::DrawCheckBox(CDC* pDC, const CRect& rect, int nState, UINT, LPCTSTR)
{
    if (m_hImage == nullptr)
        LoadImages();
    const BOOL bPrinting = m_pGrid->IsPrinting();
    HGLOBAL hImage = bPrinting ? m_hPrintImage : m_hImage;
    if (hImage == nullptr || rect.IsRectEmpty())
        return;
    int nIndex = 4;
    if (nState & (GX_CHECK_CHECKED | GX_CHECK_UNCHECKED))
        nIndex = (nState & GX_CHECK_GREY) + ((nState & GX_CHECK_CHECKED) ? 1 : 0);
    const int b = m_nBoxSize;
    const BITMAPINFO* pInfo = static_cast<const BITMAPINFO*>(::GlobalLock(hImage));
    const BITMAPINFOHEADER& bih = pInfo->bmiHeader;
    const int nColors =
        bih.biClrUsed != 0 ? (int)bih.biClrUsed : (bih.biBitCount <= 8 ? 1 << bih.biBitCount : 0);
    const BYTE* pBits =
        reinterpret_cast<const BYTE*>(pInfo) + bih.biSize + nColors * sizeof(RGBQUAD);
    ::StretchDIBits(pDC->GetSafeHdc(), rect.left, rect.top, b, b, b * nIndex, 0, b, b, pBits, pInfo,
                    DIB_RGB_COLORS, SRCCOPY);
    ::GlobalUnlock(hImage);
    if (m_bDraw3dFrame && !bPrinting) {
        CRect rectEdge(rect.left - 2, rect.top - 2, rect.left + b + 2, rect.top + b + 2);
        pDC->DrawEdge(&rectEdge, EDGE_SUNKEN, BF_RECT);
    }
}

void CGXCheckBox::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                       const CGXStyle* pStandardStyle)
{
    const int nSaved = pDC->SaveDC();
    const int nState = GetState(nRow, nCol, style);
    const UINT nAlign = style.GetHorizontalAlignment() | style.GetVerticalAlignment();
    LoadFont(pDC, style, pStandardStyle);
    DrawBackground(pDC, rect, style, FALSE);
    pDC->SetBkColor(GXResolveColor(style.GetInterior().GetColorNA()));
    pDC->SetTextColor(m_pGrid->ResolveTextColor(style));
    const CRect inner = CGXControl::GetCellRect(nRow, nCol, &rect, &style);
    const CString& strLabel = style.GetChoiceList();
    const CRect box = ComputeCheckBoxRect(pDC, inner, strLabel, nAlign);
    DrawCheckBox(pDC, box, nState, nAlign, strLabel);
    const int xLabel = box.left + m_nBoxSize * 3 / 2;
    if (!strLabel.IsEmpty() && xLabel < inner.right) {
        pDC->SetBkMode(TRANSPARENT);
        const UINT nFormat = (style.GetVerticalAlignment()) |
            (style.GetWrapText() ? DT_NOPREFIX | DT_WORDBREAK : DT_NOPREFIX | DT_SINGLELINE);
        GXGetDrawingAndFormatting()->DrawText(pDC, strLabel, strLabel.GetLength(), xLabel,
                                              inner.top, inner.right, inner.bottom, nFormat,
                                              &inner);
    }
    pDC->RestoreDC(nSaved);
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

CSize CGXCheckBox::MeasureCellSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style,
                                   const CGXStyle* pStandardStyle, BOOL)
{
    const int nSaved = pDC->SaveDC();
    LoadFont(pDC, style, pStandardStyle);
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    const int m = FrameMargin();
    CSize size;
    const CString& strLabel = style.GetChoiceList();
    if (strLabel.IsEmpty()) {
        size = CSize(tm.tmMaxCharWidth + 2 * m, tm.tmHeight + tm.tmExternalLeading + 1);
    } else {
        CSize text(0, 0);
        CString strRest = strLabel, strLine;
        while (!strRest.IsEmpty()) {
            GXExtractLine(strRest, strLine);
            CSize line = pDC->GetTextExtent(strLine);
            text.cx = std::max(text.cx, line.cx);
            text.cy += line.cy;
            if (!style.GetWrapText())
                break;
        }
        size = CSize(text.cx + m_nBoxSize * 3 / 2 + 2 * m, std::max((int)text.cy, m_nBoxSize));
    }
    pDC->RestoreDC(nSaved);
    return AddBorders(size, style);
}

CRect CGXCheckBox::BoxRectOfBoundCell()
{
    if (!m_bInit)
        return CRect(0, 0, 0, 0);
    const CGXStyle& style = *LoadStyle();
    CClientDC dc(m_pGrid->GetGridWnd());
    CFont* pOld = LoadFont(&dc, style, nullptr);
    CRect box =
        ComputeCheckBoxRect(&dc, CGXControl::GetCellRect(m_nRow, m_nCol), style.GetChoiceList(),
                            style.GetHorizontalAlignment() | style.GetVerticalAlignment());
    if (pOld != nullptr)
        dc.SelectObject(pOld);
    return box;
}

BOOL CGXCheckBox::LButtonDown(UINT nFlags, CPoint point, UINT nHitState)
{
    if (!m_bInit || IsReadOnly())
        return FALSE;
    m_rectBox = BoxRectOfBoundCell();
    if (m_rectBox.PtInRect(point)) {
        m_bPressed = TRUE;
        InvalidateCell(m_nRow, m_nCol);
    }
    CGXControl::LButtonDown(nFlags, point, nHitState);
    return TRUE;
}

BOOL CGXCheckBox::MouseMove(UINT nFlags, CPoint point, UINT nHitState)
{
    const BOOL bPressed = (nHitState & GX_HITSTATE_INCELL) && m_rectBox.PtInRect(point);
    if (bPressed != m_bPressed) {
        m_bPressed = bPressed;
        if (m_bInit)
            InvalidateCell(m_nRow, m_nCol);
    }
    CGXControl::MouseMove(nFlags, point, nHitState);
    return TRUE;
}

BOOL CGXCheckBox::LButtonUp(UINT nFlags, CPoint point, UINT nHitState)
{
    m_bPressed = FALSE;
    const BOOL bChild =
        CGXControl::LButtonUp(nFlags, point, nHitState) && GetActiveChild() != nullptr;
    if (!bChild && (nHitState & GX_HITSTATE_INCELL) && m_rectBox.PtInRect(point))
        OnChildButtonClicked(nullptr);
    else if (m_bInit)
        InvalidateCell(m_nRow, m_nCol);
    return TRUE;
}

BOOL CGXCheckBox::LButtonDblClk(UINT nFlags, CPoint point)
{
    m_bPressed = FALSE;
    const BOOL bChild = CGXControl::LButtonDblClk(nFlags, point) && GetActiveChild() != nullptr;
    if (!bChild && m_rectBox.PtInRect(point))
        OnChildButtonClicked(nullptr);
    return TRUE;
}

BOOL CGXCheckBox::RouteKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (CGXControl::RouteKeyMessage(nMessage, nChar, nRepCnt, nFlags))
        return TRUE;
    if (nMessage == WM_CHAR && nChar == VK_SPACE && m_bInit) {
        OnChildButtonClicked(nullptr);
        return TRUE;
    }
    return FALSE;
}

void CGXCheckBox::OnCancelMode()
{
    m_bPressed = FALSE;
    if (m_bInit)
        InvalidateCell(m_nRow, m_nCol);
    CGXControl::OnCancelMode();
}

CString CGXCheckBox::NextValue(const CString& strValue, const CGXStyle& style)
{
    if (strValue == CheckedValue(style))
        return UncheckedValue(style);
    if (strValue == UncheckedValue(style))
        return style.GetTriState() ? CString() : CheckedValue(style);
    return CheckedValue(style);
}

void CGXCheckBox::WriteToggledValue(const CString& strValue)
{
    if (!OnStartEditing())
        return;
    m_pGrid->SetCellValue(CGXRange(m_nRow, m_nCol, m_nRow, m_nCol), strValue, GX_UPDATENOW);
}

void CGXCheckBox::OnChildButtonClicked(CGXChild* pChild)
{
    if (m_bInit && !IsReadOnly()) {
        // The cell holds the value unless an active control edits its own copy.
        if (!IsActive())
            FreeStyle(FALSE);
        CGXStyle* pStyle = LoadStyle();
        const CString strValue = pStyle->GetValue();
        const CString strNext = NextValue(strValue, *pStyle);
        WriteToggledValue(strNext);
    }
    CGXControl::OnChildButtonClicked(pChild);
}

BOOL CGXCheckBox::AcceptsTypedText(CString& strText, ROWCOL, ROWCOL, const CGXStyle& style)
{
    if (style.GetTriState() && strText.CompareNoCase(CheckedValue(style)) != 0 &&
        strText.CompareNoCase(UncheckedValue(style)) != 0)
        strText.Empty();
    return TRUE;
}

// --- Check box editing a cached value ---

CGXCheckBoxEx::CGXCheckBoxEx(CGXGridCore* pGrid, BOOL bDraw3dFrame, UINT nBitmapResourceId,
                             UINT nPrintResourceId)
    : CGXCachedValueEditing<CGXCheckBox>(pGrid, bDraw3dFrame, nBitmapResourceId, nPrintResourceId)
{ }

void CGXCheckBoxEx::WriteToggledValue(const CString& strValue) { WriteCachedValue(strValue); }

void CGXCheckBoxEx::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                         const CGXStyle* pStandardStyle)
{
    if (m_bActive && IsInitRowCol(nRow, nCol) && m_pStyle != nullptr) {
        CGXStyle shown(style);
        shown.SetValue(m_pStyle->GetValue());
        CGXCheckBox::Draw(pDC, rect, nRow, nCol, shown, pStandardStyle);
        return;
    }
    CGXCheckBox::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}
