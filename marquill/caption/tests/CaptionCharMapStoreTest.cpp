// The replacement characters' store on a registry in memory: the defaults of a fresh
// machine, stores with and without "IsActive", odd value names, the round trip of a save,
// a standard user, and a save that fails.
#include <gtest/gtest.h>

#include <functional>

#include "CaptionData.h"
#include "MemoryRegistry.h"

namespace {

const std::string kChars = kCharsKeyPath;

std::string Dword(uint32_t v) { return std::string((const char*)&v, 4); }

CCaptionData Reload(CMemoryRegistry& registry)
{
    CCaptionData data(&registry);
    data.m_bCharMapActive = false;
    data.LoadCaptionCharMap();
    return data;
}

TEST(CaptionCharMapStore, StoresReadAsTheirContentsSay)
{
    const CCaptionCharMap defaults = {{'*', ' '}, {'\\', ' '}, {'^', ' '}, {'_', ' '}, {'`', ' '},
                                      {'{', '('}, {'|', ':'},  {'}', ')'}, {'~', '-'}};
    struct Case
    {
        const char* what;
        std::function<void(CMemoryRegistry&)> setUp;
        CCaptionCharMap map;
        bool active;
    } cases[] = {
        {"no key", [](CMemoryRegistry&) {}, defaults, true},
        {"an empty key", [](CMemoryRegistry& r) { r.Walk(kChars, true); }, defaults, true},
        {"switched off, no characters",
         [](CMemoryRegistry& r) { r.PutDword(kChars, "IsActive", 0); },
         {},
         false},
        {"characters without the switch",
         [](CMemoryRegistry& r) { r.PutString(kChars, "&", "+"); },
         {{'&', '+'}},
         false},
        {"characters switched on",
         [](CMemoryRegistry& r) {
             r.PutString(kChars, "#", "N");
             r.PutString(kChars, "!", ".");
             r.PutDword(kChars, "IsActive", 1);
         },
         {{'!', '.'}, {'#', 'N'}},
         true},
        {"a longer name and its one-character value",
         [](CMemoryRegistry& r) {
             r.PutString(kChars, "%pct", "?");
             r.PutString(kChars, "%", "p");
         },
         {{'%', 'p'}},
         false},
        // Values the program never writes: the character stands for itself, never for a
        // zero byte.
        {"a longer name alone",
         [](CMemoryRegistry& r) { r.PutString(kChars, "@at", "x"); },
         {{'@', '@'}},
         false},
        {"an empty value",
         [](CMemoryRegistry& r) { r.PutString(kChars, "$", ""); },
         {{'$', '$'}},
         false},
        {"a long value",
         [](CMemoryRegistry& r) { r.PutString(kChars, "=", "EQ\0"); },
         {{'=', 'E'}},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CMemoryRegistry registry;
        c.setUp(registry);
        CCaptionData data = Reload(registry);
        EXPECT_EQ(data.m_CharMap, c.map);
        EXPECT_EQ(data.m_bCharMapActive, c.active);
    }
}

TEST(CaptionCharMapStore, ASavedMapReadsBackByteForByte)
{
    CMemoryRegistry registry;
    registry.PutString(kChars, "~", "-"); // dropped by the save that follows
    CCaptionData data(&registry);
    data.m_CharMap = {{'&', '+'}, {'"', '\''}, {'\\', ' '}, {'\xE9', 'e'}};
    data.m_bCharMapActive = true;
    ASSERT_TRUE(data.SaveCaptionCharMap());
    // One byte per value, no terminating zero; values in ascending (signed) character order.
    EXPECT_EQ(registry.ValueNames(kChars),
              (std::vector<std::string> {"\xE9", "\"", "&", "\\", "IsActive"}));
    EXPECT_EQ(registry.Data(kChars, "&"), "+");
    EXPECT_EQ(registry.Data(kChars, "\\"), " ");
    EXPECT_EQ(registry.Data(kChars, "IsActive"), Dword(1));
    CCaptionData back = Reload(registry);
    EXPECT_EQ(back.m_CharMap, data.m_CharMap);
    EXPECT_TRUE(back.m_bCharMapActive);

    // Switched off with no replacements left: only the switch remains, and no defaults
    // come back.
    data.m_CharMap.clear();
    data.m_bCharMapActive = false;
    ASSERT_TRUE(data.SaveCaptionCharMap());
    EXPECT_EQ(registry.ValueNames(kChars), (std::vector<std::string> {"IsActive"}));
    back = Reload(registry);
    EXPECT_TRUE(back.m_CharMap.empty());
    EXPECT_FALSE(back.m_bCharMapActive);
}

TEST(CaptionCharMapStore, AStandardUserReadsTheMapAndASaveReportsTheFailure)
{
    CMemoryRegistry registry;
    CCaptionData admin(&registry);
    admin.m_CharMap = {{'&', '+'}};
    admin.m_bCharMapActive = true;
    ASSERT_TRUE(admin.SaveCaptionCharMap());

    registry.readOnly = true;
    registry.accesses.clear();
    CCaptionData user = Reload(registry);
    EXPECT_EQ(user.m_CharMap, admin.m_CharMap);
    EXPECT_TRUE(user.m_bCharMapActive);
    for (RegAccess access : registry.accesses)
        EXPECT_NE(access, RegAccess::Write);
    user.m_CharMap.clear();
    EXPECT_FALSE(user.SaveCaptionCharMap());
    registry.readOnly = false;
    EXPECT_EQ(Reload(registry).m_CharMap, admin.m_CharMap);

    // A write that fails is reported too.
    registry.failingValues = {"IsActive"};
    EXPECT_FALSE(admin.SaveCaptionCharMap());
}

} // namespace
