// CGXGridMoveRowsColsImp: moving a block of whole rows or columns to another place, with
// every per-row (per-column) structure of the grid kept in step, undoable, repainting the
// rows from the first one that changed. Switched on per grid by GXImplementMoveRowsCols.
#pragma once
#include "features/GXAbstractGridFeatures.h"

class CGXGridMoveRowsColsImp final : public CGXAbstractGridMoveRowsColsImp
{
public:
    // Rows nFrom..nTo move so that nFrom becomes nDest. Bounds must hold:
    // 1 <= nFrom <= nTo <= count and the block fits at nDest; else FALSE, nothing changes.
    BOOL MoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                  GXCmdType ctCmd) override;
    BOOL MoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                  GXCmdType ctCmd) override;
    BOOL WriteRowMove(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) override;
    BOOL WriteColMove(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) override;
    void RefreshRowMove(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                        BOOL bCreateHint) override;
    void RefreshColMove(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                        BOOL bCreateHint) override;

    // Names as other callers know them.
    BOOL StoreMoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
    {
        return WriteRowMove(pGrid, nFrom, nTo, nDest);
    }
    BOOL StoreMoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
    {
        return WriteColMove(pGrid, nFrom, nTo, nDest);
    }
    void UpdateMoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                        BOOL bCreateHint)
    {
        RefreshRowMove(pGrid, nFrom, nTo, nDest, nFlags, bCreateHint);
    }
    void UpdateMoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                        BOOL bCreateHint)
    {
        RefreshColMove(pGrid, nFrom, nTo, nDest, nFlags, bCreateHint);
    }

private:
    BOOL Move(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
              GXCmdType ctCmd);
    BOOL WriteMove(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
    void RefreshMove(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                     UINT nFlags, BOOL bCreateHint);
};

// Where row (column) n is after nFrom..nTo moved to nDest.
ROWCOL GXMovedIndex(ROWCOL n, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);

void GXImplementMoveRowsCols(CGXGridCore* pGrid);
