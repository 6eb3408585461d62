// Threads: workers started by AfxBeginThread, user-interface threads and their message
// pump with PreTranslateMessage and idle processing.
#include "fw/win.h"
#include "handle_map.h"
#include "thread_state.h"
#include "wndproc_exception.h"

#include <process.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinThread, CCmdTarget)
END_MESSAGE_MAP()

CWinThread* AFXAPI AfxGetThread()
{
    CWinThread* pThread = fw::CurrentThreadState().pCurrentThread;
    if (pThread == nullptr) {
        // The application object runs on the thread that made it.
        CWinApp* pApp = AfxGetApp();
        if (pApp != nullptr && pApp->m_nThreadID == ::GetCurrentThreadId())
            return pApp;
    }
    return pThread;
}

void AFXAPI AfxPostQuitMessage(int nExitCode) { ::PostQuitMessage(nExitCode); }

void CWinThread::CommonConstruct()
{
    m_pMainWnd = nullptr;
    m_pActiveWnd = nullptr;
    m_bAutoDelete = TRUE;
    m_hThread = nullptr;
    m_nThreadID = 0;
    m_pfnThreadProc = nullptr;
    m_pThreadParams = nullptr;
    m_msgCur = MSG();
    m_ptCursorLast = CPoint(0, 0);
    m_nMsgLast = 0;
    m_pInheritedMainWnd = nullptr;
}

CWinThread::CWinThread() { CommonConstruct(); }

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
{
    CommonConstruct();
    m_pfnThreadProc = pfnThreadProc;
    m_pThreadParams = pParam;
}

CWinThread::~CWinThread()
{
    if (m_hThread != nullptr)
        ::CloseHandle(m_hThread);
    delete m_pInheritedMainWnd;
    fw::ThreadState& state = fw::CurrentThreadState();
    if (state.pCurrentThread == this)
        state.pCurrentThread = nullptr;
}

namespace {

// Ends the framework's use of the calling thread: temporaries and the thread object.
void TermThread(CWinThread* pThread, BOOL bDelete)
{
    fw::ThreadState& state = fw::CurrentThreadState();
    state.nTempMapLock = 0;
    fw::DeleteAllTempMaps();
    if (bDelete && pThread != nullptr)
        pThread->Delete();
    state.pCurrentThread = nullptr;
}

} // namespace

unsigned __stdcall CWinThread::ThreadEntry(void* pParam)
{
    CWinThread* pThread = static_cast<CWinThread*>(pParam);
    fw::CurrentThreadState().pCurrentThread = pThread;

    // A worker sees the application's main window as its own (without owning it).
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pThread->m_pMainWnd == nullptr &&
        pApp->m_pMainWnd->GetSafeHwnd() != nullptr) {
        pThread->m_pInheritedMainWnd = new CWnd;
        pThread->m_pInheritedMainWnd->m_hWnd =
            pApp->m_pMainWnd->m_hWnd; // not entered in the handle map
        pThread->m_pMainWnd = pThread->m_pInheritedMainWnd;
    }

    UINT nResult = 0;
    try {
        if (pThread->m_pfnThreadProc != nullptr) {
            nResult = (*pThread->m_pfnThreadProc)(pThread->m_pThreadParams);
        } else if (!pThread->InitInstance()) {
            nResult = (UINT)pThread->ExitInstance();
        } else {
            nResult = (UINT)pThread->Run();
        }
    } catch (CException* e) {
        // An exception a thread function let out ends only that thread.
        e->Delete();
        nResult = (UINT)-1;
    } catch (...) {
        nResult = (UINT)-1;
    }
    TermThread(pThread, TRUE);
    return nResult;
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize,
                              LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    unsigned nThreadID = 0;
    m_hThread = (HANDLE)_beginthreadex(lpSecurityAttrs, nStackSize, &CWinThread::ThreadEntry, this,
                                       dwCreateFlags | CREATE_SUSPENDED, &nThreadID);
    if (m_hThread == nullptr)
        return FALSE;
    m_nThreadID = nThreadID;
    if ((dwCreateFlags & CREATE_SUSPENDED) == 0)
        ::ResumeThread(m_hThread);
    return TRUE;
}

namespace {

// Starts pThread suspended so its priority is set before it runs, then lets it go
// unless the caller asked for it suspended. A thread that cannot start is deleted.
CWinThread* startThread(CWinThread* pThread, int nPriority, UINT nStackSize, DWORD dwCreateFlags,
                        LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs)) {
        pThread->Delete();
        return nullptr;
    }
    pThread->SetThreadPriority(nPriority);
    if ((dwCreateFlags & CREATE_SUSPENDED) == 0)
        pThread->ResumeThread();
    return pThread;
}

} // namespace

CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority,
                                  UINT nStackSize, DWORD dwCreateFlags,
                                  LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    return startThread(new CWinThread(pfnThreadProc, pParam), nPriority, nStackSize, dwCreateFlags,
                       lpSecurityAttrs);
}

CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority, UINT nStackSize,
                                  DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (pThreadClass == nullptr || !pThreadClass->IsDerivedFrom(RUNTIME_CLASS(CWinThread)))
        return nullptr;
    CWinThread* pThread = static_cast<CWinThread*>(pThreadClass->CreateObject());
    if (pThread == nullptr)
        return nullptr;
    return startThread(pThread, nPriority, nStackSize, dwCreateFlags, lpSecurityAttrs);
}

void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete)
{
    TermThread(fw::CurrentThreadState().pCurrentThread, bDelete);
    _endthreadex(nExitCode);
    for (;;) {
    }
}

int CWinThread::GetThreadPriority() { return ::GetThreadPriority(m_hThread); }
BOOL CWinThread::SetThreadPriority(int nPriority)
{
    return ::SetThreadPriority(m_hThread, nPriority);
}
DWORD CWinThread::SuspendThread() { return ::SuspendThread(m_hThread); }
DWORD CWinThread::ResumeThread() { return ::ResumeThread(m_hThread); }
BOOL CWinThread::PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostThreadMessageA(m_nThreadID, message, wParam, lParam);
}

void CWinThread::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CWinThread::InitInstance()
{
    return FALSE; // a user-interface thread's class says what to do
}

int CWinThread::ExitInstance() { return (int)m_msgCur.wParam; }

CWnd* CWinThread::GetMainWnd()
{
    if (m_pActiveWnd != nullptr)
        return m_pActiveWnd;
    if (m_pMainWnd != nullptr)
        return m_pMainWnd;
    return CWnd::GetActiveWindow();
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    // A mouse move that did not move, and the caret's blink, do not restart idle work.
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        if (m_ptCursorLast == pMsg->pt && pMsg->message == m_nMsgLast)
            return FALSE;
        m_ptCursorLast = pMsg->pt;
        m_nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118; // WM_SYSTIMER
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0) {
        // Let windows update their command user interface.
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->IsWindowVisible()) {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0, TRUE, TRUE);
        }
        // Every other top-level frame of this thread too: floating bars, the preview
        // frame, a second main window. (A copy: an update may make or close frames.)
        std::vector<CFrameWnd*> frames = fw::CurrentThreadState().frames;
        for (CFrameWnd* pFrame : frames) {
            HWND hWnd = ((CWnd*)pFrame)->m_hWnd;
            if (hWnd == nullptr || hWnd == pMainWnd->GetSafeHwnd() ||
                (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
                continue;
            if (CWnd::FromHandlePermanent(hWnd) != (CWnd*)pFrame || !::IsWindowVisible(hWnd))
                continue;
            AfxCallWndProc((CWnd*)pFrame, hWnd, WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0);
            CWnd::SendMessageToDescendants(hWnd, WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0, TRUE, TRUE);
        }
        return TRUE;
    }
    if (lCount >= 1)
        fw::DeleteAllTempMaps();
    return FALSE;
}

BOOL CWinThread::DispatchThreadMessageEx(MSG* pMsg)
{
    union
    {
        AFX_PMSG pfn;
        void (CWinThread::*pfn_vwl)(WPARAM, LPARAM);
    } mmf;
    for (const AFX_MSGMAP* pMessageMap = GetMessageMap(); pMessageMap->pfnGetBaseMap != nullptr;
         pMessageMap = (*pMessageMap->pfnGetBaseMap)()) {
        for (const AFX_MSGMAP_ENTRY* lpEntry = pMessageMap->lpEntries; lpEntry->nSig != AfxSig_end;
             ++lpEntry) {
            BOOL bMatch = pMsg->message < 0xC000
                ? (lpEntry->nMessage == pMsg->message && lpEntry->nSig == AfxSig_vwlThread)
                : (lpEntry->nMessage == 0xC000 && *(const UINT*)lpEntry->nSig == pMsg->message);
            if (bMatch) {
                mmf.pfn = lpEntry->pfn;
                (this->*mmf.pfn_vwl)(pMsg->wParam, pMsg->lParam);
                return TRUE;
            }
        }
    }
    return FALSE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == nullptr && DispatchThreadMessageEx(pMsg))
        return TRUE;
    CWnd* pMainWnd = AfxGetMainWnd();
    if (CWnd::WalkPreTranslateTree(pMainWnd->GetSafeHwnd(), pMsg))
        return TRUE;
    // A modeless window outside the main window's tree: its accelerators come last.
    if (pMainWnd != nullptr && pMsg->hwnd != nullptr) {
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        if (pWnd->GetTopLevelParent() != pMainWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0))
        return FALSE; // WM_QUIT
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    MSG msg;
    for (;;) {
        // Idle work while the queue is empty.
        while (bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        // Messages until the queue is empty again.
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}

LRESULT CWinThread::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    return fw::ReportWndProcException(e, pMsg);
}
