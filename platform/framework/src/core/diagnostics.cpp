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

// One value written through its printf conversion.
template<class T>
CDumpContext& dumpValue(CDumpContext& dc, const char* format, T value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return dc << (LPCSTR)text;
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

BOOL AFXAPI AfxIsValidString(LPCSTR lpsz, int) { return lpsz != nullptr; }

CDumpContext afxDump;

CDumpContext& CDumpContext::operator<<(LPCSTR lpsz)
{
    writeDebugText(lpsz ? lpsz : "(null)");
    return *this;
}

CDumpContext& CDumpContext::operator<<(const void* lp) { return dumpValue(*this, "%p", lp); }
CDumpContext& CDumpContext::operator<<(int n) { return dumpValue(*this, "%d", n); }
CDumpContext& CDumpContext::operator<<(unsigned int n) { return dumpValue(*this, "%u", n); }
CDumpContext& CDumpContext::operator<<(long n) { return dumpValue(*this, "%ld", n); }
CDumpContext& CDumpContext::operator<<(unsigned long n) { return dumpValue(*this, "%lu", n); }
CDumpContext& CDumpContext::operator<<(double d) { return dumpValue(*this, "%g", d); }

CDumpContext& CDumpContext::operator<<(const CObject* pOb)
{
    if (pOb == nullptr)
        return *this << "NULL";
    pOb->Dump(*this);
    return *this;
}

CDumpContext& CDumpContext::operator<<(const CObject& ob) { return *this << &ob; }
