// The prompter's worker threads: the off-screen rebuild, the paragraph bitmaps and the
// script updates (the caption thread is started and stopped here as well). Each waits on its
// own auto-reset work event and ends, setting its done event, once the stop flag is up.
#include <objbase.h>
#include <process.h>

#include "PromptBaseWnd.h"
#include "PromptLists.h"

namespace {

enum WorkerKind { kRebuild, kBitmaps, kScripts, kCaption };

struct WorkerStart
{
    CPromptBaseWnd* wnd;
    WorkerKind kind;
};

void Work(CPromptBaseWnd* wnd, WorkerKind kind)
{
    switch (kind) {
    case kRebuild:
        // Never copy paragraph bitmaps that the bitmap thread is still rendering.
        WaitForSingleObject(wnd->m_evBitmapsReady, INFINITE);
        if (!wnd->m_bStopThreads)
            wnd->RebuildOffScreenBitMap(wnd->m_nRebuildDir < 0);
        break;
    case kBitmaps:
        wnd->UpdateBitMaps();
        SetEvent(wnd->m_evBitmapsReady);
        break;
    case kScripts:
        wnd->DoUpdatePromptScripts(wnd->m_nUpdateFlags, wnd->m_lUpdateRecordId);
        SetEvent(wnd->m_evScriptsUpdated);
        break;
    case kCaption:
        break; // the caption writer drains its queue in its own component
    }
}

unsigned __stdcall WorkerMain(void* arg)
{
    WorkerStart start = *static_cast<WorkerStart*>(arg);
    delete static_cast<WorkerStart*>(arg);
    CPromptBaseWnd* wnd = start.wnd;

    const HRESULT ole = CoInitialize(nullptr);
    HANDLE work = start.kind == kRebuild ? wnd->m_evRebuild
        : start.kind == kBitmaps         ? wnd->m_evUpdateBitmaps
        : start.kind == kScripts         ? wnd->m_evUpdateScripts
                                         : wnd->m_evCaption;
    HANDLE done = start.kind == kRebuild ? wnd->m_hRebuildDone
        : start.kind == kBitmaps         ? wnd->m_hBitmapsDone
        : start.kind == kScripts         ? wnd->m_hScriptsDone
                                         : wnd->m_hCaptionDone;
    for (;;) {
        WaitForSingleObject(work, INFINITE);
        if (wnd->m_bStopThreads)
            break;
        Work(wnd, start.kind);
    }
    if (SUCCEEDED(ole))
        CoUninitialize();
    SetEvent(done);
    return 0;
}

HANDLE StartWorker(CPromptBaseWnd* wnd, WorkerKind kind)
{
    WorkerStart* start = new WorkerStart {wnd, kind};
    uintptr_t h = _beginthreadex(nullptr, 0, WorkerMain, start, 0, nullptr);
    if (!h) {
        delete start;
        return nullptr;
    }
    return reinterpret_cast<HANDLE>(h);
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

void CPromptBaseWnd::SetupThreadsAndEvents()
{
    m_evRebuild = CreateEvent(nullptr, FALSE, FALSE, nullptr);
    m_evUpdateBitmaps = CreateEvent(nullptr, FALSE, FALSE, nullptr);
    m_evUpdateScripts = CreateEvent(nullptr, FALSE, FALSE, nullptr);
    m_evCaption = CreateEvent(nullptr, FALSE, FALSE, nullptr);
    m_evOffScreenReady = CreateEvent(nullptr, TRUE, TRUE, nullptr);
    m_evBitmapsReady = CreateEvent(nullptr, TRUE, TRUE, nullptr);
    m_evScriptsUpdated = CreateEvent(nullptr, TRUE, TRUE, nullptr);
    m_evPaint = CreateEvent(nullptr, FALSE, TRUE, nullptr);

    m_hRebuildDone = CreateEvent(nullptr, FALSE, FALSE, nullptr);
    m_hBitmapsDone = CreateEvent(nullptr, FALSE, FALSE, nullptr);
    m_hScriptsDone = CreateEvent(nullptr, FALSE, FALSE, nullptr);
    m_hCaptionDone = CreateEvent(nullptr, FALSE, FALSE, nullptr);

    HANDLE mainThread = GetCurrentThread();
    m_nSavedPriority = GetThreadPriority(mainThread);
    SetThreadPriority(mainThread, THREAD_PRIORITY_NORMAL);

    m_bStopThreads = FALSE;
    m_hRebuildThread = StartWorker(this, kRebuild);
    m_hBitmapThread = StartWorker(this, kBitmaps);
    m_hScriptThread = StartWorker(this, kScripts);
    m_hCaptionThread = StartWorker(this, kCaption);
}

void CPromptBaseWnd::CloseThreads()
{
    m_bStopThreads = TRUE;
    struct Worker
    {
        HANDLE* thread;
        HANDLE work;
        HANDLE done;
    } workers[] = {
        {&m_hRebuildThread, m_evRebuild, m_hRebuildDone},
        {&m_hBitmapThread, m_evUpdateBitmaps, m_hBitmapsDone},
        {&m_hScriptThread, m_evUpdateScripts, m_hScriptsDone},
        {&m_hCaptionThread, m_evCaption, m_hCaptionDone},
    };
    for (Worker& w : workers) {
        if (!*w.thread)
            continue;
        SetThreadPriority(*w.thread, THREAD_PRIORITY_ABOVE_NORMAL);
        // A rebuild may be waiting for the bitmap thread: let it through.
        if (w.thread == &m_hRebuildThread)
            SetEvent(m_evBitmapsReady);
        SetEvent(w.work);
        WaitServingSentMessages(w.done);
        WaitServingSentMessages(*w.thread);
        CloseHandleAndClear(*w.thread);
    }

    HANDLE* events[] = {&m_evRebuild,        &m_evUpdateBitmaps,  &m_evUpdateScripts,
                        &m_evCaption,        &m_evOffScreenReady, &m_evBitmapsReady,
                        &m_evScriptsUpdated, &m_evPaint,          &m_hRebuildDone,
                        &m_hBitmapsDone,     &m_hScriptsDone,     &m_hCaptionDone};
    for (HANDLE* e : events)
        CloseHandleAndClear(*e);

    SetThreadPriority(GetCurrentThread(), m_nSavedPriority);
}

void CPromptBaseWnd::UpdatePromptScripts(UINT flags, long recordId)
{
    m_nUpdateFlags = flags;
    m_lUpdateRecordId = recordId;
    ResetEvent(m_evScriptsUpdated);
    SetEvent(m_evUpdateScripts);
}

void CPromptBaseWnd::WaitForWorkersIdle()
{
    // The rebuild hands over to the bitmap thread, which hands over to the script thread;
    // waiting in that order finds all three idle.
    WaitServingSentMessages(m_evOffScreenReady);
    WaitServingSentMessages(m_evBitmapsReady);
    WaitServingSentMessages(m_evScriptsUpdated);
}
