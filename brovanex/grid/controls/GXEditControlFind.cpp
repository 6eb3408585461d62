// CGXEditControl: find and replace for the grid's find feature. While the bound cell is
// edited the search runs in the window's text from its selection; another cell is searched
// in its display text and, when found, becomes the current cell, is edited and shows the
// occurrence selected.
#include "controls/GXEditControl.h"
#include "controls/GXCellFind.h"
#include "core/GXGridCore.h"
#include "features/GXFindReplaceInfo.h"

BOOL CGXEditControl::IsEditingCell(ROWCOL nRow, ROWCOL nCol)
{
    return IsInitRowCol(nRow, nCol) && IsActive() && GetSafeHwnd() != nullptr;
}

BOOL CGXEditControl::FindText(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                              BOOL bSelect)
{
    GXCellFindSteps steps;
    steps.bEditing = IsEditingCell(nRow, nCol);
    steps.findInEdited = [&](BOOL bFromSel) {
        CString strText;
        GetWindowText(strText);
        int nStart = 0, nEnd = 0;
        GetSel(nStart, nEnd);
        return info.FindFromCaret(strText, nStart, bFromSel);
    };
    steps.select = [&](int nHit) { SetSel(nHit, nHit + info.strFind.GetLength()); };
    steps.matches = [&](const CGXStyle&) -> BOOL {
        return CGXStatic::FindText(info, nRow, nCol, TRUE, FALSE);
    };
    steps.activate = [&]() -> BOOL {
        if (!IsActive())
            SetActive(TRUE);
        return TRUE;
    };
    steps.findInFound = [&] {
        CString strText;
        GetWindowText(strText);
        return info.FindFromCaret(strText, info.bNext ? 0 : strText.GetLength(), TRUE);
    };
    return GXFindInCell(*this, info, nRow, nCol, bCurrentPos, bSelect, steps);
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
