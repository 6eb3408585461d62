// The caption writer: line splitting and replacement as tables, then the exact bytes and
// their pacing on a serial line (a pty linked as COM7 by ccport.sh), the close while a long
// paced queue waits, the encoder code page, and a port that cannot be opened.
#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

#include "CaptionWriter.h"
#include "CloseCaption.h"
#include "EngineMessages.h"
#include "standins/SerialLineReader.h"

namespace {

std::vector<std::string> g_messages;
void CollectMessage(const char* text) { g_messages.push_back(text); }

class CaptionMessages : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_messages.clear();
        m_previous = SetEngineMessageHook(CollectMessage);
    }
    void TearDown() override { SetEngineMessageHook(m_previous); }
    PFN_ENGINEMESSAGE m_previous = nullptr;
};

std::vector<std::string> Split(const std::string& text, int length)
{
    CCloseCaption caption;
    caption.SetLineLength(length);
    std::list<std::string> lines;
    caption.SplitLines(text, lines);
    return std::vector<std::string>(lines.begin(), lines.end());
}

const std::string kInit("\x03\x01\x33\x20\x33\x0D\x03\x01\x36\x01\x4E\x33\x0D", 13);
const std::string kReset("\x03\x01\x33\x20\x33\x0D\x14\x2C\x03\x01\x37", 11);

} // namespace

TEST(CaptionLines, SplitsAtTheLastBlankWithinTheLineLength)
{
    struct Case
    {
        const char* text;
        int length;
        std::vector<std::string> lines;
    } cases[] = {
        // Only blank at 10 of a 30-character text: the 10 before it, then the 19 after.
        {"abcdefghij klmnopqrstuvwxyz012", 28, {"abcdefghij", "klmnopqrstuvwxyz012"}},
        // Exactly the line length is split too; only a shorter text is kept whole.
        {"abcdefghijklmn pqrstuvwxyz01", 28, {"abcdefghijklmn", "pqrstuvwxyz01"}},
        {"short text", 28, {"short text"}},
        // No blank: cut at the line length.
        {"abcdefghij", 4, {"abcd", "efgh", "ij"}},
        // A blank at position 0 does not make an empty line.
        {" abcdefgh", 4, {" abc", "defg", "h"}},
        // The break is the last blank within the length; the blanks after it are skipped
        // (the sender drops repeated blanks), and trailing blanks make no blank line.
        {"one    two   ", 5, {"one  ", "two  "}},
        {"", 28, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Split(c.text, c.length), c.lines) << '"' << c.text << "\" at " << c.length;
}

TEST(CaptionReplacement, MapsHighCharactersAndTheHostMap)
{
    CCloseCaption caption;
    CCharReplaceMap map;
    map.Set({{'&', '+'}, {'&', '!'}, {'#', 'n'}}); // the first replacement of & wins
    caption.SetMap(map);
    caption.SetPort("99"); // not opened: only the replacement set is built
    std::vector<std::string> ignored;
    PFN_ENGINEMESSAGE previous = SetEngineMessageHook([](const char*) {});
    caption.Setup();
    SetEngineMessageHook(previous);

    struct Case
    {
        std::string in, out;
    } cases[] = {
        {"R&D #1", "R+D n1"},
        {"caf\xE9", "caf\\"}, // e acute: the caption set's position
        {"\xD1"
         "and\xFA",
         "}and`"},
        {"\x85 \xBD \x99", "... 1/2 TM"}, // several characters for one
        {"\xC6\xE6\xDF", "AEaeB"},
        {"plain", "plain"},
    };
    for (const Case& c : cases) {
        std::string text = c.in;
        caption.Replace(text);
        EXPECT_EQ(text, c.out);
    }

    CCloseCaption inactive;
    std::string text = "caf\xE9 & co";
    inactive.Replace(text);
    EXPECT_EQ(text, "caf\xE9 & co"); // nothing replaced without a map
}

TEST(CaptionEncoderText, UsesTheEncoderCodePageNotUtf8)
{
    // \u runs arrive as wide text: they go out as single code-page bytes.
    EXPECT_EQ(CaptionEncoderText(L"  caf\x00E9 \x00F1", false), "caf\xE9 \xF1");
    EXPECT_EQ(CaptionEncoderText(L"caf\x00E9", true), "CAF\xC9");
    EXPECT_EQ(CaptionEncoderText(L"\x20AC 5", false), "\x80 5"); // euro sign
    EXPECT_EQ(CaptionEncoderText(L"\x4E2D!", false), "?!"); // not in the code page
    EXPECT_EQ(CaptionEncoderText(L"    ", false), "");
}

class CaptionLine : public CaptionMessages
{
protected:
    void SetUp() override
    {
        CaptionMessages::SetUp();
        ASSERT_TRUE(m_reader.Available())
            << "no serial line: run tests/support/standins/ccport.sh start in the test session";
        m_caption.SetPort(SerialLineReader::Port());
    }
    SerialLineReader m_reader;
    CCloseCaption m_caption;
};

TEST_F(CaptionLine, SetupWrappedParagraphAndResetAtClose)
{
    m_caption.SetLineLength(12);
    m_caption.SetBOL("\x14\x2D");
    m_caption.SetEOL("\r\n");
    ASSERT_TRUE(m_caption.Setup());
    EXPECT_EQ(m_reader.WaitFor(kInit.size()), kInit);

    m_caption.Send("The quick brown  fox jumps", 0, 0);
    m_caption.Close();
    std::string expected = kInit +
        "\x14\x2D"
        "The quick\r\n"
        "\x14\x2D"
        "brown fox\r\n" +
        "\x14\x2D"
        "jumps\r\n" +
        kReset;
    EXPECT_EQ(m_reader.WaitFor(expected.size()), expected);
    EXPECT_TRUE(g_messages.empty());
}

TEST_F(CaptionLine, ReplacementCharactersOnTheLine)
{
    CCharReplaceMap map;
    map.Set({{'&', '+'}});
    m_caption.SetMap(map);
    m_caption.SetInit("");
    m_caption.SetReset("");
    ASSERT_TRUE(m_caption.Setup());
    m_caption.Send("Caf\xE9 & Cr\xE8me \x93hot\x94", 0, 0);
    m_caption.Close();
    std::string first = "Caf\\ + Creme \"hot\"\r";
    ASSERT_EQ(m_reader.WaitFor(first.size()), first);

    CCloseCaption plain; // no map: high characters are not sent at all
    plain.SetPort(SerialLineReader::Port());
    plain.SetInit("");
    plain.SetReset("");
    ASSERT_TRUE(plain.Setup());
    plain.Send("Caf\xE9 & co", 0, 0);
    plain.Close();

    std::string expected = first + "Caf & co\r";
    EXPECT_EQ(m_reader.WaitFor(expected.size()), expected);
}

TEST_F(CaptionLine, PacesEachCharacterAndTheLineEnd)
{
    m_caption.SetInit("");
    m_caption.SetReset("");
    m_caption.SetLineLength(5);
    ASSERT_TRUE(m_caption.Setup());
    // 40 ms after each character; 100 ms per character of a line, 40 of them already spent.
    m_caption.Send("abcde fgh", 40, 100);
    m_caption.Close();
    std::string bytes = m_reader.WaitFor(10);
    ASSERT_EQ(bytes, "abcde\rfgh\r");
    std::vector<double> at = m_reader.Times();
    for (int i = 1; i < 5; ++i)
        EXPECT_GE(at[i] - at[i - 1], 30.0) << "character " << i;
    // Line end: the last character's pause (40) plus 5 characters times 60.
    EXPECT_GE(at[5] - at[4], 300.0);
    EXPECT_LE(at[5] - at[4], 600.0);
    EXPECT_GE(at[6] - at[5], 0.0);

    // Word pacing not above character pacing adds nothing at the line end.
    CCloseCaption fast;
    fast.SetPort(SerialLineReader::Port());
    fast.SetInit("");
    fast.SetReset("");
    ASSERT_TRUE(fast.Setup());
    double before = m_reader.NowMs();
    fast.Send("abcdefghijklmnopqrstuvwxyz", 0, 0);
    fast.Close();
    m_reader.WaitFor(bytes.size() + 27);
    ASSERT_EQ(m_reader.Size(), bytes.size() + 27);
    EXPECT_LT(m_reader.Times().back() - before, 250.0);
}

TEST_F(CaptionLine, StoppingDoesNotWaitForALongPacedQueue)
{
    m_caption.SetInit("");
    ASSERT_TRUE(m_caption.Setup());
    CCaptionWriter writer;
    ASSERT_TRUE(writer.Start(&m_caption));
    // Three captions of 20 characters at 200 ms a character: 12 seconds of sending.
    for (int i = 0; i < 3; ++i)
        writer.Queue(CCPair("abcdefghijklmnopqrst", 200, 0));
    m_reader.WaitFor(2);

    DWORD start = GetTickCount();
    writer.Stop();
    m_caption.Close();
    DWORD took = GetTickCount() - start;
    EXPECT_LT(took, 1000u);
    std::string bytes = m_reader.WaitQuiet(300);
    // Whatever was sent, the reset came last.
    ASSERT_GE(bytes.size(), kReset.size());
    EXPECT_EQ(bytes.substr(bytes.size() - kReset.size()), kReset);
    EXPECT_LT(bytes.size(), 20 + 1 + kReset.size());
}

TEST_F(CaptionLine, WriterSendsQueuedCaptionsInOrder)
{
    m_caption.SetInit("");
    m_caption.SetReset("");
    ASSERT_TRUE(m_caption.Setup());
    CCaptionWriter writer;
    ASSERT_TRUE(writer.Start(&m_caption));
    writer.Queue(CCPair(CaptionEncoderText(L"first", true), 0, 0));
    writer.Queue(CCPair(CaptionEncoderText(L"second one", false), 0, 0));
    EXPECT_EQ(m_reader.WaitQuiet(300), "FIRST\rsecond one\r");
    writer.Stop();
    m_caption.Close();
}

TEST_F(CaptionMessages, PortThatCannotBeOpenedIsReportedAndCaptionsAreSkipped)
{
    CCloseCaption caption;
    caption.SetPort("99"); // no such port in the test prefix
    EXPECT_FALSE(caption.Setup());
    ASSERT_EQ(g_messages.size(), 1u);
    EXPECT_NE(g_messages[0].find("COM99"), std::string::npos);
    // The process goes on; sending and closing are quiet no-ops.
    caption.Send("nothing goes out", 10, 20);
    caption.Close();
    EXPECT_FALSE(caption.IsOpen());
    EXPECT_EQ(g_messages.size(), 1u);
}
