// CWnd's binding to its handle: the handle map, attaching and subclassing, creation
// through the creation hook, destruction, and the framework's window procedure.
#include "fw/win.h"
#include "handle_map.h"
#include "thread_state.h"
#include "wndproc_exception.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

namespace fw {

namespace {
void bindHandle(CWnd& obj, HANDLE h) { obj.m_hWnd = (HWND)h; }
} // namespace

HandleMap& WindowMap() { return WrapperMap<CWnd, bindHandle>(); }

} // namespace fw

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd()
    : m_hWnd(nullptr), m_pfnSuper(nullptr), m_nFlags(0), m_nModalResult(0), m_hWndOwner(nullptr)
{ }

CWnd::CWnd(HWND hWndSpecial)
    : m_hWnd(hWndSpecial), m_pfnSuper(nullptr), m_nFlags(0), m_nModalResult(0), m_hWndOwner(nullptr)
{ }

CWnd::~CWnd()
{
    if (m_hWnd == HWND_TOP || m_hWnd == HWND_BOTTOM || m_hWnd == HWND_TOPMOST ||
        m_hWnd == HWND_NOTOPMOST)
        return;
    if (m_hWnd && fw::WindowMap().LookupPermanent(m_hWnd) == this) {
        // Destroyed with its window still up: the derived class's OnDestroy and
        // PostNcDestroy are gone already, so only the base handling runs.
        DestroyWindow();
    }
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    return static_cast<CWnd*>(fw::WindowMap().FromHandle(hWnd));
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? static_cast<CWnd*>(fw::WindowMap().LookupPermanent(hWnd)) : nullptr;
}

void PASCAL CWnd::DeleteTempMap() { fw::WindowMap().DeleteTemp(); }

BOOL CWnd::Attach(HWND hWndNew)
{
    if (!hWndNew || m_hWnd)
        return FALSE;
    m_hWnd = hWndNew;
    fw::WindowMap().SetPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd)
        fw::WindowMap().Detach(hWnd, this);
    m_hWnd = nullptr;
    return hWnd;
}

WNDPROC* CWnd::GetSuperWndProcAddr() { return &m_pfnSuper; }

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || FromHandlePermanent(hWnd) != nullptr)
        return FALSE;
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC* pOldWndProc = GetSuperWndProcAddr();
    WNDPROC oldWndProc = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (oldWndProc != AfxWndProc)
        *pOldWndProc = oldWndProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), (int)nID);
    return hWndControl ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    if (m_hWnd && *lplpfn)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)*lplpfn);
    *lplpfn = nullptr;
    return Detach();
}

// --- creation ---------------------------------------------------------------

namespace {

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    fw::ThreadState& state = fw::CurrentThreadState();
    if (code != HCBT_CREATEWND || state.pWndInit == nullptr)
        return ::CallNextHookEx(state.hHookCbt, code, wParam, lParam);

    HWND hWnd = (HWND)wParam;
    LPCREATESTRUCTA lpcs = ((LPCBT_CREATEWNDA)lParam)->lpcs;
    // Input-method windows made on the way are not ours.
    if (lpcs && lpcs->lpszClass && !IS_INTRESOURCE(lpcs->lpszClass) &&
        lstrcmpiA(lpcs->lpszClass, "IME") == 0)
        return ::CallNextHookEx(state.hHookCbt, code, wParam, lParam);

    CWnd* pWndInit = state.pWndInit;
    state.pWndInit = nullptr;
    pWndInit->Attach(hWnd);
    try {
        pWndInit->PreSubclassWindow();
    } catch (CException* e) {
        // Not through the system's hook chain: the window is not made at all.
        MSG msg = {hWnd, WM_CREATE, 0, 0, 0, {0, 0}};
        fw::ProcessWndProcException(e, &msg);
        e->Delete();
        pWndInit->Detach();
        state.pWndInit = pWndInit; // so CreateEx cleans up as for a window never made
        return 1;
    }
    WNDPROC* pOldWndProc = pWndInit->GetSuperWndProcAddr();
    WNDPROC oldWndProc = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (oldWndProc != AfxWndProc)
        *pOldWndProc = oldWndProc;
    return ::CallNextHookEx(state.hHookCbt, code, wParam, lParam);
}

} // namespace

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    fw::ThreadState& state = fw::CurrentThreadState();
    if (state.hHookCbt == nullptr) {
        state.hHookCbt =
            ::SetWindowsHookExA(WH_CBT, CbtFilterHook, nullptr, ::GetCurrentThreadId());
        if (state.hHookCbt == nullptr)
            AfxThrowMemoryException();
    }
    ++state.nHookUsers;
    state.pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    fw::ThreadState& state = fw::CurrentThreadState();
    if (--state.nHookUsers <= 0 && state.hHookCbt) {
        ::UnhookWindowsHookEx(state.hHookCbt);
        state.hHookCbt = nullptr;
        state.nHookUsers = 0;
    }
    if (state.pWndInit != nullptr) {
        state.pWndInit = nullptr;
        return FALSE; // the hook never saw the window
    }
    return TRUE;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    // A child window: popups and top-level windows go through CreateEx.
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    (HMENU)(UINT_PTR)nID, (LPVOID)pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE; // already bound to a window

    CREATESTRUCTA cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;

    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }

    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx,
                          cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy(); // the window never reached us: clean up as if destroyed
    return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                           ::LoadCursor(nullptr, IDC_ARROW));
    return TRUE;
}

void CWnd::PreSubclassWindow() { }

void CWnd::PostNcDestroy() { }

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == 0)
        dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    CWnd* pPermanent = FromHandlePermanent(m_hWnd);
    BOOL bResult = ::DestroyWindow(m_hWnd);
    // A permanent object was detached by OnNcDestroy and may be deleted by now
    // (PostNcDestroy); only a temporary or unmapped one is detached here.
    if (pPermanent != this)
        Detach();
    return bResult;
}

// --- the window procedure ---------------------------------------------------

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    fw::ThreadState& state = fw::CurrentThreadState();
    MSG oldState = state.lastSentMsg;
    state.lastSentMsg.hwnd = hWnd;
    state.lastSentMsg.message = nMsg;
    state.lastSentMsg.wParam = wParam;
    state.lastSentMsg.lParam = lParam;

    LRESULT lResult = 0;
    try {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (CException* e) {
        MSG msg = state.lastSentMsg;
        msg.hwnd = hWnd;
        msg.message = nMsg;
        msg.wParam = wParam;
        msg.lParam = lParam;
        lResult = fw::ProcessWndProcException(e, &msg);
        e->Delete();
    } catch (const std::exception& e) {
        MSG msg = {hWnd, nMsg, wParam, lParam, 0, {0, 0}};
        lResult = fw::ProcessForeignWndProcException(e.what(), &msg);
    } catch (...) {
        MSG msg = {hWnd, nMsg, wParam, lParam, 0, {0, 0}};
        lResult = fw::ProcessForeignWndProcException(nullptr, &msg);
    }
    state.lastSentMsg = oldState;
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr || pWnd->m_hWnd != hWnd)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

WNDPROC AFXAPI AfxGetAfxWndProc() { return AfxWndProc; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = fw::CurrentThreadState().lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    fw::ThreadState& state = fw::CurrentThreadState();
    state.lastSentMsg.time = ::GetMessageTime();
    DWORD pos = ::GetMessagePos();
    state.lastSentMsg.pt.x = (short)LOWORD(pos);
    state.lastSentMsg.pt.y = (short)HIWORD(pos);
    return &state.lastSentMsg;
}

void CWnd::OnNcDestroy()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr) {
        if (pThread->m_pMainWnd == this) {
            // The main window of a user-interface thread going away ends its pump.
            if (pThread == (CWinThread*)AfxGetApp() || pThread->m_pfnThreadProc == nullptr)
                AfxPostQuitMessage(0);
            pThread->m_pMainWnd = nullptr;
        }
        if (pThread->m_pActiveWnd == this)
            pThread->m_pActiveWnd = nullptr;
    }
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp != pThread && pApp->m_pMainWnd == this)
        pApp->m_pMainWnd = nullptr;

    // Default handling, then restore the original procedure unless someone subclassed
    // over us meanwhile, then forget the handle.
    WNDPROC pfnWndProc = (WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC);
    Default();
    if ((WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == pfnWndProc) {
        WNDPROC pfnSuper = *GetSuperWndProcAddr();
        if (pfnSuper != nullptr)
            ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)pfnSuper);
    }
    Detach();
    PostNcDestroy();
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    // A window that shows tool tips sees its mouse messages first.
    if (m_nFlags & WF_TOOLTIPS)
        FilterToolTipMessage(pMsg);
    return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

void AFXAPI AfxLockTempMaps() { ++fw::CurrentThreadState().nTempMapLock; }

BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps)
{
    fw::ThreadState& state = fw::CurrentThreadState();
    if (state.nTempMapLock > 0 && --state.nTempMapLock == 0) {
        if (bDeleteTemps)
            fw::DeleteAllTempMaps();
        return TRUE;
    }
    return FALSE;
}
