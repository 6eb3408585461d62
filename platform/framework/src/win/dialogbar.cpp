// CDialogBar: a control bar made from a dialog template.
#include "fw/win.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

BEGIN_MESSAGE_MAP(CDialogBar, CControlBar)
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

// The bar's dialog procedure leaves everything to the window's message map and the
// system's dialog handling; the focus is not moved into a bar when it is made.
INT_PTR CALLBACK DialogBarProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

} // namespace

CDialogBar::CDialogBar() : m_sizeDefault(0, 0)
{
    m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
}

CDialogBar::~CDialogBar() { DestroyWindow(); }

BOOL CDialogBar::Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID)
{
    if (m_hWnd != nullptr || pParentWnd == nullptr)
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, (LPCSTR)RT_DIALOG);
    HRSRC hRsrc = ::FindResourceA(hInst, lpszTemplateName, (LPCSTR)RT_DIALOG);
    HGLOBAL hTemplate = hRsrc != nullptr ? ::LoadResource(hInst, hRsrc) : nullptr;
    LPCDLGTEMPLATE lpTemplate =
        hTemplate != nullptr ? (LPCDLGTEMPLATE)::LockResource(hTemplate) : nullptr;
    if (lpTemplate == nullptr)
        return FALSE;

    m_dwStyle = nStyle & CBRS_ALL;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpTemplate, pParentWnd->GetSafeHwnd(),
                                             DialogBarProc, 0);
    if (!AfxUnhookWindowCreate() || hWnd == nullptr)
        return FALSE;
    if (!(::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD)) {
        DestroyWindow(); // a bar's template is a child's
        return FALSE;
    }
    SetDlgCtrlID((int)nID);
    ModifyStyle(0, WS_CLIPSIBLINGS);
    // The borders the bar style asks for are around the template's area.
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    CRect rectClient;
    GetClientRect(&rectClient);
    CRect nc = CalcNcBorders();
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    m_sizeDefault =
        CSize(rectWindow.Width() + nc.left + nc.right, rectWindow.Height() + nc.top + nc.bottom);
    if (m_dwStyle & CBRS_TOOLTIPS)
        EnableToolTips(TRUE);
    if (nStyle & WS_VISIBLE)
        ShowWindow(SW_SHOWNA);
    return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (bStretch)
        return bHorz ? CSize(32767, m_sizeDefault.cy) : CSize(m_sizeDefault.cx, 32767);
    return m_sizeDefault;
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

BOOL CDialogBar::PreTranslateMessage(MSG* pMsg)
{
    // Tab and the arrows move between the bar's controls.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
        (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)))
        return ::IsDialogMessageA(m_hWnd, pMsg);
    return CControlBar::PreTranslateMessage(pMsg);
}

void CDialogBar::OnPaint() { Default(); }
