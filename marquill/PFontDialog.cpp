#include "PFontDialog.h"

#include <cstring>

CPFontDialog::CPFontDialog(LPCSTR lpszFaceName)
    : CFontDialog(nullptr, CF_SCREENFONTS | CF_EFFECTS), m_strSample("Sample Text")
{
    if (lpszFaceName) {
        ::lstrcpynA(m_lf.lfFaceName, lpszFaceName, LF_FACESIZE);
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
}

CPFontDialog::CPFontDialog(LPLOGFONTA lplfInitial, LPCSTR lpszSample, CWnd* pParentWnd)
    : CFontDialog(lplfInitial, CF_SCREENFONTS | CF_EFFECTS, nullptr, pParentWnd),
      m_strSample(lpszSample ? lpszSample : "")
{ }

CPFontDialog::~CPFontDialog() = default;

BOOL CPFontDialog::OnInitDialog()
{
    const BOOL bResult = CFontDialog::OnInitDialog();
    SetDlgItemText(kSampleControl, m_strSample);
    return bResult;
}
