// The system's file dialog (open or save). DoModal asks the modal seam first, so a test
// answers it (with a path, or Cancel) without showing it.
#pragma once
#include "fw/collections.h"
#include "fw/modal.h"
#include "fw/dialog.h"

// Common dialogs: the system runs their modal loop. They are dialogs (their window is
// bound to the object while it is up), but the system's dialog procedure handles their
// buttons.
class FW_API CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);
    ~CCommonDialog() override;

    INT_PTR DoModal() override = 0;

protected:
    void OnOK() override;
    void OnCancel() override;
};

class FW_API CFileDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    // lpszFilter: "Name|*.ext|Name2|*.e2||".
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr,
                         LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr);
    ~CFileDialog() override;

    OPENFILENAMEA m_ofn;

    INT_PTR DoModal() override;

    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }
    // Multiple selection (OFN_ALLOWMULTISELECT).
    POSITION GetStartPosition() const { return (POSITION)m_ofn.lpstrFile; }
    CString GetNextPathName(POSITION& pos) const;

protected:
    BOOL m_bOpenFileDialog;
    char* m_pszFilter; // the filter with '|' turned into the system's '\0'
    CString m_strDefExt;
    char m_szFileName[4096];
    char m_szFileTitle[MAX_PATH];
};
