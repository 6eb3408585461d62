// The rich-text document manager: the offered formats, opening by detected format and the
// file dialogs that choose a document's format.
#include "richtext/TXDocManager.h"

#include "richtext/DocumentFormats.h"
#include "richtext/TXDoc.h"

IMPLEMENT_DYNAMIC(CTXDocManager, CDocManager)

namespace {

struct BuiltInFormat
{
    int format;
    const char* name;
    const char* patterns;
};
const BuiltInFormat kBuiltIn[] = {
    {TXFORMAT_WORD, "Word Document (*.doc)", "*.doc"},
    {TXFORMAT_HTML, "HTML Document (*.htm;*.html)", "*.htm;*.html"},
    {TXFORMAT_RTF, "RTF Document (*.rtf)", "*.rtf"},
    {TXFORMAT_NATIVE, "Rich Text Document (*.tx)", "*.tx"},
    {TXFORMAT_TEXT, "Text Document (*.txt)", "*.txt"},
    {TXFORMAT_UNICODE, "Unicode Text Document (*.txt)", "*.txt"},
};

// The extension of the file-name part of path, with its dot ("" for none).
CString ExtensionOf(LPCSTR path)
{
    CString p(path);
    int slash = std::max(p.ReverseFind('\\'), p.ReverseFind('/'));
    int dot = p.ReverseFind('.');
    return dot > slash ? p.Mid(dot) : CString();
}

// True when one of the patterns ("*.htm;*.html") is "*" followed by the extension.
bool PatternsHold(const CString& patterns, const CString& ext)
{
    CString list = patterns + ";";
    int start = 0, semi;
    while ((semi = list.Find(';', start)) >= 0) {
        CString pattern = list.Mid(start, semi - start);
        start = semi + 1;
        if (pattern.Left(1) == "*" && pattern.Mid(1).CompareNoCase(ext) == 0)
            return true;
    }
    return false;
}

int DetectByContent(const char* path)
{
    std::string bytes, error;
    if (!richtext::ReadFileBytes(path, bytes, error))
        return TXFORMAT_ERROR;
    return richtext::DetectFormat(bytes);
}

} // namespace

CString FileFormat::DefaultExtension() const
{
    CString first = strPatterns;
    int semi = first.Find(';');
    if (semi >= 0)
        first = first.Left(semi);
    if (first.Left(2) == "*.")
        first = first.Mid(2);
    return first == "*" ? CString() : first;
}

CTXDocManager::CTXDocManager() : m_pParentDoc(nullptr), m_pfnDetect(DetectByContent) { }

CTXDocManager::~CTXDocManager()
{
    if (CTXDoc::m_pDocManager == this)
        CTXDoc::m_pDocManager = nullptr;
}

void CTXDocManager::AddFileFormat(int format, int flags)
{
    for (const BuiltInFormat& f : kBuiltIn)
        if (f.format == format) {
            FileFormat entry;
            entry.nFormat = format;
            entry.strName = f.name;
            entry.strPatterns = f.patterns;
            AddFileFormat(entry, flags);
            return;
        }
}

void CTXDocManager::AddFileFormat(const FileFormat& format, int)
{
    for (FileFormat& f : m_formats)
        if (f.nFormat == format.nFormat) {
            f = format;
            return;
        }
    m_formats.push_back(format);
}

int CTXDocManager::CheckFormatExtension(LPCSTR path) const
{
    const CString ext = ExtensionOf(path);
    if (ext.IsEmpty())
        return 0;
    for (const FileFormat& f : m_formats)
        if (PatternsHold(f.strPatterns, ext))
            return f.nFormat;
    return 0;
}

int CTXDocManager::DetectFileFormat(LPCSTR path) const
{
    return m_pfnDetect ? m_pfnDetect(path) : DetectByContent(path);
}

CString CTXDocManager::BuildFilter(BOOL bOpenFileDialog) const
{
    CString filter;
    for (const FileFormat& f : m_formats)
        filter += f.strName + "|" + f.strPatterns + "|";
    if (bOpenFileDialog)
        filter += "All Documents (*.*)|*.*|";
    return filter + "|";
}

CDocument* CTXDocManager::OpenDocumentFile(LPCSTR lpszFileName)
{
    // A file another template claims by its extension goes there (shows, for one); any
    // other file that reads as rich text opens in the first rich-text template.
    CDocTemplate* txTemplate = nullptr;
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;) {
        CDocTemplate* t = GetNextDocTemplate(pos);
        CDocument* match = nullptr;
        CDocTemplate::Confidence c = t->MatchDocType(lpszFileName, match);
        const bool isTx = t->m_pDocClass && t->m_pDocClass->IsDerivedFrom(RUNTIME_CLASS(CTXDoc));
        if (c == CDocTemplate::yesAlreadyOpen || (c == CDocTemplate::yesAttemptNative && !isTx))
            return CDocManager::OpenDocumentFile(lpszFileName);
        if (isTx && !txTemplate)
            txTemplate = t;
    }
    if (!txTemplate)
        return CDocManager::OpenDocumentFile(lpszFileName);
    if (DetectFileFormat(lpszFileName) <= 0) {
        CString text;
        text.Format("%s\nThe file cannot be opened.", lpszFileName);
        AfxMessageBox(text, MB_ICONEXCLAMATION);
        return nullptr;
    }
    return txTemplate->OpenDocumentFile(lpszFileName);
}

BOOL CTXDocManager::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                     BOOL bOpenFileDialog, CDocTemplate* pTemplate)
{
    CTXDoc* doc = bOpenFileDialog ? nullptr : m_pParentDoc;
    if (m_filePrompt) {
        // The program's dialog; the format it hands back is the document's, unless the
        // chosen name's extension names another.
        int format = doc ? doc->GetFileFormat() : 0;
        if (!m_filePrompt(fileName, nIDSTitle,
                          lFlags | OFN_HIDEREADONLY | (bOpenFileDialog ? 0 : OFN_OVERWRITEPROMPT),
                          bOpenFileDialog, format))
            return FALSE;
        const int named = CheckFormatExtension(fileName);
        if (named > 0 && named != format) {
            // A format whose patterns hold the name's extension too (two kinds of text)
            // stays as chosen.
            bool chosenHolds = false;
            for (const FileFormat& f : m_formats)
                if (f.nFormat == format)
                    chosenHolds = PatternsHold(f.strPatterns, ExtensionOf(fileName));
            if (!chosenHolds)
                format = named;
        }
        if (doc && format > 0)
            doc->SetFileFormat(format);
        return TRUE;
    }
    if (m_formats.empty())
        return CDocManager::DoPromptFileName(fileName, nIDSTitle, lFlags, bOpenFileDialog,
                                             pTemplate);
    // The save dialog starts on the document's own format.
    int index = 1;
    if (doc)
        for (size_t i = 0; i < m_formats.size(); ++i)
            if (m_formats[i].nFormat == doc->GetFileFormat())
                index = static_cast<int>(i) + 1;
    const CString defExt = m_formats[index - 1].DefaultExtension();
    CFileDialog dialog(bOpenFileDialog, defExt.IsEmpty() ? nullptr : (LPCSTR)defExt, fileName,
                       lFlags | OFN_HIDEREADONLY | (bOpenFileDialog ? 0 : OFN_OVERWRITEPROMPT),
                       BuildFilter(bOpenFileDialog));
    dialog.m_ofn.nFilterIndex = static_cast<DWORD>(index);
    CString title;
    if (nIDSTitle && title.LoadString(nIDSTitle))
        dialog.m_ofn.lpstrTitle = title;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    fileName = dialog.GetPathName();
    if (doc) {
        // The extension of the chosen name decides; else the chosen filter entry.
        int format = CheckFormatExtension(fileName);
        const int chosen = static_cast<int>(dialog.m_ofn.nFilterIndex);
        if (format == 0 && chosen >= 1 && chosen <= static_cast<int>(m_formats.size())) {
            format = m_formats[chosen - 1].nFormat;
            const CString ext = m_formats[chosen - 1].DefaultExtension();
            if (!ext.IsEmpty() && ExtensionOf(fileName).IsEmpty())
                fileName += "." + ext;
        }
        if (format > 0)
            doc->SetFileFormat(format);
    }
    return TRUE;
}
