// The row list tells the rundown grid view about changes with one window message. Only
// the Windows build has windows; natively the handle is opaque and nothing is sent.
#pragma once
#include "fw/fwdefs.h"

#if defined(_WIN32)
typedef HWND RundownWindow;
#else
typedef void* RundownWindow;
#endif

// WM_USER + 1755: the row list to its grid view; wParam 1 rebuilds the grid from the list.
const UINT RUNDOWN_GRID_MESSAGE = 0x0400 + 1755;
const long RUNDOWN_GRID_REBUILD = 1;

// Sends the message and waits for the window to handle it; nothing without a window.
void SendRundownGridMessage(RundownWindow window, long wParam, long lParam);
