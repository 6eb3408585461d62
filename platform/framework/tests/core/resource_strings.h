// String ids of the core tests' string table.
#pragma once
#define IDS_FW_TEST_SHORT 101
#define IDS_FW_TEST_LONG 102
#define IDS_FW_TEST_FORMAT 103
#define IDS_FW_TEST_MISSING 999
