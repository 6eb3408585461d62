// Copying or moving a block of cells to another place in the same grid through the grid's
// data object, with the affected cells refreshed.
#pragma once
#include "features/GXAbstractGridFeatures.h"

class CGXGridDirectCopyMoveCellsImp final : public CGXAbstractGridDirectCopyMoveCellsImp
{
public:
    BOOL CopyCells(CGXGridCore* pGrid, const CGXRange& rg, ROWCOL nRow, ROWCOL nCol,
                   UINT nFlags) override;
    BOOL WriteCopyCells(CGXGridCore* pGrid, const CGXRange& rg, ROWCOL nRow, ROWCOL nCol) override;
    BOOL MoveCells(CGXGridCore* pGrid, const CGXRange& rg, ROWCOL nRow, ROWCOL nCol,
                   CObject* pUndoInfo, UINT nFlags, GXCmdType ctCmd) override;
    BOOL WriteMoveCells(CGXGridCore* pGrid, const CGXRange& rg, ROWCOL nRow, ROWCOL nCol,
                        CObject*& pUndoInfo, BOOL bCreateUndoInfo) override;
};
