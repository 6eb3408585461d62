// The main frame's bars: the main toolbar from its resource with its buttons in order, the
// status bar at the bottom as the message bar, and the PowerPoint instructions docked just
// right of the main toolbar only where slide shows can be run; the shell's file types, the
// recent scripts and Exit on the File menu, the bars on the View menu.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "AppTestSupport.h"
#include "MainFrame.h"

namespace {

class MainFrameBars : public AppFixture
{
protected:
    void TearDown() override
    {
        m_app.CloseAllDocuments(TRUE);
        if (m_app.m_pMainWnd && ::IsWindow(m_app.m_pMainWnd->m_hWnd))
            m_app.m_pMainWnd->DestroyWindow();
        m_app.m_pMainWnd = nullptr;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT)
                ::DispatchMessageA(&msg);
        ::UnregisterClassA(kMarquillWindowClass, AfxGetInstanceHandle());
        AppFixture::TearDown();
    }
    CMainFrame* Build(int bPowerPoint)
    {
        EXPECT_TRUE(m_app.FirstInstance());
        m_app.m_bPowerPointAvailable = bPowerPoint;
        m_app.AddScriptTemplate();
        m_app.EnumMonitors();
        EXPECT_TRUE(m_app.CreateMainFrame());
        return static_cast<CMainFrame*>(m_app.m_pMainWnd);
    }
    static CRect ScreenRect(CWnd& wnd)
    {
        CRect rect;
        wnd.GetWindowRect(&rect);
        return rect;
    }
};

TEST_F(MainFrameBars, TheMainToolbarAndTheStatusBar)
{
    CMainFrame* pFrame = Build(0);
    ASSERT_NE(pFrame, nullptr);
    CToolBar& toolbar = pFrame->m_wndToolBar;
    ASSERT_TRUE(::IsWindowVisible(toolbar.m_hWnd));
    CString text;
    toolbar.GetWindowText(text);
    EXPECT_STREQ(text, "ToolBar");
    const UINT expected[] = {57600, 57601, 57603, 0,     57607, 57609, 0, 57635, 57634, 57637,
                             0,     57643, 57644, 57636, 0,     32841, 0, 32973, 57666, 32998};
    ASSERT_EQ(toolbar.GetButtonCount(), (int)std::size(expected));
    for (int i = 0; i < (int)std::size(expected); ++i)
        EXPECT_EQ(toolbar.GetItemID(i), expected[i]) << i;

    CStatusBar& status = pFrame->m_wndStatusBar;
    ASSERT_TRUE(::IsWindowVisible(status.m_hWnd));
    EXPECT_EQ(pFrame->GetMessageBar(), &status);
    EXPECT_EQ(m_app.m_pStatusBarWnd, &status);
    CRect client;
    pFrame->GetClientRect(&client);
    pFrame->ClientToScreen(&client);
    EXPECT_EQ(ScreenRect(status).bottom, client.bottom);
    EXPECT_EQ(ScreenRect(toolbar).top, client.top);
    EXPECT_EQ(pFrame->m_wndPowerPointBar.GetSafeHwnd(), nullptr);

    // The headers bar exists for its images only: hidden, off the screen.
    CToolBar& headers = pFrame->m_wndHeadersBar;
    ASSERT_NE(headers.GetSafeHwnd(), nullptr);
    EXPECT_EQ(headers.GetButtonCount(), 4);
    EXPECT_EQ(headers.GetItemID(0), 32959u);
    EXPECT_FALSE(::IsWindowVisible(headers.m_hWnd));
    EXPECT_LT(ScreenRect(headers).bottom, 0);

    // The toolbar's first button (and File New) reaches the application: a new script.
    pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_FILE_NEW, 0), 0);
    EXPECT_EQ(m_app.m_pDocManager->GetOpenDocumentCount(), 1);
}

TEST_F(MainFrameBars, ThePowerPointInstructionsSitBesideTheMainToolbar)
{
    CMainFrame* pFrame = Build(1);
    ASSERT_NE(pFrame, nullptr);
    CToolBar& slides = pFrame->m_wndPowerPointBar;
    ASSERT_NE(slides.GetSafeHwnd(), nullptr);
    EXPECT_TRUE(::IsWindowVisible(slides.m_hWnd));
    CString text;
    slides.GetWindowText(text);
    EXPECT_STREQ(text, "Power Point Instructions");
    const UINT expected[] = {32986, 32988, 32987, 32991, 32989};
    ASSERT_EQ(slides.GetButtonCount(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(slides.GetItemID(i), expected[i]) << i;
    const CRect main = ScreenRect(pFrame->m_wndToolBar), beside = ScreenRect(slides);
    EXPECT_EQ(beside.top, main.top);
    EXPECT_GE(beside.left, main.right);
}

TEST_F(MainFrameBars, TheShellCommandOpensAFileOrAnEmptyScript)
{
    ASSERT_NE(Build(1), nullptr);
    char folder[MAX_PATH] = {};
    ::GetTempPathA(sizeof folder, folder);
    const std::string present = std::string(folder) + "mq_shell_present.rtf";
    const std::string missing = std::string(folder) + "mq_shell_missing.rtf";
    {
        std::FILE* file = std::fopen(present.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs("{\\rtf1 Tonight's headlines.\\par}", file);
        std::fclose(file);
    }
    ::DeleteFileA(missing.c_str());
    struct Case
    {
        int command;
        std::string file;
        int documents; // open afterwards
        CString title; // of the document, when one opened
    } cases[] = {
        {CCommandLineInfo::FileNew, "", 0, ""},
        {CCommandLineInfo::FileOpen, present, 1, "mq_shell_present.rtf"},
        {CCommandLineInfo::FileOpen, missing, 1, ""}, // an empty script instead
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        MessageBoxRecorder boxes; // the missing file is reported by the document
        CCommandLineInfo info;
        info.m_nShellCommand = (decltype(info.m_nShellCommand))c.command;
        info.m_strFileName = c.file.c_str();
        EXPECT_TRUE(m_app.RunShellCommand(info));
        EXPECT_EQ(m_app.m_bShellOpen, 0);
        EXPECT_EQ(m_app.m_pDocManager->GetOpenDocumentCount(), c.documents);
        if (c.documents) {
            CFrameWnd* pChild = static_cast<CMainFrame*>(m_app.m_pMainWnd)->GetActiveFrame();
            ASSERT_NE(pChild, nullptr);
            CDocument* pDoc = pChild->GetActiveDocument();
            ASSERT_NE(pDoc, nullptr);
            if (!c.title.IsEmpty())
                EXPECT_STREQ(pDoc->GetTitle(), c.title);
            else
                EXPECT_TRUE(pDoc->GetPathName().IsEmpty());
        }
        m_app.CloseAllDocuments(TRUE);
    }
    ::DeleteFileA(present.c_str());
}

// A value of the current user's classes ("(none)" when absent).
std::string ClassesValue(const std::string& key)
{
    char value[MAX_PATH * 2] = "";
    DWORD size = sizeof value;
    const std::string path = "Software\\Classes\\" + key;
    if (::RegGetValueA(HKEY_CURRENT_USER, path.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value,
                       &size) != ERROR_SUCCESS)
        return "(none)";
    return value;
}

TEST_F(MainFrameBars, StartUpHandsOurDocumentsToTheShell)
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Classes\\.mqd");
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Classes\\Marquill.Document");
    ASSERT_NE(Build(1), nullptr);
    m_app.RegisterShellTypes();
    EXPECT_NE(m_app.m_atomApp, 0); // the shell may open documents here
    char exe[MAX_PATH];
    ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    EXPECT_EQ(ClassesValue(".mqd"), "Marquill.Document");
    EXPECT_EQ(ClassesValue("Marquill.Document"), "Marquill Document");
    EXPECT_EQ(ClassesValue("Marquill.Document\\shell\\open\\command"),
              "\"" + std::string(exe) + "\" \"%1\"");
    m_app.UnregisterShellFileTypes();
    EXPECT_EQ(ClassesValue(".mqd"), "(none)");
}

TEST_F(MainFrameBars, TheMenusOpenRecentScriptsShowAndHideTheBarsAndExit)
{
    CMainFrame* pFrame = Build(1);
    ASSERT_NE(pFrame, nullptr);
    char folder[MAX_PATH] = {};
    ::GetTempPathA(sizeof folder, folder);
    const std::string script = std::string(folder) + "mq_recent_script.rtf";
    {
        std::FILE* file = std::fopen(script.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs("{\\rtf1 Weather.\\par}", file);
        std::fclose(file);
    }
    m_app.LoadStdProfileSettings(4);
    m_app.AddToRecentFileList(script.c_str());
    CMenu* pFile = pFrame->GetMenu()->GetSubMenu(0);
    ASSERT_NE(pFile, nullptr);
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)pFile->m_hMenu, 0);
    CString item;
    pFile->GetMenuString(ID_FILE_MRU_FILE1, item, MF_BYCOMMAND);
    EXPECT_EQ(std::string(item).substr(0, 3), "&1 ");
    EXPECT_NE(std::string(item).find("mq_recent_script.rtf"), std::string::npos) << item;
    EXPECT_EQ(pFile->GetMenuState(ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED, 0u);
    pFrame->SendMessage(WM_COMMAND, ID_FILE_MRU_FILE1);
    ASSERT_EQ(m_app.m_pDocManager->GetOpenDocumentCount(), 1);
    m_app.CloseAllDocuments(TRUE);

    // The View menu shows and hides the rich-text bars, checked while they show.
    CMenu* pView = pFrame->GetMenu()->GetSubMenu(1);
    ASSERT_NE(pView, nullptr);
    for (UINT id : {CMainFrame::kButtonBarID, CMainFrame::kStatusBarID}) {
        SCOPED_TRACE(id);
        CControlBar* pBar = pFrame->GetControlBar(id);
        ASSERT_NE(pBar, nullptr);
        for (bool visible : {true, false, true}) {
            pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)pView->m_hMenu, 1);
            EXPECT_EQ((pView->GetMenuState(id, MF_BYCOMMAND) & MF_CHECKED) != 0, visible);
            EXPECT_EQ(::IsWindowVisible(pBar->m_hWnd) != FALSE, visible);
            pFrame->SendMessage(WM_COMMAND, id);
        }
    }

    // Exit closes the main window.
    pFile = pFrame->GetMenu()->GetSubMenu(0);
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)pFile->m_hMenu, 0);
    EXPECT_EQ(pFile->GetMenuState(ID_APP_EXIT, MF_BYCOMMAND) & MF_GRAYED, 0u);
    const HWND hFrame = pFrame->m_hWnd;
    pFrame->SendMessage(WM_COMMAND, ID_APP_EXIT);
    EXPECT_FALSE(::IsWindow(hFrame));
    ::DeleteFileA(script.c_str());
}

} // namespace
