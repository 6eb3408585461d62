// A script's runs grouped into paragraphs, with bookmarks and slide-show instructions settled
// on them: what the prompter puts on its paragraph list.
#include <gtest/gtest.h>

#include <memory>

#include "ScriptParagraphs.h"
#include "reader_test_support.h"

namespace {

struct ParagraphView
{
    int number;
    std::string text; // UTF-8, runs joined
    int flags; // instruction, bookmark and caption bits
    int code;
    std::string instruction;
};

// Reads an RTF script and groups it as the prompter does.
std::vector<ParagraphView> ReadParagraphs(const std::string& rtf, bool showInstructions,
                                          PendingInstruction& pending, bool captions = false)
{
    PromptReaderSettings settings;
    settings.m_crText = kTextColor;
    settings.m_bShowPPInst = showInstructions;
    CPromptTextReader reader(settings);
    std::unique_ptr<prmptFormatedPtrList> runs(
        reader.BuildList(rtf, kTextColor, 100, PT_NONE, CTimeSpan(0)));
    prmptRecord record;
    ScriptParagraphOptions options;
    options.showInstructions = showInstructions;
    options.captions = captions;
    auto paragraphs =
        GroupScriptParagraphs<CScriptParagraph>(*runs, record, PT_SCRIPT, options, pending);
    EXPECT_TRUE(runs->IsEmpty());
    std::vector<ParagraphView> out;
    for (const auto& p : paragraphs) {
        ParagraphView v {p->m_nNumber, "",
                         p->m_nFlags & (PT_INSTRUCTION | PT_BOOKMARK | PT_CAPTION_DUE),
                         p->m_nInstrCode, p->m_strInstruction};
        for (POSITION pos = p->m_lstText.GetHeadPosition(); pos;)
            v.text += ToUtf8(p->m_lstText.GetNext(pos)->GetText());
        out.push_back(v);
    }
    return out;
}

std::vector<ParagraphView> ReadParagraphs(const std::string& rtf, bool showInstructions = false)
{
    PendingInstruction pending;
    return ReadParagraphs(rtf, showInstructions, pending);
}

std::string Texts(const std::vector<ParagraphView>& paragraphs)
{
    std::string s;
    for (const ParagraphView& p : paragraphs)
        s += (s.empty() ? "" : "|") + p.text;
    return s;
}

TEST(ScriptParagraphs, ABookmarkAtTheEndOfALineOrOfTheScriptMarksItsParagraph)
{
    const struct
    {
        const char* rtf;
        const char* marked;
    } cases[] = {
        // Where the control puts a target after a line's last word.
        {"{\\rtf1 First line{\\*\\bkmkstart m}{\\*\\bkmkend m}\\par Second\\par}", "First line"},
        {"{\\rtf1 {\\b First line}{\\*\\bkmkstart m}{\\*\\bkmkend m}{\\par Second\\par}}",
         "First line"},
        // At the end of the document, with or without a last paragraph mark.
        {"{\\rtf1 First\\par Last{\\*\\bkmkstart m}{\\*\\bkmkend m}}", "Last"},
        {"{\\rtf1 First\\par {Last}{\\*\\bkmkstart m}{\\*\\bkmkend m}\\par}", "Last"},
        // Inside the line, and before the text of the next.
        {"{\\rtf1 First {\\*\\bkmkstart m}{\\*\\bkmkend m}line\\par Second\\par}", "First line"},
        {"{\\rtf1 First\\par {\\*\\bkmkstart m}{\\*\\bkmkend m}Second\\par}", "Second"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rtf);
        auto paragraphs = ReadParagraphs(c.rtf);
        ASSERT_EQ(2u, paragraphs.size());
        int marked = 0;
        for (const ParagraphView& p : paragraphs)
            if (p.flags & PT_BOOKMARK) {
                ++marked;
                EXPECT_EQ(c.marked, p.text);
            }
        EXPECT_EQ(1, marked);
    }
}

TEST(ScriptParagraphs, AHiddenInstructionHidesOnlyItsOwnText)
{
    const std::string rtf =
        "{\\rtf1\\ansi Intro\\par {\\*\\txfieldstart\\txfieldtype0 4}\\'abNext\\'bb"
        "{\\*\\txfieldend} Here is the story\\par After\\par}";
    auto hidden = ReadParagraphs(rtf);
    ASSERT_EQ(3u, hidden.size());
    EXPECT_EQ("Intro| Here is the story|After", Texts(hidden));
    EXPECT_EQ(PT_INSTRUCTION, hidden[1].flags & PT_INSTRUCTION);
    EXPECT_EQ(4, hidden[1].code);
    EXPECT_EQ("\xAB"
              "Next\xBB",
              hidden[1].instruction);
    EXPECT_EQ(0, hidden[2].code);

    // Shown, the field's text stands in its paragraph and the story is ordinary text.
    auto shown = ReadParagraphs(rtf, true);
    ASSERT_EQ(3u, shown.size());
    EXPECT_EQ("Intro|\xC2\xAB"
              "Next\xC2\xBB Here is the story|After",
              Texts(shown));
    EXPECT_EQ(4, shown[1].code);

    // Text before the field on the line is kept as well, and the paragraph is captioned.
    PendingInstruction pending;
    auto before = ReadParagraphs("{\\rtf1 Lead {\\*\\txfieldstart\\txfieldtype0 2}\\'abStart\\'bb"
                                 "{\\*\\txfieldend}\\par}",
                                 false, pending, true);
    ASSERT_EQ(1u, before.size());
    EXPECT_EQ("Lead ", before[0].text);
    EXPECT_EQ(2, before[0].code);
    EXPECT_EQ(PT_CAPTION_DUE, before[0].flags & PT_CAPTION_DUE);
}

TEST(ScriptParagraphs, InstructionsAloneOnTheirLinesWaitForTheNextTextAndMerge)
{
    const std::string rtf =
        "{\\rtf1 {\\*\\txfieldstart\\txfieldtype0 1}\\'abshow.ppt\\'bb{\\*\\txfieldend}\\par "
        "{\\*\\txfieldstart\\txfieldtype0 2}\\'abStart\\'bb{\\*\\txfieldend}\\par "
        "Good evening\\par Second\\par}";
    auto hidden = ReadParagraphs(rtf);
    ASSERT_EQ(2u, hidden.size());
    EXPECT_EQ(3, hidden[0].code) << "open, then start: open and start";
    EXPECT_EQ("\xABshow.ppt\xBB", hidden[0].instruction);
    EXPECT_EQ("Good evening", hidden[0].text);
    EXPECT_EQ(0, hidden[1].code);

    auto shown = ReadParagraphs(rtf, true);
    ASSERT_EQ(4u, shown.size());
    EXPECT_EQ(1, shown[0].code);
    EXPECT_EQ(2, shown[1].code);

    // An instruction at the end of one script waits for the next script's text.
    PendingInstruction pending;
    EXPECT_EQ(1u,
              ReadParagraphs("{\\rtf1 One\\par {\\*\\txfieldstart\\txfieldtype0 4}\\'abNext\\'bb"
                             "{\\*\\txfieldend}\\par}",
                             false, pending)
                  .size());
    EXPECT_EQ(4, pending.code);
    auto next = ReadParagraphs("{\\rtf1 Two\\par}", false, pending);
    ASSERT_EQ(1u, next.size());
    EXPECT_EQ(4, next[0].code);
    EXPECT_EQ(0, pending.code);
}

TEST(ScriptParagraphs, HeldInstructionsMergeByTheTable)
{
    const struct
    {
        int held;
        int next;
        int code;
        const char* text;
    } cases[] = {
        {1, 2, 3, "held"}, {1, 4, 3, "held"},  {1, 8, 0, ""},      {1, 16, 1, "held"},
        {2, 1, 3, "new"},  {2, 8, 10, "held"}, {2, 4, 2, "held"},  {8, 1, 1, "new"},
        {8, 2, 8, "held"}, {4, 8, 8, "new"},   {0, 16, 16, "new"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.held) + " then " + std::to_string(c.next));
        PendingInstruction p {c.held, "held"};
        p.Merge(c.next, "new");
        EXPECT_EQ(c.code, p.code);
        EXPECT_EQ(c.text, p.text);
    }
}

TEST(ScriptParagraphs, BrokenOrEmptyFieldsNeverHideTheScript)
{
    // A field without its end marker ends with its paragraph.
    auto open =
        ReadParagraphs("{\\rtf1 Intro\\par {\\*\\txfieldstart\\txfieldtype0 4}\\'abNext\\'bb"
                       "\\par After\\par More\\par}");
    EXPECT_EQ("Intro|After|More", Texts(open));
    ASSERT_EQ(3u, open.size());
    EXPECT_EQ(4, open[1].code);

    // A field with code 0 (a bookmark whose name was refused) is no instruction.
    for (bool shown : {false, true}) {
        auto empty =
            ReadParagraphs("{\\rtf1 Line {\\*\\txfieldstart\\txfieldtype0 0}{\\*\\txfieldend}"
                           "end\\par Next\\par}",
                           shown);
        EXPECT_EQ("Line end|Next", Texts(empty));
        for (const ParagraphView& p : empty)
            EXPECT_EQ(0, p.flags & PT_INSTRUCTION);
    }
}

} // namespace
