// The font, colour, print and find-and-replace dialogs, each asked of the modal seam.
#include "fw/win.h"
#include "fw/commdlg.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFontDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CFindReplaceDialog, CCommonDialog)

namespace {

// A test's script for the common dialog this thread is about to show (one at a time:
// they are modal).
thread_local std::function<void(CWnd*)> t_fnPendingScript;

UINT RunScriptMessage()
{
    static const UINT nMsg = ::RegisterWindowMessageA("FwCommonDialogRunScript");
    return nMsg;
}

// The hook of every common dialog here: the object's OnInitDialog, and a test's script
// once the dialog is up; a dialog the script leaves open is cancelled.
UINT_PTR CALLBACK CommonDialogHook(HWND hDlg, UINT nMsg, WPARAM, LPARAM)
{
    if (nMsg == WM_INITDIALOG) {
        BOOL bResult = TRUE;
        CWnd* pWnd = CWnd::FromHandlePermanent(hDlg);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CDialog)))
            bResult = static_cast<CDialog*>(pWnd)->OnInitDialog();
        if (t_fnPendingScript)
            ::PostMessageA(hDlg, RunScriptMessage(), 0, 0);
        return bResult;
    }
    if (nMsg == RunScriptMessage() && t_fnPendingScript) {
        std::function<void(CWnd*)> fnScript = std::move(t_fnPendingScript);
        t_fnPendingScript = nullptr;
        AfxRunModalScript(hDlg, fnScript);
        // Behind whatever the script did: a dialog it ended is gone before this arrives.
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }
    return 0;
}

// Asks the seam about a common dialog; TRUE when the reply answers it (nResult), else the
// dialog is to be shown, with the reply's script pending when there is one.
BOOL AskSeam(CCommonDialog* pDialog, HWND hWndOwner, LPCSTR lpszCaption, INT_PTR& nResult)
{
    AFX_MODAL_REQUEST request = {};
    request.nKind = afxModalCommonDialog;
    request.pObject = pDialog;
    request.hWndOwner = hWndOwner;
    request.strCaption = lpszCaption;
    AFX_MODAL_REPLY reply = AfxAskModalAnswer(request);
    if (reply.nAction == AFX_MODAL_REPLY::answer) {
        nResult = reply.nResult;
        return TRUE;
    }
    t_fnPendingScript = reply.nAction == AFX_MODAL_REPLY::script ? reply.fnScript : nullptr;
    return FALSE;
}

// Runs the system's dialog with its window bound to pDialog.
template<class Fn>
BOOL RunBound(CCommonDialog* pDialog, Fn fnShow)
{
    AfxHookWindowCreate(pDialog);
    BOOL bResult = fnShow();
    AfxUnhookWindowCreate();
    t_fnPendingScript = nullptr;
    if (pDialog->m_hWnd != nullptr)
        pDialog->Detach(); // the system destroyed the window already
    return bResult;
}

} // namespace

// --- CFontDialog -----------------------------------------------------------------

CFontDialog::CFontDialog(LPLOGFONTA lplfInitial, DWORD dwFlags, CDC* pdcPrinter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd)
{
    memset(&m_cf, 0, sizeof m_cf);
    memset(&m_lf, 0, sizeof m_lf);
    m_szStyleName[0] = '\0';
    m_cf.lStructSize = sizeof m_cf;
    m_cf.lpszStyle = m_szStyleName;
    m_cf.Flags = dwFlags | CF_ENABLEHOOK;
    m_cf.lpfnHook = CommonDialogHook;
    m_cf.lpLogFont = &m_lf;
    if (lplfInitial != nullptr) {
        m_lf = *lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    if (pdcPrinter != nullptr) {
        m_cf.hDC = pdcPrinter->GetSafeHdc();
        m_cf.Flags |= CF_PRINTERFONTS;
    }
}

CFontDialog::~CFontDialog() = default;

INT_PTR CFontDialog::DoModal()
{
    HWND hWndOwner = PreModal();
    INT_PTR nResult = IDCANCEL;
    if (AskSeam(this, hWndOwner, "Font", nResult)) {
        PostModal();
        return nResult;
    }
    m_cf.hwndOwner = hWndOwner;
    BOOL bResult = RunBound(this, [this] { return ::ChooseFontA(&m_cf); });
    PostModal();
    return bResult ? IDOK : IDCANCEL;
}

void CFontDialog::GetCurrentFont(LPLOGFONTA lplf)
{
    if (m_hWnd != nullptr)
        SendMessage(WM_CHOOSEFONT_GETLOGFONT, 0, (LPARAM)lplf);
    else
        *lplf = m_lf;
}

CString CFontDialog::GetFaceName() const { return CString(m_lf.lfFaceName); }
CString CFontDialog::GetStyleName() const { return CString(m_szStyleName); }
int CFontDialog::GetSize() const { return m_cf.iPointSize; }
COLORREF CFontDialog::GetColor() const { return m_cf.rgbColors; }
int CFontDialog::GetWeight() const { return (int)m_lf.lfWeight; }
BOOL CFontDialog::IsStrikeOut() const { return m_lf.lfStrikeOut != 0; }
BOOL CFontDialog::IsUnderline() const { return m_lf.lfUnderline != 0; }
BOOL CFontDialog::IsBold() const { return m_lf.lfWeight >= FW_SEMIBOLD; }
BOOL CFontDialog::IsItalic() const { return m_lf.lfItalic != 0; }

// --- CColorDialog ----------------------------------------------------------------

COLORREF* PASCAL CColorDialog::GetSavedCustomColors()
{
    static COLORREF s_customColors[16] = {
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
    return s_customColors;
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd)
{
    memset(&m_cc, 0, sizeof m_cc);
    m_cc.lStructSize = sizeof m_cc;
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = dwFlags | CC_ENABLEHOOK;
    m_cc.lpfnHook = CommonDialogHook;
    if ((m_cc.rgbResult = clrInit) != 0)
        m_cc.Flags |= CC_RGBINIT;
}

CColorDialog::~CColorDialog() = default;

INT_PTR CColorDialog::DoModal()
{
    HWND hWndOwner = PreModal();
    INT_PTR nResult = IDCANCEL;
    if (AskSeam(this, hWndOwner, "Color", nResult)) {
        PostModal();
        return nResult;
    }
    m_cc.hwndOwner = hWndOwner;
    BOOL bResult = RunBound(this, [this] { return ::ChooseColorA(&m_cc); });
    PostModal();
    return bResult ? IDOK : IDCANCEL;
}

void CColorDialog::SetCurrentColor(COLORREF clr)
{
    m_cc.rgbResult = clr;
    m_cc.Flags |= CC_RGBINIT;
}

// --- CPrintDialog ----------------------------------------------------------------

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_bPrintSetupOnly(bPrintSetupOnly)
{
    memset(&m_pd, 0, sizeof m_pd);
    m_pd.lStructSize = sizeof m_pd;
    m_pd.Flags = dwFlags;
    m_pd.nCopies = 1;
    m_pd.nFromPage = m_pd.nToPage = 1;
    m_pd.nMinPage = m_pd.nMaxPage = 1;
    if (bPrintSetupOnly) {
        m_pd.Flags |= PD_PRINTSETUP | PD_ENABLESETUPHOOK;
        m_pd.lpfnSetupHook = CommonDialogHook;
    } else {
        m_pd.Flags |= PD_RETURNDC | PD_ENABLEPRINTHOOK;
        m_pd.lpfnPrintHook = CommonDialogHook;
    }
}

CPrintDialog::~CPrintDialog()
{
    if (m_pd.hDC != nullptr)
        ::DeleteDC(m_pd.hDC);
}

INT_PTR CPrintDialog::DoModal()
{
    HWND hWndOwner = PreModal();
    INT_PTR nResult = IDCANCEL;
    if (AskSeam(this, hWndOwner, m_bPrintSetupOnly ? "Print Setup" : "Print", nResult)) {
        PostModal();
        return nResult;
    }
    m_pd.hwndOwner = hWndOwner;
    BOOL bResult = RunBound(this, [this] { return ::PrintDlgA(&m_pd); });
    PostModal();
    return bResult ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    // No window shows, but a test still says which printer there is: the answerer may
    // fill m_pd through the request's object and answer IDOK.
    INT_PTR nResult = IDCANCEL;
    DWORD dwFlags = m_pd.Flags;
    m_pd.Flags |= PD_RETURNDEFAULT;
    BOOL bResult;
    if (AskSeam(this, nullptr, "Print", nResult)) {
        t_fnPendingScript = nullptr;
        bResult = nResult == IDOK;
    } else {
        t_fnPendingScript = nullptr;
        m_pd.hwndOwner = nullptr;
        m_pd.Flags &= ~(PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK);
        bResult = ::PrintDlgA(&m_pd);
    }
    m_pd.Flags = dwFlags | (m_pd.Flags & PD_RETURNDC);
    return bResult;
}

int CPrintDialog::GetCopies() const
{
    if (m_pd.Flags & PD_USEDEVMODECOPIES) {
        LPDEVMODEA pDevMode = GetDevMode();
        if (pDevMode != nullptr) {
            int nCopies = pDevMode->dmCopies;
            ::GlobalUnlock(m_pd.hDevMode);
            return nCopies;
        }
    }
    return m_pd.nCopies;
}

BOOL CPrintDialog::PrintCollate() const { return (m_pd.Flags & PD_COLLATE) != 0; }
BOOL CPrintDialog::PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
BOOL CPrintDialog::PrintAll() const { return !PrintRange() && !PrintSelection(); }
BOOL CPrintDialog::PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
BOOL CPrintDialog::PrintToFile() const { return (m_pd.Flags & PD_PRINTTOFILE) != 0; }
int CPrintDialog::GetFromPage() const { return PrintRange() ? m_pd.nFromPage : -1; }
int CPrintDialog::GetToPage() const { return PrintRange() ? m_pd.nToPage : -1; }

LPDEVMODEA CPrintDialog::GetDevMode() const
{
    return m_pd.hDevMode ? (LPDEVMODEA)::GlobalLock(m_pd.hDevMode) : nullptr;
}

namespace {

// One of the names a DEVNAMES block holds (driver, device, port), by its offset field.
CString DevNamesPart(HGLOBAL hDevNames, WORD DEVNAMES::*pOffset)
{
    if (hDevNames == nullptr)
        return CString();
    LPDEVNAMES lpDevNames = (LPDEVNAMES)::GlobalLock(hDevNames);
    if (lpDevNames == nullptr)
        return CString();
    SIZE_T nSize = ::GlobalSize(hDevNames);
    WORD nOffset = lpDevNames->*pOffset;
    CString str;
    if (nOffset < nSize)
        str = CString((LPCSTR)lpDevNames + nOffset,
                      (int)strnlen((LPCSTR)lpDevNames + nOffset, nSize - nOffset));
    ::GlobalUnlock(hDevNames);
    return str;
}

} // namespace

CString CPrintDialog::GetDriverName() const
{
    return DevNamesPart(m_pd.hDevNames, &DEVNAMES::wDriverOffset);
}
CString CPrintDialog::GetDeviceName() const
{
    return DevNamesPart(m_pd.hDevNames, &DEVNAMES::wDeviceOffset);
}
CString CPrintDialog::GetPortName() const
{
    return DevNamesPart(m_pd.hDevNames, &DEVNAMES::wOutputOffset);
}
HDC CPrintDialog::GetPrinterDC() const { return m_pd.hDC; }

HDC CPrintDialog::CreatePrinterDC()
{
    if (m_pd.hDC != nullptr)
        ::DeleteDC(m_pd.hDC);
    CString strDriver = GetDriverName(), strDevice = GetDeviceName(), strPort = GetPortName();
    LPDEVMODEA pDevMode = GetDevMode();
    m_pd.hDC = strDevice.IsEmpty() ? nullptr : ::CreateDCA(strDriver, strDevice, strPort, pDevMode);
    if (pDevMode != nullptr)
        ::GlobalUnlock(m_pd.hDevMode);
    return m_pd.hDC;
}

// --- CFindReplaceDialog ------------------------------------------------------------

CFindReplaceDialog::CFindReplaceDialog() : CCommonDialog(nullptr)
{
    memset(&m_fr, 0, sizeof m_fr);
    m_szFindWhat[0] = m_szReplaceWith[0] = '\0';
    m_fr.lStructSize = sizeof m_fr;
    m_fr.Flags = FR_ENABLEHOOK;
    m_fr.lpfnHook = CommonDialogHook;
    m_fr.lpstrFindWhat = m_szFindWhat;
    m_fr.wFindWhatLen = sizeof m_szFindWhat;
    m_fr.lpstrReplaceWith = m_szReplaceWith;
    m_fr.wReplaceWithLen = sizeof m_szReplaceWith;
    m_fr.lCustData = (LPARAM)this; // GetNotifier's way back from the notification
}

CFindReplaceDialog::~CFindReplaceDialog() = default;

BOOL CFindReplaceDialog::Create(BOOL bFindDialogOnly, LPCSTR lpszFindWhat, LPCSTR lpszReplaceWith,
                                DWORD dwFlags, CWnd* pParentWnd)
{
    m_fr.Flags |= dwFlags;
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    m_fr.hwndOwner = pParentWnd->GetSafeHwnd();
    if (lpszFindWhat != nullptr)
        lstrcpynA(m_szFindWhat, lpszFindWhat, sizeof m_szFindWhat);
    if (lpszReplaceWith != nullptr)
        lstrcpynA(m_szReplaceWith, lpszReplaceWith, sizeof m_szReplaceWith);

    // Modeless, so nothing waits on it: the seam only hands over a test's script, which
    // runs on the live dialog as soon as it is up.
    INT_PTR nResult = 0;
    std::function<void(CWnd*)> fnScript;
    if (!AskSeam(this, m_fr.hwndOwner, bFindDialogOnly ? "Find" : "Replace", nResult))
        fnScript = std::move(t_fnPendingScript);
    t_fnPendingScript = nullptr;

    AfxHookWindowCreate(this);
    HWND hWnd = bFindDialogOnly ? ::FindTextA(&m_fr) : ::ReplaceTextA(&m_fr);
    AfxUnhookWindowCreate();
    if (hWnd == nullptr || m_hWnd != hWnd)
        return FALSE;
    if (fnScript)
        AfxRunModalScript(hWnd, fnScript);
    return TRUE;
}

INT_PTR CFindReplaceDialog::DoModal() { return -1; }

void CFindReplaceDialog::PostNcDestroy() { delete this; }

CFindReplaceDialog* PASCAL CFindReplaceDialog::GetNotifier(LPARAM lParam)
{
    return lParam != 0 ? (CFindReplaceDialog*)((const FINDREPLACEA*)lParam)->lCustData : nullptr;
}

CString CFindReplaceDialog::GetFindString() const { return CString(m_fr.lpstrFindWhat); }
CString CFindReplaceDialog::GetReplaceString() const { return CString(m_fr.lpstrReplaceWith); }
BOOL CFindReplaceDialog::SearchDown() const { return (m_fr.Flags & FR_DOWN) != 0; }
BOOL CFindReplaceDialog::FindNext() const { return (m_fr.Flags & FR_FINDNEXT) != 0; }
BOOL CFindReplaceDialog::MatchCase() const { return (m_fr.Flags & FR_MATCHCASE) != 0; }
BOOL CFindReplaceDialog::MatchWholeWord() const { return (m_fr.Flags & FR_WHOLEWORD) != 0; }
BOOL CFindReplaceDialog::ReplaceCurrent() const { return (m_fr.Flags & FR_REPLACE) != 0; }
BOOL CFindReplaceDialog::ReplaceAll() const { return (m_fr.Flags & FR_REPLACEALL) != 0; }
BOOL CFindReplaceDialog::IsTerminating() const { return (m_fr.Flags & FR_DIALOGTERM) != 0; }
