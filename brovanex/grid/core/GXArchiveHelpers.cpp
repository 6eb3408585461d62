#include "core/GXArchiveHelpers.h"

namespace {
CObject* ReadOwned(CArchive& ar, const CRuntimeClass* pClass, bool bNullAllowed)
{
    UINT nSchema = 0;
    DWORD dwTag = 0;
    CRuntimeClass* pClassRef = ar.ReadClass(pClass, &nSchema, &dwTag);
    if (pClassRef == nullptr && dwTag == 0 && bNullAllowed)
        return nullptr;
    if (pClassRef == nullptr)
        AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
    CObject* pOb = pClassRef->CreateObject();
    if (pOb == nullptr)
        AfxThrowArchiveException(CArchiveException::badClass, ar.m_strFileName);
    try {
        ar.MapObject(pOb);
        UINT nSchemaSave = ar.GetObjectSchema();
        ar.SetObjectSchema(nSchema);
        pOb->Serialize(ar);
        ar.SetObjectSchema(nSchemaSave);
    } catch (...) {
        delete pOb;
        throw;
    }
    return pOb;
}
} // namespace

CObject* GXReadOwnedObject(CArchive& ar, const CRuntimeClass* pClass)
{
    return ReadOwned(ar, pClass, false);
}

CObject* GXReadOwnedObjectOrNull(CArchive& ar, const CRuntimeClass* pClass)
{
    return ReadOwned(ar, pClass, true);
}
