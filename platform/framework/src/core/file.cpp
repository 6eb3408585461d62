// CFile over the platform's file handles.
#include "fw/file.h"
#include "platform.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CFile, CObject)

const UINT_PTR CFile::hFileNull = (UINT_PTR)-1;

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) { }

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) : CFile()
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, lpszFileName);
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Abort();
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_hFile != hFileNull)
        Abort();
    m_strFileName = lpszFileName;
    LONG lOsError = 0;
    UINT_PTR hFile = hFileNull;
    if (lpszFileName == nullptr ||
        !fw::platform::OpenFile(lpszFileName, nOpenFlags, &hFile, &lOsError)) {
        if (pError != nullptr) {
            pError->m_cause = lpszFileName ? CFileException::OsErrorToException(lOsError)
                                           : CFileException::badPath;
            pError->m_lOsError = lOsError;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

CString CFile::GetFileName() const
{
    int nSlash = std::max(m_strFileName.ReverseFind('\\'), m_strFileName.ReverseFind('/'));
    int nColon = m_strFileName.ReverseFind(':');
    return m_strFileName.Mid(std::max(nSlash, nColon) + 1);
}

CString CFile::GetFileTitle() const
{
    CString name = GetFileName();
    int nDot = name.ReverseFind('.');
    return nDot > 0 ? name.Left(nDot) : name;
}

ULONGLONG CFile::GetPosition() const { return const_cast<CFile*>(this)->Seek(0, current); }

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    if (m_hFile == hFileNull)
        AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    uint64_t newPos = 0;
    LONG lOsError = 0;
    if (!fw::platform::SeekFile(m_hFile, lOff, nFrom, &newPos, &lOsError))
        AfxThrowFileException(CFileException::badSeek, lOsError, m_strFileName);
    return newPos;
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    if (m_hFile == hFileNull)
        AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    LONG lOsError = 0;
    if (!fw::platform::SetFileLength(m_hFile, dwNewLen, &lOsError))
        CFileException::ThrowOsError(lOsError, m_strFileName);
}

ULONGLONG CFile::GetLength() const
{
    if (m_hFile == hFileNull)
        AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    uint64_t nLength = 0;
    LONG lOsError = 0;
    if (!fw::platform::FileLength(m_hFile, &nLength, &lOsError))
        CFileException::ThrowOsError(lOsError, m_strFileName);
    return nLength;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    if (m_hFile == hFileNull)
        AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    UINT nRead = 0;
    LONG lOsError = 0;
    if (!fw::platform::ReadFile(m_hFile, lpBuf, nCount, &nRead, &lOsError))
        CFileException::ThrowOsError(lOsError, m_strFileName);
    return nRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (m_hFile == hFileNull)
        AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    LONG lOsError = 0;
    if (!fw::platform::WriteFile(m_hFile, lpBuf, nCount, &lOsError))
        CFileException::ThrowOsError(lOsError, m_strFileName);
}

void CFile::Flush()
{
    if (m_hFile == hFileNull)
        return;
    LONG lOsError = 0;
    if (!fw::platform::FlushFile(m_hFile, &lOsError))
        CFileException::ThrowOsError(lOsError, m_strFileName);
}

void CFile::Close()
{
    if (m_hFile == hFileNull)
        return;
    LONG lOsError = 0;
    bool ok = fw::platform::CloseFile(m_hFile, &lOsError);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (!ok)
        CFileException::ThrowOsError(lOsError, m_strFileName);
}

void CFile::Abort()
{
    if (m_hFile != hFileNull) {
        LONG lOsError = 0;
        fw::platform::CloseFile(m_hFile, &lOsError);
        m_hFile = hFileNull;
    }
    m_bCloseOnDelete = FALSE;
}

void PASCAL CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName)
{
    LONG lOsError = 0;
    if (!fw::platform::RenameFile(lpszOldName, lpszNewName, &lOsError))
        CFileException::ThrowOsError(lOsError, lpszOldName);
}

void PASCAL CFile::Remove(LPCSTR lpszFileName)
{
    LONG lOsError = 0;
    if (!fw::platform::RemoveFile(lpszFileName, &lOsError))
        CFileException::ThrowOsError(lOsError, lpszFileName);
}
