#include "core/GXProperties.h"
#include "core/GXData.h"
#include "core/GXFont.h"
#include "core/GXLibraryState.h"
#include "core/GXResourceString.h"
#include "core/GXSysColorCache.h"
#include "features/GXAbstractGridFeatures.h"
#include "res/GXResource.h"

IMPLEMENT_SERIAL(CGXProperties, CObject, 0)

CGXProperties::CGXProperties()
    : m_pAppData(&GXGetLibraryState()), m_abDisplay {TRUE, TRUE, TRUE, TRUE, TRUE},
      m_bPrintingFlag(FALSE), m_strSection("Grid"),
      m_nZoom(100), m_abPrint {TRUE, TRUE, FALSE, TRUE, TRUE, FALSE, TRUE, FALSE, TRUE},
      m_nFirstPage(-1), m_pDataFooter(new CGXData), m_pDataHeader(new CGXData)
{
    static const UINT kChoiceIds[5] = {51006, 51007, 51008, 51009, 20059};
    for (int i = 0; i < 5; ++i)
        GXLoadString(kChoiceIds[i], m_astrChoices[i]);

    const int nPixels = GXGetLogPixelsX();
    m_nTopMargin = m_nBottomMargin = nPixels * 3 / 2;
    m_nLeftMargin = m_nRightMargin = nPixels;
    m_nHeaderDistance = m_nFooterDistance = nPixels * 2 / 5;

    AddColorByStringId(GX_IDS_COLOR_GRIDLINES, GXSysColorRef(COLOR_GRAYTEXT));
    AddColorByStringId(GX_IDS_COLOR_CURRENTCELL, GXSysColorRef(COLOR_ACTIVECAPTION));
    AddColorByStringId(GX_IDS_COLOR_SELFRAME, 255);
    AddColorByStringId(GX_IDS_COLOR_DRAGFEEDBACK, 255);
    AddColorByStringId(GX_IDS_COLOR_BACKGROUND, GXSysColorRef(COLOR_BTNFACE));

    for (LPCTSTR psz : {"$F", "$A", "$P", "$N", "$D", "$R"})
        AddToken(psz);

    // Footer: the date left and "page/pages" right; header: the title in the middle.
    CGXStyle style;
    m_pDataFooter->PutCellStyle(1, 1, &style.SetValue("$D"), gxOverride, 0);
    m_pDataFooter->PutCellStyle(1, 3, &style.SetValue("$P/$N"), gxOverride, 0);
    CGXStyle title;
    title.SetValue("$R").SetFont(CGXFont().SetBold(TRUE).SetSize(16));
    m_pDataHeader->PutCellStyle(1, 2, &title, gxOverride, 0);
}

CGXProperties::CGXProperties(const CGXProperties& other) : CGXProperties() { *this = other; }

CGXProperties& CGXProperties::operator=(const CGXProperties& other)
{
    if (this != &other)
        if (CGXAbstractGridParamCopyOperatorImp* pImp = m_pAppData->m_pParamCopyOperatorImp)
            pImp->CopyProperties(*this, other);
    return *this;
}

CGXProperties::~CGXProperties()
{
    ClearAll();
    delete m_pDataHeader;
    delete m_pDataFooter;
}

void CGXProperties::ClearAll()
{
    m_colorNames.RemoveAll();
    m_colorValues.RemoveAll();
    for (auto& kv : m_mapUserProperties)
        delete kv.second.pStyle;
    m_mapUserProperties.clear();
}

void CGXProperties::CopyContents(const CGXProperties& other)
{
    if (this == &other)
        return;
    ClearAll();
    for (int i = 0; i < 5; ++i)
        m_astrChoices[i] = other.m_astrChoices[i];
    m_styleDefault = other.m_styleDefault;
    m_astrTokens.RemoveAll();
    for (INT_PTR i = 0; i < other.m_astrTokens.GetSize(); ++i)
        m_astrTokens.Add(other.m_astrTokens[i]);
    m_astrTokenValues.RemoveAll();
    for (INT_PTR i = 0; i < other.m_astrTokenValues.GetSize(); ++i)
        m_astrTokenValues.Add(other.m_astrTokenValues[i]);
    for (const auto& kv : other.m_mapUserProperties) {
        GXUserPropertyEntry entry = kv.second;
        entry.pStyle = kv.second.pStyle->Clone();
        m_mapUserProperties[kv.first] = entry;
    }
    for (int i = 0; i < 5; ++i)
        m_abDisplay[i] = other.m_abDisplay[i];
    m_bPrintingFlag = other.m_bPrintingFlag;
    m_strSection = other.m_strSection;
    for (INT_PTR i = 0; i < other.m_colorNames.GetSize(); ++i) {
        m_colorNames.Add(other.m_colorNames[i]);
        m_colorValues.Add(other.m_colorValues[i]);
    }
    m_nZoom = other.m_nZoom;
    m_nTopMargin = other.m_nTopMargin;
    m_nLeftMargin = other.m_nLeftMargin;
    m_nBottomMargin = other.m_nBottomMargin;
    m_nRightMargin = other.m_nRightMargin;
    m_nHeaderDistance = other.m_nHeaderDistance;
    m_nFooterDistance = other.m_nFooterDistance;
    for (int i = 0; i < 9; ++i)
        m_abPrint[i] = other.m_abPrint[i];
    m_nFirstPage = other.m_nFirstPage;
    *m_pDataHeader = *other.m_pDataHeader;
    *m_pDataFooter = *other.m_pDataFooter;
    m_awColBreaks.RemoveAll();
    for (INT_PTR i = 0; i < other.m_awColBreaks.GetSize(); ++i)
        m_awColBreaks.Add(other.m_awColBreaks[i]);
    m_awRowBreaks.RemoveAll();
    for (INT_PTR i = 0; i < other.m_awRowBreaks.GetSize(); ++i)
        m_awRowBreaks.Add(other.m_awRowBreaks[i]);
}

int CGXProperties::AddColorByStringId(UINT nResId, COLORREF cr)
{
    CString strName;
    if (!GXLoadString(nResId, strName) || strName.IsEmpty())
        strName.Format("COLOR%u", nResId);
    return AddColor(strName, cr);
}

int CGXProperties::AddColor(LPCTSTR pszName, COLORREF cr)
{
    for (INT_PTR i = 0; i < m_colorNames.GetSize(); ++i)
        if (m_colorNames[i] == pszName)
            return (int)i;
    m_colorNames.Add(pszName);
    m_colorValues.Add(cr);
    return (int)m_colorValues.GetSize() - 1;
}

COLORREF CGXProperties::GetColor(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_colorValues.GetSize())
        return 0;
    return m_colorValues[nIndex];
}

BOOL CGXProperties::SetColor(int nIndex, COLORREF cr)
{
    if (nIndex < 0 || nIndex >= m_colorValues.GetSize())
        return FALSE;
    m_colorValues[nIndex] = cr;
    return TRUE;
}

CString CGXProperties::GetColorName(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_colorNames.GetSize())
        return CString();
    return m_colorNames[nIndex];
}

int CGXProperties::AddToken(LPCTSTR pszName)
{
    m_astrTokens.Add(pszName);
    m_astrTokenValues.Add("");
    return (int)m_astrTokens.GetSize() - 1;
}

void CGXProperties::DefineUserProperty(WORD nId, const CGXStyle& style)
{
    auto it = m_mapUserProperties.find(nId);
    if (it != m_mapUserProperties.end()) {
        CGXStyle* pOld = it->second.pStyle;
        it->second.pStyle = style.Clone();
        delete pOld;
        return;
    }
    GXUserPropertyEntry entry;
    entry.nId = nId;
    if (!GXLoadString(nId, entry.strName) || entry.strName.IsEmpty())
        entry.strName.Format("USERPROP%u", (unsigned)nId);
    entry.pStyle = style.Clone();
    m_mapUserProperties[nId] = entry;
}

void CGXProperties::MergeUserProperty(WORD nId, const CGXStyle& style)
{
    auto it = m_mapUserProperties.find(nId);
    if (it == m_mapUserProperties.end())
        AfxThrowResourceException();
    it->second.pStyle->MergeStyle(style, gxOverride);
}

const CGXStyle& CGXProperties::FindUserProperty(WORD nId) const
{
    auto it = m_mapUserProperties.find(nId);
    return it != m_mapUserProperties.end() ? *it->second.pStyle : m_styleDefault;
}

void CGXProperties::AddStandardUserProperty()
{
    CString strChoices;
    for (int i = 0; i < 5; ++i) {
        if (i > 0)
            strChoices += '\n';
        strChoices += m_astrChoices[i];
    }
    CGXStyle style;
    style.SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST)
        .SetChoiceList(strChoices)
        .SetValue(m_astrChoices[0]);
    DefineUserProperty(GX_IDS_UP_CURRENTCELLFRAME, style);
}

CString CGXProperties::TokenText(int nToken)
{
    CString strRest;
    return SubstTokenText(nToken, strRest);
}

CString CGXProperties::ExpandTokens(LPCTSTR pszText)
{
    CGXAbstractGridPrintImp* pImp = m_pAppData->GetPrintImpOfProperties(this);
    return pImp != nullptr ? pImp->ExpandTokens(this, pszText) : CString();
}

CString CGXProperties::SubstTokenText(int nToken, CString& strRest)
{
    CGXAbstractGridPrintImp* pImp = m_pAppData->GetPrintImpOfProperties(this);
    return pImp != nullptr ? pImp->SubstTokenText(this, nToken, strRest) : CString();
}

CString CGXProperties::GetTokenArgs(CString& strRest)
{
    CGXAbstractGridPrintImp* pImp = m_pAppData->GetPrintImpOfProperties(this);
    return pImp != nullptr ? pImp->GetTokenArgs(this, strRest) : CString();
}

void CGXProperties::DrawHeaderAndFooter(CDC* pDC, CPrintInfo* pInfo, CDocument* pDoc,
                                        CGXGridParam* pParam)
{
    if (CGXAbstractGridPrintImp* pImp = m_pAppData->GetPrintImpOfProperties(this))
        pImp->DrawHeaderAndFooter(this, pDC, pInfo, pDoc, pParam);
}

int CGXProperties::CalcHeaderFooterHeight(CDC* pDC, CGXData* pBlock, CGXStylesMap* pStylesMap)
{
    CGXAbstractGridPrintImp* pImp = m_pAppData->GetPrintImpOfProperties(this);
    return pImp != nullptr ? pImp->CalcHeaderFooterHeight(this, pDC, pBlock, pStylesMap) : 0;
}

void CGXProperties::PrintHeaderFooter(CDC* pDC, CPrintInfo* pInfo, LPCRECT pRect, CGXData* pBlock,
                                      CGXStylesMap* pStylesMap)
{
    if (CGXAbstractGridPrintImp* pImp = m_pAppData->GetPrintImpOfProperties(this))
        pImp->PrintHeaderFooter(this, pDC, pInfo, pRect, pBlock, pStylesMap);
}

void CGXProperties::Serialize(CArchive& ar)
{
    if (CGXAbstractGridDocSerializeImp* pImp = m_pAppData->m_pDocSerializeImp)
        pImp->SerializeProperties(*this, ar);
}

void CGXProperties::WriteProfile()
{
    if (CGXAbstractGridProfileImp* pImp = m_pAppData->m_pProfileImp)
        pImp->WriteProperties(*this);
}

BOOL CGXProperties::ReadProfile()
{
    CGXAbstractGridProfileImp* pImp = m_pAppData->m_pProfileImp;
    return pImp != nullptr && pImp->ReadProperties(*this);
}
