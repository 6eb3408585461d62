#include "core/GXRange.h"
#include "core/GXArchiveHelpers.h"
#include <algorithm>
#include <vector>

IMPLEMENT_SERIAL(CGXRangeList, CPtrList, 1)

// ---------------------------------------------------------------------------------------
// CGXRange

CGXRange& CGXRange::SetCells(ROWCOL nRow1, ROWCOL nCol1, ROWCOL nRow2, ROWCOL nCol2)
{
    rtType = gxCells;
    top = std::min(nRow1, nRow2);
    bottom = std::max(nRow1, nRow2);
    left = std::min(nCol1, nCol2);
    right = std::max(nCol1, nCol2);
    m_bValid = TRUE;
    return *this;
}

CGXRange& CGXRange::SetRows(ROWCOL nRow1, ROWCOL nRow2)
{
    rtType = gxRows;
    top = std::min(nRow1, nRow2);
    bottom = std::max(nRow1, nRow2);
    left = right = 0;
    m_bValid = TRUE;
    return *this;
}

CGXRange& CGXRange::SetCols(ROWCOL nCol1, ROWCOL nCol2)
{
    rtType = gxCols;
    left = std::min(nCol1, nCol2);
    right = std::max(nCol1, nCol2);
    top = bottom = 0;
    m_bValid = TRUE;
    return *this;
}

CGXRange& CGXRange::SetTable()
{
    rtType = gxTable;
    m_bValid = TRUE;
    return *this;
}

CGXRange& CGXRange::WidenToCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
{
    switch (rtType) {
    case gxRows:
        left = nLeft;
        right = nRight;
        break;
    case gxCols:
        top = nTop;
        bottom = nBottom;
        break;
    case gxTable:
        top = nTop;
        left = nLeft;
        bottom = nBottom;
        right = nRight;
        break;
    default:
        break;
    }
    rtType = gxCells;
    return *this;
}

BOOL CGXRange::ContainsCell(ROWCOL nRow, ROWCOL nCol) const
{
    if (!m_bValid)
        return FALSE;
    if (rtType == gxTable)
        return TRUE;
    if (rtType != gxCols && (nRow < top || nRow > bottom))
        return FALSE;
    if (rtType != gxRows && (nCol < left || nCol > right))
        return FALSE;
    return TRUE;
}

BOOL CGXRange::Intersect(const CGXRange& a, const CGXRange& b)
{
    const CGXRange ra = a, rb = b; // either may be this range
    if (ra.rtType == gxTable || rb.rtType == gxTable) {
        *this = ra.rtType == gxTable ? rb : ra;
        m_bValid = TRUE;
        return TRUE;
    }
    if ((ra.rtType == gxRows && rb.rtType == gxCols) ||
        (ra.rtType == gxCols && rb.rtType == gxRows)) {
        const CGXRange& rows = ra.rtType == gxRows ? ra : rb;
        const CGXRange& cols = ra.rtType == gxCols ? ra : rb;
        *this = CGXRange(rows.top, cols.left, rows.bottom, cols.right);
        return TRUE;
    }
    if (ra.rtType == gxRows || rb.rtType == gxRows) {
        const CGXRange& other = ra.rtType == gxRows ? rb : ra;
        rtType = other.rtType;
        left = other.left;
        right = other.right;
        top = std::max(ra.top, rb.top);
        bottom = std::min(ra.bottom, rb.bottom);
        m_bValid = bottom >= top;
        return m_bValid;
    }
    if (ra.rtType == gxCols || rb.rtType == gxCols) {
        const CGXRange& other = ra.rtType == gxCols ? rb : ra;
        rtType = other.rtType;
        top = other.top;
        bottom = other.bottom;
        left = std::max(ra.left, rb.left);
        right = std::min(ra.right, rb.right);
        m_bValid = right >= left;
        return m_bValid;
    }
    rtType = gxCells;
    top = std::max(ra.top, rb.top);
    left = std::max(ra.left, rb.left);
    bottom = std::min(ra.bottom, rb.bottom);
    right = std::min(ra.right, rb.right);
    m_bValid = bottom >= top && right >= left;
    return m_bValid;
}

BOOL CGXRange::Unite(const CGXRange& a, const CGXRange& b)
{
    const CGXRange ra = a, rb = b;
    if (ra.rtType == gxTable || rb.rtType == gxTable ||
        (ra.rtType == gxRows && rb.rtType == gxCols) ||
        (ra.rtType == gxCols && rb.rtType == gxRows)) {
        SetTable();
    } else if (ra.rtType == gxCols || rb.rtType == gxCols) {
        SetCols(std::min(ra.left, rb.left), std::max(ra.right, rb.right));
    } else if (ra.rtType == gxRows || rb.rtType == gxRows) {
        SetRows(std::min(ra.top, rb.top), std::max(ra.bottom, rb.bottom));
    } else {
        SetCells(std::min(ra.top, rb.top), std::min(ra.left, rb.left),
                 std::max(ra.bottom, rb.bottom), std::max(ra.right, rb.right));
    }
    return TRUE;
}

void CGXRange::Archive(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (DWORD)top << (DWORD)left << (DWORD)bottom << (DWORD)right;
        ar << (BYTE)rtType << (BYTE)(m_bValid ? 1 : 0);
    } else {
        DWORD t, l, b, r;
        BYTE byType, byValid;
        ar >> t >> l >> b >> r >> byType >> byValid;
        if (byType > gxTable)
            AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
        top = t;
        left = l;
        bottom = b;
        right = r;
        rtType = byType;
        m_bValid = byValid != 0;
    }
}

// ---------------------------------------------------------------------------------------
// CGXRangeList

CGXRangeList& CGXRangeList::operator=(const CGXRangeList& other)
{
    if (&other == this)
        return *this;
    DeleteAreas();
    // Each valid range is added at the front: the copy holds them in reverse order.
    for (POSITION pos = other.GetHeadPosition(); pos != nullptr;) {
        const CGXRange* pRange = other.GetNextRange(pos);
        if (pRange->IsValid())
            AddHead(new CGXRange(*pRange));
    }
    return *this;
}

BOOL CGXRangeList::ListContainsCell(ROWCOL nRow, ROWCOL nCol, POSITION posExcluded) const
{
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
        POSITION posThis = pos;
        const CGXRange* pRange = GetNextRange(pos);
        if (posThis != posExcluded && pRange->ContainsCell(nRow, nCol))
            return TRUE;
    }
    return FALSE;
}

POSITION CGXRangeList::FindAreaWithCell(ROWCOL nRow, ROWCOL nCol) const
{
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
        POSITION posThis = pos;
        if (GetNextRange(pos)->ContainsCell(nRow, nCol))
            return posThis;
    }
    return nullptr;
}

void CGXRangeList::DeleteAreas()
{
    while (!IsEmpty())
        delete static_cast<CGXRange*>(RemoveHead());
}

void CGXRangeList::DeleteInvalidAreas()
{
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
        POSITION posThis = pos;
        CGXRange* pRange = GetNextRange(pos);
        if (!pRange->IsValid()) {
            RemoveAt(posThis);
            delete pRange;
        }
    }
}

namespace {
// The row (or column) bounds of a range, chosen by the direction of the change.
struct Bounds
{
    ROWCOL& first;
    ROWCOL& last;
};

Bounds RowBounds(CGXRange& r) { return {r.top, r.bottom}; }
Bounds ColBounds(CGXRange& r) { return {r.left, r.right}; }

// Whether a range has bounds in that direction: columns and the table have no rows.
bool HasRows(const CGXRange& r) { return r.rtType == gxCells || r.rtType == gxRows; }
bool HasCols(const CGXRange& r) { return r.rtType == gxCells || r.rtType == gxCols; }

ROWCOL Limit(long long n) { return n < 0 ? 0 : n > 0xFFFFFFFFll ? 0xFFFFFFFF : (ROWCOL)n; }

template<class TBounds, class THas>
void AdjustInserted(CGXRangeList& list, ROWCOL nFrom, ROWCOL nCount, TBounds bounds, THas has)
{
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CGXRange* pRange = list.GetNextRange(pos);
        if (!has(*pRange))
            continue;
        Bounds b = bounds(*pRange);
        if (b.first >= nFrom)
            b.first = Limit((long long)b.first + nCount);
        if (b.last >= nFrom)
            b.last = Limit((long long)b.last + nCount);
    }
}

template<class TBounds, class THas>
void AdjustRemoved(CGXRangeList& list, ROWCOL nFrom, ROWCOL nTo, ROWCOL nMax, TBounds bounds,
                   THas has)
{
    if (nTo < nFrom)
        return;
    const long long n = (long long)nTo - nFrom + 1;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CGXRange* pRange = list.GetNextRange(pos);
        if (!pRange->IsValid() || !has(*pRange))
            continue;
        Bounds b = bounds(*pRange);
        if (b.first >= nFrom && b.last <= nTo) {
            pRange->SetValid(FALSE);
            continue;
        }
        if (b.first >= nFrom)
            b.first = Limit(std::max((long long)std::max(b.first, nTo) - n, (long long)nFrom));
        if (b.last >= nFrom)
            b.last = Limit((long long)std::max(b.last, nTo) - n);
        if (b.last < b.first)
            pRange->SetValid(FALSE);
        b.last = std::min(b.last, nMax);
    }
}

template<class TBounds, class THas>
void AdjustMoved(CGXRangeList& list, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, ROWCOL nMax,
                 TBounds bounds, THas has)
{
    if (nTo < nFrom)
        return;
    const long long n = (long long)nTo - nFrom + 1;
    const long long d = nFrom < nDest ? (long long)nDest + n : (long long)nDest;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CGXRange* pRange = list.GetNextRange(pos);
        if (!has(*pRange))
            continue;
        Bounds b = bounds(*pRange);
        long long nShift = 0;
        if (b.first >= nFrom && b.first <= nTo)
            nShift = (long long)nDest - nFrom;
        else if (b.first > nTo && b.first < d)
            nShift = -n;
        else if (b.first >= d && b.first < nFrom)
            nShift = n;
        b.first = Limit(b.first + nShift);
        b.last = Limit(b.last + nShift);
        b.last = std::min(b.last, nMax);
    }
}

// Inserts [nFirst, nLast] into sorted disjoint spans, merging overlaps.
void InsertSpan(std::vector<std::pair<ROWCOL, ROWCOL>>& spans, ROWCOL nFirst, ROWCOL nLast)
{
    auto it = std::lower_bound(spans.begin(), spans.end(), std::make_pair(nFirst, nLast));
    it = spans.insert(it, {nFirst, nLast});
    // Merge with the previous span when they overlap, then swallow the following ones.
    if (it != spans.begin() && std::prev(it)->second >= it->first) {
        auto prev = std::prev(it);
        prev->second = std::max(prev->second, it->second);
        it = spans.erase(it);
        it = std::prev(it);
    }
    while (std::next(it) != spans.end() && std::next(it)->first <= it->second) {
        it->second = std::max(it->second, std::next(it)->second);
        spans.erase(std::next(it));
    }
}

BOOL CollectSpans(const CGXRangeList& list, ROWCOL nMax, CDWordArray& awFrom, CDWordArray& awTo,
                  BOOL bOnlyWhole, bool bRows)
{
    std::vector<std::pair<ROWCOL, ROWCOL>> spans;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const CGXRange* p = list.GetNextRange(pos);
        if (!p->IsValid())
            continue;
        const DWORD wholeType = bRows ? gxRows : gxCols;
        if (bOnlyWhole && p->rtType != wholeType && p->rtType != gxTable)
            continue;
        // A whole range of the other direction or the table spans every row (column).
        if (p->rtType == gxTable || p->rtType == (bRows ? gxCols : gxRows))
            InsertSpan(spans, 1, nMax);
        else if (bRows)
            InsertSpan(spans, p->top, p->bottom);
        else
            InsertSpan(spans, p->left, p->right);
    }
    awFrom.RemoveAll();
    awTo.RemoveAll();
    for (size_t i = 0; i < spans.size(); ++i) {
        // Spans that touch are joined.
        if (i > 0 && awTo.GetSize() > 0 &&
            (ULONGLONG)spans[i].first <= (ULONGLONG)awTo[awTo.GetSize() - 1] + 1) {
            awTo[awTo.GetSize() - 1] = std::max((ROWCOL)awTo[awTo.GetSize() - 1], spans[i].second);
            continue;
        }
        awFrom.Add(spans[i].first);
        awTo.Add(spans[i].second);
    }
    return awFrom.GetSize() > 0;
}
} // namespace

void CGXRangeList::AdjustForInsertedRows(ROWCOL nFrom, ROWCOL nCount)
{
    AdjustInserted(*this, nFrom, nCount, RowBounds, HasRows);
}

void CGXRangeList::AdjustForInsertedCols(ROWCOL nFrom, ROWCOL nCount)
{
    AdjustInserted(*this, nFrom, nCount, ColBounds, HasCols);
}

void CGXRangeList::AdjustForRemovedRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nMaxRow)
{
    AdjustRemoved(*this, nFrom, nTo, nMaxRow, RowBounds, HasRows);
}

void CGXRangeList::AdjustForRemovedCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nMaxCol)
{
    AdjustRemoved(*this, nFrom, nTo, nMaxCol, ColBounds, HasCols);
}

void CGXRangeList::AdjustForMovedRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, ROWCOL nMaxRow)
{
    AdjustMoved(*this, nFrom, nTo, nDest, nMaxRow, RowBounds, HasRows);
}

void CGXRangeList::AdjustForMovedCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, ROWCOL nMaxCol)
{
    AdjustMoved(*this, nFrom, nTo, nDest, nMaxCol, ColBounds, HasCols);
}

BOOL CGXRangeList::CollectRowSpans(ROWCOL nMaxRow, CDWordArray& awFrom, CDWordArray& awTo,
                                   BOOL bOnlyWhole) const
{
    return CollectSpans(*this, nMaxRow, awFrom, awTo, bOnlyWhole, true);
}

BOOL CGXRangeList::CollectColSpans(ROWCOL nMaxCol, CDWordArray& awFrom, CDWordArray& awTo,
                                   BOOL bOnlyWhole) const
{
    return CollectSpans(*this, nMaxCol, awFrom, awTo, bOnlyWhole, false);
}

void CGXRangeList::Serialize(CArchive& ar)
{
    const WORD wSchema = 1;
    if (ar.IsStoring()) {
        DeleteInvalidAreas();
        ar << wSchema << (DWORD)GetCount();
        for (POSITION pos = GetHeadPosition(); pos != nullptr;)
            GetNextRange(pos)->Archive(ar);
        return;
    }
    WORD wStored;
    ar >> wStored;
    if (wStored != wSchema)
        AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
    DWORD dwCount;
    ar >> dwCount;
    GXEnsureRecords(ar, dwCount, 18);
    DeleteAreas();
    for (DWORD n = 0; n < dwCount; ++n) {
        CGXRange range;
        range.Archive(ar);
        AddTail(new CGXRange(range));
    }
}
