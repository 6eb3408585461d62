// Resource ids of the clock glyphs (SelvatraClocks.rc): 18 consecutive bitmaps, 0-9 the
// digits, 10 a colon, 11 a blank, 12-17 letters (14-15 a light-break label, 16-17 heavy).
#pragma once

#define IDB_CLOCK_GLYPH_FIRST 7100
#define CLOCK_GLYPH_COUNT 18
