// Basic definitions shared by every framework header: export macros and, in the
// native (non-Windows) build, the handful of Windows scalar types the portable code uses.
#pragma once

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <wtypes.h>
#ifdef FW_BUILDING
#define FW_API __declspec(dllexport)
#else
#define FW_API __declspec(dllimport)
#endif
#else
#include <cstddef>
#include <cstdint>
#define FW_API __attribute__((visibility("default")))
typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t UINT;
typedef uint32_t COLORREF;
typedef unsigned long long ULONGLONG; // as on Windows: not the same type as long
typedef long long LONGLONG;
typedef uintptr_t UINT_PTR;
typedef intptr_t INT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t DWORD_PTR;
typedef size_t SIZE_T;
typedef char CHAR;
typedef char TCHAR;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef const char* LPCTSTR;
typedef char* LPTSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef void* HANDLE;
typedef LONG HRESULT;
typedef LONG SCODE;
typedef DWORD LCID;
typedef double DATE;
typedef unsigned short USHORT;
typedef uint32_t ULONG;
typedef short SHORT;
typedef int INT;
typedef float FLOAT;
typedef BYTE* LPBYTE;
typedef WORD* LPWORD;
typedef DWORD* LPDWORD;
typedef LONG* LPLONG;
typedef UINT* PUINT;
typedef BOOL* LPBOOL;
typedef struct tagRECT
{
    LONG left, top, right, bottom;
} RECT, *LPRECT;
typedef const RECT* LPCRECT;
typedef struct tagPOINT
{
    LONG x, y;
} POINT, *LPPOINT;
typedef struct tagSIZE
{
    LONG cx, cy;
} SIZE, *LPSIZE;
#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
#define RGB(r, g, b)                                                                               \
    ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) ((BYTE)(rgb))
#define GetGValue(rgb) ((BYTE)(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) ((BYTE)((rgb) >> 16))
#define LOBYTE(w) ((BYTE)((DWORD_PTR)(w)&0xff))
#define HIBYTE(w) ((BYTE)((DWORD_PTR)(w) >> 8))
#define LOWORD(l) ((WORD)((DWORD_PTR)(l)&0xffff))
#define HIWORD(l) ((WORD)((DWORD_PTR)(l) >> 16))
#define MAKELONG(a, b) ((LONG)(((WORD)(a)) | ((DWORD)((WORD)(b))) << 16))
#define MAKEWORD(a, b) ((WORD)(((BYTE)(a)) | ((WORD)((BYTE)(b))) << 8))
#define LANG_USER_DEFAULT 0x0400
#define LOCALE_USER_DEFAULT 0x0400
#define LOCALE_SYSTEM_DEFAULT 0x0800
#define LOCALE_NOUSEROVERRIDE 0x80000000
#define VAR_TIMEVALUEONLY 0x00000001
#define VAR_DATEVALUEONLY 0x00000002
#define S_OK ((HRESULT)0)
#define S_FALSE ((HRESULT)1)
#define E_FAIL ((HRESULT)0x80004005L)
#define E_OUTOFMEMORY ((HRESULT)0x8007000EL)
#define E_INVALIDARG ((HRESULT)0x80070057L)
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)
#define MB_OK 0x00000000L
#define MB_ICONEXCLAMATION 0x00000030L
#ifndef CALLBACK
#define CALLBACK
#endif
#ifndef WINAPI
#define WINAPI
#endif
#ifndef PASCAL
#define PASCAL
#endif
#endif

// Calling-convention markers the framework's declarations carry (empty on x64).
#ifndef AFXAPI
#define AFXAPI
#endif
#ifndef AFX_CDECL
#define AFX_CDECL
#endif
#ifndef PASCAL
#define PASCAL
#endif

// printf-style checking of format strings. It also flags a CString passed to "..."
// without a cast to LPCSTR, which mingw's g++ would pass by hidden reference.
#if defined(__GNUC__)
#if defined(__MINGW32__)
#define FW_PRINTF_FORMAT(fmt, first) __attribute__((format(gnu_printf, fmt, first)))
#else
#define FW_PRINTF_FORMAT(fmt, first) __attribute__((format(printf, fmt, first)))
#endif
#else
#define FW_PRINTF_FORMAT(fmt, first)
#endif
