// Break Time: the length of a break as a time of day; OK takes only a text that reads as
// a time in the user's locale.
#pragma once
#include "framework.h"

class CBreakTime : public CDialog
{
public:
    explicit CBreakTime(CWnd* pParent = nullptr);

    // The length in seconds of a text that reads as a time; -1 when it does not.
    static long ParseSeconds(const CString& text);

    CString m_strTime; // "00:00:00" at first

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};
