// CGXComboBoxWnd: creation, values and texts, sizes and drawing of the windowed combo cell.
#include "controls/GXComboBoxWnd.h"
#include "controls/GXComboBox.h"
#include "controls/GXControlFactory.h"
#include "controls/GXFocusChangeLock.h"
#include "core/GXChoiceList.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXPaintPass.h"
#include "core/GXProperties.h"
#include "core/GXRange.h"
#include "core/GXSysColorCache.h"
#include "fw/dc.h"

#include <algorithm>
#include <cstdlib>

GX_IMPLEMENT_CONTROL(CGXComboBoxWnd, CGXStatic)
GX_NO_CONTROL_ATTRIBUTES(CGXComboBoxWnd)

CGXControl* GXCreate_CGXComboBoxWnd(CGXGridCore* pGrid, UINT nID)
{
    CGXComboBoxWnd* pCombo = new CGXComboBoxWnd(pGrid);
    const DWORD dwStyle =
        nID == 52529 ? WS_VSCROLL | CBS_DROPDOWNLIST : WS_VSCROLL | CBS_AUTOHSCROLL | CBS_DROPDOWN;
    pCombo->CreateControl(dwStyle, nID);
    pCombo->m_bFillWithChoiceList = TRUE;
    pCombo->m_bWantArrowKeys = FALSE;
    return pCombo;
}

namespace {
const int kButtonWidth = 15;
} // namespace

BOOL CGXComboBoxWndButton::DrawnInactive() const
{
    const CGXControl* pControl = GetControl();
    return pControl != nullptr && pControl->IsKindOf(GX_CONTROL_CLASS(CGXComboBoxWnd)) &&
        static_cast<const CGXComboBoxWnd*>(pControl)->m_bDrawButtonAlways;
}

CGXComboBoxWnd::CGXComboBoxWnd(CGXGridCore* pGrid) : CGXComboBoxWnd(pGrid, new CGXComboEditPart) { }

CGXComboBoxWnd::CGXComboBoxWnd(CGXGridCore* pGrid, CGXComboEditPart* pEditPart)
    : CGXStatic(pGrid), m_nFrameWidth(GXGetLibraryState().m_bWin4 ? 3 : 2),
      m_bFillWithChoiceList(TRUE), m_bWantArrowKeys(FALSE), m_pButton(nullptr), m_nIndexValue(-1),
      m_bDispChoice(FALSE), m_bDropDownOnClick(TRUE), m_bDrawButtonOnlyInCurrentCell(TRUE),
      m_bDrawButtonAlways(FALSE), m_bExtraMargin(FALSE), m_bHasStrings(TRUE), m_bActive(FALSE),
      m_bModified(FALSE), m_nSelStart(0), m_nSelEnd(-1),
      m_crHighlightText(::GetSysColor(COLOR_HIGHLIGHTTEXT)), m_bDropPending(FALSE),
      m_nTextHeight(0), m_nSavedSel(CB_ERR), m_crBack(RGB(255, 255, 255)),
      m_pEditPartOwned(pEditPart), m_editPart(*pEditPart)
{ }

CGXComboBoxWnd::~CGXComboBoxWnd()
{
    if (m_editPart.GetSafeHwnd() != nullptr)
        m_editPart.UnsubclassWindow();
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

CRuntimeClass* CGXComboBoxWnd::GetWndRuntimeClass() { return RUNTIME_CLASS(CComboBox); }

BOOL CGXComboBoxWnd::CreateControl(DWORD dwStyle, UINT nID)
{
    if (m_pButton == nullptr) {
        m_pButton = new CGXComboBoxWndButton(this);
        AddChild(m_pButton);
    }
    m_bHasStrings = (dwStyle & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) == 0 ||
        (dwStyle & CBS_HASSTRINGS) != 0;
    CWnd* pGridWnd = Grid()->GetGridWnd();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    WNDCLASSA wc;
    const char* pszClass =
        ::GetClassInfoA(AfxGetInstanceHandle(), "GXCOMBOBOX", &wc) ? "GXCOMBOBOX" : "COMBOBOX";
    if (!CreateEx(0, pszClass, "", (dwStyle | WS_CHILD) & ~WS_VISIBLE, CRect(0, 0, 0, 0), pGridWnd,
                  nID))
        return FALSE;
    if (HWND hEdit = ::GetWindow(m_hWnd, GW_CHILD)) {
        char szClass[16] = {};
        ::GetClassNameA(hEdit, szClass, sizeof(szClass));
        if (lstrcmpiA(szClass, "Edit") == 0) {
            m_editPart.SetOwnerControl(this);
            m_editPart.SubclassWindow(hEdit);
        }
    }
    return TRUE;
}

// --- State ---

void CGXComboBoxWnd::SetActive(BOOL bActive)
{
    if (bActive && !m_bActive)
        SaveState();
    m_bActive = bActive;
}
BOOL CGXComboBoxWnd::IsActive() { return m_bActive; }
void CGXComboBoxWnd::SetModify(BOOL bModified) { m_bModified = bModified; }
BOOL CGXComboBoxWnd::GetModify() { return m_bModified; }

void CGXComboBoxWnd::SaveState()
{
    if (GetSafeHwnd() == nullptr)
        return;
    m_nSavedSel = GetCurSel();
    GetWindowText(m_strSavedText);
}

void CGXComboBoxWnd::RestoreSaved()
{
    if (IsPickOnly())
        SetCurSel(m_nSavedSel);
    else
        m_editPart.SetWindowText(m_strSavedText);
}

void CGXComboBoxWnd::Init(ROWCOL nRow, ROWCOL nCol)
{
    m_nTextHeight = 0;
    m_nSelStart = 0;
    m_nSelEnd = -1;
    m_bDropPending = FALSE;
    CGXStatic::Init(nRow, nCol);
    if (GetSafeHwnd() == nullptr)
        return;
    SetEditSel(0, -1);
    const BOOL bActivate = m_bActive; // the base starts editing at once when asked to
    m_bActive = FALSE;
    const CGXStyle* pStyle = LoadStyle();
    if (pStyle == nullptr)
        return;
    if (m_bFillWithChoiceList) {
        ResetContent();
        // An owner-drawn combo without strings keeps what it is given as the entry's data:
        // the lines are kept here, so that data points at text as long as the list holds it.
        m_choiceLines.clear();
        CString strList = pStyle->GetChoiceList(), strLine;
        while (!strList.IsEmpty()) {
            GXExtractLine(strList, strLine);
            m_choiceLines.push_back(strLine);
        }
        for (const CString& strEntry : m_choiceLines)
            AddString(strEntry);
    }
    SetValue(pStyle->GetInclude(gxValue) ? (LPCTSTR)pStyle->GetValue() : "");
    SetModify(FALSE);
    if (bActivate)
        SetActive(TRUE);
}

// --- Values ---

void CGXComboBoxWnd::SetValue(LPCTSTR pszValue)
{
    if (GetSafeHwnd() == nullptr)
        return;
    const CString strText = pszValue != nullptr ? pszValue : "";
    int nSel = CB_ERR;
    if (m_nIndexValue < 0) {
        if (!strText.IsEmpty()) {
            nSel = FindStringExact(-1, strText);
            if (nSel == CB_ERR && IsPickOnly())
                nSel = FindString(-1, strText);
        }
    } else if (!strText.IsEmpty()) {
        const int nIndex = std::atoi(strText) - m_nIndexValue;
        if (nIndex >= 0 && nIndex < CComboBox::GetCount())
            nSel = nIndex;
    }
    SetCurSel(nSel);
    if (nSel == CB_ERR && !IsPickOnly()) {
        m_editPart.SetWindowText(strText);
        m_editPart.SetSel(0, -1);
    }
}

BOOL CGXComboBoxWnd::GetValue(CString& strValue)
{
    if (!IsInit() || GetSafeHwnd() == nullptr)
        return FALSE;
    strValue.Empty();
    const int nSel = GetCurSel();
    if (m_nIndexValue < 0) {
        if (!IsPickOnly())
            m_editPart.GetWindowText(strValue);
        if (strValue.IsEmpty() && nSel != CB_ERR && m_bHasStrings)
            GetLBText(nSel, strValue);
    } else if (nSel != CB_ERR) {
        strValue.Format("%d", nSel + m_nIndexValue);
    }
    return TRUE;
}

BOOL CGXComboBoxWnd::GetEditText(CString& strText)
{
    if (!IsActive() || GetSafeHwnd() == nullptr)
        return CGXStatic::GetEditText(strText);
    strText.Empty();
    if (!IsPickOnly()) {
        m_editPart.GetWindowText(strText);
    } else {
        const int nSel = GetCurSel();
        if (nSel != CB_ERR && m_bHasStrings)
            GetLBText(nSel, strText);
    }
    return TRUE;
}

void CGXComboBoxWnd::SetEditText(const CString& strText)
{
    if (!IsInit() || GetSafeHwnd() == nullptr)
        return;
    if (!IsActive())
        SetActive(TRUE);
    if (!ValidateText(strText))
        return;
    if (!IsPickOnly()) {
        m_editPart.SetWindowText(strText);
    } else {
        const int nSel = FindStringExact(-1, strText);
        SetCurSel(nSel != CB_ERR ? nSel : FindString(-1, strText));
    }
    SetModify(TRUE);
    NotifyModified();
}

BOOL CGXComboBoxWnd::FormatDisplayText(CString& strText, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszValue,
                                       const CGXStyle& style)
{
    if (m_nIndexValue < 0 || !m_bDispChoice || style.GetChoiceList().IsEmpty())
        return CGXStatic::FormatDisplayText(strText, nRow, nCol, pszValue, style);
    if (pszValue == nullptr) {
        if (!style.GetInclude(gxValue))
            return FALSE;
        pszValue = style.GetValue();
    }
    strText.Empty();
    if (*pszValue == '\0')
        return TRUE;
    CString strChoice;
    if (GetChoiceLine(strChoice, style.GetChoiceList(), std::atoi(pszValue) - m_nIndexValue))
        strText = strChoice;
    return TRUE;
}

BOOL CGXComboBoxWnd::AcceptsTypedText(CString& strText, ROWCOL, ROWCOL, const CGXStyle& style)
{
    if (!m_bFillWithChoiceList || (m_nIndexValue < 0 && !m_bDispChoice))
        return TRUE;
    CString strChoice;
    const int nIndex = FindChoiceLine(strChoice, strText, style.GetChoiceList(), FALSE);
    if (!m_bDispChoice) {
        if (nIndex >= 0)
            strText = strChoice;
    } else if (nIndex >= 0) {
        strText.Format("%d", nIndex + std::max(0, m_nIndexValue));
    } else {
        strText.Empty();
    }
    return TRUE;
}

BOOL CGXComboBoxWnd::ValidateText(const CString& strText)
{
    return IsValidTextFor(strText, IsInit() ? LoadStyle() : nullptr);
}

BOOL CGXComboBoxWnd::IsValidTextFor(const CString& strText, const CGXStyle* pStyle)
{
    if (strText.IsEmpty() || !m_bFillWithChoiceList || m_nIndexValue < 0 || !m_bDispChoice)
        return TRUE;
    if (pStyle == nullptr || pStyle->GetChoiceList().IsEmpty())
        return FALSE;
    CString strChoice;
    return FindChoiceLine(strChoice, strText, pStyle->GetChoiceList(), FALSE) >= 0;
}

BOOL CGXComboBoxWnd::Store()
{
    if (IsReadOnly()) {
        // A read-only cell keeps its value: the window goes back to it.
        Init(GetRow(), GetCol());
        SetModify(FALSE);
        Refresh();
    }
    CString strValue;
    const BOOL bWrite = m_pStyle != nullptr && GetModify() && GetValue(strValue);
    SetActive(FALSE);
    if (!bWrite)
        return TRUE;
    SetModify(FALSE);
    FreeStyle(TRUE);
    return Grid()->SetValueRange(CGXRange(GetRow(), GetCol(), GetRow(), GetCol()), strValue,
                                 GX_INVALIDATE);
}

// --- Layout and drawing ---

CRect CGXComboBoxWnd::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPCRECT pRectItem,
                                  const CGXStyle* pStyle)
{
    CRect rect = CGXStatic::GetCellRect(nRow, nCol, pRectItem, pStyle);
    const BOOL bCurrent = Grid()->IsCurrentCell(nRow, nCol);
    if (bCurrent && IsInitRowCol(nRow, nCol) && IsActive())
        return rect; // the combo window draws its own button
    if (bCurrent || !m_bDrawButtonOnlyInCurrentCell || m_bDrawButtonAlways)
        rect.right = std::max(rect.left, rect.right - kButtonWidth);
    rect.left = std::min(rect.right, rect.left + 2);
    return rect;
}

CSize CGXComboBoxWnd::AddBorders(CSize size, const CGXStyle& style)
{
    size = CGXStatic::AddBorders(size, style);
    size.cx += 19;
    return size;
}

int CGXComboBoxWnd::TextHeight(const CGXStyle& style)
{
    if (m_nTextHeight <= 0)
        m_nTextHeight = GXMeasureStyleTextHeight(Grid(), style);
    return m_nTextHeight;
}

void CGXComboBoxWnd::PlaceChildren(ROWCOL nRow, ROWCOL nCol, const CRect&)
{
    if (m_pButton == nullptr)
        return;
    const CRect rectCell = CGXStatic::GetCellRect(nRow, nCol);
    const CGXStyle& style = Grid()->GetCachedCellStyle(nRow, nCol);
    const int nHeight = std::max(0, std::min(TextHeight(style) + 2, (int)rectCell.Height() - 2));
    int nTop = 0;
    const UINT nVert = style.GetInclude(gxVertAlign) ? style.GetVerticalAlignment() : DT_TOP;
    if (nVert == DT_VCENTER)
        nTop = std::max(0, (rectCell.Height() - nHeight) / 2 - 1);
    else if (nVert == DT_BOTTOM)
        nTop = std::max(0, rectCell.Height() - 2 - nHeight);
    m_pButton->SetRect(CRect(std::max(rectCell.right - 16, rectCell.left + 1), rectCell.top + nTop,
                             rectCell.right - 1, rectCell.top + nTop + nHeight + 1));
}

CSize CGXComboBoxWnd::MeasureCellSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                      const CGXStyle* pStandardStyle, BOOL bHeight)
{
    if (!m_bHasStrings)
        return CGXStatic::MeasureCellSize(pDC, nRow, nCol, style, pStandardStyle, bHeight);
    CFont* pOld = Grid()->SelectStyleFont(pDC, style);
    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    CSize size(0, tm.tmHeight + tm.tmExternalLeading + 2);
    if (m_bExtraMargin)
        size.cy += 2 * m_nFrameWidth;
    CString strList = style.GetChoiceList(), strLine;
    while (!strList.IsEmpty()) {
        GXExtractLine(strList, strLine);
        size.cx = std::max(size.cx, (LONG)pDC->GetTextExtent(strLine).cx);
    }
    if (pOld != nullptr)
        pDC->SelectObject(pOld);
    return AddBorders(size, style);
}

void CGXComboBoxWnd::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle)
{
    CGXGridCore* pGrid = Grid();
    if (!IsInitRowCol(nRow, nCol) || !IsActive() || pGrid->IsPrinting() ||
        GetSafeHwnd() == nullptr || !pGrid->IsCurrentCell(nRow, nCol)) {
        HideWindowOfInactiveCell(nRow, nCol);
        if (!m_bHasStrings && GetSafeHwnd() != nullptr) {
            DrawOwnerDrawnCell(pDC, rect, nRow, nCol, style, pStandardStyle);
            CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle); // the button
            return;
        }
        CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    // The combo window over the active current cell.
    DrawBackground(pDC, rect, style, TRUE);
    const CRect rectCell = GetCellRect(nRow, nCol, &rect, &style);
    CRect rectWnd;
    GetWindowRect(&rectWnd);
    pGrid->GetGridWnd()->ScreenToClient(&rectWnd);
    if (IsWindowVisible() && rectWnd.TopLeft() == rectCell.TopLeft() &&
        rectWnd.Width() == rectCell.Width()) {
        // Laid out already (a list may be dropped): left as it is.
        AddExcludedRect(rectCell);
        return;
    }
    m_font.DeleteObject();
    LOGFONT lf = style.GetFont().GetLogFont(pGrid->GetZoomPercent());
    lf.lfOrientation = lf.lfEscapement = 0;
    m_font.CreateFontIndirect(&lf);
    const GXPaintPass* pPass = pGrid->GetPaintPass();
    CGXProperties* pProp = pGrid->GetProperties();
    const BOOL bBlackWhite =
        (pPass != nullptr && pPass->bBlackWhite) || (pProp != nullptr && pProp->m_abPrint[2]);
    m_crBack = bBlackWhite ? RGB(255, 255, 255) : style.GetInterior().GetColorNA();
    SendMessage(WM_SETFONT, (WPARAM)m_font.GetSafeHandle(), FALSE);

    // The selection field fills the cell: its item height is the cell less the combo's frame.
    const int nFieldHeight =
        std::max(TextHeight(style), (int)rectCell.Height() - 2 * m_nFrameWidth);
    SetItemHeight(-1, nFieldHeight);
    const int nRows = std::min(CComboBox::GetCount(), 8);
    const int nListHeight = nRows * (GetItemHeight(0) > 0 ? GetItemHeight(0) : TextHeight(style)) +
        2 * m_nFrameWidth + 2;
    CGXFocusChangeLock lock(pGrid);
    SetWindowPos(nullptr, rectCell.left, rectCell.top, rectCell.Width(),
                 rectCell.Height() + nListHeight, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (!IsPickOnly()) {
        LimitText(style.GetInclude(gxMaxLength) ? style.GetMaxLength() : 0);
        m_editPart.SetReadOnly(IsReadOnly());
    }
    CWnd* pGridWnd = pGrid->GetGridWnd();
    if (pGridWnd != nullptr && ::GetFocus() == pGridWnd->GetSafeHwnd()) {
        CGXGridFlagScope ignoreFocus(pGrid->m_bIgnoreFocus, TRUE);
        if (!IsPickOnly())
            m_editPart.SetFocus();
        else
            SetFocus();
    }
    if (!IsPickOnly())
        SetEditSel(m_nSelStart, m_nSelEnd);
    UpdateWindow();
    AddExcludedRect(rectCell);
}

void CGXComboBoxWnd::DrawOwnerDrawnCell(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol,
                                        const CGXStyle& style, const CGXStyle* pStandardStyle)
{
    DrawBackground(pDC, rect, style, TRUE);
    const CString strValue = style.GetInclude(gxValue) ? CString(style.GetValue()) : CString();
    if (strValue.IsEmpty())
        return;
    // The value is the entry's index; with an index base, the index plus the base.
    const int nIndex = std::atoi(strValue) - std::max(0, m_nIndexValue);
    const CRect rectText = GetCellRect(nRow, nCol, &rect, &style);
    if (nIndex < 0 || nIndex >= CComboBox::GetCount() || rectText.IsRectEmpty())
        return;
    const int nSaved = pDC->SaveDC();
    // The cell's font and colours, as the combo's own drawing of its selection field finds
    // them.
    LoadFont(pDC, style, pStandardStyle);
    const GXPaintPass* pPass = Grid()->GetPaintPass();
    const BOOL bBlackWhite = pPass != nullptr && pPass->bBlackWhite;
    pDC->SetTextColor(bBlackWhite ? RGB(0, 0, 0) : Grid()->ResolveTextColor(style));
    pDC->SetBkColor(bBlackWhite ? RGB(255, 255, 255)
                                : GXResolveColor(style.GetInterior().GetColorNA()));
    pDC->SetBkMode(TRANSPARENT);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_COMBOBOX;
    dis.CtlID = (UINT)GetDlgCtrlID();
    dis.itemID = (UINT)nIndex;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = 0;
    dis.hwndItem = m_hWnd;
    dis.hDC = pDC->GetSafeHdc();
    dis.rcItem = rectText;
    dis.itemData = GetItemData(nIndex);
    DrawItem(&dis);
    pDC->RestoreDC(nSaved);
}

void CGXComboBoxWnd::Hide()
{
    if (GetSafeHwnd() == nullptr || !IsWindowVisible())
        return;
    CGXGridCore* pGrid = Grid();
    CGXGridFlagScope ignoreFocus(pGrid->m_bIgnoreFocus, TRUE);
    CGXFocusChangeLock lock(pGrid);
    if (GetDroppedState())
        ShowDropDown(FALSE);
    const HWND hFocus = ::GetFocus();
    const BOOL bHadFocus = hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus);
    if (!IsPickOnly()) {
        DWORD dwSel = GetEditSel();
        m_nSelStart = LOWORD(dwSel);
        m_nSelEnd = HIWORD(dwSel);
    }
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    CWnd* pGridWnd = pGrid->GetGridWnd();
    if (bHadFocus && pGridWnd != nullptr && pGridWnd->GetSafeHwnd() != nullptr)
        pGridWnd->SetFocus();
}
