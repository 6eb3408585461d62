// Resources and window classes across modules: a library that joins the resource chain
// supplies strings, bitmaps and dialogs to the program until it unloads, and a class
// name registered by two modules is registered for both.
#include <gtest/gtest.h>

#include "fw_test_support.h"
#include "test_library.h"
#include "test_library_res.h"

namespace {

class LibraryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hLibrary = ::LoadLibraryA("fw_test_library.dll");
        ASSERT_NE(m_hLibrary, nullptr);
    }
    void TearDown() override
    {
        if (m_hLibrary)
            ::FreeLibrary(m_hLibrary);
    }
    template<typename Fn>
    Fn Export(const char* name)
    {
        return (Fn)::GetProcAddress(m_hLibrary, name);
    }
    HMODULE m_hLibrary = nullptr;
};

TEST_F(LibraryTest, TheProgramFindsResourcesThatLiveInTheLibrary)
{
    char szText[128];
    ASSERT_GT(AfxLoadString(IDS_LIBRARY_GREETING, szText, sizeof szText), 0);
    EXPECT_STREQ(szText, "Greetings from the test library");

    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_LIBRARY_DIALOG), (LPCSTR)RT_DIALOG),
              m_hLibrary);

    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_LIBRARY_SQUARE));
    BITMAP bm;
    ASSERT_TRUE(bitmap.GetBitmap(&bm));
    EXPECT_EQ(bm.bmWidth, 6);
    EXPECT_EQ(bm.bmHeight, 4);

    // A message box by string id takes its text from the library.
    CMessageBoxRecorder boxes(IDYES);
    EXPECT_EQ(AfxMessageBox(IDS_LIBRARY_PROMPT, MB_YESNO), IDYES);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Text(0), "Save the changes to the rundown?");
    EXPECT_EQ(boxes.Request(0).nIDHelp, (UINT)IDS_LIBRARY_PROMPT);
}

TEST_F(LibraryTest, SwitchingTheResourceHandleStillFindsTheProgramsOwn)
{
    HINSTANCE hProgram = AfxGetResourceHandle();
    AfxSetResourceHandle(m_hLibrary);
    EXPECT_EQ(AfxGetResourceHandle(), m_hLibrary);
    char szText[128];
    EXPECT_GT(AfxLoadString(IDS_LIBRARY_GREETING, szText, sizeof szText), 0);
    AfxSetResourceHandle(hProgram);
    EXPECT_EQ(AfxGetResourceHandle(), hProgram);
}

TEST_F(LibraryTest, AnUnloadedLibraryLeavesTheChain)
{
    ASSERT_TRUE(::FreeLibrary(m_hLibrary));
    m_hLibrary = nullptr;
    char szText[128];
    EXPECT_EQ(AfxLoadString(IDS_LIBRARY_GREETING, szText, sizeof szText), 0);
    EXPECT_STREQ(szText, "");
    CBitmap bitmap;
    EXPECT_FALSE(bitmap.LoadBitmap(IDB_LIBRARY_SQUARE));
}

TEST_F(LibraryTest, TheSameClassRegisteredByTwoModules)
{
    auto registerInLibrary = Export<FwTestRegisterClassFn>("FwTestRegisterClass");
    ASSERT_NE(registerInLibrary, nullptr);

    // A global class of the library, then the same name from the program.
    ASSERT_TRUE(registerInLibrary("FwTestSharedGlobal", TRUE));
    WNDCLASSA wndcls = {};
    wndcls.lpfnWndProc = ::DefWindowProcA;
    wndcls.hInstance = AfxGetInstanceHandle();
    wndcls.lpszClassName = "FwTestSharedGlobal";
    EXPECT_TRUE(AfxRegisterClass(&wndcls));
    EXPECT_TRUE(registerInLibrary("FwTestSharedGlobal", TRUE)); // and again from the library

    CWnd wnd;
    EXPECT_TRUE(
        wnd.CreateEx(0, "FwTestSharedGlobal", "shared", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    wnd.DestroyWindow();

    // A program class, then a library class of the same name, each for its own module.
    wndcls.lpszClassName = "FwTestSharedLocal";
    EXPECT_TRUE(AfxRegisterClass(&wndcls));
    EXPECT_TRUE(AfxRegisterClass(&wndcls));
    EXPECT_TRUE(registerInLibrary("FwTestSharedLocal", FALSE));

    ::UnregisterClassA("FwTestSharedGlobal", m_hLibrary);
    ::UnregisterClassA("FwTestSharedLocal", m_hLibrary);
    ::UnregisterClassA("FwTestSharedLocal", AfxGetInstanceHandle());
}

TEST_F(LibraryTest, GeneratedClassNamesAreSharedByModulesAndKept)
{
    auto wndClassInLibrary = Export<FwTestWndClassFn>("FwTestWndClass");
    ASSERT_NE(wndClassInLibrary, nullptr);
    LPCSTR lpszProgram = AfxRegisterWndClass(CS_SAVEBITS);
    LPCSTR lpszLibrary = wndClassInLibrary(CS_SAVEBITS);
    EXPECT_STREQ(lpszProgram, lpszLibrary);
    EXPECT_EQ(lpszProgram, AfxRegisterWndClass(CS_SAVEBITS)); // the same name, still valid
    LPCSTR lpszOther = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursor(nullptr, IDC_ARROW));
    EXPECT_STRNE(lpszProgram, lpszOther);

    CWnd wnd;
    EXPECT_TRUE(wnd.CreateEx(0, lpszOther, "generated", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    wnd.DestroyWindow();
}

} // namespace
