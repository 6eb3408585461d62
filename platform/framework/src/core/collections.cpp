// Run-time classes and archive forms of the named collections. Every form starts with
// the element count (ReadCount/WriteCount). Loading never sizes a collection from the
// stated count alone: the archive must hold at least one byte per element first.
#include "fw/collections.h"
#include "fw/archive.h"

#include <cstring>

IMPLEMENT_SERIAL(CObList, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_SERIAL(CStringList, CObject, 0)
IMPLEMENT_SERIAL(CObArray, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
IMPLEMENT_SERIAL(CWordArray, CObject, 0)
IMPLEMENT_SERIAL(CByteArray, CObject, 0)
IMPLEMENT_DYNAMIC(CUIntArray, CObject)
IMPLEMENT_SERIAL(CStringArray, CObject, 0)
IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)
IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)
IMPLEMENT_SERIAL(CMapStringToString, CObject, 0)
IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToWord, CObject)
IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
IMPLEMENT_SERIAL(CMapWordToOb, CObject, 0)

UINT AFXAPI AfxHashKey(LPCSTR key)
{
    UINT nHash = 0;
    if (key != nullptr)
        while (*key)
            nHash = (nHash << 5) + nHash + (BYTE)*key++;
    return nHash;
}

namespace {

// Reads a count and checks that the archive holds at least nMinBytesEach per element.
INT_PTR readCheckedCount(CArchive& ar, UINT nMinBytesEach)
{
    DWORD_PTR nCount = ar.ReadCount();
    ar.EnsureAvailable((ULONGLONG)nCount * nMinBytesEach);
    return (INT_PTR)nCount;
}

// Numbers are stored little-endian, element by element.
template <class ARRAY, class T>
void serializeNumbers(ARRAY& array, CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount((DWORD_PTR)array.GetSize());
        for (INT_PTR i = 0; i < array.GetSize(); ++i)
            ar << (T)array.GetData()[i];
    } else {
        INT_PTR nCount = readCheckedCount(ar, sizeof(T));
        array.SetSize(nCount);
        for (INT_PTR i = 0; i < nCount; ++i) {
            T value;
            ar >> value;
            array.GetData()[i] = value;
        }
    }
}

} // namespace

void CObList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount((DWORD_PTR)GetCount());
        for (CNode* pNode = m_pNodeHead; pNode != nullptr; pNode = pNode->pNext)
            ar << pNode->data;
    } else {
        for (INT_PTR nCount = readCheckedCount(ar, 2); nCount > 0; --nCount) {
            CObject* pOb = ar.ReadObject(nullptr);
            AddTail(pOb);
        }
    }
}

void CStringList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount((DWORD_PTR)GetCount());
        for (CNode* pNode = m_pNodeHead; pNode != nullptr; pNode = pNode->pNext)
            ar << pNode->data;
    } else {
        for (INT_PTR nCount = readCheckedCount(ar, 1); nCount > 0; --nCount) {
            CString s;
            ar >> s;
            AddTail(s);
        }
    }
}

void CObArray::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount((DWORD_PTR)GetSize());
        for (INT_PTR i = 0; i < GetSize(); ++i)
            ar << m_pData[i];
    } else {
        INT_PTR nCount = readCheckedCount(ar, 2);
        SetSize(nCount);
        for (INT_PTR i = 0; i < nCount; ++i)
            m_pData[i] = ar.ReadObject(nullptr);
    }
}

void CDWordArray::Serialize(CArchive& ar)
{
    serializeNumbers<CDWordArray, DWORD>(*this, ar);
}

void CWordArray::Serialize(CArchive& ar)
{
    serializeNumbers<CWordArray, WORD>(*this, ar);
}

void CByteArray::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount((DWORD_PTR)GetSize());
        if (GetSize() > 0)
            ar.Write(m_pData, (UINT)GetSize());
    } else {
        INT_PTR nCount = readCheckedCount(ar, 1);
        SetSize(nCount);
        if (nCount > 0 && ar.Read(m_pData, (UINT)nCount) != (UINT)nCount)
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    }
}

void CStringArray::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount((DWORD_PTR)GetSize());
        for (INT_PTR i = 0; i < GetSize(); ++i)
            ar << m_pData[i];
    } else {
        INT_PTR nCount = readCheckedCount(ar, 1);
        SetSize(nCount);
        for (INT_PTR i = 0; i < nCount; ++i)
            ar >> m_pData[i];
    }
}

void CMapStringToOb::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount((DWORD_PTR)GetCount());
        for (POSITION pos = GetStartPosition(); pos != nullptr;) {
            CString key;
            CObject* pValue;
            GetNextAssoc(pos, key, pValue);
            ar << key << pValue;
        }
    } else {
        for (INT_PTR nCount = readCheckedCount(ar, 3); nCount > 0; --nCount) {
            CString key;
            ar >> key;
            CObject* pValue = ar.ReadObject(nullptr);
            SetAt(key, pValue);
        }
    }
}

void CMapStringToString::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount((DWORD_PTR)GetCount());
        for (POSITION pos = GetStartPosition(); pos != nullptr;) {
            CString key, value;
            GetNextAssoc(pos, key, value);
            ar << key << value;
        }
    } else {
        for (INT_PTR nCount = readCheckedCount(ar, 2); nCount > 0; --nCount) {
            CString key, value;
            ar >> key >> value;
            SetAt(key, value);
        }
    }
}

void CMapWordToOb::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount((DWORD_PTR)GetCount());
        for (POSITION pos = GetStartPosition(); pos != nullptr;) {
            WORD key;
            CObject* pValue;
            GetNextAssoc(pos, key, pValue);
            ar << key << pValue;
        }
    } else {
        for (INT_PTR nCount = readCheckedCount(ar, 4); nCount > 0; --nCount) {
            WORD key;
            ar >> key;
            CObject* pValue = ar.ReadObject(nullptr);
            SetAt(key, pValue);
        }
    }
}
