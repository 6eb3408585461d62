// CShowView: the show's file life. Open reads the whole file before it touches the show
// on the screen, so a file that does not read leaves the current show as it was; Save
// writes through the safe save, so a failed save leaves the file as it was and the show
// modified.
#include "ShowView.h"

#include "core/GXTabWnd.h"

#include "MarquillResource.h"
#include "ShowFile.h"
#include "TXWords.h"
#include "fw/filedialog.h"

IMPLEMENT_DYNCREATE(CShowView, CRundownView)

namespace {
const char kShowFilter[] = "Show Files (*.shw)||";

bool FileExists(const CString& path)
{
    const DWORD attributes = ::GetFileAttributesA(path);
    return !path.IsEmpty() && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
} // namespace

CShowView::CShowView() : m_bModified(0), m_posPrompt(nullptr), m_bPromptEnd(0) { }

CShowView::~CShowView()
{
    // A show still open is closed as the main frame's close does (Yes/No).
    if (m_bShowOpen && !m_strShowPath.IsEmpty())
        SaveShow();
}

void CShowView::UpdateTabCaption(const CString& strText)
{
    CWnd* parent = GetParent();
    const CString caption = strText.IsEmpty() ? CString("Rundown") : strText;
    if (parent == nullptr || parent->GetSafeHwnd() == nullptr)
        return;
    SetWindowText(caption);
    // In the rundown bar's tab window: the view's tab, measured again and repainted.
    if (parent->IsKindOf(RUNTIME_CLASS(CGXTabWnd)))
        static_cast<CGXTabWnd*>(parent)->SetPaneTabName(this, caption);
}

BOOL CShowView::PromptShowFileName(BOOL bOpen, CString& strPath, CWnd* pOwner)
{
    CFileDialog dialog(bOpen, "shw", "*.shw", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kShowFilter,
                       pOwner);
    const CString folder = GetTXWordsApp()->m_strDocumentsFolder;
    dialog.m_ofn.lpstrInitialDir = folder.IsEmpty() ? nullptr : (LPCSTR)folder;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    strPath = dialog.GetPathName();
    return !strPath.IsEmpty();
}

BOOL CShowView::CloseShow(UINT nType)
{
    if (!m_bShowOpen)
        return TRUE;
    if (!m_strShowPath.IsEmpty()) {
        if (!OnSaveShow())
            return FALSE;
    } else if (m_bModified) {
        const int answer = AfxMessageBox("Save Changes to Current Show", nType);
        if (answer == IDCANCEL)
            return FALSE;
        if (answer == IDYES && !OnSaveShow())
            return FALSE;
    }
    if (CWnd* main = AfxGetMainWnd())
        main->SendMessage(WM_SHOW_RUNDOWN_BARS, 0, 0);
    m_bModified = 0;
    m_bShowOpen = 0;
    CleanUpShowList();
    m_ColInfo.RowCount = 0;
    RewriteGrid();
    return TRUE;
}

void CShowView::OnNewShow()
{
    if (!CloseShow(MB_YESNOCANCEL))
        return;
    if (CWnd* main = AfxGetMainWnd())
        main->SendMessage(WM_SHOW_RUNDOWN_BARS, SW_SHOW, 0);
    ResetShowDefaults();
    m_bUseSegmentNumbering = m_ColInfo.UseSegmentNumbering;
    m_bUseScriptSeparator = m_ColInfo.UseScriptSeparator;
    m_ScriptList.AddEOS();
    m_ColInfo.RowCount = 1;
    RefreshRundown(1);
    m_bModified = 1;
    m_bShowOpen = 1;
    m_strShowPath.Empty();
    UpdateTabCaption(m_strShowPath);
    SetShow(m_strShowPath);
    RefreshRundown(0);
}

BOOL CShowView::LoadShow(const CString& strPath)
{
    CColInfo header;
    CObList rows;
    CString error;
    if (!CShowFile::Read(strPath, header, rows, error)) {
        AfxMessageBox("Unable to read file\n" + strPath + "\n" + error, MB_ICONSTOP);
        return FALSE;
    }
    InstallShow(header, rows);
    return TRUE;
}

void CShowView::InstallShow(const CColInfo& header, CObList& rows)
{
    CleanUpShowList();
    m_ColInfo = header;
    while (!rows.IsEmpty()) {
        CFileInfo* row = static_cast<CFileInfo*>(rows.RemoveHead());
        if (row->RowType == ROW_SCRIPT)
            CheckScriptFile(row);
        CShowFile::PrepareLoadedRow(row);
        m_ScriptList.AddTail(row);
    }
}

void CShowView::OnOpenShow()
{
    CString path;
    if (!PromptShowFileName(TRUE, path, this))
        return;

    // The whole file is read before the current show is closed: a file that does not read
    // is refused and the current show stays as it was.
    CColInfo header;
    CObList rows;
    CString error;
    if (!CShowFile::Read(path, header, rows, error)) {
        AfxMessageBox("Unable to read file\n" + path + "\n" + error, MB_ICONSTOP);
        return;
    }
    const bool samePath = !m_strShowPath.IsEmpty() && m_strShowPath.CompareNoCase(path) == 0;
    if (!CloseShow(MB_YESNOCANCEL)) {
        CShowFile::DeleteRows(rows);
        return;
    }
    // Closing saved the show open under this name: what it wrote is the show now.
    if (samePath) {
        CShowFile::DeleteRows(rows);
        if (!CShowFile::Read(path, header, rows, error)) {
            AfxMessageBox("Unable to read file\n" + path + "\n" + error, MB_ICONSTOP);
            return;
        }
    }

    m_strShowPath = path;
    char drive[_MAX_DRIVE] = {0}, dir[_MAX_DIR] = {0};
    _splitpath(path, drive, dir, nullptr, nullptr);
    m_strShowFolder.Format("%s%s", drive, dir);
    InstallShow(header, rows);

    if (CWnd* main = AfxGetMainWnd())
        main->SendMessage(WM_SHOW_RUNDOWN_BARS, SW_SHOW, 0);
    m_bModified = 1;
    m_bShowOpen = 1;
    SetShow(m_strShowPath);
    m_bUseSegmentNumbering = m_ColInfo.UseSegmentNumbering;
    m_bUseScriptSeparator = m_ColInfo.UseScriptSeparator;
    RefreshRundown(1);
    UpdateTabCaption(m_strShowPath);
}

BOOL CShowView::SaveShow()
{
    CFileException error;
    if (CShowFile::Write(m_strShowPath, m_ColInfo, m_ScriptList, &error))
        return TRUE;
    char text[512] = {0};
    error.GetErrorMessage(text, sizeof(text));
    AfxMessageBox("Unable to write file\n" + m_strShowPath + "\n" + text, MB_ICONSTOP);
    return FALSE;
}

BOOL CShowView::OnSaveShow()
{
    const CString previous = m_strShowPath;
    if (m_strShowPath.IsEmpty()) {
        CString path;
        if (!PromptShowFileName(FALSE, path, nullptr))
            return FALSE;
        m_strShowPath = path;
    }
    // A show that could not be written stays modified, under the name it had.
    if (!SaveShow()) {
        m_strShowPath = previous;
        return FALSE;
    }
    m_bModified = 0;
    UpdateTabCaption(m_strShowPath);
    return TRUE;
}

void CShowView::OnSaveShowAs()
{
    CString path;
    if (!PromptShowFileName(FALSE, path, nullptr))
        return;
    const CString previous = m_strShowPath;
    m_strShowPath = path;
    if (!SaveShow()) {
        m_strShowPath = previous;
        return;
    }
    m_bModified = 0;
    UpdateTabCaption(m_strShowPath);
    SetShow(m_strShowPath);
}

void CShowView::CheckScriptFile(CFileInfo* pRow)
{
    if (FileExists(pRow->ScriptPath))
        return;
    char name[_MAX_FNAME] = {0}, ext[_MAX_EXT] = {0};
    _splitpath(pRow->ScriptPath, nullptr, nullptr, name, ext);
    CString beside;
    beside.Format("%s%s%s", (LPCSTR)m_strShowFolder, name, ext);
    if (!m_strShowFolder.IsEmpty() && FileExists(beside)) {
        pRow->ScriptPath = beside;
        return;
    }
    CString message;
    message.Format("The file for script slugged \"%s\" could not be found!\nPlease select a "
                   "different file.",
                   (LPCSTR)pRow->Slug);
    AfxMessageBox(message, MB_OK);
    CString chosen = pRow->ScriptPath;
    if (GetFileName(chosen))
        pRow->ScriptPath = chosen;
    else
        pRow->ScriptPath.Empty();
}
