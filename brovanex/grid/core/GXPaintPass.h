// The record of one running paint pass of a grid: the rows and columns being drawn, their
// sizes and positions, each cell's style and flag word. Passes nest (a control drawing into
// the grid during a pass); the core keeps the innermost record.
#pragma once
#include "core/GXDefs.h"
#include <vector>

class CDC;
class CGXStyle;
class CGXControl;

// Flag bits of one cell of a pass.
enum GXPaintCellFlags : WORD {
    gxPaintBorderLeft = 0x0001,
    gxPaintBorderRight = 0x0002,
    gxPaintBorderTop = 0x0004,
    gxPaintBorderBottom = 0x0008,
    gxPaintInverted = 0x0010, // selected: drawn inverted
    gxPaintBackground = 0x0020, // background still to be drawn
    gxPaintSpanHidden = 0x0040, // inside a spanned block, not the cell that draws it: skipped
    gxPaintSpanned = 0x0080, // part of a covered, merged or floated block
    gxPaintSpanCovered = 0x0100, // the block is a covered range
    gxPaintHorzLine = 0x0200, // the horizontal grid line of the cell is drawn
    gxPaintVertLine = 0x0400, // the vertical grid line of the cell is drawn
    gxPaintFrozenColSep = 0x0800, // the cell's column is the last frozen column
    gxPaintFrozenRowSep = 0x1000, // the cell's row is the last frozen row
    gxPaintSpanCurrent = 0x2000 // the cell draws a block that holds the current cell
};

struct GXPaintPass
{
    // Client rows and columns drawn, the DC and its clip box.
    ROWCOL nFirstClientRow = 0, nFirstClientCol = 0, nLastClientRow = 0, nLastClientCol = 0;
    CDC* pDC = nullptr;
    RECT rectClip = {0, 0, 0, 0};
    ROWCOL nTopRow = 1, nLeftCol = 1, nFrozenRows = 0, nFrozenCols = 0;
    ROWCOL nHeaderRows = 0, nHeaderCols = 0;
    // Per row and per column (one more entry after the last: the position where the next
    // one would start; its number is GX_INVALID beyond the count).
    std::vector<ROWCOL> anRow, anCol;
    std::vector<int> anHeight, anWidth, anY, anX;
    // Per cell, row-major.
    std::vector<const CGXStyle*> apStyle;
    std::vector<WORD> awFlags;
    CGXControl* pCurrentControl = nullptr; // the current cell's control when in the pass
    RECT rectCurrentInner = {0, 0, 0, 0};
    COLORREF crBackground = 0;
    BOOL bBlackWhite = FALSE;

    size_t Rows() const { return anRow.empty() ? 0 : anRow.size() - 1; }
    size_t Cols() const { return anCol.empty() ? 0 : anCol.size() - 1; }
    size_t Index(size_t r, size_t c) const { return r * Cols() + c; }
};
