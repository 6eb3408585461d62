// The prompter option commands: General Options (every prompter setting, written to the
// profile at once on OK) and the prompter font (written at exit). The next prompter
// created takes them.
#include "TXWords.h"

#include "GenPromptOpt.h"
#include "PFontDialog.h"

void CTXWordsApp::OnGeneralOptions()
{
    CGenPromptOpt dialog(m_bPowerPointAvailable);
    dialog.m_bMouseMotion = m_bMouseMotion;
    dialog.m_bReverseImage = m_bReverseImage;
    dialog.m_bMonoBitmap = m_bMonoBitmap;
    dialog.m_bMirrorImage = m_bMirrorImage;
    dialog.m_bCenterText = m_bCenterText;
    dialog.m_bPromptBlankPar = m_bPromptBlankPar;
    dialog.m_bShowPRMPTCAP = m_bShowPRMPTCAP;
    dialog.m_bShowBullets = m_bShowBullets;
    dialog.m_bDoBreaks = m_bDoBreaks;
    dialog.m_bAutoContinue = m_bAutoContinue;
    dialog.m_bShowBreakTime = m_bShowBreakTime;
    dialog.m_nDefaultSpeed = m_nDefaultSpeed;
    dialog.m_nLineSpacing = m_nLineSpacing;
    dialog.m_crFore = m_crFontColor;
    dialog.m_crBack = m_crBackColor;
    dialog.m_crPointer = m_crPointerColor;
    dialog.m_bPromptROTL = m_bPromptROTL;
    dialog.m_bPromptRightJust = m_bPromptRightJust;
    dialog.m_bShowPPInst = m_bShowPPInst;
    dialog.m_nDefaultScreen = m_nDefaultScreen;
    dialog.m_nPPX = m_nPPX;
    dialog.m_nPPY = m_nPPY;
    dialog.m_nPPCx = m_nPPCx;
    dialog.m_nPPCy = m_nPPCy;
    dialog.m_nPointerPosition = m_nPointerPosition;
    dialog.m_nMarkerType = m_nMarkerType;
    dialog.m_bStopWatch = m_bStopWatch;
    dialog.m_bStopWatchContinuous = m_bStopWatchContinuous;
    dialog.m_nStopWatchPosition = m_nStopWatchPosition;
    dialog.m_bForegroundScreenActive = m_bForegroundScreenActive;
    dialog.m_nFGScreenSize = m_nFGScreenSize;
    dialog.m_bFGRightJustified = m_bFGRightJustified;
    dialog.m_bDoCaption = m_bDoCaption;
    dialog.m_bShowCCAP = m_bShowCCAP;
    dialog.m_nMonitorCount = m_nMonitorCount;
    dialog.m_nPrompterScreen = m_nPrompterScreen;
    dialog.m_pMonitors = &m_Monitors;
    dialog.m_rcVirtual = m_rcVirtualDesktop;

    if (!m_bMultipleMonitors) {
        dialog.m_bOneMonitor = dialog.m_bOneMonitorTitles = TRUE;
        // One monitor: the box is "Prompt In Window", and with the presentation program the
        // prompter goes into a window (kept even when the dialog is cancelled).
        if (m_bPowerPointAvailable) {
            m_bWindowPrompter = 1;
            dialog.m_bDualScreen = 1;
        } else {
            dialog.m_bDualScreen = m_bWindowPrompter;
        }
    } else {
        dialog.m_bDualScreen = m_bDualScreen;
    }
    dialog.m_bHideLtHy = TRUE;

    if (dialog.DoModal() != IDOK)
        return;

    m_bMouseMotion = dialog.m_bMouseMotion;
    m_bReverseImage = dialog.m_bReverseImage;
    m_bMonoBitmap = dialog.m_bMonoBitmap;
    m_bMirrorImage = dialog.m_bMirrorImage;
    m_bCenterText = dialog.m_bCenterText;
    m_bPromptBlankPar = dialog.m_bPromptBlankPar;
    m_bShowPRMPTCAP = dialog.m_bShowPRMPTCAP;
    m_bShowBullets = dialog.m_bShowBullets;
    m_bDoBreaks = dialog.m_bDoBreaks;
    m_bAutoContinue = dialog.m_bAutoContinue;
    m_bShowBreakTime = dialog.m_bShowBreakTime;
    m_nDefaultSpeed = dialog.m_nDefaultSpeed;
    m_nLineSpacing = dialog.m_nLineSpacing;
    m_crFontColor = dialog.m_crFore;
    m_crBackColor = dialog.m_crBack;
    m_crPointerColor = dialog.m_crPointer;
    m_bPromptROTL = dialog.m_bPromptROTL;
    m_bPromptRightJust = dialog.m_bPromptRightJust;
    m_bShowPPInst = dialog.m_bShowPPInst;
    m_nDefaultScreen = dialog.m_nDefaultScreen;
    m_nPPX = dialog.m_nPPX;
    m_nPPY = dialog.m_nPPY;
    m_nPPCx = dialog.m_nPPCx;
    m_nPPCy = dialog.m_nPPCy;
    m_nPointerPosition = dialog.m_nPointerPosition;
    m_nMarkerType = dialog.m_nMarkerType;
    m_bStopWatch = dialog.m_bStopWatch;
    m_bStopWatchContinuous = dialog.m_bStopWatchContinuous;
    m_nStopWatchPosition = dialog.m_nStopWatchPosition;
    m_bForegroundScreenActive = dialog.m_bForegroundScreenActive;
    m_nFGScreenSize = dialog.m_nFGScreenSize;
    m_bFGRightJustified = dialog.m_bFGRightJustified;
    m_bDoCaption = dialog.m_bDoCaption;
    m_bShowCCAP = dialog.m_bShowCCAP;
    if (m_bMultipleMonitors)
        m_bDualScreen = dialog.m_bDualScreen;
    else
        m_bWindowPrompter = dialog.m_bDualScreen;
    m_nPrompterScreen = (int)dialog.m_nPrompterScreen;

    // The profile at once: the same set the program writes at exit.
    SaveSettings();
}

void CTXWordsApp::OnPrompterFont()
{
    CPFontDialog dialog(&m_lfPrompter, "Marquill", nullptr);
    dialog.m_cf.rgbColors = m_crFontColor;
    if (dialog.DoModal() != IDOK)
        return;
    m_lfPrompter = dialog.m_lf;
    m_crFontColor = dialog.GetColor();
}
