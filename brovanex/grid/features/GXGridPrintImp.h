// Grid printing: the grid cut into pages of whole rows and columns with the headings on
// every page, centred and framed on request, with a page header and footer whose texts
// carry tokens ($F title, $A application, $P page, $N pages, $D{format} date, $R name).
#pragma once
#include "features/GXAbstractGridFeatures.h"
#include "fw/gdi.h"
#include <vector>

class CGXGridPrintImp final : public CGXAbstractGridPrintImp
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
    // Page counts travel in the print dialog's 16-bit fields.
    static constexpr UINT kMaxPages = 0xFFFF;
    // The whole page in logical units.
    static CRect LogicalPage(CDC* pDC);

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
