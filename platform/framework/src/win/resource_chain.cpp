#include "fw/resource_chain.h"
#include "fw/app.h"
#include "fw/module.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

struct ResourceChain
{
    std::mutex lock;
    std::vector<HINSTANCE> libraries;
};

ResourceChain& chain()
{
    static ResourceChain instance;
    return instance;
}

// Every module to search, in order: the current resource module, the libraries, and
// the program's own module (when the current one was switched to a library).
std::vector<HINSTANCE> searchOrder()
{
    std::vector<HINSTANCE> order;
    order.push_back(AfxGetResourceHandle());
    ResourceChain& c = chain();
    std::lock_guard<std::mutex> guard(c.lock);
    for (HINSTANCE h : c.libraries)
        if (std::find(order.begin(), order.end(), h) == order.end())
            order.push_back(h);
    HINSTANCE program = AfxGetInstanceHandle();
    if (std::find(order.begin(), order.end(), program) == order.end())
        order.push_back(program);
    HINSTANCE framework = AfxGetFrameworkResourceHandle();
    if (std::find(order.begin(), order.end(), framework) == order.end())
        order.push_back(framework);
    return order;
}

} // namespace

HINSTANCE AfxGetFrameworkResourceHandle()
{
    static HINSTANCE hFramework = [] {
        HMODULE hModule = nullptr;
        ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                 GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             (LPCSTR)&AfxGetFrameworkResourceHandle, &hModule);
        return (HINSTANCE)hModule;
    }();
    return hFramework;
}

HINSTANCE AfxGetResourceHandle()
{
    HINSTANCE current = AfxGetModuleState()->m_hCurrentResourceHandle;
    return current ? current : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

void AfxJoinResourceChain(HINSTANCE hModule)
{
    ResourceChain& c = chain();
    std::lock_guard<std::mutex> guard(c.lock);
    if (hModule && std::find(c.libraries.begin(), c.libraries.end(), hModule) == c.libraries.end())
        c.libraries.push_back(hModule);
}

void AfxLeaveResourceChain(HINSTANCE hModule)
{
    ResourceChain& c = chain();
    std::lock_guard<std::mutex> guard(c.lock);
    c.libraries.erase(std::remove(c.libraries.begin(), c.libraries.end(), hModule),
                      c.libraries.end());
}

HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    for (HINSTANCE h : searchOrder())
        if (FindResourceA(h, lpszName, lpszType))
            return h;
    return AfxGetResourceHandle();
}

int AfxLoadString(UINT nID, LPSTR lpszBuf, UINT nMaxBuf)
{
    if (!lpszBuf || nMaxBuf == 0)
        return 0;
    lpszBuf[0] = '\0';
    // String tables are stored in blocks of 16; the block's resource name is id/16 + 1.
    LPCSTR block = MAKEINTRESOURCEA((nID >> 4) + 1);
    for (HINSTANCE h : searchOrder()) {
        if (!FindResourceA(h, block, MAKEINTRESOURCEA(6) /* RT_STRING */))
            continue;
        int n = LoadStringA(h, nID, lpszBuf, (int)nMaxBuf);
        if (n > 0)
            return n;
    }
    return 0;
}
