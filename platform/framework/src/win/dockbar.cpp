// CDockBar: the bars docked at one side of a frame, in rows (each row ended by a null
// entry), laid out along the side; or the one bar of a floating mini frame.
#include "fw/win.h"

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
    ON_MESSAGE(WM_SIZEPARENT, &CDockBar::OnSizeParent)
END_MESSAGE_MAP()

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating)
{
    m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
}

CDockBar::~CDockBar()
{
    // The bars outlive their dock bar's object when the frame goes first.
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++) {
        CControlBar* pBar = (CControlBar*)m_arrBars[i];
        if (pBar != nullptr && pBar->m_pDockBar == this)
            pBar->m_pDockBar = nullptr;
    }
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    return CWnd::Create(nullptr, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

int CDockBar::FindBar(CControlBar* pBar) const
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
        if (m_arrBars[i] == pBar)
            return (int)i;
    return -1;
}

int CDockBar::GetDockedCount() const
{
    int nCount = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
        if (m_arrBars[i] != nullptr)
            nCount++;
    return nCount;
}

int CDockBar::GetDockedVisibleCount() const
{
    int nCount = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++) {
        CControlBar* pBar = (CControlBar*)m_arrBars[i];
        if (pBar != nullptr && pBar->IsVisible())
            nCount++;
    }
    return nCount;
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    if (pBar->m_pDockBar != nullptr)
        pBar->m_pDockBar->RemoveControlBar(pBar);

    // Where it goes: a new last row, or the row and place the rectangle points at.
    INT_PTR nInsert = m_arrBars.GetSize();
    BOOL bNewRow = TRUE;
    if (lpRect != nullptr && m_hWnd != nullptr && !m_bFloating) {
        BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
        CRect rectBar(lpRect);
        ScreenToClient(&rectBar);
        int nAcross = bHorz ? rectBar.top + 1 : rectBar.left + 1; // across the rows
        int nAlong = bHorz ? rectBar.left : rectBar.top;
        INT_PTR nRowStart = 0;
        for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++) {
            if (m_arrBars[i] != nullptr)
                continue;
            // One row: [nRowStart, i). Its extent across is that of its bars.
            int nMin = INT_MAX, nMax = INT_MIN;
            for (INT_PTR j = nRowStart; j < i; j++) {
                CRect rect;
                ((CControlBar*)m_arrBars[j])->GetWindowRect(&rect);
                ScreenToClient(&rect);
                nMin = std::min(nMin, (int)(bHorz ? rect.top : rect.left));
                nMax = std::max(nMax, (int)(bHorz ? rect.bottom : rect.right));
            }
            if (nAcross < nMin && nRowStart == 0) {
                nInsert = 0; // above the first row: a row of its own
                break;
            }
            if (nAcross >= nMin && nAcross < nMax) {
                nInsert = i;
                for (INT_PTR j = nRowStart; j < i; j++) {
                    CRect rect;
                    ((CControlBar*)m_arrBars[j])->GetWindowRect(&rect);
                    ScreenToClient(&rect);
                    if ((bHorz ? rect.left : rect.top) > nAlong) {
                        nInsert = j;
                        break;
                    }
                }
                bNewRow = FALSE;
                break;
            }
            nRowStart = i + 1;
        }
    }
    if (bNewRow) {
        m_arrBars.InsertAt(nInsert, (void*)nullptr);
        m_arrBars.InsertAt(nInsert, pBar);
    } else {
        m_arrBars.InsertAt(nInsert, pBar);
    }

    // The bar takes this side's orientation.
    DWORD dwStyle = pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING);
    if (m_bFloating)
        dwStyle |= CBRS_FLOATING | (pBar->m_dwStyle & CBRS_ALIGN_ANY);
    else
        dwStyle |= m_dwStyle & CBRS_ALIGN_ANY;
    pBar->m_pDockBar = this;
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    pBar->SetBarStyle(dwStyle);
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar)
{
    int nPos = FindBar(pBar);
    if (nPos < 0)
        return FALSE;
    m_arrBars.RemoveAt(nPos);
    // A row left empty goes too.
    BOOL bRowStart = nPos == 0 || m_arrBars[nPos - 1] == nullptr;
    if (bRowStart && nPos < m_arrBars.GetSize() && m_arrBars[nPos] == nullptr)
        m_arrBars.RemoveAt(nPos);
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar = nullptr;
    return TRUE;
}

int CDockBar::LayoutRows(int nLength, BOOL bMove)
{
    BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0 || m_bFloating;
    int nAcross = 0; // where the current row starts across the side
    int nRowThickness = 0;
    int nAlong = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++) {
        CControlBar* pBar = (CControlBar*)m_arrBars[i];
        if (pBar == nullptr) {
            nAcross += nRowThickness;
            nRowThickness = 0;
            nAlong = 0;
            continue;
        }
        if (!pBar->IsVisible())
            continue;
        pBar->RecalcDelayShow(nullptr);
        CSize size;
        if (m_bFloating) {
            size = (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
                ? pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH)
                : pBar->CalcFixedLayout(FALSE, (pBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0);
        } else {
            size = (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
                ? pBar->CalcDynamicLayout(-1, bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK)
                : pBar->CalcFixedLayout(FALSE, bHorz);
        }
        // A bar never reaches past the side's length.
        int nBarLength = bHorz ? size.cx : size.cy;
        if (nLength > 0 && nAlong + nBarLength > nLength)
            nBarLength = std::max(0, nLength - nAlong);
        int nThickness = bHorz ? size.cy : size.cx;
        if (bMove) {
            CRect rect = bHorz ? CRect(nAlong, nAcross, nAlong + nBarLength, nAcross + nThickness)
                               : CRect(nAcross, nAlong, nAcross + nThickness, nAlong + nBarLength);
            AfxRepositionWindow(nullptr, pBar->m_hWnd, &rect);
        }
        nAlong += nBarLength;
        nRowThickness = std::max(nRowThickness, nThickness);
    }
    return nAcross + nRowThickness;
}

CSize CDockBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    int nThickness = LayoutRows(-1, FALSE);
    return bHorz ? CSize(32767, nThickness) : CSize(nThickness, 32767);
}

LRESULT CDockBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    if (m_bFloating) {
        // The mini frame's one bar fills it.
        CRect rect(lpLayout->rect);
        if (lpLayout->hDWP != nullptr) {
            AfxRepositionWindow(lpLayout, m_hWnd, &rect);
            LayoutRows(rect.Width(), TRUE);
        }
        return 0;
    }
    BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    CRect rect(lpLayout->rect);
    int nLength = bHorz ? rect.Width() : rect.Height();
    int nThickness = GetDockedVisibleCount() > 0 ? LayoutRows(nLength, FALSE) : 0;
    if (m_dwStyle & CBRS_ALIGN_TOP) {
        rect.bottom = rect.top + nThickness;
        lpLayout->rect.top += nThickness;
    } else if (m_dwStyle & CBRS_ALIGN_BOTTOM) {
        rect.top = rect.bottom - nThickness;
        lpLayout->rect.bottom -= nThickness;
    } else if (m_dwStyle & CBRS_ALIGN_LEFT) {
        rect.right = rect.left + nThickness;
        lpLayout->rect.left += nThickness;
    } else {
        rect.left = rect.right - nThickness;
        lpLayout->rect.right -= nThickness;
    }
    if (bHorz) {
        lpLayout->sizeTotal.cy += nThickness;
    } else {
        lpLayout->sizeTotal.cx += nThickness;
    }
    if (lpLayout->hDWP != nullptr) {
        AfxRepositionWindow(lpLayout, m_hWnd, &rect);
        LayoutRows(nLength, TRUE);
    }
    return 0;
}

void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    // The docked bars update themselves (they get the idle message as descendants).
}

void CDockBar::DoPaint(CDC*) { }
