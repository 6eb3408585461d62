// The span-cell pool: rectangular blocks of cells (merged or floated) recorded so that the
// block holding any cell is found at once, and the process-wide factory that makes, copies
// and shifts the pools.
#pragma once
#include "core/GXDefs.h"
#include "features/GXAbstractProcessFeatures.h"

class CGXRange;

// An owning array, indexed by one coordinate, of DWORD arrays indexed by the other (null
// elements allowed).
class CGXDWordArrayPtrArray : public CPtrArray
{
    DECLARE_DYNAMIC(CGXDWordArrayPtrArray)
public:
    CGXDWordArrayPtrArray() = default;
    CGXDWordArrayPtrArray(const CGXDWordArrayPtrArray&) = delete;
    CGXDWordArrayPtrArray& operator=(const CGXDWordArrayPtrArray&) = delete;
    ~CGXDWordArrayPtrArray() override { DeleteAll(); }
    CDWordArray* GetArray(INT_PTR i) const
    {
        return i >= 0 && i < GetSize() ? static_cast<CDWordArray*>(GetAt(i)) : nullptr;
    }
    void DeleteAll();
    // Deletes the elements of [nIndex, nIndex + nCount) clamped to the array and removes
    // those positions.
    void DeleteAt(INT_PTR nIndex, INT_PTR nCount);
    void CopyFrom(const CGXDWordArrayPtrArray& other);
    // WORD schema 1, DWORD count, each non-null element as its DWORD index and its DWORD
    // array, DWORD 0xFFFFFFFF. Reading refuses another schema, an index at or beyond the
    // count or not above the one before, and a start value beyond its own position.
    void Serialize(CArchive& ar) override;
};

class CGXSpanCellPool : public CObject
{
    DECLARE_SERIAL(CGXSpanCellPool)
public:
    CGXSpanCellPool() = default;
    CGXSpanCellPool(const CGXSpanCellPool&) = delete;
    CGXSpanCellPool& operator=(const CGXSpanCellPool&) = delete;

    // Fills the columns (left, right) of range from the row table and its rows (top,
    // bottom) from the column table; a half that finds nothing leaves the range's values.
    // TRUE when either half found a span.
    virtual BOOL Lookup(ROWCOL nRow, ROWCOL nCol, CGXRange& range) const;
    // Records (set) or clears the span with this top-left cell; a one-cell-wide span
    // records nothing in that direction. TRUE when a table was written.
    virtual BOOL SetSpan(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, BOOL bSet);
    virtual void InsertRows(ROWCOL nAt, ROWCOL nCount);
    virtual void RemoveRows(ROWCOL nFrom, ROWCOL nTo);
    virtual void MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
    virtual void InsertCols(ROWCOL nAt, ROWCOL nCount);
    virtual void RemoveCols(ROWCOL nFrom, ROWCOL nTo);
    virtual void MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
    virtual void CopyFrom(const CGXSpanCellPool& other);
    // Drops entries that no longer belong to a whole span after rows or columns moved
    // (a start after its own position, or not joined to its start); the owners work the
    // area out again.
    void DropBrokenSpans();
    void Serialize(CArchive& ar) override;

    const CGXDWordArrayPtrArray& RowTable() const { return m_rowTable; }
    const CGXDWordArrayPtrArray& ColTable() const { return m_colTable; }

private:
    // Row table: per row, per column the first column of the span there (0xFFFFFFFF none).
    CGXDWordArrayPtrArray m_rowTable;
    // Column table: per column, per row the first row of the span there.
    CGXDWordArrayPtrArray m_colTable;
};

class CGXSpanCellPoolImp : public CGXAbstractSpanCellPoolImp
{
public:
    CObject* CreateSpanCellPool() override;
    CObject* CreateCopy(const CObject* pSource) override;
    void CopyPool(CObject* pDest, const CObject* pSource) override;
    void InsertRows(CObject* pPool, ROWCOL nAt, ROWCOL nCount) override;
    void RemoveRows(CObject* pPool, ROWCOL nFrom, ROWCOL nTo) override;
    void MoveRows(CObject* pPool, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) override;
    void InsertCols(CObject* pPool, ROWCOL nAt, ROWCOL nCount) override;
    void RemoveCols(CObject* pPool, ROWCOL nFrom, ROWCOL nTo) override;
    void MoveCols(CObject* pPool, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) override;
};
