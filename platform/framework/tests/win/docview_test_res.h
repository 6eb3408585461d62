// Resource ids of the document and frame tests.
#pragma once

#define IDR_TEST_MAINFRAME 200
#define IDR_TEST_NOTETYPE 201
#define IDR_TEST_SHOWTYPE 202

#define ID_TEST_ROUTE 32900
#define ID_TEST_CHECKED 32901
#define ID_TEST_NOHANDLER 32902
#define ID_TEST_DISABLED 32903
#define ID_TEST_APPONLY 32904
