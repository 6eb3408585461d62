// Dialogs from templates: a modal dialog is filled from its members and its template's
// lists, changed through the modal seam and read back; a value the dialog refuses keeps
// it open and changes nothing; templates come along the resource chain, also from a
// library; modeless dialogs exchange their data on request.
#include <gtest/gtest.h>

#include "dialog_test_res.h"
#include "modal_support.h"
#include "test_library_res.h"

namespace {

class COptionsDlg : public CDialog
{
public:
    explicit COptionsDlg(CWnd* pParent = nullptr) : CDialog(IDD_OPTIONS, pParent) { }

    int m_nLeft = 10;
    CString m_strTitle = "Lead story";
    int m_bMirror = 1;
    int m_nSpacing = 2;
    CString m_strBaud = "96";
    int m_nInits = 0;
    int m_nLeftChanges = 0;
    CString m_strNote;

protected:
    BOOL OnInitDialog() override
    {
        ++m_nInits;
        BOOL bResult = CDialog::OnInitDialog();
        // A string of the program, whichever module the template came from.
        m_strNote.LoadString(IDS_PROGRAM_NOTE);
        SetDlgItemText(IDC_NOTE, m_strNote);
        return bResult;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_LEFT, m_nLeft);
        DDV_MinMaxInt(pDX, m_nLeft, 0, 99);
        DDX_Text(pDX, IDC_TITLE, m_strTitle);
        DDX_Check(pDX, IDC_MIRROR, m_bMirror);
        DDX_Radio(pDX, IDC_SINGLE, m_nSpacing);
        DDX_CBString(pDX, IDC_BAUD, m_strBaud);
    }
    void OnChangeLeft() { ++m_nLeftChanges; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COptionsDlg, CDialog)
    ON_EN_CHANGE(IDC_LEFT, &COptionsDlg::OnChangeLeft)
END_MESSAGE_MAP()

TEST(Dialog, AModalDialogIsFilledChangedThroughTheSeamAndReadBack)
{
    COptionsDlg dlg;
    CModalReplies modal;
    BOOL bScriptRan = FALSE;
    modal.Script([&](CWnd* pDlg) {
        bScriptRan = TRUE;
        EXPECT_TRUE(pDlg->IsWindowVisible() || pDlg->GetStyle() & WS_POPUP);
        // The members and the template's list, in the controls.
        EXPECT_STREQ(DlgItemText(pDlg, IDC_LEFT), "10");
        EXPECT_STREQ(DlgItemText(pDlg, IDC_TITLE), "Lead story");
        EXPECT_EQ(pDlg->IsDlgButtonChecked(IDC_MIRROR), 1u);
        EXPECT_EQ(pDlg->GetCheckedRadioButton(IDC_SINGLE, IDC_DOUBLE), IDC_DOUBLE);
        EXPECT_EQ(pDlg->SendDlgItemMessage(IDC_BAUD, CB_GETCOUNT), 3);
        EXPECT_STREQ(DlgItemText(pDlg, IDC_BAUD), "9600");
        // Loading the controls told nobody of a change.
        EXPECT_EQ(dlg.m_nLeftChanges, 0);

        // The user's changes.
        pDlg->SetDlgItemText(IDC_LEFT, "42");
        EXPECT_EQ(dlg.m_nLeftChanges, 1);
        pDlg->SetDlgItemText(IDC_TITLE, "Weather");
        pDlg->CheckDlgButton(IDC_MIRROR, 0);
        pDlg->CheckRadioButton(IDC_SINGLE, IDC_DOUBLE, IDC_SINGLE);
        pDlg->SendDlgItemMessage(IDC_BAUD, CB_SETCURSEL, 0); // "110"
        PressButton(pDlg, IDOK);
    });

    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(bScriptRan);
    EXPECT_EQ(dlg.m_nInits, 1);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_nLeft, 42);
    EXPECT_STREQ(dlg.m_strTitle, "Weather");
    EXPECT_EQ(dlg.m_bMirror, 0);
    EXPECT_EQ(dlg.m_nSpacing, 0);
    EXPECT_STREQ(dlg.m_strBaud, "110");
    ASSERT_EQ(modal.Count(), 1u);
    EXPECT_EQ(modal.Request(0).nKind, afxModalDialog);
    EXPECT_EQ(modal.Request(0).pObject, &dlg);
    EXPECT_EQ(modal.Request(0).lpszTemplate, MAKEINTRESOURCEA(IDD_OPTIONS));
}

TEST(Dialog, ARefusedValueKeepsTheDialogOpenAndStoresNothing)
{
    COptionsDlg dlg;
    CModalReplies modal;
    CMessageBoxRecorder boxes;
    modal.Script([&](CWnd* pDlg) {
        pDlg->SetDlgItemText(IDC_TITLE, "Weather");
        pDlg->SetDlgItemText(IDC_LEFT, "150");
        PressButton(pDlg, IDOK);

        // Told, still open, the focus on the value at fault, nothing taken.
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Text(0), "Please enter an integer between 0 and 99.");
        EXPECT_TRUE(::IsWindow(pDlg->m_hWnd));
        EXPECT_TRUE(pDlg->IsWindowVisible());
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(pDlg->m_hWnd, IDC_LEFT));
        EXPECT_EQ(dlg.m_nLeft, 10);
        EXPECT_STREQ(dlg.m_strTitle, "Lead story");

        // Enter leaves it open too; Cancel then ends it.
        pDlg->SendMessage(WM_COMMAND, IDOK);
        EXPECT_EQ(boxes.Count(), 2u);
        PressButton(pDlg, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_nLeft, 10);
    EXPECT_STREQ(dlg.m_strTitle, "Lead story");

    // Corrected, it is taken.
    modal.Script([&](CWnd* pDlg) {
        pDlg->SetDlgItemText(IDC_LEFT, "150");
        PressButton(pDlg, IDOK);
        pDlg->SetDlgItemText(IDC_LEFT, "99");
        PressButton(pDlg, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nLeft, 99);
    EXPECT_EQ(boxes.Count(), 3u);
}

TEST(Dialog, TheSeamAnswersUnseenAndAScriptThatLeavesTheDialogOpenCancelsIt)
{
    COptionsDlg dlg;
    {
        CModalReplies modal;
        modal.Answer(IDOK);
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_nInits, 0); // never made

        modal.Script([&](CWnd* pDlg) { pDlg->SetDlgItemText(IDC_TITLE, "Sports"); });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(dlg.m_nInits, 1);
        EXPECT_STREQ(dlg.m_strTitle, "Lead story");
    }
    // No answerer: the test run's environment cancels it unseen.
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST(Dialog, EndDialogDuringStartUpEndsItWithoutTheLoop)
{
    class CQuickDlg : public COptionsDlg
    {
        BOOL OnInitDialog() override
        {
            COptionsDlg::OnInitDialog();
            EndDialog(7);
            return TRUE;
        }
    } dlg;
    CModalReplies modal;
    BOOL bScriptRan = FALSE;
    modal.Script([&](CWnd*) { bScriptRan = TRUE; });
    EXPECT_EQ(dlg.DoModal(), 7);
    EXPECT_FALSE(bScriptRan);
}

TEST(Dialog, TemplatesComeAlongTheResourceChain)
{
    HMODULE hLibrary = ::LoadLibraryA("fw_test_library.dll");
    ASSERT_NE(hLibrary, nullptr);
    {
        // A library's template, opened from the program.
        CDialog library(IDD_LIBRARY_DIALOG);
        CModalReplies modal;
        modal.Script([&](CWnd* pDlg) {
            CString strCaption;
            pDlg->GetWindowText(strCaption);
            EXPECT_STREQ(strCaption, "Library dialog");
            EXPECT_EQ(::FindWindowExA(pDlg->m_hWnd, nullptr, "Static", "From the library") !=
                          nullptr,
                      TRUE);
            pDlg->SendMessage(WM_COMMAND, IDCANCEL);
        });
        EXPECT_EQ(library.DoModal(), IDCANCEL);
        EXPECT_EQ(modal.Count(), 1u);

        // With the resource handle on the library, the program's template, its lists and
        // its strings are still found.
        HINSTANCE hProgram = AfxGetResourceHandle();
        AfxSetResourceHandle(hLibrary);
        COptionsDlg options;
        modal.Script([&](CWnd* pDlg) {
            EXPECT_EQ(pDlg->SendDlgItemMessage(IDC_BAUD, CB_GETCOUNT), 3);
            EXPECT_STREQ(DlgItemText(pDlg, IDC_NOTE), "The program's own text");
            PressButton(pDlg, IDOK);
        });
        EXPECT_EQ(options.DoModal(), IDOK);
        AfxSetResourceHandle(hProgram);
    }
    ::FreeLibrary(hLibrary);

    // A template no module has.
    CModalReplies modal;
    modal.Script([](CWnd*) {});
    CDialog missing(4321);
    EXPECT_EQ(missing.DoModal(), -1);
}

TEST(Dialog, AModelessDialogExchangesItsDataOnRequest)
{
    CWnd owner;
    ASSERT_TRUE(
        owner.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr));
    COptionsDlg dlg;
    dlg.m_nLeft = 5;
    ASSERT_TRUE(dlg.Create(IDD_OPTIONS, &owner));
    EXPECT_EQ(dlg.m_nInits, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(dlg.m_hWnd), &dlg);
    EXPECT_EQ(::GetWindow(dlg.m_hWnd, GW_OWNER), owner.m_hWnd);
    EXPECT_STREQ(DlgItemText(&dlg, IDC_LEFT), "5");
    EXPECT_TRUE(owner.IsWindowEnabled()); // modeless: the owner stays usable

    dlg.SetDlgItemText(IDC_LEFT, "77");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_nLeft, 77);
    dlg.m_strTitle = "Traffic";
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_STREQ(DlgItemText(&dlg, IDC_TITLE), "Traffic");

    CMessageBoxRecorder boxes;
    dlg.SetDlgItemText(IDC_LEFT, "x");
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_nLeft, 77);
    EXPECT_EQ(boxes.Count(), 1u);

    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    owner.DestroyWindow();
}

} // namespace
