#include "ShowFile.h"

#include "fw/safe_save.h"
#include "rundown/RundownTime.h"

namespace {
CString ExceptionText(CException* e)
{
    char text[512] = {0};
    if (!e->GetErrorMessage(text, sizeof(text)) || text[0] == '\0')
        return "The file is not a show file, or it is damaged.";
    return text;
}
} // namespace

BOOL CShowFile::Write(LPCSTR lpszPath, CColInfo& header, const CObList& rows,
                      CFileException* pError)
{
    // The header counts exactly the rows that follow it.
    header.RowCount = (long)rows.GetCount();
    return AfxSafeSaveFile(
        lpszPath,
        [&](CFile& file) {
            CArchive ar(&file, CArchive::store, BufferSize);
            header.Serialize(ar);
            for (POSITION pos = rows.GetHeadPosition(); pos != nullptr;)
                static_cast<CFileInfo*>(rows.GetNext(pos))->Serialize(ar);
            ar.Close();
        },
        pError);
}

BOOL CShowFile::Read(LPCSTR lpszPath, CColInfo& header, CObList& rows, CString& strError)
{
    CFile file;
    CFileException error;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyWrite, &error)) {
        strError = ExceptionText(&error);
        return FALSE;
    }
    return Read(file, header, rows, strError);
}

BOOL CShowFile::Read(CFile& file, CColInfo& header, CObList& rows, CString& strError)
{
    CColInfo loaded;
    CObList loadedRows;
    try {
        CArchive ar(&file, CArchive::load, BufferSize);
        try {
            // The header refuses a row count that the rest of the file cannot hold.
            loaded.Serialize(ar);
            for (long i = 0; i < loaded.RowCount; i++) {
                CFileInfo* row = new CFileInfo;
                loadedRows.AddTail(row);
                row->Serialize(ar);
            }
            ar.Close();
        } catch (...) {
            ar.Abort();
            throw;
        }
    } catch (CException* e) {
        strError = ExceptionText(e);
        e->Delete();
        DeleteRows(loadedRows);
        return FALSE;
    }
    header = loaded;
    rows.AddTail(&loadedRows);
    loadedRows.RemoveAll();
    return TRUE;
}

void CShowFile::PrepareLoadedRow(CFileInfo* row)
{
    if (row->RowType == ROW_SCRIPT)
        row->TTL = CRundownTime::TotalTime(row->ERT, row->SOT);
    row->SetRecNo();
}

void CShowFile::DeleteRows(CObList& rows)
{
    while (!rows.IsEmpty())
        delete static_cast<CFileInfo*>(rows.RemoveHead());
}
