// Hyperlinks: inserted in place of the selection as one undo step, kept whole, and carried by
// every format that has links (RTF's HYPERLINK field, HTML's <a href>, our own format).
#include "ScriptBuilder.h"
#include "TextHelpers.h"
#include "richtext/DocumentFormats.h"

#include <gtest/gtest.h>

using namespace richtext;

namespace {

const CRichField* OnlyLink(const CRichDocument& d)
{
    const CRichField* link = nullptr;
    for (const CRichField& f : d.Fields())
        if (f.type == TXFIELDTYPE_LINK) {
            EXPECT_EQ(nullptr, link) << "more than one link";
            link = &f;
        }
    return link;
}

std::string LinkText(const CRichDocument& d, const CRichField& f)
{
    return A(d.Text().substr(f.start, f.length));
}

TEST(Hyperlink, ReplacesTheSelectionAsOneUndoStepAndStaysWhole)
{
    CTextControlCore c;
    Type(c, "Read more here today");
    const CRichDocument before = c.Document();
    c.SetSel(10, 14); // "here"
    const DWORD id = c.InsertHyperlink(W("the station's page"), W("http://example.org/a?b=1"));
    ASSERT_NE(0u, id);
    const CRichDocument& d = c.Document();
    EXPECT_EQ("Read more the station's page today", A(d.Text()));
    const CRichField* link = OnlyLink(d);
    ASSERT_NE(nullptr, link);
    EXPECT_EQ("the station's page", LinkText(d, *link));
    EXPECT_EQ("http://example.org/a?b=1", A(link->typeText));
    EXPECT_EQ(TXFIELD_HYPERLINK, link->kind);
    EXPECT_TRUE(d.FormatAt(link->start).underline);
    EXPECT_EQ(0xFF0000u, d.FormatAt(link->start).color);
    EXPECT_FALSE(d.FormatAt(link->end()).underline) << "the text after it keeps its format";
    EXPECT_EQ(link->end(), static_cast<size_t>(c.Caret()));
    EXPECT_EQ(link, c.LinkAt(link->start));
    EXPECT_EQ(nullptr, c.LinkAt(link->end()));

    // Typing inside it goes after it; a line end in the text becomes a blank.
    c.SetSel(static_cast<long>(link->start) + 3, static_cast<long>(link->start) + 3);
    Type(c, "X");
    EXPECT_EQ("the station's page", LinkText(c.Document(), *OnlyLink(c.Document())));

    ASSERT_TRUE(c.Undo());
    ASSERT_TRUE(c.Undo());
    EXPECT_TRUE(c.Document() == before);

    // No address: nothing goes in. A selection inside another field puts the link after it.
    const CRichDocument same = c.Document();
    EXPECT_EQ(0u, c.InsertHyperlink(W("text"), W("")));
    EXPECT_TRUE(c.Document() == same);
    c.SetSel(0, 0);
    const DWORD field =
        static_cast<DWORD>(Send(c, TXM_FIELDINSERT, TXFIELD_INSTRUCTION, "\xABNext\xBB"));
    ASSERT_NE(0u, field);
    c.SetSel(2, 3);
    ASSERT_NE(0u, c.InsertHyperlink(W("a\nb"), W("x")));
    EXPECT_EQ("\xABNext\xBB", FieldText(c, field));
    const CRichField* after = OnlyLink(c.Document());
    ASSERT_NE(nullptr, after);
    EXPECT_EQ(6u, after->start);
    EXPECT_EQ("a b", LinkText(c.Document(), *after));
    EXPECT_TRUE(c.Document().IsConsistent());
}

TEST(Hyperlink, EveryFormatWithLinksKeepsThem)
{
    CTextControlCore c;
    Type(c, "Before ");
    c.InsertHyperlink(W("caf\xE9 \"site\" {x}"), W("http://example.org/?q=\"a b\"&c=\\d"));
    Type(c, " after\nSecond line");
    for (int format : {TXFORMAT_NATIVE, TXFORMAT_RTF, TXFORMAT_HTML}) {
        SCOPED_TRACE(format);
        std::string bytes, error;
        ASSERT_TRUE(SaveDocument(c.Document(), format, bytes, error)) << error;
        CRichDocument back;
        ASSERT_TRUE(LoadDocument(bytes, format, back, error)) << error;
        EXPECT_EQ(A(c.Document().Text()), A(back.Text()));
        const CRichField* link = OnlyLink(back);
        ASSERT_NE(nullptr, link) << bytes;
        EXPECT_EQ("caf\xE9 \"site\" {x}", LinkText(back, *link));
        EXPECT_EQ("http://example.org/?q=\"a b\"&c=\\d", A(link->typeText));
        EXPECT_EQ(TXFIELD_HYPERLINK, link->kind);
        EXPECT_TRUE(back.FormatAt(link->start).underline);
        EXPECT_TRUE(back.IsConsistent());
    }
}

TEST(Hyperlink, EverydayRtfAndHtmlLinksAreRead)
{
    struct Case
    {
        const char* name;
        int format;
        const char* in;
        const char* text; // the document's text
        const char* linkText; // nullptr: no link
        const char* address;
    } cases[] = {
        {"word processor field", TXFORMAT_RTF,
         "{\\rtf1{\\field{\\*\\fldinst {HYPERLINK \"http://a.example/x\"}}"
         "{\\fldrslt {\\ul\\cf1 the site}}} next}",
         "the site next", "the site", "http://a.example/x"},
        {"place in the document", TXFORMAT_RTF,
         "{\\rtf1 Go {\\field{\\*\\fldinst HYPERLINK \\\\l \"Story2\"}{\\fldrslt there}}.}",
         "Go there.", "there", "#Story2"},
        {"unquoted address", TXFORMAT_RTF,
         "{\\rtf1{\\field{\\*\\fldinst HYPERLINK mailto:desk@example.org }{\\fldrslt desk}}}",
         "desk", "desk", "mailto:desk@example.org"},
        {"other fields give their result", TXFORMAT_RTF,
         "{\\rtf1 Page {\\field{\\*\\fldinst PAGE}{\\fldrslt 3}} of 9}", "Page 3 of 9", nullptr,
         nullptr},
        {"a link without a result is no link", TXFORMAT_RTF,
         "{\\rtf1 A{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt }}B}", "AB", nullptr, nullptr},
        {"an instruction without an address", TXFORMAT_RTF,
         "{\\rtf1{\\field{\\*\\fldinst HYPERLINK }{\\fldrslt t}}}", "t", nullptr, nullptr},
        {"an unclosed field ends with the text", TXFORMAT_RTF,
         "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt abc}}", nullptr, nullptr,
         nullptr},
        {"html link", TXFORMAT_HTML,
         "<html><body><p>See <a href=\"http://b.example/?a=1&amp;b=2\">the <b>news</b></a>."
         "</p></body></html>",
         "See the news.", "the news", "http://b.example/?a=1&b=2"},
        {"html named anchor is a target", TXFORMAT_HTML,
         "<html><body><a name=\"top\"></a>Top</body></html>", "Top", nullptr, nullptr},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        CRichDocument d;
        std::string error;
        const bool ok = LoadDocument(k.in, k.format, d, error);
        if (!k.text) {
            EXPECT_FALSE(ok);
            continue;
        }
        ASSERT_TRUE(ok) << error;
        EXPECT_EQ(k.text, A(d.Text()));
        const CRichField* link = OnlyLink(d);
        if (!k.linkText) {
            EXPECT_EQ(nullptr, link);
            continue;
        }
        ASSERT_NE(nullptr, link);
        EXPECT_EQ(k.linkText, LinkText(d, *link));
        EXPECT_EQ(k.address, A(link->typeText));
    }
}

} // namespace
