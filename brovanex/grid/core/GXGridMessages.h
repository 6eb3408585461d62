// The one table of window messages that the grid window and the grid view hand to their
// grid core.
#pragma once
#include "core/GXGridCore.h"

// Handles a message for a grid bound to pWnd; FALSE when the window's default handling
// should run (lResult then is unused).
BOOL GXHandleGridMessage(CGXGridCore* pGrid, CWnd* pWnd, UINT message, WPARAM wParam,
                         LPARAM lParam, LRESULT& lResult);
