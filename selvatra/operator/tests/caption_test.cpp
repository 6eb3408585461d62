// The caption writer: line splitting and replacement as tables, then the exact bytes and
// their pacing on a serial line (a pty linked as COM7 by ccport.sh), the close while a long
// paced queue waits, the encoder code page, and a port that cannot be opened.
#include <gtest/gtest.h>

#include <list>
#include <ostream>
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

namespace {

// A clock whose pauses take no time: each records how many bytes had gone out before it.
class RecordingClock : public CCaptionClock
{
public:
    explicit RecordingClock(const CCloseCaption& caption) : m_caption(caption) { }
    bool Pause(DWORD ms, HANDLE abort) override
    {
        pauses.push_back({m_caption.BytesWritten(), ms});
        return WaitForSingleObject(abort, 0) != WAIT_OBJECT_0;
    }
    struct Step
    {
        size_t written;
        DWORD ms;
        bool operator==(const Step& o) const { return written == o.written && ms == o.ms; }
    };
    std::vector<Step> pauses;

private:
    const CCloseCaption& m_caption;
};

void PrintTo(const RecordingClock::Step& s, std::ostream* os)
{
    *os << "after " << s.written << " bytes " << s.ms << " ms";
}

} // namespace

TEST_F(CaptionLine, PacesEachCharacterAndTheLineEnd)
{
    RecordingClock clock(m_caption);
    m_caption.SetClock(&clock);
    m_caption.SetInit("");
    m_caption.SetReset("");
    m_caption.SetLineLength(5);
    ASSERT_TRUE(m_caption.Setup());
    // 40 ms after each character; 100 ms per character of a line, 40 of them already spent,
    // so the line end waits 60 for each character before the end of line goes out.
    m_caption.Send("abcde fgh", 40, 100);
    std::vector<RecordingClock::Step> expected = {
        {1, 40}, {2, 40}, {3, 40}, {4, 40},  {5, 40}, {5, 300}, // "abcde", then "\r"
        {7, 40}, {8, 40}, {9, 40}, {9, 180}, // "fgh", then "\r"
    };
    EXPECT_EQ(clock.pauses, expected);

    // Word pacing not above character pacing adds nothing at the line end; no pacing at all
    // waits for nothing.
    clock.pauses.clear();
    m_caption.Send("abcdefgh", 30, 30);
    m_caption.Send("ab", 0, 0);
    expected = {{11, 30}, {12, 30}, {13, 30}, {14, 30}, {15, 30}, // "abcde" of a 5-wide line
                {17, 30}, {18, 30}, {19, 30}, // "\r", then "fgh"
                {21, 0},  {22, 0}}; // "\r", then "ab"
    EXPECT_EQ(clock.pauses, expected);
    m_caption.Close();
    EXPECT_EQ(m_reader.WaitFor(23), "abcde\rfgh\rabcde\rfgh\rab\r");
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
    ASSERT_GE(m_reader.WaitFor(2).size(), 2u) << "the first caption never started";

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
