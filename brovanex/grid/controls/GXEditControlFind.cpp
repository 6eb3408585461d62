// CGXEditControl: find and replace for the grid's find feature. While the bound cell is
// edited the search runs in the window's text from its selection; another cell is searched
// in its display text and, when found, becomes the current cell, is edited and shows the
// occurrence selected.
#include "controls/GXEditControl.h"
#include "core/GXGridCore.h"
#include "features/GXFindReplaceInfo.h"

BOOL CGXEditControl::IsEditingCell(ROWCOL nRow, ROWCOL nCol)
{
    return IsInitRowCol(nRow, nCol) && IsActive() && GetSafeHwnd() != nullptr;
}

BOOL CGXEditControl::FindText(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                              BOOL bSelect)
{
    if (info.strFind.IsEmpty())
        return FALSE;
    CGXGridCore* pGrid = Grid();
    if (IsEditingCell(nRow, nCol)) {
        CString strText;
        GetWindowText(strText);
        int nStart = 0, nEnd = 0;
        GetSel(nStart, nEnd);
        const int nHit = info.FindFromCaret(strText, nStart, bCurrentPos);
        if (nHit < 0)
            return FALSE;
        if (bSelect) {
            pGrid->BringCellIntoView(nRow, nCol);
            SetSel(nHit, nHit + info.strFind.GetLength());
        }
        return TRUE;
    }
    if (!CGXStatic::FindText(info, nRow, nCol, bCurrentPos, FALSE))
        return FALSE;
    if (!bSelect)
        return TRUE;
    // The cell found is edited with the occurrence selected.
    pGrid->SetCurrentCell(nRow, nCol, GX_SCROLLINVIEW | GX_UPDATENOW);
    if (!pGrid->IsCurrentCell(nRow, nCol) || pGrid->GetCurrentCellControl() != this)
        return TRUE;
    if (!IsInitRowCol(nRow, nCol))
        Init(nRow, nCol);
    if (!IsActive())
        SetActive(TRUE);
    CString strText;
    GetWindowText(strText);
    const int nHit = info.FindFromCaret(strText, info.bNext ? 0 : strText.GetLength(), TRUE);
    if (nHit >= 0)
        SetSel(nHit, nHit + info.strFind.GetLength());
    Refresh();
    return TRUE;
}

BOOL CGXEditControl::ReplaceAll(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol)
{
    if (!IsEditingCell(nRow, nCol))
        return CGXStatic::ReplaceAll(info, nRow, nCol);
    if (info.strFind.IsEmpty() || IsReadOnly())
        return FALSE;
    // The edited text from the selection on; what comes before it stays.
    CString strText;
    GetWindowText(strText);
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    if (!info.ReplaceIn(strText, nStart))
        return FALSE;
    if (!Grid()->SetControlTextRowCol(nRow, nCol, strText, GX_UPDATENOW))
        return FALSE;
    // The window shows what the cell holds now, with nothing left to store.
    if (IsEditingCell(nRow, nCol)) {
        SetWindowTextQuiet(strText);
        SetModify(FALSE);
    }
    return TRUE;
}
