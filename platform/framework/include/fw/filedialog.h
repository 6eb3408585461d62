// The system's file dialog (open or save). DoModal asks the modal seam first, so a test
// answers it (with a path, or Cancel) without showing it.
#pragma once
#include "fw/collections.h"
#include "fw/modal.h"
#include "fw/wnd.h"

// Common dialogs: the system runs their modal loop.
class FW_API CCommonDialog : public CWnd
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);
    ~CCommonDialog() override;

    virtual INT_PTR DoModal() = 0;

protected:
    CWnd* m_pParentWnd;
    // The owner a modal common dialog is shown over.
    HWND PreModal();
    void PostModal();
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
