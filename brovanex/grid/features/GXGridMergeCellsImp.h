// Merged cells: neighbouring cells whose styles allow it and whose contents are equal are
// shown as one block along a row (horizontal) or a column (vertical). The blocks are worked
// out from the styles, at once for every change or, delayed, for the part of the grid that
// is about to be drawn, and kept in the parameter object's span-cell pools.
#pragma once
#include "core/GXRange.h"
#include "features/GXAbstractGridFeatures.h"

class CGXSpanCellPool;
class CGXSpanStyleCache;

// Bits of the merge mode beside the evaluation in its low two bits.
enum GXMergeModeBits : WORD {
    gxMergeOff = 0,
    gxMergeDelayed = 1,
    gxMergeImmediate = 2,
    gxMergeNoVertical = 4,
    gxMergeNoHorizontal = 8
};

// Value bits of a style's merge attribute (CGXStyle::SetMergeCell).
enum GXMergeCellBits { gxMergeHorizontal = 1, gxMergeVertical = 2, gxMergeValuesOnly = 4 };

class CGXGridMergeCellsImp final : public CGXAbstractGridMergeCellsImp
{
public:
    void MarkMergeRangeDirty(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags) override;
    BOOL ResolveMergeRange(CGXGridCore* pGrid, const CGXRange& range, BOOL bPrinting) override;
    CGXRange* GetMergeBlock(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXRange& range,
                            int nDirection) override;
    void RefreshMergeBlocks(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags) override;
    void InvalidateMergeBlocks(CGXGridCore* pGrid, const CGXRange& range) override;
    void GrowRangeByMerge(CGXGridCore* pGrid, CGXRange& range) override;
    BOOL QueryMergeRange(CGXGridCore* pGrid, const CGXRange& range, CGXRange& result) override;
    BOOL CompareMergeValues(CGXGridCore* pGrid, const CGXStyle& style1,
                            const CGXStyle& style2) override;
    void SetMergeMode(CGXGridCore* pGrid, WORD wMode, BOOL bRedraw) override;

    // Evaluates the cells of range now (delayed: only those still pending); changed grows
    // by every block that changed. TRUE when a block changed.
    BOOL EvalMergeCells(CGXGridCore* pGrid, const CGXRange& range, CGXRange& changed, BOOL bForce);
    BOOL CanMergeCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      int nDirection);

private:
    struct Eval;
    BOOL EvalCell(Eval& ev, ROWCOL nRow, ROWCOL nCol);
    BOOL JoinPair(Eval& ev, int nDirection, ROWCOL nRowA, ROWCOL nColA, ROWCOL nRowB, ROWCOL nColB);
    void StoreBlock(Eval& ev, int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                    ROWCOL nToCol);
};
