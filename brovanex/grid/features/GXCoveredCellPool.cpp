#include "features/GXCoveredCellPool.h"
#include "core/GXLibraryState.h"
#include "core/GXRange.h"

IMPLEMENT_DYNCREATE(CGXCoveredCellPool, CObject)

POSITION CGXCoveredCellPool::Lookup(ROWCOL nRow, ROWCOL nCol) const
{
    if (nRow >= m_rows.size() || !m_rows[nRow])
        return nullptr;
    const std::vector<POSITION>& cols = *m_rows[nRow];
    return nCol < cols.size() ? cols[nCol] : nullptr;
}

BOOL CGXCoveredCellPool::Mark(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                              POSITION pos)
{
    if (nBottom < nTop || nRight < nLeft || nBottom >= GX_MAXROWCOL || nRight >= GX_MAXROWCOL)
        return FALSE;
    if (pos != nullptr && nTop == nBottom && nLeft == nRight)
        return FALSE; // a single cell is never covered
    BOOL bResult = FALSE;
    for (ROWCOL nRow = nTop; nRow <= nBottom; ++nRow) {
        if (nRow >= m_rows.size()) {
            if (pos == nullptr)
                break;
            m_rows.resize((size_t)nRow + 1);
        }
        if (!m_rows[nRow]) {
            if (pos == nullptr)
                continue;
            m_rows[nRow].reset(new std::vector<POSITION>);
        }
        std::vector<POSITION>& cols = *m_rows[nRow];
        if (pos != nullptr) {
            if (nLeft < cols.size() && cols[nLeft] != nullptr && cols[nLeft] != pos)
                return FALSE;
            if (cols.size() <= nRight)
                cols.resize((size_t)nRight + 1, nullptr);
            for (ROWCOL c = nLeft; c <= nRight; ++c)
                cols[c] = pos;
            for (size_t c = (size_t)nRight + 1; c < cols.size() && cols[c] == pos; ++c)
                cols[c] = nullptr;
            bResult = TRUE;
        } else {
            if (nLeft >= cols.size() || cols[nLeft] == nullptr)
                continue;
            const POSITION found = cols[nLeft];
            for (size_t c = nLeft; c < cols.size() && cols[c] == found; ++c)
                cols[c] = nullptr;
            bResult = TRUE;
        }
    }
    return bResult;
}

CObject* CGXCoveredCellPoolImp::CreatePool() { return new CGXCoveredCellPool; }

void CGXCoveredCellPoolImp::RebuildPool(CObject* pPool, const CGXRangeList& coveredCells)
{
    CGXCoveredCellPool* pCells = dynamic_cast<CGXCoveredCellPool*>(pPool);
    if (pCells == nullptr)
        return;
    pCells->Clear();
    for (POSITION pos = coveredCells.GetHeadPosition(); pos != nullptr;) {
        const POSITION posRange = pos;
        const CGXRange* pRange = coveredCells.GetNextRange(pos);
        pCells->Mark(pRange->top, pRange->left, pRange->bottom, pRange->right, posRange);
    }
}

void GXImplementCoveredCellPool()
{
    GXInstallProcessFeature<CGXCoveredCellPoolImp>(GXGetLibraryState().m_pCoveredCellPoolImp);
}
