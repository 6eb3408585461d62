// Every prompter is configured from the application's settings before it is created.
#include "TXWords.h"

#include <algorithm>
#include <cstdlib>
#include <list>

#include "ComPortList.h"
#include "MarquillCmdWnd.h"
#include "PrompterCaptionSettings.h"

CMarquillCmdWnd* g_pPrompter = nullptr;

void CTXWordsApp::ApplyPrompterSettings()
{
    ASSERT(g_pPrompter != nullptr);
    if (g_pPrompter)
        ApplyPrompterSettings(g_pPrompter);
}

void CTXWordsApp::ApplyPrompterSettings(CMarquillCmdWnd* p)
{
    p->m_pfnNextRecord = nullptr;
    p->m_pfnResetRecords = nullptr;
    if (m_nSpeedProgramming)
        p->m_bSpeedProgramming = 1;
    p->m_speedKeys.clear();
    p->m_speedKeys.assign(m_SpeedKeys.begin(), m_SpeedKeys.end());
    p->m_bDropPassedScripts = 0;
    p->m_bBookmarks = 1;
    p->m_bKeepAllLines = 1;
    p->m_bTrackParagraph = 1;
    p->m_bScriptHeaders = 0;
    p->m_nAutoStartMode = m_nAutoStartMode > 0 ? m_nAutoStartMode : 0;
    p->m_bCloseAtStop = m_nLoopMode == 2 ? 1 : 0;
    p->m_logFont = m_lfPrompter;
    p->m_crText = m_bReverseImage ? m_crBackColor : m_crFontColor;
    p->m_crBack = m_bReverseImage ? m_crFontColor : m_crBackColor;
    p->m_crPointer = m_crPointerColor;
    p->m_nPointerPosition = m_nPointerPosition;
    p->m_nMarkerType = m_nMarkerType;
    p->m_nBorder = m_nBorder;
    p->m_bMouseMotion = m_bMouseMotion;
    p->m_bMonoBitmap = m_bMonoBitmap;
    p->m_bCenterText = m_bCenterText;
    p->m_bShowPPInst = m_bShowPPInst;
    p->m_bShowBullets = m_bShowBullets;
    p->m_nDefaultScreen = m_nDefaultScreen;
    p->m_nPPX = m_nPPX;
    p->m_nPPY = m_nPPY;
    p->m_nPPCx = m_nPPCx;
    p->m_nPPCy = m_nPPCy;
    p->m_nLineSpacing = m_nLineSpacing;
    // No stopwatch without a reading marker.
    p->m_bStopWatch = m_bStopWatch && m_nPointerPosition ? 1 : 0;
    p->m_nStopWatchPosition = m_nStopWatchPosition;
    p->m_bStopWatchContinuous = m_bStopWatchContinuous;
    p->m_bForegroundScreenActive = m_bForegroundScreenActive;
    p->m_nFGScreenSize = m_nFGScreenSize;
    p->m_bFGRightJustified = m_bFGRightJustified;
    p->m_bMirrorImage = m_bMirrorImage;
    p->m_bReverseImage = m_bReverseImage;
    p->m_nDefaultSpeed = m_nDefaultSpeed;
    p->m_bCaptionOn = m_bDoCaption;
    p->m_bPowerPointOn = m_bPowerPointAvailable;
    p->m_bAutoContinue = m_bAutoContinue;
    p->m_bDoBreaks = m_bDoBreaks;
    p->m_bPromptBlankPar = m_bPromptBlankPar;
    p->m_bPromptRightJust = m_bPromptRightJust;
    p->m_bPromptROTL = m_bPromptROTL;
    p->m_bPromptContinuous = m_bPromptContinous ? 1 : 0;
    p->m_bShowPRMPTCAP = m_bShowPRMPTCAP;
    p->m_bCaptionUpper = m_bShowCCAP;

    // The replacement list (while active), the selected encoder profile and the serial line.
    ApplyCaptionSettings(*p, *this, GetCaptionLine());
}

bool CTXWordsApp::CheckSerialPort(const CString& port)
{
    std::vector<int> ports;
    EnumerateComPorts(ports);
    const int number = atoi(port);
    if (std::find(ports.begin(), ports.end(), number) != ports.end())
        return true;
    CString text;
    text.Format("Close Caption Serial Port Improperly Configured \n\tPort %s is invalid\n\tPlease "
                "Reconfigure",
                (LPCSTR)port);
    AfxMessageBox(text, MB_ICONEXCLAMATION);
    return false;
}

bool CTXWordsApp::CheckCaptionPortBeforePrompting()
{
    // A machine without the caption port still prompts when captions are off.
    return !m_bDoCaption || CheckSerialPort(m_strCCPort);
}

void CTXWordsApp::EnumerateComPorts(std::vector<int>& ports) { ::EnumerateComPorts(ports); }
