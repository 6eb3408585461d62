// CGXBrowseParam: the browser grid's parameter record and its archive form.
#include "controls/GXBrowseParam.h"
#include "fw/archive.h"
#include "fw/exceptions.h"

IMPLEMENT_SERIAL(CGXBrowseParam, CGXGridParam, 1)

CGXBrowseParam::CGXBrowseParam() = default;

CGXBrowseParam::~CGXBrowseParam()
{
    delete m_pOwned;
    delete m_pArchived;
}

CGXGridParam& CGXBrowseParam::operator=(const CGXGridParam& other)
{
    if (this == &other)
        return *this;
    CGXGridParam::operator=(other);
    if (const CGXBrowseParam* pOther = dynamic_cast<const CGXBrowseParam*>(&other)) {
        m_bFlag1 = pOther->m_bFlag1;
        m_byValue = pOther->m_byValue;
        m_bFlag2 = pOther->m_bFlag2;
        m_nLimit = pOther->m_nLimit;
    }
    return *this;
}

void CGXBrowseParam::Serialize(CArchive& ar)
{
    CGXGridParam::Serialize(ar);
    if (ar.IsStoring()) {
        ar << (WORD)nVersion;
        ar << m_byValue;
        ar.WriteObject(m_pArchived);
        return;
    }
    WORD wVersion = 0;
    ar >> wVersion;
    if (wVersion > nVersion)
        AfxThrowArchiveException(CArchiveException::badSchema);
    ar >> m_byValue;
    if (wVersion >= 2) {
        CObject* pObject = ar.ReadObject(nullptr);
        delete m_pArchived;
        m_pArchived = pObject;
    }
}
