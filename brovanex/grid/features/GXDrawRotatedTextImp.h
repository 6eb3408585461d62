// Text in a rotated font placed inside a cell rectangle by the cell's alignment.
#pragma once
#include "features/GXAbstractProcessFeatures.h"

class CGXDrawRotatedTextImp final : public CGXAbstractDrawRotatedTextImp
{
public:
    // The DC holds the rotated font; lfOrientation is in tenths of a degree. nCount -1 takes
    // the whole text. The text is clipped to lpClipRect, else to the rectangle.
    int DrawRotatedText(CDC* pDC, LPCTSTR lpszString, int nCount, int left, int top, int right,
                        int bottom, UINT nFormat, LONG lfOrientation, LPCRECT lpClipRect) override;
    // Where the text starts for an extent cx by cy (exposed for the measuring code's tests).
    static CPoint StartPoint(const CRect& rect, CSize extent, UINT nFormat, LONG lfOrientation);
};
