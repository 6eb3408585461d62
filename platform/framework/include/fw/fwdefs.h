// Basic definitions shared by every framework header: export macros and, in the
// native (non-Windows) build, the handful of Windows scalar types the portable code uses.
#pragma once

#if defined(_WIN32)
#  ifndef WIN32_LEAN_AND_MEAN
#    define WIN32_LEAN_AND_MEAN
#  endif
#  include <windows.h>
#  ifdef FW_BUILDING
#    define FW_API __declspec(dllexport)
#  else
#    define FW_API __declspec(dllimport)
#  endif
#else
#  include <cstdint>
#  define FW_API __attribute__((visibility("default")))
typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t UINT;
typedef uint32_t COLORREF;
typedef uint64_t ULONGLONG;
typedef int64_t LONGLONG;
typedef uintptr_t UINT_PTR;
typedef intptr_t INT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t DWORD_PTR;
typedef char CHAR;
typedef char TCHAR;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef const char* LPCTSTR;
typedef char* LPTSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef void* HANDLE;
typedef struct tagRECT { LONG left, top, right, bottom; } RECT, *LPRECT;
typedef const RECT* LPCRECT;
typedef struct tagPOINT { LONG x, y; } POINT, *LPPOINT;
typedef struct tagSIZE { LONG cx, cy; } SIZE, *LPSIZE;
#  ifndef TRUE
#    define TRUE 1
#    define FALSE 0
#  endif
#  define RGB(r, g, b) ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#  define GetRValue(rgb) ((BYTE)(rgb))
#  define GetGValue(rgb) ((BYTE)(((WORD)(rgb)) >> 8))
#  define GetBValue(rgb) ((BYTE)((rgb) >> 16))
#  define LOBYTE(w) ((BYTE)((DWORD_PTR)(w) & 0xff))
#  define HIBYTE(w) ((BYTE)((DWORD_PTR)(w) >> 8))
#  define LOWORD(l) ((WORD)((DWORD_PTR)(l) & 0xffff))
#  define HIWORD(l) ((WORD)((DWORD_PTR)(l) >> 16))
#  define MAKELONG(a, b) ((LONG)(((WORD)(a)) | ((DWORD)((WORD)(b))) << 16))
#endif
