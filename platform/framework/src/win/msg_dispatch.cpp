// Dispatch through message maps: window messages (CWnd::OnWndMsg), commands and
// notifications (CCmdTarget::OnCmdMsg), and the reflection of notifications to the
// control that sent them.
#include "fw/win.h"
#include "thread_state.h"

namespace {

// One handler pointer seen as each signature the maps use.
union MessageMapFunctions
{
    AFX_PMSG pfn;
    // window messages
    void (CWnd::*pfn_vv)();
    int (CWnd::*pfn_is)(LPCREATESTRUCT);
    BOOL (CWnd::*pfn_bs)(LPCREATESTRUCT);
    BOOL (CWnd::*pfn_bD)(CDC*);
    void (CWnd::*pfn_vwii)(UINT, int, int);
    void (CWnd::*pfn_vii)(int, int);
    void (CWnd::*pfn_vt)(UINT_PTR);
    void (CWnd::*pfn_vwww)(UINT, UINT, UINT);
    void (CWnd::*pfn_vwp)(UINT, CPoint);
    BOOL (CWnd::*pfn_bwsp)(UINT, short, CPoint);
    LRESULT (CWnd::*pfn_lp)(CPoint);
    BOOL (CWnd::*pfn_bWww)(CWnd*, UINT, UINT);
    void (CWnd::*pfn_vW)(CWnd*);
    void (CWnd::*pfn_vwwScroll)(UINT, UINT, CScrollBar*);
    HBRUSH (CWnd::*pfn_hDWw)(CDC*, CWnd*, UINT);
    UINT (CWnd::*pfn_uv)();
    void (CWnd::*pfn_vwWb)(UINT, CWnd*, BOOL);
    int (CWnd::*pfn_iWww)(CWnd*, UINT, UINT);
    void (CWnd::*pfn_vbw)(BOOL, UINT);
    void (CWnd::*pfn_vPOS)(WINDOWPOS*);
    void (CWnd::*pfn_vMMI)(MINMAXINFO*);
    void (CWnd::*pfn_vwl)(UINT, LPARAM);
    void (CWnd::*pfn_vWp)(CWnd*, CPoint);
    void (CWnd::*pfn_vDRAW)(int, LPDRAWITEMSTRUCT);
    void (CWnd::*pfn_vMEASURE)(int, LPMEASUREITEMSTRUCT);
    void (CWnd::*pfn_vCALC)(BOOL, NCCALCSIZE_PARAMS*);
    void (CWnd::*pfn_vMwb)(CMenu*, UINT, BOOL);
    void (CWnd::*pfn_vb)(BOOL);
    void (CWnd::*pfn_vws)(UINT, LPCSTR);
    void (CWnd::*pfn_vbd)(BOOL, DWORD);
    BOOL (CWnd::*pfn_bb)(BOOL);
    void (CWnd::*pfn_vDROP)(HDROP);
    void (CWnd::*pfn_vwSIZING)(UINT, LPRECT);
    void (CWnd::*pfn_vwwh)(UINT, UINT, HMENU);
    BOOL (CWnd::*pfn_bv)();
    LRESULT (CWnd::*pfn_lwl)(WPARAM, LPARAM);
    void (CWinThread::*pfn_vwlThread)(WPARAM, LPARAM);
    HBRUSH (CWnd::*pfn_hDw)(CDC*, UINT);
    void (CWnd::*pfn_vDRAWr)(LPDRAWITEMSTRUCT);
    void (CWnd::*pfn_vMEASUREr)(LPMEASUREITEMSTRUCT);
    void (CWnd::*pfn_vwwr)(UINT, UINT);
    void (CWnd::*pfn_vs)(LPCSTR);
    void (CWnd::*pfn_vM)(CMenu*);
    void (CWnd::*pfn_vbWW)(BOOL, CWnd*, CWnd*);
    void (CWnd::*pfn_vwW)(UINT, CWnd*);
    BOOL (CWnd::*pfn_bHELPINFO)(HELPINFO*);
    int (CWnd::*pfn_iCOMPARE)(int, LPCOMPAREITEMSTRUCT);
    void (CWnd::*pfn_vDELETE)(int, LPDELETEITEMSTRUCT);
    int (CWnd::*pfn_iwWw)(UINT, CListBox*, UINT);
    int (CWnd::*pfn_iCOMPAREr)(LPCOMPAREITEMSTRUCT);
    void (CWnd::*pfn_vDELETEr)(LPDELETEITEMSTRUCT);
    int (CWnd::*pfn_iwwr)(UINT, UINT);
    // commands
    void (CCmdTarget::*pfnCmd_v)();
    BOOL (CCmdTarget::*pfnCmd_b)();
    BOOL (CCmdTarget::*pfnCmd_EX)(UINT);
    void (CCmdTarget::*pfnCmd_RANGE)(UINT);
    void (CCmdTarget::*pfnCmdUI)(CCmdUI*);
    void (CCmdTarget::*pfnNotify_v)(NMHDR*, LRESULT*);
    BOOL (CCmdTarget::*pfnNotify_b)(NMHDR*, LRESULT*);
    void (CCmdTarget::*pfnNotify_RANGE)(UINT, NMHDR*, LRESULT*);
    BOOL (CCmdTarget::*pfnNotify_EX)(UINT, NMHDR*, LRESULT*);
};

// The first entry for a window message (nID 0, or a registered message).
const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode,
                                         UINT nID)
{
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry) {
        if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode && nID >= lpEntry->nID &&
            nID <= lpEntry->nLastID)
            return lpEntry;
    }
    return nullptr;
}

const AFX_MSGMAP_ENTRY* FindRegisteredEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg)
{
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry) {
        if (lpEntry->nMessage == 0xC000 && *(const UINT*)lpEntry->nSig == nMsg)
            return lpEntry;
    }
    return nullptr;
}

BOOL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn, void* pExtra,
                    UINT_PTR nSig, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (pHandlerInfo != nullptr) {
        pHandlerInfo->pTarget = pTarget;
        pHandlerInfo->pmf = pfn;
        return TRUE;
    }
    MessageMapFunctions mmf;
    mmf.pfn = pfn;
    BOOL bResult = TRUE;
    switch (nSig) {
    case AfxSigCmd_v:
        (pTarget->*mmf.pfnCmd_v)();
        break;
    case AfxSigCmd_b:
        bResult = (pTarget->*mmf.pfnCmd_b)();
        break;
    case AfxSigCmd_EX:
        bResult = (pTarget->*mmf.pfnCmd_EX)(nID);
        break;
    case AfxSigCmd_RANGE:
        (pTarget->*mmf.pfnCmd_RANGE)(nID);
        break;
    case AfxSigCmdUI: {
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
        (pTarget->*mmf.pfnCmdUI)(pCmdUI);
        bResult = !pCmdUI->m_bContinueRouting;
        pCmdUI->m_bContinueRouting = FALSE;
        break;
    }
    case AfxSigNotify_v: {
        AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        (pTarget->*mmf.pfnNotify_v)(pNotify->pNMHDR, pNotify->pResult);
        break;
    }
    case AfxSigNotify_b: {
        AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        bResult = (pTarget->*mmf.pfnNotify_b)(pNotify->pNMHDR, pNotify->pResult);
        break;
    }
    case AfxSigNotify_RANGE: {
        AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        (pTarget->*mmf.pfnNotify_RANGE)(nID, pNotify->pNMHDR, pNotify->pResult);
        break;
    }
    case AfxSigNotify_EX: {
        AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        bResult = (pTarget->*mmf.pfnNotify_EX)(nID, pNotify->pNMHDR, pNotify->pResult);
        break;
    }
    default:
        bResult = FALSE; // not a command handler
        break;
    }
    (void)nCode;
    return bResult;
}

} // namespace

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The high word names the message for notifications and reflected commands.
    UINT nMsg = 0;
    if ((UINT)nCode != CN_UPDATE_COMMAND_UI) {
        nMsg = HIWORD(nCode);
        nCode = LOWORD(nCode);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;

    for (const AFX_MSGMAP* pMessageMap = GetMessageMap(); pMessageMap->pfnGetBaseMap != nullptr;
         pMessageMap = (*pMessageMap->pfnGetBaseMap)()) {
        const AFX_MSGMAP_ENTRY* lpEntry =
            FindMessageEntry(pMessageMap->lpEntries, nMsg, (UINT)nCode, nID);
        if (lpEntry != nullptr)
            return DispatchCmdMsg(this, nID, nCode, lpEntry->pfn, pExtra, lpEntry->nSig,
                                  pHandlerInfo);
    }
    return FALSE;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;

    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) {
            if (pResult)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    if (message == WM_NOTIFY) {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR->hwndFrom != nullptr && OnNotify(wParam, lParam, &lResult)) {
            if (pResult)
                *pResult = lResult;
            return TRUE;
        }
        return FALSE;
    }

    // The WM_CTLCOLOR* family is handled as one message with the control type.
    AFX_CTLCOLOR ctl;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        ctl.hDC = (HDC)wParam;
        ctl.hWnd = (HWND)lParam;
        ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
        message = WM_CTLCOLOR;
        lParam = (LPARAM)&ctl;
    }

    const AFX_MSGMAP_ENTRY* lpEntry = nullptr;
    for (const AFX_MSGMAP* pMessageMap = GetMessageMap(); pMessageMap->pfnGetBaseMap != nullptr;
         pMessageMap = (*pMessageMap->pfnGetBaseMap)()) {
        if (message < 0xC000)
            lpEntry = FindMessageEntry(pMessageMap->lpEntries, message, 0, 0);
        else
            lpEntry = FindRegisteredEntry(pMessageMap->lpEntries, message);
        if (lpEntry != nullptr)
            break;
    }
    if (lpEntry == nullptr)
        return FALSE;

    if (message >= 0xC000) {
        // Registered messages always carry the LRESULT (WPARAM, LPARAM) signature.
        MessageMapFunctions mmf;
        mmf.pfn = lpEntry->pfn;
        lResult = (this->*mmf.pfn_lwl)(wParam, lParam);
        if (pResult)
            *pResult = lResult;
        return TRUE;
    }

    MessageMapFunctions mmf;
    mmf.pfn = lpEntry->pfn;
    switch (lpEntry->nSig) {
    case AfxSig_vv:
        (this->*mmf.pfn_vv)();
        break;
    case AfxSig_is:
        lResult = (this->*mmf.pfn_is)((LPCREATESTRUCT)lParam);
        break;
    case AfxSig_bs:
        lResult = (this->*mmf.pfn_bs)((LPCREATESTRUCT)lParam);
        break;
    case AfxSig_bD:
        lResult = (this->*mmf.pfn_bD)(CDC::FromHandle((HDC)wParam));
        break;
    case AfxSig_vwii:
        (this->*mmf.pfn_vwii)((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vii:
        (this->*mmf.pfn_vii)((short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vt:
        (this->*mmf.pfn_vt)((UINT_PTR)wParam);
        break;
    case AfxSig_vwww:
        (this->*mmf.pfn_vwww)((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vwp:
        (this->*mmf.pfn_vwp)((UINT)wParam, CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
        break;
    case AfxSig_bwsp:
        lResult = (this->*mmf.pfn_bwsp)(LOWORD(wParam), (short)HIWORD(wParam),
                                        CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
        break;
    case AfxSig_lp:
        lResult = (this->*mmf.pfn_lp)(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
        break;
    case AfxSig_bWww:
        lResult =
            (this->*mmf.pfn_bWww)(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vW:
        (this->*mmf.pfn_vW)(
            CWnd::FromHandle(message == WM_CAPTURECHANGED ? (HWND)lParam : (HWND)wParam));
        break;
    case AfxSig_vwwScroll:
        (this->*mmf.pfn_vwwScroll)(LOWORD(wParam), (UINT)(short)HIWORD(wParam),
                                   (CScrollBar*)CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_hDWw: {
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
        lResult = (LRESULT)(this->*mmf.pfn_hDWw)(CDC::FromHandle(pCtl->hDC),
                                                 CWnd::FromHandle(pCtl->hWnd), pCtl->nCtlType);
        break;
    }
    case AfxSig_uv:
        lResult = (this->*mmf.pfn_uv)();
        break;
    case AfxSig_vwWb:
        (this->*mmf.pfn_vwWb)(LOWORD(wParam), CWnd::FromHandle((HWND)lParam), HIWORD(wParam));
        break;
    case AfxSig_iWww:
        lResult =
            (this->*mmf.pfn_iWww)(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vbw:
        (this->*mmf.pfn_vbw)((BOOL)wParam, (UINT)lParam);
        break;
    case AfxSig_vPOS:
        (this->*mmf.pfn_vPOS)((WINDOWPOS*)lParam);
        break;
    case AfxSig_vMMI:
        (this->*mmf.pfn_vMMI)((MINMAXINFO*)lParam);
        break;
    case AfxSig_vwl:
        (this->*mmf.pfn_vwl)((UINT)wParam, lParam);
        break;
    case AfxSig_vWp:
        (this->*mmf.pfn_vWp)(CWnd::FromHandle((HWND)wParam),
                             CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
        break;
    case AfxSig_vDRAW:
        (this->*mmf.pfn_vDRAW)((int)wParam, (LPDRAWITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vMEASURE:
        (this->*mmf.pfn_vMEASURE)((int)wParam, (LPMEASUREITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vCALC:
        (this->*mmf.pfn_vCALC)((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam);
        break;
    case AfxSig_vMwb:
        (this->*mmf.pfn_vMwb)(CMenu::FromHandle((HMENU)wParam), LOWORD(lParam),
                              (BOOL)HIWORD(lParam));
        break;
    case AfxSig_vb:
        (this->*mmf.pfn_vb)((BOOL)wParam);
        break;
    case AfxSig_vws:
        (this->*mmf.pfn_vws)((UINT)wParam, (LPCSTR)lParam);
        break;
    case AfxSig_vbd:
        (this->*mmf.pfn_vbd)((BOOL)wParam, (DWORD)lParam);
        break;
    case AfxSig_bb:
        lResult = (this->*mmf.pfn_bb)((BOOL)wParam);
        break;
    case AfxSig_vDROP:
        (this->*mmf.pfn_vDROP)((HDROP)wParam);
        break;
    case AfxSig_vwSIZING:
        (this->*mmf.pfn_vwSIZING)((UINT)wParam, (LPRECT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vwwh:
        (this->*mmf.pfn_vwwh)(LOWORD(wParam), HIWORD(wParam), (HMENU)lParam);
        break;
    case AfxSig_bv:
        lResult = (this->*mmf.pfn_bv)();
        break;
    case AfxSig_lwl:
        lResult = (this->*mmf.pfn_lwl)(wParam, lParam);
        break;
    case AfxSig_hDw: {
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
        lResult = (LRESULT)(this->*mmf.pfn_hDw)(CDC::FromHandle(pCtl->hDC), pCtl->nCtlType);
        break;
    }
    case AfxSig_vDRAWr:
        (this->*mmf.pfn_vDRAWr)((LPDRAWITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vMEASUREr:
        (this->*mmf.pfn_vMEASUREr)((LPMEASUREITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vwwr:
        (this->*mmf.pfn_vwwr)(LOWORD(wParam), (UINT)(short)HIWORD(wParam));
        break;
    case AfxSig_vs:
        (this->*mmf.pfn_vs)((LPCSTR)lParam);
        break;
    case AfxSig_vM:
        (this->*mmf.pfn_vM)(CMenu::FromHandle((HMENU)wParam));
        break;
    case AfxSig_vbWW:
        // An MDI child is told of its own activation by lParam naming it.
        (this->*mmf.pfn_vbWW)(m_hWnd == (HWND)lParam, CWnd::FromHandle((HWND)lParam),
                              CWnd::FromHandle((HWND)wParam));
        break;
    case AfxSig_vwW:
        (this->*mmf.pfn_vwW)((UINT)wParam, CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_bHELPINFO:
        lResult = (this->*mmf.pfn_bHELPINFO)((HELPINFO*)lParam);
        break;
    case AfxSig_iCOMPARE:
        lResult = (this->*mmf.pfn_iCOMPARE)((int)wParam, (LPCOMPAREITEMSTRUCT)lParam);
        break;
    case AfxSig_vDELETE:
        (this->*mmf.pfn_vDELETE)((int)wParam, (LPDELETEITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_iwWw:
        lResult = (this->*mmf.pfn_iwWw)(LOWORD(wParam), (CListBox*)CWnd::FromHandle((HWND)lParam),
                                        HIWORD(wParam));
        break;
    case AfxSig_iCOMPAREr:
        lResult = (this->*mmf.pfn_iCOMPAREr)((LPCOMPAREITEMSTRUCT)lParam);
        break;
    case AfxSig_vDELETEr:
        (this->*mmf.pfn_vDELETEr)((LPDELETEITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_iwwr:
        lResult = (this->*mmf.pfn_iwwr)(LOWORD(wParam), HIWORD(wParam));
        break;
    default:
        return FALSE;
    }
    if (pResult)
        *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);

    if (hWndCtrl == nullptr) {
        // A menu item or accelerator: not routed when its update handler disabled it.
        if (nID == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    } else {
        // A control notification: dropped while this window exchanges its data, else
        // the control itself may handle it (reflection).
        if (fw::CurrentThreadState().hLockoutNotifyWindow == m_hWnd)
            return TRUE;
        if (ReflectLastMsg(hWndCtrl))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    UINT nID = ::IsWindow(hWndCtrl) ? (UINT)::GetDlgCtrlID(hWndCtrl) : (UINT)pNMHDR->idFrom;
    int nCode = pNMHDR->code;

    if (fw::CurrentThreadState().hLockoutNotifyWindow == m_hWnd)
        return TRUE; // dropped while this window exchanges its data
    if (ReflectLastMsg(hWndCtrl, pResult))
        return TRUE;

    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, nullptr);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (pWnd == nullptr)
        return FALSE;
    return pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG& msg = fw::CurrentThreadState().lastSentMsg;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);

    case WM_COMMAND: {
        int nCode = HIWORD(wParam);
        if (CWnd::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr)) {
            if (pResult)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }

    case WM_NOTIFY: {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        AFX_NOTIFY notify;
        notify.pResult = pResult;
        notify.pNMHDR = pNMHDR;
        return CWnd::OnCmdMsg(0, MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify,
                              nullptr);
    }

    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
            AFX_CTLCOLOR ctl;
            ctl.hDC = (HDC)wParam;
            ctl.hWnd = m_hWnd;
            ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
            LRESULT lResult = 0;
            BOOL bResult = CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, (LPARAM)&ctl, &lResult);
            if (lResult == 0)
                return FALSE; // no brush: the parent colours the control
            if (pResult)
                *pResult = lResult;
            return bResult;
        }
        return FALSE;
    }
}

// --- message maps of the root classes -----------------------------------------

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {
        {0, 0, 0, 0, AfxSig_end, (AFX_PMSG) nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &_messageEntries[0]};
    return &messageMap;
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_CTLCOLOR()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()
