// The chain of resource modules: the program's own module first, then every library
// that joined the chain. A string, dialog or bitmap is looked for along the chain, so a
// program finds resources that live in a library it links.
#pragma once
#include "fw/fwdefs.h"

#if defined(_WIN32)
// The module whose resources are looked at first (the program, unless switched).
FW_API HINSTANCE AfxGetResourceHandle();
FW_API void AfxSetResourceHandle(HINSTANCE hInstResource);

// Appends a library's module to the chain; a module already there is not added twice.
FW_API void AfxJoinResourceChain(HINSTANCE hModule);
// Removes a library's module from the chain (when the library unloads).
FW_API void AfxLeaveResourceChain(HINSTANCE hModule);

// The first module along the chain that holds resource lpszName of type lpszType;
// the current resource handle when none does.
FW_API HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);

// The framework library's own module: searched last along the chain, so its strings,
// dialogs and cursors are found when neither the program nor a library has them.
FW_API HINSTANCE AfxGetFrameworkResourceHandle();

// Loads string nID from the first module along the chain whose string table holds it.
// Returns the length copied (0 when no module has it).
FW_API int AfxLoadString(UINT nID, LPSTR lpszBuf, UINT nMaxBuf);
#endif
