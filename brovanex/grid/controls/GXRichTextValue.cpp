// Plain text to RTF for rich-text cells.
#include "controls/GXRichTextValue.h"
#include <cstdio>
#include <cstring>
#include <string>

BOOL CGXRichTextValue::IsRtf(LPCTSTR pszText)
{
    return pszText != nullptr && strncmp(pszText, "{\\rtf", 5) == 0;
}

CString CGXRichTextValue::WrapPlainText(LPCTSTR pszText)
{
    std::string s = "{\\rtf1\\ansi ";
    for (const char* p = pszText != nullptr ? pszText : ""; *p != 0; ++p) {
        unsigned char c = (unsigned char)*p;
        if (c == '\\' || c == '{' || c == '}') {
            s += '\\';
            s += (char)c;
        } else if (c == '\r') {
            if (p[1] == '\n')
                ++p;
            s += "\\par\n";
        } else if (c == '\n') {
            s += "\\par\n";
        } else if (c == '\t') {
            s += "\\tab ";
        } else if (c >= 0x80) {
            char sz[8];
            snprintf(sz, sizeof sz, "\\'%02x", c);
            s += sz;
        } else {
            s += (char)c;
        }
    }
    s += '}';
    return s.c_str();
}

CString CGXRichTextValue::ToRtf(LPCTSTR pszValue)
{
    if (IsRtf(pszValue))
        return pszValue;
    return WrapPlainText(pszValue);
}
