// Marquill.exe started as a person starts it: one instance per desktop, the profile written
// on exit, and prompting a file straight from the command line.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>

#include "AppTestSupport.h"

namespace {

std::string ProgramFolder()
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    return folder.substr(0, folder.rfind('\\') + 1);
}

// A started copy of Marquill; ended by force if a test leaves it running.
class Program
{
public:
    explicit Program(const std::string& arguments)
    {
        std::string line = "\"" + ProgramFolder() + "Marquill.exe\" " + arguments;
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        m_started = ::CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                                     nullptr, &si, &m_pi) != 0;
    }
    ~Program()
    {
        if (m_started) {
            if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT)
                ::TerminateProcess(m_pi.hProcess, 99);
            ::CloseHandle(m_pi.hProcess);
            ::CloseHandle(m_pi.hThread);
        }
    }
    bool Started() const { return m_started; }
    // True when the process ended within the time; its exit code in code.
    bool WaitEnd(DWORD ms, DWORD& code)
    {
        if (::WaitForSingleObject(m_pi.hProcess, ms) != WAIT_OBJECT_0)
            return false;
        ::GetExitCodeProcess(m_pi.hProcess, &code);
        return true;
    }
    // The first visible top-level window of the process with the class, waiting up to ms.
    HWND WaitWindow(const char* className, DWORD ms)
    {
        const DWORD until = ::GetTickCount() + ms;
        do {
            struct Search
            {
                DWORD pid;
                const char* cls;
                HWND found;
            } search = {m_pi.dwProcessId, className, nullptr};
            ::EnumWindows(
                [](HWND h, LPARAM p) -> BOOL {
                    Search* s = (Search*)p;
                    DWORD pid = 0;
                    ::GetWindowThreadProcessId(h, &pid);
                    char cls[64] = {};
                    ::GetClassNameA(h, cls, sizeof cls);
                    if (pid == s->pid && ::IsWindowVisible(h) && strcmp(cls, s->cls) == 0) {
                        s->found = h;
                        return FALSE;
                    }
                    return TRUE;
                },
                (LPARAM)&search);
            if (search.found)
                return search.found;
            ::Sleep(50);
        } while ((LONG)(::GetTickCount() - until) < 0);
        return nullptr;
    }
    DWORD Id() const { return m_pi.dwProcessId; }

private:
    bool m_started = false;
    PROCESS_INFORMATION m_pi = {};
};

int CountWindowsOfClass(const char* className)
{
    int count = 0;
    HWND h = nullptr;
    while ((h = ::FindWindowExA(nullptr, h, className, nullptr)) != nullptr)
        ++count;
    return count;
}

class ProgramTest : public ::testing::Test
{
protected:
    void SetUp() override { DeleteMarquillProfile(); }
    void TearDown() override { DeleteMarquillProfile(); }
};

TEST_F(ProgramTest, SecondInstanceBringsTheFirstForwardAndEnds)
{
    Program first("");
    ASSERT_TRUE(first.Started());
    HWND main = first.WaitWindow("MarquillClass", 30000);
    ASSERT_NE(main, nullptr);
    ::ShowWindow(main, SW_MINIMIZE);

    Program second("");
    ASSERT_TRUE(second.Started());
    DWORD code = 0;
    ASSERT_TRUE(second.WaitEnd(30000, code));
    EXPECT_EQ(CountWindowsOfClass("MarquillClass"), 1);
    EXPECT_FALSE(::IsIconic(main)); // restored
    // The second copy read no settings and wrote none.
    EXPECT_EQ(MarquillProfileValueCount(), 0);

    // Closing the first writes its settings: the defaults and where the window was.
    RECT rect;
    ::SetWindowPos(main, nullptr, 100, 50, 640, 480, SWP_NOZORDER);
    ::GetWindowRect(main, &rect);
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(first.WaitEnd(30000, code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(ReadProfileValue("Application", "appLocation_left").Dword(), (DWORD)rect.left);
    EXPECT_EQ(ReadProfileValue("Application", "appLocation_top").Dword(), (DWORD)rect.top);
    EXPECT_EQ(ReadProfileValue("Application", "appLocation_right").Dword(),
              (DWORD)(rect.right - rect.left));
    EXPECT_EQ(ReadProfileValue("Application", "appLocation_bottom").Dword(),
              (DWORD)(rect.bottom - rect.top));
    EXPECT_EQ(ReadProfileValue("Application", "WindowState").Dword(), 1u);
    EXPECT_EQ(ReadProfileValue("Prompter", "LineSpacing").Dword(), 10u);
    EXPECT_EQ(ReadProfileValue("User", "ReadingSpeed").Dword(), 180u);
    EXPECT_EQ(ReadProfileValue("SpeedKeys", "ps_max").Dword(), 3276812u);
    EXPECT_EQ(ReadProfileValue("Captioner", "Baud").String(), "1200");
}

class DirectRunTest : public ProgramTest
{
protected:
    std::string WriteScript(const char* name, const std::string& text)
    {
        char temp[MAX_PATH];
        ::GetTempPathA(sizeof temp, temp);
        m_path = std::string(temp) + name;
        std::ofstream(m_path, std::ios::binary) << text;
        return m_path;
    }
    void TearDown() override
    {
        ::DeleteFileA(m_path.c_str());
        ProgramTest::TearDown();
    }
    std::string m_path;
};

TEST_F(DirectRunTest, PromptsAnRtfFileFullScreenAndLeavesTheProfileAlone)
{
    const std::string path =
        WriteScript("mq_direct.rtf", "{\\rtf1\\ansi Good evening.\\par And now the news.\\par}");
    Program run("/SA3 /D \"" + path + "\"");
    ASSERT_TRUE(run.Started());
    HWND prompter = run.WaitWindow("_QEL_PROMPTER", 30000);
    ASSERT_NE(prompter, nullptr);
    // Full screen on the monitor the (unsaved, empty) frame placement falls back to: the first.
    RECT rect;
    ::GetWindowRect(prompter, &rect);
    HMONITOR monitor = ::MonitorFromWindow(prompter, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(::GetMonitorInfoA(monitor, &info));
    EXPECT_TRUE(::EqualRect(&rect, &info.rcMonitor));
    EXPECT_TRUE(::GetWindowLongA(prompter, GWL_EXSTYLE) & WS_EX_TOPMOST);

    // No editor in a direct run.
    EXPECT_EQ(run.WaitWindow("MarquillClass", 0), nullptr);

    ::PostMessageA(prompter, WM_CLOSE, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(run.WaitEnd(30000, code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(MarquillProfileValueCount(), 0);
}

TEST_F(DirectRunTest, AFileThatCannotBeReadPromptsAnEmptyScript)
{
    char temp[MAX_PATH];
    ::GetTempPathA(sizeof temp, temp);
    Program run(std::string("/D \"") + temp + "no such script.rtf\"");
    ASSERT_TRUE(run.Started());
    HWND prompter = run.WaitWindow("_QEL_PROMPTER", 30000);
    ASSERT_NE(prompter, nullptr);
    ::PostMessageA(prompter, WM_CLOSE, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(run.WaitEnd(30000, code));
    EXPECT_EQ(code, 0u);
}

TEST_F(DirectRunTest, AMissingCaptionPortEndsTheRunWithAnErrorCode)
{
    // Captions on, on a port the machine does not have: the message (answered unseen in
    // tests) and no prompter; the process ends instead of waiting without a window.
    HKEY key;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER,
                                (std::string(kMarquillProfileKey) + "\\Prompter").c_str(), 0,
                                nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    DWORD on = 1;
    ::RegSetValueExA(key, "DoCaption", 0, REG_DWORD, (const BYTE*)&on, sizeof on);
    ::RegCloseKey(key);
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER,
                                (std::string(kMarquillProfileKey) + "\\Captioner").c_str(), 0,
                                nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExA(key, "Port", 0, REG_SZ, (const BYTE*)"97", 3);
    ::RegCloseKey(key);

    const std::string path = WriteScript("mq_direct_cc.rtf", "{\\rtf1 Hello.\\par}");
    Program run("/D \"" + path + "\"");
    ASSERT_TRUE(run.Started());
    DWORD code = 0;
    ASSERT_TRUE(run.WaitEnd(30000, code));
    EXPECT_NE(code, 0u);
    EXPECT_EQ(run.WaitWindow("_QEL_PROMPTER", 0), nullptr);
}

} // namespace
