// The shared look-up tables of tabbed combo cells, as the cells' conversions use them.
#include "controls/GXTabbedSharedTable.h"
#include "core/GXChoiceList.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"

CGXTabbedSharedTable::CGXTabbedSharedTable(CGXGridCore* pGrid, const CGXStyle& style)
    : m_pParam(pGrid != nullptr ? pGrid->GetParam() : nullptr), m_style(style),
      m_settings(GXTabbedSettings::FromStyle(style)),
      m_nCacheId(m_pParam != nullptr ? CGXGridParam::ListCacheId(style) : 0)
{
    if (m_nCacheId < 0)
        m_nCacheId = 0; // -1 only frees every table when stored: it shares none
}

BOOL CGXTabbedSharedTable::ValueToText(LPCTSTR pszValue, CString& strText) const
{
    strText.Empty();
    CString strRow;
    if (!IsShared() || pszValue == nullptr || *pszValue == '\0' ||
        !m_pParam->FindListRowByKey(m_nCacheId, m_style.GetChoiceList(), m_settings.nValueCol,
                                    m_settings.bTitleLine, pszValue, strRow))
        return FALSE;
    strText = GXGetTabbedItem(strRow, m_settings.ShownCol());
    return TRUE;
}

BOOL CGXTabbedSharedTable::FindShownRow(LPCTSTR pszText, BOOL bPrefix, CString& strRow) const
{
    return IsShared() &&
        m_pParam->FindListRowByText(m_nCacheId, m_style.GetChoiceList(), m_settings.ShownCol(),
                                    m_settings.bTitleLine, pszText, bPrefix, strRow);
}

BOOL CGXTabbedSharedTable::TextToValue(LPCTSTR pszText, BOOL bPrefix, CString& strValue) const
{
    CString strRow;
    if (!FindShownRow(pszText, bPrefix, strRow))
        return FALSE;
    strValue = GXGetTabbedItem(strRow, m_settings.nValueCol);
    return TRUE;
}

BOOL CGXTabbedSharedTable::CompleteText(LPCTSTR pszTyped, CString& strShown) const
{
    strShown.Empty();
    CString strRow;
    if (!FindShownRow(pszTyped, TRUE, strRow))
        return FALSE;
    strShown = GXGetTabbedItem(strRow, m_settings.ShownCol());
    return TRUE;
}
