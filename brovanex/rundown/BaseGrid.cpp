#include "BaseGrid.h"

#include "ColumnSelectDlg.h"
#include "RundownTime.h"
#include "core/GXGridParam.h"
#include "core/GXProperties.h"
#include "core/GXRange.h"
#include "core/GXStyle.h"
#include "features/GXFeatureSwitches.h"
#include "res/GXResource.h"

IMPLEMENT_DYNCREATE(CBaseGrid, CView)

BEGIN_MESSAGE_MAP(CBaseGrid, CView)
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(RUNDOWN_GRID_MESSAGE, &CBaseGrid::OnGridMessage)
END_MESSAGE_MAP()

CBaseGrid::CBaseGrid()
    : m_nColCount(0), m_bUseSegmentNumbering(0), m_bFirstUpdate(1), m_bShowOpen(0),
      m_bUseScriptSeparator(0), m_bEditing(0), m_nRedrawLock(0), m_hCursor(nullptr)
{
    for (long& col : m_Columns.col)
        col = -1;
    m_bUseSegmentNumbering = m_ColInfo.UseSegmentNumbering;
    m_bUseScriptSeparator = m_ColInfo.UseScriptSeparator;
}

CBaseGrid::~CBaseGrid() { }

void CBaseGrid::OnDraw(CDC*) { }

namespace {
// Grids need the library's window class in the program's instance; the library's start-up
// registers it, and a rundown made before that (or without it) registers it here.
void EnsureGridWindowClass()
{
    HINSTANCE instance = AfxGetInstanceHandle();
    WNDCLASSA wc = {};
    if (::GetClassInfoA(instance, "GXWND", &wc))
        return;
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = instance;
    wc.lpszClassName = "GXWND";
    AfxRegisterClass(&wc);
}
} // namespace

void CBaseGrid::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    if (m_bFirstUpdate) {
        m_bFirstUpdate = 0;
        EnsureGridWindowClass();
        m_Grid.SetParentView(this);
        m_Grid.Create(WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, CRect(0, 0, 1, 1), this,
                      GridWindowId);
        m_Grid.Initialize();
        GXImplementPrinting(&m_Grid);
        if (CGXGridParam* param = m_Grid.GetParam()) {
            param->EnableMoveCols(FALSE);
            param->EnableMoveRows(TRUE);
            param->SetSelectionFlags(121);
            param->m_wWholeRowMode = 2;
            param->EnableTrackRowHeight(0);
            // Cells change only through the row list: no undo of grid-level edits.
            param->m_bUndoEnabled = FALSE;
        }
        if (CGXProperties* properties = m_Grid.GetProperties())
            properties->SetColor(3, 0x0000FF);
        SetGridDefaults(&m_Grid);
        CRect client;
        GetClientRect(&client);
        if (!client.IsRectEmpty())
            m_Grid.MoveWindow(&client);
    }
    SetMessageHWnd();
}

// ---- the virtual contract's library bodies -----------------------------------------------

void CBaseGrid::OpenScript(CString&) { }

void CBaseGrid::ChangeBreakTime(long) { }

void CBaseGrid::OpenFile()
{
    CDWordArray rows;
    m_Grid.GetSelectedRows(rows, FALSE, FALSE);
    for (INT_PTR i = 0; i < rows.GetSize(); i++) {
        CFileInfo* row = FindRowByPosition((long)rows[i]);
        if (row == nullptr)
            continue;
        if (row->RowType == ROW_BREAK)
            ChangeBreakTime((long)rows[i]);
        else if (row->RowType == ROW_SCRIPT)
            OpenScript(row->ScriptPath);
    }
}

void CBaseGrid::SndScriptUpdateMsg(long, long) { }

void CBaseGrid::ChangeDisplayFormat()
{
    m_FmtGrid = CFmtGrid(m_ColInfo);
    m_nColCount = (long)m_FmtGrid.GetColumnCount();
    SetGridDefaults(&m_Grid);
    for (long& col : m_Columns.col)
        col = -1;

    const ROWCOL n = (ROWCOL)m_nColCount;
    m_Grid.SetColCount(n + 1, 0);
    m_Grid.SetRowCount(1, 0);
    m_Grid.SetColWidth(0, 0, 20, nullptr, 0);
    m_Grid.SetRowHeight(0, 0, (int)m_FmtGrid.GetHeight(), nullptr, 0);

    if (CGXProperties* properties = m_Grid.GetProperties()) {
        properties->SetColor(0, m_FmtGrid.GetLineColor());
        properties->m_abDisplay[3] = m_FmtGrid.GetVertLines() != 0;
        properties->m_abDisplay[4] = m_FmtGrid.GetHorzLines() != 0;
    }
    m_Grid.m_crSelBack = m_FmtGrid.GetSelBackColor();
    m_Grid.m_crSelText = m_FmtGrid.GetSelForeColor();

    ROWCOL c = 1;
    for (POSITION pos = m_FmtGrid.GetColumns().GetHeadPosition(); pos != nullptr; c++) {
        const CFmtGridCol* format =
            static_cast<const CFmtGridCol*>(m_FmtGrid.GetColumns().GetNext(pos));
        SetupColumn(m_Columns, format->GetID(), (long)c);
        SetGridValue(&m_Grid, 0, (long)c, format->GetDisplayName(), false);
        const UINT align = format->GetAlignment() == CFmtGridCol::AlignCentre ? DT_CENTER
            : format->GetAlignment() == CFmtGridCol::AlignRight               ? DT_RIGHT
                                                                              : DT_LEFT;
        CGXStyle style;
        style.SetControl(GX_IDS_CTRL_EDIT)
            .SetMaxLength((WORD)format->GetDataLength())
            .SetHorizontalAlignment(align)
            .SetFormat(0)
            .SetInterior(format->GetBackColor())
            .SetTextColor(format->GetForeColor())
            .SetReadOnly(format->IsEditable() == 0);
        m_Grid.SetStyleRange(CGXRange().SetCols(c), style, gxOverride, 0, 0);
        m_Grid.SetColWidth(c, c, format->GetWidth(), nullptr, 0);
    }

    // The hidden record-number column: the value is there, the cell shows nothing.
    const ROWCOL recCol = n + 1;
    CGXStyle recStyle;
    recStyle.SetControl(GX_IDS_CTRL_EDIT).SetMaxLength(50).SetFormat(12);
    m_Grid.SetStyleRange(CGXRange().SetCols(recCol), recStyle, gxOverride, 0, 0);
    m_Grid.SetColWidth(recCol, recCol, 0, nullptr, 0);
    m_Columns.col[COLIDX_RECNO] = (long)recCol;
    m_Grid.SetTopRow(1, 0);
}

int CBaseGrid::CheckBadSlug(long nRow, long nCol)
{
    const CString text = m_Grid.GetValueRowCol((ROWCOL)nRow, (ROWCOL)nCol);
    return text.CompareNoCase("Break") == 0 || text.CompareNoCase("End Of Show") == 0 ||
            text.CompareNoCase("Segment") == 0
        ? 1
        : 0;
}

void CBaseGrid::CopyCellToRow(CFileInfo* row, long nCol, const CString& text)
{
    if (nCol == m_Columns.col[COLIDX_SLUG])
        row->Slug = text;
    else if (nCol == m_Columns.col[COLIDX_PAGENO])
        row->PageNo = text;
    else if (nCol == m_Columns.col[COLIDX_TALENT])
        row->Talent = text;
    else if (nCol == m_Columns.col[COLIDX_MISC1])
        row->Misc1 = text;
    else if (nCol == m_Columns.col[COLIDX_MISC2])
        row->Misc2 = text;
    else if (nCol == m_Columns.col[COLIDX_SOT]) {
        row->SOT = text;
        row->TTL = ReCalcTTL(row->ERT, row->SOT);
    }
}

void CBaseGrid::ChangeGridField(long nRow, long nCol)
{
    if (nRow < 1 || nCol < 1 || CheckBadSlug(nRow, nCol))
        return;
    POSITION pos = m_ScriptList.FindIndex(nRow - 1);
    if (pos == nullptr)
        return;
    CFileInfo* row = static_cast<CFileInfo*>(m_ScriptList.GetAt(pos));
    CopyCellToRow(row, nCol, m_Grid.GetValueRowCol((ROWCOL)nRow, (ROWCOL)nCol));
}

void CBaseGrid::RowChanged(long) { }

bool CBaseGrid::BGLButtonClicked(unsigned long, unsigned long) { return true; }

void CBaseGrid::BGLButtonDblClk(unsigned long nRow)
{
    if (nRow != 0)
        OpenFile();
}

void CBaseGrid::DeleteSelectedScript(long) { }

// ---- helpers -------------------------------------------------------------------------------

void CBaseGrid::SetupColumn(sColumns& columns, long nID, long nColumn)
{
    switch (nID) {
    case COLID_ERT:
        columns.col[COLIDX_ERT] = nColumn;
        break;
    case COLID_SOT:
        columns.col[COLIDX_SOT] = nColumn;
        break;
    case COLID_TTL:
        columns.col[COLIDX_TTL] = nColumn;
        break;
    case COLID_SLUG:
        columns.col[COLIDX_SLUG] = nColumn;
        break;
    case COLID_CUME:
        columns.col[COLIDX_CUME] = nColumn;
        break;
    case COLID_PAGENO:
        columns.col[COLIDX_PAGENO] = nColumn;
        break;
    case COLID_TALENT:
        columns.col[COLIDX_TALENT] = nColumn;
        break;
    case COLID_MISC1:
        columns.col[COLIDX_MISC1] = nColumn;
        break;
    case COLID_MISC2:
        columns.col[COLIDX_MISC2] = nColumn;
        break;
    case COLID_RECNO:
        columns.col[COLIDX_RECNO] = nColumn;
        break;
    default:
        break;
    }
}

CString CBaseGrid::ReCalcTTL(CString ert, CString sot) { return CRundownTime::TotalTime(ert, sot); }

CString CBaseGrid::GetGridEditTimeString(const CString& text)
{
    return CRundownTime::GridEditTime(text);
}

CString CBaseGrid::SetGridTimeString(const CString& digits)
{
    return CRundownTime::FromGridEditTime(digits);
}

void CBaseGrid::SetGridValue(CGXGridCore* pCore, ROWCOL nRow, long nCol, const CString& strValue,
                             bool)
{
    if (nCol < 0 || pCore == nullptr)
        return;
    // Programmatic writes reach read-only cells.
    CGXGridParam* param = pCore->GetParam();
    const BOOL bGuard = param != nullptr ? param->m_bStoreGuard : FALSE;
    if (param != nullptr)
        param->m_bStoreGuard = FALSE;
    pCore->SetValueRange(CGXRange(nRow, (ROWCOL)nCol, nRow, (ROWCOL)nCol), strValue, 0);
    if (param != nullptr)
        param->m_bStoreGuard = bGuard;
}

void CBaseGrid::SetGridValue(CGXGridCore* pCore, ROWCOL nRow, long nCol, long nValue)
{
    CString text;
    text.Format("%ld", nValue);
    SetGridValue(pCore, nRow, nCol, text);
}

void CBaseGrid::ColorCell(ROWCOL nRow, ROWCOL nCol, COLORREF crBack, COLORREF crText)
{
    CGXStyle style;
    style.SetInterior(crBack).SetTextColor(crText);
    m_Grid.SetStyleRange(CGXRange(nRow, nCol, nRow, nCol), style, gxOverride, 0, 0);
}

void CBaseGrid::ColorRow(CGXGridCore* pCore, long nIndex, COLORREF crBack, COLORREF crText)
{
    CGXStyle style;
    style.SetInterior(crBack).SetTextColor(crText);
    const ROWCOL row = (ROWCOL)(nIndex + 1);
    pCore->SetStyleRange(CGXRange(row, 1, row, pCore->GetColCount()), style, gxOverride, 0, 0);
}

void CBaseGrid::ColorForeCell(CGXGridCore* pCore, ROWCOL nRow, long nCol, COLORREF crText)
{
    if (nCol == -1)
        return;
    CGXStyle style;
    style.SetTextColor(crText);
    pCore->SetStyleRange(CGXRange(nRow, (ROWCOL)nCol, nRow, (ROWCOL)nCol), style, gxOverride, 0, 0);
}

void CBaseGrid::SetArchiveRundownReadonly(CGXGridCore* pCore)
{
    CGXStyle style;
    style.SetReadOnly(TRUE);
    pCore->SetStyleRange(CGXRange(0, 0, pCore->GetRowCount(), pCore->GetColCount()), style,
                         gxOverride, 0, 0);
}

void CBaseGrid::ResetGrid()
{
    if (m_Grid.GetRowCount() > 0)
        m_Grid.RemoveRows(1, m_Grid.GetRowCount(), 0);
}

long CBaseGrid::GetBOOLValue(ROWCOL nRow, ROWCOL nCol)
{
    return atol(m_Grid.GetValueRowCol(nRow, nCol));
}

long CBaseGrid::GetEOSrow()
{
    long gridRow = 1;
    for (POSITION pos = m_ScriptList.GetHeadPosition(); pos != nullptr; gridRow++)
        if (m_ScriptList.GetRow(pos)->RowType == ROW_END_OF_SHOW)
            return gridRow;
    return gridRow; // one past the last row: no row is on or after it
}

long CBaseGrid::GetNextSelectedLine(long)
{
    CDWordArray rows;
    if (m_Grid.GetSelectedRows(rows, FALSE, FALSE) == 0)
        return -1;
    DWORD first = rows[0];
    for (INT_PTR i = 1; i < rows.GetSize(); i++)
        first = rows[i] < first ? rows[i] : first;
    return first >= 1 ? (long)first - 1 : -1;
}

CFileInfo* CBaseGrid::GetRowAt(ROWCOL nGridRow)
{
    const long recCol = m_Columns.col[COLIDX_RECNO];
    if (recCol < 0 || nGridRow < 1 || nGridRow > m_Grid.GetRowCount())
        return nullptr;
    const long recNo = atol(m_Grid.GetValueRowCol(nGridRow, (ROWCOL)recCol));
    for (POSITION pos = m_ScriptList.GetHeadPosition(); pos != nullptr;) {
        CFileInfo* row = m_ScriptList.GetRow(pos);
        if (row->RecNo == recNo)
            return row;
    }
    return nullptr;
}

CFileInfo* CBaseGrid::FindRowByPosition(long nPosition)
{
    for (POSITION pos = m_ScriptList.GetHeadPosition(); pos != nullptr;) {
        CFileInfo* row = m_ScriptList.GetRow(pos);
        if (row->Position == nPosition)
            return row;
    }
    return nullptr;
}

void CBaseGrid::FileDelete()
{
    BeginWaitCursor();
    CDWordArray rows;
    m_Grid.GetSelectedRows(rows, FALSE, FALSE);
    CDWordArray recNos;
    for (INT_PTR i = 0; i < rows.GetSize(); i++) {
        // The end-of-show row is known by its type, whichever columns are shown.
        CFileInfo* row = GetRowAt(rows[i]);
        if (row != nullptr && row->RowType != ROW_END_OF_SHOW)
            recNos.Add((DWORD)row->RecNo);
    }
    for (INT_PTR i = 0; i < recNos.GetSize(); i++) {
        m_ScriptList.DeleteSelectedScript((long)recNos[i]);
        m_ColInfo.RowCount--;
    }
    if (m_Grid.GetParam() != nullptr)
        m_Grid.GetParam()->m_selRects.DeleteAreas();
    m_ScriptList.CalcCummTime();
    EndWaitCursor();
}
