// CSharedFile: CMemFile whose block is global memory, for the clipboard.
#include "fw/file.h"

IMPLEMENT_DYNAMIC(CSharedFile, CMemFile)

CSharedFile::CSharedFile(UINT nAllocFlags, UINT nGrowBytes)
    : CMemFile(nGrowBytes), m_nAllocFlags(nAllocFlags), m_hGlobalMemory(nullptr), m_bAllowGrow(TRUE)
{ }

CSharedFile::~CSharedFile()
{
    if (m_lpBuffer != nullptr && m_bAutoDelete)
        CSharedFile::Free(m_lpBuffer);
    m_lpBuffer = nullptr;
}

BYTE* CSharedFile::Alloc(SIZE_T nBytes)
{
    m_hGlobalMemory = ::GlobalAlloc(m_nAllocFlags, nBytes);
    if (m_hGlobalMemory == nullptr)
        return nullptr;
    return static_cast<BYTE*>(::GlobalLock(m_hGlobalMemory));
}

BYTE* CSharedFile::Realloc(BYTE*, SIZE_T nBytes)
{
    if (!m_bAllowGrow)
        return nullptr;
    ::GlobalUnlock(m_hGlobalMemory);
    HGLOBAL hNew = ::GlobalReAlloc(m_hGlobalMemory, nBytes, m_nAllocFlags);
    if (hNew == nullptr) {
        ::GlobalLock(m_hGlobalMemory); // the old block stays valid and locked
        return nullptr;
    }
    m_hGlobalMemory = hNew;
    return static_cast<BYTE*>(::GlobalLock(m_hGlobalMemory));
}

void CSharedFile::Free(BYTE*)
{
    if (m_hGlobalMemory != nullptr) {
        ::GlobalUnlock(m_hGlobalMemory);
        ::GlobalFree(m_hGlobalMemory);
        m_hGlobalMemory = nullptr;
    }
}

HGLOBAL CSharedFile::Detach()
{
    HGLOBAL hMem = m_hGlobalMemory;
    if (hMem != nullptr)
        ::GlobalUnlock(hMem);
    m_hGlobalMemory = nullptr;
    m_lpBuffer = nullptr;
    m_nFileSize = m_nBufferSize = m_nPosition = 0;
    return hMem;
}

void CSharedFile::SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow)
{
    if (m_lpBuffer != nullptr && m_bAutoDelete)
        Free(m_lpBuffer);
    m_hGlobalMemory = hGlobalMemory;
    m_lpBuffer = static_cast<BYTE*>(::GlobalLock(m_hGlobalMemory));
    m_nBufferSize = m_nFileSize = m_lpBuffer ? ::GlobalSize(m_hGlobalMemory) : 0;
    m_nPosition = 0;
    m_bAllowGrow = bAllowGrow;
    m_bAutoDelete = TRUE;
}
