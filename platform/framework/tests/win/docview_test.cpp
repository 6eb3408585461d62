// Documents, views and frames: command routing, menu updates, an MDI frame with two
// templates, the save question on close and saving that never loses the old file.
#include <gtest/gtest.h>

#include "docview_fixture.h"

#include <fstream>
#include <sstream>

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string TempFolder()
{
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    std::string folder = std::string(szTemp) + "fw_docview_test\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

int FilesIn(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE hFind = ::FindFirstFileA((folder + "*").c_str(), &data);
    int nFiles = 0;
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                nFiles++;
        } while (::FindNextFileA(hFind, &data));
        ::FindClose(hFind);
    }
    return nFiles;
}

CFrameWnd* FrameOf(CDocument* pDoc)
{
    POSITION pos = pDoc->GetFirstViewPosition();
    return pos != nullptr ? pDoc->GetNextView(pos)->GetParentFrame() : nullptr;
}

TEST(CommandRouting, GoesToTheViewThenTheDocumentThenTheFramesThenTheApplication)
{
    DocViewProgram program;
    ASSERT_NE(program.pMainFrame, nullptr);
    CDocument* pDoc = program.pNoteTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(pDoc, nullptr);

    struct Case
    {
        unsigned nTakers;
        const char* pszTaker;
    } cases[] = {
        {routeView | routeDoc | routeChild | routeMain | routeApp, "view"},
        {routeDoc | routeChild | routeMain | routeApp, "document"},
        {routeChild | routeMain | routeApp, "child frame"},
        {routeMain | routeApp, "main frame"},
        {routeApp, "application"},
        {0, ""},
    };
    for (const Case& c : cases) {
        Route() = RouteTrace();
        Route().nTakers = c.nTakers;
        program.pMainFrame->SendMessage(WM_COMMAND, ID_TEST_ROUTE);
        EXPECT_EQ(Route().strTaker, c.pszTaker) << "takers " << c.nTakers;
    }

    // The child's accelerator (Ctrl+R) reaches the same command through the main frame.
    Route() = RouteTrace();
    Route().nTakers = routeDoc;
    MSG msg = {FrameOf(pDoc)->GetActiveView()->m_hWnd, WM_KEYDOWN, 'R', 0, 0, {0, 0}};
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    EXPECT_TRUE(program.pMainFrame->PreTranslateMessage(&msg));
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(Route().strTaker, "document");
}

TEST(CommandRouting, UpdateHandlersEnableAndCheckMenuItems)
{
    DocViewProgram program;
    ASSERT_NE(program.pMainFrame, nullptr);
    ASSERT_NE(program.pNoteTemplate->OpenDocumentFile(nullptr), nullptr);
    CMenu* pMenu = program.pMainFrame->GetMenu();
    ASSERT_NE(pMenu, nullptr);
    ASSERT_EQ(pMenu->m_hMenu, program.pNoteTemplate->m_hMenuShared); // the active child's menu
    CMenu* pNoteMenu = pMenu->GetSubMenu(1);

    struct Case
    {
        BOOL bEnable;
        int nCheck;
    } cases[] = {{TRUE, 1}, {FALSE, 0}, {TRUE, 0}};
    for (const Case& c : cases) {
        Updates().bEnable = c.bEnable;
        Updates().nCheck = c.nCheck;
        program.pMainFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)pNoteMenu->m_hMenu, 1);
        UINT nState = pNoteMenu->GetMenuState(ID_TEST_CHECKED, MF_BYCOMMAND);
        EXPECT_EQ((nState & MF_GRAYED) == 0, c.bEnable == TRUE);
        EXPECT_EQ((nState & MF_CHECKED) != 0, c.nCheck == 1);
    }
    // No handler anywhere: greyed. A handler somewhere: enabled.
    EXPECT_NE(pNoteMenu->GetMenuState(ID_TEST_NOHANDLER, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(pNoteMenu->GetMenuState(ID_TEST_ROUTE, MF_BYCOMMAND) & MF_GRAYED, 0u);

    // A command its update handler disables is not carried out.
    CNoteView::s_nDisabledRuns = 0;
    program.pMainFrame->SendMessage(WM_COMMAND, ID_TEST_DISABLED);
    EXPECT_EQ(CNoteView::s_nDisabledRuns, 0);
}

TEST(MdiFrame, OpensActivatesAndClosesTwoDocumentsOfTwoTemplates)
{
    DocViewProgram program;
    ASSERT_NE(program.pMainFrame, nullptr);
    CTestMainFrame* pMain = program.pMainFrame;
    HMENU hMenuDefault = pMain->m_hMenuDefault;

    CDocument* pNote = program.pNoteTemplate->OpenDocumentFile(nullptr);
    CDocument* pShow = program.pShowTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(pNote, nullptr);
    ASSERT_NE(pShow, nullptr);
    EXPECT_STREQ(pNote->GetTitle(), "Note1");
    EXPECT_STREQ(pShow->GetTitle(), "Show1");
    CFrameWnd* pNoteFrame = FrameOf(pNote);
    CFrameWnd* pShowFrame = FrameOf(pShow);
    ASSERT_NE(pNoteFrame, nullptr);
    ASSERT_NE(pShowFrame, nullptr);
    EXPECT_EQ(::GetParent(pNoteFrame->m_hWnd), pMain->m_hWndMDIClient);

    // The last opened is active; the frame shows its template's menu and title.
    EXPECT_EQ(pMain->MDIGetActive(), pShowFrame);
    EXPECT_EQ(::GetMenu(pMain->m_hWnd), program.pShowTemplate->m_hMenuShared);
    EXPECT_EQ(pMain->GetActiveFrame()->GetActiveDocument(), pShow);
    CString strTitle;
    pShowFrame->GetWindowText(strTitle);
    EXPECT_STREQ(strTitle, "Show1");
    // Each view had its initial update once.
    EXPECT_EQ(((CNoteView*)pNoteFrame->GetActiveView())->m_nInitialUpdates, 1);

    pMain->MDIActivate(pNoteFrame);
    EXPECT_EQ(pMain->MDIGetActive(), pNoteFrame);
    EXPECT_EQ(::GetMenu(pMain->m_hWnd), program.pNoteTemplate->m_hMenuShared);
    pMain->GetWindowText(strTitle);
    EXPECT_STREQ(strTitle, "Note1 - Rundown Test");

    // Closing the active one activates the other; closing that puts the frame's own
    // menu back.
    pNote->OnCloseDocument();
    EXPECT_EQ(program.app.GetOpenDocumentCount(), 1);
    EXPECT_EQ(pMain->MDIGetActive(), pShowFrame);
    EXPECT_EQ(::GetMenu(pMain->m_hWnd), program.pShowTemplate->m_hMenuShared);
    pShowFrame->SendMessage(WM_CLOSE); // unmodified: no question
    EXPECT_EQ(program.app.GetOpenDocumentCount(), 0);
    EXPECT_EQ(pMain->MDIGetActive(), nullptr);
    EXPECT_EQ(::GetMenu(pMain->m_hWnd), hMenuDefault);
    // The templates' menus survived their children.
    EXPECT_TRUE(::IsMenu(program.pNoteTemplate->m_hMenuShared));
}

TEST(SaveOnClose, TheQuestionIsAnsweredThroughTheSeams)
{
    DocViewProgram program;
    ASSERT_NE(program.pMainFrame, nullptr);
    std::string folder = TempFolder();
    std::string path = folder + "answered.mqnote";
    ::DeleteFileA(path.c_str());

    CNoteDoc* pDoc = (CNoteDoc*)program.pNoteTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(pDoc, nullptr);
    pDoc->m_strText = "Good evening";
    pDoc->SetModifiedFlag();
    {
        // Cancel: the window stays, the document too.
        CMessageBoxRecorder boxes(IDCANCEL);
        FrameOf(pDoc)->SendMessage(WM_CLOSE);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Text(0), "Save changes to Note1?");
        EXPECT_EQ(boxes.Request(0).nType & MB_TYPEMASK, (UINT)MB_YESNOCANCEL);
        EXPECT_EQ(program.app.GetOpenDocumentCount(), 1);
    }
    {
        // Yes on an untitled document: the save dialog (answered) names the file.
        CMessageBoxRecorder boxes(IDYES);
        AFX_MODAL_ANSWERER previous = AfxSetModalAnswerer([&](const AFX_MODAL_REQUEST& request) {
            EXPECT_EQ(request.nKind, afxModalFileDialog);
            CFileDialog* pDialog = (CFileDialog*)request.pObject;
            EXPECT_STREQ(pDialog->m_ofn.lpstrFile,
                         "Note1.mqnote"); // the title with the template's extension
            return AFX_MODAL_REPLY::Answer(IDOK, path.c_str());
        });
        FrameOf(pDoc)->SendMessage(WM_CLOSE);
        AfxSetModalAnswerer(previous);
        EXPECT_EQ(program.app.GetOpenDocumentCount(), 0);
        EXPECT_EQ(ReadFile(path), "Good evening");
    }
    {
        // No: closed, and the file keeps what was saved.
        pDoc = (CNoteDoc*)program.app.OpenDocumentFile(path.c_str());
        ASSERT_NE(pDoc, nullptr);
        EXPECT_STREQ(pDoc->m_strText, "Good evening");
        pDoc->m_strText = "Changed";
        pDoc->SetModifiedFlag();
        CMessageBoxRecorder boxes(IDNO);
        FrameOf(pDoc)->SendMessage(WM_CLOSE);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Text(0), "Save changes to answered.mqnote?");
        EXPECT_EQ(program.app.GetOpenDocumentCount(), 0);
        EXPECT_EQ(ReadFile(path), "Good evening");
    }
    ::DeleteFileA(path.c_str());
}

TEST(SafeSave, ASaveThatFailsHalfWayLeavesTheOldFileIntact)
{
    DocViewProgram program;
    ASSERT_NE(program.pMainFrame, nullptr);
    std::string folder = TempFolder() + "safe\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    std::string path = folder + "rundown.mqnote";
    WriteFile(path, "The old script");
    int nFilesBefore = FilesIn(folder);

    CNoteDoc* pDoc = (CNoteDoc*)program.app.OpenDocumentFile(path.c_str());
    ASSERT_NE(pDoc, nullptr);
    pDoc->m_strText = "A much longer new script that will not fit";
    pDoc->SetModifiedFlag();
    {
        CMessageBoxRecorder boxes(IDOK);
        CNoteDoc::s_bFailHalfway = TRUE;
        EXPECT_FALSE(pDoc->DoFileSave());
        CNoteDoc::s_bFailHalfway = FALSE;
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Text(0), "Destination disk drive is full.");
    }
    EXPECT_EQ(ReadFile(path), "The old script");
    EXPECT_TRUE(pDoc->IsModified()); // still to be saved
    EXPECT_EQ(FilesIn(folder), nFilesBefore); // no half-written file left behind

    // The next save that works replaces the file whole.
    EXPECT_TRUE(pDoc->DoFileSave());
    EXPECT_EQ(ReadFile(path), "A much longer new script that will not fit");
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_EQ(FilesIn(folder), nFilesBefore);
    pDoc->OnCloseDocument();
    ::DeleteFileA(path.c_str());
    ::RemoveDirectoryA(folder.c_str());
}

} // namespace
