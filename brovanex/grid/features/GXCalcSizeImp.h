// The size a cell's content needs: its text measured in the cell's font, laid out in the
// width of the cell's block when it wraps, plus the control's margins and borders.
#pragma once
#include "features/GXAbstractGridFeatures.h"

class CGXCalcSizeImp final : public CGXAbstractCalcSizeImp
{
public:
    // bHeight: the height the content needs at the block's present width (the width is the
    // text area's); otherwise the width it needs (the height is the text area's).
    CSize CalcCellSize(CGXGridCore* pGrid, CGXControl* pControl, CDC* pDC, ROWCOL nRow, ROWCOL nCol,
                       const CGXStyle& style, const CGXStyle* pStandard, BOOL bHeight) override;
};
