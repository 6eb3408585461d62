// The RTF the control writes, read by the prompter engine's script reader: instruction
// fields become instruction paragraphs with their code, targets bookmark paragraphs, and a
// script in the engine's accepted shapes survives our reader and writer unchanged for the
// engine.
#include "ScriptBuilder.h"
#include "TextHelpers.h"
#include "fixtures/script_rtf_shapes.h"
#include "fw/codepage.h"
#include "richtext/DocumentFormats.h"
#include "richtext/RichObject.h"

#include "PromptTextReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

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
        A(d.Text()));
    std::vector<const CRichField*> inst;
    for (const CRichField& f : d.Fields())
        if (f.type != TXFIELDTYPE_TARGET)
            inst.push_back(&f);
    ASSERT_EQ(2u, inst.size());
    EXPECT_EQ(static_cast<DWORD>(kInstructionStart), inst[0]->data);
    EXPECT_EQ(std::string("\n") + kScriptStartFieldText,
              A(d.Text()).substr(inst[0]->start, inst[0]->length));
    EXPECT_EQ(static_cast<DWORD>(kInstructionNext), inst[1]->data);
    EXPECT_EQ(TXFIELD_INSTRUCTION, inst[1]->kind);
    EXPECT_LT(inst[0]->id, inst[1]->id);
    DWORD intro = d.FindTarget(W("Intro"));
    ASSERT_NE(0u, intro);
    EXPECT_EQ(0u, d.FindField(intro)->start);

    for (bool shown : {false, true}) {
        std::vector<EngineRun> original = ReadWithEngine(kScript, shown);
        std::vector<EngineRun> ours = ReadWithEngine(richtext::WriteRtf(d), shown);
        EXPECT_EQ(original, ours) << richtext::WriteRtf(d);
    }
}

} // namespace

namespace {

// The engine's paragraphs of a script as UTF-16 text, and the paragraphs it marked.
struct EngineText
{
    std::vector<std::u16string> paragraphs;
    std::vector<int> flags;
};

EngineText ReadTextWithEngine(const std::string& rtf)
{
    PromptReaderSettings settings;
    settings.m_crText = kPrompterText;
    CPromptTextReader reader(settings);
    std::unique_ptr<prmptFormatedPtrList> list(
        reader.BuildList(rtf, kPrompterText, 1, PT_SCRIPT, CTimeSpan(0)));
    EngineText out;
    int last = -1;
    for (POSITION pos = list->GetHeadPosition(); pos;) {
        prmptFormatedText* run = list->GetNext(pos);
        if (run->GetParagraph() != last) {
            out.paragraphs.emplace_back();
            out.flags.push_back(0);
            last = run->GetParagraph();
        }
        for (const wchar_t* p = run->GetText(); p && *p; ++p)
            out.paragraphs.back() += static_cast<char16_t>(*p);
        out.flags.back() |= run->GetPromptType() & (PT_INSTRUCTION | PT_BOOKMARK);
    }
    list->DeleteAll();
    return out;
}

const std::u16string kGerman =
    u"Guten Abend. Die Br\u00fccke \u00fcber den Flu\u00df ist gew\u00f6hnlich "
    u"gesperrt \u2013 \u201eheute nicht\u201c.";
const std::u16string kRussian =
    u"\u0414\u043e\u0431\u0440\u044b\u0439 \u0432\u0435\u0447\u0435\u0440. "
    u"\u041d\u043e\u0432\u043e\u0441\u0442\u0438 2024 \u0433\u043e\u0434\u0430.";
const std::u16string kHebrew =
    u"\u05e2\u05e8\u05d1 \u05d8\u05d5\u05d1. \u05d4\u05d7\u05d3\u05e9\u05d5\u05ea "
    u"\u05e9\u05dc 2024 \u05e2\u05dd CNN.";

// The script as a word processor writes it: each language in a font of its character set,
// characters beyond ASCII as bytes of that code page, the typographic German marks as \u
// with no \uc (so one fallback character each, as RTF says).
std::string WordProcessorRtf()
{
    auto bytes = [](const std::u16string& text, int codePage) {
        std::string high;
        for (int k = 0x80; k < 0x100; ++k)
            high += static_cast<char>(k);
        const std::u16string table = richtext::CodePageToUtf16(codePage, high);
        std::string out;
        for (char16_t c : text) {
            if (c < 0x80) {
                out += static_cast<char>(c);
                continue;
            }
            const size_t at = table.size() == 128 ? table.find(c) : std::u16string::npos;
            const int b = at == std::u16string::npos ? -1 : static_cast<int>(0x80 + at);
            char hex[16];
            if (b >= 0)
                std::snprintf(hex, sizeof hex, "\\'%02x", b);
            else
                std::snprintf(hex, sizeof hex, "\\u%d?", static_cast<int>(c));
            out += hex;
        }
        return out;
    };
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
           "{\\f1\\fswiss\\fcharset204 Arial;}{\\f2\\fswiss\\fcharset177 Arial;}}\n"
           "\\pard\\f0 " +
        bytes(kGerman, 1252) + "\\par\n\\f1 " + bytes(kRussian, 1251) +
        "\\par\n\\pard\\rtlpar\\f2 " + bytes(kHebrew, 1255) + "\\par\n}";
}

TEST(EngineRoundTrip, RussianHebrewAndGermanScriptsReachThePrompterWhole)
{
    CTextControlCore editor;
    std::string error;
    ASSERT_TRUE(editor.Load(WordProcessorRtf(), TXFORMAT_RTF, error)) << error;
    const std::u16string expected = kGerman + u"\n" + kRussian + u"\n" + kHebrew + u"\n";
    ASSERT_EQ(expected, editor.Document().Text());

    // The writer types on: a Cyrillic and a Hebrew letter at the end of their lines.
    Select(editor, static_cast<LONG>(kGerman.size() + 1 + kRussian.size()),
           static_cast<LONG>(kGerman.size() + 1 + kRussian.size()));
    editor.TypeChar(u'\u0416');
    Select(editor, 100000, 100000);
    editor.TypeChar(u'\u05d0');
    const std::u16string typed = kGerman + u"\n" + kRussian + u"\u0416\n" + kHebrew + u"\n\u05d0";

    // Saved as RTF (as the prompter's text callback hands it over) and read by the engine.
    std::string rtf;
    ASSERT_TRUE(editor.Save(TXFORMAT_RTF, rtf, error)) << error;
    for (unsigned char c : rtf)
        ASSERT_LT(c, 0x80) << "RTF is 7-bit text";
    EngineText engine = ReadTextWithEngine(rtf);
    std::vector<std::u16string> lines = {kGerman, kRussian + u"\u0416", kHebrew, u"\u05d0"};
    EXPECT_EQ(lines, engine.paragraphs);

    // And every format the control saves gives the same text back.
    for (int format :
         {TXFORMAT_RTF, TXFORMAT_NATIVE, TXFORMAT_HTML, TXFORMAT_UNICODE, TXFORMAT_TEXT}) {
        SCOPED_TRACE(format);
        std::string bytes;
        ASSERT_TRUE(editor.Save(format, bytes, error)) << error;
        CTextControlCore again;
        ASSERT_TRUE(again.Load(bytes, format, error)) << error;
        std::u16string text = again.Document().Text();
        if (format == TXFORMAT_HTML && !text.empty() && text.back() == u'\n')
            text.pop_back();
        EXPECT_EQ(typed, text);
    }

    // The narrow interface gives the ANSI code page's view and never breaks the document.
    char buffer[512];
    Send(editor, TXM_GETTEXT, sizeof buffer, buffer);
    EXPECT_EQ(std::string("Guten Abend. Die Br\xFC"
                          "cke \xFC"
                          "ber den Flu\xDF"),
              std::string(buffer).substr(0, 37));
    EXPECT_EQ(typed, editor.Document().Text());
}

TEST(EngineRoundTrip, ABookmarkAfterALinesLastWordMarksThatLine)
{
    CTextControlCore c;
    Type(c, "First line\nSecond line\nThird");
    Select(c, 10, 10); // after "First line"
    InsertTarget(c, "EndOfFirst");
    Select(c, 100000, 100000); // the end of the script
    InsertTarget(c, "TheEnd");
    const std::string rtf = richtext::WriteRtf(c.Document());
    EngineText engine = ReadTextWithEngine(rtf);
    ASSERT_EQ(3u, engine.paragraphs.size()) << rtf;
    EXPECT_EQ(u"First line", engine.paragraphs[0]);
    EXPECT_EQ(PT_BOOKMARK, engine.flags[0]) << rtf;
    EXPECT_EQ(0, engine.flags[1]);
    EXPECT_EQ(PT_BOOKMARK, engine.flags[2]) << rtf;

    // Our own reader puts both targets back where they stood.
    CRichDocument back;
    std::string error;
    ASSERT_TRUE(richtext::ReadRtf(rtf, back, error)) << error;
    EXPECT_EQ(10u, back.FindField(back.FindTarget(u"EndOfFirst"))->start);
    EXPECT_EQ(back.Length(), back.FindField(back.FindTarget(u"TheEnd"))->start);
}

TEST(EngineRoundTrip, ARefusedBookmarkNameLeavesNoFieldToHideALine)
{
    CTextControlCore c;
    Type(c, "Good evening\nTonight");
    Select(c, 5, 5);
    InsertTarget(c, "Intro");
    for (const char* name : {"", "Intro"}) { // no name, a name in use
        SCOPED_TRACE(name);
        Select(c, 15, 15);
        DWORD id = static_cast<DWORD>(Send(c, TXM_FIELDINSERT, TXFIELD_TARGET, ""));
        ASSERT_NE(0u, id);
        std::string buf = name;
        buf.resize(8);
        TXFIELDSETTYPE t = {TXFT_TYPEALL, TXFIELDTYPE_TARGET, &buf[0],
                            static_cast<int>(strlen(name) + 1)};
        EXPECT_EQ(0, Send(c, TXM_FIELDSETTYPE, id, &t));
        EXPECT_EQ(nullptr, c.Document().FindField(id)) << "the empty field went with its name";
    }
    EXPECT_EQ(1u, c.Document().Fields().size());
    const std::string rtf = richtext::WriteRtf(c.Document());
    EXPECT_EQ(std::string::npos, rtf.find("txfieldstart")) << rtf;
    EngineText engine = ReadTextWithEngine(rtf);
    ASSERT_EQ(2u, engine.paragraphs.size());
    EXPECT_EQ(u"Tonight", engine.paragraphs[1]);
}

} // namespace

namespace {

TEST(EngineRoundTrip, HyperlinkTextIsPromptedAsText)
{
    CTextControlCore c;
    Type(c, "Call ");
    ASSERT_NE(0u, c.InsertHyperlink(W("the desk"), W("tel:555-0100")));
    Type(c, " now.");
    std::vector<EngineRun> runs = ReadWithEngine(richtext::WriteRtf(c.Document()));
    std::string all;
    for (const EngineRun& r : runs) {
        EXPECT_EQ(0, r.flags) << r;
        all += r.text;
    }
    EXPECT_EQ("Call the desk now.", all);
}

} // namespace

namespace {

TEST(EngineRoundTrip, ImagesAndObjectsAreNotPrompted)
{
    CTextControlCore c;
    Type(c, "Weather ");
    CRichObject image;
    std::string error;
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x10\0\0\0\x10\x08\x02\0\0\0", 29);
    ASSERT_TRUE(richtext::ImageFromFile(png, image, error)) << error;
    ASSERT_NE(0u, c.InsertObject(image));
    Type(c, "map ");
    image.fixed = true;
    ASSERT_NE(0u, c.InsertObject(image));
    ASSERT_NE(0u, c.InsertObject(richtext::ObjectFromFile("notes.txt", "{\\rtf1 hidden}")));
    Type(c, "now.");
    std::string all;
    for (const EngineRun& r : ReadWithEngine(richtext::WriteRtf(c.Document()))) {
        EXPECT_EQ(0, r.flags) << r;
        all += r.text;
    }
    EXPECT_EQ("Weather map now.", all);
}

} // namespace

namespace {

TEST(EngineRoundTrip, TableRowsArePromptedAsParagraphsOfTheirCells)
{
    CTextControlCore c;
    Type(c, "Rundown\n");
    ASSERT_TRUE(c.InsertTable(2, 2, 8640));
    for (const char* cell : {"Slug", "Time", "Fire", "1:30"}) {
        Type(c, cell);
        c.SetSel(c.Caret() + 1, c.Caret() + 1); // over the cell's end
    }
    std::vector<EngineRun> runs = ReadWithEngine(richtext::WriteRtf(c.Document()));
    std::map<int, std::string> paragraphs;
    for (const EngineRun& r : runs)
        paragraphs[r.paragraph] += r.text;
    std::vector<std::string> texts;
    for (const auto& p : paragraphs)
        if (!p.second.empty())
            texts.push_back(p.second);
    EXPECT_EQ(std::vector<std::string>({"Rundown", "Slug Time ", "Fire 1:30 "}), texts);
}

} // namespace
