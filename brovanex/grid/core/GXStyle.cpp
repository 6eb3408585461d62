#include "core/GXStyle.h"
#include "core/GXLibraryState.h"
#include "core/GXStylesMap.h"
#include "core/GXSysColorCache.h"
#include "res/GXResource.h"

IMPLEMENT_SERIAL(CGXStyle, CObject, 0)

namespace {
// The flag and small-number attributes kept in the value word: include bit, shift, width.
struct PackedAttribute
{
    DWORD dwBit;
    int nShift;
    int nBits;
};
const PackedAttribute kPacked[] = {
    {gxReadOnly, 2, 1},   {gxVertScroll, 3, 1},  {gxWrapText, 4, 1},  {gxAllowEnter, 5, 1},
    {gxEnabled, 6, 1},    {gxTriState, 7, 1},    {gxAutoSize, 8, 1},  {gxFloodCell, 9, 1},
    {gxFloatCell, 10, 1}, {gxDraw3dFrame, 0, 2}, {gxMergeCell, 11, 3}};

const CGXPen& UnsetPen()
{
    static const CGXPen pen;
    return pen;
}
} // namespace

CGXStyle::CGXStyle()
    : m_dwIncludeBits(0), m_nMaxLength(0), m_nControlId(0), m_dwValueWord(0), m_dwTextColorWord(0),
      m_dwFormatWord(0), m_pPenArray(nullptr), m_pFont(nullptr), m_pmapUserAttributes(nullptr),
      m_dwItemData(0)
{ }

CGXStyle::CGXStyle(const CGXStyle& other)
    : CObject(), m_dwIncludeBits(other.m_dwIncludeBits), m_nMaxLength(other.m_nMaxLength),
      m_brInterior(other.m_brInterior), m_nControlId(other.m_nControlId),
      m_dwValueWord(other.m_dwValueWord), m_dwTextColorWord(other.m_dwTextColorWord),
      m_dwFormatWord(other.m_dwFormatWord), m_pPenArray(nullptr), m_pFont(nullptr),
      m_pmapUserAttributes(nullptr), m_dwItemData(other.m_dwItemData)
{
    if (other.GetInclude(gxValue))
        m_strValue = other.m_strValue;
    if (other.GetInclude(gxChoiceList))
        m_strChoiceList = other.m_strChoiceList;
    try {
        if (other.m_pPenArray != nullptr) {
            m_pPenArray = new CGXPen[4];
            for (int i = 0; i < 4; ++i)
                m_pPenArray[i] = other.m_pPenArray[i];
        }
        if (other.m_pFont != nullptr)
            m_pFont = new CGXFont(*other.m_pFont);
        if (other.m_pmapUserAttributes != nullptr)
            m_pmapUserAttributes = new CGXUserAttributeMap(*other.m_pmapUserAttributes);
    } catch (...) {
        ClearAll();
        throw;
    }
}

CGXStyle::~CGXStyle() { ClearAll(); }

CGXStyle* CGXStyle::Clone() const { return new CGXStyle(*this); }

void CGXStyle::ClearAll()
{
    delete[] m_pPenArray;
    m_pPenArray = nullptr;
    delete m_pFont;
    m_pFont = nullptr;
    m_strValue.Empty();
    m_strChoiceList.Empty();
    m_dwItemData = 0;
    m_dwIncludeBits = 0;
    delete m_pmapUserAttributes;
    m_pmapUserAttributes = nullptr;
}

CGXStyle& CGXStyle::SetInclude(DWORD dwBits, BOOL bInclude)
{
    if (bInclude)
        m_dwIncludeBits |= dwBits;
    else
        m_dwIncludeBits &= ~dwBits;
    return *this;
}

DWORD CGXStyle::GetIncludeBits() const
{
    DWORD dw = m_dwIncludeBits & ~(gxFloodCell | gxFloatCell);
    if (m_dwIncludeBits & gxFloodCell)
        dw |= gxFloatCell;
    if (m_dwIncludeBits & gxFloatCell)
        dw |= gxFloodCell;
    return dw;
}

void CGXStyle::SetIncludeBits(DWORD dwArchiveBits)
{
    DWORD dw = dwArchiveBits & gxAllBits & ~(gxFloodCell | gxFloatCell);
    if (dwArchiveBits & gxFloatCell)
        dw |= gxFloodCell;
    if (dwArchiveBits & gxFloodCell)
        dw |= gxFloatCell;
    m_dwIncludeBits = dw;
}

void CGXStyle::SetValueBits(int nShift, int nBits, DWORD dw)
{
    DWORD mask = ((1u << nBits) - 1) << nShift;
    m_dwValueWord = (m_dwValueWord & ~mask) | ((dw << nShift) & mask);
}

CGXStyle& CGXStyle::SetFlag(DWORD dwInclude, int nBit, BOOL b)
{
    SetValueBits(nBit, 1, b ? 1 : 0);
    m_dwIncludeBits |= dwInclude;
    return *this;
}

CGXStyle& CGXStyle::SetHorizontalAlignment(UINT nDTFlags)
{
    SetValueBits(14, 2, nDTFlags == DT_CENTER ? 1 : nDTFlags == DT_RIGHT ? 2 : 0);
    m_dwIncludeBits |= gxHorzAlign;
    return *this;
}

UINT CGXStyle::GetHorizontalAlignment() const
{
    switch ((m_dwValueWord >> 14) & 3) {
    case 1:
        return DT_CENTER;
    case 2:
        return DT_RIGHT;
    default:
        return DT_LEFT;
    }
}

CGXStyle& CGXStyle::SetVerticalAlignment(UINT nDTFlags)
{
    SetValueBits(16, 2, nDTFlags == DT_VCENTER ? 1 : nDTFlags == DT_BOTTOM ? 2 : 0);
    m_dwIncludeBits |= gxVertAlign;
    return *this;
}

UINT CGXStyle::GetVerticalAlignment() const
{
    switch ((m_dwValueWord >> 16) & 3) {
    case 1:
        return DT_VCENTER;
    case 2:
        return DT_BOTTOM;
    default:
        return DT_TOP;
    }
}

CGXStyle& CGXStyle::SetDraw3dFrame(int n)
{
    SetValueBits(0, 2, (DWORD)n);
    m_dwIncludeBits |= gxDraw3dFrame;
    return *this;
}

CGXStyle& CGXStyle::SetMergeCell(int n)
{
    SetValueBits(11, 3, (DWORD)n);
    m_dwIncludeBits |= gxMergeCell;
    return *this;
}

CGXStyle& CGXStyle::SetControl(WORD nControlId)
{
    m_nControlId = nControlId;
    m_dwIncludeBits |= gxControl;
    return *this;
}

CGXStyle& CGXStyle::SetMaxLength(WORD nMaxLength)
{
    m_nMaxLength = nMaxLength;
    m_dwIncludeBits |= gxMaxLength;
    return *this;
}

CGXStyle& CGXStyle::SetItemDataPtr(DWORD dw)
{
    m_dwItemData = dw;
    m_dwIncludeBits |= gxItemData;
    return *this;
}

CGXStyle& CGXStyle::SetInterior(const CGXBrush& brush)
{
    m_brInterior = brush;
    m_dwIncludeBits |= gxInterior;
    return *this;
}

CGXStyle& CGXStyle::SetTextColor(COLORREF cr)
{
    DWORD dwColor, dwType;
    if (GXIsSysColorRef(cr)) {
        dwColor = (DWORD)GXSysColorIndexOfRef(cr);
        dwType = 3;
    } else {
        dwColor = cr & 0xFFFFFF;
        dwType = (cr >> 24) & 3;
    }
    m_dwTextColorWord = (m_dwTextColorWord & 0xFF000000) | dwColor;
    SetValueBits(18, 2, dwType);
    m_dwIncludeBits |= gxTextColor;
    return *this;
}

COLORREF CGXStyle::GetTextColor() const
{
    DWORD dwColor = m_dwTextColorWord & 0xFFFFFF;
    DWORD dwType = (m_dwValueWord >> 18) & 3;
    if (dwType == 3) // an index no reference can name resolves to black
        return GXSysColorRef(dwColor <= GX_MAXSYSCOLORINDEX ? (int)dwColor : -1);
    return dwColor | (dwType << 24);
}

CGXStyle& CGXStyle::SetValue(LPCTSTR pszValue)
{
    m_strValue = pszValue != nullptr ? pszValue : "";
    SetValueBits(20, 3, 0);
    m_dwIncludeBits |= gxValue;
    return *this;
}

CGXStyle& CGXStyle::SetValue(DWORD dwValue)
{
    m_strValue.Format("%lu", (unsigned long)dwValue);
    SetValueBits(20, 3, 1);
    m_dwIncludeBits |= gxValue;
    return *this;
}

CGXStyle& CGXStyle::SetValueType(int nType)
{
    SetValueBits(20, 3, (DWORD)nType);
    return *this;
}

CGXStyle& CGXStyle::SetChoiceList(LPCTSTR pszChoices)
{
    m_strChoiceList = pszChoices != nullptr ? pszChoices : "";
    m_dwIncludeBits |= gxChoiceList;
    return *this;
}

CGXStyle& CGXStyle::SetFormat(int nFormat)
{
    m_dwFormatWord = (m_dwFormatWord & ~0x1Fu) | ((DWORD)nFormat & 0x1F);
    m_dwIncludeBits |= gxFormat;
    return *this;
}

CGXStyle& CGXStyle::SetPlaces(int nPlaces)
{
    m_dwFormatWord = (m_dwFormatWord & ~(0xFu << 5)) | (((DWORD)nPlaces & 0xF) << 5);
    m_dwIncludeBits |= gxPlaces;
    return *this;
}

CGXStyle& CGXStyle::SetBaseStyle(WORD nBaseStyleId)
{
    if (nBaseStyleId > 0xFF)
        return *this;
    m_dwTextColorWord = (m_dwTextColorWord & 0xFFFFFF) | ((DWORD)nBaseStyleId << 24);
    m_dwIncludeBits |= gxBaseStyle;
    return *this;
}

// ---------------------------------------------------------------------------------------
// Borders

CGXStyle& CGXStyle::SetBorders(int nIndex, const CGXPen& pen)
{
    if (nIndex < gxBorderAll || nIndex > gxBorderBottom)
        return *this;
    if (m_pPenArray == nullptr)
        m_pPenArray = new CGXPen[4];
    for (int i = 0; i < 4; ++i)
        if (nIndex == gxBorderAll || nIndex == i)
            m_pPenArray[i] = pen;
    m_dwIncludeBits |= gxBorders;
    return *this;
}

CGXStyle& CGXStyle::SetBorders(const CGXPen* pPens)
{
    if (pPens == nullptr) {
        delete[] m_pPenArray;
        m_pPenArray = nullptr;
        m_dwIncludeBits &= ~gxBorders;
        return *this;
    }
    if (m_pPenArray == nullptr)
        m_pPenArray = new CGXPen[4];
    for (int i = 0; i < 4; ++i)
        m_pPenArray[i] = pPens[i];
    m_dwIncludeBits |= gxBorders;
    return *this;
}

CGXStyle& CGXStyle::MarkBorderSet(int nIndex, BOOL bSet)
{
    if (nIndex < gxBorderAll || nIndex > gxBorderBottom)
        return *this;
    if (m_pPenArray == nullptr) {
        if (!bSet) {
            m_dwIncludeBits &= ~gxBorders;
            return *this;
        }
        m_pPenArray = new CGXPen[4];
    }
    for (int i = 0; i < 4; ++i)
        if (nIndex == gxBorderAll || nIndex == i)
            m_pPenArray[i].MarkSet(bSet);
    BOOL bAny = nIndex == gxBorderAll ? bSet : FALSE;
    if (nIndex != gxBorderAll)
        for (int i = 0; i < 4; ++i)
            bAny = bAny || m_pPenArray[i].IsSet();
    SetInclude(gxBorders, bAny);
    return *this;
}

const CGXPen& CGXStyle::GetBorders(int nIndex) const
{
    if (m_pPenArray == nullptr || nIndex < 0 || nIndex > 3)
        return UnsetPen();
    return m_pPenArray[nIndex];
}

// ---------------------------------------------------------------------------------------
// Font

CGXStyle& CGXStyle::SetFont(const CGXFont& font, GXModifyType mt)
{
    if (mt == gxExclude) {
        if (m_pFont != nullptr && GetInclude(gxFont))
            m_pFont->ChangeFont(font, gxExclude);
        return *this;
    }
    if (m_pFont != nullptr)
        m_pFont->ChangeFont(font, mt);
    else
        m_pFont = new CGXFont(font);
    m_dwIncludeBits |= gxFont;
    return *this;
}

const CGXFont& CGXStyle::GetFont() const
{
    static const CGXFont empty;
    return m_pFont != nullptr ? *m_pFont : empty;
}

// ---------------------------------------------------------------------------------------
// User attributes

CGXStyle& CGXStyle::SetUserAttributePtr(WORD nId, CGXAbstractUserAttribute* pAttribute)
{
    if (pAttribute == nullptr)
        return *this;
    if (m_pmapUserAttributes == nullptr)
        m_pmapUserAttributes = new CGXUserAttributeMap;
    m_pmapUserAttributes->PutAttribute(nId, pAttribute);
    m_dwIncludeBits |= gxUserAttr;
    return *this;
}

CGXStyle& CGXStyle::SetUserAttribute(WORD nId, LPCTSTR pszValue)
{
    return SetUserAttributePtr(nId, new CGXUserAttribute(pszValue));
}

CGXStyle& CGXStyle::SetUserAttribute(WORD nId, DWORD dwValue)
{
    CGXUserAttribute* p = new CGXUserAttribute;
    p->SetDWord(dwValue);
    return SetUserAttributePtr(nId, p);
}

CGXStyle& CGXStyle::PutUserAttribute(WORD nId, const CGXAbstractUserAttribute& attribute)
{
    if (m_pmapUserAttributes == nullptr)
        m_pmapUserAttributes = new CGXUserAttributeMap;
    m_pmapUserAttributes->PutAttributeCopy(nId, attribute);
    m_dwIncludeBits |= gxUserAttr;
    return *this;
}

const CGXAbstractUserAttribute& CGXStyle::FindUserAttribute(WORD nId) const
{
    static const CGXUserAttribute empty;
    const CGXAbstractUserAttribute* p =
        m_pmapUserAttributes != nullptr ? m_pmapUserAttributes->FindAttribute(nId) : nullptr;
    return p != nullptr ? *p : empty;
}

BOOL CGXStyle::HasUserAttribute(WORD nId) const
{
    return m_pmapUserAttributes != nullptr && m_pmapUserAttributes->FindAttribute(nId) != nullptr;
}

CGXStyle& CGXStyle::ReplaceUserAttributes(const CGXUserAttributeMap* pMap)
{
    if (pMap == m_pmapUserAttributes && pMap != nullptr)
        return *this;
    delete m_pmapUserAttributes;
    m_pmapUserAttributes = nullptr;
    if (pMap == nullptr || pMap->IsEmpty()) {
        m_dwIncludeBits &= ~gxUserAttr;
        return *this;
    }
    m_pmapUserAttributes = new CGXUserAttributeMap(*pMap);
    m_dwIncludeBits |= gxUserAttr;
    return *this;
}

// ---------------------------------------------------------------------------------------
// Assignment, merging and base styles

void CGXStyle::CopyBorders(const CGXStyle& other)
{
    if (other.GetInclude(gxBorders) && other.m_pPenArray != nullptr) {
        if (m_pPenArray == nullptr)
            m_pPenArray = new CGXPen[4];
        for (int i = 0; i < 4; ++i)
            m_pPenArray[i] = other.m_pPenArray[i];
    } else {
        delete[] m_pPenArray;
        m_pPenArray = nullptr;
    }
}

CGXStyle& CGXStyle::operator=(const CGXStyle& other)
{
    if (&other == this)
        return *this;
    if (other.m_dwIncludeBits == 0) {
        ClearAll();
        return *this;
    }
    m_dwIncludeBits = other.m_dwIncludeBits;
    m_nMaxLength = other.m_nMaxLength;
    m_brInterior = other.m_brInterior;
    m_nControlId = other.m_nControlId;
    m_dwItemData = other.m_dwItemData;
    m_dwValueWord = other.m_dwValueWord;
    m_dwTextColorWord = other.m_dwTextColorWord;
    m_dwFormatWord = other.m_dwFormatWord;
    if (other.GetInclude(gxValue))
        m_strValue = other.m_strValue;
    else
        m_strValue.Empty();
    if (other.GetInclude(gxChoiceList))
        m_strChoiceList = other.m_strChoiceList;
    else
        m_strChoiceList.Empty();
    if (other.m_pmapUserAttributes != nullptr && !other.m_pmapUserAttributes->IsEmpty()) {
        if (m_pmapUserAttributes == nullptr)
            m_pmapUserAttributes = new CGXUserAttributeMap(*other.m_pmapUserAttributes);
        else
            *m_pmapUserAttributes = *other.m_pmapUserAttributes;
    } else {
        delete m_pmapUserAttributes;
        m_pmapUserAttributes = nullptr;
    }
    CopyBorders(other);
    if (other.GetInclude(gxFont) && other.m_pFont != nullptr) {
        if (m_pFont == nullptr)
            m_pFont = new CGXFont(*other.m_pFont);
        else
            *m_pFont = *other.m_pFont;
    } else {
        delete m_pFont;
        m_pFont = nullptr;
    }
    return *this;
}

CGXStyle& CGXStyle::MergeStyle(const CGXStyle& other, GXModifyType mt)
{
    if (&other == this)
        return *this;
    // Excluding from an empty style leaves it empty (it never turns into a copy).
    if (mt == gxCopy || (m_dwIncludeBits == 0 && mt != gxExclude))
        return *this = other;

    const DWORD dwOther = other.m_dwIncludeBits;
    if (mt == gxExclude) {
        m_dwIncludeBits &= ~dwOther;
        if ((dwOther & gxBorders) && other.m_pPenArray != nullptr && m_pPenArray != nullptr) {
            for (int i = 0; i < 4; ++i)
                if (other.m_pPenArray[i].IsSet())
                    m_pPenArray[i].MarkSet(FALSE);
        }
        if ((dwOther & gxFont) && other.m_pFont != nullptr && m_pFont != nullptr)
            m_pFont->ChangeFont(*other.m_pFont, gxExclude);
        if (dwOther & gxValue)
            m_strValue.Empty();
        if ((dwOther & gxUserAttr) && other.m_pmapUserAttributes != nullptr &&
            m_pmapUserAttributes != nullptr) {
            m_pmapUserAttributes->MergeMap(*other.m_pmapUserAttributes, gxExclude);
            if (m_pmapUserAttributes->IsEmpty()) {
                delete m_pmapUserAttributes;
                m_pmapUserAttributes = nullptr;
            }
        }
        return *this;
    }
    if (dwOther == 0)
        return *this;

    auto take = [&](DWORD dwBit) {
        return (dwOther & dwBit) && (mt == gxOverride || !(m_dwIncludeBits & dwBit));
    };

    if (take(gxHorzAlign))
        SetHorizontalAlignment(other.GetHorizontalAlignment());
    if (take(gxVertAlign))
        SetVerticalAlignment(other.GetVerticalAlignment());
    for (const PackedAttribute& a : kPacked) {
        if (take(a.dwBit)) {
            SetValueBits(a.nShift, a.nBits,
                         (other.m_dwValueWord >> a.nShift) & ((1u << a.nBits) - 1));
            m_dwIncludeBits |= a.dwBit;
        }
    }
    if (take(gxControl))
        SetControl(other.m_nControlId);
    if (take(gxInterior))
        SetInterior(other.m_brInterior);
    if (take(gxTextColor))
        SetTextColor(other.GetTextColor());
    if (take(gxValue)) {
        m_strValue = other.m_strValue;
        SetValueType(other.GetValueType());
        m_dwIncludeBits |= gxValue;
    }
    if (take(gxChoiceList))
        SetChoiceList(other.m_strChoiceList);
    if (take(gxMaxLength))
        SetMaxLength(other.m_nMaxLength);
    if (take(gxBaseStyle))
        SetBaseStyle(other.GetBaseStyle());
    if (take(gxFormat))
        SetFormat(other.GetFormat());
    if (take(gxPlaces))
        SetPlaces(other.GetPlaces());

    if ((dwOther & gxBorders) && other.m_pPenArray != nullptr) {
        for (int i = 0; i < 4; ++i) {
            const CGXPen& pen = other.m_pPenArray[i];
            if (pen.IsSet() &&
                (mt == gxOverride || !GetInclude(gxBorders) || m_pPenArray == nullptr ||
                 !m_pPenArray[i].IsSet()))
                SetBorders(i, pen);
        }
    }
    if ((dwOther & gxFont) && other.m_pFont != nullptr) {
        if (GetInclude(gxFont) && m_pFont != nullptr) {
            m_pFont->ChangeFont(*other.m_pFont, mt);
        } else {
            delete m_pFont;
            m_pFont = new CGXFont(*other.m_pFont);
            m_dwIncludeBits |= gxFont;
        }
    }
    if (other.m_pmapUserAttributes != nullptr && !other.m_pmapUserAttributes->IsEmpty()) {
        if (m_pmapUserAttributes == nullptr)
            m_pmapUserAttributes = new CGXUserAttributeMap;
        m_pmapUserAttributes->MergeMap(*other.m_pmapUserAttributes, mt);
        m_dwIncludeBits |= gxUserAttr;
    }
    if (take(gxItemData))
        SetItemDataPtr(other.m_dwItemData);
    return *this;
}

CGXStyle& CGXStyle::ApplyBaseStyles(const CGXStylesMap* pStylesMap)
{
    if (pStylesMap == nullptr)
        return *this;
    // Each base style is applied once: a chain that leads back to a style already
    // applied ends there.
    bool abApplied[256] = {};
    const CGXStyle* pExamined = this;
    while (pExamined->GetInclude(gxBaseStyle)) {
        WORD nId = pExamined->GetBaseStyle();
        if (abApplied[nId])
            break;
        abApplied[nId] = true;
        const CGXStyle* pBase = nullptr;
        if (!pStylesMap->LookupBaseStyle(nId, pBase) || pBase == nullptr)
            break;
        MergeStyle(*pBase, gxApplyNew);
        pExamined = pBase;
    }
    return *this;
}

CGXStyle& CGXStyle::MakeStandardStyle()
{
    ClearAll();
    SetHorizontalAlignment(DT_LEFT);
    SetVerticalAlignment(DT_TOP);
    SetReadOnly(FALSE);
    SetControl(GX_IDS_CTRL_EDIT);
    SetInterior(CGXBrush().SetColor(GXSysColorRef(COLOR_WINDOW)));
    SetTextColor(GXSysColorRef(COLOR_WINDOWTEXT));
    SetWrapText(TRUE);
    SetAllowEnter(FALSE);
    SetFont(GXGetDefaultFont());
    SetValue("");
    SetChoiceList("");
    SetVerticalScrollBar(FALSE);
    SetMaxLength(0);
    SetEnabled(TRUE);
    SetTriState(FALSE);
    SetDraw3dFrame(0);
    SetAutoSize(FALSE);
    SetItemDataPtr(0);
    SetFloodCell(TRUE);
    SetFloatCell(TRUE);
    SetMergeCell(0);
    SetFormat(0);
    SetPlaces(13);
    return *this;
}

BOOL CGXStyle::ContainsStyle(const CGXStyle& other) const
{
    CGXAbstractStyleCompareSubsetImp* pImp = GXGetLibraryState().m_pStyleCompareSubsetImp;
    return pImp != nullptr && pImp->IsStyleSubSet(*this, other);
}

void CGXStyle::Serialize(CArchive& ar, const CGXStylesMap* pStylesMap)
{
    if (CGXAbstractStyleSerializeImp* pImp = GXGetLibraryState().m_pStyleSerializeImp)
        pImp->SerializeStyle(*this, ar, pStylesMap);
}

void CGXStyle::WriteProfile(LPCTSTR pszSection, LPCTSTR pszEntry) const
{
    if (CGXAbstractGridProfileImp* pImp = GXGetLibraryState().m_pProfileImp)
        pImp->WriteStyle(*this, pszSection, pszEntry);
}

BOOL CGXStyle::ReadProfile(LPCTSTR pszSection, LPCTSTR pszEntry)
{
    CGXAbstractGridProfileImp* pImp = GXGetLibraryState().m_pProfileImp;
    return pImp != nullptr && pImp->ReadStyle(*this, pszSection, pszEntry);
}
