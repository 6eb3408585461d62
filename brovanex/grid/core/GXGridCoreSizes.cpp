// CGXGridCore: row heights and column widths in size units, base units and zoom.
// A size unit is a thousandth of the base unit; pixels = stored / (1000 / unit).
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXLongOperation.h"
#include "core/GXProperties.h"
#include "core/GXStylesMap.h"
#include "fw/dc.h"
#include <memory>

namespace {
// The step between pixels and size units; never 0, whatever the font metrics or zoom.
int StepOf(int nUnit) { return std::max(1, 1000 / std::max(1, nUnit)); }
} // namespace

void CGXGridCore::SetBaseUnits(int nHorz, int nVert)
{
    m_nHorzUnit = std::max(1, nHorz);
    m_nVertUnit = std::max(1, nVert);
    ResetVisibleCache();
}

void CGXGridCore::ResetVisibleCache()
{
    m_nLastVisibleRow = GX_INVALID;
    m_nLastVisibleCol = GX_INVALID;
}

void CGXGridCore::MeasureBaseUnits()
{
    const CGXStyle* pStandard = nullptr;
    if (CGXStylesMap* pMap = GetStylesMap())
        pMap->LookupBaseStyle(pMap->GetStandardStyleId(), pStandard);
    if (pStandard == nullptr || !pStandard->GetInclude(gxFont) || m_pWindow == nullptr ||
        m_pWindow->GetSafeHwnd() == nullptr) {
        SetBaseUnits(10, 15);
        return;
    }
    CClientDC dc(m_pWindow);
    OnPrepareDC(&dc, nullptr);
    CFont* pOld = SelectStyleFont(&dc, *pStandard);
    int nHorz = 0, nVert = 0;
    MeasureFontUnits(&dc, nHorz, nVert);
    if (pOld != nullptr)
        dc.SelectObject(pOld);
    SetBaseUnits(nHorz, nVert);
}

int CGXGridCore::GetDefaultRowPixelHeight()
{
    if (m_pGridParam == nullptr)
        return 0;
    return m_pGridParam->m_nDefaultRowHeight / StepOf(GetVertBaseUnit());
}

int CGXGridCore::GetDefaultColPixelWidth()
{
    if (m_pGridParam == nullptr)
        return 0;
    return m_pGridParam->m_nDefaultColWidth / StepOf(GetHorzBaseUnit());
}

int CGXGridCore::GetRowPixelHeight(ROWCOL nRow)
{
    if (m_pGridParam == nullptr || QueryRowHidden(nRow))
        return 0;
    LONG nStored = 0;
    int nHeight = m_pGridParam->m_rowHeights.Lookup(nRow, nStored)
        ? nStored / StepOf(GetVertBaseUnit())
        : GetDefaultRowPixelHeight();
    if (m_bClampRowHeight && m_pWindow != nullptr && m_pWindow->GetSafeHwnd() != nullptr &&
        m_pWindow->IsWindowVisible()) {
        const ROWCOL nFrozen = GetFrozenRowCount();
        if (nRow > nFrozen) {
            int nAvail = GetGridRect().Height() - SumRowHeights(0, nFrozen);
            if (nAvail > 0 && nHeight >= nAvail)
                nHeight = nAvail;
        }
    }
    return nHeight;
}

int CGXGridCore::GetColPixelWidth(ROWCOL nCol)
{
    if (m_pGridParam == nullptr || QueryColHidden(nCol))
        return 0;
    LONG nStored = 0;
    int nWidth = m_pGridParam->m_colWidths.Lookup(nCol, nStored)
        ? nStored / StepOf(GetHorzBaseUnit())
        : GetDefaultColPixelWidth();
    if (m_bClampColWidth && m_pWindow != nullptr && m_pWindow->GetSafeHwnd() != nullptr &&
        m_pWindow->IsWindowVisible()) {
        const ROWCOL nFrozen = GetFrozenColCount();
        if (nCol > nFrozen) {
            int nAvail = GetGridRect().Width() - SumColWidths(0, nFrozen);
            if (nAvail > 0 && nWidth >= nAvail)
                nWidth = nAvail;
        }
    }
    return nWidth;
}

BOOL CGXGridCore::WriteDefaultRowHeight(int nHeight)
{
    if (nHeight < 1 || m_pGridParam == nullptr)
        return FALSE;
    m_pGridParam->m_nDefaultRowHeight = nHeight * StepOf(GetVertBaseUnit());
    MarkDocumentModified(TRUE);
    return TRUE;
}

BOOL CGXGridCore::WriteDefaultColWidth(int nWidth)
{
    if (nWidth < 1 || m_pGridParam == nullptr)
        return FALSE;
    m_pGridParam->m_nDefaultColWidth = nWidth * StepOf(GetHorzBaseUnit());
    MarkDocumentModified(TRUE);
    return TRUE;
}

BOOL CGXGridCore::WriteRowHeight(ROWCOL nRow, int nHeight)
{
    if (m_pGridParam == nullptr)
        return FALSE;
    if (nHeight < 0)
        m_pGridParam->m_rowHeights.RemoveKey(nRow);
    else
        m_pGridParam->m_rowHeights.SetAt(nRow, nHeight * StepOf(GetVertBaseUnit()));
    MarkDocumentModified(TRUE);
    return TRUE;
}

BOOL CGXGridCore::WriteColWidth(ROWCOL nCol, int nWidth)
{
    if (m_pGridParam == nullptr)
        return FALSE;
    if (nWidth < 0)
        m_pGridParam->m_colWidths.RemoveKey(nCol);
    else
        m_pGridParam->m_colWidths.SetAt(nCol, nWidth * StepOf(GetHorzBaseUnit()));
    MarkDocumentModified(TRUE);
    return TRUE;
}

int CGXGridCore::CollectRowHeights(ROWCOL nFrom, ROWCOL nTo, int* anHeights, int nMax)
{
    int n = 0;
    for (ROWCOL r = nFrom; r <= nTo && n < nMax; ++r)
        anHeights[n++] = GetRowPixelHeight(r);
    return n;
}

int CGXGridCore::CollectColWidths(ROWCOL nFrom, ROWCOL nTo, int* anWidths, int nMax)
{
    int n = 0;
    for (ROWCOL c = nFrom; c <= nTo && n < nMax; ++c)
        anWidths[n++] = GetColPixelWidth(c);
    return n;
}

int* CGXGridCore::SaveStoredRowHeights(ROWCOL nFrom, ROWCOL nTo)
{
    int* an = new int[(size_t)(nTo - nFrom) + 1];
    for (ROWCOL r = nFrom; r <= nTo; ++r) {
        LONG nStored = 0;
        an[r - nFrom] = m_pGridParam != nullptr && m_pGridParam->m_rowHeights.Lookup(r, nStored)
            ? (int)(nStored / StepOf(GetVertBaseUnit()))
            : -1;
        if (r == GX_MAXROWCOL)
            break;
    }
    return an;
}

int* CGXGridCore::SaveStoredColWidths(ROWCOL nFrom, ROWCOL nTo)
{
    int* an = new int[(size_t)(nTo - nFrom) + 1];
    for (ROWCOL c = nFrom; c <= nTo; ++c) {
        LONG nStored = 0;
        an[c - nFrom] = m_pGridParam != nullptr && m_pGridParam->m_colWidths.Lookup(c, nStored)
            ? (int)(nStored / StepOf(GetHorzBaseUnit()))
            : -1;
        if (c == GX_MAXROWCOL)
            break;
    }
    return an;
}

BOOL CGXGridCore::SetRowHeight(ROWCOL nFrom, ROWCOL nTo, int nHeight, const int* anHeights,
                               UINT flags, GXCmdType ctCmd)
{
    CGXLongOperation longOp;
    if (nTo == 0 || nTo < nFrom)
        nTo = nFrom;
    const size_t nCount = (size_t)(nTo - nFrom) + 1;
    std::unique_ptr<int[]> anOld(new int[nCount]);
    CollectRowHeights(nFrom, nTo, anOld.get(), (int)nCount);
    CGXAbstractCommandFactory* pFactory = UndoRecorder(ctCmd);
    std::unique_ptr<int[]> anUndo(pFactory != nullptr ? SaveStoredRowHeights(nFrom, nTo) : nullptr);
    BOOL bChanged = FALSE;
    for (ROWCOL r = nFrom; r <= nTo; ++r) {
        const int nNew = anHeights != nullptr ? anHeights[r - nFrom] : nHeight;
        bChanged |= WriteRowHeight(r, nNew);
        if (r == GX_MAXROWCOL)
            break;
    }
    if (!bChanged)
        return FALSE;
    MarkFloatRangeDirty(CGXRange().SetRows(nFrom, nTo));
    RefreshRowHeights(nFrom, nTo, anOld.get(), flags, TRUE);
    RecordUndo(pFactory != nullptr ? pFactory->MakeSetRowHeightCmd(nFrom, nTo, anUndo.release())
                                   : nullptr,
               ctCmd, nFrom, m_nLeftCol);
    return TRUE;
}

BOOL CGXGridCore::SetColWidth(ROWCOL nFrom, ROWCOL nTo, int nWidth, const int* anWidths, UINT flags,
                              GXCmdType ctCmd)
{
    CGXLongOperation longOp;
    if (nTo == 0 || nTo < nFrom)
        nTo = nFrom;
    const size_t nCount = (size_t)(nTo - nFrom) + 1;
    std::unique_ptr<int[]> anOld(new int[nCount]);
    CollectColWidths(nFrom, nTo, anOld.get(), (int)nCount);
    CGXAbstractCommandFactory* pFactory = UndoRecorder(ctCmd);
    std::unique_ptr<int[]> anUndo(pFactory != nullptr ? SaveStoredColWidths(nFrom, nTo) : nullptr);
    BOOL bChanged = FALSE;
    for (ROWCOL c = nFrom; c <= nTo; ++c) {
        const int nNew = anWidths != nullptr ? anWidths[c - nFrom] : nWidth;
        bChanged |= WriteColWidth(c, nNew);
        if (c == GX_MAXROWCOL)
            break;
    }
    if (!bChanged)
        return FALSE;
    MarkFloatRangeDirty(CGXRange().SetCols(nFrom, nTo));
    RefreshColWidths(nFrom, nTo, anOld.get(), flags, TRUE);
    RecordUndo(pFactory != nullptr ? pFactory->MakeSetColWidthCmd(nFrom, nTo, anUndo.release())
                                   : nullptr,
               ctCmd, m_nTopRow, nFrom);
    return TRUE;
}

BOOL CGXGridCore::SetDefaultRowHeight(int nHeight, UINT flags, GXCmdType ctCmd)
{
    const int nOld = GetDefaultRowPixelHeight();
    if (!WriteDefaultRowHeight(nHeight))
        return FALSE;
    MarkFloatRangeDirty(CGXRange().SetTable());
    MarkMergeRangeDirty(CGXRange().SetTable());
    RefreshRowHeights(1, std::max<ROWCOL>(1, GetRowCount()), nullptr, flags, TRUE);
    CGXAbstractCommandFactory* pFactory = UndoRecorder(ctCmd);
    RecordUndo(pFactory != nullptr ? pFactory->MakeSetDefaultRowHeightCmd(nOld) : nullptr, ctCmd,
               m_nTopRow, m_nLeftCol);
    return TRUE;
}

BOOL CGXGridCore::SetDefaultColWidth(int nWidth, UINT flags, GXCmdType ctCmd)
{
    const int nOld = GetDefaultColPixelWidth();
    if (!WriteDefaultColWidth(nWidth))
        return FALSE;
    MarkFloatRangeDirty(CGXRange().SetTable());
    MarkMergeRangeDirty(CGXRange().SetTable());
    RefreshColWidths(1, std::max<ROWCOL>(1, GetColCount()), nullptr, flags, TRUE);
    CGXAbstractCommandFactory* pFactory = UndoRecorder(ctCmd);
    RecordUndo(pFactory != nullptr ? pFactory->MakeSetDefaultColWidthCmd(nOld) : nullptr, ctCmd,
               m_nTopRow, m_nLeftCol);
    return TRUE;
}

void CGXGridCore::RefreshRowHeights(ROWCOL nFrom, ROWCOL nTo, int* anOld, UINT flags,
                                    BOOL bCreateHint)
{
    ResetVisibleCache();
    if (GetRowPixelHeight(nFrom) == 0 && m_bCurrentCellValid && m_nCurrentRow >= nFrom &&
        m_nCurrentRow <= nTo)
        ReleaseCurrentCellControl(TRUE);
    if (m_pGridParam != nullptr && !m_pGridParam->m_bLockUpdate) {
        if (CGXAbstractGridOptimizedUpdateImp* pImp = OptimizedUpdateImp())
            pImp->RedrawResizedRows(this, nFrom, nTo, anOld, flags);
        else
            RedrawAll(flags, FALSE);
    }
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendRowHeightsHint(this, nFrom, nTo, flags & 7, anOld);
}

void CGXGridCore::RefreshColWidths(ROWCOL nFrom, ROWCOL nTo, int* anOld, UINT flags,
                                   BOOL bCreateHint)
{
    ResetVisibleCache();
    if (GetColPixelWidth(nFrom) == 0 && m_bCurrentCellValid && m_nCurrentCol >= nFrom &&
        m_nCurrentCol <= nTo)
        ReleaseCurrentCellControl(TRUE);
    if (m_pGridParam != nullptr && !m_pGridParam->m_bLockUpdate) {
        if (CGXAbstractGridOptimizedUpdateImp* pImp = OptimizedUpdateImp())
            pImp->RedrawResizedCols(this, nFrom, nTo, anOld, flags);
        else
            RedrawAll(flags, FALSE);
    }
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendColWidthsHint(this, nFrom, nTo, flags & 7, anOld);
}

int CGXGridCore::GetZoomPercent() const
{
    // Printed, or measured on the printer: the grid's own sizes.
    if (m_bPrinting || (m_pGridParam != nullptr && m_pGridParam->m_bPrinterMetrics))
        return 100;
    return m_nZoom;
}

void CGXGridCore::WriteZoom(int nZoom, BOOL bCreateHint)
{
    m_nZoom = std::max(1, nZoom);
    if (CGXProperties* pProp = GetProperties())
        pProp->SetZoom(m_nZoom);
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendZoomHint(this, m_nZoom);
}

void CGXGridCore::ApplyZoom(int nZoom, UINT flags)
{
    const int nOld = m_nZoom;
    WriteZoom(nZoom, TRUE);
    RefreshZoom(nOld, flags, TRUE);
}

void CGXGridCore::RefreshZoom(int nOldZoom, UINT flags, BOOL bCreateHint)
{
    FlushDrawingCaches();
    MeasureBaseUnits();
    MarkFloatRangeDirty(CGXRange().SetTable());
    if (m_pGridParam != nullptr && !m_pGridParam->m_bLockUpdate && nOldZoom != m_nZoom)
        RedrawAll(flags, FALSE);
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendZoomChangedHint(this, nOldZoom, flags);
}
