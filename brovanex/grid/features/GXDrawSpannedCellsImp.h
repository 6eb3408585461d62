// Drawing covered, merged and floated blocks as one cell: the block's first visible cell
// in each pane draws the top-left cell's style and content laid out over the whole block
// and clipped to the pane; the other cells draw nothing of their own and the grid lines
// inside the block disappear.
#pragma once
#include "features/GXAbstractGridFeatures.h"

class CGXDrawSpannedCellsImp final : public CGXAbstractDrawSpannedCellsImp
{
public:
    BOOL DrawSpannedCell(CGXGridCore* pGrid, GXPaintPass* pPass, ROWCOL nRow, ROWCOL nCol) override;
    void EvalVisibleSpannedCells(CGXGridCore* pGrid, ROWCOL nFrozenRows, ROWCOL nFrozenCols,
                                 ROWCOL nTopRow, ROWCOL nLeftCol, ROWCOL nLastRow,
                                 ROWCOL nLastCol) override;
    void WidenRangeBySpans(CGXGridCore* pGrid, CGXRange& range) override;
    void PrepareSpannedCells(CGXGridCore* pGrid, GXPaintPass* pPass) override;
    BOOL DrawSpannedPassCell(CGXGridCore* pGrid, GXPaintPass* pPass, size_t r, size_t c) override;
};
