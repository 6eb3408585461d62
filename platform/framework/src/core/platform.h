// The seam between the portable core and the operating system: the few services that
// differ between Windows (src/core/win) and the native build (src/core/posix).
#pragma once
#include "fw/fwdefs.h"

#include <cstdint>
#include <ctime>
#include <string>

namespace fw::platform {

// Shows an error message to the user; returns the button chosen (IDOK natively).
int ShowErrorMessage(LPCSTR lpszText, UINT nType);

// Files. Handles are opaque; on failure the functions return false and set *pOsError
// to the system's error code, which CFileException::OsErrorToException maps to a cause.
bool OpenFile(LPCSTR lpszFileName, UINT nOpenFlags, UINT_PTR* phFile, LONG* pOsError);
bool CloseFile(UINT_PTR hFile, LONG* pOsError);
bool ReadFile(UINT_PTR hFile, void* lpBuf, UINT nCount, UINT* pnRead, LONG* pOsError);
bool WriteFile(UINT_PTR hFile, const void* lpBuf, UINT nCount, LONG* pOsError);
bool SeekFile(UINT_PTR hFile, int64_t lOff, UINT nFrom, uint64_t* pNewPos, LONG* pOsError);
bool FileLength(UINT_PTR hFile, uint64_t* pLength, LONG* pOsError);
bool SetFileLength(UINT_PTR hFile, uint64_t nLength, LONG* pOsError);
bool FlushFile(UINT_PTR hFile, LONG* pOsError);
bool RenameFile(LPCSTR lpszOldName, LPCSTR lpszNewName, LONG* pOsError);
bool RemoveFile(LPCSTR lpszFileName, LONG* pOsError);
// The safe save's steps. CheckSaveTarget refuses a target that is read-only or a folder (a
// missing target is fine). CreateFileBeside makes an empty file of a new, unique name in the
// target's folder. ReplaceFileWith puts lpszSource in place of lpszTarget in one rename,
// keeping the target's permissions where the system has them.
bool CheckSaveTarget(LPCSTR lpszTarget, LONG* pOsError);
bool CreateFileBeside(LPCSTR lpszTarget, std::string& strCreated, LONG* pOsError);
bool ReplaceFileWith(LPCSTR lpszSource, LPCSTR lpszTarget, LONG* pOsError);
// The file-exception cause for a system error code.
int FileErrorCause(LONG lOsError);

// Calendar conversions of the C library under their per-platform names.
bool LocalTime(int64_t t, struct tm* ptm);
bool GmTime(int64_t t, struct tm* ptm);
int64_t MakeLocalTime(struct tm* ptm);

} // namespace fw::platform
