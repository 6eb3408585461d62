// Marquill.exe started as a person starts it: one instance per desktop, the profile written
// on exit, the main frame with its bars as the screen shows it, and prompting a file
// straight from the command line.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <vector>

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

// A child window of the frame by its id (bars sit in dock bars, not on the frame itself).
HWND FindChildById(HWND parent, int id)
{
    struct Search
    {
        int id;
        HWND found;
    } search = {id, nullptr};
    ::EnumChildWindows(
        parent,
        [](HWND h, LPARAM p) -> BOOL {
            Search* s = (Search*)p;
            if (::GetDlgCtrlID(h) == s->id && ::IsWindowVisible(h)) {
                s->found = h;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&search);
    return search.found;
}

// What the screen shows in a rectangle, as 32-bit pixels, top row first.
struct Screenshot
{
    RECT rect = {};
    std::vector<DWORD> pixels;
    int Width() const { return rect.right - rect.left; }
    int Height() const { return rect.bottom - rect.top; }
    // The colour at a screen point (as a COLORREF).
    COLORREF At(int x, int y) const
    {
        const DWORD p = pixels[(size_t)(y - rect.top) * Width() + (x - rect.left)];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // The number of different colours inside r.
    size_t Colours(const RECT& r) const
    {
        std::set<COLORREF> colours;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                colours.insert(At(x, y));
        return colours.size();
    }
    bool Take(const RECT& screen)
    {
        rect = screen;
        pixels.assign((size_t)Width() * Height(), 0);
        HDC screenDC = ::GetDC(nullptr);
        HDC memDC = ::CreateCompatibleDC(screenDC);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = Width();
        info.bmiHeader.biHeight = -Height();
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP bitmap = ::CreateDIBSection(screenDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bool ok = false;
        if (bitmap) {
            HGDIOBJ old = ::SelectObject(memDC, bitmap);
            ok = ::BitBlt(memDC, 0, 0, Width(), Height(), screenDC, rect.left, rect.top,
                          SRCCOPY) != FALSE;
            ::GdiFlush();
            memcpy(pixels.data(), bits, pixels.size() * sizeof(DWORD));
            ::SelectObject(memDC, old);
            ::DeleteObject(bitmap);
        }
        ::DeleteDC(memDC);
        ::ReleaseDC(nullptr, screenDC);
        return ok;
    }
    // Kept beside the test as a bitmap file for a person to look at.
    bool Save(const std::string& path) const
    {
        BITMAPFILEHEADER file = {};
        BITMAPINFOHEADER header = {};
        header.biSize = sizeof header;
        header.biWidth = Width();
        header.biHeight = -Height();
        header.biPlanes = 1;
        header.biBitCount = 32;
        const size_t size = pixels.size() * sizeof(DWORD);
        file.bfType = 0x4D42; // "BM"
        file.bfOffBits = sizeof file + sizeof header;
        file.bfSize = (DWORD)(file.bfOffBits + size);
        std::string bytes((const char*)&file, sizeof file);
        bytes.append((const char*)&header, sizeof header);
        bytes.append((const char*)pixels.data(), size);
        return AfxSafeSaveFile(path.c_str(), bytes.data(), bytes.size(), nullptr) != FALSE;
    }
};

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST_F(ProgramTest, TheMainFrameShowsItsToolbarStatusBarAndScriptArea)
{
    Program program("");
    ASSERT_TRUE(program.Started());
    HWND main = program.WaitWindow("MarquillClass", 30000);
    ASSERT_NE(main, nullptr);
    EXPECT_NE(::GetMenu(main), nullptr); // its items are the main frame test's
    ::SetWindowPos(main, HWND_TOPMOST, 20, 20, 800, 600, SWP_SHOWWINDOW);

    HWND toolbar = nullptr, status = nullptr, client = nullptr;
    Screenshot shot;
    RECT frame = {}, rcToolbar = {}, rcStatus = {}, rcClient = {};
    // The bars are built with the frame; wait until the screen shows them painted (another
    // test's window may sit over ours for a moment).
    bool painted = false;
    const DWORD until = ::GetTickCount() + 20000;
    do {
        toolbar = FindChildById(main, 0xE800);
        status = FindChildById(main, 0xE805);
        client = FindChildById(main, 0xE900);
        if (toolbar && status && client) {
            ::RedrawWindow(main, nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            ::GetWindowRect(main, &frame);
            ::GetWindowRect(toolbar, &rcToolbar);
            ::GetWindowRect(status, &rcStatus);
            ::GetWindowRect(client, &rcClient);
            const POINT centre = {(rcClient.left + rcClient.right) / 2,
                                  (rcClient.top + rcClient.bottom) / 2};
            painted = shot.Take(frame) && ::WindowFromPoint(centre) == client &&
                      shot.At(centre.x, centre.y) == ::GetSysColor(COLOR_APPWORKSPACE) &&
                      shot.Colours(rcToolbar) >= 4 && shot.Colours(rcStatus) >= 2;
        }
        if (!painted)
            ::Sleep(100);
    } while (!painted && (LONG)(::GetTickCount() - until) < 0);
    ASSERT_TRUE(painted) << "toolbar " << toolbar << ", status bar " << status << ", client "
                         << client;
    EXPECT_TRUE(shot.Save(ProgramFolder() + "marquill-frame-test.bmp"));

    // The toolbar across the top of the frame's client area, the status bar across its
    // bottom, the script area between them.
    RECT inside;
    ::GetClientRect(main, &inside);
    ::MapWindowPoints(main, nullptr, (POINT*)&inside, 2);
    EXPECT_TRUE(Inside(rcToolbar, inside));
    EXPECT_TRUE(Inside(rcStatus, inside));
    EXPECT_EQ(rcToolbar.top, inside.top);
    EXPECT_EQ(rcStatus.bottom, inside.bottom);
    EXPECT_EQ(rcStatus.left, inside.left);
    EXPECT_EQ(rcStatus.right, inside.right);
    EXPECT_GE(rcClient.top, rcToolbar.bottom);
    EXPECT_LE(rcClient.bottom, rcStatus.top);
    EXPECT_GT(rcClient.bottom - rcClient.top, 300);

    ::PostMessageA(main, WM_CLOSE, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(program.WaitEnd(30000, code));
    EXPECT_EQ(code, 0u);
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
