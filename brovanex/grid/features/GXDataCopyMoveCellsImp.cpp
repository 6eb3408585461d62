#include "features/GXDataCopyMoveCellsImp.h"
#include "core/GXData.h"
#include "core/GXLibraryState.h"
#include "core/GXRange.h"

IMPLEMENT_DYNAMIC(CGXDataUndoMoveCellsInfo, CObject)

void CGXDataUndoMoveCellsInfo::Empty()
{
    for (Entry& e : m_entries)
        delete e.pStyle;
    m_entries.clear();
}

namespace {
using Entry = CGXDataUndoMoveCellsInfo::Entry;

// The destination block's last row and column; FALSE when it would run past the last
// possible row or column.
BOOL DestinationEnd(const CGXRange& src, ROWCOL nDestRow, ROWCOL nDestCol, ROWCOL& nLastRow,
                    ROWCOL& nLastCol)
{
    if (src.top > src.bottom || src.left > src.right)
        return FALSE;
    ULONGLONG r = (ULONGLONG)nDestRow + (src.bottom - src.top);
    ULONGLONG c = (ULONGLONG)nDestCol + (src.right - src.left);
    if (r > GX_MAXROWCOL || c > GX_MAXROWCOL)
        return FALSE;
    nLastRow = (ROWCOL)r;
    nLastCol = (ROWCOL)c;
    return TRUE;
}

// Takes (bLift) or clones every stored style of the source block, with the coordinates it
// goes to. Only stored rows and columns are visited.
void CollectBlock(CGXData& data, const CGXRange& src, ROWCOL nDestRow, ROWCOL nDestCol, BOOL bLift,
                  std::vector<Entry>& out)
{
    CGXStylePtrArrayPtrArray& rows = data.m_apapCellStyle;
    const INT_PTR nLastRow = std::min<ULONGLONG>(src.bottom, (ULONGLONG)rows.GetSize() - 1);
    for (INT_PTR r = src.top; r <= nLastRow && rows.GetSize() > 0; ++r) {
        CGXStylePtrArray* pRow = rows.GetRow(r);
        if (pRow == nullptr)
            continue;
        const INT_PTR nLastCol = std::min<ULONGLONG>(src.right, (ULONGLONG)pRow->GetSize() - 1);
        for (INT_PTR c = src.left; c <= nLastCol && pRow->GetSize() > 0; ++c) {
            CGXStyle* pStyle = pRow->GetStyle(c);
            if (pStyle == nullptr)
                continue;
            if (bLift)
                pRow->SetAt(c, nullptr);
            out.push_back(Entry {(ROWCOL)(nDestRow + (r - src.top)),
                                 (ROWCOL)(nDestCol + (c - src.left)),
                                 bLift ? pStyle : pStyle->Clone()});
        }
    }
}

// Empties the block; the styles it held are deleted, or handed to pKept with their cells.
void EmptyBlock(CGXData& data, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                std::vector<Entry>* pKept)
{
    CGXStylePtrArrayPtrArray& rows = data.m_apapCellStyle;
    const INT_PTR nLastRow = std::min<ULONGLONG>(nBottom, (ULONGLONG)rows.GetSize() - 1);
    for (INT_PTR r = nTop; r <= nLastRow && rows.GetSize() > 0; ++r) {
        CGXStylePtrArray* pRow = rows.GetRow(r);
        if (pRow == nullptr)
            continue;
        const INT_PTR nLastCol = std::min<ULONGLONG>(nRight, (ULONGLONG)pRow->GetSize() - 1);
        for (INT_PTR c = nLeft; c <= nLastCol && pRow->GetSize() > 0; ++c) {
            CGXStyle* pStyle = pRow->GetStyle(c);
            if (pStyle == nullptr)
                continue;
            pRow->SetAt(c, nullptr);
            if (pKept != nullptr)
                pKept->push_back(Entry {(ROWCOL)r, (ROWCOL)c, pStyle});
            else
                delete pStyle;
        }
    }
}

// Stores each style at its cell (the data object takes it over); a style already there is
// deleted. The counts grow to hold the cells.
void DropEntries(CGXData& data, std::vector<Entry>& entries)
{
    CGXStylePtrArrayPtrArray& rows = data.m_apapCellStyle;
    for (Entry& e : entries) {
        if ((INT_PTR)e.nRow >= rows.GetSize())
            rows.SetSize((INT_PTR)e.nRow + 1);
        CGXStylePtrArray* pRow = rows.GetRow(e.nRow);
        if (pRow == nullptr) {
            pRow = new CGXStylePtrArray;
            rows.SetAt(e.nRow, pRow);
        }
        if ((INT_PTR)e.nCol >= pRow->GetSize())
            pRow->SetSize((INT_PTR)e.nCol + 1);
        delete pRow->GetStyle(e.nCol);
        pRow->SetAt(e.nCol, e.pStyle);
        e.pStyle = nullptr;
        data.m_nRows = std::max(data.m_nRows, e.nRow);
        data.m_nCols = std::max(data.m_nCols, e.nCol);
    }
    entries.clear();
}
} // namespace

BOOL CGXDataCopyMoveCellsImp::CopyDataCells(CGXData& data, const CGXRange& src, ROWCOL nDestRow,
                                            ROWCOL nDestCol, UINT)
{
    ROWCOL nLastRow, nLastCol;
    if (!DestinationEnd(src, nDestRow, nDestCol, nLastRow, nLastCol))
        return FALSE;
    std::vector<Entry> copies;
    CollectBlock(data, src, nDestRow, nDestCol, FALSE, copies);
    EmptyBlock(data, nDestRow, nDestCol, nLastRow, nLastCol, nullptr);
    DropEntries(data, copies);
    return TRUE;
}

BOOL CGXDataCopyMoveCellsImp::MoveDataCells(CGXData& data, const CGXRange& src, ROWCOL nDestRow,
                                            ROWCOL nDestCol, CObject*& pUndoInfo,
                                            BOOL bCreateUndoInfo)
{
    ROWCOL nLastRow, nLastCol;
    if (!DestinationEnd(src, nDestRow, nDestCol, nLastRow, nLastCol))
        return FALSE;
    std::vector<Entry> lifted, overwritten;
    CollectBlock(data, src, nDestRow, nDestCol, TRUE, lifted);
    EmptyBlock(data, nDestRow, nDestCol, nLastRow, nLastCol,
               bCreateUndoInfo ? &overwritten : nullptr);
    DropEntries(data, lifted);

    // An undo of an earlier move puts back what that move overwrote.
    CGXDataUndoMoveCellsInfo* pInfo = dynamic_cast<CGXDataUndoMoveCellsInfo*>(pUndoInfo);
    if (pInfo != nullptr)
        DropEntries(data, pInfo->m_entries);
    if (bCreateUndoInfo) {
        if (pInfo == nullptr) {
            pInfo = new CGXDataUndoMoveCellsInfo;
            pUndoInfo = pInfo;
        }
        pInfo->Empty();
        pInfo->m_entries = std::move(overwritten);
    }
    return TRUE;
}

void GXImplementDataCopyMoveCells()
{
    GXInstallProcessFeature<CGXDataCopyMoveCellsImp>(GXGetLibraryState().m_pDataCopyMoveCellsImp);
}
