// Clearing cells: the values (or whole styles) of every cell of the selected ranges go, as
// one undo step, with progress and cancel for large areas.
#pragma once
#include "features/GXAbstractGridFeatures.h"

class CGXGridClearCellsImp final : public CGXAbstractGridClearCellsImp
{
public:
    BOOL CanClear(CGXGridCore* pGrid) override;
    BOOL Clear(CGXGridCore* pGrid, BOOL bStyleOrValue) override;
    BOOL ClearRanges(CGXGridCore* pGrid, const CGXRangeList& ranges, BOOL bStyleOrValue,
                     UINT nFlags) override;
};
