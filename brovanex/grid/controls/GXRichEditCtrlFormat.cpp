// The rich-text cell: formats exchanged with cell styles, drawing the current cell's window
// and other cells' rich text, measuring, and styles applied as formatting of the rich text.
#include "controls/GXRichEditCtrl.h"
#include "controls/GXFocusChangeLock.h"
#include "controls/GXRichTextValue.h"
#include "controls/GXStatic.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXGridCore.h"
#include "core/GXPaintPass.h"
#include "core/GXProperties.h"
#include "core/GXSysColorCache.h"
#include "fw/dc.h"
#include <algorithm>
#include <cstring>
#include <optional>

namespace {
BOOL s_bInternalChange = FALSE; // user-interface thread only

// Properties of the grid: draw in black on white.
BOOL BlackAndWhite(CGXGridCore* pGrid)
{
    const GXPaintPass* pPass = pGrid->GetPaintPass();
    return pPass != nullptr && pPass->bBlackWhite;
}

int Indent() { return std::max(2, ::GetSystemMetrics(SM_CXFRAME) / 2); }

// Pixels to twips along one axis of a DC.
LONG Twips(int nPixels, int nPixelsPerInch)
{
    return MulDiv(nPixels, 1440, std::max(1, nPixelsPerInch));
}
} // namespace

CGXInternalChange::CGXInternalChange() : m_bOld(s_bInternalChange) { s_bInternalChange = TRUE; }
CGXInternalChange::~CGXInternalChange() { s_bInternalChange = m_bOld; }
BOOL CGXInternalChange::IsOn() { return s_bInternalChange; }

void CGXRichEditCtrl::StyleToFormats(PARAFORMAT& pf, CHARFORMATA& cf, const CGXStyle& style)
{
    memset(&pf, 0, sizeof pf);
    pf.cbSize = sizeof pf;
    memset(&cf, 0, sizeof cf);
    cf.cbSize = sizeof cf;
    if (style.GetIncludeHorizontalAlignment()) {
        pf.dwMask = PFM_ALIGNMENT;
        const UINT nAlign = style.GetHorizontalAlignment();
        pf.wAlignment = nAlign == DT_RIGHT ? PFA_RIGHT
            : nAlign == DT_CENTER          ? PFA_CENTER
                                           : PFA_LEFT;
    }
    if (style.GetInclude(gxFont)) {
        const CGXFont& font = style.GetFont();
        if (font.GetIncludeWeight()) {
            cf.dwMask |= CFM_BOLD;
            cf.dwEffects |= font.GetWeight() >= FW_BOLD ? CFE_BOLD : 0;
        }
        if (font.GetIncludeItalic()) {
            cf.dwMask |= CFM_ITALIC;
            cf.dwEffects |= font.GetItalic() ? CFE_ITALIC : 0;
        }
        if (font.GetIncludeUnderline()) {
            cf.dwMask |= CFM_UNDERLINE;
            cf.dwEffects |= font.GetUnderline() ? CFE_UNDERLINE : 0;
        }
        if (font.GetIncludeStrikeOut()) {
            cf.dwMask |= CFM_STRIKEOUT;
            cf.dwEffects |= font.GetStrikeOut() ? CFE_STRIKEOUT : 0;
        }
        if (font.GetIncludeFaceName()) {
            cf.dwMask |= CFM_FACE;
            const CString strFace = font.GetFaceName();
            strncpy(cf.szFaceName, strFace, LF_FACESIZE - 1);
        }
        if (font.GetIncludeSize()) {
            cf.dwMask |= CFM_SIZE;
            cf.yHeight = (LONG)(font.GetSize() * 20); // points as twips
        }
    }
    if (style.GetInclude(gxTextColor)) {
        cf.dwMask |= CFM_COLOR;
        cf.crTextColor = GXResolveColor(style.GetTextColor());
    }
}

void CGXRichEditCtrl::FormatsToStyle(const PARAFORMAT& pf, const CHARFORMATA& cf, CGXStyle& style)
{
    if (pf.dwMask & PFM_ALIGNMENT)
        style.SetHorizontalAlignment(pf.wAlignment == PFA_RIGHT        ? DT_RIGHT
                                         : pf.wAlignment == PFA_CENTER ? DT_CENTER
                                                                       : DT_LEFT);
    CGXFont font;
    BOOL bFont = FALSE;
    if (cf.dwMask & CFM_BOLD) {
        font.SetWeight((cf.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL);
        bFont = TRUE;
    }
    if (cf.dwMask & CFM_ITALIC) {
        font.SetItalic((cf.dwEffects & CFE_ITALIC) != 0);
        bFont = TRUE;
    }
    if (cf.dwMask & CFM_UNDERLINE) {
        font.SetUnderline((cf.dwEffects & CFE_UNDERLINE) != 0);
        bFont = TRUE;
    }
    if (cf.dwMask & CFM_STRIKEOUT) {
        font.SetStrikeOut((cf.dwEffects & CFE_STRIKEOUT) != 0);
        bFont = TRUE;
    }
    if ((cf.dwMask & CFM_FACE) && cf.szFaceName[0] != 0) {
        font.SetFaceName(cf.szFaceName);
        bFont = TRUE;
    }
    if ((cf.dwMask & CFM_SIZE) && cf.yHeight > 0) {
        font.SetSize(cf.yHeight / 20.0);
        bFont = TRUE;
    }
    if (bFont)
        style.SetFont(font);
    if ((cf.dwMask & CFM_COLOR) && !(cf.dwEffects & CFE_AUTOCOLOR))
        style.SetTextColor(cf.crTextColor & 0xFFFFFF);
}

CRect CGXRichEditCtrl::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPCRECT pRectItem,
                                   const CGXStyle* pStyle)
{
    CRect rect = CGXControl::GetCellRect(nRow, nCol, pRectItem, pStyle);
    rect.left += Indent();
    rect.right -= Indent();
    return rect;
}

CSize CGXRichEditCtrl::AddBorders(CSize size, const CGXStyle& style)
{
    const int nExtra = Indent() * 3 / 2;
    size.cx += 2 * nExtra;
    size.cy += nExtra;
    return CGXControl::AddBorders(size, style);
}

void CGXRichEditCtrl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const CGXStyle* pStandardStyle)
{
    if (IsInitRowCol(nRow, nCol) && Grid()->IsCurrentCell(nRow, nCol) && !Grid()->IsPrinting() &&
        GetSafeHwnd() != nullptr && IsActive()) {
        DrawActive(pDC, rect, style);
    } else {
        if (IsInitRowCol(nRow, nCol) && GetSafeHwnd() != nullptr && IsWindowVisible() &&
            !Grid()->IsPrinting())
            Hide();
        DrawInactive(pDC, rect, nRow, nCol, style);
    }
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

void CGXRichEditCtrl::DrawActive(CDC* pDC, const CRect& rect, const CGXStyle& style)
{
    CGXInternalChange change;
    DrawBackground(pDC, rect, style, TRUE);
    const CRect rcText = GetCellRect(GetRow(), GetCol(), &rect, &style);
    SetBackgroundColor(FALSE,
                       BlackAndWhite(Grid()) ? RGB(255, 255, 255)
                                             : GXResolveColor(style.GetInterior().GetColor()));
    SetTargetDevice(nullptr, 0); // wrap to the window
    SetEventMask(m_dwEventMask);
    DWORD dwOptions = m_dwOptions;
    if (style.GetInclude(gxAllowEnter) && style.GetAllowEnter())
        dwOptions |= ECO_WANTRETURN;
    SetOptions(ECOOP_SET, dwOptions);
    m_bAutoSize = style.GetInclude(gxAutoSize) && style.GetAutoSize();
    SetReadOnly(IsReadOnly());
    {
        CGXFocusChangeLock lock(Grid());
        SetWindowPos(nullptr, rcText.left, rcText.top, rcText.Width(), rcText.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        CWnd* pGridWnd = Grid()->GetGridWnd();
        if (pGridWnd != nullptr && CWnd::GetFocus() == pGridWnd)
            SetFocus();
        SendMessage(EM_SCROLL, SB_PAGEUP);
        SendMessage(EM_SCROLLCARET);
        LimitText(style.GetInclude(gxMaxLength) ? (long)style.GetMaxLength() : 0);
        ShowWindow(SW_SHOWNA);
    }
    // The window paints itself: painting of the grid leaves its rectangle alone.
    AddExcludedRect(rcText);
    UpdateWindow();
}

void CGXRichEditCtrl::DrawInactive(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol,
                                   const CGXStyle& style)
{
    DrawBackground(pDC, rect, style, TRUE);
    const CRect rcText = GetCellRect(nRow, nCol, &rect, &style);
    if (rcText.Width() <= 1 || rcText.Height() <= 1 || !style.GetInclude(gxValue) ||
        style.GetValue().IsEmpty())
        return;
    if (!CreateControl(WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL, m_nID))
        return;
    const BOOL bBlackWhite = BlackAndWhite(Grid());
    CRichEditCtrl& wnd = Aux(nMeasure, style.GetValue());
    if (wnd.GetTextLength() == 0)
        return;
    pDC->SetTextColor(bBlackWhite ? RGB(0, 0, 0) : GXResolveColor(style.GetTextColor()));
    pDC->SetBkColor(bBlackWhite ? RGB(255, 255, 255)
                                : GXResolveColor(style.GetInterior().GetColor()));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);

    // Twips of the DC; a printing DC without an attribute DC of its own measures like the
    // screen.
    HDC hMeasure = pDC->m_hAttribDC != nullptr ? pDC->m_hAttribDC : pDC->GetSafeHdc();
    std::optional<CClientDC> dcScreen;
    if (Grid()->IsPrinting() && pDC->m_hAttribDC == nullptr)
        hMeasure = dcScreen.emplace(nullptr).GetSafeHdc();
    const int nPpiX = ::GetDeviceCaps(hMeasure, LOGPIXELSX);
    const int nPpiY = ::GetDeviceCaps(hMeasure, LOGPIXELSY);
    const CRect rcGrid = Grid()->GetGridRect();

    FORMATRANGE fr = {};
    fr.hdc = pDC->GetSafeHdc();
    fr.hdcTarget = hMeasure;
    fr.rcPage = CRect(Twips(rcGrid.left, nPpiX), Twips(rcGrid.top, nPpiY),
                      Twips(rcGrid.right, nPpiX), Twips(rcGrid.bottom, nPpiY));
    fr.rc = CRect(Twips(rcText.left, nPpiX), Twips(rcText.top, nPpiY), Twips(rcText.right, nPpiX),
                  Twips(rcText.bottom, nPpiY));
    fr.chrg.cpMin = 0;
    fr.chrg.cpMax = -1;
    int nOldMapMode = 0;
    CSize sizeWindowExt, sizeViewportExt;
    if (Grid()->IsPrinting()) {
        nOldMapMode = pDC->GetMapMode();
        sizeWindowExt = pDC->GetWindowExt();
        sizeViewportExt = pDC->GetViewportExt();
        pDC->SetMapMode(MM_TEXT);
    }
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rcText);
    wnd.FormatRange(nullptr, FALSE);
    const long nRendered = wnd.FormatRange(&fr, TRUE);
    wnd.FormatRange(nullptr, FALSE);
    if (nRendered <= 0) {
        // A rich-edit control that renders nothing into other DCs: the cell shows its plain
        // text in the cell's font instead of staying empty.
        CString strText;
        wnd.GetWindowText(strText);
        CFont* pOldFont = LoadFont(pDC, style, nullptr);
        CRect rcDraw = rcText;
        pDC->DrawText(strText, &rcDraw, GXTextFormatOf(style) | DT_NOPREFIX);
        if (pOldFont != nullptr)
            pDC->SelectObject(pOldFont);
    }
    pDC->RestoreDC(nSaved);
    if (Grid()->IsPrinting()) {
        pDC->SetMapMode(nOldMapMode);
        pDC->SetWindowExt(sizeWindowExt);
        pDC->SetViewportExt(sizeViewportExt);
    }
    pDC->SetBkMode(nOldMode);
}

CSize CGXRichEditCtrl::MeasureCellSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                       const CGXStyle*, BOOL)
{
    if (!style.GetInclude(gxValue) || style.GetValue().IsEmpty() ||
        !CreateControl(WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL, m_nID))
        return AddBorders(CSize(0, 0), style);
    CRect rcText = GetCellRect(nRow, nCol, nullptr, &style);
    rcText.OffsetRect(30000, 30000);
    CRichEditCtrl& wnd = Aux(nSize, style.GetValue());
    CGXInternalChange change;
    wnd.SetTargetDevice(nullptr, 0);
    wnd.SetEventMask(ENM_REQUESTRESIZE);
    wnd.SetWindowPos(nullptr, rcText.left, rcText.top, std::max(1, rcText.Width()),
                     std::max(1, rcText.Height()), SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_rectRequested.SetRectEmpty();
    m_bMeasuring = TRUE;
    wnd.RequestResize();
    m_bMeasuring = FALSE;
    wnd.ShowWindow(SW_HIDE);
    (void)pDC;
    return AddBorders(m_rectRequested.Size(), style);
}

BOOL CGXRichEditCtrl::GetCellFormats(ROWCOL nRow, ROWCOL nCol, CGXStyle& style)
{
    PARAFORMAT pf = {};
    pf.cbSize = sizeof pf;
    CHARFORMATA cf = {};
    cf.cbSize = sizeof cf;
    if (IsInitRowCol(nRow, nCol) && IsActive() && GetSafeHwnd() != nullptr) {
        GetSelectionCharFormat(cf);
        GetParaFormat(pf);
    } else {
        CString strValue;
        const CGXStyle& cell = Grid()->GetCachedCellStyle(nRow, nCol);
        if (!cell.GetInclude(gxValue) || cell.GetValue().IsEmpty() ||
            !CreateControl(WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL, m_nID))
            return FALSE;
        CRichEditCtrl& wnd = Aux(nFormat, cell.GetValue());
        wnd.SetSel(0, -1);
        wnd.GetSelectionCharFormat(cf);
        wnd.GetParaFormat(pf);
        m_strAux[nFormat].Empty(); // the window's selection changed: load afresh next time
    }
    if ((pf.dwMask & PFM_ALIGNMENT) == 0 &&
        (cf.dwMask &
         (CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_FACE | CFM_SIZE |
          CFM_COLOR)) == 0)
        return FALSE;
    FormatsToStyle(pf, cf, style);
    return TRUE;
}

BOOL CGXRichEditCtrl::WriteCellStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle,
                                     GXModifyType mt, UINT nFlags, const CGXStyle* pOldStyle)
{
    if (pStyle == nullptr || mt == (GXModifyType)2 || mt == (GXModifyType)4)
        return CGXControl::WriteCellStyle(nRow, nCol, pStyle, mt, nFlags, pOldStyle);
    PARAFORMAT pf;
    CHARFORMATA cf;
    StyleToFormats(pf, cf, *pStyle);
    const BOOL bFormats = pStyle->GetIncludeHorizontalAlignment() || pStyle->GetInclude(gxFont) ||
        pStyle->GetInclude(gxTextColor);
    if (!bFormats || !CreateControl(WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL, m_nID))
        return CGXControl::WriteCellStyle(nRow, nCol, pStyle, mt, nFlags, pOldStyle);

    // The formatting goes into the rich text; the rest of the style is stored as it is.
    CGXStyle* pRest = Grid()->TakeStyleObject();
    *pRest = *pStyle;
    pRest->SetInclude(gxFont | gxTextColor | gxHorzAlign, FALSE);
    BOOL bDone = FALSE;
    const BOOL bActiveHere = IsInitRowCol(nRow, nCol) && IsActive() && GetSafeHwnd() != nullptr &&
        Grid()->IsCurrentCell(nRow, nCol);
    if (bActiveHere && !pStyle->GetInclude(gxValue)) {
        // In the cell being edited: on the selection only.
        SetWordCharFormat(cf);
        SetSelectionCharFormat(cf);
        if (pf.dwMask != 0)
            SetParaFormat(pf);
        CRichEditCtrl::SetModify(TRUE);
        m_bNotified = TRUE;
        NotifyModified();
        bDone = TRUE;
    } else {
        CString strRtf;
        if (pStyle->GetInclude(gxValue))
            strRtf = pStyle->GetValue();
        else if (pOldStyle != nullptr && pOldStyle->GetInclude(gxValue))
            strRtf = pOldStyle->GetValue();
        else
            strRtf = Grid()->GetCachedCellStyle(nRow, nCol).GetValue();
        CRichEditCtrl& wnd = Aux(nFormat, strRtf);
        wnd.SetSel(0, -1);
        wnd.SetSelectionCharFormat(cf);
        if (pf.dwMask != 0)
            wnd.SetParaFormat(pf);
        pRest->SetValue(SaveRtf(wnd));
        m_strAux[nFormat].Empty();
    }
    if (pRest->GetInclude() != 0)
        bDone = CGXControl::WriteCellStyle(nRow, nCol, pRest, mt, nFlags, pOldStyle) || bDone;
    Grid()->ReturnStyleObject(pRest);
    return bDone;
}
