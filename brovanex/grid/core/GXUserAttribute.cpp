#include "core/GXUserAttribute.h"
#include "core/GXArchiveHelpers.h"
#include "core/GXLibraryState.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

IMPLEMENT_SERIAL(CGXAbstractUserAttribute, CObject, 0)
IMPLEMENT_SERIAL(CGXUserAttribute, CGXAbstractUserAttribute, 0)
IMPLEMENT_SERIAL(CGXEllipseUserAttribute, CGXAbstractUserAttribute, 0)
IMPLEMENT_SERIAL(CGXUserAttributeMap, CObject, 0)

// ---------------------------------------------------------------------------------------
// CGXAbstractUserAttribute: a text value.

CGXAbstractUserAttribute& CGXAbstractUserAttribute::SetValue(LPCTSTR) { return *this; }

CGXAbstractUserAttribute& CGXAbstractUserAttribute::SetValue(const CString& strValue)
{
    return SetValue((LPCTSTR)strValue);
}

CString CGXAbstractUserAttribute::GetValue() const { return m_strText; }

LONG CGXAbstractUserAttribute::AsLong() const { return (LONG)atol(GetValue()); }

DWORD CGXAbstractUserAttribute::AsDWord() const { return (DWORD)atol(GetValue()); }

double CGXAbstractUserAttribute::AsDouble() const { return atof(GetValue()); }

CGXAbstractUserAttribute* CGXAbstractUserAttribute::Clone() const { return nullptr; }

BOOL CGXAbstractUserAttribute::IsEqual(const CGXAbstractUserAttribute& other) const
{
    return m_nId == other.m_nId && GetValue() == other.GetValue();
}

BOOL CGXAbstractUserAttribute::IsEmpty() const { return GetValue().IsEmpty(); }

void CGXAbstractUserAttribute::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_strText;
    else
        ar >> m_strText;
}

// ---------------------------------------------------------------------------------------
// CGXUserAttribute

CGXUserAttribute::CGXUserAttribute() : m_nKind(kEmpty), m_abValue {} { }

CGXUserAttribute::CGXUserAttribute(LPCTSTR pszValue) : CGXUserAttribute() { SetValue(pszValue); }

CGXUserAttribute::CGXUserAttribute(const CGXUserAttribute& other)
    : CGXAbstractUserAttribute(), m_nKind(other.m_nKind), m_strLong(other.m_strLong)
{
    m_nId = other.m_nId;
    memcpy(m_abValue, other.m_abValue, sizeof m_abValue);
}

CGXUserAttribute& CGXUserAttribute::operator=(const CGXUserAttribute& other)
{
    m_nId = other.m_nId;
    m_nKind = other.m_nKind;
    memcpy(m_abValue, other.m_abValue, sizeof m_abValue);
    m_strLong = other.m_strLong;
    return *this;
}

CGXAbstractUserAttribute& CGXUserAttribute::SetValue(LPCTSTR pszValue)
{
    memset(m_abValue, 0, sizeof m_abValue);
    m_strLong.Empty();
    size_t nLen = pszValue != nullptr ? strlen(pszValue) : 0;
    if (nLen == 0) {
        m_nKind = kEmpty;
        return *this;
    }
    // With number formatting on, a text that is exactly a number's "%.13g" form is kept
    // as that number.
    if (CGXAbstractNumberFormattingImp* pImp = GXGetLibraryState().m_pNumberFormattingImp) {
        double d = 0;
        if (pImp->ParseValue(pszValue, d, 0)) {
            char sz[64];
            snprintf(sz, sizeof sz, "%.13g", d);
            if (strcmp(sz, pszValue) == 0) {
                SetDouble(d);
                return *this;
            }
        }
    }
    if (nLen > sizeof m_abValue) {
        m_nKind = kText;
        m_strLong = pszValue;
    } else {
        m_nKind = kShortText;
        memcpy(m_abValue, pszValue, nLen);
    }
    return *this;
}

CGXUserAttribute& CGXUserAttribute::SetDWord(DWORD dw)
{
    memset(m_abValue, 0, sizeof m_abValue);
    m_strLong.Empty();
    m_nKind = kDWord;
    memcpy(m_abValue, &dw, sizeof dw);
    return *this;
}

CGXUserAttribute& CGXUserAttribute::SetLong(LONG l)
{
    memset(m_abValue, 0, sizeof m_abValue);
    m_strLong.Empty();
    m_nKind = kLong;
    memcpy(m_abValue, &l, sizeof l);
    return *this;
}

CGXUserAttribute& CGXUserAttribute::SetDouble(double d)
{
    m_strLong.Empty();
    m_nKind = kDouble;
    memcpy(m_abValue, &d, sizeof d);
    return *this;
}

CGXUserAttribute& CGXUserAttribute::SetBytes(const BYTE ab[8])
{
    m_strLong.Empty();
    m_nKind = kBytes;
    memcpy(m_abValue, ab, sizeof m_abValue);
    return *this;
}

CString CGXUserAttribute::GetValue() const
{
    CString s;
    DWORD dw1, dw2;
    memcpy(&dw1, m_abValue, 4);
    memcpy(&dw2, m_abValue + 4, 4);
    switch (m_nKind) {
    case kEmpty:
        break;
    case kDWord:
        s.Format("%lu", (unsigned long)dw1);
        break;
    case kLong:
        s.Format("%ld", (long)(LONG)dw1);
        break;
    case kShortText: {
        // Eight bytes of text carry no terminator: the length is bounded by the buffer.
        const char* p = reinterpret_cast<const char*>(m_abValue);
        s = CString(p, (int)strnlen(p, sizeof m_abValue));
        break;
    }
    case kText:
        s = m_strLong;
        break;
    case kDouble: {
        double d;
        memcpy(&d, m_abValue, sizeof d);
        s.Format("%.13g", d);
        break;
    }
    case kBytes:
        s.Format("%08x%08x", (unsigned)dw1, (unsigned)dw2);
        break;
    default:
        s = "Value?";
        break;
    }
    return s;
}

LONG CGXUserAttribute::AsLong() const
{
    switch (m_nKind) {
    case kDWord:
    case kLong: {
        LONG l;
        memcpy(&l, m_abValue, sizeof l);
        return l;
    }
    case kShortText:
    case kText:
        return (LONG)atol(GetValue());
    case kDouble:
        return (LONG)AsDouble();
    default:
        return 0;
    }
}

DWORD CGXUserAttribute::AsDWord() const
{
    if (m_nKind == kDouble) {
        double d = AsDouble();
        return d <= 0 ? 0 : d >= 4294967295.0 ? 0xFFFFFFFF : (DWORD)d;
    }
    return (DWORD)AsLong();
}

double CGXUserAttribute::AsDouble() const
{
    switch (m_nKind) {
    case kDWord: {
        DWORD dw;
        memcpy(&dw, m_abValue, sizeof dw);
        return dw;
    }
    case kLong: {
        LONG l;
        memcpy(&l, m_abValue, sizeof l);
        return l;
    }
    case kShortText:
    case kText:
        return atof(GetValue());
    case kDouble: {
        double d;
        memcpy(&d, m_abValue, sizeof d);
        return d;
    }
    default:
        return 0;
    }
}

CGXAbstractUserAttribute* CGXUserAttribute::Clone() const { return new CGXUserAttribute(*this); }

BOOL CGXUserAttribute::IsEqual(const CGXAbstractUserAttribute& other) const
{
    const CGXUserAttribute* pOther = dynamic_cast<const CGXUserAttribute*>(&other);
    if (pOther == nullptr)
        return CGXAbstractUserAttribute::IsEqual(other);
    if (m_nId != pOther->m_nId || m_nKind != pOther->m_nKind)
        return FALSE;
    switch (m_nKind) {
    case kShortText:
    case kText:
        return GetValue() == pOther->GetValue();
    case kDouble:
        return AsDouble() == pOther->AsDouble();
    default:
        return memcmp(m_abValue, pOther->m_abValue, sizeof m_abValue) == 0;
    }
}

void CGXUserAttribute::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (BYTE)m_nKind;
        if (m_nKind == kShortText || m_nKind == kText)
            ar << GetValue();
        else
            for (BYTE by : m_abValue)
                ar << by;
    } else {
        BYTE byKind;
        ar >> byKind;
        m_strLong.Empty();
        memset(m_abValue, 0, sizeof m_abValue);
        if (byKind == kShortText || byKind == kText) {
            CString strText;
            ar >> strText;
            // The kind follows the text actually read, so a short text never overruns
            // its eight bytes.
            if (strText.IsEmpty()) {
                m_nKind = kEmpty;
            } else if (strText.GetLength() > (int)sizeof m_abValue) {
                m_nKind = kText;
                m_strLong = strText;
            } else {
                m_nKind = kShortText;
                memcpy(m_abValue, (LPCSTR)strText, strText.GetLength());
            }
        } else {
            m_nKind = byKind;
            for (BYTE& by : m_abValue)
                ar >> by;
        }
    }
}

// ---------------------------------------------------------------------------------------
// CGXEllipseUserAttribute

CString CGXEllipseUserAttribute::GetValue() const
{
    CString s;
    s.Format("%u", (unsigned)m_wValue);
    return s;
}

CGXAbstractUserAttribute* CGXEllipseUserAttribute::Clone() const
{
    CGXEllipseUserAttribute* p = new CGXEllipseUserAttribute(m_wValue);
    p->m_nId = m_nId;
    return p;
}

BOOL CGXEllipseUserAttribute::IsEqual(const CGXAbstractUserAttribute& other) const
{
    const CGXEllipseUserAttribute* pOther = dynamic_cast<const CGXEllipseUserAttribute*>(&other);
    return pOther != nullptr && pOther->m_wValue == m_wValue;
}

void CGXEllipseUserAttribute::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_wValue;
    else
        ar >> m_wValue;
}

// ---------------------------------------------------------------------------------------
// CGXUserAttributeMap

CGXUserAttributeMap::CGXUserAttributeMap(const CGXUserAttributeMap& other) : CObject()
{
    *this = other;
}

CGXUserAttributeMap& CGXUserAttributeMap::operator=(const CGXUserAttributeMap& other)
{
    if (this != &other)
        MergeMap(other, gxCopy);
    return *this;
}

CGXUserAttributeMap::~CGXUserAttributeMap() { RemoveAll(); }

void CGXUserAttributeMap::RemoveAll()
{
    for (INT_PTR i = 0; i < m_attributes.GetSize(); ++i)
        delete m_attributes[i];
    m_attributes.RemoveAll();
}

INT_PTR CGXUserAttributeMap::IndexOf(WORD nId) const
{
    INT_PTR lo = 0, hi = m_attributes.GetSize();
    while (lo < hi) {
        INT_PTR mid = (lo + hi) / 2;
        WORD nMid = GetAt(mid)->m_nId;
        if (nMid == nId)
            return mid;
        if (nMid < nId)
            lo = mid + 1;
        else
            hi = mid;
    }
    return -1;
}

void CGXUserAttributeMap::Sort()
{
    CObject** p = m_attributes.GetData();
    std::stable_sort(p, p + m_attributes.GetSize(), [](CObject* a, CObject* b) {
        return static_cast<CGXAbstractUserAttribute*>(a)->m_nId <
            static_cast<CGXAbstractUserAttribute*>(b)->m_nId;
    });
}

void CGXUserAttributeMap::PutAttribute(WORD nId, CGXAbstractUserAttribute* pAttribute)
{
    if (pAttribute == nullptr)
        return;
    pAttribute->m_nId = nId;
    INT_PTR i = IndexOf(nId);
    if (i >= 0) {
        if (m_attributes[i] != pAttribute)
            delete m_attributes[i];
        m_attributes[i] = pAttribute;
        return;
    }
    m_attributes.Add(pAttribute);
    Sort();
}

void CGXUserAttributeMap::PutAttributeCopy(WORD nId, const CGXAbstractUserAttribute& attribute)
{
    CGXAbstractUserAttribute* pClone = attribute.Clone();
    if (pClone == nullptr) {
        // The base class has no clone of its own: keep its text.
        CGXUserAttribute* pText = new CGXUserAttribute;
        pText->SetValue(attribute.GetValue());
        pClone = pText;
    }
    PutAttribute(nId, pClone);
}

void CGXUserAttributeMap::DropAttribute(WORD nId)
{
    INT_PTR i = IndexOf(nId);
    if (i >= 0) {
        delete m_attributes[i];
        m_attributes.RemoveAt(i);
    }
}

const CGXAbstractUserAttribute* CGXUserAttributeMap::FindAttribute(WORD nId) const
{
    INT_PTR i = IndexOf(nId);
    return i >= 0 ? GetAt(i) : nullptr;
}

void CGXUserAttributeMap::MergeMap(const CGXUserAttributeMap& other, GXModifyType mt)
{
    if (&other == this)
        return;
    if (mt == gxCopy)
        RemoveAll();
    BOOL bAdded = FALSE;
    for (INT_PTR i = 0; i < other.GetCount(); ++i) {
        const CGXAbstractUserAttribute* pOther = other.GetAt(i);
        INT_PTR nHere = IndexOf(pOther->m_nId);
        if (mt == gxExclude) {
            if (nHere >= 0) {
                delete m_attributes[nHere];
                m_attributes.RemoveAt(nHere);
            }
            continue;
        }
        if (nHere >= 0 && mt == gxApplyNew)
            continue;
        CGXAbstractUserAttribute* pClone = pOther->Clone();
        if (pClone == nullptr) {
            CGXUserAttribute* pText = new CGXUserAttribute;
            pText->SetValue(pOther->GetValue());
            pClone = pText;
        }
        pClone->m_nId = pOther->m_nId;
        if (nHere >= 0) {
            delete m_attributes[nHere];
            m_attributes[nHere] = pClone;
        } else {
            m_attributes.Add(pClone);
            bAdded = TRUE;
        }
    }
    if (bAdded)
        Sort();
}

BOOL CGXUserAttributeMap::IsSubSet(const CGXUserAttributeMap& other) const
{
    for (INT_PTR i = 0; i < GetCount(); ++i) {
        const CGXAbstractUserAttribute* pOther = other.FindAttribute(GetAt(i)->m_nId);
        if (pOther == nullptr || !GetAt(i)->IsEqual(*pOther))
            return FALSE;
    }
    return TRUE;
}

void CGXUserAttributeMap::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (WORD)GetCount();
        for (INT_PTR i = 0; i < GetCount(); ++i) {
            ar << static_cast<const CObject*>(GetAt(i));
            ar << GetAt(i)->m_nId;
        }
        return;
    }
    RemoveAll();
    WORD nCount;
    ar >> nCount;
    // Each entry takes at least a class tag and its id.
    GXEnsureRecords(ar, nCount, 4);
    for (WORD n = 0; n < nCount; ++n) {
        CObject* pOb = GXReadOwnedObject(ar, RUNTIME_CLASS(CGXAbstractUserAttribute));
        CGXAbstractUserAttribute* pAttribute = static_cast<CGXAbstractUserAttribute*>(pOb);
        WORD nId;
        try {
            ar >> nId;
        } catch (...) {
            delete pAttribute;
            throw;
        }
        PutAttribute(nId, pAttribute); // a repeated id replaces the earlier entry
    }
}
