#include "GenPromptOpt.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "MarquillResource.h"

namespace {

const int kLineSpacingIDs[] = {IDC_GO_SINGLE, IDC_GO_ONE_HALF, IDC_GO_DOUBLE};
const int kLineSpacings[] = {10, 15, 20};
const int kMarkerPositionIDs[] = {IDC_GO_MARKER_NONE, IDC_GO_MARKER_TOP, IDC_GO_MARKER_SECOND,
                                  IDC_GO_MARKER_QUARTER, IDC_GO_MARKER_CENTER};
const int kMarkerPositions[] = {0, 1, 2, 3, 4};
const int kMarkerStyleIDs[] = {IDC_GO_STYLE_FULL, IDC_GO_STYLE_NARROW, IDC_GO_STYLE_SMALL,
                               IDC_GO_STYLE_ARROW};
const int kMarkerStyles[] = {1, 2, 3, 4};
const int kStopWatchIDs[] = {IDC_GO_SW_TOP, IDC_GO_SW_ABOVE, IDC_GO_SW_BELOW, IDC_GO_SW_BOTTOM};
const int kStopWatchPositions[] = {1, 2, 3, 4};
const int kFGSizeIDs[] = {IDC_GO_FG_25, IDC_GO_FG_18, IDC_GO_FG_12};
const int kFGSizes[] = {1, 2, 3};

// The controls of the slide-show window and of the screens, which the mini-screen excludes.
const int kNumberIDs[] = {IDC_GO_LEFT,   IDC_GO_LEFT_SPIN,   IDC_GO_LEFT_LABEL,
                          IDC_GO_TOP,    IDC_GO_TOP_SPIN,    IDC_GO_TOP_LABEL,
                          IDC_GO_WIDTH,  IDC_GO_WIDTH_SPIN,  IDC_GO_WIDTH_LABEL,
                          IDC_GO_HEIGHT, IDC_GO_HEIGHT_SPIN, IDC_GO_HEIGHT_LABEL};
const int kStopWatchControls[] = {IDC_GO_SW_GROUP, IDC_GO_STOPWATCH, IDC_GO_SW_CONTINUOUS,
                                  IDC_GO_SW_TOP,   IDC_GO_SW_ABOVE,  IDC_GO_SW_BELOW,
                                  IDC_GO_SW_BOTTOM};
const int kMaxDefaultSpeed = 6;

int ValueOfRadio(const CWnd* pDlg, const int* ids, const int* values, int count, int fallback)
{
    for (int i = 0; i < count; ++i)
        if (pDlg->IsDlgButtonChecked(ids[i]))
            return values[i];
    return fallback;
}

} // namespace

BEGIN_MESSAGE_MAP(CGenPromptOpt, CDialog)
    ON_BN_CLICKED(IDC_GO_OUTPUT_CAPTIONS, &CGenPromptOpt::OnOutputCaptioning)
    ON_BN_CLICKED(IDC_GO_MIRROR, &CGenPromptOpt::OnMirror)
    ON_BN_CLICKED(IDC_GO_FG_ACTIVE, &CGenPromptOpt::OnMiniScreen)
    ON_BN_CLICKED(IDC_GO_DUAL_SCREENS, &CGenPromptOpt::OnDualScreens)
    ON_CBN_SELCHANGE(IDC_GO_SHOW_ON, &CGenPromptOpt::OnScreenChange)
    ON_BN_CLICKED(IDC_GO_DEFAULT_WINDOW, &CGenPromptOpt::OnDefaultWindow)
    ON_BN_CLICKED(IDC_GO_DEFINED_WINDOW, &CGenPromptOpt::OnDefinedWindow)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_GO_MARKER_TOP, IDC_GO_MARKER_NONE,
                     &CGenPromptOpt::OnMarkerPosition)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_GO_STYLE_FULL, IDC_GO_STYLE_ARROW,
                     &CGenPromptOpt::OnMarkerStyle)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_GO_SW_TOP, IDC_GO_SW_BOTTOM,
                     &CGenPromptOpt::OnStopWatchPosition)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_GO_SW_ABOVE, IDC_GO_SW_BELOW,
                     &CGenPromptOpt::OnStopWatchPosition)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_GO_SINGLE, IDC_GO_DOUBLE, &CGenPromptOpt::OnLineSpacing)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_GO_FG_25, IDC_GO_FG_12, &CGenPromptOpt::OnFGSize)
    ON_BN_CLICKED(IDC_GO_STOPWATCH, &CGenPromptOpt::OnStopWatch)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_GO_LEFT, IDC_GO_WIDTH, &CGenPromptOpt::OnNumberKillFocus)
END_MESSAGE_MAP()

CGenPromptOpt::CGenPromptOpt(BOOL bPowerPointAvailable, CWnd* pParentWnd)
    : CDialog(IDD_GENERAL_OPTIONS, pParentWnd), m_bMouseMotion(0), m_bReverseImage(0),
      m_bMonoBitmap(0), m_bMirrorImage(0), m_bCenterText(0), m_bPromptBlankPar(0),
      m_bShowPRMPTCAP(0), m_bShowBullets(0), m_bDoBreaks(0), m_bAutoContinue(0),
      m_bShowBreakTime(0), m_bShowLtHy(0), m_bPromptROTL(0), m_bPromptRightJust(0),
      m_bDualScreen(0), m_bShowPPInst(0), m_bStopWatch(0), m_bStopWatchContinuous(0),
      m_bForegroundScreenActive(0), m_bFGRightJustified(0), m_bDoCaption(0), m_bShowCCAP(0),
      m_bShowCCOnSOT(0), m_nDefaultSpeed(0), m_nLineSpacing(0), m_nDefaultScreen(1),
      m_nPointerPosition(0), m_nMarkerType(0), m_nStopWatchPosition(0), m_nFGScreenSize(0),
      m_nPPX(0), m_nPPY(0), m_nPPCx(100), m_nPPCy(75), m_nMinX(0), m_nMaxX(0), m_nMinY(0),
      m_nMaxY(0), m_nMinCx(0), m_nMaxCx(0), m_nMinCy(0), m_nMaxCy(0), m_crBack(0), m_crFore(0),
      m_crPointer(0), m_bPowerPointAvailable(bPowerPointAvailable),
      m_bPowerPointEnable(bPowerPointAvailable), m_bOneMonitor(FALSE), m_bOneMonitorTitles(FALSE),
      m_bHideLtHy(FALSE), m_nMonitorCount(0), m_nPrompterScreen(0),
      m_pMonitors(nullptr), m_rcVirtual {0, 0, 0, 0}
{ }

CGenPromptOpt::~CGenPromptOpt() = default;

void CGenPromptOpt::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GO_BACK_COLOUR, m_BackPicker);
    DDX_Control(pDX, IDC_GO_FORE_COLOUR, m_ForePicker);
    DDX_Control(pDX, IDC_GO_POINTER_COLOUR, m_PointerPicker);
    DDX_Control(pDX, IDC_GO_DEFAULT_SPEED, m_SpeedCombo);
    DDX_Control(pDX, IDC_GO_SHOW_ON, m_ScreenCombo);
    const struct
    {
        int nID;
        int* pValue;
    } checks[] = {
        {IDC_GO_MOUSE_MOTION, &m_bMouseMotion},
        {IDC_GO_REVERSED, &m_bReverseImage},
        {IDC_GO_MONOCHROME, &m_bMonoBitmap},
        {IDC_GO_MIRROR, &m_bMirrorImage},
        {IDC_GO_CENTER, &m_bCenterText},
        {IDC_GO_BLANK_LINES, &m_bPromptBlankPar},
        {IDC_GO_UPPER_CASE, &m_bShowPRMPTCAP},
        {IDC_GO_BULLETS, &m_bShowBullets},
        {IDC_GO_COUNT_DOWN, &m_bDoBreaks},
        {IDC_GO_AUTO_CONTINUE, &m_bAutoContinue},
        {IDC_GO_BREAK_TIME, &m_bShowBreakTime},
        {IDC_GO_LTHY, &m_bShowLtHy},
        {IDC_GO_RTOL, &m_bPromptROTL},
        {IDC_GO_RIGHT_JUSTIFY, &m_bPromptRightJust},
        {IDC_GO_DUAL_SCREENS, &m_bDualScreen},
        {IDC_GO_PP_INSTRUCTIONS, &m_bShowPPInst},
        {IDC_GO_STOPWATCH, &m_bStopWatch},
        {IDC_GO_SW_CONTINUOUS, &m_bStopWatchContinuous},
        {IDC_GO_FG_ACTIVE, &m_bForegroundScreenActive},
        {IDC_GO_FG_RIGHT, &m_bFGRightJustified},
        {IDC_GO_OUTPUT_CAPTIONS, &m_bDoCaption},
        {IDC_GO_CC_CAPS, &m_bShowCCAP},
        {IDC_GO_CC_ON_SOT, &m_bShowCCOnSOT},
    };
    for (const auto& check : checks)
        DDX_Check(pDX, check.nID, *check.pValue);
    DDX_Text(pDX, IDC_GO_LEFT, m_nPPX);
    DDV_MinMaxInt(pDX, m_nPPX, m_nMinX, m_nMaxX);
    DDX_Text(pDX, IDC_GO_TOP, m_nPPY);
    DDV_MinMaxInt(pDX, m_nPPY, m_nMinY, m_nMaxY);
    DDX_Text(pDX, IDC_GO_WIDTH, m_nPPCx);
    DDV_MinMaxInt(pDX, m_nPPCx, m_nMinCx, m_nMaxCx);
    DDX_Text(pDX, IDC_GO_HEIGHT, m_nPPCy);
    DDV_MinMaxInt(pDX, m_nPPCy, m_nMinCy, m_nMaxCy);
}

void CGenPromptOpt::ComputeLimits()
{
    const RECT& v = m_rcVirtual;
    m_nMinX = v.left;
    m_nMaxX = v.right - m_nPPCx;
    m_nMinY = v.top;
    m_nMaxY = v.bottom - m_nPPCy;
    m_nMinCx = 0;
    m_nMaxCx = (v.right - v.left) - std::abs(m_nPPX);
    m_nMinCy = 0;
    m_nMaxCy = (v.bottom - v.top) - std::abs(m_nPPY);
}

void CGenPromptOpt::Show(int nID, bool bShow)
{
    if (CWnd* pWnd = GetDlgItem(nID))
        pWnd->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CGenPromptOpt::Enable(int nID, bool bEnable)
{
    if (CWnd* pWnd = GetDlgItem(nID))
        pWnd->EnableWindow(bEnable);
}

void CGenPromptOpt::CheckRadioOf(const int* ids, const int* values, int count, int value,
                                 int fallback)
{
    int checked = fallback;
    for (int i = 0; i < count; ++i)
        if (values[i] == value)
            checked = ids[i];
    for (int i = 0; i < count; ++i)
        CheckDlgButton(ids[i], ids[i] == checked ? 1 : 0);
}

BOOL CGenPromptOpt::OnInitDialog()
{
    // 1. The limits come first: the data exchange checks the numbers against them.
    ComputeLimits();
    CDialog::OnInitDialog();

    // 2. Colours and the spin controls (range: maximum in the low word, minimum in the high).
    m_BackPicker.SetColour(m_crBack);
    m_ForePicker.SetColour(m_crFore);
    m_PointerPicker.SetColour(m_crPointer);
    const struct
    {
        int nSpin, nEdit, nMin, nMax;
    } spins[] = {{IDC_GO_LEFT_SPIN, IDC_GO_LEFT, m_nMinX, m_nMaxX},
                 {IDC_GO_TOP_SPIN, IDC_GO_TOP, m_nMinY, m_nMaxY},
                 {IDC_GO_WIDTH_SPIN, IDC_GO_WIDTH, m_nMinCx, m_nMaxCx},
                 {IDC_GO_HEIGHT_SPIN, IDC_GO_HEIGHT, m_nMinCy, m_nMaxCy}};
    for (const auto& spin : spins) {
        SendDlgItemMessage(spin.nSpin, UDM_SETBUDDY, (WPARAM)::GetDlgItem(m_hWnd, spin.nEdit));
        SendDlgItemMessage(spin.nSpin, UDM_SETRANGE32, (WPARAM)spin.nMin, (LPARAM)spin.nMax);
    }

    // 3. The default speed, at most "Fast1".
    m_SpeedCombo.SetCurSel(std::min(std::max(m_nDefaultSpeed, 0), kMaxDefaultSpeed));

    // 4 and 8. Two boxes no setting uses.
    Enable(IDC_GO_CC_ON_SOT, false);
    Show(IDC_GO_CC_ON_SOT, false);
    if (m_bHideLtHy) {
        Enable(IDC_GO_LTHY, false);
        Show(IDC_GO_LTHY, false);
    }

    // 5. The slide-show window.
    CheckDlgButton(IDC_GO_DEFAULT_WINDOW, m_nDefaultScreen ? 1 : 0);
    CheckDlgButton(IDC_GO_DEFINED_WINDOW, m_nDefaultScreen ? 0 : 1);
    for (int nID : kNumberIDs)
        Enable(nID, m_nDefaultScreen == 0);

    // 6. Caption capitals only with caption output.
    Enable(IDC_GO_CC_CAPS, IsDlgButtonChecked(IDC_GO_OUTPUT_CAPTIONS) != 0);

    // 7. No slide-show controls without the presentation program.
    if (!m_bPowerPointAvailable) {
        for (int nID : {IDC_GO_PP_INSTRUCTIONS, IDC_GO_PP_GROUP, IDC_GO_DEFAULT_WINDOW,
                        IDC_GO_DEFINED_WINDOW})
            Enable(nID, false);
        for (int nID : kNumberIDs)
            Enable(nID, false);
    }

    // 9. Screens.
    if (m_bOneMonitor) {
        SetDlgItemText(IDC_GO_DUAL_SCREENS, "Prompt In Window");
        SetDlgItemText(IDC_GO_SCREENS_GROUP, "Prompter Roll");
        Enable(IDC_GO_DUAL_SCREENS, true);
        Enable(IDC_GO_SCREENS_GROUP, true);
        Show(IDC_GO_SHOW_ON, false);
        Show(IDC_GO_SHOW_ON_LABEL, false);
    } else if (m_nMonitorCount < 3) {
        Show(IDC_GO_SHOW_ON, false);
        Show(IDC_GO_SHOW_ON_LABEL, false);
    } else {
        m_ScreenCombo.ResetContent();
        m_ScreenCombo.AddString(" ");
        int selected = 0;
        if (m_pMonitors) {
            for (const auto& monitor : *m_pMonitors) {
                const char* device = monitor.second.szDevice;
                const size_t length = std::strlen(device);
                CString entry;
                entry.Format("Display %s", length ? device + length - 1 : "");
                const int index = m_ScreenCombo.AddString(entry);
                m_ScreenCombo.SetItemData(index, (DWORD_PTR)monitor.first);
                if ((INT_PTR)monitor.first == m_nPrompterScreen)
                    selected = index;
            }
        }
        m_ScreenCombo.SetCurSel(selected);
        Show(IDC_GO_SHOW_ON, true);
        Show(IDC_GO_SHOW_ON_LABEL, true);
        Enable(IDC_GO_SHOW_ON, m_bDualScreen != 0);
        Enable(IDC_GO_SHOW_ON_LABEL, m_bDualScreen != 0);
    }

    // 10. Line spacing.
    CheckRadioOf(kLineSpacingIDs, kLineSpacings, 3, m_nLineSpacing, IDC_GO_SINGLE);

    // 11. The marker and the stopwatch.
    CheckRadioOf(kMarkerPositionIDs, kMarkerPositions, 5, m_nPointerPosition, IDC_GO_MARKER_NONE);
    if (m_nPointerPosition == 1 && m_nStopWatchPosition < 2)
        m_nStopWatchPosition = 3;
    ShowMarkerControls();

    // 12. The mini-screen is for one monitor only.
    if (m_bOneMonitor) {
        Enable(IDC_GO_FG_ACTIVE, m_bMirrorImage != 0);
        EnableMiniScreen();
    } else {
        m_bForegroundScreenActive = 0;
        CheckDlgButton(IDC_GO_FG_ACTIVE, 0);
        for (int nID : {IDC_GO_FG_ACTIVE, IDC_GO_FG_RIGHT, IDC_GO_FG_WIDTH_LABEL, IDC_GO_FG_25,
                        IDC_GO_FG_18, IDC_GO_FG_12})
            Show(nID, false);
    }
    return TRUE;
}

void CGenPromptOpt::ShowMarkerControls()
{
    const bool bMarker = m_nPointerPosition != 0;
    for (int nID : kMarkerStyleIDs)
        Show(nID, bMarker);
    Show(IDC_GO_STYLE_GROUP, bMarker);
    Show(IDC_GO_POINTER_COLOUR, bMarker);
    for (int nID : kStopWatchControls)
        Show(nID, bMarker);
    if (!bMarker)
        return;
    CheckRadioOf(kMarkerStyleIDs, kMarkerStyles, 4, m_nMarkerType, IDC_GO_STYLE_FULL);
    CheckRadioOf(kStopWatchIDs, kStopWatchPositions, 4, m_nStopWatchPosition, -1);
    EnableStopWatch();
}

void CGenPromptOpt::EnableStopWatch()
{
    const bool bActive = IsDlgButtonChecked(IDC_GO_STOPWATCH) != 0;
    for (int nID : kStopWatchIDs)
        Enable(nID, bActive);
    Enable(IDC_GO_SW_CONTINUOUS, bActive);
    // The marker on the top line leaves no room at the top or above it.
    if (bActive && m_nPointerPosition < 2) {
        Enable(IDC_GO_SW_TOP, false);
        Enable(IDC_GO_SW_ABOVE, false);
    }
}

void CGenPromptOpt::EnableMiniScreen()
{
    const bool bActive = IsDlgButtonChecked(IDC_GO_FG_ACTIVE) != 0;
    for (int nID : kFGSizeIDs)
        Enable(nID, bActive);
    Enable(IDC_GO_FG_RIGHT, bActive);
    Enable(IDC_GO_FG_WIDTH_LABEL, bActive);
    if (bActive) {
        CheckRadioOf(kFGSizeIDs, kFGSizes, 3, m_nFGScreenSize, IDC_GO_FG_25);
        for (int nID : {IDC_GO_DUAL_SCREENS, IDC_GO_SCREENS_GROUP, IDC_GO_PP_INSTRUCTIONS,
                        IDC_GO_PP_GROUP, IDC_GO_DEFAULT_WINDOW, IDC_GO_DEFINED_WINDOW})
            Enable(nID, false);
        for (int nID : kNumberIDs)
            Enable(nID, false);
    } else {
        for (int nID : kFGSizeIDs)
            CheckDlgButton(nID, 0);
        for (int nID : {IDC_GO_DUAL_SCREENS, IDC_GO_SCREENS_GROUP})
            Enable(nID, true);
        if (m_bPowerPointAvailable) {
            for (int nID : {IDC_GO_PP_INSTRUCTIONS, IDC_GO_PP_GROUP, IDC_GO_DEFAULT_WINDOW,
                            IDC_GO_DEFINED_WINDOW})
                Enable(nID, true);
            for (int nID : kNumberIDs)
                Enable(nID, IsDlgButtonChecked(IDC_GO_DEFINED_WINDOW) != 0);
        }
    }
}

void CGenPromptOpt::OnOutputCaptioning()
{
    m_bShowCCOnSOT = 0;
    m_bShowCCAP = 0;
    const bool bOn = IsDlgButtonChecked(IDC_GO_OUTPUT_CAPTIONS) != 0;
    if (!bOn) {
        CheckDlgButton(IDC_GO_CC_CAPS, 0);
        CheckDlgButton(IDC_GO_CC_ON_SOT, 0);
    }
    Enable(IDC_GO_CC_CAPS, bOn);
}

void CGenPromptOpt::OnMirror()
{
    if (!m_bOneMonitor)
        return;
    const bool bMirror = IsDlgButtonChecked(IDC_GO_MIRROR) != 0;
    if (!bMirror)
        CheckDlgButton(IDC_GO_FG_ACTIVE, 0);
    Enable(IDC_GO_FG_ACTIVE, bMirror);
    EnableMiniScreen();
}

void CGenPromptOpt::OnMiniScreen() { EnableMiniScreen(); }

void CGenPromptOpt::OnDualScreens()
{
    const bool bChecked = IsDlgButtonChecked(IDC_GO_DUAL_SCREENS) != 0;
    Enable(IDC_GO_SHOW_ON, bChecked);
    Enable(IDC_GO_SHOW_ON_LABEL, bChecked);
    Show(IDC_GO_SHOW_ON, m_nMonitorCount > 2);
    Show(IDC_GO_SHOW_ON_LABEL, m_nMonitorCount > 2);
}

void CGenPromptOpt::OnScreenChange()
{
    const int index = m_ScreenCombo.GetCurSel();
    if (index >= 0)
        m_nPrompterScreen = (INT_PTR)m_ScreenCombo.GetItemData(index);
}

void CGenPromptOpt::OnDefaultWindow()
{
    m_nDefaultScreen = 1;
    for (int nID : kNumberIDs)
        Enable(nID, false);
}

void CGenPromptOpt::OnDefinedWindow()
{
    m_nDefaultScreen = 0;
    for (int nID : kNumberIDs)
        Enable(nID, true);
}

void CGenPromptOpt::OnMarkerPosition(UINT)
{
    m_nPointerPosition = ValueOfRadio(this, kMarkerPositionIDs, kMarkerPositions, 5, 0);
    // At the top line nothing fits at the top or above the marker.
    if (m_nPointerPosition == 1 && (m_nStopWatchPosition == 1 || m_nStopWatchPosition == 2))
        m_nStopWatchPosition = 3;
    ShowMarkerControls();
}

void CGenPromptOpt::OnMarkerStyle(UINT)
{
    m_nMarkerType = ValueOfRadio(this, kMarkerStyleIDs, kMarkerStyles, 4, 1);
}

void CGenPromptOpt::OnStopWatchPosition(UINT)
{
    m_nStopWatchPosition = ValueOfRadio(this, kStopWatchIDs, kStopWatchPositions, 4, 0);
}

void CGenPromptOpt::OnLineSpacing(UINT)
{
    m_nLineSpacing = ValueOfRadio(this, kLineSpacingIDs, kLineSpacings, 3, 10);
}

void CGenPromptOpt::OnFGSize(UINT)
{
    m_nFGScreenSize = ValueOfRadio(this, kFGSizeIDs, kFGSizes, 3, 1);
}

void CGenPromptOpt::OnStopWatch()
{
    if (!IsDlgButtonChecked(IDC_GO_STOPWATCH)) {
        m_nStopWatchPosition = 0;
    } else {
        if (m_nPointerPosition < 2 && m_nStopWatchPosition < 2)
            m_nStopWatchPosition = 3;
        if (m_nStopWatchPosition == 0)
            m_nStopWatchPosition = 1;
    }
    CheckRadioOf(kStopWatchIDs, kStopWatchPositions, 4, m_nStopWatchPosition, -1);
    EnableStopWatch();
}

void CGenPromptOpt::OnNumberKillFocus(UINT nID)
{
    int* pValue = nullptr;
    int nMin = 0, nMax = 0;
    switch (nID) {
    case IDC_GO_LEFT:
        pValue = &m_nPPX, nMin = m_nMinX, nMax = m_nMaxX;
        break;
    case IDC_GO_TOP:
        pValue = &m_nPPY, nMin = m_nMinY, nMax = m_nMaxY;
        break;
    case IDC_GO_WIDTH:
        pValue = &m_nPPCx, nMin = m_nMinCx, nMax = m_nMaxCx;
        break;
    case IDC_GO_HEIGHT:
        pValue = &m_nPPCy, nMin = m_nMinCy, nMax = m_nMaxCy;
        break;
    default:
        return;
    }
    CString text;
    GetDlgItemText(nID, text);
    const int value = std::atoi(text);
    if (value < nMin || value > nMax)
        return; // refused on OK with the range message
    *pValue = value;
    ComputeLimits();
    // The other numbers stay within their new limits.
    m_nPPX = std::min(std::max(m_nPPX, m_nMinX), m_nMaxX);
    m_nPPY = std::min(std::max(m_nPPY, m_nMinY), m_nMaxY);
    m_nPPCx = std::min(std::max(m_nPPCx, m_nMinCx), m_nMaxCx);
    m_nPPCy = std::min(std::max(m_nPPCy, m_nMinCy), m_nMaxCy);
    SetDlgItemInt(IDC_GO_LEFT, m_nPPX);
    SetDlgItemInt(IDC_GO_TOP, m_nPPY);
    SetDlgItemInt(IDC_GO_WIDTH, m_nPPCx);
    SetDlgItemInt(IDC_GO_HEIGHT, m_nPPCy);
}

void CGenPromptOpt::OnOK()
{
    m_nDefaultSpeed = m_SpeedCombo.GetCurSel();
    m_crBack = m_BackPicker.GetColour();
    m_crFore = m_ForePicker.GetColour();
    m_crPointer = m_PointerPicker.GetColour();
    if (!UpdateData(TRUE))
        return;
    m_nLineSpacing = ValueOfRadio(this, kLineSpacingIDs, kLineSpacings, 3, 10);
    m_nPointerPosition = ValueOfRadio(this, kMarkerPositionIDs, kMarkerPositions, 5, 0);
    if (m_nPointerPosition != 0) {
        m_nMarkerType = ValueOfRadio(this, kMarkerStyleIDs, kMarkerStyles, 4, m_nMarkerType);
        m_nStopWatchPosition =
            ValueOfRadio(this, kStopWatchIDs, kStopWatchPositions, 4, m_nStopWatchPosition);
    }
    if (m_bForegroundScreenActive)
        m_nFGScreenSize = ValueOfRadio(this, kFGSizeIDs, kFGSizes, 3, m_nFGScreenSize);
    m_nDefaultScreen = IsDlgButtonChecked(IDC_GO_DEFINED_WINDOW) ? 0 : 1;
    EndDialog(IDOK);
}
