// CGXGridFreezeMenuHelperImp: Freeze Rows, Unfreeze Rows, Freeze Columns and Unfreeze
// Columns from the selection. Freezing moves the selected band to the first place after
// the headers and freezes exactly it; unfreezing moves it back. Switched on per grid by
// GXImplementFreezeMenuHelper.
#pragma once
#include "features/GXAbstractGridFeatures.h"

class CGXGridFreezeMenuHelperImp final : public CGXAbstractGridFreezeMenuHelperImp
{
public:
    BOOL CanFreezeRows(CGXGridCore* pGrid) override;
    BOOL CanUnfreezeRows(CGXGridCore* pGrid) override;
    void FreezeRows(CGXGridCore* pGrid) override;
    void UnfreezeRows(CGXGridCore* pGrid) override;
    BOOL CanFreezeCols(CGXGridCore* pGrid) override;
    BOOL CanUnfreezeCols(CGXGridCore* pGrid) override;
    void FreezeCols(CGXGridCore* pGrid) override;
    void UnfreezeCols(CGXGridCore* pGrid) override;

private:
    // The one selected band of rows (columns); FALSE when there is none or more than one.
    static BOOL SelectedBand(CGXGridCore* pGrid, BOOL bRows, ROWCOL& nFirst, ROWCOL& nLast);
    // Freezes the selected band of rows (columns) as one undo step.
    void FreezeBand(CGXGridCore* pGrid, BOOL bRows);
};
