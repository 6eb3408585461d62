// The application profile keeps ints, strings and binary values in the registry under
// HKEY_CURRENT_USER\Software\<key>\<application>\<section>.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "fw_test_support.h"

namespace {

const char kCompany[] = "MarquillFrameworkTests";

class ProfileTest : public ::testing::Test
{
protected:
    ProfileTest() : m_app("ProfileProbe") { }
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\MarquillFrameworkTests");
        m_app.SetRegistryKey(kCompany);
    }
    void TearDown() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\MarquillFrameworkTests");
    }
    CWinApp m_app;
};

TEST_F(ProfileTest, ValuesRoundTripThroughTheRegistry)
{
    EXPECT_STREQ(m_app.m_pszProfileName, "ProfileProbe");
    struct IntCase
    {
        const char* entry;
        int value;
    };
    const IntCase ints[] = {
        {"ReadingSpeed", 180}, {"Zero", 0}, {"Negative", -25}, {"Big", 0x7FFFFFFF}};
    for (const IntCase& c : ints)
        ASSERT_TRUE(m_app.WriteProfileInt("Prompter", c.entry, c.value));
    for (const IntCase& c : ints)
        EXPECT_EQ((int)m_app.GetProfileInt("Prompter", c.entry, 99), c.value) << c.entry;

    ASSERT_TRUE(m_app.WriteProfileString("User", "Font", "Liberation Sans"));
    ASSERT_TRUE(m_app.WriteProfileString("User", "Empty", ""));
    EXPECT_STREQ(m_app.GetProfileString("User", "Font"), "Liberation Sans");
    EXPECT_STREQ(m_app.GetProfileString("User", "Empty", "default"), "");

    BYTE placement[40];
    for (int i = 0; i < 40; ++i)
        placement[i] = (BYTE)(i * 7); // zero bytes included
    ASSERT_TRUE(m_app.WriteProfileBinary("Application", "Placement", placement, sizeof placement));
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(m_app.GetProfileBinary("Application", "Placement", &pData, &nBytes));
    std::unique_ptr<BYTE[]> owned(pData);
    ASSERT_EQ(nBytes, sizeof placement);
    EXPECT_EQ(memcmp(pData, placement, sizeof placement), 0);

    // The values really are where other programs (and the setup) look for them.
    HKEY hKey;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER,
                              "Software\\MarquillFrameworkTests\\ProfileProbe\\Prompter", 0,
                              KEY_READ, &hKey),
              ERROR_SUCCESS);
    DWORD dwValue = 0, dwType = 0, dwSize = sizeof dwValue;
    EXPECT_EQ(::RegQueryValueExA(hKey, "ReadingSpeed", nullptr, &dwType, (LPBYTE)&dwValue, &dwSize),
              ERROR_SUCCESS);
    EXPECT_EQ(dwType, (DWORD)REG_DWORD);
    EXPECT_EQ(dwValue, 180u);
    ::RegCloseKey(hKey);
}

TEST_F(ProfileTest, MissingOrMistypedValuesGiveTheDefault)
{
    EXPECT_EQ(m_app.GetProfileInt("Nowhere", "Nothing", 12), 12u);
    EXPECT_STREQ(m_app.GetProfileString("Nowhere", "Nothing", "fallback"), "fallback");
    EXPECT_STREQ(m_app.GetProfileString("Nowhere", "Nothing"), "");
    LPBYTE pData = (LPBYTE)1;
    UINT nBytes = 5;
    EXPECT_FALSE(m_app.GetProfileBinary("Nowhere", "Nothing", &pData, &nBytes));
    EXPECT_EQ(pData, nullptr);
    EXPECT_EQ(nBytes, 0u);

    // A value of another type is not misread.
    m_app.WriteProfileString("Mixed", "Speed", "fast");
    m_app.WriteProfileInt("Mixed", "Count", 3);
    EXPECT_EQ(m_app.GetProfileInt("Mixed", "Speed", 4), 4u);
    EXPECT_STREQ(m_app.GetProfileString("Mixed", "Count", "none"), "none");
    EXPECT_FALSE(m_app.GetProfileBinary("Mixed", "Speed", &pData, &nBytes));
}

TEST_F(ProfileTest, EntriesAndSectionsAreRemoved)
{
    m_app.WriteProfileString("Captioner", "Port", "COM2");
    m_app.WriteProfileString("Captioner", "Profile", "Generic");
    ASSERT_TRUE(m_app.WriteProfileString("Captioner", "Port", nullptr));
    EXPECT_STREQ(m_app.GetProfileString("Captioner", "Port", "gone"), "gone");
    EXPECT_STREQ(m_app.GetProfileString("Captioner", "Profile"), "Generic");

    ASSERT_TRUE(m_app.WriteProfileString("Captioner", nullptr, nullptr));
    EXPECT_STREQ(m_app.GetProfileString("Captioner", "Profile", "gone"), "gone");
}

TEST(ProfileFile, WithoutARegistryKeyTheProfileIsAnIniFile)
{
    char szDir[MAX_PATH], szPath[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szDir);
    ::GetTempFileNameA(szDir, "fwp", 0, szPath);
    CWinApp app("IniProbe");
    free((void*)app.m_pszProfileName);
    app.m_pszProfileName = _strdup(szPath);

    ASSERT_TRUE(app.WriteProfileInt("Prompter", "Border", 15));
    ASSERT_TRUE(app.WriteProfileString("Prompter", "Font", "Mono"));
    BYTE bytes[] = {0, 1, 0xFE, 0xFF};
    ASSERT_TRUE(app.WriteProfileBinary("Prompter", "Keys", bytes, sizeof bytes));
    EXPECT_EQ(app.GetProfileInt("Prompter", "Border", 0), 15u);
    EXPECT_STREQ(app.GetProfileString("Prompter", "Font"), "Mono");
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(app.GetProfileBinary("Prompter", "Keys", &pData, &nBytes));
    std::unique_ptr<BYTE[]> owned(pData);
    ASSERT_EQ(nBytes, sizeof bytes);
    EXPECT_EQ(memcmp(pData, bytes, sizeof bytes), 0);
    ::DeleteFileA(szPath);
}

} // namespace
