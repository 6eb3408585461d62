// New Script: the title and talent of a script row being added, and whether to open the
// script in the editor. The reserved row titles are refused.
#pragma once
#include "BrovanexApi.h"
#include "fw/dialog.h"

class BROVANEX_API CNewScriptDlg : public CDialog
{
public:
    explicit CNewScriptDlg(CWnd* pParent = nullptr);

    // Runs the dialog from Brovanex's own template (the program has one of that number).
    INT_PTR DoModal() override;

    // "Break", "End Of Show" and "Segment", in any case: the texts of the rows that are
    // not scripts.
    static bool IsReservedTitle(const CString& title);

    CString Talent;
    CString Title;
    int m_bOpenInEditor; // set by Open In Editor, even when the title was refused

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    afx_msg void OnOpenInEditor();
    DECLARE_MESSAGE_MAP()

private:
    // Closes with OK when the title is not reserved; otherwise says so and stays open.
    void AcceptTitle();
};
