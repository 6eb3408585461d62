// Windows made by class name (from a dialog template or CreateWindow) rather than through
// their object: the library makes the object at the window's first message and deletes it
// after the last. The grid window, the tab window and the tab strip share this; each keeps
// the objects it made in a map of its own.
#pragma once
#include "fw/app.h"
#include "fw/collections.h"
#include "fw/win.h"

// The class's window procedure until an object is attached: a new TWnd subclasses the
// window, is kept in created and, with pfnReady, is made ready before it sees the message.
template<class TWnd>
LRESULT GXSelfCreatingWndProc(CMapPtrToWord& created, HWND hWnd, UINT msg, WPARAM wParam,
                              LPARAM lParam, void (*pfnReady)(TWnd*) = nullptr)
{
    if (CWnd::FromHandlePermanent(hWnd) != nullptr)
        return ::DefWindowProcA(hWnd, msg, wParam, lParam);
    TWnd* pWnd = new TWnd;
    if (!pWnd->SubclassWindow(hWnd)) {
        delete pWnd;
        return ::DefWindowProcA(hWnd, msg, wParam, lParam);
    }
    created.SetAt(pWnd, 1);
    if (pfnReady != nullptr)
        pfnReady(pWnd);
    return ::CallWindowProcA(AfxGetAfxWndProc(), hWnd, msg, wParam, lParam);
}

// After a window's last message: its object is deleted when the library made it.
template<class TWnd>
void GXDeleteIfSelfCreated(CMapPtrToWord& created, TWnd* pWnd)
{
    WORD wMark = 0;
    if (created.Lookup(pWnd, wMark)) {
        created.RemoveKey(pWnd);
        delete pWnd;
    }
}

// Registers the global class (once per instance) whose windows make their objects through
// pfnWndProc; a failure throws the resource exception.
inline BOOL GXRegisterSelfCreatingClass(HINSTANCE hInstance, LPCSTR pszClass, WNDPROC pfnWndProc)
{
    WNDCLASSA wc = {};
    if (::GetClassInfoA(hInstance, pszClass, &wc))
        return TRUE;
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
    wc.lpfnWndProc = pfnWndProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = pszClass;
    if (!AfxRegisterClass(&wc))
        AfxThrowResourceException();
    return TRUE;
}
