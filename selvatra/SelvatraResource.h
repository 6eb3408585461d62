// Resource ids of Selvatra.
#pragma once

// Reading-pointer bitmaps, one per marker type (drawn black and yellow; recoloured when shown).
#define IDB_POINTER_FULL 154
#define IDB_POINTER_NARROW 155
#define IDB_POINTER_ARROW 156
#define IDB_POINTER_SMALL 157
