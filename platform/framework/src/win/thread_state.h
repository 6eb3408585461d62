// What the framework keeps per thread: the window being created, the message being
// handled, and the thread's CWinThread.
#pragma once
#include <windows.h>

#include <vector>

class CWnd;
class CWinThread;
class CFrameWnd;

namespace fw {

struct ThreadState
{
    CWnd* pWndInit; // the object the next created window is bound to
    HHOOK hHookCbt; // the creation hook, while installed
    int nHookUsers; // nested CreateEx calls using the hook
    MSG lastSentMsg; // the message WindowProc is handling (for Default)
    CWinThread* pCurrentThread;
    int nTempMapLock;
    HWND hLockoutNotifyWindow; // its controls' notifications are dropped (UpdateData)
    std::vector<CFrameWnd*> frames; // every frame made on this thread, for idle updates
};

ThreadState& CurrentThreadState();

} // namespace fw
