// The application profile: sections Prompter, Application, User, SpeedKeys and Captioner
// under HKEY_CURRENT_USER\Software\QEL\Television\Apps\Marquill.
#include "TXWords.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

const char kPrompter[] = "Prompter";
const char kApplication[] = "Application";
const char kUser[] = "User";
const char kSpeedKeys[] = "SpeedKeys";
const char kCaptioner[] = "Captioner";

// Default encoder strings of the Captioner section (bytes, no terminator).
const char kDefaultEncoderEOL[] = "\x0D";
const char kDefaultEncoderReset[] = "\x03\x01\x33\x20\x33\x0D\x14\x2C\x03\x01\x37";
const char kDefaultEncoderInit[] = "\x03\x01\x33\x20\x33\x0D\x03\x01\x36\x01\x4E\x33\x0D";

// The 48-point "QEL Prompter" font as the screen gives it.
LOGFONT DefaultPrompterFont()
{
    LOGFONT lf = {};
    HDC hdc = ::GetDC(nullptr);
    lf.lfHeight = -::MulDiv(48, ::GetDeviceCaps(hdc, LOGPIXELSY), 72);
    ::ReleaseDC(nullptr, hdc);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, "QEL Prompter", LF_FACESIZE);
    HFONT font = ::CreateFontIndirectA(&lf);
    if (font) {
        LOGFONT created = {};
        if (::GetObjectA(font, sizeof created, &created) == sizeof created)
            lf = created;
        ::DeleteObject(font);
    }
    return lf;
}

} // namespace

void CTXWordsApp::SetDefaultSettings()
{
    m_nWindowState = 1;
    m_nAppLeft = m_nAppTop = m_nAppWidth = m_nAppHeight = 0;

    m_nFontSize = 80;
    m_lfPrompter = DefaultPrompterFont();
    m_crFontColor = RGB(0, 0, 0);
    m_crBackColor = RGB(255, 255, 255);
    m_crPointerColor = RGB(0, 255, 0);
    m_nPointerPosition = m_nMarkerType = m_nBorder = 0;
    m_bMouseMotion = 1;
    m_bHas1mbVideo = m_bMonoBitmap = m_bCenterText = 0;
    m_bStopWatch = m_nStopWatchPosition = m_bStopWatchContinuous = 0;
    m_bForegroundScreenActive = m_nFGScreenSize = m_bFGRightJustified = 0;
    m_nLineSpacing = 10;
    m_bMirrorImage = m_bReverseImage = 0;
    m_bRemoveBlanks = 1;
    m_nDefaultSpeed = 3;
    m_bDoBreaks = m_bAutoContinue = m_bShowBreakTime = m_bDoCaption = 0;
    m_bShowCCAP = m_bShowPRMPTCAP = 0;
    m_bPromptBlankPar = m_bPromptRightJust = m_bPromptROTL = m_bPromptContinous = 0;
    m_bUseCentiseconds = 0;
    m_bDualScreen = m_bWindowPrompter = m_nPrompterScreen = 0;
    m_bShowPPInst = m_bShowBullets = 0;
    m_nDefaultScreen = 1;
    m_nPPX = m_nPPY = m_nPPCx = m_nPPCy = 0;

    m_nReadingSpeed = 180;
    m_SpeedKeys = DefaultSpeedKeys();

    m_nCaptionWPM = 0;
    m_strCCData = "8";
    m_strCCStop = "1";
    m_strCCParity = "None";
    m_strCCPort = "1";
    m_strCCBaud = "1200";
    m_strCCFlow = "None";
    m_strEncoderEOL = kDefaultEncoderEOL;
    m_strEncoderBOL = "";
    m_strEncoderReset = kDefaultEncoderReset;
    m_strEncoderInit = kDefaultEncoderInit;
    m_nWrap = 28;
    m_nPacing = 20;
    m_nWPMPacing = 48;
}

void CTXWordsApp::LoadSettings()
{
    LoadPrompterSettings();
    LoadWindowPlacement();
    LoadCaptionerSettings();
    LoadEncoderProfiles();
    LoadCaptionCharMap();
    m_nReadingSpeed = (int)GetProfileInt(kUser, "ReadingSpeed", 180);
    LoadScreenSettings();
    LoadSpeedKeys();
    LoadPowerPointSettings();
    m_bSettingsLoaded = true;
}

void CTXWordsApp::SaveSettings()
{
    SavePrompterSettings();
    SaveCaptionerSettings();
    SaveWindowPlacement();
    WriteProfileInt(kUser, "ReadingSpeed", m_nReadingSpeed);
    SaveScreenSettings();
    SaveSpeedKeys();
    SavePowerPointSettings();
}

int CTXWordsApp::GetReadingSpeed() const { return std::max(m_nReadingSpeed, 60); }

namespace {

// A binary value of exactly the expected size, else false (the default stays).
bool ReadExactBinary(CWinApp* app, LPCSTR section, LPCSTR entry, void* out, UINT size)
{
    LPBYTE data = nullptr;
    UINT bytes = 0;
    if (!app->GetProfileBinary(section, entry, &data, &bytes))
        return false;
    std::unique_ptr<BYTE[]> owned(data);
    if (bytes != size)
        return false;
    memcpy(out, data, size);
    return true;
}

struct IntKey
{
    const char* name;
    int CTXWordsApp::*member;
    int def; // the value when the key is absent
};

// The Prompter section's integers, in the order they are written.
const IntKey kPrompterInts[] = {
    {"FontSize", &CTXWordsApp::m_nFontSize, 80},
    {"PointerPosition", &CTXWordsApp::m_nPointerPosition, 0},
    {"MarkerType", &CTXWordsApp::m_nMarkerType, 0},
    {"Border", &CTXWordsApp::m_nBorder, 0},
    {"MouseMotion", &CTXWordsApp::m_bMouseMotion, 1},
    {"Has1mbVideo", &CTXWordsApp::m_bHas1mbVideo, 0},
    {"MonoBitmap", &CTXWordsApp::m_bMonoBitmap, 0},
    {"CenterText", &CTXWordsApp::m_bCenterText, 0},
    {"StopWatch", &CTXWordsApp::m_bStopWatch, 0},
    {"StopWatchPosition", &CTXWordsApp::m_nStopWatchPosition, 0},
    {"StopWatchContinuious", &CTXWordsApp::m_bStopWatchContinuous, 0},
    {"ForegroundScreenActive", &CTXWordsApp::m_bForegroundScreenActive, 0},
    {"FGScreenSize", &CTXWordsApp::m_nFGScreenSize, 0},
    {"FGRightJustified", &CTXWordsApp::m_bFGRightJustified, 0},
    {"LineSpacing", &CTXWordsApp::m_nLineSpacing, 10},
    {"MirrorImage", &CTXWordsApp::m_bMirrorImage, 0},
    {"ReverseImage", &CTXWordsApp::m_bReverseImage, 0},
    {"RemoveBlanks", &CTXWordsApp::m_bRemoveBlanks, 1},
    {"DefaultSpeed", &CTXWordsApp::m_nDefaultSpeed, 3},
    {"DoBreaks", &CTXWordsApp::m_bDoBreaks, 0},
    {"AutoContinue", &CTXWordsApp::m_bAutoContinue, 0},
    {"ShowBreakTime", &CTXWordsApp::m_bShowBreakTime, 0},
    {"DoCaption", &CTXWordsApp::m_bDoCaption, 0},
    {"ShowCCAP", &CTXWordsApp::m_bShowCCAP, 0},
    {"ShowPRMPTCAP", &CTXWordsApp::m_bShowPRMPTCAP, 0},
    {"PromptBlankPar", &CTXWordsApp::m_bPromptBlankPar, 0},
    {"PromptRightJust", &CTXWordsApp::m_bPromptRightJust, 0},
    {"PromptROTL", &CTXWordsApp::m_bPromptROTL, 0},
    {"PromptContinous", &CTXWordsApp::m_bPromptContinous, 0},
};

const IntKey kScreenInts[] = {
    {"DualScreen", &CTXWordsApp::m_bDualScreen, 0},
    {"WindowPrompter", &CTXWordsApp::m_bWindowPrompter, 0},
    {"PrompterScreen", &CTXWordsApp::m_nPrompterScreen, 0},
};

const IntKey kPowerPointInts[] = {
    {"ShowPPInst", &CTXWordsApp::m_bShowPPInst, 0},
    {"ShowBullets", &CTXWordsApp::m_bShowBullets, 0},
    {"DefaultScreen", &CTXWordsApp::m_nDefaultScreen, 1},
    {"PPX", &CTXWordsApp::m_nPPX, 0},
    {"PPY", &CTXWordsApp::m_nPPY, 0},
    {"PPCx", &CTXWordsApp::m_nPPCx, 0},
    {"PPCy", &CTXWordsApp::m_nPPCy, 0},
};

const IntKey kPlacementInts[] = {
    {"appLocation_top", &CTXWordsApp::m_nAppTop, 0},
    {"appLocation_bottom", &CTXWordsApp::m_nAppHeight, 0},
    {"appLocation_left", &CTXWordsApp::m_nAppLeft, 0},
    {"appLocation_right", &CTXWordsApp::m_nAppWidth, 0},
    {"WindowState", &CTXWordsApp::m_nWindowState, 1},
};

template<size_t N>
void LoadInts(CTXWordsApp* app, LPCSTR section, const IntKey (&keys)[N])
{
    for (const IntKey& key : keys)
        app->*key.member = (int)app->GetProfileInt(section, key.name, key.def);
}

template<size_t N>
void SaveInts(CTXWordsApp* app, LPCSTR section, const IntKey (&keys)[N])
{
    for (const IntKey& key : keys)
        app->WriteProfileInt(section, key.name, app->*key.member);
}

} // namespace

void CTXWordsApp::LoadPrompterSettings()
{
    // A value of the wrong length is not a font or a colour: the default is used.
    LOGFONT lf;
    m_lfPrompter =
        ReadExactBinary(this, kPrompter, "Font", &lf, sizeof lf) ? lf : DefaultPrompterFont();
    COLORREF color;
    m_crFontColor =
        ReadExactBinary(this, kPrompter, "FontColor", &color, sizeof color) ? color : RGB(0, 0, 0);
    m_crBackColor = ReadExactBinary(this, kPrompter, "BackColor", &color, sizeof color)
        ? color
        : RGB(255, 255, 255);
    m_crPointerColor = ReadExactBinary(this, kPrompter, "PointerColor", &color, sizeof color)
        ? color
        : RGB(0, 255, 0);
    LoadInts(this, kPrompter, kPrompterInts);
}

void CTXWordsApp::SavePrompterSettings()
{
    SaveInts(this, kPrompter, kPrompterInts);
    WriteProfileBinary(kPrompter, "Font", (LPBYTE)&m_lfPrompter, sizeof m_lfPrompter);
    WriteProfileBinary(kPrompter, "FontColor", (LPBYTE)&m_crFontColor, sizeof m_crFontColor);
    WriteProfileBinary(kPrompter, "BackColor", (LPBYTE)&m_crBackColor, sizeof m_crBackColor);
    WriteProfileBinary(kPrompter, "PointerColor", (LPBYTE)&m_crPointerColor,
                       sizeof m_crPointerColor);
    WriteProfileInt(kPrompter, "UseCentiseconds", m_bUseCentiseconds);
}

void CTXWordsApp::LoadWindowPlacement() { LoadInts(this, kApplication, kPlacementInts); }

void CTXWordsApp::SaveWindowPlacement() { SaveInts(this, kApplication, kPlacementInts); }

void CTXWordsApp::LoadScreenSettings() { LoadInts(this, kPrompter, kScreenInts); }

void CTXWordsApp::SaveScreenSettings() { SaveInts(this, kPrompter, kScreenInts); }

void CTXWordsApp::LoadPowerPointSettings() { LoadInts(this, kPrompter, kPowerPointInts); }

void CTXWordsApp::SavePowerPointSettings() { SaveInts(this, kPrompter, kPowerPointInts); }

void CTXWordsApp::LoadSpeedKeys()
{
    const SpeedKeyTable defaults = DefaultSpeedKeys();
    m_SpeedKeys = defaults;
    for (int i = 0; i < kSpeedKeyCount; ++i)
        m_SpeedKeys[i] = UnpackSpeedKey(
            (int)GetProfileInt(kSpeedKeys, kSpeedKeyNames[i], PackSpeedKey(defaults[i])));
}

void CTXWordsApp::SaveSpeedKeys()
{
    const SpeedKeyTable defaults = DefaultSpeedKeys();
    for (int i = 0; i < kSpeedKeyCount; ++i)
        WriteProfileInt(kSpeedKeys, kSpeedKeyNames[i],
                        PackSpeedKey(i < (int)m_SpeedKeys.size() ? m_SpeedKeys[i] : defaults[i]));
}

namespace {

struct StringKey
{
    const char* name;
    CString CTXWordsApp::*member;
    const char* def;
};

const StringKey kCaptionerStrings[] = {
    {"Data", &CTXWordsApp::m_strCCData, "8"},
    {"Stop", &CTXWordsApp::m_strCCStop, "1"},
    {"Parity", &CTXWordsApp::m_strCCParity, "None"},
    {"Port", &CTXWordsApp::m_strCCPort, "1"},
    {"Baud", &CTXWordsApp::m_strCCBaud, "1200"},
    {"Flow", &CTXWordsApp::m_strCCFlow, "None"},
    {"EncoderEOL", &CTXWordsApp::m_strEncoderEOL, kDefaultEncoderEOL},
    {"EncoderBOL", &CTXWordsApp::m_strEncoderBOL, ""},
    {"EncoderReset", &CTXWordsApp::m_strEncoderReset, kDefaultEncoderReset},
    {"EncoderInit", &CTXWordsApp::m_strEncoderInit, kDefaultEncoderInit},
};

const IntKey kCaptionerInts[] = {
    {"Wrap", &CTXWordsApp::m_nWrap, 28},
    {"Pacing", &CTXWordsApp::m_nPacing, 20},
    {"WPMPacing", &CTXWordsApp::m_nWPMPacing, 48},
};

} // namespace

void CTXWordsApp::LoadCaptionerSettings()
{
    for (const StringKey& key : kCaptionerStrings) {
        this->*key.member = GetProfileString(kCaptioner, key.name, key.def);
        // The port is checked as soon as it is known; at start-up this only warns.
        if (key.member == &CTXWordsApp::m_strCCPort)
            CheckSerialPort(m_strCCPort);
    }
    LoadInts(this, kCaptioner, kCaptionerInts);
}

void CTXWordsApp::SaveCaptionerSettings()
{
    for (const StringKey& key : kCaptionerStrings)
        WriteProfileString(kCaptioner, key.name, this->*key.member);
    SaveInts(this, kCaptioner, kCaptionerInts);
}
