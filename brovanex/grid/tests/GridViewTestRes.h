#pragma once
#define IDR_GRIDVIEW_MAIN 7100
#define IDR_GRIDVIEW_DOC 7101
