// The script file formats the file dialogs offer.
#include "TXWords.h"

#include <algorithm>

#include "MarquillResource.h"
#include "richtext/TXDocManager.h"

namespace {
// The program's detection, with our own document type read as the control's own format.
int DetectScriptFile(const char* path)
{
    const int format = DetectScriptFormat(path, 0);
    return format == TXFORMAT_MQD ? TXFORMAT_NATIVE : format;
}

// True when the file-name part of the path has an extension ("C:\my.dir\News" has none).
bool FileNameHasAnyExtension(const CString& path)
{
    const int slash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return path.ReverseFind('.') > slash;
}

// Part n (0-based) of a newline-separated format string.
CString FormatPart(const char* text, int n)
{
    CString s(text), part;
    AfxExtractSubString(part, s, n, '\n');
    return part;
}
} // namespace

ScriptFormatFilter CTXWordsApp::GetScriptFormatFilter(bool openDialog) const
{
    std::vector<std::string> strings;
    for (UINT id = IDS_FORMAT_WORD; id <= IDS_FORMAT_ALL; ++id) {
        char text[512] = {};
        AfxLoadString(id, text, sizeof text);
        strings.push_back(text);
    }
    return BuildScriptFormatFilter(strings, openDialog);
}

void CTXWordsApp::RegisterScriptFormats()
{
    if (!m_pDocManager || !m_pDocManager->IsKindOf(RUNTIME_CLASS(CTXDocManager)))
        return;
    CTXDocManager* manager = static_cast<CTXDocManager*>(m_pDocManager);
    manager->SetFormatDetector(DetectScriptFile);
    // File Open and Save As of scripts are the script file dialog too; a save starts on
    // the document's format and hands back the one chosen.
    manager->SetFilePrompt(
        [this](CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog, int& format) {
            int tableIndex = ScriptTableIndexOfFormat(format);
            if (!DoPromptFileName(fileName, nIDSTitle, lFlags, bOpenFileDialog,
                                  bOpenFileDialog || tableIndex == 0 ? nullptr : &tableIndex))
                return FALSE;
            format = bOpenFileDialog ? 0 : ScriptFormatOfTableIndex(tableIndex);
            return TRUE;
        });
    struct Entry
    {
        UINT id;
        int format;
    };
    // Our own document type only where its instructions can be prompted.
    const Entry entries[] = {
        {IDS_FORMAT_OWN, TXFORMAT_NATIVE}, {IDS_FORMAT_RTF, TXFORMAT_RTF},
        {IDS_FORMAT_WORD, TXFORMAT_WORD},  {IDS_FORMAT_HTML, TXFORMAT_HTML},
        {IDS_FORMAT_TEXT, TXFORMAT_TEXT},  {IDS_FORMAT_UNICODE, TXFORMAT_UNICODE}};
    for (const Entry& e : entries) {
        if (e.format == TXFORMAT_NATIVE && !m_bPowerPointAvailable)
            continue;
        char text[512] = {};
        AfxLoadString(e.id, text, sizeof text);
        FileFormat format;
        format.nFormat = e.format;
        format.strName = FormatPart(text, 1);
        format.strPatterns = FormatPart(text, 2) + FormatPart(text, 4);
        manager->AddFileFormat(format, 0);
    }
}

BOOL CTXWordsApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                   BOOL bOpenFileDialog, int* pFilterIndex)
{
    const ScriptFormatFilter filter = GetScriptFormatFilter(bOpenFileDialog != FALSE);
    // Table indices throughout; the dialog counts its own entries.
    int tableIndex = bOpenFileDialog ? m_nFilterIndex : (pFilterIndex ? *pFilterIndex : 1);
    const std::string defaultExtension = filter.DefaultExtension(tableIndex);

    CFileDialog dialog(bOpenFileDialog,
                       defaultExtension.empty() ? nullptr : defaultExtension.c_str(), nullptr,
                       lFlags, filter.filter.c_str(), m_pMainWnd);
    CString title;
    if (nIDSTitle && title.LoadString(nIDSTitle))
        dialog.m_ofn.lpstrTitle = title;
    dialog.m_ofn.nFilterIndex = (DWORD)filter.DialogIndex(tableIndex);
    lstrcpynA(dialog.m_ofn.lpstrFile, fileName, (int)dialog.m_ofn.nMaxFile);

    if (dialog.DoModal() != IDOK)
        return FALSE;
    tableIndex = filter.TableIndex((int)dialog.m_ofn.nFilterIndex);
    if (bOpenFileDialog)
        m_nFilterIndex = tableIndex;
    if (pFilterIndex)
        *pFilterIndex = tableIndex;
    fileName = dialog.GetPathName();
    // A name saved without an extension takes the chosen format's.
    const std::string chosenExtension = filter.DefaultExtension(tableIndex);
    if (!bOpenFileDialog && !chosenExtension.empty() && !FileNameHasAnyExtension(fileName))
        fileName += ("." + chosenExtension).c_str();
    return TRUE;
}
