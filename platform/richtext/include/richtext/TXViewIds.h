// Command ids of the rich-text view's own commands (the menus of a program that uses it
// give them their texts).
#pragma once

#define ID_TX_VIEW_NORMAL 32773
#define ID_TX_VIEW_PAGELAYOUT 32775
#define ID_TX_INSERT_PAGEBREAK 32798
#define ID_TX_FORMAT_CHAR 32799
#define ID_TX_FORMAT_PARAGRAPH 32800
#define ID_TX_INSERT_HYPERLINK 32963
#define ID_TX_INSERT_TARGET 32964
