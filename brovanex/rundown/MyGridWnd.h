// The rundown's grid window: a grid that shows the selection in the rundown's colours,
// never clears a cell with Delete, and hands double-clicks, edits, row drags and the
// current row to the rundown view that owns it.
#pragma once
#include "BrovanexApi.h"
#include "core/GXGridWnd.h"

class CBaseGrid;

class BROVANEX_API CMyGridWnd : public CGXGridWnd
{
public:
    CMyGridWnd();

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;
    // The rundown view that made this grid, told before the window is created.
    void SetParentView(CBaseGrid* pView) { m_pView = pView; }
    CBaseGrid* GetParentView() const { return m_pView; }

    BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt = gxCopy,
                        int nType = 0) override;
    void DrawInvertCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, CRect rectItem) override;
    BOOL OnDeleteCell(ROWCOL nRow, ROWCOL nCol) override;
    BOOL OnLButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt) override;
    BOOL MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags = GX_INVALIDATE,
                  GXCmdType ctCmd = gxDo) override;
    BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol) override;
    BOOL OnEndEditing(ROWCOL nRow, ROWCOL nCol) override;
    void OnCanceledEditing(ROWCOL nRow, ROWCOL nCol) override;
    void OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol) override;
    void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The target handed to the view when rows first..last are dropped at dest: the row
    // they go behind.
    static long MoveTarget(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow);

    COLORREF m_crSelBack; // the selection's interior
    COLORREF m_crSelText; // and its text

private:
    CBaseGrid* m_pView;
    BOOL m_bPainting;
};
