// Module state and extension libraries. A library built on the framework initialises
// itself in its DllMain with AfxInitExtensionModule and joins the resource chain by
// constructing a CDynLinkLibrary; AfxTermExtensionModule undoes both on unload:
//
//   static AFX_EXTENSION_MODULE g_module = {};
//   extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD reason, LPVOID)
//   {
//       if (reason == DLL_PROCESS_ATTACH) {
//           if (!AfxInitExtensionModule(g_module, hInstance)) return FALSE;
//           new CDynLinkLibrary(g_module);
//       } else if (reason == DLL_PROCESS_DETACH) {
//           AfxTermExtensionModule(g_module);
//       }
//       return TRUE;
//   }
#pragma once
#include "fw/cmdtarget.h"
#include "fw/resource_chain.h"

class CWinApp;

struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
    CRuntimeClass* pFirstSharedClass;
    void* pFirstSharedFactory;
};

// One library on the resource chain. Deleted by AfxTermExtensionModule.
class FW_API CDynLinkLibrary : public CCmdTarget
{
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    ~CDynLinkLibrary() override;

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;
};

// The process-wide state the framework keeps for the program and its libraries.
struct FW_API AFX_MODULE_STATE
{
    CWinApp* m_pCurrentWinApp;
    HINSTANCE m_hCurrentInstanceHandle; // the program's module
    HINSTANCE m_hCurrentResourceHandle; // where resources are looked for first
    LPCSTR m_lpszCurrentAppName;
    BOOL m_bDLL;
    BOOL m_bSystem;
};

FW_API AFX_MODULE_STATE* AFXAPI AfxGetModuleState();
FW_API AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState();

// Every library shares the program's module state, so switching it is a no-op kept for
// code written against the classic pattern.
struct AFX_MAINTAIN_STATE
{
    explicit AFX_MAINTAIN_STATE(AFX_MODULE_STATE*) { }
};
#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE _fwManageState(p)

FW_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Deletes the module's CDynLinkLibrary objects (every library's when bAll).
FW_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);
