// Run-time classes and archive forms of the named collections. Every form starts with
// the element count (ReadCount/WriteCount). Loading never sizes a collection from the
// stated count alone: the archive must hold at least one byte per element first.
#include "fw/collections.h"
#include "fw/archive.h"

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

// The list, array and map forms: the count, then each element (a map's key before its
// value) in the archive's own form for its type.
template<class LIST, class T>
void serializeList(LIST& list, CArchive& ar, UINT nMinBytesEach)
{
    if (ar.IsStoring()) {
        ar.WriteCount((DWORD_PTR)list.GetCount());
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
            ar << list.GetNext(pos);
    } else {
        for (INT_PTR nCount = readCheckedCount(ar, nMinBytesEach); nCount > 0; --nCount) {
            T value;
            ar >> value;
            list.AddTail(value);
        }
    }
}

template<class ARRAY>
void serializeArray(ARRAY& array, CArchive& ar, UINT nMinBytesEach)
{
    if (ar.IsStoring()) {
        ar.WriteCount((DWORD_PTR)array.GetSize());
        for (INT_PTR i = 0; i < array.GetSize(); ++i)
            ar << array.GetData()[i];
    } else {
        INT_PTR nCount = readCheckedCount(ar, nMinBytesEach);
        array.SetSize(nCount);
        for (INT_PTR i = 0; i < nCount; ++i)
            ar >> array.GetData()[i];
    }
}

template<class MAP, class KEY, class VALUE>
void serializeMap(MAP& map, CArchive& ar, UINT nMinBytesEach)
{
    if (ar.IsStoring()) {
        ar.WriteCount((DWORD_PTR)map.GetCount());
        for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
            KEY key;
            VALUE value;
            map.GetNextAssoc(pos, key, value);
            ar << key << value;
        }
    } else {
        for (INT_PTR nCount = readCheckedCount(ar, nMinBytesEach); nCount > 0; --nCount) {
            KEY key;
            VALUE value;
            ar >> key >> value;
            map.SetAt(key, value);
        }
    }
}

} // namespace

// Minimum stored sizes: an object reference is at least a 2-byte tag, a string at least
// its 1-byte length.
void CObList::Serialize(CArchive& ar) { serializeList<CObList, CObject*>(*this, ar, 2); }
void CStringList::Serialize(CArchive& ar) { serializeList<CStringList, CString>(*this, ar, 1); }

void CObArray::Serialize(CArchive& ar) { serializeArray(*this, ar, 2); }
void CDWordArray::Serialize(CArchive& ar) { serializeArray(*this, ar, sizeof(DWORD)); }
void CWordArray::Serialize(CArchive& ar) { serializeArray(*this, ar, sizeof(WORD)); }
void CStringArray::Serialize(CArchive& ar) { serializeArray(*this, ar, 1); }

// Bytes go to and from the archive as one block.
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

void CMapStringToOb::Serialize(CArchive& ar)
{
    serializeMap<CMapStringToOb, CString, CObject*>(*this, ar, 3);
}
void CMapStringToString::Serialize(CArchive& ar)
{
    serializeMap<CMapStringToString, CString, CString>(*this, ar, 2);
}
void CMapWordToOb::Serialize(CArchive& ar)
{
    serializeMap<CMapWordToOb, WORD, CObject*>(*this, ar, 4);
}
