#include "features/GXDelayedRangePool.h"
#include "core/GXArchiveHelpers.h"
#include "core/GXLibraryState.h"
#include <algorithm>
#include <memory>
#include <new>
#include <utility>
#include <vector>

IMPLEMENT_SERIAL(CGXDelayedRange, CObject, 0)
IMPLEMENT_SERIAL(CGXDelayedRangePool, CObject, 0)

namespace {
BOOL Contains(const CGXRange& outer, const CGXRange& inner)
{
    return inner.top >= outer.top && inner.bottom <= outer.bottom && inner.left >= outer.left &&
        inner.right <= outer.right;
}

BOOL Intersects(const CGXRange& a, const CGXRange& b)
{
    return a.top <= b.bottom && b.top <= a.bottom && a.left <= b.right && b.left <= a.right;
}

void ThrowBadData(CArchive& ar)
{
    AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
}
} // namespace

// --- CGXDelayedRange ---

void CGXDelayedRange::CopyFrom(const CGXDelayedRange& other)
{
    if (this == &other)
        return;
    m_range = other.m_range;
    m_awStart.Copy(other.m_awStart);
    m_awEnd.Copy(other.m_awEnd);
    m_bFree = other.m_bFree;
}

void CGXDelayedRange::Clear()
{
    m_awStart.RemoveAll();
    m_awEnd.RemoveAll();
    m_bFree = TRUE;
}

BOOL CGXDelayedRange::MarkRows(ROWCOL nTop, ROWCOL nBottom)
{
    const INT_PTR n = m_awStart.GetSize();
    for (INT_PTR i = 0; i < n; ++i)
        if (m_awStart[i] <= nTop && m_awEnd[i] >= nBottom)
            return FALSE; // nothing new
    // Insert at the sorted place, then join overlapping and adjacent intervals.
    std::vector<std::pair<ULONGLONG, ULONGLONG>> intervals;
    intervals.reserve((size_t)n + 1);
    for (INT_PTR i = 0; i < n; ++i)
        intervals.emplace_back(m_awStart[i], m_awEnd[i]);
    intervals.emplace_back(nTop, nBottom);
    std::sort(intervals.begin(), intervals.end());
    std::vector<std::pair<ULONGLONG, ULONGLONG>> joined;
    for (const auto& iv : intervals) {
        if (!joined.empty() && iv.first <= joined.back().second + 1)
            joined.back().second = std::max(joined.back().second, iv.second);
        else
            joined.push_back(iv);
    }
    if (joined.size() == 1 && joined[0].first <= m_range.top &&
        joined[0].second >= m_range.bottom) {
        Clear();
        return TRUE;
    }
    m_awStart.SetSize((INT_PTR)joined.size());
    m_awEnd.SetSize((INT_PTR)joined.size());
    for (size_t i = 0; i < joined.size(); ++i) {
        m_awStart[(INT_PTR)i] = (DWORD)joined[i].first;
        m_awEnd[(INT_PTR)i] = (DWORD)joined[i].second;
    }
    return TRUE;
}

void CGXDelayedRange::Serialize(CArchive& ar)
{
    m_range.Archive(ar);
    m_awStart.Serialize(ar);
    m_awEnd.Serialize(ar);
    if (ar.IsStoring())
        return;
    m_bFree = FALSE;
    if (!m_range.IsCells() || m_range.top > m_range.bottom || m_range.left > m_range.right ||
        m_awStart.GetSize() != m_awEnd.GetSize())
        ThrowBadData(ar);
    for (INT_PTR i = 0; i < m_awStart.GetSize(); ++i)
        if (m_awStart[i] > m_awEnd[i] || (i > 0 && m_awStart[i] <= m_awEnd[i - 1]))
            ThrowBadData(ar);
}

// --- CGXDelayedRangePool ---

void CGXDelayedRangePool::DeleteAll()
{
    for (INT_PTR i = 0; i < m_entries.GetSize(); ++i)
        delete m_entries.GetAt(i);
    m_entries.RemoveAll();
}

void CGXDelayedRangePool::AddRange(const CGXRange& range)
{
    if (range.top > range.bottom || range.left > range.right)
        return;
    CGXDelayedRange* pCandidate = nullptr;
    for (INT_PTR i = 0; i < m_entries.GetSize(); ++i) {
        CGXDelayedRange* p = GetAt(i);
        if (p->m_bFree) {
            pCandidate = p;
            continue;
        }
        if (Contains(range, p->m_range)) {
            p->Clear(); // swallowed by the new area
            if (pCandidate == nullptr)
                pCandidate = p;
            continue;
        }
        if (p->m_awStart.GetSize() == 0) {
            // An untouched area right next to the new one grows instead of a new entry.
            if (range.left == p->m_range.right + 1)
                p->m_range.right = range.right;
            if (range.top == p->m_range.bottom + 1)
                p->m_range.bottom = range.bottom;
            if (p->m_range.ContainsCell(range.top, range.left) &&
                p->m_range.ContainsCell(range.bottom, range.right))
                return;
        }
    }
    if (pCandidate != nullptr) {
        pCandidate->Clear();
        pCandidate->m_bFree = FALSE;
        pCandidate->m_range = CGXRange(range.top, range.left, range.bottom, range.right);
        return;
    }
    try {
        std::unique_ptr<CGXDelayedRange> pNew(new CGXDelayedRange);
        pNew->m_range = CGXRange(range.top, range.left, range.bottom, range.right);
        m_entries.InsertAt(0, pNew.get());
        pNew.release();
    } catch (CMemoryException* e) {
        e->Delete();
    } catch (const std::bad_alloc&) {
    }
}

void CGXDelayedRangePool::ClampRows(ROWCOL nMaxRow)
{
    for (INT_PTR i = 0; i < m_entries.GetSize(); ++i) {
        CGXRange& r = GetAt(i)->m_range;
        r.top = std::min(r.top, nMaxRow);
        r.bottom = std::min(r.bottom, nMaxRow);
    }
}

void CGXDelayedRangePool::ClampCols(ROWCOL nMaxCol)
{
    for (INT_PTR i = 0; i < m_entries.GetSize(); ++i) {
        CGXRange& r = GetAt(i)->m_range;
        r.left = std::min(r.left, nMaxCol);
        r.right = std::min(r.right, nMaxCol);
    }
}

void CGXDelayedRangePool::SplitAtColumns(ROWCOL nLeft, ROWCOL nRight)
{
    const INT_PTR nCount = m_entries.GetSize();
    for (INT_PTR i = 0; i < nCount; ++i) {
        CGXDelayedRange* p = GetAt(i);
        if (p->m_bFree || p->m_range.right < nLeft || p->m_range.left > nRight)
            continue;
        // The parts left and right of the columns become entries of their own with the
        // same evaluated rows; each copy is whole before it is added.
        if (p->m_range.left < nLeft) {
            std::unique_ptr<CGXDelayedRange> pLeft(new CGXDelayedRange);
            pLeft->CopyFrom(*p);
            pLeft->m_range.right = nLeft - 1;
            m_entries.Add(pLeft.get());
            pLeft.release();
            p->m_range.left = nLeft;
        }
        if (p->m_range.right > nRight) {
            std::unique_ptr<CGXDelayedRange> pRight(new CGXDelayedRange);
            pRight->CopyFrom(*p);
            pRight->m_range.left = nRight + 1;
            m_entries.Add(pRight.get());
            pRight.release();
            p->m_range.right = nRight;
        }
    }
}

BOOL CGXDelayedRangePool::GetPendingCells(const CGXRange& range, CDWordArray& awFromCols,
                                          CDWordArray& awToCols)
{
    if (range.top > range.bottom || range.left > range.right)
        return FALSE;
    const INT_PTR nRows = (INT_PTR)(range.bottom - range.top) + 1;
    try {
        awFromCols.SetSize(nRows);
        awToCols.SetSize(nRows);
        for (INT_PTR i = 0; i < nRows; ++i) {
            awFromCols[i] = 0xFFFFFFFF;
            awToCols[i] = 0;
        }
        SplitAtColumns(range.left, range.right);
    } catch (CMemoryException* e) {
        e->Delete();
        return FALSE;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    BOOL bFound = FALSE;
    for (INT_PTR i = 0; i < m_entries.GetSize(); ++i) {
        CGXDelayedRange* p = GetAt(i);
        if (p->m_bFree || !Intersects(p->m_range, range))
            continue;
        const ROWCOL nTop = std::max(p->m_range.top, range.top);
        const ROWCOL nBottom = std::min(p->m_range.bottom, range.bottom);
        const ROWCOL nLeft = p->m_range.left, nRight = p->m_range.right;
        BOOL bNew = FALSE;
        try {
            bNew = p->MarkRows(nTop, nBottom);
        } catch (CMemoryException* e) {
            e->Delete();
            p->m_awStart.RemoveAll(); // evaluated again later
            p->m_awEnd.RemoveAll();
            continue;
        } catch (const std::bad_alloc&) {
            p->m_awStart.RemoveAll();
            p->m_awEnd.RemoveAll();
            continue;
        }
        if (!bNew)
            continue;
        bFound = TRUE;
        for (ROWCOL nRow = nTop; nRow <= nBottom; ++nRow) {
            const INT_PTR k = (INT_PTR)(nRow - range.top);
            if (awFromCols[k] == 0xFFFFFFFF || awFromCols[k] > nLeft)
                awFromCols[k] = nLeft;
            awToCols[k] = std::max<DWORD>(awToCols[k], nRight);
            if (nRow == nBottom)
                break;
        }
    }
    if (bFound)
        Purge();
    return bFound;
}

void CGXDelayedRangePool::Purge()
{
    for (INT_PTR i = m_entries.GetSize() - 1; i >= 0; --i)
        if (GetAt(i)->m_bFree) {
            delete m_entries.GetAt(i);
            m_entries.RemoveAt(i);
        }
}

void CGXDelayedRangePool::CopyFrom(const CGXDelayedRangePool& other)
{
    if (this == &other)
        return;
    std::vector<std::unique_ptr<CGXDelayedRange>> copies;
    for (INT_PTR i = 0; i < other.GetCount(); ++i) {
        copies.emplace_back(new CGXDelayedRange);
        copies.back()->CopyFrom(*other.GetAt(i));
    }
    DeleteAll();
    for (auto& p : copies) {
        m_entries.Add(p.get());
        p.release();
    }
}

void CGXDelayedRangePool::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_entries.Serialize(ar);
        return;
    }
    DeleteAll();
    const DWORD_PTR nCount = ar.ReadCount();
    GXEnsureRecords(ar, nCount, 2);
    for (DWORD_PTR i = 0; i < nCount; ++i) {
        CObject* p = GXReadOwnedObject(ar, RUNTIME_CLASS(CGXDelayedRange));
        try {
            m_entries.Add(p);
        } catch (...) {
            delete p;
            throw;
        }
    }
}

// --- CGXDelayedRangePoolImp ---

CObject* CGXDelayedRangePoolImp::CreateDelayedRangePool() { return new CGXDelayedRangePool; }

CObject* CGXDelayedRangePoolImp::CreateCopy(const CObject* pSource)
{
    std::unique_ptr<CGXDelayedRangePool> pPool(new CGXDelayedRangePool);
    if (const CGXDelayedRangePool* pFrom = dynamic_cast<const CGXDelayedRangePool*>(pSource))
        pPool->CopyFrom(*pFrom);
    return pPool.release();
}

void CGXDelayedRangePoolImp::CopyPool(CObject* pDest, const CObject* pSource)
{
    CGXDelayedRangePool* pTo = dynamic_cast<CGXDelayedRangePool*>(pDest);
    const CGXDelayedRangePool* pFrom = dynamic_cast<const CGXDelayedRangePool*>(pSource);
    if (pTo != nullptr && pFrom != nullptr)
        pTo->CopyFrom(*pFrom);
}

void GXImplementDelayedRangePool()
{
    GXInstallProcessFeature<CGXDelayedRangePoolImp>(GXGetLibraryState().m_pDelayedRangePoolImp);
}
