// The exception classes, their messages and the throw helpers.
#include "fw/exceptions.h"
#include "platform.h"

#include <cstdio>
#include <cstring>
#include <new>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(COleException, CException)

namespace {

BOOL copyMessage(LPCSTR text, LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    std::snprintf(lpszError, nMaxError, "%s", text);
    return TRUE;
}

BOOL formatMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext, LPCSTR format,
                   LPCSTR fileName)
{
    char text[512];
    std::snprintf(text, sizeof text, format,
                  (fileName && *fileName) ? fileName : "an unnamed file");
    return copyMessage(text, lpszError, nMaxError, pnHelpContext);
}

} // namespace

CException::CException() : m_bAutoDelete(TRUE) { }

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) { }

CException::~CException() = default;

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (lpszError && nMaxError)
        *lpszError = '\0';
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    char text[512];
    if (!GetErrorMessage(text, sizeof text)) {
        CString fallback;
        if (nMessageID == 0 || !fallback.LoadString(nMessageID))
            fallback = "No error message is available.";
        std::snprintf(text, sizeof text, "%s", (LPCSTR)fallback);
    }
    return fw::platform::ShowErrorMessage(text, nType);
}

BOOL CMemoryException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    return copyMessage("Out of memory.", lpszError, nMaxError, pnHelpContext);
}

BOOL CNotSupportedException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    return copyMessage("An unsupported operation was attempted.", lpszError, nMaxError,
                       pnHelpContext);
}

BOOL CResourceException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    return copyMessage("A required resource was unavailable.", lpszError, nMaxError, pnHelpContext);
}

CArchiveException::CArchiveException(int cause, LPCSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{ }

BOOL CArchiveException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    static const char* const messages[] = {
        "No error occurred while reading or writing %s.",
        "An unknown error occurred while reading or writing %s.",
        "Tried to write to %s, which was opened for reading.",
        "Unexpected end of file while reading %s.",
        "Tried to read from %s, which was opened for writing.",
        "%s has an invalid format.",
        "%s contains an unexpected object.",
        "%s contains an incorrect schema.",
    };
    int cause = (m_cause >= 0 && m_cause < (int)_countof(messages)) ? m_cause : generic;
    return formatMessage(lpszError, nMaxError, pnHelpContext, messages[cause], m_strFileName);
}

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName)
{ }

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    static const char* const messages[] = {
        "No error occurred with %s.",
        "An unknown error occurred while accessing %s.",
        "%s was not found.",
        "%s contains an invalid path.",
        "%s could not be opened because there are too many open files.",
        "Access to %s was denied.",
        "An invalid file handle was associated with %s.",
        "%s could not be removed because it is the current directory.",
        "%s could not be created because the directory is full.",
        "Seek failed on %s.",
        "A hardware I/O error was reported while accessing %s.",
        "A sharing violation occurred while accessing %s.",
        "A locking violation occurred while accessing %s.",
        "Disk full while accessing %s.",
        "An attempt was made to access %s past its end.",
    };
    int cause = (m_cause >= 0 && m_cause < (int)_countof(messages)) ? m_cause : generic;
    return formatMessage(lpszError, nMaxError, pnHelpContext, messages[cause], m_strFileName);
}

int PASCAL CFileException::OsErrorToException(LONG lOsError)
{
    return fw::platform::FileErrorCause(lOsError);
}

int PASCAL CFileException::ErrnoToException(int nErrno)
{
    switch (nErrno) {
    case 0:
        return none;
    case 2 /* ENOENT */:
        return fileNotFound;
    case 13 /* EACCES */:
        return accessDenied;
    case 17 /* EEXIST */:
        return accessDenied;
    case 24 /* EMFILE */:
        return tooManyOpenFiles;
    case 9 /* EBADF */:
        return invalidFile;
    case 28 /* ENOSPC */:
        return diskFull;
    case 22 /* EINVAL */:
        return badSeek;
    default:
        return generic;
    }
}

void PASCAL CFileException::ThrowOsError(LONG lOsError, LPCSTR lpszFileName)
{
    if (lOsError != 0)
        AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void PASCAL CFileException::ThrowErrno(int nErrno, LPCSTR lpszFileName)
{
    if (nErrno != 0)
        AfxThrowFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

BOOL COleException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    char text[64];
    std::snprintf(text, sizeof text, "An OLE error 0x%08X occurred.", (unsigned)m_sc);
    return copyMessage(text, lpszError, nMaxError, pnHelpContext);
}

SCODE PASCAL COleException::Process(const CException* pAnyException)
{
    if (pAnyException == nullptr)
        return E_FAIL;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(COleException)))
        return static_cast<const COleException*>(pAnyException)->m_sc;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(CMemoryException)))
        return E_OUTOFMEMORY;
    return E_FAIL;
}

void AFXAPI AfxThrowMemoryException()
{
    // When the heap cannot hold even the exception, a static one (which Delete leaves
    // alone) is thrown instead.
    static CMemoryException s_spare(FALSE);
    CMemoryException* pException = new (std::nothrow) CMemoryException;
    if (pException == nullptr)
        throw &s_spare;
    throw pException;
}

void AFXAPI AfxThrowNotSupportedException() { throw new CNotSupportedException; }

void AFXAPI AfxThrowResourceException() { throw new CResourceException; }

void AFXAPI AfxThrowUserException() { throw new CUserException; }

void AFXAPI AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

void AFXAPI AfxThrowOleException(SCODE sc) { throw new COleException(sc); }
