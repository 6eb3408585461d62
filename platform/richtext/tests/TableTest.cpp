// Tables: rows inserted and deleted as one undo step each, their cells kept by our own
// format, RTF and HTML, and word processors' table rows read.
#include "ScriptBuilder.h"
#include "TextHelpers.h"
#include "richtext/DocumentFormats.h"

#include <gtest/gtest.h>

using namespace richtext;

namespace {

const std::vector<int> kThirds = {2880, 5760, 8640};

TEST(Table, InsertedOnItsOwnParagraphsAndDeletedRowByRow)
{
    CTextControlCore c;
    Type(c, "Intro\nduction");
    c.SetSel(8, 8);
    c.ChangeSelParaFormat([](CRichParaFormat& p) { p.align = TXALIGN_CENTER; });
    const CRichDocument before = c.Document();
    c.SetSel(3, 3); // "Int|ro"
    ASSERT_TRUE(c.InsertTable(2, 3, 8640));
    const CRichDocument& d = c.Document();
    EXPECT_EQ(u"Int\n\a\a\n\a\a\nro\nduction", d.Text());
    EXPECT_EQ(4, c.Caret()); // the first cell
    for (size_t line : {1u, 2u}) {
        EXPECT_EQ(kThirds, d.ParaFormat(line).cells);
        EXPECT_TRUE(d.ParaFormat(line).borders);
    }
    EXPECT_FALSE(d.ParaFormat(0).IsTableRow());
    EXPECT_FALSE(d.ParaFormat(3).IsTableRow());
    EXPECT_EQ(TXALIGN_CENTER, d.ParaFormat(4).align);
    Type(c, "Name");
    EXPECT_EQ(u"Int\nName\a\a\n\a\a\nro\nduction", d.Text());

    // Deleting rows: the caret's row, then the rest; the paragraphs around keep theirs.
    c.SetSel(12, 12);
    ASSERT_TRUE(c.DeleteTableRows());
    EXPECT_EQ(u"Int\nName\a\a\nro\nduction", d.Text());
    c.SetSel(0, static_cast<long>(d.Length()));
    ASSERT_TRUE(c.DeleteTableRows());
    EXPECT_EQ(u"Int\nro\nduction", d.Text());
    EXPECT_EQ(TXALIGN_CENTER, d.ParaFormat(2).align);
    EXPECT_FALSE(c.DeleteTableRows()) << "no rows left";
    EXPECT_TRUE(d.IsConsistent());
    for (int step = 0; step < 4; ++step)
        ASSERT_TRUE(c.Undo());
    EXPECT_TRUE(c.Document() == before);

    // A table at the very start, deleted: the text after it keeps its format.
    c.SetSel(0, 0);
    ASSERT_TRUE(c.InsertTable(1, 2, 4000));
    EXPECT_EQ(u"\a\nIntro\nduction", c.Document().Text());
    c.SetSel(0, 0);
    ASSERT_TRUE(c.DeleteTableRows());
    EXPECT_TRUE(c.Document() == before);
    // Sizes a table cannot have.
    EXPECT_FALSE(c.InsertTable(0, 2, 4000));
    EXPECT_FALSE(c.InsertTable(1, 64, 64000));
    EXPECT_FALSE(c.InsertTable(1, 3, 2));
}

TEST(Table, EveryFormatKeepsItsRows)
{
    CTextControlCore c;
    Type(c, "Rundown");
    ASSERT_TRUE(c.InsertTable(2, 3, 8640));
    Type(c, "Slug\aTime\aCam\n");
    c.SetSel(static_cast<long>(c.Document().Length()), -1);
    c.ChangeSelParaFormat([](CRichParaFormat& p) {
        p.cells = {1000, 9000};
        p.borders = false;
    });
    Type(c, "last\a2:00");
    for (int format : {TXFORMAT_NATIVE, TXFORMAT_RTF, TXFORMAT_HTML}) {
        SCOPED_TRACE(format);
        std::string bytes, error;
        ASSERT_TRUE(SaveDocument(c.Document(), format, bytes, error)) << error;
        CRichDocument back;
        ASSERT_TRUE(LoadDocument(bytes, format, back, error)) << error;
        EXPECT_EQ(c.Document().Text(), back.Text()) << bytes;
        ASSERT_EQ(c.Document().LastLine(), back.LastLine());
        for (size_t l = 0; l <= back.LastLine(); ++l) {
            EXPECT_EQ(c.Document().ParaFormat(l).cells, back.ParaFormat(l).cells) << l;
            EXPECT_EQ(c.Document().ParaFormat(l).borders, back.ParaFormat(l).borders) << l;
        }
        if (format == TXFORMAT_NATIVE) {
            EXPECT_EQ(5u, static_cast<unsigned char>(bytes[2]));
            EXPECT_TRUE(c.Document() == back);
        }
    }
}

TEST(Table, WordProcessorRowsAreRead)
{
    struct Case
    {
        const char* name;
        const char* rtf;
        const char16_t* text;
        std::vector<int> firstCells;
        bool borders;
    } cases[] = {
        {"row then text",
         "{\\rtf1\\trowd\\trgaph108\\cellx1000\\cellx2000\\pard\\intbl A\\cell B\\cell\\row\\pard "
         "After}",
         u"A\aB\nAfter",
         {1000, 2000},
         false},
        {"bordered row ends the text",
         "{\\rtf1\\trowd\\clbrdrt\\brdrs\\cellx1500\\pard\\intbl Only\\cell\\row}",
         u"Only",
         {1500},
         true},
        {"cells that do not rise are no table",
         "{\\rtf1\\trowd\\cellx2000\\cellx1000\\pard\\intbl A\\cell B\\cell\\row\\pard x}",
         u"A\aB\nx",
         {},
         false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        CRichDocument d;
        std::string error;
        ASSERT_TRUE(ReadRtf(k.rtf, d, error)) << error;
        EXPECT_EQ(std::u16string(k.text), d.Text());
        EXPECT_EQ(k.firstCells, d.ParaFormat(0).cells);
        EXPECT_EQ(k.borders, d.ParaFormat(0).borders);
        if (d.LastLine() > 0) {
            EXPECT_FALSE(d.ParaFormat(1).IsTableRow());
        }
    }
}

} // namespace

namespace {

TEST(Table, ARowBeforeAnEmptyLastParagraphKeepsItsLineEnd)
{
    CTextControlCore c;
    ASSERT_TRUE(c.InsertTable(1, 2, 4000)); // the row, then the empty paragraph after it
    Type(c, "a");
    ASSERT_EQ(u"a\a\n", c.Document().Text());
    CRichDocument back;
    std::string error;
    ASSERT_TRUE(ReadRtf(WriteRtf(c.Document()), back, error)) << error;
    EXPECT_EQ(c.Document().Text(), back.Text());
    EXPECT_TRUE(back.ParaFormat(0).IsTableRow());
    EXPECT_FALSE(back.ParaFormat(1).IsTableRow());
}

} // namespace
