// Feedback for lengthy grid work on the user-interface thread: after a delay the wait
// cursor shows and the main frame's status bar shows the operation's text with a
// percentage or a turning spinner; pending input is swallowed, Esc asks to cancel
// (optionally confirmed), and idle processing keeps the frame updated.
#pragma once
#include "features/GXAbstractProcessFeatures.h"
#include "fw/win.h"

class CGXLongOperationImp : public CGXAbstractLongOperationImp
{
public:
    void EnterOperation(CGXLongOperation* pScope) override;
    void LeaveOperation(CGXLongOperation* pScope) override;
    void FreeStatusText(CGXLongOperation* pScope) override;
    void SetStatusText(CGXLongOperation* pScope, LPCTSTR pszText, BOOL bCopy) override;
    BOOL DoMessages(CGXLongOperation* pScope, BOOL& bCanceled) override;
    BOOL NeedMessages(CGXLongOperation* pScope) override;
    void ProcessMessages(CGXLongOperation* pScope) override;
};

// The process-wide settings and state (UI thread only).
struct GXLongOperationSettings
{
    DWORD dwFirstDelay = 750; // before the first feedback
    DWORD dwRepeatDelay = 1500; // between later feedbacks, once the wait cursor shows
    BOOL bConfirmCancel = TRUE;
    BOOL bCanCancel = TRUE; // on again at every outermost start
    BOOL bCanRollback = TRUE; // off at every outermost start
    int nPercent = -1; // -1: none given
    int nShownLevel = -1; // deepest level whose text is shown, -1 all
    BOOL bWaitCursor = FALSE;
    BOOL bEscSeen = FALSE;
    BOOL bCancelled = FALSE, bRollbackRequested = FALSE;
    int nSpinner = 0;
    HWND hFrame = nullptr; // receives the status texts
    DWORD (*pfnClock)() = nullptr; // GetTickCount unless a test sets one
    // The last status line sent to the frame (tests read it).
    CString strLastStatus;
};
GXLongOperationSettings& GXGetLongOperationSettings();

// Callers of the innermost operation: whether a cancel may ask for a rollback, the
// percentage shown, and what the user answered.
void GXLongOperationAllowRollback(BOOL bAllow);
void GXLongOperationSetPercent(int nPercent);
BOOL GXLongOperationRollbackRequested();
