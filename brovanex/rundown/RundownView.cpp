#include "RundownView.h"

#include "BrovanexResource.h"
#include "NewScriptDlg.h"
#include "RundownTime.h"
#include "ViewPrintPreview.h"
#include "fw/doctemplate.h"
#include "fw/resource_chain.h"
#include "fw/stdids.h"

IMPLEMENT_DYNCREATE(CBaseRundownView, CBaseGrid)

BEGIN_MESSAGE_MAP(CBaseRundownView, CBaseGrid)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CBaseRundownView::CBaseRundownView() : m_pPrintTemplate(nullptr), m_pPrintView(nullptr) { }

CBaseRundownView::~CBaseRundownView()
{
    CleanUpShowList();
    delete m_pPrintTemplate;
}

int CBaseRundownView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CBaseGrid::OnCreate(lpcs) == -1)
        return -1;
    // The rundown's cursor, found through the resource chain; shared, never destroyed.
    LPCSTR lpszCursor = MAKEINTRESOURCE(IDC_RUNDOWN_CURSOR);
    if (HINSTANCE hInst = AfxFindResourceHandle(lpszCursor, (LPCSTR)RT_GROUP_CURSOR))
        m_hCursor = ::LoadCursorA(hInst, lpszCursor);
    return 0;
}

CBaseRundownDoc* CBaseRundownView::GetDocument() const
{
    return static_cast<CBaseRundownDoc*>(m_pDocument);
}

int CBaseRundownView::FileAddInsert(int nTargetRow, int bMakeNew, int bIsBreak, long nBreakSeconds)
{
    CNewScriptDlg dialog(this);
    CFileInfo* row = new CFileInfo;
    if (bIsBreak) {
        row->Slug = "{Break}";
        row->BreakSeconds = nBreakSeconds;
        row->RowType = ROW_BREAK;
        row->TTL = CalcBreakTime((int)nBreakSeconds);
    } else {
        const int chosen = bMakeNew ? MakeNewFile(&row->ScriptPath) : GetFileName(row->ScriptPath);
        if (chosen == 0) {
            delete row;
            return 0;
        }
        dialog.Title = row->ScriptPath.Mid(row->ScriptPath.ReverseFind('\\') + 1);
        if (dialog.DoModal() != IDOK) {
            delete row;
            return 0;
        }
        row->Talent = dialog.Talent;
        row->Slug = dialog.Title;
        row->RowType = ROW_SCRIPT;
    }
    row->Position = ROW_POSITION_UNPLACED;
    row->SetRecNo();
    row->ERT = "00:00:00";
    row->SOT = "00:00:00";
    // A script's total is its ERT and SOT, as the file's reader works it out again.
    if (row->RowType == ROW_SCRIPT)
        row->TTL = ReCalcTTL(row->ERT, row->SOT);
    m_ScriptList.AddTail(row);

    if (dialog.m_bOpenInEditor)
        OpenScript(row->ScriptPath);

    if (nTargetRow == RUNDOWN_APPEND_ROW) {
        m_ScriptList.UpdatePosition();
        RewriteGrid();
    } else {
        CDWordArray positions;
        positions.Add((DWORD)ROW_POSITION_UNPLACED);
        m_ScriptList.MoveRows(&positions, nTargetRow);
        RewriteGrid();
    }
    m_ColInfo.RowCount++;
    return 1;
}

int CBaseRundownView::MakeNewFile(CString*) { return 0; }

int CBaseRundownView::GetFileName(CString&) { return 0; }

void CBaseRundownView::FileInsert() { }

void CBaseRundownView::FileAdd() { }

void CBaseRundownView::SndMsg(int, long) { }

void CBaseRundownView::UnlockShow() { }

void CBaseRundownView::LockShow() { }

void CBaseRundownView::FileOpen() { OpenFile(); }

void CBaseRundownView::SetShow() { }

CString CBaseRundownView::CalcBreakTime(int nSeconds)
{
    return CRundownTime::BreakLength(nSeconds);
}

void CBaseRundownView::CleanUpShowList()
{
    while (!m_ScriptList.IsEmpty())
        delete static_cast<CFileInfo*>(m_ScriptList.RemoveHead());
}

void CBaseRundownView::UpdateDisplay(int bRebuild)
{
    BeginWaitCursor();
    SetRedraw(FALSE);
    if (bRebuild)
        ChangeDisplayFormat();
    EndWaitCursor();
}

CString CBaseRundownView::FileName(CString text)
{
    for (int i = 0; i < text.GetLength(); i++) {
        const unsigned char c = (unsigned char)text[i];
        if (strchr(".*\\/?><:\"|'", c) != nullptr && c != 0)
            text.SetAt(i, '_');
        else if (c >= 1 && c <= 31 && c != 16)
            text.SetAt(i, '_');
    }
    return text;
}

void CBaseRundownView::OnUpdateFileExport(CCmdUI* pCmdUI)
{
    CDWordArray rows;
    pCmdUI->Enable(m_Grid.GetSelectedRows(rows, FALSE, FALSE) > 0);
}

// ---- CRundownView --------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CRundownView, CBaseRundownView)

BEGIN_MESSAGE_MAP(CRundownView, CBaseRundownView)
    ON_COMMAND(ID_FILE_PRINT, &CRundownView::OnPrintCommand)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, &CRundownView::OnPrintPreviewCommand)
END_MESSAGE_MAP()

CRundownView::CRundownView() : m_dwReserved(0) { }

CRundownView::~CRundownView() { }

void CRundownView::OnInitialUpdate() { CBaseGrid::OnInitialUpdate(); }

int CRundownView::GetCurrentGridRow()
{
    ROWCOL row = 0, col = 0;
    return m_Grid.m_hWnd != nullptr && m_Grid.GetCurrentCell(row, col) ? (int)row : 0;
}

void CRundownView::FileInsert()
{
    BeginWaitCursor();
    FileAddInsert(GetCurrentGridRow(), 0, 0, 0);
    EndWaitCursor();
}

void CRundownView::FileAdd()
{
    BeginWaitCursor();
    FileAddInsert(RUNDOWN_APPEND_ROW, 1, 0, 0);
    EndWaitCursor();
}

void CRundownView::AddBreak(long nSeconds)
{
    BeginWaitCursor();
    FileAddInsert(GetCurrentGridRow(), 0, 1, nSeconds);
    EndWaitCursor();
}

void CRundownView::SetShow(CString strName) { m_strShowName = strName; }

void CRundownView::ResetShowDefaults() { m_ColInfo.SetDefaults(); }
