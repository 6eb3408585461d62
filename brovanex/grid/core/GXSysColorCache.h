// The process-wide cache of system colours. Every colour of the model that names a
// system colour (GXIsSysColorRef) is resolved through it when drawn.
#pragma once
#include "core/GXDefs.h"

class CGXSysColorCache
{
public:
    CGXSysColorCache();

    // Re-reads the indexed and named colours (at start and on WM_SYSCOLORCHANGE).
    void Refresh();
    // The colour of a system-colour index. Any index is safe: one outside the known
    // range gives black and never reaches a table.
    COLORREF GetSysColor(int nIndex) const;

    enum { nCachedColors = 24 };
    DWORD m_colors[nCachedColors];
    int m_nCount; // 0 until the first refresh
    int m_nBorderX, m_nBorderY;
    COLORREF m_clrBtnFace, m_clrBtnShadow, m_clrBtnHilite, m_clrWindowFrame, m_cr3dLight,
        m_cr3dDkShadow, m_clrWindowText, m_clrWindow, m_clrHighlight, m_clrHighlightText;
    BOOL m_bWin4;
};

CGXSysColorCache& GXGetSysColorCache();

// A model colour as plain RGB: a system-colour reference resolved, else the low 24 bits.
COLORREF GXResolveColor(COLORREF cr);
// The model's colour word for a system colour: its current RGB with 254 - index in the
// high byte; an index no reference can name gives plain black.
COLORREF GXSysColorRef(int nIndex);
