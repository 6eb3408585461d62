// CGXGridFreezeMenuHelperImp: freezing the selected rows or columns and unfreezing them.
#include "features/GXGridFreezeMenuHelperImp.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXResourceString.h"
#include "core/GXUpdateLock.h"
#include "features/GXFeatureSwitches.h"
#include "fw/appservices.h"

void GXImplementFreezeMenuHelper(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridFreezeMenuHelperImp>(pGrid, gxSlotFreezeMenuHelper);
}

namespace {
// Whether a stored block still lies inside the grid: rows or columns removed since the
// freeze may have taken its place away.
BOOL BlockFits(ROWCOL nFirst, ROWCOL nLength, ROWCOL nCount)
{
    return nFirst >= 1 && nLength >= 1 && nLength <= nCount && nFirst <= nCount - nLength + 1;
}
} // namespace

BOOL CGXGridFreezeMenuHelperImp::SelectedBand(CGXGridCore* pGrid, BOOL bRows, ROWCOL& nFirst,
                                              ROWCOL& nLast)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    CDWordArray awFrom, awTo;
    const BOOL bAny = bRows
        ? pParam->m_selRects.CollectRowSpans(pGrid->GetRowCount(), awFrom, awTo, FALSE)
        : pParam->m_selRects.CollectColSpans(pGrid->GetColCount(), awFrom, awTo, FALSE);
    if (!bAny || awFrom.GetSize() != 1)
        return FALSE;
    nFirst = awFrom[0];
    nLast = awTo[0];
    return nFirst <= nLast;
}

BOOL CGXGridFreezeMenuHelperImp::CanFreezeRows(CGXGridCore* pGrid)
{
    ROWCOL nFirst, nLast;
    return pGrid->GetParam() != nullptr && pGrid->GetParam()->m_nFrozenRows == 0 &&
        SelectedBand(pGrid, TRUE, nFirst, nLast);
}
BOOL CGXGridFreezeMenuHelperImp::CanFreezeCols(CGXGridCore* pGrid)
{
    ROWCOL nFirst, nLast;
    return pGrid->GetParam() != nullptr && pGrid->GetParam()->m_nFrozenCols == 0 &&
        SelectedBand(pGrid, FALSE, nFirst, nLast);
}
BOOL CGXGridFreezeMenuHelperImp::CanUnfreezeRows(CGXGridCore* pGrid)
{
    return pGrid->GetParam() != nullptr && pGrid->GetParam()->m_nFrozenRows > 0;
}
BOOL CGXGridFreezeMenuHelperImp::CanUnfreezeCols(CGXGridCore* pGrid)
{
    return pGrid->GetParam() != nullptr && pGrid->GetParam()->m_nFrozenCols > 0;
}

void CGXGridFreezeMenuHelperImp::FreezeRows(CGXGridCore* pGrid) { FreezeBand(pGrid, TRUE); }
void CGXGridFreezeMenuHelperImp::FreezeCols(CGXGridCore* pGrid) { FreezeBand(pGrid, FALSE); }

void CGXGridFreezeMenuHelperImp::FreezeBand(CGXGridCore* pGrid, BOOL bRows)
{
    ROWCOL nFirst, nLast;
    if (!(bRows ? CanFreezeRows(pGrid) : CanFreezeCols(pGrid)) ||
        !SelectedBand(pGrid, bRows, nFirst, nLast))
        return;
    CGXGridParam* pParam = pGrid->GetParam();
    const ROWCOL nHeaders = bRows ? pGrid->GetHeaderRowCount() : pGrid->GetHeaderColCount();
    const ROWCOL nStart = nHeaders + 1;
    nFirst = std::max(nFirst, nStart);
    if (nFirst > nLast)
        return;
    const ROWCOL nLength = nLast - nFirst + 1;
    CWaitCursor wait;
    CString strName;
    GXLoadString(bRows ? 20172 : 20173, strName);
    pGrid->BeginUndoBlock(strName);
    {
        CGXUpdateLock lock(pParam);
        pGrid->SetSelection(nullptr);
        if (bRows) {
            if (nFirst > nStart)
                pGrid->MoveRows(nFirst, nLast, nStart, GX_UPDATENOW);
            pParam->m_nFreezeRowStart = nStart;
            pParam->m_nFreezeRowLength = nLength;
            pParam->m_nFreezeRowFirst = nFirst;
            pGrid->SetFrozenRows(nLength, nHeaders, GX_UPDATENOW);
        } else {
            if (nFirst > nStart)
                pGrid->MoveCols(nFirst, nLast, nStart, GX_UPDATENOW);
            pParam->m_nFreezeColStart = nStart;
            pParam->m_nFreezeColLength = nLength;
            pParam->m_nFreezeColFirst = nFirst;
            pGrid->SetFrozenCols(nLength, nHeaders, GX_UPDATENOW);
        }
    }
    pGrid->RedrawAll(GX_UPDATENOW, TRUE);
    pGrid->CommitUndoBlock();
}

// Rows: no undo step of their own and no lock: the frozen count goes first, then the move.
void CGXGridFreezeMenuHelperImp::UnfreezeRows(CGXGridCore* pGrid)
{
    if (!CanUnfreezeRows(pGrid))
        return;
    CGXGridParam* pParam = pGrid->GetParam();
    pGrid->SetFrozenRows(0, pGrid->GetHeaderRowCount(), GX_UPDATENOW);
    const ROWCOL nStart = pParam->m_nFreezeRowStart, nLength = pParam->m_nFreezeRowLength,
                 nFirst = pParam->m_nFreezeRowFirst;
    const ROWCOL nCount = pGrid->GetRowCount();
    if (nStart != nFirst && BlockFits(nStart, nLength, nCount) &&
        BlockFits(nFirst, nLength, nCount))
        pGrid->MoveRows(nStart, nStart + nLength - 1, nFirst, GX_UPDATENOW);
}

void CGXGridFreezeMenuHelperImp::UnfreezeCols(CGXGridCore* pGrid)
{
    if (!CanUnfreezeCols(pGrid))
        return;
    CGXGridParam* pParam = pGrid->GetParam();
    CString strName;
    GXLoadString(20173, strName);
    pGrid->BeginUndoBlock(strName);
    {
        CGXUpdateLock lock(pParam);
        const ROWCOL nStart = pParam->m_nFreezeColStart, nLength = pParam->m_nFreezeColLength,
                     nFirst = pParam->m_nFreezeColFirst;
        const ROWCOL nCount = pGrid->GetColCount();
        if (nStart != nFirst && BlockFits(nStart, nLength, nCount) &&
            BlockFits(nFirst, nLength, nCount))
            pGrid->MoveCols(nStart, nStart + nLength - 1, nFirst, GX_UPDATENOW);
        pGrid->SetFrozenCols(0, pGrid->GetHeaderColCount(), GX_UPDATENOW);
    }
    pGrid->RedrawAll(GX_UPDATENOW, TRUE);
    pGrid->CommitUndoBlock();
}
