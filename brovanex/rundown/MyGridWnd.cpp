#include "MyGridWnd.h"

#include "BaseGrid.h"
#include "core/GXGridParam.h"
#include "core/GXStyle.h"

CMyGridWnd::CMyGridWnd()
    : m_crSelBack(RGB(0, 0, 128)), m_crSelText(RGB(255, 255, 255)), m_pView(nullptr),
      m_bPainting(FALSE)
{ }

BOOL CMyGridWnd::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CGXGridWnd::Create(dwStyle, rect, pParentWnd, nID);
}

BOOL CMyGridWnd::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt,
                                int nType)
{
    const BOOL bResult = CGXGridWnd::GetStyleRowCol(nRow, nCol, style, mt, nType);
    if (nType == 0 && nRow > 0 && nCol > 0 && GetParam() != nullptr &&
        GetParam()->m_selRects.ListContainsCell(nRow, nCol)) {
        style.SetInterior(m_crSelBack);
        style.SetTextColor(m_crSelText);
        return TRUE;
    }
    return bResult;
}

void CMyGridWnd::DrawInvertCell(CDC*, ROWCOL nRow, ROWCOL nCol, CRect rectItem)
{
    // The selection is painted in its own colours, not inverted.
    if (m_bPainting || m_hWnd == nullptr)
        return;
    (void)nRow;
    (void)nCol;
    InvalidateRect(&rectItem, FALSE);
}

BOOL CMyGridWnd::OnDeleteCell(ROWCOL, ROWCOL) { return FALSE; }

BOOL CMyGridWnd::OnLButtonDblClkRowCol(ROWCOL nRow, ROWCOL, UINT, CPoint)
{
    if (m_pView != nullptr)
        m_pView->BGLButtonDblClk(nRow);
    return TRUE;
}

long CMyGridWnd::MoveTarget(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow)
{
    if (nDestRow < nFromRow)
        return (long)nDestRow - 1;
    if (nDestRow == nFromRow || nFromRow == nToRow)
        return (long)nDestRow;
    return (long)(nDestRow + (nToRow - nFromRow));
}

BOOL CMyGridWnd::MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT, GXCmdType)
{
    // The grid's rows are not moved here: the row list moves its rows and the grid is
    // rebuilt from it.
    if (m_pView != nullptr)
        m_pView->BGMoveRows(MoveTarget(nFromRow, nToRow, nDestRow));
    return TRUE;
}

BOOL CMyGridWnd::OnStartEditing(ROWCOL nRow, ROWCOL nCol)
{
    const BOOL bResult = CGXGridWnd::OnStartEditing(nRow, nCol);
    if (m_pView != nullptr)
        m_pView->BGStartEditing(nRow, nCol);
    return bResult;
}

BOOL CMyGridWnd::OnEndEditing(ROWCOL nRow, ROWCOL nCol)
{
    const BOOL bResult = CGXGridWnd::OnEndEditing(nRow, nCol);
    if (m_pView != nullptr)
        m_pView->BGEndEditing(nRow, nCol);
    return bResult;
}

void CMyGridWnd::OnCanceledEditing(ROWCOL nRow, ROWCOL nCol)
{
    CGXGridWnd::OnCanceledEditing(nRow, nCol);
    // A cancelled time edit is shown as a time again.
    OnEndEditing(nRow, nCol);
}

void CMyGridWnd::OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol)
{
    if (m_pView != nullptr)
        m_pView->RowChanged((long)nRow);
    CGXGridWnd::OnMovedCurrentCell(nRow, nCol);
}

void CMyGridWnd::OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol)
{
    CGXGridWnd::OnClickedButtonRowCol(nRow, nCol);
    if (m_pView != nullptr)
        m_pView->BGModifyCell(nRow, nCol);
}

LRESULT CMyGridWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        m_bPainting = TRUE;
        const LRESULT lResult = CGXGridWnd::WindowProc(message, wParam, lParam);
        m_bPainting = FALSE;
        return lResult;
    }
    if (message == WM_RBUTTONUP && m_pView != nullptr && m_pView->m_hWnd != nullptr) {
        const LRESULT lResult = CGXGridWnd::WindowProc(message, wParam, lParam);
        const DWORD pos = ::GetMessagePos();
        m_pView->SendMessage(WM_CONTEXTMENU, (WPARAM)m_hWnd, (LPARAM)pos);
        return lResult;
    }
    return CGXGridWnd::WindowProc(message, wParam, lParam);
}
