// Building and checking the stored form of OLE object cells.
#include "controls/GXOleObjectHeader.h"
#include <cstring>
#include <string>

namespace {
WORD ReadWord(const BYTE* p) { return (WORD)(p[0] | (p[1] << 8)); }

DWORD ReadDword(const BYTE* p)
{
    return (DWORD)p[0] | ((DWORD)p[1] << 8) | ((DWORD)p[2] << 16) | ((DWORD)p[3] << 24);
}

void PutWord(std::vector<BYTE>& v, size_t n, WORD w)
{
    v[n] = (BYTE)(w & 0xFF);
    v[n + 1] = (BYTE)(w >> 8);
}

void PutDword(std::vector<BYTE>& v, size_t n, DWORD dw)
{
    for (int i = 0; i < 4; ++i)
        v[n + (size_t)i] = (BYTE)(dw >> (8 * i));
}

// A zero-terminated text filling exactly the field; the terminator must be its last byte.
bool ReadName(const BYTE* p, size_t nLength, CString& strOut)
{
    if (nLength == 0 || p[nLength - 1] != 0)
        return false;
    strOut = reinterpret_cast<const char*>(p); // stops at the first zero
    return true;
}
} // namespace

BOOL CGXOleObjectHeader::Read(const BYTE* pBlock, size_t nSize)
{
    if (pBlock == nullptr || nSize < (size_t)GX_OLE_HEADER_SIZE + 4)
        return FALSE;
    if (ReadWord(pBlock) != GX_OLE_HEADER_SIGNATURE || ReadWord(pBlock + 2) != GX_OLE_HEADER_SIZE)
        return FALSE;
    size_t nNameLength = ReadWord(pBlock + 8), nClassLength = ReadWord(pBlock + 10);
    size_t nNameOffset = ReadWord(pBlock + 12), nClassOffset = ReadWord(pBlock + 14);
    size_t nEnd = nSize - 4; // the data ends before the four closing bytes
    if (nNameOffset < GX_OLE_HEADER_SIZE || nClassOffset < GX_OLE_HEADER_SIZE ||
        nNameOffset + nNameLength > nEnd || nClassOffset + nClassLength > nEnd)
        return FALSE;
    CString strName, strClass;
    if (nNameLength > 0 && !ReadName(pBlock + nNameOffset, nNameLength, strName))
        return FALSE;
    if (!ReadName(pBlock + nClassOffset, nClassLength, strClass) || strClass.IsEmpty())
        return FALSE;
    size_t nData = nClassOffset + nClassLength;
    if (nData >= nEnd)
        return FALSE; // no object after the names
    m_strUserType = strName;
    m_strProgID = strClass;
    m_dwObjectType = ReadDword(pBlock + 4);
    m_nDataOffset = nData;
    m_nDataSize = nEnd - nData;
    return TRUE;
}

std::vector<BYTE> CGXOleObjectHeader::BuildHeader(LPCTSTR pszUserType, LPCTSTR pszProgID)
{
    std::string strName = pszUserType != nullptr ? pszUserType : "";
    std::string strClass = pszProgID != nullptr ? pszProgID : "";
    // Each field with its terminator must fit the header's 16-bit lengths and offsets.
    const size_t nMax = 0x7FFF;
    if (strName.size() >= nMax)
        strName.resize(nMax - 1);
    if (strClass.size() >= nMax)
        strClass.resize(nMax - 1);
    size_t nNameLength = strName.size() + 1, nClassLength = strClass.size() + 1;
    std::vector<BYTE> v(GX_OLE_HEADER_SIZE + nNameLength + nClassLength, 0);
    PutWord(v, 0, GX_OLE_HEADER_SIGNATURE);
    PutWord(v, 2, GX_OLE_HEADER_SIZE);
    PutDword(v, 4, GX_OLE_OBJECT_EMBEDDED);
    PutWord(v, 8, (WORD)nNameLength);
    PutWord(v, 10, (WORD)nClassLength);
    PutWord(v, 12, GX_OLE_HEADER_SIZE);
    PutWord(v, 14, (WORD)(GX_OLE_HEADER_SIZE + nNameLength));
    PutDword(v, 16, 0xFFFFFFFF);
    memcpy(&v[GX_OLE_HEADER_SIZE], strName.c_str(), nNameLength);
    memcpy(&v[GX_OLE_HEADER_SIZE + nNameLength], strClass.c_str(), nClassLength);
    return v;
}

std::vector<BYTE> CGXOleObjectHeader::BuildBlock(LPCTSTR pszUserType, LPCTSTR pszProgID,
                                                 const BYTE* pStream, size_t nStreamSize)
{
    std::vector<BYTE> v = BuildHeader(pszUserType, pszProgID);
    if (pStream != nullptr && nStreamSize > 0)
        v.insert(v.end(), pStream, pStream + nStreamSize);
    v.insert(v.end(), 4, 0);
    return v;
}

BOOL CGXOleObjectHeader::FindNativeData(const BYTE* pStream, size_t nSize, size_t& nOffset,
                                        size_t& nLength)
{
    if (pStream == nullptr || nSize < 8)
        return FALSE;
    if (ReadDword(pStream + 4) != GX_OLE_OBJECT_EMBEDDED)
        return FALSE;
    size_t n = 8;
    for (int nName = 0; nName < 3; ++nName) { // class, topic and item names
        if (nSize - n < 4)
            return FALSE;
        const size_t nNameLength = ReadDword(pStream + n);
        n += 4;
        if (nNameLength > nSize - n)
            return FALSE;
        n += nNameLength;
    }
    if (nSize - n < 4)
        return FALSE;
    const size_t nData = ReadDword(pStream + n);
    n += 4;
    if (nData == 0 || nData > nSize - n)
        return FALSE;
    nOffset = n;
    nLength = nData;
    return TRUE;
}

BOOL CGXOleObjectHeader::IsCompoundFile(const BYTE* pData, size_t nSize)
{
    static const BYTE signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    return pData != nullptr && nSize >= sizeof signature &&
        memcmp(pData, signature, sizeof signature) == 0;
}
