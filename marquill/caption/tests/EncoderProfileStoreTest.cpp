// The encoder profiles' store on a registry in memory: the presets of a fresh machine, stores
// of earlier versions, profiles added, edited and deleted across a save and the next start,
// long and zero-holding strings, a standard user's reading, and writes that fail.
#include <gtest/gtest.h>

#include "CaptionData.h"
#include "EncoderProfile.h"
#include "MemoryRegistry.h"

namespace {

const std::string kInit = kEncoderKeyPath;

std::string Dword(uint32_t v) { return std::string((const char*)&v, 4); }

// A store as the program leaves it, then read as at the next start.
CCaptionData Reload(CMemoryRegistry& registry)
{
    CCaptionData data(&registry);
    data.LoadEncoderProfiles();
    return data;
}

CEncoderProfileMap PresetMap()
{
    CEncoderProfileMap map;
    for (const EncoderPreset& preset : EncoderPresets())
        map.emplace(preset.title, preset.profile);
    return map;
}

TEST(EncoderProfileStore, AFreshMachineGetsThePresetsWithTheRollupSelected)
{
    for (bool keyExists : {false, true}) {
        SCOPED_TRACE(keyExists);
        CMemoryRegistry registry;
        if (keyExists)
            registry.Walk(kInit, true);
        CCaptionData data = Reload(registry);
        EXPECT_EQ(data.m_EncoderProfiles.size(), 18u);
        EXPECT_EQ(data.m_EncoderProfiles, PresetMap());
        EXPECT_EQ(data.m_SelectedProfile, "3-Line Rollup");
        // Reading never writes: the store stays as it was.
        EXPECT_EQ(registry.Walk(kInit, false) != nullptr, keyExists);
    }
}

TEST(EncoderProfileStore, AnOlderStoreKeepsItsValuesAndGainsThePresetsItLacks)
{
    CMemoryRegistry registry;
    registry.PutString(kInit, "Selection", std::string("default\0", 8));
    registry.PutString(kInit + "\\default", "INIT", std::string("\x01\x02\0", 3));
    registry.PutDword(kInit + "\\default", "Wrap", 32);
    CCaptionData data = Reload(registry);
    ASSERT_EQ(data.m_EncoderProfiles.size(), 18u);
    const CEncoderProfile& stored = data.m_EncoderProfiles.at("default");
    EXPECT_EQ(stored.INIT, "\x01\x02");
    EXPECT_EQ(stored.Wrap, 32);
    // Values the subkey lacks take their defaults.
    EXPECT_EQ(stored.EOL, "");
    EXPECT_EQ(stored.Pacing, 20);
    EXPECT_EQ(stored.WPMPacing, 48);
    EXPECT_EQ(stored.PopOn, 0);
    // The newest preset was missing, so the store is older than it: the rollup is selected.
    EXPECT_EQ(data.m_SelectedProfile, "3-Line Rollup");
}

TEST(EncoderProfileStore, ProfilesAddedEditedAndDeletedSurviveTheNextStart)
{
    CMemoryRegistry registry;
    CCaptionData data = Reload(registry);
    CEncoderProfile studio(5, 43, "\x14\x26", "\r", "\x01\x33\r", "\x06\x06", 32, 1);
    data.m_EncoderProfiles["Studio B"] = studio;
    data.m_SelectedProfile = "Studio B";
    ASSERT_TRUE(data.SaveEncoderProfiles());
    EXPECT_EQ(registry.Subkeys(kInit).size(), 19u);
    EXPECT_EQ(registry.Data(kInit, "Selection"), std::string("Studio B\0", 9));
    EXPECT_EQ(registry.Data(kInit + "\\Studio B", "BOL"), std::string("\x14\x26\0", 3));
    EXPECT_EQ(registry.Data(kInit + "\\Studio B", "Wrap"), Dword(32));

    CCaptionData second = Reload(registry);
    EXPECT_EQ(second.m_EncoderProfiles.at("Studio B"), studio);
    EXPECT_EQ(second.m_SelectedProfile, "Studio B");

    // Edited, then deleted together with two presets: the presets come back, it does not.
    second.m_EncoderProfiles["Studio B"].Pacing = 9;
    ASSERT_TRUE(second.SaveEncoderProfiles());
    EXPECT_EQ(Reload(registry).m_EncoderProfiles.at("Studio B").Pacing, 9);
    second.m_EncoderProfiles.erase("Studio B");
    second.m_EncoderProfiles.erase("default");
    second.m_EncoderProfiles.erase(kRollupMarkerPreset);
    second.m_EncoderProfiles["3-Line Rollup"].Wrap = 20;
    ASSERT_TRUE(second.SaveEncoderProfiles());
    EXPECT_EQ(registry.Subkeys(kInit).size(), 16u);
    CCaptionData third = Reload(registry);
    EXPECT_EQ(third.m_EncoderProfiles.count("Studio B"), 0u);
    EXPECT_EQ(third.m_EncoderProfiles.at("default"), PresetMap().at("default"));
    EXPECT_EQ(third.m_EncoderProfiles.at("3-Line Rollup").Wrap, 20); // kept, not the preset's
    // The returning newest preset selects the rollup again, as for any store that lacked it.
    EXPECT_EQ(third.m_SelectedProfile, "3-Line Rollup");
}

TEST(EncoderProfileStore, StringsReadBackWholeUpToAZeroByte)
{
    std::string longInit;
    for (int i = 0; i < 600; ++i)
        longInit += char(1 + i % 255); // every byte value but zero, high bytes included
    struct Case
    {
        std::string stored;
        std::string loaded;
    } cases[] = {
        {longInit, longInit},
        {std::string(253, 'x'), std::string(253, 'x')},
        {std::string(254, 'y'), std::string(254, 'y')},
        {std::string("\x03\x01\0\x33", 4), "\x03\x01"},
        {std::string("\0\x33", 2), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.size());
        CMemoryRegistry registry;
        CCaptionData data = Reload(registry);
        data.m_EncoderProfiles["Long"].INIT = c.stored;
        ASSERT_TRUE(data.SaveEncoderProfiles());
        EXPECT_EQ(Reload(registry).m_EncoderProfiles.at("Long").INIT, c.loaded);
    }
    // A long selected title reads back whole as well.
    CMemoryRegistry registry;
    CCaptionData data = Reload(registry);
    std::string title(250, 'T');
    data.m_EncoderProfiles[title] = CEncoderProfile();
    data.m_SelectedProfile = title;
    ASSERT_TRUE(data.SaveEncoderProfiles());
    EXPECT_EQ(Reload(registry).m_SelectedProfile, title);
}

TEST(EncoderProfileStore, AStandardUserReadsTheStoreAndASaveReportsTheFailure)
{
    CMemoryRegistry registry;
    CCaptionData admin = Reload(registry);
    admin.m_EncoderProfiles["Studio B"].Wrap = 16;
    admin.m_SelectedProfile = "Studio B";
    ASSERT_TRUE(admin.SaveEncoderProfiles());

    registry.readOnly = true;
    registry.accesses.clear();
    CCaptionData user = Reload(registry);
    EXPECT_EQ(user.m_EncoderProfiles.at("Studio B").Wrap, 16);
    EXPECT_EQ(user.m_SelectedProfile, "Studio B");
    for (RegAccess access : registry.accesses)
        EXPECT_NE(access, RegAccess::Write);

    user.m_EncoderProfiles.erase("Studio B");
    EXPECT_FALSE(user.SaveEncoderProfiles());
    registry.readOnly = false;
    EXPECT_EQ(Reload(registry).m_EncoderProfiles.count("Studio B"), 1u); // the store is intact

    // A standard user on a machine that never saved gets the presets.
    CMemoryRegistry fresh;
    fresh.readOnly = true;
    EXPECT_EQ(Reload(fresh).m_EncoderProfiles.size(), 18u);
}

TEST(EncoderProfileStore, AFailedWriteOrAnUnstorableTitleIsReported)
{
    CMemoryRegistry registry;
    CCaptionData data = Reload(registry);
    registry.failingValues = {"Reset"};
    EXPECT_FALSE(data.SaveEncoderProfiles());

    registry.failingValues.clear();
    data.m_EncoderProfiles["News\\Late"] = CEncoderProfile();
    EXPECT_FALSE(data.SaveEncoderProfiles());
    // The other profiles are written, and no nested key is made.
    EXPECT_EQ(registry.Subkeys(kInit).size(), 18u);
    EXPECT_EQ(registry.Walk(kInit + "\\News", false), nullptr);

    data.m_EncoderProfiles.erase("News\\Late");
    EXPECT_TRUE(data.SaveEncoderProfiles());
    EXPECT_FALSE(CCaptionData::IsStorableTitle(""));
    EXPECT_FALSE(CCaptionData::IsStorableTitle("A\\B"));
    EXPECT_TRUE(CCaptionData::IsStorableTitle("Link - Newswire"));
}

} // namespace
