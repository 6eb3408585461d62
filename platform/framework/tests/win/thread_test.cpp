// Worker threads started with AfxBeginThread, the events and locks they synchronise
// with, and user-interface threads with their own pump.
#include <gtest/gtest.h>

#include "fw_test_support.h"

namespace {

struct WorkerShared
{
    CEvent go; // auto-reset, clear
    CEvent done {FALSE, TRUE}; // manual-reset, clear
    int nValue = 0;
    CWinThread* pSeenThread = nullptr;
};

UINT AFX_CDECL SignallingWorker(LPVOID pParam)
{
    WorkerShared* pShared = static_cast<WorkerShared*>(pParam);
    pShared->go.Lock();
    pShared->nValue = 42;
    pShared->pSeenThread = AfxGetThread();
    pShared->done.SetEvent();
    return 7;
}

TEST(Threads, AWorkerSignalsTheEventTheInterfaceThreadWaitsOn)
{
    WorkerShared shared;
    CWinThread* pThread = AfxBeginThread(SignallingWorker, &shared, THREAD_PRIORITY_ABOVE_NORMAL, 0,
                                         CREATE_SUSPENDED);
    ASSERT_NE(pThread, nullptr);
    pThread->m_bAutoDelete = FALSE;
    EXPECT_EQ(pThread->GetThreadPriority(), THREAD_PRIORITY_ABOVE_NORMAL);
    pThread->ResumeThread();

    EXPECT_FALSE(shared.done.Lock(100)); // the worker waits for its go
    shared.go.SetEvent();
    ASSERT_TRUE(shared.done.Lock(10000));
    EXPECT_EQ(shared.nValue, 42);
    EXPECT_EQ(shared.pSeenThread, pThread);

    ASSERT_EQ(::WaitForSingleObject(pThread->m_hThread, 10000), WAIT_OBJECT_0);
    DWORD dwExit = 0;
    ::GetExitCodeThread(pThread->m_hThread, &dwExit);
    EXPECT_EQ(dwExit, 7u);
    delete pThread;
}

UINT AFX_CDECL ThrowingWorker(LPVOID pParam)
{
    static_cast<CEvent*>(pParam)->SetEvent();
    AfxThrowResourceException();
}

TEST(Threads, AnExceptionEndsOnlyItsWorker)
{
    CEvent started;
    CWinThread* pThread =
        AfxBeginThread(ThrowingWorker, &started, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(pThread, nullptr);
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    ASSERT_TRUE(started.Lock(10000));
    ASSERT_EQ(::WaitForSingleObject(pThread->m_hThread, 10000), WAIT_OBJECT_0);
    DWORD dwExit = 0;
    ::GetExitCodeThread(pThread->m_hThread, &dwExit);
    EXPECT_EQ(dwExit, (DWORD)-1);
    delete pThread;
}

TEST(Events, AutoAndManualResetAndInitialState)
{
    CEvent autoReset;
    EXPECT_FALSE(autoReset.Lock(0));
    autoReset.SetEvent();
    EXPECT_TRUE(autoReset.Lock(0));
    EXPECT_FALSE(autoReset.Lock(0)); // one waiter released, then clear

    CEvent manual(TRUE, TRUE); // initially set
    EXPECT_TRUE(manual.Lock(0));
    EXPECT_TRUE(manual.Lock(0));
    manual.ResetEvent();
    EXPECT_FALSE(manual.Lock(0));

    CSingleLock lock(&manual);
    EXPECT_FALSE(lock.Lock(0));
    manual.SetEvent();
    EXPECT_TRUE(lock.Lock(0));
    EXPECT_TRUE(lock.IsLocked());

    CEvent first, second;
    CSyncObject* objects[] = {&first, &second};
    CMultiLock multi(objects, 2);
    second.SetEvent();
    EXPECT_EQ(multi.Lock(0, FALSE), WAIT_OBJECT_0 + 1);
    EXPECT_TRUE(multi.IsLocked(1));
    EXPECT_FALSE(multi.IsLocked(0));
}

struct CounterShared
{
    CCriticalSection section;
    long nCount = 0;
};

UINT AFX_CDECL CountingWorker(LPVOID pParam)
{
    CounterShared* pShared = static_cast<CounterShared*>(pParam);
    for (int i = 0; i < 20000; ++i) {
        CSingleLock lock(&pShared->section, TRUE);
        long n = pShared->nCount;
        pShared->nCount = n + 1;
    }
    return 0;
}

TEST(Locks, ACriticalSectionKeepsWorkersApart)
{
    CounterShared shared;
    HANDLE handles[3];
    CWinThread* threads[3];
    for (int i = 0; i < 3; ++i) {
        threads[i] =
            AfxBeginThread(CountingWorker, &shared, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
        ASSERT_NE(threads[i], nullptr);
        threads[i]->m_bAutoDelete = FALSE;
        handles[i] = threads[i]->m_hThread;
    }
    for (CWinThread* pThread : threads)
        pThread->ResumeThread();
    ASSERT_EQ(::WaitForMultipleObjects(3, handles, TRUE, 30000), WAIT_OBJECT_0);
    EXPECT_EQ(shared.nCount, 60000);
    for (CWinThread* pThread : threads)
        delete pThread;
}

struct MainWindowShared
{
    CEvent done;
    HWND hSeen = nullptr;
};

UINT AFX_CDECL MainWindowWorker(LPVOID pParam)
{
    MainWindowShared* pShared = static_cast<MainWindowShared*>(pParam);
    pShared->hSeen = AfxGetMainWnd()->GetSafeHwnd();
    pShared->done.SetEvent();
    return 0;
}

TEST(Threads, AWorkerSeesTheApplicationsMainWindow)
{
    CWinApp app("Worker Probe");
    CWnd main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, "main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    app.m_pMainWnd = &main;
    EXPECT_EQ(AfxGetMainWnd(), &main);

    MainWindowShared shared;
    ASSERT_NE(AfxBeginThread(MainWindowWorker, &shared), nullptr);
    ASSERT_TRUE(shared.done.Lock(10000));
    EXPECT_EQ(shared.hSeen, main.m_hWnd);
    app.m_pMainWnd = nullptr;
    main.DestroyWindow();
}

// A user-interface thread: its pump dispatches thread messages through its map.
const UINT WM_THREAD_ECHO = WM_APP + 40;

class CEchoThread : public CWinThread
{
    DECLARE_DYNCREATE(CEchoThread)
public:
    static CEvent* s_pReady;
    static CEvent* s_pEchoed;
    static WPARAM s_lastEcho;

    BOOL InitInstance() override
    {
        MSG msg;
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE); // make the queue before saying so
        s_pReady->SetEvent();
        return TRUE;
    }
    int ExitInstance() override { return 5; }

protected:
    void OnEcho(WPARAM wParam, LPARAM)
    {
        s_lastEcho = wParam;
        s_pEchoed->SetEvent();
        AfxPostQuitMessage(0);
    }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CEchoThread, CWinThread)
CEvent* CEchoThread::s_pReady = nullptr;
CEvent* CEchoThread::s_pEchoed = nullptr;
WPARAM CEchoThread::s_lastEcho = 0;

BEGIN_MESSAGE_MAP(CEchoThread, CWinThread)
    ON_THREAD_MESSAGE(WM_THREAD_ECHO, &CEchoThread::OnEcho)
END_MESSAGE_MAP()

TEST(Threads, AUserInterfaceThreadRunsItsPump)
{
    CEvent ready, echoed;
    CEchoThread::s_pReady = &ready;
    CEchoThread::s_pEchoed = &echoed;
    CWinThread* pThread =
        AfxBeginThread(RUNTIME_CLASS(CEchoThread), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(pThread, nullptr);
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    ASSERT_TRUE(ready.Lock(10000));
    ASSERT_TRUE(pThread->PostThreadMessage(WM_THREAD_ECHO, 314, 0));
    ASSERT_TRUE(echoed.Lock(10000));
    EXPECT_EQ(CEchoThread::s_lastEcho, 314u);
    ASSERT_EQ(::WaitForSingleObject(pThread->m_hThread, 10000), WAIT_OBJECT_0);
    DWORD dwExit = 0;
    ::GetExitCodeThread(pThread->m_hThread, &dwExit);
    EXPECT_EQ(dwExit, 5u); // Run ended through ExitInstance
    delete pThread;
}

} // namespace
