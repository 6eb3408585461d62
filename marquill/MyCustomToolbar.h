// The program's main toolbar ("ToolBar"): the customisable toolbar whose colour button
// (IDM_COLOR_COMBO) drops down the colour menu (IDR_COLOR_MENU).
#pragma once
#include "DorvaneCustomToolbar.h"

class CMyCustomToolbar : public CDorvaneCustomToolbar
{
    DECLARE_DYNAMIC(CMyCustomToolbar)
public:
    CMyCustomToolbar();
    ~CMyCustomToolbar() override;

    BOOL OnStartup() override;

    int m_nColorButtonIndex; // -1 until the bar starts up with a colour button
};
