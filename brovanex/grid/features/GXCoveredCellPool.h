// The index from every cell to the covered range over it (a position in the parameter
// object's covered-range list), and the process-wide factory that makes and rebuilds it.
#pragma once
#include "core/GXDefs.h"
#include "features/GXAbstractProcessFeatures.h"
#include <memory>
#include <vector>

class CGXRangeList;

class CGXCoveredCellPool : public CObject
{
    DECLARE_DYNCREATE(CGXCoveredCellPool)
public:
    CGXCoveredCellPool() = default;

    // The list position of the range covering the cell, or null.
    virtual POSITION Lookup(ROWCOL nRow, ROWCOL nCol) const;
    // With a position: marks the rectangle as covered by it (a single cell is refused, as
    // is a rectangle whose first column already belongs to another range in some row;
    // rows marked before that row stay marked). Cells right of the rectangle that still
    // hold the position are cleared (a range that shrank). Without a position: clears,
    // in each row, the run of cells from the left column on that hold the position found
    // at the left column. TRUE when something was marked or found.
    virtual BOOL Mark(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, POSITION pos);
    void Clear() { m_rows.clear(); }
    size_t RowArrayCount() const { return m_rows.size(); }

private:
    // Per row (created on demand), per column: the covering range's list position.
    std::vector<std::unique_ptr<std::vector<POSITION>>> m_rows;
};

class CGXCoveredCellPoolImp : public CGXAbstractCoveredCellPoolImp
{
public:
    CObject* CreatePool() override;
    // Empties the pool, then marks every range of the list with its own position.
    void RebuildPool(CObject* pPool, const CGXRangeList& coveredCells) override;
};
