// The searches and replacements of the find-and-replace feature.
#include "fw/commdlg.h"
// The system header's macros of these names would rename the controls' operations.
#ifdef FindText
#undef FindText
#endif
#ifdef ReplaceText
#undef ReplaceText
#endif
#include "features/GXGridFindReplaceImp.h"
#include "controls/GXControl.h"
#include "core/GXGridParam.h"
#include "core/GXLongOperation.h"
#include "features/GXExchangeHelpers.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXLongOperationImp.h"

#include <algorithm>

namespace {
// The current cell's control, bound to the current cell.
CGXControl* CurrentControl(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol)
{
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    if (pControl != nullptr && !pControl->IsInitRowCol(nRow, nCol))
        pControl->Init(nRow, nCol);
    return pControl;
}

BOOL HasCells(CGXGridCore* pGrid) { return pGrid->GetRowCount() > 0 && pGrid->GetColCount() > 0; }

// The display text of a cell: through the style the search composed, else composed here.
CString DisplayText(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle)
{
    if (pStyle != nullptr)
        return GXCellDisplayText(pGrid, nRow, nCol, *pStyle);
    CGXStyle* pComposed = pGrid->CreateStyle();
    pGrid->ComposeStyleRowCol(nRow, nCol, pComposed);
    CString strText = GXCellDisplayText(pGrid, nRow, nCol, *pComposed);
    pGrid->RecycleStyle(pComposed);
    return strText;
}

// Reports the share of the rows done while a long operation runs; TRUE when the user
// cancelled.
BOOL ReportProgress(CGXLongOperation& longOp, ROWCOL nDone, ROWCOL nTotal)
{
    if (!longOp.NeedMessages())
        return FALSE;
    GXLongOperationSetPercent((int)((ULONGLONG)nDone * 100 / std::max<ROWCOL>(nTotal, 1)));
    BOOL bCanceled = FALSE;
    longOp.DoMessages(bCanceled);
    return bCanceled;
}
} // namespace

GXFindReplaceDialogState& GXGetFindReplaceDialogState()
{
    static GXFindReplaceDialogState s_state;
    return s_state;
}

BOOL CGXGridFindReplaceImp::Find(CGXGridCore* pGrid, LPCTSTR pszFind, BOOL bDown, BOOL bCase)
{
    if (!HasCells(pGrid))
        return FALSE;
    GXFindReplaceInfo& info = GXGetFindReplaceInfo();
    info.strFind = pszFind != nullptr ? pszFind : "";
    info.bCase = bCase;
    info.bNext = bDown;
    info.PrepareFindText();
    GXGetFindReplaceDialogState().bSearched = TRUE;
    return FindText(pGrid, TRUE);
}

BOOL CGXGridFindReplaceImp::FindText(CGXGridCore* pGrid, BOOL bNext)
{
    GXFindReplaceInfo& info = GXGetFindReplaceInfo();
    ROWCOL nRow, nCol;
    if (info.strFind.IsEmpty() || !HasCells(pGrid) || !pGrid->GetCurrentCell(nRow, nCol)) {
        pGrid->OnTextNotFound(info.strFind);
        return FALSE;
    }
    info.PrepareFindText();
    CGXLongOperation longOp;
    // The current cell's own text first (from the caret on), then the cells that follow.
    if (CGXControl* pControl = CurrentControl(pGrid, nRow, nCol))
        if (pControl->FindText(info, nRow, nCol, FALSE, bNext))
            return TRUE;
    if (FindInCells(pGrid, info, nRow, nCol, bNext))
        return TRUE;
    pGrid->OnTextNotFound(info.strFind);
    return FALSE;
}

BOOL CGXGridFindReplaceImp::FindInCells(CGXGridCore* pGrid, GXFindReplaceInfo& info, ROWCOL& nRow,
                                        ROWCOL nCol, BOOL bSelect)
{
    const ROWCOL nRows = pGrid->GetRowCount();
    if (info.strFind.IsEmpty() || nCol > pGrid->GetColCount())
        return FALSE;
    if (!info.bNext && nRow <= 1)
        return FALSE;
    ROWCOL nSearch = info.bNext ? nRow + 1 : std::min(nRow - 1, nRows);
    const ROWCOL nTotal = info.bNext ? (nSearch <= nRows ? nRows - nSearch + 1 : 0) : nSearch;
    CGXLongOperation longOp;
    longOp.SetStatusText(GXLibraryText(GX_IDS_SEARCHING));
    CGXStyle* pStyle = pGrid->CreateStyle();
    BOOL bFound = FALSE;
    for (ROWCOL nDone = 0; nSearch >= 1 && nSearch <= nRows; ++nDone) {
        if (ReportProgress(longOp, nDone, nTotal))
            break;
        pGrid->ComposeStyleRowCol(nSearch, nCol, pStyle);
        // Only enabled cells are searched, each through its control.
        if (pStyle->GetEnabled()) {
            info.pStyle = pStyle;
            CGXControl* pControl = pGrid->LookupControl(pStyle->GetControl());
            bFound = pControl != nullptr ? pControl->FindText(info, nSearch, nCol, FALSE, bSelect)
                                         : FindInCell(nullptr, info, nSearch, nCol, FALSE, bSelect);
            info.pStyle = nullptr;
            if (bFound) {
                nRow = nSearch;
                break;
            }
        }
        nSearch = info.bNext ? nSearch + 1 : nSearch - 1;
        pGrid->OnFindNextRow(nSearch);
    }
    pGrid->RecycleStyle(pStyle);
    return bFound;
}

BOOL CGXGridFindReplaceImp::FindInCell(CGXControl* pControl, GXFindReplaceInfo& info, ROWCOL nRow,
                                       ROWCOL nCol, BOOL bContinue, BOOL bSelect)
{
    if (pControl == nullptr || info.strFind.IsEmpty())
        return FALSE;
    CGXGridCore* pGrid = pControl->Grid();
    if (!bContinue && pGrid->IsCurrentCell(nRow, nCol))
        return FALSE;
    if (info.FindIn(DisplayText(pGrid, nRow, nCol, info.pStyle)) < 0)
        return FALSE;
    if (bSelect)
        pGrid->SetCurrentCell(nRow, nCol, GX_SCROLLINVIEW | GX_UPDATENOW);
    return TRUE;
}

BOOL CGXGridFindReplaceImp::ReplaceAllInCell(CGXControl* pControl, GXFindReplaceInfo& info,
                                             ROWCOL nRow, ROWCOL nCol)
{
    if (pControl == nullptr || info.strFind.IsEmpty())
        return FALSE;
    CGXGridCore* pGrid = pControl->Grid();
    CString strText = DisplayText(pGrid, nRow, nCol, info.pStyle);
    if (!info.ReplaceIn(strText))
        return FALSE;
    return pGrid->SetControlTextRowCol(nRow, nCol, strText, GX_UPDATENOW, info.pStyle);
}

BOOL CGXGridFindReplaceImp::Replace(CGXGridCore* pGrid, LPCTSTR pszFind, BOOL bDown, BOOL bCase,
                                    LPCTSTR pszReplace)
{
    GXFindReplaceInfo& info = GXGetFindReplaceInfo();
    info.strFind = pszFind != nullptr ? pszFind : "";
    info.strReplace = pszReplace != nullptr ? pszReplace : "";
    info.bCase = bCase;
    info.bNext = bDown;
    info.PrepareFindText();
    GXGetFindReplaceDialogState().bSearched = TRUE;
    return ReplaceSel(pGrid, info);
}

void CGXGridFindReplaceImp::OnReplaceSel(CGXGridCore* pGrid, GXFindReplaceInfo& info)
{
    ReplaceSel(pGrid, info);
}

BOOL CGXGridFindReplaceImp::ReplaceSel(CGXGridCore* pGrid, GXFindReplaceInfo& info)
{
    ROWCOL nRow, nCol;
    if (!HasCells(pGrid) || !pGrid->GetCurrentCell(nRow, nCol))
        return FALSE;
    if (info.strFind.IsEmpty()) {
        pGrid->OnTextNotFound(info.strFind);
        return FALSE;
    }
    info.PrepareFindText();
    CGXLongOperation longOp;
    // The occurrence the last search left selected is replaced; then the next one is looked
    // for in the rest of the cell and in the cells that follow.
    CGXControl* pControl = CurrentControl(pGrid, nRow, nCol);
    CString strSel;
    BOOL bReplaced = FALSE;
    if (pControl != nullptr && !pGrid->IsReadOnly() && !pControl->IsReadOnly() &&
        pControl->GetSelectedEditText(strSel) && info.IsMatch(strSel)) {
        pControl->ReplaceSel(info.strReplace);
        bReplaced = TRUE;
        if (pControl->FindText(info, nRow, nCol, TRUE, TRUE))
            return TRUE;
    }
    if (FindInCells(pGrid, info, nRow, nCol, TRUE))
        return TRUE;
    pGrid->OnTextNotFound(info.strFind);
    return bReplaced;
}

BOOL CGXGridFindReplaceImp::ReplaceAll(CGXGridCore* pGrid, LPCTSTR pszFind, LPCTSTR pszReplace,
                                       BOOL bCase)
{
    GXFindReplaceInfo& info = GXGetFindReplaceInfo();
    info.strFind = pszFind != nullptr ? pszFind : "";
    info.strReplace = pszReplace != nullptr ? pszReplace : "";
    info.bCase = bCase;
    info.bTransaction = FALSE; // a program's call records the single changes
    info.PrepareFindText();
    return ReplaceAllCells(pGrid, info);
}

void CGXGridFindReplaceImp::OnReplaceAll(CGXGridCore* pGrid, GXFindReplaceInfo& info)
{
    ReplaceAllCells(pGrid, info);
}

BOOL CGXGridFindReplaceImp::ReplaceAllCells(CGXGridCore* pGrid, GXFindReplaceInfo& info)
{
    ROWCOL nRow, nCol;
    if (!HasCells(pGrid) || !pGrid->GetCurrentCell(nRow, nCol))
        return FALSE;
    const BOOL bTransaction = info.bTransaction;
    info.bTransaction = FALSE;
    if (info.strFind.IsEmpty()) {
        pGrid->OnTextNotFound(info.strFind);
        return FALSE;
    }
    info.bNext = TRUE;
    info.PrepareFindText();

    CGXLongOperation longOp;
    longOp.SetStatusText(GXLibraryText(GX_IDS_REPLACING));
    GXLongOperationAllowRollback(TRUE);
    if (bTransaction)
        pGrid->BeginUndoBlock(GXLibraryText(GX_IDS_REPLACE_ALL));

    // Every row from the current one down is visited once, so the loop ends whatever the
    // replacement holds.
    const ROWCOL nRows = pGrid->GetRowCount();
    CGXStyle* pStyle = pGrid->CreateStyle();
    BOOL bAny = FALSE, bCanceled = FALSE;
    for (ROWCOL r = nRow; r <= nRows; ++r) {
        if (ReportProgress(longOp, r - nRow, nRows - nRow + 1)) {
            bCanceled = TRUE;
            break;
        }
        pGrid->ComposeStyleRowCol(r, nCol, pStyle);
        info.pStyle = pStyle;
        CGXControl* pControl = pGrid->LookupControl(pStyle->GetControl());
        if (pControl != nullptr && pControl->ReplaceAll(info, r, nCol))
            bAny = TRUE;
        info.pStyle = nullptr;
        pGrid->OnFindNextRow(r + 1);
    }
    pGrid->RecycleStyle(pStyle);
    GXLongOperationSetPercent(-1);

    if (bCanceled && !bTransaction) {
        pGrid->Redraw();
        AfxThrowUserException();
    }
    if (bCanceled && GXLongOperationRollbackRequested()) {
        pGrid->RollbackUndoBlock();
    } else {
        if (!bAny)
            pGrid->OnTextNotFound(info.strFind);
        if (bTransaction)
            pGrid->CommitUndoBlock();
    }
    pGrid->Redraw();
    return bAny;
}

BOOL CGXGridFindReplaceImp::OnEditRepeat(CGXGridCore* pGrid)
{
    const GXFindReplaceInfo& info = GXGetFindReplaceInfo();
    if (!GXGetFindReplaceDialogState().bSearched || info.strFind.IsEmpty())
        return FALSE;
    FindText(pGrid, TRUE);
    return TRUE;
}

void GXImplementFindReplace(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridFindReplaceImp>(pGrid, gxSlotFindReplace);
}
