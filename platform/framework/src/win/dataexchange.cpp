// Dialog data exchange: the exchange object and the DDX_ functions.
#include "fw/win.h"
#include "fw/dataexchange.h"
#include "item_box.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(nullptr),
      m_bEditLastControl(FALSE)
{ }

CDataExchange::~CDataExchange() = default;

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
    if (hWndCtrl == nullptr)
        AfxThrowNotSupportedException(); // the window has no such control
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

namespace {

BOOL IsComboBox(HWND hWnd)
{
    char szClass[16] = "";
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    return lstrcmpiA(szClass, "ComboBox") == 0;
}

} // namespace

void CDataExchange::Fail()
{
    // Newest first, so a member stored twice ends with its first old value.
    for (auto it = m_rollback.rbegin(); it != m_rollback.rend(); ++it)
        (*it)();
    m_rollback.clear();

    if (m_hWndLastControl != nullptr && ::IsWindow(m_hWndLastControl)) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl) {
            if (IsComboBox(m_hWndLastControl))
                ::SendMessageA(m_hWndLastControl, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
            else
                ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
        }
    }
    AfxThrowUserException();
}

void AFXAPI AfxDataExchangeMessage(UINT nIDPrompt, LPCSTR lpsz1, LPCSTR lpsz2)
{
    CString strPrompt;
    strPrompt.LoadString(nIDPrompt);
    if (lpsz1 != nullptr)
        strPrompt.Replace("%1", lpsz1);
    if (lpsz2 != nullptr)
        strPrompt.Replace("%2", lpsz2);
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, nIDPrompt);
}

namespace {

// Sets a control's text only when it differs, so that an unchanged value causes no
// change notification and no flicker.
void SetWindowTextIfChanged(HWND hWnd, LPCSTR lpszNew)
{
    int nNewLen = lstrlenA(lpszNew);
    char szOld[256];
    if (nNewLen < (int)sizeof szOld && ::GetWindowTextA(hWnd, szOld, sizeof szOld) == nNewLen &&
        lstrcmpA(szOld, lpszNew) == 0)
        return;
    ::SetWindowTextA(hWnd, lpszNew);
}

CString WindowText(HWND hWnd)
{
    CString str;
    int nLen = ::GetWindowTextLengthA(hWnd);
    // A drop-down list may report no length while it shows a selection.
    if (nLen <= 0)
        nLen = 255;
    int nGot = ::GetWindowTextA(hWnd, str.GetBuffer(nLen), nLen + 1);
    str.ReleaseBuffer(nGot);
    return str;
}

BOOL OnlySpacesFrom(const char* psz)
{
    while (*psz == ' ' || *psz == '\t')
        ++psz;
    return *psz == '\0';
}

// A whole signed integer (surrounding blanks allowed) within [nMin, nMax].
BOOL ParseSigned(LPCSTR lpsz, long long nMin, long long nMax, long long& nResult)
{
    while (*lpsz == ' ' || *lpsz == '\t')
        ++lpsz;
    if (*lpsz == '\0')
        return FALSE;
    char* pEnd = nullptr;
    errno = 0;
    long long n = strtoll(lpsz, &pEnd, 10);
    if (pEnd == lpsz || errno == ERANGE || !OnlySpacesFrom(pEnd) || n < nMin || n > nMax)
        return FALSE;
    nResult = n;
    return TRUE;
}

// A whole unsigned integer (no sign) up to nMax.
BOOL ParseUnsigned(LPCSTR lpsz, unsigned long long nMax, unsigned long long& nResult)
{
    while (*lpsz == ' ' || *lpsz == '\t')
        ++lpsz;
    if (*lpsz < '0' || *lpsz > '9')
        return FALSE; // no sign: "-1" would wrap round to a huge value
    char* pEnd = nullptr;
    errno = 0;
    unsigned long long n = strtoull(lpsz, &pEnd, 10);
    if (pEnd == lpsz || errno == ERANGE || !OnlySpacesFrom(pEnd) || n > nMax)
        return FALSE;
    nResult = n;
    return TRUE;
}

BOOL ParseReal(LPCSTR lpsz, double dMax, double& dResult)
{
    while (*lpsz == ' ' || *lpsz == '\t')
        ++lpsz;
    if (*lpsz == '\0')
        return FALSE;
    char* pEnd = nullptr;
    errno = 0;
    double d = strtod(lpsz, &pEnd);
    if (pEnd == lpsz || errno == ERANGE || !OnlySpacesFrom(pEnd) || !std::isfinite(d) ||
        std::fabs(d) > dMax)
        return FALSE;
    dResult = d;
    return TRUE;
}

template<class T>
void ExchangeSigned(CDataExchange* pDX, int nIDC, T& value, long long nMin, long long nMax,
                    UINT nIDPrompt)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        long long n = 0;
        if (!ParseSigned(WindowText(hWndCtrl), nMin, nMax, n)) {
            AfxDataExchangeMessage(nIDPrompt);
            pDX->Fail();
        }
        pDX->Store(value, (T)n);
    } else {
        char szText[32];
        wsprintfA(szText, "%ld", (long)value);
        SetWindowTextIfChanged(hWndCtrl, szText);
    }
}

template<class T>
void ExchangeUnsigned(CDataExchange* pDX, int nIDC, T& value, unsigned long long nMax,
                      UINT nIDPrompt)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        unsigned long long n = 0;
        if (!ParseUnsigned(WindowText(hWndCtrl), nMax, n)) {
            AfxDataExchangeMessage(nIDPrompt);
            pDX->Fail();
        }
        pDX->Store(value, (T)n);
    } else {
        char szText[32];
        wsprintfA(szText, "%lu", (unsigned long)value);
        SetWindowTextIfChanged(hWndCtrl, szText);
    }
}

template<class T>
void ExchangeReal(CDataExchange* pDX, int nIDC, T& value, double dMax, int nDigits)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        double d = 0;
        if (!ParseReal(WindowText(hWndCtrl), dMax, d)) {
            AfxDataExchangeMessage(AFX_IDP_PARSE_REAL);
            pDX->Fail();
        }
        pDX->Store(value, (T)d);
    } else {
        CString strText;
        strText.Format("%.*g", nDigits, (double)value);
        SetWindowTextIfChanged(hWndCtrl, strText);
    }
}

} // namespace

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    ExchangeUnsigned(pDX, nIDC, value, 255, AFX_IDP_PARSE_BYTE);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value)
{
    ExchangeSigned(pDX, nIDC, value, SHRT_MIN, SHRT_MAX, AFX_IDP_PARSE_INT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeSigned(pDX, nIDC, value, INT_MIN, INT_MAX, AFX_IDP_PARSE_INT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeSigned(pDX, nIDC, value, LONG_MIN, LONG_MAX, AFX_IDP_PARSE_INT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeUnsigned(pDX, nIDC, value, UINT_MAX, AFX_IDP_PARSE_UINT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    ExchangeUnsigned(pDX, nIDC, value, ULONG_MAX, AFX_IDP_PARSE_UINT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value)
{
    ExchangeReal(pDX, nIDC, value, FLT_MAX, FLT_DIG);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    ExchangeReal(pDX, nIDC, value, DBL_MAX, DBL_DIG);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        int nLen = ::GetWindowTextLengthA(hWndCtrl);
        CString strText;
        int nGot = ::GetWindowTextA(hWndCtrl, strText.GetBuffer(nLen), nLen + 1);
        strText.ReleaseBuffer(nGot);
        pDX->Store(value, strText);
    } else {
        SetWindowTextIfChanged(hWndCtrl, value);
    }
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        pDX->Store(value, (int)::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
    } else {
        // A state the box cannot show is shown as clear; the member keeps it.
        int nCheck = (value >= 0 && value <= 2) ? value : 0;
        ::SendMessageA(hWndCtrl, BM_SETCHECK, (WPARAM)nCheck, 0);
    }
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    int nChecked = -1;
    int iButton = 0;
    do {
        if (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) != 0 && nChecked < 0)
                    nChecked = iButton;
            } else {
                ::SendMessageA(hWndCtrl, BM_SETCHECK, (WPARAM)(iButton == value), 0);
            }
            ++iButton;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != nullptr && !(::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP));
    if (pDX->m_bSaveAndValidate)
        pDX->Store(value, nChecked);
}

namespace {

// The selected entry's text of a list box, empty when none is selected.
CString ListSelectionText(HWND hWnd)
{
    return fw::SelectedItemText(hWnd, LB_GETCURSEL, LB_GETTEXTLEN, LB_GETTEXT);
}

} // namespace

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        pDX->Store(value, ListSelectionText(hWndCtrl));
    else if (::SendMessageA(hWndCtrl, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCSTR)value) == LB_ERR)
        ::SendMessageA(hWndCtrl, LB_SETCURSEL, (WPARAM)-1, 0);
}

void AFXAPI DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        pDX->Store(value, ListSelectionText(hWndCtrl));
    } else {
        int nIndex =
            (int)::SendMessageA(hWndCtrl, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCSTR)value);
        ::SendMessageA(hWndCtrl, LB_SETCURSEL, (WPARAM)(nIndex >= 0 ? nIndex : -1), 0);
    }
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        pDX->Store(index, (int)::SendMessageA(hWndCtrl, LB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(hWndCtrl, LB_SETCURSEL, (WPARAM)index, 0);
}

namespace {

BOOL IsDropDownList(HWND hWnd)
{
    return (::GetWindowLongA(hWnd, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST;
}

// What a combo box shows: its edit text, or for a drop-down list the selected entry.
CString ComboText(HWND hWnd)
{
    if (!IsDropDownList(hWnd))
        return WindowText(hWnd);
    return fw::SelectedItemText(hWnd, CB_GETCURSEL, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

// No entry matched: an editable combo box shows the text as typed, a drop-down list
// shows no selection.
void ShowUnmatchedComboText(HWND hWnd, LPCSTR lpszText)
{
    if (IsDropDownList(hWnd))
        ::SendMessageA(hWnd, CB_SETCURSEL, (WPARAM)-1, 0);
    else
        SetWindowTextIfChanged(hWnd, lpszText);
}

} // namespace

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!IsDropDownList(hWndCtrl))
        pDX->m_bEditLastControl = TRUE;
    if (pDX->m_bSaveAndValidate) {
        pDX->Store(value, ComboText(hWndCtrl));
    } else if (::SendMessageA(hWndCtrl, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCSTR)value) ==
               CB_ERR) {
        ShowUnmatchedComboText(hWndCtrl, value);
    }
}

void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!IsDropDownList(hWndCtrl))
        pDX->m_bEditLastControl = TRUE;
    if (pDX->m_bSaveAndValidate) {
        pDX->Store(value, ComboText(hWndCtrl));
    } else {
        int nIndex =
            (int)::SendMessageA(hWndCtrl, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCSTR)value);
        if (nIndex >= 0)
            ::SendMessageA(hWndCtrl, CB_SETCURSEL, (WPARAM)nIndex, 0);
        else
            ShowUnmatchedComboText(hWndCtrl, value);
    }
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        pDX->Store(index, (int)::SendMessageA(hWndCtrl, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_Scroll(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        pDX->Store(value, ::GetScrollPos(hWndCtrl, SB_CTL));
    else
        ::SetScrollPos(hWndCtrl, SB_CTL, value, TRUE);
}

void AFXAPI DDX_Slider(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        pDX->Store(value, (int)::SendMessageA(hWndCtrl, TBM_GETPOS, 0, 0));
    else
        ::SendMessageA(hWndCtrl, TBM_SETPOS, TRUE, (LPARAM)value);
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr)
        return; // bound on an earlier exchange
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException(); // already bound to another object
}
