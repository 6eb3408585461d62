// CGXGridUserSelectRangeImp: selecting cell blocks, whole rows, whole columns and the table
// with the mouse (click, drag, Ctrl+click, Shift+click) and Shift+arrow keys. The ranges live
// in the parameter object's selection list; after each change only the cells whose selected
// state changed are drawn again (inverted through CGXGridCore::DrawInvertCell on a client DC),
// with the selection frame hidden around the drawing (UpdateSelectionFrame FALSE, then TRUE
// with the last range). Switched on per grid by GXImplementUserSelectRange.
//
// The range that the mouse and the keys extend (the "last range") is one entry of the list;
// another feature may make an entry the last range (SetLastRange) before extending it.
#pragma once
#include "core/GXRange.h"
#include "features/GXAbstractGridFeatures.h"

class CGXGridCore;

class CGXGridUserSelectRangeImp final : public CGXAbstractGridUserSelectRangeImp
{
public:
    BOOL BeginSelect(CGXGridCore* pGrid, CPoint point, UINT nFlags, int nHitState, ROWCOL nRow,
                     ROWCOL nCol) override;
    BOOL ExtendSelect(CGXGridCore* pGrid, CPoint point, UINT nFlags, ROWCOL nRow,
                      ROWCOL nCol) override;
    BOOL EndSelect(CGXGridCore* pGrid, CPoint point, UINT nFlags) override;
    // A key moved the current cell; with Shift (and selection flag 64) the last range grows.
    BOOL MoveCurrentCellEx(CGXGridCore* pGrid, int nDirection, UINT nCount) override;
    // Ctrl+click on a fully selected column (row) header deselects that column (row).
    BOOL OnLButtonClickedRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags,
                                CPoint point) override;
    // The corners of one entry (all zero removes it); a null position clears the selection.
    void SetSelection(CGXGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                      ROWCOL nRight) override;

    // Selects or deselects one range and repaints the change.
    void SelectRange(CGXGridCore* pGrid, const CGXRange& range, BOOL bSelect);
    // Adds a range, or removes it: every entry it overlaps is replaced by what remains of it
    // above, below, left and right of the removed range. No painting.
    static BOOL AddOrRemoveRange(CGXGridCore* pGrid, const CGXRange& range, BOOL bAdd);
    // Draws again the visible cells whose selected state differs between the two lists.
    static void RepaintDifference(CGXGridCore* pGrid, const CGXRangeList& oldList,
                                  const CGXRangeList& newList);
    // Draws every selected visible cell again (inverting it back and forth).
    static void RepaintSelection(CGXGridCore* pGrid);

    // The list position of the last range, null when there is none (or it left the list).
    POSITION GetLastRange(CGXGridCore* pGrid) const;
    // Makes an entry of the list the last range; anchor and last cell become its top-left.
    void SetLastRange(CGXGridCore* pGrid, POSITION pos);
    BOOL IsSelecting() const { return m_bSelecting; }

private:
    // The range from the anchor to a cell, as the anchor's place and the mode make it.
    CGXRange SpanTo(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) const;
    // Puts the range into the last entry, appending one when there is none.
    void StoreLast(CGXGridCore* pGrid, const CGXRange& range);
    void ClearAll(CGXGridCore* pGrid);

    POSITION m_posLast = nullptr;
    ROWCOL m_nAnchorRow = 0, m_nAnchorCol = 0;
    ROWCOL m_nLastRow = 0, m_nLastCol = 0;
    BOOL m_bPending = FALSE; // a cell press whose range is made by the first move or release
    BOOL m_bSelecting = FALSE; // the button went down on a selectable cell and is held
    BOOL m_bCtrlAtDown = FALSE;
    BOOL m_bAnchorInRowHeaders = FALSE, m_bAnchorInColHeaders = FALSE;
};
