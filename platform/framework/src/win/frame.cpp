// CFrameWnd: creation from a resource id, the active view, command routing (view,
// document, frame, application), menus and accelerators, the message bar, idle updates
// and the per-thread frame list.
#include "fw/win.h"
#include "fw/preview.h"
#include "frame_bars.h"
#include "thread_state.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_SETFOCUS()
    ON_WM_ACTIVATE()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_WM_ENTERIDLE()
    ON_WM_QUERYENDSESSION()
    ON_WM_ENDSESSION()
    ON_WM_DROPFILES()
    ON_MESSAGE(WM_SETMESSAGESTRING, &CFrameWnd::OnSetMessageString)
    ON_MESSAGE(WM_POPMESSAGESTRING, &CFrameWnd::OnPopMessageString)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CFrameWnd::OnIdleUpdateCmdUI)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, &CFrameWnd::OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, &CFrameWnd::OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, &CFrameWnd::OnUpdateKeyIndicator)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, &CFrameWnd::OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, &CFrameWnd::OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, &CFrameWnd::OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, &CFrameWnd::OnUpdateControlBarMenu)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, &CFrameWnd::OnToolTipText)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, &CFrameWnd::OnToolTipText)
END_MESSAGE_MAP()

// --- the per-thread frame list ---------------------------------------------------------

int AFXAPI AfxGetThreadFrameCount() { return (int)fw::CurrentThreadState().frames.size(); }

CFrameWnd* AFXAPI AfxGetThreadFrame(int nIndex)
{
    auto& frames = fw::CurrentThreadState().frames;
    return nIndex >= 0 && nIndex < (int)frames.size() ? frames[nIndex] : nullptr;
}

CFrameWnd::CFrameWnd()
    : m_bAutoMenuEnable(TRUE), m_hMenuDefault(nullptr), m_hAccelTable(nullptr), m_nIDHelp(0),
      m_nIDTracking(0), m_nIDLastMessage(0), m_pViewActive(nullptr), m_rectBorder(0, 0, 0, 0),
      m_pFloatingFrameClass(nullptr), m_nWindow(-1), m_hMenuAlt(nullptr), m_nIdleFlags(0),
      m_bInRecalcLayout(FALSE), m_cModalStack(0), m_phWndDisable(nullptr), m_nShowDelay((UINT)-1),
      m_pPreviewState(nullptr), m_dwDockStyle(0)
{
    fw::CurrentThreadState().frames.push_back(this);
}

CFrameWnd::~CFrameWnd()
{
    auto& frames = fw::CurrentThreadState().frames;
    frames.erase(std::remove(frames.begin(), frames.end(), this), frames.end());
    delete[] m_phWndDisable;
}

// --- creation ---------------------------------------------------------------------------

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr) {
        HICON hIcon = nullptr;
        if (m_nIDHelp != 0) {
            LPCSTR lpszIcon = MAKEINTRESOURCEA(m_nIDHelp);
            hIcon = ::LoadIconA(AfxFindResourceHandle(lpszIcon, (LPCSTR)RT_GROUP_ICON), lpszIcon);
        }
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           (HBRUSH)(COLOR_WINDOW + 1), hIcon);
    }
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    return TRUE;
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle,
                       CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr) {
        hMenu = ::LoadMenuA(AfxFindResourceHandle(lpszMenuName, (LPCSTR)RT_MENU), lpszMenuName);
        if (hMenu == nullptr) {
            PostNcDestroy(); // as for a window never made
            return FALSE;
        }
    }
    m_strTitle = lpszWindowName;
    int x = rect.left, y = rect.top, cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    if (CRect(rect) == rectDefault)
        x = y = cx = cy = CW_USEDEFAULT;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy,
                  pParentWnd->GetSafeHwnd(), hMenu, (LPVOID)pContext)) {
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    // The title is the first part of the resource's document string.
    CString strFullString;
    if (strFullString.LoadString(nIDResource))
        AfxExtractSubString(m_strTitle, strFullString, 0, '\n');

    LPCSTR lpszResource = MAKEINTRESOURCEA(nIDResource);
    if (!Create(nullptr, m_strTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszResource, 0,
                pContext))
        return FALSE;
    m_hMenuDefault = ::GetMenu(m_hWnd);
    if (m_hAccelTable == nullptr)
        m_hAccelTable = ::LoadAcceleratorsA(
            AfxFindResourceHandle(lpszResource, (LPCSTR)RT_ACCELERATOR), lpszResource);
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    return OnCreateHelper(lpcs, (CCreateContext*)lpcs->lpCreateParams);
}

int CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!OnCreateClient(lpcs, pContext))
        return -1;
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    if (pContext == nullptr || pContext->m_pNewViewClass == nullptr)
        return nullptr;
    CWnd* pView = (CWnd*)pContext->m_pNewViewClass->CreateObject();
    if (pView == nullptr)
        return nullptr;
    // A view that fails to be made deletes itself (PostNcDestroy).
    if (!pView->CreateEx(WS_EX_CLIENTEDGE, nullptr, nullptr, WS_CHILD | WS_VISIBLE,
                         CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;
    return pView;
}

void CFrameWnd::PostNcDestroy() { delete this; }

BOOL CFrameWnd::IsFrameWnd() const { return TRUE; }

void CFrameWnd::OnDestroy()
{
    // The window's own menu is destroyed with it: put the frame's default one back
    // first, so a template's shared menu survives.
    if (m_hMenuDefault != nullptr && ::GetMenu(m_hWnd) != m_hMenuDefault)
        ::SetMenu(m_hWnd, m_hMenuDefault);
    Default();
}

// --- documents and views --------------------------------------------------------------------

CDocument* CFrameWnd::GetActiveDocument()
{
    CView* pView = GetActiveView();
    return pView != nullptr ? pView->GetDocument() : nullptr;
}

CFrameWnd* CFrameWnd::GetActiveFrame() { return this; }

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = nullptr; // no active view while the old one is told
    if (bNotify && pViewOld != nullptr)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (bNotify && pViewNew != nullptr)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* pView = GetActiveView();
    if (pView == nullptr) {
        CWnd* pWnd = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CView))) {
            pView = (CView*)pWnd;
            SetActiveView(pView, FALSE);
        }
    }
    if (bMakeVisible) {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        ActivateFrame();
        if (pView != nullptr)
            pView->OnActivateView(TRUE, pView, pView);
    }
    if (pDoc != nullptr)
        pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1) {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
    if (!(GetStyle() & WS_CHILD) && nCmdShow != SW_HIDE && !IsIconic())
        BringWindowToTop();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    CFrameWnd* pActiveFrame = GetActiveFrame();
    CView* pActiveView = pActiveFrame != nullptr ? pActiveFrame->GetActiveView() : nullptr;
    if (pActiveView != nullptr)
        pActiveView->OnActivateFrame(nState, pActiveFrame);
}

// --- command routing, menus and accelerators ---------------------------------------------------

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active view first (it passes on to its document), then the frame, then the
    // application.
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Commands are not carried out while a modal window has the frame disabled.
    if (lParam == 0 && InModalState())
        return TRUE;
    return CWnd::OnCommand(wParam, lParam);
}

HACCEL CFrameWnd::GetDefaultAccelerator()
{
    HACCEL hAccel = nullptr;
    CDocument* pDoc = GetActiveDocument();
    if (pDoc != nullptr)
        hAccel = pDoc->GetDefaultAccel();
    return hAccel != nullptr ? hAccel : m_hAccelTable;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        HACCEL hAccel = GetDefaultAccelerator();
        return hAccel != nullptr && ::TranslateAcceleratorA(m_hWnd, hAccel, pMsg);
    }
    return CWnd::PreTranslateMessage(pMsg);
}

void CFrameWnd::OnInitMenuPopup(CMenu* pMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu)
        return; // the system menu is the system's
    CCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = pMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        state.m_nID = pMenu->GetMenuItemID((int)state.m_nIndex);
        if (state.m_nID == 0)
            continue; // a separator
        if (state.m_nID == (UINT)-1) {
            // A popup: enabled by the update of its first item (when that has one).
            state.m_pSubMenu = pMenu->GetSubMenu((int)state.m_nIndex);
            if (state.m_pSubMenu == nullptr ||
                (state.m_nID = state.m_pSubMenu->GetMenuItemID(0)) == 0 || state.m_nID == (UINT)-1)
                continue;
            state.DoUpdate(this, FALSE);
        } else {
            state.m_pSubMenu = nullptr;
            state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        }
        // An update may add or remove items (the recent-file list): carry on after them.
        UINT nCount = pMenu->GetMenuItemCount();
        if (nCount < state.m_nIndexMax) {
            state.m_nIndex -= (state.m_nIndexMax - nCount);
            while (state.m_nIndex < nCount &&
                   pMenu->GetMenuItemID((int)state.m_nIndex) == state.m_nID)
                state.m_nIndex++;
        }
        state.m_nIndexMax = nCount;
    }
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    if (nFlags == 0xFFFF && hSysMenu == nullptr) {
        m_nIDTracking = AFX_IDS_IDLEMESSAGE; // the menu closed
    } else if (nFlags & (MF_SEPARATOR | MF_POPUP)) {
        m_nIDTracking = 0;
    } else if (nItemID >= 0xF000 && nItemID < 0xF1F0) {
        m_nIDTracking = AFX_IDS_SCFIRST + ((nItemID - 0xF000) >> 4);
    } else if (nItemID >= AFX_IDM_FIRST_MDICHILD) {
        m_nIDTracking = AFX_IDS_MDICHILD;
    } else {
        m_nIDTracking = nItemID;
    }
    if (m_nIDTracking != m_nIDLastMessage)
        SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
}

void CFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    CWnd::OnEnterIdle(nWhy, pWho);
    if (nWhy == MSGF_MENU && m_nIDTracking != m_nIDLastMessage)
        SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
}

// --- the message bar ---------------------------------------------------------------------------

CWnd* CFrameWnd::GetMessageBar() { return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE); }

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    rMessage.Empty();
    CString strFull;
    if (strFull.LoadString(nID))
        AfxExtractSubString(rMessage, strFull, 0, '\n');
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    CWnd* pMessageBar = GetMessageBar();
    if (pMessageBar != nullptr) {
        CString strMessage;
        LPCSTR lpsz = (LPCSTR)lParam;
        if (lpsz == nullptr && wParam != 0) {
            GetMessageString((UINT)wParam, strMessage);
            lpsz = strMessage;
        }
        pMessageBar->SetWindowText(lpsz);
    }
    m_nIDLastMessage = (UINT)wParam;
    m_nIDTracking = (UINT)wParam;
    return nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam)
{
    return SendMessage(WM_SETMESSAGESTRING, wParam, lParam);
}

void CFrameWnd::SetMessageText(LPCSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)lpszText);
}

void CFrameWnd::SetMessageText(UINT nID) { SendMessage(WM_SETMESSAGESTRING, (WPARAM)nID); }

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI)
{
    int nVK = pCmdUI->m_nID == ID_INDICATOR_CAPS ? VK_CAPITAL
        : pCmdUI->m_nID == ID_INDICATOR_NUM      ? VK_NUMLOCK
                                                 : VK_SCROLL;
    pCmdUI->Enable(::GetKeyState(nVK) & 1);
}

// --- title, menu and layout ------------------------------------------------------------------------

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* pDoc = GetActiveDocument();
    UpdateFrameTitleForDocument(bAddToTitle && pDoc != nullptr ? (LPCSTR)pDoc->GetTitle()
                                                               : nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCSTR lpszDocName)
{
    CString strDoc;
    if (lpszDocName != nullptr) {
        strDoc = lpszDocName;
        if (m_nWindow > 0) {
            char szNumber[16];
            wsprintfA(szNumber, ":%d", m_nWindow);
            strDoc += szNumber;
        }
    }
    CString strTitle;
    if (strDoc.IsEmpty())
        strTitle = m_strTitle;
    else if (GetStyle() & FWS_PREFIXTITLE)
        strTitle = strDoc + " - " + m_strTitle;
    else
        strTitle = m_strTitle + " - " + strDoc;
    CString strOld;
    GetWindowText(strOld);
    if (strOld != strTitle) // no flicker
        SetWindowText(strTitle);
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    if (GetStyle() & WS_CHILD)
        return;
    if (hMenuAlt == nullptr) {
        CDocument* pDoc = GetActiveDocument();
        if (pDoc != nullptr)
            hMenuAlt = pDoc->GetDefaultMenu();
        if (hMenuAlt == nullptr)
            hMenuAlt = m_hMenuDefault;
    }
    if (::GetMenu(m_hWnd) != hMenuAlt)
        ::SetMenu(m_hWnd, hMenuAlt);
}

void CFrameWnd::DelayUpdateFrameMenu(HMENU hMenuAlt)
{
    m_hMenuAlt = hMenuAlt;
    m_nIdleFlags |= idleMenu;
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify)
{
    m_nIdleFlags |= (idleLayout | (bNotify ? idleNotify : 0));
}

BOOL CFrameWnd::NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder)
{
    CRect border, request;
    switch (nBorderCmd) {
    case borderGet: {
        CRect rect;
        GetClientRect(&rect);
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rect);
        *lpRectBorder = rect;
        return TRUE;
    }
    case borderRequest:
        return TRUE;
    case borderSet:
        if (lpRectBorder == nullptr) {
            if (!m_rectBorder.IsRectNull()) {
                m_rectBorder.SetRectEmpty();
                RecalcLayout();
            }
        } else if (!::EqualRect(&m_rectBorder, lpRectBorder)) {
            m_rectBorder = *lpRectBorder;
            RecalcLayout();
        }
        return TRUE;
    }
    return FALSE;
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC)
{
    if (m_pViewActive != nullptr)
        return TRUE; // the view covers the client area
    return CWnd::OnEraseBkgnd(pDC);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    if (m_nIdleFlags & idleMenu) {
        m_nIdleFlags &= ~idleMenu;
        OnUpdateFrameMenu(m_hMenuAlt);
    }
    if (m_nIdleFlags & idleTitle) {
        m_nIdleFlags &= ~idleTitle;
        OnUpdateFrameTitle(TRUE);
    }
    if (m_nIdleFlags & idleLayout) {
        BOOL bNotify = (m_nIdleFlags & idleNotify) != 0;
        m_nIdleFlags &= ~(idleLayout | idleNotify);
        RecalcLayout(bNotify);
        UpdateWindow();
    }
    // The active document's idle time.
    CFrameWnd* pActiveFrame = GetActiveFrame();
    CDocument* pDoc = pActiveFrame != nullptr ? pActiveFrame->GetActiveDocument() : nullptr;
    if (pDoc != nullptr)
        pDoc->OnIdle();
    return 0;
}

// --- modal state ---------------------------------------------------------------------------------

void CFrameWnd::BeginModalState()
{
    if (m_cModalStack++ > 0)
        return;
    // Disable the frame and the enabled top-level windows it owns (floating bars ...).
    std::vector<HWND> disabled;
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != nullptr;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        if (hWnd != m_hWnd && ::GetWindow(hWnd, GW_OWNER) == m_hWnd && ::IsWindowEnabled(hWnd)) {
            ::EnableWindow(hWnd, FALSE);
            disabled.push_back(hWnd);
        }
    }
    if (::IsWindowEnabled(m_hWnd)) {
        ::EnableWindow(m_hWnd, FALSE);
        disabled.push_back(m_hWnd);
    }
    delete[] m_phWndDisable;
    m_phWndDisable = new HWND[disabled.size() + 1];
    std::copy(disabled.begin(), disabled.end(), m_phWndDisable);
    m_phWndDisable[disabled.size()] = nullptr;
}

void CFrameWnd::EndModalState()
{
    if (m_cModalStack == 0 || --m_cModalStack > 0 || m_phWndDisable == nullptr)
        return;
    for (HWND* phWnd = m_phWndDisable; *phWnd != nullptr; ++phWnd)
        if (::IsWindow(*phWnd))
            ::EnableWindow(*phWnd, TRUE);
    delete[] m_phWndDisable;
    m_phWndDisable = nullptr;
}

// --- closing --------------------------------------------------------------------------------------

void CFrameWnd::OnClose()
{
    // While the frame previews, closing it closes the preview.
    if (m_pPreviewState != nullptr && m_pPreviewState->lpfnCloseProc != nullptr &&
        !m_pPreviewState->lpfnCloseProc(this))
        return;
    // The active document may refuse (its last frame asks to save it).
    CDocument* pDocument = GetActiveDocument();
    if (pDocument != nullptr && !pDocument->CanCloseFrame(this))
        return;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        // Closing the main window ends the program: every document is asked first.
        if (pDocument == nullptr && !pApp->SaveAllModified())
            return;
        pApp->CloseAllDocuments(FALSE);
        if (pApp->m_pMainWnd == nullptr)
            return; // closing the documents closed this frame too
    }
    if (pDocument != nullptr)
        pDocument->PreCloseFrame(this);
    DestroyWindow();
}

BOOL CFrameWnd::OnQueryEndSession()
{
    CWinApp* pApp = AfxGetApp();
    return pApp == nullptr || pApp->m_pMainWnd != this || pApp->SaveAllModified();
}

void CFrameWnd::OnEndSession(BOOL bEnding)
{
    if (!bEnding)
        return;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        pApp->CloseAllDocuments(TRUE);
        pApp->ExitInstance();
    }
}

void CFrameWnd::OnDropFiles(HDROP hDropInfo)
{
    SetActiveWindow();
    UINT nFiles = ::DragQueryFileA(hDropInfo, (UINT)-1, nullptr, 0);
    CWinApp* pApp = AfxGetApp();
    for (UINT i = 0; i < nFiles && pApp != nullptr; i++) {
        char szFileName[MAX_PATH];
        ::DragQueryFileA(hDropInfo, i, szFileName, MAX_PATH);
        pApp->OpenDocumentFile(szFileName);
    }
    ::DragFinish(hDropInfo);
}
