// The one seam every framework message box passes through.
#include "fw/win.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {

std::mutex g_answererLock;

AFX_MESSAGEBOX_ANSWERER& Answerer()
{
    static AFX_MESSAGEBOX_ANSWERER* answerer = new AFX_MESSAGEBOX_ANSWERER;
    return *answerer;
}

// FW_MESSAGEBOX_ANSWER=<button id> answers every box unseen; 0 or absent shows them.
int EnvironmentAnswer()
{
    char szValue[32];
    DWORD nLen = ::GetEnvironmentVariableA("FW_MESSAGEBOX_ANSWER", szValue, sizeof szValue);
    if (nLen == 0 || nLen >= sizeof szValue)
        return 0;
    return atoi(szValue);
}

} // namespace

AFX_MESSAGEBOX_ANSWERER AFXAPI AfxSetMessageBoxAnswerer(AFX_MESSAGEBOX_ANSWERER answerer)
{
    std::lock_guard<std::mutex> guard(g_answererLock);
    AFX_MESSAGEBOX_ANSWERER previous = Answerer();
    Answerer() = std::move(answerer);
    return previous;
}

int AFXAPI AfxShowMessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType,
                             UINT nIDHelp)
{
    if (lpszCaption == nullptr)
        lpszCaption = AfxGetAppName();
    if (lpszCaption == nullptr)
        lpszCaption = "";
    if (lpszText == nullptr)
        lpszText = "";

    AFX_MESSAGEBOX_ANSWERER answerer;
    {
        std::lock_guard<std::mutex> guard(g_answererLock);
        answerer = Answerer();
    }
    if (answerer) {
        AFX_MESSAGEBOX_REQUEST request;
        request.hWndOwner = hWndOwner;
        request.strText = lpszText;
        request.strCaption = lpszCaption;
        request.nType = nType;
        request.nIDHelp = nIDHelp;
        return answerer(request);
    }
    int nAnswer = EnvironmentAnswer();
    if (nAnswer != 0) {
        // Leave a trace of the box in the run's output.
        fprintf(stderr, "[message box answered %d] %s: %s\n", nAnswer, lpszCaption, lpszText);
        fflush(stderr);
        return nAnswer;
    }
    return ::MessageBoxA(hWndOwner, lpszText, lpszCaption, nType);
}

int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    HWND hWndOwner = ::GetActiveWindow();
    return AfxShowMessageBox(hWndOwner, lpszText, nullptr, nType, nIDHelp);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString string;
    string.LoadString(nIDPrompt);
    if (nIDHelp == (UINT)-1)
        nIDHelp = nIDPrompt;
    return AfxMessageBox(string, nType, nIDHelp);
}
