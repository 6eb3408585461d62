#include "features/GXExchangeHelpers.h"
#include "controls/GXControl.h"
#include "core/GXResourceString.h"

CString GXLibraryText(UINT nID)
{
    CString s;
    GXLoadString(nID, s);
    return s;
}

CString GXCellDisplayText(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    CString strText;
    CGXControl* pControl = pGrid->LookupControl(style.GetControl());
    if (pControl == nullptr || !pControl->GetStyleText(nRow, nCol, style, strText))
        strText = style.GetValue();
    return strText;
}

void GXClipRangesToCells(CGXGridCore* pGrid, const CGXRangeList& in, CGXRangeList& out,
                         BOOL bHeaderRows, BOOL bHeaderCols)
{
    out.DeleteAreas();
    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    const ROWCOL nFirstRow = bHeaderRows ? 0 : pGrid->GetHeaderRowCount() + 1;
    const ROWCOL nFirstCol = bHeaderCols ? 0 : pGrid->GetHeaderColCount() + 1;
    for (POSITION pos = in.GetHeadPosition(); pos != nullptr;) {
        CGXRange range(*in.GetNextRange(pos));
        range.WidenToCells(nFirstRow, nFirstCol, nRows, nCols);
        range.top = std::max(range.top, nFirstRow);
        range.left = std::max(range.left, nFirstCol);
        range.bottom = std::min(range.bottom, nRows);
        range.right = std::min(range.right, nCols);
        if (range.top <= range.bottom && range.left <= range.right) {
            range.SetValid(TRUE);
            out.AddRange(range);
        }
    }
}

void GXRangeBands::Collect(const CGXRangeList& cells, ROWCOL nRowCount, ROWCOL nColCount)
{
    cells.CollectRowSpans(nRowCount, rowFrom, rowTo, FALSE);
    cells.CollectColSpans(nColCount, colFrom, colTo, FALSE);
    nRows = nCols = 0;
    for (INT_PTR i = 0; i < rowFrom.GetSize(); ++i)
        nRows += rowTo[i] - rowFrom[i] + 1;
    for (INT_PTR i = 0; i < colFrom.GetSize(); ++i)
        nCols += colTo[i] - colFrom[i] + 1;
}

namespace {
ROWCOL BandAt(const CDWordArray& from, const CDWordArray& to, ROWCOL i)
{
    for (INT_PTR b = 0; b < from.GetSize(); ++b) {
        ROWCOL n = to[b] - from[b] + 1;
        if (i < n)
            return from[b] + i;
        i -= n;
    }
    return GX_INVALID;
}
} // namespace

ROWCOL GXRangeBands::RowAt(ROWCOL i) const { return BandAt(rowFrom, rowTo, i); }
ROWCOL GXRangeBands::ColAt(ROWCOL i) const { return BandAt(colFrom, colTo, i); }
