// The test library's exports, looked up by name after LoadLibrary.
#pragma once
#include <windows.h>

// Registers a class of this name for the library's module (CS_GLOBALCLASS when global).
typedef BOOL (*FwTestRegisterClassFn)(LPCSTR lpszName, BOOL bGlobal);
// AfxRegisterWndClass called from inside the library.
typedef LPCSTR (*FwTestWndClassFn)(UINT nStyle);
