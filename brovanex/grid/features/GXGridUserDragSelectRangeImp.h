// CGXGridUserDragSelectRangeImp: a block of fully selected rows grabbed by a row header (or
// of columns by a column header) is dragged to another place; a marker line shows where it
// will land, and the drop moves the rows or columns through CGXGridCore::MoveRows or
// MoveCols (one undo step there). Switched on per grid by GXImplementUserDragSelectRange,
// which also switches on range selection and moving rows and columns.
#pragma once
#include "features/GXAbstractGridFeatures.h"

class CGXDragLineWnd;

class CGXGridUserDragSelectRangeImp final : public CGXAbstractGridUserDragSelectRangeImp
{
public:
    CGXGridUserDragSelectRangeImp() = default;
    ~CGXGridUserDragSelectRangeImp() { DestroyMarker(); }
    CGXGridUserDragSelectRangeImp(const CGXGridUserDragSelectRangeImp&) = delete;
    CGXGridUserDragSelectRangeImp& operator=(const CGXGridUserDragSelectRangeImp&) = delete;

    // A press on the header of a fully selected row (column) starts a drag: TRUE when it did.
    BOOL DragPress(CGXGridCore* pGrid, CPoint point, UINT nFlags, int nHitState, ROWCOL nRow,
                   ROWCOL nCol) override;
    // While dragging: the marker follows the mouse (TRUE); else FALSE.
    BOOL DragMove(CGXGridCore* pGrid, CPoint point, UINT nFlags) override;
    // While dragging: drops the block where the marker is (TRUE); else FALSE.
    BOOL DragRelease(CGXGridCore* pGrid, CPoint point, UINT nFlags) override;
    // The selected whole-row (whole-column) range holding the header cell (nRow, nCol).
    BOOL FindDragRange(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXRange& range) override;
    // Moves the marker to the line before row (column) nDest of the dragged block.
    BOOL DrawDragFeedback(CGXGridCore* pGrid, CDC* pDC, const CGXRange& range,
                          ROWCOL nDest) override;
    // Whether a press on (nRow, nCol) would start a drag.
    BOOL HitTestDragRange(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) override;
    void CancelDragSelect(CGXGridCore* pGrid) override;

    BOOL IsDragging() const { return m_bDragging; }
    int GetDragMode() const { return m_nMode; } // 2 rows, 1 columns, 0 none
    ROWCOL GetTarget() const { return m_nTarget; }

private:
    BOOL StartDrag(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol);
    BOOL MoveMarker(CGXGridCore* pGrid, ROWCOL nTarget);
    BOOL Drop(CGXGridCore* pGrid, ROWCOL nTarget);
    ROWCOL TargetAt(CGXGridCore* pGrid, CPoint point) const;
    void DestroyMarker();

    BOOL m_bDragging = FALSE;
    int m_nMode = 0;
    ROWCOL m_nFirst = 0, m_nLast = 0; // the dragged block
    ROWCOL m_nTarget = 0;
    CGXDragLineWnd* m_pMarker = nullptr;
};
