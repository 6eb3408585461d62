// Rows and columns resized to what their cells' contents need, never beyond the window.
#pragma once
#include "features/GXAbstractGridFeatures.h"

// nFlags bit 8: never shrink (a size changes only when the content needs more); the other
// bits go to the size change. bCovered: covered, merged and floated blocks count too
// (measured once, at the block's last row or column).
class CGXGridResizeToFitImp final : public CGXAbstractGridResizeToFitImp
{
public:
    BOOL FitRowHeights(CGXGridCore* pGrid, const CGXRange& range, BOOL bCovered,
                       UINT nFlags) override;
    BOOL FitColWidths(CGXGridCore* pGrid, const CGXRange& range, BOOL bCovered,
                      UINT nFlags) override;

private:
    BOOL Fit(CGXGridCore* pGrid, BOOL bRows, const CGXRange& range, BOOL bCovered, UINT nFlags);
};
