// The redraw after rows or columns were inserted, removed or resized: the unchanged part
// of the window is scrolled and only the strip that changed is invalidated. Changes that
// touch frozen rows or columns, and grids with floating or merged cells, repaint whole.
#pragma once
#include "features/GXAbstractGridFeatures.h"

class CGXGridOptimizedUpdateImp final : public CGXAbstractGridOptimizedUpdateImp
{
public:
    void RedrawInsertedRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags) override;
    void RedrawInsertedCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags) override;
    void RedrawRemovedRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, int* pOldSizes,
                           UINT nFlags) override;
    void RedrawRemovedCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, int* pOldSizes,
                           UINT nFlags) override;
    void RedrawResizedRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, int* pOldSizes,
                           UINT nFlags) override;
    void RedrawResizedCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, int* pOldSizes,
                           UINT nFlags) override;

private:
    void Inserted(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nCount, UINT nFlags);
    void Removed(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, const int* anOld,
                 UINT nFlags);
    void Resized(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, const int* anOld,
                 UINT nFlags);
};
