// CGXGridSortImp: sorting the rows of a range by key columns, or its columns by key rows,
// with numeric, text, date/time or autodetected comparison, as one undoable step; and the
// double click on a header that sorts by that column (row). Switched on per grid by
// GXImplementSort, which also switches on the process-wide rewriting of stored rows
// (GXImplementGridSortMoveData).
#pragma once
#include "features/GXAbstractGridFeatures.h"
#include "features/GXSortInfo.h"

class CGXGridSortImp final : public CGXAbstractGridSortImp
{
public:
    void SortKeyRecords(CGXGridCore* pGrid, CGXSortInfoArray& keys,
                        GXSortRecords& records) override;
    void SortRows(CGXGridCore* pGrid, const CGXRange& range, CGXSortInfoArray& keys,
                  UINT nFlags) override;
    BOOL MoveDataRows(CGXGridCore* pGrid, const CGXRange& range, const CDWordArray& order,
                      UINT nFlags, GXCmdType ctCmd) override;
    BOOL StoreMoveDataRows(CGXGridCore* pGrid, const CGXRange& range,
                           const CDWordArray& order) override;
    void UpdateMoveDataRows(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags,
                            BOOL bCreateHint) override;
    void GetRowSortKeys(CGXGridCore* pGrid, ROWCOL nRow, const CGXSortInfoArray& keys,
                        CString* pTexts) override;
    void SortCols(CGXGridCore* pGrid, const CGXRange& range, CGXSortInfoArray& keys,
                  UINT nFlags) override;
    BOOL MoveDataCols(CGXGridCore* pGrid, const CGXRange& range, const CDWordArray& order,
                      UINT nFlags, GXCmdType ctCmd) override;
    BOOL StoreMoveDataCols(CGXGridCore* pGrid, const CGXRange& range,
                           const CDWordArray& order) override;
    void UpdateMoveDataCols(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags,
                            BOOL bCreateHint) override;
    void GetColSortKeys(CGXGridCore* pGrid, ROWCOL nCol, const CGXSortInfoArray& keys,
                        CString* pTexts) override;
    BOOL SortByHeaderClick(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) override;

private:
    void Sort(CGXGridCore* pGrid, BOOL bRows, const CGXRange& range, CGXSortInfoArray& keys,
              UINT nFlags);
    BOOL MoveData(CGXGridCore* pGrid, BOOL bRows, const CGXRange& range, const CDWordArray& order,
                  UINT nFlags, GXCmdType ctCmd);
    void UpdateMoveData(CGXGridCore* pGrid, BOOL bRows, const CGXRange& range, UINT nFlags,
                        BOOL bCreateHint);
    void GetSortKeys(CGXGridCore* pGrid, BOOL bRows, ROWCOL nIndex, const CGXSortInfoArray& keys,
                     CString* pTexts);
};
