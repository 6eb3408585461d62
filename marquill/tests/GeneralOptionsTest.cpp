// The General Options command through the modal seam: the dialog opens on the settings,
// reacts as its controls are used, and OK copies the values back and writes the profile at
// once; Cancel changes nothing (but the one-monitor window choice).
#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "MarquillResource.h"

namespace {

class GeneralOptions : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        m_app.m_rcVirtualDesktop = {0, 0, 1024, 768};
        m_app.m_bMultipleMonitors = TRUE;
        m_app.m_nMonitorCount = 2;
        m_app.m_bPowerPointAvailable = 0;
    }
    // Runs the command with fnScript on the live dialog; the requests it made.
    void Run(std::function<void(CWnd*)> fnScript)
    {
        AFX_MODAL_ANSWERER previous = AfxSetModalAnswerer([&](const AFX_MODAL_REQUEST& request) {
            m_templates.push_back(request.lpszTemplate);
            return AFX_MODAL_REPLY::Script(fnScript);
        });
        m_app.OnCmdMsg(IDM_GENERAL_OPTIONS, CN_COMMAND, nullptr, nullptr);
        AfxSetModalAnswerer(previous);
    }
    static void Press(CWnd* pDlg, int nID)
    {
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                          (LPARAM)::GetDlgItem(pDlg->m_hWnd, nID));
    }
    static void Click(CWnd* pDlg, int nID)
    {
        pDlg->CheckDlgButton(nID, pDlg->IsDlgButtonChecked(nID) ? 0 : 1);
        Press(pDlg, nID);
    }
    // A radio button chosen as a click chooses it: the others of its group cleared.
    static void ChooseRadio(CWnd* pDlg, std::initializer_list<int> group, int nID)
    {
        for (int other : group)
            pDlg->CheckDlgButton(other, other == nID ? 1 : 0);
        Press(pDlg, nID);
    }
    static bool Visible(CWnd* pDlg, int nID)
    {
        return ::IsWindowVisible(::GetDlgItem(pDlg->m_hWnd, nID));
    }
    static bool Enabled(CWnd* pDlg, int nID)
    {
        return ::IsWindowEnabled(::GetDlgItem(pDlg->m_hWnd, nID));
    }

    std::vector<LPCSTR> m_templates;
};

TEST_F(GeneralOptions, OkCopiesTheValuesBackAndWritesTheProfileAtOnce)
{
    m_app.m_nDefaultSpeed = 8;
    m_app.m_bMirrorImage = 0;
    m_app.m_nLineSpacing = 15;
    m_app.m_bDoCaption = 1;
    m_app.m_bShowCCAP = 1;
    bool bShown = false;
    Run([&](CWnd* pDlg) {
        bShown = true;
        EXPECT_EQ(pDlg->SendDlgItemMessage(IDC_GO_DEFAULT_SPEED, CB_GETCURSEL), 6); // "Fast2"
        EXPECT_TRUE(pDlg->IsDlgButtonChecked(IDC_GO_ONE_HALF));
        EXPECT_TRUE(pDlg->IsDlgButtonChecked(IDC_GO_CC_CAPS));
        EXPECT_TRUE(Enabled(pDlg, IDC_GO_CC_CAPS));
        EXPECT_FALSE(Visible(pDlg, IDC_GO_CC_ON_SOT));
        EXPECT_FALSE(Visible(pDlg, IDC_GO_LTHY));
        EXPECT_FALSE(Visible(pDlg, IDC_GO_SHOW_ON)); // two monitors: no screen list
        EXPECT_FALSE(Enabled(pDlg, IDC_GO_PP_INSTRUCTIONS)); // no presentation program
        Click(pDlg, IDC_GO_MIRROR);
        ChooseRadio(pDlg, {IDC_GO_SINGLE, IDC_GO_ONE_HALF, IDC_GO_DOUBLE}, IDC_GO_DOUBLE);
        Click(pDlg, IDC_GO_OUTPUT_CAPTIONS); // off: caption capitals cleared and disabled
        EXPECT_FALSE(pDlg->IsDlgButtonChecked(IDC_GO_CC_CAPS));
        EXPECT_FALSE(Enabled(pDlg, IDC_GO_CC_CAPS));
        Press(pDlg, IDOK);
    });
    EXPECT_TRUE(bShown);
    ASSERT_EQ(m_templates.size(), 1u);
    EXPECT_EQ(m_templates[0], MAKEINTRESOURCEA(IDD_GENERAL_OPTIONS));
    EXPECT_EQ(m_app.m_nDefaultSpeed, 6);
    EXPECT_EQ(m_app.m_bMirrorImage, 1);
    EXPECT_EQ(m_app.m_nLineSpacing, 20);
    EXPECT_EQ(m_app.m_bDoCaption, 0);
    EXPECT_EQ(m_app.m_bShowCCAP, 0);
    const struct
    {
        const char* key;
        DWORD value;
    } written[] = {{"DefaultSpeed", 6}, {"MirrorImage", 1}, {"LineSpacing", 20}, {"DoCaption", 0}};
    for (const auto& w : written)
        EXPECT_EQ(ReadProfileValue("Prompter", w.key).Dword(), w.value) << w.key;
}

TEST_F(GeneralOptions, OneMonitorWithSlideShowsPromptsInAWindowEvenOnCancel)
{
    m_app.m_bMultipleMonitors = FALSE;
    m_app.m_nMonitorCount = 1;
    m_app.m_bPowerPointAvailable = 1;
    m_app.m_bWindowPrompter = 0;
    m_app.m_bMirrorImage = 0;
    m_app.m_bForegroundScreenActive = 0;
    m_app.m_nFGScreenSize = 2;
    Run([&](CWnd* pDlg) {
        char title[64] = {};
        pDlg->GetDlgItemText(IDC_GO_DUAL_SCREENS, title, sizeof title);
        EXPECT_STREQ(title, "Prompt In Window");
        EXPECT_TRUE(pDlg->IsDlgButtonChecked(IDC_GO_DUAL_SCREENS));
        EXPECT_FALSE(Visible(pDlg, IDC_GO_SHOW_ON));
        // The mini-screen needs the mirror; once on, it excludes the screen controls.
        EXPECT_FALSE(Enabled(pDlg, IDC_GO_FG_ACTIVE));
        Click(pDlg, IDC_GO_MIRROR);
        EXPECT_TRUE(Enabled(pDlg, IDC_GO_FG_ACTIVE));
        Click(pDlg, IDC_GO_FG_ACTIVE);
        EXPECT_TRUE(pDlg->IsDlgButtonChecked(IDC_GO_FG_18));
        EXPECT_FALSE(Enabled(pDlg, IDC_GO_DUAL_SCREENS));
        EXPECT_FALSE(Enabled(pDlg, IDC_GO_PP_INSTRUCTIONS));
        Click(pDlg, IDC_GO_MIRROR); // mirror off: the mini-screen goes too
        EXPECT_FALSE(pDlg->IsDlgButtonChecked(IDC_GO_FG_ACTIVE));
        EXPECT_TRUE(Enabled(pDlg, IDC_GO_DUAL_SCREENS));
        EXPECT_TRUE(Enabled(pDlg, IDC_GO_PP_INSTRUCTIONS));
        Press(pDlg, IDCANCEL);
    });
    EXPECT_EQ(m_app.m_bWindowPrompter, 1);
    EXPECT_EQ(m_app.m_bMirrorImage, 0);
    EXPECT_EQ(ReadProfileValue("Prompter", "MirrorImage").type, 0u); // nothing written
}

TEST_F(GeneralOptions, TheMarkerDecidesTheStyleAndStopwatchControls)
{
    m_app.m_nPointerPosition = 3;
    m_app.m_nMarkerType = 2;
    m_app.m_bStopWatch = 1;
    m_app.m_nStopWatchPosition = 1;
    Run([&](CWnd* pDlg) {
        EXPECT_TRUE(pDlg->IsDlgButtonChecked(IDC_GO_STYLE_NARROW));
        EXPECT_TRUE(pDlg->IsDlgButtonChecked(IDC_GO_SW_TOP));
        EXPECT_TRUE(Enabled(pDlg, IDC_GO_SW_TOP));
        const std::initializer_list<int> markers = {IDC_GO_MARKER_NONE, IDC_GO_MARKER_TOP,
                                                    IDC_GO_MARKER_SECOND, IDC_GO_MARKER_QUARTER,
                                                    IDC_GO_MARKER_CENTER};
        ChooseRadio(pDlg, markers, IDC_GO_MARKER_NONE);
        for (int nID : {IDC_GO_STYLE_FULL, IDC_GO_STYLE_GROUP, IDC_GO_POINTER_COLOUR,
                        IDC_GO_STOPWATCH, IDC_GO_SW_BELOW})
            EXPECT_FALSE(Visible(pDlg, nID)) << nID;
        // The top line moves a stopwatch at the top below the marker.
        ChooseRadio(pDlg, markers, IDC_GO_MARKER_TOP);
        EXPECT_TRUE(Visible(pDlg, IDC_GO_STYLE_FULL));
        EXPECT_TRUE(pDlg->IsDlgButtonChecked(IDC_GO_SW_BELOW));
        EXPECT_FALSE(Enabled(pDlg, IDC_GO_SW_TOP));
        EXPECT_FALSE(Enabled(pDlg, IDC_GO_SW_ABOVE));
        Press(pDlg, IDOK);
    });
    EXPECT_EQ(m_app.m_nPointerPosition, 1);
    EXPECT_EQ(m_app.m_nStopWatchPosition, 3);
    EXPECT_EQ(m_app.m_nMarkerType, 2);
}

TEST_F(GeneralOptions, AWindowNumberOutsideItsLimitsIsRefused)
{
    m_app.m_bPowerPointAvailable = 1;
    m_app.m_nDefaultScreen = 0;
    m_app.m_nPPX = 10;
    m_app.m_nPPCx = 100;
    MessageBoxRecorder boxes;
    Run([&](CWnd* pDlg) {
        EXPECT_TRUE(Enabled(pDlg, IDC_GO_LEFT));
        pDlg->SetDlgItemText(IDC_GO_LEFT, "2000"); // beyond 1024 - 100
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GO_LEFT, EN_KILLFOCUS),
                          (LPARAM)::GetDlgItem(pDlg->m_hWnd, IDC_GO_LEFT));
        Press(pDlg, IDOK);
        EXPECT_TRUE(::IsWindow(pDlg->m_hWnd));
        ASSERT_EQ(boxes.m_texts.size(), 1u);
        // A width within its limits narrows the left edge's.
        pDlg->SetDlgItemText(IDC_GO_WIDTH, "1000");
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GO_WIDTH, EN_KILLFOCUS),
                          (LPARAM)::GetDlgItem(pDlg->m_hWnd, IDC_GO_WIDTH));
        pDlg->SetDlgItemText(IDC_GO_LEFT, "24");
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GO_LEFT, EN_KILLFOCUS),
                          (LPARAM)::GetDlgItem(pDlg->m_hWnd, IDC_GO_LEFT));
        Press(pDlg, IDOK);
    });
    EXPECT_EQ(m_app.m_nPPCx, 1000);
    EXPECT_EQ(m_app.m_nPPX, 24);
    EXPECT_EQ(boxes.m_texts.size(), 1u);
}

} // namespace
