// The speed-key table as the program keeps it: entries 0 to 10 are the keys slow 1 to 4,
// normal, fast 1 to 4, maximum and minimum, each (scroll step in pixels, timer period in
// milliseconds), followed by eleven (0, 0) pairs. The profile packs each key into one
// integer, step * 65536 + period.
#pragma once
#include <utility>
#include <vector>

typedef std::vector<std::pair<int, int>> SpeedKeyTable;

constexpr int kSpeedKeyCount = 11;

// The profile key of each entry: ps_slow1 ... ps_min.
extern const char* const kSpeedKeyNames[kSpeedKeyCount];

SpeedKeyTable DefaultSpeedKeys();
int PackSpeedKey(const std::pair<int, int>& key);
std::pair<int, int> UnpackSpeedKey(int value);
