// The 41 monochrome 8 x 8 pattern bitmaps that patterned brushes use (pattern numbers
// below GX_PATTERN_COUNT). Patterns 33 to 36 draw dashed and dotted horizontal border
// edges, 37 to 40 the same vertically.
#pragma once
#include "core/GXDefs.h"

// The eight 16-bit rows of pattern n (a set bit is the background, a clear bit the
// foreground); null for a number outside the table.
const WORD* GXGetPatternBits(int nPattern);
