// The interior of a cell: a brush packed into two 32-bit words.
#pragma once
#include "core/GXDefs.h"

// Brushes use pattern numbers below this count (the pattern bitmaps of the drawing helpers).
#define GX_PATTERN_COUNT 41
// The handle of pattern bitmap n (Windows); 0 natively.
UINT_PTR GXPatternBitmapHandle(int nPattern);

class CGXBrush
{
public:
    CGXBrush() : m_dw1(0), m_dw2(0x3FFFFFFF) { }
    CGXBrush(UINT nStyle, COLORREF crColor, int nHatchOrPattern);

    // LOGBRUSH styles: 0 solid, 1 hollow, 2 hatched, 3 pattern.
    UINT GetStyle() const { return m_dw2 >> 30; }
    CGXBrush& SetStyle(UINT nStyle);
    int GetHatch() const { return (int)(m_dw1 & 7); }
    CGXBrush& SetHatch(int nHatch);
    int GetPattern() const { return (int)((m_dw2 >> 24) & 0x3F); }
    CGXBrush& SetPattern(int nPattern);
    // Colours follow the grid's system-colour convention (GXIsSysColorRef).
    COLORREF GetColor() const;
    CGXBrush& SetColor(COLORREF cr);
    COLORREF GetBkColor() const;
    CGXBrush& SetBkColor(COLORREF cr);
    // Plain RGB, system colours resolved.
    COLORREF GetColorNA() const { return GXResolveBrushColor(GetColor()); }
    COLORREF GetBkColorNA() const { return GXResolveBrushColor(GetBkColor()); }

    // The text form "style pattern-or-hatch r g b bkr bkg bkb high-byte".
    CString GetDescription() const;
    BOOL SetDescription(LPCTSTR pszDescription);

    // LOGBRUSH for GDI; a pattern brush gets the pattern bitmap as its hatch (Windows).
    void GetLogBrush(LOGBRUSH& lb) const;

    BOOL operator==(const CGXBrush& other) const
    {
        return m_dw1 == other.m_dw1 && m_dw2 == other.m_dw2;
    }
    BOOL operator!=(const CGXBrush& other) const { return !(*this == other); }

    // The packed words (archive form and cache key).
    DWORD m_dw1, m_dw2;

private:
    static COLORREF GXResolveBrushColor(COLORREF cr);
};
