// The Windows side of the platform seam: Win32 files, message boxes and string
// resources found along the resource chain.
#include "../platform.h"
#include "fw/exceptions.h"
#include "fw/file.h"
#include "fw/msgbox.h"
#include "fw/resource_chain.h"
#include "fw/string.h"

#include <time.h>
#include <vector>

namespace fw::platform {

int ShowErrorMessage(LPCSTR lpszText, UINT nType)
{
    // Through the framework's message-box seam, which tests answer.
    return AfxMessageBox(lpszText, nType | MB_TASKMODAL);
}

bool OpenFile(LPCSTR lpszFileName, UINT nOpenFlags, UINT_PTR* phFile, LONG* pOsError)
{
    DWORD dwAccess = 0;
    switch (nOpenFlags & 3) {
    case CFile::modeRead:
        dwAccess = GENERIC_READ;
        break;
    case CFile::modeWrite:
        dwAccess = GENERIC_WRITE;
        break;
    default:
        dwAccess = GENERIC_READ | GENERIC_WRITE;
        break;
    }
    DWORD dwShareMode = 0;
    switch (nOpenFlags & 0x70) {
    case CFile::shareDenyWrite:
        dwShareMode = FILE_SHARE_READ;
        break;
    case CFile::shareDenyRead:
        dwShareMode = FILE_SHARE_WRITE;
        break;
    case CFile::shareDenyNone:
        dwShareMode = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    default:
        dwShareMode = 0;
        break; // exclusive; compatibility mode is exclusive too
    }
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, (nOpenFlags & CFile::modeNoInherit) == 0};
    DWORD dwCreateFlag = OPEN_EXISTING;
    if (nOpenFlags & CFile::modeCreate)
        dwCreateFlag = (nOpenFlags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    HANDLE hFile = ::CreateFileA(lpszFileName, dwAccess, dwShareMode, &sa, dwCreateFlag,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        *pOsError = (LONG)::GetLastError();
        return false;
    }
    *phFile = (UINT_PTR)hFile;
    return true;
}

bool CloseFile(UINT_PTR hFile, LONG* pOsError)
{
    if (!::CloseHandle((HANDLE)hFile)) {
        *pOsError = (LONG)::GetLastError();
        return false;
    }
    return true;
}

bool ReadFile(UINT_PTR hFile, void* lpBuf, UINT nCount, UINT* pnRead, LONG* pOsError)
{
    DWORD dwRead = 0;
    if (!::ReadFile((HANDLE)hFile, lpBuf, nCount, &dwRead, nullptr)) {
        *pOsError = (LONG)::GetLastError();
        return false;
    }
    *pnRead = dwRead;
    return true;
}

bool WriteFile(UINT_PTR hFile, const void* lpBuf, UINT nCount, LONG* pOsError)
{
    DWORD dwWritten = 0;
    if (!::WriteFile((HANDLE)hFile, lpBuf, nCount, &dwWritten, nullptr)) {
        *pOsError = (LONG)::GetLastError();
        return false;
    }
    if (dwWritten != nCount) {
        *pOsError = ERROR_DISK_FULL;
        return false;
    }
    return true;
}

bool SeekFile(UINT_PTR hFile, int64_t lOff, UINT nFrom, uint64_t* pNewPos, LONG* pOsError)
{
    LARGE_INTEGER distance, newPos;
    distance.QuadPart = lOff;
    DWORD method = nFrom == CFile::begin ? FILE_BEGIN
        : nFrom == CFile::current        ? FILE_CURRENT
                                         : FILE_END;
    if (!::SetFilePointerEx((HANDLE)hFile, distance, &newPos, method)) {
        *pOsError = (LONG)::GetLastError();
        return false;
    }
    *pNewPos = (uint64_t)newPos.QuadPart;
    return true;
}

bool FileLength(UINT_PTR hFile, uint64_t* pLength, LONG* pOsError)
{
    LARGE_INTEGER size;
    if (!::GetFileSizeEx((HANDLE)hFile, &size)) {
        *pOsError = (LONG)::GetLastError();
        return false;
    }
    *pLength = (uint64_t)size.QuadPart;
    return true;
}

bool SetFileLength(UINT_PTR hFile, uint64_t nLength, LONG* pOsError)
{
    uint64_t oldPos = 0, ignored = 0;
    if (!SeekFile(hFile, 0, CFile::current, &oldPos, pOsError))
        return false;
    if (!SeekFile(hFile, (int64_t)nLength, CFile::begin, &ignored, pOsError))
        return false;
    if (!::SetEndOfFile((HANDLE)hFile)) {
        *pOsError = (LONG)::GetLastError();
        return false;
    }
    return SeekFile(hFile, (int64_t)(oldPos < nLength ? oldPos : nLength), CFile::begin, &ignored,
                    pOsError);
}

bool FlushFile(UINT_PTR hFile, LONG* pOsError)
{
    if (!::FlushFileBuffers((HANDLE)hFile)) {
        *pOsError = (LONG)::GetLastError();
        return false;
    }
    return true;
}

bool RenameFile(LPCSTR lpszOldName, LPCSTR lpszNewName, LONG* pOsError)
{
    if (!::MoveFileA(lpszOldName, lpszNewName)) {
        *pOsError = (LONG)::GetLastError();
        return false;
    }
    return true;
}

bool RemoveFile(LPCSTR lpszFileName, LONG* pOsError)
{
    if (!::DeleteFileA(lpszFileName)) {
        *pOsError = (LONG)::GetLastError();
        return false;
    }
    return true;
}

bool CheckSaveTarget(LPCSTR lpszTarget, LONG* pOsError)
{
    DWORD attributes = ::GetFileAttributesA(lpszTarget);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return true; // a new file
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) {
        *pOsError = ERROR_ACCESS_DENIED;
        return false;
    }
    return true;
}

bool CreateFileBeside(LPCSTR lpszTarget, std::string& strCreated, LONG* pOsError)
{
    std::string folder(lpszTarget);
    size_t slash = folder.find_last_of("\\/:");
    folder = slash == std::string::npos ? std::string(".") : folder.substr(0, slash + 1);
    char name[MAX_PATH];
    if (::GetTempFileNameA(folder.c_str(), "~sv", 0, name) == 0) {
        *pOsError = (LONG)::GetLastError();
        return false;
    }
    strCreated = name;
    return true;
}

bool ReplaceFileWith(LPCSTR lpszSource, LPCSTR lpszTarget, LONG* pOsError)
{
    if (!::MoveFileExA(lpszSource, lpszTarget,
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        *pOsError = (LONG)::GetLastError();
        return false;
    }
    return true;
}

int FileErrorCause(LONG lOsError)
{
    switch (lOsError) {
    case NO_ERROR:
        return CFileException::none;
    case ERROR_FILE_NOT_FOUND:
        return CFileException::fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
        return CFileException::badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
        return CFileException::tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return CFileException::accessDenied;
    case ERROR_INVALID_HANDLE:
        return CFileException::invalidFile;
    case ERROR_CURRENT_DIRECTORY:
        return CFileException::removeCurrentDir;
    case ERROR_CANNOT_MAKE:
        return CFileException::directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
        return CFileException::badSeek;
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_CRC:
        return CFileException::hardIO;
    case ERROR_SHARING_VIOLATION:
    case ERROR_SHARING_BUFFER_EXCEEDED:
        return CFileException::sharingViolation;
    case ERROR_LOCK_VIOLATION:
    case ERROR_LOCK_FAILED:
        return CFileException::lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return CFileException::diskFull;
    case ERROR_HANDLE_EOF:
        return CFileException::endOfFile;
    default:
        return CFileException::generic;
    }
}

bool LocalTime(int64_t t, struct tm* ptm)
{
    __time64_t tt = (__time64_t)t;
    return _localtime64_s(ptm, &tt) == 0;
}

bool GmTime(int64_t t, struct tm* ptm)
{
    __time64_t tt = (__time64_t)t;
    return _gmtime64_s(ptm, &tt) == 0;
}

int64_t MakeLocalTime(struct tm* ptm) { return (int64_t)_mktime64(ptm); }

} // namespace fw::platform

BOOL AFXAPI AfxLoadResourceString(UINT nID, CString& rString)
{
    // String resources hold at most 4097 characters: grow the buffer until the text fits.
    std::vector<char> buffer(256);
    for (;;) {
        int nLen = AfxLoadString(nID, buffer.data(), (UINT)buffer.size());
        if (nLen == 0)
            return FALSE; // the caller's string stays as it was
        if ((size_t)nLen < buffer.size() - 1 || buffer.size() >= 8192) {
            rString = CString(buffer.data(), nLen);
            return TRUE;
        }
        buffer.resize(buffer.size() * 2);
    }
}
