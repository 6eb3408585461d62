// CMainFrame: the program's MDI main window. It hosts the script and show windows, keeps
// its placement for the profile, and drops menu commands while a prompter runs. Its bars:
// the main toolbar, the status bar and, where slide shows can be run, the PowerPoint
// instructions beside the main toolbar, the rich-text control's button bar, which every
// script view connects its control to as it does to the status bar, and the "Headers" bar
// kept hidden off the screen. (The rundown bar joins it with the shows.)
#pragma once
#include "framework.h"
#include "richtext/TXBars.h"

#include "FlatToolBar.h"
#include "MyCustomToolbar.h"
#include "RundownBar.h"

class CMainFrame : public CMDIFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Commands no window on the usual route takes go to the show view in the rundown bar.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // The saved placement when it lies on the virtual screen, then the saved show state.
    void RestorePlacement();
    // The status bar while it has a window (the framework's prompts go there).
    CWnd* GetMessageBar() override;
    // Docks pBar on pNeighbour's side, just right of it.
    void DockBarBeside(CControlBar* pBar, CControlBar* pNeighbour);

    static const UINT kMainToolbarID = 0xE800; // "ToolBar"
    static const UINT kStatusBarID = 0xE805;
    static const UINT kPowerPointBarID = 151; // "Power Point Instructions"
    static const UINT kHeadersBarID = 0xE807; // "Headers"
    static const UINT kButtonBarID = 0xE804; // "ButtonBar"
    static const UINT kRundownToolbarID = 0xE808; // "Rundown": not the main toolbar's id

    CMyCustomToolbar m_wndToolBar;
    CTXStatusBar m_wndStatusBar; // the message, then the caret's page, line and column
    CTXButtonBar m_wndButtonBar; // font, size and styles of the active script
    CFlatToolBar m_wndHeadersBar; // floated off the screen and hidden
    CFlatToolBar m_wndPowerPointBar; // only where slide shows can be run
    CRundownBar m_wndRundownBar; // the show's rundown, shown while a show is open
    CFlatToolBar m_wndRundownToolBar; // prompting and the rundown's rows, shown with it

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
