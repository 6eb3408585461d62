// The owner-drawn rows and the title header of the tabbed combo boxes: drawing a row and the
// titles (shared by both tabbed combos), the list of CGXTabbedComboBox, and the header window.
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

// Calls draw(i, rectColumn, bLast) for each field's column: from the previous right edge to
// its own, the last to the end of the rectangle.
template<class Draw>
void ForEachColumn(const CRect& rect, size_t nFields, const std::vector<int>& rights, Draw draw)
{
    int nLeft = rect.left;
    for (size_t i = 0; i < nFields; ++i) {
        const BOOL bLast = i + 1 >= nFields || i >= rights.size();
        const int nRight = bLast ? (int)rect.right : (int)rect.left + rights[i];
        draw(i, CRect(nLeft, rect.top, std::max(nLeft, nRight), rect.bottom), bLast);
        nLeft = std::max(nLeft, nRight);
        if (bLast)
            break;
    }
}

const UINT kFieldFormat = DT_LEFT | DT_VCENTER;
} // namespace

void GXDrawTabbedRow(const DRAWITEMSTRUCT& dis, const CString& strEntry,
                     const GXTabbedRowLook& look)
{
    CDC* pDC = CDC::FromHandle(dis.hDC);
    const CRect rect = dis.rcItem;
    const BOOL bSelected = (dis.itemState & ODS_SELECTED) != 0;
    pDC->FillSolidRect(&rect, bSelected ? ::GetSysColor(COLOR_HIGHLIGHT) : look.crBack);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld =
        pDC->SetTextColor(bSelected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : look.crText);
    if (!look.bColumns || look.pColRight == nullptr) {
        GXDrawTabbedField(pDC, GXGetTabbedItem(strEntry, 0),
                          CRect(rect.left + 2, rect.top, rect.right, rect.bottom), kFieldFormat);
    } else {
        const std::vector<CString> fields = ShownFields(strEntry, look.bSkipFirst);
        ForEachColumn(rect, fields.size(), *look.pColRight,
                      [&](size_t i, const CRect& rectColumn, BOOL bLast) {
                          GXDrawTabbedField(pDC, fields[i],
                                            CRect(rectColumn.left + 2, rectColumn.top,
                                                  rectColumn.right - 2, rectColumn.bottom),
                                            kFieldFormat);
                          if (!bLast && rectColumn.right - 2 >= rect.left) {
                              CRect rectLine(rectColumn.right - 2, rect.top, rectColumn.right - 1,
                                             rect.bottom);
                              pDC->FillSolidRect(&rectLine, look.crGridLine);
                          }
                      });
    }
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
    if ((dis.itemState & ODS_FOCUS) && !(dis.itemState & ODS_COMBOBOXEDIT)) {
        CRect rectFocus = rect;
        pDC->DrawFocusRect(&rectFocus);
    }
}

void GXDrawTabbedTitles(CDC* pDC, const CRect& rect, const CString& strTitles,
                        const std::vector<int>& colRight, BOOL bColumns, BOOL bSkipFirst)
{
    auto drawTitle = [&](const CString& strField, const CRect& rectColumn) {
        if (rectColumn.IsRectEmpty())
            return;
        CRect rectEdge = rectColumn;
        pDC->DrawEdge(&rectEdge, EDGE_RAISED, BF_RECT);
        CRect rectField = rectColumn;
        if (GXTabbedPicture(strField) != nullptr)
            rectField.DeflateRect(1, 1);
        else
            rectField.DeflateRect(2, 0);
        GXDrawTabbedField(pDC, strField, rectField, kFieldFormat);
    };
    if (!bColumns) {
        drawTitle(GXGetTabbedItem(strTitles, 0), rect);
        return;
    }
    const std::vector<CString> fields = ShownFields(strTitles, bSkipFirst);
    ForEachColumn(rect, fields.size(), colRight, [&](size_t i, const CRect& rectColumn, BOOL) {
        drawTitle(fields[i], rectColumn);
    });
}

// --- The list of CGXTabbedComboBox ---

void CGXTabbedComboLBox::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS == nullptr || (int)lpDIS->itemID < 0 || m_pCombo == nullptr)
        return;
    CString strEntry;
    GetText((int)lpDIS->itemID, strEntry);
    GXTabbedRowLook look;
    look.pColRight = &m_pCombo->GetColumnRights();
    look.bColumns = m_pCombo->m_bDisplayAllCols;
    look.bSkipFirst = m_pCombo->m_nDisplayCol > 0;
    look.crGridLine = m_pCombo->m_crGridLine;
    look.crBack = m_pCombo->m_crBack;
    look.crText = m_pCombo->m_crText;
    GXDrawTabbedRow(*lpDIS, strEntry, look);
}

void CGXTabbedComboLBox::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    if (lpMIS == nullptr)
        return;
    lpMIS->itemHeight = 16;
    if (m_pCombo != nullptr)
        lpMIS->itemHeight = std::max(1, m_pCombo->RowHeight((int)lpMIS->itemID));
}

// --- The header ---

BOOL CGXTabbedLBoxHeader::CreateHeader()
{
    CString strClass = GXGetLibraryState().m_strDragLineClass;
    if (strClass.IsEmpty())
        strClass = AfxRegisterWndClass(CS_SAVEBITS);
    // A tool window on the desktop; a child of nothing on the old systems as well.
    return CreateEx(WS_EX_TOOLWINDOW, strClass, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr);
}

void CGXTabbedLBoxHeader::SetLayout(const std::vector<int>& colRight, int nDisplayCol,
                                    BOOL bDisplayAllCols, CFont* pFont)
{
    m_colRight = colRight;
    m_nDisplayCol = nDisplayCol;
    m_bDisplayAllCols = bDisplayAllCols;
    m_pFont = pFont;
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
    CFont* pOld = nullptr;
    if (m_pFont != nullptr && m_pFont->GetSafeHandle() != nullptr)
        pOld = pDC->SelectObject(m_pFont);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(GXGetSysColorCache().GetSysColor(COLOR_BTNTEXT));
    GXDrawTabbedTitles(pDC, rect, m_strTitles, m_colRight, m_bDisplayAllCols, m_nDisplayCol > 0);
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
    if (pOld != nullptr)
        pDC->SelectObject(pOld);
}
