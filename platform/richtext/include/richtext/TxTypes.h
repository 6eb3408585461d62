// The text control's interface types: message numbers, the structures passed with them,
// the file format codes and the field kinds. Shared by the window-free control core and
// the edit window, so it builds natively too.
#pragma once
#include "fw/fwdefs.h"
#include <cstdint>

#if !defined(_WIN32)
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
#ifndef WM_CLEAR
#define WM_CLEAR 0x0303
#endif
#endif

// A pair of positions or colours: the selection (anchor, caret), a line and column, a
// field's start and end, or text and background colours.
struct TXPAIR
{
    LONG first;
    LONG second;
};

// Field type block of messages 1220 and 1221. wMask 23 asks for (or sets) the type, the
// type text and its length; the type text buffer holds nTypeTextLen bytes with the
// terminator.
typedef struct tagTXFIELDSETTYPE
{
    WORD wMask;
    BYTE nType;
    LPSTR lpszTypeText;
    int nTypeTextLen;
} TXFIELDSETTYPE;

enum TXMessage : UINT {
    TXM_GETCARETLINECOL = 1129,
    TXM_GETSEL = 1132,
    TXM_GETTEXTLENGTH = 1136,
    TXM_GETLASTLINE = 1139,
    TXM_LINEINDEX = 1140,
    TXM_GETSELCOLORS = 1150,
    TXM_SETSTYLE = 1154,
    TXM_SETSEL = 1158,
    TXM_SETSELCOLOR = 1168,
    TXM_REPLACESEL = 1193,
    TXM_GETTEXT = 1203,
    TXM_FIELDATCARET = 1218,
    TXM_GOTOTARGET = 1219,
    TXM_FIELDGETTYPE = 1220,
    TXM_FIELDSETTYPE = 1221,
    TXM_FIELDSETTEXT = 1224,
    TXM_FIELDATINPUTPOS = 1226,
    TXM_FIELDGETTEXT = 1227,
    TXM_FIELDGETPOS = 1228,
    TXM_FIELDINSERT = 1229,
    TXM_FIELDDELETE = 1231,
    TXM_FIELDNEXT = 1232,
};

// wParam of TXM_SETSTYLE.
enum : UINT { TXSTYLE_BOLD = 32772, TXSTYLE_ITALIC = 32776, TXSTYLE_UNDERLINE = 32784 };
// wParam of TXM_SETSELCOLOR.
enum : UINT { TXCOLOR_TEXT = 2, TXCOLOR_BACK = 8 };
// wMask of TXFIELDSETTYPE and the target type.
enum : WORD { TXFT_TYPEALL = 23 };
// A hyperlink field's type text is its address; an embedded field (an image or an object)
// stands on one object character and carries its content (CRichObject).
enum : BYTE {
    TXFIELDTYPE_NONE = 0,
    TXFIELDTYPE_LINK = 2,
    TXFIELDTYPE_EMBEDDED = 3,
    TXFIELDTYPE_TARGET = 4
};
// Field kinds the program and the view insert.
enum : WORD {
    TXFIELD_TARGET = 32,
    TXFIELD_HYPERLINK = 33,
    TXFIELD_IMAGE = 34,
    TXFIELD_OBJECT = 35,
    TXFIELD_BREAKPART = 66,
    TXFIELD_INSTRUCTION = 32770
};

// File format codes of LoadFile, SaveToMemory and the script formats.
enum TXFormat {
    TXFORMAT_ERROR = -1,
    TXFORMAT_UNKNOWN = 0,
    TXFORMAT_TEXT = 4,
    TXFORMAT_NATIVE = 5,
    TXFORMAT_HTML = 6,
    TXFORMAT_RTF = 7,
    TXFORMAT_UNICODE = 8,
    TXFORMAT_WORD = 11,
};
