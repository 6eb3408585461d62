// The framework's collections: linked lists, growable arrays and hash maps of pointers,
// objects, numbers and strings, iterated with POSITION, and the typed-pointer wrappers.
// The generic templates (CList, CArray, CMap) carry the code; the named classes fix
// their element types and add archive support where the element type has one.
#pragma once
#include "fw/object.h"
#include "fw/string.h"
#include "fw/exceptions.h"
#include <cstring>
#include <new>
#include <utility>

struct __POSITION
{ };
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

// ---------------------------------------------------------------------------------------
// CList: doubly linked list. POSITION is the node; GetNext/GetPrev return the element at
// the position and move the position on (to null past the end).
template<class TYPE, class ARG_TYPE>
class CList : public CObject
{
protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    explicit CList(int nBlockSize = 10) : m_nBlockSize(nBlockSize) { }
    ~CList() override { RemoveAll(); }
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return Checked(m_pNodeHead)->data; }
    const TYPE& GetHead() const { return Checked(m_pNodeHead)->data; }
    TYPE& GetTail() { return Checked(m_pNodeTail)->data; }
    const TYPE& GetTail() const { return Checked(m_pNodeTail)->data; }

    TYPE RemoveHead()
    {
        CNode* pOldNode = Checked(m_pNodeHead);
        TYPE returnValue = pOldNode->data;
        Unlink(pOldNode);
        return returnValue;
    }
    TYPE RemoveTail()
    {
        CNode* pOldNode = Checked(m_pNodeTail);
        TYPE returnValue = pOldNode->data;
        Unlink(pOldNode);
        return returnValue;
    }

    POSITION AddHead(ARG_TYPE newElement) { return InsertNode(nullptr, m_pNodeHead, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertNode(m_pNodeTail, nullptr, newElement); }
    // Adds copies of another list's elements, keeping their order.
    void AddHead(const CList* pNewList)
    {
        for (POSITION pos = pNewList->GetTailPosition(); pos != nullptr;)
            AddHead(pNewList->GetPrev(pos));
    }
    void AddTail(const CList* pNewList)
    {
        for (POSITION pos = pNewList->GetHeadPosition(); pos != nullptr;)
            AddTail(pNewList->GetNext(pos));
    }

    void RemoveAll()
    {
        CNode* pNode = m_pNodeHead;
        while (pNode) {
            CNode* pNext = pNode->pNext;
            delete pNode;
            pNode = pNext;
        }
        m_pNodeHead = m_pNodeTail = nullptr;
        m_nCount = 0;
    }

    POSITION GetHeadPosition() const { return (POSITION)m_pNodeHead; }
    POSITION GetTailPosition() const { return (POSITION)m_pNodeTail; }
    TYPE& GetNext(POSITION& rPosition)
    {
        CNode* pNode = Checked((CNode*)rPosition);
        rPosition = (POSITION)pNode->pNext;
        return pNode->data;
    }
    const TYPE& GetNext(POSITION& rPosition) const
    {
        CNode* pNode = Checked((CNode*)rPosition);
        rPosition = (POSITION)pNode->pNext;
        return pNode->data;
    }
    TYPE& GetPrev(POSITION& rPosition)
    {
        CNode* pNode = Checked((CNode*)rPosition);
        rPosition = (POSITION)pNode->pPrev;
        return pNode->data;
    }
    const TYPE& GetPrev(POSITION& rPosition) const
    {
        CNode* pNode = Checked((CNode*)rPosition);
        rPosition = (POSITION)pNode->pPrev;
        return pNode->data;
    }
    TYPE& GetAt(POSITION position) { return Checked((CNode*)position)->data; }
    const TYPE& GetAt(POSITION position) const { return Checked((CNode*)position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { Checked((CNode*)pos)->data = newElement; }
    void RemoveAt(POSITION position) { Unlink(Checked((CNode*)position)); }

    // A null position inserts at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        if (position == nullptr)
            return AddHead(newElement);
        CNode* pOldNode = (CNode*)position;
        return InsertNode(pOldNode->pPrev, pOldNode, newElement);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        if (position == nullptr)
            return AddTail(newElement);
        CNode* pOldNode = (CNode*)position;
        return InsertNode(pOldNode, pOldNode->pNext, newElement);
    }

    // Position of the first element equal to searchValue after startAfter (from the
    // head when null); null when there is none.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const
    {
        CNode* pNode = startAfter ? ((CNode*)startAfter)->pNext : m_pNodeHead;
        for (; pNode != nullptr; pNode = pNode->pNext)
            if (pNode->data == searchValue)
                return (POSITION)pNode;
        return nullptr;
    }
    // Position of the nIndex'th element (zero-based); null when out of range.
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        CNode* pNode = m_pNodeHead;
        while (nIndex--)
            pNode = pNode->pNext;
        return (POSITION)pNode;
    }

protected:
    static CNode* Checked(CNode* pNode)
    {
        if (pNode == nullptr)
            AfxThrowNotSupportedException(); // an empty list or a finished iteration
        return pNode;
    }
    POSITION InsertNode(CNode* pPrev, CNode* pNext, ARG_TYPE newElement)
    {
        CNode* pNewNode = new CNode {pNext, pPrev, newElement};
        if (pPrev)
            pPrev->pNext = pNewNode;
        else
            m_pNodeHead = pNewNode;
        if (pNext)
            pNext->pPrev = pNewNode;
        else
            m_pNodeTail = pNewNode;
        ++m_nCount;
        return (POSITION)pNewNode;
    }
    void Unlink(CNode* pOldNode)
    {
        if (pOldNode->pPrev)
            pOldNode->pPrev->pNext = pOldNode->pNext;
        else
            m_pNodeHead = pOldNode->pNext;
        if (pOldNode->pNext)
            pOldNode->pNext->pPrev = pOldNode->pPrev;
        else
            m_pNodeTail = pOldNode->pPrev;
        delete pOldNode;
        --m_nCount;
    }

    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
    int m_nBlockSize;
};

// ---------------------------------------------------------------------------------------
// CArray: growable array. Indexes are checked: an index outside the array throws
// CNotSupportedException rather than touching memory that is not there.
template<class TYPE, class ARG_TYPE>
class CArray : public CObject
{
public:
    CArray() = default;
    ~CArray() override { delete[] m_pData; }
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }

    // New elements are value-initialised (zero for numbers and pointers).
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1)
    {
        if (nNewSize < 0)
            AfxThrowNotSupportedException();
        if (nGrowBy >= 0)
            m_nGrowBy = nGrowBy;
        if (nNewSize > m_nMaxSize) {
            INT_PTR nGrow = m_nGrowBy;
            if (nGrow == 0) {
                nGrow = m_nSize / 8;
                nGrow = nGrow < 4 ? 4 : (nGrow > 1024 ? 1024 : nGrow);
            }
            INT_PTR nNewMax = m_nMaxSize + nGrow;
            if (nNewMax < nNewSize)
                nNewMax = nNewSize;
            Reallocate(nNewMax);
        }
        for (INT_PTR i = m_nSize; i < nNewSize; ++i)
            m_pData[i] = TYPE();
        for (INT_PTR i = nNewSize; i < m_nSize; ++i)
            m_pData[i] = TYPE(); // releases what a dropped element held (strings)
        m_nSize = nNewSize;
    }
    void FreeExtra()
    {
        if (m_nSize != m_nMaxSize)
            Reallocate(m_nSize);
    }
    void RemoveAll() { SetSize(0); }

    TYPE GetAt(INT_PTR nIndex) const { return m_pData[Checked(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_pData[Checked(nIndex)] = newElement; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_pData[Checked(nIndex)]; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_pData[Checked(nIndex)]; }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
    {
        if (nIndex < 0)
            AfxThrowNotSupportedException();
        if (nIndex >= m_nSize) {
            TYPE copy = newElement; // the argument may live in this array
            SetSize(nIndex + 1);
            m_pData[nIndex] = std::move(copy);
        } else {
            m_pData[nIndex] = newElement;
        }
    }
    INT_PTR Add(ARG_TYPE newElement)
    {
        INT_PTR nIndex = m_nSize;
        SetAtGrow(nIndex, newElement);
        return nIndex;
    }
    INT_PTR Append(const CArray& src)
    {
        INT_PTR nOldSize = m_nSize, nCount = src.m_nSize;
        SetSize(m_nSize + nCount);
        for (INT_PTR i = 0; i < nCount; ++i)
            m_pData[nOldSize + i] = src.m_pData[i];
        return nOldSize;
    }
    void Copy(const CArray& src)
    {
        if (this == &src)
            return;
        SetSize(src.m_nSize);
        for (INT_PTR i = 0; i < m_nSize; ++i)
            m_pData[i] = src.m_pData[i];
    }

    TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

    // Inserts nCount copies before nIndex (an index past the end grows the array).
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0)
            AfxThrowNotSupportedException();
        TYPE copy = newElement;
        if (nIndex >= m_nSize) {
            SetSize(nIndex + nCount);
        } else {
            INT_PTR nOldSize = m_nSize;
            SetSize(m_nSize + nCount);
            for (INT_PTR i = nOldSize - 1; i >= nIndex; --i)
                m_pData[i + nCount] = std::move(m_pData[i]);
        }
        for (INT_PTR i = 0; i < nCount; ++i)
            m_pData[nIndex + i] = copy;
    }
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
    {
        if (pNewArray == nullptr || pNewArray->GetSize() == 0)
            return;
        CArray copy;
        copy.Copy(*pNewArray); // the source may be this array
        InsertAt(nStartIndex, copy.GetAt(0), copy.GetSize());
        for (INT_PTR i = 0; i < copy.GetSize(); ++i)
            SetAt(nStartIndex + i, copy.GetAt(i));
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0 || nIndex + nCount > m_nSize)
            AfxThrowNotSupportedException();
        for (INT_PTR i = nIndex; i + nCount < m_nSize; ++i)
            m_pData[i] = std::move(m_pData[i + nCount]);
        SetSize(m_nSize - nCount);
    }

protected:
    INT_PTR Checked(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nSize)
            AfxThrowNotSupportedException();
        return nIndex;
    }
    void Reallocate(INT_PTR nNewMax)
    {
        TYPE* pNewData = nNewMax ? new TYPE[(size_t)nNewMax]() : nullptr;
        for (INT_PTR i = 0; i < m_nSize && i < nNewMax; ++i)
            pNewData[i] = std::move(m_pData[i]);
        delete[] m_pData;
        m_pData = pNewData;
        m_nMaxSize = nNewMax;
    }

    TYPE* m_pData = nullptr;
    INT_PTR m_nSize = 0;
    INT_PTR m_nMaxSize = 0;
    INT_PTR m_nGrowBy = 0;
};

// ---------------------------------------------------------------------------------------
// CMap: chained hash table. New entries go to the front of their bucket and iteration
// runs bucket by bucket, so the order is the framework's traditional one.
FW_API UINT AFXAPI AfxHashKey(LPCSTR key);
inline UINT AfxHashKey(const CString& key) { return AfxHashKey((LPCSTR)key); }
inline UINT AfxHashKey(const void* key) { return (UINT)(((UINT_PTR)key) >> 4); }
inline UINT AfxHashKey(WORD key) { return ((UINT)key) >> 4; }
inline UINT AfxHashKey(DWORD key) { return ((UINT)key) >> 4; }
inline UINT AfxHashKey(int key) { return ((UINT)key) >> 4; }

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject
{
protected:
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue;
        KEY key;
        VALUE value;
    };

public:
    typedef KEY BASE_KEY;
    typedef ARG_KEY BASE_ARG_KEY;
    typedef VALUE BASE_VALUE;
    typedef ARG_VALUE BASE_ARG_VALUE;

    explicit CMap(int nBlockSize = 10) : m_nBlockSize(nBlockSize) { }
    ~CMap() override { RemoveAll(); }
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        UINT nHash;
        CAssoc* pAssoc = GetAssocAt(key, nHash);
        if (pAssoc == nullptr)
            return FALSE;
        rValue = pAssoc->value;
        return TRUE;
    }
    // The value for key, added (value-initialised) when absent.
    VALUE& operator[](ARG_KEY key)
    {
        UINT nHash;
        CAssoc* pAssoc = GetAssocAt(key, nHash);
        if (pAssoc == nullptr) {
            if (m_pHashTable == nullptr)
                InitHashTable(m_nHashTableSize);
            pAssoc = new CAssoc {m_pHashTable[nHash], nHash, KEY(key), VALUE()};
            m_pHashTable[nHash] = pAssoc;
            ++m_nCount;
        }
        return pAssoc->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_pHashTable == nullptr)
            return FALSE;
        CAssoc** ppAssocPrev = &m_pHashTable[AfxHashKey(key) % m_nHashTableSize];
        for (CAssoc* pAssoc = *ppAssocPrev; pAssoc != nullptr; pAssoc = pAssoc->pNext) {
            if (pAssoc->key == key) {
                *ppAssocPrev = pAssoc->pNext;
                delete pAssoc;
                --m_nCount;
                return TRUE;
            }
            ppAssocPrev = &pAssoc->pNext;
        }
        return FALSE;
    }
    void RemoveAll()
    {
        if (m_pHashTable) {
            for (UINT n = 0; n < m_nHashTableSize; ++n) {
                CAssoc* pAssoc = m_pHashTable[n];
                while (pAssoc) {
                    CAssoc* pNext = pAssoc->pNext;
                    delete pAssoc;
                    pAssoc = pNext;
                }
            }
            delete[] m_pHashTable;
            m_pHashTable = nullptr;
        }
        m_nCount = 0;
    }

    POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        CAssoc* pAssocRet = (CAssoc*)rNextPosition;
        if (pAssocRet == nullptr || m_pHashTable == nullptr)
            AfxThrowNotSupportedException();
        if (pAssocRet == (CAssoc*)BEFORE_START_POSITION) {
            pAssocRet = nullptr;
            for (UINT nBucket = 0; nBucket < m_nHashTableSize && pAssocRet == nullptr; ++nBucket)
                pAssocRet = m_pHashTable[nBucket];
            if (pAssocRet == nullptr)
                AfxThrowNotSupportedException();
        }
        CAssoc* pAssocNext = pAssocRet->pNext;
        for (UINT nBucket = pAssocRet->nHashValue + 1;
             pAssocNext == nullptr && nBucket < m_nHashTableSize; ++nBucket)
            pAssocNext = m_pHashTable[nBucket];
        rNextPosition = (POSITION)pAssocNext;
        rKey = pAssocRet->key;
        rValue = pAssocRet->value;
    }

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    // Sets the bucket count; takes effect only while the map is empty.
    void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE)
    {
        if (m_nCount != 0 || nHashSize == 0)
            return;
        delete[] m_pHashTable;
        m_pHashTable = nullptr;
        if (bAllocNow)
            m_pHashTable = new CAssoc*[nHashSize]();
        m_nHashTableSize = nHashSize;
    }

protected:
    CAssoc* GetAssocAt(ARG_KEY key, UINT& nHash) const
    {
        nHash = AfxHashKey(key) % m_nHashTableSize;
        if (m_pHashTable == nullptr)
            return nullptr;
        for (CAssoc* pAssoc = m_pHashTable[nHash]; pAssoc != nullptr; pAssoc = pAssoc->pNext)
            if (pAssoc->key == key)
                return pAssoc;
        return nullptr;
    }

    CAssoc** m_pHashTable = nullptr;
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
    int m_nBlockSize;
};

// ---------------------------------------------------------------------------------------
// The named collections.

class FW_API CObList : public CList<CObject*, CObject*>
{
    DECLARE_SERIAL(CObList)
public:
    explicit CObList(int nBlockSize = 10) : CList(nBlockSize) { }
    void Serialize(CArchive& ar) override;
};

class FW_API CPtrList : public CList<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(int nBlockSize = 10) : CList(nBlockSize) { }
};

class FW_API CStringList : public CList<CString, LPCSTR>
{
    DECLARE_SERIAL(CStringList)
public:
    explicit CStringList(int nBlockSize = 10) : CList(nBlockSize) { }
    void Serialize(CArchive& ar) override;
};

class FW_API CObArray : public CArray<CObject*, CObject*>
{
    DECLARE_SERIAL(CObArray)
public:
    void Serialize(CArchive& ar) override;
};

class FW_API CPtrArray : public CArray<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
};

class FW_API CDWordArray : public CArray<DWORD, DWORD>
{
    DECLARE_SERIAL(CDWordArray)
public:
    void Serialize(CArchive& ar) override;
};

class FW_API CWordArray : public CArray<WORD, WORD>
{
    DECLARE_SERIAL(CWordArray)
public:
    void Serialize(CArchive& ar) override;
};

class FW_API CByteArray : public CArray<BYTE, BYTE>
{
    DECLARE_SERIAL(CByteArray)
public:
    void Serialize(CArchive& ar) override;
};

class FW_API CUIntArray : public CArray<UINT, UINT>
{
    DECLARE_DYNAMIC(CUIntArray)
};

class FW_API CStringArray : public CArray<CString, LPCSTR>
{
    DECLARE_SERIAL(CStringArray)
public:
    void Serialize(CArchive& ar) override;
};

class FW_API CMapStringToPtr : public CMap<CString, LPCSTR, void*, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    explicit CMapStringToPtr(int nBlockSize = 10) : CMap(nBlockSize) { }
};

class FW_API CMapStringToOb : public CMap<CString, LPCSTR, CObject*, CObject*>
{
    DECLARE_SERIAL(CMapStringToOb)
public:
    explicit CMapStringToOb(int nBlockSize = 10) : CMap(nBlockSize) { }
    void Serialize(CArchive& ar) override;
};

class FW_API CMapStringToString : public CMap<CString, LPCSTR, CString, LPCSTR>
{
    DECLARE_SERIAL(CMapStringToString)
public:
    explicit CMapStringToString(int nBlockSize = 10) : CMap(nBlockSize) { }
    void Serialize(CArchive& ar) override;
};

class FW_API CMapPtrToPtr : public CMap<void*, void*, void*, void*>
{
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    explicit CMapPtrToPtr(int nBlockSize = 10) : CMap(nBlockSize) { }
};

class FW_API CMapPtrToWord : public CMap<void*, void*, WORD, WORD>
{
    DECLARE_DYNAMIC(CMapPtrToWord)
public:
    explicit CMapPtrToWord(int nBlockSize = 10) : CMap(nBlockSize) { }
};

class FW_API CMapWordToPtr : public CMap<WORD, WORD, void*, void*>
{
    DECLARE_DYNAMIC(CMapWordToPtr)
public:
    explicit CMapWordToPtr(int nBlockSize = 10) : CMap(nBlockSize) { }
};

class FW_API CMapWordToOb : public CMap<WORD, WORD, CObject*, CObject*>
{
    DECLARE_SERIAL(CMapWordToOb)
public:
    explicit CMapWordToOb(int nBlockSize = 10) : CMap(nBlockSize) { }
    void Serialize(CArchive& ar) override;
};

// ---------------------------------------------------------------------------------------
// Typed pointer wrappers over the pointer and object collections.

template<class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS
{
public:
    explicit CTypedPtrList(int nBlockSize = 10) : BASE_CLASS(nBlockSize) { }

    TYPE& GetHead() { return (TYPE&)BASE_CLASS::GetHead(); }
    TYPE GetHead() const { return (TYPE)BASE_CLASS::GetHead(); }
    TYPE& GetTail() { return (TYPE&)BASE_CLASS::GetTail(); }
    TYPE GetTail() const { return (TYPE)BASE_CLASS::GetTail(); }
    TYPE RemoveHead() { return (TYPE)BASE_CLASS::RemoveHead(); }
    TYPE RemoveTail() { return (TYPE)BASE_CLASS::RemoveTail(); }
    TYPE& GetNext(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetNext(rPosition); }
    TYPE GetNext(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetNext(rPosition); }
    TYPE& GetPrev(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetPrev(rPosition); }
    TYPE GetPrev(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetPrev(rPosition); }
    TYPE& GetAt(POSITION position) { return (TYPE&)BASE_CLASS::GetAt(position); }
    TYPE GetAt(POSITION position) const { return (TYPE)BASE_CLASS::GetAt(position); }
    void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }
    POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
    POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
    void AddHead(CTypedPtrList* pNewList) { BASE_CLASS::AddHead(pNewList); }
    void AddTail(CTypedPtrList* pNewList) { BASE_CLASS::AddTail(pNewList); }
    POSITION InsertBefore(POSITION position, TYPE newElement)
    {
        return BASE_CLASS::InsertBefore(position, newElement);
    }
    POSITION InsertAfter(POSITION position, TYPE newElement)
    {
        return BASE_CLASS::InsertAfter(position, newElement);
    }
    POSITION Find(TYPE searchValue, POSITION startAfter = nullptr) const
    {
        return BASE_CLASS::Find(searchValue, startAfter);
    }
};

template<class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS
{
public:
    TYPE GetAt(INT_PTR nIndex) const { return (TYPE)BASE_CLASS::GetAt(nIndex); }
    TYPE& ElementAt(INT_PTR nIndex) { return (TYPE&)BASE_CLASS::ElementAt(nIndex); }
    void SetAt(INT_PTR nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
    void SetAtGrow(INT_PTR nIndex, TYPE newElement) { BASE_CLASS::SetAtGrow(nIndex, newElement); }
    INT_PTR Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
    INT_PTR Append(const CTypedPtrArray& src) { return BASE_CLASS::Append(src); }
    void Copy(const CTypedPtrArray& src) { BASE_CLASS::Copy(src); }
    void InsertAt(INT_PTR nIndex, TYPE newElement, INT_PTR nCount = 1)
    {
        BASE_CLASS::InsertAt(nIndex, newElement, nCount);
    }
    void InsertAt(INT_PTR nStartIndex, CTypedPtrArray* pNewArray)
    {
        BASE_CLASS::InsertAt(nStartIndex, pNewArray);
    }
    TYPE operator[](INT_PTR nIndex) const { return (TYPE)BASE_CLASS::operator[](nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return (TYPE&)BASE_CLASS::operator[](nIndex); }
    TYPE* GetData() { return (TYPE*)BASE_CLASS::GetData(); }
    const TYPE* GetData() const { return (const TYPE*)BASE_CLASS::GetData(); }
};

template<class BASE_CLASS, class KEY, class VALUE>
class CTypedPtrMap : public BASE_CLASS
{
public:
    explicit CTypedPtrMap(int nBlockSize = 10) : BASE_CLASS(nBlockSize) { }

    BOOL Lookup(typename BASE_CLASS::BASE_ARG_KEY key, VALUE& rValue) const
    {
        typename BASE_CLASS::BASE_VALUE value;
        if (!BASE_CLASS::Lookup(key, value))
            return FALSE;
        rValue = (VALUE)value;
        return TRUE;
    }
    VALUE& operator[](typename BASE_CLASS::BASE_ARG_KEY key)
    {
        return (VALUE&)BASE_CLASS::operator[](key);
    }
    void SetAt(KEY key, VALUE newValue) { BASE_CLASS::SetAt(key, newValue); }
    BOOL RemoveKey(KEY key) { return BASE_CLASS::RemoveKey(key); }
    void GetNextAssoc(POSITION& rPosition, KEY& rKey, VALUE& rValue) const
    {
        typename BASE_CLASS::BASE_KEY key;
        typename BASE_CLASS::BASE_VALUE value;
        BASE_CLASS::GetNextAssoc(rPosition, key, value);
        rKey = (KEY)key;
        rValue = (VALUE)value;
    }
};
