// CGXGridCore: row and column counts, frozen and header rows and columns, and the first
// scrolled row and column.
#include "core/GXGridCore.h"
#include "core/GXData.h"
#include "core/GXGridParam.h"
#include "fw/splitter.h"

ROWCOL CGXGridCore::GetRowCount()
{
    CGXData* pData = GetData();
    return pData != nullptr ? pData->GetRowCount() : 0;
}

ROWCOL CGXGridCore::GetColCount()
{
    CGXData* pData = GetData();
    return pData != nullptr ? pData->GetColCount() : 0;
}

BOOL CGXGridCore::WriteRowCount(ROWCOL nRows)
{
    CGXData* pData = GetData();
    return pData != nullptr && pData->PutRowCount(nRows);
}

BOOL CGXGridCore::WriteColCount(ROWCOL nCols)
{
    CGXData* pData = GetData();
    return pData != nullptr && pData->PutColCount(nCols);
}

BOOL CGXGridCore::ChangeRowCount(ROWCOL nRows, UINT flags)
{
    return ChangeLineCount(TRUE, nRows, flags);
}

BOOL CGXGridCore::ChangeColCount(ROWCOL nCols, UINT flags)
{
    return ChangeLineCount(FALSE, nCols, flags);
}

BOOL CGXGridCore::ChangeLineCount(BOOL bRows, ROWCOL nLines, UINT flags)
{
    const ROWCOL nCurrent = bRows ? GetRowCount() : GetColCount();
    if (nLines < nCurrent)
        return bRows ? RemoveRows(nLines + 1, nCurrent, flags, gxDo)
                     : RemoveCols(nLines + 1, nCurrent, flags, gxDo);
    if (nLines > nCurrent)
        return bRows
            ? InsertRows(nCurrent + 1, nLines - nCurrent, nullptr, nullptr, nullptr, 0, flags, gxDo)
            : InsertCols(nCurrent + 1, nLines - nCurrent, nullptr, nullptr, nullptr, 0, flags,
                         gxDo);
    return TRUE;
}

void CGXGridCore::RefreshRowCount(ROWCOL nOldRows, UINT flags, BOOL bCreateHint)
{
    RefreshLineCount(TRUE, nOldRows, flags, bCreateHint);
}

void CGXGridCore::RefreshColCount(ROWCOL nOldCols, UINT flags, BOOL bCreateHint)
{
    RefreshLineCount(FALSE, nOldCols, flags, bCreateHint);
}

void CGXGridCore::RefreshLineCount(BOOL bRows, ROWCOL nOldLines, UINT flags, BOOL bCreateHint)
{
    const ROWCOL nLines = bRows ? GetRowCount() : GetColCount();
    if (m_bCurrentCellValid && (bRows ? m_nCurrentRow : m_nCurrentCol) > nLines)
        ReleaseCurrentCellControl(FALSE);
    ResetVisibleCache();
    const ROWCOL nFirst = std::min(nOldLines, nLines);
    if (m_pGridParam != nullptr && !m_pGridParam->m_bLockUpdate && (flags & 7) != 0 &&
        m_pWindow != nullptr && m_pWindow->GetSafeHwnd() != nullptr) {
        RefreshScrollBars();
        CRect rect = bRows ? GetRectBelowRow(nFirst) : GetRectRightOfCol(nFirst);
        if (!rect.IsRectEmpty()) {
            m_pWindow->InvalidateRect(&rect);
            if (flags & GX_UPDATENOW)
                m_pWindow->UpdateWindow();
        }
    }
    NotifyGridListeners(gxListenStructure);
    if (bCreateHint && HintsEnabled()) {
        if (bRows)
            UpdateHintImp()->SendRowCountHint(this, nFirst, flags & 7);
        else
            UpdateHintImp()->SendColCountHint(this, nFirst, flags & 7);
    }
}

ROWCOL CGXGridCore::GetHeaderRowCount()
{
    return m_pGridParam != nullptr ? m_pGridParam->m_nHeaderRows : 0;
}

ROWCOL CGXGridCore::GetHeaderColCount()
{
    return m_pGridParam != nullptr ? m_pGridParam->m_nHeaderCols : 0;
}

namespace {
// The pane row (bCol FALSE) or column of a grid window inside a splitter window; 0 else.
int SplitterPaneIndex(CWnd* pWnd, BOOL bCol)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return 0;
    CWnd* pParent = pWnd->GetParent();
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CSplitterWnd)))
        return 0;
    int nRow = 0, nCol = 0;
    if (!static_cast<CSplitterWnd*>(pParent)->IsChildPane(pWnd, &nRow, &nCol))
        return 0;
    return bCol ? nCol : nRow;
}
} // namespace

ROWCOL CGXGridCore::GetFrozenRowCount()
{
    if (m_pGridParam == nullptr)
        return 0;
    if ((m_bPrinting && !m_bPrintOwnFrozen) || SplitterPaneIndex(m_pWindow, FALSE) == 0)
        return m_pGridParam->m_nFrozenRows;
    return 0;
}

ROWCOL CGXGridCore::GetFrozenColCount()
{
    if (m_pGridParam == nullptr)
        return 0;
    if ((m_bPrinting && !m_bPrintOwnFrozen) || SplitterPaneIndex(m_pWindow, TRUE) == 0)
        return m_pGridParam->m_nFrozenCols;
    return 0;
}

BOOL CGXGridCore::WriteFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows)
{
    return WriteFrozenLines(TRUE, nFrozenRows, nHeaderRows);
}

BOOL CGXGridCore::WriteFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols)
{
    return WriteFrozenLines(FALSE, nFrozenCols, nHeaderCols);
}

BOOL CGXGridCore::WriteFrozenLines(BOOL bRows, ROWCOL nFrozen, ROWCOL nHeader)
{
    if (m_pGridParam == nullptr || (IsGridReadOnly() && m_pGridParam->m_bStoreGuard))
        return FALSE;
    (bRows ? m_pGridParam->m_nFrozenRows : m_pGridParam->m_nFrozenCols) = nFrozen;
    (bRows ? m_pGridParam->m_nHeaderRows : m_pGridParam->m_nHeaderCols) =
        std::min(nHeader, nFrozen);
    MarkDocumentModified(TRUE);
    return TRUE;
}

BOOL CGXGridCore::SetFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows, UINT flags, GXCmdType ctCmd)
{
    return SetFrozenLines(TRUE, nFrozenRows, nHeaderRows, flags, ctCmd);
}

BOOL CGXGridCore::SetFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols, UINT flags, GXCmdType ctCmd)
{
    return SetFrozenLines(FALSE, nFrozenCols, nHeaderCols, flags, ctCmd);
}

BOOL CGXGridCore::SetFrozenLines(BOOL bRows, ROWCOL nFrozen, ROWCOL nHeader, UINT flags,
                                 GXCmdType ctCmd)
{
    const ROWCOL nOldFrozen = bRows ? GetFrozenRowCount() : GetFrozenColCount();
    const ROWCOL nOldHeader = bRows ? GetHeaderRowCount() : GetHeaderColCount();
    if (!(bRows ? WriteFrozenRows(nFrozen, nHeader) : WriteFrozenCols(nFrozen, nHeader)))
        return FALSE;
    if (bRows)
        RefreshFrozenRows(nOldFrozen, nOldHeader, flags, TRUE);
    else
        RefreshFrozenCols(nOldFrozen, nOldHeader, flags, TRUE);
    CGXAbstractCommandFactory* pFactory = UndoRecorder(ctCmd);
    CGXCommand* pCmd = nullptr;
    if (pFactory != nullptr)
        pCmd = bRows ? pFactory->MakeSetFrozenRowsCmd(nOldFrozen, nOldHeader)
                     : pFactory->MakeSetFrozenColsCmd(nOldFrozen, nOldHeader);
    RecordUndo(pCmd, ctCmd, m_nTopRow, m_nLeftCol);
    return TRUE;
}

void CGXGridCore::RefreshFrozenRows(ROWCOL nOldFrozen, ROWCOL nOldHeader, UINT flags,
                                    BOOL bCreateHint)
{
    RefreshFrozenLines(TRUE, nOldFrozen, nOldHeader, flags, bCreateHint);
}

void CGXGridCore::RefreshFrozenCols(ROWCOL nOldFrozen, ROWCOL nOldHeader, UINT flags,
                                    BOOL bCreateHint)
{
    RefreshFrozenLines(FALSE, nOldFrozen, nOldHeader, flags, bCreateHint);
}

void CGXGridCore::RefreshFrozenLines(BOOL bRows, ROWCOL nOldFrozen, ROWCOL nOldHeader, UINT flags,
                                     BOOL bCreateHint)
{
    const ROWCOL nFrozen = bRows ? GetFrozenRowCount() : GetFrozenColCount();
    ROWCOL& nFirst = bRows ? m_nTopRow : m_nLeftCol;
    if (nFirst <= nFrozen)
        nFirst = nFrozen + 1;
    ResetVisibleCache();
    HideCurrentCellControl();
    CGXRange range;
    const ROWCOL nFrom = std::min(nOldFrozen, nFrozen) + 1;
    const ROWCOL nTo = std::max(nOldFrozen, nFrozen) + 1;
    if (bRows)
        range.SetRows(nFrom, nTo);
    else
        range.SetCols(nFrom, nTo);
    MarkMergeRangeDirty(range);
    // Floating text runs along rows: only a change of frozen columns moves it.
    if (!bRows)
        MarkFloatRangeDirty(range);
    if (m_pGridParam != nullptr && !m_pGridParam->m_bLockUpdate)
        RedrawAll(flags, FALSE);
    if (bCreateHint && HintsEnabled()) {
        if (bRows)
            UpdateHintImp()->SendFrozenRowsHint(this, nOldFrozen, nOldHeader, flags & 7);
        else
            UpdateHintImp()->SendFrozenColsHint(this, nOldFrozen, nOldHeader, flags & 7);
    }
}

void CGXGridCore::SetFirstScrollRow(ROWCOL nRow, UINT flags, BOOL bCreateHint)
{
    SetFirstScrollLine(TRUE, nRow, flags, bCreateHint);
}

void CGXGridCore::SetFirstScrollCol(ROWCOL nCol, UINT flags, BOOL bCreateHint)
{
    SetFirstScrollLine(FALSE, nCol, flags, bCreateHint);
}

void CGXGridCore::SetFirstScrollLine(BOOL bRows, ROWCOL nLine, UINT flags, BOOL bCreateHint)
{
    const ROWCOL nLines = bRows ? GetRowCount() : GetColCount();
    nLine = nLines == 0 ? 1 : std::max<ROWCOL>(1, std::min(nLine, nLines));
    ResetVisibleCache();
    if (m_bPrinting) {
        (bRows ? m_nPrintTopRow : m_nPrintLeftCol) = nLine;
        return;
    }
    ROWCOL& nFirst = bRows ? m_nTopRow : m_nLeftCol;
    const ROWCOL nOld = nFirst;
    auto mayChange = [&] { return bRows ? MayChangeTopRow(nLine) : MayChangeLeftCol(nLine); };
    auto moved = [&] {
        if (bRows)
            OnTopRowMoved(nOld);
        else
            OnLeftColMoved(nOld);
    };
    if (m_pGridParam != nullptr && m_pGridParam->m_bLockUpdate) {
        if (!mayChange())
            return;
        nFirst = nLine;
        moved();
    } else {
        nLine = std::max(nLine, (bRows ? GetFrozenRowCount() : GetFrozenColCount()) + 1);
        if ((flags & (GX_UPDATENOW | GX_SMART)) && m_bInitialized && m_pWindow != nullptr &&
            m_pWindow->GetSafeHwnd() != nullptr) {
            // Directions 1 and 3 scroll rows up and down, 2 and 4 columns left and right.
            if (nLine < nFirst)
                ScrollByCells(bRows ? 1 : 2, nFirst - nLine, flags);
            else if (nLine > nFirst)
                ScrollByCells(bRows ? 3 : 4, nLine - nFirst, flags);
            if (flags & GX_UPDATENOW)
                m_pWindow->UpdateWindow();
        } else {
            if (!mayChange())
                return;
            nFirst = nLine;
            if ((flags & GX_INVALIDATE) && m_bInitialized && m_pWindow != nullptr &&
                m_pWindow->GetSafeHwnd() != nullptr) {
                RefreshScrollBars();
                CRect rect = GetGridRect();
                m_pWindow->InvalidateRect(&rect);
            }
            moved();
        }
    }
    if (bCreateHint && HintsEnabled()) {
        if (bRows)
            UpdateHintImp()->SendTopRowHint(this, nLine, flags & 7);
        else
            UpdateHintImp()->SendLeftColHint(this, nLine, flags & 7);
    }
}
