#include "core/GXLongOperation.h"
#include "core/GXLibraryState.h"

GXLongOperationState& GXGetLongOperationState()
{
    static GXLongOperationState state;
    return state;
}

CGXLongOperation::CGXLongOperation()
{
    if (CGXAbstractLongOperationImp* pImp = GXGetLibraryState().m_pLongOperationImp)
        pImp->EnterOperation(this);
    else
        ++GXGetLongOperationState().nLevel;
}

CGXLongOperation::~CGXLongOperation()
{
    if (CGXAbstractLongOperationImp* pImp = GXGetLibraryState().m_pLongOperationImp)
        pImp->LeaveOperation(this);
    else if (GXGetLongOperationState().nLevel > 0)
        --GXGetLongOperationState().nLevel;
}

int CGXLongOperation::GetNestingLevel() { return GXGetLongOperationState().nLevel; }

void CGXLongOperation::ShowStatusText(LPCTSTR pszText, BOOL bCopy)
{
    if (CGXAbstractLongOperationImp* pImp = GXGetLibraryState().m_pLongOperationImp)
        pImp->SetStatusText(this, pszText, bCopy);
}

void CGXLongOperation::ReleaseStatusText()
{
    if (CGXAbstractLongOperationImp* pImp = GXGetLibraryState().m_pLongOperationImp)
        pImp->FreeStatusText(this);
}

BOOL CGXLongOperation::MessagesDue()
{
    CGXAbstractLongOperationImp* pImp = GXGetLibraryState().m_pLongOperationImp;
    return pImp != nullptr && pImp->NeedMessages(this);
}

BOOL CGXLongOperation::PumpMessages(BOOL& bCanceled)
{
    bCanceled = FALSE;
    CGXAbstractLongOperationImp* pImp = GXGetLibraryState().m_pLongOperationImp;
    return pImp != nullptr && pImp->DoMessages(this, bCanceled);
}

void CGXLongOperation::FlushMessages()
{
    if (CGXAbstractLongOperationImp* pImp = GXGetLibraryState().m_pLongOperationImp)
        pImp->ProcessMessages(this);
}
