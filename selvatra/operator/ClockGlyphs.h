// The digit and letter glyphs of the clock displays: device-independent bitmaps from the
// engine's resources, recoloured on demand and turned into bitmaps for drawing.
#pragma once
#include <windows.h>

#include <vector>

#include "SelvatraApi.h"

// Glyph numbers.
enum : int {
    GLYPH_COLON = 10,
    GLYPH_BLANK = 11,
    GLYPH_LIGHT1 = 14,
    GLYPH_LIGHT2 = 15,
    GLYPH_HEAVY1 = 16,
    GLYPH_HEAVY2 = 17
};

// One 4-bit device-independent bitmap with a 16-entry colour table, and its own bits.
class SELVATRA_API CDibHolder
{
public:
    // Copies the bitmap resource id of module; false when there is none.
    bool Load(HMODULE module, int id);
    // Colour-table entries 11 (glyph) and 0 (background).
    void SetColors(COLORREF fore, COLORREF back);
    // Sets every non-zero pixel to the first colour-table entry holding c (if any).
    void Recolor(COLORREF c);
    HBITMAP CreateBitmap() const;
    int Width() const { return m_info.bmiHeader.biWidth; }
    int Height() const { return m_info.bmiHeader.biHeight; }

private:
    struct Info
    {
        BITMAPINFOHEADER bmiHeader;
        RGBQUAD bmiColors[16];
    } m_info = {};
    std::vector<BYTE> m_bits;
};

// The glyph bitmaps of one display in one colour.
class SELVATRA_API CClockGlyphs
{
public:
    explicit CClockGlyphs(int count);
    ~CClockGlyphs();
    // Rebuilds the bitmaps in colour c on background back; returns false without a change
    // when they already have that colour.
    bool Build(COLORREF c, COLORREF back);
    HBITMAP Glyph(int n) const
    {
        return n >= 0 && n < (int)m_bitmaps.size() ? m_bitmaps[n] : nullptr;
    }
    SIZE GlyphSize() const { return m_size; }
    int Rebuilds() const { return m_nRebuilds; }

private:
    void Free();
    int m_nCount;
    std::vector<HBITMAP> m_bitmaps;
    SIZE m_size = {0, 0};
    COLORREF m_color = CLR_INVALID, m_back = CLR_INVALID;
    int m_nRebuilds = 0;
};

// The module the engine's resources live in.
SELVATRA_API HMODULE SelvatraModule();
