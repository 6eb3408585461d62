// Window-class registration. Libraries and the program may register the same class
// names (the grid library lives in two modules): a class that exists already counts
// as registered.
#include "fw/win.h"

#include <cstdio>
#include <mutex>
#include <set>
#include <string>

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass)
{
    WNDCLASSA wndcls;
    if (::GetClassInfoA(lpWndClass->hInstance, lpWndClass->lpszClassName, &wndcls))
        return TRUE;
    if (::RegisterClassA(lpWndClass))
        return TRUE;
    return ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                  HICON hIcon)
{
    // Generated names live as long as the process, so callers may keep the pointer.
    static std::mutex lock;
    static std::set<std::string>* names = new std::set<std::string>;

    HINSTANCE hInst = AfxGetInstanceHandle();
    char szName[128];
    if (hCursor == nullptr && hbrBackground == nullptr && hIcon == nullptr)
        snprintf(szName, sizeof szName, "Fw:%p:%x", (void*)hInst, nClassStyle);
    else
        snprintf(szName, sizeof szName, "Fw:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle,
                 (void*)hCursor, (void*)hbrBackground, (void*)hIcon);

    LPCSTR lpszName;
    {
        std::lock_guard<std::mutex> guard(lock);
        lpszName = names->insert(szName).first->c_str();
    }

    WNDCLASSA wndcls = {};
    wndcls.style = nClassStyle;
    wndcls.lpfnWndProc = ::DefWindowProcA;
    wndcls.hInstance = hInst;
    wndcls.hIcon = hIcon;
    wndcls.hCursor = hCursor;
    wndcls.hbrBackground = hbrBackground;
    wndcls.lpszClassName = lpszName;
    if (!AfxRegisterClass(&wndcls))
        AfxThrowResourceException();
    return lpszName;
}
