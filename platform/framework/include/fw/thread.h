// Threads. A CWinThread is either a worker (a function run on its own thread, started by
// AfxBeginThread) or a user-interface thread with a message pump (CWinApp is one).
#pragma once
#include "fw/cmdtarget.h"
#include "fw/sync.h"

class CWnd;

typedef UINT(AFX_CDECL* AFX_THREADPROC)(LPVOID);

// Ends the calling framework thread at once (its stack is not unwound).
[[noreturn]] FW_API void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete = TRUE);

class FW_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
    ~CWinThread() override;

    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0,
                      LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);

    CWnd* m_pMainWnd; // the thread's main window; its destruction ends the pump
    CWnd* m_pActiveWnd;
    BOOL m_bAutoDelete; // delete this object when the thread ends
    HANDLE m_hThread;
    DWORD m_nThreadID;
    operator HANDLE() const
    {
        const CWinThread* p = FW_OPAQUE_THIS();
        return p ? p->m_hThread : nullptr;
    }

    int GetThreadPriority();
    BOOL SetThreadPriority(int nPriority);
    DWORD SuspendThread();
    DWORD ResumeThread();
    BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam);

    virtual BOOL InitInstance();
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    // lCount counts the idle calls since the last message: 0 updates the user interface,
    // 1 frees temporary objects. Return TRUE for more idle calls.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual int ExitInstance();
    // Called with an exception a window procedure caught; reports it (a user exception
    // silently) and returns the message's result.
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);
    virtual CWnd* GetMainWnd();
    virtual void Delete();

    MSG m_msgCur;
    AFX_THREADPROC m_pfnThreadProc;
    LPVOID m_pThreadParams;

protected:
    BOOL DispatchThreadMessageEx(MSG* pMsg);
    DECLARE_MESSAGE_MAP()

private:
    void CommonConstruct();
    static unsigned __stdcall ThreadEntry(void* pThis);
    CPoint m_ptCursorLast;
    UINT m_nMsgLast;
    CWnd* m_pInheritedMainWnd; // the application's main window, seen from a worker
};

// Starts pfnThreadProc(pParam) on a new thread (suspended with CREATE_SUSPENDED).
// The returned object deletes itself when the thread ends, unless m_bAutoDelete is
// cleared before that. Null when the thread cannot be created.
FW_API CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam,
                                         int nPriority = THREAD_PRIORITY_NORMAL,
                                         UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                                         LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
// Starts a user-interface thread of a class derived from CWinThread (dynamically creatable).
FW_API CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* pThreadClass,
                                         int nPriority = THREAD_PRIORITY_NORMAL,
                                         UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                                         LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
// The CWinThread of the calling thread (the application on the main thread), or null.
FW_API CWinThread* AFXAPI AfxGetThread();
FW_API void AFXAPI AfxPostQuitMessage(int nExitCode);
