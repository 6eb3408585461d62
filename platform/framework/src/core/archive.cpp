// CArchive: buffered little-endian reading and writing, the string and count length
// forms, and the object records with their class and back-reference tags.
#include "fw/archive.h"
#include "fw/file.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// Object-record tags: a WORD, or the big-object tag and a DWORD. A tag with the class
// bit names a class (new, or stored earlier); without it, an object stored earlier
// (0 is the null object).
const WORD wNullTag = 0;
const WORD wNewClassTag = 0xFFFF;
const WORD wClassTag = 0x8000;
const DWORD dwBigClassTag = 0x80000000;
const WORD wBigObjectTag = 0x7FFF;
const DWORD nMaxMapCount = 0x3FFFFFFE;

// Strings and counts long enough to leave the short forms.
const BYTE bLongStringTag = 0xFF;
const WORD wLongStringTag = 0xFFFF;
const WORD wLongCountTag = 0xFFFF;

// Objects loaded inside one another beyond this depth mean a corrupt stream (stored
// formats nest a few levels); refusing them keeps a crafted file from exhausting the stack.
const UINT nMaxLoadDepth = 256;

// Strings are read in pieces of this size, so a stated length never allocates more
// than the stream has actually delivered (plus one piece).
const UINT nStringChunk = 64 * 1024;

} // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pFile(pFile), m_nMode(nMode), m_bUserBuf(lpBuf != nullptr)
{
    if (pFile == nullptr)
        AfxThrowNotSupportedException();
    m_nBufSize = nBufSize < 128 ? 128 : (UINT)nBufSize;
    m_lpBufStart = m_bUserBuf ? static_cast<BYTE*>(lpBuf) : new BYTE[m_nBufSize];
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
    m_strFileName = pFile->GetFilePath();
    m_loadArray.push_back(LoadEntry {nullptr, nullptr, 0}); // index 0: the null object
}

CArchive::~CArchive()
{
    if (m_pFile != nullptr && !(m_nMode & bNoFlushOnDelete)) {
        // A destructor must not throw (it may run while an exception unwinds).
        try {
            Close();
        } catch (CException* e) {
            e->Delete();
        }
    }
    if (!m_bUserBuf)
        delete[] m_lpBufStart;
}

void CArchive::ThrowArchive(int cause) const { AfxThrowArchiveException(cause, m_strFileName); }

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    if (!IsLoading())
        ThrowArchive(CArchiveException::writeOnly);
    if (m_pFile == nullptr)
        ThrowArchive(CArchiveException::generic);
    BYTE* pOut = static_cast<BYTE*>(lpBuf);
    UINT nRead = 0;
    while (nRead < nMax) {
        UINT nBuffered = (UINT)(m_lpBufMax - m_lpBufCur);
        if (nBuffered == 0) {
            UINT nWanted = nMax - nRead;
            if (nWanted >= m_nBufSize) {
                // Large reads go straight to the caller's memory.
                UINT n = m_pFile->Read(pOut + nRead, nWanted);
                if (n == 0)
                    break;
                nRead += n;
                continue;
            }
            UINT n = m_pFile->Read(m_lpBufStart, m_nBufSize);
            m_lpBufCur = m_lpBufStart;
            m_lpBufMax = m_lpBufStart + n;
            if (n == 0)
                break;
            continue;
        }
        UINT n = std::min(nBuffered, nMax - nRead);
        std::memcpy(pOut + nRead, m_lpBufCur, n);
        m_lpBufCur += n;
        nRead += n;
    }
    return nRead;
}

void CArchive::ReadExact(void* lpBuf, UINT nBytes)
{
    if (Read(lpBuf, nBytes) != nBytes)
        ThrowArchive(CArchiveException::endOfFile);
}

void CArchive::EnsureAvailable(ULONGLONG nBytes)
{
    if (!IsLoading())
        ThrowArchive(CArchiveException::writeOnly);
    ULONGLONG nBuffered = (ULONGLONG)(m_lpBufMax - m_lpBufCur);
    if (nBytes <= nBuffered)
        return;
    ULONGLONG nLength = 0, nPosition = 0;
    try {
        nLength = m_pFile->GetLength();
        nPosition = m_pFile->GetPosition();
    } catch (CException* e) {
        e->Delete();
        return; // a stream that cannot tell: the reads themselves will stop at its end
    }
    ULONGLONG nInFile = nLength > nPosition ? nLength - nPosition : 0;
    if (nBytes > nBuffered + nInFile)
        ThrowArchive(CArchiveException::endOfFile);
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    if (IsLoading())
        ThrowArchive(CArchiveException::readOnly);
    if (m_pFile == nullptr)
        ThrowArchive(CArchiveException::generic);
    const BYTE* pIn = static_cast<const BYTE*>(lpBuf);
    while (nMax > 0) {
        UINT nRoom = (UINT)(m_lpBufMax - m_lpBufCur);
        if (nRoom == 0) {
            Flush();
            continue;
        }
        UINT n = std::min(nRoom, nMax);
        std::memcpy(m_lpBufCur, pIn, n);
        m_lpBufCur += n;
        pIn += n;
        nMax -= n;
    }
}

void CArchive::Flush()
{
    if (m_pFile == nullptr)
        return;
    if (IsLoading()) {
        // Give back what was read ahead, so the file is positioned after the last
        // byte the archive handed out.
        LONGLONG nUnread = (LONGLONG)(m_lpBufMax - m_lpBufCur);
        if (nUnread != 0)
            m_pFile->Seek(-nUnread, CFile::current);
        m_lpBufCur = m_lpBufMax = m_lpBufStart;
        return;
    }
    if (m_lpBufCur != m_lpBufStart) {
        UINT n = (UINT)(m_lpBufCur - m_lpBufStart);
        m_lpBufCur = m_lpBufStart;
        m_pFile->Write(m_lpBufStart, n);
    }
}

void CArchive::Close()
{
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort() { m_pFile = nullptr; }

BOOL CArchive::ReadString(CString& rString)
{
    rString.Empty();
    BYTE ch = 0;
    bool bAny = false;
    CString line;
    while (Read(&ch, 1) == 1) {
        bAny = true;
        if (ch == '\n')
            break;
        line += (char)ch;
    }
    line.TrimRight('\r');
    rString = line;
    return bAny ? TRUE : FALSE;
}

LPSTR CArchive::ReadString(LPSTR lpsz, UINT nMax)
{
    if (lpsz == nullptr || nMax == 0)
        return nullptr;
    UINT n = 0;
    BYTE ch = 0;
    bool bAny = false;
    while (n + 1 < nMax && Read(&ch, 1) == 1) {
        bAny = true;
        lpsz[n++] = (char)ch;
        if (ch == '\n')
            break;
    }
    lpsz[n] = '\0';
    return bAny ? lpsz : nullptr;
}

void CArchive::WriteString(LPCSTR lpsz)
{
    if (lpsz)
        Write(lpsz, (UINT)std::strlen(lpsz));
}

// ---------------------------------------------------------------------------------------
// Numbers, little-endian at their natural width.

namespace {

template<class T>
void putLittleEndian(CArchive& ar, T value)
{
    BYTE bytes[sizeof(T)];
    for (size_t i = 0; i < sizeof(T); ++i)
        bytes[i] = (BYTE)((ULONGLONG)value >> (8 * i));
    ar.Write(bytes, sizeof bytes);
}

template<class T>
T fromLittleEndian(const BYTE* bytes)
{
    ULONGLONG value = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        value |= (ULONGLONG)bytes[i] << (8 * i);
    return (T)value;
}

} // namespace

CArchive& CArchive::operator<<(BYTE by)
{
    Write(&by, 1);
    return *this;
}
CArchive& CArchive::operator<<(WORD w)
{
    putLittleEndian(*this, w);
    return *this;
}
CArchive& CArchive::operator<<(LONG l)
{
    putLittleEndian(*this, (DWORD)l);
    return *this;
}
CArchive& CArchive::operator<<(DWORD dw)
{
    putLittleEndian(*this, dw);
    return *this;
}
CArchive& CArchive::operator<<(LONGLONG n)
{
    putLittleEndian(*this, (ULONGLONG)n);
    return *this;
}
CArchive& CArchive::operator<<(ULONGLONG n)
{
    putLittleEndian(*this, n);
    return *this;
}

CArchive& CArchive::operator<<(float f)
{
    static_assert(sizeof(float) == 4, "float is stored in 4 bytes");
    DWORD bits;
    std::memcpy(&bits, &f, 4);
    return *this << bits;
}

CArchive& CArchive::operator<<(double d)
{
    static_assert(sizeof(double) == 8, "double is stored in 8 bytes");
    ULONGLONG bits;
    std::memcpy(&bits, &d, 8);
    return *this << bits;
}

CArchive& CArchive::operator>>(BYTE& by)
{
    ReadExact(&by, 1);
    return *this;
}

CArchive& CArchive::operator>>(WORD& w)
{
    BYTE b[2];
    ReadExact(b, 2);
    w = fromLittleEndian<WORD>(b);
    return *this;
}

CArchive& CArchive::operator>>(LONG& l)
{
    DWORD dw;
    *this >> dw;
    l = (LONG)dw;
    return *this;
}

CArchive& CArchive::operator>>(DWORD& dw)
{
    BYTE b[4];
    ReadExact(b, 4);
    dw = fromLittleEndian<DWORD>(b);
    return *this;
}

CArchive& CArchive::operator>>(ULONGLONG& n)
{
    BYTE b[8];
    ReadExact(b, 8);
    n = fromLittleEndian<ULONGLONG>(b);
    return *this;
}

CArchive& CArchive::operator>>(LONGLONG& n)
{
    ULONGLONG u;
    *this >> u;
    n = (LONGLONG)u;
    return *this;
}

CArchive& CArchive::operator>>(float& f)
{
    DWORD bits;
    *this >> bits;
    std::memcpy(&f, &bits, 4);
    return *this;
}

CArchive& CArchive::operator>>(double& d)
{
    ULONGLONG bits;
    *this >> bits;
    std::memcpy(&d, &bits, 8);
    return *this;
}

// ---------------------------------------------------------------------------------------
// Counts and strings.

DWORD_PTR CArchive::ReadCount()
{
    WORD wCount;
    *this >> wCount;
    if (wCount != wLongCountTag)
        return wCount;
    DWORD dwCount;
    *this >> dwCount;
    return dwCount;
}

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    if (dwCount < wLongCountTag) {
        *this << (WORD)dwCount;
        return;
    }
    if ((ULONGLONG)dwCount > 0xFFFFFFFFull)
        ThrowArchive(CArchiveException::generic);
    *this << wLongCountTag << (DWORD)dwCount;
}

CArchive& AFXAPI operator<<(CArchive& ar, const CString& string)
{
    DWORD nLen = (DWORD)string.GetLength();
    if (nLen < bLongStringTag) {
        ar << (BYTE)nLen;
    } else if (nLen < 0xFFFE) {
        ar << bLongStringTag << (WORD)nLen;
    } else {
        ar << bLongStringTag << wLongStringTag << nLen;
    }
    ar.Write((LPCSTR)string, nLen);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, CString& string)
{
    DWORD nLen;
    BYTE bLen;
    ar >> bLen;
    if (bLen < bLongStringTag) {
        nLen = bLen;
    } else {
        WORD wLen;
        ar >> wLen;
        // FF FE FF marks a wide string, which a narrow archive cannot hold: never a length.
        if (wLen == 0xFFFE)
            AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
        if (wLen < wLongStringTag) {
            nLen = wLen;
        } else {
            ar >> nLen;
        }
    }
    if (nLen > (DWORD)(INT_MAX - 64))
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    ar.EnsureAvailable(nLen);
    CString result;
    DWORD nDone = 0;
    while (nDone < nLen) {
        UINT nChunk = (UINT)std::min<DWORD>(nLen - nDone, nStringChunk);
        LPSTR p = result.GetBuffer((int)(nDone + nChunk));
        UINT nRead = ar.Read(p + nDone, nChunk);
        result.ReleaseBuffer((int)(nDone + nRead));
        if (nRead != nChunk)
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
        nDone += nChunk;
    }
    string = std::move(result);
    return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, SIZE size)
{
    return ar << (LONG)size.cx << (LONG)size.cy;
}
CArchive& AFXAPI operator<<(CArchive& ar, POINT point)
{
    return ar << (LONG)point.x << (LONG)point.y;
}
CArchive& AFXAPI operator<<(CArchive& ar, const RECT& rect)
{
    return ar << (LONG)rect.left << (LONG)rect.top << (LONG)rect.right << (LONG)rect.bottom;
}
CArchive& AFXAPI operator>>(CArchive& ar, SIZE& size) { return ar >> size.cx >> size.cy; }
CArchive& AFXAPI operator>>(CArchive& ar, POINT& point) { return ar >> point.x >> point.y; }
CArchive& AFXAPI operator>>(CArchive& ar, RECT& rect)
{
    return ar >> rect.left >> rect.top >> rect.right >> rect.bottom;
}

// ---------------------------------------------------------------------------------------
// Objects and classes.

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    if (IsLoading())
        ThrowArchive(CArchiveException::readOnly);
    if (pClassRef == nullptr || pClassRef->m_wSchema == 0xFFFF)
        ThrowArchive(CArchiveException::badClass); // the class is not serializable
    auto it = m_storeMap.find(pClassRef);
    if (it != m_storeMap.end()) {
        DWORD nClassIndex = it->second;
        if (nClassIndex < wBigObjectTag)
            *this << (WORD)(wClassTag | nClassIndex);
        else
            *this << wBigObjectTag << (DWORD)(dwBigClassTag | nClassIndex);
        return;
    }
    if (m_nMapCount >= nMaxMapCount)
        ThrowArchive(CArchiveException::badIndex);
    *this << wNewClassTag;
    pClassRef->Store(*this);
    m_storeMap[pClassRef] = m_nMapCount++;
}

void CArchive::WriteObject(const CObject* pOb)
{
    if (IsLoading())
        ThrowArchive(CArchiveException::readOnly);
    if (pOb == nullptr) {
        *this << wNullTag;
        return;
    }
    auto it = m_storeMap.find(pOb);
    if (it != m_storeMap.end()) {
        DWORD nObIndex = it->second;
        if (nObIndex < wBigObjectTag)
            *this << (WORD)nObIndex;
        else
            *this << wBigObjectTag << nObIndex;
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    if (m_nMapCount >= nMaxMapCount)
        ThrowArchive(CArchiveException::badIndex);
    m_storeMap[pOb] = m_nMapCount++;
    const_cast<CObject*>(pOb)->Serialize(*this);
}

void CArchive::MapObject(const CObject* pOb)
{
    if (m_nMapCount >= nMaxMapCount)
        ThrowArchive(CArchiveException::badIndex);
    if (IsStoring()) {
        if (pOb != nullptr && m_storeMap.find(pOb) == m_storeMap.end())
            m_storeMap[pOb] = m_nMapCount++;
    } else {
        m_loadArray.push_back(LoadEntry {nullptr, const_cast<CObject*>(pOb), 0});
        m_nMapCount++;
    }
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema,
                                   DWORD* pObTag)
{
    if (!IsLoading())
        ThrowArchive(CArchiveException::writeOnly);
    WORD wTag;
    *this >> wTag;
    DWORD obTag;
    if (wTag == wBigObjectTag)
        *this >> obTag;
    else
        obTag = ((DWORD)(wTag & wClassTag) << 16) | (wTag & ~wClassTag);

    if (!(obTag & dwBigClassTag)) {
        // Not a class: an object stored earlier (or null), for the caller to resolve.
        if (pObTag == nullptr)
            ThrowArchive(CArchiveException::badIndex);
        *pObTag = obTag;
        return nullptr;
    }

    CRuntimeClass* pClassRef = nullptr;
    UINT nSchema = 0;
    if (wTag == wNewClassTag) {
        pClassRef = CRuntimeClass::Load(*this, &nSchema, pClassRefRequested);
        if (pClassRef == nullptr || pClassRef->m_wSchema == 0xFFFF)
            ThrowArchive(CArchiveException::badClass);
        if ((pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA) != nSchema &&
            !(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
            ThrowArchive(CArchiveException::badSchema);
        if (m_nMapCount >= nMaxMapCount)
            ThrowArchive(CArchiveException::badIndex);
        m_loadArray.push_back(LoadEntry {pClassRef, nullptr, nSchema});
        m_nMapCount++;
    } else {
        DWORD nClassIndex = obTag & ~dwBigClassTag;
        if (nClassIndex == 0 || nClassIndex >= m_loadArray.size() ||
            m_loadArray[nClassIndex].pClass == nullptr)
            ThrowArchive(CArchiveException::badIndex);
        pClassRef = m_loadArray[nClassIndex].pClass;
        nSchema = m_loadArray[nClassIndex].nSchema;
        // Two modules may hold a class of this name; this request may want the other.
        if (pClassRefRequested != nullptr && !pClassRef->IsDerivedFrom(pClassRefRequested)) {
            CRuntimeClass* pOther =
                CRuntimeClass::FromName(pClassRef->m_lpszClassName, pClassRefRequested);
            if (pOther != nullptr && pOther->IsDerivedFrom(pClassRefRequested))
                pClassRef = pOther;
        }
    }

    if (pClassRefRequested != nullptr && !pClassRef->IsDerivedFrom(pClassRefRequested))
        ThrowArchive(CArchiveException::badClass);
    if (pSchema != nullptr)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

UINT CArchive::GetObjectSchema()
{
    UINT nResult = m_nObjectSchema;
    m_nObjectSchema = (UINT)-1;
    return nResult;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    if (!IsLoading())
        ThrowArchive(CArchiveException::writeOnly);
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);

    if (pClassRef == nullptr) {
        if (obTag >= m_loadArray.size() || (obTag != 0 && m_loadArray[obTag].pClass != nullptr))
            ThrowArchive(CArchiveException::badIndex);
        CObject* pOb = m_loadArray[obTag].pObject;
        if (pOb != nullptr && pClassRefRequested != nullptr && !pOb->IsKindOf(pClassRefRequested))
            ThrowArchive(CArchiveException::badClass);
        return pOb;
    }

    if (m_nLoadDepth >= nMaxLoadDepth)
        ThrowArchive(CArchiveException::generic);
    CObject* pOb = pClassRef->CreateObject();
    if (pOb == nullptr)
        ThrowArchive(CArchiveException::badClass);
    if (m_nMapCount >= nMaxMapCount) {
        delete pOb;
        ThrowArchive(CArchiveException::badIndex);
    }
    size_t nIndex = m_loadArray.size();
    m_loadArray.push_back(LoadEntry {nullptr, pOb, 0});
    m_nMapCount++;

    UINT nSchemaSave = m_nObjectSchema;
    m_nObjectSchema = nSchema;
    ++m_nLoadDepth;
    try {
        pOb->Serialize(*this);
    } catch (...) {
        // The half-read object would otherwise be lost: nobody holds it yet.
        --m_nLoadDepth;
        m_nObjectSchema = nSchemaSave;
        m_loadArray[nIndex].pObject = nullptr;
        delete pOb;
        throw;
    }
    --m_nLoadDepth;
    m_nObjectSchema = nSchemaSave;
    return pOb;
}
