// CMainFrame: the program's MDI main window. It hosts the script and show windows, keeps
// its placement for the profile, and drops menu commands while a prompter runs. (The bars
// join it as they are built.)
#pragma once
#include "framework.h"

class CMainFrame : public CMDIFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The saved placement when it lies on the virtual screen, then the saved show state.
    void RestorePlacement();

protected:
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()
};
