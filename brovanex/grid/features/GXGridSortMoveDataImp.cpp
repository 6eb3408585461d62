#include "features/GXGridSortMoveDataImp.h"
#include "core/GXData.h"
#include "core/GXLibraryState.h"
#include "core/GXRange.h"

#include <vector>

namespace {
// Places the entries of array [nFirst, nFirst + n) in the new order. The array grows only
// when an entry lands beyond its end, and is cut back to its last entry afterwards.
void PermuteEntries(CPtrArray& array, ROWCOL nFirst, const CDWordArray& order)
{
    const INT_PTR nOldSize = array.GetSize();
    if ((INT_PTR)nFirst >= nOldSize)
        return; // nothing stored in the range
    const INT_PTR n = order.GetSize();
    std::vector<void*> taken((size_t)n);
    for (INT_PTR i = 0; i < n; ++i) {
        INT_PTR nFrom = (INT_PTR)nFirst + order[i];
        taken[(size_t)i] = nFrom < nOldSize ? array.GetAt(nFrom) : nullptr;
    }
    for (INT_PTR i = 0; i < n; ++i) {
        INT_PTR nTo = (INT_PTR)nFirst + i;
        if (nTo < array.GetSize())
            array.SetAt(nTo, taken[(size_t)i]);
        else if (taken[(size_t)i] != nullptr)
            array.SetAtGrow(nTo, taken[(size_t)i]);
    }
    INT_PTR nSize = array.GetSize();
    if (nSize > nOldSize) {
        while (nSize > nOldSize && array.GetAt(nSize - 1) == nullptr)
            --nSize;
        array.SetSize(nSize);
    }
}
} // namespace

BOOL CGXGridSortMoveDataImp::IsPermutation(const CDWordArray& order)
{
    const INT_PTR n = order.GetSize();
    std::vector<bool> seen((size_t)n, false);
    for (INT_PTR i = 0; i < n; ++i) {
        DWORD k = order[i];
        if ((INT_PTR)k >= n || seen[k])
            return FALSE;
        seen[k] = true;
    }
    return TRUE;
}

BOOL CGXGridSortMoveDataImp::ReorderRows(CGXData& data, const CGXRange& range,
                                         const CDWordArray& order, UINT)
{
    if (!IsPermutation(order) || (ULONGLONG)range.top + order.GetSize() > GX_MAXROWCOL + 1ULL)
        return FALSE;
    PermuteEntries(data.m_apapCellStyle, range.top, order);
    PermuteEntries(data.m_apRowBaseStyles, range.top, order);
    return TRUE;
}

BOOL CGXGridSortMoveDataImp::ReorderCols(CGXData& data, const CGXRange& range,
                                         const CDWordArray& order, UINT)
{
    if (!IsPermutation(order) || (ULONGLONG)range.left + order.GetSize() > GX_MAXROWCOL + 1ULL)
        return FALSE;
    for (INT_PTR r = 0; r < data.m_apapCellStyle.GetSize(); ++r)
        if (CGXStylePtrArray* pRow = data.m_apapCellStyle.GetRow(r))
            PermuteEntries(*pRow, range.left, order);
    PermuteEntries(data.m_apColBaseStyles, range.left, order);
    return TRUE;
}

void GXImplementGridSortMoveData()
{
    GXInstallProcessFeature<CGXGridSortMoveDataImp>(GXGetLibraryState().m_pSortMoveDataImp);
}
