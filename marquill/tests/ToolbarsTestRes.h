// Resource ids of the toolbar tests.
#pragma once

#define IDR_TEST_MAINBAR 3127
#define IDR_TEST_OTHERBAR 3128
#define ID_TEST_OTHER 33100
#define ID_TEST_OTHER2 33101
