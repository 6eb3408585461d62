// CGXDateTimeCtrl: the texts of cells that are not edited, the live window's part as a cell
// control (validation, change notes, activating and hiding) and drawing the cell.
#include "controls/GXDateTimeCtrl.h"
#include "controls/GXFocusChangeLock.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXRange.h"
#include "core/GXResourceString.h"
#include "res/GXResource.h"
#include "core/GXSysColorCache.h"

#include <windows.h>

namespace {
// The cell's interior and text colours: white and black while the grid prints (or
// previews) in black and white.
void CellColors(CGXGridCore* pGrid, const CGXStyle& style, COLORREF& crBack, COLORREF& crText)
{
    const GXPaintPass* pPass = pGrid->GetPaintPass();
    if (pPass != nullptr && pPass->bBlackWhite) {
        crBack = RGB(255, 255, 255);
        crText = RGB(0, 0, 0);
        return;
    }
    crBack = GXResolveColor(style.GetInterior().GetColor());
    crText = GXResolveColor(style.GetTextColor());
}
} // namespace

// ---------------------------------------------------------------------------------------
// Texts of cells that are not edited (the captive window).

BOOL CGXDateTimeCtrl::FormatDisplayText(CString& strText, ROWCOL, ROWCOL, LPCTSTR pszValue,
                                        const CGXStyle& style)
{
    if (pszValue == nullptr) {
        if (!style.GetInclude(gxValue))
            return FALSE;
        pszValue = style.GetValue();
    }
    strText.Empty();
    COleDateTime value;
    if (!ParseValue(pszValue, value))
        return TRUE; // no text for an unparsable value
    ApplyFormat(m_wndCaptive, style);
    m_wndCaptive.SetDateTime(value);
    strText = m_wndCaptive.GetGadgetText();
    return TRUE;
}

BOOL CGXDateTimeCtrl::AcceptsTypedText(CString& strText, ROWCOL, ROWCOL, const CGXStyle& style)
{
    CString strTrimmed = strText;
    strTrimmed.TrimLeft();
    strTrimmed.TrimRight();
    if (strTrimmed.IsEmpty()) {
        strText.Empty();
        return TRUE;
    }
    ApplyFormat(m_wndCaptive, style);
    COleDateTime value;
    if (value.ParseDateTime(strTrimmed, 0, LANG_USER_DEFAULT) && (DATE)value != 0) {
        m_wndCaptive.SetDateTime(value);
        strText = FormatValue(m_wndCaptive.GetDateTime());
        return TRUE;
    }
    // Split at the format's separators (and blanks and line breaks) and hand the pieces to
    // the fields in order.
    CString strSeparators = " \t\r\n";
    for (int i = m_wndCaptive.GetFixedCount(); i < m_wndCaptive.GetGadgetCount(); ++i)
        if (m_wndCaptive.GetGadget(i)->GetID() == GXBDT_ID_STATIC)
            strSeparators += m_wndCaptive.GetGadget(i)->GetText();
    CStringArray pieces;
    CString strPiece;
    for (int i = 0; i <= strTrimmed.GetLength(); ++i) {
        char c = i < strTrimmed.GetLength() ? strTrimmed[i] : 0;
        if (c == 0 || strSeparators.Find(c) >= 0) {
            if (!strPiece.IsEmpty())
                pieces.Add(strPiece);
            strPiece.Empty();
        } else {
            strPiece += c;
        }
    }
    if (pieces.GetSize() == 0)
        return FALSE;
    m_wndCaptive.SetDateTime(DefaultValue());
    int nPiece = 0;
    for (int i = m_wndCaptive.GetFixedCount();
         i < m_wndCaptive.GetGadgetCount() && nPiece < pieces.GetSize(); ++i) {
        CGXBDTGadget* pGadget = m_wndCaptive.GetGadget(i);
        int nID = pGadget->GetID();
        if (nID <= 0)
            continue;
        const CString& str = pieces[nPiece++];
        int nArg;
        if (auto* pList = dynamic_cast<CGXBDTListGadget*>(pGadget)) {
            nArg = pList->FindPrefix(str, 0, FALSE);
        } else {
            for (int k = 0; k < str.GetLength(); ++k)
                if (str[k] < '0' || str[k] > '9')
                    return FALSE;
            nArg = atoi(str);
        }
        if (nArg < 0 || !m_wndCaptive.OnGadgetNotify(GXBDT_SET, nID, nArg))
            return FALSE;
    }
    if (nPiece < pieces.GetSize())
        return FALSE; // more pieces than fields
    strText = FormatValue(m_wndCaptive.GetDateTime());
    return TRUE;
}

BOOL CGXDateTimeCtrl::GetStyleText(ROWCOL, ROWCOL, const CGXStyle& style, CString& strText)
{
    COleDateTime value;
    strText.Empty();
    if (ParseValue(style.GetValue(), value))
        strText.Format("%f", (double)value.m_dt);
    return TRUE;
}

CSize CGXDateTimeCtrl::MeasureCellSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style,
                                       const CGXStyle* pStandardStyle, BOOL)
{
    CreateWindows();
    ApplyFormat(m_wndCaptive, style);
    CFont* pOldFont = LoadFont(pDC, style, pStandardStyle);
    m_wndCaptive.LayoutGadgetsIn(*pDC, CRect(0, 0, 30000, 100));
    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    int cy = tm.tmHeight + tm.tmExternalLeading + 1;
    int cx = 0;
    for (int i = 0; i < m_wndCaptive.GetGadgetCount(); ++i) {
        const CRect& rect = m_wndCaptive.GetGadget(i)->GetRect();
        cx += rect.Width();
        if (!m_wndCaptive.GetGadget(i)->IsFixed())
            cy = std::max(cy, (int)rect.Height());
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    return AddBorders(CSize(cx, cy), style);
}

// ---------------------------------------------------------------------------------------
// The live window's part as a cell control.

BOOL CGXDateTimeCtrl::ValidateValue(const COleDateTime&)
{
    m_nFindRow = m_nFindCol = INT_MAX;
    if (IsInit() && IsCellReadOnly())
        return FALSE;
    SetModify(TRUE);
    m_bEmpty = FALSE;
    return TRUE;
}

void CGXDateTimeCtrl::NotifyChange()
{
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
    if (IsInit() && GetModify())
        NotifyModified();
}

BOOL CGXDateTimeCtrl::Activate()
{
    if (!IsInit())
        return FALSE;
    if (!IsActive()) {
        if (!OnStartEditing())
            return FALSE;
        SetActive(TRUE);
        Refresh();
    }
    return TRUE;
}

void CGXDateTimeCtrl::Hide()
{
    if (m_hWnd == nullptr)
        return;
    CGXFocusChangeLock lock(m_pGrid);
    BOOL bHadFocus = ::GetFocus() == m_hWnd;
    SetWindowPos(nullptr, 10000, 10000, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    if (bHadFocus && m_pGrid->GetGridWnd() != nullptr)
        m_pGrid->GetGridWnd()->SetFocus();
}

void CGXDateTimeCtrl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const CGXStyle* pStandardStyle)
{
    CreateWindows();
    CRect rectInner = GetCellRect(nRow, nCol, &rect, &style);
    if (IsInitRowCol(nRow, nCol) && IsActive() && !m_pGrid->IsPrinting() && m_hWnd != nullptr &&
        m_pGrid->IsCurrentCell(nRow, nCol)) {
        // The live window sits on the cell.
        LOGFONT lf = style.GetFont().GetLogFont();
        m_font.DeleteObject();
        if (m_font.CreateFontIndirect(&lf))
            SendMessage(WM_SETFONT, (WPARAM)m_font.GetSafeHandle(), FALSE);
        CellColors(m_pGrid, style, m_clrBack, m_clrText);
        CRect rectWnd;
        GetWindowRect(&rectWnd);
        m_pGrid->GetGridWnd()->ScreenToClient(&rectWnd);
        if (rectWnd != rectInner || !IsWindowVisible()) {
            SetWindowPos(nullptr, rectInner.left, rectInner.top, rectInner.Width(),
                         rectInner.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        }
        Invalidate(FALSE);
        int nSaved = pDC->SaveDC();
        pDC->ExcludeClipRect(&rectInner);
        DrawBackground(pDC, rect, style);
        pDC->RestoreDC(nSaved);
        CWnd* pFocus = CWnd::GetFocus();
        if (pFocus != nullptr && pFocus->m_hWnd == m_pGrid->GetGridWnd()->m_hWnd)
            SetFocus();
        return;
    }

    // Any other cell: the captive window's fields drawn straight into the grid.
    DrawBackground(pDC, rect, style);
    ApplyFormat(m_wndCaptive, style);
    COleDateTime value;
    BOOL bValue = style.GetInclude(gxValue) && ParseValue(style.GetValue(), value);
    if (bValue)
        m_wndCaptive.SetDateTime(value);
    COLORREF crBack = 0, crText = 0;
    CellColors(m_pGrid, style, crBack, crText);
    CFont* pOldFont = LoadFont(pDC, style, pStandardStyle);
    m_wndCaptive.LayoutGadgetsIn(*pDC, rectInner);
    int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rectInner);
    pDC->SetBkMode(TRANSPARENT);
    for (int i = 0; i < m_wndCaptive.GetGadgetCount(); ++i) {
        CGXBDTGadget* pGadget = m_wndCaptive.GetGadget(i);
        if (pGadget->IsFixed()) {
            BOOL bDraw =
                pGadget->GetID() == GXBDT_ID_DROPBUTTON ? nRow != 0 : pStandardStyle != nullptr;
            if (bDraw)
                pGadget->Draw(*pDC);
        } else if (bValue) {
            pDC->SetTextColor(crText);
            pGadget->Draw(*pDC);
        }
    }
    pDC->RestoreDC(nSaved);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}
