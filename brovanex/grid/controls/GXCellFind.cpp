#include "controls/GXCellFind.h"
#include "controls/GXControl.h"
#include "core/GXGridCore.h"
#include "features/GXFindReplaceInfo.h"

CGXComposedCellStyle::CGXComposedCellStyle(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                           const CGXStyle* pStyle)
    : m_pGrid(pGrid), m_pStyle(pStyle)
{
    if (m_pStyle == nullptr) {
        m_pOwn = pGrid->CreateStyle();
        pGrid->ComposeStyleRowCol(nRow, nCol, m_pOwn);
        m_pStyle = m_pOwn;
    }
}

CGXComposedCellStyle::~CGXComposedCellStyle()
{
    if (m_pOwn != nullptr)
        m_pGrid->RecycleStyle(m_pOwn);
}

BOOL GXFindInCell(CGXControl& control, GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol,
                  BOOL bCurrentPos, BOOL bSelect, const GXCellFindSteps& steps)
{
    if (info.strFind.IsEmpty())
        return FALSE;
    CGXGridCore* pGrid = control.Grid();
    if (steps.bEditing) {
        const int nHit = steps.findInEdited(bCurrentPos);
        if (nHit < 0)
            return FALSE;
        if (bSelect) {
            pGrid->BringCellIntoView(nRow, nCol);
            steps.select(nHit);
        }
        return TRUE;
    }
    // The current cell was searched from its selection already.
    if (!bCurrentPos && pGrid->IsCurrentCell(nRow, nCol))
        return FALSE;
    {
        CGXComposedCellStyle style(pGrid, nRow, nCol, info.pStyle);
        if (!steps.matches(style.Get()))
            return FALSE;
    }
    if (!bSelect)
        return TRUE;
    // The cell found is edited with the occurrence selected.
    pGrid->SetCurrentCell(nRow, nCol, GX_SCROLLINVIEW | GX_UPDATENOW);
    if (!pGrid->IsCurrentCell(nRow, nCol) || pGrid->GetCurrentCellControl() != &control)
        return TRUE;
    if (!control.IsInitRowCol(nRow, nCol))
        control.Init(nRow, nCol);
    if (!steps.activate())
        return TRUE;
    const int nHit = steps.findInFound();
    if (nHit >= 0)
        steps.select(nHit);
    control.Refresh();
    return TRUE;
}
