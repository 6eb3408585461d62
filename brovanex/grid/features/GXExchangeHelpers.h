// What the clipboard, clearing, find and sort features share: the library's texts, a
// cell's display text, clipping ranges to the grid's cells and the row and column bands of
// a range list.
#pragma once
#include "core/GXGridCore.h"

// Texts of these features (the library's string table).
#define GX_IDS_TOO_LARGE_FOR_UNDO 20082
#define GX_IDS_WORKING 20141
#define GX_IDS_CANCEL_HINT 20142
#define GX_IDS_SORTING 20144
#define GX_IDS_COPYING 20145
#define GX_IDS_PASTING 20146
#define GX_IDS_CLEARING 20147
#define GX_IDS_NO_MEMORY_TO_PASTE 20149
#define GX_IDS_MOVING 20151
#define GX_IDS_SEARCHING 20152
#define GX_IDS_NOT_ON_MULTIPLE_SELECTIONS 20153
#define GX_IDS_REPLACING 20154
#define GX_IDS_PASTE 20175
#define GX_IDS_COPY_CELLS 20193
#define GX_IDS_MOVE_CELLS 20176
#define GX_IDS_CUT 20178
#define GX_IDS_CLEAR 20179
#define GX_IDS_SORT_ROWS 20181
#define GX_IDS_SORT_COLS 20182
#define GX_IDS_REPLACE_ALL 20183
#define GX_IDS_PASTE_OTHER_SIZE 20184
#define GX_IDS_SORT_CANCELLED 20187
#define GX_IDS_NO_MEMORY_TO_SORT 20190
#define GX_IDS_CANCEL_QUESTION 20191
#define GX_IDS_CANCEL_OR_ROLLBACK 20192

CString GXLibraryText(UINT nID);

// The text a cell shows for its value: through the control its style names, else the
// style's value.
CString GXCellDisplayText(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);

// Each range made concrete and clipped to the grid's cells: rows from the first row below
// the header rows (from 0 with bHeaderRows), columns likewise; ranges wholly outside go.
void GXClipRangesToCells(CGXGridCore* pGrid, const CGXRangeList& in, CGXRangeList& out,
                         BOOL bHeaderRows, BOOL bHeaderCols);

// The distinct, ascending row and column intervals a list of cell ranges covers.
struct GXRangeBands
{
    CDWordArray rowFrom, rowTo, colFrom, colTo;
    ROWCOL nRows = 0, nCols = 0; // total rows and columns of the bands
    void Collect(const CGXRangeList& cells, ROWCOL nRowCount, ROWCOL nColCount);
    // The band row (column) at index i of the exchanged area.
    ROWCOL RowAt(ROWCOL i) const;
    ROWCOL ColAt(ROWCOL i) const;
};
