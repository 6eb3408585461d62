// CGXLongOperation: a scope object marking lengthy work. The long-operation service does
// the feedback (wait cursor, status text, Esc to cancel); without it only the nesting
// level is counted.
#pragma once
#include "core/GXDefs.h"

class CGXLongOperation
{
public:
    CGXLongOperation();
    ~CGXLongOperation();
    CGXLongOperation(const CGXLongOperation&) = delete;
    CGXLongOperation& operator=(const CGXLongOperation&) = delete;

    void ShowStatusText(LPCTSTR pszText, BOOL bCopy = TRUE);
    void ReleaseStatusText();
    BOOL MessagesDue();
    // Sets bCanceled to FALSE first; FALSE without the service.
    BOOL PumpMessages(BOOL& bCanceled);
    void FlushMessages();
    // Names as other callers know them.
    void SetStatusText(LPCTSTR pszText, BOOL bCopy = TRUE) { ShowStatusText(pszText, bCopy); }
    void FreeStatusText() { ReleaseStatusText(); }
    BOOL NeedMessages() { return MessagesDue(); }
    BOOL DoMessages(BOOL& bCanceled) { return PumpMessages(bCanceled); }
    void ProcessMessages() { FlushMessages(); }

    static int GetNestingLevel();
};

// The process-wide settings the long-operation service reads.
struct GXLongOperationState
{
    DWORD dwTicksFirst = 750, dwTicksContinued = 1500;
    LONG nValue1 = -1, nValue2 = -1;
    BOOL bFlags[3] = {TRUE, TRUE, TRUE};
    BYTE abFlags[16] = {};
    int nLevel = 0;
    CString astrStatus[4];
    BYTE abTable256[256] = {};
    BYTE abTable64[64] = {};
    void* pWnd = nullptr;
};
GXLongOperationState& GXGetLongOperationState();
