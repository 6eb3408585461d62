// CGXGridExcelLikeFillImp: dragging the fill handle of a selected block repeats the block's
// cells into the cells dragged over (down, up, left or right), and dragging back inside the
// block clears the cells given up; a dotted outline shows the target while dragging. The
// parameter object's fill flags (m_bEnableFill) choose what is copied: 1 the values, 2 whole
// styles (2 wins); 0 offers no fill. The whole fill is one undo step.
#pragma once
#include "core/GXRange.h"
#include "features/GXAbstractGridFeatures.h"

class CGXGridCore;

// The bit of the core's mouse-down word that marks a fill in progress.
#define GX_MOUSE_FILLING 0x200

class CGXGridExcelLikeFillImp final : public CGXAbstractGridExcelLikeFillImp
{
public:
    BOOL FillPress(CGXGridCore* pGrid, CPoint point, UINT nFlags, int nHitState, ROWCOL nRow,
                   ROWCOL nCol) override;
    // TRUE while a fill is being dragged (the move is the fill's, not the selection's).
    BOOL FillMove(CGXGridCore* pGrid, CPoint point, UINT nFlags, ROWCOL nRow, ROWCOL nCol) override;
    BOOL FillRelease(CGXGridCore* pGrid, CPoint point, UINT nFlags) override;
    // Before the grid scrolls its window: the outline and the frame with its handle go.
    void HideFillHandle(CGXGridCore* pGrid) override;
    BOOL FillRange(CGXGridCore* pGrid, const CGXRange& source, const CGXRange& target) override;
    BOOL SelectFilledRange(CGXGridCore* pGrid, const CGXRange& range) override;

    // Where a drag from the source block goes for a mouse point, in window coordinates
    // (0 up, 1 left, 2 down, 3 right, 4 inside the block's rectangle).
    static int Direction(CPoint pt, const CRect& rcSource);
    // The target block for the mouse over (nRow, nCol) whose rectangle is rcCell.
    static CGXRange Target(const CGXRange& source, int nDirection, ROWCOL nRow, ROWCOL nCol,
                           CPoint pt, const CRect& rcCell);

    BOOL IsFilling() const { return m_bFilling; }
    const CGXRange& GetSource() const { return m_source; }
    const CGXRange& GetTarget() const { return m_target; }

private:
    // Redraws the dotted outline for a target (an empty one only erases).
    void Outline(CGXGridCore* pGrid, const CGXRange& target);
    void EraseOutline(CGXGridCore* pGrid);
    void ClearSelection(CGXGridCore* pGrid);

    BOOL m_bFilling = FALSE;
    CGXRange m_source; // the selected block the drag started from
    CGXRange m_target; // the block the drag covers now (source included); invalid: none
    CRect m_rcOutline; // the outline drawn, empty when none
};
