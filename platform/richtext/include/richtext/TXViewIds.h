// Command ids of the rich-text view's own commands (the menus of a program that uses it
// give them their texts).
#pragma once

#define ID_TX_VIEW_NORMAL 32773
#define ID_TX_VIEW_PAGELAYOUT 32775
#define ID_TX_VIEW_CENTEREDLAYOUT 32958
#define ID_TX_ZOOM_25 32777
#define ID_TX_ZOOM_50 32779
#define ID_TX_ZOOM_75 32780
#define ID_TX_ZOOM_100 32781
#define ID_TX_ZOOM_150 32782
#define ID_TX_ZOOM_200 32784
#define ID_TX_ZOOM_300 32785
#define ID_TX_ZOOM_WIDTH 32786
#define ID_TX_ZOOM_PAGE 32787
#define ID_TX_INSERT_PAGEBREAK 32798
#define ID_TX_FORMAT_CHAR 32799
#define ID_TX_FORMAT_PARAGRAPH 32800
#define ID_TX_INSERT_HYPERLINK 32963
#define ID_TX_INSERT_TARGET 32964
