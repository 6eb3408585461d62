// The application's services: the standard command line, the recent-file list (which
// lives in the profile and so outlasts the program) and the shell's file types.
#include <gtest/gtest.h>

#include "docview_fixture.h"

#include <fstream>
#include <string>
#include <vector>

namespace {

const char kCompany[] = "MarquillFrameworkTests";
const char kRecentSection[] =
    "Software\\MarquillFrameworkTests\\Rundown Test\\Recent File List"; // the program's name

TEST(CommandLine, TheStandardParseOfATableOfCommandLines)
{
    typedef CCommandLineInfo Info;
    struct Case
    {
        std::vector<const char*> args; // after the program
        int nShellCommand;
        const char* file;
        const char* printer; // with /pt: printer, driver, port
        const char* driver;
        const char* port;
        BOOL bShowSplash;
        BOOL bEmbedded;
        BOOL bAutomated;
    } cases[] = {
        {{}, Info::FileNew, "", "", "", "", TRUE, FALSE, FALSE},
        {{"news.mqnote"}, Info::FileOpen, "news.mqnote", "", "", "", TRUE, FALSE, FALSE},
        // The first plain argument is the file; later ones are not.
        {{"first.mqnote", "second.mqnote"},
         Info::FileOpen,
         "first.mqnote",
         "",
         "",
         "",
         TRUE,
         FALSE,
         FALSE},
        // Switches lose one '/' or '-' and are matched without regard to case.
        {{"/p", "news.mqnote"}, Info::FilePrint, "news.mqnote", "", "", "", TRUE, FALSE, FALSE},
        {{"-P", "news.mqnote"}, Info::FilePrint, "news.mqnote", "", "", "", TRUE, FALSE, FALSE},
        {{"/pt", "news.mqnote", "Studio", "winspool", "LPT1:"},
         Info::FilePrintTo,
         "news.mqnote",
         "Studio",
         "winspool",
         "LPT1:",
         TRUE,
         FALSE,
         FALSE},
        {{"/dde"}, Info::FileDDE, "", "", "", "", TRUE, FALSE, FALSE},
        {{"/Unregister"}, Info::AppUnregister, "", "", "", "", TRUE, FALSE, FALSE},
        {{"-unregserver"}, Info::AppUnregister, "", "", "", "", TRUE, FALSE, FALSE},
        {{"/Embedding"}, Info::FileNew, "", "", "", "", FALSE, TRUE, FALSE},
        {{"/automation"}, Info::FileNew, "", "", "", "", FALSE, FALSE, TRUE},
        {{"/nologo", "news.mqnote"},
         Info::FileOpen,
         "news.mqnote",
         "",
         "",
         "",
         FALSE,
         FALSE,
         FALSE},
        // An unknown switch is passed over; it is not taken as the file.
        {{"/x", "news.mqnote"}, Info::FileOpen, "news.mqnote", "", "", "", TRUE, FALSE, FALSE},
        {{"/x"}, Info::FileNew, "", "", "", "", TRUE, FALSE, FALSE},
    };
    CWinApp app("Command Line Probe");
    for (const Case& c : cases) {
        std::vector<const char*> argv = {"C:\\Program\\Marquill.exe"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        std::string line;
        for (const char* a : c.args)
            line += std::string(a) + " ";
        SCOPED_TRACE(line);
        CCommandLineInfo info;
        app.ParseCommandLine(info, (int)argv.size(), argv.data());
        EXPECT_EQ((int)info.m_nShellCommand, c.nShellCommand);
        EXPECT_STREQ(info.m_strFileName, c.file);
        EXPECT_STREQ(info.m_strPrinterName, c.printer);
        EXPECT_STREQ(info.m_strDriverName, c.driver);
        EXPECT_STREQ(info.m_strPortName, c.port);
        EXPECT_EQ(info.m_bShowSplash, c.bShowSplash);
        EXPECT_EQ(info.m_bRunEmbedded, c.bEmbedded);
        EXPECT_EQ(info.m_bRunAutomated, c.bAutomated);
    }
}

std::string RecentFolder()
{
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    std::string folder = std::string(szTemp) + "fw_recent_test\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string ReadRecentEntry(const char* name)
{
    char value[MAX_PATH * 2] = "";
    DWORD size = sizeof value;
    if (::RegGetValueA(HKEY_CURRENT_USER, kRecentSection, name, RRF_RT_REG_SZ, nullptr, value,
                       &size) != ERROR_SUCCESS)
        return "(none)";
    return value;
}

// The recent files as the File menu shows them after its update.
std::vector<std::string> RecentMenuItems(DocViewProgram& program)
{
    CMenu* pFile = program.pMainFrame->GetMenu()->GetSubMenu(0);
    program.pMainFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)pFile->m_hMenu, 0);
    std::vector<std::string> items;
    for (UINT id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE4; id++) {
        CString text;
        if (pFile->GetMenuString(id, text, MF_BYCOMMAND) > 0 &&
            (pFile->GetMenuState(id, MF_BYCOMMAND) & MF_GRAYED) == 0)
            items.push_back((LPCSTR)text);
    }
    return items;
}

class RecentFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\MarquillFrameworkTests");
        m_folder = RecentFolder();
        for (const char* name : {"a", "b", "c", "d", "e"}) {
            m_paths.push_back(m_folder + name + ".mqnote");
            std::ofstream(m_paths.back(), std::ios::binary) << "Script " << name;
        }
    }
    void TearDown() override
    {
        for (const std::string& path : m_paths)
            ::DeleteFileA(path.c_str());
        ::RemoveDirectoryA(m_folder.c_str());
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\MarquillFrameworkTests");
    }
    // One run of the program: the profile read at start and written at exit.
    struct Run
    {
        DocViewProgram program;
        Run()
        {
            program.app.SetRegistryKey(kCompany);
            program.app.LoadStdProfileSettings(4);
        }
        ~Run() { program.app.ExitInstance(); }
    };
    std::string m_folder;
    std::vector<std::string> m_paths;
};

TEST_F(RecentFiles, TheListOutlivesARestartNewestFirstAndFourLong)
{
    {
        Run run;
        ASSERT_NE(run.program.pMainFrame, nullptr);
        // Nothing opened yet: the item keeps its text, greyed.
        EXPECT_TRUE(RecentMenuItems(run.program).empty());
        for (const std::string& path : m_paths) {
            CDocument* pDoc = run.program.app.OpenDocumentFile(path.c_str());
            ASSERT_NE(pDoc, nullptr) << path;
            pDoc->OnCloseDocument();
        }
        // Opened again, b moves to the front and is not listed twice.
        CDocument* pDoc = run.program.app.OpenDocumentFile(m_paths[1].c_str());
        ASSERT_NE(pDoc, nullptr);
        pDoc->OnCloseDocument();
    }
    // The profile holds four entries, newest first; the oldest files fell off.
    EXPECT_EQ(ReadRecentEntry("File1"), m_paths[1]);
    EXPECT_EQ(ReadRecentEntry("File2"), m_paths[4]);
    EXPECT_EQ(ReadRecentEntry("File3"), m_paths[3]);
    EXPECT_EQ(ReadRecentEntry("File4"), m_paths[2]);
    EXPECT_EQ(ReadRecentEntry("File5"), "(none)");

    {
        Run run;
        ASSERT_NE(run.program.pMainFrame, nullptr);
        // The next run shows them on the File menu, numbered.
        const std::vector<std::string> items = RecentMenuItems(run.program);
        const char* names[] = {"b.mqnote", "e.mqnote", "d.mqnote", "c.mqnote"};
        ASSERT_EQ(items.size(), 4u);
        for (size_t i = 0; i < 4; i++) {
            const std::string prefix = "&" + std::to_string(i + 1) + " ";
            EXPECT_EQ(items[i].substr(0, prefix.size()), prefix) << items[i];
            EXPECT_GE(items[i].size(), strlen(names[i]));
            EXPECT_EQ(items[i].substr(items[i].size() - strlen(names[i])), names[i]) << items[i];
        }
        // Choosing the second opens it, and it moves to the front.
        run.program.pMainFrame->SendMessage(WM_COMMAND, ID_FILE_MRU_FILE2);
        ASSERT_EQ(run.program.app.GetOpenDocumentCount(), 1);
        CDocument* pDoc = run.program.pMainFrame->GetActiveFrame()->GetActiveDocument();
        ASSERT_NE(pDoc, nullptr);
        EXPECT_STREQ(pDoc->GetPathName(), m_paths[4].c_str());
        EXPECT_STREQ((*run.program.app.m_pRecentFileList)[0], m_paths[4].c_str());
        pDoc->OnCloseDocument();

        // A file that is gone is reported and leaves the list.
        ::DeleteFileA(m_paths[2].c_str());
        CMessageBoxRecorder boxes(IDOK);
        run.program.pMainFrame->SendMessage(WM_COMMAND, ID_FILE_MRU_FILE4);
        EXPECT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(run.program.app.GetOpenDocumentCount(), 0);
        EXPECT_EQ(RecentMenuItems(run.program).size(), 3u);
    }
    EXPECT_EQ(ReadRecentEntry("File1"), m_paths[4]);
    EXPECT_EQ(ReadRecentEntry("File3"), m_paths[3]);
    EXPECT_EQ(ReadRecentEntry("File4"), "(none)");
}

// A value of the current user's classes ("(none)" when absent).
std::string ClassesValue(const std::string& key, const char* name = nullptr)
{
    char value[MAX_PATH * 2] = "";
    DWORD size = sizeof value;
    const std::string path = "Software\\Classes\\" + key;
    if (::RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_REG_SZ, nullptr, value,
                       &size) != ERROR_SUCCESS)
        return "(none)";
    return value;
}

void SetClassesValue(const std::string& key, const char* value)
{
    const std::string path = "Software\\Classes\\" + key;
    ::RegSetKeyValueA(HKEY_CURRENT_USER, path.c_str(), nullptr, REG_SZ, value,
                      (DWORD)strlen(value) + 1);
}

void DeleteClassesKey(const char* key)
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\Classes\\") + key).c_str());
}

TEST(ShellRegistration, TemplatesRegisterTheirTypesInTheUsersClassesAndTakeThemAway)
{
    for (const char* key : {".mqnote", ".mqshow", "MarquillTest.Note", "MarquillTest.Show"})
        DeleteClassesKey(key);
    // Another program holds the show extension already.
    SetClassesValue(".mqshow", "OtherProgram.Show");

    DocViewProgram program;
    ASSERT_NE(program.pMainFrame, nullptr);
    program.app.EnableShellOpen();
    program.app.RegisterShellFileTypes(TRUE);

    char szExe[MAX_PATH];
    ::GetModuleFileNameA(nullptr, szExe, MAX_PATH);
    const std::string exe = szExe;
    EXPECT_EQ(ClassesValue("MarquillTest.Note"), "Marquill Test Note");
    EXPECT_EQ(ClassesValue("MarquillTest.Note\\shell\\open\\command"), "\"" + exe + "\" \"%1\"");
    EXPECT_EQ(ClassesValue("MarquillTest.Note\\shell\\print\\command"),
              "\"" + exe + "\" /p \"%1\"");
    EXPECT_EQ(ClassesValue("MarquillTest.Note\\DefaultIcon"), exe + ",1");
    EXPECT_EQ(ClassesValue("MarquillTest.Show\\DefaultIcon"), exe + ",2");
    EXPECT_EQ(ClassesValue(".mqnote"), "MarquillTest.Note");
    EXPECT_EQ(ClassesValue(".mqnote\\ShellNew", "NullFile"), "");
    // The other program keeps its extension; our type is registered all the same.
    EXPECT_EQ(ClassesValue(".mqshow"), "OtherProgram.Show");
    EXPECT_EQ(ClassesValue("MarquillTest.Show"), "Marquill Test Show");

    // Registering again changes nothing.
    program.app.RegisterShellFileTypes(TRUE);
    EXPECT_EQ(ClassesValue(".mqnote"), "MarquillTest.Note");

    // Unregistering takes away what is ours only.
    program.app.UnregisterShellFileTypes();
    EXPECT_EQ(ClassesValue("MarquillTest.Note"), "(none)");
    EXPECT_EQ(ClassesValue(".mqnote"), "(none)");
    EXPECT_EQ(ClassesValue("MarquillTest.Show"), "(none)");
    EXPECT_EQ(ClassesValue(".mqshow"), "OtherProgram.Show");
    DeleteClassesKey(".mqshow");
}

} // namespace
