// Slide-show instruction fields and bookmarks, in the shapes the rich-text control writes.
#include <gtest/gtest.h>

#include <map>

#include "fixtures/script_rtf_shapes.h"
#include "reader_test_support.h"

namespace srs = script_rtf_shapes;

namespace {

// Flags, field number and instruction text of each paragraph (all its runs must agree).
struct ParagraphView
{
    std::string text;
    int flags = 0;
    int field = 0;
    std::string instruction;
};

std::map<int, ParagraphView> Paragraphs(const std::vector<RunView>& runs)
{
    std::map<int, ParagraphView> out;
    for (const RunView& run : runs) {
        ParagraphView& p = out[run.paragraph / 100];
        p.text += run.text;
        p.flags |= run.flags;
        p.field |= run.field;
        p.instruction = run.instruction;
    }
    return out;
}

TEST(RtfFields, TheScriptShapeGivesInstructionAndBookmarkParagraphs)
{
    for (int show : {0, 1}) {
        SCOPED_TRACE(show ? "instructions shown" : "instructions hidden");
        PromptReaderSettings settings;
        settings.m_bShowPPInst = show;
        auto runs = ReadRuns(srs::kScript, settings);
        auto paragraphs = Paragraphs(runs);
        ASSERT_EQ(static_cast<size_t>(srs::kScriptParagraphs), paragraphs.size());

        const ParagraphView& bookmark = paragraphs[srs::kScriptBookmarkParagraph];
        EXPECT_EQ("Good evening.", bookmark.text);
        EXPECT_EQ(PT_SCRIPT | PT_BOOKMARK, bookmark.flags);
        EXPECT_EQ(0, bookmark.field);

        const ParagraphView& start = paragraphs[srs::kScriptStartParagraph];
        EXPECT_EQ(PT_SCRIPT | PT_INSTRUCTION, start.flags);
        EXPECT_EQ(srs::kInstructionStart, start.field);
        EXPECT_EQ(srs::kScriptStartFieldText, start.instruction);
        EXPECT_EQ(show ? "\xC2\xAB"
                         "Start\xC2\xBB"
                       : "",
                  start.text);

        const ParagraphView& next = paragraphs[srs::kScriptNextParagraph];
        EXPECT_EQ(PT_SCRIPT | PT_INSTRUCTION, next.flags);
        EXPECT_EQ(srs::kInstructionNext, next.field);
        EXPECT_EQ(srs::kNextSlideFieldText, next.instruction);

        // The marks belong to their paragraphs only.
        for (int n : {3, 5}) {
            SCOPED_TRACE(n);
            EXPECT_EQ(PT_SCRIPT, paragraphs[n].flags);
            EXPECT_EQ(0, paragraphs[n].field);
            EXPECT_EQ("", paragraphs[n].instruction);
        }
        EXPECT_EQ("Tonight's headlines.", paragraphs[3].text);
        EXPECT_EQ("Back to the studio.", paragraphs[5].text);
    }
}

TEST(RtfFields, EachInstructionShapeGivesItsCodeAndText)
{
    const struct
    {
        const char* paragraph;
        int code;
        const char* text;
    } cases[] = {
        {srs::kNextSlideParagraph, srs::kInstructionNext, srs::kNextSlideFieldText},
        {srs::kLoadParagraph, srs::kInstructionLoad, srs::kLoadFieldText},
        {srs::kPreviousSlideParagraph, srs::kInstructionPrevious, "\xABPrevious\xBB"},
        {"{\\*\\txfieldstart\\txfieldtype0 8}\\'abClose\\'bb{\\*\\txfieldend}\\par\n",
         srs::kInstructionClose,
         "\xAB"
         "Close\xBB"},
        {"{\\*\\txfieldstart\\txfieldtype0 10}\\par \\'abPrevious\\'bb{\\*\\txfieldend}\\par\n",
         srs::kInstructionPrevious, "\xABPrevious\xBB"}, // a line break inside the field
        {"{\\*\\txfieldstart\\txfieldtype0 2}\\uc1\\u171?Start\\u187?{\\*\\txfieldend}\\par\n",
         srs::kInstructionStart,
         "\xAB"
         "Start\xBB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.paragraph);
        auto runs = ReadRuns(Rtf(std::string("Before\\par\n") + c.paragraph + "After\\par"));
        ASSERT_EQ(3u, runs.size());
        EXPECT_EQ("Before||After", Texts(runs));
        EXPECT_LT(runs[0].paragraph, runs[1].paragraph); // a paragraph of its own
        EXPECT_LT(runs[1].paragraph, runs[2].paragraph);
        EXPECT_EQ(PT_SCRIPT | PT_INSTRUCTION, runs[1].flags);
        EXPECT_EQ(c.code, runs[1].field);
        EXPECT_EQ(c.text, runs[1].instruction);
        EXPECT_EQ(PT_SCRIPT, runs[2].flags);
        EXPECT_EQ(0, runs[2].field);
    }
}

TEST(RtfFields, TheDepthStaysRightWhicheverBraceFollowsTheCode)
{
    const char* fields[] = {
        "{\\*\\txfieldstart\\txfieldtype0 4}\\'abNext\\'bb{\\*\\txfieldend}\\par\n",
        "{\\*\\txfieldstart\\txfieldtype0 4{\\*\\txfielddata "
        "1}}\\'abNext\\'bb{\\*\\txfieldend}\\par\n",
    };
    for (const char* field : fields) {
        SCOPED_TRACE(field);
        auto runs = ReadRuns(Rtf(std::string(field) + "A {\\b B} C\\par D\\par"));
        ASSERT_EQ(5u, runs.size());
        EXPECT_EQ("|A |B| C|D", Texts(runs));
        EXPECT_EQ(4, runs[0].field);
        EXPECT_EQ(srs::kNextSlideFieldText, runs[0].instruction);
        EXPECT_EQ(FT_NONE, runs[1].style);
        EXPECT_EQ(FT_BOLD, runs[2].style);
        EXPECT_EQ(FT_NONE, runs[3].style);
        EXPECT_EQ(100, runs[2].order); // B's group opened at the document's level
        EXPECT_EQ(300, runs[4].paragraph);
        EXPECT_EQ(PT_SCRIPT, runs[4].flags);
    }
}

TEST(RtfFields, Bookmarks)
{
    // The name is not shown; the paragraph is marked.
    auto runs = ReadRuns(Rtf(std::string("One ") + srs::kBookmarkIntro + "two\\par three\\par"));
    auto paragraphs = Paragraphs(runs);
    ASSERT_EQ(2u, paragraphs.size());
    EXPECT_EQ("One two", paragraphs[1].text);
    EXPECT_EQ(PT_SCRIPT | PT_BOOKMARK, paragraphs[1].flags);
    EXPECT_EQ("three", paragraphs[2].text);
    EXPECT_EQ(PT_SCRIPT, paragraphs[2].flags);

    // A start without an end marks nothing.
    runs = ReadRuns(Rtf("{\\*\\bkmkstart Name}x\\par"));
    EXPECT_EQ("x", Texts(runs));
    EXPECT_EQ(PT_SCRIPT, runs[0].flags);

    // A target on an empty line marks the next paragraph that has text, and only that one.
    runs = ReadRuns(Rtf(std::string(srs::kBookmarkIntro) + "\\par\\par Text\\par More\\par"));
    ASSERT_EQ(2u, runs.size());
    EXPECT_EQ(PT_SCRIPT | PT_BOOKMARK, runs[0].flags);
    EXPECT_EQ(300, runs[0].paragraph);
    EXPECT_EQ(PT_SCRIPT, runs[1].flags);
}

TEST(RtfFields, AFieldLeftOpenEndsWithItsGroup)
{
    // No \txfieldend: the field's text stays hidden only as long as its group.
    auto runs = ReadRuns(Rtf("{{\\*\\txfieldstart\\txfieldtype0 4}\\'abNext\\'bb}Shown\\par"));
    EXPECT_EQ("Shown", Texts(runs));
    EXPECT_EQ(PT_SCRIPT, runs.back().flags);
    EXPECT_EQ(0, runs.back().field);
    EXPECT_EQ("", runs.back().instruction);
}

} // namespace
