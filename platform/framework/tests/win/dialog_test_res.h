// Resource ids of the dialog tests' templates.
#pragma once

#define IDD_OPTIONS 200
#define IDD_PAGE_PORT 201
#define IDD_PAGE_CHARS 202
#define IDD_PAGE_THIRD 203
#define IDS_SHEET_CAPTION 210
#define IDS_PROGRAM_NOTE 211

#define IDC_LEFT 1001
#define IDC_TITLE 1002
#define IDC_MIRROR 1003
#define IDC_SINGLE 1004
#define IDC_ONEHALF 1005
#define IDC_DOUBLE 1006
#define IDC_BAUD 1007
#define IDC_NOTE 1008
#define IDC_PORT 1010
#define IDC_CHAR 1011
#define IDC_THIRD 1012
