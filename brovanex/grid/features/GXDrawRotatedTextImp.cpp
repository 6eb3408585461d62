#include "features/GXDrawRotatedTextImp.h"
#include "core/GXLibraryState.h"
#include "fw/dc.h"
#include <cmath>
#include <cstring>

CPoint CGXDrawRotatedTextImp::StartPoint(const CRect& rect, CSize extent, UINT nFormat,
                                         LONG lfOrientation)
{
    const double kRadians = 0.017453292519444445;
    double dAngle = std::fmod(lfOrientation * 0.1, 360.0);
    if (dAngle < 0)
        dAngle += 360.0;
    const double cx = extent.cx, cy = extent.cy;
    const double W = rect.Width(), H = rect.Height();
    double x = rect.left, y = rect.top, a;
    if (dAngle <= 90) {
        a = dAngle * kRadians;
        y = rect.top + std::sin(a) * cx + cy / 2;
    } else if (dAngle < 180) {
        a = (dAngle - 90) * kRadians;
        x = rect.left + std::sin(a) * cx;
        if (x > rect.right)
            x = rect.right - cy;
        y = rect.top + std::cos(a) * cx + cy;
    } else if (dAngle <= 270) {
        a = (dAngle - 180) * kRadians;
        x = rect.left + std::cos(a) * cx + cy;
    } else {
        a = (dAngle - 270) * kRadians;
        x = rect.left + std::sin(a) * cy;
    }
    if (nFormat & DT_RIGHT)
        x += W - std::cos(a) * cx - cy;
    else if (nFormat & DT_CENTER)
        x += (W - std::cos(a) * cx) / 2 - cy / 2;
    if (nFormat & DT_BOTTOM)
        y += H - std::sin(a) * cx - cy;
    else if (nFormat & DT_VCENTER)
        y += (H - std::sin(a) * cx) / 2 - cy / 2;
    return CPoint((int)x, (int)y);
}

int CGXDrawRotatedTextImp::DrawRotatedText(CDC* pDC, LPCTSTR lpszString, int nCount, int left,
                                           int top, int right, int bottom, UINT nFormat,
                                           LONG lfOrientation, LPCRECT lpClipRect)
{
    if (pDC == nullptr || lpszString == nullptr)
        return 0;
    if (nCount < 0)
        nCount = (int)strlen(lpszString);
    const CSize extent = pDC->GetTextExtent(lpszString, nCount);
    const CRect rect(left, top, right, bottom);
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(lpClipRect != nullptr ? lpClipRect : &rect);
    const CPoint pt = StartPoint(rect, extent, nFormat, lfOrientation);
    pDC->TextOut(pt.x, pt.y, lpszString, nCount);
    pDC->RestoreDC(nSaved);
    return 0;
}

void GXImplementDrawRotatedText()
{
    GXInstallProcessFeature<CGXDrawRotatedTextImp>(GXGetLibraryState().m_pDrawRotatedTextImp);
}
