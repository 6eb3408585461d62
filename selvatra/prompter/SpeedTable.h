// The prompter's speed table: eleven (step in pixels, period in milliseconds) entries
// addressed by the speed keys, followed by eleven unused (0, 0) pairs.
#pragma once
#include <utility>
#include <vector>

#include "SelvatraApi.h"

typedef std::pair<int, int> SpeedPair; // (step, period)
typedef std::vector<SpeedPair> SpeedTable;

enum SpeedEntry {
    ps_slow1 = 0,
    ps_slow2,
    ps_slow3,
    ps_slow4,
    ps_normal,
    ps_fast1,
    ps_fast2,
    ps_fast3,
    ps_fast4,
    ps_max,
    ps_min,
    SPEED_ENTRIES // 11
};

// The built-in table, with its eleven trailing (0, 0) pairs.
SELVATRA_API SpeedTable DefaultSpeedTable();

// Makes a host-written table safe to index: missing entries come from the built-in table,
// steps and periods below 1 become the built-in entry's, and the trailing pairs are added.
SELVATRA_API void NormalizeSpeedTable(SpeedTable& table);

// An entry index for a default speed setting: out-of-range values give the normal entry.
SELVATRA_API int ClampSpeedEntry(int entry);

// The next step on the ladder 1, 2, 3, 4, 6, 7, 8, 9, 50 (0 for steps off the ladder).
SELVATRA_API int GetNextSpeed(bool up, int step);
