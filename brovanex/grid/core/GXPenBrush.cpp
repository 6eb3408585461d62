#include "core/GXBrush.h"
#include "core/GXPen.h"
#include "core/GXSysColorCache.h"
#include <cstdio>
#include <cstdlib>

namespace {
// Packs a model colour into (24-bit value, 2-bit type): a system-colour reference gives
// type 3 with the index.
void PackColor(COLORREF cr, DWORD& dwValue, DWORD& dwType)
{
    if (GXIsSysColorRef(cr)) {
        dwValue = (DWORD)GXSysColorIndexOfRef(cr);
        dwType = 3;
    } else {
        dwValue = cr & 0xFFFFFF;
        dwType = (cr >> 24) & 3;
    }
}

// The model colour of a packed (value, type); an index beyond what a reference can name
// is no system colour at all and reads as black.
COLORREF UnpackColor(DWORD dwValue, DWORD dwType)
{
    if (dwType == 3)
        return GXSysColorRef((int)(dwValue <= GX_MAXSYSCOLORINDEX ? dwValue : 0xFFFF));
    return (dwValue & 0xFFFFFF) | (dwType << 24);
}

// Numbers of a description; returns how many were read.
int ScanNumbers(LPCTSTR psz, long* an, int nMax)
{
    int n = 0;
    while (n < nMax && psz != nullptr) {
        char* pEnd = nullptr;
        long v = strtol(psz, &pEnd, 10);
        if (pEnd == psz)
            break;
        an[n++] = v;
        psz = pEnd;
    }
    return n;
}
} // namespace

// ---------------------------------------------------------------------------------------
// CGXBrush

CGXBrush::CGXBrush(UINT nStyle, COLORREF crColor, int nHatchOrPattern) : CGXBrush()
{
    SetStyle(nStyle);
    SetColor(crColor);
    if (nStyle == BS_PATTERN)
        SetPattern(nHatchOrPattern);
    else
        SetHatch(nHatchOrPattern);
}

CGXBrush& CGXBrush::SetStyle(UINT nStyle)
{
    m_dw2 = (m_dw2 & 0x3FFFFFFF) | ((DWORD)(nStyle & 3) << 30);
    return *this;
}

CGXBrush& CGXBrush::SetHatch(int nHatch)
{
    m_dw1 = (m_dw1 & ~7u) | ((DWORD)nHatch & 7);
    return *this;
}

CGXBrush& CGXBrush::SetPattern(int nPattern)
{
    m_dw2 = (m_dw2 & ~(0x3Fu << 24)) | (((DWORD)nPattern & 0x3F) << 24);
    return *this;
}

COLORREF CGXBrush::GetColor() const { return UnpackColor(m_dw1 >> 8, (m_dw1 >> 4) & 3); }

CGXBrush& CGXBrush::SetColor(COLORREF cr)
{
    DWORD dwValue, dwType;
    PackColor(cr, dwValue, dwType);
    m_dw1 = (m_dw1 & 0xCFu) | (dwType << 4) | (dwValue << 8);
    return *this;
}

COLORREF CGXBrush::GetBkColor() const { return UnpackColor(m_dw2 & 0xFFFFFF, (m_dw1 >> 6) & 3); }

CGXBrush& CGXBrush::SetBkColor(COLORREF cr)
{
    DWORD dwValue, dwType;
    PackColor(cr, dwValue, dwType);
    m_dw1 = (m_dw1 & ~0xC0u) | (dwType << 6);
    m_dw2 = (m_dw2 & 0xFF000000) | dwValue;
    return *this;
}

COLORREF CGXBrush::GXResolveBrushColor(COLORREF cr) { return GXResolveColor(cr); }

CString CGXBrush::GetDescription() const
{
    // A system colour is written as its stored index bytes with 254 - index as the high
    // byte; plain colours as red, green, blue and their type.
    DWORD dwFore = m_dw1 >> 8;
    DWORD dwForeType = (m_dw1 >> 4) & 3;
    BYTE byHigh = dwForeType == 3 ? (BYTE)(254 - (dwFore <= GX_MAXSYSCOLORINDEX ? dwFore : 0))
                                  : (BYTE)dwForeType;
    DWORD dwBack = m_dw2 & 0xFFFFFF;
    CString s;
    s.Format("%lu %ld %d %d %d %d %d %d %d", (unsigned long)GetStyle(),
             (long)(GetStyle() == BS_PATTERN ? GetPattern() : GetHatch()), (int)(dwFore & 0xFF),
             (int)((dwFore >> 8) & 0xFF), (int)((dwFore >> 16) & 0xFF), (int)(dwBack & 0xFF),
             (int)((dwBack >> 8) & 0xFF), (int)((dwBack >> 16) & 0xFF), (int)byHigh);
    return s;
}

BOOL CGXBrush::SetDescription(LPCTSTR pszDescription)
{
    long an[9] = {};
    int n = ScanNumbers(pszDescription, an, 9);
    if (n < 5)
        return FALSE;
    *this = CGXBrush();
    SetStyle((UINT)an[0]);
    if (GetStyle() == BS_PATTERN)
        SetPattern((int)an[1]);
    else
        SetHatch((int)an[1]);
    COLORREF crBack = n >= 8 ? RGB(an[5], an[6], an[7]) : 0;
    SetBkColor(crBack);
    COLORREF crFore = RGB(an[2], an[3], an[4]);
    if (n >= 9) {
        BYTE byHigh = (BYTE)an[8];
        if (byHigh == 1) // a palette index keeps only red and green
            crFore = (crFore & 0xFFFF) | 0x01000000;
        else
            crFore |= (COLORREF)byHigh << 24;
    }
    SetColor(crFore);
    return TRUE;
}

void CGXBrush::GetLogBrush(LOGBRUSH& lb) const
{
    lb.lbStyle = GetStyle();
    lb.lbColor = GetColorNA();
    lb.lbHatch = (UINT_PTR)GetHatch();
    if (GetStyle() == BS_PATTERN) {
        if (GetPattern() < GX_PATTERN_COUNT) {
            lb.lbHatch = GXPatternBitmapHandle(GetPattern());
        } else {
            lb.lbStyle = BS_HOLLOW;
            lb.lbHatch = 0;
        }
    }
}

// ---------------------------------------------------------------------------------------
// CGXPen

CGXPen::CGXPen(UINT nStyle, int nWidth, COLORREF crColor) : CGXPen()
{
    SetStyle(nStyle);
    SetWidth(nWidth);
    SetColor(crColor);
}

CGXPen& CGXPen::SetStyle(UINT nStyle)
{
    m_dw1 = (m_dw1 & ~7u) | (nStyle & 7);
    return *this;
}

CGXPen& CGXPen::SetWidth(int nWidth)
{
    m_dw1 = (m_dw1 & ~(0xFFFFu << 3)) | (((DWORD)nWidth & 0xFFFF) << 3);
    return *this;
}

COLORREF CGXPen::GetColor() const { return UnpackColor(m_dw2 & 0xFFFFFF, (m_dw1 >> 19) & 3); }

CGXPen& CGXPen::SetColor(COLORREF cr)
{
    DWORD dwValue, dwType;
    PackColor(cr, dwValue, dwType);
    m_dw1 = (m_dw1 & ~(3u << 19)) | (dwType << 19);
    m_dw2 = dwValue;
    return *this;
}

COLORREF CGXPen::GetColorNA() const { return GXResolveColor(GetColor()); }

void CGXPen::MarkSet(BOOL bSet)
{
    if (!bSet)
        SetStyle(GX_PEN_NOTSET);
    else if (!IsSet())
        SetStyle(PS_SOLID);
}

CString CGXPen::GetDescription() const
{
    // The colour's components are the current ones; the high byte is the type, or
    // 254 - index for a system colour.
    COLORREF cr = GetColor();
    COLORREF rgb = GXResolveColor(cr);
    CString s;
    s.Format("%lu %ld %d %d %d %d", (unsigned long)GetStyle(), (long)GetWidth(),
             (int)GetRValue(rgb), (int)GetGValue(rgb), (int)GetBValue(rgb), (int)(cr >> 24));
    return s;
}

BOOL CGXPen::SetDescription(LPCTSTR pszDescription)
{
    long an[6] = {};
    int n = ScanNumbers(pszDescription, an, 6);
    *this = CGXPen();
    if (n < 5)
        return FALSE; // stays unset
    SetStyle((UINT)an[0]);
    SetWidth((int)an[1]);
    COLORREF cr = RGB(an[2], an[3], an[4]);
    if (n >= 6)
        cr |= (COLORREF)(BYTE)an[5] << 24;
    SetColor(cr);
    return TRUE;
}

void CGXPen::GetLogPen(LOGPEN& lp) const
{
    lp.lopnStyle = GetStyle() == GX_PEN_NOTSET ? PS_NULL : GetStyle();
    lp.lopnWidth.x = GetWidth();
    lp.lopnWidth.y = 0;
    lp.lopnColor = GetColorNA();
}

BOOL CGXPen::MakeEdgeBrush(CGXBrush& brush, const CGXBrush& interior, BOOL bHorizontalEdge,
                           BOOL bBlackWhite) const
{
    UINT nStyle = GetStyle();
    if (nStyle >= PS_DASH && nStyle <= PS_DASHDOTDOT) {
        brush = CGXBrush();
        brush.SetStyle(BS_PATTERN);
        brush.SetPattern((int)(bHorizontalEdge ? 32 + nStyle : 36 + nStyle));
        if (bBlackWhite) {
            brush.SetColor(0);
            brush.SetBkColor(0xFFFFFF);
        } else {
            brush.SetColor(GetColor());
            brush.SetBkColor(interior.GetStyle() != BS_SOLID ? interior.GetBkColor()
                                                             : interior.GetColor());
        }
        return TRUE;
    }
    if (nStyle == PS_NULL) {
        brush = interior;
        return TRUE;
    }
    return FALSE;
}

#if !defined(_WIN32)
UINT_PTR GXPatternBitmapHandle(int) { return 0; }
#endif
