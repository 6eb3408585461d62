// The small windows around start-up: the splash (shown, centred, with its bitmap, gone when
// hidden), the About box through the modal seam, and the messages of file errors.
#include <gtest/gtest.h>

#include "AboutDlg.h"
#include "AppTestSupport.h"
#include "MarquillResource.h"

namespace {

TEST(SplashWindow, ShowsTheBitmapCentredAndGoes)
{
    CSplashWnd splash;
    ASSERT_TRUE(splash.Show());
    EXPECT_TRUE(::IsWindowVisible(splash.m_hWnd));
    EXPECT_NE(
        ::SendDlgItemMessageA(splash.m_hWnd, IDC_SPLASH_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    RECT rect;
    ::GetWindowRect(splash.m_hWnd, &rect);
    EXPECT_NEAR((rect.left + rect.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((rect.top + rect.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    const HWND hWnd = splash.m_hWnd;
    splash.Hide();
    EXPECT_FALSE(::IsWindow(hWnd));
}

TEST_F(AppFixture, TheAboutBoxOpensThroughTheSeam)
{
    std::vector<AFX_MODAL_REQUEST> requests;
    bool bShown = false;
    AFX_MODAL_ANSWERER previous = AfxSetModalAnswerer([&](const AFX_MODAL_REQUEST& request) {
        requests.push_back(request);
        return AFX_MODAL_REPLY::Script([&](CWnd* pDlg) {
            bShown = true;
            CString title;
            pDlg->GetWindowText(title);
            EXPECT_STREQ(title, "About Marquill");
            // The framed picture: the bitmap, two pixels of frame each side and the shadow.
            BITMAP bm = {};
            HBITMAP hBitmap =
                ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SPLASH));
            ASSERT_NE(hBitmap, nullptr);
            ::GetObjectA(hBitmap, sizeof bm, &bm);
            ::DeleteObject(hBitmap);
            RECT picture;
            ::GetWindowRect(::GetDlgItem(pDlg->m_hWnd, IDC_ABOUT_PICTURE), &picture);
            EXPECT_EQ(picture.right - picture.left, bm.bmWidth + 4 + CBigIcon::kShadow);
            EXPECT_EQ(picture.bottom - picture.top, bm.bmHeight + 4 + CBigIcon::kShadow);
            pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
    });
    m_app.OnCmdMsg(ID_APP_ABOUT, CN_COMMAND, nullptr, nullptr);
    AfxSetModalAnswerer(previous);
    EXPECT_TRUE(bShown);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].nKind, afxModalDialog);
    EXPECT_EQ(requests[0].lpszTemplate, MAKEINTRESOURCEA(IDD_ABOUTBOX));
}

TEST_F(AppFixture, FileErrorsAreReportedByTheirCause)
{
    struct Case
    {
        int cause;
        const char* file;
        const char* message;
    } cases[] = {
        {CFileException::fileNotFound, "C:\\shows\\late.rtf",
         "The specified file could not be found.\n\nC:\\shows\\late.rtf"},
        {CFileException::accessDenied, "", "The specified file could not be accessed."},
        {CFileException::sharingViolation, "a.mqd",
         "File access error because of sharing violation.\n\na.mqd"},
        {CFileException::diskFull, "", "Write error: The disk is full."},
        {CFileException::badSeek, "", "An unexpected file error has been occured."},
    };
    for (const Case& c : cases) {
        MessageBoxRecorder boxes;
        CFileException* pException = new CFileException(c.cause);
        pException->m_strFileName = c.file;
        m_app.ReportFileException(pException, IDS_FILE_ERROR);
        ASSERT_EQ(boxes.m_texts.size(), 1u);
        EXPECT_EQ(boxes.m_texts[0], c.message);
    }

    MessageBoxRecorder boxes;
    m_app.ReportFileException(new CMemoryException, IDS_FILE_ERROR);
    m_app.ReportFileException(nullptr, IDS_DISK_FULL, "D:\\news.rtf");
    m_app.ReportFileException(nullptr, IDS_ACCESS_DENIED);
    ASSERT_EQ(boxes.m_texts.size(), 3u);
    EXPECT_EQ(boxes.m_texts[0], "Out of memory!");
    EXPECT_EQ(boxes.m_texts[1], "Write error: The disk is full.\n\nD:\\news.rtf");
    EXPECT_EQ(boxes.m_texts[2], "The specified file could not be accessed.");
}

// Records what a menu item is told.
class CRecordingCmdUI : public CCmdUI
{
public:
    int m_nEnabled = -1, m_nChecked = -1;
    void Enable(BOOL bOn) override { m_nEnabled = bOn ? 1 : 0; }
    void SetCheck(int nCheck) override { m_nChecked = nCheck; }
};

TEST_F(AppFixture, LoopFlipsAndItsMenuItemShowsIt)
{
    for (int start : {0, 1, 5}) {
        m_app.m_bPromptContinous = start;
        m_app.OnCmdMsg(IDM_LOOP, CN_COMMAND, nullptr, nullptr);
        const int now = start ? 0 : 1;
        EXPECT_EQ(m_app.m_bPromptContinous, now) << start;
        CRecordingCmdUI state;
        state.m_nID = IDM_LOOP;
        ASSERT_TRUE(state.DoUpdate(&m_app, FALSE));
        EXPECT_EQ(state.m_nEnabled, 1);
        EXPECT_EQ(state.m_nChecked, now);
    }
}

} // namespace
