// The splash window shown while Marquill starts (and behind the prompter for the whole of a
// direct run): a modeless dialog whose one static control shows the program's bitmap.
// CBigIcon draws a bitmap in a framed, shadowed owner-drawn button.
#pragma once
#include "framework.h"

class CBigIcon : public CButton
{
public:
    CBigIcon();
    ~CBigIcon() override;
    // The bitmap the button draws (a resource of the program); sizes the button to it.
    BOOL SetBitmap(UINT nIDBitmap);
    void SizeToContent();
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    static const int kShadow = 4; // the shadow's width along the right and bottom edges

private:
    CBitmap m_bitmap;
    SIZE m_size;
};

class CSplashWnd : public CDialog
{
public:
    CSplashWnd();
    ~CSplashWnd() override;
    // Creates, shows and paints the splash at once; FALSE when it could not be made.
    BOOL Show(CWnd* pParentWnd = nullptr);
    void Hide();

    BOOL OnInitDialog() override;

    CBigIcon m_icon;
};
