// Property sheets on the system control: pages from templates with their lists, data that
// follows the page being left, Apply and OK reaching every page that was shown and only
// those, SetModified and the Apply button, and a page that refuses to be left.
#include <gtest/gtest.h>

#include "dialog_test_res.h"
#include "modal_support.h"

namespace {

const int ID_APPLY = 0x3021; // the sheet's Apply button

class CPortPage : public CPropertyPage
{
public:
    CPortPage() : CPropertyPage(IDD_PAGE_PORT) { }
    CString m_strPort = "COM 2";
    int m_nApplies = 0;
    int m_nResets = 0;
    BOOL OnApply() override
    {
        ++m_nApplies;
        return CPropertyPage::OnApply();
    }
    void OnReset() override { ++m_nResets; }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_CBString(pDX, IDC_PORT, m_strPort); }
};

class CCharPage : public CPropertyPage
{
public:
    CCharPage() : CPropertyPage(IDD_PAGE_CHARS) { }
    CString m_strChar = "-";
    int m_nApplies = 0;
    BOOL OnApply() override
    {
        ++m_nApplies;
        return CPropertyPage::OnApply();
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_CHAR, m_strChar);
        DDV_MaxChars(pDX, m_strChar, 1);
    }
};

class CThirdPage : public CPropertyPage
{
public:
    CThirdPage() : CPropertyPage(IDD_PAGE_THIRD) { }
    int m_nApplies = 0;
    BOOL OnApply() override
    {
        ++m_nApplies;
        return CPropertyPage::OnApply();
    }
};

class CSetupSheet : public CPropertySheet
{
public:
    CSetupSheet() : CPropertySheet("Setup")
    {
        AddPage(&m_port);
        AddPage(&m_chars);
        AddPage(&m_third);
    }
    CPortPage m_port;
    CCharPage m_chars;
    CThirdPage m_third;

    BOOL OnInitDialog() override
    {
        BOOL bResult = CPropertySheet::OnInitDialog();
        CString strTitle;
        strTitle.LoadString(IDS_SHEET_CAPTION);
        SetWindowText(strTitle);
        return bResult;
    }
};

TEST(PropertySheets, OkAppliesEveryPageThatWasShownAndOnlyThose)
{
    CSetupSheet sheet;
    CModalReplies modal;
    BOOL bScriptRan = FALSE;
    modal.Script([&](CWnd* pWnd) {
        bScriptRan = TRUE;
        EXPECT_EQ(pWnd, &sheet);
        CString strTitle;
        pWnd->GetWindowText(strTitle);
        EXPECT_STREQ(strTitle, "Closed Caption Setup");
        EXPECT_EQ(sheet.GetPageCount(), 3);

        // The first page: its template's list and its member, bound to the page object.
        ASSERT_EQ(sheet.GetActivePage(), &sheet.m_port);
        EXPECT_EQ(::GetParent(sheet.m_port.m_hWnd), sheet.m_hWnd);
        EXPECT_EQ(sheet.m_port.SendDlgItemMessage(IDC_PORT, CB_GETCOUNT), 2);
        EXPECT_STREQ(DlgItemText(&sheet.m_port, IDC_PORT), "COM 2");
        sheet.m_port.SendDlgItemMessage(IDC_PORT, CB_SETCURSEL, 0);

        // Leaving the page takes its data.
        ASSERT_TRUE(sheet.SetActivePage(1));
        EXPECT_EQ(sheet.GetActiveIndex(), 1);
        EXPECT_STREQ(sheet.m_port.m_strPort, "COM 1");
        EXPECT_STREQ(DlgItemText(&sheet.m_chars, IDC_CHAR), "-");
        sheet.m_chars.SetDlgItemText(IDC_CHAR, "&");
        PressButton(pWnd, IDOK);
    });

    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_TRUE(bScriptRan);
    EXPECT_EQ(sheet.m_port.m_nApplies, 1);
    EXPECT_EQ(sheet.m_chars.m_nApplies, 1);
    EXPECT_EQ(sheet.m_third.m_nApplies, 0); // never shown
    EXPECT_STREQ(sheet.m_chars.m_strChar, "&");
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    EXPECT_EQ(sheet.m_port.m_hWnd, nullptr);
    ASSERT_EQ(modal.Count(), 1u);
    EXPECT_EQ(modal.Request(0).nKind, afxModalPropertySheet);
}

TEST(PropertySheets, ApplyKeepsTheSheetOpenAndCancelAfterItKeepsWhatWasApplied)
{
    CSetupSheet sheet;
    CModalReplies modal;
    modal.Script([&](CWnd* pWnd) {
        HWND hWndApply = ::GetDlgItem(pWnd->m_hWnd, ID_APPLY);
        ASSERT_NE(hWndApply, nullptr);
        EXPECT_FALSE(::IsWindowEnabled(hWndApply));
        sheet.m_port.SetModified(TRUE);
        EXPECT_TRUE(::IsWindowEnabled(hWndApply));

        sheet.m_port.SendDlgItemMessage(IDC_PORT, CB_SETCURSEL, 0);
        PressButton(pWnd, ID_APPLY);
        EXPECT_EQ(sheet.m_port.m_nApplies, 1);
        EXPECT_STREQ(sheet.m_port.m_strPort, "COM 1");
        EXPECT_TRUE(::IsWindow(pWnd->m_hWnd));
        EXPECT_FALSE(::IsWindowEnabled(hWndApply));
        PressButton(pWnd, IDCANCEL);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(sheet.m_port.m_nApplies, 1);
    EXPECT_EQ(sheet.m_port.m_nResets, 1);
    EXPECT_STREQ(sheet.m_port.m_strPort, "COM 1");
}

TEST(PropertySheets, APageThatRefusesItsDataStaysShownAndNothingIsApplied)
{
    CSetupSheet sheet;
    sheet.SetActivePage(1);
    CModalReplies modal;
    CMessageBoxRecorder boxes;
    modal.Script([&](CWnd* pWnd) {
        EXPECT_EQ(sheet.GetActivePage(), &sheet.m_chars);
        sheet.m_chars.SetDlgItemText(IDC_CHAR, "ab");
        PressButton(pWnd, IDOK);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Text(0), "Please enter no more than 1 characters.");
        EXPECT_TRUE(::IsWindow(pWnd->m_hWnd));
        EXPECT_EQ(sheet.GetActivePage(), &sheet.m_chars);
        EXPECT_EQ(sheet.m_chars.m_nApplies, 0);

        // Nor can it be left for another page.
        sheet.SetActivePage(0);
        EXPECT_EQ(sheet.GetActivePage(), &sheet.m_chars);
        EXPECT_EQ(boxes.Count(), 2u);

        sheet.m_chars.SetDlgItemText(IDC_CHAR, "b");
        PressButton(pWnd, IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_STREQ(sheet.m_chars.m_strChar, "b");
    EXPECT_EQ(sheet.m_chars.m_nApplies, 1);
    EXPECT_EQ(sheet.m_port.m_nApplies, 0); // the first page was never shown
}

TEST(PropertySheets, TheSeamAnswersASheetUnseen)
{
    CSetupSheet sheet;
    CModalReplies modal;
    modal.Answer(IDOK);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(sheet.m_port.m_nApplies, 0);
    EXPECT_STREQ(modal.Request(0).strCaption, "Setup");
    // Unattended, without an answerer: cancelled.
    AFX_MODAL_ANSWERER previous = AfxSetModalAnswerer(nullptr);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    AfxSetModalAnswerer(previous);
}

} // namespace
