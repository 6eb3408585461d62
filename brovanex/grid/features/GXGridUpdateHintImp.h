// CGXGridUpdateHintImp: update hints between the views of one document. Each change of a
// grid becomes a CGXGridHint sent through the document to the other views, which replay it
// with the same grid operation and with hints off, so a change never bounces back.
// Switched on per grid by GXImplementUpdateHint.
#pragma once
#include "features/GXAbstractGridFeatures.h"
#include "features/GXGridHint.h"

class CGXGridUpdateHintImp final : public CGXAbstractGridUpdateHintImp
{
public:
    void ReplayHint(CGXGridCore* pGrid, CGXGridHint* pHint) override;
    BOOL SendRowCountHint(CGXGridCore* pGrid, ROWCOL nFirst, UINT nFlags) override;
    BOOL SendColCountHint(CGXGridCore* pGrid, ROWCOL nFirst, UINT nFlags) override;
    BOOL SendFrozenRowsHint(CGXGridCore* pGrid, ROWCOL nOldFrozen, ROWCOL nOldHeader,
                            UINT nFlags) override;
    BOOL SendFrozenColsHint(CGXGridCore* pGrid, ROWCOL nOldFrozen, ROWCOL nOldHeader,
                            UINT nFlags) override;
    BOOL SendTopRowHint(CGXGridCore* pGrid, ROWCOL nRow, UINT nFlags) override;
    BOOL SendLeftColHint(CGXGridCore* pGrid, ROWCOL nCol, UINT nFlags) override;
    BOOL SendInsertRowsHint(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags) override;
    BOOL SendInsertColsHint(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags) override;
    BOOL SendRemoveRowsHint(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT nFlags,
                            int nExtra) override;
    BOOL SendRemoveColsHint(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT nFlags,
                            int nExtra) override;
    BOOL SendMoveRowsHint(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                          UINT nFlags) override;
    BOOL SendMoveColsHint(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                          UINT nFlags) override;
    BOOL SendRowHeightsHint(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT nFlags,
                            int* pOldSizes) override;
    BOOL SendColWidthsHint(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT nFlags,
                           int* pOldSizes) override;
    BOOL SendZoomHint(CGXGridCore* pGrid, int nZoom) override;
    BOOL SendZoomChangedHint(CGXGridCore* pGrid, int nOldZoom, UINT nFlags) override;
    BOOL SendRedrawRangeHint(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags) override;
    BOOL SendRedrawAllHint(CGXGridCore* pGrid, UINT nFlags) override;
    BOOL SendStyleRangeHint(CGXGridCore* pGrid, const CGXRange& range, const CGXStyle* pStyle,
                            GXModifyType mt, int nType, UINT nFlags) override;
    BOOL SendStylesMapHint(CGXGridCore* pGrid, UINT nFlags) override;
    BOOL SendPropertiesHint(CGXGridCore* pGrid, UINT nFlags) override;
    BOOL SendBaseStyleHint(CGXGridCore* pGrid, WORD wStyleId, UINT nFlags) override;
    BOOL SendStoreCurrentCellHint(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                  UINT nFlags) override;
    BOOL SendTabNameHint(CGXGridCore* pGrid, LPCTSTR pszName) override;
    BOOL SendScrollHint(CGXGridCore* pGrid, int nDirection, ROWCOL nCount, UINT nFlags) override;
    BOOL SendMoveDataRowsHint(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags) override;
    BOOL SendMoveDataColsHint(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags) override;
    // Blocks of floating (merged) cells changed over the range: the other views redraw it.
    BOOL SendRedrawFloatedHint(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags);
    BOOL SendRedrawMergedHint(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags);

    // Replays a hint; the replayed operation's result (0 for another grid's or a foreign
    // hint, the hint's grid id when it names another grid).
    int HintUpdate(CGXGridCore* pGrid, CGXGridHint* pHint);

private:
    // Hands the hint to the other views of the grid's document.
    static void Send(CGXGridCore* pGrid, CGXGridHint& hint);
    // Sends a hint about rows (bRows) or columns: n1 to n3 travel as the hint's rows or
    // columns 1 to 3, beside the flags, the count or value and the pointer.
    static BOOL SendLines(CGXGridCore* pGrid, int nId, BOOL bRows, ROWCOL n1, ROWCOL n2, ROWCOL n3,
                          UINT nFlags, int lValue = 0, void* vptr = nullptr);
    // Sends a hint that carries the range's corners (as rows and columns 1 and 2) or, with
    // no range, its flags only.
    static BOOL SendRange(CGXGridCore* pGrid, int nId, const CGXRange* pRange, UINT nFlags);
    // The first scrolled row (bRows) or column, to the pane beside the grid.
    static BOOL SendFirstLine(CGXGridCore* pGrid, BOOL bRows, ROWCOL nLine, UINT nFlags);
    // The pane beside the grid in its splitter window (bRows: same splitter row, other
    // column), or null when there is none.
    static CWnd* SplitterPartner(CGXGridCore* pGrid, BOOL bRows);
};

void GXImplementUpdateHint(CGXGridCore* pGrid);
