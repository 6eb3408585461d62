#include "BreakTime.h"

#include "MarquillResource.h"

CBreakTime::CBreakTime(CWnd* pParent) : CDialog(IDD_BREAK_TIME, pParent), m_strTime("00:00:00") { }

void CBreakTime::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_BREAK_TIME_EDIT, m_strTime);
}

long CBreakTime::ParseSeconds(const CString& text)
{
    COleDateTime time;
    if (text.IsEmpty() || !time.ParseDateTime(text, VAR_TIMEVALUEONLY, LANG_USER_DEFAULT) ||
        time.GetStatus() != COleDateTime::valid)
        return -1;
    return time.GetHour() * 3600L + time.GetMinute() * 60L + time.GetSecond();
}

void CBreakTime::OnOK()
{
    CString text;
    GetDlgItemText(IDC_BREAK_TIME_EDIT, text);
    if (ParseSeconds(text) < 0) {
        AfxMessageBox("Enter time as hh:mm:ss", MB_ICONEXCLAMATION);
        return;
    }
    CDialog::OnOK();
}
