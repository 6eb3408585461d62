#include "wndproc_exception.h"
#include "fw/win.h"

namespace fw {

namespace {

// The message's result when its handler failed, and the report's text when the
// exception has none of its own.
LRESULT SafeResult(const MSG* pMsg, const char** ppszText)
{
    *ppszText = "Internal application error.";
    switch (pMsg->message) {
    case WM_CREATE:
    case WM_NCCREATE:
        return pMsg->message == WM_CREATE ? -1 : FALSE; // creation fails; Create reports it
    case WM_PAINT:
        ::ValidateRect(pMsg->hwnd, nullptr); // else the paint comes back at once
        return 0;
    case WM_COMMAND:
        if (pMsg->lParam == 0)
            *ppszText = "Command failed.";
        return TRUE; // the command counts as handled
    default:
        return 0;
    }
}

} // namespace

LRESULT ReportWndProcException(CException* e, const MSG* pMsg)
{
    const char* pszText;
    LRESULT lResult = SafeResult(pMsg, &pszText);
    if (e->IsKindOf(RUNTIME_CLASS(CUserException)))
        return lResult;
    char szMessage[512];
    if (!e->GetErrorMessage(szMessage, sizeof szMessage))
        lstrcpynA(szMessage, pszText, sizeof szMessage);
    UINT nType = e->IsKindOf(RUNTIME_CLASS(CMemoryException)) ? MB_ICONEXCLAMATION | MB_SYSTEMMODAL
                                                              : MB_ICONSTOP;
    AfxMessageBox(szMessage, nType);
    return lResult;
}

LRESULT ProcessWndProcException(CException* e, const MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr)
        return pThread->ProcessWndProcException(e, pMsg);
    return ReportWndProcException(e, pMsg);
}

LRESULT ProcessForeignWndProcException(const char* what, const MSG* pMsg)
{
    const char* pszText;
    LRESULT lResult = SafeResult(pMsg, &pszText);
    CString text(pszText);
    if (what != nullptr && *what != '\0') {
        text += "\n";
        text += what;
    }
    AfxMessageBox(text, MB_ICONSTOP);
    return lResult;
}

} // namespace fw
