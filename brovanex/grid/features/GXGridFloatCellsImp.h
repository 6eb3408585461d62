// Floating cells: a text wider than its column flows on over the empty cells to its right,
// which with it form one block along the row. The blocks are worked out at once for every
// change or, delayed, for the part of the grid about to be drawn, and kept in the
// parameter object's span-cell pool (a pool of its own while printing).
#pragma once
#include "core/GXRange.h"
#include "features/GXAbstractGridFeatures.h"

class CGXSpanStyleCache;

class CGXGridFloatCellsImp final : public CGXAbstractGridFloatCellsImp
{
public:
    void MarkFloatRangeDirty(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags) override;
    BOOL ResolveFloatRange(CGXGridCore* pGrid, const CGXRange& range, BOOL bPrinting) override;
    CGXRange* GetFloatBlock(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXRange& range) override;
    void RefreshFloatBlocks(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags) override;
    void InvalidateFloatBlocks(CGXGridCore* pGrid, const CGXRange& range) override;
    void GrowRangeByFloat(CGXGridCore* pGrid, CGXRange& range) override;
    BOOL QueryFloatRange(CGXGridCore* pGrid, const CGXRange& range, CGXRange& result) override;
    BOOL CanFloatCell(CGXGridCore* pGrid, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                      const CGXStyle& style, BOOL bFloatOrFlood) override;
    void SetFloatMode(CGXGridCore* pGrid, WORD wMode, BOOL bRedraw) override;

    // Evaluates the cells of range now (delayed: only those still pending); changed grows
    // by every block that changed. TRUE when a block changed.
    BOOL EvalFloatCells(CGXGridCore* pGrid, const CGXRange& range, CGXRange& changed, BOOL bForce);
    // The decision a cell control takes by default: flooded (bFloat FALSE) when empty;
    // floating when not empty and its font is not turned.
    BOOL CanFloatDefault(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                         BOOL bFloat);

private:
    struct Eval;
    BOOL EvalFloatCell(Eval& ev, ROWCOL nRow, ROWCOL nCol);
    BOOL FloatCellText(Eval& ev, ROWCOL nRow, ROWCOL nCol);
    BOOL CellFloats(Eval& ev, ROWCOL nRow, ROWCOL nCol, BOOL bFloat);
};
