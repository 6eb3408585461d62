// CGXGridExcelLikeFrameImp: the thick frame spreadsheets draw around the active block (the
// last selected range, or the current cell when nothing is selected), with a small square
// fill handle at one corner. It is drawn only while the parameter object's frame flag
// (m_bSelectionFrame) is set, made only of inverted rectangles, so drawing the same pieces
// again erases it. The core hides it before it paints or scrolls and shows it again after
// (ToggleSelectionFrame), which also moves it to the selection as it is then.
#pragma once
#include "features/GXAbstractGridFeatures.h"

#include <vector>

class CGXGridCore;
class CGXRange;

class CGXGridExcelLikeFrameImp final : public CGXAbstractGridExcelLikeFrameImp
{
public:
    // Draws the frame for the range (the stored one when null) into the DC (a client DC of
    // the grid window when null); with bDrawOld the frame showing is erased first.
    void DrawSelectionFrame(CGXGridCore* pGrid, CDC* pDC, BOOL bDrawOld,
                            const CGXRange* pRange) override;
    // Erases the frame showing and, with bDraw, draws it around the range (the selection's
    // last range, else the current cell, when null). Nothing while the frame is locked.
    void UpdateSelectionFrame(CGXGridCore* pGrid, BOOL bDraw, const CGXRange* pRange) override;
    // Locks (erases) or unlocks (draws) the frame; the previous lock state.
    BOOL LockSelectionFrame(CGXGridCore* pGrid, BOOL bLock, BOOL bCreateHint) override;

    // The rectangles of one pane's part of the frame around rcFrame (window coordinates of
    // the block, right and bottom exclusive): edges, inner lines and the fill handle
    // (nHandle 0 bottom-right, 2 bottom-left, 7 top-right; -1 none). bTop and bLeft draw the
    // top and left edges (the block does not continue above or left of the pane).
    static void FramePieces(CRect rcFrame, BOOL bTop, BOOL bLeft, int nHandle, BOOL bHandleOnly,
                            BOOL bInsideBorders, std::vector<CRect>& pieces);
    // The handle's corner for a range: 7 whole columns, 2 whole rows, else 0.
    static int HandleFor(const CGXRange& range);
    // The range the frame surrounds now: the last selected range, else the current cell's
    // block; clipped to the grid's cells. FALSE when there is none.
    static BOOL FrameRange(CGXGridCore* pGrid, const CGXRange* pRange, CGXRange& range,
                           int& nHandle);
    // The window rectangles the frame around the stored range covers, pane by pane.
    static void CollectPieces(CGXGridCore* pGrid, std::vector<CRect>& pieces);

private:
    static BOOL CanDraw(CGXGridCore* pGrid);
    static void Paint(CGXGridCore* pGrid, CDC* pDC);
    static void Erase(CGXGridCore* pGrid, CDC* pDC);
};
