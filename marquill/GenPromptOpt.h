// The General Options dialog: every prompter setting of the application on one page (text,
// colours, marker and stopwatch, breaks, screens, the mini-screen, slide-show window and
// caption output). The command copies the settings in and, on OK, back.
#pragma once
#include "framework.h"

#include <map>

#include "ColourPicker.h"

class CGenPromptOpt : public CDialog
{
public:
    CGenPromptOpt(BOOL bPowerPointAvailable, CWnd* pParentWnd = nullptr);
    ~CGenPromptOpt() override;

    // Check boxes.
    int m_bMouseMotion, m_bReverseImage, m_bMonoBitmap, m_bMirrorImage, m_bCenterText;
    int m_bPromptBlankPar, m_bShowPRMPTCAP, m_bShowBullets;
    int m_bDoBreaks, m_bAutoContinue, m_bShowBreakTime, m_bShowLtHy;
    int m_bPromptROTL, m_bPromptRightJust, m_bDualScreen, m_bShowPPInst;
    int m_bStopWatch, m_bStopWatchContinuous;
    int m_bForegroundScreenActive, m_bFGRightJustified;
    int m_bDoCaption, m_bShowCCAP, m_bShowCCOnSOT;
    // Lists and radio groups, by the values of the settings.
    int m_nDefaultSpeed; // 0..8, shown and stored at most 6
    int m_nLineSpacing; // 10, 15, 20
    int m_nDefaultScreen; // 1 the default slide-show window, 0 the defined one
    int m_nPointerPosition; // 0 none .. 4 centre
    int m_nMarkerType; // 1 full .. 4 arrow
    int m_nStopWatchPosition; // 1 top, 2 above, 3 below, 4 bottom
    int m_nFGScreenSize; // 1 25%, 2 18%, 3 12%
    // The defined slide-show window, validated between the limits below.
    int m_nPPX, m_nPPY, m_nPPCx, m_nPPCy;
    int m_nMinX, m_nMaxX, m_nMinY, m_nMaxY, m_nMinCx, m_nMaxCx, m_nMinCy, m_nMaxCy;
    COLORREF m_crBack, m_crFore, m_crPointer;

    CColourPicker m_BackPicker, m_ForePicker, m_PointerPicker;
    CComboBox m_SpeedCombo, m_ScreenCombo;

    BOOL m_bPowerPointAvailable, m_bPowerPointEnable;
    BOOL m_bOneMonitor, m_bOneMonitorTitles; // one monitor: "Prompt In Window", "Prompter Roll"
    BOOL m_bHideLtHy;
    int m_nMonitorCount;
    INT_PTR m_nPrompterScreen; // a monitor handle's value
    const std::map<HMONITOR, MONITORINFOEXA>* m_pMonitors; // for the screen list
    RECT m_rcVirtual; // the virtual desktop

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The limits of the four window numbers from the virtual desktop and each other.
    void ComputeLimits();

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void OnOutputCaptioning();
    void OnMirror();
    void OnMiniScreen();
    void OnDualScreens();
    void OnScreenChange();
    void OnDefaultWindow();
    void OnDefinedWindow();
    void OnMarkerPosition(UINT nID);
    void OnMarkerStyle(UINT nID);
    void OnStopWatchPosition(UINT nID);
    void OnLineSpacing(UINT nID);
    void OnFGSize(UINT nID);
    void OnStopWatch();
    void OnNumberKillFocus(UINT nID);
    DECLARE_MESSAGE_MAP()

private:
    void Show(int nID, bool bShow);
    void Enable(int nID, bool bEnable);
    void ShowMarkerControls();
    void EnableMiniScreen();
    void EnableStopWatch();
    void CheckRadioOf(const int* ids, const int* values, int count, int value, int fallback);
};
