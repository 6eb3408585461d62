// The RTF the control writes, read by the prompter engine's script reader: instruction
// fields become instruction paragraphs with their code, targets bookmark paragraphs, and a
// script in the engine's accepted shapes survives our reader and writer unchanged for the
// engine.
#include "ScriptBuilder.h"
#include "fixtures/script_rtf_shapes.h"
#include "fw/codepage.h"
#include "richtext/DocumentFormats.h"

#include "PromptTextReader.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kPrompterText = 0x00FFFF; // the prompter's own text colour (yellow)

struct EngineRun
{
    int paragraph;
    std::string text;
    int flags; // instruction and bookmark bits
    int field;
    std::string instruction;
    COLORREF color;
    int style;

    bool operator==(const EngineRun& o) const
    {
        return paragraph == o.paragraph && text == o.text && flags == o.flags && field == o.field &&
            instruction == o.instruction && color == o.color && style == o.style;
    }
};

std::ostream& operator<<(std::ostream& os, const EngineRun& r)
{
    return os << "{par " << r.paragraph << " \"" << r.text << "\" flags " << r.flags << " field "
              << r.field << " inst \"" << r.instruction << "\" colour " << r.color << " style "
              << r.style << "}";
}

std::vector<EngineRun> ReadWithEngine(const std::string& rtf, bool showInstructions = false)
{
    PromptReaderSettings settings;
    settings.m_crText = kPrompterText;
    settings.m_bShowPPInst = showInstructions;
    CPromptTextReader reader(settings);
    prmptFormatedPtrList* list = reader.BuildList(rtf, kPrompterText, 1, PT_SCRIPT, CTimeSpan(0));
    std::vector<EngineRun> runs;
    for (POSITION pos = list->GetHeadPosition(); pos;) {
        prmptFormatedText* run = list->GetNext(pos);
        EngineRun r;
        r.paragraph = run->GetParagraph();
        for (const wchar_t* p = run->GetText(); p && *p; ++p)
            r.text += fw::UnicodeToAnsi(static_cast<char32_t>(*p));
        r.flags = run->GetPromptType() & (PT_INSTRUCTION | PT_BOOKMARK);
        r.field = run->GetField();
        r.instruction = run->m_strInstruction;
        r.color = run->GetColor();
        r.style = run->GetStyle();
        runs.push_back(r);
        delete run;
    }
    delete list;
    return runs;
}

const EngineRun* FindRun(const std::vector<EngineRun>& runs, int flag)
{
    for (const EngineRun& r : runs)
        if (r.flags & flag)
            return &r;
    return nullptr;
}

TEST(EngineRoundTrip, InstructionFieldAndBookmarkBecomeTheirParagraphs)
{
    CTextControlCore c;
    BuildSampleScript(c);
    std::string rtf = richtext::WriteRtf(c.Document());
    std::vector<EngineRun> runs = ReadWithEngine(rtf);

    const EngineRun* inst = FindRun(runs, PT_INSTRUCTION);
    ASSERT_NE(nullptr, inst) << rtf;
    EXPECT_EQ(script_rtf_shapes::kInstructionNext, inst->field);
    EXPECT_EQ(script_rtf_shapes::kNextSlideFieldText, inst->instruction);
    EXPECT_EQ("", inst->text); // instruction text is not shown by default
    const EngineRun* mark = FindRun(runs, PT_BOOKMARK);
    ASSERT_NE(nullptr, mark) << rtf;
    EXPECT_EQ("Tonight: the harbour fire.", mark->text);
    EXPECT_LT(mark->paragraph, inst->paragraph);

    // Shown, the instruction is red on its own paragraph; the script's black text takes
    // the prompter's colour, and formatting and escaped characters come through.
    runs = ReadWithEngine(rtf, true);
    inst = FindRun(runs, PT_INSTRUCTION);
    ASSERT_NE(nullptr, inst);
    EXPECT_EQ(script_rtf_shapes::kNextSlideFieldText, inst->text);
    EXPECT_EQ(RGB(255, 0, 0), inst->color);
    for (const EngineRun& r : runs) {
        if (r.paragraph == inst->paragraph) {
            EXPECT_EQ(r.text, inst->text) << "the instruction stands alone";
        }
    }
    ASSERT_FALSE(runs.empty());
    EXPECT_EQ("Good", runs[0].text);
    EXPECT_EQ(kPrompterText, runs[0].color);
    EXPECT_EQ(1, runs[0].style & 1);
    std::string all;
    for (const EngineRun& r : runs)
        all += r.text + "|";
    EXPECT_NE(std::string::npos, all.find("Caf\xE9 owners {braces} \\ backslash   and a tab."))
        << all;
}

TEST(EngineRoundTrip, EveryInstructionCodeReachesTheEngine)
{
    const struct
    {
        DWORD code;
        const char* text;
    } codes[] = {{1,
                  "\n\xAB"
                  "C:\\Shows\\Evening News.ppt\xBB"},
                 {2, "\n\xABStart\xBB"},
                 {4, "\n\xABNext\xBB"},
                 {8,
                  "\n\xAB"
                  "Close\xBB"},
                 {16, "\n\xABPrevious\xBB"}};
    CTextControlCore c;
    Type(c, "Top");
    for (const auto& k : codes)
        InsertInstruction(c, k.text, k.code), Select(c, 100000, 100000), Type(c, "text");
    std::vector<EngineRun> runs = ReadWithEngine(richtext::WriteRtf(c.Document()));
    size_t i = 0;
    for (const EngineRun& r : runs) {
        if (!(r.flags & PT_INSTRUCTION))
            continue;
        ASSERT_LT(i, 5u);
        EXPECT_EQ(static_cast<int>(codes[i].code), r.field);
        EXPECT_EQ(std::string(codes[i].text + 1), r.instruction);
        ++i;
    }
    EXPECT_EQ(5u, i);
}

TEST(EngineRoundTrip, TheEnginesScriptShapeSurvivesOurReaderAndWriter)
{
    using namespace script_rtf_shapes;
    CRichDocument d;
    std::string error;
    ASSERT_TRUE(richtext::ReadRtf(kScript, d, error)) << error;
    EXPECT_EQ(
        "Good evening.\n\xABStart\xBB\nTonight's headlines.\n\xABNext\xBB\nBack to the studio.\n",
        d.Text());
    std::vector<const CRichField*> inst;
    for (const CRichField& f : d.Fields())
        if (f.type != TXFIELDTYPE_TARGET)
            inst.push_back(&f);
    ASSERT_EQ(2u, inst.size());
    EXPECT_EQ(static_cast<DWORD>(kInstructionStart), inst[0]->data);
    EXPECT_EQ(std::string("\n") + kScriptStartFieldText,
              d.Text().substr(inst[0]->start, inst[0]->length));
    EXPECT_EQ(static_cast<DWORD>(kInstructionNext), inst[1]->data);
    EXPECT_EQ(TXFIELD_INSTRUCTION, inst[1]->kind);
    EXPECT_LT(inst[0]->id, inst[1]->id);
    DWORD intro = d.FindTarget("Intro");
    ASSERT_NE(0u, intro);
    EXPECT_EQ(0u, d.FindField(intro)->start);

    for (bool shown : {false, true}) {
        std::vector<EngineRun> original = ReadWithEngine(kScript, shown);
        std::vector<EngineRun> ours = ReadWithEngine(richtext::WriteRtf(d), shown);
        EXPECT_EQ(original, ours) << richtext::WriteRtf(d);
    }
}

} // namespace
