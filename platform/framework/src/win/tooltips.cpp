// Tool tips of any window: a window that enables them has its mouse messages relayed
// (from PreTranslateMessage) to one tool-tip control of the thread; the tool under the
// pointer is found by the window's OnToolHitTest, and its text is the second line of the
// command's string unless the hit test gave one.
#include "fw/win.h"

namespace {

struct ThreadToolTip
{
    HWND hWndTip = nullptr;
    HWND hWndLast = nullptr; // the window whose tool the control holds
    INT_PTR nLastHit = -1;
    TOOLINFOA toolLast = {};
    CString strText; // the text handed to the control (it copies it)
};
thread_local ThreadToolTip t_tip;

HWND ThreadTipWindow()
{
    if (t_tip.hWndTip == nullptr || !::IsWindow(t_tip.hWndTip)) {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&icc);
        t_tip.hWndTip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                          nullptr, ::GetModuleHandleA(nullptr), nullptr);
        t_tip.hWndLast = nullptr;
        t_tip.nLastHit = -1;
    }
    return t_tip.hWndTip;
}

void RemoveLastTool()
{
    if (t_tip.hWndLast != nullptr && t_tip.hWndTip != nullptr && ::IsWindow(t_tip.hWndTip)) {
        ::SendMessageA(t_tip.hWndTip, TTM_POP, 0, 0);
        ::SendMessageA(t_tip.hWndTip, TTM_DELTOOLA, 0, (LPARAM)&t_tip.toolLast);
    }
    t_tip.hWndLast = nullptr;
    t_tip.nLastHit = -1;
}

} // namespace

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    BOOL bOld = (m_nFlags & WF_TOOLTIPS) != 0;
    if (bEnable) {
        m_nFlags |= WF_TOOLTIPS;
        ThreadTipWindow();
    } else {
        m_nFlags &= ~WF_TOOLTIPS;
        if (t_tip.hWndLast == m_hWnd)
            RemoveLastTool();
    }
    return bOld;
}

void PASCAL CWnd::CancelToolTips(BOOL) { RemoveLastTool(); }

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    if (!(m_nFlags & WF_TOOLTIPS) || m_hWnd == nullptr)
        return;
    UINT nMsg = pMsg->message;
    BOOL bMouse = (nMsg >= WM_MOUSEFIRST && nMsg <= WM_MOUSELAST) ||
        (nMsg >= WM_NCMOUSEMOVE && nMsg <= WM_NCMBUTTONDBLCLK);
    if (!bMouse) {
        if (nMsg == WM_KEYDOWN || nMsg == WM_SYSKEYDOWN)
            RemoveLastTool(); // typing puts the tip away
        return;
    }
    HWND hWndTip = ThreadTipWindow();
    if (hWndTip == nullptr)
        return;
    CPoint point = pMsg->pt;
    ScreenToClient(&point);
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    INT_PTR nHit = OnToolHitTest(point, &ti);
    if (nHit != t_tip.nLastHit || t_tip.hWndLast != m_hWnd) {
        RemoveLastTool();
        if (nHit >= 0) {
            if (ti.hwnd == nullptr)
                ti.hwnd = m_hWnd;
            if (ti.lpszText == LPSTR_TEXTCALLBACKA || ti.lpszText == nullptr) {
                // The command's tip line, found here so no window has to answer for it.
                CString strFull;
                t_tip.strText.Empty();
                if (strFull.LoadString((UINT)nHit))
                    AfxExtractSubString(t_tip.strText, strFull, 1, '\n');
                ti.lpszText = (LPSTR)(LPCSTR)t_tip.strText;
            }
            ti.uFlags &= ~0x80000000; // our own marker, not the control's
            if (!(ti.uFlags & TTF_IDISHWND) && ::IsRectEmpty(&ti.rect))
                ::GetClientRect(m_hWnd, &ti.rect);
            if (::SendMessageA(hWndTip, TTM_ADDTOOLA, 0, (LPARAM)&ti)) {
                t_tip.toolLast = ti;
                t_tip.hWndLast = m_hWnd;
                t_tip.nLastHit = nHit;
            }
        }
    }
    if (t_tip.hWndLast == m_hWnd) {
        MSG relay = *pMsg;
        relay.hwnd = m_hWnd;
        relay.lParam = MAKELPARAM(point.x, point.y);
        ::SendMessageA(hWndTip, TTM_RELAYEVENT, 0, (LPARAM)&relay);
    }
}
