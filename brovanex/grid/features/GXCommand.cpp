// The command base, the block command and the helpers every command shares.
#include "features/GXCommand.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXLongOperation.h"
#include "core/GXResourceString.h"
#include "features/GXCommandFactory.h"

IMPLEMENT_DYNAMIC(CGXCommand, CObject)
IMPLEMENT_DYNAMIC(CGXBlockCmd, CGXCommand)

CGXCommand::CGXCommand() : m_nRow(0), m_nCol(0), m_bCCell(FALSE), m_pUndoInfo(nullptr) { }

CGXCommand::~CGXCommand() { delete m_pUndoInfo; }

LPCTSTR GXCommandName(CString& strName, UINT nId)
{
    if (strName.IsEmpty() && !GXLoadString(nId, strName))
        strName = " ";
    if (strName.IsEmpty())
        strName = " ";
    return strName;
}

void GXDeleteStyleArray(CObArray* pArray)
{
    if (pArray == nullptr)
        return;
    for (INT_PTR i = 0; i < pArray->GetSize(); ++i) {
        CObject* p = pArray->GetAt(i);
        if (p != nullptr && p->IsKindOf(RUNTIME_CLASS(CObList))) {
            CObList* pList = static_cast<CObList*>(p);
            while (!pList->IsEmpty())
                delete pList->RemoveHead();
        }
        delete p;
    }
    delete pArray;
}

// "%1" (or "%s") of a progress format replaced by the block's name; an empty format stays
// empty.
static CString FormatProgress(const CString& strFormat, const CString& strName)
{
    CString s(strFormat);
    if (s.Find("%1") >= 0)
        s.Replace("%1", strName);
    else if (s.Find("%s") >= 0)
        s.Replace("%s", strName);
    return s;
}

CGXBlockCmd::CGXBlockCmd(LPCTSTR pszName)
    : m_CmdList(10), m_strName(pszName != nullptr ? pszName : "Block")
{ }

CGXBlockCmd::~CGXBlockCmd()
{
    while (!m_CmdList.IsEmpty())
        delete m_CmdList.RemoveHead();
}

namespace {
// Restores the grid's group-command state and the parameter's lock-update flag however
// the block's run ends.
struct BlockRunScope
{
    CGXCommandFactory* pFactory;
    CGXGridParam* pParam;
    BOOL bOldRunning, bOldLock, bLocked;
    ~BlockRunScope()
    {
        pFactory->m_bGroupRunning = bOldRunning;
        if (bLocked)
            pParam->m_bLockUpdate = bOldLock;
    }
};
} // namespace

BOOL CGXBlockCmd::Execute(CGXGridCore* pGrid, GXCmdType ctCmd)
{
    CGXGridParam* pParam = pGrid->GetParam();
    CGXCommandFactory* pFactory = dynamic_cast<CGXCommandFactory*>(pGrid->CommandFactory());
    if (pParam == nullptr || pFactory == nullptr)
        return FALSE;

    CGXLongOperation longOp;
    CGXGridLibraryState& state = *pGrid->m_pLibState;
    if (ctCmd == gxRedo)
        longOp.ShowStatusText(FormatProgress(state.m_astrTexts[0], m_strName));
    else if (ctCmd == gxUndo)
        longOp.ShowStatusText(FormatProgress(state.m_astrTexts[1], m_strName));
    else
        longOp.ShowStatusText(m_strName);

    // The opposite block collects the opposite of each sub-command.
    CObList& target = ctCmd == gxRedo ? pParam->m_undoList : pParam->m_redoList;
    CGXBlockCmd* pNew = nullptr;
    if (ctCmd == gxUndo || ctCmd == gxRedo) {
        pNew = new CGXBlockCmd(m_strName);
        target.AddHead(pNew);
    }

    const INT_PTR nCount = m_CmdList.GetCount();
    BOOL bResult = TRUE;
    {
        BlockRunScope scope {pFactory, pParam, pFactory->m_bGroupRunning, pParam->m_bLockUpdate,
                             nCount > 1};
        pFactory->m_bPendingShow = FALSE;
        pFactory->m_bGroupRunning = TRUE;
        if (nCount > 1)
            pParam->m_bLockUpdate = TRUE;
        const DWORD dwStart = ::GetTickCount();
        const DWORD dwPump = GXGetLongOperationState().dwTicksFirst;
        for (POSITION pos = m_CmdList.GetHeadPosition(); pos != nullptr && bResult;) {
            CGXCommand* pCmd = static_cast<CGXCommand*>(m_CmdList.GetNext(pos));
            bResult = pGrid->ExecuteCommand(pCmd, pGrid, ctCmd);
            if (::GetTickCount() - dwStart > dwPump) {
                BOOL bCanceled = FALSE;
                longOp.PumpMessages(bCanceled);
            }
        }
    }
    if (nCount > 1)
        pGrid->Redraw(GX_UPDATENOW, TRUE);

    if (pNew != nullptr && !bResult && !target.IsEmpty() && target.GetHead() == pNew) {
        target.RemoveHead();
        delete pNew;
    }
    if (!pFactory->m_bGroupRunning && pFactory->m_bPendingShow) {
        pFactory->m_bPendingShow = FALSE;
        pFactory->ShowUndoPosition(pGrid, pFactory->m_nPendingRow, pFactory->m_nPendingCol,
                                   pFactory->m_bPendingMakeCurrent);
    }
    return bResult;
}
