// The modal machinery and the one seam that answers every modal window.
#include <gtest/gtest.h>

#include "docview_fixture.h"

#include <functional>
#include <vector>

namespace {

// Installs an answerer for one test and records what it was asked.
class ModalAnswerer
{
public:
    explicit ModalAnswerer(std::function<AFX_MODAL_REPLY(const AFX_MODAL_REQUEST&)> fn)
    {
        m_previous = AfxSetModalAnswerer([this, fn](const AFX_MODAL_REQUEST& request) {
            m_kinds.push_back(request.nKind);
            return fn(request);
        });
    }
    ~ModalAnswerer() { AfxSetModalAnswerer(m_previous); }
    std::vector<AfxModalKind> m_kinds;

private:
    AFX_MODAL_ANSWERER m_previous;
};

// A popup that counts its idle kicks and ends itself on the third.
class CKickCounter : public CWnd
{
public:
    int m_nKicks = 0;
    LRESULT OnKickIdle(WPARAM, LPARAM lCount)
    {
        EXPECT_EQ(lCount, m_nKicks); // the idle count rises while the queue stays empty
        if (++m_nKicks == 3)
            EndModalLoop(IDOK);
        return TRUE; // more idle time wanted
    }

protected:
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CKickCounter, CWnd)
    ON_MESSAGE(WM_KICKIDLE, &CKickCounter::OnKickIdle)
END_MESSAGE_MAP()

class COwner : public CWnd
{
public:
    int m_nEnterIdle = 0;
    void OnEnterIdle(UINT nWhy, CWnd*)
    {
        EXPECT_EQ(nWhy, (UINT)MSGF_DIALOGBOX);
        m_nEnterIdle++;
    }

protected:
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(COwner, CWnd)
    ON_WM_ENTERIDLE()
END_MESSAGE_MAP()

TEST(ModalLoop, RunsIdleKicksUntilTheWindowEndsIt)
{
    COwner owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    CKickCounter popup;
    ASSERT_TRUE(popup.CreateEx(0, nullptr, "modal", WS_POPUP, 0, 0, 40, 40, owner.m_hWnd, nullptr));
    EXPECT_EQ(popup.RunModalLoop(MLF_SHOWONIDLE), IDOK);
    EXPECT_EQ(popup.m_nKicks, 3);
    EXPECT_TRUE(popup.IsWindowVisible()); // shown at the first idle time
    EXPECT_GE(owner.m_nEnterIdle, 1);
    EXPECT_FALSE(popup.ContinueModal());
    popup.DestroyWindow();
    owner.DestroyWindow();
}

TEST(ModalLoop, AScriptThatLeavesTheWindowOpenCancelsIt)
{
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, nullptr, "modal", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr));
    bool bRan = false;
    AfxSetModalScript(popup.m_hWnd, [&](CWnd* pWnd) {
        bRan = true;
        EXPECT_EQ(pWnd->m_hWnd, popup.m_hWnd); // the live window
    });
    EXPECT_EQ(popup.RunModalLoop(MLF_NOKICKIDLE), IDCANCEL);
    EXPECT_TRUE(bRan);
    popup.DestroyWindow();
}

TEST(ModalSeam, TheNewDialogIsAnsweredUnseenOrScriptedLive)
{
    DocViewProgram program;
    ASSERT_NE(program.pMainFrame, nullptr);
    {
        // Unseen: Cancel makes nothing, OK takes the first kind.
        ModalAnswerer cancel(
            [](const AFX_MODAL_REQUEST&) { return AFX_MODAL_REPLY::Answer(IDCANCEL); });
        program.app.OnFileNew();
        EXPECT_EQ(program.app.GetOpenDocumentCount(), 0);
        ASSERT_EQ(cancel.m_kinds.size(), 1u);
        EXPECT_EQ(cancel.m_kinds[0], afxModalDialog);
    }
    {
        ModalAnswerer ok([](const AFX_MODAL_REQUEST&) { return AFX_MODAL_REPLY::Answer(IDOK); });
        program.app.OnFileNew();
        ASSERT_EQ(program.app.GetOpenDocumentCount(), 1);
        EXPECT_EQ(program.pNoteTemplate->GetFirstDocPosition() != nullptr, true);
    }
    {
        // Live: the script picks the second kind in the list and presses OK.
        std::string strListed;
        ModalAnswerer script([&](const AFX_MODAL_REQUEST& request) {
            EXPECT_EQ(request.lpszTemplate, MAKEINTRESOURCEA(AFX_IDD_NEWTYPEDLG));
            return AFX_MODAL_REPLY::Script([&](CWnd* pDialog) {
                CWnd* pList = pDialog->GetDlgItem(AFX_IDC_LISTBOX);
                ASSERT_NE(pList, nullptr);
                char szText[64] = "";
                pList->SendMessage(LB_GETTEXT, 1, (LPARAM)szText);
                strListed = szText;
                pList->SendMessage(LB_SETCURSEL, 1);
                pDialog->SendMessage(WM_COMMAND, IDOK);
            });
        });
        program.app.OnFileNew();
        EXPECT_EQ(strListed, "Show list");
        EXPECT_EQ(program.app.GetOpenDocumentCount(), 2);
        EXPECT_NE(program.pShowTemplate->GetFirstDocPosition(), nullptr);
    }
    // No answerer: the test run's environment cancels it without showing it.
    program.app.OnFileNew();
    EXPECT_EQ(program.app.GetOpenDocumentCount(), 2);
}

TEST(ModalSeam, AFileDialogAnsweredWithAPathReportsItsParts)
{
    ModalAnswerer answer([](const AFX_MODAL_REQUEST& request) {
        EXPECT_EQ(request.nKind, afxModalFileDialog);
        return AFX_MODAL_REPLY::Answer(IDOK, "C:\\Shows\\Evening News.shw");
    });
    CFileDialog dlg(TRUE, "shw", "*.shw", OFN_HIDEREADONLY, "Show Files (*.shw)|*.shw||");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_STREQ(dlg.GetPathName(), "C:\\Shows\\Evening News.shw");
    EXPECT_STREQ(dlg.GetFileName(), "Evening News.shw");
    EXPECT_STREQ(dlg.GetFileExt(), "shw");
    EXPECT_STREQ(dlg.GetFileTitle(), "Evening News");
    EXPECT_EQ(dlg.m_ofn.lpstrFile + dlg.m_ofn.nFileOffset, std::string("Evening News.shw"));

    // Cancel leaves the name as it was given.
    ModalAnswerer cancel(
        [](const AFX_MODAL_REQUEST&) { return AFX_MODAL_REPLY::Answer(IDCANCEL); });
    CFileDialog dlgSave(FALSE, "shw", "Rundown.shw");
    EXPECT_EQ(dlgSave.DoModal(), IDCANCEL);
    EXPECT_STREQ(dlgSave.GetPathName(), "Rundown.shw");
}

TEST(ModalSeam, APopupMenuAnsweredWithACommandSendsIt)
{
    class CCommandTaker : public CWnd
    {
    public:
        UINT m_nLast = 0;
        BOOL OnCommand(WPARAM wParam, LPARAM) override
        {
            m_nLast = LOWORD(wParam);
            return TRUE;
        }
    } target;
    ASSERT_TRUE(target.CreateEx(0, nullptr, "target", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 32850, "Add &Break");
    menu.AppendMenu(MF_STRING, 32845, "Column Information");

    ModalAnswerer answer([](const AFX_MODAL_REQUEST& request) {
        EXPECT_EQ(request.nKind, afxModalPopupMenu);
        EXPECT_EQ(::GetMenuItemCount(request.hMenu), 2);
        return AFX_MODAL_REPLY::Answer(32845);
    });
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &target), 32845);
    EXPECT_EQ(target.m_nLast, 0u); // returned, not sent
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 0, 0, &target));
    PumpPending();
    EXPECT_EQ(target.m_nLast, 32845u);
    target.DestroyWindow();
}

TEST(IdleUpdates, ReachEveryVisibleFrameOfTheThread)
{
    CTestApp app;
    int nBefore = AfxGetThreadFrameCount();
    CFrameWnd* pMainFrame = new CFrameWnd;
    CFrameWnd* pFloating = new CFrameWnd; // an owned pop-up frame, as a floating bar's
    ASSERT_TRUE(
        pMainFrame->Create(nullptr, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE | FWS_ADDTOTITLE));
    ASSERT_TRUE(pFloating->Create(nullptr, "floating",
                                  WS_POPUP | WS_CAPTION | WS_VISIBLE | FWS_ADDTOTITLE,
                                  CRect(0, 0, 80, 40), pMainFrame));
    EXPECT_EQ(AfxGetThreadFrameCount(), nBefore + 2);
    app.m_pMainWnd = pMainFrame;

    // A title change waiting for idle time shows in both frames after one idle pass.
    pMainFrame->SetTitle("Main");
    pFloating->SetTitle("Floating");
    pMainFrame->m_nIdleFlags |= CFrameWnd::idleTitle;
    pFloating->m_nIdleFlags |= CFrameWnd::idleTitle;
    app.OnIdle(0);
    CString strMain, strFloating;
    pMainFrame->GetWindowText(strMain);
    pFloating->GetWindowText(strFloating);
    EXPECT_STREQ(strMain, "Main");
    EXPECT_STREQ(strFloating, "Floating");

    pFloating->DestroyWindow(); // deletes itself and leaves the list
    EXPECT_EQ(AfxGetThreadFrameCount(), nBefore + 1);
    app.m_pMainWnd = nullptr;
    pMainFrame->DestroyWindow();
    EXPECT_EQ(AfxGetThreadFrameCount(), nBefore);
    PumpPending();
}

} // namespace
