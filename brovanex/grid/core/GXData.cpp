#include "core/GXData.h"
#include "core/GXLibraryState.h"
#include "core/GXRange.h"

IMPLEMENT_SERIAL(CGXData, CObject, 0)

CGXData::CGXData() : m_nRows(0), m_nCols(0), m_pAppData(&GXGetLibraryState()) { }

CGXData::~CGXData() { DeleteContents(); }

void CGXData::DeleteContents()
{
    m_apapCellStyle.DeleteAll();
    m_apRowBaseStyles.DeleteAll();
    m_apColBaseStyles.DeleteAll();
}

CGXData& CGXData::operator=(const CGXData& other)
{
    if (this == &other)
        return *this;
    m_apapCellStyle = other.m_apapCellStyle;
    m_apRowBaseStyles = other.m_apRowBaseStyles;
    m_apColBaseStyles = other.m_apColBaseStyles;
    m_nRows = other.m_nRows;
    m_nCols = other.m_nCols;
    return *this;
}

ROWCOL CGXData::GetRowCount() { return m_nRows; }

ROWCOL CGXData::GetColCount() { return m_nCols; }

BOOL CGXData::PutRowCount(ROWCOL nRows)
{
    if (nRows < m_nRows)
        PutRowRemoval(nRows + 1, m_nRows);
    else if (nRows > m_nRows)
        PutRowInsertion(m_nRows + 1, nRows - m_nRows);
    return TRUE;
}

BOOL CGXData::PutColCount(ROWCOL nCols)
{
    if (nCols < m_nCols)
        PutColRemoval(nCols + 1, m_nCols);
    else if (nCols > m_nCols)
        PutColInsertion(m_nCols + 1, nCols - m_nCols);
    return TRUE;
}

BOOL CGXData::PutRowInsertion(ROWCOL nRow, ROWCOL nCount)
{
    // Entries exist only up to the last stored row: inserting beyond them is a count change.
    if ((INT_PTR)nRow < m_apRowBaseStyles.GetSize())
        m_apRowBaseStyles.InsertAt(nRow, nullptr, nCount);
    if ((INT_PTR)nRow < m_apapCellStyle.GetSize())
        m_apapCellStyle.InsertAt(nRow, nullptr, nCount);
    ULONGLONG n = (ULONGLONG)m_nRows + nCount;
    m_nRows = n > GX_MAXROWCOL ? GX_MAXROWCOL : (ROWCOL)n;
    return TRUE;
}

BOOL CGXData::PutColInsertion(ROWCOL nCol, ROWCOL nCount)
{
    if ((INT_PTR)nCol < m_apColBaseStyles.GetSize())
        m_apColBaseStyles.InsertAt(nCol, nullptr, nCount);
    for (INT_PTR i = 0; i < m_apapCellStyle.GetSize(); ++i) {
        CGXStylePtrArray* pRow = m_apapCellStyle.GetRow(i);
        if (pRow != nullptr && (INT_PTR)nCol < pRow->GetSize())
            pRow->InsertAt(nCol, nullptr, nCount);
    }
    ULONGLONG n = (ULONGLONG)m_nCols + nCount;
    m_nCols = n > GX_MAXROWCOL ? GX_MAXROWCOL : (ROWCOL)n;
    return TRUE;
}

BOOL CGXData::PutRowRemoval(ROWCOL nFrom, ROWCOL nTo)
{
    if (nFrom > m_nRows || nTo < nFrom)
        return TRUE;
    const INT_PTR n = (INT_PTR)nTo - nFrom + 1;
    m_apRowBaseStyles.DeleteAt(nFrom, n);
    m_apapCellStyle.DeleteAt(nFrom, n);
    // The count drops by the rows removed, never below the rows that still hold data.
    ULONGLONG nRemoved = std::min<ULONGLONG>((ULONGLONG)nTo, m_nRows) - nFrom + 1;
    m_nRows -= (ROWCOL)nRemoved;
    return TRUE;
}

BOOL CGXData::PutColRemoval(ROWCOL nFrom, ROWCOL nTo)
{
    if (nFrom > m_nCols || nTo < nFrom)
        return TRUE;
    const INT_PTR n = (INT_PTR)nTo - nFrom + 1;
    m_apColBaseStyles.DeleteAt(nFrom, n);
    for (INT_PTR i = 0; i < m_apapCellStyle.GetSize(); ++i)
        if (CGXStylePtrArray* pRow = m_apapCellStyle.GetRow(i))
            pRow->DeleteAt(nFrom, n);
    ULONGLONG nRemoved = std::min<ULONGLONG>((ULONGLONG)nTo, m_nCols) - nFrom + 1;
    m_nCols -= (ROWCOL)nRemoved;
    return TRUE;
}

BOOL CGXData::PutRowMove(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    GXMovePtrArrayEntries(m_apRowBaseStyles, nFrom, nTo, nDest);
    GXMovePtrArrayEntries(m_apapCellStyle, nFrom, nTo, nDest);
    return TRUE;
}

BOOL CGXData::PutColMove(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    GXMovePtrArrayEntries(m_apColBaseStyles, nFrom, nTo, nDest);
    for (INT_PTR i = 0; i < m_apapCellStyle.GetSize(); ++i)
        if (CGXStylePtrArray* pRow = m_apapCellStyle.GetRow(i))
            GXMovePtrArrayEntries(*pRow, nFrom, nTo, nDest);
    return TRUE;
}

BOOL CGXData::PutCellCopy(const CGXRange& range, ROWCOL nDestRow, ROWCOL nDestCol, UINT nFlags)
{
    CGXAbstractDataCopyMoveCellsImp* pImp = m_pAppData->m_pDataCopyMoveCellsImp;
    return pImp != nullptr && pImp->CopyDataCells(*this, range, nDestRow, nDestCol, nFlags);
}

BOOL CGXData::PutCellMove(const CGXRange& range, ROWCOL nDestRow, ROWCOL nDestCol,
                          CObject*& pUndoInfo, BOOL bCreateUndoInfo)
{
    CGXAbstractDataCopyMoveCellsImp* pImp = m_pAppData->m_pDataCopyMoveCellsImp;
    return pImp != nullptr &&
        pImp->MoveDataCells(*this, range, nDestRow, nDestCol, pUndoInfo, bCreateUndoInfo);
}

BOOL CGXData::PutRowOrder(const CGXRange& range, const CDWordArray& order, UINT nFlags)
{
    CGXAbstractGridSortMoveDataImp* pImp = m_pAppData->m_pSortMoveDataImp;
    return pImp != nullptr && pImp->ReorderRows(*this, range, order, nFlags);
}

BOOL CGXData::PutColOrder(const CGXRange& range, const CDWordArray& order, UINT nFlags)
{
    CGXAbstractGridSortMoveDataImp* pImp = m_pAppData->m_pSortMoveDataImp;
    return pImp != nullptr && pImp->ReorderCols(*this, range, order, nFlags);
}

int CGXData::GetValueTextHook()
{
    m_styleScratch1.SetValue("");
    return 0;
}

namespace {
// Merges into or creates an entry, as the store rule says.
void StoreEntry(CGXStyle*& pEntry, const CGXStyle& style, GXModifyType mt, BOOL bNumber)
{
    if (pEntry != nullptr) {
        pEntry->MergeStyle(style, mt);
        if (bNumber)
            pEntry->SetValueType(1);
    } else if (mt != gxExclude) {
        pEntry = style.Clone();
        if (bNumber)
            pEntry->SetValueType(1);
    }
}
} // namespace

BOOL CGXData::PutCellStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt,
                           int nMode)
{
    // The counts grow to hold the cell first, whatever happens next.
    if (nRow > m_nRows)
        m_nRows = nRow;
    if (nCol > m_nCols)
        m_nCols = nCol;

    if (nMode == -1) {
        CGXStylePtrArray& array = nRow != 0 ? m_apRowBaseStyles : m_apColBaseStyles;
        INT_PTR nIndex = nRow != 0 ? nRow : nCol;
        if (pStyle == nullptr) {
            if (nIndex < array.GetSize()) {
                delete array.GetStyle(nIndex);
                array.SetAt(nIndex, nullptr);
            }
            return TRUE;
        }
        if (nIndex >= array.GetSize()) {
            if (mt == gxExclude)
                return TRUE;
            array.SetSize(nIndex + 1);
        }
        CGXStyle* pEntry = array.GetStyle(nIndex);
        StoreEntry(pEntry, *pStyle, mt, FALSE);
        array.SetAt(nIndex, pEntry);
        return TRUE;
    }

    CGXStylePtrArray* pRow = m_apapCellStyle.GetRow(nRow);
    if (pStyle == nullptr) {
        if (pRow != nullptr && (INT_PTR)nCol < pRow->GetSize()) {
            delete pRow->GetStyle(nCol);
            pRow->SetAt(nCol, nullptr);
        }
        return TRUE;
    }
    CGXStyle* pEntry = pRow != nullptr ? pRow->GetStyle(nCol) : nullptr;
    if (pEntry == nullptr && mt == gxExclude)
        return TRUE;
    BOOL bNumber = FALSE;
    if (CGXAbstractNumberFormattingImp* pImp = m_pAppData->m_pNumberFormattingImp) {
        if (mt != gxExclude && nMode == 1 && pStyle->GetInclude(gxValue) &&
            pStyle->GetValueType() != 1) {
            double d;
            bNumber = pImp->ParseValue(pStyle->GetValue(), d, 0);
        }
    }
    if (pRow == nullptr) {
        if ((INT_PTR)nRow >= m_apapCellStyle.GetSize())
            m_apapCellStyle.SetSize((INT_PTR)nRow + 1);
        pRow = new CGXStylePtrArray;
        m_apapCellStyle.SetAt(nRow, pRow);
    }
    if ((INT_PTR)nCol >= pRow->GetSize())
        pRow->SetSize((INT_PTR)nCol + 1);
    StoreEntry(pEntry, *pStyle, mt, bNumber);
    pRow->SetAt(nCol, pEntry);
    return TRUE;
}

BOOL CGXData::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nMode)
{
    if (nRow > m_nRows || nCol > m_nCols)
        return FALSE;
    const CGXStyle* pStored = nullptr;
    if (nMode == -1)
        pStored = nRow != 0 ? m_apRowBaseStyles.GetStyle(nRow) : m_apColBaseStyles.GetStyle(nCol);
    else if (CGXStylePtrArray* pRow = m_apapCellStyle.GetRow(nRow))
        pStored = pRow->GetStyle(nCol);
    if (pStored == nullptr)
        return FALSE;
    if (mt == gxCopy)
        style = *pStored;
    else
        style.MergeStyle(*pStored, mt);
    return TRUE;
}

void CGXData::Serialize(CArchive& ar)
{
    if (CGXAbstractGridDocSerializeImp* pImp = m_pAppData->m_pDocSerializeImp)
        pImp->SerializeData(*this, ar);
}
