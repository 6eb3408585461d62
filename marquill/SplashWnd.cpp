#include "SplashWnd.h"

#include "MarquillResource.h"

CBigIcon::CBigIcon() : m_size {0, 0} { }

CBigIcon::~CBigIcon() = default;

BOOL CBigIcon::SetBitmap(UINT nIDBitmap)
{
    m_bitmap.DeleteObject();
    if (!m_bitmap.LoadBitmap(nIDBitmap))
        return FALSE;
    BITMAP bm = {};
    m_bitmap.GetBitmap(&bm);
    m_size = {bm.bmWidth, bm.bmHeight};
    if (m_hWnd)
        SizeToContent();
    return TRUE;
}

void CBigIcon::SizeToContent()
{
    // The bitmap at (2, 2) inside a one-pixel frame, with the shadow beyond it.
    SetWindowPos(nullptr, 0, 0, m_size.cx + 4 + kShadow, m_size.cy + 4 + kShadow,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBigIcon::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rect(lpDrawItemStruct->rcItem);
    CRect frame(rect.left, rect.top, rect.right - kShadow, rect.bottom - kShadow);

    CBrush shadow(RGB(64, 64, 64));
    pDC->FillRect(CRect(frame.right, rect.top + kShadow, rect.right, rect.bottom), &shadow);
    pDC->FillRect(CRect(rect.left + kShadow, frame.bottom, rect.right, rect.bottom), &shadow);

    CBrush black(RGB(0, 0, 0));
    pDC->FrameRect(frame, &black);

    if (m_bitmap.GetSafeHandle()) {
        CDC memory;
        memory.CreateCompatibleDC(pDC);
        CBitmap* pOld = memory.SelectObject(&m_bitmap);
        pDC->BitBlt(rect.left + 2, rect.top + 2, m_size.cx, m_size.cy, &memory, 0, 0, SRCCOPY);
        memory.SelectObject(pOld);
    }
}

CSplashWnd::CSplashWnd() = default;

CSplashWnd::~CSplashWnd()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CSplashWnd::Show(CWnd* pParentWnd)
{
    if (m_hWnd == nullptr && !Create(IDD_SPLASH, pParentWnd))
        return FALSE;
    ShowWindow(SW_SHOW);
    UpdateWindow();
    return TRUE;
}

void CSplashWnd::Hide()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CSplashWnd::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Centred on the screen, whatever the parent.
    CRect rect;
    GetWindowRect(&rect);
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - rect.Width()) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - rect.Height()) / 2;
    SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}
