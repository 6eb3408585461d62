// Assertion failures, TRACE output and the dump context.
#include "fw/diagnostics.h"
#include "fw/object.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {

void writeDebugText(const char* text)
{
#if defined(_WIN32)
    OutputDebugStringA(text);
#else
    std::fputs(text, stderr);
#endif
}

} // namespace

void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    std::fprintf(stderr, "Assertion failed: %s(%d)\n", lpszFileName ? lpszFileName : "?", nLine);
    std::fflush(stderr);
    std::abort();
}

void AFX_CDECL AfxTrace(LPCSTR lpszFormat, ...)
{
    char buffer[1024];
    va_list args;
    va_start(args, lpszFormat);
    std::vsnprintf(buffer, sizeof buffer, lpszFormat, args);
    va_end(args);
    writeDebugText(buffer);
}

BOOL AFXAPI AfxIsValidAddress(const void* lp, UINT_PTR nBytes, BOOL)
{
    return lp != nullptr || nBytes == 0;
}

BOOL AFXAPI AfxIsValidString(LPCSTR lpsz, int)
{
    return lpsz != nullptr;
}

CDumpContext afxDump;

CDumpContext& CDumpContext::operator<<(LPCSTR lpsz)
{
    writeDebugText(lpsz ? lpsz : "(null)");
    return *this;
}

CDumpContext& CDumpContext::operator<<(const void* lp)
{
    char text[32];
    std::snprintf(text, sizeof text, "%p", lp);
    return *this << (LPCSTR)text;
}

CDumpContext& CDumpContext::operator<<(int n)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d", n);
    return *this << (LPCSTR)text;
}

CDumpContext& CDumpContext::operator<<(unsigned int n)
{
    char text[32];
    std::snprintf(text, sizeof text, "%u", n);
    return *this << (LPCSTR)text;
}

CDumpContext& CDumpContext::operator<<(long n)
{
    char text[32];
    std::snprintf(text, sizeof text, "%ld", n);
    return *this << (LPCSTR)text;
}

CDumpContext& CDumpContext::operator<<(unsigned long n)
{
    char text[32];
    std::snprintf(text, sizeof text, "%lu", n);
    return *this << (LPCSTR)text;
}

CDumpContext& CDumpContext::operator<<(double d)
{
    char text[64];
    std::snprintf(text, sizeof text, "%g", d);
    return *this << (LPCSTR)text;
}

CDumpContext& CDumpContext::operator<<(const CObject* pOb)
{
    if (pOb == nullptr)
        return *this << "NULL";
    pOb->Dump(*this);
    return *this;
}

CDumpContext& CDumpContext::operator<<(const CObject& ob)
{
    return *this << &ob;
}
