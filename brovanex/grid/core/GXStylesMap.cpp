#include "core/GXStylesMap.h"
#include "core/GXLibraryState.h"
#include "core/GXResourceString.h"
#include "core/GXSysColorCache.h"
#include "res/GXResource.h"
#include <iterator>

IMPLEMENT_SERIAL(CGXStylesMap, CObject, 0)

namespace {
// Base-style ids are 8 bits wide in a style.
const WORD kMaxBaseStyleId = 0xFF;
} // namespace

CGXStylesMap::CGXStylesMap(CRuntimeClass* pStyleClass)
    : m_strSection("Styles"), m_wStyleStandard(0), m_wStyleColHeader(0), m_wStyleRowHeader(0),
      m_pStyleClass(pStyleClass != nullptr ? pStyleClass : RUNTIME_CLASS(CGXStyle)), m_nNextId(0)
{ }

CGXStylesMap::CGXStylesMap(const CGXStylesMap& other) : CGXStylesMap(other.m_pStyleClass)
{
    *this = other;
}

CGXStylesMap& CGXStylesMap::operator=(const CGXStylesMap& other)
{
    if (this == &other)
        return *this;
    if (CGXAbstractGridParamCopyOperatorImp* pImp = GXGetLibraryState().m_pParamCopyOperatorImp)
        pImp->CopyStylesMap(*this, other);
    return *this;
}

CGXStylesMap::~CGXStylesMap() { RemoveAll(); }

void CGXStylesMap::CopyContents(const CGXStylesMap& other)
{
    if (this == &other)
        return;
    RemoveAll();
    m_strSection = other.m_strSection;
    m_wStyleStandard = other.m_wStyleStandard;
    m_wStyleColHeader = other.m_wStyleColHeader;
    m_wStyleRowHeader = other.m_wStyleRowHeader;
    m_pStyleClass = other.m_pStyleClass;
    m_nNextId = other.m_nNextId;
    for (const auto& kv : other.m_mapIdToEntry) {
        GXBaseStyleEntry entry = kv.second;
        entry.pStyle = kv.second.pStyle->Clone();
        m_mapIdToEntry[kv.first] = entry;
    }
    m_mapResIdToId = other.m_mapResIdToId;
    m_mapNameToId = other.m_mapNameToId;
    m_mapControlNames = other.m_mapControlNames;
    for (const auto& kv : other.m_mapUserAttributes) {
        GXUserAttributeEntry entry = kv.second;
        entry.pDefault = kv.second.pDefault != nullptr ? kv.second.pDefault->Clone() : nullptr;
        m_mapUserAttributes[kv.first] = entry;
    }
}

CGXStyle* CGXStylesMap::CreateStyle() const
{
    CObject* pOb = m_pStyleClass != nullptr ? m_pStyleClass->CreateObject() : nullptr;
    CGXStyle* pStyle = pOb != nullptr && pOb->IsKindOf(RUNTIME_CLASS(CGXStyle))
        ? static_cast<CGXStyle*>(pOb)
        : nullptr;
    if (pStyle == nullptr) {
        delete pOb;
        pStyle = new CGXStyle;
    }
    return pStyle;
}

WORD CGXStylesMap::StoreBaseStyle(WORD nId, LPCTSTR pszName, UINT nResId, const CGXStyle& style,
                                  int nFlag)
{
    GXBaseStyleEntry& entry = m_mapIdToEntry[nId];
    CGXStyle* pCopy = CreateStyle();
    *pCopy = style;
    delete entry.pStyle;
    entry.pStyle = pCopy;
    entry.nId = nId;
    entry.nResId = nResId;
    entry.strName = pszName;
    entry.nFlag = nFlag;
    m_mapNameToId[pszName] = nId;
    if (nResId != 0)
        m_mapResIdToId[nResId] = nId;
    return nId;
}

WORD CGXStylesMap::AddBaseStyle(LPCTSTR pszName, const CGXStyle& style, int nFlag)
{
    WORD nId = BaseStyleIdOfName(pszName);
    if (nId == 0) {
        if (m_nNextId >= kMaxBaseStyleId)
            return 0; // no 8-bit id left: refused, never aliased to another style
        nId = ++m_nNextId;
    }
    auto it = m_mapIdToEntry.find(nId);
    UINT nResId = it != m_mapIdToEntry.end() ? it->second.nResId : 0;
    return StoreBaseStyle(nId, pszName, nResId, style, nFlag);
}

WORD CGXStylesMap::AddBaseStyleByStringId(UINT nResId, const CGXStyle& style, int nFlag)
{
    CString strName;
    if (!GXLoadString(nResId, strName) || strName.IsEmpty())
        strName.Format("UA%u", nResId);
    WORD nId = BaseStyleIdOfStringId(nResId);
    if (nId == 0) {
        if (m_nNextId >= kMaxBaseStyleId)
            return 0;
        nId = ++m_nNextId;
    }
    return StoreBaseStyle(nId, strName, nResId, style, nFlag);
}

BOOL CGXStylesMap::LookupBaseStyle(WORD nId, const CGXStyle*& pStyle) const
{
    auto it = m_mapIdToEntry.find(nId);
    if (it == m_mapIdToEntry.end())
        return FALSE;
    pStyle = it->second.pStyle;
    return TRUE;
}

LPCTSTR CGXStylesMap::BaseStyleName(WORD nId, UINT& nResId) const
{
    auto it = m_mapIdToEntry.find(nId);
    if (it == m_mapIdToEntry.end()) {
        nResId = 0;
        return nullptr;
    }
    nResId = it->second.nResId;
    return it->second.strName;
}

WORD CGXStylesMap::BaseStyleIdOfName(LPCTSTR pszName) const
{
    auto it = m_mapNameToId.find(CString(pszName));
    return it != m_mapNameToId.end() ? it->second : 0;
}

WORD CGXStylesMap::BaseStyleIdOfStringId(UINT nResId) const
{
    auto it = m_mapResIdToId.find(nResId);
    return it != m_mapResIdToId.end() ? it->second : 0;
}

POSITION CGXStylesMap::GetStartPosition() const
{
    return m_mapNameToId.empty() ? nullptr : (POSITION)(UINT_PTR)1;
}

void CGXStylesMap::NextBaseStyle(POSITION& pos, WORD& nId, CString& strName,
                                 const CGXStyle*& pStyle, UINT& nResId) const
{
    size_t nIndex = (size_t)(UINT_PTR)pos - 1;
    if (pos == nullptr || nIndex >= m_mapNameToId.size())
        AfxThrowNotSupportedException();
    auto it = std::next(m_mapNameToId.begin(), (ptrdiff_t)nIndex);
    strName = it->first;
    nId = it->second;
    auto entry = m_mapIdToEntry.find(nId);
    pStyle = entry != m_mapIdToEntry.end() ? entry->second.pStyle : nullptr;
    nResId = entry != m_mapIdToEntry.end() ? entry->second.nResId : 0;
    pos = nIndex + 1 < m_mapNameToId.size() ? (POSITION)(UINT_PTR)(nIndex + 2) : nullptr;
}

void CGXStylesMap::DeclareUserAttribute(WORD nResId, const CGXStyle* pDefaultStyle)
{
    if (m_mapUserAttributes.count(nResId) != 0)
        return;
    CString strName;
    if (!GXLoadString(nResId, strName))
        AfxThrowResourceException();
    GXUserAttributeEntry entry;
    entry.nId = nResId;
    entry.strName = strName;
    entry.pDefault = CreateStyle();
    if (pDefaultStyle != nullptr)
        *entry.pDefault = *pDefaultStyle;
    m_mapUserAttributes[nResId] = entry;
}

void CGXStylesMap::DeclareControlName(WORD nResId)
{
    if (m_mapControlNames.count(nResId) != 0)
        return;
    CString strName;
    if (!GXLoadString(nResId, strName))
        AfxThrowResourceException();
    m_mapControlNames[nResId] = strName;
}

void CGXStylesMap::AddBuiltInStyles()
{
    CGXStyle standard;
    standard.MakeStandardStyle();
    CGXFont font = GXGetDefaultFont();
    font.SetSize(8);
    standard.SetFont(font);
    m_wStyleStandard = AddBaseStyleByStringId(GX_IDS_STYLE_STANDARD, standard, 1);

    CGXGridLibraryState& state = GXGetLibraryState();
    const BOOL b3d = state.m_b3dLook1 || state.m_b3dLook2;
    CGXStyle colHeader;
    colHeader.SetFont(CGXFont().SetBold(TRUE))
        .SetInterior(CGXBrush().SetColor(GXSysColorRef(COLOR_BTNFACE)))
        .SetHorizontalAlignment(DT_CENTER)
        .SetVerticalAlignment(DT_VCENTER)
        .SetControl(GX_IDS_CTRL_HEADER);
    CGXStyle rowHeader;
    rowHeader.SetInterior(CGXBrush().SetColor(GXSysColorRef(COLOR_BTNFACE)))
        .SetControl(GX_IDS_CTRL_HEADER);
    if (b3d) {
        colHeader.SetBorders(gxBorderAll, CGXPen(PS_NULL, 1, 0));
        rowHeader.SetBorders(gxBorderAll, CGXPen(PS_NULL, 1, 0));
    }
    m_wStyleColHeader = AddBaseStyleByStringId(GX_IDS_STYLE_COLHEADER, colHeader, 1);
    m_wStyleRowHeader = AddBaseStyleByStringId(GX_IDS_STYLE_ROWHEADER, rowHeader, 1);
}

void CGXStylesMap::ClearBaseStyles()
{
    for (auto& kv : m_mapIdToEntry)
        delete kv.second.pStyle;
    m_mapIdToEntry.clear();
    m_mapResIdToId.clear();
    m_mapNameToId.clear();
}

void CGXStylesMap::ClearControlNames() { m_mapControlNames.clear(); }

void CGXStylesMap::ClearUserAttributes()
{
    for (auto& kv : m_mapUserAttributes)
        delete kv.second.pDefault;
    m_mapUserAttributes.clear();
}

void CGXStylesMap::RemoveAll()
{
    ClearBaseStyles();
    ClearControlNames();
    ClearUserAttributes();
}

void CGXStylesMap::Serialize(CArchive& ar)
{
    if (CGXAbstractGridDocSerializeImp* pImp = GXGetLibraryState().m_pDocSerializeImp)
        pImp->SerializeStylesMap(*this, ar);
}

void CGXStylesMap::WriteProfile() const
{
    if (CGXAbstractGridProfileImp* pImp = GXGetLibraryState().m_pProfileImp)
        pImp->WriteStylesMap(const_cast<CGXStylesMap&>(*this));
}

BOOL CGXStylesMap::ReadProfile()
{
    CGXAbstractGridProfileImp* pImp = GXGetLibraryState().m_pProfileImp;
    return pImp != nullptr && pImp->ReadStylesMap(*this);
}

BOOL CGXStylesMap::RestoreBaseStyle(WORD nId, UINT nResId, LPCTSTR pszName, const CGXStyle& style,
                                    int nFlag)
{
    if (nId == 0 || nId > kMaxBaseStyleId)
        return FALSE;
    auto it = m_mapIdToEntry.find(nId);
    if (it != m_mapIdToEntry.end()) {
        // A repeated id replaces the entry and its look-ups.
        m_mapNameToId.erase(it->second.strName);
        if (it->second.nResId != 0)
            m_mapResIdToId.erase(it->second.nResId);
    }
    StoreBaseStyle(nId, pszName, nResId, style, nFlag);
    if (nId > m_nNextId)
        m_nNextId = nId;
    return TRUE;
}

void CGXStylesMap::RestoreUserAttribute(WORD nId, LPCTSTR pszName, const CGXStyle& defaultStyle)
{
    GXUserAttributeEntry& entry = m_mapUserAttributes[nId];
    delete entry.pDefault;
    entry.nId = nId;
    entry.strName = pszName;
    entry.pDefault = CreateStyle();
    *entry.pDefault = defaultStyle;
}

void CGXStylesMap::SetNextId(WORD nId)
{
    WORD nHighest = m_mapIdToEntry.empty() ? 0 : m_mapIdToEntry.rbegin()->first;
    if (nId > kMaxBaseStyleId)
        nId = kMaxBaseStyleId;
    m_nNextId = nId > nHighest ? nId : nHighest;
}

void CGXStylesMap::LookUpStandardStyles()
{
    m_wStyleStandard = BaseStyleIdOfStringId(GX_IDS_STYLE_STANDARD);
    m_wStyleColHeader = BaseStyleIdOfStringId(GX_IDS_STYLE_COLHEADER);
    m_wStyleRowHeader = BaseStyleIdOfStringId(GX_IDS_STYLE_ROWHEADER);
}
