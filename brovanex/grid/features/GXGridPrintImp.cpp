// Grid printing: the grid cut into pages of whole rows and columns with the headings on
// every page, centred and framed on request, with a page header and footer whose texts
// carry tokens ($F title, $A application, $P page, $N pages, $D{format} date, $R name).
#include "core/GXData.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXProperties.h"
#include "core/GXStylesMap.h"
#include "features/GXAbstractGridFeatures.h"
#include "features/GXFeatureSwitches.h"
#include "fw/app.h"
#include "fw/appservices.h"
#include "fw/document.h"
#include "fw/commdlg.h"
#include "fw/print.h"
#include "fw/view.h"
#include <algorithm>
#include <cstring>
#include <ctime>
#include <vector>

namespace {
// Page counts travel in the print dialog's 16-bit fields.
const UINT kMaxPages = 0xFFFF;

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

// The whole page in logical units.
CRect LogicalPage(CDC* pDC)
{
    CRect rect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    pDC->DPtoLP(&rect);
    return rect;
}

CDocument* DocumentOfGrid(CGXGridCore* pGrid)
{
    CWnd* pWnd = pGrid->GetGridWnd();
    if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CView)))
        return static_cast<CView*>(pWnd)->GetDocument();
    return nullptr;
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

class CGXGridPrintImp : public CGXAbstractGridPrintImp
{
public:
    void OnBeginPrinting(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) override;
    void DrawHeaderAndFooter(CGXProperties* pProp, CDC* pDC, CPrintInfo* pInfo, CDocument* pDoc,
                             CGXGridParam* pParam) override;
    int CalcHeaderFooterHeight(CGXProperties* pProp, CDC* pDC, CGXData* pBlock,
                               CGXStylesMap* pStylesMap) override;
    void PrintHeaderFooter(CGXProperties* pProp, CDC* pDC, CPrintInfo* pInfo, LPCRECT pRect,
                           CGXData* pBlock, CGXStylesMap* pStylesMap) override;
    CString ExpandTokens(CGXProperties* pProp, LPCTSTR pszText) override;
    CString SubstTokenText(CGXProperties* pProp, int nToken, CString& strRest) override;
    CString GetTokenArgs(CGXProperties* pProp, CString& strRest) override;

private:
    // Begins the grid's printing state for one step: the DC mapped, the standard font
    // selected, the print rectangle inside the margins.
    class CPrintStep
    {
    public:
        CPrintStep(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo);
        ~CPrintStep();
        CPrintStep(const CPrintStep&) = delete;
        CPrintStep& operator=(const CPrintStep&) = delete;

    private:
        CGXGridCore* m_pGrid;
        CDC* m_pDC;
        CFont* m_pOldFont = nullptr;
    };

    void PageStarts(CGXGridCore* pGrid, std::vector<ROWCOL>& starts, bool bCols, ROWCOL nFirst,
                    ROWCOL nLast, ROWCOL nScreen, UINT& nScreenPage);
    UINT PageCount() const;
    // The row and column page of page n (from 0); FALSE when there is no such page.
    BOOL PagePosition(CGXProperties* pProp, UINT n, UINT& nRowPage, UINT& nColPage) const;
    // After the grid grew: the last page and those after it laid out again; FALSE when the
    // starts already reach past the last row (column).
    BOOL ExtendPageStarts(CGXGridCore* pGrid, std::vector<ROWCOL>& starts, bool bCols);

    // The first column (row) of each column (row) page; the last entry is one past the last
    // printed column (row). They live from begin printing to end printing.
    std::vector<ROWCOL> m_colStarts, m_rowStarts;
    UINT m_nScreenRowPage = 0, m_nScreenColPage = 0;
};

// ---------------------------------------------------------------------------------------
// Pagination

CGXGridPrintImp::CPrintStep::CPrintStep(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo)
    : m_pGrid(pGrid), m_pDC(pDC)
{
    // One logical unit is one display pixel (the core maps the printer's DC).
    pGrid->OnPrepareDC(pDC, pInfo);
    pGrid->SetPrintMode(TRUE);
    pGrid->FreeObjectCache();
    if (pGrid->m_pStandardStyle != nullptr)
        m_pOldFont = pGrid->LoadFont(pDC, *pGrid->m_pStandardStyle);
    pGrid->MeasureFontUnits(pDC, pGrid->m_nPrintHorzUnit, pGrid->m_nPrintVertUnit);
    CRect rect = LogicalPage(pDC);
    pGrid->AdjustPrintMargins(rect);
    if (pInfo != nullptr)
        pInfo->m_rectDraw = rect;
    pGrid->m_rectPrint = rect;
}

CGXGridPrintImp::CPrintStep::~CPrintStep()
{
    if (m_pOldFont != nullptr)
        m_pDC->SelectObject(m_pOldFont);
    m_pGrid->SetPrintMode(FALSE);
    m_pGrid->FreeObjectCache();
}

// Page starts of one direction: each page holds at least one column (row); manual breaks
// begin pages of their own.
void CGXGridPrintImp::PageStarts(CGXGridCore* pGrid, std::vector<ROWCOL>& starts, bool bCols,
                                 ROWCOL nFirst, ROWCOL nLast, ROWCOL nScreen, UINT& nScreenPage)
{
    CGXProperties* pProp = pGrid->GetProperties();
    std::vector<ROWCOL> breaks;
    if (pProp != nullptr) {
        const CDWordArray& manual = bCols ? pProp->m_awColBreaks : pProp->m_awRowBreaks;
        for (INT_PTR i = 0; i < manual.GetSize(); ++i)
            breaks.push_back(manual[i]);
    }
    ROWCOL& nPrintFirst = bCols ? pGrid->m_nPrintLeftCol : pGrid->m_nPrintTopRow;
    const CRect rectGrid = pGrid->GetGridRect();
    auto firstCut = [&]() {
        return bCols ? pGrid->CalcClientColFromPt(CPoint(rectGrid.right, rectGrid.top))
                     : pGrid->CalcClientRowFromPt(CPoint(rectGrid.left, rectGrid.bottom));
    };
    size_t j = 0;
    auto appendBreaks = [&]() {
        for (; j < breaks.size(); ++j)
            if (breaks[j] > starts.back() && breaks[j] <= nLast)
                starts.push_back(breaks[j]);
        starts.push_back(nLast + 1);
    };

    starts.clear();
    nPrintFirst = nFirst;
    starts.push_back(nFirst);
    nScreenPage = 0;
    if (!breaks.empty() && firstCut() == GX_INVALID) {
        appendBreaks();
        return;
    }
    for (;;) {
        ROWCOL c = firstCut();
        if (c == GX_INVALID)
            break;
        ROWCOL nNext = bCols ? pGrid->GetCol(c) : pGrid->GetRow(c);
        nNext = std::max(nNext, nPrintFirst + 1);
        if (nScreen >= nPrintFirst && nScreen < nNext)
            nScreenPage = (UINT)starts.size() - 1;
        while (j < breaks.size() && breaks[j] <= nPrintFirst)
            ++j;
        if (j < breaks.size() && breaks[j] < nNext)
            nNext = breaks[j++];
        starts.push_back(nNext);
        if (nNext > nLast) {
            starts.back() = nLast + 1;
            return;
        }
        nPrintFirst = nNext;
        if (starts.size() > kMaxPages) {
            starts.push_back(nLast + 1);
            return;
        }
        if (!breaks.empty() && firstCut() == GX_INVALID) {
            if (nScreen >= nPrintFirst)
                nScreenPage = (UINT)starts.size() - 1;
            appendBreaks();
            return;
        }
    }
    if (nScreen >= nPrintFirst && nScreen <= nLast)
        nScreenPage = (UINT)starts.size() - 1;
    starts.push_back(nLast + 1);
}

BOOL CGXGridPrintImp::PagePosition(CGXProperties* pProp, UINT n, UINT& nRowPage,
                                   UINT& nColPage) const
{
    const UINT nColPages = (UINT)m_colStarts.size() - 1, nRowPages = (UINT)m_rowStarts.size() - 1;
    if (pProp == nullptr || !pProp->m_abPrint[7]) {
        nRowPage = n / nColPages;
        nColPage = n % nColPages;
    } else {
        nRowPage = n % nRowPages;
        nColPage = n / nRowPages;
    }
    return nRowPage < nRowPages && nColPage < nColPages;
}

BOOL CGXGridPrintImp::ExtendPageStarts(CGXGridCore* pGrid, std::vector<ROWCOL>& starts, bool bCols)
{
    const ROWCOL nCount = bCols ? pGrid->GetColCount() : pGrid->GetRowCount();
    if (starts.size() < 2 || starts.back() > nCount || starts.size() > kMaxPages)
        return FALSE;
    // The last page is laid out again from its first row (column) to the new end.
    ROWCOL& nPrintFirst = bCols ? pGrid->m_nPrintLeftCol : pGrid->m_nPrintTopRow;
    const ROWCOL nSavedFirst = nPrintFirst;
    const size_t k = starts.size() - 2;
    std::vector<ROWCOL> tail;
    UINT nUnused = 0;
    PageStarts(pGrid, tail, bCols, starts[k], nCount, 0, nUnused);
    nPrintFirst = nSavedFirst;
    starts.resize(k);
    starts.insert(starts.end(), tail.begin(), tail.end());
    return TRUE;
}

UINT CGXGridPrintImp::PageCount() const
{
    if (m_colStarts.size() < 2 || m_rowStarts.size() < 2)
        return 0;
    ULONGLONG n = (ULONGLONG)(m_colStarts.size() - 1) * (m_rowStarts.size() - 1);
    return (UINT)std::min<ULONGLONG>(n, kMaxPages);
}

void CGXGridPrintImp::OnBeginPrinting(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo)
{
    const BOOL bPreview = pInfo != nullptr && pInfo->m_bPreview;
    if (pGrid->m_nPrintDimensionMode == 1 || (pGrid->m_nPrintDimensionMode == 2 && !bPreview))
        pGrid->OnRowColCountNeeded((ROWCOL)-2, (ROWCOL)-2);
    CWaitCursor wait;
    const BOOL bWasPrinting = pGrid->IsPrinting();
    const ROWCOL nScreenTop = bWasPrinting ? pGrid->m_nPrintTopRow : pGrid->m_nTopRow;
    const ROWCOL nScreenLeft = bWasPrinting ? pGrid->m_nPrintLeftCol : pGrid->m_nLeftCol;
    m_colStarts.clear();
    m_rowStarts.clear();

    // Pools of spanned cells of their own while printing.
    CGXGridParam* pParam = pGrid->GetParam();
    CGXGridLibraryState& state = GXGetLibraryState();
    if (pParam != nullptr) {
        if (pParam->m_apPools[gxPoolPrintSpans] == nullptr && state.m_pSpanCellPoolImp != nullptr)
            pParam->m_apPools[gxPoolPrintSpans] = state.m_pSpanCellPoolImp->CreateSpanCellPool();
        if (pParam->m_apPools[gxPoolPrintDelayed] == nullptr &&
            state.m_pDelayedRangePoolImp != nullptr)
            pParam->m_apPools[gxPoolPrintDelayed] =
                state.m_pDelayedRangePoolImp->CreateDelayedRangePool();
    }

    CPrintStep step(pGrid, pDC, pInfo);
    // The printout works out its floating cells afresh: the whole table waits in the print
    // pool (printing is on, so the display's pending areas stay as they are) and each page
    // evaluates what it shows before drawing it.
    if (pParam != nullptr && pParam->m_apPools[gxPoolPrintDelayed] != nullptr &&
        pGrid->GetFloatMode() == 1)
        pGrid->MarkFloatRangeDirty(CGXRange().SetTable());
    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    const ROWCOL nFrozenRows = pParam != nullptr ? pParam->m_nFrozenRows : 0;
    const ROWCOL nFrozenCols = pParam != nullptr ? pParam->m_nFrozenCols : 0;
    const BOOL bSelection =
        pInfo != nullptr && pInfo->m_pPD != nullptr && (pInfo->m_pPD->m_pd.Flags & PD_SELECTION);
    const CRect rectGrid = pGrid->GetGridRect();

    if (bSelection && (pParam == nullptr || pParam->m_selRects.IsEmpty())) {
        // One page of what the screen shows.
        pGrid->m_nPrintTopRow = nScreenTop;
        pGrid->m_nPrintLeftCol = nScreenLeft;
        ROWCOL r = pGrid->CalcClientRowFromPt(CPoint(rectGrid.left, rectGrid.bottom));
        ROWCOL c = pGrid->CalcClientColFromPt(CPoint(rectGrid.right, rectGrid.top));
        m_rowStarts = {nScreenTop, r == GX_INVALID ? nRows + 1 : pGrid->GetRow(r)};
        m_colStarts = {nScreenLeft, c == GX_INVALID ? nCols + 1 : pGrid->GetCol(c)};
        if (m_rowStarts[1] <= m_rowStarts[0])
            m_rowStarts[1] = m_rowStarts[0] + 1;
        if (m_colStarts[1] <= m_colStarts[0])
            m_colStarts[1] = m_colStarts[0] + 1;
        m_nScreenRowPage = m_nScreenColPage = 0;
    } else {
        CGXRange range(1, 1, nRows, nCols);
        if (bSelection) {
            range = *static_cast<CGXRange*>(pParam->m_selRects.GetTail());
            range.ExpandRange(nFrozenRows + 1, nFrozenCols + 1, nRows, nCols);
        }
        const ROWCOL nTop = std::max<ROWCOL>(nFrozenRows + 1, range.top);
        const ROWCOL nLeft = std::max<ROWCOL>(nFrozenCols + 1, range.left);
        const ROWCOL nBottom = std::min(range.bottom, nRows);
        const ROWCOL nRight = std::min(range.right, nCols);
        pGrid->m_nPrintTopRow = nTop;
        PageStarts(pGrid, m_colStarts, true, nLeft, std::max(nRight, nLeft), nScreenLeft,
                   m_nScreenColPage);
        pGrid->m_nPrintLeftCol = nLeft;
        PageStarts(pGrid, m_rowStarts, false, nTop, std::max(nBottom, nTop), nScreenTop,
                   m_nScreenRowPage);
    }

    const UINT nPages = std::max<UINT>(PageCount(), 1);
    if (pInfo != nullptr) {
        pInfo->SetMaxPage(nPages);
        CString strCount;
        strCount.Format(" / %u", nPages);
        pInfo->m_strPageDesc += strCount;
        if (pInfo->m_bPreview) {
            const ULONGLONG nColPages = m_colStarts.size() - 1, nRowPages = m_rowStarts.size() - 1;
            CGXProperties* pProp = pGrid->GetProperties();
            ULONGLONG nPage = pProp != nullptr && pProp->m_abPrint[7]
                ? nRowPages * m_nScreenColPage + m_nScreenRowPage + 1
                : nColPages * m_nScreenRowPage + m_nScreenColPage + 1;
            pInfo->m_nCurPage = (UINT)std::min<ULONGLONG>(nPage, nPages);
        }
    }
}

void CGXGridPrintImp::OnPrint(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo)
{
    if (pInfo == nullptr || m_colStarts.size() < 2 || m_rowStarts.size() < 2) {
        if (pInfo != nullptr)
            pInfo->m_bContinuePrinting = FALSE;
        return;
    }
    CPrintStep step(pGrid, pDC, pInfo);
    CGXProperties* pProp = pGrid->GetProperties();
    const UINT n = std::max<UINT>(pInfo->m_nCurPage, 1) - 1;
    UINT nRowPage, nColPage;
    if (!PagePosition(pProp, n, nRowPage, nColPage)) {
        pInfo->m_bContinuePrinting = FALSE;
        return;
    }
    pGrid->m_nPrintTopRow = m_rowStarts[nRowPage];
    pGrid->m_nPrintLeftCol = m_colStarts[nColPage];

    // Unless a selection is printed the grid may grow while it prints: the pages after the
    // last one known are laid out again with what it holds now.
    const BOOL bSelection =
        pInfo->m_pPD != nullptr && (pInfo->m_pPD->m_pd.Flags & PD_SELECTION) != 0;
    if (!bSelection) {
        const int nRowHeight = std::max(pGrid->GetDefaultRowHeight(), 1);
        const int nColWidth = std::max(pGrid->GetDefaultColWidth(), 1);
        pGrid->OnRowColCountNeeded(
            pGrid->m_nPrintTopRow +
                2 * (ROWCOL)std::max(pGrid->m_rectPrint.Height(), 0) / nRowHeight,
            pGrid->m_nPrintLeftCol +
                4 * (ROWCOL)std::max(pGrid->m_rectPrint.Width(), 0) / nColWidth);
        const BOOL bMoreRows = ExtendPageStarts(pGrid, m_rowStarts, false);
        const BOOL bMoreCols = ExtendPageStarts(pGrid, m_colStarts, true);
        if (bMoreRows || bMoreCols) {
            pInfo->SetMaxPage(std::max<UINT>(PageCount(), 1));
            if (!PagePosition(pProp, n, nRowPage, nColPage)) {
                pInfo->m_bContinuePrinting = FALSE;
                return;
            }
        }
        pGrid->m_nPrintTopRow = m_rowStarts[nRowPage];
        pGrid->m_nPrintLeftCol = m_colStarts[nColPage];
    }

    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    const ROWCOL nLastRow = std::min(m_rowStarts[nRowPage + 1] - 1, nRows);
    const ROWCOL nLastCol = std::min(m_colStarts[nColPage + 1] - 1, nCols);
    const ROWCOL nLastClientRow = pGrid->GetClientRow(nLastRow);
    const ROWCOL nLastClientCol = pGrid->GetClientCol(nLastCol);
    int nWidth = pGrid->SumClientColWidths(0, nLastClientCol);
    int nHeight = pGrid->SumClientRowHeights(0, nLastClientRow);

    CRect rect = pGrid->m_rectPrint;
    if (pProp != nullptr && pProp->m_abPrint[6])
        rect.left += (rect.Width() - nWidth) / 2;
    if (pProp != nullptr && pProp->m_abPrint[5])
        rect.top += (rect.Height() - nHeight) / 2;
    rect.right = rect.left + nWidth;
    rect.bottom = rect.top + nHeight;
    pGrid->m_rectPrint = rect;

    if (pProp != nullptr)
        pProp->DrawHeaderAndFooter(pDC, pInfo, DocumentOfGrid(pGrid), pGrid->GetParam());

    if (pProp == nullptr || pProp->m_abPrint[8]) {
        CGXGridParam* pParam = pGrid->GetParam();
        if (pParam != nullptr && pParam->m_bLineFlag) {
            --nWidth;
            --nHeight;
        }
        const COLORREF crFrame = RGB(0, 0, 0);
        pDC->FillSolidRect(rect.left - 1, rect.top - 1, nWidth + 3, 2, crFrame);
        pDC->FillSolidRect(rect.left - 1, rect.top + nHeight, nWidth + 3, 2, crFrame);
        pDC->FillSolidRect(rect.left - 1, rect.top - 1, 2, nHeight + 3, crFrame);
        pDC->FillSolidRect(rect.left + nWidth, rect.top - 1, 2, nHeight + 3, crFrame);
    }

    {
        const int nSaved = pDC->SaveDC();
        pDC->IntersectClipRect(&rect);
        try {
            pGrid->PaintCellRange(0, 0, nLastClientRow, nLastClientCol, pDC);
        } catch (...) {
            pDC->RestoreDC(nSaved);
            throw;
        }
        pDC->RestoreDC(nSaved);
    }
    pInfo->m_bContinuePrinting = !(nLastRow >= nRows && nLastCol >= nCols && n + 1 >= PageCount());
}

void CGXGridPrintImp::OnEndPrinting(CGXGridCore* pGrid, CDC*, CPrintInfo*)
{
    m_colStarts.clear();
    m_rowStarts.clear();
    if (CWnd* pWnd = pGrid->GetGridWnd())
        if (::IsWindow(pWnd->m_hWnd))
            pWnd->Invalidate(TRUE);
    if (CGXGridParam* pParam = pGrid->GetParam())
        for (int i : {gxPoolPrintSpans, gxPoolPrintDelayed}) {
            delete pParam->m_apPools[i];
            pParam->m_apPools[i] = nullptr;
        }
}

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

void GXImplementPrinting(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridPrintImp>(pGrid, gxSlotPrint);
}
