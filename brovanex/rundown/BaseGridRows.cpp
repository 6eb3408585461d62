// CBaseGrid: the rows written into the grid, edits copied back into the rows, dragged rows
// moved in the row list, and the grid's redrawing.
#include "BaseGrid.h"

#include "ColumnSelectDlg.h"
#include "RundownTime.h"
#include "core/GXGridParam.h"
#include "core/GXRange.h"
#include "core/GXStyle.h"
#include "res/GXResource.h"

void CBaseGrid::RewriteGrid()
{
    SetRedraw(FALSE);
    ResetGrid();
    const ROWCOL count = (ROWCOL)m_ScriptList.GetCount();
    m_Grid.SetRowCount(count, 0);
    if (count > 0)
        m_Grid.SetRowHeight(1, count, m_Grid.GetRowHeight(0), nullptr, 0);
    unsigned long gridRow = 1;
    for (POSITION pos = m_ScriptList.GetHeadPosition(); pos != nullptr; gridRow++) {
        CFileInfo* row = m_ScriptList.GetRow(pos);
        if (row->RowType == ROW_SCRIPT)
            LoadValues(gridRow, row);
        else
            AddSpecialLines(row, row->Position, (long)gridRow);
    }
    SetRedraw(TRUE);
}

void CBaseGrid::LoadValues(unsigned long nGridRow, CFileInfo* row)
{
    const ROWCOL r = (ROWCOL)nGridRow;
    SetGridValue(&m_Grid, r, m_Columns.col[COLIDX_SLUG], row->Slug);
    SetGridValue(&m_Grid, r, m_Columns.col[COLIDX_ERT], row->ERT);
    SetGridValue(&m_Grid, r, m_Columns.col[COLIDX_SOT], row->SOT);
    SetGridValue(&m_Grid, r, m_Columns.col[COLIDX_TTL], ReCalcTTL(row->ERT, row->SOT));
    SetGridValue(&m_Grid, r, m_Columns.col[COLIDX_PAGENO], row->PageNo);
    SetGridValue(&m_Grid, r, m_Columns.col[COLIDX_TALENT], row->Talent);
    SetGridValue(&m_Grid, r, m_Columns.col[COLIDX_MISC1], row->Misc1);
    SetGridValue(&m_Grid, r, m_Columns.col[COLIDX_MISC2], row->Misc2);
    SetGridValue(&m_Grid, r, m_Columns.col[COLIDX_RECNO], row->RecNo);
    SetGridValue(&m_Grid, r, m_Columns.col[COLIDX_CUME], row->Cume);
}

void CBaseGrid::AddSpecialLines(CFileInfo* row, long, long nGridRow)
{
    const ROWCOL r = (ROWCOL)nGridRow;
    COLORREF color = RUNDOWN_SEGMENT_COLOR;
    switch (row->RowType) {
    case ROW_BREAK:
        SetGridValue(&m_Grid, r, m_Columns.col[COLIDX_TTL], row->TTL);
        SetGridValue(&m_Grid, r, m_Columns.col[COLIDX_SLUG], CString("Break"));
        SetGridValue(&m_Grid, r, m_Columns.col[COLIDX_CUME], row->Cume);
        color = RUNDOWN_BREAK_COLOR;
        break;
    case ROW_END_OF_SHOW:
        SetGridValue(&m_Grid, r, m_Columns.col[COLIDX_SLUG], CString("End of Show"));
        color = RUNDOWN_EOS_COLOR;
        break;
    default:
        SetGridValue(&m_Grid, r, m_Columns.col[COLIDX_SLUG], CString("Segment"));
        break;
    }
    SetGridValue(&m_Grid, r, m_Columns.col[COLIDX_RECNO], row->RecNo);
    ColorRow(&m_Grid, nGridRow - 1, color, RGB(255, 255, 255));
}

// ---- editing -------------------------------------------------------------------------------

void CBaseGrid::BGStartEditing(ROWCOL nRow, ROWCOL nCol)
{
    if (nRow == 0 || m_bEditing)
        return;
    m_bEditing = 1;
    CGXStyle style;
    m_Grid.ComposeStyleRowCol(nRow, nCol, &style);
    if (style.GetInclude(gxReadOnly) && style.GetReadOnly()) {
        m_bEditing = 0;
        m_Grid.OnCanceledEditing(nRow, nCol);
        return;
    }
    if ((long)nCol == m_Columns.col[COLIDX_SOT]) {
        // The time is edited as four digits MMSS in a masked cell.
        SetGridValue(&m_Grid, nRow, (long)nCol,
                     GetGridEditTimeString(m_Grid.GetValueRowCol(nRow, nCol)));
        SetTimeMask(nRow, nCol, "####");
    }
}

void CBaseGrid::SetTimeMask(ROWCOL nRow, ROWCOL nCol, const CString& mask)
{
    CGXStyle style;
    style.SetControl(GX_IDS_CTRL_MASKEDIT)
        .SetUserAttribute(GX_IDS_UA_MASK, mask)
        .SetMaxLength((WORD)mask.GetLength());
    // Programmatic writes reach read-only cells.
    CGXGridParam* param = m_Grid.GetParam();
    const BOOL bGuard = param != nullptr ? param->m_bStoreGuard : FALSE;
    if (param != nullptr)
        param->m_bStoreGuard = FALSE;
    m_Grid.SetStyleRange(CGXRange(nRow, nCol, nRow, nCol), style, gxOverride, 0, 0);
    if (param != nullptr)
        param->m_bStoreGuard = bGuard;
}

void CBaseGrid::BGEndEditing(ROWCOL nRow, ROWCOL nCol)
{
    if (!m_bEditing)
        return;
    m_bEditing = 0;
    if ((long)nCol == m_Columns.col[COLIDX_SOT]) {
        const CString time = SetGridTimeString(m_Grid.GetValueRowCol(nRow, nCol));
        // The cell keeps its masked control; its mask takes the time as it stands.
        SetTimeMask(nRow, nCol, CString('&', time.GetLength()));
        SetGridValue(&m_Grid, nRow, (long)nCol, time);
    }

    // A cell whose text now differs from its row was changed.
    POSITION pos = nRow >= 1 ? m_ScriptList.FindIndex((INT_PTR)nRow - 1) : nullptr;
    if (pos == nullptr)
        return;
    CFileInfo* row = static_cast<CFileInfo*>(m_ScriptList.GetAt(pos));
    const CString text = m_Grid.GetValueRowCol(nRow, nCol);
    const long col = (long)nCol;
    const CString* current = col == m_Columns.col[COLIDX_SLUG] ? &row->Slug
        : col == m_Columns.col[COLIDX_PAGENO]                  ? &row->PageNo
        : col == m_Columns.col[COLIDX_TALENT]                  ? &row->Talent
        : col == m_Columns.col[COLIDX_MISC1]                   ? &row->Misc1
        : col == m_Columns.col[COLIDX_MISC2]                   ? &row->Misc2
        : col == m_Columns.col[COLIDX_SOT]                     ? &row->SOT
                                                               : nullptr;
    if (current != nullptr && *current != text)
        ChangeGridField((long)nRow, col);
}

void CBaseGrid::BGModifyCell(ROWCOL nRow, ROWCOL nCol) { ChangeGridField((long)nRow, (long)nCol); }

void CBaseGrid::BGMoveRows(long nTarget)
{
    CDWordArray rows;
    m_Grid.GetSelectedRows(rows, FALSE, FALSE);
    m_ScriptList.MoveRows(&rows, nTarget);
    if (m_Grid.GetParam() != nullptr)
        m_Grid.GetParam()->m_selRects.DeleteAreas();
    RewriteGrid();
}

// ---- drawing -------------------------------------------------------------------------------

void CBaseGrid::SetRedraw(int bRedraw)
{
    if (m_nRedrawLock != 0 || m_Grid.m_hWnd == nullptr)
        return;
    if (CGXGridParam* param = m_Grid.GetParam())
        param->m_bLockUpdate = !bRedraw;
    m_Grid.InvalidateRect(nullptr, FALSE);
    if (bRedraw)
        m_Grid.Redraw();
}

void CBaseGrid::UpdateGrid()
{
    if (CWnd* frame = GetParentFrame())
        frame->UpdateWindow();
    if (CGXGridParam* param = m_Grid.GetParam())
        param->m_bLockUpdate = FALSE;
    if (m_Grid.m_hWnd != nullptr) {
        m_Grid.InvalidateRect(nullptr, FALSE);
        m_Grid.Redraw();
    }
}

void CBaseGrid::Invalidate(int bErase)
{
    CView::Invalidate(bErase);
    if (m_Grid.m_hWnd != nullptr)
        m_Grid.InvalidateRect(nullptr, bErase);
}

void CBaseGrid::SetGridDefaults(CGXGridCore* pCore)
{
    pCore->SetScrollBarPolicy(SB_HORZ, 2);
    pCore->SetScrollBarPolicy(SB_VERT, 2);
}

void CBaseGrid::SetMessageHWnd() { m_ScriptList.SetMessageHWnd(m_hWnd); }

void CBaseGrid::OnColumninformation()
{
    CColumnSelectDlg::Run(m_ColInfo, m_bUseSegmentNumbering, m_bUseScriptSeparator, this);
}

// ---- messages ------------------------------------------------------------------------------

void CBaseGrid::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (m_Grid.m_hWnd == nullptr)
        return;
    m_Grid.MoveWindow(0, 0, cx, cy);
    if (cx > 0 && cy > 0 && nType == 0)
        m_Grid.InvalidateRect(nullptr, FALSE);
}

void CBaseGrid::OnSetFocus(CWnd* pOldWnd)
{
    CView::OnSetFocus(pOldWnd);
    if (m_Grid.m_hWnd != nullptr)
        m_Grid.SetFocus();
}

BOOL CBaseGrid::OnEraseBkgnd(CDC* pDC)
{
    if (m_Grid.m_hWnd != nullptr)
        m_Grid.InvalidateRect(nullptr, FALSE);
    return CView::OnEraseBkgnd(pDC);
}

LRESULT CBaseGrid::OnGridMessage(WPARAM wParam, LPARAM)
{
    SetRedraw(FALSE);
    if (wParam == (WPARAM)RUNDOWN_GRID_REBUILD)
        RewriteGrid();
    SetRedraw(TRUE);
    return 1;
}
