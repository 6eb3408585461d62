// CGXGridUserSelectRangeImp: the mouse and key selection and its repaint.
#include "features/GXGridUserSelectRangeImp.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "features/GXFeatureSwitches.h"
#include <algorithm>
#include <vector>

void GXImplementUserSelectRange(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridUserSelectRangeImp>(pGrid, gxSlotUserSelectRange);
}

namespace {
// What the selection flags of the parameter object allow.
enum : WORD {
    gxSelRows = 1,
    gxSelCols = 2,
    gxSelTable = 4,
    gxSelCells = 8,
    gxSelMultiple = 16,
    gxSelShift = 32,
    gxSelKeyboard = 64
};

void CopyList(const CGXRangeList& from, CGXRangeList& to)
{
    to.DeleteAreas();
    for (POSITION pos = from.GetHeadPosition(); pos != nullptr;)
        to.AddRange(*from.GetNextRange(pos));
}

// Bit 1: one whole row at a time; bit 2: several whole rows.
WORD RowMode(const CGXGridParam* pParam) { return (WORD)(pParam->m_wWholeRowMode & 3); }

BOOL ShiftIsDown() { return ::GetKeyState(VK_SHIFT) < 0; }

// The rows (columns) on the screen that the paint pass may show inverted: the frozen ones,
// then those scrolled into view.
void VisibleIndexes(ROWCOL nFrozen, ROWCOL nFirst, ROWCOL nLast, std::vector<ROWCOL>& a)
{
    for (ROWCOL i = 1; i <= nFrozen && i <= nLast; ++i)
        a.push_back(i);
    for (ROWCOL i = std::max(nFirst, nFrozen + 1); i <= nLast; ++i)
        a.push_back(i);
}

// Calls fn(row, col, rect) for every visible cell whose state differs between the lists.
template<class Fn>
void ForChangedCells(CGXGridCore* pGrid, const CGXRangeList& oldList, const CGXRangeList& newList,
                     Fn fn)
{
    std::vector<ROWCOL> rows, cols;
    VisibleIndexes(pGrid->GetFrozenRowCount(), pGrid->GetTopRow(),
                   std::min(pGrid->GetLastVisibleRow(), pGrid->GetRowCount()), rows);
    VisibleIndexes(pGrid->GetFrozenColCount(), pGrid->GetLeftCol(),
                   std::min(pGrid->GetLastVisibleCol(), pGrid->GetColCount()), cols);
    for (ROWCOL r : rows)
        for (ROWCOL c : cols)
            if (oldList.ListContainsCell(r, c) != newList.ListContainsCell(r, c))
                fn(r, c);
}

BOOL ListHolds(const CGXRangeList& list, const CGXRange& range)
{
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        if (*list.GetNextRange(pos) == range)
            return TRUE;
    return FALSE;
}

// The other views of the document share the selection list: they draw again the block that
// holds every range one list has and the other has not.
void SendChangeHint(CGXGridCore* pGrid, const CGXRangeList& oldList, const CGXRangeList& newList)
{
    CGXAbstractGridUpdateHintImp* pHints = pGrid->UpdateHintImp();
    if (!pGrid->m_bDocumentLinked || pHints == nullptr)
        return;
    CGXRange changed;
    BOOL bAny = FALSE;
    auto add = [&](const CGXRangeList& from, const CGXRangeList& other) {
        for (POSITION pos = from.GetHeadPosition(); pos != nullptr;) {
            const CGXRange& range = *from.GetNextRange(pos);
            if (ListHolds(other, range))
                continue;
            if (bAny)
                changed.Unite(CGXRange(changed), range);
            else
                changed = range;
            bAny = TRUE;
        }
    };
    add(oldList, newList);
    add(newList, oldList);
    if (bAny)
        pHints->SendRedrawRangeHint(pGrid, changed, GX_INVALIDATE);
}

BOOL MayPaint(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    CWnd* pWnd = pGrid->GetGridWnd();
    return pParam != nullptr && !pParam->m_bLockUpdate && pGrid->m_bShowSelection &&
        !pGrid->IsPrinting() && pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr &&
        pWnd->IsWindowVisible();
}
} // namespace

void CGXGridUserSelectRangeImp::RepaintDifference(CGXGridCore* pGrid, const CGXRangeList& oldList,
                                                  const CGXRangeList& newList)
{
    if (pGrid->GetParam() == nullptr)
        return;
    const CGXRangeList& sel = pGrid->GetParam()->m_selRects;
    const CGXRange* pLast = sel.IsEmpty() ? nullptr : sel.GetRangeAt(sel.GetTailPosition());
    SendChangeHint(pGrid, oldList, newList);
    if (!MayPaint(pGrid)) {
        // Only the frame follows the last range (drawing nothing while updates are locked).
        pGrid->UpdateSelectionFrame(TRUE, pLast);
        return;
    }
    // The frame is inverted too: it goes before the cells change and comes back after.
    pGrid->UpdateSelectionFrame(FALSE, nullptr);
    {
        CClientDC dc(pGrid->GetGridWnd());
        const CRect rectGrid = pGrid->GetGridRect();
        dc.IntersectClipRect(&rectGrid);
        ForChangedCells(pGrid, oldList, newList, [&](ROWCOL r, ROWCOL c) {
            const CRect rect = pGrid->GetCellWindowRect(r, c);
            if (!rect.IsRectEmpty())
                pGrid->DrawInvertCell(&dc, r, c, rect);
        });
    }
    pGrid->UpdateSelectionFrame(TRUE, pLast);
}

void CGXGridUserSelectRangeImp::RepaintSelection(CGXGridCore* pGrid)
{
    if (pGrid->GetParam() == nullptr)
        return;
    CGXRangeList none;
    RepaintDifference(pGrid, none, pGrid->GetParam()->m_selRects);
}

BOOL CGXGridUserSelectRangeImp::AddOrRemoveRange(CGXGridCore* pGrid, const CGXRange& range,
                                                 BOOL bAdd)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    CGXRangeList& sel = pParam->m_selRects;
    if (bAdd) {
        sel.AddRange(range);
        return TRUE;
    }
    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    CGXRange cut(range);
    cut.WidenToCells(1, 1, nRows, nCols);
    CGXRangeList remainders;
    for (POSITION pos = sel.GetHeadPosition(); pos != nullptr;) {
        const POSITION posEntry = pos;
        CGXRange* pEntry = sel.GetNextRange(pos);
        CGXRange cells(*pEntry);
        cells.WidenToCells(1, 1, nRows, nCols);
        CGXRange overlap;
        if (!overlap.Intersect(cells, cut))
            continue;
        // Remainders keep the whole-row (whole-column) kind where both ranges have it.
        const BOOL bWholeRows = range.IsRows() && (pEntry->IsRows() || pEntry->IsTable());
        const BOOL bWholeCols = range.IsCols() && (pEntry->IsCols() || pEntry->IsTable());
        if (cells.top < cut.top)
            remainders.AddRange(bWholeRows
                                    ? CGXRange().SetRows(cells.top, cut.top - 1)
                                    : CGXRange(cells.top, cells.left, cut.top - 1, cells.right));
        if (cells.bottom > cut.bottom)
            remainders.AddRange(
                bWholeRows ? CGXRange().SetRows(cut.bottom + 1, cells.bottom)
                           : CGXRange(cut.bottom + 1, cells.left, cells.bottom, cells.right));
        if (cells.left < cut.left)
            remainders.AddRange(bWholeCols
                                    ? CGXRange().SetCols(cells.left, cut.left - 1)
                                    : CGXRange(cells.top, cells.left, cells.bottom, cut.left - 1));
        if (cells.right > cut.right)
            remainders.AddRange(
                bWholeCols ? CGXRange().SetCols(cut.right + 1, cells.right)
                           : CGXRange(cells.top, cut.right + 1, cells.bottom, cells.right));
        delete pEntry;
        sel.RemoveAt(posEntry);
    }
    for (POSITION pos = remainders.GetHeadPosition(); pos != nullptr;)
        sel.AddRange(*remainders.GetNextRange(pos));
    return TRUE;
}

POSITION CGXGridUserSelectRangeImp::GetLastRange(CGXGridCore* pGrid) const
{
    if (m_posLast == nullptr || pGrid->GetParam() == nullptr)
        return nullptr;
    const CGXRangeList& sel = pGrid->GetParam()->m_selRects;
    for (POSITION pos = sel.GetHeadPosition(); pos != nullptr; sel.GetNextRange(pos))
        if (pos == m_posLast)
            return pos;
    return nullptr;
}

void CGXGridUserSelectRangeImp::SetLastRange(CGXGridCore* pGrid, POSITION pos)
{
    m_posLast = pos;
    m_bPending = FALSE;
    if (pos == nullptr || GetLastRange(pGrid) == nullptr) {
        m_posLast = nullptr;
        return;
    }
    const CGXRange* pRange = pGrid->GetParam()->m_selRects.GetRangeAt(pos);
    m_nAnchorRow = m_nLastRow = pRange->IsCols() ? 1 : pRange->top;
    m_nAnchorCol = m_nLastCol = pRange->IsRows() ? 1 : pRange->left;
    m_bAnchorInRowHeaders = pRange->IsRows();
    m_bAnchorInColHeaders = pRange->IsCols();
}

void CGXGridUserSelectRangeImp::StoreLast(CGXGridCore* pGrid, const CGXRange& range)
{
    CGXRangeList& sel = pGrid->GetParam()->m_selRects;
    const POSITION pos = m_bPending ? nullptr : GetLastRange(pGrid);
    if (pos != nullptr)
        *sel.GetRangeAt(pos) = range;
    else
        m_posLast = sel.AddRange(range);
    m_bPending = FALSE;
}

void CGXGridUserSelectRangeImp::ClearAll(CGXGridCore* pGrid)
{
    pGrid->GetParam()->m_selRects.DeleteAreas();
    m_posLast = nullptr;
    m_bPending = FALSE;
}

CGXRange CGXGridUserSelectRangeImp::SpanTo(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) const
{
    const WORD wRowMode = RowMode(pGrid->GetParam());
    CGXRange range;
    if (wRowMode & 1)
        range.SetRows(nRow);
    else if (wRowMode != 0 || m_bAnchorInRowHeaders)
        range.SetRows(m_nAnchorRow, nRow);
    else if (m_bAnchorInColHeaders)
        range.SetCols(m_nAnchorCol, nCol);
    else
        range.SetCells(m_nAnchorRow, m_nAnchorCol, nRow, nCol);
    return range;
}

void CGXGridUserSelectRangeImp::SelectRange(CGXGridCore* pGrid, const CGXRange& range, BOOL bSelect)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return;
    CGXRangeList old;
    CopyList(pParam->m_selRects, old);
    AddOrRemoveRange(pGrid, range, bSelect);
    RepaintDifference(pGrid, old, pParam->m_selRects);
    // The list's last entry is the one that keys and Shift+clicks extend next.
    const CGXRangeList& sel = pParam->m_selRects;
    SetLastRange(pGrid, sel.IsEmpty() ? nullptr : sel.GetTailPosition());
}

BOOL CGXGridUserSelectRangeImp::BeginSelect(CGXGridCore* pGrid, CPoint point, UINT nFlags, int,
                                            ROWCOL nRow, ROWCOL nCol)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    const WORD wSel = pParam->m_wAllowSelection;
    const WORD wRowMode = RowMode(pParam);
    CGXRangeList& sel = pParam->m_selRects;

    if (nRow == 0 && nCol == 0 && (wSel & gxSelTable)) {
        // The corner toggles the whole table.
        BOOL bHadTable = FALSE;
        for (POSITION pos = sel.GetHeadPosition(); pos != nullptr && !bHadTable;)
            bHadTable = sel.GetNextRange(pos)->IsTable();
        SelectRange(pGrid, CGXRange().SetTable(), !bHadTable);
        return TRUE;
    }

    const ROWCOL nHeaderRows = pGrid->GetHeaderRowCount(), nHeaderCols = pGrid->GetHeaderColCount();
    const BOOL bRowHeader = nCol <= nHeaderCols && nRow > nHeaderRows;
    const BOOL bColHeader = nRow <= nHeaderRows && nCol > nHeaderCols;
    const BOOL bData = nRow > nHeaderRows && nCol > nHeaderCols;
    BOOL bCtrl = (nFlags & MK_CONTROL) != 0, bShift = (nFlags & MK_SHIFT) != 0;
    if (wRowMode & 1) {
        bCtrl = bShift = FALSE;
    } else if (!(wRowMode & 2)) {
        bCtrl = bCtrl && (wSel & gxSelMultiple);
        bShift = bShift && (wSel & gxSelShift);
    }
    if (wSel == 0 || !pGrid->CanStartSelection(nRow, nCol, nFlags, point))
        return FALSE;

    CGXRangeList old;
    CopyList(sel, old);
    ROWCOL nCurRow = 0, nCurCol = 0;
    const BOOL bCurrent = pGrid->GetCurrentCell(nCurRow, nCurCol);
    if (!bShift) {
        if (!bCtrl)
            ClearAll(pGrid);
        else if (sel.IsEmpty() && bCurrent && !(nCurRow == nRow && nCurCol == nCol) &&
                 wRowMode == 0)
            sel.AddRange(CGXRange(nCurRow, nCurCol, nCurRow, nCurCol)); // stays selected
    }

    const BOOL bAllowed = (bRowHeader && (wSel & gxSelRows)) ||
        (bColHeader && (wSel & gxSelCols)) || (bData && (wSel & gxSelCells)) ||
        (wRowMode != 0 && nRow > nHeaderRows);
    if (bAllowed) {
        if (bShift) {
            if (GetLastRange(pGrid) == nullptr || m_bPending) {
                m_nAnchorRow = bCurrent ? nCurRow : 1;
                m_nAnchorCol = bCurrent ? nCurCol : 1;
                m_bAnchorInRowHeaders = m_bAnchorInColHeaders = FALSE;
                m_posLast = nullptr;
                m_bPending = FALSE;
            }
            CGXRange range;
            if (wRowMode != 0 || bRowHeader || m_bAnchorInRowHeaders)
                range = (wRowMode & 1) ? CGXRange().SetRows(nRow)
                                       : CGXRange().SetRows(m_nAnchorRow, nRow);
            else if (bColHeader || m_bAnchorInColHeaders)
                range.SetCols(m_nAnchorCol, nCol);
            else
                range.SetCells(m_nAnchorRow, m_nAnchorCol, nRow, nCol);
            StoreLast(pGrid, range);
        } else {
            m_nAnchorRow = nRow;
            m_nAnchorCol = nCol;
            m_bAnchorInRowHeaders = bRowHeader && wRowMode == 0;
            m_bAnchorInColHeaders = bColHeader && wRowMode == 0;
            m_posLast = nullptr;
            m_bPending = TRUE;
            if (bRowHeader || wRowMode != 0)
                StoreLast(pGrid, CGXRange().SetRows(nRow));
            else if (bColHeader)
                StoreLast(pGrid, CGXRange().SetCols(nCol));
        }
        m_nLastRow = nRow;
        m_nLastCol = nCol;
        m_bSelecting = TRUE;
        m_bCtrlAtDown = (nFlags & MK_CONTROL) != 0;
    }
    RepaintDifference(pGrid, old, sel);
    return bAllowed;
}

BOOL CGXGridUserSelectRangeImp::ExtendSelect(CGXGridCore* pGrid, CPoint, UINT, ROWCOL nRow,
                                             ROWCOL nCol)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || !m_bSelecting)
        return FALSE;
    nRow = std::max(nRow, pGrid->GetHeaderRowCount() + 1);
    nCol = std::max(nCol, pGrid->GetHeaderColCount() + 1);
    CGXRange range = SpanTo(pGrid, nRow, nCol);
    if (!pGrid->CanChangeSelection(&range, TRUE, FALSE))
        return FALSE;
    CGXRangeList old;
    CopyList(pParam->m_selRects, old);
    StoreLast(pGrid, range);
    m_nLastRow = nRow;
    m_nLastCol = nCol;
    RepaintDifference(pGrid, old, pParam->m_selRects);
    pGrid->AfterSelectionChange(&range, TRUE, FALSE);
    return TRUE;
}

BOOL CGXGridUserSelectRangeImp::EndSelect(CGXGridCore* pGrid, CPoint, UINT)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || !m_bSelecting)
        return FALSE;
    m_bSelecting = FALSE;
    CGXRangeList& sel = pParam->m_selRects;
    CGXRangeList old;
    CopyList(sel, old);
    ROWCOL nCurRow = 0, nCurCol = 0;
    const BOOL bCurrent = pGrid->GetCurrentCell(nCurRow, nCurCol);
    const BOOL bCurrentAlone = bCurrent && RowMode(pParam) == 0 && !m_bAnchorInRowHeaders &&
        !m_bAnchorInColHeaders && m_nAnchorRow == m_nLastRow && m_nAnchorCol == m_nLastCol &&
        m_nAnchorRow == nCurRow && m_nAnchorCol == nCurCol;
    if (bCurrentAlone && !m_bCtrlAtDown && !pParam->m_bKeepSingleCell) {
        ClearAll(pGrid);
    } else if (bCurrentAlone) {
        StoreLast(pGrid, CGXRange(nCurRow, nCurCol, nCurRow, nCurCol));
    } else {
        if (m_bPending)
            StoreLast(pGrid, SpanTo(pGrid, m_nLastRow, m_nLastCol));
        const POSITION pos = GetLastRange(pGrid);
        pGrid->AfterSelectionChange(pos != nullptr ? sel.GetRangeAt(pos) : nullptr, FALSE, FALSE);
    }
    RepaintDifference(pGrid, old, sel);
    return TRUE;
}

BOOL CGXGridUserSelectRangeImp::MoveCurrentCellEx(CGXGridCore* pGrid, int nDirection, UINT nCount)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    const WORD wRowMode = RowMode(pParam);
    const BOOL bExtend = ShiftIsDown() && (pParam->m_wAllowSelection & gxSelKeyboard);
    if (wRowMode == 0 && !bExtend) {
        m_posLast = nullptr;
        return pGrid->StepCurrentCell(nDirection, nCount, FALSE);
    }
    ROWCOL nRow = 0, nCol = 0;
    if (!pGrid->GetCurrentCell(nRow, nCol))
        return FALSE;
    CGXRangeList& sel = pParam->m_selRects;
    CGXRangeList old;
    CopyList(sel, old);

    if ((wRowMode & 1) == 0 && (GetLastRange(pGrid) == nullptr || m_bPending || !bExtend)) {
        // A new range starts at the current cell.
        if (wRowMode == 0 && !pGrid->CanStartSelection(nRow, nCol, 0, CPoint(0, 0)))
            return FALSE;
        if (!pGrid->CanChangeSelection(nullptr, FALSE, TRUE))
            return FALSE;
        ClearAll(pGrid);
        m_nAnchorRow = nRow;
        m_nAnchorCol = nCol;
        m_bAnchorInRowHeaders = m_bAnchorInColHeaders = FALSE;
        StoreLast(pGrid,
                  wRowMode != 0 ? CGXRange().SetRows(nRow) : CGXRange(nRow, nCol, nRow, nCol));
    }
    const POSITION posLast = GetLastRange(pGrid);
    if (!pGrid->CanChangeSelection(posLast != nullptr ? sel.GetRangeAt(posLast) : nullptr, FALSE,
                                   TRUE) ||
        !pGrid->StepCurrentCell(nDirection, nCount, FALSE)) {
        RepaintDifference(pGrid, old, sel);
        return FALSE;
    }
    pGrid->GetCurrentCell(nRow, nCol);
    CGXRange range;
    if (wRowMode & 1) {
        ClearAll(pGrid);
        range.SetRows(nRow);
        m_nAnchorRow = nRow;
        m_nAnchorCol = nCol;
    } else if (wRowMode & 2) {
        if (!bExtend) {
            m_nAnchorRow = nRow;
            m_nAnchorCol = nCol;
        }
        range.SetRows(m_nAnchorRow, nRow);
    } else {
        range.SetCells(m_nAnchorRow, m_nAnchorCol, nRow, nCol);
    }
    StoreLast(pGrid, range);
    m_nLastRow = nRow;
    m_nLastCol = nCol;
    RepaintDifference(pGrid, old, sel);
    pGrid->AfterSelectionChange(&range, FALSE, TRUE);
    return TRUE;
}

BOOL CGXGridUserSelectRangeImp::OnLButtonClickedRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                       UINT nFlags, CPoint)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || !(nFlags & MK_CONTROL))
        return FALSE;
    const ROWCOL nHeaderRows = pGrid->GetHeaderRowCount(), nHeaderCols = pGrid->GetHeaderColCount();
    CGXRange range;
    if (nRow <= nHeaderRows && nCol > nHeaderCols)
        range.SetCols(nCol);
    else if (nCol <= nHeaderCols && nRow > nHeaderRows)
        range.SetRows(nRow);
    else
        return FALSE;
    // Fully selected before this click: every cell of the column (row) lies in a range other
    // than the one the press of this click has just added.
    const CGXRangeList& sel = pParam->m_selRects;
    const POSITION posNew = m_bPending ? nullptr : GetLastRange(pGrid);
    const ROWCOL nCount = range.IsCols() ? pGrid->GetRowCount() : pGrid->GetColCount();
    if (nCount == 0)
        return FALSE;
    BOOL bWhole = FALSE; // one range covers it all: no need to look at each cell
    for (POSITION pos = sel.GetHeadPosition(); pos != nullptr && !bWhole;) {
        const POSITION posThis = pos;
        const CGXRange* p = sel.GetNextRange(pos);
        if (posThis == posNew)
            continue;
        CGXRange cells(*p);
        cells.WidenToCells(1, 1, pGrid->GetRowCount(), pGrid->GetColCount());
        bWhole = range.IsCols()
            ? cells.top <= 1 && cells.bottom >= nCount && cells.left <= nCol && cells.right >= nCol
            : cells.left <= 1 && cells.right >= nCount && cells.top <= nRow && cells.bottom >= nRow;
    }
    for (ROWCOL i = 1; !bWhole && i <= nCount; ++i) {
        const BOOL bIn = range.IsCols() ? sel.ListContainsCell(i, nCol, posNew)
                                        : sel.ListContainsCell(nRow, i, posNew);
        if (!bIn)
            return FALSE;
    }
    SelectRange(pGrid, range, FALSE);
    return TRUE;
}

void CGXGridUserSelectRangeImp::SetSelection(CGXGridCore* pGrid, POSITION pos, ROWCOL nTop,
                                             ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return;
    CGXRangeList& sel = pParam->m_selRects;
    CGXRangeList old;
    CopyList(sel, old);
    if (pos == nullptr) {
        ClearAll(pGrid);
    } else if (nTop == 0 && nLeft == 0 && nBottom == 0 && nRight == 0) {
        delete sel.GetRangeAt(pos);
        sel.RemoveAt(pos);
        if (pos == m_posLast)
            m_posLast = nullptr;
    } else {
        sel.GetRangeAt(pos)->SetCells(nTop, nLeft, nBottom, nRight);
    }
    RepaintDifference(pGrid, old, sel);
}
