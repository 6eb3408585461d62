#include "LibraryResourceScope.h"

#include "fw/resource_chain.h"

namespace {
// Any address inside this module names it.
HINSTANCE ThisModule()
{
    HMODULE module = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCSTR>(&ThisModule), &module);
    return module;
}
} // namespace

HINSTANCE CLibraryResourceScope::GetLibraryInstance()
{
    static const HINSTANCE instance = ThisModule();
    return instance;
}

CLibraryResourceScope::CLibraryResourceScope() : m_hSaved(AfxGetResourceHandle())
{
    AfxSetResourceHandle(GetLibraryInstance());
}

CLibraryResourceScope::~CLibraryResourceScope() { AfxSetResourceHandle(m_hSaved); }
