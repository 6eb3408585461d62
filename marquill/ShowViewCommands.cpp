// CShowView: the show commands of the rundown toolbar and menu, the rundown's callbacks to
// the editor, and the rows' reading times kept up to date with the editor.
#include "ShowView.h"

#include "BreakTime.h"
#include "MarquillResource.h"
#include "ScriptDoc.h"
#include "TXWords.h"
#include "PromptDefs.h"

BEGIN_MESSAGE_MAP(CShowView, CRundownView)
    ON_COMMAND(IDM_NUMBER_SCRIPTS, &CShowView::OnNumberScripts)
    ON_COMMAND(IDM_NEW_SHOW_SCRIPT, &CShowView::OnNewShowScript)
    ON_COMMAND(IDM_ADD_SHOW_SCRIPT, &CShowView::OnAddShowScript)
    ON_COMMAND(IDM_OPEN_SHOW_SCRIPT, &CShowView::OnOpenShowScript)
    ON_COMMAND(IDM_REMOVE_SHOW_SCRIPT, &CShowView::OnRemoveShowScript)
    ON_COMMAND(IDM_ADD_BREAK, &CShowView::OnAddBreak)
    ON_COMMAND(IDM_COLUMN_INFORMATION, &CShowView::OnColumnInformation)
    ON_COMMAND(IDM_CHANGE_FILE, &CShowView::OnChangeFile)
    ON_COMMAND(IDM_PROMPT_SELECTED_SCRIPT, &CShowView::OnPromptSelectedScript)
    ON_COMMAND(IDM_PROMPT_SHOW, &CShowView::OnPromptShowFromSelection)
    ON_UPDATE_COMMAND_UI_RANGE(IDM_ADD_SHOW_SCRIPT, IDM_REMOVE_SHOW_SCRIPT,
                               &CShowView::OnUpdateShowOpen)
    ON_UPDATE_COMMAND_UI(IDM_NEW_SHOW_SCRIPT, &CShowView::OnUpdateShowOpen)
    ON_UPDATE_COMMAND_UI(IDM_NUMBER_SCRIPTS, &CShowView::OnUpdateShowOpen)
    ON_UPDATE_COMMAND_UI(IDM_ADD_BREAK, &CShowView::OnUpdateShowOpen)
    ON_UPDATE_COMMAND_UI(IDM_COLUMN_INFORMATION, &CShowView::OnUpdateShowOpen)
    ON_UPDATE_COMMAND_UI(IDM_CHANGE_FILE, &CShowView::OnUpdateShowOpen)
    ON_UPDATE_COMMAND_UI(IDM_PROMPT_SELECTED_SCRIPT, &CShowView::OnUpdateShowOpen)
    ON_UPDATE_COMMAND_UI(IDM_PROMPT_SHOW, &CShowView::OnUpdateShowOpen)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, &CShowView::OnUpdateSave)
    ON_MESSAGE(WM_SCRIPT_UPDATED, &CShowView::OnScriptUpdated)
    ON_MESSAGE(WM_PROMPTER_CLOSED, &CShowView::OnPrompterClosed)
    ON_MESSAGE(WM_SHOW_FRAME_BUILT, &CShowView::OnAnswerOne)
    ON_MESSAGE(0x790, &CShowView::OnAnswerOne)
    ON_MESSAGE(0x791, &CShowView::OnAnswerZero)
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

void CShowView::OnInitialUpdate() { CRundownView::OnInitialUpdate(); }

void CShowView::RefreshRundown(int bRebuild)
{
    BeginWaitCursor();
    UpdateDisplay(bRebuild);
    m_ScriptList.CalcCummTime();
    EndWaitCursor();
}

void CShowView::TileDocuments()
{
    CWnd* main = AfxGetMainWnd();
    CMDIFrameWnd* frame = main != nullptr && main->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))
        ? static_cast<CMDIFrameWnd*>(main)
        : nullptr;
    if (frame != nullptr && frame->m_hWndMDIClient != nullptr)
        ::SendMessageA(frame->m_hWndMDIClient, WM_MDITILE, 0, 0);
}

// ---- the rundown's callbacks ---------------------------------------------------------------

void CShowView::OpenScript(CString& strPath)
{
    if (!strPath.IsEmpty())
        GetTXWordsApp()->OpenDocumentFile(strPath);
    TileDocuments();
    MarkModified();
}

void CShowView::ChangeBreakTime(long nPosition)
{
    CFileInfo* row = FindRowByPosition(nPosition);
    if (row == nullptr)
        return;
    CBreakTime dialog(this);
    dialog.m_strTime = row->TTL;
    if (dialog.DoModal() != IDOK)
        return;
    const long seconds = CBreakTime::ParseSeconds(dialog.m_strTime);
    if (seconds < 0)
        return;
    row->BreakSeconds = seconds;
    row->TTL = dialog.m_strTime;
    MarkModified();
    RefreshRundown(0);
}

void CShowView::ChangeGridField(long nRow, long nCol)
{
    CRundownView::ChangeGridField(nRow, nCol);
    RefreshRundown(0);
    MarkModified();
}

int CShowView::MakeNewFile(CString* pPath)
{
    CTXWordsApp* app = GetTXWordsApp();
    if (pPath == nullptr || app->m_pScriptTemplate == nullptr)
        return 0;
    CString path = *pPath;
    if (path.IsEmpty() &&
        !app->DoPromptFileName(path, 0, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, FALSE))
        return 0;
    CDocument* doc = app->m_pScriptTemplate->OpenDocumentFile(nullptr, FALSE);
    if (doc == nullptr)
        return 0;
    ::DeleteFileA(path);
    const BOOL saved = doc->DoSave(path, TRUE);
    const CString finalPath = doc->GetPathName();
    doc->OnCloseDocument();
    if (!saved)
        return 0;
    *pPath = finalPath.IsEmpty() ? path : finalPath;
    return 1;
}

int CShowView::GetFileName(CString& strPath)
{
    CString path = strPath;
    if (!GetTXWordsApp()->DoPromptFileName(path, 0, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE))
        return 0;
    strPath = path;
    return 1;
}

// ---- commands ------------------------------------------------------------------------------

void CShowView::OnNumberScripts()
{
    if (m_bUseSegmentNumbering)
        m_ScriptList.SegReNum();
    else
        m_ScriptList.IntReNum();
    MarkModified();
}

void CShowView::OnNewShowScript()
{
    FileAdd();
    MarkModified();
}

void CShowView::OnAddShowScript()
{
    FileInsert();
    MarkModified();
}

void CShowView::OnOpenShowScript()
{
    FileOpen();
    MarkModified();
    RefreshRundown(0);
    TileDocuments();
}

void CShowView::OnRemoveShowScript()
{
    FileDelete();
    MarkModified();
}

void CShowView::OnAddBreak()
{
    CBreakTime dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    const long seconds = CBreakTime::ParseSeconds(dialog.m_strTime);
    if (seconds < 0)
        return;
    AddBreak(seconds);
    RefreshRundown(0);
    MarkModified();
}

void CShowView::OnColumnInformation()
{
    OnColumninformation();
    RefreshRundown(1);
}

void CShowView::OnChangeFile()
{
    CDWordArray rows;
    m_Grid.GetSelectedRows(rows, FALSE, FALSE);
    for (INT_PTR i = 0; i < rows.GetSize(); i++) {
        CFileInfo* row = GetRowAt(rows[i]);
        if (row == nullptr || row->RowType != ROW_SCRIPT)
            continue;
        CString path = row->ScriptPath;
        if (GetFileName(path)) {
            row->ScriptPath = path;
            MarkModified();
        }
    }
}

void CShowView::OnUpdateShowOpen(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bShowOpen != 0); }

void CShowView::OnUpdateAlwaysOn(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }

void CShowView::OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }

LRESULT CShowView::OnScriptUpdated(WPARAM, LPARAM)
{
    CTXWordsApp* app = GetTXWordsApp();
    const CString path = app->m_strUpdatedScriptPath;
    if (path.IsEmpty())
        return 0;
    for (POSITION pos = m_ScriptList.GetHeadPosition(); pos != nullptr;) {
        CFileInfo* row = m_ScriptList.GetRow(pos);
        if (row->RowType == ROW_SCRIPT && row->ScriptPath.CompareNoCase(path) == 0) {
            row->ERT = app->m_strUpdatedScriptERT;
            row->TTL = ReCalcTTL(row->ERT, row->SOT);
        }
    }
    m_ScriptList.CalcCummTime();
    return 0;
}

void CShowView::OnContextMenu(CWnd*, CPoint point)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_RUNDOWN_CONTEXT))
        return;
    CMenu* popup = menu.GetSubMenu(0);
    if (popup == nullptr)
        return;
    CRect rect;
    GetWindowRect(&rect);
    if (point.x == -1)
        point.x = rect.CenterPoint().x;
    if (point.y == -1)
        point.y = rect.CenterPoint().y;
    CRect noDismiss(0, 0, 25, 25);
    popup->TrackPopupMenu(TPM_CENTERALIGN, point.x, point.y, this, &noDismiss);
}
