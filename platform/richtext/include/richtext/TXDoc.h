// CTXDoc: the document of a rich-text window. Its content lives in the text control of its
// view (CTXView); the document knows the file format it was read in and is saved in, reads
// files by what their bytes say they are, and saves through the framework's safe save.
#pragma once
#include "framework.h"
#include "richtext/RichDocument.h"

class CTXDocManager;
class CTXView;
class CTXTextControl;

class CTXDoc : public CDocument
{
    DECLARE_DYNCREATE(CTXDoc)
public:
    CTXDoc();
    ~CTXDoc() override;

    // The format (TXFORMAT_*) the document was read in and is saved in; our own format (5)
    // for a new document.
    int GetFileFormat() const { return m_nFileFormat; }
    void SetFileFormat(int format) { m_nFileFormat = format; }
    // The formats the file dialogs offer: bit 0 Word, 1 HTML, 2 RTF, 3 our own, 4 text.
    void EnableFileFormats(CWinApp* app, DWORD mask);
    DWORD GetEnabledFileFormats() const { return m_dwEnabledFormats; }

    // The view showing the document (the first), and its text control; null before the
    // view exists.
    CTXView* GetTXView() const;
    CTXTextControl* GetTextControl() const;

    // The document manager the file dialogs come from (the application's, when it is one).
    static CTXDocManager* m_pDocManager;

    void Serialize(CArchive& ar) override;
    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCSTR lpszPathName) override;
    BOOL OnSaveDocument(LPCSTR lpszPathName) override;
    void DeleteContents() override;
    BOOL IsModified() override;
    void SetModifiedFlag(BOOL bModified = TRUE) override;
    BOOL DoSave(LPCSTR lpszPathName, BOOL bReplace = TRUE) override;

    // Reads bytes in the given format (0: detected) into the document; FALSE with the
    // reason in error when they cannot be read (the content is then unchanged).
    BOOL LoadBytes(const std::string& bytes, int format, CString& error);
    // The document's bytes in its file format.
    BOOL SaveBytes(std::string& bytes, CString& error) const;
    // The content a view takes over when it is made after the document was read.
    bool TakePending(CRichDocument& doc);

    // Called once the document belongs to a template: joins it to the document manager.
    virtual void AttachDocManager();

protected:
    int m_nFileFormat;
    DWORD m_dwEnabledFormats;
    bool m_bHasPending;
    CRichDocument m_pending; // read before a view existed
};
