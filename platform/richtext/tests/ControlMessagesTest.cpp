// Every message of the control's table, through the window-free core.
#include "ScriptBuilder.h"
#include "TextHelpers.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(ControlMessages, SelectionTextAndLines)
{
    CTextControlCore c;
    Type(c, "first line\nsecond\n\nlast");
    struct SelCase
    {
        long a, b, expectAnchor, expectCaret;
    };
    const SelCase sels[] = {
        {2, 5, 2, 5}, {5, 2, 5, 2}, {0, -1, 0, 23}, {-4, 99, 0, 23}, {23, 23, 23, 23}};
    for (const SelCase& s : sels) {
        Select(c, s.a, s.b);
        TXPAIR got = {-1, -1};
        EXPECT_EQ(1, Send(c, TXM_GETSEL, 0, &got));
        EXPECT_EQ(s.expectAnchor, got.first) << s.a << "," << s.b;
        EXPECT_EQ(s.expectCaret, got.second) << s.a << "," << s.b;
    }
    EXPECT_EQ(23, Send(c, TXM_GETTEXTLENGTH));
    char buf[64];
    EXPECT_EQ(23, Send(c, TXM_GETTEXT, 0, buf));
    EXPECT_STREQ("first line\nsecond\n\nlast", buf);
    char small[6];
    EXPECT_EQ(5, Send(c, TXM_GETTEXT, sizeof small, small)); // cut to the buffer given
    EXPECT_STREQ("first", small);

    EXPECT_EQ(3, Send(c, TXM_GETLASTLINE));
    struct LineCase
    {
        long line;
        LRESULT start;
    };
    const LineCase lines[] = {{0, 0}, {1, 11}, {2, 18}, {3, 19}, {4, -1}};
    for (const LineCase& l : lines)
        EXPECT_EQ(l.start, Send(c, TXM_LINEINDEX, l.line)) << l.line;
    struct CaretCase
    {
        long caret, line, col;
    };
    const CaretCase carets[] = {{0, 0, 0}, {10, 0, 10}, {11, 1, 0}, {18, 2, 0}, {21, 3, 2}};
    for (const CaretCase& k : carets) {
        Select(c, k.caret, k.caret);
        TXPAIR lc;
        EXPECT_EQ(1, Send(c, TXM_GETCARETLINECOL, 0, &lc));
        EXPECT_EQ(k.line, lc.first) << k.caret;
        EXPECT_EQ(k.col, lc.second) << k.caret;
    }
}

TEST(ControlMessages, ReplaceSelAndClear)
{
    CTextControlCore c;
    Type(c, "hello world");
    Select(c, 0, 5);
    Type(c, "goodbye");
    TXPAIR sel;
    Send(c, TXM_GETSEL, 0, &sel);
    EXPECT_EQ(7, sel.second);
    EXPECT_EQ(sel.first, sel.second);
    Select(c, 7, 13);
    EXPECT_EQ(0, Send(c, WM_CLEAR));
    EXPECT_EQ("goodbye", A(c.Document().Text()));
    Type(c, "\r\nnext"); // CR LF becomes one line feed
    EXPECT_EQ("goodbye\nnext", A(c.Document().Text()));
}

TEST(ControlMessages, FieldsInsertFindWalkReadChangeDelete)
{
    CTextControlCore c;
    Type(c, "aaa\nbbb\n");
    Select(c, 4, 4);
    DWORD f1 = static_cast<DWORD>(Send(c, TXM_FIELDINSERT, TXFIELD_INSTRUCTION, "\n\xABNext\xBB"));
    ASSERT_NE(0u, f1);
    Select(c, 0, 0);
    DWORD f2 = static_cast<DWORD>(Send(c, TXM_FIELDINSERT, TXFIELD_BREAKPART, "BRKT"));
    EXPECT_EQ(f1 + 1, f2);

    // Position: start is offset + 1, end the offset after the field.
    TXPAIR p1 = FieldPos(c, f1), p2 = FieldPos(c, f2);
    EXPECT_EQ(9, p1.first);
    EXPECT_EQ(15, p1.second);
    EXPECT_EQ(1, p2.first);
    EXPECT_EQ(4, p2.second);
    TXPAIR none;
    EXPECT_EQ(0, Send(c, TXM_FIELDGETPOS, 999, &none));

    // Field at the caret: strictly inside the field's text only.
    struct AtCase
    {
        long caret;
        DWORD field;
    };
    const AtCase at[] = {{0, 0}, {1, f2}, {3, f2}, {4, 0}, {8, 0}, {9, f1}, {14, f1}, {15, 0}};
    for (const AtCase& k : at) {
        Select(c, k.caret, k.caret);
        EXPECT_EQ(static_cast<LRESULT>(k.field), Send(c, TXM_FIELDATCARET)) << k.caret;
        EXPECT_EQ(static_cast<LRESULT>(k.field), Send(c, TXM_FIELDATINPUTPOS)) << k.caret;
    }
    // Inserting inside a field fails.
    Select(c, 2, 2);
    EXPECT_EQ(0, Send(c, TXM_FIELDINSERT, TXFIELD_INSTRUCTION, "x"));

    // Walk in document order, with either lParam.
    for (LPARAM flags : {LPARAM(0), LPARAM(256)}) {
        EXPECT_EQ(static_cast<LRESULT>(f2), Send(c, TXM_FIELDNEXT, 0, flags));
        EXPECT_EQ(static_cast<LRESULT>(f1), Send(c, TXM_FIELDNEXT, f2, flags));
        EXPECT_EQ(0, Send(c, TXM_FIELDNEXT, f1, flags));
    }

    // Text: get and set.
    char buf[32];
    EXPECT_EQ(1, Send(c, TXM_FIELDGETTEXT, f1, buf));
    EXPECT_STREQ("\n\xABNext\xBB", buf);
    EXPECT_EQ(1, Send(c, TXM_FIELDSETTEXT, f1, "\n\xABPrevious\xBB"));
    EXPECT_EQ(1, Send(c, TXM_FIELDGETTEXT, f1, buf));
    EXPECT_STREQ("\n\xABPrevious\xBB", buf);
    EXPECT_EQ(0, Send(c, TXM_FIELDGETTEXT, 999, buf));

    // Delete: lParam 1 removes the text too, 0 leaves it as ordinary text.
    EXPECT_EQ(1, Send(c, TXM_FIELDDELETE, f2, 0));
    EXPECT_EQ("BRKTaaa\n", A(c.Document().Text()).substr(0, 8));
    EXPECT_EQ(1, Send(c, TXM_FIELDDELETE, f1, 1));
    EXPECT_EQ("BRKTaaa\nbbb\n", A(c.Document().Text()));
    EXPECT_EQ(0, Send(c, TXM_FIELDDELETE, f1, 1));
    EXPECT_EQ(0, Send(c, TXM_FIELDNEXT, 0, 0));
}

TEST(ControlMessages, TargetsTypesAndGoTo)
{
    CTextControlCore c;
    Type(c, "top\nmiddle\nend");
    Select(c, 4, 4);
    DWORD t = InsertTarget(c, "Middle");
    Select(c, 0, 0);
    DWORD plain = static_cast<DWORD>(Send(c, TXM_FIELDINSERT, TXFIELD_INSTRUCTION, "[i]"));

    char name[100] = {};
    TXFIELDSETTYPE q = {TXFT_TYPEALL, 0, name, sizeof name};
    ASSERT_EQ(1, Send(c, TXM_FIELDGETTYPE, t, &q));
    EXPECT_EQ(TXFIELDTYPE_TARGET, q.nType);
    EXPECT_STREQ("Middle", name);
    EXPECT_EQ(7, q.nTypeTextLen);
    TXFIELDSETTYPE q2 = {TXFT_TYPEALL, 99, nullptr, 0};
    ASSERT_EQ(1, Send(c, TXM_FIELDGETTYPE, plain, &q2));
    EXPECT_EQ(0, q2.nType);
    EXPECT_EQ(0, Send(c, TXM_FIELDGETTYPE, 999, &q2));
    // A target needs a name; the name is cut at the length given.
    TXFIELDSETTYPE bad = {TXFT_TYPEALL, TXFIELDTYPE_TARGET, nullptr, 0};
    EXPECT_EQ(0, Send(c, TXM_FIELDSETTYPE, plain, &bad));
    char longName[] = "Weather and traffic";
    TXFIELDSETTYPE cut = {TXFT_TYPEALL, TXFIELDTYPE_TARGET, longName, 8};
    EXPECT_EQ(1, Send(c, TXM_FIELDSETTYPE, plain, &cut));
    EXPECT_EQ(plain, c.Document().FindTarget(W("Weather")));

    Select(c, 0, 0);
    EXPECT_EQ(1, Send(c, TXM_GOTOTARGET, 0, static_cast<LPARAM>(t)));
    TXPAIR sel;
    Send(c, TXM_GETSEL, 0, &sel);
    EXPECT_EQ(static_cast<long>(c.Document().FindField(t)->start), sel.second);
    EXPECT_EQ(sel.first, sel.second);
    EXPECT_EQ(0, Send(c, TXM_GOTOTARGET, 0, 999));
}

TEST(ControlMessages, SelectionColoursAndStyles)
{
    CTextControlCore c;
    Type(c, "red green plain");
    Select(c, 0, 3);
    TXPAIR red = {255, 0};
    EXPECT_EQ(1, Send(c, TXM_SETSELCOLOR, TXCOLOR_TEXT, &red));
    Select(c, 4, 9);
    TXPAIR back = {0, 0x00FF00};
    EXPECT_EQ(1, Send(c, TXM_SETSELCOLOR, TXCOLOR_BACK, &back));
    EXPECT_EQ(0, Send(c, TXM_SETSELCOLOR, 5, &back));

    struct ColourCase
    {
        long a, b;
        LONG text, background;
    };
    const ColourCase colours[] = {
        {0, 3, 255, 0xFFFFFF}, {4, 9, 0, 0x00FF00}, {10, 15, 0, 0xFFFFFF}};
    for (const ColourCase& k : colours) {
        Select(c, k.a, k.b);
        TXPAIR got;
        EXPECT_EQ(1, Send(c, TXM_GETSELCOLORS, 1, &got));
        EXPECT_EQ(k.text, got.first) << k.a;
        EXPECT_EQ(k.background, got.second) << k.a;
    }

    struct StyleCase
    {
        UINT id;
        bool CRichCharFormat::*flag;
    };
    const StyleCase styles[] = {{TXSTYLE_BOLD, &CRichCharFormat::bold},
                                {TXSTYLE_ITALIC, &CRichCharFormat::italic},
                                {TXSTYLE_UNDERLINE, &CRichCharFormat::underline}};
    TXPAIR zero = {0, 0};
    for (const StyleCase& s : styles) {
        Select(c, 4, 9);
        EXPECT_EQ(1, Send(c, TXM_SETSTYLE, s.id, &zero));
        EXPECT_TRUE(c.Document().FormatAt(4).*s.flag);
        EXPECT_TRUE(c.Document().FormatAt(8).*s.flag);
        EXPECT_FALSE(c.Document().FormatAt(9).*s.flag);
        // A mixed selection is switched on throughout, then off again.
        Select(c, 0, 9);
        Send(c, TXM_SETSTYLE, s.id, &zero);
        EXPECT_TRUE(c.Document().FormatAt(0).*s.flag);
        Send(c, TXM_SETSTYLE, s.id, &zero);
        EXPECT_FALSE(c.Document().FormatAt(4).*s.flag);
    }
    EXPECT_EQ(0, Send(c, TXM_SETSTYLE, 12345, &zero));

    // With nothing selected, colour and style apply to what is typed next.
    Select(c, 15, 15);
    TXPAIR blue = {0xFF0000, 0};
    Send(c, TXM_SETSELCOLOR, TXCOLOR_TEXT, &blue);
    Send(c, TXM_SETSTYLE, TXSTYLE_BOLD, &zero);
    Type(c, "!");
    EXPECT_EQ(0xFF0000u, c.Document().FormatAt(15).color);
    EXPECT_TRUE(c.Document().FormatAt(15).bold);
    EXPECT_FALSE(c.Document().FormatAt(14).bold);
}

TEST(ControlMessages, UnknownMessagesAreNotHandled)
{
    CTextControlCore c;
    bool handled = true;
    c.HandleMessage(1100, 0, 0, handled);
    EXPECT_FALSE(handled);
}

} // namespace

namespace {

// Walks the fields as the save path does: true at the first field that is not a target.
bool HasInstructionFields(CTextControlCore& c)
{
    for (DWORD id = static_cast<DWORD>(Send(c, TXM_FIELDNEXT, 0, LPARAM(0))); id;
         id = static_cast<DWORD>(Send(c, TXM_FIELDNEXT, id, LPARAM(0)))) {
        TXFIELDSETTYPE t = {TXFT_TYPEALL, 0, nullptr, 0};
        if (!Send(c, TXM_FIELDGETTYPE, id, &t) || t.nType == 0)
            return true;
    }
    return false;
}

TEST(ControlMessages, CallersSequencesForBookmarksInstructionsAndSplits)
{
    CTextControlCore c;
    Type(c, "Top story\nWeather");
    Select(c, 10, 10);
    DWORD mark = InsertTarget(c, "Weather");
    EXPECT_FALSE(HasInstructionFields(c)); // only targets

    // The bookmarks list: walk with lParam 256, names of targets.
    std::vector<std::string> names;
    for (DWORD id = static_cast<DWORD>(Send(c, TXM_FIELDNEXT, 0, LPARAM(256))); id;
         id = static_cast<DWORD>(Send(c, TXM_FIELDNEXT, id, LPARAM(256)))) {
        char name[100] = {};
        TXFIELDSETTYPE t = {TXFT_TYPEALL, 0, name, sizeof name};
        Send(c, TXM_FIELDGETTYPE, id, &t);
        names.push_back(t.nType == TXFIELDTYPE_TARGET ? name : "");
    }
    EXPECT_EQ(std::vector<std::string> {"Weather"}, names);

    // An instruction in the middle of a line splits it and stands alone.
    Select(c, 3, 3);
    DWORD start = InsertInstruction(c, "\n\xABStart\xBB", 2);
    EXPECT_EQ("Top\n\n\xABStart\xBB\n story\nWeather", A(c.Document().Text()));
    EXPECT_TRUE(HasInstructionFields(c));
    TXPAIR sel;
    Send(c, TXM_GETSEL, 0, &sel);
    EXPECT_EQ(FieldPos(c, start).first, sel.second);

    // Splitting before a field at the very start: its text becomes "\n", it goes keeping
    // that text, and a new field with the old text and data follows at offset 1.
    CTextControlCore s;
    Send(s, TXM_FIELDINSERT, TXFIELD_INSTRUCTION, "\xABNext\xBB");
    DWORD first = static_cast<DWORD>(Send(s, TXM_FIELDNEXT, 0, LPARAM(0)));
    s.FieldSetData(first, 4);
    Type(s, "\nrest");
    DWORD data = 0;
    s.FieldGetData(first, data);
    std::string old = FieldText(s, first);
    Send(s, TXM_FIELDSETTEXT, first, "\n");
    Send(s, TXM_FIELDDELETE, first, LPARAM(0));
    Select(s, 1, 1);
    DWORD again = static_cast<DWORD>(Send(s, TXM_FIELDINSERT, TXFIELD_BREAKPART, old.c_str()));
    s.FieldSetData(again, data);
    EXPECT_EQ("\n\xABNext\xBB\nrest", A(s.Document().Text()));
    EXPECT_EQ(first + 1, again);
    EXPECT_EQ(1u, s.Document().FindField(again)->start);
    DWORD got = 0;
    ASSERT_TRUE(s.FieldGetData(again, got));
    EXPECT_EQ(4u, got);

    // Going to the bookmark and deleting it.
    EXPECT_EQ(1, Send(c, TXM_GOTOTARGET, 0, static_cast<LPARAM>(mark)));
    EXPECT_EQ(1, Send(c, TXM_FIELDDELETE, mark, LPARAM(1)));
    EXPECT_EQ(0u, c.Document().FindTarget(W("Weather")));
    EXPECT_TRUE(c.Document().IsConsistent());
}

} // namespace
