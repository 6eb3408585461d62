// Resource ids of the test library.
#pragma once
#define IDS_LIBRARY_GREETING 7001
#define IDS_LIBRARY_PROMPT 7002
#define IDB_LIBRARY_SQUARE 7101
#define IDD_LIBRARY_DIALOG 7201
