// CStatusBar: panes on the system's status-bar control, sized from their indicator
// strings, the message bar in the separator pane, and idle updates of the indicators.
#include "fw/win.h"

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_SIZE()
    ON_WM_NCPAINT()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_SETTEXT, &CStatusBar::OnSetText)
    ON_MESSAGE(WM_GETTEXT, &CStatusBar::OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, &CStatusBar::OnGetTextLength)
    ON_MESSAGE(WM_SETFONT, &CStatusBar::OnSetFontMsg)
END_MESSAGE_MAP()

CStatusBar::CStatusBar() : m_cxPaneBorder(3)
{
    m_cxLeftBorder = m_cxRightBorder = 0;
    m_cyTopBorder = m_cyBottomBorder = 0;
}

CStatusBar::~CStatusBar() { DestroyWindow(); }

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    static const BOOL bInit = [] {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
        return ::InitCommonControlsEx(&icc);
    }();
    (void)bInit;

    m_dwStyle = dwStyle & CBRS_ALL;
    // A size grip only where the frame can be sized.
    if (pParentWnd != nullptr && (pParentWnd->GetStyle() & WS_THICKFRAME))
        dwCtrlStyle |= SBARS_SIZEGRIP;
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY |
        CCS_NODIVIDER | CCS_NORESIZE;
    return CWnd::CreateEx(0, STATUSCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd,
                          nID);
}

BOOL CStatusBar::PreCreateWindow(CREATESTRUCT& cs)
{
    // The borders the bar style asks for are the control's own.
    return CControlBar::PreCreateWindow(cs);
}

int CStatusBar::TextWidth(LPCSTR lpsz) const
{
    if (m_hWnd == nullptr)
        return 0;
    CClientDC dc((CWnd*)this);
    HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
    if (hFont == nullptr)
        hFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    CGdiSelection select(dc.m_hDC, hFont);
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(dc.m_hDC, lpsz, lstrlenA(lpsz), &size);
    return size.cx;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    if (nIDCount < 0 || nIDCount > 255) // the control's limit of parts
        return FALSE;
    m_panes.assign(nIDCount, Pane {0, SBPS_NORMAL, 0, CString()});
    BOOL bResult = TRUE;
    for (int i = 0; i < nIDCount; i++) {
        Pane& pane = m_panes[i];
        pane.nID = lpIDArray != nullptr ? lpIDArray[i] : 0;
        if (pane.nID != ID_SEPARATOR) {
            // An indicator is as wide as its string.
            if (!pane.strText.LoadString(pane.nID))
                bResult = FALSE;
            pane.cxText = TextWidth(pane.strText);
        } else if (i == 0) {
            pane.nStyle = SBPS_NOBORDERS | SBPS_STRETCH; // the message bar
        }
    }
    m_nCount = nIDCount;
    UpdateParts();
    for (int i = 0; i < nIDCount; i++)
        ShowPaneText(i);
    return bResult;
}

void CStatusBar::UpdateParts()
{
    if (m_hWnd == nullptr)
        return;
    CRect rect;
    GetClientRect(&rect);
    int nParts = (int)m_panes.size();
    if (nParts == 0) {
        int nRight = -1;
        SendMessage(SB_SETPARTS, 1, (LPARAM)&nRight);
        return;
    }
    // Fixed panes keep their width; the stretch pane (or else the last) takes the rest.
    int cxFixed = 0;
    int nStretch = -1;
    for (int i = 0; i < nParts; i++) {
        if ((m_panes[i].nStyle & SBPS_STRETCH) && nStretch < 0)
            nStretch = i;
        else
            cxFixed += m_panes[i].cxText + 2 * m_cxPaneBorder;
    }
    int cxGrip = (GetStyle() & SBARS_SIZEGRIP) ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
    int cxStretch = std::max(0, (int)rect.Width() - cxFixed - cxGrip);
    std::vector<int> rights(nParts);
    int x = 0;
    for (int i = 0; i < nParts; i++) {
        x += i == nStretch ? cxStretch : m_panes[i].cxText + 2 * m_cxPaneBorder;
        rights[i] = x;
    }
    if (nStretch < 0 || nStretch == nParts - 1)
        rights[nParts - 1] = -1; // to the right edge
    SendMessage(SB_SETPARTS, (WPARAM)nParts, (LPARAM)rights.data());
}

void CStatusBar::ShowPaneText(int nIndex)
{
    if (m_hWnd == nullptr || nIndex < 0 || nIndex >= (int)m_panes.size())
        return;
    const Pane& pane = m_panes[nIndex];
    // A disabled pane shows nothing.
    LPCSTR lpsz = (pane.nStyle & SBPS_DISABLED) ? "" : (LPCSTR)pane.strText;
    UINT nDrawStyle = pane.nStyle & (SBT_NOBORDERS | SBT_POPOUT | SBT_OWNERDRAW);
    DefWindowProc(SB_SETTEXTA, (WPARAM)(nIndex | nDrawStyle), (LPARAM)lpsz);
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (size_t i = 0; i < m_panes.size(); i++)
        if (m_panes[i].nID == nIDFind)
            return (int)i;
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    return nIndex >= 0 && nIndex < (int)m_panes.size() ? m_panes[nIndex].nID : 0;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    ::SetRectEmpty(lpRect);
    SendMessage(SB_GETRECT, (WPARAM)nIndex, (LPARAM)lpRect);
}

void CStatusBar::GetPaneText(int nIndex, CString& rString) const { rString = GetPaneText(nIndex); }

CString CStatusBar::GetPaneText(int nIndex) const
{
    return nIndex >= 0 && nIndex < (int)m_panes.size() ? m_panes[nIndex].strText : CString();
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate)
{
    if (nIndex < 0 || nIndex >= (int)m_panes.size())
        return FALSE;
    Pane& pane = m_panes[nIndex];
    CString strNew = lpszNewText != nullptr ? lpszNewText : "";
    if (pane.strText == strNew)
        return TRUE; // no flicker
    pane.strText = strNew;
    if (bUpdate)
        ShowPaneText(nIndex);
    return TRUE;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    if (nIndex < 0 || nIndex >= (int)m_panes.size()) {
        nID = nStyle = 0;
        cxWidth = 0;
        return;
    }
    nID = m_panes[nIndex].nID;
    nStyle = m_panes[nIndex].nStyle;
    cxWidth = m_panes[nIndex].cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    if (nIndex < 0 || nIndex >= (int)m_panes.size())
        return;
    Pane& pane = m_panes[nIndex];
    BOOL bLayout = pane.cxText != cxWidth || ((pane.nStyle ^ nStyle) & SBPS_STRETCH);
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxText = cxWidth;
    if (bLayout)
        UpdateParts();
    ShowPaneText(nIndex);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    return nIndex >= 0 && nIndex < (int)m_panes.size() ? m_panes[nIndex].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    if (nIndex < 0 || nIndex >= (int)m_panes.size() || m_panes[nIndex].nStyle == nStyle)
        return;
    BOOL bLayout = (m_panes[nIndex].nStyle ^ nStyle) & SBPS_STRETCH;
    m_panes[nIndex].nStyle = nStyle;
    if (bLayout)
        UpdateParts();
    ShowPaneText(nIndex);
}

// --- layout ------------------------------------------------------------------------------------

void CStatusBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    CControlBar::CalcInsideRect(rect, bHorz);
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // As tall as a line of its font with the control's borders.
    int cyText = 13;
    if (m_hWnd != nullptr) {
        CClientDC dc(this);
        HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
        if (hFont == nullptr)
            hFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
        CGdiSelection select(dc.m_hDC, hFont);
        TEXTMETRICA tm;
        if (::GetTextMetricsA(dc.m_hDC, &tm))
            cyText = tm.tmHeight;
    }
    int borders[3] = {0, 2, 2};
    if (m_hWnd != nullptr)
        SendMessage(SB_GETBORDERS, 0, (LPARAM)borders);
    CRect nc = CalcNcBorders();
    CSize size(bStretch && bHorz ? 32767 : 0, cyText + 2 * borders[1] + 4 + nc.top + nc.bottom);
    return size;
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    Default();
    (void)nType;
    (void)cx;
    (void)cy;
    UpdateParts();
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    // The window text is the message bar's pane.
    int nIndex = CommandToIndex(ID_SEPARATOR);
    if (nIndex < 0)
        return FALSE;
    return SetPaneText(nIndex, (LPCSTR)lParam);
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    int nIndex = CommandToIndex(ID_SEPARATOR);
    CString strText = nIndex >= 0 ? m_panes[nIndex].strText : CString();
    int nMax = (int)wParam;
    if (nMax <= 0 || lParam == 0)
        return 0;
    int nLen = std::min(strText.GetLength(), nMax - 1);
    memcpy((LPSTR)lParam, (LPCSTR)strText, nLen);
    ((LPSTR)lParam)[nLen] = '\0';
    return nLen;
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    int nIndex = CommandToIndex(ID_SEPARATOR);
    return nIndex >= 0 ? m_panes[nIndex].strText.GetLength() : 0;
}

LRESULT CStatusBar::OnSetFontMsg(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = DefWindowProc(WM_SETFONT, wParam, lParam);
    // Indicator widths follow the font.
    for (Pane& pane : m_panes)
        if (pane.nID != ID_SEPARATOR)
            pane.cxText = TextWidth(pane.strText);
    UpdateParts();
    return lResult;
}

void CStatusBar::OnNcPaint() { CControlBar::OnNcPaint(); }

void CStatusBar::OnPaint() { Default(); }

BOOL CStatusBar::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)m_panes.size();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        state.m_nID = m_panes[state.m_nIndex].nID;
        if (state.m_nID == ID_SEPARATOR)
            continue; // the message bar is the frame's
        // Indicators nobody handles keep their state.
        state.DoUpdate(pTarget, FALSE);
    }
    UpdateDialogControls(pTarget, FALSE);
}

// --- the update object of a pane ---------------------------------------------------------------------

void CStatusCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    CStatusBar* pStatusBar = (CStatusBar*)m_pOther;
    UINT nStyle = pStatusBar->GetPaneStyle((int)m_nIndex) & ~SBPS_DISABLED;
    if (!bOn)
        nStyle |= SBPS_DISABLED;
    pStatusBar->SetPaneStyle((int)m_nIndex, nStyle);
}

void CStatusCmdUI::SetCheck(int nCheck)
{
    // A checked pane stands out (popped out).
    CStatusBar* pStatusBar = (CStatusBar*)m_pOther;
    UINT nStyle = pStatusBar->GetPaneStyle((int)m_nIndex) & ~SBPS_POPOUT;
    if (nCheck != 0)
        nStyle |= SBPS_POPOUT;
    pStatusBar->SetPaneStyle((int)m_nIndex, nStyle);
}

void CStatusCmdUI::SetText(LPCSTR lpszText)
{
    ((CStatusBar*)m_pOther)->SetPaneText((int)m_nIndex, lpszText);
}
