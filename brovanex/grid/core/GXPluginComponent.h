// CGXPluginComponent: an object that pre-handles the messages of a grid window. It has no
// window of its own: it borrows the handle of the window it is plugged into and gives it
// back when destroyed, so the grid window stays alive and attached to its grid.
#pragma once
#include "fw/wnd.h"

class CGXPluginComponent : public CWnd
{
    DECLARE_DYNAMIC(CGXPluginComponent)
public:
    CGXPluginComponent();
    ~CGXPluginComponent() override;

    virtual BOOL AttachToWindow(CWnd* pWnd);
    // Clears both flags and runs the plug-in's own message map; TRUE when it handled the
    // message (the result then holds the answer).
    BOOL HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    BOOL m_bSkipOtherPlugins; // no later plug-in sees the message; the grid handles it
    BOOL m_bExitMessage; // nobody else handles the message
};
