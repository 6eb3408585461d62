// CGXRange: a rectangle of cells, whole rows, whole columns or the whole table.
// CGXRangeList: an owned list of ranges that follows row and column changes.
#pragma once
#include "core/GXDefs.h"

enum GXRangeType : DWORD { gxCells = 0, gxRows = 1, gxCols = 2, gxTable = 3 };

class CGXRange
{
public:
    CGXRange() : rtType(gxCells), top(0), left(0), bottom(0), right(0), m_bValid(FALSE) { }
    explicit CGXRange(const CGXRange* pOther) : CGXRange()
    {
        if (pOther != nullptr)
            *this = *pOther;
    }
    CGXRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
        : rtType(gxCells), top(nTop), left(nLeft), bottom(nBottom), right(nRight), m_bValid(TRUE)
    { }

    CGXRange& SetCells(ROWCOL nRow1, ROWCOL nCol1, ROWCOL nRow2, ROWCOL nCol2);
    CGXRange& SetCells(ROWCOL nRow, ROWCOL nCol) { return SetCells(nRow, nCol, nRow, nCol); }
    CGXRange& SetRows(ROWCOL nRow1, ROWCOL nRow2);
    CGXRange& SetRows(ROWCOL nRow) { return SetRows(nRow, nRow); }
    CGXRange& SetCols(ROWCOL nCol1, ROWCOL nCol2);
    CGXRange& SetCols(ROWCOL nCol) { return SetCols(nCol, nCol); }
    CGXRange& SetTable();
    // Names as other callers know them.
    CGXRange& MakeCells(ROWCOL r1, ROWCOL c1, ROWCOL r2, ROWCOL c2)
    {
        return SetCells(r1, c1, r2, c2);
    }
    CGXRange& MakeRows(ROWCOL r1, ROWCOL r2) { return SetRows(r1, r2); }
    CGXRange& MakeCols(ROWCOL c1, ROWCOL c2) { return SetCols(c1, c2); }
    CGXRange& MakeTable() { return SetTable(); }

    // A rows, columns or table range made concrete against the given bounds.
    CGXRange& WidenToCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);
    CGXRange& ExpandRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
    {
        return WidenToCells(nTop, nLeft, nBottom, nRight);
    }

    BOOL ContainsCell(ROWCOL nRow, ROWCOL nCol) const;
    BOOL IsCellInRange(ROWCOL nRow, ROWCOL nCol) const { return ContainsCell(nRow, nCol); }
    BOOL Intersect(const CGXRange& a, const CGXRange& b);
    BOOL IntersectRange(const CGXRange& a, const CGXRange& b) { return Intersect(a, b); }
    BOOL Unite(const CGXRange& a, const CGXRange& b);
    BOOL UnionRange(const CGXRange& a, const CGXRange& b) { return Unite(a, b); }

    BOOL IsValid() const { return m_bValid; }
    void SetValid(BOOL b) { m_bValid = b; }
    BOOL IsCells() const { return rtType == gxCells; }
    BOOL IsRows() const { return rtType == gxRows; }
    BOOL IsCols() const { return rtType == gxCols; }
    BOOL IsTable() const { return rtType == gxTable; }
    ROWCOL GetHeight() const { return bottom - top + 1; }
    ROWCOL GetWidth() const { return right - left + 1; }

    bool operator==(const CGXRange& o) const
    {
        return rtType == o.rtType && top == o.top && left == o.left && bottom == o.bottom &&
            right == o.right && m_bValid == o.m_bValid;
    }

    // 18 bytes: top, left, bottom, right, one byte type, one byte valid flag. A type above
    // 3 is bad data (archive exception).
    void Archive(CArchive& ar);

    DWORD rtType;
    ROWCOL top, left, bottom, right;
    BOOL m_bValid;
};

class CGXRangeList : public CPtrList
{
    DECLARE_SERIAL(CGXRangeList)
public:
    CGXRangeList() : CPtrList(10) { }
    CGXRangeList(const CGXRangeList&) = delete;
    ~CGXRangeList() override { DeleteAreas(); }
    virtual CGXRangeList& operator=(const CGXRangeList& other);

    CGXRange* GetRangeAt(POSITION pos) const
    {
        return static_cast<CGXRange*>(const_cast<CGXRangeList*>(this)->GetAt(pos));
    }
    CGXRange* GetNextRange(POSITION& pos) const
    {
        return static_cast<CGXRange*>(const_cast<CGXRangeList*>(this)->GetNext(pos));
    }
    POSITION AddRange(const CGXRange& range) { return AddTail(new CGXRange(range)); }

    BOOL ListContainsCell(ROWCOL nRow, ROWCOL nCol, POSITION posExcluded = nullptr) const;
    BOOL IsCellInList(ROWCOL nRow, ROWCOL nCol, POSITION posExcluded = nullptr) const
    {
        return ListContainsCell(nRow, nCol, posExcluded);
    }
    POSITION FindAreaWithCell(ROWCOL nRow, ROWCOL nCol) const;
    POSITION FindRange(ROWCOL nRow, ROWCOL nCol) const { return FindAreaWithCell(nRow, nCol); }
    void DeleteAreas();
    void DeleteInvalidAreas();

    void AdjustForInsertedRows(ROWCOL nFrom, ROWCOL nCount);
    void AdjustForInsertedCols(ROWCOL nFrom, ROWCOL nCount);
    void AdjustForRemovedRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nMaxRow);
    void AdjustForRemovedCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nMaxCol);
    void AdjustForMovedRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, ROWCOL nMaxRow);
    void AdjustForMovedCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, ROWCOL nMaxCol);
    // Names as other callers know them.
    void InsertRows(ROWCOL nFrom, ROWCOL nCount) { AdjustForInsertedRows(nFrom, nCount); }
    void InsertCols(ROWCOL nFrom, ROWCOL nCount) { AdjustForInsertedCols(nFrom, nCount); }
    void RemoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nMax)
    {
        AdjustForRemovedRows(nFrom, nTo, nMax);
    }
    void RemoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nMax)
    {
        AdjustForRemovedCols(nFrom, nTo, nMax);
    }
    void OnMoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, ROWCOL nMax)
    {
        AdjustForMovedRows(nFrom, nTo, nDest, nMax);
    }
    void OnMoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, ROWCOL nMax)
    {
        AdjustForMovedCols(nFrom, nTo, nDest, nMax);
    }

    // Sorted, disjoint spans of the valid ranges; FALSE when none qualifies.
    BOOL CollectRowSpans(ROWCOL nMaxRow, CDWordArray& awFrom, CDWordArray& awTo,
                         BOOL bOnlyWhole) const;
    BOOL CollectColSpans(ROWCOL nMaxCol, CDWordArray& awFrom, CDWordArray& awTo,
                         BOOL bOnlyWhole) const;
    BOOL GetRowArray(ROWCOL nMax, CDWordArray& awFrom, CDWordArray& awTo, BOOL bOnlyWhole) const
    {
        return CollectRowSpans(nMax, awFrom, awTo, bOnlyWhole);
    }
    BOOL GetColArray(ROWCOL nMax, CDWordArray& awFrom, CDWordArray& awTo, BOOL bOnlyWhole) const
    {
        return CollectColSpans(nMax, awFrom, awTo, bOnlyWhole);
    }

    void Serialize(CArchive& ar) override;
};
