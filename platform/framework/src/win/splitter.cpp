// CSplitterWnd: panes in rows and columns, laid out in the splitter's client area with
// a bar between neighbours.
#include "fw/win.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CSplitterWnd::CSplitterWnd()
    : m_nMaxRows(0), m_nMaxCols(0), m_nRows(0), m_nCols(0), m_cxSplitter(6), m_cySplitter(6),
      m_pRowInfo(nullptr), m_pColInfo(nullptr), m_pDynamicViewClass(nullptr), m_dwSplitterStyle(0)
{ }

CSplitterWnd::~CSplitterWnd()
{
    delete[] m_pRowInfo;
    delete[] m_pColInfo;
}

BOOL CSplitterWnd::CreateCommon(CWnd* pParentWnd, SIZE sizeMin, DWORD dwStyle, UINT nID)
{
    delete[] m_pRowInfo;
    delete[] m_pColInfo;
    m_pRowInfo = new CRowColInfo[m_nMaxRows];
    m_pColInfo = new CRowColInfo[m_nMaxCols];
    for (int row = 0; row < m_nMaxRows; row++)
        m_pRowInfo[row] = {sizeMin.cy, 0, 0};
    for (int col = 0; col < m_nMaxCols; col++)
        m_pColInfo[col] = {sizeMin.cx, 0, 0};
    // The scroll bars belong to the panes; the splitter keeps only the wish.
    m_dwSplitterStyle = dwStyle;
    DWORD dwCreateStyle = (dwStyle & ~(WS_HSCROLL | WS_VSCROLL)) | WS_CHILD | WS_CLIPCHILDREN;
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           (HBRUSH)(COLOR_BTNFACE + 1));
    return CreateEx(0, lpszClass, nullptr, dwCreateStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CSplitterWnd::Create(CWnd* pParentWnd, int nMaxRows, int nMaxCols, SIZE sizeMin,
                          CCreateContext* pContext, DWORD dwStyle, UINT nID)
{
    if (nMaxRows < 1 || nMaxCols < 1 || pContext == nullptr || pContext->m_pNewViewClass == nullptr)
        return FALSE;
    m_nMaxRows = nMaxRows;
    m_nMaxCols = nMaxCols;
    m_pDynamicViewClass = pContext->m_pNewViewClass;
    if (!CreateCommon(pParentWnd, sizeMin, dwStyle | SPLS_DYNAMIC_SPLIT, nID))
        return FALSE;
    // A dynamic splitter starts as one pane.
    m_nRows = m_nCols = 1;
    if (!CreateView(0, 0, m_pDynamicViewClass, sizeMin, pContext)) {
        DestroyWindow();
        return FALSE;
    }
    RecalcLayout();
    return TRUE;
}

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    if (nRows < 1 || nCols < 1 || nRows > 16 || nCols > 16)
        return FALSE;
    m_nMaxRows = m_nRows = nRows;
    m_nMaxCols = m_nCols = nCols;
    return CreateCommon(pParentWnd, CSize(0, 0), dwStyle & ~SPLS_DYNAMIC_SPLIT, nID);
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                              CCreateContext* pContext)
{
    if (row < 0 || col < 0 || row >= m_nMaxRows || col >= m_nMaxCols ||
        GetPane(row, col) != nullptr || pViewClass == nullptr)
        return FALSE;
    m_pRowInfo[row].nIdealSize = sizeInit.cy;
    m_pColInfo[col].nIdealSize = sizeInit.cx;

    // Without a context, the new pane shows the document of the active one.
    CCreateContext contextT;
    if (pContext == nullptr) {
        CWnd* pOldView = GetActivePane();
        if (pOldView != nullptr && pOldView->IsKindOf(RUNTIME_CLASS(CView))) {
            contextT.m_pLastView = (CView*)pOldView;
            contextT.m_pCurrentDoc = ((CView*)pOldView)->GetDocument();
            if (contextT.m_pCurrentDoc != nullptr)
                contextT.m_pNewDocTemplate = contextT.m_pCurrentDoc->GetDocTemplate();
        }
        pContext = &contextT;
    }
    CWnd* pWnd = (CWnd*)pViewClass->CreateObject();
    if (pWnd == nullptr)
        return FALSE;
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | (m_dwSplitterStyle & (WS_HSCROLL | WS_VSCROLL));
    CRect rect(CPoint(0, 0), CSize(sizeInit));
    // A pane that fails to be made deletes itself.
    if (!pWnd->Create(nullptr, nullptr, dwStyle, rect, this, IdFromRowCol(row, col), pContext))
        return FALSE;
    if (m_hWnd != nullptr && IsWindowVisible())
        RecalcLayout();
    return TRUE;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    if (m_hWnd == nullptr || row < 0 || col < 0 || row >= m_nMaxRows || col >= m_nMaxCols)
        return nullptr;
    HWND hWnd = ::GetDlgItem(m_hWnd, IdFromRowCol(row, col));
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    return pWnd != nullptr ? pWnd : (hWnd != nullptr ? CWnd::FromHandle(hWnd) : nullptr);
}

BOOL CSplitterWnd::IsChildPane(CWnd* pWnd, int* pRow, int* pCol)
{
    if (pWnd != nullptr && pWnd->m_hWnd != nullptr && ::GetParent(pWnd->m_hWnd) == m_hWnd) {
        int nID = pWnd->GetDlgCtrlID();
        if (nID >= AFX_IDW_PANE_FIRST && nID <= AFX_IDW_PANE_LAST) {
            if (pRow != nullptr)
                *pRow = (nID - AFX_IDW_PANE_FIRST) / 16;
            if (pCol != nullptr)
                *pCol = (nID - AFX_IDW_PANE_FIRST) % 16;
            return TRUE;
        }
    }
    if (pRow != nullptr)
        *pRow = -1;
    if (pCol != nullptr)
        *pCol = -1;
    return FALSE;
}

CWnd* CSplitterWnd::GetActivePane(int* pRow, int* pCol)
{
    CWnd* pView = nullptr;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr)
        pView = pFrame->GetActiveView();
    if (pView == nullptr)
        pView = GetFocus();
    if (pView != nullptr && !IsChildPane(pView, pRow, pCol))
        pView = nullptr;
    return pView;
}

void CSplitterWnd::SetActivePane(int row, int col, CWnd* pWnd)
{
    CWnd* pPane = pWnd != nullptr ? pWnd : GetPane(row, col);
    if (pPane == nullptr)
        return;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pPane->IsKindOf(RUNTIME_CLASS(CView)))
        pFrame->SetActiveView((CView*)pPane);
    else
        pPane->SetFocus();
}

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const
{
    cyCur = m_pRowInfo[row].nCurSize;
    cyMin = m_pRowInfo[row].nMinSize;
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin)
{
    m_pRowInfo[row].nIdealSize = cyIdeal;
    m_pRowInfo[row].nMinSize = cyMin;
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const
{
    cxCur = m_pColInfo[col].nCurSize;
    cxMin = m_pColInfo[col].nMinSize;
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin)
{
    m_pColInfo[col].nIdealSize = cxIdeal;
    m_pColInfo[col].nMinSize = cxMin;
}

DWORD CSplitterWnd::GetScrollStyle() const { return m_dwSplitterStyle & (WS_HSCROLL | WS_VSCROLL); }

void CSplitterWnd::SetScrollStyle(DWORD dwStyle)
{
    m_dwSplitterStyle =
        (m_dwSplitterStyle & ~(WS_HSCROLL | WS_VSCROLL)) | (dwStyle & (WS_HSCROLL | WS_VSCROLL));
}

namespace {

// Each row (column) but the last gets its ideal size as far as there is room; the last
// takes what is left.
void LayoutRowCol(int nCount, int nSize, int nSplitter, int* pIdeal, int* pCur)
{
    int nLeft = nSize;
    for (int i = 0; i < nCount; i++) {
        if (i == nCount - 1) {
            pCur[i] = nLeft > 0 ? nLeft : 0;
        } else {
            int nWant = pIdeal[i] > 0 ? pIdeal[i] : nSize / nCount;
            pCur[i] = std::max(0, std::min(nWant, nLeft - nSplitter));
            nLeft -= pCur[i] + nSplitter;
        }
    }
}

} // namespace

void CSplitterWnd::RecalcLayout()
{
    if (m_hWnd == nullptr || m_nRows == 0 || m_nCols == 0)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    int ideal[16], cur[16];
    for (int row = 0; row < m_nRows; row++)
        ideal[row] = m_pRowInfo[row].nIdealSize;
    LayoutRowCol(m_nRows, rectClient.Height(), m_cySplitter, ideal, cur);
    for (int row = 0; row < m_nRows; row++)
        m_pRowInfo[row].nCurSize = cur[row];
    for (int col = 0; col < m_nCols; col++)
        ideal[col] = m_pColInfo[col].nIdealSize;
    LayoutRowCol(m_nCols, rectClient.Width(), m_cxSplitter, ideal, cur);
    for (int col = 0; col < m_nCols; col++)
        m_pColInfo[col].nCurSize = cur[col];

    HDWP hDWP = ::BeginDeferWindowPos(m_nRows * m_nCols);
    int y = 0;
    for (int row = 0; row < m_nRows; row++) {
        int x = 0;
        for (int col = 0; col < m_nCols; col++) {
            CWnd* pPane = GetPane(row, col);
            if (pPane != nullptr && hDWP != nullptr)
                hDWP =
                    ::DeferWindowPos(hDWP, pPane->m_hWnd, nullptr, x, y, m_pColInfo[col].nCurSize,
                                     m_pRowInfo[row].nCurSize, SWP_NOZORDER | SWP_NOACTIVATE);
            x += m_pColInfo[col].nCurSize + m_cxSplitter;
        }
        y += m_pRowInfo[row].nCurSize + m_cySplitter;
    }
    if (hDWP != nullptr)
        ::EndDeferWindowPos(hDWP);
}

void CSplitterWnd::DeleteView(int row, int col)
{
    CWnd* pPane = GetPane(row, col);
    if (pPane != nullptr)
        pPane->DestroyWindow();
}

void CSplitterWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CSplitterWnd::OnPaint()
{
    // The bars: what the panes leave of the client area.
    PAINTSTRUCT ps;
    CDC* pDC = BeginPaint(&ps);
    ::FillRect(pDC->m_hDC, &ps.rcPaint, ::GetSysColorBrush(COLOR_BTNFACE));
    EndPaint(&ps);
}
