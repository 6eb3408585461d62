// The library's modeless find dialog: one for all grids, opened by a grid and answering to
// the grid that opened it last.
#include "fw/commdlg.h"
#ifdef FindText
#undef FindText
#endif
#ifdef ReplaceText
#undef ReplaceText
#endif
#include "features/GXGridFindReplaceImp.h"
#include "core/GXGridCore.h"

#include <algorithm>

namespace {
void ForgetDialog(GXFindReplaceDialogState& state)
{
    state.pDialog = nullptr;
    state.hDialog = nullptr;
}

BOOL DialogIsOpen(const GXFindReplaceDialogState& state)
{
    return state.pDialog != nullptr && state.hDialog != nullptr && ::IsWindow(state.hDialog);
}
} // namespace

CGXGridFindReplaceImp::~CGXGridFindReplaceImp()
{
    // The grid goes: its dialog with it, and the library forgets it.
    GXFindReplaceDialogState& state = GXGetFindReplaceDialogState();
    if (state.pGridImp != this)
        return;
    const HWND hDialog = state.hDialog;
    ForgetDialog(state);
    state.pGrid = nullptr;
    state.pGridImp = nullptr;
    if (hDialog != nullptr && ::IsWindow(hDialog))
        ::DestroyWindow(hDialog);
}

void CGXGridFindReplaceImp::ShowFindReplaceDialog(CGXGridCore* pGrid, BOOL bFindOnly)
{
    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    CWnd* pWnd = pGrid->GetGridWnd();
    if (nRows == 0 || nCols == 0 || pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return;
    GXFindReplaceDialogState& state = GXGetFindReplaceDialogState();
    GXFindReplaceInfo& info = GXGetFindReplaceInfo();

    // The search starts at the current cell: the first cell of the scrolling area when there
    // is none.
    ROWCOL nRow, nCol;
    if (!pGrid->GetCurrentCell(nRow, nCol))
        pGrid->SetCurrentCell(std::min(std::max<ROWCOL>(pGrid->GetTopRow(), 1), nRows),
                              std::min(std::max<ROWCOL>(pGrid->GetLeftCol(), 1), nCols));
    else
        pGrid->BringCellIntoView(nRow, nCol);
    CString strFind;
    pGrid->GetCurrentCellText(strFind);
    if (strFind.IsEmpty())
        strFind = info.strFind;

    if (DialogIsOpen(state)) {
        if (state.bFindOnly == bFindOnly) {
            state.pGrid = pGrid;
            state.pGridImp = this;
            state.pDialog->ShowWindow(SW_SHOW);
            state.pDialog->SetActiveWindow();
            return;
        }
        // The other kind closes first.
        ::SendMessage(state.hDialog, WM_CLOSE, 0, 0);
    }
    ForgetDialog(state);
    state.pGrid = pGrid;
    state.pGridImp = this;
    state.bFindOnly = bFindOnly;

    CFindReplaceDialog* pDialog = new CFindReplaceDialog;
    // Known before it shows: a test's script answers it while it is being created.
    state.pDialog = pDialog;
    const DWORD dwFlags =
        FR_HIDEWHOLEWORD | (info.bNext ? FR_DOWN : 0) | (info.bCase ? FR_MATCHCASE : 0);
    if (!pDialog->Create(bFindOnly, strFind, info.strReplace, dwFlags, pWnd)) {
        if (state.pDialog == pDialog) {
            ForgetDialog(state);
            if (pDialog->m_hWnd == nullptr)
                delete pDialog;
        }
        return;
    }
    // Unless it was closed already.
    if (state.pDialog == pDialog)
        state.hDialog = pDialog->m_hWnd;
}

void CGXGridFindReplaceImp::OnFindReplace(CGXGridCore* pGrid, CWnd* pDialog)
{
    GXFindReplaceDialogState& state = GXGetFindReplaceDialogState();
    if (pDialog == nullptr || pDialog != state.pDialog)
        return;
    // Another grid's dialog: that grid handles it.
    if (state.pGrid != nullptr && state.pGrid != pGrid && state.pGridImp != this) {
        state.pGrid->HandleFindReplace(pDialog);
        return;
    }
    CFindReplaceDialog* pFind = state.pDialog;
    if (pFind->IsTerminating()) {
        ForgetDialog(state);
        return;
    }
    GXFindReplaceInfo& info = GXGetFindReplaceInfo();
    const CString strFind = pFind->GetFindString(), strReplace = pFind->GetReplaceString();
    const BOOL bDown = pFind->SearchDown(), bCase = pFind->MatchCase();
    if (pFind->FindNext()) {
        Find(pGrid, strFind, bDown, bCase);
    } else if (pFind->ReplaceCurrent()) {
        Replace(pGrid, strFind, bDown, bCase, strReplace);
    } else if (pFind->ReplaceAll()) {
        info.strFind = strFind;
        info.strReplace = strReplace;
        info.bCase = bCase;
        info.bTransaction = TRUE; // one undo step
        GXGetFindReplaceDialogState().bSearched = TRUE;
        ReplaceAllCells(pGrid, info);
    }
}
