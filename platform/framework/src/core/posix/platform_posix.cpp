// The native build's side of the platform seam: POSIX files, stderr for messages and
// no resources.
#include "../platform.h"
#include "fw/exceptions.h"
#include "fw/file.h"
#include "fw/string.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw::platform {

int ShowErrorMessage(LPCSTR lpszText, UINT)
{
    std::fprintf(stderr, "%s\n", lpszText);
    return 1; // IDOK
}

bool OpenFile(LPCSTR lpszFileName, UINT nOpenFlags, UINT_PTR* phFile, LONG* pOsError)
{
    int flags = 0;
    switch (nOpenFlags & 3) {
    case CFile::modeRead:
        flags = O_RDONLY;
        break;
    case CFile::modeWrite:
        flags = O_WRONLY;
        break;
    default:
        flags = O_RDWR;
        break;
    }
    if (nOpenFlags & CFile::modeCreate) {
        flags |= O_CREAT;
        if (!(nOpenFlags & CFile::modeNoTruncate))
            flags |= O_TRUNC;
    }
    flags |= O_CLOEXEC;
    int fd = ::open(lpszFileName, flags, 0666);
    if (fd < 0) {
        *pOsError = errno;
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        *pOsError = EACCES;
        return false;
    }
    *phFile = (UINT_PTR)fd;
    return true;
}

bool CloseFile(UINT_PTR hFile, LONG* pOsError)
{
    if (::close((int)hFile) != 0) {
        *pOsError = errno;
        return false;
    }
    return true;
}

bool ReadFile(UINT_PTR hFile, void* lpBuf, UINT nCount, UINT* pnRead, LONG* pOsError)
{
    UINT nTotal = 0;
    while (nTotal < nCount) {
        ssize_t n = ::read((int)hFile, static_cast<char*>(lpBuf) + nTotal, nCount - nTotal);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *pOsError = errno;
            return false;
        }
        if (n == 0)
            break;
        nTotal += (UINT)n;
    }
    *pnRead = nTotal;
    return true;
}

bool WriteFile(UINT_PTR hFile, const void* lpBuf, UINT nCount, LONG* pOsError)
{
    UINT nTotal = 0;
    while (nTotal < nCount) {
        ssize_t n = ::write((int)hFile, static_cast<const char*>(lpBuf) + nTotal, nCount - nTotal);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *pOsError = errno;
            return false;
        }
        nTotal += (UINT)n;
    }
    return true;
}

bool SeekFile(UINT_PTR hFile, int64_t lOff, UINT nFrom, uint64_t* pNewPos, LONG* pOsError)
{
    int whence = nFrom == CFile::begin ? SEEK_SET : nFrom == CFile::current ? SEEK_CUR : SEEK_END;
    off_t pos = ::lseek((int)hFile, (off_t)lOff, whence);
    if (pos < 0) {
        *pOsError = errno;
        return false;
    }
    *pNewPos = (uint64_t)pos;
    return true;
}

bool FileLength(UINT_PTR hFile, uint64_t* pLength, LONG* pOsError)
{
    struct stat st;
    if (::fstat((int)hFile, &st) != 0) {
        *pOsError = errno;
        return false;
    }
    *pLength = (uint64_t)st.st_size;
    return true;
}

bool SetFileLength(UINT_PTR hFile, uint64_t nLength, LONG* pOsError)
{
    if (::ftruncate((int)hFile, (off_t)nLength) != 0) {
        *pOsError = errno;
        return false;
    }
    return true;
}

bool FlushFile(UINT_PTR hFile, LONG* pOsError)
{
    if (::fsync((int)hFile) != 0 && errno != EINVAL) {
        *pOsError = errno;
        return false;
    }
    return true;
}

bool RenameFile(LPCSTR lpszOldName, LPCSTR lpszNewName, LONG* pOsError)
{
    if (std::rename(lpszOldName, lpszNewName) != 0) {
        *pOsError = errno;
        return false;
    }
    return true;
}

bool RemoveFile(LPCSTR lpszFileName, LONG* pOsError)
{
    if (::unlink(lpszFileName) != 0) {
        *pOsError = errno;
        return false;
    }
    return true;
}

int FileErrorCause(LONG lOsError)
{
    switch (lOsError) {
    case 0:
        return CFileException::none;
    case ENOENT:
        return CFileException::fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
        return CFileException::badPath;
    case EMFILE:
    case ENFILE:
        return CFileException::tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return CFileException::accessDenied;
    case EBADF:
        return CFileException::invalidFile;
    case EBUSY:
        return CFileException::sharingViolation;
    case ESPIPE:
    case EINVAL:
        return CFileException::badSeek;
    case EIO:
        return CFileException::hardIO;
    case ENOSPC:
    case EFBIG:
        return CFileException::diskFull;
    default:
        return CFileException::generic;
    }
}

bool LocalTime(int64_t t, struct tm* ptm)
{
    time_t tt = (time_t)t;
    return localtime_r(&tt, ptm) != nullptr;
}

bool GmTime(int64_t t, struct tm* ptm)
{
    time_t tt = (time_t)t;
    return gmtime_r(&tt, ptm) != nullptr;
}

int64_t MakeLocalTime(struct tm* ptm) { return (int64_t)mktime(ptm); }

} // namespace fw::platform

BOOL AFXAPI AfxLoadResourceString(UINT, CString&)
{
    return FALSE; // the native build carries no resources
}
