// The application profile: every default written from a clean profile, values read back,
// the speed keys, and stored values of the wrong size.
#include <gtest/gtest.h>

#include <cstring>

#include "AppTestSupport.h"

namespace {

TEST_F(AppFixture, CleanProfileWritesEveryDefault)
{
    EXPECT_STREQ(m_app.m_pszProfileName, "Marquill");
    m_app.LoadSettings();
    m_app.SaveSettings();

    struct IntCase
    {
        const char* section;
        const char* key;
        DWORD value;
    };
    const IntCase ints[] = {
        {"Prompter", "FontSize", 80},
        {"Prompter", "PointerPosition", 0},
        {"Prompter", "MarkerType", 0},
        {"Prompter", "Border", 0},
        {"Prompter", "MouseMotion", 1},
        {"Prompter", "Has1mbVideo", 0},
        {"Prompter", "MonoBitmap", 0},
        {"Prompter", "CenterText", 0},
        {"Prompter", "StopWatch", 0},
        {"Prompter", "StopWatchPosition", 0},
        {"Prompter", "StopWatchContinuious", 0},
        {"Prompter", "ForegroundScreenActive", 0},
        {"Prompter", "FGScreenSize", 0},
        {"Prompter", "FGRightJustified", 0},
        {"Prompter", "LineSpacing", 10},
        {"Prompter", "MirrorImage", 0},
        {"Prompter", "ReverseImage", 0},
        {"Prompter", "RemoveBlanks", 1},
        {"Prompter", "DefaultSpeed", 3},
        {"Prompter", "DoBreaks", 0},
        {"Prompter", "AutoContinue", 0},
        {"Prompter", "ShowBreakTime", 0},
        {"Prompter", "DoCaption", 0},
        {"Prompter", "ShowCCAP", 0},
        {"Prompter", "ShowPRMPTCAP", 0},
        {"Prompter", "PromptBlankPar", 0},
        {"Prompter", "PromptRightJust", 0},
        {"Prompter", "PromptROTL", 0},
        {"Prompter", "PromptContinous", 0},
        {"Prompter", "UseCentiseconds", 0},
        {"Prompter", "DualScreen", 0},
        {"Prompter", "WindowPrompter", 0},
        {"Prompter", "PrompterScreen", 0},
        {"Prompter", "ShowPPInst", 0},
        {"Prompter", "ShowBullets", 0},
        {"Prompter", "DefaultScreen", 1},
        {"Prompter", "PPX", 0},
        {"Prompter", "PPY", 0},
        {"Prompter", "PPCx", 0},
        {"Prompter", "PPCy", 0},
        {"Application", "appLocation_left", 0},
        {"Application", "appLocation_top", 0},
        {"Application", "appLocation_right", 0},
        {"Application", "appLocation_bottom", 0},
        {"Application", "WindowState", 1},
        {"User", "ReadingSpeed", 180},
        {"SpeedKeys", "ps_slow1", 65554},
        {"SpeedKeys", "ps_slow2", 65548},
        {"SpeedKeys", "ps_slow3", 131090},
        {"SpeedKeys", "ps_slow4", 131084},
        {"SpeedKeys", "ps_normal", 196626},
        {"SpeedKeys", "ps_fast1", 196620},
        {"SpeedKeys", "ps_fast2", 262162},
        {"SpeedKeys", "ps_fast3", 262156},
        {"SpeedKeys", "ps_fast4", 327698},
        {"SpeedKeys", "ps_max", 3276812},
        {"SpeedKeys", "ps_min", 65554},
        {"Captioner", "Wrap", 28},
        {"Captioner", "Pacing", 20},
        {"Captioner", "WPMPacing", 48},
    };
    for (const IntCase& c : ints) {
        const ProfileValue v = ReadProfileValue(c.section, c.key);
        EXPECT_EQ(v.type, (DWORD)REG_DWORD) << c.section << "\\" << c.key;
        EXPECT_EQ(v.Dword(), c.value) << c.section << "\\" << c.key;
    }

    struct StringCase
    {
        const char* key;
        std::string value;
    };
    const StringCase strings[] = {
        {"Data", "8"},
        {"Stop", "1"},
        {"Parity", "None"},
        {"Port", "1"},
        {"Baud", "1200"},
        {"Flow", "None"},
        {"EncoderEOL", "\x0D"},
        {"EncoderBOL", ""},
        {"EncoderReset", "\x03\x01\x33\x20\x33\x0D\x14\x2C\x03\x01\x37"},
        {"EncoderInit", "\x03\x01\x33\x20\x33\x0D\x03\x01\x36\x01\x4E\x33\x0D"},
    };
    for (const StringCase& c : strings) {
        const ProfileValue v = ReadProfileValue("Captioner", c.key);
        EXPECT_EQ(v.type, (DWORD)REG_SZ) << c.key;
        EXPECT_EQ(v.String(), c.value) << c.key;
    }

    struct BinaryCase
    {
        const char* key;
        DWORD colour;
    };
    for (const BinaryCase& c :
         {BinaryCase {"FontColor", 0x000000}, BinaryCase {"BackColor", 0xFFFFFF},
          BinaryCase {"PointerColor", 0x00FF00}}) {
        const ProfileValue v = ReadProfileValue("Prompter", c.key);
        EXPECT_EQ(v.type, (DWORD)REG_BINARY) << c.key;
        EXPECT_EQ(v.Dword(), c.colour) << c.key;
    }
    const ProfileValue font = ReadProfileValue("Prompter", "Font");
    ASSERT_EQ(font.type, (DWORD)REG_BINARY);
    ASSERT_EQ(font.bytes.size(), sizeof(LOGFONT));
    const LOGFONT* lf = (const LOGFONT*)font.bytes.data();
    EXPECT_STREQ(lf->lfFaceName, "QEL Prompter");
    HDC hdc = ::GetDC(nullptr);
    EXPECT_EQ(lf->lfHeight, -::MulDiv(48, ::GetDeviceCaps(hdc, LOGPIXELSY), 72));
    ::ReleaseDC(nullptr, hdc);
}

TEST_F(AppFixture, ValuesAndSpeedKeysRoundTrip)
{
    m_app.LoadSettings();
    m_app.m_nAppLeft = 100;
    m_app.m_nAppTop = 50;
    m_app.m_nAppWidth = 800;
    m_app.m_nAppHeight = 600;
    m_app.m_nWindowState = 3;
    m_app.m_crFontColor = RGB(255, 255, 0);
    m_app.m_bMirrorImage = 1;
    m_app.m_nReadingSpeed = 150;
    m_app.m_strCCPort = "12";
    m_app.m_SpeedKeys[8] = {7, 33};
    m_app.m_SpeedKeys[0] = {2, 40};
    strcpy(m_app.m_lfPrompter.lfFaceName, "Liberation Sans");
    m_app.SaveSettings();
    EXPECT_EQ(ReadProfileValue("Application", "appLocation_right").Dword(), 800u);
    EXPECT_EQ(ReadProfileValue("Application", "appLocation_bottom").Dword(), 600u);

    CTXWordsApp second;
    second.SetRegistryKey("QEL\\Television\\Apps");
    second.LoadSettings();
    EXPECT_EQ(second.m_nAppLeft, 100);
    EXPECT_EQ(second.m_nAppTop, 50);
    EXPECT_EQ(second.m_nAppWidth, 800);
    EXPECT_EQ(second.m_nAppHeight, 600);
    EXPECT_EQ(second.m_nWindowState, 3);
    EXPECT_EQ(second.m_crFontColor, RGB(255, 255, 0));
    EXPECT_EQ(second.m_bMirrorImage, 1);
    EXPECT_EQ(second.m_nReadingSpeed, 150);
    EXPECT_STREQ(second.m_strCCPort, "12");
    EXPECT_STREQ(second.m_lfPrompter.lfFaceName, "Liberation Sans");
    EXPECT_EQ(second.m_SpeedKeys, m_app.m_SpeedKeys);
    EXPECT_EQ(second.m_SpeedKeys.size(), 22u);

    // Reset Prompter Speeds writes the built-in table at once.
    second.OnResetPrompterSpeeds();
    EXPECT_EQ(second.m_SpeedKeys, DefaultSpeedKeys());
    EXPECT_EQ(ReadProfileValue("SpeedKeys", "ps_slow1").Dword(), 65554u);
    EXPECT_EQ(ReadProfileValue("SpeedKeys", "ps_fast4").Dword(), 327698u);
}

TEST_F(AppFixture, ValuesOfTheWrongSizeReadAsDefaults)
{
    BYTE shortFont[10] = {1, 2, 3};
    BYTE longColour[8] = {0x11, 0x22, 0x33, 0, 0x44, 0, 0, 0};
    BYTE shortColour[2] = {0x55, 0x66};
    m_app.WriteProfileBinary("Prompter", "Font", shortFont, sizeof shortFont);
    m_app.WriteProfileBinary("Prompter", "FontColor", longColour, sizeof longColour);
    m_app.WriteProfileBinary("Prompter", "BackColor", shortColour, sizeof shortColour);
    m_app.WriteProfileInt("User", "ReadingSpeed", 0);
    m_app.LoadSettings();
    EXPECT_STREQ(m_app.m_lfPrompter.lfFaceName, "QEL Prompter");
    EXPECT_EQ(m_app.m_crFontColor, RGB(0, 0, 0));
    EXPECT_EQ(m_app.m_crBackColor, RGB(255, 255, 255));
    // A reading speed below 60 words a minute counts as 60: nothing divides by zero.
    EXPECT_EQ(m_app.GetReadingSpeed(), 60);
}

TEST_F(AppFixture, NothingIsWrittenBeforeTheProfileWasRead)
{
    // A second instance ends before it reads the profile; its exit must not write the
    // constructor's values over the first instance's settings.
    m_app.WriteProfileInt("Prompter", "LineSpacing", 20);
    m_app.ExitInstance();
    EXPECT_EQ(ReadProfileValue("Prompter", "LineSpacing").Dword(), 20u);
    EXPECT_EQ(ReadProfileValue("Prompter", "FontSize").type, 0u);
}

} // namespace
