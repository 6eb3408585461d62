// The speed keys as the profile keeps them.
#include <gtest/gtest.h>

#include "SpeedKeys.h"

namespace {

TEST(SpeedKeys, DefaultTableAndItsPackedProfileValues)
{
    const SpeedKeyTable table = DefaultSpeedKeys();
    ASSERT_EQ(table.size(), 22u);
    const int packed[kSpeedKeyCount] = {65554,  65548,  131090, 131084,  196626, 196620,
                                        262162, 262156, 327698, 3276812, 65554};
    for (int i = 0; i < kSpeedKeyCount; ++i) {
        EXPECT_EQ(PackSpeedKey(table[i]), packed[i]) << kSpeedKeyNames[i];
        EXPECT_EQ(UnpackSpeedKey(packed[i]), table[i]) << kSpeedKeyNames[i];
    }
    for (size_t i = kSpeedKeyCount; i < table.size(); ++i)
        EXPECT_EQ(table[i], std::make_pair(0, 0));
    EXPECT_STREQ(kSpeedKeyNames[9], "ps_max");
    EXPECT_EQ(UnpackSpeedKey(3276812), std::make_pair(50, 12));
}

TEST(SpeedKeys, PairsRoundTrip)
{
    const std::pair<int, int> pairs[] = {{0, 0},   {1, 1},         {7, 33},
                                         {50, 12}, {32767, 65535}, {-1, 18}};
    for (const auto& p : pairs)
        EXPECT_EQ(UnpackSpeedKey(PackSpeedKey(p)), p) << p.first << "," << p.second;
}

} // namespace
