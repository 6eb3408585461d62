// CGXEditControl: binding to the current cell, values and texts, activation, storing, the
// window laid over the cell and its style.
#include "controls/GXEditControl.h"
#include "controls/GXControlFactory.h"
#include "controls/GXFocusChangeLock.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXRange.h"
#include "fw/dc.h"

GX_IMPLEMENT_CONTROL(CGXEditControl, CGXStatic)
GX_NO_CONTROL_ATTRIBUTES(CGXEditControl)

BOOL CGXEditControl::s_bComposing = FALSE;

CGXControl* GXCreate_CGXEditControl(CGXGridCore* pGrid, UINT nID)
{
    return new CGXEditControl(pGrid, nID);
}

CGXEditControl::CGXEditControl(CGXGridCore* pGrid, UINT nID)
    : CGXStatic(pGrid), m_nID(nID), m_bActive(FALSE), m_nLineHeight(0), m_nMaxCharWidth(0),
      m_crBack(RGB(255, 255, 255)), m_nAlign(0), m_bAllowEnter(FALSE), m_bWrapText(FALSE),
      m_bVertScroll(FALSE), m_bAutoSize(FALSE), m_nMaxLength(0), m_bReplacing(FALSE),
      m_bRelayout(FALSE), m_bInRecalc(FALSE), m_crHighlightText(::GetSysColor(COLOR_HIGHLIGHTTEXT))
{ }

CGXEditControl::~CGXEditControl()
{
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

BOOL CGXEditControl::CreateControl(DWORD dwStyle, const CRect& rect)
{
    CWnd* pGridWnd = Grid()->GetGridWnd();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    WNDCLASSA wc;
    const char* pszClass =
        ::GetClassInfoA(AfxGetInstanceHandle(), "GXEDIT", &wc) ? "GXEDIT" : "EDIT";
    return CreateEx(0, pszClass, "", dwStyle, rect, pGridWnd, m_nID);
}

void CGXEditControl::SetWindowTextQuiet(LPCTSTR pszText)
{
    if (GetSafeHwnd() == nullptr)
        return;
    const BOOL bOld = m_bReplacing;
    m_bReplacing = TRUE;
    ::SetWindowTextA(m_hWnd, pszText != nullptr ? pszText : "");
    m_bReplacing = bOld;
}

void CGXEditControl::SetActive(BOOL bActive)
{
    if (GetSafeHwnd() == nullptr) {
        m_bActive = FALSE;
        return;
    }
    if (bActive && !m_bActive) {
        m_bActive = TRUE;
        FreeStyle(TRUE);
        LoadStyle();
    } else {
        m_bActive = bActive;
    }
    if (IsInit())
        InvalidateCell(GetRow(), GetCol());
}

BOOL CGXEditControl::IsActive() { return m_bActive; }

void CGXEditControl::SetModify(BOOL bModified)
{
    if (GetSafeHwnd() != nullptr)
        SendMessage(EM_SETMODIFY, (WPARAM)bModified);
}

BOOL CGXEditControl::GetModify()
{
    return GetSafeHwnd() != nullptr && (BOOL)SendMessage(EM_GETMODIFY);
}

void CGXEditControl::Init(ROWCOL nRow, ROWCOL nCol)
{
    s_bComposing = FALSE;
    CGXStatic::Init(nRow, nCol);
    if (GetSafeHwnd() == nullptr &&
        !CreateControl(CalcWindowStyle(CRect(0, 0, 0, 0), 0) & ~WS_VISIBLE, CRect(0, 0, 0, 0)))
        return;
    CGXStyle* pStyle = LoadStyle();
    if (pStyle == nullptr)
        return;
    m_bAutoSize = pStyle->GetInclude(gxAutoSize) && pStyle->GetAutoSize();
    SetValue(pStyle->GetInclude(gxValue) ? (LPCTSTR)pStyle->GetValue() : "");
    SetSel(0, -1);
    if (IsActive())
        LineScroll(255);
    SetModify(FALSE);
}

void CGXEditControl::SetValue(LPCTSTR pszValue)
{
    if (GetSafeHwnd() == nullptr || !IsInit())
        return;
    CGXStyle* pStyle = LoadStyle();
    CString strText = pszValue != nullptr ? pszValue : "";
    CGXGridParam* pParam = Grid()->GetParam();
    if (pStyle != nullptr && !(pParam != nullptr && pParam->m_bShowStoredValues)) {
        CString strShown;
        if (FormatDisplayText(strShown, GetRow(), GetCol(), pszValue, *pStyle))
            strText = strShown;
    }
    SetWindowTextQuiet(strText);
    if (IsActive()) {
        InvalidateCell(GetRow(), GetCol());
        Grid()->RefreshFloatBlocks(CGXRange(GetRow(), GetCol(), GetRow(), GetCol()), GX_INVALIDATE);
    }
}

BOOL CGXEditControl::GetEditText(CString& strText)
{
    if (IsActive() && GetSafeHwnd() != nullptr) {
        GetWindowText(strText);
        return TRUE;
    }
    if (IsInit())
        return CGXStatic::GetEditText(strText);
    strText.Empty();
    return FALSE;
}

void CGXEditControl::SetEditText(const CString& strText)
{
    if (!IsInit() || GetSafeHwnd() == nullptr)
        return;
    if (!IsActive())
        SetActive(TRUE);
    if (ValidateText(strText)) {
        SetWindowTextQuiet(strText);
        SetModify(TRUE);
        NotifyModified();
    }
    InvalidateCell(GetRow(), GetCol());
}

BOOL CGXEditControl::GetValue(CString& strValue)
{
    if (!IsInit())
        return FALSE;
    return GetEditText(strValue);
}

BOOL CGXEditControl::Store()
{
    if (m_pStyle == nullptr || !GetModify())
        return TRUE;
    CString strText;
    if (!GetValue(strText))
        return TRUE;
    SetActive(FALSE);
    FreeStyle(TRUE);
    SetModify(FALSE);
    return WriteCellText(GetRow(), GetCol(), strText, GX_INVALIDATE);
}

BOOL CGXEditControl::OnEndEditing()
{
    const BOOL bResult = CGXStatic::OnEndEditing();
    if (bResult && IsInit())
        InvalidateCell(GetRow(), GetCol());
    return bResult;
}

BOOL CGXEditControl::AllowsTextFloat(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                     BOOL bFloatOrFlood)
{
    CString strText;
    FormatDisplayText(strText, nRow, nCol, nullptr, style);
    return !strText.IsEmpty() || bFloatOrFlood;
}

DWORD CGXEditControl::CalcWindowStyle(const CRect& rect, int nLineHeight)
{
    DWORD dwStyle =
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL;
    if (m_bAllowEnter)
        dwStyle |= ES_WANTRETURN;
    const DWORD dwAlign = (m_nAlign & 2) ? ES_RIGHT : (m_nAlign & 1) ? ES_CENTER : ES_LEFT;
    if (m_bWrapText) {
        if (m_bVertScroll)
            dwStyle |= WS_VSCROLL;
        dwStyle |= dwAlign;
        return dwStyle;
    }
    dwStyle |= ES_AUTOHSCROLL;
    // A text wider than the window scrolls from the left whatever the alignment.
    if (GetSafeHwnd() != nullptr && m_nMaxCharWidth > 0) {
        CString strText;
        GetWindowText(strText);
        CClientDC dc(this);
        CFont* pOld = m_font.GetSafeHandle() != nullptr ? dc.SelectObject(&m_font) : nullptr;
        const int cx = dc.GetTextExtent(strText).cx;
        if (pOld != nullptr)
            dc.SelectObject(pOld);
        if (cx > rect.Width() - m_nMaxCharWidth)
            return dwStyle;
    }
    (void)nLineHeight;
    return dwStyle | dwAlign;
}

void CGXEditControl::RecalcLayout()
{
    if (m_bInRecalc || GetSafeHwnd() == nullptr)
        return;
    m_bInRecalc = TRUE;
    CRect rect;
    GetWindowRect(&rect);
    GetParent()->ScreenToClient(&rect);
    const DWORD dwWanted = CalcWindowStyle(rect, m_nLineHeight) & ~WS_VISIBLE;
    const DWORD dwMask = ES_WANTRETURN | ES_RIGHT | ES_CENTER | ES_AUTOHSCROLL | WS_VSCROLL;
    if ((GetStyle() & dwMask) != (dwWanted & dwMask)) {
        // The edit's alignment and scrolling are fixed at creation: a new window with the
        // same text, font, selection, modify flag, read-only state and limit.
        CString strText;
        GetWindowText(strText);
        int nStart = 0, nEnd = 0;
        GetSel(nStart, nEnd);
        const BOOL bModified = GetModify();
        const BOOL bReadOnly = (GetStyle() & ES_READONLY) != 0;
        const UINT nLimit = GetLimitText();
        const BOOL bVisible = IsWindowVisible();
        const BOOL bFocus = ::GetFocus() == m_hWnd;
        {
            CGXFocusChangeLock lock(Grid());
            DestroyWindow();
            CreateControl(dwWanted | (bVisible ? WS_VISIBLE : 0), rect);
        }
        SetWindowTextQuiet(strText);
        if (m_font.GetSafeHandle() != nullptr)
            SendMessage(WM_SETFONT, (WPARAM)m_font.GetSafeHandle(), FALSE);
        SetSel(nStart, nEnd);
        SetReadOnly(bReadOnly);
        SendMessage(EM_LIMITTEXT, nLimit);
        SetModify(bModified);
        if (bFocus) {
            CGXFocusChangeLock lock(Grid());
            SetFocus();
        }
    }
    // The caret line in view.
    const int nCaretLine = LineFromChar(-1);
    const int nFirst = GetFirstVisibleLine();
    if (nCaretLine < nFirst)
        LineScroll(nCaretLine - nFirst);
    SendMessage(EM_SCROLLCARET);
    m_bInRecalc = FALSE;
}

void CGXEditControl::LayoutWindow(const CGXStyle& style)
{
    Hide();
    CGXGridCore* pGrid = Grid();
    m_font.DeleteObject();
    LOGFONT lf = style.GetFont().GetLogFont(pGrid->GetZoomPercent());
    lf.lfOrientation = 0;
    lf.lfEscapement = 0;
    m_font.CreateFontIndirect(&lf);
    const GXPaintPass* pPass = pGrid->GetPaintPass();
    m_crBack = pPass != nullptr && pPass->bBlackWhite ? RGB(255, 255, 255)
                                                      : style.GetInterior().GetColor();
    {
        CClientDC dc(this);
        CFont* pOld = dc.SelectObject(&m_font);
        TEXTMETRIC tm = {};
        dc.GetTextMetrics(&tm);
        dc.SelectObject(pOld);
        m_nLineHeight = tm.tmHeight + tm.tmExternalLeading;
        m_nMaxCharWidth = tm.tmMaxCharWidth;
    }
    const UINT nHorz = style.GetHorizontalAlignment();
    const UINT nVert = style.GetVerticalAlignment();
    m_nAlign = (nHorz == DT_CENTER      ? 1
                    : nHorz == DT_RIGHT ? 2
                                        : 0) |
        (nVert == DT_VCENTER      ? 4
             : nVert == DT_BOTTOM ? 8
                                  : 0);
    m_bAllowEnter = style.GetAllowEnter();
    m_bWrapText = style.GetWrapText();
    m_bVertScroll = style.GetVerticalScrollBar();
    m_nMaxLength = style.GetInclude(gxMaxLength) ? style.GetMaxLength() : 0;

    CRect rect = GetCellRect(GetRow(), GetCol(), nullptr, &style);
    if (!m_bWrapText && style.GetInclude(gxVertAlign)) {
        if (m_nAlign & 4)
            rect.top += std::max(0, (rect.Height() - m_nLineHeight) / 2);
        else if (m_nAlign & 8)
            rect.top = std::max(rect.top, rect.bottom - m_nLineHeight);
        rect.bottom = std::min(rect.bottom, rect.top + m_nLineHeight);
    }
    if (m_nAlign & 2)
        rect.right += 1;
    rect.bottom = std::max(rect.bottom, rect.top + m_nLineHeight + 1);
    SendMessage(WM_SETFONT, (WPARAM)m_font.GetSafeHandle(), FALSE);
    {
        CGXFocusChangeLock lock(pGrid);
        SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    pGrid->ClipCellWindowToScrollArea(this, GetRow(), GetCol());
    RecalcLayout();
    m_bActive = TRUE;
    CWnd* pGridWnd = pGrid->GetGridWnd();
    if (pGridWnd != nullptr && ::GetFocus() == pGridWnd->GetSafeHwnd()) {
        CGXFocusChangeLock lock(pGrid);
        SetFocus();
    }
    SendMessage(EM_LIMITTEXT, (WPARAM)m_nMaxLength);
    ShowWindow(SW_SHOW);
    SetReadOnly(IsReadOnly());
}

void CGXEditControl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle)
{
    CGXGridCore* pGrid = Grid();
    if (!IsInitRowCol(nRow, nCol) || !IsActive() || pGrid->IsPrinting() ||
        GetSafeHwnd() == nullptr || !pGrid->IsCurrentCell(nRow, nCol)) {
        HideWindowOfInactiveCell(nRow, nCol);
        CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    if (s_bComposing)
        return;
    const CRect rectCell = GetCellRect(nRow, nCol, &rect, &style);
    if (m_bRelayout && IsWindowVisible()) {
        m_bRelayout = FALSE;
        CGXFocusChangeLock lock(pGrid);
        SetWindowPos(nullptr, rectCell.left, rectCell.top, rectCell.Width(), rectCell.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        pGrid->ClipCellWindowToScrollArea(this, nRow, nCol);
        DrawBackground(pDC, rect, style, TRUE);
        AddExcludedRect(rect);
        CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    m_bRelayout = FALSE;
    DrawBackground(pDC, rect, style, TRUE);
    CRect rectWnd;
    GetWindowRect(&rectWnd);
    GetParent()->ScreenToClient(&rectWnd);
    if (!IsWindowVisible() || rectWnd.left != rectCell.left || rectWnd.top < rectCell.top ||
        rectWnd.top >= rectCell.bottom)
        LayoutWindow(style);
    UpdateWindow();
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    AddExcludedRect(rect);
}

void CGXEditControl::Hide()
{
    if (GetSafeHwnd() == nullptr || !IsWindowVisible())
        return;
    CGXGridCore* pGrid = Grid();
    CGXFocusChangeLock lock(pGrid);
    const BOOL bHadFocus = ::GetFocus() == m_hWnd;
    HideCaret();
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    // Keys typed next go to the grid, which hands them to the current cell.
    CWnd* pGridWnd = pGrid->GetGridWnd();
    if (bHadFocus && pGridWnd != nullptr && pGridWnd->GetSafeHwnd() != nullptr)
        pGridWnd->SetFocus();
}

CString CGXEditControl::TextWithSelectionReplaced(LPCTSTR pszText)
{
    CString strText;
    GetWindowText(strText);
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    nStart = std::max(0, std::min(nStart, strText.GetLength()));
    nEnd = std::max(nStart, std::min(nEnd, strText.GetLength()));
    return strText.Left(nStart) + (pszText != nullptr ? pszText : "") + strText.Mid(nEnd);
}

void CGXEditControl::ReplaceSel(LPCTSTR pszText)
{
    if (!IsActive() || GetSafeHwnd() == nullptr) {
        CGXStatic::ReplaceSel(pszText);
        return;
    }
    if (IsReadOnly())
        return;
    SetModify(TRUE);
    const BOOL bOld = m_bReplacing;
    m_bReplacing = TRUE;
    SendMessage(EM_REPLACESEL, TRUE, (LPARAM)(pszText != nullptr ? pszText : ""));
    m_bReplacing = bOld;
    SetModify(TRUE);
    NotifyModified();
    InvalidateCell(GetRow(), GetCol());
}

BOOL CGXEditControl::GetSelectedEditText(CString& strText)
{
    if (IsActive() && GetSafeHwnd() != nullptr) {
        int nStart = 0, nEnd = 0;
        GetSel(nStart, nEnd);
        if (nStart < nEnd) {
            CString strAll;
            GetWindowText(strAll);
            strText = strAll.Mid(nStart, nEnd - nStart);
            return TRUE;
        }
    }
    GetEditText(strText);
    return FALSE;
}

BOOL CGXEditControl::CanPasteText(const CString& strText)
{
    if (!IsActive() || GetSafeHwnd() == nullptr)
        return ValidateText(strText);
    return ValidateText(TextWithSelectionReplaced(strText));
}
