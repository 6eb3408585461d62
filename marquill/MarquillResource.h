// Resource and command ids of Marquill.
#pragma once
#define IDR_MAINFRAME 128
#define IDI_MARQUILL 127

// The About box, the splash window and its bitmap.
#define IDD_ABOUTBOX 100
#define IDB_SPLASH 104
#define IDD_SPLASH 153
#define IDC_ABOUT_PICTURE 1000
#define IDC_SPLASH_PICTURE 1001

// Application commands.
#define IDM_PROMPTER_FONT 32840
#define IDM_GENERAL_OPTIONS 32842
#define IDM_CC_SETUP 32979
#define IDM_LOOP 32982
#define IDM_RESET_PROMPTER_SPEEDS 32992
#define IDM_SHOW_CLOSE 32788
#define IDM_SHOW_SAVE 32790
#define IDM_SHOW_SAVE_AS 32792
#define IDM_SHOW_NEW 32794
#define IDM_SHOW_OPEN 32796

// The framework's standard commands the application handles.
#ifndef ID_APP_ABOUT
#define ID_APP_ABOUT 0xE140
#endif
#ifndef ID_HELP_INDEX
#define ID_HELP_INDEX 0xE142
#endif
#ifndef ID_HELP
#define ID_HELP 0xE146
#endif
#ifndef ID_DEFAULT_HELP
#define ID_DEFAULT_HELP 0xE147
#endif

// The script file format names (newline-separated parts).
#define IDS_FORMAT_WORD 32833
#define IDS_FORMAT_HTML 32834
#define IDS_FORMAT_RTF 32835
#define IDS_FORMAT_OWN 32836
#define IDS_FORMAT_TEXT 32837
#define IDS_FORMAT_UNICODE 32838
#define IDS_FORMAT_ALL 32839

// File error messages.
#define IDS_FILE_NOT_FOUND 32938
#define IDS_DISK_FULL 32939
#define IDS_SHARING_VIOLATION 32940
#define IDS_ACCESS_DENIED 32941
#define IDS_FILE_ERROR 32942

// Script windows: the script templates (with and without the slide-show commands), the
// main frame's menu, the context menu and the bookmark dialog.
#define IDR_SCRIPTTYPE_PP 125
#define IDR_SCRIPTTYPE 126
#define IDR_MAINFRAME_MENU 127
#define IDR_SCRIPT_CONTEXT 111
#define IDD_BOOKMARK 151
#define IDC_BOOKMARK_COMBO 1026
#define IDC_BOOKMARK_ADD 1027
#define IDC_BOOKMARK_DELETE 1028
#define IDC_BOOKMARK_GOTO 1029
#define IDS_STATUS_LINE 158
#define ID_INDICATOR_ERT 156
#define IDB_INFO_ICONS 20819

// Script view commands.
#define IDM_PROMPT_NOW 32841
#define IDM_SPELL_CHECK 32973
#define IDM_TEXT_COLOR 32970
#define IDM_BACK_COLOR 32971
#define IDM_BOLD 32978
#define IDM_ITALIC 32980
#define IDM_UNDERLINE 32983
#define IDM_BOOKMARK 32984
#define IDM_PP_LOAD 32986
#define IDM_PP_NEXT 32987
#define IDM_PP_START 32988
#define IDM_PP_CLOSE 32989
#define IDM_PROGRAM_SPEEDS 32990
#define IDM_PP_PREVIOUS 32991
#define IDM_COLOR_COMBO 32998
#define IDM_DEFAULT_BLACK 32999
#define IDM_TOGGLE_RULER 59398
