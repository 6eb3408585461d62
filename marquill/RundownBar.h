// CRundownBar: the docking bar at the bottom of the main frame that shows the show's
// rundown: the one show view on the one show document, made when the bar is created.
#pragma once
#include "SizingControlBar.h"

class CShowView;

class CRundownBar : public CSizingControlBar
{
public:
    CRundownBar();
    ~CRundownBar() override;

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    CShowView* GetShowView() const { return m_pShowView; }

    static const UINT kBarID = 59426;
    static const UINT kPaneID = 59648;

private:
    CShowView* m_pShowView; // a child window: deleted with it
};
