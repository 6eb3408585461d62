// The serializable collections of the grid model: number-to-number maps (row heights
// and column widths) that follow row and column changes, number-to-string maps, maps
// from a cell to an object, and owning arrays of style pointers.
#pragma once
#include "core/GXDefs.h"
#include <unordered_map>

class CGXStyle;

// 32-bit key to 32-bit value; hash key / 16.
class CGXCollMapDWordToLong : public CObject
{
    DECLARE_SERIAL(CGXCollMapDWordToLong)
public:
    explicit CGXCollMapDWordToLong(int nBlockSize = 10) : m_map(nBlockSize) { }
    void InitHashTable(UINT nSize) { m_map.InitHashTable(nSize); }

    BOOL Lookup(DWORD key, LONG& value) const { return m_map.Lookup(key, value); }
    LONG& operator[](DWORD key) { return m_map[key]; }
    void SetAt(DWORD key, LONG value) { m_map.SetAt(key, value); }
    BOOL RemoveKey(DWORD key) { return m_map.RemoveKey(key); }
    void RemoveAll() { m_map.RemoveAll(); }
    INT_PTR GetCount() const { return m_map.GetCount(); }
    POSITION GetStartPosition() const { return m_map.GetStartPosition(); }
    void GetNextAssoc(POSITION& pos, DWORD& key, LONG& value) const
    {
        m_map.GetNextAssoc(pos, key, value);
    }

    // Re-keying for inserted, removed and moved rows or columns.
    void InsertKeys(DWORD nFrom, DWORD nCount);
    void RemoveKeys(DWORD nFrom, DWORD nTo);
    void MoveKeys(DWORD nFrom, DWORD nTo, DWORD nDest);

    void CopyFrom(const CGXCollMapDWordToLong& other);
    // WORD count, then per entry the key and the value.
    void Serialize(CArchive& ar) override;

private:
    CMap<DWORD, DWORD, LONG, LONG> m_map;
};

class CGXMapDWordToLong : public CGXCollMapDWordToLong
{
    DECLARE_SERIAL(CGXMapDWordToLong)
public:
    explicit CGXMapDWordToLong(int nBlockSize = 10) : CGXCollMapDWordToLong(nBlockSize) { }
    CGXMapDWordToLong& operator=(const CGXMapDWordToLong& other)
    {
        if (this != &other)
            CopyFrom(other);
        return *this;
    }
};

// 32-bit key to string.
class CGXCollMapDWordToString : public CObject
{
    DECLARE_SERIAL(CGXCollMapDWordToString)
public:
    BOOL Lookup(DWORD key, CString& value) const { return m_map.Lookup(key, value); }
    CString& operator[](DWORD key) { return m_map[key]; }
    void SetAt(DWORD key, LPCTSTR value) { m_map.SetAt(key, value); }
    BOOL RemoveKey(DWORD key) { return m_map.RemoveKey(key); }
    void RemoveAll() { m_map.RemoveAll(); }
    INT_PTR GetCount() const { return m_map.GetCount(); }
    POSITION GetStartPosition() const { return m_map.GetStartPosition(); }
    void GetNextAssoc(POSITION& pos, DWORD& key, CString& value) const
    {
        m_map.GetNextAssoc(pos, key, value);
    }
    void Serialize(CArchive& ar) override;

private:
    CMap<DWORD, DWORD, CString, LPCTSTR> m_map;
};

// (row, column) to an owned object.
class CGXMapCellToOb : public CObject
{
    DECLARE_SERIAL(CGXMapCellToOb)
public:
    CGXMapCellToOb() = default;
    ~CGXMapCellToOb() override { RemoveAll(); }
    CObject* Lookup(ROWCOL nRow, ROWCOL nCol) const;
    // Stores the object (owned), deleting one stored before under the cell.
    void SetAt(ROWCOL nRow, ROWCOL nCol, CObject* pOb);
    BOOL RemoveKey(ROWCOL nRow, ROWCOL nCol);
    void RemoveAll();
    INT_PTR GetCount() const { return (INT_PTR)m_map.size(); }
    // Visits every entry.
    template<class F>
    void ForEach(F f) const
    {
        for (const auto& kv : m_map)
            f((ROWCOL)(kv.first >> 32), (ROWCOL)kv.first, kv.second);
    }
    // WORD count, then per entry row, column and the object with its class.
    void Serialize(CArchive& ar) override;

    static ULONGLONG Key(ROWCOL nRow, ROWCOL nCol) { return ((ULONGLONG)nRow << 32) | nCol; }

private:
    struct Hash
    {
        size_t operator()(ULONGLONG k) const
        {
            return ((size_t)(k & 0xFFFF) << 12) | ((size_t)((k >> 32) & 0xFFFF) >> 4);
        }
    };
    std::unordered_map<ULONGLONG, CObject*, Hash> m_map;
};

// An owning array of styles (null entries allowed).
class CGXStylePtrArray : public CPtrArray
{
    DECLARE_SERIAL(CGXStylePtrArray)
public:
    CGXStylePtrArray() = default;
    CGXStylePtrArray(const CGXStylePtrArray&) = delete;
    ~CGXStylePtrArray() override { DeleteAll(); }
    CGXStylePtrArray& operator=(const CGXStylePtrArray& other);
    CGXStyle* GetStyle(INT_PTR i) const
    {
        return i < GetSize() ? static_cast<CGXStyle*>(GetAt(i)) : nullptr;
    }
    void DeleteAll();
    // Deletes the entries from nIndex on (nCount of them) and removes them.
    void DeleteAt(INT_PTR nIndex, INT_PTR nCount);
    void Serialize(CArchive& ar) override;
};

// An owning array of style arrays: the cells of a data object, by row.
class CGXStylePtrArrayPtrArray : public CPtrArray
{
    DECLARE_SERIAL(CGXStylePtrArrayPtrArray)
public:
    CGXStylePtrArrayPtrArray() = default;
    CGXStylePtrArrayPtrArray(const CGXStylePtrArrayPtrArray&) = delete;
    ~CGXStylePtrArrayPtrArray() override { DeleteAll(); }
    CGXStylePtrArrayPtrArray& operator=(const CGXStylePtrArrayPtrArray& other);
    CGXStylePtrArray* GetRow(INT_PTR i) const
    {
        return i < GetSize() ? static_cast<CGXStylePtrArray*>(GetAt(i)) : nullptr;
    }
    void DeleteAll();
    void DeleteAt(INT_PTR nIndex, INT_PTR nCount);
    void Serialize(CArchive& ar) override;
};

// Pointer-array moves shared by rows and columns: moves entries [nFrom, nTo] so that the
// block starts at nDest.
void GXMovePtrArrayEntries(CPtrArray& array, DWORD nFrom, DWORD nTo, DWORD nDest);
