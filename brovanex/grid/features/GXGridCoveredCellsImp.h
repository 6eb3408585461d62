// Covered cells: a rectangle of cells shown and edited as its top-left cell. The ranges
// live in the parameter object's covered-range list, indexed by its covered-cell pool.
#pragma once
#include "features/GXAbstractGridFeatures.h"

class CGXCoveredCellPool;

class CGXGridCoveredCellsImp final : public CGXAbstractGridCoveredCellsImp
{
public:
    // Covers (row, col)..(toRow, toCol), or uncovers the range starting at (row, col) when
    // the two cells are equal; redraws what changed and records the change for undo.
    BOOL SetCoveredCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                         UINT nFlags, GXCmdType ctCmd) override;
    CGXRange* GetCoveredBlock(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                              CGXRange& range) override;
    // The stored change alone: no undo, no redraw.
    BOOL WriteCoveredCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                           ROWCOL nToCol, BOOL bSet) override;
    void RefreshCoveredCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                             ROWCOL nToCol, UINT nFlags, BOOL bCreateHint) override;
    void GrowRangeByCovered(CGXGridCore* pGrid, CGXRange& range) override;
    void PrepareRowRemoval(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT& nFlags,
                           GXCmdType ctCmd) override;
    void PrepareColRemoval(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT& nFlags,
                           GXCmdType ctCmd) override;

private:
    static CGXCoveredCellPool* PoolOf(CGXGridCore* pGrid);
    void PrepareRemoval(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, UINT& nFlags,
                        GXCmdType ctCmd);
};
