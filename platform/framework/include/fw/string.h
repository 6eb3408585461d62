// CString: the framework's narrow, growable string. It holds one pointer to its
// characters (with the length and capacity stored just before them), so it converts to
// LPCTSTR for free. Each CString owns its buffer: copies are deep, which keeps strings
// safe to hand between threads.
#pragma once
#include "fw/fwdefs.h"
#include <cstdarg>
#include <cstddef>

class CArchive;

class FW_API CString
{
public:
    CString();
    CString(const CString& stringSrc);
    CString(CString&& stringSrc) noexcept;
    CString(char ch, int nRepeat = 1);
    CString(LPCSTR lpsz);
    CString(LPCSTR lpch, int nLength);
    CString(const unsigned char* psz);
    ~CString();

    int GetLength() const;
    BOOL IsEmpty() const;
    void Empty();

    char GetAt(int nIndex) const;
    char operator[](int nIndex) const;
    char operator[](unsigned int nIndex) const { return operator[]((int)nIndex); }
    char operator[](size_t nIndex) const { return operator[]((int)nIndex); }
    void SetAt(int nIndex, char ch);
    operator LPCSTR() const { return m_pchData; }

    const CString& operator=(const CString& stringSrc);
    const CString& operator=(CString&& stringSrc) noexcept;
    const CString& operator=(char ch);
    const CString& operator=(LPCSTR lpsz);
    const CString& operator=(const unsigned char* psz);

    const CString& operator+=(const CString& string);
    const CString& operator+=(char ch);
    const CString& operator+=(LPCSTR lpsz);

    friend FW_API CString AFXAPI operator+(const CString& string1, const CString& string2);
    friend FW_API CString AFXAPI operator+(const CString& string, char ch);
    friend FW_API CString AFXAPI operator+(char ch, const CString& string);
    friend FW_API CString AFXAPI operator+(const CString& string, LPCSTR lpsz);
    friend FW_API CString AFXAPI operator+(LPCSTR lpsz, const CString& string);

    int Compare(LPCSTR lpsz) const; // strcmp
    int CompareNoCase(LPCSTR lpsz) const; // case-insensitive (ASCII letters)
    int Collate(LPCSTR lpsz) const; // locale order (strcoll)
    int CollateNoCase(LPCSTR lpsz) const;

    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR lpszCharSet) const;
    CString SpanExcluding(LPCSTR lpszCharSet) const;

    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    void TrimRight();
    void TrimRight(char chTarget);
    void TrimRight(LPCSTR lpszTargets);
    void TrimLeft();
    void TrimLeft(char chTarget);
    void TrimLeft(LPCSTR lpszTargets);

    // Return the number of replacements / removals; the new length after insert/delete.
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR lpszOld, LPCSTR lpszNew);
    int Remove(char chRemove);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR pstr);
    int Delete(int nIndex, int nCount = 1);

    // Zero-based index of the first match, or -1.
    int Find(char ch) const;
    int Find(char ch, int nStart) const;
    int Find(LPCSTR lpszSub) const;
    int Find(LPCSTR lpszSub, int nStart) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR lpszCharSet) const;

    void AFX_CDECL Format(LPCSTR lpszFormat, ...) FW_PRINTF_FORMAT(2, 3);
    void AFX_CDECL Format(UINT nFormatID, ...);
    void FormatV(LPCSTR lpszFormat, va_list argList);

    // Loads string resource nID along the resource chain; FALSE (and the string
    // unchanged) when no module has it or there are no resources (native build).
    BOOL LoadString(UINT nID);

    // Direct access: GetBuffer returns room for at least nMinBufLength characters plus
    // the terminator; ReleaseBuffer(-1) takes the length from the terminator.
    LPSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    LPSTR GetBufferSetLength(int nNewLength);
    void FreeExtra();
    LPSTR LockBuffer();
    void UnlockBuffer();

    friend FW_API CArchive& AFXAPI operator<<(CArchive& ar, const CString& string);
    friend FW_API CArchive& AFXAPI operator>>(CArchive& ar, CString& string);

private:
    struct Header
    {
        int nDataLength;
        int nAllocLength;
    };
    Header* GetData() const;
    void AllocBuffer(int nLen);
    void Release();
    void AssignCopy(int nSrcLen, LPCSTR lpszSrcData);
    void ConcatInPlace(int nSrcLen, LPCSTR lpszSrcData);
    void EnsureCapacity(int nLen);
    void SetLengthUnchecked(int nLen);

    LPSTR m_pchData;
};

FW_API bool AFXAPI operator==(const CString& s1, const CString& s2);
FW_API bool AFXAPI operator==(const CString& s1, LPCSTR s2);
FW_API bool AFXAPI operator==(LPCSTR s1, const CString& s2);
FW_API bool AFXAPI operator!=(const CString& s1, const CString& s2);
FW_API bool AFXAPI operator!=(const CString& s1, LPCSTR s2);
FW_API bool AFXAPI operator!=(LPCSTR s1, const CString& s2);
FW_API bool AFXAPI operator<(const CString& s1, const CString& s2);
FW_API bool AFXAPI operator<(const CString& s1, LPCSTR s2);
FW_API bool AFXAPI operator<(LPCSTR s1, const CString& s2);
FW_API bool AFXAPI operator>(const CString& s1, const CString& s2);
FW_API bool AFXAPI operator>(const CString& s1, LPCSTR s2);
FW_API bool AFXAPI operator>(LPCSTR s1, const CString& s2);
FW_API bool AFXAPI operator<=(const CString& s1, const CString& s2);
FW_API bool AFXAPI operator<=(const CString& s1, LPCSTR s2);
FW_API bool AFXAPI operator<=(LPCSTR s1, const CString& s2);
FW_API bool AFXAPI operator>=(const CString& s1, const CString& s2);
FW_API bool AFXAPI operator>=(const CString& s1, LPCSTR s2);
FW_API bool AFXAPI operator>=(LPCSTR s1, const CString& s2);

// Loads string nID along the resource chain (the native build has no resources).
FW_API BOOL AFXAPI AfxLoadResourceString(UINT nID, CString& rString);

// Part iSubString (from 0) of lpszFullString split at chSep; FALSE (and empty) when
// there are fewer parts.
FW_API BOOL AFXAPI AfxExtractSubString(CString& rString, LPCSTR lpszFullString, int iSubString,
                                       char chSep = '\n');
