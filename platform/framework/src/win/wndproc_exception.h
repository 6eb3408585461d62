// What a window procedure does with an exception a handler let out: it never unwinds
// into the system. The message gets a safe result and the user is told, except for a
// CUserException (the user has been told already).
#pragma once
#include <windows.h>

class CException;

namespace fw {

// Through the thread's CWinThread::ProcessWndProcException when there is one.
LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);
// The reporting CWinThread::ProcessWndProcException does by default.
LRESULT ReportWndProcException(CException* e, const MSG* pMsg);
// A standard-library or unknown exception (what is null for the latter).
LRESULT ProcessForeignWndProcException(const char* what, const MSG* pMsg);

} // namespace fw
