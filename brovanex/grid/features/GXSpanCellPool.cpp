#include "features/GXSpanCellPool.h"
#include "core/GXCollections.h"
#include "core/GXLibraryState.h"
#include "core/GXRange.h"
#include <algorithm>
#include <memory>
#include <new>
#include <vector>

IMPLEMENT_DYNAMIC(CGXDWordArrayPtrArray, CPtrArray)
IMPLEMENT_SERIAL(CGXSpanCellPool, CObject, 1)

namespace {
const DWORD kNone = 0xFFFFFFFF;
const DWORD kEndMark = 0xFFFFFFFF;
// No grid holds spans past this row or column: a larger stored index is damage, and would
// make one huge allocation of empty places.
const DWORD kMaxStoredIndex = 0xFFFFFF;

DWORD EntryAt(const CGXDWordArrayPtrArray& table, ROWCOL nOuter, ROWCOL nInner)
{
    const CDWordArray* pArray = table.GetArray((INT_PTR)nOuter);
    if (pArray == nullptr || (INT_PTR)nInner >= pArray->GetSize())
        return kNone;
    return pArray->GetAt((INT_PTR)nInner);
}

// The first and last inner index, counting from nInner, whose entry holds the start found
// at nInner. FALSE when nInner belongs to no span.
BOOL FindSpan(const CGXDWordArrayPtrArray& table, ROWCOL nOuter, ROWCOL nInner, ROWCOL& nFirst,
              ROWCOL& nLast)
{
    const DWORD dwStart = EntryAt(table, nOuter, nInner);
    if (dwStart == kNone)
        return FALSE;
    const CDWordArray& entries = *table.GetArray((INT_PTR)nOuter);
    INT_PTR i = (INT_PTR)nInner;
    while (i + 1 < entries.GetSize() && entries[i + 1] == dwStart)
        ++i;
    nFirst = dwStart;
    nLast = (ROWCOL)i;
    return TRUE;
}

// Writes one table: outer indexes nOuterFirst..nOuterLast, inner nInnerFirst..nInnerLast.
BOOL WriteTable(CGXDWordArrayPtrArray& table, ROWCOL nOuterFirst, ROWCOL nOuterLast,
                ROWCOL nInnerFirst, ROWCOL nInnerLast, BOOL bSet)
{
    BOOL bWritten = FALSE;
    for (ROWCOL nOuter = nOuterFirst; nOuter <= nOuterLast; ++nOuter) {
        CDWordArray* pArray = table.GetArray((INT_PTR)nOuter);
        if (pArray == nullptr) {
            if (!bSet)
                continue;
            if ((INT_PTR)nOuter >= table.GetSize())
                table.SetSize((INT_PTR)nOuter + 1);
            pArray = new CDWordArray;
            table.SetAt((INT_PTR)nOuter, pArray);
        }
        CDWordArray& entries = *pArray;
        const DWORD dwOld =
            (INT_PTR)nInnerFirst < entries.GetSize() ? entries[(INT_PTR)nInnerFirst] : kNone;
        INT_PTR i = (INT_PTR)nInnerFirst;
        if (bSet) {
            const INT_PTR nOldSize = entries.GetSize();
            if (nOldSize <= (INT_PTR)nInnerLast) {
                entries.SetSize((INT_PTR)nInnerLast + 1);
                for (INT_PTR k = nOldSize; k < entries.GetSize(); ++k)
                    entries[k] = kNone;
            }
            for (; i <= (INT_PTR)nInnerLast; ++i)
                entries[i] = nInnerFirst;
        }
        if (dwOld != kNone)
            for (; i < entries.GetSize() && entries[i] == dwOld; ++i)
                entries[i] = kNone;
        bWritten = TRUE;
        if (nOuter == nOuterLast)
            break; // the last row or column number must not wrap
    }
    return bWritten;
}

void InsertEntries(CDWordArray& entries, ROWCOL nAt, ROWCOL nCount)
{
    if ((INT_PTR)nAt < entries.GetSize() && nCount > 0)
        entries.InsertAt((INT_PTR)nAt, kNone, (INT_PTR)nCount);
}

void RemoveEntries(CDWordArray& entries, ROWCOL nFrom, ROWCOL nTo)
{
    if (nTo < nFrom || (INT_PTR)nFrom >= entries.GetSize())
        return;
    const INT_PTR nLast = std::min<INT_PTR>((INT_PTR)nTo, entries.GetSize() - 1);
    entries.RemoveAt((INT_PTR)nFrom, nLast - (INT_PTR)nFrom + 1);
}

// Moves entries [nFrom, nTo] so that the block starts at nDest, as grid rows move.
void MoveEntries(CDWordArray& entries, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    if (nTo < nFrom || nFrom == nDest)
        return;
    const INT_PTR nSize = entries.GetSize();
    if ((INT_PTR)nFrom >= nSize && (INT_PTR)nDest >= nSize)
        return;
    const INT_PTR n = (INT_PTR)nTo - (INT_PTR)nFrom + 1;
    const INT_PTR nNeeded = std::max<INT_PTR>((INT_PTR)nTo + 1, (INT_PTR)nDest + n);
    if (nNeeded > nSize) {
        entries.SetSize(nNeeded);
        for (INT_PTR k = nSize; k < nNeeded; ++k)
            entries[k] = kNone;
    }
    std::vector<DWORD> block(entries.GetData() + nFrom, entries.GetData() + nFrom + n);
    entries.RemoveAt((INT_PTR)nFrom, n);
    entries.InsertAt((INT_PTR)nDest, kNone, n);
    for (INT_PTR i = 0; i < n; ++i)
        entries[(INT_PTR)nDest + i] = block[(size_t)i];
}

void DropBroken(CGXDWordArrayPtrArray& table)
{
    for (INT_PTR i = 0; i < table.GetSize(); ++i) {
        CDWordArray* pArray = table.GetArray(i);
        if (pArray == nullptr)
            continue;
        CDWordArray& e = *pArray;
        for (INT_PTR k = 0; k < e.GetSize(); ++k) {
            const DWORD s = e[k];
            if (s == kNone)
                continue;
            const bool bJoined = (INT_PTR)s == k ? (k + 1 < e.GetSize() && e[k + 1] == s)
                                                 : ((INT_PTR)s < k && e[k - 1] == s);
            if (!bJoined)
                e[k] = kNone;
        }
    }
}

CGXSpanCellPool* AsPool(CObject* pObject) { return dynamic_cast<CGXSpanCellPool*>(pObject); }
} // namespace

// --- CGXDWordArrayPtrArray ---

void CGXDWordArrayPtrArray::DeleteAll()
{
    for (INT_PTR i = 0; i < GetSize(); ++i)
        delete static_cast<CDWordArray*>(GetAt(i));
    RemoveAll();
}

void CGXDWordArrayPtrArray::DeleteAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nIndex >= GetSize() || nCount <= 0)
        return;
    nCount = std::min(nCount, GetSize() - nIndex);
    for (INT_PTR i = nIndex; i < nIndex + nCount; ++i)
        delete static_cast<CDWordArray*>(GetAt(i));
    RemoveAt(nIndex, nCount);
}

void CGXDWordArrayPtrArray::CopyFrom(const CGXDWordArrayPtrArray& other)
{
    if (this == &other)
        return;
    // Built aside first: a failed allocation leaves this array as it was.
    std::vector<std::unique_ptr<CDWordArray>> copies((size_t)other.GetSize());
    for (INT_PTR i = 0; i < other.GetSize(); ++i)
        if (const CDWordArray* pSource = other.GetArray(i)) {
            copies[(size_t)i].reset(new CDWordArray);
            copies[(size_t)i]->Copy(*pSource);
        }
    DeleteAll();
    SetSize(other.GetSize());
    for (INT_PTR i = 0; i < other.GetSize(); ++i)
        SetAt(i, copies[(size_t)i].release());
}

void CGXDWordArrayPtrArray::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (WORD)1;
        ar << (DWORD)GetSize();
        for (INT_PTR i = 0; i < GetSize(); ++i)
            if (CDWordArray* pArray = GetArray(i)) {
                ar << (DWORD)i;
                pArray->Serialize(ar);
            }
        ar << kEndMark;
        return;
    }
    WORD wSchema = 0;
    ar >> wSchema;
    if (wSchema != 1)
        AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
    DWORD dwCount = 0;
    ar >> dwCount;
    DeleteAll();
    // Elements are placed as they are read; the array ends after the last one stored
    // (positions after it hold nothing, so the stated count allocates nothing by itself).
    for (;;) {
        DWORD dwIndex = 0;
        ar >> dwIndex;
        if (dwIndex == kEndMark)
            break;
        if (dwIndex >= dwCount || dwIndex > kMaxStoredIndex || (INT_PTR)dwIndex < GetSize())
            AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
        std::unique_ptr<CDWordArray> pArray(new CDWordArray);
        pArray->Serialize(ar);
        for (INT_PTR k = 0; k < pArray->GetSize(); ++k) {
            const DWORD dw = pArray->GetAt(k);
            if (dw != kNone && dw > (DWORD)k)
                AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
        }
        SetSize((INT_PTR)dwIndex + 1);
        SetAt((INT_PTR)dwIndex, pArray.release());
    }
}

// --- CGXSpanCellPool ---

BOOL CGXSpanCellPool::Lookup(ROWCOL nRow, ROWCOL nCol, CGXRange& range) const
{
    if ((LONG)nRow < 0 || (LONG)nCol < 0)
        return FALSE;
    BOOL bFound = FALSE;
    ROWCOL nFirst = 0, nLast = 0;
    if (FindSpan(m_rowTable, nRow, nCol, nFirst, nLast)) {
        range.left = nFirst;
        range.right = nLast;
        bFound = TRUE;
    }
    if (FindSpan(m_colTable, nCol, nRow, nFirst, nLast)) {
        range.top = nFirst;
        range.bottom = nLast;
        bFound = TRUE;
    }
    return bFound;
}

BOOL CGXSpanCellPool::SetSpan(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, BOOL bSet)
{
    if ((LONG)nBottom < 0 || (LONG)nRight < 0 || nBottom < nTop || nRight < nLeft)
        return FALSE;
    BOOL bWritten = FALSE;
    try {
        // A span set anew at its own top-left cell first gives up all its old cells.
        CGXRange old(nTop, nLeft, nTop, nLeft);
        if (bSet && Lookup(nTop, nLeft, old) && old.top == nTop && old.left == nLeft) {
            WriteTable(m_rowTable, old.top, old.bottom, nLeft, old.right, FALSE);
            WriteTable(m_colTable, old.left, old.right, nTop, old.bottom, FALSE);
        }
        if (!bSet || nLeft != nRight)
            bWritten |= WriteTable(m_rowTable, nTop, nBottom, nLeft, nRight, bSet);
        if (!bSet || nTop != nBottom)
            bWritten |= WriteTable(m_colTable, nLeft, nRight, nTop, nBottom, bSet);
    } catch (CMemoryException* e) {
        e->Delete();
        return FALSE;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    return bWritten;
}

void CGXSpanCellPool::InsertRows(ROWCOL nAt, ROWCOL nCount)
{
    if ((INT_PTR)nAt < m_rowTable.GetSize() && nCount > 0)
        m_rowTable.InsertAt((INT_PTR)nAt, nullptr, (INT_PTR)nCount);
    for (INT_PTR i = 0; i < m_colTable.GetSize(); ++i)
        if (CDWordArray* pArray = m_colTable.GetArray(i))
            InsertEntries(*pArray, nAt, nCount);
}

void CGXSpanCellPool::RemoveRows(ROWCOL nFrom, ROWCOL nTo)
{
    if (nTo >= nFrom)
        m_rowTable.DeleteAt((INT_PTR)nFrom, (INT_PTR)nTo - (INT_PTR)nFrom + 1);
    for (INT_PTR i = 0; i < m_colTable.GetSize(); ++i)
        if (CDWordArray* pArray = m_colTable.GetArray(i))
            RemoveEntries(*pArray, nFrom, nTo);
}

void CGXSpanCellPool::MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    GXMovePtrArrayEntries(m_rowTable, nFrom, nTo, nDest);
    for (INT_PTR i = 0; i < m_colTable.GetSize(); ++i)
        if (CDWordArray* pArray = m_colTable.GetArray(i))
            MoveEntries(*pArray, nFrom, nTo, nDest);
}

void CGXSpanCellPool::InsertCols(ROWCOL nAt, ROWCOL nCount)
{
    if ((INT_PTR)nAt < m_colTable.GetSize() && nCount > 0)
        m_colTable.InsertAt((INT_PTR)nAt, nullptr, (INT_PTR)nCount);
    for (INT_PTR i = 0; i < m_rowTable.GetSize(); ++i)
        if (CDWordArray* pArray = m_rowTable.GetArray(i))
            InsertEntries(*pArray, nAt, nCount);
}

void CGXSpanCellPool::RemoveCols(ROWCOL nFrom, ROWCOL nTo)
{
    if (nTo >= nFrom)
        m_colTable.DeleteAt((INT_PTR)nFrom, (INT_PTR)nTo - (INT_PTR)nFrom + 1);
    for (INT_PTR i = 0; i < m_rowTable.GetSize(); ++i)
        if (CDWordArray* pArray = m_rowTable.GetArray(i))
            RemoveEntries(*pArray, nFrom, nTo);
}

void CGXSpanCellPool::MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    GXMovePtrArrayEntries(m_colTable, nFrom, nTo, nDest);
    for (INT_PTR i = 0; i < m_rowTable.GetSize(); ++i)
        if (CDWordArray* pArray = m_rowTable.GetArray(i))
            MoveEntries(*pArray, nFrom, nTo, nDest);
}

void CGXSpanCellPool::CopyFrom(const CGXSpanCellPool& other)
{
    m_rowTable.CopyFrom(other.m_rowTable);
    m_colTable.CopyFrom(other.m_colTable);
}

void CGXSpanCellPool::DropBrokenSpans()
{
    DropBroken(m_rowTable);
    DropBroken(m_colTable);
}

void CGXSpanCellPool::Serialize(CArchive& ar)
{
    m_rowTable.Serialize(ar);
    m_colTable.Serialize(ar);
    if (ar.IsLoading())
        DropBrokenSpans();
}

// --- CGXSpanCellPoolImp ---

CObject* CGXSpanCellPoolImp::CreateSpanCellPool() { return new CGXSpanCellPool; }

CObject* CGXSpanCellPoolImp::CreateCopy(const CObject* pSource)
{
    std::unique_ptr<CGXSpanCellPool> pPool(new CGXSpanCellPool);
    if (const CGXSpanCellPool* pFrom = dynamic_cast<const CGXSpanCellPool*>(pSource))
        pPool->CopyFrom(*pFrom);
    return pPool.release();
}

void CGXSpanCellPoolImp::CopyPool(CObject* pDest, const CObject* pSource)
{
    CGXSpanCellPool* pTo = AsPool(pDest);
    const CGXSpanCellPool* pFrom = dynamic_cast<const CGXSpanCellPool*>(pSource);
    if (pTo != nullptr && pFrom != nullptr)
        pTo->CopyFrom(*pFrom);
}

void CGXSpanCellPoolImp::InsertRows(CObject* pPool, ROWCOL nAt, ROWCOL nCount)
{
    if (CGXSpanCellPool* p = AsPool(pPool)) {
        p->InsertRows(nAt, nCount);
        p->DropBrokenSpans();
    }
}

void CGXSpanCellPoolImp::RemoveRows(CObject* pPool, ROWCOL nFrom, ROWCOL nTo)
{
    if (CGXSpanCellPool* p = AsPool(pPool)) {
        p->RemoveRows(nFrom, nTo);
        p->DropBrokenSpans();
    }
}

void CGXSpanCellPoolImp::MoveRows(CObject* pPool, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    if (CGXSpanCellPool* p = AsPool(pPool)) {
        p->MoveRows(nFrom, nTo, nDest);
        p->DropBrokenSpans();
    }
}

void CGXSpanCellPoolImp::InsertCols(CObject* pPool, ROWCOL nAt, ROWCOL nCount)
{
    if (CGXSpanCellPool* p = AsPool(pPool)) {
        p->InsertCols(nAt, nCount);
        p->DropBrokenSpans();
    }
}

void CGXSpanCellPoolImp::RemoveCols(CObject* pPool, ROWCOL nFrom, ROWCOL nTo)
{
    if (CGXSpanCellPool* p = AsPool(pPool)) {
        p->RemoveCols(nFrom, nTo);
        p->DropBrokenSpans();
    }
}

void CGXSpanCellPoolImp::MoveCols(CObject* pPool, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    if (CGXSpanCellPool* p = AsPool(pPool)) {
        p->MoveCols(nFrom, nTo, nDest);
        p->DropBrokenSpans();
    }
}

void GXImplementSpanCellPool()
{
    GXInstallProcessFeature<CGXSpanCellPoolImp>(GXGetLibraryState().m_pSpanCellPoolImp);
}
