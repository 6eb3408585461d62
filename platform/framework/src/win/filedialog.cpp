// The system's open and save dialogs, asked of the modal seam first.
#include "fw/win.h"
#include "docview_util.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)
IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

CCommonDialog::CCommonDialog(CWnd* pParentWnd) { m_pParentWnd = pParentWnd; }

CCommonDialog::~CCommonDialog() = default;

void CCommonDialog::OnOK()
{
    if (UpdateData(TRUE))
        Default();
}

void CCommonDialog::OnCancel() { Default(); }

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName,
                         DWORD dwFlags, LPCSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_bOpenFileDialog(bOpenFileDialog), m_pszFilter(nullptr)
{
    memset(&m_ofn, 0, sizeof m_ofn);
    m_szFileName[0] = '\0';
    m_szFileTitle[0] = '\0';
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof m_szFileName;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof m_szFileTitle;
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    m_ofn.hInstance = AfxGetResourceHandle();
    if (lpszDefExt != nullptr) {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt;
    }
    if (lpszFileName != nullptr)
        lstrcpynA(m_szFileName, lpszFileName, sizeof m_szFileName);
    if (lpszFilter != nullptr) {
        // "Name|*.ext|...||" as the system wants it: '\0' between the parts.
        size_t nLen = strlen(lpszFilter);
        m_pszFilter = new char[nLen + 2];
        memcpy(m_pszFilter, lpszFilter, nLen + 1);
        m_pszFilter[nLen + 1] = '\0';
        for (char* p = m_pszFilter; *p != '\0'; ++p)
            if (*p == '|')
                *p = '\0';
        m_ofn.lpstrFilter = m_pszFilter;
    }
}

CFileDialog::~CFileDialog() { delete[] m_pszFilter; }

namespace {

struct ScriptHookData
{
    const std::function<void(CWnd*)>* pfnScript;
    LPOFNHOOKPROC pfnPreviousHook;
    LPARAM lPreviousCustData;
};

// Runs a test's script on the live dialog once it is up, then cancels a dialog the
// script left open.
UINT_PTR CALLBACK ScriptHook(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    static thread_local ScriptHookData* t_pData = nullptr;
    if (nMsg == WM_INITDIALOG) {
        OPENFILENAMEA* pofn = (OPENFILENAMEA*)lParam;
        t_pData = (ScriptHookData*)pofn->lCustData;
    }
    if (t_pData == nullptr)
        return 0;
    if (nMsg == WM_NOTIFY && ((OFNOTIFYA*)lParam)->hdr.code == CDN_INITDONE) {
        HWND hWndDialog = ::GetParent(hDlg);
        const std::function<void(CWnd*)>* pfnScript = t_pData->pfnScript;
        t_pData->pfnScript = nullptr;
        if (pfnScript != nullptr) {
            AfxRunModalScript(hWndDialog, *pfnScript);
            ::PostMessageA(hWndDialog, WM_COMMAND, IDCANCEL, 0); // after whatever the script posted
        }
    }
    if (t_pData->pfnPreviousHook != nullptr)
        return t_pData->pfnPreviousHook(hDlg, nMsg, wParam, lParam);
    return 0;
}

} // namespace

INT_PTR CFileDialog::DoModal()
{
    AFX_MODAL_REQUEST request = {};
    request.nKind = afxModalFileDialog;
    request.pObject = this;
    request.hWndOwner = PreModal();
    request.strCaption =
        m_ofn.lpstrTitle != nullptr ? m_ofn.lpstrTitle : (m_bOpenFileDialog ? "Open" : "Save As");
    AFX_MODAL_REPLY reply = AfxAskModalAnswer(request);

    if (reply.nAction == AFX_MODAL_REPLY::answer) {
        if (reply.nResult != IDOK || reply.strFileName.IsEmpty())
            return reply.nResult == IDOK ? IDCANCEL : reply.nResult;
        // Answered unseen with a path: as if it had been chosen.
        lstrcpynA(m_ofn.lpstrFile, reply.strFileName, (int)m_ofn.nMaxFile);
        CString strName = fw::FileTitleOf(m_ofn.lpstrFile);
        m_ofn.nFileOffset = (WORD)(lstrlenA(m_ofn.lpstrFile) - strName.GetLength());
        int iDot = strName.ReverseFind('.');
        m_ofn.nFileExtension = (WORD)(iDot >= 0 ? m_ofn.nFileOffset + iDot + 1 : 0);
        if (m_ofn.lpstrFileTitle != nullptr)
            lstrcpynA(m_ofn.lpstrFileTitle, strName, (int)m_ofn.nMaxFileTitle);
        return IDOK;
    }

    m_ofn.hwndOwner = request.hWndOwner;
    ScriptHookData data = {nullptr, nullptr, 0};
    OPENFILENAMEA ofnSaved = m_ofn;
    if (reply.nAction == AFX_MODAL_REPLY::script) {
        data.pfnScript = &reply.fnScript;
        data.pfnPreviousHook = (m_ofn.Flags & OFN_ENABLEHOOK) ? m_ofn.lpfnHook : nullptr;
        data.lPreviousCustData = m_ofn.lCustData;
        m_ofn.Flags |= OFN_ENABLEHOOK | OFN_EXPLORER;
        m_ofn.lpfnHook = ScriptHook;
        m_ofn.lCustData = (LPARAM)&data;
    }
    BOOL bResult = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    if (reply.nAction == AFX_MODAL_REPLY::script) {
        m_ofn.Flags = ofnSaved.Flags;
        m_ofn.lpfnHook = ofnSaved.lpfnHook;
        m_ofn.lCustData = ofnSaved.lCustData;
    }
    PostModal();
    return bResult ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    if ((m_ofn.Flags & OFN_ALLOWMULTISELECT) && m_ofn.nFileOffset > 0 &&
        m_ofn.lpstrFile[m_ofn.nFileOffset - 1] == '\0') {
        // Several files chosen: the first one's path.
        POSITION pos = GetStartPosition();
        return GetNextPathName(pos);
    }
    return CString(m_ofn.lpstrFile);
}

CString CFileDialog::GetFileName() const { return fw::FileTitleOf(GetPathName()); }

CString CFileDialog::GetFileExt() const
{
    CString strName = GetFileName();
    int iDot = strName.ReverseFind('.');
    return iDot >= 0 ? strName.Mid(iDot + 1) : CString();
}

CString CFileDialog::GetFileTitle() const
{
    CString strName = GetFileName();
    int iDot = strName.ReverseFind('.');
    return iDot >= 0 ? strName.Left(iDot) : strName;
}

CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    LPCSTR lpsz = (LPCSTR)pos;
    if (lpsz == nullptr)
        return CString();
    LPCSTR lpszFirst = m_ofn.lpstrFile;
    if (lpsz == lpszFirst && lpszFirst[m_ofn.nFileOffset > 0 ? m_ofn.nFileOffset - 1 : 0] != '\0') {
        // One file: the whole buffer is its path.
        pos = nullptr;
        return CString(lpszFirst);
    }
    // "folder\0name1\0name2\0\0"
    if (lpsz == lpszFirst)
        lpsz += strlen(lpsz) + 1;
    CString strPath(lpszFirst);
    if (strPath.GetLength() > 0 && strPath[strPath.GetLength() - 1] != '\\')
        strPath += '\\';
    strPath += lpsz;
    lpsz += strlen(lpsz) + 1;
    pos = *lpsz != '\0' ? (POSITION)lpsz : nullptr;
    return strPath;
}
