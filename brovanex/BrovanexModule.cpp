// Library entry: joins Brovanex's resources to the framework's resource chain so the
// program finds the rundown dialogs, cursors and strings; GridInit starts the library's
// own copy of the grid library.
#include "BrovanexModule.h"
#include "controls/GXControlFactory.h"
#include "core/GXStartup.h"
#include "fw/resource_chain.h"

namespace {
HINSTANCE g_hBrovanex = nullptr;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        g_hBrovanex = hInstance;
        AfxJoinResourceChain(hInstance);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxLeaveResourceChain(hInstance);
    }
    return TRUE;
}

void GridInit()
{
    GXStartGridLibrary(0x600, new CGXControlFactory, 0, 0);
    // A module already on the chain is not added twice.
    if (g_hBrovanex != nullptr)
        AfxJoinResourceChain(g_hBrovanex);
}
