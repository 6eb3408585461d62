// The show file (*.shw): the column information, then exactly as many rundown rows as its
// row count says, each record through its own serialization (no magic, no version, no
// class tags). Reading and writing are whole-file steps: a save replaces the file only
// after everything was written, and a read hands back rows only when the whole file read.
#pragma once
#include "fw/core.h"
#include "rundown/ColInfo.h"
#include "rundown/FileInfo.h"

class CShowFile
{
public:
    // The archive's buffer, as every show file has been written with.
    static const int BufferSize = 4096;

    // Writes the header and the rows (CFileInfo*, head to tail) to lpszPath through the
    // safe save. The header's row count becomes the number of rows written, in the file and
    // in header. FALSE, with the cause in pError, when the file could not be written; the
    // file at lpszPath is then as it was.
    static BOOL Write(LPCSTR lpszPath, CColInfo& header, const CObList& rows,
                      CFileException* pError = nullptr);

    // Reads a whole show. On success header takes the stored header and rows (which must
    // be empty) the stored rows in file order, as new CFileInfo objects the caller owns.
    // FALSE when the file cannot be opened or does not read as a show (it ends early, a
    // count or length goes beyond it, foreign data): header and rows are then untouched
    // and strError says why.
    static BOOL Read(LPCSTR lpszPath, CColInfo& header, CObList& rows, CString& strError);

    // The same over bytes already in memory (the fuzzer and the tests).
    static BOOL Read(CFile& file, CColInfo& header, CObList& rows, CString& strError);

    // What a row read from a file takes before it joins the show: a script row's TTL is
    // worked out again from its ERT and SOT (the stored one is not trusted), and every row
    // takes the run's next record number.
    static void PrepareLoadedRow(CFileInfo* row);

    // Deletes every row of the list through its virtual destructor and empties it.
    static void DeleteRows(CObList& rows);
};
