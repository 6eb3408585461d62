// Dialog data exchange on live controls: values go both ways, bad input and values out
// of range are refused with the framework's message, the focus goes back to the control
// at fault, and a failed exchange leaves every member as it was.
#include <gtest/gtest.h>

#include "fw_test_support.h"

namespace {

enum {
    IDC_LEFT = 101,
    IDC_TITLE,
    IDC_PACING,
    IDC_RATE,
    IDC_MIRROR,
    IDC_SINGLE, // radio group: Single, 1.5 Lines, Double
    IDC_ONEHALF,
    IDC_DOUBLE,
    IDC_BAUD,
    IDC_SPEED,
    IDC_AFTER,
    IDC_SCALE,
};

// A window with the controls of a small settings dialog and a DoDataExchange of its own.
class CSettingsWnd : public CWnd
{
public:
    int m_nLeft = 0;
    CString m_strTitle;
    int m_nPacing = 20;
    UINT m_nRate = 0;
    int m_bMirror = 0;
    int m_nSpacing = 0;
    CString m_strBaud;
    int m_nSpeed = -1;
    double m_dScale = 1.0;

    CSettingsWnd()
    {
        EXPECT_TRUE(CreateEx(0, nullptr, "settings", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                             nullptr));
        AddControl("EDIT", WS_TABSTOP | ES_AUTOHSCROLL, IDC_LEFT);
        AddControl("EDIT", WS_TABSTOP | ES_AUTOHSCROLL, IDC_TITLE);
        AddControl("EDIT", WS_TABSTOP | ES_AUTOHSCROLL, IDC_PACING);
        AddControl("EDIT", WS_TABSTOP | ES_AUTOHSCROLL, IDC_RATE);
        AddControl("BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, IDC_MIRROR);
        AddControl("BUTTON", WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, IDC_SINGLE);
        AddControl("BUTTON", BS_AUTORADIOBUTTON, IDC_ONEHALF);
        AddControl("BUTTON", BS_AUTORADIOBUTTON, IDC_DOUBLE);
        AddControl("COMBOBOX", WS_GROUP | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL,
                   IDC_BAUD);
        AddControl("COMBOBOX", WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, IDC_SPEED);
        AddControl("EDIT", WS_TABSTOP | ES_AUTOHSCROLL, IDC_SCALE);
        for (LPCSTR lpsz : {"110", "1200", "9600", "14400"})
            SendDlgItemMessage(IDC_BAUD, CB_ADDSTRING, 0, (LPARAM)lpsz);
        for (LPCSTR lpsz : {"Slow1", "Normal", "Fast1"})
            SendDlgItemMessage(IDC_SPEED, CB_ADDSTRING, 0, (LPARAM)lpsz);
    }
    ~CSettingsWnd() override { DestroyWindow(); }

    // Runs one exchange as UpdateData does: FALSE when it failed.
    BOOL Exchange(BOOL bSave)
    {
        CDataExchange dx(this, bSave);
        try {
            Exchange(&dx);
        } catch (CUserException* e) {
            e->Delete();
            return FALSE;
        }
        return TRUE;
    }

    void Exchange(CDataExchange* pDX)
    {
        DDX_Text(pDX, IDC_LEFT, m_nLeft);
        DDX_Text(pDX, IDC_TITLE, m_strTitle);
        DDV_MaxChars(pDX, m_strTitle, 8);
        DDX_Text(pDX, IDC_PACING, m_nPacing);
        DDV_MinMaxInt(pDX, m_nPacing, 0, 99);
        DDX_Text(pDX, IDC_RATE, m_nRate);
        DDX_Check(pDX, IDC_MIRROR, m_bMirror);
        DDX_Radio(pDX, IDC_SINGLE, m_nSpacing);
        DDX_CBString(pDX, IDC_BAUD, m_strBaud);
        DDX_CBIndex(pDX, IDC_SPEED, m_nSpeed);
        DDX_Text(pDX, IDC_SCALE, m_dScale);
        DDV_MinMaxDouble(pDX, m_dScale, 0.5, 4.0);
    }

    CString Text(int nID) const
    {
        CString str;
        GetDlgItemText(nID, str);
        return str;
    }

private:
    void AddControl(LPCSTR lpszClass, DWORD dwStyle, int nID)
    {
        int y = 4 + (nID - IDC_LEFT) * 22;
        HWND hWnd = ::CreateWindowExA(0, lpszClass, "", WS_CHILD | WS_VISIBLE | dwStyle, 4, y, 150,
                                      lpszClass[0] == 'C' ? 120 : 20, m_hWnd, (HMENU)(INT_PTR)nID,
                                      nullptr, nullptr);
        EXPECT_NE(hWnd, nullptr);
    }
};

TEST(DataExchange, ValuesGoToTheControlsAndComeBack)
{
    CSettingsWnd wnd;
    wnd.m_nLeft = -120;
    wnd.m_strTitle = "Lead";
    wnd.m_nPacing = 48;
    wnd.m_nRate = 180;
    wnd.m_bMirror = 1;
    wnd.m_nSpacing = 2;
    wnd.m_strBaud = "96"; // the first entry that begins with it
    wnd.m_nSpeed = 1;
    wnd.m_dScale = 1.5;
    ASSERT_TRUE(wnd.Exchange(FALSE));

    EXPECT_STREQ(wnd.Text(IDC_LEFT), "-120");
    EXPECT_STREQ(wnd.Text(IDC_RATE), "180");
    EXPECT_EQ(wnd.IsDlgButtonChecked(IDC_MIRROR), 1u);
    EXPECT_EQ(wnd.GetCheckedRadioButton(IDC_SINGLE, IDC_DOUBLE), IDC_DOUBLE);
    EXPECT_STREQ(wnd.Text(IDC_BAUD), "9600");
    EXPECT_STREQ(wnd.Text(IDC_SPEED), "Normal");
    EXPECT_STREQ(wnd.Text(IDC_SCALE), "1.5");
    // The title's edit takes no more than its 8 characters.
    EXPECT_EQ(wnd.SendDlgItemMessage(IDC_TITLE, EM_GETLIMITTEXT), 8);

    // The user changes some of them.
    wnd.SetDlgItemText(IDC_LEFT, " 640 ");
    wnd.SetDlgItemText(IDC_TITLE, "Weather");
    wnd.CheckDlgButton(IDC_MIRROR, 0);
    wnd.CheckRadioButton(IDC_SINGLE, IDC_DOUBLE, IDC_ONEHALF);
    wnd.SendDlgItemMessage(IDC_BAUD, CB_SETCURSEL, 1);
    wnd.SendDlgItemMessage(IDC_SPEED, CB_SETCURSEL, 2);
    ASSERT_TRUE(wnd.Exchange(TRUE));
    EXPECT_EQ(wnd.m_nLeft, 640);
    EXPECT_STREQ(wnd.m_strTitle, "Weather");
    EXPECT_EQ(wnd.m_nPacing, 48);
    EXPECT_EQ(wnd.m_bMirror, 0);
    EXPECT_EQ(wnd.m_nSpacing, 1);
    EXPECT_STREQ(wnd.m_strBaud, "1200");
    EXPECT_EQ(wnd.m_nSpeed, 2);
    EXPECT_DOUBLE_EQ(wnd.m_dScale, 1.5);
}

TEST(DataExchange, ListTextsSelectByPrefixIgnoringCaseOrShowNoSelection)
{
    CSettingsWnd wnd;
    struct
    {
        LPCSTR lpszValue;
        int nSelected;
    } cases[] = {
        {"1200", 1}, {"14", 2}, {"1", 0}, {"2400", -1}, {"96", 3},
    };
    for (const auto& c : cases) {
        wnd.m_strBaud = c.lpszValue;
        ASSERT_TRUE(wnd.Exchange(FALSE)) << c.lpszValue;
        EXPECT_EQ(wnd.SendDlgItemMessage(IDC_BAUD, CB_GETCURSEL), c.nSelected) << c.lpszValue;
    }
    wnd.SendDlgItemMessage(IDC_SPEED, CB_ADDSTRING, 0, (LPARAM) "fast2");
    CDataExchange dx(&wnd, FALSE);
    CString strSpeed = "FAST2";
    DDX_CBString(&dx, IDC_SPEED, strSpeed);
    EXPECT_STREQ(wnd.Text(IDC_SPEED), "fast2");
}

TEST(DataExchange, BadInputIsRefusedAndNothingIsStored)
{
    struct
    {
        int nID;
        LPCSTR lpszText;
        LPCSTR lpszMessage;
    } cases[] = {
        {IDC_LEFT, "12x", "Please enter an integer."},
        {IDC_LEFT, "", "Please enter an integer."},
        // Too big for an int: refused, not wrapped round.
        {IDC_LEFT, "99999999999", "Please enter an integer."},
        {IDC_PACING, "100", "Please enter an integer between 0 and 99."},
        {IDC_PACING, "-1", "Please enter an integer between 0 and 99."},
        {IDC_RATE, "-1", "Please enter a positive integer."},
        {IDC_TITLE, "Breaking news", "Please enter no more than 8 characters."},
        {IDC_SCALE, "4.5", "Please enter a number between 0.5 and 4."},
        {IDC_SCALE, "1,5", "Please enter a number."},
    };
    for (const auto& c : cases) {
        CSettingsWnd wnd;
        wnd.m_nLeft = 7;
        wnd.m_strTitle = "Lead";
        wnd.m_nPacing = 20;
        wnd.m_nRate = 180;
        wnd.m_nSpacing = 0;
        wnd.m_strBaud = "110";
        wnd.m_dScale = 2.0;
        ASSERT_TRUE(wnd.Exchange(FALSE));
        // Every control is edited, and one holds bad input.
        wnd.SetDlgItemText(IDC_LEFT, "8");
        wnd.SetDlgItemText(IDC_TITLE, "Sports");
        wnd.SetDlgItemText(IDC_PACING, "30");
        wnd.SetDlgItemText(IDC_RATE, "200");
        wnd.CheckRadioButton(IDC_SINGLE, IDC_DOUBLE, IDC_DOUBLE);
        wnd.SendDlgItemMessage(IDC_BAUD, CB_SETCURSEL, 3);
        wnd.SetDlgItemText(IDC_SCALE, "3");
        wnd.SetDlgItemText(c.nID, c.lpszText);

        CMessageBoxRecorder boxes;
        EXPECT_FALSE(wnd.Exchange(TRUE)) << c.lpszText;
        ASSERT_EQ(boxes.Count(), 1u) << c.lpszText;
        EXPECT_EQ(boxes.Text(0), c.lpszMessage);
        EXPECT_NE(boxes.Request(0).nType & MB_ICONEXCLAMATION, 0u);

        // Nothing stored, also not what came before the control at fault.
        EXPECT_EQ(wnd.m_nLeft, 7) << c.lpszText;
        EXPECT_STREQ(wnd.m_strTitle, "Lead");
        EXPECT_EQ(wnd.m_nPacing, 20);
        EXPECT_EQ(wnd.m_nRate, 180u);
        EXPECT_EQ(wnd.m_nSpacing, 0);
        EXPECT_STREQ(wnd.m_strBaud, "110");
        EXPECT_DOUBLE_EQ(wnd.m_dScale, 2.0);

        // The control at fault has the focus with its whole text selected.
        HWND hWndFault = ::GetDlgItem(wnd.m_hWnd, c.nID);
        EXPECT_EQ(::GetFocus(), hWndFault) << c.lpszText;
        DWORD dwStart = 0, dwEnd = 0;
        ::SendMessageA(hWndFault, EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
        EXPECT_EQ(dwStart, 0u);
        EXPECT_EQ(dwEnd, (DWORD)lstrlenA(c.lpszText));
    }
}

TEST(DataExchange, ControlsAreBoundOnceAndAMissingControlIsAnError)
{
    CSettingsWnd wnd;
    CComboBox baud;
    {
        CDataExchange dx(&wnd, FALSE);
        DDX_Control(&dx, IDC_BAUD, baud);
        DDX_Control(&dx, IDC_BAUD, baud); // the second exchange finds it bound
    }
    EXPECT_EQ(baud.m_hWnd, ::GetDlgItem(wnd.m_hWnd, IDC_BAUD));
    EXPECT_EQ(CWnd::FromHandlePermanent(baud.m_hWnd), &baud);
    EXPECT_EQ(baud.GetCount(), 4);

    CDataExchange dx(&wnd, TRUE);
    int nValue = 0;
    BOOL bThrown = FALSE;
    try {
        DDX_Text(&dx, 999, nValue);
    } catch (CNotSupportedException* e) {
        bThrown = TRUE;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
    baud.UnsubclassWindow();
}

} // namespace
