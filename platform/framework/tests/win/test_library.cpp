// A library built on the framework: it joins the resource chain when loaded and leaves
// it when unloaded, and registers window classes of its own.
#include "framework.h"
#include "test_library.h"

namespace {
AFX_EXTENSION_MODULE g_module = {};
}

extern "C" __declspec(dllexport) BOOL FwTestRegisterClass(LPCSTR lpszName, BOOL bGlobal)
{
    WNDCLASSA wndcls = {};
    wndcls.style = bGlobal ? CS_GLOBALCLASS : 0;
    wndcls.lpfnWndProc = ::DefWindowProcA;
    wndcls.hInstance = g_module.hModule;
    wndcls.lpszClassName = lpszName;
    return AfxRegisterClass(&wndcls);
}

extern "C" __declspec(dllexport) LPCSTR FwTestWndClass(UINT nStyle)
{
    return AfxRegisterWndClass(nStyle);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_module, hInstance))
            return FALSE;
        new CDynLinkLibrary(g_module);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_module);
    }
    return TRUE;
}
