// Dialogs from templates: modal through the framework's modal loop and its seam, and
// modeless.
#include "fw/win.h"
#include "fw/dialog.h"
#include "fw/propsheet.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
    ON_MESSAGE(WM_SETFONT, &CDialog::HandleSetFont)
END_MESSAGE_MAP()

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE; // the message map had its turn already
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr && lParam != 0) {
        // A property page: the sheet made its window and passes the page's record, which
        // names the page object.
        const PROPSHEETPAGEA* psp = (const PROPSHEETPAGEA*)lParam;
        if (psp->pfnDlgProc == AfxDlgProc && psp->lParam != 0) {
            CPropertyPage* pPage = (CPropertyPage*)psp->lParam;
            if (pPage->m_hWnd == nullptr && pPage->SubclassWindow(hWnd))
                pWnd = pPage;
        }
    }
    if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CDialog)))
        return static_cast<CDialog*>(pWnd)->OnInitDialog();
    return TRUE;
}

CDialog::CDialog()
    : m_lpszTemplateName(nullptr), m_hDialogTemplate(nullptr), m_lpDialogTemplate(nullptr),
      m_lpDialogInit(nullptr), m_pParentWnd(nullptr), m_hWndTop(nullptr), m_nIDHelp(0)
{ }

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd) : CDialog()
{
    m_lpszTemplateName = lpszTemplateName;
    m_pParentWnd = pParentWnd;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog()
{
    m_lpszTemplateName = MAKEINTRESOURCEA(nIDTemplate);
    m_pParentWnd = pParentWnd;
    m_nIDHelp = nIDTemplate;
}

CDialog::~CDialog()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

// --- making the window ---------------------------------------------------------

namespace {

// The template lpszName along the resource chain, and the module it came from.
LPCDLGTEMPLATE FindDialogTemplate(LPCSTR lpszName, HINSTANCE& hInst)
{
    hInst = AfxFindResourceHandle(lpszName, (LPCSTR)RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, lpszName, (LPCSTR)RT_DIALOG);
    if (hResource == nullptr)
        return nullptr;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    return hTemplate ? (LPCDLGTEMPLATE)::LockResource(hTemplate) : nullptr;
}

} // namespace

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (lpDialogTemplate == nullptr || m_hWnd != nullptr)
        return FALSE;
    if (hInst == nullptr)
        hInst = AfxGetResourceHandle();
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;

    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(),
                                             AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy(); // the window never reached us
    if (hWnd == nullptr) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATE lpTemplate = FindDialogTemplate(lpszTemplateName, hInst);
    if (lpTemplate == nullptr)
        return FALSE;
    m_pParentWnd = pParentWnd;
    return CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogInit = lpDialogInit;
    m_pParentWnd = pParentWnd;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, nullptr);
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    LPCDLGTEMPLATE lpTemplate = (LPCDLGTEMPLATE)::GlobalLock(hDialogTemplate);
    BOOL bResult = CreateIndirect(lpTemplate, pParentWnd, nullptr);
    ::GlobalUnlock(hDialogTemplate);
    return bResult;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd,
                                void* lpDialogInit)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    m_lpDialogInit = lpDialogInit;
    return lpDialogTemplate != nullptr;
}

BOOL CDialog::InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    m_hDialogTemplate = hDialogTemplate;
    m_pParentWnd = pParentWnd;
    return hDialogTemplate != nullptr;
}

// --- modal ---------------------------------------------------------------------

HWND CDialog::PreModal() { return CWnd::GetSafeOwner(m_pParentWnd, &m_hWndTop)->GetSafeHwnd(); }

void CDialog::PostModal() { m_hWndTop = nullptr; }

INT_PTR CDialog::DoModal()
{
    AFX_MODAL_REQUEST request = {};
    request.nKind = afxModalDialog;
    request.pObject = this;
    request.hWndOwner = PreModal();
    request.lpszTemplate = m_lpszTemplateName;
    AFX_MODAL_REPLY reply = AfxAskModalAnswer(request);
    if (reply.nAction == AFX_MODAL_REPLY::answer) {
        PostModal();
        return reply.nResult;
    }

    HINSTANCE hInst = AfxGetResourceHandle();
    LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
    BOOL bUnlock = FALSE;
    if (m_lpszTemplateName != nullptr) {
        lpTemplate = FindDialogTemplate(m_lpszTemplateName, hInst);
    } else if (m_hDialogTemplate != nullptr) {
        lpTemplate = (LPCDLGTEMPLATE)::GlobalLock(m_hDialogTemplate);
        bUnlock = lpTemplate != nullptr;
    }
    if (lpTemplate == nullptr) {
        PostModal();
        return -1;
    }

    HWND hWndParent = request.hWndOwner;
    BOOL bEnableParent = FALSE;
    if (hWndParent != nullptr && hWndParent != ::GetDesktopWindow() &&
        ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    try {
        if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndParent), hInst)) {
            if (m_nFlags & WF_CONTINUEMODAL) {
                if (reply.nAction == AFX_MODAL_REPLY::script)
                    AfxSetModalScript(m_hWnd, reply.fnScript);
                DWORD dwFlags = MLF_SHOWONIDLE;
                if (GetStyle() & DS_NOIDLEMSG)
                    dwFlags |= MLF_NOIDLEMSG;
                RunModalLoop(dwFlags);
            }
            if (m_hWnd != nullptr)
                SetWindowPos(nullptr, 0, 0, 0, 0,
                             SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE |
                                 SWP_NOZORDER);
        }
    } catch (CException* e) {
        e->Delete();
        m_nModalResult = -1;
    }

    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    DestroyWindow();
    PostModal();
    if (bUnlock)
        ::GlobalUnlock(m_hDialogTemplate);
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

// --- start-up and the standard buttons -----------------------------------------

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    // Centred over the owner unless the template places it.
    DWORD dwStyle = GetStyle();
    if (!(dwStyle & WS_CHILD) && !(dwStyle & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) &&
        CheckAutoCenter())
        CenterWindow();
    return Default(); // the dialog procedure calls OnInitDialog
}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM)
{
    OnSetFont(CFont::FromHandle((HFONT)wParam));
    return Default();
}

void CDialog::OnSetFont(CFont*) { }

BOOL CDialog::OnInitDialog()
{
    BOOL bDlgInit = m_lpDialogInit != nullptr ? ExecuteDlgInit(m_lpDialogInit)
                                              : ExecuteDlgInit(m_lpszTemplateName);
    if (!bDlgInit || !UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return; // the user was told what is wrong; the dialog stays open
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::CheckAutoCenter() { return TRUE; }

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // Keyboard and mouse input drives the dialog's navigation (Tab, Enter, Esc ...).
    BOOL bInput = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
        (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
    if (!bInput || (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

// --- helpers -------------------------------------------------------------------

void CDialog::MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }
void CDialog::SetHelpID(UINT nIDR) { m_nIDHelp = nIDR; }
void CDialog::NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl != nullptr)
        ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->m_hWnd, 1);
}
void CDialog::SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }
DWORD CDialog::GetDefID() const { return (DWORD)::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0); }
