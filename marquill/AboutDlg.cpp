#include "AboutDlg.h"

#include "MarquillResource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) { }

CAboutDlg::~CAboutDlg() = default;

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_picture.SubclassDlgItem(IDC_ABOUT_PICTURE, this) && m_picture.SetBitmap(IDB_SPLASH))
        m_picture.SizeToContent();
    return TRUE;
}
