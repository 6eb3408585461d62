// The rectangle operations that follow the system's rules for empty rectangles.
#include "fw/geometry.h"

#include <algorithm>

void CRect::NormalizeRect()
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

BOOL CRect::IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
    CRect r(std::max(lpRect1->left, lpRect2->left), std::max(lpRect1->top, lpRect2->top),
            std::min(lpRect1->right, lpRect2->right), std::min(lpRect1->bottom, lpRect2->bottom));
    if (r.IsRectEmpty() || CRect(lpRect1).IsRectEmpty() || CRect(lpRect2).IsRectEmpty()) {
        SetRectEmpty();
        return FALSE;
    }
    *this = r;
    return TRUE;
}

BOOL CRect::UnionRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
    CRect r1(lpRect1), r2(lpRect2);
    if (r1.IsRectEmpty()) {
        if (r2.IsRectEmpty()) {
            SetRectEmpty();
            return FALSE;
        }
        *this = r2;
        return TRUE;
    }
    if (r2.IsRectEmpty()) {
        *this = r1;
        return TRUE;
    }
    SetRect(std::min(r1.left, r2.left), std::min(r1.top, r2.top), std::max(r1.right, r2.right),
            std::max(r1.bottom, r2.bottom));
    return TRUE;
}

// The first rectangle less the second, when that leaves a rectangle (the second covers
// a whole side); otherwise the first rectangle unchanged.
BOOL CRect::SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2)
{
    CRect src(lpRectSrc1);
    if (src.IsRectEmpty()) {
        SetRectEmpty();
        return FALSE;
    }
    CRect cut;
    if (cut.IntersectRect(&src, lpRectSrc2)) {
        if (cut.left <= src.left && cut.right >= src.right) {
            if (cut.top <= src.top)
                src.top = std::min(cut.bottom, src.bottom);
            else if (cut.bottom >= src.bottom)
                src.bottom = std::max(cut.top, src.top);
        } else if (cut.top <= src.top && cut.bottom >= src.bottom) {
            if (cut.left <= src.left)
                src.left = std::min(cut.right, src.right);
            else if (cut.right >= src.right)
                src.right = std::max(cut.left, src.left);
        }
    }
    if (src.IsRectEmpty()) {
        SetRectEmpty();
        return FALSE;
    }
    *this = src;
    return TRUE;
}
