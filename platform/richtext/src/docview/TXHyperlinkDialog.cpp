// The hyperlink dialog and its template in memory.
#include "richtext/TXHyperlinkDialog.h"
#include "DialogTemplate.h"

CTXHyperlinkDialog::CTXHyperlinkDialog(CWnd* pParent) : CDialog() { m_pParentWnd = pParent; }

INT_PTR CTXHyperlinkDialog::DoModal()
{
    using namespace richtext;
    TemplateBuilder t(m_template, "Hyperlink", 240, 74);
    const DWORD edit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    t.Item(kStatic, SS_LEFT, 7, 9, 50, 8, 0xFFFF, "&Text:");
    t.Item(kEdit, edit, 60, 7, 173, 12, IDC_TXH_TEXT, "");
    t.Item(kStatic, SS_LEFT, 7, 27, 50, 8, 0xFFFF, "&Address:");
    t.Item(kEdit, edit, 60, 25, 173, 12, IDC_TXH_ADDRESS, "");
    t.Item(kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, 126, 53, 50, 14, IDOK, "OK");
    t.Item(kButton, BS_PUSHBUTTON | WS_TABSTOP, 183, 53, 50, 14, IDCANCEL, "Cancel");
    if (!InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), m_pParentWnd))
        return -1;
    return CDialog::DoModal();
}

BOOL CTXHyperlinkDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_TXH_TEXT, m_strText);
    SetDlgItemText(IDC_TXH_ADDRESS, m_strAddress);
    return TRUE;
}

void CTXHyperlinkDialog::OnOK()
{
    CString text, address;
    GetDlgItemText(IDC_TXH_TEXT, text);
    GetDlgItemText(IDC_TXH_ADDRESS, address);
    address.TrimLeft();
    address.TrimRight();
    if (address.IsEmpty()) {
        AfxMessageBox("Please enter the address the hyperlink leads to.",
                      MB_OK | MB_ICONINFORMATION);
        GetDlgItem(IDC_TXH_ADDRESS)->SetFocus();
        return;
    }
    m_strText = text;
    m_strAddress = address;
    CDialog::OnOK();
}
