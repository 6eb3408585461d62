// The help file beside the program and the help command that opens it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "AppTestSupport.h"

namespace {

TEST_F(AppFixture, HelpFileHoldsTheTopicsContentsAndIndex)
{
    const CString path = m_app.GetHelpFilePath();
    std::ifstream file((LPCSTR)path, std::ios::binary);
    ASSERT_TRUE(file.good()) << (LPCSTR)path;
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 4u);
    EXPECT_EQ(bytes.substr(0, 4), "ITSF");
    for (const char* topic :
         {"/index.htm", "/Marquill.hhc", "/Marquill.hhk", "/writing.htm", "/shows.htm",
          "/prompting.htm", "/operating.htm", "/options.htm", "/commandline.htm"})
        EXPECT_NE(bytes.find(topic), std::string::npos) << topic;
}

HWND FindHelpWindow()
{
    struct Search
    {
        HWND found;
    } search = {nullptr};
    ::EnumWindows(
        [](HWND h, LPARAM p) -> BOOL {
            DWORD pid = 0;
            ::GetWindowThreadProcessId(h, &pid);
            char cls[64] = {};
            ::GetClassNameA(h, cls, sizeof cls);
            if (pid == ::GetCurrentProcessId() && strcmp(cls, "HH Parent") == 0) {
                ((Search*)p)->found = h;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&search);
    return search.found;
}

TEST_F(AppFixture, HelpCommandOpensTheHelpWindow)
{
    ASSERT_EQ(FindHelpWindow(), nullptr);
    m_app.OnHelpTopics();
    HWND help = nullptr;
    for (int i = 0; i < 200 && help == nullptr; ++i) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        help = FindHelpWindow();
        if (help == nullptr)
            ::Sleep(25);
    }
    ASSERT_NE(help, nullptr);
    char title[128] = {};
    ::GetWindowTextA(help, title, sizeof title);
    EXPECT_STREQ(title, "Marquill Help");
    ::SendMessageA(help, WM_CLOSE, 0, 0);
}

} // namespace
