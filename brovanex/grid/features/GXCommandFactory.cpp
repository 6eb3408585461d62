// CGXCommandFactory: making commands, the undo and redo lists, undo, redo and transactions.
#include "features/GXCommandFactory.h"
#include "controls/GXControl.h"
#include "core/GXData.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "features/GXFeatureSwitches.h"

void GXImplementUndoRedo(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXCommandFactory>(pGrid, gxSlotCommandFactory);
}

// Making the commands.
CGXCommand* CGXCommandFactory::MakeBlockCmd(LPCTSTR pszName) { return new CGXBlockCmd(pszName); }
CGXCommand* CGXCommandFactory::MakeSetRowHeightCmd(ROWCOL nFrom, ROWCOL nTo, int* anHeights)
{
    return new CGXSetRowHeightCmd(nFrom, nTo, anHeights);
}
CGXCommand* CGXCommandFactory::MakeHideRowsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abHidden)
{
    return new CGXHideRowsCmd(nFrom, nTo, abHidden);
}
CGXCommand* CGXCommandFactory::MakeSetDefaultRowHeightCmd(int nHeight)
{
    return new CGXSetDefaultRowHeightCmd(nHeight);
}
CGXCommand* CGXCommandFactory::MakeSetColWidthCmd(ROWCOL nFrom, ROWCOL nTo, int* anWidths)
{
    return new CGXSetColWidthCmd(nFrom, nTo, anWidths);
}
CGXCommand* CGXCommandFactory::MakeHideColsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abHidden)
{
    return new CGXHideColsCmd(nFrom, nTo, abHidden);
}
CGXCommand* CGXCommandFactory::MakeSetDefaultColWidthCmd(int nWidth)
{
    return new CGXSetDefaultColWidthCmd(nWidth);
}
CGXCommand* CGXCommandFactory::MakeMoveRowsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    return new CGXMoveRowsCmd(nFrom, nTo, nDest);
}
CGXCommand* CGXCommandFactory::MakeMoveColsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    return new CGXMoveColsCmd(nFrom, nTo, nDest);
}
CGXCommand* CGXCommandFactory::MakeRemoveRowsCmd(ROWCOL nFrom, ROWCOL nTo)
{
    return new CGXRemoveRowsCmd(nFrom, nTo);
}
CGXCommand* CGXCommandFactory::MakeRemoveColsCmd(ROWCOL nFrom, ROWCOL nTo)
{
    return new CGXRemoveColsCmd(nFrom, nTo);
}
CGXCommand* CGXCommandFactory::MakeInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, int* anHeights,
                                                 CObArray* pCellStyles, CObArray* pRowStyles,
                                                 ROWCOL nColCount)
{
    return new CGXInsertRowsCmd(nRow, nCount, anHeights, pCellStyles, pRowStyles, nColCount);
}
CGXCommand* CGXCommandFactory::MakeInsertColsCmd(ROWCOL nCol, ROWCOL nCount, int* anWidths,
                                                 CObArray* pCellStyles, CObArray* pColStyles,
                                                 ROWCOL nRowCount)
{
    return new CGXInsertColsCmd(nCol, nCount, anWidths, pCellStyles, pColStyles, nRowCount);
}
CGXCommand* CGXCommandFactory::MakeSetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                                      ROWCOL nRight)
{
    return new CGXSetCoveredCellsCmd(nTop, nLeft, nBottom, nRight);
}
CGXCommand* CGXCommandFactory::MakeSetStyleRangeCmd(const CGXRange& range, int nType,
                                                    CObArray* pStyles)
{
    return new CGXSetStyleRangeCmd(range, nType, pStyles);
}
CGXCommand* CGXCommandFactory::MakeSetFrozenRowsCmd(ROWCOL nFrozen, ROWCOL nHeader)
{
    return new CGXSetFrozenRowsCmd(nFrozen, nHeader);
}
CGXCommand* CGXCommandFactory::MakeSetFrozenColsCmd(ROWCOL nFrozen, ROWCOL nHeader)
{
    return new CGXSetFrozenColsCmd(nFrozen, nHeader);
}
CGXCommand* CGXCommandFactory::MakeMoveDataRowsCmd(CDWordArray* pOrder, const CGXRange& range)
{
    return new CGXMoveDataRowsCmd(pOrder, range);
}
CGXCommand* CGXCommandFactory::MakeMoveDataColsCmd(CDWordArray* pOrder, const CGXRange& range)
{
    return new CGXMoveDataColsCmd(pOrder, range);
}
CGXCommand* CGXCommandFactory::MakeChangeStylesMapCmd(const CGXStylesMap& stylesMap)
{
    return new CGXChangeStylesMapCmd(stylesMap);
}
CGXCommand* CGXCommandFactory::MakeChangePropertiesCmd(const CGXProperties& properties)
{
    return new CGXChangePropertiesCmd(properties);
}
CGXCommand* CGXCommandFactory::MakeChangeBaseStyleCmd(const CGXStyle& style, LPCTSTR pszName,
                                                      WORD wStyleId)
{
    return new CGXChangeBaseStyleCmd(style, pszName, wStyleId);
}
CGXCommand* CGXCommandFactory::MakeMoveCellsCmd(const CGXRange& range, ROWCOL nDestRow,
                                                ROWCOL nDestCol, CObject* pMoved)
{
    return new CGXMoveCellsCmd(range, nDestRow, nDestCol, pMoved);
}
CGXCommand* CGXCommandFactory::MakeSetRangeNameCmd(LPCTSTR pszName, BOOL bSet,
                                                   const CGXRange& range)
{
    return new CGXSetRangeNameCmd(pszName, bSet, range);
}
CGXCommand* CGXCommandFactory::MakeDeleteRangeNameCmd(LPCTSTR pszName, const CGXRange& range,
                                                      CObject* pUserObject)
{
    return new CGXDeleteRangeNameCmd(pszName, range, pUserObject);
}

// The data object's undo hooks.
BOOL CGXCommandFactory::SwitchRecording(CGXGridCore* pGrid, BOOL bOn)
{
    CGXData* pData = pGrid->GetData();
    return pData != nullptr ? pData->SetUndoMode(bOn) : FALSE;
}
CObject* CGXCommandFactory::TakePendingState(CGXGridCore* pGrid)
{
    CGXData* pData = pGrid->GetData();
    return pData != nullptr ? pData->TakeUndoInfo() : nullptr;
}
BOOL CGXCommandFactory::RestorePendingState(CGXGridCore* pGrid, CObject* pState, BOOL bSwitchOff,
                                            int nReserved)
{
    CGXData* pData = pGrid->GetData();
    if (pData == nullptr || pState == nullptr)
        return FALSE;
    return pData->RestoreUndoInfo(pState, bSwitchOff, nReserved);
}
void CGXCommandFactory::DiscardPendingState(CGXGridCore* pGrid) { delete TakePendingState(pGrid); }

namespace {
// Puts the parameter object's read-only protection back however a command ends.
struct StoreGuardScope
{
    CGXGridParam* pParam;
    BOOL bOld;
    explicit StoreGuardScope(CGXGridParam* p) : pParam(p), bOld(p != nullptr && p->m_bStoreGuard)
    {
        if (pParam != nullptr)
            pParam->m_bStoreGuard = FALSE;
    }
    ~StoreGuardScope()
    {
        if (pParam != nullptr)
            pParam->m_bStoreGuard = bOld;
    }
};

// The list a command of this mode goes to: the open block's sub-list while a transaction
// is open or a block command runs.
CObList* TargetList(CGXGridParam* pParam, GXCmdType ctCmd, BOOL bGroupRunning, BOOL* pbInBlock)
{
    CObList* pList = (ctCmd == gxDo || ctCmd == gxRedo) ? &pParam->m_undoList : &pParam->m_redoList;
    *pbInBlock = FALSE;
    if ((pParam->m_nTransactionLevel > 0 || bGroupRunning) && !pList->IsEmpty()) {
        CObject* pHead = pList->GetHead();
        if (pHead != nullptr && pHead->IsKindOf(RUNTIME_CLASS(CGXBlockCmd))) {
            *pbInBlock = TRUE;
            return &static_cast<CGXBlockCmd*>(pHead)->m_CmdList;
        }
    }
    return pList;
}
} // namespace

BOOL CGXCommandFactory::ExecuteCommand(CGXCommand* pCmd, CGXGridCore* pGrid, GXCmdType ctCmd)
{
    if (pCmd == nullptr)
        return FALSE;
    StoreGuardScope guard(pGrid->GetParam());
    CGXData* pData = pGrid->GetData();
    if (pData != nullptr && pCmd->m_pUndoInfo != nullptr) {
        const BOOL bOld = pData->SetUndoMode(ctCmd != gxRollback);
        pData->RestoreUndoInfo(pCmd->m_pUndoInfo, 1, 0);
        pData->SetUndoMode(bOld);
    }
    return pCmd->Execute(pGrid, ctCmd);
}

void CGXCommandFactory::RecordCommand(CGXGridCore* pGrid, CGXCommand* pCmd, GXCmdType ctCmd)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pCmd == nullptr)
        return;
    if (pParam == nullptr) {
        delete pCmd;
        return;
    }
    if (ctCmd == gxDo)
        pParam->ClearRedoCommands();
    if (pCmd->m_pUndoInfo == nullptr)
        pCmd->m_pUndoInfo = TakePendingState(pGrid);
    BOOL bInBlock = FALSE;
    CObList* pList = TargetList(pParam, ctCmd, m_bGroupRunning, &bInBlock);
    // The oldest command falls off a full list: one per call, so a list holds at most the
    // limit plus one.
    if (!bInBlock && (DWORD)pList->GetCount() > pParam->m_nMaxUndoOp)
        delete pList->RemoveTail();
    try {
        ROWCOL nRow = 0, nCol = 0;
        pCmd->m_bCCell = pGrid->GetCurrentCell(nRow, nCol);
        pCmd->m_nRow = nRow;
        pCmd->m_nCol = nCol;
        pList->AddHead(pCmd);
    } catch (CException* e) {
        e->Delete();
        delete pCmd;
    }
}

void CGXCommandFactory::RemoveNewestCommand(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return;
    BOOL bInBlock = FALSE;
    CObList* pList = TargetList(pParam, ctCmd, m_bGroupRunning, &bInBlock);
    if (!pList->IsEmpty())
        delete pList->RemoveHead();
}

BOOL CGXCommandFactory::Undo(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    ROWCOL nRow = 0, nCol = 0;
    if (pGrid->GetCurrentCell(nRow, nCol) && pGrid->IsActiveCurrentCell()) {
        CGXControl* pControl = pGrid->GetCurrentCellControl();
        if (pControl != nullptr) {
            if (!pControl->QueryCancelEdit())
                return FALSE;
            const BOOL bModified = pControl->GetModify();
            pControl->Init(nRow, nCol);
            pControl->Reset();
            pControl->OnCanceledEditing();
            if (bModified)
                return TRUE; // this undo only discarded the typing
        }
    }
    if (pParam->m_undoList.IsEmpty())
        return FALSE;
    CGXCommand* pCmd = static_cast<CGXCommand*>(pParam->m_undoList.RemoveHead());
    BOOL bResult = FALSE;
    try {
        bResult = pGrid->ExecuteCommand(pCmd, pGrid, gxUndo);
    } catch (...) {
        pParam->m_undoList.AddHead(pCmd);
        throw;
    }
    if (bResult)
        delete pCmd;
    else
        pParam->m_undoList.AddHead(pCmd);
    pGrid->RefreshAll(TRUE, nullptr, TRUE);
    pGrid->RefreshScrollBars(FALSE, FALSE);
    return bResult;
}

BOOL CGXCommandFactory::Redo(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    ROWCOL nRow = 0, nCol = 0;
    if (pGrid->GetCurrentCell(nRow, nCol) && pGrid->IsActiveCurrentCell() &&
        !pGrid->TransferCurrentCell(FALSE, GX_INVALIDATE, FALSE))
        return FALSE;
    if (pParam->m_redoList.IsEmpty())
        return FALSE;
    CGXCommand* pCmd = static_cast<CGXCommand*>(pParam->m_redoList.RemoveHead());
    BOOL bResult = FALSE;
    try {
        bResult = pGrid->ExecuteCommand(pCmd, pGrid, gxRedo);
    } catch (...) {
        pParam->m_redoList.AddHead(pCmd);
        throw;
    }
    if (bResult) {
        if (pCmd->m_bCCell && pCmd->m_nRow <= pGrid->GetRowCount() &&
            pCmd->m_nCol <= pGrid->GetColCount())
            pGrid->SetCurrentCell(pCmd->m_nRow, pCmd->m_nCol, GX_UPDATENOW | 8);
        delete pCmd;
    } else {
        pParam->m_redoList.AddHead(pCmd);
    }
    pGrid->RefreshAll(TRUE, nullptr, TRUE);
    pGrid->RefreshScrollBars(FALSE, FALSE);
    return bResult;
}

void CGXCommandFactory::BeginUndoBlock(CGXGridCore* pGrid, LPCTSTR pszName)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || !pParam->m_bUndoEnabled)
        return;
    // A step opened inside an open one belongs to it: the outermost commit closes it.
    if (pParam->m_nTransactionLevel > 0) {
        ++pParam->m_nTransactionLevel;
        return;
    }
    m_strTransName = pszName != nullptr ? pszName : "";
    CGXBlockCmd* pBlock = new CGXBlockCmd(pszName);
    ROWCOL nRow = 0, nCol = 0;
    pBlock->m_bCCell = pGrid->GetCurrentCell(nRow, nCol);
    pBlock->m_nRow = nRow;
    pBlock->m_nCol = nCol;
    pParam->m_undoList.AddHead(pBlock);
    pParam->m_nTransactionLevel = 1;
}

void CGXCommandFactory::CommitUndoBlock(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || pParam->m_nTransactionLevel == 0 || !pParam->m_bUndoEnabled)
        return;
    if (--pParam->m_nTransactionLevel > 0)
        return;
    if (!pParam->m_undoList.IsEmpty()) {
        CObject* pHead = pParam->m_undoList.GetHead();
        if (pHead->IsKindOf(RUNTIME_CLASS(CGXBlockCmd)) &&
            static_cast<CGXBlockCmd*>(pHead)->m_CmdList.IsEmpty())
            delete pParam->m_undoList.RemoveHead();
    }
}

void CGXCommandFactory::RollbackUndoBlock(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || pParam->m_nTransactionLevel == 0 || !pParam->m_bUndoEnabled)
        return;
    if (--pParam->m_nTransactionLevel > 0)
        return;
    pParam->m_nTransactionLevel = 0;
    if (pParam->m_undoList.IsEmpty())
        return;
    CGXCommand* pBlock = static_cast<CGXCommand*>(pParam->m_undoList.RemoveHead());
    try {
        pBlock->Execute(pGrid, gxRollback);
    } catch (...) {
        delete pBlock;
        throw;
    }
    delete pBlock;
    pGrid->RefreshAll(TRUE, nullptr, TRUE);
}

void CGXCommandFactory::ShowUndoPosition(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                         BOOL bMakeCurrent)
{
    if (m_bGroupRunning) {
        m_bPendingShow = TRUE;
        m_nPendingRow = nRow;
        m_nPendingCol = nCol;
        m_bPendingMakeCurrent = bMakeCurrent;
    } else if (bMakeCurrent && !pGrid->IsCurrentCell(nRow, nCol)) {
        pGrid->SetCurrentCell(nRow, nCol, GX_UPDATENOW | 8);
    } else {
        pGrid->BringCellIntoView(nRow, nCol, GX_UPDATENOW, FALSE);
    }
    if (CWnd* pWnd = pGrid->GetGridWnd())
        if (pWnd->GetSafeHwnd() != nullptr)
            pWnd->UpdateWindow();
}
