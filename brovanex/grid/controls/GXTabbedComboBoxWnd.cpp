// CGXTabbedComboBoxWnd: the windowed tabbed combo cell: filling the combo with the rows'
// display texts, the conversions between key and display columns, and completion in its edit.
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
      m_bEscClosedList(FALSE)
{
    m_bFillWithChoiceList = TRUE;
    m_bWantArrowKeys = FALSE;
}

void CGXTabbedComboBoxWnd::AddUserAttributes(CGXStylesMap* pStylesMap)
{
    GXTabbedCell::DeclareAttributes(pStylesMap, FALSE);
}

BOOL CGXTabbedComboBoxWnd::CreateControl(DWORD dwStyle, UINT nID)
{
    return CGXComboBoxWnd::CreateControl(dwStyle | CBS_HASSTRINGS | WS_VSCROLL, nID);
}

void CGXTabbedComboBoxWnd::FillRows(const CGXStyle& style)
{
    ResetContent();
    const GXTabbedSettings s = GXTabbedSettings::FromStyle(style);
    CString strList = style.GetChoiceList(), strLine;
    for (BOOL bFirst = TRUE; !strList.IsEmpty(); bFirst = FALSE) {
        GXExtractLine(strList, strLine);
        if (bFirst && s.bTitleLine)
            continue;
        AddString(GXGetTabbedItem(strLine, s.ShownCol()));
    }
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
    if (pStyle != nullptr)
        GXTabbedSettings::FromStyle(*pStyle).ValueToText(*pStyle, pszValue, strText);
    // A value without a row shows nothing.
    const int nSel = strText.IsEmpty() ? CB_ERR : FindStringExact(-1, strText);
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
    }
    if (strText.IsEmpty())
        return TRUE;
    const CGXStyle* pStyle = LoadStyle();
    return pStyle != nullptr &&
        GXTabbedSettings::FromStyle(*pStyle).TextToValue(*pStyle, strText, TRUE, strValue);
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
