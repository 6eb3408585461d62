// What the merged-cell and floating-cell features share while they work blocks out: the
// composed styles of the cells looked at (kept for one evaluation), the update lock held
// over an evaluation loop, and the redraw of the area whose blocks changed.
#pragma once
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXStyle.h"
#include "features/GXGridUpdateHintImp.h"
#include <memory>
#include <unordered_map>

class CGXSpanStyleCache
{
public:
    explicit CGXSpanStyleCache(CGXGridCore* pGrid) : m_pGrid(pGrid) { }
    CGXSpanStyleCache(const CGXSpanStyleCache&) = delete;
    CGXSpanStyleCache& operator=(const CGXSpanStyleCache&) = delete;
    ~CGXSpanStyleCache() { Clear(); }
    const CGXStyle& Get(ROWCOL nRow, ROWCOL nCol)
    {
        CGXStyle*& p = m_styles[GXCellKey(nRow, nCol)];
        if (p == nullptr) {
            p = m_pGrid->TakeStyleObject();
            m_pGrid->ComposeCellStyle(nRow, nCol, p);
        }
        return *p;
    }
    void Clear()
    {
        for (auto& entry : m_styles)
            m_pGrid->ReturnStyleObject(entry.second);
        m_styles.clear();
    }

private:
    CGXGridCore* m_pGrid;
    std::unordered_map<ULONGLONG, CGXStyle*> m_styles;
};

// Sets the parameter object's update lock for a scope (unless forced) and puts the old
// value back.
class CGXSpanUpdateLock
{
public:
    CGXSpanUpdateLock(CGXGridParam* pParam, BOOL bForce)
        : m_pParam(bForce ? nullptr : pParam), m_bOld(pParam != nullptr && pParam->m_bLockUpdate)
    {
        if (m_pParam != nullptr)
            m_pParam->m_bLockUpdate = TRUE;
    }
    ~CGXSpanUpdateLock()
    {
        if (m_pParam != nullptr)
            m_pParam->m_bLockUpdate = m_bOld;
    }
    CGXSpanUpdateLock(const CGXSpanUpdateLock&) = delete;
    CGXSpanUpdateLock& operator=(const CGXSpanUpdateLock&) = delete;

private:
    CGXGridParam* m_pParam;
    BOOL m_bOld;
};

// Grows changed to hold the area (changed starts invalid: then it becomes the area).
inline void GXUniteChanged(CGXRange& changed, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                           ROWCOL nRight)
{
    const CGXRange area(nTop, nLeft, nBottom, nRight);
    if (!changed.IsValid())
        changed = area;
    else
        changed.Unite(changed, area);
}

// Invalidates the window area of cells whose blocks changed, unless updates are locked.
inline void GXInvalidateSpanArea(CGXGridCore* pGrid, const CGXRange& area)
{
    CGXGridParam* pParam = pGrid->GetParam();
    CWnd* pWnd = pGrid->GetGridWnd();
    if (!area.IsValid() || pParam == nullptr || pParam->m_bLockUpdate || pWnd == nullptr ||
        pWnd->GetSafeHwnd() == nullptr || !pWnd->IsWindowVisible() || pGrid->IsPrinting())
        return;
    CRect rect = pGrid->GetRangeWindowRect(area.top, area.left, area.bottom, area.right);
    if (!rect.IsRectEmpty())
        pWnd->InvalidateRect(&rect, FALSE);
}

// Blocks changed over the area: the other views of the document redraw it too. Floating
// blocks worked out for a printout live in the printout's own pool and concern nobody else.
inline void GXSendSpanAreaHint(CGXGridCore* pGrid, const CGXRange& area, BOOL bMerged)
{
    if (!area.IsValid() || !pGrid->m_bDocumentLinked || (!bMerged && pGrid->IsPrinting()))
        return;
    auto* pHints = dynamic_cast<CGXGridUpdateHintImp*>(pGrid->UpdateHintImp());
    if (pHints == nullptr)
        return;
    if (bMerged)
        pHints->SendRedrawMergedHint(pGrid, area, 0);
    else
        pHints->SendRedrawFloatedHint(pGrid, area, 0);
}

// A rows, columns or table range made concrete against the grid's counts and kept right of
// and below the given first row and column. FALSE when nothing is left.
inline BOOL GXConcreteSpanRange(CGXGridCore* pGrid, CGXRange& range, ROWCOL nFirstRow,
                                ROWCOL nFirstCol)
{
    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    if (range.IsRows() || range.IsTable()) {
        range.left = 0;
        range.right = nCols;
    }
    if (range.IsCols() || range.IsTable()) {
        range.top = 0;
        range.bottom = nRows;
    }
    range = CGXRange(std::max(range.top, nFirstRow), std::max(range.left, nFirstCol),
                     std::min(range.bottom, nRows), std::min(range.right, nCols));
    return range.top <= range.bottom && range.left <= range.right;
}
