// The modal seam and the framework's modal loop.
#include "fw/win.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>

namespace {

std::mutex g_modalLock;

AFX_MODAL_ANSWERER& Answerer()
{
    static AFX_MODAL_ANSWERER* answerer = new AFX_MODAL_ANSWERER;
    return *answerer;
}

// Scripts waiting for their window's modal loop, by window (guarded by g_modalLock).
std::map<HWND, std::function<void(CWnd*)>>& PendingScripts()
{
    static auto* scripts = new std::map<HWND, std::function<void(CWnd*)>>;
    return *scripts;
}

int EnvironmentNumber(LPCSTR lpszName, BOOL* pbPresent)
{
    char szValue[32];
    DWORD nLen = ::GetEnvironmentVariableA(lpszName, szValue, sizeof szValue);
    *pbPresent = nLen != 0 && nLen < sizeof szValue;
    return *pbPresent ? atoi(szValue) : 0;
}

LPCSTR KindName(AfxModalKind nKind)
{
    switch (nKind) {
    case afxModalDialog:
        return "dialog";
    case afxModalPropertySheet:
        return "property sheet";
    case afxModalFileDialog:
        return "file dialog";
    case afxModalCommonDialog:
        return "common dialog";
    case afxModalPopupMenu:
        return "popup menu";
    }
    return "modal window";
}

} // namespace

AFX_MODAL_REPLY AFX_MODAL_REPLY::Show() { return AFX_MODAL_REPLY(); }

AFX_MODAL_REPLY AFX_MODAL_REPLY::Answer(INT_PTR nResult, LPCSTR lpszFileName)
{
    AFX_MODAL_REPLY reply;
    reply.nAction = answer;
    reply.nResult = nResult;
    if (lpszFileName != nullptr)
        reply.strFileName = lpszFileName;
    return reply;
}

AFX_MODAL_REPLY AFX_MODAL_REPLY::Script(std::function<void(CWnd*)> fnScript)
{
    AFX_MODAL_REPLY reply;
    reply.nAction = script;
    reply.fnScript = std::move(fnScript);
    return reply;
}

AFX_MODAL_ANSWERER AFXAPI AfxSetModalAnswerer(AFX_MODAL_ANSWERER answerer)
{
    std::lock_guard<std::mutex> guard(g_modalLock);
    AFX_MODAL_ANSWERER previous = Answerer();
    Answerer() = std::move(answerer);
    return previous;
}

AFX_MODAL_REPLY AFXAPI AfxAskModalAnswer(const AFX_MODAL_REQUEST& request)
{
    AFX_MODAL_ANSWERER answerer;
    {
        std::lock_guard<std::mutex> guard(g_modalLock);
        answerer = Answerer();
    }
    if (answerer)
        return answerer(request);

    BOOL bModal = FALSE, bMessageBox = FALSE;
    int nModal = EnvironmentNumber("FW_MODAL_ANSWER", &bModal);
    EnvironmentNumber("FW_MESSAGEBOX_ANSWER", &bMessageBox);
    if ((bModal && nModal != 0) || bMessageBox) {
        // Unattended: never show. A popup menu chooses nothing; a file dialog cannot be
        // answered OK without a name, so it is cancelled.
        INT_PTR nResult = bModal && nModal != 0 ? nModal : IDCANCEL;
        if (request.nKind == afxModalPopupMenu ||
            (request.nKind == afxModalFileDialog && nResult == IDOK))
            nResult = request.nKind == afxModalPopupMenu ? 0 : IDCANCEL;
        fprintf(stderr, "[%s answered %d] %s\n", KindName(request.nKind), (int)nResult,
                (LPCSTR)request.strCaption);
        fflush(stderr);
        return AFX_MODAL_REPLY::Answer(nResult);
    }
    return AFX_MODAL_REPLY::Show();
}

void AFXAPI AfxSetModalScript(HWND hWnd, std::function<void(CWnd*)> fnScript)
{
    std::lock_guard<std::mutex> guard(g_modalLock);
    if (fnScript)
        PendingScripts()[hWnd] = std::move(fnScript);
    else
        PendingScripts().erase(hWnd);
}

void AFXAPI AfxRunModalScript(HWND hWndDialog, const std::function<void(CWnd*)>& fnScript)
{
    if (!fnScript || !::IsWindow(hWndDialog))
        return;
    try {
        fnScript(CWnd::FromHandle(hWndDialog));
    } catch (CException* e) {
        // A failing script is a failing test: report it, and the window is cancelled.
        char szMessage[256] = "";
        e->GetErrorMessage(szMessage, sizeof szMessage);
        fprintf(stderr, "[modal script failed] %s\n", szMessage);
        e->Delete();
    } catch (...) {
        fprintf(stderr, "[modal script failed]\n");
    }
}

namespace {

std::function<void(CWnd*)> TakeScript(HWND hWnd)
{
    std::lock_guard<std::mutex> guard(g_modalLock);
    auto& scripts = PendingScripts();
    auto it = scripts.find(hWnd);
    if (it == scripts.end())
        return nullptr;
    std::function<void(CWnd*)> fnScript = std::move(it->second);
    scripts.erase(it);
    return fnScript;
}

} // namespace

BOOL CWnd::ContinueModal() { return (m_nFlags & WF_CONTINUEMODAL) != 0; }

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0); // wake the loop
    }
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    HWND hWnd = m_hWnd;
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(hWnd);
    m_nFlags |= (WF_MODALLOOP | WF_CONTINUEMODAL);
    std::function<void(CWnd*)> fnScript = TakeScript(hWnd);
    CWinThread* pThread = AfxGetThread();
    MSG msg;

    for (;;) {
        // Idle work while the queue is empty: show, run a test's script, kick idle.
        while (bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (bShowIdle) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (fnScript) {
                std::function<void(CWnd*)> fnRun = std::move(fnScript);
                fnScript = nullptr;
                AfxRunModalScript(hWnd, fnRun);
                if (::IsWindow(hWnd) && ContinueModal())
                    EndModalLoop(IDCANCEL);
            }
            if (!ContinueModal() || !::IsWindow(hWnd))
                goto ExitModal;
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent != nullptr && lIdleCount == 0)
                ::SendMessageA(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)hWnd);
            if ((dwFlags & MLF_NOKICKIDLE) ||
                !::SendMessageA(hWnd, WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
        }

        // Messages until the queue is empty again.
        do {
            BOOL bPumped;
            if (pThread != nullptr) {
                bPumped = pThread->PumpMessage();
                msg = pThread->m_msgCur;
            } else {
                bPumped = ::GetMessageA(&msg, nullptr, 0, 0);
                if (bPumped && !CWnd::WalkPreTranslateTree(hWnd, &msg)) {
                    ::TranslateMessage(&msg);
                    ::DispatchMessageA(&msg);
                }
            }
            if (!bPumped) {
                // WM_QUIT: end the loop and leave the quit for the outer pump.
                ::PostQuitMessage((int)msg.wParam);
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }
            if (bShowIdle &&
                (msg.message == 0x118 /* WM_SYSTIMER */ || msg.message == WM_SYSKEYDOWN)) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!::IsWindow(hWnd) || !ContinueModal())
                goto ExitModal;
            if (pThread == nullptr || pThread->IsIdleMessage(&msg)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }

ExitModal:
    if (::IsWindow(hWnd) || m_hWnd == hWnd)
        m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    AfxSetModalScript(hWnd, nullptr);
    return m_nModalResult;
}
