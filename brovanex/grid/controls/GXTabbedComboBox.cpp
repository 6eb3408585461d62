// CGXTabbedComboBox: reading the table settings, filling the kept list, opening it with its
// header, taking a choice from it, and completion while typing.
#include "controls/GXTabbedComboBox.h"
#include "controls/GXControlFactory.h"
#include "controls/GXTabbedSharedTable.h"
#include "core/GXChoiceList.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXStylesMap.h"
#include "core/GXSysColorCache.h"
#include "fw/dc.h"

#include <algorithm>

GX_IMPLEMENT_CONTROL(CGXTabbedComboBox, CGXComboBox)

CGXControl* GXCreate_CGXTabbedComboBox(CGXGridCore* pGrid, UINT nID)
{
    return new CGXTabbedComboBox(pGrid, nID, nID);
}
void GXAddAttributes_CGXTabbedComboBox(CGXStylesMap* pStylesMap)
{
    CGXTabbedComboBox::AddUserAttributes(pStylesMap);
}

// --- The control ---

CGXTabbedComboBox::CGXTabbedComboBox(CGXGridCore* pGrid, UINT nEditID, UINT nListBoxID)
    : CGXComboBox(pGrid, nEditID, nListBoxID, GX_CBF_TEXT), m_nValueCol(0), m_nDisplayCol(0),
      m_bDisplayAllCols(TRUE), m_bTitleLine(TRUE), m_nSortCol(-1), m_crGridLine(RGB(192, 192, 192)),
      m_crBack(RGB(255, 255, 255)), m_crText(RGB(0, 0, 0)), m_bAutoComplete(TRUE),
      m_nItemHeight(10), m_nTotalWidth(0), m_bListFilled(FALSE), m_nFilledCacheId(0),
      m_nFilledGeneration(-1), m_nTitleHeight(10), m_pHeader(nullptr), m_pListBox(nullptr),
      m_pPopup(nullptr)
{
    m_bButtonFitsText = FALSE;
}

CGXTabbedComboBox::~CGXTabbedComboBox()
{
    if (m_pHeader != nullptr) {
        if (m_pHeader->GetSafeHwnd() != nullptr)
            m_pHeader->DestroyWindow();
        delete m_pHeader;
    }
    m_pDropDownWnd = nullptr; // the kept pop-up is deleted here, not by the combo box
    delete m_pPopup;
}

void CGXTabbedComboBox::AddUserAttributes(CGXStylesMap* pStylesMap)
{
    GXTabbedCell::DeclareAttributes(pStylesMap, TRUE);
}

void CGXTabbedComboBox::ReadSettings(const CGXStyle& style)
{
    const GXTabbedSettings s = GXTabbedSettings::FromStyle(style);
    m_nValueCol = s.nValueCol;
    m_nDisplayCol = s.nDisplayCol;
    m_bDisplayAllCols = s.bDisplayAllCols;
    m_bTitleLine = s.bTitleLine;
    m_nSortCol = s.nSortCol;
    m_strColWidths = s.strColWidths;
}

void CGXTabbedComboBox::Init(ROWCOL nRow, ROWCOL nCol)
{
    m_bListFilled = FALSE;
    CGXComboBox::Init(nRow, nCol);
    const CGXStyle* pStyle = LoadStyle();
    if (pStyle == nullptr)
        return;
    ReadSettings(*pStyle);
    if (GXTabbedCell::SortOnce(Grid(), nRow, nCol, *pStyle)) {
        m_nSortCol = -1;
        FreeStyle(TRUE);
        LoadStyle();
    }
}

BOOL CGXTabbedComboBox::FormatDisplayText(CString& strText, ROWCOL, ROWCOL, LPCTSTR pszValue,
                                          const CGXStyle& style)
{
    const CGXTabbedSharedTable table(Grid(), style);
    if (!table.IsShared())
        return GXTabbedCell::FormatDisplayText(style, pszValue, strText);
    if (pszValue == nullptr) {
        if (!style.GetInclude(gxValue)) {
            strText.Empty();
            return FALSE;
        }
        pszValue = style.GetValue();
    }
    table.ValueToText(pszValue, strText);
    return TRUE;
}

BOOL CGXTabbedComboBox::GetValue(CString& strValue)
{
    if (!IsInit())
        return FALSE;
    if (!IsActive())
        return CGXControl::GetValue(strValue);
    CString strText;
    GetWindowText(strText);
    strValue.Empty();
    if (strText.IsEmpty())
        return TRUE;
    const CGXStyle* pStyle = LoadStyle();
    if (pStyle == nullptr)
        return FALSE;
    const CGXTabbedSharedTable table(Grid(), *pStyle);
    if (table.IsShared())
        return table.TextToValue(strText, FALSE, strValue);
    return GXTabbedSettings::FromStyle(*pStyle).TextToValue(*pStyle, strText, TRUE, strValue);
}

BOOL CGXTabbedComboBox::AcceptsTypedText(CString& strText, ROWCOL, ROWCOL, const CGXStyle& style)
{
    if (m_bStoringValue)
        return TRUE;
    const CGXTabbedSharedTable table(Grid(), style);
    if (!table.IsShared())
        return GXTabbedCell::AcceptsTypedText(style, strText);
    CString strValue;
    if (strText.IsEmpty())
        return TRUE;
    if (!table.TextToValue(strText, TRUE, strValue))
        return FALSE; // no row shows this text: nothing is stored in its place
    strText = strValue;
    return TRUE;
}

BOOL CGXTabbedComboBox::ValidateText(const CString& strText)
{
    const CGXStyle* pStyle = IsInit() ? LoadStyle() : nullptr;
    if (pStyle != nullptr && !strText.IsEmpty() && m_bFillWithChoiceList) {
        const CGXTabbedSharedTable table(Grid(), *pStyle);
        CString strValue;
        if (table.IsShared())
            return table.TextToValue(strText, TRUE, strValue);
    }
    return GXTabbedCell::ValidateText(pStyle, strText, m_bFillWithChoiceList);
}

BOOL CGXTabbedComboBox::ValidateCellValue()
{
    return GXTabbedCell::TextConverts(*this) && CGXComboBox::ValidateCellValue();
}

CSize CGXTabbedComboBox::MeasureCellSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style,
                                         const CGXStyle*, BOOL)
{
    return AddBorders(GXTabbedCell::MeasureShownFields(Grid(), pDC, style), style);
}

// --- The list ---

CGXGridCombo* CGXTabbedComboBox::CreateDropDownWnd(CWnd* pOwner, const CRect& rect)
{
    if (m_pPopup == nullptr)
        m_pPopup = new CGXGridCombo(pOwner, nullptr, rect);
    return m_pPopup;
}

CListBox* CGXTabbedComboBox::CreateListBox(CWnd* pPopup, UINT nID)
{
    if (m_pListBox != nullptr)
        return m_pListBox;
    if (m_dwListBoxStyle == 0)
        m_dwListBoxStyle = WS_VSCROLL | LBS_NOTIFY;
    CGXTabbedComboLBox* pList = new CGXTabbedComboLBox(this, this);
    const DWORD dwStyle = m_dwListBoxStyle | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | WS_CHILD |
        WS_VISIBLE | WS_BORDER;
    if (!pList->CreateEx(0, "LISTBOX", nullptr, dwStyle, CRect(0, 0, 1, 1), pPopup, nID)) {
        delete pList;
        return nullptr;
    }
    m_pListBox = pList;
    return pList;
}

void CGXTabbedComboBox::DestroyDropDownWnd(CGXGridCombo* pPopup)
{
    // The pop-up and its list are kept for the next drop-down.
    if (pPopup != nullptr && pPopup->GetSafeHwnd() != nullptr)
        pPopup->ShowWindow(SW_HIDE);
    if (m_pHeader != nullptr && m_pHeader->GetSafeHwnd() != nullptr)
        m_pHeader->ShowWindow(SW_HIDE);
    if (CGXComboListBox* pList = dynamic_cast<CGXComboListBox*>(m_pListBox))
        pList->ResetState();
}

void CGXTabbedComboBox::GetDropDownRect(CRect& rect, const CRect& rectCell)
{
    CGXComboBox::GetDropDownRect(rect, rectCell);
    if (rect.Width() < m_nTotalWidth)
        rect.right = rect.left + m_nTotalWidth;
}

int CGXTabbedComboBox::RowHeight(int nIndex) const
{
    if (nIndex >= 0 && nIndex < (int)m_rowHeights.size())
        return m_rowHeights[nIndex];
    return m_nItemHeight;
}

void CGXTabbedComboBox::FillListBox(CListBox* pListBox)
{
    CGXGridParam* pParam = Grid()->GetParam();
    const LONG nGeneration = pParam != nullptr ? pParam->GetListCacheGeneration() : 0;
    if (m_nFilledGeneration != -1 && nGeneration != m_nFilledGeneration && IsInit()) {
        // A list changed since the last fill, perhaps this cell's through its row or column
        // style: the style is composed again.
        FreeStyle(TRUE);
    }
    const CGXStyle* pStyle = LoadStyle();
    if (pListBox == nullptr || pStyle == nullptr)
        return;
    // Cells sharing a list-cache id share the filled list until the generation moves on (a
    // list changed); a cell of its own refills after each Init.
    const int nCacheId = CGXTabbedSharedTable(Grid(), *pStyle).GetCacheId();
    if ((nCacheId == 0 && !m_bListFilled) || nCacheId != m_nFilledCacheId ||
        nGeneration != m_nFilledGeneration) {
        m_bListFilled = TRUE;
        m_nFilledCacheId = nCacheId;
        m_nFilledGeneration = nGeneration;
        ReadSettings(*pStyle);
        GXTabbedRows rows;
        rows.Build(Grid(), *pStyle, GXTabbedSettings::FromStyle(*pStyle));
        m_nItemHeight = rows.nItemHeight;
        m_nTitleHeight = rows.nTitleHeight;
        m_colRight = rows.colRight;
        m_nTotalWidth = rows.nTotalWidth;
        m_rowHeights = rows.heights;
        if (rows.bTitles && m_pHeader == nullptr)
            m_pHeader = new CGXTabbedLBoxHeader;
        if (m_pHeader != nullptr)
            m_pHeader->SetTitles(rows.strTitles);
        pListBox->ResetContent();
        for (const CString& strEntry : rows.entries)
            pListBox->AddString(strEntry);
    }
    // The entry showing the edit's text.
    CString strText;
    GetWindowText(strText);
    int nIndex = strText.IsEmpty() ? LB_ERR : pListBox->FindStringExact(-1, strText);
    if (nIndex == LB_ERR && !strText.IsEmpty())
        nIndex = pListBox->SelectString(-1, strText);
    if (nIndex != LB_ERR)
        pListBox->SetCurSel(nIndex);
}

void CGXTabbedComboBox::SetValueFromListBox(CListBox* pListBox)
{
    const int nSel = pListBox != nullptr ? pListBox->GetCurSel() : LB_ERR;
    if (nSel == LB_ERR || GetSafeHwnd() == nullptr)
        return;
    CString strEntry;
    pListBox->GetText(nSel, strEntry);
    if (!IsActive())
        SetActive(TRUE);
    SetWindowTextQuiet(GXGetTabbedItem(strEntry, 0));
    SetSel(0, -1);
    SetModify(TRUE);
    if (m_bDropDownList)
        Refresh();
    else
        Invalidate();
}

void CGXTabbedComboBox::ShowDropDown(BOOL bShow)
{
    if (bShow && m_pDropDownWnd != nullptr)
        return;
    if (bShow && IsInit()) {
        const CGXStyle& style = Grid()->GetCachedCellStyle(GetRow(), GetCol());
        m_crBack = GXResolveColor(style.GetInterior().GetColor());
        m_crText = Grid()->ResolveTextColor(style);
    }
    CGXComboBox::ShowDropDown(bShow);
    if (bShow && m_pDropDownWnd != nullptr)
        PlaceHeader();
}

void CGXTabbedComboBox::PlaceHeader()
{
    if (!m_bTitleLine || m_pHeader == nullptr || m_pDropDownWnd == nullptr)
        return;
    if (m_pHeader->GetSafeHwnd() == nullptr && !m_pHeader->CreateHeader())
        return;
    m_pHeader->SetLayout(m_colRight, m_nDisplayCol, m_bDisplayAllCols, &m_font);
    CRect rectPopup;
    m_pDropDownWnd->GetWindowRect(&rectPopup);
    CRect rectCell = Grid()->GetSpannedCellRect(GetRow(), GetCol());
    Grid()->GetGridWnd()->ClientToScreen(&rectCell);
    const int nHeader = m_nTitleHeight + 4;
    CRect rectDesk;
    ::GetClientRect(::GetDesktopWindow(), &rectDesk);
    // A list that fits under the cell only without its header goes above the cell, when
    // there is room for both there.
    if (rectPopup.top >= rectCell.bottom && rectPopup.bottom + nHeader > rectDesk.bottom &&
        rectCell.top - nHeader - rectPopup.Height() >= rectDesk.top)
        rectPopup.OffsetRect(0, rectCell.top - rectPopup.bottom);
    CRect rectHeader(rectPopup.left, rectPopup.top, rectPopup.right, rectPopup.top + nHeader);
    if (rectPopup.top >= rectCell.bottom) {
        // Below the cell: the header under the cell, the list under the header.
        rectPopup.OffsetRect(0, nHeader);
    } else {
        // Above the cell: the header right above the list.
        rectHeader.OffsetRect(0, -nHeader);
    }
    m_pDropDownWnd->SetWindowPos(&CWnd::wndTopMost, rectPopup.left, rectPopup.top,
                                 rectPopup.Width(), rectPopup.Height(), SWP_NOACTIVATE);
    m_pHeader->SetWindowPos(&CWnd::wndTopMost, rectHeader.left, rectHeader.top, rectHeader.Width(),
                            rectHeader.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_pHeader->Invalidate();
}

void CGXTabbedComboBox::AutoComplete()
{
    if (!m_bAutoComplete || !m_bFillWithChoiceList || IsReadOnly() || GetSafeHwnd() == nullptr)
        return;
    const CGXStyle* pStyle = LoadStyle();
    if (pStyle == nullptr)
        return;
    CString strTyped, strShown;
    GetWindowText(strTyped);
    const CGXTabbedSharedTable table(Grid(), *pStyle);
    if (table.IsShared()
            ? !table.CompleteText(strTyped, strShown)
            : !GXTabbedSettings::FromStyle(*pStyle).CompleteText(*pStyle, strTyped, strShown))
        return;
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    SetWindowTextQuiet(strShown);
    SetModify(TRUE);
    SetSel(std::min(nEnd, strShown.GetLength()), strShown.GetLength());
}

LRESULT CGXTabbedComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CHAR && wParam >= 32 && wParam != 127) {
        const LRESULT lResult = CGXComboBox::WindowProc(message, wParam, lParam);
        if (IsActive() && GetSafeHwnd() != nullptr && ::GetFocus() == m_hWnd)
            AutoComplete();
        return lResult;
    }
    return CGXComboBox::WindowProc(message, wParam, lParam);
}
