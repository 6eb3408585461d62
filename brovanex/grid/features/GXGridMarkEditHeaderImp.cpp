// CGXGridMarkEditHeaderImp: which header cells draw marked, and their repaint.
#include "features/GXGridMarkEditHeaderImp.h"
#include "controls/GXControl.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXProperties.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXGridUserResizeCellsImp.h"

void GXImplementMarkEditHeader(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridMarkEditHeaderImp>(pGrid, gxSlotMarkEditHeader);
}

namespace {
BOOL MarkRowHeaders(CGXGridCore* pGrid)
{
    const CGXProperties* pProp = pGrid->GetProperties();
    return pProp != nullptr && pProp->m_abDisplay[0];
}

BOOL MarkColHeaders(CGXGridCore* pGrid)
{
    const CGXProperties* pProp = pGrid->GetProperties();
    return pProp != nullptr && pProp->m_abDisplay[1];
}

void InvalidateHeader(CWnd* pWnd, const CRect& rect)
{
    if (rect.Width() >= 2 && rect.Height() >= 2)
        pWnd->InvalidateRect(&rect, TRUE);
}
} // namespace

void CGXGridMarkEditHeaderImp::MarkEditHeader(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, BOOL)
{
    CGXGridParam* pParam = pGrid->GetParam();
    CWnd* pWnd = pGrid->GetGridWnd();
    if (pParam == nullptr || pParam->m_bLockUpdate || pGrid->IsPrinting() || pWnd == nullptr ||
        pWnd->GetSafeHwnd() == nullptr)
        return;
    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    const BOOL bRowShown =
        nRow <= pGrid->GetFrozenRowCount() || (nRow >= pGrid->GetTopRow() && nRow <= nRows);
    const BOOL bColShown =
        nCol <= pGrid->GetFrozenColCount() || (nCol >= pGrid->GetLeftCol() && nCol <= nCols);
    if (!bRowShown || !bColShown)
        return;
    const BOOL bRowBelow = nRow > pGrid->GetLastVisibleRow();
    const BOOL bColRight = nCol > pGrid->GetLastVisibleCol();
    if (bRowBelow && bColRight)
        return;
    if (MarkRowHeaders(pGrid) && !bRowBelow)
        InvalidateHeader(pWnd,
                         pGrid->GetRangeWindowRect(nRow, 0, nRow, pGrid->GetHeaderColCount()));
    if (MarkColHeaders(pGrid) && !bColRight)
        InvalidateHeader(pWnd,
                         pGrid->GetRangeWindowRect(0, nCol, pGrid->GetHeaderRowCount(), nCol));
}

BOOL CGXGridMarkEditHeaderImp::IsHeaderMarked(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                                              const CGXStyle&)
{
    CGXGridCore* pGrid = pControl != nullptr ? pControl->Grid() : nullptr;
    if (pGrid == nullptr || pGrid->GetParam() == nullptr)
        return FALSE;
    CGXRange header(nRow, nCol, nRow, nCol), covered;
    if (pGrid->GetCoveredBlock(nRow, nCol, covered) != nullptr)
        header = covered;
    const ROWCOL nHeaderRows = pGrid->GetHeaderRowCount(), nHeaderCols = pGrid->GetHeaderColCount();
    const BOOL bRowHeader = nRow > nHeaderRows && nCol <= nHeaderCols;
    const BOOL bColHeader = nRow <= nHeaderRows && nCol > nHeaderCols;

    ROWCOL nCurRow = 0, nCurCol = 0;
    const BOOL bCurrent =
        pGrid->GetCurrentCell(nCurRow, nCurCol) && nCurRow > nHeaderRows && nCurCol > nHeaderCols;
    if (bCurrent && bRowHeader && MarkRowHeaders(pGrid) &&
        pGrid->GetParam()->m_wWholeRowMode == 0 && nCurRow >= header.top &&
        nCurRow <= header.bottom)
        return TRUE;
    if (bCurrent && bColHeader && MarkColHeaders(pGrid) && nCurCol >= header.left &&
        nCurCol <= header.right)
        return TRUE;

    // The header of a column (row) being sized.
    auto* pResize = dynamic_cast<CGXGridUserResizeCellsImp*>(pGrid->UserResizeCellsImp());
    if (pResize == nullptr || !pGrid->IsUserResizing() || !pResize->MarksHeader())
        return FALSE;
    if (pResize->GetMode() == 2)
        return nRow <= nHeaderRows && pResize->GetTrackedCol() >= header.left &&
            pResize->GetTrackedCol() <= header.right;
    return nCol <= nHeaderCols && pResize->GetTrackedRow() >= header.top &&
        pResize->GetTrackedRow() <= header.bottom;
}
