// Clock glyph bitmaps.
#include "ClockGlyphs.h"

#include <cstring>

#include "SelvatraClockResource.h"

namespace {
// Any object of this module: its address names the module.
const char kModuleAnchor = 0;
} // namespace

HMODULE SelvatraModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       &kModuleAnchor, &module);
    return module;
}

bool CDibHolder::Load(HMODULE module, int id)
{
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), (LPCSTR)RT_BITMAP);
    if (!found)
        return false;
    HGLOBAL loaded = LoadResource(module, found);
    const BYTE* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    DWORD size = SizeofResource(module, found);
    if (!data || size < sizeof m_info)
        return false;
    memcpy(&m_info, data, sizeof m_info);
    if (m_info.bmiHeader.biBitCount != 4 || m_info.bmiHeader.biHeight <= 0)
        return false;
    DWORD offset = m_info.bmiHeader.biSize + 16 * sizeof(RGBQUAD);
    DWORD stride = ((m_info.bmiHeader.biWidth * 4 + 31) / 32) * 4;
    DWORD bytes = stride * (DWORD)m_info.bmiHeader.biHeight;
    if (offset + bytes > size)
        return false;
    m_bits.assign(data + offset, data + offset + bytes);
    m_info.bmiHeader.biSizeImage = bytes;
    m_info.bmiHeader.biClrUsed = 16;
    return true;
}

void CDibHolder::SetColors(COLORREF fore, COLORREF back)
{
    m_info.bmiColors[11] = {GetBValue(fore), GetGValue(fore), GetRValue(fore), 0};
    m_info.bmiColors[0] = {GetBValue(back), GetGValue(back), GetRValue(back), 0};
}

void CDibHolder::Recolor(COLORREF c)
{
    int entry = -1;
    for (int i = 0; i < 16 && entry < 0; ++i)
        if (RGB(m_info.bmiColors[i].rgbRed, m_info.bmiColors[i].rgbGreen,
                m_info.bmiColors[i].rgbBlue) == c)
            entry = i;
    if (entry < 0)
        return;
    for (BYTE& b : m_bits) {
        BYTE hi = b >> 4, lo = b & 0x0F;
        if (hi)
            hi = (BYTE)entry;
        if (lo)
            lo = (BYTE)entry;
        b = (BYTE)((hi << 4) | lo);
    }
}

HBITMAP CDibHolder::CreateBitmap() const
{
    HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    HBITMAP bitmap = CreateDIBitmap(screen, &m_info.bmiHeader, CBM_INIT, m_bits.data(),
                                    reinterpret_cast<const BITMAPINFO*>(&m_info), DIB_RGB_COLORS);
    DeleteDC(screen);
    return bitmap;
}

CClockGlyphs::CClockGlyphs(int count) : m_nCount(count) { }

CClockGlyphs::~CClockGlyphs() { Free(); }

void CClockGlyphs::Free()
{
    for (HBITMAP b : m_bitmaps)
        if (b)
            DeleteObject(b);
    m_bitmaps.clear();
}

bool CClockGlyphs::Build(COLORREF c, COLORREF back)
{
    if (!m_bitmaps.empty() && c == m_color && back == m_back)
        return false;
    Free();
    HMODULE module = SelvatraModule();
    for (int i = 0; i < m_nCount; ++i) {
        CDibHolder dib;
        HBITMAP bitmap = nullptr;
        if (dib.Load(module, IDB_CLOCK_GLYPH_FIRST + i)) {
            dib.SetColors(c, back);
            dib.Recolor(c);
            bitmap = dib.CreateBitmap();
            m_size = {dib.Width(), dib.Height()};
        }
        m_bitmaps.push_back(bitmap);
    }
    m_color = c;
    m_back = back;
    ++m_nRebuilds;
    return true;
}
