// Property sheets on the system's property-sheet control, and their pages. A page is a
// dialog on a child template (found along the resource chain); the sheet tells it when it
// becomes active (the data goes in again), when it is left (the data comes back, and a
// refusal keeps it shown), and on Apply and OK, which reach every page that has been
// shown. SetModified enables the sheet's Apply button.
//
// DoModal asks the modal seam first, then runs the sheet in the framework's modal loop; it
// returns IDOK or IDCANCEL as the button that closed the sheet.
#pragma once
#include "fw/dialog.h"

#include <vector>

class CPropertySheet;

class FW_API CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0);
    ~CPropertyPage() override;
    void Construct(UINT nIDTemplate, UINT nIDCaption = 0);
    void Construct(LPCSTR lpszTemplateName, UINT nIDCaption = 0);

    PROPSHEETPAGEA m_psp;

    // Enables (or disables) the sheet's Apply button for this page.
    void SetModified(BOOL bChanged = TRUE);
    void CancelToClose();
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);

    // Shown: the first time the data went in at start-up, later it goes in again.
    virtual BOOL OnSetActive();
    // Left: the data comes back; FALSE keeps the page shown.
    virtual BOOL OnKillActive();
    // Apply or OK: OnOK by default; FALSE keeps the sheet open on this page.
    virtual BOOL OnApply();
    // Cancel: OnCancel by default.
    virtual void OnReset();
    virtual BOOL OnQueryCancel();
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    virtual BOOL OnWizardFinish();
    void OnOK() override;
    void OnCancel() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    CString m_strCaption;
    BOOL m_bFirstSetActive;

    friend class CPropertySheet;
};

class FW_API CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;
    void Construct(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    void Construct(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    PROPSHEETHEADERA m_psh;

    virtual INT_PTR DoModal();
    // A modeless sheet.
    virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);

    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const;
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage);
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    void SetTitle(LPCSTR lpszText, UINT nStyle = 0);
    CWnd* GetTabControl() const;
    void SetWizardMode();
    void SetWizardButtons(DWORD dwFlags);
    void SetFinishText(LPCSTR lpszText);
    BOOL PressButton(int nButton);
    void EndDialog(int nEndID);

    // Runs the control's own start-up (Default); derived sheets call it first.
    virtual BOOL OnInitDialog();
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL ContinueModal() override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The pages' records, their templates found along the resource chain.
    void BuildPropPageArray();
    afx_msg LRESULT HandleInitDialog(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    std::vector<CPropertyPage*> m_pages;
    std::vector<PROPSHEETPAGEA> m_pageRecords;
    CString m_strCaption;
    CWnd* m_pParentWnd;
    BOOL m_bModeless;
};
