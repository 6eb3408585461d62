// A dialog template built in memory (the library carries no resources): the dialog, then
// its items, each on a DWORD boundary. Used by the library's own dialogs.
#pragma once
#include "framework.h"

#include <vector>

namespace richtext {

class TemplateBuilder
{
public:
    TemplateBuilder(std::vector<WORD>& out, const char* title, short cx, short cy) : m_out(out)
    {
        m_out.clear();
        const DWORD style = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        Dword(style);
        Dword(0); // extended style
        m_countAt = m_out.size();
        m_out.push_back(0); // item count
        for (short v : {short(0), short(0), cx, cy})
            m_out.push_back(static_cast<WORD>(v));
        m_out.push_back(0); // no menu
        m_out.push_back(0); // the standard class
        String(title);
        m_out.push_back(8); // font size
        String("MS Shell Dlg");
    }

    // cls: 0x80 button, 0x81 edit, 0x82 static, 0x85 combo box.
    void Item(WORD cls, DWORD style, short x, short y, short cx, short cy, WORD id,
              const char* text)
    {
        if (m_out.size() % 2)
            m_out.push_back(0);
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        for (short v : {x, y, cx, cy})
            m_out.push_back(static_cast<WORD>(v));
        m_out.push_back(id);
        m_out.push_back(0xFFFF);
        m_out.push_back(cls);
        String(text);
        m_out.push_back(0); // no creation data
        ++m_out[m_countAt];
    }

private:
    void Dword(DWORD v)
    {
        m_out.push_back(static_cast<WORD>(v & 0xFFFF));
        m_out.push_back(static_cast<WORD>(v >> 16));
    }
    void String(const char* s)
    {
        for (; *s; ++s)
            m_out.push_back(static_cast<unsigned char>(*s));
        m_out.push_back(0);
    }

    std::vector<WORD>& m_out;
    size_t m_countAt = 0;
};

constexpr WORD kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kCombo = 0x85;

} // namespace richtext
