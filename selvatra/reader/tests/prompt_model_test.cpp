// The engine's data classes: defaults, the record copy, ownership of runs, lines and
// bitmaps, and the string formatter.
#include <gtest/gtest.h>

#include <string>

#include "PromptModel.h"

namespace {

// Counts live instances, to see what the owners delete.
int g_liveRuns = 0;
struct CountedRun : prmptFormatedText
{
    CountedRun() { ++g_liveRuns; }
    ~CountedRun() override { --g_liveRuns; }
};
int g_liveBitmaps = 0;
struct CountedObject : CObject
{
    CountedObject() { ++g_liveBitmaps; }
    ~CountedObject() override { --g_liveBitmaps; }
};

TEST(PromptRecord, DefaultsAndCopyWithoutTheEngineState)
{
    prmptRecord fresh;
    EXPECT_EQ(-1, fresh.GetLength().GetTotalSeconds());
    EXPECT_EQ(0, fresh.GetRecordId());
    EXPECT_EQ(0, fresh.GetType());
    EXPECT_TRUE(fresh.GetNote().empty());
    EXPECT_EQ(0, fresh.m_bPrompting + fresh.m_bInParagraphList + fresh.m_bRundownMark);

    prmptRecord src;
    src.SetLength(CTimeSpan(95));
    src.SetNote("note");
    src.SetTime(CTime(1980, 1, 1, 0, 0, 0));
    src.SetRecordId(17);
    src.SetRecordNo(3);
    src.SetName("Weather");
    src.SetText("A-3");
    src.SetReserved(9);
    src.SetType(RT_BREAK);
    src.SetScript("{\\rtf1 x}");
    src.m_bPrompting = src.m_bInParagraphList = src.m_bRundownMark = 1;

    prmptRecord copy(src);
    EXPECT_EQ(95, copy.GetLength().GetTotalSeconds());
    EXPECT_EQ("note", copy.GetNote());
    EXPECT_TRUE(copy.GetTime() == src.GetTime());
    EXPECT_EQ(17, copy.GetRecordId());
    EXPECT_EQ(3, copy.GetRecordNo());
    EXPECT_STREQ("Weather", copy.GetName());
    EXPECT_STREQ("A-3", copy.GetText());
    EXPECT_EQ(9, copy.GetReserved());
    EXPECT_EQ(RT_BREAK, copy.GetType());
    EXPECT_EQ("{\\rtf1 x}", copy.GetScript());
    EXPECT_EQ(0, copy.m_bPrompting + copy.m_bInParagraphList + copy.m_bRundownMark);

    src.SetLength(CTimeSpan(-30));
    EXPECT_EQ(-1, prmptRecord(src).GetLength().GetTotalSeconds());

    prmptParagraph paragraph(src);
    EXPECT_EQ(17, paragraph.GetRecordId());
    EXPECT_EQ(0, paragraph.m_bPrompting);
    EXPECT_TRUE(paragraph.m_lstText.IsEmpty());
}

TEST(PromptFormatedText, DefaultsFullConstructorAndTextOwnership)
{
    prmptFormatedText empty;
    EXPECT_EQ(nullptr, empty.GetText());
    EXPECT_EQ(0, empty.GetTextLength());
    EXPECT_EQ(-1, empty.GetCharSet());
    EXPECT_EQ(-1, empty.GetLength().GetTotalSeconds());
    EXPECT_EQ(0, empty.GetParagraph() + empty.GetOrder() + empty.GetField() + empty.GetStyle());

    wchar_t source[] = L"abc";
    prmptFormatedText run(source, ST_UNICODE, 161, FT_BOLD | FT_ITALIC, 0x0000FF, 300, 200,
                          PT_SCRIPT | PT_INSTRUCTION, CTimeSpan(12), 4, "\xABNext\xBB", 1, 0);
    source[0] = L'X'; // the run holds its own copy
    EXPECT_STREQ(L"abc", run.GetText());
    EXPECT_EQ(3, run.GetTextLength());
    EXPECT_EQ(ST_UNICODE, run.GetStringType());
    EXPECT_EQ(161, run.GetCharSet());
    EXPECT_EQ(FT_BOLD | FT_ITALIC, run.GetStyle());
    EXPECT_EQ(0x0000FFu, run.GetColor());
    EXPECT_EQ(300, run.GetParagraph());
    EXPECT_EQ(200, run.GetOrder());
    EXPECT_EQ(PT_SCRIPT | PT_INSTRUCTION, run.GetPromptType());
    EXPECT_EQ(12, run.GetLength().GetTotalSeconds());
    EXPECT_EQ(4, run.GetField());
    EXPECT_EQ("\xABNext\xBB", run.GetInstruction());
    EXPECT_EQ(1, run.GetRtlChar());
    EXPECT_EQ(0, run.GetRtlPara());

    prmptFormatedText copy(run);
    run.CopyText(L"zz", 2);
    EXPECT_STREQ(L"abc", copy.GetText());
    EXPECT_STREQ(L"zz", run.GetText());
    copy = run;
    EXPECT_STREQ(L"zz", copy.GetText());

    wchar_t* owned = new wchar_t[4] {L'x', L'y', 0, 0};
    copy.SetText(owned); // taken over: ASan reports a leak or double free otherwise
    EXPECT_EQ(owned, copy.GetText());
}

TEST(PromptOwners, ParagraphsLinesAndBitmapsDeleteWhatTheyOwn)
{
    g_liveRuns = g_liveBitmaps = 0;
    {
        prmptParagraph emptyParagraph;
        tagFormatedLine emptyLine;
        prmptCBitmap emptyBitmap;
    }
    {
        prmptParagraph paragraph;
        paragraph.m_lstText.AddTail(new CountedRun);
        paragraph.m_lstText.AddTail(new CountedRun);
        auto* bitmap = new prmptCBitmap;
        for (int i = 0; i < 3; ++i) {
            auto* line = new tagFormatedLine;
            line->m_lstText.AddTail(new CountedRun);
            line->m_pBitmap = new CountedObject;
            bitmap->m_lstLines.AddTail(line);
        }
        EXPECT_EQ(5, g_liveRuns);
        EXPECT_EQ(3, g_liveBitmaps);
        delete bitmap;
        EXPECT_EQ(2, g_liveRuns);
        EXPECT_EQ(0, g_liveBitmaps);

        // The plain list deletes nothing by itself.
        prmptFormatedPtrList borrowed;
        borrowed.AddTail(paragraph.m_lstText.GetHead());
    }
    EXPECT_EQ(0, g_liveRuns);
}

TEST(QelString, FormatsWhateverTheLength)
{
    qelstring s("old");
    s.Format("%c", 'x');
    EXPECT_EQ("x", s);
    s.Format("1::%d::%d::%d::%d", 0, -20, 1024, 768);
    EXPECT_EQ("1::0::-20::1024::768", s);
    std::string big(100000, 'q');
    s.Format("[%s|%5.2f|%-8d]", big.c_str(), 3.14159, 7);
    EXPECT_EQ("[" + big + "| 3.14|7       ]", s);
}

} // namespace
