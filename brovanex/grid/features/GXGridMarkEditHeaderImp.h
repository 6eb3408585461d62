// CGXGridMarkEditHeaderImp: the row header and the column header of the current cell draw
// marked (pressed), as does the header of a row or column the user is sizing; when the
// current cell moves, the headers of the cell it left and of the cell it reached are drawn
// again. The properties MarkRowHeader and MarkColumnHeader switch the current cell's marks.
// Switched on per grid by GXImplementMarkEditHeader.
#pragma once
#include "features/GXAbstractGridFeatures.h"

class CGXGridMarkEditHeaderImp final : public CGXAbstractGridMarkEditHeaderImp
{
public:
    // The cell (nRow, nCol) was drawn again: its row header and column header are too.
    void MarkEditHeader(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, BOOL bMark) override;
    // Whether the header cell (nRow, nCol) draws marked.
    BOOL IsHeaderMarked(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                        const CGXStyle& style) override;
};
