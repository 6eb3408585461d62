// The stored form of an OLE object cell: a 20-byte header, the object's user-type name and
// ProgID, the object as an OLE 1 stream, and four zero bytes. Window-free: the viewer
// builds blocks with it and checks every stored block with it before touching the object.
#pragma once
#include "fw/string.h"
#include <cstddef>
#include <vector>

const WORD GX_OLE_HEADER_SIGNATURE = 0x1C15;
const WORD GX_OLE_HEADER_SIZE = 20;
const DWORD GX_OLE_OBJECT_EMBEDDED = 2;

class CGXOleObjectHeader
{
public:
    // Reads and checks a stored block: the signature, the header size, the name and class
    // fields inside the block (the class field ahead of the data), a terminated non-empty
    // ProgID, and a data part of at least one byte before the four closing bytes. FALSE
    // (and nothing kept) for anything else.
    BOOL Read(const BYTE* pBlock, size_t nSize);

    // The header and names of an object: sized to the names, not to a fixed block.
    static std::vector<BYTE> BuildHeader(LPCTSTR pszUserType, LPCTSTR pszProgID);
    // Header, OLE 1 stream and the four closing zero bytes in one block.
    static std::vector<BYTE> BuildBlock(LPCTSTR pszUserType, LPCTSTR pszProgID, const BYTE* pStream,
                                        size_t nStreamSize);

    // The native data of an OLE 1 stream (version, format 2 for an embedded object, class,
    // topic and item names each with its length, then the data with its length), checked
    // against the stream's size. FALSE for anything else.
    static BOOL FindNativeData(const BYTE* pStream, size_t nSize, size_t& nOffset, size_t& nLength);
    // TRUE when the bytes begin as a compound file (an OLE 2 object's storage).
    static BOOL IsCompoundFile(const BYTE* pData, size_t nSize);

    CString m_strUserType;
    CString m_strProgID;
    DWORD m_dwObjectType = 0;
    size_t m_nDataOffset = 0; // the OLE 1 stream within the block
    size_t m_nDataSize = 0;
};
