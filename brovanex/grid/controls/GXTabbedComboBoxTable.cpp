// The table behind the tabbed combo cells: settings, conversions, validity, completion, the
// one-time sort and the measured size, shared by both tabbed controls.
#include "controls/GXTabbedComboBoxTable.h"
#include "controls/GXControl.h"
#include "core/GXChoiceList.h"
#include "core/GXDIB.h"
#include "core/GXGridCore.h"
#include "core/GXStylesMap.h"
#include "fw/dc.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <mbstring.h>

namespace {
const int kMaxColumns = 10;

CString AttributeText(const CGXStyle& style, WORD nId)
{
    return style.HasUserAttribute(nId) ? style.GetUserAttribute(nId).GetValue() : CString();
}

// The first row (the title line passed over) whose whole field n equals the text, or with
// bExact clear begins with it ignoring case; its index, or -1. Fields of any length are
// compared whole, so a long display text still finds its row.
int FindRow(LPCTSTR pszText, int n, const CString& strChoices, BOOL bSkipFirst, CString& strRow,
            BOOL bExact)
{
    strRow.Empty();
    if (pszText == nullptr)
        return -1;
    const int nLen = (int)strlen(pszText);
    CString strList = strChoices, strLine;
    int nIndex = 0;
    for (BOOL bFirst = TRUE; !strList.IsEmpty(); bFirst = FALSE) {
        GXExtractLine(strList, strLine);
        if (bFirst && bSkipFirst)
            continue;
        const CString strField = GXGetTabbedItem(strLine, n);
        const BOOL bMatch = bExact ? strField == pszText
                                   : strField.GetLength() >= nLen &&
                _mbsnbicmp((const unsigned char*)(LPCTSTR)strField, (const unsigned char*)pszText,
                           nLen) == 0;
        if (bMatch) {
            strRow = strLine;
            return nIndex;
        }
        ++nIndex;
    }
    return -1;
}
} // namespace

// --- Settings and conversions ---

GXTabbedSettings GXTabbedSettings::FromStyle(const CGXStyle& style)
{
    GXTabbedSettings s;
    CString strText;
    if (!(strText = AttributeText(style, GX_IDS_UA_TABLIST_KEYCOL)).IsEmpty())
        s.nValueCol = std::max(0, std::atoi(strText));
    if (!(strText = AttributeText(style, GX_IDS_UA_TABLIST_TEXTCOL)).IsEmpty())
        s.nDisplayCol = std::atoi(strText);
    if (!(strText = AttributeText(style, GX_IDS_UA_TABLIST_SHOWALLCOLS)).IsEmpty())
        s.bDisplayAllCols = std::atoi(strText) != 0;
    if (!(strText = AttributeText(style, GX_IDS_UA_TABLIST_TITLE)).IsEmpty())
        s.bTitleLine = std::atoi(strText) != 0;
    if (!(strText = AttributeText(style, GX_IDS_UA_TABLIST_SORTCOL)).IsEmpty())
        s.nSortCol = std::atoi(strText);
    s.strColWidths = AttributeText(style, GX_IDS_UA_TABLIST_COLWIDTHS);
    return s;
}

BOOL GXTabbedSettings::ValueToText(const CGXStyle& style, LPCTSTR pszValue, CString& strText) const
{
    strText.Empty();
    CString strLine;
    if (pszValue == nullptr || *pszValue == '\0' ||
        FindRow(pszValue, nValueCol, style.GetChoiceList(), bTitleLine, strLine, TRUE) < 0)
        return FALSE;
    strText = GXGetTabbedItem(strLine, ShownCol());
    return TRUE;
}

BOOL GXTabbedSettings::TextToValue(const CGXStyle& style, LPCTSTR pszText, BOOL bExact,
                                   CString& strValue) const
{
    CString strLine;
    if (pszText == nullptr || *pszText == '\0' ||
        FindRow(pszText, ShownCol(), style.GetChoiceList(), bTitleLine, strLine, bExact) < 0)
        return FALSE;
    strValue = GXGetTabbedItem(strLine, nValueCol);
    return TRUE;
}

int GXTabbedSettings::ValueToRow(const CGXStyle& style, LPCTSTR pszValue) const
{
    CString strLine;
    if (pszValue == nullptr || *pszValue == '\0')
        return -1;
    return FindRow(pszValue, nValueCol, style.GetChoiceList(), bTitleLine, strLine, TRUE);
}

BOOL GXTabbedSettings::CompleteText(const CGXStyle& style, LPCTSTR pszTyped,
                                    CString& strShown) const
{
    strShown.Empty();
    if (pszTyped == nullptr || *pszTyped == '\0')
        return FALSE;
    CString strLine;
    const CString& strChoices = style.GetChoiceList();
    if (FindRow(pszTyped, ShownCol(), strChoices, bTitleLine, strLine, TRUE) < 0 &&
        FindRow(pszTyped, ShownCol(), strChoices, bTitleLine, strLine, FALSE) < 0)
        return FALSE;
    strShown = GXGetTabbedItem(strLine, ShownCol());
    return TRUE;
}

std::vector<int> GXParseColumnWidths(LPCTSTR pszWidths)
{
    std::vector<int> widths;
    if (pszWidths == nullptr)
        return widths;
    const char* p = pszWidths;
    while (*p != '\0') {
        if (!std::isdigit((unsigned char)*p)) {
            ++p;
            continue;
        }
        long n = 0;
        while (std::isdigit((unsigned char)*p)) {
            if (n < 100000) // a width beyond any screen stays bounded
                n = n * 10 + (*p - '0');
            ++p;
        }
        widths.push_back((int)n);
    }
    return widths;
}

// --- Fields and rows ---

HGLOBAL GXTabbedPicture(LPCTSTR pszField)
{
    // Picture texts begin with '#': any other text is not looked up.
    return pszField != nullptr && pszField[0] == '#' ? GXGetDIBPool()->LookupDIB(pszField)
                                                     : nullptr;
}

CSize GXTabbedFieldSize(CDC* pDC, const CString& strField)
{
    if (HGLOBAL hDIB = GXTabbedPicture(strField)) {
        GXDIBLayout layout;
        const void* p = ::GlobalLock(hDIB);
        const BOOL bOk = p != nullptr && GXCheckDIB(p, ::GlobalSize(hDIB), &layout);
        if (p != nullptr)
            ::GlobalUnlock(hDIB);
        if (bOk)
            return CSize(layout.nWidth, layout.nHeight < 0 ? -layout.nHeight : layout.nHeight);
    }
    return pDC->GetTextExtent(strField);
}

void GXDrawTabbedField(CDC* pDC, const CString& strField, const CRect& rect, UINT nFormat)
{
    if (rect.IsRectEmpty())
        return;
    if (HGLOBAL hDIB = GXTabbedPicture(strField)) {
        GXDrawDIB(pDC, hDIB, rect, 0,
                  nFormat & (DT_LEFT | DT_CENTER | DT_RIGHT | DT_TOP | DT_VCENTER | DT_BOTTOM));
        return;
    }
    CRect rectText = rect;
    pDC->DrawText(strField, &rectText, nFormat | DT_SINGLELINE | DT_NOPREFIX);
}

void GXTabbedRows::Build(CGXGridCore* pGrid, const CGXStyle& style, const GXTabbedSettings& s)
{
    CClientDC dc(pGrid->GetGridWnd());
    CFont* pOld = pGrid->SelectStyleFont(&dc, style);
    Build(&dc, style, s);
    if (pOld != nullptr)
        dc.SelectObject(pOld);
}

void GXTabbedRows::Build(CDC* pDC, const CGXStyle& style, const GXTabbedSettings& s)
{
    entries.clear();
    heights.clear();
    strTitles.Empty();
    bTitles = FALSE;
    colRight.clear();
    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    nItemHeight = std::max(10, (int)tm.tmHeight);
    nTitleHeight = nItemHeight;
    std::vector<int> measured(kMaxColumns, -1);
    int nColumns = 0;
    CString strList = style.GetChoiceList(), strLine;
    for (BOOL bFirst = TRUE; !strList.IsEmpty(); bFirst = FALSE) {
        GXExtractLine(strList, strLine);
        int nTabs = 0;
        for (int k = 0; k < strLine.GetLength(); ++k)
            nTabs += strLine[k] == '\t';
        // Each field's width, at most ten columns; the row as high as its highest field.
        int nHeight = nItemHeight;
        for (int i = 0; i < kMaxColumns && i <= nTabs; ++i) {
            const CSize size = GXTabbedFieldSize(pDC, GXGetTabbedItem(strLine, i));
            measured[i] = std::max(measured[i], (int)size.cx);
            nHeight = std::max(nHeight, (int)size.cy);
            nColumns = std::max(nColumns, i + 1);
        }
        CString strEntry = strLine;
        if (s.nDisplayCol > 0)
            strEntry = GXGetTabbedItem(strLine, s.nDisplayCol) + "\t" + strLine;
        if (bFirst && s.bTitleLine) {
            strTitles = strEntry;
            bTitles = TRUE;
            nTitleHeight = nHeight;
        } else {
            entries.push_back(strEntry);
            heights.push_back(nHeight);
        }
    }
    const std::vector<int> given = GXParseColumnWidths(s.strColWidths);
    int nRight = 0;
    for (int i = 0; i < nColumns; ++i) {
        int nWidth = 0;
        if (i < (int)given.size())
            nWidth = given[i];
        else if (s.bDisplayAllCols || i == s.nDisplayCol || (s.nDisplayCol <= 0 && i == 0))
            nWidth = measured[i] + 4;
        nRight += nWidth;
        colRight.push_back(nRight);
    }
    nTotalWidth = nRight + ::GetSystemMetrics(SM_CXVSCROLL);
}

// --- The shared cell behaviour ---

namespace GXTabbedCell {

void DeclareAttributes(CGXStylesMap* pStylesMap, BOOL bListCache)
{
    CGXStyle edit;
    for (WORD nId :
         {GX_IDS_UA_TABLIST_KEYCOL, GX_IDS_UA_TABLIST_TEXTCOL, GX_IDS_UA_TABLIST_SORTCOL})
        pStylesMap->DeclareUserAttribute(nId, &edit);
    if (bListCache)
        pStylesMap->DeclareUserAttribute(GX_IDS_UA_TABLIST_LISTCACHE, &edit);
    CGXStyle check;
    check.SetControl(52523);
    pStylesMap->DeclareUserAttribute(GX_IDS_UA_TABLIST_SHOWALLCOLS, &check);
    pStylesMap->DeclareUserAttribute(GX_IDS_UA_TABLIST_TITLE, &check);
}

BOOL FormatDisplayText(const CGXStyle& style, LPCTSTR pszValue, CString& strText)
{
    if (pszValue == nullptr) {
        if (!style.GetInclude(gxValue)) {
            strText.Empty();
            return FALSE;
        }
        pszValue = style.GetValue();
    }
    GXTabbedSettings::FromStyle(style).ValueToText(style, pszValue, strText);
    return TRUE;
}

BOOL AcceptsTypedText(const CGXStyle& style, CString& strText)
{
    if (strText.IsEmpty())
        return TRUE;
    CString strValue;
    if (!GXTabbedSettings::FromStyle(style).TextToValue(style, strText, FALSE, strValue))
        return FALSE; // no row shows this text: nothing is stored in its place
    strText = strValue;
    return TRUE;
}

BOOL ValidateText(const CGXStyle* pStyle, const CString& strText, BOOL bFillWithChoiceList)
{
    if (strText.IsEmpty() || !bFillWithChoiceList)
        return TRUE;
    CString strValue;
    return pStyle != nullptr &&
        GXTabbedSettings::FromStyle(*pStyle).TextToValue(*pStyle, strText, FALSE, strValue);
}

BOOL TextConverts(CGXControl& control)
{
    CString strValue;
    return !(control.IsActive() && control.GetModify()) || control.GetValue(strValue);
}

BOOL SortOnce(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    const GXTabbedSettings s = GXTabbedSettings::FromStyle(style);
    if (s.nSortCol < 0 || style.GetChoiceList().IsEmpty())
        return FALSE;
    CString strSorted = style.GetChoiceList();
    GXSortChoiceList(strSorted, s.nSortCol, s.bTitleLine);
    CGXStyle sorted;
    sorted.SetChoiceList(strSorted).SetUserAttribute(GX_IDS_UA_TABLIST_SORTCOL, "-1");
    pGrid->StoreStyleRowCol(nRow, nCol, &sorted, gxOverride, 0);
    return TRUE;
}

CSize MeasureShownFields(CGXGridCore* pGrid, CDC* pDC, const CGXStyle& style)
{
    const GXTabbedSettings s = GXTabbedSettings::FromStyle(style);
    CFont* pOld = pGrid->SelectStyleFont(pDC, style);
    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    CSize size(0, tm.tmHeight + tm.tmExternalLeading + 1);
    CString strList = style.GetChoiceList(), strLine;
    for (BOOL bFirst = TRUE; !strList.IsEmpty(); bFirst = FALSE) {
        GXExtractLine(strList, strLine);
        if (bFirst && s.bTitleLine)
            continue;
        const CSize field = GXTabbedFieldSize(pDC, GXGetTabbedItem(strLine, s.ShownCol()));
        size.cx = std::max(size.cx, field.cx);
        size.cy = std::max(size.cy, field.cy);
    }
    if (pOld != nullptr)
        pDC->SelectObject(pOld);
    return size;
}

} // namespace GXTabbedCell
