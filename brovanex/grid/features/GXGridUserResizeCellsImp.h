// CGXGridUserResizeCellsImp: sizing rows and columns by dragging the edge of a row header or
// column header. While the edge is dragged the feature shows a drag-line window at the old
// edge and an inverted line at the new one, and (by the parameter object's tracking flags)
// repaints the headers with the new size or sizes the column live; the release applies the
// size as one undoable change (or hides the row or column dragged to nothing). A double-click
// on an edge shows the hidden neighbours again or puts the default size back. Switched on
// per grid by GXImplementUserResizeCells.
//
// Mode 2 sizes a column width, mode 1 a row height; the row side mirrors the column side.
#pragma once
#include "features/GXAbstractGridFeatures.h"

class CGXDragLineWnd;

class CGXGridUserResizeCellsImp final : public CGXAbstractGridUserResizeCellsImp
{
public:
    CGXGridUserResizeCellsImp() = default;
    ~CGXGridUserResizeCellsImp() { DestroyDragLine(); }
    CGXGridUserResizeCellsImp(const CGXGridUserResizeCellsImp&) = delete;
    CGXGridUserResizeCellsImp& operator=(const CGXGridUserResizeCellsImp&) = delete;

    // Mouse steps the core hands over (the hover is every move while no cell button is down).
    BOOL ResizeHover(CGXGridCore* pGrid, CPoint point, UINT nFlags) override;
    BOOL ResizePress(CGXGridCore* pGrid, CPoint point, UINT nFlags, int nHitState, ROWCOL nRow,
                     ROWCOL nCol) override;
    BOOL ResizeRelease(CGXGridCore* pGrid, CPoint point, UINT nFlags) override;
    BOOL ResizeDblClk(CGXGridCore* pGrid, CPoint point, UINT nFlags, int nHitState, ROWCOL nRow,
                      ROWCOL nCol) override;
    // Tracking: start (FALSE when refused), move to a size, end with a size, cancel.
    BOOL ApplyUserResize(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nMode) override;
    void DrawResizeLine(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nMode,
                        int nSize) override;
    void FinishUserResize(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nMode,
                          int nSize) override;
    void CancelUserResize(CGXGridCore* pGrid) override;

    BOOL IsTracking() const { return m_bTracking; }
    int GetMode() const { return m_nMode; }
    ROWCOL GetTrackedRow() const { return m_nRow; }
    ROWCOL GetTrackedCol() const { return m_nCol; }
    // Whether the header of the tracked row or column draws marked.
    BOOL MarksHeader() const { return m_bTracking && m_bMarkHeader; }

private:
    BOOL Cols() const { return m_nMode == 2; }
    ROWCOL Index() const { return Cols() ? m_nCol : m_nRow; }
    int SizeAt(CPoint point) const;
    void InvertLine(CGXGridCore* pGrid, const CRect& rect);
    void DestroyDragLine();
    // Stores the size without undo (a width below 0 removes its own entry) and the hidden state.
    void StoreSize(CGXGridCore* pGrid, int nSize, BOOL bHidden);
    // Puts the starting size, hidden state and own entry back.
    void RestoreStart(CGXGridCore* pGrid);
    // Invalidates the header rows (columns) from the tracked column (row) to the grid's edge.
    void InvalidateHeadersToEdge(CGXGridCore* pGrid);
    void ApplySize(CGXGridCore* pGrid, int nSize, UINT nFlags);

    BOOL m_bTracking = FALSE;
    int m_nMode = 0;
    ROWCOL m_nRow = 0, m_nCol = 0;
    BOOL m_bMoved = FALSE;
    CRect m_rectCell; // the header cell being sized
    CRect m_rectFixed, m_rectStart, m_rectCurrent; // one-unit lines
    int m_nStartSize = 0;
    BOOL m_bStartHidden = FALSE;
    BOOL m_bHadEntry = FALSE;
    LONG m_nStartEntry = 0;
    BOOL m_bLiveSize = FALSE, m_bLivePreview = FALSE, m_bDragLine = FALSE;
    BOOL m_bInvertLine = FALSE, m_bMarkHeader = FALSE;
    CGXDragLineWnd* m_pDragLine = nullptr;
};
