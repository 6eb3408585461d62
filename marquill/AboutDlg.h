// The About box: the program's name, version and bitmap.
#pragma once
#include "framework.h"

#include "SplashWnd.h"

class CAboutDlg : public CDialog
{
public:
    CAboutDlg();
    ~CAboutDlg() override;
    BOOL OnInitDialog() override;

    CBigIcon m_picture; // the program's bitmap, framed
};
