// CWnd's dialog data: the RT_DLGINIT lists of a template and data exchange between the
// controls and the members.
#include "fw/win.h"
#include "thread_state.h"

#include <cstring>

// RT_DLGINIT holds, per entry: the control id, the message (in its 16-bit form) and the
// length of a zero-terminated string to add; a control id of 0 ends the list.
#define FW_RT_DLGINIT MAKEINTRESOURCEA(240)
#define FW_WIN16_LB_ADDSTRING 0x0401
#define FW_WIN16_CB_ADDSTRING 0x0403
#define FW_CB_ADDSTRING_EX 0x1234 // an extended combo box's item

namespace {

WORD ReadWord(const BYTE* p)
{
    WORD w;
    memcpy(&w, p, sizeof w);
    return w;
}

DWORD ReadDword(const BYTE* p)
{
    DWORD dw;
    memcpy(&dw, p, sizeof dw);
    return dw;
}

// Adds the entries of a DLGINIT block to hWnd's lists. pEnd bounds a block whose size is
// known (a resource): nothing past it is read, and a block that runs over it fails.
BOOL FillListsFromDlgInit(HWND hWnd, const BYTE* p, const BYTE* pEnd)
{
    const size_t nHeader = 2 * sizeof(WORD) + sizeof(DWORD);
    BOOL bSuccess = TRUE;
    for (;;) {
        if (pEnd != nullptr && (size_t)(pEnd - p) < sizeof(WORD))
            break;
        WORD nIDC = ReadWord(p);
        if (nIDC == 0)
            break;
        if (pEnd != nullptr && (size_t)(pEnd - p) < nHeader)
            return FALSE;
        WORD nMsg = ReadWord(p + 2);
        DWORD dwLen = ReadDword(p + 4);
        p += nHeader;
        if (pEnd != nullptr && dwLen > (DWORD)(pEnd - p))
            return FALSE;
        // The text ends at its terminator or at the entry's end.
        CString strItem((LPCSTR)p, (int)strnlen((const char*)p, dwLen));
        LRESULT lResult = 0;
        if (nMsg == FW_WIN16_LB_ADDSTRING) {
            lResult = ::SendDlgItemMessageA(hWnd, nIDC, LB_ADDSTRING, 0, (LPARAM)(LPCSTR)strItem);
        } else if (nMsg == FW_WIN16_CB_ADDSTRING) {
            lResult = ::SendDlgItemMessageA(hWnd, nIDC, CB_ADDSTRING, 0, (LPARAM)(LPCSTR)strItem);
        } else if (nMsg == FW_CB_ADDSTRING_EX) {
            COMBOBOXEXITEMA item = {};
            item.mask = CBEIF_TEXT;
            item.iItem = -1;
            item.pszText = (LPSTR)(LPCSTR)strItem;
            lResult = ::SendDlgItemMessageA(hWnd, nIDC, CBEM_INSERTITEMA, 0, (LPARAM)&item);
        }
        if (lResult < 0)
            bSuccess = FALSE;
        p += dwLen;
    }
    return bSuccess;
}

} // namespace

BOOL CWnd::ExecuteDlgInit(LPCSTR lpszResourceName)
{
    if (lpszResourceName == nullptr)
        return TRUE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, FW_RT_DLGINIT);
    HRSRC hResource = ::FindResourceA(hInst, lpszResourceName, FW_RT_DLGINIT);
    if (hResource == nullptr)
        return TRUE; // no lists to fill
    HGLOBAL hData = ::LoadResource(hInst, hResource);
    const BYTE* p = hData ? (const BYTE*)::LockResource(hData) : nullptr;
    if (p == nullptr)
        return FALSE;
    return FillListsFromDlgInit(m_hWnd, p, p + ::SizeofResource(hInst, hResource));
}

BOOL CWnd::ExecuteDlgInit(LPVOID lpResource)
{
    // An in-memory block has no stated size: it ends at its zero control id.
    if (lpResource == nullptr)
        return TRUE;
    return FillListsFromDlgInit(m_hWnd, (const BYTE*)lpResource, nullptr);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    // The controls' notifications to this window are dropped while it exchanges, so that
    // a change handler does not read back half-loaded controls.
    fw::ThreadState& state = fw::CurrentThreadState();
    HWND hWndOldLockout = state.hLockoutNotifyWindow;
    state.hLockoutNotifyWindow = m_hWnd;
    BOOL bOK = FALSE;
    try {
        DoDataExchange(&dx);
        bOK = TRUE;
    } catch (CUserException* e) {
        e->Delete(); // the user has been told already
    } catch (CException* e) {
        state.hLockoutNotifyWindow = hWndOldLockout;
        e->ReportError(MB_ICONEXCLAMATION, AFX_IDP_INTERNAL_FAILURE);
        e->Delete();
        return FALSE;
    }
    state.hLockoutNotifyWindow = hWndOldLockout;
    return bOK;
}
