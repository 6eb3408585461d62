// Basic types and constants of the grid library: row and column numbers, the modes of
// style merging and of undoable operations, and (in the native build) the few Windows
// drawing constants and records the window-free model refers to.
#pragma once
#include "fw/core.h"

#if defined(_WIN32)
#include <windows.h>
#else
typedef struct tagLOGFONTA
{
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[32];
} LOGFONT, LOGFONTA;
typedef struct tagLOGBRUSH
{
    UINT lbStyle;
    COLORREF lbColor;
    UINT_PTR lbHatch;
} LOGBRUSH;
typedef struct tagLOGPEN
{
    UINT lopnStyle;
    POINT lopnWidth;
    COLORREF lopnColor;
} LOGPEN;
typedef void* HGLOBAL;
typedef void* HDC;
typedef void* HBITMAP;
typedef void* HINSTANCE;
typedef void* HMODULE;
#define LF_FACESIZE 32
#define COLOR_SCROLLBAR 0
#define COLOR_BACKGROUND 1
#define COLOR_ACTIVECAPTION 2
#define COLOR_INACTIVECAPTION 3
#define COLOR_MENU 4
#define COLOR_WINDOW 5
#define COLOR_WINDOWFRAME 6
#define COLOR_MENUTEXT 7
#define COLOR_WINDOWTEXT 8
#define COLOR_CAPTIONTEXT 9
#define COLOR_ACTIVEBORDER 10
#define COLOR_INACTIVEBORDER 11
#define COLOR_APPWORKSPACE 12
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_BTNSHADOW 16
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18
#define COLOR_INACTIVECAPTIONTEXT 19
#define COLOR_BTNHIGHLIGHT 20
#define COLOR_3DDKSHADOW 21
#define COLOR_3DLIGHT 22
#define COLOR_INFOTEXT 23
#define COLOR_INFOBK 24
#define DT_TOP 0x0
#define DT_LEFT 0x0
#define DT_CENTER 0x1
#define DT_RIGHT 0x2
#define DT_VCENTER 0x4
#define DT_BOTTOM 0x8
#define DT_WORDBREAK 0x10
#define DT_SINGLELINE 0x20
#define DT_NOPREFIX 0x800
#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define PS_DASHDOT 3
#define PS_DASHDOTDOT 4
#define PS_NULL 5
#define PS_INSIDEFRAME 6
#define BS_SOLID 0
#define BS_HOLLOW 1
#define BS_NULL 1
#define BS_HATCHED 2
#define BS_PATTERN 3
#define FW_NORMAL 400
#define FW_BOLD 700
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#endif

// A row or column number; row 0 and column 0 are the headers.
typedef DWORD ROWCOL;
#define GX_INVALID ((ROWCOL)0xFFFFFFFF)
#define GX_MAXROWCOL ((ROWCOL)0xFFFFFFFE)

// How a style is combined with another (CGXStyle::MergeStyle and every store operation).
enum GXModifyType {
    gxOverride = 0, // every attribute the other includes replaces this one's
    gxApplyNew = 1, // only attributes this style lacks are taken
    gxCopy = 2, // this style becomes a copy of the other
    gxExclude = 3 // every attribute the other includes is removed here
};

// The mode of every undoable grid operation, passed last.
enum GXCmdType {
    gxDo = 0, // a new action: its opposite goes to the undo list
    gxRollback = 1, // rollback of a transaction: nothing is recorded
    gxUndo = 2, // undo: the opposite goes to the redo list
    gxRedo = 3 // redo: the opposite goes to the undo list
};

// Update flags of changing grid operations.
#define GX_INVALIDATE 0x01
#define GX_UPDATENOW 0x02
#define GX_SMART 0x04

// Where a grid colour names a system colour: values 0x41000000 to 0xFEFFFFFF stand for
// system colour 254 minus the high byte.
inline BOOL GXIsSysColorRef(COLORREF cr) { return cr >= 0x41000000 && cr <= 0xFEFFFFFF; }
inline int GXSysColorIndexOfRef(COLORREF cr) { return 254 - (int)(cr >> 24); }
// The highest system-colour index a colour reference can name (high byte 0x41).
#define GX_MAXSYSCOLORINDEX 189
