// Debugging aids in the framework's traditional spelling: assertions that vanish from
// release builds, VERIFY that always evaluates, and TRACE output to the debugger.
#pragma once
#include "fw/fwdefs.h"

FW_API void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
FW_API void AFX_CDECL AfxTrace(LPCSTR lpszFormat, ...) FW_PRINTF_FORMAT(1, 2);
// Address checks kept for callers written against them; they only reject null.
FW_API BOOL AFXAPI AfxIsValidAddress(const void* lp, UINT_PTR nBytes, BOOL bReadWrite = TRUE);
FW_API BOOL AFXAPI AfxIsValidString(LPCSTR lpsz, int nLength = -1);

#if defined(_DEBUG) || defined(FW_CHECKED)
#define ASSERT(f)                                                                                  \
    do {                                                                                           \
        if (!(f))                                                                                  \
            AfxAssertFailedLine(__FILE__, __LINE__);                                               \
    } while (0)
#define VERIFY(f) ASSERT(f)
#define TRACE ::AfxTrace
#define ASSERT_VALID(pOb) (::AfxAssertValidObject(pOb, __FILE__, __LINE__))
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define DEBUG_ONLY(f) (f)
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define TRACE 1 ? (void)0 : ::AfxTrace
#define ASSERT_VALID(pOb) ((void)0)
#define ASSERT_KINDOF(class_name, object) ((void)0)
#define DEBUG_ONLY(f) ((void)0)
#endif
#define TRACE0(sz) TRACE("%s", sz)
#define TRACE1(sz, p1) TRACE(sz, p1)
#define TRACE2(sz, p1, p2) TRACE(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3) TRACE(sz, p1, p2, p3)
#define UNUSED(x) ((void)(x))
#define UNUSED_ALWAYS(x) ((void)(x))
#ifndef _countof
#define _countof(array) (sizeof(array) / sizeof((array)[0]))
#endif
