#include "SpeedTable.h"

static const SpeedPair kBuiltIn[SPEED_ENTRIES] = {
    {1, 18}, {1, 12}, {2, 18}, {2, 12},  {3, 18}, {3, 12},
    {4, 18}, {4, 12}, {5, 18}, {50, 12}, {1, 18},
};

SpeedTable DefaultSpeedTable()
{
    SpeedTable table(kBuiltIn, kBuiltIn + SPEED_ENTRIES);
    table.resize(2 * SPEED_ENTRIES, SpeedPair(0, 0));
    return table;
}

void NormalizeSpeedTable(SpeedTable& table)
{
    if (table.size() < 2 * SPEED_ENTRIES)
        table.resize(2 * SPEED_ENTRIES, SpeedPair(0, 0));
    for (int i = 0; i < SPEED_ENTRIES; ++i) {
        if (table[i].first < 1)
            table[i].first = kBuiltIn[i].first;
        if (table[i].second < 1)
            table[i].second = kBuiltIn[i].second;
    }
}

int ClampSpeedEntry(int entry) { return (entry >= 0 && entry < SPEED_ENTRIES) ? entry : ps_normal; }

int GetNextSpeed(bool up, int step)
{
    static const int ladder[] = {1, 2, 3, 4, 6, 7, 8, 9, 50};
    const int n = int(sizeof(ladder) / sizeof(ladder[0]));
    for (int i = 0; i < n; ++i) {
        if (ladder[i] != step)
            continue;
        if (up)
            return i + 1 < n ? ladder[i + 1] : ladder[n - 1];
        return i > 0 ? ladder[i - 1] : ladder[0];
    }
    return 0;
}
