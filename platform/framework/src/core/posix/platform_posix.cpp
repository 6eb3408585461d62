// The native build's side of the platform seam: POSIX files, stderr for messages and
// no resources.
#include "../platform.h"
#include "fw/exceptions.h"
#include "fw/file.h"
#include "fw/string.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <string>
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

bool CheckSaveTarget(LPCSTR lpszTarget, LONG* pOsError)
{
    struct stat st;
    if (::stat(lpszTarget, &st) != 0)
        return true; // a new file
    if (S_ISDIR(st.st_mode)) {
        *pOsError = EISDIR;
        return false;
    }
    // Judged by the mode bits, not by access(): a read-only file stays so even for root.
    if ((st.st_mode & S_IWUSR) == 0) {
        *pOsError = EACCES;
        return false;
    }
    return true;
}

bool CreateFileBeside(LPCSTR lpszTarget, std::string& strCreated, LONG* pOsError)
{
    static std::atomic<unsigned> s_counter {0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = std::string(lpszTarget) + ".~" + std::to_string(::getpid()) + "-" +
            std::to_string(s_counter++);
        // Created as an ordinary new file would be (0666 less the umask).
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            strCreated = name;
            return true;
        }
        if (errno != EEXIST) {
            *pOsError = errno;
            return false;
        }
    }
    *pOsError = EEXIST;
    return false;
}

bool ReplaceFileWith(LPCSTR lpszSource, LPCSTR lpszTarget, LONG* pOsError)
{
    struct stat st;
    if (::stat(lpszTarget, &st) == 0)
        ::chmod(lpszSource, st.st_mode & 07777);
    if (std::rename(lpszSource, lpszTarget) != 0) {
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
