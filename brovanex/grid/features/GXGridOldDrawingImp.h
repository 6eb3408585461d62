// The alternate drawing path: a prepared paint pass drawn row by row, each row clipped to
// its band, after the background was filled once and neighbouring cells with the same
// interior were filled together. Taken while the parameter object's old-drawing setting is
// on; once a grid has drawn this way it keeps doing so.
#pragma once
#include "features/GXAbstractGridFeatures.h"

class CGXGridOldDrawingImp final : public CGXAbstractGridOldDrawingImp
{
public:
    // FALSE (the core draws the pass) unless the grid drew this way before or the setting
    // is on.
    BOOL OnGridDraw(CGXGridCore* pGrid, GXPaintPass* pPass) override;
    // The standard background, the area beyond the last row and column, and the runs of
    // cells with one interior filled at once; with the setting on, every cell draws its
    // own background instead.
    void EraseBackground(CGXGridCore* pGrid, GXPaintPass* pPass);
};
