// Every prompter takes its settings from the application: which setting feeds which
// member of the prompter, and with which transformation.
#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "MarquillCmdWnd.h"

namespace {

class PrompterSettings : public AppFixture
{
protected:
    CMarquillCmdWnd m_prompter; // constructed only: no window
};

TEST_F(PrompterSettings, SettingsReachTheirMembers)
{
    m_app.m_crFontColor = RGB(10, 20, 30);
    m_app.m_crBackColor = RGB(200, 210, 220);
    m_app.m_crPointerColor = RGB(1, 2, 3);
    m_app.m_nPointerPosition = 3;
    m_app.m_nMarkerType = 4;
    m_app.m_nBorder = 2;
    m_app.m_bMouseMotion = 0;
    m_app.m_bMonoBitmap = 1;
    m_app.m_bCenterText = 1;
    m_app.m_bShowPPInst = 1;
    m_app.m_bShowBullets = 1;
    m_app.m_nDefaultScreen = 0;
    m_app.m_nPPX = 11;
    m_app.m_nPPY = 12;
    m_app.m_nPPCx = 13;
    m_app.m_nPPCy = 14;
    m_app.m_nLineSpacing = 15;
    m_app.m_bStopWatch = 1;
    m_app.m_nStopWatchPosition = 4;
    m_app.m_bStopWatchContinuous = 1;
    m_app.m_bForegroundScreenActive = 1;
    m_app.m_nFGScreenSize = 2;
    m_app.m_bFGRightJustified = 1;
    m_app.m_bMirrorImage = 1;
    m_app.m_nDefaultSpeed = 6;
    m_app.m_bDoCaption = 1;
    m_app.m_bPowerPointAvailable = 1;
    m_app.m_bAutoContinue = 1;
    m_app.m_bDoBreaks = 1;
    m_app.m_bPromptBlankPar = 1;
    m_app.m_bPromptRightJust = 1;
    m_app.m_bPromptROTL = 1;
    m_app.m_bPromptContinous = 7;
    m_app.m_bShowPRMPTCAP = 1;
    m_app.m_bShowCCAP = 1;
    m_app.m_SpeedKeys[4] = {9, 99};
    strcpy(m_app.m_lfPrompter.lfFaceName, "Liberation Serif");
    m_app.m_strCCPort = "3";
    m_app.m_strCCBaud = "9600";
    m_app.m_strCCData = "7";
    m_app.m_strCCStop = "2";
    m_app.m_strCCParity = "Even";
    m_app.m_strCCFlow = "XON";
    m_prompter.m_bScriptHeaders = 5;
    m_prompter.m_pfnNextRecord = (PFN_NEXTRECORD)0x1234;

    m_app.ApplyPrompterSettings(&m_prompter);

    CMarquillCmdWnd& p = m_prompter;
    EXPECT_EQ(p.m_pfnNextRecord, nullptr);
    EXPECT_EQ(p.m_pfnResetRecords, nullptr);
    EXPECT_EQ(p.m_speedKeys, m_app.m_SpeedKeys);
    EXPECT_EQ(p.m_bDropPassedScripts, 0);
    EXPECT_EQ(p.m_bBookmarks, 1);
    EXPECT_EQ(p.m_bKeepAllLines, 1);
    EXPECT_EQ(p.m_bTrackParagraph, 1);
    EXPECT_EQ(p.m_bScriptHeaders, 0);
    EXPECT_EQ(p.m_nAutoStartMode, 0); // never -1
    EXPECT_EQ(p.m_bCloseAtStop, 0);
    EXPECT_STREQ(p.m_logFont.lfFaceName, "Liberation Serif");
    EXPECT_EQ(p.m_crText, RGB(10, 20, 30));
    EXPECT_EQ(p.m_crBack, RGB(200, 210, 220));
    EXPECT_EQ(p.m_crPointer, RGB(1, 2, 3));
    EXPECT_EQ(p.m_nPointerPosition, 3);
    EXPECT_EQ(p.m_nMarkerType, 4);
    EXPECT_EQ(p.m_nBorder, 2);
    EXPECT_EQ(p.m_bMouseMotion, 0);
    EXPECT_EQ(p.m_bMonoBitmap, 1);
    EXPECT_EQ(p.m_bCenterText, 1);
    EXPECT_EQ(p.m_bShowPPInst, 1);
    EXPECT_EQ(p.m_bShowBullets, 1);
    EXPECT_EQ(p.m_nDefaultScreen, 0);
    EXPECT_EQ(p.m_nPPX, 11);
    EXPECT_EQ(p.m_nPPY, 12);
    EXPECT_EQ(p.m_nPPCx, 13);
    EXPECT_EQ(p.m_nPPCy, 14);
    EXPECT_EQ(p.m_nLineSpacing, 15);
    EXPECT_EQ(p.m_bStopWatch, 1);
    EXPECT_EQ(p.m_nStopWatchPosition, 4);
    EXPECT_EQ(p.m_bStopWatchContinuous, 1);
    EXPECT_EQ(p.m_bForegroundScreenActive, 1);
    EXPECT_EQ(p.m_nFGScreenSize, 2);
    EXPECT_EQ(p.m_bFGRightJustified, 1);
    EXPECT_EQ(p.m_bMirrorImage, 1);
    EXPECT_EQ(p.m_bReverseImage, 0);
    EXPECT_EQ(p.m_nDefaultSpeed, 6);
    EXPECT_EQ(p.m_bCaptionOn, 1);
    EXPECT_EQ(p.m_bPowerPointOn, 1);
    EXPECT_EQ(p.m_bAutoContinue, 1);
    EXPECT_EQ(p.m_bDoBreaks, 1);
    EXPECT_EQ(p.m_bPromptBlankPar, 1);
    EXPECT_EQ(p.m_bPromptRightJust, 1);
    EXPECT_EQ(p.m_bPromptROTL, 1);
    EXPECT_EQ(p.m_bPromptContinuous, 1);
    EXPECT_EQ(p.m_bShowPRMPTCAP, 1);
    EXPECT_EQ(p.m_bCaptionUpper, 1);
    EXPECT_STREQ(p.m_strCCPort, "3");
    EXPECT_STREQ(p.m_strCCBaud, "9600");
    EXPECT_STREQ(p.m_strCCData, "7");
    EXPECT_STREQ(p.m_strCCStop, "2");
    EXPECT_STREQ(p.m_strCCParity, "Even");
    EXPECT_STREQ(p.m_strCCFlow, "XON");
}

TEST_F(PrompterSettings, TransformationsAndRunModes)
{
    struct Case
    {
        int reverse, stopWatch, pointer, autoStart, loopMode, speedProgramming;
        bool swapped;
        int stopWatchOn, autoStartOut, closeAtStop;
    };
    const Case cases[] = {
        {0, 1, 2, -1, -1, 0, false, 1, 0, 0},
        {1, 0, 0, 1, -1, 0, true, 0, 1, 0}, // reversed: text in the background colour
        {0, 1, 0, 2, 2, 1, false, 0, 2, 1}, // no stopwatch without a marker; TC closes at the stop
        {0, 0, 1, -1, 1, 0, false, 0, 0, 0}, // TL: no close at the stop
        {0, 0, 1, -1, 0, 0, false, 0, 0, 0}, // TN
    };
    for (const Case& c : cases) {
        CMarquillCmdWnd p;
        m_app.m_crFontColor = RGB(0, 0, 0);
        m_app.m_crBackColor = RGB(255, 255, 255);
        m_app.m_bReverseImage = c.reverse;
        m_app.m_bStopWatch = c.stopWatch;
        m_app.m_nPointerPosition = c.pointer;
        m_app.m_nAutoStartMode = c.autoStart;
        m_app.m_nLoopMode = c.loopMode;
        m_app.m_nSpeedProgramming = c.speedProgramming;
        p.m_bSpeedProgramming = 0;
        m_app.ApplyPrompterSettings(&p);
        EXPECT_EQ(p.m_crText, c.swapped ? RGB(255, 255, 255) : RGB(0, 0, 0));
        EXPECT_EQ(p.m_crBack, c.swapped ? RGB(0, 0, 0) : RGB(255, 255, 255));
        EXPECT_EQ(p.m_bReverseImage, c.reverse);
        EXPECT_EQ(p.m_bStopWatch, c.stopWatchOn);
        EXPECT_EQ(p.m_nAutoStartMode, c.autoStartOut);
        EXPECT_EQ(p.m_bCloseAtStop, c.closeAtStop);
        EXPECT_EQ(p.m_bSpeedProgramming, c.speedProgramming);
    }
}

TEST_F(AppFixture, CaptionPortIsCheckedOnlyWithCaptionsOn)
{
    MessageBoxRecorder boxes;
    m_app.m_strCCPort = "99";
    m_app.m_bDoCaption = 0;
    EXPECT_TRUE(m_app.CheckCaptionPortBeforePrompting());
    EXPECT_TRUE(boxes.m_texts.empty());
    m_app.m_bDoCaption = 1;
    EXPECT_FALSE(m_app.CheckCaptionPortBeforePrompting());
    ASSERT_EQ(boxes.m_texts.size(), 1u);
    EXPECT_EQ(boxes.m_texts[0],
              "Close Caption Serial Port Improperly Configured \n\tPort 99 is invalid\n\tPlease "
              "Reconfigure");
    // Every port the system lists passes.
    std::vector<int> ports;
    m_app.EnumerateComPorts(ports);
    for (int port : ports)
        EXPECT_TRUE(m_app.CheckSerialPort(CString(std::to_string(port).c_str()))) << port;
}

} // namespace
