// The list-box cell: the list drawn in inactive cells, the list window over the active cell.
#include "controls/GXListBox.h"
#include "controls/GXControlFactory.h"
#include "controls/GXFocusChangeLock.h"
#include "core/GXChoiceList.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXPaintPass.h"
#include "core/GXSysColorCache.h"
#include "fw/dc.h"

#include <algorithm>
#include <vector>

GX_IMPLEMENT_CONTROL(CGXListBox, CGXControl)

CGXControl* GXCreate_CGXListBox(CGXGridCore* pGrid, UINT nID) { return new CGXListBox(pGrid, nID); }
GX_NO_CONTROL_ATTRIBUTES(CGXListBox)

namespace {
std::vector<CString> ChoiceLines(const CGXStyle& style)
{
    std::vector<CString> lines;
    CString strList = style.GetChoiceList(), strLine;
    while (!strList.IsEmpty()) {
        GXExtractLine(strList, strLine);
        lines.push_back(strLine);
    }
    return lines;
}

int FrameMargin() { return std::max(2, ::GetSystemMetrics(SM_CXFRAME) / 2); }
} // namespace

CGXListBox::CGXListBox(CGXGridCore* pGrid, UINT nID)
    : CGXControl(pGrid), m_nID(nID), m_bActive(FALSE), m_bModified(FALSE),
      m_crBackground(RGB(255, 255, 255)), m_crHighlightText(::GetSysColor(COLOR_HIGHLIGHTTEXT))
{ }

CGXListBox::~CGXListBox()
{
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

CRuntimeClass* CGXListBox::GetWndRuntimeClass() { return RUNTIME_CLASS(CListBox); }

BOOL CGXListBox::CreateControl()
{
    if (GetSafeHwnd() != nullptr)
        return TRUE;
    CWnd* pGridWnd = m_pGrid->GetGridWnd();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    return CWnd::CreateEx(0, "GXLISTBOX", nullptr, WS_CHILD | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY,
                          0, 0, 0, 0, pGridWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)m_nID);
}

void CGXListBox::SetActive(BOOL bActive) { m_bActive = bActive; }
BOOL CGXListBox::IsActive() { return m_bActive; }
void CGXListBox::SetModify(BOOL bModified) { m_bModified = bModified; }
BOOL CGXListBox::GetModify() { return m_bModified; }

void CGXListBox::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXControl::Init(nRow, nCol);
    CreateControl();
    LoadStyle();
    SetActive(FALSE);
    SetModify(FALSE);
}

void CGXListBox::FillList()
{
    if (GetSafeHwnd() == nullptr || !m_bInit)
        return;
    ResetContent();
    const CGXStyle* pStyle = LoadStyle();
    if (pStyle == nullptr)
        return;
    for (const CString& strLine : ChoiceLines(*pStyle))
        AddString(strLine);
    CString strText;
    FormatDisplayText(strText, m_nRow, m_nCol, nullptr, *pStyle);
    if (!strText.IsEmpty()) {
        // Only a line equal to the text is selected.
        const int nIndex = FindStringExact(-1, strText);
        if (nIndex != LB_ERR)
            SetCurSel(nIndex);
    }
}

BOOL CGXListBox::GetEditText(CString& strText)
{
    if (!IsActive() || GetSafeHwnd() == nullptr)
        return CGXControl::GetEditText(strText);
    strText.Empty();
    const int nSel = GetCurSel();
    if (nSel != LB_ERR)
        GetText(nSel, strText);
    return TRUE;
}

void CGXListBox::SetEditText(const CString& strText)
{
    if (!m_bInit || GetSafeHwnd() == nullptr)
        return;
    if (!IsActive()) {
        SetActive(TRUE);
        FillList();
    }
    if (!ValidateText(strText))
        return;
    const int nIndex = FindStringExact(-1, strText);
    SetCurSel(nIndex != LB_ERR ? nIndex : -1);
    SetModify(TRUE);
    NotifyModified();
}

BOOL CGXListBox::Store()
{
    if (IsReadOnly()) {
        Init(m_nRow, m_nCol);
        SetModify(FALSE);
        Refresh();
    }
    CString strText;
    const BOOL bWrite = m_pStyle != nullptr && GetModify() && GetEditText(strText);
    SetActive(FALSE);
    if (!bWrite)
        return TRUE;
    SetModify(FALSE);
    FreeStyle(TRUE);
    return m_pGrid->SetValueRange(CGXRange(m_nRow, m_nCol, m_nRow, m_nCol), strText, GX_INVALIDATE);
}

CSize CGXListBox::MeasureCellSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style,
                                  const CGXStyle* pStandardStyle, BOOL)
{
    const int nSaved = pDC->SaveDC();
    LoadFont(pDC, style, pStandardStyle);
    CSize size(0, 0);
    for (const CString& strLine : ChoiceLines(style)) {
        const CSize line = pDC->GetTextExtent(strLine.IsEmpty() ? CString(" ") : strLine);
        size.cx = std::max(size.cx, line.cx);
        size.cy += line.cy;
    }
    pDC->RestoreDC(nSaved);
    size.cx += 4;
    return AddBorders(size, style);
}

CSize CGXListBox::AddBorders(CSize size, const CGXStyle& style)
{
    const int m = FrameMargin();
    size = CGXControl::AddBorders(size, style);
    size.cx += m + m / 2;
    return size;
}

void CGXListBox::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      const CGXStyle* pStandardStyle)
{
    const GXPaintPass* pPass = m_pGrid->GetPaintPass();
    const BOOL bBlackWhite = pPass != nullptr && pPass->bBlackWhite;
    const CRect rectInner = GetCellRect(nRow, nCol, &rect, &style);
    if (IsInitRowCol(nRow, nCol) && IsActive() && !m_pGrid->IsPrinting() &&
        GetSafeHwnd() != nullptr && m_pGrid->IsCurrentCell(nRow, nCol)) {
        // The list window over the cell.
        CGXFocusChangeLock lock(m_pGrid);
        Hide();
        LOGFONT lf = style.GetFont().GetLogFontRef();
        lf.lfHeight = (LONG)(lf.lfHeight * m_pGrid->GetZoomPercent() * 0.01);
        lf.lfOrientation = lf.lfEscapement = 0;
        m_font.DeleteObject();
        m_font.CreateFontIndirect(&lf);
        m_crBackground = bBlackWhite ? RGB(255, 255, 255) : style.GetInterior().GetColorNA();
        DrawBackground(pDC, rect, style, TRUE);
        CRect rectWnd = rectInner;
        if (style.GetHorizontalAlignment() & DT_RIGHT)
            rectWnd.right += 1;
        SetWindowPos(nullptr, rectWnd.left, rectWnd.top, rectWnd.Width(), rectWnd.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        SetFont(&m_font, FALSE);
        // A choice the user made stays; otherwise the list shows the cell's value.
        if (!GetModify())
            FillList();
        ShowWindow(SW_SHOWNOACTIVATE);
        Invalidate(FALSE);
        CWnd* pGridWnd = m_pGrid->GetGridWnd();
        CWnd* pFocus = CWnd::GetFocus();
        if (pGridWnd != nullptr && pFocus != nullptr &&
            pFocus->GetSafeHwnd() == pGridWnd->GetSafeHwnd())
            SetFocus();
        AddExcludedRect(rectWnd);
        return;
    }
    if (rect.Width() <= 1 || rect.Height() <= 1)
        return;
    const int nSaved = pDC->SaveDC();
    LoadFont(pDC, style, pStandardStyle);
    pDC->SetTextColor(bBlackWhite ? RGB(0, 0, 0) : m_pGrid->ResolveTextColor(style));
    pDC->SetBkMode(TRANSPARENT);
    DrawBackground(pDC, rect, style, TRUE);
    pDC->IntersectClipRect(&rectInner);
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    const int nLine = std::max(1, (int)(tm.tmHeight + tm.tmExternalLeading));
    const std::vector<CString> lines = ChoiceLines(style);
    CString strValue;
    FormatDisplayText(strValue, nRow, nCol, nullptr, style);
    int nSelected = -1;
    for (size_t i = 0; i < lines.size() && !strValue.IsEmpty(); ++i)
        if (lines[i] == strValue) {
            nSelected = (int)i;
            break;
        }
    // A selected line below the cell: the drawing starts later so it is the last one shown.
    const int nVisible = std::max(1, rectInner.Height() / nLine);
    const int nFirst = nSelected >= nVisible ? nSelected - nVisible + 1 : 0;
    int y = rectInner.top;
    for (int i = nFirst; i < (int)lines.size() && y < rectInner.bottom; ++i, y += nLine) {
        pDC->TextOut(rectInner.left + 2, y, lines[i]);
        if (i == nSelected) {
            CRect rectLine(rectInner.left, y, rectInner.right,
                           std::min(y + nLine, (int)rectInner.bottom));
            pDC->InvertRect(&rectLine);
        }
    }
    pDC->RestoreDC(nSaved);
}

void CGXListBox::Hide()
{
    if (GetSafeHwnd() == nullptr || !IsWindowVisible())
        return;
    CGXFocusChangeLock lock(m_pGrid);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}

BOOL CGXListBox::ActivateAndClick(UINT nFlags, CPoint point)
{
    if (!OnStartEditing())
        return FALSE;
    SetActive(TRUE);
    FillList();
    Refresh();
    const CRect rectInner = GetCellRect(m_nRow, m_nCol);
    const LPARAM lParam = MAKELPARAM(point.x - rectInner.left, point.y - rectInner.top);
    PostMessage(WM_LBUTTONDOWN, nFlags | MK_LBUTTON, lParam);
    PostMessage(WM_LBUTTONUP, nFlags, lParam);
    return TRUE;
}

BOOL CGXListBox::LButtonUp(UINT nFlags, CPoint point, UINT nHitState)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    const WORD wActivate = pParam != nullptr ? pParam->m_wActivateCell : 1;
    if ((nHitState & 2) != 0 || (wActivate & (1 | 2 | 4)) == 0 || !m_bInit)
        return TRUE;
    if (!IsActive() && !ActivateAndClick(nFlags, point))
        return FALSE;
    CGXControl::LButtonUp(nFlags, point, nHitState);
    return TRUE;
}

BOOL CGXListBox::LButtonDblClk(UINT nFlags, CPoint point)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    const WORD wActivate = pParam != nullptr ? pParam->m_wActivateCell : 1;
    if (IsActive() || (wActivate & 8) == 0 || !m_bInit)
        return CGXControl::LButtonDblClk(nFlags, point);
    return ActivateAndClick(nFlags, point);
}

BOOL CGXListBox::RouteKeyMessage(UINT nMessage, UINT, UINT, UINT)
{
    if (nMessage != WM_KEYDOWN || IsActive() || !m_bInit || GetSafeHwnd() == nullptr)
        return FALSE;
    if (!OnStartEditing())
        return TRUE;
    SetActive(TRUE);
    FillList();
    Refresh();
    return TRUE;
}

BOOL CGXListBox::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if ((HWND)lParam == GetSafeHwnd() && HIWORD(wParam) == LBN_SELCHANGE) {
        MarkModified();
        return TRUE;
    }
    return FALSE;
}

void CGXListBox::MarkModified()
{
    if (GetModify())
        return;
    SetModify(TRUE);
    NotifyModified();
}

LRESULT CGXListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN: {
        const UINT nChar = (UINT)wParam;
        BOOL bToGrid = ::GetKeyState(VK_CONTROL) < 0;
        switch (nChar) {
        case VK_TAB:
        case VK_RETURN:
        case VK_ESCAPE:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_DELETE:
            bToGrid = TRUE;
            break;
        default:
            bToGrid = bToGrid || (nChar >= VK_F1 && nChar <= VK_F24);
            break;
        }
        if (bToGrid) {
            m_pGrid->DispatchKeyMessage(this, WM_KEYDOWN, nChar, LOWORD(lParam), HIWORD(lParam));
            return 0;
        }
        break;
    }
    case WM_CHAR:
        if (m_pGrid->DispatchKeyMessage(this, WM_CHAR, (UINT)wParam, LOWORD(lParam),
                                        HIWORD(lParam)))
            return 0;
        break;
    case WM_ERASEBKGND: {
        CRect rect;
        GetClientRect(&rect);
        CDC* pDC = CDC::FromHandle((HDC)wParam);
        const CGXStyle* pStyle = m_bInit ? LoadStyle() : nullptr;
        GXFillSolidRect(pDC, &rect,
                        pStyle != nullptr ? pStyle->GetInterior().GetColorNA() : m_crBackground);
        return TRUE;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
    case WM_KILLFOCUS: {
        const LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
        ForwardKillFocus(CWnd::FromHandle((HWND)wParam));
        return lResult;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE: {
        // The selection a click or a key made marks the cell modified, whether or not the
        // grid window passes the list's notification on.
        const int nOld = GetCurSel();
        const LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
        if (GetCurSel() != nOld && m_bInit)
            MarkModified();
        return lResult;
    }
    default:
        break;
    }
    if (message == WM_KEYDOWN || message == WM_CHAR) {
        const int nOld = GetCurSel();
        const LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
        if (GetCurSel() != nOld && m_bInit)
            MarkModified();
        return lResult;
    }
    return CListBox::WindowProc(message, wParam, lParam);
}
