// CObject, CRuntimeClass and the registry of classes that archives look up by name.
#include "fw/object.h"
#include "fw/archive.h"
#include "fw/exceptions.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

// Classes of every loaded module, in registration order. A module's classes leave the
// registry when it unloads, so no entry outlives its class object.
struct ClassRegistry
{
    std::mutex lock;
    std::vector<CRuntimeClass*> classes;
};

ClassRegistry& registry()
{
    static ClassRegistry* instance = new ClassRegistry; // never destroyed: modules
    return *instance; // may unregister at exit
}

} // namespace

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass) : m_pClass(pNewClass)
{
    ClassRegistry& r = registry();
    std::lock_guard<std::mutex> guard(r.lock);
    r.classes.push_back(pNewClass);
}

AFX_CLASSINIT::~AFX_CLASSINIT()
{
    ClassRegistry& r = registry();
    std::lock_guard<std::mutex> guard(r.lock);
    auto it = std::find(r.classes.begin(), r.classes.end(), m_pClass);
    if (it != r.classes.end())
        r.classes.erase(it);
}

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == nullptr)
        return nullptr;
    return (*m_pfnCreateObject)();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* pClass = this; pClass != nullptr; pClass = pClass->m_pBaseClass)
        if (pClass == pBaseClass)
            return TRUE;
    return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName,
                                              const CRuntimeClass* pPreferredBase)
{
    if (lpszClassName == nullptr)
        return nullptr;
    ClassRegistry& r = registry();
    std::lock_guard<std::mutex> guard(r.lock);
    CRuntimeClass* pFirst = nullptr;
    for (CRuntimeClass* pClass : r.classes) {
        if (std::strcmp(pClass->m_lpszClassName, lpszClassName) != 0)
            continue;
        if (pPreferredBase == nullptr || pClass->IsDerivedFrom(pPreferredBase))
            return pClass;
        if (pFirst == nullptr)
            pFirst = pClass;
    }
    return pFirst;
}

void CRuntimeClass::Store(CArchive& ar) const
{
    WORD nLen = (WORD)std::strlen(m_lpszClassName);
    ar << (WORD)m_wSchema << nLen;
    ar.Write(m_lpszClassName, nLen);
}

CRuntimeClass* PASCAL CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum,
                                          const CRuntimeClass* pPreferredBase)
{
    // Class names longer than this are not ours: the record is refused before reading.
    const WORD kMaxClassName = 64;
    WORD wSchema = 0, nLen = 0;
    ar >> wSchema >> nLen;
    char szClassName[kMaxClassName];
    if (nLen >= kMaxClassName)
        return nullptr;
    if (ar.Read(szClassName, nLen) != nLen)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    szClassName[nLen] = '\0';
    if (pwSchemaNum)
        *pwSchemaNum = wSchema;
    return FromName(szClassName, pPreferredBase);
}

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, nullptr, nullptr};

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

CObject::~CObject() = default;

BOOL CObject::IsSerializable() const { return GetRuntimeClass()->m_wSchema != 0xFFFF; }

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

void CObject::Serialize(CArchive&) { }

void CObject::AssertValid() const { }

void CObject::Dump(CDumpContext& dc) const
{
    dc << "a " << GetRuntimeClass()->m_lpszClassName << " at " << (const void*)this << "\n";
}

void AFXAPI AfxAssertValidObject(const CObject* pOb, LPCSTR lpszFileName, int nLine)
{
    if (pOb == nullptr) {
        AfxAssertFailedLine(lpszFileName, nLine);
        return;
    }
    pOb->AssertValid();
}

CObject* AFXAPI AfxReadObjectFromArchive(CArchive& ar, const CRuntimeClass* pClass)
{
    return ar.ReadObject(pClass);
}
