// The rundown's dialogs on their live windows through the modal seam: Column Select
// edits the column information (Cancel changes nothing but still refreshes the view's
// copies); New Script refuses the reserved row titles and comes from the library's own
// template even where the program holds one of the same number.
#include <gtest/gtest.h>

#include "BrovanexResource.h"
#include "modal_support.h"
#include "rundown/ColumnSelectDlg.h"
#include "rundown/LibraryResourceScope.h"
#include "rundown/NewScriptDlg.h"

namespace {
void SetCheck(CWnd* dlg, int id, bool on)
{
    ::SendMessageA(::GetDlgItem(dlg->m_hWnd, id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool IsChecked(CWnd* dlg, int id)
{
    return ::SendMessageA(::GetDlgItem(dlg->m_hWnd, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

CString WindowCaption(CWnd* wnd)
{
    CString text;
    wnd->GetWindowText(text);
    return text;
}
} // namespace

TEST(ColumnSelect, ShowsTheColumnInformationAndOkWritesItBack)
{
    CColInfo info;
    info.RowCount = 12;
    info.ShowERT = 1;
    info.WidthSlug = 200;
    long segmentCopy = -1, separatorCopy = -1;

    CModalReplies modal;
    modal.Script([](CWnd* dlg) {
        EXPECT_TRUE(IsChecked(dlg, IDC_COLSEL_PAGENO));
        EXPECT_TRUE(IsChecked(dlg, IDC_COLSEL_ERT));
        EXPECT_FALSE(IsChecked(dlg, IDC_COLSEL_MISC1));
        EXPECT_STREQ(DlgItemText(dlg, IDC_COLSEL_WIDTH_FIRST + 4), "200"); // Slug
        EXPECT_STREQ(DlgItemText(dlg, IDC_COLSEL_MISC1_TITLE), "Misc1");
        EXPECT_TRUE(IsChecked(dlg, IDC_COLSEL_SEPARATOR));

        SetCheck(dlg, IDC_COLSEL_MISC1, true);
        SetCheck(dlg, IDC_COLSEL_TALENT, false);
        SetCheck(dlg, IDC_COLSEL_SEGMENTS, true);
        SetCheck(dlg, IDC_COLSEL_SEPARATOR, false);
        dlg->SetDlgItemText(IDC_COLSEL_WIDTH_FIRST + 2, "90"); // Misc 1
        dlg->SetDlgItemText(IDC_COLSEL_WIDTH_FIRST + 8, "70000"); // Cume: no range check
        dlg->SetDlgItemText(IDC_COLSEL_MISC1_TITLE, "Camera");
        dlg->SetDlgItemText(IDC_COLSEL_MISC2_TITLE, "Notes");
        PressButton(dlg, IDOK);
    });
    EXPECT_EQ(CColumnSelectDlg::Run(info, segmentCopy, separatorCopy), IDOK);
    ASSERT_EQ(modal.Count(), 1u);
    EXPECT_EQ(modal.Request(0).nKind, afxModalDialog);

    EXPECT_EQ(info.ShowMisc1, 1);
    EXPECT_EQ(info.ShowTalent, 0);
    EXPECT_EQ(info.WidthMisc1, 90);
    EXPECT_EQ(info.WidthCume, 70000);
    EXPECT_STREQ(info.Misc1Title, "Camera");
    EXPECT_STREQ(info.Misc2Title, "Notes");
    EXPECT_EQ(info.UseSegmentNumbering, 1);
    EXPECT_EQ(info.UseScriptSeparator, 0);
    EXPECT_EQ(info.RowCount, 12);
    EXPECT_EQ(segmentCopy, 1);
    EXPECT_EQ(separatorCopy, 0);
}

TEST(ColumnSelect, CancelChangesNothingButRefreshesTheCopies)
{
    CColInfo info;
    info.UseSegmentNumbering = 1;
    const CColInfo before = info;
    long segmentCopy = 0, separatorCopy = 0;

    CModalReplies modal;
    modal.Script([](CWnd* dlg) {
        SetCheck(dlg, IDC_COLSEL_CUME, true);
        dlg->SetDlgItemText(IDC_COLSEL_MISC2_TITLE, "Changed");
        PressButton(dlg, IDCANCEL);
    });
    EXPECT_EQ(CColumnSelectDlg::Run(info, segmentCopy, separatorCopy), IDCANCEL);
    EXPECT_EQ(info.ShowCume, before.ShowCume);
    EXPECT_STREQ(info.Misc2Title, before.Misc2Title);
    EXPECT_EQ(segmentCopy, 1);
    EXPECT_EQ(separatorCopy, 1);
}

TEST(NewScript, ReservedTitlesAreRefusedAndTheDialogStaysOpen)
{
    struct Case
    {
        const char* title;
        bool refused;
    } cases[] = {
        {"end of show", true}, {"END OF SHOW", true},    {"Break", true},          {"bReAk", true},
        {"segment", true},     {"End of Show 2", false}, {"Breaking news", false}, {"", false},
    };
    for (const Case& c : cases) {
        CNewScriptDlg dialog;
        CMessageBoxRecorder boxes;
        bool stillOpen = false;
        CModalReplies modal;
        modal.Script([&](CWnd* dlg) {
            dlg->SetDlgItemText(IDC_NEW_SCRIPT_TITLE, c.title);
            dlg->SetDlgItemText(IDC_NEW_SCRIPT_TALENT, "Anna");
            PressButton(dlg, IDOK);
            stillOpen = ::IsWindow(dlg->m_hWnd) && ::IsWindowVisible(dlg->m_hWnd) &&
                (dlg->m_nFlags & WF_CONTINUEMODAL);
        });
        const INT_PTR result = dialog.DoModal();
        if (c.refused) {
            EXPECT_TRUE(stillOpen) << c.title;
            ASSERT_EQ(boxes.Count(), 1u) << c.title;
            EXPECT_EQ(boxes.Text(0), "Invalid Script Title Entered.\nPlease Change.");
            EXPECT_EQ(result, IDCANCEL) << c.title; // the script left it open
            EXPECT_TRUE(dialog.Title.IsEmpty()) << c.title;
        } else {
            EXPECT_EQ(boxes.Count(), 0u) << c.title;
            EXPECT_EQ(result, IDOK) << c.title;
            EXPECT_STREQ(dialog.Title, c.title);
            EXPECT_STREQ(dialog.Talent, "Anna");
        }
        EXPECT_EQ(dialog.m_bOpenInEditor, 0) << c.title;
    }
}

TEST(NewScript, OpenInEditorIsRememberedEvenWhenTheTitleIsRefused)
{
    CNewScriptDlg dialog;
    dialog.Title = "Lead story.mqd";
    CMessageBoxRecorder boxes;
    CModalReplies modal;
    modal.Script([](CWnd* dlg) {
        EXPECT_STREQ(DlgItemText(dlg, IDC_NEW_SCRIPT_TITLE), "Lead story.mqd");
        dlg->SetDlgItemText(IDC_NEW_SCRIPT_TITLE, "Segment");
        PressButton(dlg, IDC_NEW_SCRIPT_OPEN); // refused, stays open
        dlg->SetDlgItemText(IDC_NEW_SCRIPT_TITLE, "Lead story");
        PressButton(dlg, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(dialog.m_bOpenInEditor, 1);
    EXPECT_STREQ(dialog.Title, "Lead story");
}

// This test program holds a dialog 132 of its own, as Marquill does.
TEST(NewScript, ComesFromTheLibraryWhereTheProgramHoldsTheSameNumber)
{
    const HINSTANCE program = AfxGetResourceHandle();
    CString caption;
    CModalReplies modal;
    modal.Script([&](CWnd* dlg) {
        caption = WindowCaption(dlg);
        EXPECT_EQ(AfxGetResourceHandle(), CLibraryResourceScope::GetLibraryInstance());
        PressButton(dlg, IDCANCEL);
    });
    CNewScriptDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_STREQ(caption, "New Script");
    EXPECT_EQ(AfxGetResourceHandle(), program);

    // Without the scope the program's own dialog 132 is found first.
    CDialog own(IDD_NEW_SCRIPT);
    modal.Script([&](CWnd* dlg) {
        caption = WindowCaption(dlg);
        PressButton(dlg, IDCANCEL);
    });
    own.DoModal();
    EXPECT_STREQ(caption, "The program's dialog");
}
