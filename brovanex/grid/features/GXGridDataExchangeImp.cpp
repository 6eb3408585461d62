#include "features/GXGridDataExchangeImp.h"
#include "core/GXGridParam.h"
#include "core/GXLongOperation.h"
#include "core/GXUpdateLock.h"
#include "features/GXClipboardFormats.h"
#include "features/GXExchangeHelpers.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXLongOperationImp.h"

#include <memory>

namespace {
int PercentOf(ULONGLONG nDone, ULONGLONG nTotal)
{
    return nTotal == 0 ? 100 : (int)std::min<ULONGLONG>(100, nDone * 100 / nTotal);
}
} // namespace

// --- Text ---

BOOL CGXGridTextDataExchangeImp::ExportText(CGXGridCore* pGrid, CFile* pFile,
                                            const CGXRangeList& ranges, BOOL)
{
    CGXLongOperation longOp;
    GXRangeBands bands;
    bands.Collect(ranges, pGrid->GetRowCount(), pGrid->GetColCount());
    const CString strSep =
        pGrid->m_strExportSeparator.IsEmpty() ? CString("\t") : pGrid->m_strExportSeparator;
    const BOOL bEscapes = (pGrid->m_nClipboardFlags & GX_CLIP_ESCAPES) != 0;
    const ULONGLONG nCells = (ULONGLONG)bands.nRows * bands.nCols;
    BOOL bAnyText = FALSE;
    ROWCOL nRowsWritten = 0, nColsWritten = 0;
    CString strRow;
    ULONGLONG nDone = 0;
    for (INT_PTR rb = 0; rb < bands.rowFrom.GetSize(); ++rb)
        for (ROWCOL r = bands.rowFrom[rb]; r <= bands.rowTo[rb] && r != GX_INVALID; ++r) {
            strRow.Empty();
            if (nRowsWritten > 0)
                strRow = "\r\n";
            ROWCOL nCols = 0;
            for (INT_PTR cb = 0; cb < bands.colFrom.GetSize(); ++cb)
                for (ROWCOL c = bands.colFrom[cb]; c <= bands.colTo[cb] && c != GX_INVALID; ++c) {
                    if (nCols++ > 0)
                        strRow += strSep;
                    CString strCell;
                    pGrid->GetRangeText(strCell, CGXRange(r, c, r, c));
                    bAnyText |= !strCell.IsEmpty();
                    CGXClipboardFormats::AppendCellText(strRow, strCell, bEscapes);
                    ++nDone;
                }
            nColsWritten = std::max(nColsWritten, nCols);
            ++nRowsWritten;
            pFile->Write((LPCTSTR)strRow, (UINT)strRow.GetLength());
            // DoMessages reads the clock itself: a check before it would use up its turn.
            GXLongOperationSetPercent(PercentOf(nDone, nCells));
            BOOL bCanceled = FALSE;
            longOp.DoMessages(bCanceled);
            if (bCanceled)
                return FALSE;
        }
    if (nRowsWritten > 1 || nColsWritten > 1)
        pFile->Write("\r\n", 2);
    pGrid->m_nLastExportRows = nRowsWritten;
    pGrid->m_nLastExportCols = nColsWritten;
    return bAnyText;
}

BOOL CGXGridTextDataExchangeImp::GetRangeText(CGXGridCore* pGrid, CString& strText,
                                              const CGXRange& range)
{
    CGXStyle* pStyle = pGrid->CreateStyle();
    pGrid->ComposeStyleRowCol(range.top, range.left, pStyle);
    strText = GXCellDisplayText(pGrid, range.top, range.left, *pStyle);
    pGrid->RecycleStyle(pStyle);
    return TRUE;
}

BOOL CGXGridTextDataExchangeImp::ImportText(CGXGridCore* pGrid, LPCTSTR pszText, DWORD dwSize,
                                            ROWCOL nRow, ROWCOL nCol, UINT nFlags)
{
    const DWORD dwClip = pGrid->m_nClipboardFlags;
    pGrid->TransferCurrentCell();
    CGXLongOperation longOp;
    longOp.SetStatusText(GXLibraryText(GX_IDS_PASTING));
    GXLongOperationAllowRollback(TRUE);
    pGrid->BeginUndoBlock(GXLibraryText(GX_IDS_PASTE));

    // The rows and columns the text needs are added once, before any cell is set.
    ROWCOL nRows = 1, nCols = 1;
    CGXClipboardFormats::MeasureText(pszText, dwSize, pGrid->m_strImportSeparators, nRows, nCols);
    const ULONGLONG nLastRow = (ULONGLONG)nRow + nRows - 1, nLastCol = (ULONGLONG)nCol + nCols - 1;
    if (nLastRow > pGrid->GetRowCount() && !(dwClip & GX_CLIP_NOADDROWS) &&
        nLastRow <= GX_MAXROWCOL)
        pGrid->SetRowCount((ROWCOL)nLastRow, nFlags);
    if (nLastCol > pGrid->GetColCount() && !(dwClip & GX_CLIP_NOADDCOLS) &&
        nLastCol <= GX_MAXROWCOL)
        pGrid->SetColCount((ROWCOL)nLastCol, nFlags);

    BOOL bOk = TRUE, bCanceled = FALSE;
    ROWCOL nBottom = nRow, nRight = nCol;
    {
        CGXUpdateLock lock(pGrid->GetParam());
        CGXClipboardFormats::ScanText(
            pszText, dwSize, pGrid->m_strImportSeparators, (dwClip & GX_CLIP_ESCAPES) != 0,
            [&](ROWCOL dr, ROWCOL dc, const CString& strCell) {
                const ULONGLONG r = (ULONGLONG)nRow + dr, c = (ULONGLONG)nCol + dc;
                if (r > pGrid->GetRowCount())
                    return FALSE; // no more rows may be added
                if (c > pGrid->GetColCount())
                    return TRUE; // the cell has no column
                if (!pGrid->PutCellText((ROWCOL)r, (ROWCOL)c, strCell, GX_UPDATENOW)) {
                    bOk = FALSE;
                    return FALSE;
                }
                nBottom = std::max(nBottom, (ROWCOL)r);
                nRight = std::max(nRight, (ROWCOL)c);
                GXLongOperationSetPercent(PercentOf(dr, nRows));
                longOp.DoMessages(bCanceled);
                if (bCanceled)
                    return FALSE;
                return TRUE;
            });
    }
    if (bCanceled && GXLongOperationRollbackRequested())
        pGrid->RollbackUndoBlock();
    else
        pGrid->CommitUndoBlock();
    pGrid->RedrawRowCol(CGXRange(nRow, nCol, nBottom, nRight), nFlags);
    return bOk && !bCanceled;
}

BOOL CGXGridTextDataExchangeImp::PutCellText(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                             LPCTSTR pszText, UINT nFlags)
{
    return pGrid->SetControlTextRowCol(nRow, nCol, pszText, nFlags);
}

BOOL CGXGridTextDataExchangeImp::MeasureTextBlock(CGXGridCore* pGrid, LPCTSTR pszText, DWORD dwSize,
                                                  ROWCOL& nRows, ROWCOL& nCols)
{
    CGXClipboardFormats::MeasureText(pszText, dwSize, pGrid->m_strImportSeparators, nRows, nCols);
    return TRUE;
}

// --- Styles ---

BOOL CGXGridStyleDataExchangeImp::ExportStyles(CGXGridCore* pGrid, CArchive& ar,
                                               const CGXRangeList& ranges)
{
    GXRangeBands bands;
    bands.Collect(ranges, pGrid->GetRowCount(), pGrid->GetColCount());
    const ULONGLONG nCells = (ULONGLONG)bands.nRows * bands.nCols;
    if (nCells == 0)
        return FALSE;
    if (nCells > 0x3FFFFFFE || bands.nRows > CGXClipboardFormats::nMaxStyleBlockSide ||
        bands.nCols > CGXClipboardFormats::nMaxStyleBlockSide) {
        AfxMessageBox(GXLibraryText(GX_IDS_NO_MEMORY_TO_PASTE), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    CGXLongOperation longOp;
    CObArray styles;
    styles.SetSize((INT_PTR)nCells);
    BOOL bCanceled = FALSE;
    INT_PTR i = 0;
    for (ROWCOL ri = 0; ri < bands.nRows && !bCanceled; ++ri) {
        const ROWCOL r = bands.RowAt(ri);
        for (ROWCOL ci = 0; ci < bands.nCols; ++ci, ++i) {
            CGXStyle* pStyle = new CGXStyle;
            if (pGrid->GetExportStyle(r, bands.ColAt(ci), *pStyle, FALSE))
                styles.SetAt(i, pStyle);
            else
                delete pStyle;
        }
        GXLongOperationSetPercent(PercentOf(i, nCells));
        longOp.DoMessages(bCanceled);
    }
    BOOL bWritten = FALSE;
    if (!bCanceled) {
        try {
            CGXClipboardFormats::WriteStyleBlock(ar, bands.nRows, bands.nCols, styles);
            bWritten = TRUE;
        } catch (...) {
            for (INT_PTR k = 0; k < styles.GetSize(); ++k)
                delete styles.GetAt(k);
            throw;
        }
    }
    for (INT_PTR k = 0; k < styles.GetSize(); ++k)
        delete styles.GetAt(k);
    pGrid->m_nLastExportRows = bands.nRows;
    pGrid->m_nLastExportCols = bands.nCols;
    return bWritten;
}

BOOL CGXGridStyleDataExchangeImp::GetExportStyle(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                 CGXStyle& style, BOOL bComposed)
{
    if (bComposed) {
        pGrid->ComposeStyleRowCol(nRow, nCol, &style);
        return TRUE;
    }
    const int nType =
        (pGrid->m_nClipboardFlags & GX_CLIP_STORETYPE) ? pGrid->m_nDefaultStoreType : 0;
    return pGrid->GetStyleRowCol(nRow, nCol, style, gxCopy, nType);
}

BOOL CGXGridStyleDataExchangeImp::ImportStyles(CGXGridCore* pGrid, CArchive& ar,
                                               const CGXRange& target, BOOL bWithoutAsking)
{
    DWORD nRows = 0, nCols = 0;
    CObArray* pRead = nullptr;
    if (!CGXClipboardFormats::ReadStyleBlock(ar, nRows, nCols, pRead))
        return FALSE;
    std::unique_ptr<CObArray, void (*)(CObArray*)> styles(pRead,
                                                          &CGXClipboardFormats::FreeStyleBlock);
    if (!bWithoutAsking && (nRows != target.GetHeight() || nCols != target.GetWidth()) &&
        !pGrid->ConfirmPaste())
        return FALSE;

    pGrid->BeginUndoBlock(GXLibraryText(GX_IDS_PASTE));
    CGXLongOperation longOp;
    longOp.SetStatusText(GXLibraryText(GX_IDS_PASTING));
    GXLongOperationAllowRollback(TRUE);
    pGrid->TransferCurrentCell();

    const DWORD dwClip = pGrid->m_nClipboardFlags;
    CGXRange area(target.top, target.left,
                  (ROWCOL)std::min<ULONGLONG>((ULONGLONG)target.top + nRows - 1, GX_MAXROWCOL),
                  (ROWCOL)std::min<ULONGLONG>((ULONGLONG)target.left + nCols - 1, GX_MAXROWCOL));
    if (area.bottom > pGrid->GetRowCount()) {
        if (dwClip & GX_CLIP_NOADDROWS)
            area.bottom = pGrid->GetRowCount();
        else
            pGrid->SetRowCount(area.bottom);
    }
    if (area.right > pGrid->GetColCount()) {
        if (dwClip & GX_CLIP_NOADDCOLS)
            area.right = pGrid->GetColCount();
        else
            pGrid->SetColCount(area.right);
    }
    BOOL bOk = FALSE;
    if (area.top <= area.bottom && area.left <= area.right) {
        // Only the entries of the rows and columns that fit are applied.
        CObArray fitting;
        const ROWCOL nUseRows = area.GetHeight(), nUseCols = area.GetWidth();
        fitting.SetSize((INT_PTR)nUseRows * nUseCols);
        for (ROWCOL r = 0; r < nUseRows; ++r)
            for (ROWCOL c = 0; c < nUseCols; ++c)
                fitting.SetAt((INT_PTR)r * nUseCols + c, styles->GetAt((INT_PTR)r * nCols + c));
        bOk = pGrid->ApplyStyleToRange(area, nullptr, gxCopy, 0, &fitting, GX_UPDATENOW, gxDo);
    }
    BOOL bCanceled = FALSE;
    longOp.DoMessages(bCanceled);
    if (!bOk || (bCanceled && GXLongOperationRollbackRequested()))
        pGrid->RollbackUndoBlock();
    else
        pGrid->CommitUndoBlock();
    return bOk;
}

void GXImplementTextDataExchange(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridTextDataExchangeImp>(pGrid, gxSlotTextDataExchange);
}

void GXImplementStyleDataExchange(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridStyleDataExchangeImp>(pGrid, gxSlotStyleDataExchange);
}
