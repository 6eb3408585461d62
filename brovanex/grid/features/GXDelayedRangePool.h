// Delayed ranges: areas of the grid whose merged or floating cells still have to be worked
// out. Each change records its area; before a part of the grid is drawn the pool reports
// which rows and columns of it are pending and marks them done.
#pragma once
#include "core/GXDefs.h"
#include "core/GXRange.h"
#include "features/GXAbstractProcessFeatures.h"

class CGXDelayedRange : public CObject
{
    DECLARE_SERIAL(CGXDelayedRange)
public:
    CGXDelayedRange() = default;
    // The area, the evaluated row intervals (sorted, disjoint) and the free flag.
    virtual void CopyFrom(const CGXDelayedRange& other);
    // The area in the range's archive form, the interval starts, then the interval ends.
    // Reading refuses an inverted area, starts and ends of different counts and
    // intervals that are inverted, unsorted or overlapping.
    void Serialize(CArchive& ar) override;

    // Marks rows nTop..nBottom evaluated; FALSE when they all were already. An entry
    // whose whole area is evaluated becomes free.
    BOOL MarkRows(ROWCOL nTop, ROWCOL nBottom);
    void Clear(); // no intervals, free

    CGXRange m_range;
    CDWordArray m_awStart, m_awEnd;
    BOOL m_bFree = FALSE;
};

class CGXDelayedRangePool : public CObject
{
    DECLARE_SERIAL(CGXDelayedRangePool)
public:
    CGXDelayedRangePool() = default;
    CGXDelayedRangePool(const CGXDelayedRangePool&) = delete;
    CGXDelayedRangePool& operator=(const CGXDelayedRangePool&) = delete;
    ~CGXDelayedRangePool() override { DeleteAll(); }

    virtual void AddRange(const CGXRange& range);
    virtual void ClampRows(ROWCOL nMaxRow);
    virtual void ClampCols(ROWCOL nMaxCol);
    // For rows range.top..range.bottom: the first and last pending column of each row
    // (fromCols -1 and toCols 0 for a row with nothing pending), marked evaluated. FALSE
    // for an inverted range, a failed allocation or nothing pending.
    virtual BOOL GetPendingCells(const CGXRange& range, CDWordArray& awFromCols,
                                 CDWordArray& awToCols);
    virtual void Purge();
    virtual void CopyFrom(const CGXDelayedRangePool& other);
    // The entries in the object-array form; reading takes only fresh CGXDelayedRange
    // objects (no null entries, no references to objects read before).
    void Serialize(CArchive& ar) override;

    INT_PTR GetCount() const { return m_entries.GetSize(); }
    CGXDelayedRange* GetAt(INT_PTR i) const
    {
        return static_cast<CGXDelayedRange*>(m_entries.GetAt(i));
    }

private:
    void DeleteAll();
    void SplitAtColumns(ROWCOL nLeft, ROWCOL nRight);

    CObArray m_entries;
};

class CGXDelayedRangePoolImp : public CGXAbstractDelayedRangePoolImp
{
public:
    CObject* CreateDelayedRangePool() override;
    CObject* CreateCopy(const CObject* pSource) override;
    void CopyPool(CObject* pDest, const CObject* pSource) override;
};
