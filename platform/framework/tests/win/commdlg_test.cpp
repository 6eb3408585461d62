// The common dialogs through the modal seam: a font, a colour and a printer chosen by a
// test, the derived font dialog's own start-up, and the modeless find and replace dialog
// telling its owner what to find through its registered message.
#include <gtest/gtest.h>

#include "modal_support.h"
#include "fw/commdlg.h"

#include <string>
#include <vector>

namespace {

// Control ids of the system's dialogs.
const int IDC_FONT_FACES = 0x470; // cmb1
const int IDC_FONT_SIZES = 0x472; // cmb3
const int IDC_FONT_SAMPLE = 0x444; // stc5
const int IDC_COLOR_RED = 706;
const int IDC_COLOR_GREEN = 707;
const int IDC_COLOR_BLUE = 708;
const int IDC_FIND_WHAT = 0x480; // edt1
const int IDC_REPLACE_WITH = 0x481; // edt2
const int IDC_MATCH_CASE = 0x411; // chx2
const int IDC_REPLACE_ALL = 0x401; // psh2

// A font dialog that writes its sample text into the dialog at start-up.
class CSampleFontDialog : public CFontDialog
{
public:
    CSampleFontDialog(LPLOGFONTA lplf, LPCSTR lpszSample)
        : CFontDialog(lplf, CF_SCREENFONTS | CF_EFFECTS), m_strSample(lpszSample)
    { }
    CString m_strSample;

protected:
    BOOL OnInitDialog() override
    {
        BOOL bResult = CFontDialog::OnInitDialog();
        SetDlgItemText(IDC_FONT_SAMPLE, m_strSample);
        return bResult;
    }
};

TEST(CommonDialogs, AFontIsChosenOnTheLiveDialog)
{
    LOGFONTA lf = {};
    lf.lfHeight = -16;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    CSampleFontDialog dlg(&lf, "Marquill");
    dlg.m_cf.rgbColors = RGB(0, 0, 255);

    CModalReplies modal;
    CString strChosenFace;
    modal.Script([&](CWnd* pDlg) {
        EXPECT_EQ(pDlg, &dlg); // the window is bound to the object
        EXPECT_STREQ(DlgItemText(pDlg, IDC_FONT_SAMPLE), "Marquill");
        HWND hWndFaces = ::GetDlgItem(pDlg->m_hWnd, IDC_FONT_FACES);
        int nFaces = (int)::SendMessageA(hWndFaces, CB_GETCOUNT, 0, 0);
        ASSERT_GT(nFaces, 0);
        int nChoice = nFaces - 1;
        char szFace[LF_FACESIZE] = "";
        ::SendMessageA(hWndFaces, CB_GETLBTEXT, (WPARAM)nChoice, (LPARAM)szFace);
        strChosenFace = szFace;
        ::SendMessageA(hWndFaces, CB_SETCURSEL, (WPARAM)nChoice, 0);
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FONT_FACES, CBN_SELCHANGE), (LPARAM)hWndFaces);
        HWND hWndSizes = ::GetDlgItem(pDlg->m_hWnd, IDC_FONT_SIZES);
        int nSize = (int)::SendMessageA(hWndSizes, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM) "24");
        ASSERT_GE(nSize, 0);
        ::SendMessageA(hWndSizes, CB_SETCURSEL, (WPARAM)nSize, 0);
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FONT_SIZES, CBN_SELCHANGE), (LPARAM)hWndSizes);
        PressButton(pDlg, IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_STREQ(dlg.GetFaceName(), strChosenFace);
    EXPECT_EQ(dlg.GetSize(), 240);
    EXPECT_EQ(dlg.GetColor(), RGB(0, 0, 255));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(modal.Request(0).nKind, afxModalCommonDialog);
}

TEST(CommonDialogs, AnAnswerWrittenIntoTheDialogIsItsChoice)
{
    CFontDialog font;
    CColorDialog colour(RGB(1, 2, 3));
    CModalReplies modal;
    AFX_MODAL_ANSWERER previous = AfxSetModalAnswerer([](const AFX_MODAL_REQUEST& request) {
        if (CFontDialog* pFont = dynamic_cast<CFontDialog*>(request.pObject)) {
            lstrcpyA(pFont->m_lf.lfFaceName, "Courier New");
            pFont->m_lf.lfWeight = FW_BOLD;
        }
        if (CColorDialog* pColour = dynamic_cast<CColorDialog*>(request.pObject))
            pColour->m_cc.rgbResult = RGB(200, 0, 0);
        return AFX_MODAL_REPLY::Answer(IDOK);
    });
    EXPECT_EQ(font.DoModal(), IDOK);
    EXPECT_STREQ(font.GetFaceName(), "Courier New");
    EXPECT_TRUE(font.IsBold());
    EXPECT_EQ(colour.DoModal(), IDOK);
    EXPECT_EQ(colour.GetColor(), RGB(200, 0, 0));
    AfxSetModalAnswerer(previous);

    // Unattended, without an answerer: cancelled unseen, nothing chosen.
    AFX_MODAL_ANSWERER none = AfxSetModalAnswerer(nullptr);
    CColorDialog unattended(RGB(1, 2, 3));
    EXPECT_EQ(unattended.DoModal(), IDCANCEL);
    EXPECT_EQ(unattended.GetColor(), RGB(1, 2, 3));
    AfxSetModalAnswerer(none);
}

TEST(CommonDialogs, AColourIsChosenOnTheLiveDialog)
{
    CColorDialog dlg(RGB(255, 255, 0), CC_FULLOPEN | CC_ANYCOLOR);
    CModalReplies modal;
    modal.Script([&](CWnd* pDlg) {
        EXPECT_EQ(pDlg, &dlg);
        pDlg->SetDlgItemText(IDC_COLOR_RED, "10");
        pDlg->SetDlgItemText(IDC_COLOR_GREEN, "20");
        pDlg->SetDlgItemText(IDC_COLOR_BLUE, "30");
        PressButton(pDlg, IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetColor(), RGB(10, 20, 30));

    // A script that leaves the dialog open cancels it.
    modal.Script([&](CWnd* pDlg) { pDlg->SetDlgItemText(IDC_COLOR_RED, "99"); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST(CommonDialogs, TheDefaultPrinterComesFromTheAnswer)
{
    CPrintDialog dlg(TRUE, 0x14000C);
    CModalReplies modal;
    AFX_MODAL_ANSWERER previous = AfxSetModalAnswerer([](const AFX_MODAL_REQUEST& request) {
        // A DEVNAMES block naming the printer.
        CPrintDialog* pDlg = dynamic_cast<CPrintDialog*>(request.pObject);
        EXPECT_NE(pDlg, nullptr);
        EXPECT_TRUE(pDlg->m_pd.Flags & PD_RETURNDEFAULT);
        const char szNames[] = "winspool\0Studio Printer\0LPT1:\0";
        HGLOBAL hNames = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(DEVNAMES) + sizeof szNames);
        LPDEVNAMES lpNames = (LPDEVNAMES)::GlobalLock(hNames);
        lpNames->wDriverOffset = sizeof(DEVNAMES);
        lpNames->wDeviceOffset = sizeof(DEVNAMES) + 9;
        lpNames->wOutputOffset = sizeof(DEVNAMES) + 24;
        lpNames->wDefault = DN_DEFAULTPRN;
        memcpy(lpNames + 1, szNames, sizeof szNames);
        ::GlobalUnlock(hNames);
        pDlg->m_pd.hDevNames = hNames;
        return AFX_MODAL_REPLY::Answer(IDOK);
    });
    ASSERT_TRUE(dlg.GetDefaults());
    EXPECT_STREQ(dlg.GetDeviceName(), "Studio Printer");
    EXPECT_STREQ(dlg.GetDriverName(), "winspool");
    EXPECT_STREQ(dlg.GetPortName(), "LPT1:");
    EXPECT_FALSE(dlg.m_pd.Flags & PD_RETURNDEFAULT);
    ::GlobalFree(dlg.m_pd.hDevNames);
    dlg.m_pd.hDevNames = nullptr;
    AfxSetModalAnswerer(previous);

    // No printer for a test run unless it says so.
    CPrintDialog none(FALSE);
    EXPECT_FALSE(none.GetDefaults());
    EXPECT_EQ(none.DoModal(), IDCANCEL);
}

// The owner of a find dialog: records every notification it receives.
class CFindOwner : public CWnd
{
public:
    struct Notice
    {
        std::string strFind, strReplace;
        BOOL bFindNext, bReplaceAll, bMatchCase, bDown, bTerminating;
    };
    std::vector<Notice> m_notices;

    CFindOwner()
    {
        EXPECT_TRUE(
            CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr));
    }
    ~CFindOwner() override { DestroyWindow(); }

    LRESULT OnFindReplace(WPARAM, LPARAM lParam)
    {
        CFindReplaceDialog* pDlg = CFindReplaceDialog::GetNotifier(lParam);
        m_notices.push_back({(LPCSTR)pDlg->GetFindString(), (LPCSTR)pDlg->GetReplaceString(),
                             pDlg->FindNext(), pDlg->ReplaceAll(), pDlg->MatchCase(),
                             pDlg->SearchDown(), pDlg->IsTerminating()});
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

const UINT g_nFindReplaceMsg = ::RegisterWindowMessageA(FINDMSGSTRINGA);

BEGIN_MESSAGE_MAP(CFindOwner, CWnd)
    ON_REGISTERED_MESSAGE(g_nFindReplaceMsg, &CFindOwner::OnFindReplace)
END_MESSAGE_MAP()

TEST(CommonDialogs, TheFindDialogTellsItsOwnerWhatToFind)
{
    CFindOwner owner;
    CModalReplies modal;
    modal.Script([&](CWnd* pDlg) {
        EXPECT_STREQ(DlgItemText(pDlg, IDC_FIND_WHAT), "lead");
        pDlg->SetDlgItemText(IDC_FIND_WHAT, "Weather");
        pDlg->CheckDlgButton(IDC_MATCH_CASE, 1);
        PressButton(pDlg, IDOK); // Find Next
    });
    CFindReplaceDialog* pDlg = new CFindReplaceDialog;
    ASSERT_TRUE(pDlg->Create(TRUE, "lead", nullptr, FR_DOWN | FR_HIDEWHOLEWORD, &owner));
    HWND hWndDialog = pDlg->m_hWnd;
    EXPECT_TRUE(::IsWindowVisible(hWndDialog)); // modeless: it stays up
    ASSERT_EQ(owner.m_notices.size(), 1u);
    EXPECT_EQ(owner.m_notices[0].strFind, "Weather");
    EXPECT_TRUE(owner.m_notices[0].bFindNext);
    EXPECT_TRUE(owner.m_notices[0].bMatchCase);
    EXPECT_TRUE(owner.m_notices[0].bDown);
    EXPECT_FALSE(owner.m_notices[0].bTerminating);

    // Closing it says so last, and the object goes with its window.
    PressButton(pDlg, IDCANCEL);
    PumpPending();
    EXPECT_FALSE(::IsWindow(hWndDialog));
    ASSERT_EQ(owner.m_notices.size(), 2u);
    EXPECT_TRUE(owner.m_notices[1].bTerminating);
}

TEST(CommonDialogs, TheReplaceDialogAsksToReplaceAll)
{
    CFindOwner owner;
    CModalReplies modal;
    modal.Script([&](CWnd* pDlg) {
        pDlg->SetDlgItemText(IDC_REPLACE_WITH, "Sports");
        PressButton(pDlg, IDC_REPLACE_ALL);
        pDlg->SendMessage(WM_CLOSE);
    });
    CFindReplaceDialog* pDlg = new CFindReplaceDialog;
    ASSERT_TRUE(pDlg->Create(FALSE, "Weather", "Traffic", FR_DOWN, &owner));
    PumpPending();
    ASSERT_EQ(owner.m_notices.size(), 2u);
    EXPECT_EQ(owner.m_notices[0].strFind, "Weather");
    EXPECT_EQ(owner.m_notices[0].strReplace, "Sports");
    EXPECT_TRUE(owner.m_notices[0].bReplaceAll);
    EXPECT_TRUE(owner.m_notices[1].bTerminating);
}

} // namespace
