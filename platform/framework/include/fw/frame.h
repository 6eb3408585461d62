// Frame windows: CFrameWnd (a top-level window with a menu, accelerators, control bars
// and the active view), CMDIFrameWnd (the main window of a multiple-document program,
// over the system's MDI client) and CMDIChildWnd (one document window inside it).
// Commands go to the active view, its document, the frame and then the application.
#pragma once
#include "fw/stdids.h"
#include "fw/wnd.h"

class CControlBar;
class CMiniDockFrameWnd;
class CDocument;
class CMDIChildWnd;
class CView;
struct CPrintPreviewState;

// Frame styles (in the style word's low bits, which frames do not pass to the system).
#define FWS_ADDTOTITLE 0x00008000L // the document's title goes into the caption
#define FWS_PREFIXTITLE 0x00004000L // "document - application" instead of the reverse
#define FWS_SNAPTOBARS 0x00002000L // floating frames size to their bars

class FW_API CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault;
    CFrameWnd();
    ~CFrameWnd() override;

    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr,
                LPCSTR lpszMenuName = nullptr, DWORD dwExStyle = 0,
                CCreateContext* pContext = nullptr);
    // Creates the frame with the menu, accelerators, icon and title (string) of nIDResource.
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    virtual CDocument* GetActiveDocument();
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    // The frame whose view is active: this one, or an MDI frame's active child.
    virtual CFrameWnd* GetActiveFrame();
    virtual void ActivateFrame(int nCmdShow = -1);
    virtual void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);

    // Lays out the control bars and gives the rest to the view (or MDI client).
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    virtual BOOL NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder);
    enum BorderCmd { borderGet = 1, borderRequest = 2, borderSet = 3 };

    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCSTR lpszDocName);
    void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    void DelayUpdateFrameMenu(HMENU hMenuAlt);
    virtual HACCEL GetDefaultAccelerator();

    // The message bar (message 0x362, WM_SETMESSAGESTRING): the status bar by default.
    virtual CWnd* GetMessageBar();
    // The prompt of a command: the first line of its string resource.
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    void SetMessageText(LPCSTR lpszText);
    void SetMessageText(UINT nID);

    // Modal state: every frame of the thread is disabled while a modal window runs.
    virtual void BeginModalState();
    virtual void EndModalState();
    BOOL InModalState() const { return m_cModalStack != 0; }

    // Print preview hides the bars and shows the preview view instead of the frame's.
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);

    // Control bars (docking, floating, showing).
    void EnableDocking(DWORD dwDockStyle);
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void FloatControlBar(CControlBar* pBar, CPoint point,
                         DWORD dwStyle = 0x2000L /* CBRS_ALIGN_TOP */);
    CControlBar* GetControlBar(UINT nID);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    afx_msg BOOL OnBarCheck(UINT nID);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    // Where each bar is docked or floats, and whether it shows, in the profile sections
    // "<lpszProfileName>-Summary" and "<lpszProfileName>-Bar<n>".
    void SaveBarState(LPCSTR lpszProfileName) const;
    void LoadBarState(LPCSTR lpszProfileName);
    // A tool tip's text: the second line of the command's string.
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    // Makes the mini frame a bar floats in (of m_pFloatingFrameClass).
    virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);

    BOOL IsFrameWnd() const override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override; // frames delete themselves
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    // The frame's WM_CREATE with the creation context found (MDI children find it in
    // their MDICREATESTRUCT).
    int OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext);

    // What the frame keeps.
    BOOL m_bAutoMenuEnable; // menu items with no handler are disabled
    HMENU m_hMenuDefault; // the menu when no document is active
    HACCEL m_hAccelTable;
    UINT m_nIDHelp; // the resource id (help context) of the frame
    UINT m_nIDTracking; // the menu item under the mouse
    UINT m_nIDLastMessage; // what the message bar shows
    CView* m_pViewActive;
    CRect m_rectBorder; // the border space the bars left
    CPtrList m_listControlBars;
    CRuntimeClass* m_pFloatingFrameClass;
    int m_nWindow; // the window number in the title (":2"), -1 for none
    CString m_strTitle; // the application part of the caption
    HMENU m_hMenuAlt; // the menu that DelayUpdateFrameMenu asked for
    enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };
    UINT m_nIdleFlags;
    BOOL m_bInRecalcLayout;
    int m_cModalStack; // BeginModalState nesting
    HWND* m_phWndDisable; // the windows BeginModalState disabled (null-terminated)
    UINT m_nShowDelay; // ShowControlBar's delayed show command
    CPrintPreviewState* m_pPreviewState; // while print preview runs
    DWORD m_dwDockStyle; // the sides EnableDocking allowed

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg BOOL OnQueryEndSession();
    afx_msg void OnEndSession(BOOL bEnding);
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI);

protected:
    DECLARE_MESSAGE_MAP()
};

class FW_API CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();
    ~CMDIFrameWnd() override;

    HWND m_hWndMDIClient; // the system's MDI client window (id AFX_IDW_PANE_FIRST)

    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    // Makes the MDI client; the window list goes into pWindowMenu.
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    // The popup of hMenuBar that lists the windows (the one holding Window commands).
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    void MDIActivate(CWnd* pWndActivate);
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIIconArrange();
    void MDIMaximize(CWnd* pWnd);
    void MDINext();
    void MDIPrev();
    void MDIRestore(CWnd* pWnd);
    CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);
    void MDITile();
    void MDICascade();
    void MDITile(int nType);
    void MDICascade(int nType);
    CMDIChildWnd* CreateNewChild(CRuntimeClass* pClass, UINT nResource, HMENU hMenu = nullptr,
                                 HACCEL hAccel = nullptr);

    CFrameWnd* GetActiveFrame() override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    HACCEL GetDefaultAccelerator() override;

    afx_msg void OnWindowNew();
    afx_msg BOOL OnMDIWindowCmd(UINT nID);
    afx_msg void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);

protected:
    DECLARE_MESSAGE_MAP()
};

class FW_API CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();
    ~CMDIChildWnd() override;

    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CMDIFrameWnd* pParentWnd = nullptr,
                        CCreateContext* pContext = nullptr);
    BOOL LoadFrame(UINT nIDResource,
                   DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW |
                       FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;

    CMDIFrameWnd* GetMDIFrame() const;
    void MDIDestroy();
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();

    BOOL DestroyWindow() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    void ActivateFrame(int nCmdShow = -1) override;
    LRESULT DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // Puts this child's menu (or the default one) on the MDI frame.
    virtual void OnUpdateFrameMenu(BOOL bActive, CWnd* pActivateWnd, HMENU hMenuAlt);

    HMENU m_hMenuShared; // the template's menu, shown while this child is active

    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);

protected:
    DECLARE_MESSAGE_MAP()
};

// The frames made on the calling thread (each top-level frame gets idle updates).
FW_API int AFXAPI AfxGetThreadFrameCount();
FW_API CFrameWnd* AFXAPI AfxGetThreadFrame(int nIndex);
