// The multiple-document frames on the system's MDI client: CMDIFrameWnd keeps the
// client, the menus and the accelerators of the active child; CMDIChildWnd is one
// document window, created as an MDI child.
#include "fw/win.h"
#include "fw/preview.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

namespace {
// The MDI frame routing a command through its active child: the child then leaves the
// application to the frame, which asks it after itself.
thread_local const CMDIFrameWnd* t_pRoutingFrame = nullptr;
} // namespace

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_COMMAND(ID_WINDOW_NEW, &CMDIFrameWnd::OnWindowNew)
    ON_COMMAND_EX(ID_WINDOW_ARRANGE, &CMDIFrameWnd::OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_CASCADE, &CMDIFrameWnd::OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_ARRANGE, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_NEW, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() : m_hWndMDIClient(nullptr) { }

CMDIFrameWnd::~CMDIFrameWnd() = default;

BOOL CMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext)
{
    return CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    // The popup that holds the Window commands (or already lists the windows).
    if (hMenuBar == nullptr)
        return nullptr;
    int nItems = ::GetMenuItemCount(hMenuBar);
    for (int i = nItems - 1; i >= 0; i--) {
        HMENU hPopup = ::GetSubMenu(hMenuBar, i);
        if (hPopup == nullptr)
            continue;
        int nSubItems = ::GetMenuItemCount(hPopup);
        for (int j = 0; j < nSubItems; j++) {
            UINT nID = ::GetMenuItemID(hPopup, j);
            if ((nID >= ID_WINDOW_NEW && nID <= ID_WINDOW_SPLIT) || nID >= AFX_IDM_FIRST_MDICHILD)
                return hPopup;
        }
    }
    return nullptr;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    CMenu* pWindowMenu = CMenu::FromHandle(GetWindowMenuPopup(::GetMenu(m_hWnd)));
    return CreateClient(lpcs, pWindowMenu);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu)
{
    CLIENTCREATESTRUCT ccs;
    ccs.hWindowMenu = pWindowMenu->GetSafeHmenu();
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    DWORD dwStyle = WS_VISIBLE | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | MDIS_ALLCHILDSTYLES;
    // Scroll bars asked of the frame belong to the client.
    if (lpCreateStruct->style & (WS_HSCROLL | WS_VSCROLL)) {
        dwStyle |= (lpCreateStruct->style & (WS_HSCROLL | WS_VSCROLL));
        ModifyStyle(WS_HSCROLL | WS_VSCROLL, 0, SWP_NOREDRAW | SWP_FRAMECHANGED);
    }
    m_hWndMDIClient =
        ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, dwStyle, 0, 0, 0, 0, m_hWnd,
                          (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST, AfxGetInstanceHandle(), &ccs);
    return m_hWndMDIClient != nullptr;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, nMsg, wParam, lParam);
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    if (m_hWndMDIClient == nullptr)
        return nullptr;
    BOOL bMaximized = FALSE;
    HWND hWnd = (HWND)::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)&bMaximized);
    CMDIChildWnd* pWnd = (CMDIChildWnd*)CWnd::FromHandlePermanent(hWnd);
    if (pWnd != nullptr && !pWnd->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)))
        pWnd = nullptr;
    if (pbMaximized != nullptr)
        *pbMaximized = pWnd != nullptr && bMaximized;
    return pWnd;
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    return pActiveChild != nullptr ? (CFrameWnd*)pActiveChild : this;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)pWndActivate->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDIIconArrange() { ::SendMessageA(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0); }
void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)pWnd->GetSafeHwnd(), 0);
}
void CMDIFrameWnd::MDINext() { ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 0); }
void CMDIFrameWnd::MDIPrev() { ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 1); }
void CMDIFrameWnd::MDIRestore(CWnd* pWnd)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIRESTORE, (WPARAM)pWnd->GetSafeHwnd(), 0);
}
void CMDIFrameWnd::MDITile() { ::SendMessageA(m_hWndMDIClient, WM_MDITILE, 0, 0); }
void CMDIFrameWnd::MDICascade() { ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, 0, 0); }
void CMDIFrameWnd::MDITile(int nType) { ::SendMessageA(m_hWndMDIClient, WM_MDITILE, nType, 0); }
void CMDIFrameWnd::MDICascade(int nType)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, nType, 0);
}

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu)
{
    HMENU hOld =
        (HMENU)::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)pFrameMenu->GetSafeHmenu(),
                              (LPARAM)pWindowMenu->GetSafeHmenu());
    return CMenu::FromHandle(hOld);
}

CMDIChildWnd* CMDIFrameWnd::CreateNewChild(CRuntimeClass* pClass, UINT nResource, HMENU hMenu,
                                           HACCEL hAccel)
{
    CMDIChildWnd* pFrame = (CMDIChildWnd*)pClass->CreateObject();
    if (pFrame == nullptr)
        return nullptr;
    pFrame->m_hMenuShared = hMenu;
    pFrame->m_hAccelTable = hAccel;
    CCreateContext context;
    if (!pFrame->LoadFrame(nResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, this, &context))
        return nullptr;
    pFrame->InitialUpdateFrame(nullptr, TRUE);
    return pFrame;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active child (its view, document and frame) first, then this frame, then
    // the application. A print preview in this frame is its active view and comes first.
    if (m_pPreviewState != nullptr)
        return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != nullptr) {
        const CMDIFrameWnd* pOldRouting = t_pRoutingFrame;
        t_pRoutingFrame = this;
        BOOL bHandled = FALSE;
        try {
            bHandled = pActiveChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
        } catch (...) {
            t_pRoutingFrame = pOldRouting;
            throw;
        }
        t_pRoutingFrame = pOldRouting;
        if (bHandled)
            return TRUE;
    }
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The window list's commands are the MDI client's (default processing).
    if (lParam == 0 && LOWORD(wParam) >= AFX_IDM_FIRST_MDICHILD)
        return FALSE;
    return CFrameWnd::OnCommand(wParam, lParam);
}

HACCEL CMDIFrameWnd::GetDefaultAccelerator()
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    HACCEL hAccel = pActiveChild != nullptr ? pActiveChild->GetDefaultAccelerator() : nullptr;
    return hAccel != nullptr ? hAccel : m_hAccelTable;
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        // Ctrl+F4, Ctrl+F6 ... for the active child, then its accelerators, then ours.
        if (MDIGetActive() != nullptr && ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
            return TRUE;
        HACCEL hAccel = GetDefaultAccelerator();
        if (hAccel != nullptr && ::TranslateAcceleratorA(m_hWnd, hAccel, pMsg))
            return TRUE;
        return hAccel != m_hAccelTable && m_hAccelTable != nullptr &&
            ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
    }
    return CWnd::PreTranslateMessage(pMsg);
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIChildWnd* pActiveWnd = MDIGetActive();
    if (pActiveWnd != nullptr) {
        pActiveWnd->OnUpdateFrameMenu(TRUE, pActiveWnd, hMenuAlt);
        return;
    }
    if (hMenuAlt == nullptr)
        hMenuAlt = m_hMenuDefault;
    if (hMenuAlt != nullptr) {
        MDISetMenu(CMenu::FromHandle(hMenuAlt), CMenu::FromHandle(GetWindowMenuPopup(hMenuAlt)));
        DrawMenuBar();
    }
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pActiveChild = MDIGetActive(&bMaximized);
    CDocument* pDoc = pActiveChild != nullptr ? pActiveChild->GetActiveDocument() : nullptr;
    // A maximised child's title is shown by the system beside the frame's.
    if (bAddToTitle && pDoc != nullptr && !bMaximized)
        UpdateFrameTitleForDocument(pDoc->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

void CMDIFrameWnd::RecalcLayout(BOOL bNotify)
{
    // The MDI client is the pane left over by the bars.
    CFrameWnd::RecalcLayout(bNotify);
}

void CMDIFrameWnd::OnSize(UINT nType, int, int)
{
    // Not the default handling: it would give the whole client area to the MDI client.
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CMDIFrameWnd::OnDestroy() { CFrameWnd::OnDestroy(); }

void CMDIFrameWnd::OnWindowNew()
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    CDocument* pDocument = pActiveChild != nullptr ? pActiveChild->GetActiveDocument() : nullptr;
    CDocTemplate* pTemplate = pDocument != nullptr ? pDocument->GetDocTemplate() : nullptr;
    if (pTemplate == nullptr)
        return;
    CFrameWnd* pFrame = pTemplate->CreateNewFrame(pDocument, pActiveChild);
    if (pFrame == nullptr) {
        AfxMessageBox(AFX_IDP_COMMAND_FAILURE);
        return;
    }
    pTemplate->InitialUpdateFrame(pFrame, pDocument);
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    switch (nID) {
    case ID_WINDOW_ARRANGE:
        MDIIconArrange();
        return TRUE;
    case ID_WINDOW_CASCADE:
        MDICascade();
        return TRUE;
    case ID_WINDOW_TILE_HORZ:
        MDITile(MDITILE_HORIZONTAL);
        return TRUE;
    case ID_WINDOW_TILE_VERT:
        MDITile(MDITILE_VERTICAL);
        return TRUE;
    }
    return FALSE;
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(MDIGetActive() != nullptr);
}

// --- CMDIChildWnd ------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_MDIACTIVATE()
    ON_WM_MOUSEACTIVATE()
    ON_WM_NCACTIVATE()
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() : m_hMenuShared(nullptr) { }

CMDIChildWnd::~CMDIChildWnd() = default;

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle |= WS_EX_MDICHILD;
    cs.style |= WS_CHILD | WS_CLIPSIBLINGS;
    return TRUE;
}

BOOL CMDIChildWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (pParentWnd == nullptr) {
        CWnd* pMainWnd = AfxGetMainWnd();
        if (pMainWnd == nullptr || !pMainWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
            return FALSE;
        pParentWnd = (CMDIFrameWnd*)pMainWnd;
    }
    if (pParentWnd->m_hWndMDIClient == nullptr)
        return FALSE;
    m_strTitle = lpszWindowName;
    // Shown by ActivateFrame; maximised when the active child is.
    BOOL bMaximized = FALSE;
    pParentWnd->MDIGetActive(&bMaximized);
    dwStyle &= ~(WS_VISIBLE | WS_POPUP);
    if (bMaximized)
        dwStyle |= WS_MAXIMIZE;
    int x = rect.left, y = rect.top, cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    if (CRect(rect) == rectDefault)
        x = y = cx = cy = CW_USEDEFAULT;
    return CreateEx(WS_EX_MDICHILD, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, x, y, cx, cy,
                    pParentWnd->m_hWndMDIClient, nullptr, (LPVOID)pContext);
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    // The menu and accelerators are the template's, shared by its children.
    if (pContext != nullptr && pContext->m_pNewDocTemplate != nullptr &&
        pContext->m_pNewDocTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate))) {
        CMultiDocTemplate* pTemplate = (CMultiDocTemplate*)pContext->m_pNewDocTemplate;
        m_hMenuShared = pTemplate->m_hMenuShared;
        m_hAccelTable = pTemplate->m_hAccelTable;
    }
    CString strFullString, strTitle;
    if (strFullString.LoadString(nIDResource))
        AfxExtractSubString(strTitle, strFullString, CDocTemplate::docName, '\n');
    CMDIFrameWnd* pFrame =
        pParentWnd != nullptr && pParentWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))
        ? (CMDIFrameWnd*)pParentWnd
        : nullptr;
    return Create(nullptr, strTitle, dwDefaultStyle, rectDefault, pFrame, pContext);
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    // An MDI child's creation parameter is the client's MDICREATESTRUCT.
    MDICREATESTRUCTA* lpmcs = (MDICREATESTRUCTA*)lpcs->lpCreateParams;
    CCreateContext* pContext = lpmcs != nullptr ? (CCreateContext*)lpmcs->lParam : nullptr;
    return OnCreateHelper(lpcs, pContext);
}

LRESULT CMDIChildWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcA(m_hWnd, nMsg, wParam, lParam);
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND hWndClient = ::GetParent(m_hWnd);
    CWnd* pFrame = CWnd::FromHandlePermanent(::GetParent(hWndClient));
    return pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))
        ? (CMDIFrameWnd*)pFrame
        : nullptr;
}

void CMDIChildWnd::MDIDestroy()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIDESTROY, (WPARAM)m_hWnd, 0);
}
void CMDIChildWnd::MDIActivate()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIACTIVATE, (WPARAM)m_hWnd, 0);
}
void CMDIChildWnd::MDIMaximize()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIMAXIMIZE, (WPARAM)m_hWnd, 0);
}
void CMDIChildWnd::MDIRestore()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIRESTORE, (WPARAM)m_hWnd, 0);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    // The MDI client destroys its children (and activates the next one).
    CMDIFrameWnd* pFrame = GetMDIFrame();
    MDIDestroy();
    if (pFrame != nullptr && pFrame->m_hWnd != nullptr)
        pFrame->OnUpdateFrameTitle(TRUE);
    return TRUE;
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (nCmdShow == -1) {
        BOOL bMaximized = FALSE;
        if (pFrame != nullptr)
            pFrame->MDIGetActive(&bMaximized);
        DWORD dwStyle = GetStyle();
        if (bMaximized || (dwStyle & WS_MAXIMIZE))
            nCmdShow = SW_SHOWMAXIMIZED;
        else if (dwStyle & WS_MINIMIZE)
            nCmdShow = SW_SHOWMINIMIZED;
    }
    CFrameWnd::ActivateFrame(nCmdShow);
    if (pFrame != nullptr) {
        if (pFrame->MDIGetActive() != this)
            MDIActivate();
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
        pFrame->DrawMenuBar();
    }
}

BOOL CMDIChildWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // Routed by the MDI frame: the frame and the application come after.
    if (t_pRoutingFrame != nullptr && t_pRoutingFrame == GetMDIFrame())
        return FALSE;
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != nullptr)
        return pFrame->CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    // Keys are the MDI frame's to translate (with this child's accelerators).
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return FALSE;
    return CWnd::PreTranslateMessage(pMsg);
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != nullptr)
        pFrame->OnUpdateFrameTitle(bAddToTitle);
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* pDoc = GetActiveDocument();
    if (!bAddToTitle || pDoc == nullptr)
        return;
    CString strTitle = pDoc->GetTitle();
    if (m_nWindow > 0) {
        char szNumber[16];
        wsprintfA(szNumber, ":%d", m_nWindow);
        strTitle += szNumber;
    }
    CString strOld;
    GetWindowText(strOld);
    if (strOld != strTitle)
        SetWindowText(strTitle);
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActive, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == nullptr)
        return;
    if (bActive) {
        if (hMenuAlt == nullptr) {
            CDocument* pDoc = GetActiveDocument();
            if (pDoc != nullptr)
                hMenuAlt = pDoc->GetDefaultMenu();
        }
        if (hMenuAlt == nullptr)
            hMenuAlt = m_hMenuShared;
        if (hMenuAlt == nullptr)
            hMenuAlt = pFrame->m_hMenuDefault;
    } else if (pActivateWnd == nullptr) {
        hMenuAlt = pFrame->m_hMenuDefault; // the last child is going: the frame's own menu
    } else {
        return; // the child being activated puts up its own
    }
    if (hMenuAlt != nullptr)
        pFrame->MDISetMenu(CMenu::FromHandle(hMenuAlt),
                           CMenu::FromHandle(pFrame->GetWindowMenuPopup(hMenuAlt)));
    pFrame->DrawMenuBar();
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd*)
{
    Default();
    OnUpdateFrameMenu(bActivate, pActivateWnd, nullptr);
    CView* pActiveView = GetActiveView();
    if (pActiveView != nullptr)
        pActiveView->OnActivateView(bActivate, pActiveView, pActiveView);
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != nullptr && (bActivate || pActivateWnd == nullptr))
        pFrame->OnUpdateFrameTitle(TRUE);
}

int CMDIChildWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    return CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

BOOL CMDIChildWnd::OnNcActivate(BOOL bActive) { return CWnd::OnNcActivate(bActive); }

void CMDIChildWnd::OnWindowPosChanging(WINDOWPOS* lpWndPos) { CWnd::OnWindowPosChanging(lpWndPos); }
