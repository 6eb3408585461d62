// The tabbed combo box's owner-drawn list rows and its header window.
#include "controls/GXTabbedComboBox.h"
#include "core/GXChoiceList.h"
#include "core/GXLibraryState.h"
#include "core/GXSysColorCache.h"
#include "fw/dc.h"

#include <algorithm>

namespace {
// The fields of an entry as the columns show them (the leading copy of the display text
// left out).
std::vector<CString> ShownFields(const CString& strEntry, BOOL bSkipFirst)
{
    std::vector<CString> fields;
    int nStart = 0;
    for (;;) {
        const int nTab = strEntry.Find('\t', nStart);
        fields.push_back(nTab < 0 ? strEntry.Mid(nStart) : strEntry.Mid(nStart, nTab - nStart));
        if (nTab < 0)
            break;
        nStart = nTab + 1;
    }
    if (bSkipFirst && fields.size() > 1)
        fields.erase(fields.begin());
    return fields;
}

// Draws the fields in their columns: each from the previous right edge to its own, the
// last to the end of the rectangle; a separator line 2 pixels left of each right edge.
void DrawColumns(CDC* pDC, const CRect& rect, const std::vector<CString>& fields,
                 const std::vector<int>& rights, COLORREF crLine)
{
    int nLeft = rect.left;
    for (size_t i = 0; i < fields.size(); ++i) {
        const BOOL bLast = i + 1 >= fields.size() || i >= rights.size();
        const int nRight = bLast ? rect.right : rect.left + rights[i];
        if (nRight > nLeft) {
            CRect rectField(nLeft + 2, rect.top, nRight - 2, rect.bottom);
            pDC->DrawText(fields[i], &rectField,
                          DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
        if (!bLast) {
            CRect rectLine(nRight - 2, rect.top, nRight - 1, rect.bottom);
            pDC->FillSolidRect(&rectLine, crLine);
        }
        nLeft = nRight;
        if (bLast)
            break;
    }
}
} // namespace

void CGXTabbedComboLBox::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS == nullptr || (int)lpDIS->itemID < 0 || m_pCombo == nullptr)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const CRect rect = lpDIS->rcItem;
    const BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    const COLORREF crBack = bSelected ? ::GetSysColor(COLOR_HIGHLIGHT) : m_pCombo->m_crBack;
    const COLORREF crText = bSelected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : m_pCombo->m_crText;
    pDC->FillSolidRect(&rect, crBack);
    CString strEntry;
    GetText((int)lpDIS->itemID, strEntry);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(crText);
    if (!m_pCombo->m_bDisplayAllCols) {
        CRect rectText(rect.left + 2, rect.top, rect.right, rect.bottom);
        pDC->DrawText(GXGetTabbedItem(strEntry, 0), &rectText,
                      DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    } else {
        DrawColumns(pDC, rect, ShownFields(strEntry, m_pCombo->m_nDisplayCol > 0),
                    m_pCombo->GetColumnRights(), m_pCombo->m_crGridLine);
    }
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
    if (lpDIS->itemState & ODS_FOCUS) {
        CRect rectFocus = rect;
        pDC->DrawFocusRect(&rectFocus);
    }
}

void CGXTabbedComboLBox::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    if (lpMIS != nullptr)
        lpMIS->itemHeight = m_pCombo != nullptr ? std::max(1, m_pCombo->m_nItemHeight) : 16;
}

// --- The header ---

BOOL CGXTabbedLBoxHeader::CreateHeader()
{
    CString strClass = GXGetLibraryState().m_strDragLineClass;
    if (strClass.IsEmpty())
        strClass = AfxRegisterWndClass(CS_SAVEBITS);
    return CreateEx(WS_EX_TOOLWINDOW, strClass, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr);
}

LRESULT CGXTabbedLBoxHeader::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        CPaintDC dc(this);
        Paint(&dc);
        return 0;
    }
    case WM_ERASEBKGND:
        return TRUE;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CGXTabbedLBoxHeader::Paint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, GXGetSysColorCache().GetSysColor(COLOR_BTNFACE));
    if (m_pCombo == nullptr)
        return;
    CFont* pOld = nullptr;
    if (m_pCombo->m_font.GetSafeHandle() != nullptr)
        pOld = pDC->SelectObject(&m_pCombo->m_font);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(GXGetSysColorCache().GetSysColor(COLOR_BTNTEXT));
    const std::vector<CString> fields = ShownFields(m_strTitles, m_pCombo->m_nDisplayCol > 0);
    const std::vector<int>& rights = m_pCombo->GetColumnRights();
    int nLeft = rect.left;
    for (size_t i = 0; i < fields.size(); ++i) {
        const BOOL bLast = i + 1 >= fields.size() || i >= rights.size();
        const int nRight = bLast ? rect.right : rect.left + rights[i];
        if (nRight > nLeft) {
            CRect rectField(nLeft, rect.top, nRight, rect.bottom);
            CRect rectEdge = rectField;
            pDC->DrawEdge(&rectEdge, EDGE_RAISED, BF_RECT);
            rectField.DeflateRect(2, 0);
            pDC->DrawText(fields[i], &rectField,
                          DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
        nLeft = nRight;
        if (bLast)
            break;
    }
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
    if (pOld != nullptr)
        pDC->SelectObject(pOld);
}
