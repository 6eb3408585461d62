// Builds small scripts for the rich-text tests through the control's own messages, the way
// the script editor does.
#pragma once
#include "richtext/TextControlCore.h"
#include "TextHelpers.h"

#include <cstddef>
#include <string>

inline LRESULT Send(CTextControlCore& c, UINT msg, WPARAM w = 0, LPARAM l = 0)
{
    bool handled = false;
    LRESULT r = c.HandleMessage(msg, w, l, handled);
    return handled ? r : -12345;
}

template<class T>
LRESULT Send(CTextControlCore& c, UINT msg, WPARAM w, T* p)
{
    return Send(c, msg, w, reinterpret_cast<LPARAM>(p));
}

inline void Select(CTextControlCore& c, LONG a, LONG b)
{
    TXPAIR p = {a, b};
    Send(c, TXM_SETSEL, 1, &p);
}

inline void Type(CTextControlCore& c, const std::string& text)
{
    Send(c, TXM_REPLACESEL, 0, text.c_str());
}

inline TXPAIR FieldPos(CTextControlCore& c, DWORD id)
{
    TXPAIR p = {-1, -1};
    Send(c, TXM_FIELDGETPOS, id, &p);
    return p;
}

inline std::string FieldText(const CTextControlCore& c, DWORD id)
{
    std::u16string t;
    c.FieldGetText(id, t);
    return A(t);
}

// Inserts a slide-show instruction as the script view does: on a line of its own, red,
// with its code as the field's data.
inline DWORD InsertInstruction(CTextControlCore& c, const std::string& text, DWORD code)
{
    TXPAIR sel;
    Send(c, TXM_GETSEL, 0, &sel);
    long p = sel.second;
    Select(c, p, p);
    TXPAIR lc;
    if (!Send(c, TXM_GETCARETLINECOL, 0, &lc) || lc.second != 0) {
        Type(c, "\n\n");
        Select(c, p + 1, p + 1);
    } else {
        Type(c, "\n");
        Select(c, p, p);
    }
    DWORD id = static_cast<DWORD>(Send(c, TXM_FIELDINSERT, TXFIELD_INSTRUCTION, text.c_str()));
    c.FieldSetData(id, code);
    TXPAIR pos = FieldPos(c, id);
    Select(c, pos.first - 1, pos.second);
    TXPAIR red = {255, 0};
    Send(c, TXM_SETSELCOLOR, TXCOLOR_TEXT, &red);
    Select(c, pos.first, pos.first);
    return id;
}

// Adds a bookmark (a target) at the caret as the bookmarks dialog does.
inline DWORD InsertTarget(CTextControlCore& c, const std::string& name)
{
    DWORD id = static_cast<DWORD>(Send(c, TXM_FIELDINSERT, TXFIELD_TARGET, ""));
    std::string buf = name;
    TXFIELDSETTYPE t = {TXFT_TYPEALL, TXFIELDTYPE_TARGET, &buf[0],
                        static_cast<int>(name.size() + 1)};
    Send(c, TXM_FIELDSETTYPE, id, &t);
    return id;
}

// A script with formatting, an instruction field and a bookmark.
inline void BuildSampleScript(CTextControlCore& c)
{
    Type(c, "Good evening.\nTonight: the harbour fire.");
    Select(c, 0, 4);
    Send(c, TXM_SETSTYLE, TXSTYLE_BOLD, LPARAM(0));
    Select(c, 14, 14);
    InsertTarget(c, "Headlines");
    Select(c, 1000, 1000);
    InsertInstruction(c, "\n\xABNext\xBB", 4);
    Select(c, 1000, 1000);
    Type(c, "Caf\xE9 owners {braces} \\ backslash\tand a tab.");
}
