// Resource ids of the Close Caption Setup sheet, whose caption and page templates live in
// Selvatra's resources; the program's pages find them through the resource chain.
#pragma once

#define IDS_CAPTION_SHEET 107 // "Property Sheet", the sheet's initial caption
#define IDD_CAPTION_PORT 108
#define IDD_CAPTION_ENCODER 109
#define IDD_CAPTION_CHARS 110

// Port page.
#define IDC_CC_PORT 544
#define IDC_CC_BAUD 545
#define IDC_CC_DATA_BITS 546
#define IDC_CC_PARITY 547
#define IDC_CC_STOP_BITS 548
#define IDC_CC_DTR_DSR 549
#define IDC_CC_RTS_CTS 550
#define IDC_CC_XON_XOFF 551

// Encoder page.
#define IDC_CC_BOL 1034
#define IDC_CC_EOL 1035
#define IDC_CC_RESET 1040
#define IDC_CC_CHAR_PACING 1085
#define IDC_CC_LINE_LENGTH 1086
#define IDC_CC_INIT 1088
#define IDC_CC_WORDS_PER_MINUTE 1095
#define IDC_CC_TITLE 1096
#define IDC_CC_NEW_PROFILE 1097
#define IDC_CC_DELETE_PROFILE 1098
#define IDC_CC_DISPLAY_HEX 1170

// Replacement-character page: the master switch; each character's check box and edit
// field are listed with the page's rows.
#define IDC_CC_USE_REPLACEMENTS 1100
