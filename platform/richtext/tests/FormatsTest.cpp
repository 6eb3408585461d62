// Each file format's round trip, what it keeps, and bad input.
#include "ScriptBuilder.h"
#include "TextHelpers.h"
#include "richtext/Codepage.h"
#include "richtext/DocumentFormats.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace richtext;

namespace {

std::string Save(const CTextControlCore& c, int format)
{
    std::string bytes, error;
    EXPECT_TRUE(c.Save(format, bytes, error)) << error;
    return bytes;
}

uint32_t Le(const std::string& b, size_t at, int n)
{
    uint32_t v = 0;
    for (int i = 0; i < n; ++i)
        v |= static_cast<uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
    return v;
}

// A document read back has the text and, character by character, the formats written.
void ExpectSameTextAndFormats(const CRichDocument& a, const CRichDocument& b)
{
    EXPECT_EQ(A(a.Text()), A(b.Text()));
    for (size_t i = 0; i < a.Length(); ++i)
        ASSERT_TRUE(a.FormatAt(i) == b.FormatAt(i)) << "format at " << i;
}

// The script-format detection's test for the control's own format.
bool PassesOwnFormatDetection(const std::string& b)
{
    if (b.size() < 15 || Le(b, 0, 2) < 430 || Le(b, 2, 2) < 1)
        return false;
    uint32_t a = Le(b, 4, 4);
    if (a < 14 || a >= b.size())
        return false;
    if (Le(b, 8, 2) == 0 && Le(b, 10, 4) == 0)
        return true;
    return Le(b, 8, 2) != 0 && Le(b, 10, 4) > a && Le(b, 10, 4) < b.size();
}

TEST(Formats, OwnFormatKeepsEverythingAndPassesDetection)
{
    CTextControlCore c;
    BuildSampleScript(c);
    std::string bytes = Save(c, TXFORMAT_NATIVE);
    EXPECT_TRUE(PassesOwnFormatDetection(bytes));
    CTextControlCore empty;
    EXPECT_TRUE(PassesOwnFormatDetection(Save(empty, TXFORMAT_NATIVE)));

    CTextControlCore back;
    std::string error;
    ASSERT_TRUE(back.Load(bytes, TXFORMAT_NATIVE, error)) << error;
    EXPECT_TRUE(back.Document() == c.Document());
    EXPECT_TRUE(back.Document().IsConsistent());
    // Ids continue after the loaded ones, so neighbouring ids stay meaningful.
    EXPECT_EQ(c.Document().NextFieldId(), back.Document().NextFieldId());
    Select(back, 0, 0);
    DWORD fresh = static_cast<DWORD>(Send(back, TXM_FIELDINSERT, TXFIELD_BREAKPART, "x"));
    EXPECT_EQ(c.Document().NextFieldId(), fresh);
}

TEST(Formats, RtfRoundTripKeepsTextFormattingFieldsAndTargets)
{
    CTextControlCore c;
    BuildSampleScript(c);
    Select(c, 5, 12);
    TXPAIR colours = {0x336699, 0x00FFFF};
    Send(c, TXM_SETSELCOLOR, TXCOLOR_TEXT, &colours);
    Send(c, TXM_SETSELCOLOR, TXCOLOR_BACK, &colours);
    Send(c, TXM_SETSTYLE, TXSTYLE_ITALIC, LPARAM(0));
    Send(c, TXM_SETSTYLE, TXSTYLE_UNDERLINE, LPARAM(0));

    std::string rtf = Save(c, TXFORMAT_RTF);
    ASSERT_EQ(0u, rtf.find("{\\rtf"));
    for (unsigned char ch : rtf)
        EXPECT_LT(ch, 0x80); // bytes above 127 go out as \'hh
    EXPECT_NE(std::string::npos, rtf.find("\\'e9"));
    EXPECT_NE(std::string::npos, rtf.find("{\\fonttbl"));
    EXPECT_NE(std::string::npos, rtf.find("{\\colortbl"));

    CTextControlCore back;
    std::string error;
    ASSERT_TRUE(back.Load(rtf, TXFORMAT_RTF, error)) << error;
    // RTF keeps everything our own format does; only ids are renumbered in document order.
    const CRichDocument &a = c.Document(), &b = back.Document();
    ASSERT_NO_FATAL_FAILURE(ExpectSameTextAndFormats(a, b));
    ASSERT_EQ(a.Fields().size(), b.Fields().size());
    for (size_t i = 0; i < a.Fields().size(); ++i) {
        const CRichField &fa = a.Fields()[i], &fb = b.Fields()[i];
        EXPECT_EQ(fa.start, fb.start);
        EXPECT_EQ(fa.length, fb.length);
        EXPECT_EQ(fa.kind, fb.kind);
        EXPECT_EQ(fa.data, fb.data);
        EXPECT_EQ(fa.type, fb.type);
        EXPECT_EQ(fa.typeText, fb.typeText);
    }
    // Word documents are written as RTF content.
    EXPECT_EQ(rtf, Save(c, TXFORMAT_WORD));
    CTextControlCore word;
    ASSERT_TRUE(word.Load(Save(c, TXFORMAT_WORD), TXFORMAT_WORD, error)) << error;
    EXPECT_EQ(A(a.Text()), A(word.Document().Text()));
}

TEST(Formats, RtfReaderTakesEverydayWordProcessorRtf)
{
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}"
        "{\\f1\\froman\\fcharset0 Times New Roman{\\*\\falt Times};}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green77\\blue187;}\r\n"
        "{\\*\\generator Riched20 10.0.19041}{\\info{\\title Secret}{\\author Someone}}"
        "\\viewkind4\\uc1 \r\n\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9 Plain "
        "\\b bold\\b0  \\i italic\\i0  {\\cf1 red} \\ul under\\ulnone  \\strike "
        "gone\\strike0\\par\r\n"
        "{\\f1\\fs32 Times 16} caf\\'e9 \\u8364? euro \\u1046? zhe\\tab tab\\line next\\par\r\n"
        "{\\field{\\*\\fldinst{HYPERLINK \"http://example.com\"}}{\\fldrslt{\\ul\\cf2 link}}}"
        "{\\*\\bkmkstart here}{\\*\\bkmkend here} after{\\pict\\wmetafile8 "
        "0102030405}\\par\r\n}\r\n";
    CRichDocument d;
    std::string error;
    ASSERT_TRUE(ReadRtf(rtf, d, error)) << error;
    EXPECT_EQ("Plain bold italic red under gone\nTimes 16 caf\xE9 \x80 euro ? zhe\ttab\nnext\n"
              "link after\n",
              A(d.Text()));
    auto at = [&](const char* word) { return d.FormatAt(A(d.Text()).find(word)); };
    EXPECT_TRUE(at("bold").bold);
    EXPECT_FALSE(at("italic").bold);
    EXPECT_TRUE(at("italic").italic);
    EXPECT_EQ(0x0000FFu, at("red").color);
    EXPECT_TRUE(at("under").underline);
    EXPECT_TRUE(at("gone").strike);
    EXPECT_EQ("Times New Roman", at("Times 16").face);
    EXPECT_EQ(32, at("Times 16").halfPoints);
    EXPECT_EQ("Calibri", at("Plain").face);
    EXPECT_EQ(0xBB4D00u, at("link").color);
    DWORD t = d.FindTarget(W("here"));
    ASSERT_NE(0u, t);
    EXPECT_EQ(A(d.Text()).find(" after"), d.FindField(t)->start);
}

TEST(Formats, PlainAndUnicodeTextKeepTheTextOnly)
{
    CTextControlCore c;
    BuildSampleScript(c);
    const std::string text = A(c.Document().Text());

    std::string plain = Save(c, TXFORMAT_TEXT);
    EXPECT_NE(std::string::npos, plain.find("evening.\r\nTonight"));
    CTextControlCore p;
    std::string error;
    ASSERT_TRUE(p.Load(plain, TXFORMAT_TEXT, error)) << error;
    EXPECT_EQ(text, A(p.Document().Text()));
    EXPECT_TRUE(p.Document().Fields().empty());

    std::string uni = Save(c, TXFORMAT_UNICODE);
    ASSERT_GE(uni.size(), 2u);
    EXPECT_EQ("\xFF\xFE", uni.substr(0, 2));
    EXPECT_EQ(2 + 2 * (text.size() + c.Document().LastLine()), uni.size());
    // The guillemets and é are written as their Unicode code points.
    EXPECT_NE(std::string::npos, uni.find(std::string("\xAB\x00N\x00", 4)));
    CTextControlCore u;
    ASSERT_TRUE(u.Load(uni, TXFORMAT_UNICODE, error)) << error;
    EXPECT_EQ(text, A(u.Document().Text()));

    // Big-endian Unicode text and UTF-8 plain text are read too.
    CRichDocument d;
    ASSERT_TRUE(ReadUnicodeText(std::string("\xFE\xFF\x00h\x20\xAC", 6), d, error));
    EXPECT_EQ("h\x80", A(d.Text()));
    ASSERT_TRUE(ReadPlainText("\xEF\xBB\xBF"
                              "caf\xC3\xA9",
                              d, error));
    EXPECT_EQ("caf\xE9", A(d.Text()));
}

TEST(Formats, HtmlRoundTripKeepsFormattingFieldsAndTargets)
{
    CTextControlCore c;
    BuildSampleScript(c);
    Select(c, 5, 12);
    TXPAIR colours = {0x336699, 0x00FFFF};
    Send(c, TXM_SETSELCOLOR, TXCOLOR_BACK, &colours);
    Send(c, TXM_SETSTYLE, TXSTYLE_UNDERLINE, LPARAM(0));
    std::string html = Save(c, TXFORMAT_HTML);
    EXPECT_NE(std::string::npos, html.find("<html>"));
    EXPECT_NE(std::string::npos, html.find("&#233;"));
    CTextControlCore back;
    std::string error;
    ASSERT_TRUE(back.Load(html, TXFORMAT_HTML, error)) << error;
    const CRichDocument &a = c.Document(), &b = back.Document();
    ASSERT_NO_FATAL_FAILURE(ExpectSameTextAndFormats(a, b));
    ASSERT_EQ(a.Fields().size(), b.Fields().size());
    for (size_t i = 0; i < a.Fields().size(); ++i) {
        EXPECT_EQ(a.Fields()[i].start, b.Fields()[i].start);
        EXPECT_EQ(a.Fields()[i].length, b.Fields()[i].length);
        EXPECT_EQ(a.Fields()[i].data, b.Fields()[i].data);
        EXPECT_EQ(a.Fields()[i].typeText, b.Fields()[i].typeText);
    }
}

TEST(Formats, HtmlReaderTakesEverydayHtml)
{
    const std::string html =
        "<!DOCTYPE html><html><head><title>Not text</title><style>p{color:red}</style>"
        "<script>var x = '<b>';</script></head><body>\n"
        "<h1>Headline</h1>\n<p>First   paragraph with <b>bold</b>, <i>italic</i> and "
        "<span style=\"color:#ff0000; background-color: rgb(0, 0, 255)\">colour</span>.</p>\n"
        "<p>Second<br>line &amp; caf&eacute; &#8364; <font color=\"green\" size=\"5\">big</font>"
        "<a name=\"mark\"></a></p><!-- comment <p> -->\n</body></html>";
    CRichDocument d;
    std::string error;
    ASSERT_TRUE(ReadHtml(html, d, error)) << error;
    EXPECT_EQ(
        "Headline\nFirst paragraph with bold, italic and colour.\nSecond\nline & caf\xE9 \x80 big",
        A(d.Text()));
    auto at = [&](const char* word) { return d.FormatAt(A(d.Text()).find(word)); };
    EXPECT_TRUE(at("Headline").bold);
    EXPECT_EQ(48, at("Headline").halfPoints);
    EXPECT_TRUE(at("bold").bold);
    EXPECT_TRUE(at("italic").italic);
    EXPECT_EQ(0x0000FFu, at("colour").color);
    EXPECT_TRUE(at("colour").hasBack);
    EXPECT_EQ(0xFF0000u, at("colour").back);
    EXPECT_EQ(0x008000u, at("big").color);
    EXPECT_EQ(36, at("big").halfPoints);
    EXPECT_NE(0u, d.FindTarget(W("mark")));
}

// Bad input of every reader fails with a reason and leaves the control's document as it was.
TEST(Formats, BadInputFailsClearlyAndKeepsTheCurrentDocument)
{
    CTextControlCore source;
    BuildSampleScript(source);
    std::string good = Save(source, TXFORMAT_NATIVE);
    std::string rtf = Save(source, TXFORMAT_RTF);

    std::vector<std::pair<std::string, std::string>> bad; // (what, bytes) for format 5
    std::string flipped = good;
    flipped[good.size() / 2] ^= 0x20;
    bad.push_back({"one byte changed", flipped});
    bad.push_back({"cut short", good.substr(0, good.size() - 7)});
    bad.push_back({"header only", good.substr(0, 24)});
    std::string longer = good + "junk";
    bad.push_back({"trailing bytes", longer});
    std::string newer = good;
    newer[0] = static_cast<char>(0x59), newer[1] = static_cast<char>(0x02); // version 601
    bad.push_back({"newer version", newer});
    bad.push_back({"binary junk", std::string("\x00\x01\x02\xFF\xFE\x7F junk \x00", 13)});
    bad.push_back({"empty", std::string()});

    CTextControlCore c;
    BuildSampleScript(c);
    const CRichDocument before = c.Document();
    for (const auto& b : bad) {
        std::string error;
        EXPECT_FALSE(c.Load(b.second, TXFORMAT_NATIVE, error)) << b.first;
        EXPECT_FALSE(error.empty()) << b.first;
        EXPECT_TRUE(c.Document() == before) << b.first;
    }
    struct Other
    {
        const char* what;
        std::string bytes;
        int format;
    };
    const Other others[] = {
        {"truncated RTF", rtf.substr(0, rtf.size() / 2), TXFORMAT_RTF},
        {"RTF without its last brace", rtf.substr(0, rtf.rfind('}')), TXFORMAT_RTF},
        {"RTF ending in a backslash", "{\\rtf1 abc\\", TXFORMAT_RTF},
        {"RTF ending in half a hex byte", "{\\rtf1 abc\\'e", TXFORMAT_RTF},
        {"RTF with a \\bin past the end", "{\\rtf1 \\bin999 ab}", TXFORMAT_RTF},
        {"not RTF", "hello", TXFORMAT_RTF},
        {"binary as plain text", std::string("ab\0cd", 5), TXFORMAT_TEXT},
        {"odd Unicode text",
         "\xFF\xFE"
         "a",
         TXFORMAT_UNICODE},
        {"binary as HTML", std::string("<p>\0</p>", 8), TXFORMAT_HTML},
        {"binary Word document", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8), TXFORMAT_WORD},
        {"unknown format", "x", 42},
    };
    for (const Other& o : others) {
        std::string error;
        EXPECT_FALSE(c.Load(o.bytes, o.format, error)) << o.what;
        EXPECT_FALSE(error.empty()) << o.what;
        EXPECT_TRUE(c.Document() == before) << o.what;
    }
}

TEST(Formats, DeepNestingAndHugeNumbersAreHandled)
{
    std::string deep = "{\\rtf1 " + std::string(20000, '{') + "x" + std::string(20000, '}') + "}";
    CRichDocument d;
    std::string error;
    EXPECT_FALSE(ReadRtf(deep, d, error));
    EXPECT_FALSE(error.empty());
    std::string nested = "{\\rtf1 " + std::string(500, '{') + "x" + std::string(500, '}') + "}";
    ASSERT_TRUE(ReadRtf(nested, d, error)) << error;
    EXPECT_EQ("x", A(d.Text()));
    ASSERT_TRUE(ReadRtf("{\\rtf1 \\fs99999999999999999999 a\\u-99999999999999 b\\cf4294967296 c}",
                        d, error));
    EXPECT_EQ("a?c", A(d.Text())); // the character after \u is its stand-in, skipped
    std::string html = std::string(5000, '<') + "b>" + "text";
    EXPECT_TRUE(ReadHtml(html, d, error));
}

TEST(Codepage, ConversionsAgreeBothWays)
{
    for (int b = 0; b < 256; ++b) {
        char c = static_cast<char>(b);
        EXPECT_EQ(std::string(1, c),
                  Utf16ToAnsi(Utf8ToUtf16(Utf16ToUtf8(AnsiToUtf16(std::string(1, c))))))
            << b;
    }
    EXPECT_EQ(u"\U0001F600", Utf8ToUtf16("\xF0\x9F\x98\x80"));
    EXPECT_EQ("\xF0\x9F\x98\x80", Utf16ToUtf8(u"\U0001F600"));
    EXPECT_EQ(u"\xFFFD(", Utf8ToUtf16("\xC3\x28")) << "a broken sequence";
    EXPECT_EQ(u"\xFFFD\xFFFD", Utf8ToUtf16("\xC0\xAF")) << "an overlong form";
    EXPECT_FALSE(IsUtf8("caf\xE9"));
    EXPECT_TRUE(IsUtf8("caf\xC3\xA9"));
    // Code pages of font character sets.
    EXPECT_EQ(u"\x0416", CodePageToUtf16(CharsetCodePage(204), "\xC6"));
    EXPECT_EQ(u"\x05D0", CodePageToUtf16(CharsetCodePage(177), "\xE0"));
    EXPECT_EQ(u"\x03A9", CodePageToUtf16(CharsetCodePage(161), "\xD9"));
    EXPECT_EQ(u"\x3042", CodePageToUtf16(CharsetCodePage(128), "\x82\xA0"));
    EXPECT_EQ(u"\xE9", CodePageToUtf16(CharsetCodePage(0), "\xE9"));
}

} // namespace

namespace {

TEST(Formats, FilesConvertToRtfWithoutAWindow)
{
    CTextControlCore c;
    BuildSampleScript(c);
    const std::string path = testing::TempDir() + "richtext_convert_test.mqd";
    std::string error;
    ASSERT_TRUE(WriteFileBytes(path.c_str(), WriteNative(c.Document()), error)) << error;
    std::string rtf;
    ASSERT_TRUE(ConvertFileToRtf(path.c_str(), TXFORMAT_NATIVE, rtf, error)) << error;
    EXPECT_EQ(WriteRtf(c.Document()), rtf);
    EXPECT_FALSE(ConvertFileToRtf(path.c_str(), TXFORMAT_RTF, rtf, error)); // not RTF inside
    EXPECT_FALSE(ConvertFileToRtf((path + ".missing").c_str(), TXFORMAT_NATIVE, rtf, error));
    EXPECT_NE(std::string::npos, error.find("cannot be opened"));
    std::remove(path.c_str());
}

} // namespace
