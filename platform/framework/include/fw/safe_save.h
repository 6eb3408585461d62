// Saving a file so that the previous version survives any failure. The new content goes to a
// temporary file in the target's folder and is flushed to disk; only then does it replace the
// target, in one rename. When anything fails (the folder, the disk, the writer, the rename)
// the target is left exactly as it was, the temporary file is removed and the cause is
// returned. A target marked read-only is refused, on every platform.
#pragma once
#include "fw/file.h"

#include <cstddef>
#include <functional>

// Fills the temporary file, directly or through a CArchive, and leaves it open. Throwing
// (a CException*, as CFile and CArchive do) fails the save; other exceptions fail it too and
// are passed on once the temporary file is gone.
using SafeSaveWriter = std::function<void(CFile& file)>;

// TRUE when lpszPath now holds what write wrote. FALSE otherwise, with pError (when given)
// holding the cause, the system's error code and lpszPath.
FW_API BOOL AFXAPI AfxSafeSaveFile(LPCSTR lpszPath, const SafeSaveWriter& write,
                                   CFileException* pError = nullptr);
// The same for content already in memory.
FW_API BOOL AFXAPI AfxSafeSaveFile(LPCSTR lpszPath, const void* lpData, size_t nSize,
                                   CFileException* pError = nullptr);
