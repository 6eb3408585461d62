// Every framework message box goes through the one seam, which a test answers.
#include <gtest/gtest.h>

#include "fw_test_support.h"

namespace {

TEST(MessageBoxes, TheAnswererAnswersEveryFrameworkBox)
{
    CMessageBoxRecorder boxes(IDNO);
    EXPECT_EQ(AfxMessageBox("Delete the script?", MB_YESNO | MB_ICONQUESTION), IDNO);

    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(owner.MessageBox("Port COM9 is invalid", "Captions", MB_OKCANCEL), IDNO);

    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Text(0), "Delete the script?");
    EXPECT_EQ(boxes.Request(0).nType, (UINT)(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(boxes.Text(1), "Port COM9 is invalid");
    EXPECT_STREQ(boxes.Request(1).strCaption, "Captions");
    EXPECT_EQ(boxes.Request(1).hWndOwner, owner.m_hWnd);
    owner.DestroyWindow();
}

TEST(MessageBoxes, TheApplicationNamesAndMayAnswerItsBoxes)
{
    class CAnsweringApp : public CWinApp
    {
    public:
        CAnsweringApp() : CWinApp("Rundown Editor") { }
        std::string m_strLastPrompt;
        int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) override
        {
            m_strLastPrompt = lpszPrompt;
            return CWinApp::DoMessageBox(lpszPrompt, nType, nIDPrompt);
        }
    };
    CMessageBoxRecorder boxes(IDCANCEL);
    {
        CAnsweringApp app;
        EXPECT_EQ(AfxMessageBox("Save Changes to Current Show", MB_YESNOCANCEL), IDCANCEL);
        EXPECT_EQ(app.m_strLastPrompt, "Save Changes to Current Show");
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_STREQ(boxes.Request(0).strCaption, "Rundown Editor");
    }
    // Without an application the box still goes through the seam.
    EXPECT_EQ(AfxMessageBox("no application"), IDCANCEL);
    EXPECT_EQ(boxes.Count(), 2u);
}

TEST(MessageBoxes, ExceptionReportsGoThroughTheSeam)
{
    CMessageBoxRecorder boxes(IDOK);
    CMemoryException e;
    EXPECT_EQ(e.ReportError(MB_ICONEXCLAMATION), IDOK);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Text(0), "Out of memory.");
    EXPECT_NE(boxes.Request(0).nType & MB_ICONEXCLAMATION, 0u);
}

TEST(MessageBoxes, AnUnattendedRunIsAnsweredFromTheEnvironment)
{
    // No answerer installed: the environment's answer is used and nothing is shown.
    AFX_MESSAGEBOX_ANSWERER previous = AfxSetMessageBoxAnswerer(nullptr);
    // The run's own setting is put back after: later tests rely on it never to block.
    char szRunAnswer[32] = "";
    DWORD nRunAnswer =
        ::GetEnvironmentVariableA("FW_MESSAGEBOX_ANSWER", szRunAnswer, sizeof szRunAnswer);
    ::SetEnvironmentVariableA("FW_MESSAGEBOX_ANSWER", "7");
    EXPECT_EQ(AfxMessageBox("would block", MB_YESNO), IDNO);
    ::SetEnvironmentVariableA("FW_MESSAGEBOX_ANSWER", nRunAnswer != 0 ? szRunAnswer : nullptr);
    AfxSetMessageBoxAnswerer(previous);
}

} // namespace
