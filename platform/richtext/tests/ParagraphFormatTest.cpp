// Paragraph formats and page breaks: how editing keeps them, and their round trip through
// our own format, RTF and HTML, with what earlier files and other programs' files give.
#include "ScriptBuilder.h"
#include "TextHelpers.h"
#include "richtext/DocumentFormats.h"

#include <gtest/gtest.h>

#include <functional>

using namespace richtext;

void PrintTo(const CRichParaFormat& p, std::ostream* os)
{
    *os << "{align " << int(p.align) << ", indents " << p.leftIndent << "/" << p.rightIndent << "/"
        << p.firstIndent << ", space " << p.spaceBefore << "/" << p.spaceAfter << ", line "
        << p.lineSpacing << (p.lineMultiple ? " multiple" : "")
        << (p.pageBreakBefore ? ", page break" : "") << "}";
}

namespace {

uint32_t Crc32(const std::string& s, size_t from, size_t to)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = from; i < to; ++i) {
        crc ^= static_cast<unsigned char>(s[i]);
        for (int k = 0; k < 8; ++k)
            crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    return crc ^ 0xFFFFFFFFu;
}

CRichParaFormat Para(BYTE align, int left = 0, int right = 0, int first = 0, int before = 0,
                     int after = 0, int line = 0, bool multiple = false, bool page = false)
{
    CRichParaFormat p;
    p.align = align;
    p.leftIndent = left;
    p.rightIndent = right;
    p.firstIndent = first;
    p.spaceBefore = before;
    p.spaceAfter = after;
    p.lineSpacing = line;
    p.lineMultiple = multiple;
    p.pageBreakBefore = page;
    return p;
}

std::vector<CRichParaFormat> Paras(const CRichDocument& d)
{
    return std::vector<CRichParaFormat>(d.ParaFormats().begin(), d.ParaFormats().end());
}

// A script whose paragraphs are all formatted differently: empty paragraphs (the last one
// too), a bold run across a paragraph mark, an instruction field led by a line feed, a
// bookmark, a page break and every kind of line spacing.
CRichDocument FormattedScript()
{
    CTextControlCore c;
    Type(c, "Headline\nFirst line of the story.\n\nSecond part");
    Select(c, 4, 12);
    Send(c, TXM_SETSTYLE, TXSTYLE_BOLD, LPARAM(0));
    Select(c, 9, 9);
    InsertTarget(c, "Story");
    Select(c, 1000, 1000);
    InsertInstruction(c, "\n\xABNext\xBB", 4);
    Select(c, 1000, 1000);
    Type(c, "After the slide.\n");
    CRichDocument d = c.Document();
    const CRichParaFormat formats[] = {
        Para(TXALIGN_CENTER, 0, 0, 0, 240, 120),
        Para(TXALIGN_JUSTIFY, 720, 360, -360, 0, 0, 360, true),
        Para(TXALIGN_RIGHT, 0, 0, 0, 0, 0, -300),
        Para(TXALIGN_LEFT, 1440, 0, 15, 0, 0, 280, false, true),
        Para(TXALIGN_CENTER, 0, 0, 0, 0, 0, 0, false, true),
        Para(TXALIGN_LEFT, 0, 0, 0, 0, 0, 480, true),
        Para(TXALIGN_LEFT, 0, 0, 0, 0, 0, 0, false, true),
        Para(TXALIGN_RIGHT, 10, 20, 30, 40, 50),
    };
    EXPECT_EQ(std::size(formats), d.LastLine() + 1) << A(d.Text());
    for (size_t l = 0; l <= d.LastLine() && l < std::size(formats); ++l)
        d.SetParaFormat(l, formats[l]);
    return d;
}

TEST(ParagraphFormat, EditingSplitsAndJoinsParagraphsWithTheirFormats)
{
    CRichDocument d;
    CRichCharFormat f;
    d.Replace(0, 0, u"one\ntwo", f);
    ASSERT_EQ(2u, d.ParaFormats().size());
    const CRichParaFormat centred = Para(TXALIGN_CENTER, 0, 0, 0, 0, 0, 0, false, true);
    d.SetParaFormat(0, centred);
    // Enter in the middle of a line: both halves keep its format, the page break the first.
    d.Replace(2, 2, u"\n", f);
    CRichParaFormat continued = centred;
    continued.pageBreakBefore = false;
    EXPECT_EQ((std::vector<CRichParaFormat> {centred, continued, CRichParaFormat()}), Paras(d));
    // Joining lines keeps the first line's format.
    d.Replace(1, 6, u"", f); // "o" + "\n" + "e\nt" removed: "owo"
    EXPECT_EQ(u"owo", d.Text());
    EXPECT_EQ((std::vector<CRichParaFormat> {centred}), Paras(d));
    EXPECT_TRUE(d.IsConsistent());

    // Copied lines bring their formats; the line pasted into keeps its own after them.
    CRichDocument src;
    src.Replace(0, 0, u"a\nb\nc", f);
    src.SetParaFormat(0, Para(TXALIGN_RIGHT));
    src.SetParaFormat(1, Para(TXALIGN_JUSTIFY));
    CRichDocument target;
    target.Replace(0, 0, u"xy", f);
    target.SetParaFormat(0, Para(TXALIGN_CENTER, 200));
    target.InsertDocument(1, src); // into the middle: "xa", "b", "cy"
    EXPECT_EQ(u"xa\nb\ncy", target.Text());
    EXPECT_EQ((std::vector<CRichParaFormat> {Para(TXALIGN_CENTER, 200), Para(TXALIGN_JUSTIFY),
                                             Para(TXALIGN_CENTER, 200)}),
              Paras(target));
    target.InsertDocument(0, src); // at a line's start the first copied line's format applies
    EXPECT_EQ(Para(TXALIGN_RIGHT), target.ParaFormat(0));
    EXPECT_TRUE(target.IsConsistent());
    // A copy of a stretch keeps the formats of the lines it touches.
    const CRichDocument part = target.Extract(1, 6);
    EXPECT_EQ(u"\nb\ncx", part.Text());
    EXPECT_EQ((std::vector<CRichParaFormat> {Para(TXALIGN_RIGHT), Para(TXALIGN_JUSTIFY),
                                             Para(TXALIGN_CENTER, 200)}),
              Paras(part));

    // Fields: text with line feeds set into a field, or deleted with it, keeps the count.
    DWORD id = target.InsertField(0, TXFIELD_INSTRUCTION, u"\nfield", f);
    EXPECT_TRUE(target.IsConsistent());
    ASSERT_TRUE(target.SetFieldText(id, u"\n\nlonger\n"));
    EXPECT_TRUE(target.IsConsistent());
    ASSERT_TRUE(target.DeleteField(id, false));
    EXPECT_TRUE(target.IsConsistent());
    target.Clear();
    EXPECT_EQ(1u, target.ParaFormats().size());
}

TEST(ParagraphFormat, PageBreaksAndFormatChangesAreOneStepOfUndoEach)
{
    CTextControlCore c;
    Type(c, "one two\nthree");
    // The selection's paragraphs change; the caret's paragraph is the one shown.
    Select(c, 2, 9);
    c.ChangeSelParaFormat([](CRichParaFormat& p) { p.align = TXALIGN_RIGHT; });
    EXPECT_EQ(TXALIGN_RIGHT, c.Document().ParaFormat(0).align);
    EXPECT_EQ(TXALIGN_RIGHT, c.Document().ParaFormat(1).align);
    EXPECT_TRUE(c.Modified());
    ASSERT_TRUE(c.Undo());
    EXPECT_EQ(TXALIGN_LEFT, c.Document().ParaFormat(1).align);
    ASSERT_TRUE(c.Redo());

    // A page break inside a paragraph splits it; the part after starts the page.
    Select(c, 4, 4);
    c.InsertPageBreak();
    EXPECT_EQ(u"one \ntwo\nthree", c.Document().Text());
    EXPECT_TRUE(c.Document().ParaFormat(1).pageBreakBefore);
    EXPECT_FALSE(c.Document().ParaFormat(0).pageBreakBefore);
    EXPECT_EQ(TXALIGN_RIGHT, c.Document().ParaFormat(1).align);
    EXPECT_EQ(5, c.Caret());
    // Backspace at that paragraph's start takes the break away, not the line feed.
    c.Backspace();
    EXPECT_EQ(u"one \ntwo\nthree", c.Document().Text());
    EXPECT_FALSE(c.Document().ParaFormat(1).pageBreakBefore);
    c.Backspace();
    EXPECT_EQ(u"one two\nthree", c.Document().Text());
    // At a paragraph's start the break goes to that paragraph, with no new line.
    Select(c, 8, 8);
    c.InsertPageBreak();
    EXPECT_EQ(u"one two\nthree", c.Document().Text());
    EXPECT_TRUE(c.Document().ParaFormat(1).pageBreakBefore);
    ASSERT_TRUE(c.Undo());
    EXPECT_FALSE(c.Document().ParaFormat(1).pageBreakBefore);
    // Inside a field the break goes after it, as typing does.
    Select(c, 13, 13);
    DWORD id = c.InsertField(TXFIELD_INSTRUCTION, u"<<Next>>");
    ASSERT_NE(0u, id);
    Select(c, 17, 17);
    c.InsertPageBreak();
    EXPECT_EQ(u"one two\nthree<<Next>>\n", c.Document().Text());
    EXPECT_TRUE(c.Document().ParaFormat(2).pageBreakBefore);
    EXPECT_EQ(8u, c.Document().FindField(id)->length);
    EXPECT_TRUE(c.Document().IsConsistent());
}

TEST(ParagraphFormat, ValuesOutOfRangeAreBroughtIntoRange)
{
    CRichDocument d;
    d.SetParaFormat(0, Para(9, 99999, -99999, 40000, -5, 99999, 99999, true));
    const CRichParaFormat& p = d.ParaFormat(0);
    EXPECT_EQ(TXALIGN_LEFT, p.align);
    EXPECT_EQ(CRichParaFormat::kMaxIndent, p.leftIndent);
    EXPECT_EQ(-CRichParaFormat::kMaxIndent, p.rightIndent);
    EXPECT_EQ(0, p.spaceBefore);
    EXPECT_EQ(2400, p.lineSpacing); // ten lines at most
    EXPECT_FALSE(d.SetParaFormat(1, CRichParaFormat()));
    EXPECT_TRUE(d.IsConsistent());
}

TEST(ParagraphFormat, EveryFormatKeepsParagraphFormatsAndPageBreaks)
{
    const CRichDocument doc = FormattedScript();
    ASSERT_TRUE(doc.IsConsistent());
    struct Case
    {
        const char* name;
        std::function<std::string(const CRichDocument&)> write;
        std::function<bool(const std::string&, CRichDocument&, std::string&)> read;
    };
    const Case cases[] = {
        {"own format", WriteNative, ReadNative},
        {"RTF", WriteRtf, ReadRtf},
        {"HTML", WriteHtml, ReadHtml},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CRichDocument back;
        std::string error;
        ASSERT_TRUE(c.read(c.write(doc), back, error)) << error;
        EXPECT_TRUE(back.IsConsistent());
        ASSERT_EQ(A(doc.Text()), A(back.Text()));
        EXPECT_EQ(Paras(doc), Paras(back));
        for (size_t i = 0; i < doc.Length(); ++i)
            ASSERT_TRUE(doc.FormatAt(i) == back.FormatAt(i)) << "character " << i;
        ASSERT_EQ(doc.Fields().size(), back.Fields().size());
        for (size_t i = 0; i < doc.Fields().size(); ++i) {
            EXPECT_EQ(doc.Fields()[i].start, back.Fields()[i].start);
            EXPECT_EQ(doc.Fields()[i].length, back.Fields()[i].length);
            EXPECT_EQ(doc.Fields()[i].typeText, back.Fields()[i].typeText);
        }
        // And once more: what was read writes the same.
        EXPECT_EQ(c.write(doc), c.write(back));
    }
    CRichDocument back;
    std::string error;
    ASSERT_TRUE(ReadNative(WriteNative(doc), back, error));
    EXPECT_TRUE(back == doc);
}

TEST(ParagraphFormat, FilesWithoutParagraphFormatsStayAsBefore)
{
    // A script without paragraph formats is still written as revision 2 of our own format
    // (programs that know no paragraph formats read it), and its RTF has no paragraph words.
    CTextControlCore c;
    BuildSampleScript(c);
    const std::string own = WriteNative(c.Document());
    EXPECT_EQ(2, static_cast<unsigned char>(own[2]));
    EXPECT_EQ(std::string::npos, WriteRtf(c.Document()).find("\\ql"));
    CRichDocument formatted = c.Document();
    formatted.SetParaFormat(1, Para(TXALIGN_CENTER));
    EXPECT_EQ(3, static_cast<unsigned char>(WriteNative(formatted)[2]));

    // HTML as earlier versions wrote it: one pre-wrapped block with <br> line breaks.
    const std::string old =
        "<html><body><div style=\"white-space:pre-wrap\"><span style=\"color:#000000\">one<br>"
        "<br>two<br></span></div></body></html>";
    CRichDocument d;
    std::string error;
    ASSERT_TRUE(ReadHtml(old, d, error)) << error;
    EXPECT_EQ(u"one\n\ntwo\n", d.Text());
    EXPECT_EQ(4u, d.ParaFormats().size());
    EXPECT_TRUE(d.IsConsistent());
}

TEST(ParagraphFormat, RtfOfWordProcessorsGivesItsParagraphFormats)
{
    const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}"
                            "\\pard\\qc\\sb120\\sa240 Title\\par"
                            "\\pard\\li720\\ri360\\fi-360\\sl360\\slmult1 Body {\\b text}\\par"
                            "\\pard\\qj\\sl-280 Exact\\page After the break\\par"
                            "\\pard\\pagebb\\qr{Own break}\\par"
                            "{\\pard\\qc Grouped\\par}"
                            "Plain}";
    CRichDocument d;
    std::string error;
    ASSERT_TRUE(ReadRtf(rtf, d, error)) << error;
    EXPECT_EQ(u"Title\nBody text\nExact\nAfter the break\nOwn break\nGrouped\nPlain", d.Text());
    EXPECT_EQ((std::vector<CRichParaFormat> {
                  Para(TXALIGN_CENTER, 0, 0, 0, 120, 240),
                  Para(TXALIGN_LEFT, 720, 360, -360, 0, 0, 360, true),
                  Para(TXALIGN_JUSTIFY, 0, 0, 0, 0, 0, -280),
                  Para(TXALIGN_JUSTIFY, 0, 0, 0, 0, 0, -280, false, true),
                  Para(TXALIGN_RIGHT, 0, 0, 0, 0, 0, 0, false, true),
                  Para(TXALIGN_CENTER),
                  Para(TXALIGN_RIGHT, 0, 0, 0, 0, 0, 0, false, true),
              }),
              Paras(d));
}

TEST(ParagraphFormat, HtmlBlocksGiveTheirParagraphFormats)
{
    const std::string html =
        "<body><p align=\"center\">Centred</p>"
        "<div style=\"text-align:right; margin: 6pt 0.5in 12pt 1in; text-indent:-18pt\">Right"
        "<p style=\"margin-left:36pt;line-height:150%\">Nested</p></div>"
        "<p style=\"page-break-before:always;line-height:14pt\">Next page</p>"
        "<center>Old centre</center>Plain</body>";
    CRichDocument d;
    std::string error;
    ASSERT_TRUE(ReadHtml(html, d, error)) << error;
    EXPECT_EQ(u"Centred\nRight\nNested\nNext page\nOld centre\nPlain", d.Text());
    EXPECT_EQ((std::vector<CRichParaFormat> {
                  Para(TXALIGN_CENTER),
                  Para(TXALIGN_RIGHT, 1440, 720, -360, 120, 240),
                  Para(TXALIGN_RIGHT, 1440 + 720, 720, -360, 0, 0, 360, true),
                  Para(TXALIGN_LEFT, 0, 0, 0, 0, 0, -280, false, true),
                  Para(TXALIGN_CENTER),
                  Para(TXALIGN_LEFT),
              }),
              Paras(d));
}

TEST(ParagraphFormat, DamagedParagraphTablesAreRefused)
{
    CRichDocument doc = FormattedScript();
    const std::string good = WriteNative(doc);
    // The paragraph table is the last part of the body, before the check sum: make its last
    // run cover one paragraph more than the text has, then fix the check sum.
    std::string more = good;
    const size_t lastRun = good.size() - 4 - 6;
    more[lastRun] = static_cast<char>(more[lastRun] + 1);
    const uint32_t crc = Crc32(more, kNativeHeaderSize, more.size() - 4);
    for (int i = 0; i < 4; ++i)
        more[more.size() - 4 + i] = static_cast<char>((crc >> (8 * i)) & 0xFF);
    CRichDocument d;
    std::string error;
    ASSERT_TRUE(ReadNative(good, d, error)) << error;
    EXPECT_FALSE(ReadNative(more, d, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(d == doc);
}

} // namespace
