// CString: one heap block per string, the header (length, capacity) before the
// characters; the empty string shares a read-only block.
#include "fw/string.h"
#include "fw/exceptions.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct EmptyBlock
{
    int nDataLength = 0;
    int nAllocLength = 0;
    char chNil = '\0';
};
EmptyBlock g_emptyBlock;

LPSTR emptyData() { return &g_emptyBlock.chNil; }

int safeStrLen(LPCSTR lpsz)
{
    if (lpsz == nullptr)
        return 0;
    size_t n = std::strlen(lpsz);
    if (n > (size_t)(INT_MAX - 64))
        AfxThrowMemoryException();
    return (int)n;
}

int lowerAscii(int ch) { return (ch >= 'A' && ch <= 'Z') ? ch + ('a' - 'A') : ch; }

} // namespace

static_assert(offsetof(EmptyBlock, chNil) == 2 * sizeof(int),
              "the empty block must match the string header");

CString::Header* CString::GetData() const { return reinterpret_cast<Header*>(m_pchData) - 1; }

void CString::AllocBuffer(int nLen)
{
    if (nLen < 0 || nLen > INT_MAX - 64)
        AfxThrowMemoryException();
    if (nLen == 0) {
        m_pchData = emptyData();
        return;
    }
    void* block = std::malloc(sizeof(Header) + (size_t)nLen + 1);
    if (block == nullptr)
        AfxThrowMemoryException();
    Header* pData = static_cast<Header*>(block);
    pData->nDataLength = nLen;
    pData->nAllocLength = nLen;
    m_pchData = reinterpret_cast<LPSTR>(pData + 1);
    m_pchData[nLen] = '\0';
}

void CString::Release()
{
    if (m_pchData != emptyData())
        std::free(GetData());
    m_pchData = emptyData();
}

// Makes room for nLen characters, keeping the current text.
void CString::EnsureCapacity(int nLen)
{
    if (nLen < 0 || nLen > INT_MAX - 64)
        AfxThrowMemoryException();
    if (m_pchData != emptyData() && GetData()->nAllocLength >= nLen)
        return;
    int nOldLen = GetLength();
    int nAlloc = std::max(nLen, nOldLen + nOldLen / 2);
    if (nAlloc > INT_MAX - 64)
        nAlloc = nLen;
    void* block = std::malloc(sizeof(Header) + (size_t)nAlloc + 1);
    if (block == nullptr)
        AfxThrowMemoryException();
    Header* pData = static_cast<Header*>(block);
    pData->nDataLength = nOldLen;
    pData->nAllocLength = nAlloc;
    LPSTR pNew = reinterpret_cast<LPSTR>(pData + 1);
    std::memcpy(pNew, m_pchData, (size_t)nOldLen + 1);
    Release();
    m_pchData = pNew;
}

void CString::SetLengthUnchecked(int nLen)
{
    if (m_pchData == emptyData())
        return;
    GetData()->nDataLength = nLen;
    m_pchData[nLen] = '\0';
}

void CString::AssignCopy(int nSrcLen, LPCSTR lpszSrcData)
{
    if (nSrcLen == 0) {
        Empty();
        return;
    }
    // The source may be part of this string.
    if (m_pchData != emptyData() && lpszSrcData >= m_pchData &&
        lpszSrcData <= m_pchData + GetData()->nAllocLength) {
        std::memmove(m_pchData, lpszSrcData, (size_t)nSrcLen);
        SetLengthUnchecked(nSrcLen);
        return;
    }
    if (m_pchData == emptyData() || GetData()->nAllocLength < nSrcLen) {
        Release();
        AllocBuffer(nSrcLen);
    }
    std::memcpy(m_pchData, lpszSrcData, (size_t)nSrcLen);
    SetLengthUnchecked(nSrcLen);
}

void CString::ConcatInPlace(int nSrcLen, LPCSTR lpszSrcData)
{
    if (nSrcLen == 0)
        return;
    int nOldLen = GetLength();
    if (nSrcLen > INT_MAX - 64 - nOldLen)
        AfxThrowMemoryException();
    if (m_pchData != emptyData() && lpszSrcData >= m_pchData &&
        lpszSrcData <= m_pchData + nOldLen) {
        CString copy(lpszSrcData, nSrcLen);
        ConcatInPlace(nSrcLen, copy.m_pchData);
        return;
    }
    EnsureCapacity(nOldLen + nSrcLen);
    std::memcpy(m_pchData + nOldLen, lpszSrcData, (size_t)nSrcLen);
    SetLengthUnchecked(nOldLen + nSrcLen);
}

CString::CString() : m_pchData(emptyData()) { }

CString::CString(const CString& stringSrc) : m_pchData(emptyData())
{
    AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
}

CString::CString(CString&& stringSrc) noexcept : m_pchData(stringSrc.m_pchData)
{
    stringSrc.m_pchData = emptyData();
}

CString::CString(char ch, int nRepeat) : m_pchData(emptyData())
{
    if (nRepeat > 0) {
        AllocBuffer(nRepeat);
        std::memset(m_pchData, ch, (size_t)nRepeat);
    }
}

CString::CString(LPCSTR lpsz) : m_pchData(emptyData())
{
    // A value below 64K is a string resource id (MAKEINTRESOURCE), not an address.
    if (lpsz != nullptr && ((UINT_PTR)lpsz >> 16) == 0) {
        LoadString((UINT)(UINT_PTR)lpsz);
        return;
    }
    AssignCopy(safeStrLen(lpsz), lpsz);
}

CString::CString(LPCSTR lpch, int nLength) : m_pchData(emptyData())
{
    if (lpch != nullptr && nLength > 0) {
        AllocBuffer(nLength);
        std::memcpy(m_pchData, lpch, (size_t)nLength);
    }
}

CString::CString(const unsigned char* psz) : CString(reinterpret_cast<LPCSTR>(psz)) { }

CString::~CString() { Release(); }

int CString::GetLength() const { return GetData()->nDataLength; }

BOOL CString::IsEmpty() const { return GetLength() == 0; }

void CString::Empty() { Release(); }

char CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowNotSupportedException();
    return m_pchData[nIndex];
}

char CString::operator[](int nIndex) const { return GetAt(nIndex); }

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowNotSupportedException();
    m_pchData[nIndex] = ch;
}

const CString& CString::operator=(const CString& stringSrc)
{
    if (this != &stringSrc)
        AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
    return *this;
}

const CString& CString::operator=(CString&& stringSrc) noexcept
{
    if (this != &stringSrc) {
        Release();
        m_pchData = stringSrc.m_pchData;
        stringSrc.m_pchData = emptyData();
    }
    return *this;
}

const CString& CString::operator=(char ch)
{
    AssignCopy(1, &ch);
    return *this;
}

const CString& CString::operator=(LPCSTR lpsz)
{
    AssignCopy(safeStrLen(lpsz), lpsz);
    return *this;
}

const CString& CString::operator=(const unsigned char* psz)
{
    return *this = reinterpret_cast<LPCSTR>(psz);
}

const CString& CString::operator+=(const CString& string)
{
    ConcatInPlace(string.GetLength(), string.m_pchData);
    return *this;
}

const CString& CString::operator+=(char ch)
{
    ConcatInPlace(1, &ch);
    return *this;
}

const CString& CString::operator+=(LPCSTR lpsz)
{
    ConcatInPlace(safeStrLen(lpsz), lpsz);
    return *this;
}

CString AFXAPI operator+(const CString& string1, const CString& string2)
{
    CString s(string1);
    s += string2;
    return s;
}

CString AFXAPI operator+(const CString& string, char ch)
{
    CString s(string);
    s += ch;
    return s;
}

CString AFXAPI operator+(char ch, const CString& string)
{
    CString s(ch, 1);
    s += string;
    return s;
}

CString AFXAPI operator+(const CString& string, LPCSTR lpsz)
{
    CString s(string);
    s += lpsz;
    return s;
}

CString AFXAPI operator+(LPCSTR lpsz, const CString& string)
{
    CString s(lpsz);
    s += string;
    return s;
}

int CString::Compare(LPCSTR lpsz) const { return std::strcmp(m_pchData, lpsz ? lpsz : ""); }

int CString::CompareNoCase(LPCSTR lpsz) const
{
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_pchData);
    const unsigned char* b = reinterpret_cast<const unsigned char*>(lpsz ? lpsz : "");
    for (;; ++a, ++b) {
        int ca = lowerAscii(*a), cb = lowerAscii(*b);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

int CString::Collate(LPCSTR lpsz) const { return std::strcoll(m_pchData, lpsz ? lpsz : ""); }

int CString::CollateNoCase(LPCSTR lpsz) const
{
    CString a(*this), b(lpsz);
    a.MakeLower();
    b.MakeLower();
    return std::strcoll(a, b);
}

CString CString::Mid(int nFirst, int nCount) const
{
    int nLen = GetLength();
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (nFirst > nLen)
        nFirst = nLen;
    if (nCount > nLen - nFirst)
        nCount = nLen - nFirst;
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const
{
    int nLen = GetLength();
    if (nCount < 0)
        nCount = 0;
    if (nCount > nLen)
        nCount = nLen;
    return CString(m_pchData + nLen - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR lpszCharSet) const
{
    return Left((int)std::strspn(m_pchData, lpszCharSet ? lpszCharSet : ""));
}

CString CString::SpanExcluding(LPCSTR lpszCharSet) const
{
    return Left((int)std::strcspn(m_pchData, lpszCharSet ? lpszCharSet : ""));
}

void CString::MakeUpper()
{
    for (int i = 0; i < GetLength(); ++i)
        m_pchData[i] = (char)std::toupper((unsigned char)m_pchData[i]);
}

void CString::MakeLower()
{
    for (int i = 0; i < GetLength(); ++i)
        m_pchData[i] = (char)std::tolower((unsigned char)m_pchData[i]);
}

void CString::MakeReverse() { std::reverse(m_pchData, m_pchData + GetLength()); }

void CString::TrimRight()
{
    int n = GetLength();
    while (n > 0 && std::isspace((unsigned char)m_pchData[n - 1]))
        --n;
    if (n != GetLength())
        SetLengthUnchecked(n);
}

void CString::TrimRight(char chTarget)
{
    int n = GetLength();
    while (n > 0 && m_pchData[n - 1] == chTarget)
        --n;
    if (n != GetLength())
        SetLengthUnchecked(n);
}

void CString::TrimRight(LPCSTR lpszTargets)
{
    if (lpszTargets == nullptr)
        return;
    int n = GetLength();
    while (n > 0 && std::strchr(lpszTargets, m_pchData[n - 1]) != nullptr)
        --n;
    if (n != GetLength())
        SetLengthUnchecked(n);
}

void CString::TrimLeft()
{
    int n = 0;
    while (n < GetLength() && std::isspace((unsigned char)m_pchData[n]))
        ++n;
    Delete(0, n);
}

void CString::TrimLeft(char chTarget)
{
    int n = 0;
    while (n < GetLength() && m_pchData[n] == chTarget)
        ++n;
    Delete(0, n);
}

void CString::TrimLeft(LPCSTR lpszTargets)
{
    if (lpszTargets == nullptr)
        return;
    int n = 0;
    while (n < GetLength() && std::strchr(lpszTargets, m_pchData[n]) != nullptr)
        ++n;
    Delete(0, n);
}

int CString::Replace(char chOld, char chNew)
{
    int nCount = 0;
    if (chOld == chNew)
        return 0;
    for (int i = 0; i < GetLength(); ++i) {
        if (m_pchData[i] == chOld) {
            m_pchData[i] = chNew;
            ++nCount;
        }
    }
    return nCount;
}

int CString::Replace(LPCSTR lpszOld, LPCSTR lpszNew)
{
    int nOldLen = safeStrLen(lpszOld);
    if (nOldLen == 0)
        return 0;
    int nNewLen = safeStrLen(lpszNew);
    CString result;
    int nCount = 0;
    LPCSTR pStart = m_pchData;
    LPCSTR pEnd = m_pchData + GetLength();
    while (pStart < pEnd) {
        LPCSTR pFound = std::strstr(pStart, lpszOld);
        if (pFound == nullptr)
            break;
        result.ConcatInPlace((int)(pFound - pStart), pStart);
        result.ConcatInPlace(nNewLen, lpszNew);
        pStart = pFound + nOldLen;
        ++nCount;
    }
    if (nCount == 0)
        return 0;
    result.ConcatInPlace((int)(pEnd - pStart), pStart);
    *this = std::move(result);
    return nCount;
}

int CString::Remove(char chRemove)
{
    int nLen = GetLength();
    int nKept = 0;
    for (int i = 0; i < nLen; ++i)
        if (m_pchData[i] != chRemove)
            m_pchData[nKept++] = m_pchData[i];
    if (nKept != nLen)
        SetLengthUnchecked(nKept);
    return nLen - nKept;
}

int CString::Insert(int nIndex, char ch)
{
    char text[2] = {ch, '\0'};
    return Insert(nIndex, text);
}

int CString::Insert(int nIndex, LPCSTR pstr)
{
    int nInsertLen = safeStrLen(pstr);
    int nLen = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > nLen)
        nIndex = nLen;
    if (nInsertLen > 0) {
        CString result(m_pchData, nIndex);
        result.ConcatInPlace(nInsertLen, pstr);
        result.ConcatInPlace(nLen - nIndex, m_pchData + nIndex);
        *this = std::move(result);
    }
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    int nLen = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nCount > 0 && nIndex < nLen) {
        if (nCount > nLen - nIndex)
            nCount = nLen - nIndex;
        std::memmove(m_pchData + nIndex, m_pchData + nIndex + nCount,
                     (size_t)(nLen - nIndex - nCount) + 1);
        SetLengthUnchecked(nLen - nCount);
    }
    return GetLength();
}

int CString::Find(char ch) const { return Find(ch, 0); }

int CString::Find(char ch, int nStart) const
{
    int nLen = GetLength();
    if (nStart < 0)
        nStart = 0;
    for (int i = nStart; i < nLen; ++i)
        if (m_pchData[i] == ch)
            return i;
    return -1;
}

int CString::Find(LPCSTR lpszSub) const { return Find(lpszSub, 0); }

int CString::Find(LPCSTR lpszSub, int nStart) const
{
    if (lpszSub == nullptr)
        return -1;
    if (nStart < 0)
        nStart = 0;
    if (nStart > GetLength())
        return -1;
    LPCSTR p = std::strstr(m_pchData + nStart, lpszSub);
    return p ? (int)(p - m_pchData) : -1;
}

int CString::ReverseFind(char ch) const
{
    for (int i = GetLength() - 1; i >= 0; --i)
        if (m_pchData[i] == ch)
            return i;
    return -1;
}

int CString::FindOneOf(LPCSTR lpszCharSet) const
{
    if (lpszCharSet == nullptr || *lpszCharSet == '\0')
        return -1;
    size_t n = std::strcspn(m_pchData, lpszCharSet);
    return n < (size_t)GetLength() ? (int)n : -1;
}

void CString::FormatV(LPCSTR lpszFormat, va_list argList)
{
    if (lpszFormat == nullptr) {
        Empty();
        return;
    }
    va_list argCopy;
    va_copy(argCopy, argList);
    int nNeeded = std::vsnprintf(nullptr, 0, lpszFormat, argCopy);
    va_end(argCopy);
    if (nNeeded <= 0) {
        Empty();
        return;
    }
    CString result;
    result.AllocBuffer(nNeeded);
    std::vsnprintf(result.m_pchData, (size_t)nNeeded + 1, lpszFormat, argList);
    *this = std::move(result);
}

void AFX_CDECL CString::Format(LPCSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatV(lpszFormat, argList);
    va_end(argList);
}

void AFX_CDECL CString::Format(UINT nFormatID, ...)
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    va_list argList;
    va_start(argList, nFormatID);
    FormatV(strFormat, argList);
    va_end(argList);
}

BOOL CString::LoadString(UINT nID) { return AfxLoadResourceString(nID, *this); }

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < 0)
        AfxThrowNotSupportedException();
    if (nMinBufLength == 0 && m_pchData == emptyData())
        nMinBufLength = 1; // the caller always gets a writable block
    EnsureCapacity(std::max(nMinBufLength, GetLength()));
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (m_pchData == emptyData())
        return;
    int nAlloc = GetData()->nAllocLength;
    if (nNewLength < 0) {
        const void* pEnd = std::memchr(m_pchData, '\0', (size_t)nAlloc + 1);
        nNewLength = pEnd ? (int)(static_cast<LPCSTR>(pEnd) - m_pchData) : nAlloc;
    }
    if (nNewLength > nAlloc)
        nNewLength = nAlloc;
    SetLengthUnchecked(nNewLength);
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    GetBuffer(nNewLength);
    SetLengthUnchecked(nNewLength);
    return m_pchData;
}

void CString::FreeExtra()
{
    if (m_pchData != emptyData() && GetData()->nAllocLength != GetLength()) {
        CString copy(m_pchData, GetLength());
        *this = std::move(copy);
    }
}

LPSTR CString::LockBuffer() { return GetBuffer(0); }

void CString::UnlockBuffer() { }

bool AFXAPI operator==(const CString& s1, const CString& s2) { return s1.Compare(s2) == 0; }
bool AFXAPI operator==(const CString& s1, LPCSTR s2) { return s1.Compare(s2) == 0; }
bool AFXAPI operator==(LPCSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
bool AFXAPI operator!=(const CString& s1, const CString& s2) { return s1.Compare(s2) != 0; }
bool AFXAPI operator!=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) != 0; }
bool AFXAPI operator!=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
bool AFXAPI operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
bool AFXAPI operator<(const CString& s1, LPCSTR s2) { return s1.Compare(s2) < 0; }
bool AFXAPI operator<(LPCSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
bool AFXAPI operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
bool AFXAPI operator>(const CString& s1, LPCSTR s2) { return s1.Compare(s2) > 0; }
bool AFXAPI operator>(LPCSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
bool AFXAPI operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
bool AFXAPI operator<=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) <= 0; }
bool AFXAPI operator<=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
bool AFXAPI operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
bool AFXAPI operator>=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) >= 0; }
bool AFXAPI operator>=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }

BOOL AFXAPI AfxExtractSubString(CString& rString, LPCSTR lpszFullString, int iSubString, char chSep)
{
    rString.Empty();
    if (lpszFullString == nullptr)
        return FALSE;
    while (iSubString-- > 0) {
        lpszFullString = strchr(lpszFullString, chSep);
        if (lpszFullString == nullptr)
            return FALSE;
        lpszFullString++; // past the separator
    }
    const char* pchEnd = strchr(lpszFullString, chSep);
    size_t nLen = pchEnd == nullptr ? strlen(lpszFullString) : (size_t)(pchEnd - lpszFullString);
    rString = CString(lpszFullString, (int)nLen);
    return TRUE;
}
