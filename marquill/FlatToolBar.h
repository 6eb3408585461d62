// A toolbar drawn flat (the "Headers" and "Power Point Instructions" bars): a checked
// button is shown pressed, and a move leaves no trace of the old place behind.
#pragma once
#include "framework.h"

class CFlatToolBar : public CToolBar
{
    DECLARE_DYNAMIC(CFlatToolBar)
public:
    // The framework's load, then the flat style. FALSE when the resource is missing.
    BOOL LoadToolBar(LPCSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCEA(nIDResource)); }

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpWndPos);
    DECLARE_MESSAGE_MAP()
};

// The update object of a flat toolbar's button.
class CFlatOrCoolBarCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override;
    void SetCheck(int nCheck) override;
};
