// CChildFrame: the MDI child frame of every document window (scripts and the show). It
// carries its own status bar, COverwriteStatus, whose first pane shows the estimated reading
// time of the frame's script and whose last pane explains the keyboard indicators on a
// double-click; it also shows and hides the rich-text view's ruler.
#pragma once
#include "framework.h"
#include "fw/statusbar.h"

class COverwriteStatus : public CStatusBar
{
public:
    COverwriteStatus();
    ~COverwriteStatus() override;

    // Creates the bar with its three panes on the frame.
    BOOL CreateOn(CFrameWnd* frame);
    // Shows an image of the information icons on the last pane (0 normal, 1 while the
    // explanation is open).
    void SetInfoIcon(int image);
    int GetInfoIcon() const { return m_nInfoIcon; }

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    CImageList m_images;
    HICON m_hIcon; // the icon the last pane shows (owned: destroyed when replaced)
    int m_nInfoIcon;
};

class CChildFrame : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CChildFrame)
public:
    CChildFrame();
    ~CChildFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

    COverwriteStatus m_wndStatusBar;
    int m_bOverwrite; // kept for the status bar; nothing sets it

    afx_msg void OnUpdateERT(CCmdUI* pCmdUI);
    afx_msg BOOL OnToggleRuler(UINT nID);
    afx_msg void OnUpdateToggleRuler(CCmdUI* pCmdUI);

protected:
    DECLARE_MESSAGE_MAP()
};
