// The safe save: write beside the target, flush, then replace the target in one rename.
#include "fw/safe_save.h"
#include "platform.h"

#include <string>

namespace {

// Removes the temporary file unless the save got as far as renaming it.
class TempFile
{
public:
    TempFile() = default;
    ~TempFile()
    {
        LONG ignored = 0;
        if (!m_path.empty())
            fw::platform::RemoveFile(m_path.c_str(), &ignored);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    std::string& Path() { return m_path; }
    void Release() { m_path.clear(); }

private:
    std::string m_path;
};

BOOL Fail(CFileException* pError, LPCSTR lpszPath, int cause, LONG lOsError)
{
    if (pError) {
        pError->m_cause = cause;
        pError->m_lOsError = lOsError;
        pError->m_strFileName = lpszPath;
    }
    return FALSE;
}

BOOL FailOs(CFileException* pError, LPCSTR lpszPath, LONG lOsError)
{
    return Fail(pError, lpszPath, CFileException::OsErrorToException(lOsError), lOsError);
}

} // namespace

BOOL AFXAPI AfxSafeSaveFile(LPCSTR lpszPath, const SafeSaveWriter& write, CFileException* pError)
{
    if (lpszPath == nullptr || *lpszPath == '\0')
        return Fail(pError, lpszPath, CFileException::badPath, -1);
    LONG lOsError = 0;
    if (!fw::platform::CheckSaveTarget(lpszPath, &lOsError))
        return FailOs(pError, lpszPath, lOsError);
    TempFile temp;
    if (!fw::platform::CreateFileBeside(lpszPath, temp.Path(), &lOsError))
        return FailOs(pError, lpszPath, lOsError);

    CFile file;
    CFileException error;
    if (!file.Open(temp.Path().c_str(),
                   CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, &error))
        return Fail(pError, lpszPath, error.m_cause, error.m_lOsError);
    try {
        write(file);
        file.Flush();
        file.Close();
    } catch (CFileException* e) {
        file.Abort();
        BOOL result = Fail(pError, lpszPath, e->m_cause, e->m_lOsError);
        e->Delete();
        return result;
    } catch (CException* e) {
        // An archive or memory failure while writing: the content is incomplete.
        file.Abort();
        e->Delete();
        return Fail(pError, lpszPath, CFileException::generic, -1);
    } catch (...) {
        file.Abort();
        throw;
    }

    if (!fw::platform::ReplaceFileWith(temp.Path().c_str(), lpszPath, &lOsError))
        return FailOs(pError, lpszPath, lOsError);
    temp.Release();
    return TRUE;
}

BOOL AFXAPI AfxSafeSaveFile(LPCSTR lpszPath, const void* lpData, size_t nSize,
                            CFileException* pError)
{
    return AfxSafeSaveFile(
        lpszPath,
        [&](CFile& file) {
            const char* p = static_cast<const char*>(lpData);
            size_t left = nSize;
            while (left > 0) {
                UINT chunk = left > 0x40000000u ? 0x40000000u : static_cast<UINT>(left);
                file.Write(p, chunk);
                p += chunk;
                left -= chunk;
            }
        },
        pError);
}
