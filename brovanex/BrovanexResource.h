// Resource ids of Brovanex.
#pragma once

// New Script: the title and talent of a script row being added. Marquill holds a dialog of
// the same number: run this one inside a CLibraryResourceScope.
#define IDD_NEW_SCRIPT 132
#define IDC_NEW_SCRIPT_TITLE 1002
#define IDC_NEW_SCRIPT_TALENT 1005
#define IDC_NEW_SCRIPT_OPEN 1007

// Column Select: the show's column information.
#define IDD_COLUMN_SELECT 2135
#define IDC_COLSEL_TALENT 1005
#define IDC_COLSEL_PAGENO 1008
#define IDC_COLSEL_MISC1_TITLE 1009
#define IDC_COLSEL_MISC1 1010
#define IDC_COLSEL_MISC2 1011
#define IDC_COLSEL_SLUG 1012
#define IDC_COLSEL_ERT 1013
#define IDC_COLSEL_SOT 1014
#define IDC_COLSEL_TTL 1015
#define IDC_COLSEL_CUME 1016
#define IDC_COLSEL_MISC2_TITLE 1017
#define IDC_COLSEL_WIDTH_FIRST 1018 // 1018 to 1026: widths of #, Talent ... Cume
#define IDC_COLSEL_SEPARATOR 1027
#define IDC_COLSEL_SEGMENTS 1028

// The rundown view's cursor.
#define IDC_RUNDOWN_CURSOR 136
