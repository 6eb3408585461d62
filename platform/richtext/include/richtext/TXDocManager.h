// CTXDocManager: the document manager of a program whose documents are rich text. It knows
// the file formats the program offers (their dialog names and extensions), opens a file by
// the format its bytes show, and lets the save dialog choose the format a document is saved in.
#pragma once
#include "framework.h"

#include <functional>
#include <vector>

class CTXDoc;

// One format of the file dialogs: its code (TXFORMAT_*), the dialog's name for it and its
// patterns ("*.htm;*.html"); the first pattern gives the default extension.
struct FileFormat
{
    int nFormat = 0;
    CString strName;
    CString strPatterns;
    CString DefaultExtension() const; // "htm"; "" for "*.*"
};

class CTXDocManager : public CDocManager
{
    DECLARE_DYNAMIC(CTXDocManager)
public:
    CTXDocManager();
    ~CTXDocManager() override;

    // A format with the control's own name and patterns for it, or with the program's.
    void AddFileFormat(int format, int flags = 0);
    void AddFileFormat(const FileFormat& format, int flags = 0);
    const std::vector<FileFormat>& GetFileFormats() const { return m_formats; }

    // The document the next save dialog works for (its format is set by the choice).
    void SetParentDoc(CTXDoc* pDoc) { m_pParentDoc = pDoc; }
    CTXDoc* GetParentDoc() const { return m_pParentDoc; }

    // The format the path's extension names among the offered formats; 0 for none.
    int CheckFormatExtension(LPCSTR path) const;
    // The format of a file's content (TXFORMAT_ERROR when it cannot be read). A program
    // may install its own detection.
    typedef int (*FormatDetector)(const char* path);
    void SetFormatDetector(FormatDetector detector) { m_pfnDetect = detector; }
    int DetectFileFormat(LPCSTR path) const;

    // A program's own file dialog in place of the manager's. format: in, the format of the
    // document being saved (0 for an open dialog); out, the format chosen (0: none in
    // particular, the name's extension decides). TRUE when a file was chosen.
    typedef std::function<BOOL(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                               BOOL bOpenFileDialog, int& format)>
        FilePrompt;
    void SetFilePrompt(FilePrompt prompt) { m_filePrompt = std::move(prompt); }

    CDocument* OpenDocumentFile(LPCSTR lpszFileName) override;
    BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                          CDocTemplate* pTemplate) override;

    // The dialog filter of the offered formats ("name|patterns|...|"); the open dialog
    // adds every file.
    CString BuildFilter(BOOL bOpenFileDialog) const;

protected:
    std::vector<FileFormat> m_formats;
    CTXDoc* m_pParentDoc;
    FormatDetector m_pfnDetect;
    FilePrompt m_filePrompt;
};
