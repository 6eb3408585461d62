// One border of a cell: a pen packed into two 32-bit words. Style 7 means "not set".
#pragma once
#include "core/GXDefs.h"

class CGXBrush;

#define GX_PEN_NOTSET 7

class CGXPen
{
public:
    CGXPen() : m_dw1(GX_PEN_NOTSET | (1u << 3)), m_dw2(0) { }
    CGXPen(UINT nStyle, int nWidth, COLORREF crColor);

    UINT GetStyle() const { return m_dw1 & 7; }
    CGXPen& SetStyle(UINT nStyle);
    int GetWidth() const { return (int)((m_dw1 >> 3) & 0xFFFF); }
    CGXPen& SetWidth(int nWidth);
    COLORREF GetColor() const;
    CGXPen& SetColor(COLORREF cr);
    COLORREF GetColorNA() const;

    BOOL IsSet() const { return GetStyle() != GX_PEN_NOTSET; }
    // TRUE turns an unset pen solid, FALSE marks it unset.
    void MarkSet(BOOL bSet);

    // The text form "style width r g b high-byte".
    CString GetDescription() const;
    BOOL SetDescription(LPCTSTR pszDescription);

    void GetLogPen(LOGPEN& lp) const;
    // How an edge that is no plain line is drawn: TRUE with the brush filled in.
    BOOL MakeEdgeBrush(CGXBrush& brush, const CGXBrush& interior, BOOL bHorizontalEdge,
                       BOOL bBlackWhite) const;

    BOOL operator==(const CGXPen& other) const
    {
        return m_dw1 == other.m_dw1 && m_dw2 == other.m_dw2;
    }
    BOOL operator!=(const CGXPen& other) const { return !(*this == other); }

    DWORD m_dw1, m_dw2;
};
