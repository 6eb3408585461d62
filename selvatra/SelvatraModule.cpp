// Library entry: joins Selvatra's resources to the framework's resource chain so the
// program finds the engine's dialogs, strings and bitmaps.
#include "fw/resource_chain.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        AfxJoinResourceChain(hInstance);
    else if (dwReason == DLL_PROCESS_DETACH)
        AfxLeaveResourceChain(hInstance);
    return TRUE;
}
