// CGXData: the store of a grid's cell contents: row and column counts and one optional
// style per row, per column and per cell.
#pragma once
#include "core/GXDefs.h"
#include "core/GXCollections.h"
#include "core/GXStyle.h"

class CGXGridLibraryState;
class CGXRange;

class CGXData : public CObject
{
    DECLARE_SERIAL(CGXData)
public:
    CGXData();
    CGXData(const CGXData&) = delete;
    ~CGXData() override;

    virtual void DeleteContents();
    virtual CGXData& operator=(const CGXData& other);
    virtual void OnChanged() { }
    virtual ROWCOL GetRowCount();
    virtual ROWCOL GetColCount();
    virtual BOOL PutRowCount(ROWCOL nRows);
    virtual BOOL PutColCount(ROWCOL nCols);
    virtual BOOL PutRowInsertion(ROWCOL nRow, ROWCOL nCount);
    virtual BOOL PutColInsertion(ROWCOL nCol, ROWCOL nCount);
    virtual BOOL PutRowRemoval(ROWCOL nFrom, ROWCOL nTo);
    virtual BOOL PutColRemoval(ROWCOL nFrom, ROWCOL nTo);
    virtual BOOL PutRowMove(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
    virtual BOOL PutColMove(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
    virtual BOOL PutCellCopy(const CGXRange& range, ROWCOL nDestRow, ROWCOL nDestCol, UINT nFlags);
    virtual BOOL PutCellMove(const CGXRange& range, ROWCOL nDestRow, ROWCOL nDestCol,
                             CObject*& pUndoInfo, BOOL bCreateUndoInfo);
    // Mode -1 stores a row style (row not 0) or a column style (row 0); other modes the
    // cell's style. A null style deletes the entry. Always TRUE.
    virtual BOOL PutCellStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt,
                              int nMode);
    virtual BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt,
                                int nMode);
    // order[i]: the row (column) relative to the range's first that goes to position i.
    virtual BOOL PutRowOrder(const CGXRange& range, const CDWordArray& order, UINT nFlags);
    virtual BOOL PutColOrder(const CGXRange& range, const CDWordArray& order, UINT nFlags);
    virtual int GetValueTextHook();
    // Undo hooks of a data object that keeps its own undo state; the library's does not.
    virtual CObject* TakeUndoInfo() { return nullptr; }
    virtual BOOL RestoreUndoInfo(CObject*, BOOL, int) { return 0; }
    virtual BOOL SetUndoMode(BOOL) { return 0; }

    // Names as other callers know them.
    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt,
                          int nMode)
    {
        return PutCellStyle(nRow, nCol, pStyle, mt, nMode);
    }
    BOOL StoreRowCount(ROWCOL n) { return PutRowCount(n); }
    BOOL StoreColCount(ROWCOL n) { return PutColCount(n); }
    BOOL StoreInsertRows(ROWCOL nRow, ROWCOL nCount) { return PutRowInsertion(nRow, nCount); }
    BOOL StoreInsertCols(ROWCOL nCol, ROWCOL nCount) { return PutColInsertion(nCol, nCount); }
    BOOL StoreRemoveRows(ROWCOL nFrom, ROWCOL nTo) { return PutRowRemoval(nFrom, nTo); }
    BOOL StoreRemoveCols(ROWCOL nFrom, ROWCOL nTo) { return PutColRemoval(nFrom, nTo); }
    BOOL StoreMoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
    {
        return PutRowMove(nFrom, nTo, nDest);
    }
    BOOL StoreMoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
    {
        return PutColMove(nFrom, nTo, nDest);
    }

    void Serialize(CArchive& ar) override;

    ROWCOL m_nRows, m_nCols;
    CGXStylePtrArray m_apRowBaseStyles;
    CGXStylePtrArray m_apColBaseStyles;
    CGXStylePtrArrayPtrArray m_apapCellStyle;
    CGXStyle m_styleScratch1, m_styleScratch2;
    CGXGridLibraryState* m_pAppData;
};
