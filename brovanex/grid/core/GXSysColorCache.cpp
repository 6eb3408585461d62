#include "core/GXSysColorCache.h"

namespace {
// The classic default palette, used natively where no system colours exist.
const COLORREF kDefaultSysColors[31] = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0};
const int kSystemColorCount = 31;

COLORREF LiveSysColor(int nIndex)
{
    if (nIndex < 0 || nIndex >= kSystemColorCount)
        return 0;
#if defined(_WIN32)
    return ::GetSysColor(nIndex);
#else
    return kDefaultSysColors[nIndex];
#endif
}
} // namespace

CGXSysColorCache::CGXSysColorCache()
    : m_colors {}, m_nCount(0), m_nBorderX(2), m_nBorderY(2), m_clrBtnFace(0), m_clrBtnShadow(0),
      m_clrBtnHilite(0), m_clrWindowFrame(0), m_cr3dLight(0), m_cr3dDkShadow(0), m_clrWindowText(0),
      m_clrWindow(0), m_clrHighlight(0), m_clrHighlightText(0), m_bWin4(TRUE)
{ }

void CGXSysColorCache::Refresh()
{
    for (int i = 0; i < nCachedColors; ++i)
        m_colors[i] = LiveSysColor(i);
    m_nCount = nCachedColors;
    m_clrBtnFace = LiveSysColor(COLOR_BTNFACE);
    m_clrBtnShadow = LiveSysColor(COLOR_BTNSHADOW);
    m_clrBtnHilite = LiveSysColor(COLOR_BTNHIGHLIGHT);
    m_clrWindowFrame = LiveSysColor(COLOR_WINDOWFRAME);
    m_cr3dLight = LiveSysColor(COLOR_3DLIGHT);
    m_cr3dDkShadow = LiveSysColor(COLOR_3DDKSHADOW);
    m_clrWindowText = LiveSysColor(COLOR_WINDOWTEXT);
    m_clrWindow = LiveSysColor(COLOR_WINDOW);
    m_clrHighlight = LiveSysColor(COLOR_HIGHLIGHT);
    m_clrHighlightText = LiveSysColor(COLOR_HIGHLIGHTTEXT);
}

COLORREF CGXSysColorCache::GetSysColor(int nIndex) const
{
    if (nIndex >= 0 && nIndex < m_nCount)
        return m_colors[nIndex];
    return LiveSysColor(nIndex);
}

CGXSysColorCache& GXGetSysColorCache()
{
    static CGXSysColorCache cache;
    return cache;
}

COLORREF GXResolveColor(COLORREF cr)
{
    if (GXIsSysColorRef(cr))
        return GXGetSysColorCache().GetSysColor(GXSysColorIndexOfRef(cr)) & 0xFFFFFF;
    return cr & 0xFFFFFF;
}

COLORREF GXSysColorRef(int nIndex)
{
    if (nIndex < 0 || nIndex > GX_MAXSYSCOLORINDEX)
        return 0;
    return (GXGetSysColorCache().GetSysColor(nIndex) & 0xFFFFFF) | ((COLORREF)(254 - nIndex) << 24);
}
