#include "core/GXOleVarUserAttribute.h"
#include "core/GXArchiveHelpers.h"
#include <oleauto.h>
#include <vector>

IMPLEMENT_SERIAL(CGXOleVarUserAttribute, CGXAbstractUserAttribute, 0)

namespace {
// Released variants, cleared, for reuse.
std::vector<VARIANT*>& Pool()
{
    static std::vector<VARIANT*> pool;
    return pool;
}

VARIANT* TakeVariant()
{
    if (!Pool().empty()) {
        VARIANT* p = Pool().back();
        Pool().pop_back();
        return p;
    }
    VARIANT* p = new VARIANT;
    ::VariantInit(p);
    return p;
}

void GiveBack(VARIANT* p)
{
    ::VariantClear(p);
    Pool().push_back(p);
}

int FixedSize(VARTYPE vt)
{
    switch (vt) {
    case VT_I1:
    case VT_UI1:
        return 1;
    case VT_I2:
    case VT_UI2:
    case VT_BOOL:
        return 2;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_R4:
    case VT_ERROR:
        return 4;
    case VT_R8:
    case VT_DATE:
    case VT_CY:
    case VT_I8:
    case VT_UI8:
        return 8;
    default:
        return 0;
    }
}
void ReadAll(CArchive& ar, void* p, UINT cb)
{
    if (cb != 0 && ar.Read(p, cb) != cb)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
}
} // namespace

CGXOleVarUserAttribute::CGXOleVarUserAttribute() : m_pVariant(TakeVariant()) { }

CGXOleVarUserAttribute::CGXOleVarUserAttribute(const VARIANT& var) : CGXOleVarUserAttribute()
{
    SetValue(var);
}

CGXOleVarUserAttribute::~CGXOleVarUserAttribute() { GiveBack(m_pVariant); }

int CGXOleVarUserAttribute::GetPoolCount() { return (int)Pool().size(); }

CGXOleVarUserAttribute& CGXOleVarUserAttribute::SetValue(const VARIANT& var)
{
    ::VariantClear(m_pVariant);
    ::VariantCopy(m_pVariant, const_cast<VARIANT*>(&var));
    return *this;
}

const VARIANT& CGXOleVarUserAttribute::GetVariant() const { return *m_pVariant; }

CGXAbstractUserAttribute* CGXOleVarUserAttribute::Clone() const
{
    CGXOleVarUserAttribute* p = new CGXOleVarUserAttribute(*m_pVariant);
    p->m_nId = m_nId;
    return p;
}

BOOL CGXOleVarUserAttribute::IsEqual(const CGXAbstractUserAttribute& other) const
{
    const CGXOleVarUserAttribute* p = dynamic_cast<const CGXOleVarUserAttribute*>(&other);
    return p != nullptr && p->m_nId == m_nId && p->m_pVariant == m_pVariant;
}

BOOL CGXOleVarUserAttribute::IsEmpty() const { return m_pVariant->vt == VT_EMPTY; }

void CGXOleVarUserAttribute::Serialize(CArchive& ar)
{
    const VARTYPE vtBytes = VT_ARRAY | VT_UI1;
    if (ar.IsStoring()) {
        VARTYPE vt = m_pVariant->vt;
        if (vt == VT_BSTR) {
            UINT nChars = m_pVariant->bstrVal != nullptr ? ::SysStringLen(m_pVariant->bstrVal) : 0;
            ar << (WORD)vt << (DWORD)nChars;
            ar.Write(m_pVariant->bstrVal, nChars * 2);
        } else if (vt == vtBytes && m_pVariant->parray != nullptr &&
                   ::SafeArrayGetDim(m_pVariant->parray) == 1) {
            LONG lo = 0, hi = -1;
            ::SafeArrayGetLBound(m_pVariant->parray, 1, &lo);
            ::SafeArrayGetUBound(m_pVariant->parray, 1, &hi);
            DWORD cb = hi >= lo ? (DWORD)(hi - lo + 1) : 0;
            void* pData = nullptr;
            ::SafeArrayAccessData(m_pVariant->parray, &pData);
            ar << (WORD)vt << cb;
            ar.Write(pData, cb);
            ::SafeArrayUnaccessData(m_pVariant->parray);
        } else if (FixedSize(vt) != 0) {
            ar << (WORD)vt;
            ar.Write(&m_pVariant->llVal, FixedSize(vt));
        } else {
            ar << (WORD)VT_EMPTY;
        }
        return;
    }
    ::VariantClear(m_pVariant);
    WORD vt;
    ar >> vt;
    if (vt == VT_BSTR) {
        DWORD nChars;
        ar >> nChars;
        GXEnsureRecords(ar, nChars, 2);
        std::vector<WCHAR> text(nChars);
        ReadAll(ar, text.data(), nChars * 2);
        m_pVariant->bstrVal = ::SysAllocStringLen(text.data(), nChars);
        m_pVariant->vt = VT_BSTR;
    } else if (vt == vtBytes) {
        DWORD cb;
        ar >> cb;
        GXEnsureRecords(ar, cb, 1);
        SAFEARRAY* psa = ::SafeArrayCreateVector(VT_UI1, 0, cb);
        if (psa == nullptr)
            AfxThrowMemoryException();
        m_pVariant->parray = psa; // owned by the variant before anything can throw
        m_pVariant->vt = vtBytes;
        void* pData = nullptr;
        ::SafeArrayAccessData(psa, &pData);
        try {
            ReadAll(ar, pData, cb);
        } catch (...) {
            ::SafeArrayUnaccessData(psa);
            throw;
        }
        ::SafeArrayUnaccessData(psa);
    } else if (FixedSize(vt) != 0) {
        LONGLONG llValue = 0;
        ReadAll(ar, &llValue, FixedSize(vt));
        m_pVariant->llVal = llValue;
        m_pVariant->vt = vt;
    } else if (vt != VT_EMPTY) {
        AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
    }
}
