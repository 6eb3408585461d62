#include "NewScriptDlg.h"

#include "BrovanexResource.h"
#include "LibraryResourceScope.h"
#include "fw/dataexchange.h"
#include "fw/msgbox.h"

BEGIN_MESSAGE_MAP(CNewScriptDlg, CDialog)
    ON_BN_CLICKED(IDC_NEW_SCRIPT_OPEN, &CNewScriptDlg::OnOpenInEditor)
END_MESSAGE_MAP()

CNewScriptDlg::CNewScriptDlg(CWnd* pParent) : CDialog(IDD_NEW_SCRIPT, pParent), m_bOpenInEditor(0)
{ }

INT_PTR CNewScriptDlg::DoModal()
{
    CLibraryResourceScope scope;
    return CDialog::DoModal();
}

bool CNewScriptDlg::IsReservedTitle(const CString& title)
{
    return title.CompareNoCase("Break") == 0 || title.CompareNoCase("End Of Show") == 0 ||
        title.CompareNoCase("Segment") == 0;
}

void CNewScriptDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NEW_SCRIPT_TITLE, Title);
    DDX_Text(pDX, IDC_NEW_SCRIPT_TALENT, Talent);
}

void CNewScriptDlg::AcceptTitle()
{
    CLibraryResourceScope scope;
    CString title;
    GetDlgItemText(IDC_NEW_SCRIPT_TITLE, title);
    if (IsReservedTitle(title)) {
        AfxMessageBox("Invalid Script Title Entered.\nPlease Change.", MB_OK);
        return;
    }
    CDialog::OnOK();
}

void CNewScriptDlg::OnOK() { AcceptTitle(); }

void CNewScriptDlg::OnOpenInEditor()
{
    m_bOpenInEditor = 1;
    AcceptTitle();
}
