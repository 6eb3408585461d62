// The caption data in the machine's registry (HKEY_LOCAL_MACHINE of the test prefix): the
// presets as a first start saves them, byte for byte; long strings; the replacement values;
// the serial ports of the test prefix; and a prompter created afterwards whose captions on
// the test serial line (COM7) use the saved settings.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <sstream>

#include "CaptionData.h"
#include "ComPortList.h"
#include "PrompterCaptionSettings.h"
#include "standins/SerialLineReader.h"
#include "test_host.h"

namespace {

// The machine-wide caption keys, removed before and after each test.
class MachineCaptionStore : public ::testing::Test
{
protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear() { RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\QEL\\Marquill"); }

    // A value's type and data, read straight from the registry; type 0 when absent.
    static DWORD Raw(const std::string& path, const char* name, std::string& data)
    {
        HKEY key;
        data.clear();
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return 0;
        DWORD type = 0, size = 0;
        if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
            data.resize(size);
            RegQueryValueExA(key, name, nullptr, &type, (BYTE*)&data[0], &size);
        } else {
            type = 0;
        }
        RegCloseKey(key);
        return type;
    }
};

// Decimal byte numbers as the registry holds a REG_SZ: the bytes and one zero.
std::string Sz(const char* decimals)
{
    std::istringstream in(decimals);
    std::string bytes;
    int b;
    while (in >> b)
        bytes += char(b);
    return bytes + '\0';
}

std::string Dword(DWORD v) { return std::string((const char*)&v, 4); }

TEST_F(MachineCaptionStore, AFirstStartSavesThePresetsByteForByte)
{
    CCaptionData data;
    data.LoadEncoderProfiles();
    ASSERT_TRUE(data.SaveEncoderProfiles());

    std::string value;
    EXPECT_EQ(Raw(kEncoderKeyPath, "Selection", value), DWORD(REG_SZ));
    EXPECT_EQ(value, std::string("3-Line Rollup") + '\0');

    const char* linkReset = "1 82 1 82 6 6 6 6";
    const char* eegReset = "3 1 55 32 67 67 49 13";
    const char* linkInit = "1 51 13 1 51 13";
    struct Row
    {
        const char *title, *init, *bol, *eol, *reset;
    } rows[] = {
        {"default", "3 1 51 32 51 13 3 1 78 51 13 1 78 51 13", "", "13",
         "3 1 51 32 51 13 20 44 3 1 55"},
        {"3-Line Rollup", linkInit, "20 38 20 45 20 112", "", "3 1 51 32 51 13 20 44 3 1 55"},
        {"Link-HDE-3000-3Line Base 15", linkInit, "1 82 1 82 20 38 20 45 20 112", "", "6 6 6 6"},
        {"Link-3Line Base 15", linkInit, "20 38 20 45 20 112", "", linkReset},
        {"Link-3Line Base 3", linkInit, "20 38 20 45 18 80", "", linkReset},
        {"Link-2Line Base 15", linkInit, "20 37 20 45 20 112", "", linkReset},
        {"Link-2Line Base 02", linkInit, "20 37 20 45 17 112", "", linkReset},
        {"Link-4Line Base 15", linkInit, "20 39 20 45 20 112", "", linkReset},
        {"Link-4Line Base 04", linkInit, "20 39 20 45 18 112", "", linkReset},
        {"Link - Newswire", "1 78 51 13 1 78 51 13", "", "13", linkReset},
        {"EEG-EN530-3Line Base 15", "6 6 3 1 54 32 67 67 49 13 1 50 32 51 32 98 49 53 13", "", "13",
         eegReset},
        {"EEG-EN530-3Line Base 03", "6 6 3 1 54 32 67 67 49 13 1 50 32 51 32 98 51 13", "", "13",
         eegReset},
        {"EEG-EN530-2Line Base 15", "6 6 3 1 54 32 67 67 49 13 1 50 32 50 32 98 49 53 13", "", "13",
         eegReset},
        {"EEG-EN530-4Line Base 15", "6 6 3 1 54 32 67 67 49 13 1 50 32 52 32 98 49 53 13", "", "13",
         eegReset},
        {"evertz-HD9084-3Line Base 15", "6 6 3 1 54 32 67 49 13 1 50 32 51 32 67 49 53 13", "",
         "13", eegReset},
        {"evertz-HD9084-3Line Base 03", "6 6 3 1 54 32 67 49 13 1 50 32 51 32 66 51 13", "", "13",
         eegReset},
        {"evertz-HD9084-2Line Base 15", "6 6 3 1 54 32 67 49 13 1 50 32 50 32 66 49 53 13", "",
         "13", eegReset},
        {"evertz-HD9084-4Line Base 15", "6 6 3 1 54 32 67 49 13 1 50 32 52 32 67 49 53 13", "",
         "13", eegReset},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.title);
        std::string path = std::string(kEncoderKeyPath) + "\\" + row.title;
        const std::pair<const char*, const char*> strings[] = {
            {"INIT", row.init}, {"BOL", row.bol}, {"EOL", row.eol}, {"Reset", row.reset}};
        for (const auto& s : strings) {
            EXPECT_EQ(Raw(path, s.first, value), DWORD(REG_SZ)) << s.first;
            EXPECT_EQ(value, Sz(s.second)) << s.first;
        }
        const std::pair<const char*, DWORD> numbers[] = {
            {"Wrap", 28}, {"Pacing", 20}, {"WPMPacing", 48}, {"PopOn", 0}};
        for (const auto& n : numbers) {
            EXPECT_EQ(Raw(path, n.first, value), DWORD(REG_DWORD)) << n.first;
            EXPECT_EQ(value, Dword(n.second)) << n.first;
        }
    }
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kEncoderKeyPath, 0, KEY_READ, &key), 0);
    DWORD subkeys = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    EXPECT_EQ(subkeys, 18u);
}

TEST_F(MachineCaptionStore, LongStringsAndHighBytesReadBackWhole)
{
    std::string init;
    for (int i = 0; i < 700; ++i)
        init += char(1 + i % 255);
    CCaptionData data;
    data.LoadEncoderProfiles();
    data.m_EncoderProfiles["Studio B"] = CEncoderProfile(5, 43, "\x80\xFF", "", init, "", 32, 0);
    data.m_SelectedProfile = "Studio B";
    ASSERT_TRUE(data.SaveEncoderProfiles());

    CCaptionData next;
    next.LoadEncoderProfiles();
    EXPECT_EQ(next.m_SelectedProfile, "Studio B");
    ASSERT_EQ(next.m_EncoderProfiles.count("Studio B"), 1u);
    EXPECT_EQ(next.m_EncoderProfiles.at("Studio B"), data.m_EncoderProfiles.at("Studio B"));
}

TEST_F(MachineCaptionStore, ReplacementsAreOneBytePerValueAndTheSwitch)
{
    CCaptionData fresh;
    fresh.LoadCaptionCharMap();
    EXPECT_EQ(fresh.m_CharMap, CCaptionData::DefaultCharMap());
    EXPECT_TRUE(fresh.m_bCharMapActive);

    CCaptionData data;
    data.m_CharMap = {{'&', '+'}, {'~', '-'}};
    data.m_bCharMapActive = true;
    ASSERT_TRUE(data.SaveCaptionCharMap());
    // One character each (written without a terminating zero; Wine's registry adds one to
    // a string written through the narrow call, so only the characters are compared).
    std::string value;
    EXPECT_EQ(Raw(kCharsKeyPath, "&", value), DWORD(REG_SZ));
    EXPECT_STREQ(value.c_str(), "+");
    EXPECT_EQ(Raw(kCharsKeyPath, "~", value), DWORD(REG_SZ));
    EXPECT_STREQ(value.c_str(), "-");
    EXPECT_EQ(Raw(kCharsKeyPath, "IsActive", value), DWORD(REG_DWORD));
    EXPECT_EQ(value, Dword(1));

    CCaptionData next;
    next.LoadCaptionCharMap();
    EXPECT_EQ(next.m_CharMap, data.m_CharMap);
    EXPECT_TRUE(next.m_bCharMapActive);
}

TEST(MachineComPorts, TheTestPrefixsSerialLineIsListed)
{
    std::vector<int> ports;
    EnumerateComPorts(ports);
    EXPECT_NE(std::find(ports.begin(), ports.end(), 7), ports.end())
        << "ports found: " << ports.size();
}

TEST_F(MachineCaptionStore, APrompterCreatedAfterwardsCaptionsWithTheSavedSettings)
{
    SerialLineReader reader;
    ASSERT_TRUE(reader.Available()) << "no serial line (ccport.sh)";
    {
        CCaptionData setup;
        setup.LoadEncoderProfiles();
        setup.LoadCaptionCharMap();
        setup.m_EncoderProfiles["Studio B"] =
            CEncoderProfile(0, 0, "<", ">", "[init]", "[reset]", 10, 0);
        setup.m_SelectedProfile = "Studio B";
        setup.m_CharMap = {{'&', '+'}};
        setup.m_bCharMapActive = true;
        ASSERT_TRUE(setup.SaveEncoderProfiles());
        ASSERT_TRUE(setup.SaveCaptionCharMap());
    }
    // As at the program's next start.
    CCaptionData data;
    data.LoadEncoderProfiles();
    data.LoadCaptionCharMap();
    CCaptionLineSettings line;
    line.Port = SerialLineReader::Port();

    TestHost host;
    host.scripts[1] = "Salt & pepper and vinegar\r\nEnd\r\n";
    TestPrompter* p = host.NewPrompter(false);
    p->m_bCaptionOn = 1;
    ApplyCaptionSettings(*p, data, line);
    EXPECT_EQ(p->m_nCCLineLength, 10);
    host.CreateFullScreen(p, 800, 600);
    p->OnPromptNow(1, 0);
    p->StartStop(false);
    ASSERT_TRUE(TestHost::PumpUntil([&] { return p->m_bAtBottom != 0 || !p->m_bRunning; }, 20000));
    reader.WaitQuiet(400);
    CloseAndWait(host, p);
    EXPECT_EQ(reader.WaitQuiet(300), "[init]<Salt +><pepper and><vinegar><End>[reset]");
}

} // namespace
