// CRundownBar: the docking bar at the bottom of the main frame that shows the show's
// rundown: a grid tab window with one tab, "Rundown", whose pane is the one show view on
// the one show document, made when the bar is created.
#pragma once
#include "SizingControlBar.h"

#include "core/GXTabWnd.h"

class CShowView;

class CRundownBar : public CSizingControlBar
{
public:
    CRundownBar();
    ~CRundownBar() override;

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    CShowView* GetShowView() const { return m_pShowView; }
    CGXTabWnd& GetTabWnd() { return m_wndTab; }

    static const UINT kBarID = 59426;
    static const UINT kPaneID = 59648; // the tab window's id

private:
    // Makes the show document and the tab window with the show view as its one pane.
    BOOL CreateRundown();

    CGXTabWnd m_wndTab;
    CShowView* m_pShowView; // the tab window's pane: deleted with its window
};
