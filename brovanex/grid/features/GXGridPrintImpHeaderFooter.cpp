// Grid printing: the page header and footer, their cells drawn in three aligned columns,
// and the tokens their texts carry.
#include "features/GXGridPrintImp.h"
#include "core/GXData.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXProperties.h"
#include "core/GXStylesMap.h"
#include "features/GXAbstractGridFeatures.h"
#include "fw/app.h"
#include "fw/document.h"
#include "fw/print.h"
#include <algorithm>
#include <cstring>
#include <ctime>

namespace {
// The conversions the run-time's strftime knows; any other is printed as it stands.
bool IsDateConversion(char c) { return c != '\0' && strchr("aAbBcdHIjmMpSUwWxXyYzZ%", c); }

// The format with every conversion the run-time would refuse turned into literal text.
CString SafeDateFormat(const CString& strFormat)
{
    CString out;
    for (int i = 0; i < strFormat.GetLength(); ++i) {
        char c = strFormat[i];
        if (c != '%') {
            out += c;
            continue;
        }
        char next = i + 1 < strFormat.GetLength() ? strFormat[i + 1] : '\0';
        char after = i + 2 < strFormat.GetLength() ? strFormat[i + 2] : '\0';
        if (next == '#' && IsDateConversion(after) && after != '%') {
            out += '%';
            out += next;
            out += after;
            i += 2;
        } else if (IsDateConversion(next)) {
            out += '%';
            out += next;
            ++i;
        } else {
            out += "%%"; // a lone or unknown conversion prints itself
        }
    }
    return out;
}

// The style a header or footer cell is drawn with: its own, completed with the standard
// style; FALSE when there is no standard style or the cell holds no value.
BOOL HeaderFooterCell(CGXData* pBlock, CGXStylesMap* pStylesMap, ROWCOL nRow, ROWCOL nCol,
                      CGXStyle& style)
{
    const CGXStyle* pStandard = nullptr;
    if (pBlock == nullptr || pStylesMap == nullptr ||
        !pStylesMap->LookupBaseStyle(pStylesMap->GetStandardStyleId(), pStandard) ||
        pStandard == nullptr)
        return FALSE;
    style.ClearAll();
    if (!pBlock->GetStyleRowCol(nRow, nCol, style, gxCopy, 0) || !style.GetInclude(gxValue) ||
        style.GetValue().IsEmpty())
        return FALSE;
    style.MergeStyle(*pStandard, gxApplyNew);
    return TRUE;
}

// The cell's font selected for the time of a measurement or an output.
class CCellFont
{
public:
    CCellFont(CDC* pDC, const CGXStyle& style) : m_pDC(pDC)
    {
        LOGFONT lf = style.GetFont().GetLogFont();
        if (lf.lfHeight == 0)
            lf.lfHeight = -11;
        m_font.CreateFontIndirect(&lf);
        m_pOld = m_pDC->SelectObject(&m_font);
    }
    ~CCellFont()
    {
        if (m_pOld != nullptr)
            m_pDC->SelectObject(m_pOld);
    }
    CCellFont(const CCellFont&) = delete;
    CCellFont& operator=(const CCellFont&) = delete;
    int LineHeight() { return m_pDC->GetTextExtent(CString("X")).cy; }

private:
    CDC* m_pDC;
    CFont m_font;
    CFont* m_pOld = nullptr;
};
} // namespace

// ---------------------------------------------------------------------------------------
// Header and footer

void CGXGridPrintImp::DrawHeaderAndFooter(CGXProperties* pProp, CDC* pDC, CPrintInfo* pInfo,
                                          CDocument* pDoc, CGXGridParam* pParam)
{
    CStringArray& values = pProp->m_astrTokenValues;
    if (values.GetSize() < 6)
        values.SetSize(6);
    values[0] = pDoc != nullptr ? pDoc->GetTitle() : CString();
    CWinApp* pApp = AfxGetApp();
    values[1] = pApp != nullptr && pApp->m_pszAppName != nullptr ? pApp->m_pszAppName : "";
    if (pInfo != nullptr) {
        const UINT nMax = std::min<UINT>(pInfo->GetMaxPage(), kMaxPages);
        values[3].Format("%d", (int)nMax);
        long nPage = pProp->m_nFirstPage == -1
            ? (long)pInfo->m_nCurPage
            : (long)pProp->m_nFirstPage + (long)pInfo->m_nCurPage - (long)pInfo->GetMinPage();
        values[2].Format("%ld", nPage);
    }
    values[5] = pParam != nullptr ? pParam->m_strName : CString();
    CGXStylesMap* pStylesMap = pParam != nullptr ? pParam->GetStylesMap() : nullptr;

    const CRect rectPage = LogicalPage(pDC);
    CRect rectHeader = rectPage, rectFooter = rectPage;
    if (pInfo != nullptr) {
        rectHeader.top = pProp->m_nHeaderDistance;
        rectHeader.bottom = pInfo->m_rectDraw.top;
        rectHeader.left = rectFooter.left = pInfo->m_rectDraw.left;
        rectHeader.right = rectFooter.right = pInfo->m_rectDraw.right;
        rectFooter.bottom = rectPage.bottom - pProp->m_nFooterDistance;
        rectFooter.top =
            std::max<int>(rectFooter.bottom -
                              CalcHeaderFooterHeight(pProp, pDC, pProp->m_pDataFooter, pStylesMap),
                          pInfo->m_rectDraw.bottom);
    }
    PrintHeaderFooter(pProp, pDC, pInfo, rectHeader, pProp->m_pDataHeader, pStylesMap);
    PrintHeaderFooter(pProp, pDC, pInfo, rectFooter, pProp->m_pDataFooter, pStylesMap);
}

int CGXGridPrintImp::CalcHeaderFooterHeight(CGXProperties*, CDC* pDC, CGXData* pBlock,
                                            CGXStylesMap* pStylesMap)
{
    int nHeight = 0;
    CGXStyle style;
    for (ROWCOL nCol = 1; nCol <= 3; ++nCol) {
        int nSum = 0;
        for (ROWCOL nRow = 1; nRow <= 10; ++nRow) {
            if (!HeaderFooterCell(pBlock, pStylesMap, nRow, nCol, style))
                continue;
            CCellFont font(pDC, style);
            nSum += font.LineHeight();
        }
        nHeight = std::max(nHeight, nSum);
    }
    return nHeight;
}

void CGXGridPrintImp::PrintHeaderFooter(CGXProperties* pProp, CDC* pDC, CPrintInfo*, LPCRECT pRect,
                                        CGXData* pBlock, CGXStylesMap* pStylesMap)
{
    const UINT anAlign[3] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    CGXStyle style;
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    for (ROWCOL nCol = 1; nCol <= 3; ++nCol) {
        CRect rect(pRect);
        rect.DeflateRect(8, 0);
        int nTop = rect.top;
        for (ROWCOL nRow = 1; nRow <= 10; ++nRow) {
            if (!HeaderFooterCell(pBlock, pStylesMap, nRow, nCol, style))
                continue;
            CCellFont font(pDC, style);
            CString strText = pProp->ExpandTokens(style.GetValue());
            CRect rectLine(rect.left, nTop, rect.right, rect.bottom);
            pDC->SetTextColor(RGB(0, 0, 0));
            pDC->DrawText(strText, &rectLine, anAlign[nCol - 1] | DT_NOPREFIX | DT_NOCLIP);
            nTop += font.LineHeight();
        }
    }
    pDC->SetBkMode(nOldMode);
}

// ---------------------------------------------------------------------------------------
// Tokens

CString CGXGridPrintImp::ExpandTokens(CGXProperties* pProp, LPCTSTR pszText)
{
    CString strRest = pszText != nullptr ? pszText : "";
    CString strResult;
    while (!strRest.IsEmpty()) {
        bool bMatched = false;
        for (INT_PTR i = 0; i < pProp->m_astrTokens.GetSize(); ++i) {
            const CString& strToken = pProp->m_astrTokens[i];
            const int nLen = strToken.GetLength();
            if (nLen == 0 || nLen > strRest.GetLength() ||
                strRest.Left(nLen).CompareNoCase(strToken) != 0)
                continue;
            strRest = strRest.Mid(nLen);
            strResult += pProp->SubstTokenText((int)i, strRest);
            bMatched = true;
            break;
        }
        if (!bMatched) {
            strResult += strRest[0];
            strRest = strRest.Mid(1);
        }
    }
    return strResult;
}

CString CGXGridPrintImp::SubstTokenText(CGXProperties* pProp, int nToken, CString& strRest)
{
    if (nToken == 4) {
        CString strFormat = pProp->GetTokenArgs(strRest);
        if (strFormat.IsEmpty())
            strFormat = "%c";
        time_t now = time(nullptr);
        struct tm local = {};
        if (struct tm* p = localtime(&now))
            local = *p;
        char szBuffer[255];
        size_t n = strftime(szBuffer, sizeof szBuffer, SafeDateFormat(strFormat), &local);
        return n != 0 ? CString(szBuffer, (int)n) : CString();
    }
    if (nToken >= 0 && nToken < pProp->m_astrTokenValues.GetSize())
        return pProp->m_astrTokenValues[nToken];
    return CString();
}

CString CGXGridPrintImp::GetTokenArgs(CGXProperties*, CString& strRest)
{
    if (strRest.IsEmpty() || strRest[0] != '{')
        return CString();
    int nClose = strRest.Find('}');
    if (nClose < 0)
        return CString();
    CString strArgs = strRest.Mid(1, nClose - 1);
    strRest = strRest.Mid(nClose + 1);
    return strArgs;
}
