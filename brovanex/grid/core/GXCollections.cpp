#include "core/GXCollections.h"
#include "core/GXArchiveHelpers.h"
#include "core/GXLibraryState.h"
#include "core/GXStyle.h"
#include <vector>

IMPLEMENT_SERIAL(CGXCollMapDWordToLong, CObject, 0)
IMPLEMENT_SERIAL(CGXMapDWordToLong, CGXCollMapDWordToLong, 0)
IMPLEMENT_SERIAL(CGXCollMapDWordToString, CObject, 0)
IMPLEMENT_SERIAL(CGXMapCellToOb, CObject, 0)
IMPLEMENT_SERIAL(CGXStylePtrArray, CPtrArray, 0)
IMPLEMENT_SERIAL(CGXStylePtrArrayPtrArray, CPtrArray, 0)

// ---------------------------------------------------------------------------------------
// CGXCollMapDWordToLong

namespace {
// Each re-keying builds the new entries first, then copies them back.
template<class F>
void Rekey(CMap<DWORD, DWORD, LONG, LONG>& map, F newKey)
{
    std::vector<std::pair<DWORD, LONG>> entries;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        DWORD key;
        LONG value;
        map.GetNextAssoc(pos, key, value);
        long long nNew = newKey(key);
        if (nNew >= 0 && nNew <= 0xFFFFFFFFll)
            entries.push_back({(DWORD)nNew, value});
    }
    map.RemoveAll();
    for (const auto& e : entries)
        map.SetAt(e.first, e.second);
}
} // namespace

void CGXCollMapDWordToLong::InsertKeys(DWORD nFrom, DWORD nCount)
{
    Rekey(m_map, [&](DWORD k) { return k >= nFrom ? (long long)k + nCount : (long long)k; });
}

void CGXCollMapDWordToLong::RemoveKeys(DWORD nFrom, DWORD nTo)
{
    if (nTo < nFrom)
        return;
    const long long n = (long long)nTo - nFrom + 1;
    Rekey(m_map, [&](DWORD k) -> long long {
        if (k < nFrom)
            return k;
        if (k > nTo)
            return (long long)k - n;
        return -1; // removed
    });
}

void CGXCollMapDWordToLong::MoveKeys(DWORD nFrom, DWORD nTo, DWORD nDest)
{
    if (nTo < nFrom || nFrom == nDest)
        return;
    const long long n = (long long)nTo - nFrom + 1;
    const long long d = nFrom < nDest ? (long long)nDest + n : (long long)nDest;
    Rekey(m_map, [&](DWORD k) -> long long {
        if (k >= nFrom && k <= nTo)
            return (long long)k + nDest - nFrom;
        if (k > nTo && k < d)
            return (long long)k - n;
        if (k >= d && k < nFrom)
            return (long long)k + n;
        return k;
    });
}

void CGXCollMapDWordToLong::CopyFrom(const CGXCollMapDWordToLong& other)
{
    m_map.RemoveAll();
    m_map.InitHashTable(other.m_map.GetHashTableSize());
    for (POSITION pos = other.GetStartPosition(); pos != nullptr;) {
        DWORD key;
        LONG value;
        other.GetNextAssoc(pos, key, value);
        m_map.SetAt(key, value);
    }
}

void CGXCollMapDWordToLong::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (WORD)m_map.GetCount();
        for (POSITION pos = GetStartPosition(); pos != nullptr;) {
            DWORD key;
            LONG value;
            GetNextAssoc(pos, key, value);
            ar << key << value;
        }
        return;
    }
    WORD nCount;
    ar >> nCount;
    GXEnsureRecords(ar, nCount, 8);
    m_map.RemoveAll();
    for (WORD n = 0; n < nCount; ++n) {
        DWORD key;
        LONG value;
        ar >> key >> value;
        m_map.SetAt(key, value);
    }
}

// ---------------------------------------------------------------------------------------
// CGXCollMapDWordToString

void CGXCollMapDWordToString::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (WORD)m_map.GetCount();
        for (POSITION pos = GetStartPosition(); pos != nullptr;) {
            DWORD key;
            CString value;
            GetNextAssoc(pos, key, value);
            ar << key << value;
        }
        return;
    }
    WORD nCount;
    ar >> nCount;
    GXEnsureRecords(ar, nCount, 5);
    m_map.RemoveAll();
    for (WORD n = 0; n < nCount; ++n) {
        DWORD key;
        CString value;
        ar >> key >> value;
        m_map.SetAt(key, value);
    }
}

// ---------------------------------------------------------------------------------------
// CGXMapCellToOb

CObject* CGXMapCellToOb::Lookup(ROWCOL nRow, ROWCOL nCol) const
{
    auto it = m_map.find(Key(nRow, nCol));
    return it != m_map.end() ? it->second : nullptr;
}

void CGXMapCellToOb::SetAt(ROWCOL nRow, ROWCOL nCol, CObject* pOb)
{
    CObject*& pSlot = m_map[Key(nRow, nCol)];
    if (pSlot != pOb)
        delete pSlot;
    pSlot = pOb;
}

BOOL CGXMapCellToOb::RemoveKey(ROWCOL nRow, ROWCOL nCol)
{
    auto it = m_map.find(Key(nRow, nCol));
    if (it == m_map.end())
        return FALSE;
    delete it->second;
    m_map.erase(it);
    return TRUE;
}

void CGXMapCellToOb::RemoveAll()
{
    for (auto& kv : m_map)
        delete kv.second;
    m_map.clear();
}

void CGXMapCellToOb::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (WORD)m_map.size();
        for (const auto& kv : m_map)
            ar << (DWORD)(kv.first >> 32) << (DWORD)kv.first << kv.second;
        return;
    }
    WORD nCount;
    ar >> nCount;
    GXEnsureRecords(ar, nCount, 10);
    RemoveAll();
    for (WORD n = 0; n < nCount; ++n) {
        DWORD nRow, nCol;
        ar >> nRow >> nCol;
        SetAt(nRow, nCol, GXReadOwnedObject(ar, RUNTIME_CLASS(CObject)));
    }
}

// ---------------------------------------------------------------------------------------
// Style arrays

void GXMovePtrArrayEntries(CPtrArray& array, DWORD nFrom, DWORD nTo, DWORD nDest)
{
    if (nTo < nFrom || nFrom == nDest)
        return;
    const INT_PTR nSize = array.GetSize();
    if ((INT_PTR)nFrom >= nSize && (INT_PTR)nDest >= nSize)
        return;
    const INT_PTR n = (INT_PTR)nTo - nFrom + 1;
    // Room for the block and its destination, so every index below is inside the array.
    INT_PTR nNeeded = std::max<INT_PTR>((INT_PTR)nTo + 1, (INT_PTR)nDest + n);
    if (nNeeded > nSize)
        array.SetSize(nNeeded);
    std::vector<void*> block(array.GetData() + nFrom, array.GetData() + nFrom + n);
    array.RemoveAt(nFrom, n);
    array.InsertAt(nDest, nullptr, n);
    for (INT_PTR i = 0; i < n; ++i)
        array[nDest + i] = block[(size_t)i];
}

CGXStylePtrArray& CGXStylePtrArray::operator=(const CGXStylePtrArray& other)
{
    if (this == &other)
        return *this;
    DeleteAll();
    SetSize(other.GetSize());
    for (INT_PTR i = 0; i < other.GetSize(); ++i) {
        CGXStyle* p = other.GetStyle(i);
        SetAt(i, p != nullptr ? p->Clone() : nullptr);
    }
    return *this;
}

void CGXStylePtrArray::DeleteAll()
{
    for (INT_PTR i = 0; i < GetSize(); ++i)
        delete static_cast<CGXStyle*>(GetAt(i));
    RemoveAll();
}

void CGXStylePtrArray::DeleteAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex >= GetSize() || nCount <= 0)
        return;
    nCount = std::min(nCount, GetSize() - nIndex);
    for (INT_PTR i = nIndex; i < nIndex + nCount; ++i)
        delete static_cast<CGXStyle*>(GetAt(i));
    RemoveAt(nIndex, nCount);
}

void CGXStylePtrArray::Serialize(CArchive& ar)
{
    if (CGXAbstractGridDocSerializeImp* pImp = GXGetLibraryState().m_pDocSerializeImp)
        pImp->SerializeStylePtrArray(*this, ar);
}

CGXStylePtrArrayPtrArray& CGXStylePtrArrayPtrArray::operator=(const CGXStylePtrArrayPtrArray& other)
{
    if (this == &other)
        return *this;
    DeleteAll();
    SetSize(other.GetSize());
    for (INT_PTR i = 0; i < other.GetSize(); ++i) {
        CGXStylePtrArray* pRow = other.GetRow(i);
        if (pRow != nullptr) {
            CGXStylePtrArray* pCopy = new CGXStylePtrArray;
            *pCopy = *pRow;
            SetAt(i, pCopy);
        }
    }
    return *this;
}

void CGXStylePtrArrayPtrArray::DeleteAll()
{
    for (INT_PTR i = 0; i < GetSize(); ++i)
        delete static_cast<CGXStylePtrArray*>(GetAt(i));
    RemoveAll();
}

void CGXStylePtrArrayPtrArray::DeleteAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex >= GetSize() || nCount <= 0)
        return;
    nCount = std::min(nCount, GetSize() - nIndex);
    for (INT_PTR i = nIndex; i < nIndex + nCount; ++i)
        delete static_cast<CGXStylePtrArray*>(GetAt(i));
    RemoveAt(nIndex, nCount);
}

void CGXStylePtrArrayPtrArray::Serialize(CArchive& ar)
{
    if (CGXAbstractGridDocSerializeImp* pImp = GXGetLibraryState().m_pDocSerializeImp)
        pImp->SerializeStylePtrArrayPtrArray(*this, ar);
}
