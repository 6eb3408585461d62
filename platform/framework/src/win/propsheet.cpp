// Property sheets and pages on the system's property-sheet control.
#include "fw/win.h"
#include "fw/propsheet.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

// --- CPropertyPage -------------------------------------------------------------

CPropertyPage::CPropertyPage() : m_bFirstSetActive(TRUE)
{
    memset(&m_psp, 0, sizeof m_psp);
    m_psp.dwSize = sizeof m_psp;
}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CPropertyPage()
{
    Construct(nIDTemplate, nIDCaption);
}

CPropertyPage::CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption) : CPropertyPage()
{
    Construct(lpszTemplateName, nIDCaption);
}

CPropertyPage::~CPropertyPage() = default;

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption)
{
    Construct(MAKEINTRESOURCEA(nIDTemplate), nIDCaption);
    m_nIDHelp = nIDTemplate;
}

void CPropertyPage::Construct(LPCSTR lpszTemplateName, UINT nIDCaption)
{
    memset(&m_psp, 0, sizeof m_psp);
    m_psp.dwSize = sizeof m_psp;
    m_psp.pszTemplate = lpszTemplateName;
    m_psp.pfnDlgProc = AfxDlgProc;
    // The page's window is bound to this object when it starts (AfxDlgProc).
    m_psp.lParam = (LPARAM)this;
    m_lpszTemplateName = lpszTemplateName;
    if (nIDCaption != 0 && m_strCaption.LoadString(nIDCaption)) {
        m_psp.pszTitle = m_strCaption;
        m_psp.dwFlags |= PSP_USETITLE;
    }
    m_bFirstSetActive = TRUE;
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    HWND hWndSheet = ::GetParent(m_hWnd);
    if (hWndSheet != nullptr)
        ::SendMessageA(hWndSheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED, (WPARAM)m_hWnd, 0);
}

void CPropertyPage::CancelToClose()
{
    HWND hWndSheet = ::GetParent(m_hWnd);
    if (hWndSheet != nullptr)
        ::SendMessageA(hWndSheet, PSM_CANCELTOCLOSE, 0, 0);
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageA(::GetParent(m_hWnd), PSM_QUERYSIBLINGS, wParam, lParam);
}

BOOL CPropertyPage::OnSetActive()
{
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE; // the data went in at start-up
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }

BOOL CPropertyPage::OnQueryCancel() { return TRUE; }
LRESULT CPropertyPage::OnWizardBack() { return 0; }
LRESULT CPropertyPage::OnWizardNext() { return 0; }
BOOL CPropertyPage::OnWizardFinish() { return TRUE; }

// The sheet, not the page, ends the dialog.
void CPropertyPage::OnOK() { }
void CPropertyPage::OnCancel() { }

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    // The sheet's PreTranslateMessage drives the keyboard for all its pages.
    CWnd::PreTranslateMessage(pMsg);
    return FALSE;
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CDialog::OnNotify(wParam, lParam, pResult))
        return TRUE;
    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR->hwndFrom != m_hWnd && pNMHDR->hwndFrom != ::GetParent(m_hWnd))
        return FALSE;
    LRESULT lResult = 0;
    switch (pNMHDR->code) {
    case PSN_SETACTIVE:
        lResult = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        lResult = !OnKillActive();
        break;
    case PSN_APPLY:
        lResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        break;
    case PSN_RESET:
        OnReset();
        break;
    case PSN_QUERYCANCEL:
        lResult = !OnQueryCancel();
        break;
    case PSN_WIZBACK:
        lResult = OnWizardBack();
        break;
    case PSN_WIZNEXT:
        lResult = OnWizardNext();
        break;
    case PSN_WIZFINISH:
        lResult = !OnWizardFinish();
        break;
    case PSN_HELP:
        SendMessage(WM_COMMAND, ID_HELP);
        break;
    default:
        return FALSE;
    }
    if (pResult)
        *pResult = lResult;
    return TRUE;
}

// --- CPropertySheet ------------------------------------------------------------

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
    ON_MESSAGE(WM_INITDIALOG, &CPropertySheet::HandleInitDialog)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet() : m_pParentWnd(nullptr), m_bModeless(FALSE)
{
    memset(&m_psh, 0, sizeof m_psh);
    m_psh.dwSize = sizeof m_psh;
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet()
{
    Construct(nIDCaption, pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet()
{
    Construct(pszCaption, pParentWnd, iSelectPage);
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

void CPropertySheet::Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CString strCaption;
    strCaption.LoadString(nIDCaption); // along the resource chain: a library's caption too
    Construct(strCaption, pParentWnd, iSelectPage);
}

void CPropertySheet::Construct(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    memset(&m_psh, 0, sizeof m_psh);
    m_psh.dwSize = sizeof m_psh;
    m_psh.dwFlags = PSH_PROPSHEETPAGE;
    m_strCaption = pszCaption ? pszCaption : "";
    m_psh.nStartPage = iSelectPage;
    m_pParentWnd = pParentWnd;
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    m_pages.push_back(pPage);
    if (m_hWnd == nullptr)
        return;
    // A sheet that is up takes the page at once.
    BuildPropPageArray();
    HPROPSHEETPAGE hPage = ::CreatePropertySheetPageA(&m_pageRecords.back());
    if (hPage == nullptr || !::SendMessageA(m_hWnd, PSM_ADDPAGE, 0, (LPARAM)hPage)) {
        if (hPage != nullptr)
            ::DestroyPropertySheetPage(hPage);
        m_pages.pop_back();
        AfxThrowMemoryException();
    }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    int nPage = GetPageIndex(pPage);
    if (nPage >= 0)
        RemovePage(nPage);
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= (int)m_pages.size())
        return;
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, PSM_REMOVEPAGE, (WPARAM)nPage, 0);
    m_pages.erase(m_pages.begin() + nPage);
}

int CPropertySheet::GetPageCount() const
{
    if (m_hWnd == nullptr)
        return (int)m_pages.size();
    CWnd* pTab = GetTabControl();
    return pTab ? (int)pTab->SendMessage(TCM_GETITEMCOUNT) : (int)m_pages.size();
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    return nPage >= 0 && nPage < (int)m_pages.size() ? m_pages[(size_t)nPage] : nullptr;
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage)
{
    for (size_t i = 0; i < m_pages.size(); ++i)
        if (m_pages[i] == pPage)
            return (int)i;
    return -1;
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == nullptr)
        return (int)m_psh.nStartPage;
    CWnd* pTab = GetTabControl();
    return pTab ? (int)pTab->SendMessage(TCM_GETCURSEL) : -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    if (m_hWnd == nullptr)
        return GetPage((int)m_psh.nStartPage);
    HWND hWndPage = (HWND)::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0);
    CWnd* pWnd = CWnd::FromHandlePermanent(hWndPage);
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CPropertyPage)) ? (CPropertyPage*)pWnd
                                                                           : nullptr;
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (m_hWnd == nullptr) {
        m_psh.nStartPage = (UINT)nPage;
        return TRUE;
    }
    return (BOOL)::SendMessageA(m_hWnd, PSM_SETCURSEL, (WPARAM)nPage, 0);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    int nPage = GetPageIndex(pPage);
    return nPage >= 0 && SetActivePage(nPage);
}

void CPropertySheet::SetTitle(LPCSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText;
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, PSM_SETTITLEA, nStyle, (LPARAM)lpszText);
}

CWnd* CPropertySheet::GetTabControl() const
{
    return CWnd::FromHandle((HWND)::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
}

void CPropertySheet::SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }
void CPropertySheet::SetWizardButtons(DWORD dwFlags)
{
    ::PostMessageA(m_hWnd, PSM_SETWIZBUTTONS, 0, (LPARAM)dwFlags);
}
void CPropertySheet::SetFinishText(LPCSTR lpszText)
{
    ::SendMessageA(m_hWnd, PSM_SETFINISHTEXTA, 0, (LPARAM)lpszText);
}
BOOL CPropertySheet::PressButton(int nButton)
{
    return (BOOL)::SendMessageA(m_hWnd, PSM_PRESSBUTTON, (WPARAM)nButton, 0);
}

void CPropertySheet::EndDialog(int nEndID)
{
    m_nModalResult = nEndID;
    if (m_bModeless)
        DestroyWindow();
    else
        ::PostMessageA(m_hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

void CPropertySheet::BuildPropPageArray()
{
    m_pageRecords.clear();
    for (CPropertyPage* pPage : m_pages) {
        PROPSHEETPAGEA psp = pPage->m_psp;
        // The template is handed over in memory, so it may come from any module.
        if (!(psp.dwFlags & PSP_DLGINDIRECT) && psp.pszTemplate != nullptr) {
            HINSTANCE hInst = AfxFindResourceHandle(psp.pszTemplate, (LPCSTR)RT_DIALOG);
            HRSRC hResource = ::FindResourceA(hInst, psp.pszTemplate, (LPCSTR)RT_DIALOG);
            HGLOBAL hTemplate = hResource ? ::LoadResource(hInst, hResource) : nullptr;
            if (hTemplate == nullptr)
                AfxThrowResourceException();
            psp.hInstance = hInst;
            psp.pResource = (LPCDLGTEMPLATE)::LockResource(hTemplate);
            psp.dwFlags |= PSP_DLGINDIRECT;
        }
        m_pageRecords.push_back(psp);
    }
    m_psh.nPages = (UINT)m_pageRecords.size();
    m_psh.ppsp = m_pageRecords.empty() ? nullptr : m_pageRecords.data();
    m_psh.dwFlags |= PSH_PROPSHEETPAGE;
    m_psh.pszCaption = m_strCaption;
}

INT_PTR CPropertySheet::DoModal()
{
    HWND hWndTop = nullptr;
    HWND hWndParent = CWnd::GetSafeOwner(m_pParentWnd, &hWndTop)->GetSafeHwnd();

    AFX_MODAL_REQUEST request = {};
    request.nKind = afxModalPropertySheet;
    request.pObject = this;
    request.hWndOwner = hWndParent;
    request.strCaption = m_strCaption;
    AFX_MODAL_REPLY reply = AfxAskModalAnswer(request);
    if (reply.nAction == AFX_MODAL_REPLY::answer)
        return reply.nResult;

    for (CPropertyPage* pPage : m_pages)
        pPage->m_bFirstSetActive = TRUE;
    BuildPropPageArray();
    m_psh.hwndParent = hWndParent;

    BOOL bEnableParent = FALSE;
    if (hWndParent != nullptr && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }
    HWND hWndCapture = ::GetCapture();
    if (hWndCapture != nullptr)
        ::SendMessageA(hWndCapture, WM_CANCELMODE, 0, 0);

    // Made modeless and run in the framework's modal loop, so idle work and the seam go on.
    m_nModalResult = 0;
    m_nFlags |= WF_CONTINUEMODAL;
    m_bModeless = FALSE;
    m_psh.dwFlags |= PSH_MODELESS;
    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)::PropertySheetA(&m_psh);
    AfxUnhookWindowCreate();
    m_psh.dwFlags &= ~PSH_MODELESS;

    INT_PTR nResult = m_nModalResult;
    if (hWnd == nullptr || hWnd == (HWND)-1 || m_hWnd == nullptr) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        nResult = -1;
    } else if (ContinueModal()) {
        if (reply.nAction == AFX_MODAL_REPLY::script)
            AfxSetModalScript(m_hWnd, reply.fnScript);
        DWORD dwFlags = MLF_SHOWONIDLE;
        if (GetStyle() & DS_NOIDLEMSG)
            dwFlags |= MLF_NOIDLEMSG;
        nResult = RunModalLoop(dwFlags);
    }

    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    if (m_hWnd != nullptr)
        DestroyWindow();
    return nResult;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    (void)dwStyle;
    (void)dwExStyle;
    if (pParentWnd != nullptr)
        m_pParentWnd = pParentWnd;
    BuildPropPageArray();
    m_psh.hwndParent = m_pParentWnd->GetSafeHwnd();
    m_psh.dwFlags |= PSH_MODELESS;
    m_bModeless = TRUE;
    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)::PropertySheetA(&m_psh);
    AfxUnhookWindowCreate();
    return hWnd != nullptr && hWnd != (HWND)-1 && m_hWnd == hWnd;
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CPropertySheet::OnInitDialog() { return (BOOL)Default(); }

BOOL CPropertySheet::ContinueModal()
{
    // The control ends a modeless sheet by leaving it without a current page.
    if (!CWnd::ContinueModal())
        return FALSE;
    return ::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    // The push button pressed last is what the sheet returns.
    HWND hWndCtrl = (HWND)lParam;
    if (hWndCtrl != nullptr && HIWORD(wParam) == BN_CLICKED &&
        (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & (DLGC_BUTTON | DLGC_DEFPUSHBUTTON))) {
        LONG lStyle = ::GetWindowLongA(hWndCtrl, GWL_STYLE) & 0x0F;
        if (lStyle == BS_PUSHBUTTON || lStyle == BS_DEFPUSHBUTTON || lStyle == BS_USERBUTTON ||
            lStyle == BS_OWNERDRAW)
            m_nModalResult = LOWORD(wParam);
    }
    return FALSE;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return (BOOL)::SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, (LPARAM)pMsg);
}
