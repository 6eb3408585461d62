// CGXTabbedComboBoxWnd: the windowed tabbed combo cell: creation, filling the combo's list
// with the rows, the conversions between key and display columns, completion in its edit
// and Esc.
#include "controls/GXTabbedComboBoxWnd.h"
#include "controls/GXControlFactory.h"
#include "core/GXChoiceList.h"
#include "core/GXGridCore.h"
#include "core/GXLibraryState.h"
#include "core/GXStylesMap.h"
#include "fw/dc.h"

#include <algorithm>

GX_IMPLEMENT_CONTROL(CGXTabbedComboBoxWnd, CGXComboBoxWnd)

CGXControl* GXCreate_CGXTabbedComboBoxWnd(CGXGridCore* pGrid, UINT nID)
{
    if (GXGetLibraryState().m_bWin32sOld)
        return new CGXTabbedComboBox(pGrid, 52541, 52541);
    CGXTabbedComboBoxWnd* pCombo = new CGXTabbedComboBoxWnd(pGrid);
    pCombo->CreateControl(nID == 52540 ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL, nID);
    return pCombo;
}
void GXAddAttributes_CGXTabbedComboBoxWnd(CGXStylesMap* pStylesMap)
{
    CGXTabbedComboBoxWnd::AddUserAttributes(pStylesMap);
}

// --- The edit child ---

LRESULT CGXTabbedCBEditWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTEXT && lParam != 0) {
        // Only the part before the first tab is shown, however long the text is.
        const char* pszText = (const char*)lParam;
        if (const char* pTab = strchr(pszText, '\t')) {
            const CString strHead(pszText, (int)(pTab - pszText));
            return CGXComboEditPart::WindowProc(message, wParam, (LPARAM)(LPCTSTR)strHead);
        }
    }
    const LRESULT lResult = CGXComboEditPart::WindowProc(message, wParam, lParam);
    if (message == WM_CHAR && (UINT)wParam >= ' ' && (UINT)wParam != 127 && m_pTabbed != nullptr &&
        GetSafeHwnd() != nullptr)
        m_pTabbed->AutoComplete();
    return lResult;
}

// --- The combo ---

CGXTabbedComboBoxWnd::CGXTabbedComboBoxWnd(CGXGridCore* pGrid)
    : CGXComboBoxWnd(pGrid, new CGXTabbedCBEditWnd(this)), m_bAutoComplete(TRUE),
      m_crGridLine(RGB(192, 192, 192)), m_crText(RGB(0, 0, 0)), m_bEscClosedList(FALSE),
      m_nItemHeight(10), m_nTitleHeight(10), m_nTotalWidth(0), m_bTitles(FALSE),
      m_bPlacingList(FALSE)
{
    m_bFillWithChoiceList = TRUE;
    m_bWantArrowKeys = FALSE;
}

CGXTabbedComboBoxWnd::~CGXTabbedComboBoxWnd()
{
    if (m_pHeader != nullptr && m_pHeader->GetSafeHwnd() != nullptr)
        m_pHeader->DestroyWindow();
}

void CGXTabbedComboBoxWnd::AddUserAttributes(CGXStylesMap* pStylesMap)
{
    GXTabbedCell::DeclareAttributes(pStylesMap, FALSE);
}

BOOL CGXTabbedComboBoxWnd::CreateControl(DWORD dwStyle, UINT nID)
{
    return CGXComboBoxWnd::CreateControl(
        dwStyle | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS | WS_VSCROLL, nID);
}

void CGXTabbedComboBoxWnd::FillRows(const CGXStyle& style)
{
    m_settings = GXTabbedSettings::FromStyle(style);
    GXTabbedRows rows;
    rows.Build(Grid(), style, m_settings);
    m_colRight = rows.colRight;
    m_rowHeights = rows.heights;
    m_nItemHeight = rows.nItemHeight;
    m_nTitleHeight = rows.nTitleHeight;
    m_nTotalWidth = rows.nTotalWidth;
    m_bTitles = rows.bTitles;
    if (m_bTitles && m_pHeader == nullptr)
        m_pHeader.reset(new CGXTabbedLBoxHeader);
    if (m_pHeader != nullptr)
        m_pHeader->SetTitles(rows.strTitles);
    // Each row is measured as it is added (its highest field).
    ResetContent();
    for (const CString& strEntry : rows.entries)
        AddString(strEntry);
}

int CGXTabbedComboBoxWnd::RowHeight(int nIndex) const
{
    if (nIndex >= 0 && nIndex < (int)m_rowHeights.size())
        return m_rowHeights[nIndex];
    return m_nItemHeight;
}

void CGXTabbedComboBoxWnd::Init(ROWCOL nRow, ROWCOL nCol)
{
    // The base fills the list with whole lines: the rows are filled here instead.
    const BOOL bFill = m_bFillWithChoiceList;
    m_bFillWithChoiceList = FALSE;
    CGXComboBoxWnd::Init(nRow, nCol);
    m_bFillWithChoiceList = bFill;
    const CGXStyle* pStyle = LoadStyle();
    if (pStyle == nullptr || GetSafeHwnd() == nullptr)
        return;
    if (GXTabbedCell::SortOnce(Grid(), nRow, nCol, *pStyle)) {
        FreeStyle(TRUE);
        pStyle = LoadStyle();
        if (pStyle == nullptr)
            return;
    }
    const BOOL bActive = IsActive();
    m_crText = Grid()->ResolveTextColor(*pStyle);
    if (m_bFillWithChoiceList)
        FillRows(*pStyle);
    SetValue(pStyle->GetInclude(gxValue) ? (LPCTSTR)pStyle->GetValue() : "");
    SetModify(FALSE);
    if (bActive)
        SetActive(TRUE);
}

void CGXTabbedComboBoxWnd::SetValue(LPCTSTR pszValue)
{
    if (GetSafeHwnd() == nullptr)
        return;
    const CGXStyle* pStyle = IsInit() ? LoadStyle() : nullptr;
    CString strText;
    int nSel = CB_ERR;
    if (pStyle != nullptr) {
        // The list holds the rows in the table's order: the value's row is its entry.
        const GXTabbedSettings s = GXTabbedSettings::FromStyle(*pStyle);
        if (s.ValueToText(*pStyle, pszValue, strText)) {
            nSel = s.ValueToRow(*pStyle, pszValue);
            if (nSel >= CComboBox::GetCount())
                nSel = CB_ERR;
        }
    }
    // A value without a row shows nothing.
    SetCurSel(nSel);
    if (!IsPickOnly()) {
        m_editPart.SetWindowText(strText);
        m_editPart.SetSel(0, -1);
    }
}

BOOL CGXTabbedComboBoxWnd::GetValue(CString& strValue)
{
    if (!IsInit() || GetSafeHwnd() == nullptr)
        return FALSE;
    strValue.Empty();
    CString strText;
    if (!IsPickOnly()) {
        m_editPart.GetWindowText(strText);
    } else {
        const int nSel = GetCurSel();
        if (nSel != CB_ERR)
            GetLBText(nSel, strText);
        strText = GXGetTabbedItem(strText, 0); // the entry's shown field
    }
    if (strText.IsEmpty())
        return TRUE;
    const CGXStyle* pStyle = LoadStyle();
    return pStyle != nullptr &&
        GXTabbedSettings::FromStyle(*pStyle).TextToValue(*pStyle, strText, TRUE, strValue);
}

BOOL CGXTabbedComboBoxWnd::GetEditText(CString& strText)
{
    if (!CGXComboBoxWnd::GetEditText(strText))
        return FALSE;
    // A pick-only combo's entry is the whole row: its shown field is the text.
    if (IsActive() && IsPickOnly())
        strText = GXGetTabbedItem(strText, 0);
    return TRUE;
}

BOOL CGXTabbedComboBoxWnd::FormatDisplayText(CString& strText, ROWCOL, ROWCOL, LPCTSTR pszValue,
                                             const CGXStyle& style)
{
    return GXTabbedCell::FormatDisplayText(style, pszValue, strText);
}

BOOL CGXTabbedComboBoxWnd::AcceptsTypedText(CString& strText, ROWCOL, ROWCOL, const CGXStyle& style)
{
    return GXTabbedCell::AcceptsTypedText(style, strText);
}

BOOL CGXTabbedComboBoxWnd::ValidateText(const CString& strText)
{
    return GXTabbedCell::ValidateText(IsInit() ? LoadStyle() : nullptr, strText,
                                      m_bFillWithChoiceList);
}

BOOL CGXTabbedComboBoxWnd::ValidateCellValue()
{
    return GXTabbedCell::TextConverts(*this) && CGXComboBoxWnd::ValidateCellValue();
}

CSize CGXTabbedComboBoxWnd::MeasureCellSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style,
                                            const CGXStyle*, BOOL)
{
    return AddBorders(GXTabbedCell::MeasureShownFields(Grid(), pDC, style), style);
}

void CGXTabbedComboBoxWnd::AutoComplete()
{
    if (!m_bAutoComplete || !m_bFillWithChoiceList || IsReadOnly() || IsPickOnly())
        return;
    const CGXStyle* pStyle = IsInit() ? LoadStyle() : nullptr;
    if (pStyle == nullptr)
        return;
    CString strTyped, strShown;
    m_editPart.GetWindowText(strTyped);
    if (!GXTabbedSettings::FromStyle(*pStyle).CompleteText(*pStyle, strTyped, strShown))
        return;
    int nStart = 0, nEnd = 0;
    m_editPart.GetSel(nStart, nEnd);
    m_editPart.SetWindowText(strShown);
    m_editPart.SetSel(std::min(nEnd, strShown.GetLength()), strShown.GetLength());
    SetModify(TRUE);
}

BOOL CGXTabbedComboBoxWnd::KeyHook(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    m_bEscClosedList = FALSE;
    if (nChar == VK_ESCAPE && GetDroppedState() && ::GetKeyState(VK_CONTROL) >= 0) {
        ShowDropDown(FALSE);
        m_bEscClosedList = TRUE;
        return TRUE;
    }
    return CGXComboBoxWnd::KeyHook(nChar, nRepCnt, nFlags);
}

BOOL CGXTabbedComboBoxWnd::RouteGridChar(UINT nChar, LPARAM lParam)
{
    if (nChar == VK_ESCAPE && m_bEscClosedList) {
        m_bEscClosedList = FALSE;
        return TRUE;
    }
    return CGXComboBoxWnd::RouteGridChar(nChar, lParam);
}
