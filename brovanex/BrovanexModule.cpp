// Library entry: joins Brovanex's resources to the framework's resource chain so the
// program finds the rundown dialogs, cursors and strings.
#include "fw/resource_chain.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        AfxJoinResourceChain(hInstance);
    else if (dwReason == DLL_PROCESS_DETACH)
        AfxLeaveResourceChain(hInstance);
    return TRUE;
}
