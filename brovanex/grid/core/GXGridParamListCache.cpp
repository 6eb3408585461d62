// CGXGridParam: the look-up tables that tabbed combo cells with one list-cache id share, built
// on first use from the cells' choice list and freed when a style that changes them is stored.
#include "core/GXChoiceList.h"
#include "core/GXGridParam.h"
#include "core/GXStyle.h"
#include "core/GXUserAttribute.h"

#include <cstdlib>
#include <cstring>

namespace {
const UINT kKeyMapBuckets = 257;

using ListMaps = std::map<int, std::unique_ptr<CMapStringToString>>;

CMapStringToString* Find(const ListMaps& maps, int nCacheId)
{
    const auto it = maps.find(nCacheId);
    return it != maps.end() ? it->second.get() : nullptr;
}

// Field n of each row to the whole row; the first of rows with equal fields keeps its place,
// as a search from the top would find it.
void FillMap(CMapStringToString& map, LPCTSTR pszChoices, int nCol, BOOL bTitleLine)
{
    CString strList = pszChoices != nullptr ? pszChoices : "", strLine, strKnown;
    for (BOOL bFirst = TRUE; !strList.IsEmpty(); bFirst = FALSE) {
        GXExtractLine(strList, strLine);
        if (bFirst && bTitleLine)
            continue;
        const CString strField = GXGetTabbedItem(strLine, nCol);
        if (!map.Lookup(strField, strKnown))
            map.SetAt(strField, strLine);
    }
}

CMapStringToString* Build(ListMaps& maps, int nCacheId, UINT nBuckets, LPCTSTR pszChoices, int nCol,
                          BOOL bTitleLine)
{
    if (nCacheId <= 0)
        return nullptr;
    std::unique_ptr<CMapStringToString>& pMap = maps[nCacheId];
    if (pMap == nullptr) {
        auto pNew = std::make_unique<CMapStringToString>();
        if (nBuckets != 0)
            pNew->InitHashTable(nBuckets);
        FillMap(*pNew, pszChoices, nCol < 0 ? 0 : nCol, bTitleLine);
        pMap = std::move(pNew);
    }
    return pMap.get();
}
} // namespace

CMapStringToString* CGXGridParam::GetListKeyMap(int nCacheId) const
{
    return Find(m_listKeyMaps, nCacheId);
}

CMapStringToString* CGXGridParam::GetListDisplayMap(int nCacheId) const
{
    return Find(m_listDisplayMaps, nCacheId);
}

CMapStringToString* CGXGridParam::ListKeyMap(int nCacheId, LPCTSTR pszChoices, int nKeyCol,
                                             BOOL bTitleLine)
{
    return Build(m_listKeyMaps, nCacheId, kKeyMapBuckets, pszChoices, nKeyCol, bTitleLine);
}

CMapStringToString* CGXGridParam::ListDisplayMap(int nCacheId, LPCTSTR pszChoices, int nDisplayCol,
                                                 BOOL bTitleLine)
{
    return Build(m_listDisplayMaps, nCacheId, 0, pszChoices, nDisplayCol, bTitleLine);
}

BOOL CGXGridParam::FindListRowByKey(int nCacheId, LPCTSTR pszChoices, int nKeyCol, BOOL bTitleLine,
                                    LPCTSTR pszValue, CString& strRow)
{
    strRow.Empty();
    const CMapStringToString* pMap = ListKeyMap(nCacheId, pszChoices, nKeyCol, bTitleLine);
    return pMap != nullptr && pszValue != nullptr && pMap->Lookup(pszValue, strRow);
}

BOOL CGXGridParam::FindListRowByText(int nCacheId, LPCTSTR pszChoices, int nDisplayCol,
                                     BOOL bTitleLine, LPCTSTR pszText, BOOL bPrefix,
                                     CString& strRow)
{
    strRow.Empty();
    CMapStringToString* pMap = ListDisplayMap(nCacheId, pszChoices, nDisplayCol, bTitleLine);
    if (pMap == nullptr || pszText == nullptr || *pszText == '\0')
        return FALSE;
    if (pMap->Lookup(pszText, strRow))
        return TRUE;
    if (!bPrefix)
        return FALSE;
    const int nLen = (int)strlen(pszText);
    CString strList = pszChoices != nullptr ? pszChoices : "", strLine;
    for (BOOL bFirst = TRUE; !strList.IsEmpty(); bFirst = FALSE) {
        GXExtractLine(strList, strLine);
        if (bFirst && bTitleLine)
            continue;
        const CString strField = GXGetTabbedItem(strLine, nDisplayCol < 0 ? 0 : nDisplayCol);
        if (strField.GetLength() >= nLen && strField.Left(nLen).CompareNoCase(pszText) == 0) {
            pMap->SetAt(pszText, strLine);
            strRow = strLine;
            return TRUE;
        }
    }
    return FALSE;
}

void CGXGridParam::FreeListCache(int nCacheId)
{
    if (nCacheId == -1) {
        m_listKeyMaps.clear();
        m_listDisplayMaps.clear();
    } else if (nCacheId > 0) {
        m_listKeyMaps.erase(nCacheId);
        m_listDisplayMaps.erase(nCacheId);
    }
    ++m_nListCacheGeneration;
}

BOOL CGXGridParam::ChangesListCache(const CGXStyle& style)
{
    if (style.GetInclude(gxChoiceList) || style.HasUserAttribute(GX_IDS_UA_LISTCACHE_ID))
        return TRUE;
    for (WORD nId = GX_IDS_UA_LISTCACHE_FIRST; nId <= GX_IDS_UA_LISTCACHE_LAST; ++nId)
        if (style.HasUserAttribute(nId))
            return TRUE;
    return FALSE;
}

int CGXGridParam::ListCacheId(const CGXStyle& style)
{
    if (!style.HasUserAttribute(GX_IDS_UA_LISTCACHE_ID))
        return 0;
    return std::atoi(style.GetUserAttribute(GX_IDS_UA_LISTCACHE_ID).GetValue());
}
