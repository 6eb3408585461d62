// CDialog: a window made from a dialog template. Templates are found along the resource
// chain (a library's dialog opens from the program), their RT_DLGINIT data fills combo and
// list boxes, and OnInitDialog moves the members into the controls (UpdateData(FALSE)).
//
// DoModal asks the modal seam first (fw/modal.h): a test answers the dialog unseen or
// runs a script on the live dialog; otherwise the dialog runs the framework's modal loop,
// with idle processing, until EndDialog. OK takes the data back (UpdateData(TRUE)) and
// ends the dialog only when it is valid. Create makes a modeless dialog instead.
#pragma once
#include "fw/modal.h"
#include "fw/wnd.h"

class CFont;

class FW_API CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modeless.
    virtual BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr,
                                void* lpDialogInit = nullptr);
    virtual BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = nullptr);

    // Modal.
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr,
                           void* lpDialogInit = nullptr);
    BOOL InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = nullptr);
    // IDOK, IDCANCEL or what EndDialog was given; -1 when the dialog could not be made.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    void MapDialogRect(LPRECT lpRect) const;
    void SetHelpID(UINT nIDR);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;

    // Called when the dialog is up: the RT_DLGINIT data, then UpdateData(FALSE). TRUE lets
    // the system put the focus on the first control.
    virtual BOOL OnInitDialog();
    virtual void OnSetFont(CFont* pFont);
    // OK: UpdateData(TRUE), and EndDialog(IDOK) when that succeeded. Cancel: EndDialog(IDCANCEL).
    virtual void OnOK();
    virtual void OnCancel();

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL CheckAutoCenter() override;

    LPCSTR m_lpszTemplateName; // template name or MAKEINTRESOURCE id
    HGLOBAL m_hDialogTemplate; // an in-memory template (InitModalIndirect)
    LPCDLGTEMPLATE m_lpDialogTemplate;
    void* m_lpDialogInit; // RT_DLGINIT data of an in-memory template
    CWnd* m_pParentWnd; // the parent or owner given
    HWND m_hWndTop; // the top-level window disabled while modal
    UINT m_nIDHelp;

protected:
    // Creates the dialog window from a template, bound to this object.
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    HWND PreModal();
    void PostModal();

    afx_msg LRESULT HandleInitDialog(WPARAM, LPARAM);
    afx_msg LRESULT HandleSetFont(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
};

// The dialog procedure of the framework's dialogs: it calls OnInitDialog; every other
// message goes through the window's message map.
FW_API INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
