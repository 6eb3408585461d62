// CGXGridCore: invalidation after changes, the refresh of computed values, spanned-cell
// evaluation of the visible panes, selection access and the print layout helpers.
#include "core/GXGridCore.h"
#include "core/GXData.h"
#include "core/GXGridParam.h"
#include "core/GXProperties.h"

namespace {
BOOL CanInvalidate(CGXGridCore& grid)
{
    return grid.m_pGridParam != nullptr && !grid.m_pGridParam->m_bLockUpdate &&
        grid.m_pWindow != nullptr && grid.m_pWindow->GetSafeHwnd() != nullptr &&
        grid.m_pWindow->IsWindowVisible();
}
} // namespace

void CGXGridCore::InvalidateCellRange(const CGXRange& rangeIn, UINT flags, BOOL bCreateHint)
{
    if ((flags & (GX_INVALIDATE | GX_UPDATENOW)) != 0 && CanInvalidate(*this)) {
        CGXRange range(rangeIn);
        if (range.IsRows() || range.IsTable()) {
            range.left = 0;
            range.right = std::max<ROWCOL>(GetColCount(), 0);
        }
        if (range.IsCols() || range.IsTable()) {
            range.top = 0;
            range.bottom = std::max<ROWCOL>(GetRowCount(), 0);
        }
        EvalVisibleSpannedCells(range);
        CRect rect = GetRangeWindowRect(range.top, range.left, range.bottom, range.right);
        if (range.IsRows() || range.IsTable())
            rect.right = GetGridRect().right;
        if (range.IsCols() || range.IsTable())
            rect.bottom = GetGridRect().bottom;
        if (!rect.IsRectEmpty()) {
            m_pWindow->InvalidateRect(&rect, TRUE);
            if (flags & GX_UPDATENOW)
                m_pWindow->UpdateWindow();
        }
    }
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendRedrawRangeHint(this, rangeIn, flags);
}

void CGXGridCore::RedrawByRangeType(const CGXRange& range, UINT flags, BOOL bCreateHint)
{
    if (range.IsTable())
        RedrawAll(flags, bCreateHint);
    else
        InvalidateCellRange(range, flags, bCreateHint);
}

void CGXGridCore::RedrawAll(UINT flags, BOOL bCreateHint)
{
    if ((flags & (GX_INVALIDATE | GX_UPDATENOW)) != 0 && CanInvalidate(*this)) {
        ResetVisibleCache();
        const ROWCOL nRows = GetRowCount(), nCols = GetColCount();
        if (m_nTopRow > std::max<ROWCOL>(1, nRows))
            m_nTopRow = std::max(GetFrozenRowCount() + 1, nRows);
        if (m_nLeftCol > std::max<ROWCOL>(1, nCols))
            m_nLeftCol = std::max(GetFrozenColCount() + 1, nCols);
        FlushDrawingCaches();
        CRect rect = GetGridRect();
        m_pWindow->InvalidateRect(&rect, TRUE);
        RefreshScrollBars();
        if (flags & GX_UPDATENOW)
            m_pWindow->UpdateWindow();
    }
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendRedrawAllHint(this, flags);
}

// The library's data object computes nothing: it has no cells to evaluate. A data object
// that computes values overrides these through a derived grid.
BOOL CGXGridCore::NeedsEvaluation(ROWCOL, ROWCOL) { return FALSE; }
void CGXGridCore::MarkEvaluated(ROWCOL, ROWCOL) { }
void CGXGridCore::AddEvaluationRange(const CGXRange&) { }
BOOL CGXGridCore::EvaluateCells() { return FALSE; }
BOOL CGXGridCore::EvaluatePending() { return FALSE; }
BOOL CGXGridCore::GetEvaluationError(CString& strError)
{
    strError.Empty();
    return FALSE;
}

BOOL CGXGridCore::RefreshAll(BOOL bEvaluate, CString* pErrorText, BOOL bCreateHint)
{
    if (GetRowCount() == 0 || GetColCount() == 0)
        return FALSE;
    NeedsEvaluation(1, 1);
    if (bEvaluate) {
        EvaluatePending();
        EvaluateCells();
    }
    // The GDI objects survive the redraw that follows.
    const BOOL bOldRefreshing = m_bRefreshing;
    m_bRefreshing = TRUE;
    if (m_pWindow != nullptr && m_pWindow->GetSafeHwnd() != nullptr && CanInvalidate(*this))
        RedrawAll(GX_INVALIDATE, FALSE);
    m_bRefreshing = bOldRefreshing;
    BOOL bResult = TRUE;
    if (bEvaluate) {
        CString strError;
        if (GetEvaluationError(strError)) {
            if (pErrorText != nullptr)
                *pErrorText = strError;
            else
                AfxMessageBox(strError);
            EvaluatePending();
            bResult = FALSE;
        }
    }
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendRedrawAllHint(this, GX_INVALIDATE);
    return bResult;
}

BOOL CGXGridCore::EvaluateSpannedCells(CGXRange& range, ROWCOL nFrozenRows, ROWCOL nFrozenCols,
                                       ROWCOL nTopRow, ROWCOL nLeftCol, ROWCOL nLastRow,
                                       ROWCOL nLastCol)
{
    CGXAbstractDrawSpannedCellsImp* pImp = DrawSpannedCellsImp();
    if (pImp == nullptr)
        return FALSE;
    const CGXRange before(range);
    pImp->EvalVisibleSpannedCells(this, nFrozenRows, nFrozenCols, nTopRow, nLeftCol, nLastRow,
                                  nLastCol);
    pImp->WidenRangeBySpans(this, range);
    return !(before == range);
}

BOOL CGXGridCore::EvalVisibleSpannedCells(CGXRange& range)
{
    if (DrawSpannedCellsImp() == nullptr)
        return FALSE;
    return EvaluateSpannedCells(range, GetFrozenRowCount(), GetFrozenColCount(), GetTopRow(),
                                GetLeftCol(), GetLastVisibleRow(), GetLastVisibleCol());
}

BOOL CGXGridCore::IsCellInRangeList(ROWCOL nRow, ROWCOL nCol, const CGXRangeList* pList)
{
    return pList != nullptr && pList->ListContainsCell(nRow, nCol);
}

BOOL CGXGridCore::CopyRangeList(CGXRangeList& list, BOOL bAddCurrentCell)
{
    list.DeleteAreas();
    if (m_pGridParam != nullptr)
        for (POSITION pos = m_pGridParam->m_selRects.GetHeadPosition(); pos != nullptr;)
            list.AddRange(*m_pGridParam->m_selRects.GetNextRange(pos));
    ROWCOL nRow, nCol;
    if (list.IsEmpty() && bAddCurrentCell && GetCurrentCell(nRow, nCol))
        list.AddRange(CGXRange(nRow, nCol, nRow, nCol));
    return !list.IsEmpty();
}

ROWCOL CGXGridCore::GetSelectedRows(CDWordArray& rows, BOOL bRangeRowsOnly, BOOL bAddCurrentRow)
{
    rows.RemoveAll();
    CDWordArray awFrom, awTo;
    if (m_pGridParam != nullptr)
        m_pGridParam->m_selRects.CollectRowSpans(GetRowCount(), awFrom, awTo, bRangeRowsOnly);
    ROWCOL nRow, nCol;
    if (awFrom.GetSize() == 0 && bAddCurrentRow && GetCurrentCell(nRow, nCol)) {
        awFrom.Add(nRow);
        awTo.Add(nRow);
    }
    for (INT_PTR i = 0; i < awFrom.GetSize(); ++i)
        for (ROWCOL r = awFrom[i]; r <= awTo[i] && r != GX_INVALID; ++r)
            rows.Add(r);
    return (ROWCOL)rows.GetSize();
}

void CGXGridCore::AdjustPrintMargins(CRect& rectLayout)
{
    CGXProperties* pProp = GetProperties();
    if (pProp == nullptr)
        return;
    rectLayout.left += pProp->m_nLeftMargin;
    rectLayout.top += pProp->m_nTopMargin;
    rectLayout.right -= pProp->m_nRightMargin;
    rectLayout.bottom -= pProp->m_nBottomMargin;
}

CString CGXGridCore::GetHeaderFooterText(BOOL bHeader, int nSection)
{
    CGXProperties* pProp = GetProperties();
    if (pProp == nullptr)
        return CString();
    CGXData* pBlock = bHeader ? pProp->m_pDataHeader : pProp->m_pDataFooter;
    if (pBlock == nullptr)
        return CString();
    CGXStyle style;
    if (!pBlock->GetStyleRowCol(1, (ROWCOL)nSection, style, gxCopy, 0))
        return CString();
    return pProp->ExpandTokens(style.GetValue());
}
