// CToolBar: buttons from toolbar resources on the system's toolbar control, their sizes
// for the frame's layout, their idle updates, tool tips and fly-by prompts.
#include "fw/win.h"

#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

const int kSeparatorWidth = 8;

// The toolbar resource: a header and the command ids (0 for a separator).
struct ToolBarData
{
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
};

} // namespace

CToolBar::CToolBar()
    : m_sizeImage(16, 15), m_sizeButton(23, 22), m_hbmImageWell(nullptr), m_hRsrcImageWell(nullptr),
      m_hInstImageWell(nullptr), m_bVertical(FALSE)
{
    m_cxLeftBorder = m_cxRightBorder = 1;
    m_cyTopBorder = m_cyBottomBorder = 1;
}

CToolBar::~CToolBar()
{
    DestroyWindow();
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle,
                    CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders,
                        UINT nID)
{
    static const BOOL bInit = [] {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
        return ::InitCommonControlsEx(&icc);
    }();
    (void)bInit;

    SetBorders(rcBorders);
    m_dwStyle = dwStyle & CBRS_ALL;
    // The control lays out nothing itself: the frame places it. Its tool tips answer
    // only while the bar has CBRS_TOOLTIPS.
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN |
        CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd,
                        nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SetSizes(m_sizeButton, m_sizeImage);
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    if (m_hWnd == nullptr)
        return;
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELONG(sizeButton.cx, sizeButton.cy));
    Invalidate();
}

void CToolBar::SetHeight(int cyHeight)
{
    m_sizeButton.cy = cyHeight - m_cyTopBorder - m_cyBottomBorder;
    SetSizes(m_sizeButton, m_sizeImage);
}

BOOL CToolBar::LoadToolBar(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR);
    HRSRC hRsrc = ::FindResourceA(hInst, lpszResourceName, RT_TOOLBAR);
    if (hRsrc == nullptr)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const BYTE* pBytes = hGlobal != nullptr ? (const BYTE*)::LockResource(hGlobal) : nullptr;
    DWORD cbSize = ::SizeofResource(hInst, hRsrc);
    if (pBytes == nullptr || cbSize < sizeof(ToolBarData))
        return FALSE;
    // Two layouts: the standard one (WORD version 1, width, height, count, WORD ids) and
    // the one the GNU resource compiler writes for a TOOLBAR statement (DWORD width,
    // height, count, DWORD ids). The count is trusted no further than the bytes.
    ToolBarData header;
    memcpy(&header, pBytes, sizeof header);
    std::vector<UINT> ids;
    UINT cx, cy;
    if (header.wVersion == 1) {
        if (sizeof(ToolBarData) + header.wItemCount * sizeof(WORD) > cbSize)
            return FALSE;
        cx = header.wWidth;
        cy = header.wHeight;
        for (WORD i = 0; i < header.wItemCount; i++) {
            WORD id;
            memcpy(&id, pBytes + sizeof(ToolBarData) + i * sizeof(WORD), sizeof id);
            ids.push_back(id);
        }
    } else {
        DWORD fields[3];
        if (cbSize < sizeof fields)
            return FALSE;
        memcpy(fields, pBytes, sizeof fields);
        if (fields[2] > (cbSize - sizeof fields) / sizeof(DWORD))
            return FALSE;
        cx = fields[0];
        cy = fields[1];
        for (DWORD i = 0; i < fields[2]; i++) {
            DWORD id;
            memcpy(&id, pBytes + sizeof fields + i * sizeof(DWORD), sizeof id);
            ids.push_back(id);
        }
    }
    if (cx == 0 || cy == 0 || cx > 256 || cy > 256)
        return FALSE;
    if (!SetButtons(ids.data(), (int)ids.size()))
        return FALSE;
    SetSizes(CSize(cx + 7, cy + 7), CSize(cx, cy));
    return LoadBitmap(lpszResourceName);
}

BOOL CToolBar::LoadBitmap(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, (LPCSTR)RT_BITMAP);
    HRSRC hRsrc = ::FindResourceA(hInst, lpszResourceName, (LPCSTR)RT_BITMAP);
    if (hRsrc == nullptr)
        return FALSE;
    HBITMAP hbm =
        (HBITMAP)::LoadImageA(hInst, lpszResourceName, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS);
    if (hbm == nullptr)
        return FALSE;
    m_hInstImageWell = hInst;
    m_hRsrcImageWell = hRsrc;
    return SetBitmap(hbm);
}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell)
{
    if (hbmImageWell == nullptr || m_hWnd == nullptr || m_sizeImage.cx <= 0)
        return FALSE;
    BITMAP bm;
    if (!::GetObjectA(hbmImageWell, sizeof bm, &bm))
        return FALSE;
    int nImages = bm.bmWidth / m_sizeImage.cx;
    BOOL bResult;
    if (m_hbmImageWell != nullptr) {
        TBREPLACEBITMAP replace = {nullptr, (UINT_PTR)m_hbmImageWell, nullptr,
                                   (UINT_PTR)hbmImageWell, nImages};
        bResult = (BOOL)SendMessage(TB_REPLACEBITMAP, 0, (LPARAM)&replace);
    } else {
        TBADDBITMAP add = {nullptr, (UINT_PTR)hbmImageWell};
        bResult = SendMessage(TB_ADDBITMAP, (WPARAM)nImages, (LPARAM)&add) != -1;
    }
    if (!bResult) {
        if (hbmImageWell != m_hbmImageWell)
            ::DeleteObject(hbmImageWell);
        return FALSE;
    }
    if (m_hbmImageWell != nullptr && m_hbmImageWell != hbmImageWell)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmImageWell;
    Invalidate();
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    if (m_hWnd == nullptr || nIDCount < 0)
        return FALSE;
    for (int n = GetButtonCount(); n > 0; n--)
        SendMessage(TB_DELETEBUTTON, 0);
    int iImage = 0;
    for (int i = 0; i < nIDCount; i++) {
        TBBUTTON button = {};
        button.fsState = TBSTATE_ENABLED;
        UINT nID = lpIDArray != nullptr ? lpIDArray[i] : 0;
        if (nID == ID_SEPARATOR) {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = kSeparatorWidth;
        } else {
            button.fsStyle = TBSTYLE_BUTTON;
            button.iBitmap = iImage++;
            button.idCommand = (int)nID;
        }
        if (!SendMessage(TB_ADDBUTTONSA, 1, (LPARAM)&button))
            return FALSE;
    }
    m_nCount = nIDCount;
    m_bVertical = FALSE;
    return TRUE;
}

// --- buttons ------------------------------------------------------------------------------

int CToolBar::GetButtonCount() const
{
    return m_hWnd != nullptr ? (int)SendMessage(TB_BUTTONCOUNT) : 0;
}

void CToolBar::GetButton(int nIndex, TBBUTTON* pButton) const
{
    memset(pButton, 0, sizeof *pButton);
    SendMessage(TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)pButton);
    pButton->fsState ^= TBSTATE_ENABLED; // the word says "disabled"
}

void CToolBar::SetButton(int nIndex, TBBUTTON* pButton)
{
    TBBUTTON old;
    GetButton(nIndex, &old);
    if (old.idCommand == pButton->idCommand && old.iBitmap == pButton->iBitmap &&
        old.fsStyle == pButton->fsStyle && old.fsState == pButton->fsState)
        return; // nothing to repaint
    TBBUTTON button = *pButton;
    button.fsState ^= TBSTATE_ENABLED;
    if (old.idCommand == button.idCommand && old.iBitmap == button.iBitmap &&
        old.fsStyle == button.fsStyle) {
        TBBUTTONINFOA info = {};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_BYINDEX | TBIF_STATE;
        info.fsState = button.fsState;
        SendMessage(TB_SETBUTTONINFOA, (WPARAM)nIndex, (LPARAM)&info);
    } else {
        // A new id, image or kind: the button is made again in its place.
        SendMessage(TB_DELETEBUTTON, (WPARAM)nIndex);
        SendMessage(TB_INSERTBUTTONA, (WPARAM)nIndex, (LPARAM)&button);
    }
    Invalidate();
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    int nCount = GetButtonCount();
    for (int i = 0; i < nCount; i++)
        if (GetItemID(i) == nIDFind)
            return i;
    return -1;
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button;
    GetButton(nIndex, &button);
    return (UINT)button.idCommand;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    ::SetRectEmpty(lpRect);
    SendMessage(TB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect);
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON button;
    GetButton(nIndex, &button);
    return MAKELONG(button.fsStyle, button.fsState);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    TBBUTTON button;
    GetButton(nIndex, &button);
    button.fsStyle = (BYTE)LOWORD(nStyle);
    button.fsState = (BYTE)HIWORD(nStyle);
    SetButton(nIndex, &button);
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    TBBUTTON button;
    GetButton(nIndex, &button);
    nID = (UINT)button.idCommand;
    nStyle = MAKELONG(button.fsStyle, button.fsState);
    iImage = button.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    TBBUTTON button;
    GetButton(nIndex, &button);
    button.idCommand = (int)nID;
    button.iBitmap = iImage;
    button.fsStyle = (BYTE)LOWORD(nStyle);
    button.fsState = (BYTE)HIWORD(nStyle);
    SetButton(nIndex, &button);
    m_nCount = GetButtonCount();
}

BOOL CToolBar::SetButtonText(int nIndex, LPCSTR lpszText)
{
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_TEXT;
    info.pszText = (LPSTR)lpszText;
    return (BOOL)SendMessage(TB_SETBUTTONINFOA, (WPARAM)nIndex, (LPARAM)&info);
}

CString CToolBar::GetButtonText(int nIndex) const
{
    char szText[256] = "";
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_TEXT;
    info.pszText = szText;
    info.cchText = sizeof szText;
    SendMessage(TB_GETBUTTONINFOA, (WPARAM)nIndex, (LPARAM)&info);
    return CString(szText);
}

// --- layout --------------------------------------------------------------------------------

CSize CToolBar::CalcLayout(BOOL bHorz)
{
    if (m_hWnd == nullptr)
        return CSize(0, 0);
    int nCount = GetButtonCount();
    if (bHorz == m_bVertical) {
        // Docked at a side: one button a row.
        for (int i = 0; i < nCount; i++) {
            TBBUTTON button;
            SendMessage(TB_GETBUTTON, (WPARAM)i, (LPARAM)&button);
            BYTE fsState = bHorz ? (BYTE)(button.fsState & ~TBSTATE_WRAP)
                                 : (BYTE)(button.fsState | TBSTATE_WRAP);
            if (fsState != button.fsState) {
                TBBUTTONINFOA info = {};
                info.cbSize = sizeof info;
                info.dwMask = TBIF_BYINDEX | TBIF_STATE;
                info.fsState = fsState;
                SendMessage(TB_SETBUTTONINFOA, (WPARAM)i, (LPARAM)&info);
            }
        }
        m_bVertical = !bHorz;
        SendMessage(TB_AUTOSIZE);
    }
    CRect rectAll(0, 0, 0, 0);
    for (int i = 0; i < nCount; i++) {
        CRect rect;
        if (SendMessage(TB_GETITEMRECT, (WPARAM)i, (LPARAM)&rect))
            rectAll.UnionRect(&rectAll, &rect);
    }
    if (nCount == 0)
        rectAll = CRect(0, 0, m_sizeButton.cx, m_sizeButton.cy);
    CRect nc = CalcNcBorders();
    return CSize(rectAll.right + nc.left + nc.right + m_cxRightBorder,
                 rectAll.bottom + nc.top + nc.bottom + m_cyBottomBorder);
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CalcLayout(bHorz);
    if (bStretch) {
        if (bHorz)
            size.cx = 32767;
        else
            size.cy = 32767;
    }
    return size;
}

CSize CToolBar::CalcDynamicLayout(int, DWORD dwMode)
{
    BOOL bHorz = (dwMode & LM_VERTDOCK) == 0 && (dwMode & (LM_HORZ | LM_HORZDOCK)) != 0;
    return CalcFixedLayout((dwMode & LM_STRETCH) != 0, bHorz);
}

// --- updates, hit tests and tool tips ------------------------------------------------------------

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)GetButtonCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        TBBUTTON button;
        GetButton((int)state.m_nIndex, &button);
        if (button.fsStyle & TBSTYLE_SEP)
            continue;
        state.m_nID = (UINT)button.idCommand;
        // The bar's own handlers first (reflected, then by id), then the frame's.
        if (CWnd::OnCmdMsg(0, MAKELONG(CN_UPDATE_COMMAND_UI & 0xFFFF, WM_COMMAND + WM_REFLECT_BASE),
                           &state, nullptr))
            continue;
        if (CWnd::OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr))
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
    // Controls placed on the bar update like a dialog's.
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

int CToolBar::HitTestCommand(CPoint point) const
{
    int nCount = GetButtonCount();
    for (int i = 0; i < nCount; i++) {
        CRect rect;
        GetItemRect(i, &rect);
        if (!rect.PtInRect(point))
            continue;
        TBBUTTON button;
        GetButton(i, &button);
        if ((button.fsStyle & TBSTYLE_SEP) || (button.fsState & TBSTATE_HIDDEN))
            return -1; // a separator is the bar's own (it drags the bar)
        return button.idCommand;
    }
    return -1;
}

INT_PTR CToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    int nCount = GetButtonCount();
    for (int i = 0; i < nCount; i++) {
        CRect rect;
        GetItemRect(i, &rect);
        if (!rect.PtInRect(point))
            continue;
        TBBUTTON button;
        GetButton(i, &button);
        if (button.fsStyle & TBSTYLE_SEP)
            return -1;
        if (pTI != nullptr) {
            pTI->hwnd = m_hWnd;
            pTI->uId = (UINT_PTR)button.idCommand;
            pTI->rect = rect;
            pTI->lpszText = LPSTR_TEXTCALLBACKA;
        }
        return button.idCommand;
    }
    return CControlBar::OnToolHitTest(point, pTI);
}

LRESULT CToolBar::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_NOTIFY) {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR->code == TTN_GETDISPINFOA || pNMHDR->code == TTN_GETDISPINFOW) {
            // The tip of a button: the frame finds it (the command's string), while the
            // bar shows tips at all.
            if (pNMHDR->code == TTN_GETDISPINFOA) {
                NMTTDISPINFOA* pInfo = (NMTTDISPINFOA*)lParam;
                pInfo->szText[0] = '\0';
                pInfo->lpszText = pInfo->szText;
                pInfo->hinst = nullptr;
            } else {
                NMTTDISPINFOW* pInfo = (NMTTDISPINFOW*)lParam;
                pInfo->szText[0] = L'\0';
                pInfo->lpszText = pInfo->szText;
                pInfo->hinst = nullptr;
            }
            if ((m_dwStyle & CBRS_TOOLTIPS) && m_pDockSite != nullptr &&
                m_pDockSite->m_hWnd != nullptr)
                m_pDockSite->SendMessage(WM_NOTIFY, wParam, lParam);
            return 0;
        }
    }
    return CControlBar::WindowProc(nMsg, wParam, lParam);
}

void CToolBar::OnPaint() { Default(); }

BOOL CToolBar::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }

// --- the update object of a button ----------------------------------------------------------------

void CToolCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    CToolBar* pToolBar = (CToolBar*)m_pOther;
    UINT nOldStyle = pToolBar->GetButtonStyle((int)m_nIndex);
    UINT nNewStyle = nOldStyle & ~TBBS_DISABLED;
    if (!bOn) {
        nNewStyle |= TBBS_DISABLED;
        nNewStyle &= ~TBBS_PRESSED; // a disabled button is never shown pressed
    }
    if (nNewStyle != nOldStyle)
        pToolBar->SetButtonStyle((int)m_nIndex, nNewStyle);
}

void CToolCmdUI::SetCheck(int nCheck)
{
    CToolBar* pToolBar = (CToolBar*)m_pOther;
    UINT nOldStyle = pToolBar->GetButtonStyle((int)m_nIndex);
    UINT nNewStyle = nOldStyle & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
    if (nCheck == 1)
        nNewStyle |= TBBS_CHECKED;
    else if (nCheck == 2)
        nNewStyle |= TBBS_INDETERMINATE;
    nNewStyle |= TBBS_CHECKBOX; // a checked button is a check box
    if (nNewStyle != nOldStyle)
        pToolBar->SetButtonStyle((int)m_nIndex, nNewStyle);
}

void CToolCmdUI::SetText(LPCSTR)
{
    // Toolbar buttons show images, not text.
}
