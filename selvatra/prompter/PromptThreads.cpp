// The prompter's worker threads: the line thread (paragraph images drawn ahead of the
// display), the script thread (scripts loaded ahead) and the caption thread. Each waits on
// its own auto-reset work event and ends, setting its done event, once the stop flag is up.
#include <objbase.h>
#include <process.h>

#include "PromptBaseWnd.h"
#include "PromptFaults.h"
#include "PromptLists.h"

namespace {

enum WorkerKind { kBitmaps, kScripts, kCaption };

struct WorkerStart
{
    CPromptBaseWnd* wnd;
    WorkerKind kind;
};

unsigned __stdcall WorkerMain(void* arg)
{
    WorkerStart start = *static_cast<WorkerStart*>(arg);
    delete static_cast<WorkerStart*>(arg);
    CPromptBaseWnd* wnd = start.wnd;

    const HRESULT ole = CoInitialize(nullptr);
    HANDLE work = start.kind == kBitmaps ? wnd->m_evUpdateBitmaps
        : start.kind == kScripts         ? wnd->m_evUpdateScripts
                                         : wnd->m_evCaption;
    HANDLE done = start.kind == kBitmaps ? wnd->m_hBitmapsDone
        : start.kind == kScripts         ? wnd->m_hScriptsDone
                                         : wnd->m_hCaptionDone;
    for (;;) {
        WaitForSingleObject(work, INFINITE);
        if (wnd->m_bStopThreads)
            break;
        switch (start.kind) {
        case kBitmaps:
            wnd->UpdateBitMaps();
            wnd->LineWorkDone();
            break;
        case kScripts:
            wnd->DoUpdatePromptScripts(wnd->m_nUpdateFlags, wnd->m_lUpdateRecordId);
            SetEvent(wnd->m_evScriptsUpdated);
            break;
        case kCaption:
            break; // the caption writer drains its queue in its own component
        }
    }
    if (SUCCEEDED(ole))
        CoUninitialize();
    SetEvent(done);
    return 0;
}

HANDLE StartWorker(CPromptBaseWnd* wnd, WorkerKind kind)
{
    if (PrompterFaultIs(PromptFault::Threads))
        return nullptr;
    WorkerStart* start = new WorkerStart {wnd, kind};
    uintptr_t h = _beginthreadex(nullptr, 0, WorkerMain, start, 0, nullptr);
    if (!h) {
        delete start;
        return nullptr;
    }
    return reinterpret_cast<HANDLE>(h);
}

HANDLE NewEvent(BOOL manual, BOOL initial)
{
    if (PrompterFaultIs(PromptFault::Events))
        return nullptr;
    return CreateEvent(nullptr, manual, initial, nullptr);
}

void CloseHandleAndClear(HANDLE& h)
{
    if (h) {
        CloseHandle(h);
        h = nullptr;
    }
}

} // namespace

void CPromptBaseWnd::WaitServingSentMessages(HANDLE h)
{
    if (!h)
        return;
    for (;;) {
        DWORD r = MsgWaitForMultipleObjects(1, &h, FALSE, INFINITE, QS_SENDMESSAGE);
        if (r == WAIT_OBJECT_0 || r == WAIT_FAILED)
            return;
        // A message sent from another thread (say, by a host callback running on the script
        // thread): peeking delivers it, so the sender is never left waiting on us.
        MSG msg;
        PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

bool CPromptBaseWnd::SetupThreadsAndEvents()
{
    m_evUpdateBitmaps = NewEvent(FALSE, FALSE);
    m_evUpdateScripts = NewEvent(FALSE, FALSE);
    m_evCaption = NewEvent(FALSE, FALSE);
    m_evBitmapsReady = NewEvent(TRUE, TRUE);
    m_evScriptsUpdated = NewEvent(TRUE, TRUE);
    m_hBitmapsDone = NewEvent(FALSE, FALSE);
    m_hScriptsDone = NewEvent(FALSE, FALSE);
    m_hCaptionDone = NewEvent(FALSE, FALSE);
    HANDLE events[] = {m_evUpdateBitmaps,  m_evUpdateScripts, m_evCaption,    m_evBitmapsReady,
                       m_evScriptsUpdated, m_hBitmapsDone,    m_hScriptsDone, m_hCaptionDone};
    for (HANDLE e : events)
        if (!e)
            return false;

    HANDLE mainThread = GetCurrentThread();
    m_nSavedPriority = GetThreadPriority(mainThread);
    m_bPriorityChanged = true;
    SetThreadPriority(mainThread, THREAD_PRIORITY_NORMAL);

    m_bStopThreads = FALSE;
    m_hBitmapThread = StartWorker(this, kBitmaps);
    if (!m_hBitmapThread)
        return false;
    m_hScriptThread = StartWorker(this, kScripts);
    if (!m_hScriptThread)
        return false;
    m_hCaptionThread = StartWorker(this, kCaption);
    return m_hCaptionThread != nullptr;
}

void CPromptBaseWnd::CloseThreads()
{
    {
        std::lock_guard<std::mutex> guard(m_lineWorkGate);
        m_bLineWorkPaused = true; // nothing wakes the line thread any more
    }
    m_bStopThreads = TRUE;
    struct Worker
    {
        HANDLE* thread;
        HANDLE work;
        HANDLE done;
    } workers[] = {
        {&m_hBitmapThread, m_evUpdateBitmaps, m_hBitmapsDone},
        {&m_hScriptThread, m_evUpdateScripts, m_hScriptsDone},
        {&m_hCaptionThread, m_evCaption, m_hCaptionDone},
    };
    for (Worker& w : workers) {
        // Only a thread that was started is waited for.
        if (!*w.thread)
            continue;
        SetThreadPriority(*w.thread, THREAD_PRIORITY_ABOVE_NORMAL);
        // The line thread may be waiting for the script thread: let it through.
        if (w.thread == &m_hBitmapThread)
            SetEvent(m_evScriptsUpdated);
        SetEvent(w.work);
        WaitServingSentMessages(w.done);
        WaitServingSentMessages(*w.thread);
        CloseHandleAndClear(*w.thread);
    }

    HANDLE* events[] = {&m_evUpdateBitmaps,  &m_evUpdateScripts, &m_evCaption,    &m_evBitmapsReady,
                        &m_evScriptsUpdated, &m_hBitmapsDone,    &m_hScriptsDone, &m_hCaptionDone};
    for (HANDLE* e : events)
        CloseHandleAndClear(*e);

    if (m_bPriorityChanged) {
        SetThreadPriority(GetCurrentThread(), m_nSavedPriority);
        m_bPriorityChanged = false;
    }
}

void CPromptBaseWnd::UpdatePromptScripts(UINT flags, long recordId)
{
    m_nUpdateFlags = flags;
    m_lUpdateRecordId = recordId;
    ResetEvent(m_evScriptsUpdated);
    SetEvent(m_evUpdateScripts);
}

// ---- the line thread's hand-over ---------------------------------------------------------------

void CPromptBaseWnd::WakeLineWork()
{
    std::lock_guard<std::mutex> guard(m_lineWorkGate);
    // One piece of work at a time: the next wake after it finishes takes what is still wanted.
    if (m_bLineWorkPaused || m_bLineWorkBusy || !m_bLinesWanted.exchange(false))
        return;
    m_bLineWorkBusy = true;
    ResetEvent(m_evBitmapsReady);
    SetEvent(m_evUpdateBitmaps);
}

void CPromptBaseWnd::LineWorkDone()
{
    std::lock_guard<std::mutex> guard(m_lineWorkGate);
    m_bLineWorkBusy = false;
    SetEvent(m_evBitmapsReady);
}

void CPromptBaseWnd::ResumeLineWork()
{
    {
        std::lock_guard<std::mutex> guard(m_lineWorkGate);
        if (m_bStopThreads)
            return;
        m_bLineWorkPaused = false;
    }
    m_bLinesWanted = true;
    WakeLineWork();
}

void CPromptBaseWnd::WaitForWorkersIdle()
{
    // Once paused, nothing wakes the line thread; a piece of work under way has cleared
    // m_evBitmapsReady and sets it when done. The line thread hands over to the script
    // thread before that, so waiting in this order finds both idle.
    {
        std::lock_guard<std::mutex> guard(m_lineWorkGate);
        m_bLineWorkPaused = true;
    }
    WaitServingSentMessages(m_evBitmapsReady);
    WaitServingSentMessages(m_evScriptsUpdated);
}
