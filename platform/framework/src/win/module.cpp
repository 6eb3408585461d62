// Module state and extension libraries: each library that joins keeps a
// CDynLinkLibrary on the resource chain until it unloads.
#include "fw/win.h"

#include <algorithm>
#include <mutex>
#include <vector>

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

namespace {

struct LibraryList
{
    std::mutex lock;
    std::vector<CDynLinkLibrary*> libraries;
};

LibraryList& Libraries()
{
    static LibraryList* list = new LibraryList;
    return *list;
}

} // namespace

AFX_MODULE_STATE* AFXAPI AfxGetModuleState()
{
    static AFX_MODULE_STATE state = {nullptr, nullptr, nullptr, nullptr, FALSE, FALSE};
    return &state;
}

AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState() { return AfxGetModuleState(); }

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem)
{
    {
        LibraryList& list = Libraries();
        std::lock_guard<std::mutex> guard(list.lock);
        list.libraries.push_back(this);
    }
    if (!bSystem)
        AfxJoinResourceChain(m_hResource);
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE)
{
    {
        LibraryList& list = Libraries();
        std::lock_guard<std::mutex> guard(list.lock);
        list.libraries.push_back(this);
    }
    AfxJoinResourceChain(m_hResource);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    bool bOtherUser = false;
    {
        LibraryList& list = Libraries();
        std::lock_guard<std::mutex> guard(list.lock);
        list.libraries.erase(std::remove(list.libraries.begin(), list.libraries.end(), this),
                             list.libraries.end());
        for (CDynLinkLibrary* pDLL : list.libraries)
            bOtherUser = bOtherUser || pDLL->m_hResource == m_hResource;
    }
    if (!bOtherUser)
        AfxLeaveResourceChain(m_hResource);
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (state.bInitialized)
        return TRUE; // only the first process attach counts
    state.bInitialized = TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.pFirstSharedClass = nullptr;
    state.pFirstSharedFactory = nullptr;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    if (!state.bInitialized)
        return;
    std::vector<CDynLinkLibrary*> doomed;
    {
        LibraryList& list = Libraries();
        std::lock_guard<std::mutex> guard(list.lock);
        for (CDynLinkLibrary* pDLL : list.libraries) {
            if (bAll || pDLL->m_hModule == state.hModule)
                doomed.push_back(pDLL);
        }
    }
    for (CDynLinkLibrary* pDLL : doomed)
        delete pDLL;
    state.bInitialized = FALSE;
}
