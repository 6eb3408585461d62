// Resource and command ids of Marquill.
#pragma once
#define IDR_MAINFRAME 128
#define IDI_MARQUILL 127

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
