// Rewrites the stored rows (or columns) of a range in a new order: the sort's last step.
#pragma once
#include "features/GXAbstractProcessFeatures.h"

class CGXGridSortMoveDataImp : public CGXAbstractGridSortMoveDataImp
{
public:
    // order[i] is the position (relative to the range's first row or column) of the entry
    // that goes to position i. FALSE, with nothing changed, unless order is a permutation.
    BOOL ReorderRows(CGXData& data, const CGXRange& range, const CDWordArray& order,
                     UINT nFlags) override;
    BOOL ReorderCols(CGXData& data, const CGXRange& range, const CDWordArray& order,
                     UINT nFlags) override;

    static BOOL IsPermutation(const CDWordArray& order);
};
