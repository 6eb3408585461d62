// CChildFrame: the MDI child frame of every document window (scripts and the show).
#pragma once
#include "framework.h"

class CChildFrame : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CChildFrame)
public:
    CChildFrame();
    ~CChildFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    int m_bOverwrite; // kept for the status bar; nothing sets it

protected:
    DECLARE_MESSAGE_MAP()
};
