// The framework's exceptions. They are thrown as heap pointers (throw new ...) and the
// catcher calls Delete(); the TRY/CATCH macros delete a caught exception for the caller
// unless it is rethrown with THROW_LAST.
#pragma once
#include "fw/object.h"
#include "fw/string.h"

class FW_API CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    CException();
    explicit CException(BOOL bAutoDelete);
    ~CException() override;

    // Frees the exception when it was made on the heap by the framework (auto delete).
    void Delete();
    // Copies the message into the buffer; FALSE when the exception has no message.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr);
    // Shows the message to the user (a message box on Windows; stderr natively).
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

protected:
    BOOL m_bAutoDelete;
};

class FW_API CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException() = default;
    explicit CMemoryException(BOOL bAutoDelete) : CException(bAutoDelete) { }
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;
};

class FW_API CNotSupportedException : public CException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CNotSupportedException() = default;
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;
};

class FW_API CResourceException : public CException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    CResourceException() = default;
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;
};

// Thrown after the user has been told (or chose to stop): catchers stay silent.
class FW_API CUserException : public CException
{
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException() = default;
};

class FW_API CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum { none, generic, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };
    explicit CArchiveException(int cause = CArchiveException::none,
                               LPCSTR lpszArchiveName = nullptr);
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

    int m_cause;
    CString m_strFileName;
};

class FW_API CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };
    explicit CFileException(int cause = CFileException::none, LONG lOsError = -1,
                            LPCSTR lpszArchiveName = nullptr);
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

    // Cause for a system error code (GetLastError on Windows) or a C errno value.
    static int PASCAL OsErrorToException(LONG lOsError);
    static int PASCAL ErrnoToException(int nErrno);
    static void PASCAL ThrowOsError(LONG lOsError, LPCSTR lpszFileName = nullptr);
    static void PASCAL ThrowErrno(int nErrno, LPCSTR lpszFileName = nullptr);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class FW_API COleException : public CException
{
    DECLARE_DYNAMIC(COleException)
public:
    explicit COleException(SCODE sc = 0) : m_sc(sc) { }
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;
    static SCODE PASCAL Process(const CException* pAnyException);

    SCODE m_sc;
};

[[noreturn]] FW_API void AFXAPI AfxThrowMemoryException();
[[noreturn]] FW_API void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] FW_API void AFXAPI AfxThrowResourceException();
[[noreturn]] FW_API void AFXAPI AfxThrowUserException();
[[noreturn]] FW_API void AFXAPI AfxThrowArchiveException(int cause,
                                                         LPCSTR lpszArchiveName = nullptr);
[[noreturn]] FW_API void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1,
                                                      LPCSTR lpszFileName = nullptr);
[[noreturn]] FW_API void AFXAPI AfxThrowOleException(SCODE sc);

// Deletes a caught exception when its CATCH block ends, unless it was rethrown.
class FW_API CFwCatchGuard
{
public:
    explicit CFwCatchGuard(CException* e) : m_pException(e) { }
    ~CFwCatchGuard()
    {
        if (m_pException)
            m_pException->Delete();
    }
    void Release() { m_pException = nullptr; }
    CFwCatchGuard(const CFwCatchGuard&) = delete;
    CFwCatchGuard& operator=(const CFwCatchGuard&) = delete;

private:
    CException* m_pException;
};

#define TRY try {
#define CATCH(class_name, e)                                                                       \
    }                                                                                              \
    catch (class_name * e)                                                                         \
    {                                                                                              \
        CFwCatchGuard _fwCatchGuard(e);                                                            \
        (void)e;
#define AND_CATCH(class_name, e)                                                                   \
    }                                                                                              \
    catch (class_name * e)                                                                         \
    {                                                                                              \
        CFwCatchGuard _fwCatchGuard(e);                                                            \
        (void)e;
#define END_CATCH }
#define CATCH_ALL(e)                                                                               \
    }                                                                                              \
    catch (CException * e)                                                                         \
    {                                                                                              \
        CFwCatchGuard _fwCatchGuard(e);                                                            \
        (void)e;
#define AND_CATCH_ALL(e)                                                                           \
    }                                                                                              \
    catch (CException * e)                                                                         \
    {                                                                                              \
        CFwCatchGuard _fwCatchGuard(e);                                                            \
        (void)e;
#define END_CATCH_ALL }
#define END_TRY }
#define THROW(e) throw e
#define THROW_LAST()                                                                               \
    do {                                                                                           \
        _fwCatchGuard.Release();                                                                   \
        throw;                                                                                     \
    } while (0)
