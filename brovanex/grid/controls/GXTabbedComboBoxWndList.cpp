// CGXTabbedComboBoxWnd: the combo's owner-drawn rows, widening and placing its dropped list
// with the title header against it, hiding the header, and the read-only window state.
#include "controls/GXFocusChangeLock.h"
#include "controls/GXTabbedComboBoxWnd.h"
#include "core/GXGridCore.h"
#include "fw/dc.h"

#include <algorithm>

void CGXTabbedComboBoxWnd::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS == nullptr || GetSafeHwnd() == nullptr)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const int nItem = (int)lpDIS->itemID;
    if (nItem < 0 || nItem >= CComboBox::GetCount()) {
        // The empty selection field.
        CRect rect = lpDIS->rcItem;
        pDC->FillSolidRect(&rect, m_crBack);
        return;
    }
    CString strEntry;
    GetLBText(nItem, strEntry);
    CFont* pOld = nullptr;
    if (m_font.GetSafeHandle() != nullptr)
        pOld = pDC->SelectObject(&m_font);
    GXTabbedRowLook look;
    look.pColRight = &m_colRight;
    // The selection field shows only the entry's first field, the shown text.
    look.bColumns = m_settings.bDisplayAllCols && !(lpDIS->itemState & ODS_COMBOBOXEDIT);
    look.bSkipFirst = m_settings.nDisplayCol > 0;
    look.crGridLine = m_crGridLine;
    look.crBack = m_crBack;
    look.crText = m_crText;
    GXDrawTabbedRow(*lpDIS, strEntry, look);
    if (pOld != nullptr)
        pDC->SelectObject(pOld);
}

void CGXTabbedComboBoxWnd::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    if (lpMIS != nullptr)
        lpMIS->itemHeight = std::max(1, RowHeight((int)lpMIS->itemID));
}

LRESULT CGXTabbedComboBoxWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CTLCOLORLISTBOX && lParam != 0) {
        // The dropped list asks for its colours when it paints: it is placed first.
        char szClass[16] = {};
        ::GetClassNameA((HWND)lParam, szClass, sizeof(szClass));
        if (lstrcmpiA(szClass, "ComboLBox") == 0)
            PlaceList((HWND)lParam);
    } else if (message == WM_CTLCOLOREDIT && GetSafeHwnd() != nullptr && !GetDroppedState()) {
        HideHeader();
    }
    return CGXComboBoxWnd::WindowProc(message, wParam, lParam);
}

void CGXTabbedComboBoxWnd::PlaceList(HWND hList)
{
    if (m_bPlacingList || !::IsWindowVisible(hList))
        return;
    CRect rectList;
    ::GetWindowRect(hList, &rectList);
    if (rectList == m_rectListPlaced)
        return;
    m_bPlacingList = TRUE;
    CRect rectField, rectDesk;
    GetWindowRect(&rectField);
    ::GetClientRect(::GetDesktopWindow(), &rectDesk);
    // As wide as the columns, and on the desktop: the right edges meet when it would pass it.
    CRect rectNew(rectField.left, rectList.top,
                  rectField.left + std::max((int)rectField.Width(), m_nTotalWidth),
                  rectList.bottom);
    if (rectNew.right > rectDesk.right)
        rectNew.OffsetRect(rectField.right - rectNew.right, 0);
    if (rectNew.left < rectDesk.left)
        rectNew.OffsetRect(rectDesk.left - rectNew.left, 0);
    const BOOL bHeader = m_bTitles && m_pHeader != nullptr &&
        (m_pHeader->GetSafeHwnd() != nullptr || m_pHeader->CreateHeader());
    CRect rectHeader;
    if (bHeader) {
        const int nHeader = m_nTitleHeight + 4;
        const int nHeight = rectNew.Height();
        if (rectNew.top >= rectField.top) {
            // Below the field: the header right under it, the list under the header; above
            // the field when both would pass the desktop's bottom.
            rectNew.top = rectField.bottom + nHeader;
            rectNew.bottom = rectNew.top + nHeight;
            if (rectNew.bottom > rectDesk.bottom &&
                rectField.top - nHeader - nHeight >= rectDesk.top) {
                rectNew.bottom = rectField.top;
                rectNew.top = rectNew.bottom - nHeight;
            }
        }
        rectHeader.SetRect(rectNew.left, rectNew.top - nHeader, rectNew.right, rectNew.top);
    }
    ::SetWindowPos(hList, HWND_TOPMOST, rectNew.left, rectNew.top, rectNew.Width(),
                   rectNew.Height(), SWP_NOACTIVATE);
    ::GetWindowRect(hList, &m_rectListPlaced);
    if (bHeader) {
        m_pHeader->SetLayout(m_colRight, m_settings.nDisplayCol, m_settings.bDisplayAllCols,
                             &m_font);
        m_pHeader->SetWindowPos(&CWnd::wndTopMost, rectHeader.left, rectHeader.top,
                                rectHeader.Width(), rectHeader.Height(),
                                SWP_NOACTIVATE | SWP_SHOWWINDOW);
        m_pHeader->Invalidate();
    }
    m_bPlacingList = FALSE;
}

void CGXTabbedComboBoxWnd::HideHeader()
{
    if (m_pHeader != nullptr && m_pHeader->GetSafeHwnd() != nullptr && m_pHeader->IsWindowVisible())
        m_pHeader->ShowWindow(SW_HIDE);
}

BOOL CGXTabbedComboBoxWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (GetSafeHwnd() != nullptr && (HWND)lParam == m_hWnd) {
        // Each drop places its list afresh.
        if (HIWORD(wParam) == CBN_DROPDOWN || HIWORD(wParam) == CBN_CLOSEUP)
            m_rectListPlaced.SetRectEmpty();
        if (HIWORD(wParam) == CBN_CLOSEUP)
            HideHeader();
    }
    return CGXComboBoxWnd::OnCommand(wParam, lParam);
}

void CGXTabbedComboBoxWnd::Hide()
{
    HideHeader();
    CGXComboBoxWnd::Hide();
}

void CGXTabbedComboBoxWnd::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol,
                                const CGXStyle& style, const CGXStyle* pStandardStyle)
{
    CGXComboBoxWnd::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    if (!IsInitRowCol(nRow, nCol) || !IsActive() || GetSafeHwnd() == nullptr || !IsWindowVisible())
        return;
    // A read-only cell's combo is disabled (its list cannot be opened by the mouse), but its
    // edit stays enabled and read-only, so its text is not greyed.
    const BOOL bReadOnly = IsReadOnly();
    const HWND hFocus = ::GetFocus();
    if (bReadOnly && hFocus != nullptr && (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus))) {
        // Neither a disabled window nor its children keep the focus: the grid takes it, and
        // the control stays active.
        CGXGridCore* pGrid = Grid();
        CGXGridFlagScope ignoreFocus(pGrid->m_bIgnoreFocus, TRUE);
        CGXFocusChangeLock lock(pGrid);
        if (CWnd* pGridWnd = pGrid->GetGridWnd())
            pGridWnd->SetFocus();
    }
    if ((IsWindowEnabled() != FALSE) == (bReadOnly != FALSE))
        EnableWindow(!bReadOnly);

    if (!IsPickOnly()) {
        m_editPart.EnableWindow(TRUE);
        m_editPart.SetReadOnly(bReadOnly);
    }
}
