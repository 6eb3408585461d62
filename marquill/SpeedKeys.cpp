#include "SpeedKeys.h"

const char* const kSpeedKeyNames[kSpeedKeyCount] = {"ps_slow1",  "ps_slow2", "ps_slow3", "ps_slow4",
                                                    "ps_normal", "ps_fast1", "ps_fast2", "ps_fast3",
                                                    "ps_fast4",  "ps_max",   "ps_min"};

SpeedKeyTable DefaultSpeedKeys()
{
    SpeedKeyTable table = {{1, 18}, {1, 12}, {2, 18}, {2, 12},  {3, 18}, {3, 12},
                           {4, 18}, {4, 12}, {5, 18}, {50, 12}, {1, 18}};
    table.insert(table.end(), kSpeedKeyCount, std::make_pair(0, 0));
    return table;
}

int PackSpeedKey(const std::pair<int, int>& key)
{
    return (int)((unsigned)key.first << 16) + (key.second & 0xFFFF);
}

std::pair<int, int> UnpackSpeedKey(int value)
{
    return std::make_pair(value >> 16, value & 0xFFFF);
}
