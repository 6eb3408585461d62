// The engine's word logic: words in text, the case rules, the system word list, suggestions
// ranked by edit distance, added words, and checking and replacing inside a text buffer.
#include <gtest/gtest.h>

#include "spelling/SpellDictionary.h"
#include "spelling/SpellSession.h"
#include "spelling/SpellText.h"

#include <cstring>
#include <fstream>
#include <sstream>

using namespace spelling;

namespace {

std::string ReadAll(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

const CSpellDictionary& SystemList()
{
    static const CSpellDictionary dictionary = [] {
        CSpellDictionary d;
        d.LoadWordList(ReadAll(MQ_SPELL_WORD_LIST));
        return d;
    }();
    return dictionary;
}

std::vector<std::string> Words(const std::string& text)
{
    std::vector<std::string> out;
    size_t from = 0, start = 0, end = 0;
    while (FindNextWord(text.c_str(), text.size(), from, start, end)) {
        out.push_back(text.substr(start, end - start));
        from = end;
    }
    return out;
}

} // namespace

TEST(SpellText, WordsKeepInnerApostrophesAndDigits)
{
    EXPECT_EQ(Words("  'Quoted' rock'n'roll, B52 and don\x92t. writers' well-known"),
              (std::vector<std::string> {"Quoted", "rock'n'roll", "B52", "and", "don\x92t",
                                         "writers", "well", "known"}));
    EXPECT_EQ(Words("\xC9t\xE9 caf\xE9!"), (std::vector<std::string> {"\xC9t\xE9", "caf\xE9"}));
    EXPECT_TRUE(Words(" -- ... '' \x92 ").empty()); // punctuation alone is no word
    EXPECT_EQ(Upper("caf\xE9 \x9C"), "CAF\xC9 \x8C");
    EXPECT_EQ(Lower("\xC9T\xC9 \x9F"), "\xE9t\xE9 \xFF");
}

TEST(SpellDictionary, SystemListWithItsCaseRules)
{
    ASSERT_GT(SystemList().Size(), 50000u) << "word list " << MQ_SPELL_WORD_LIST;
    struct Case
    {
        const char* word;
        bool right;
    } cases[] = {
        {"the", true},      {"The", true},       {"THE", true},      {"tHe", false},
        {"Paris", true},    {"PARIS", true},     {"paris", false},   {"receive", true},
        {"recieve", false}, {"teh", false},      {"don't", true},    {"don\x92t", true},
        {"writer's", true}, {"caf\xE9", true},   {"CAF\xC9", true},  {"weather", true},
        {"anchor", true},   {"presenter", true}, {"prompter", true}, {"xqzv", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SystemList().Contains(c.word), c.right) << c.word;
}

TEST(SpellDictionary, SuggestionsClosestFirstInTheWordsCase)
{
    CSpellDictionary d;
    d.LoadWordList("recipe\nreceive\nrelieve\ndeceive\nreceiver\nRecife\nzebra\n");
    // A swap of neighbours is one edit: receive and relieve first; then the words two edits
    // away, a capital the word does not have last.
    EXPECT_EQ(d.Suggest("recieve"),
              (std::vector<std::string> {"receive", "relieve", "deceive", "receiver", "recipe",
                                         "Recife"}));
    EXPECT_EQ(d.Suggest("Recieve").front(), "Receive");
    EXPECT_EQ(d.Suggest("RECIEVE").front(), "RECEIVE");
    EXPECT_EQ(d.Suggest("recieve", 2).size(), 2u);
    EXPECT_TRUE(d.Suggest("qqqqqqq").empty());

    const std::vector<std::string> system = SystemList().Suggest("recieve");
    ASSERT_FALSE(system.empty());
    EXPECT_EQ(system.front(), "receive");
    std::vector<std::string> teh = SystemList().Suggest("teh");
    ASSERT_FALSE(teh.empty());
    EXPECT_EQ(teh.front(), "the"); // a swap of neighbours before other single edits
    EXPECT_EQ(SystemList().Suggest("Teh").front(), "The");
    size_t last = 0;
    for (const std::string& s : SystemList().Suggest("brwon", 30)) {
        const size_t d = SpellEditDistance("brwon", Lower(s), 2);
        EXPECT_LE(d, 2u) << s;
        EXPECT_GE(d, last) << s;
        last = d;
    }
}

TEST(SpellDictionary, EditDistance)
{
    struct Case
    {
        const char* a;
        const char* b;
        size_t distance;
    } cases[] = {{"", "", 0},         {"abc", "abc", 0},  {"abc", "acb", 1},
                 {"abc", "ab", 1},    {"abc", "xabc", 1}, {"kitten", "sitting", 3},
                 {"abcdef", "ab", 3}, {"ca", "abc", 3}};
    for (const Case& c : cases)
        EXPECT_EQ(SpellEditDistance(c.a, c.b, 2), std::min<size_t>(c.distance, 3))
            << c.a << "/" << c.b;
}

TEST(SpellDictionary, AddedWordsFollowTheCaseRules)
{
    CSpellDictionary d;
    d.LoadWordList("word\r\n\r\nlist\n");
    EXPECT_EQ(d.Size(), 2u);
    EXPECT_FALSE(d.Contains("Marquill"));
    d.AddWord("Marquill");
    EXPECT_TRUE(d.Contains("Marquill"));
    EXPECT_TRUE(d.Contains("MARQUILL"));
    EXPECT_FALSE(d.Contains("marquill"));
    d.AddWord("anchorman");
    EXPECT_TRUE(d.Contains("Anchorman"));
    EXPECT_EQ(d.Suggest("anchorma").front(), "anchorman");
}

TEST(SpellSession, CheckTextWalksTheQuestionedWords)
{
    CSpellDictionary d;
    d.LoadWordList("the\nquick\nfox\njumps\nover\n");
    const std::string longWord(100, 'x');
    const std::string text = "Teh quick brwon fox, B52 " + longWord + " jumsp.";
    char word[81], other[81];
    int32_t cursor = 0;
    std::vector<std::pair<std::string, int32_t>> found;
    int16_t r;
    while ((r = CheckText(d, text.c_str(), &cursor, word, 81, other, 81)) == kResultQuestioned) {
        found.emplace_back(word, cursor);
        EXPECT_STREQ(other, "");
        cursor += static_cast<int32_t>(std::strlen(word));
    }
    EXPECT_EQ(r, kResultEndOfText);
    EXPECT_EQ(cursor, static_cast<int32_t>(text.size()));
    // Words with digits and words longer than the word buffer are passed over.
    EXPECT_EQ(found,
              (std::vector<std::pair<std::string, int32_t>> {
                  {"Teh", 0}, {"brwon", 10}, {"jumsp", static_cast<int32_t>(text.size() - 6)}}));

    int32_t bad = static_cast<int32_t>(text.size()) + 1;
    EXPECT_EQ(CheckText(d, text.c_str(), &bad, word, 81, nullptr, 0), kErrorArgument);
    cursor = 0;
    EXPECT_EQ(CheckText(d, "", &cursor, word, 81, nullptr, 0), kResultEndOfText);
}

TEST(SpellSession, ReplaceWordFitsOrLeavesTheTextAlone)
{
    char text[24] = "Teh fox brwon.";
    EXPECT_EQ(ReplaceWord(text, sizeof text, 8, "brown-haired"), 0);
    EXPECT_STREQ(text, "Teh fox brown-haired.");
    EXPECT_EQ(ReplaceWord(text, sizeof text, 0, "The"), 0);
    EXPECT_STREQ(text, "The fox brown-haired.");
    // One byte too many for the buffer: nothing changes.
    EXPECT_EQ(ReplaceWord(text, sizeof text, 4, "vixens"), kErrorNoRoom);
    EXPECT_STREQ(text, "The fox brown-haired.");
    EXPECT_EQ(ReplaceWord(text, sizeof text, 4, "fox!"), 0);
    EXPECT_STREQ(text, "The fox! brown-haired.");
    EXPECT_EQ(ReplaceWord(text, sizeof text, 3, "x"), kErrorArgument); // no word at a space
    EXPECT_EQ(ReplaceWord(text, sizeof text, 40, "x"), kErrorArgument);
    EXPECT_EQ(ReplaceWord(text, sizeof text, 0, ""), 0);
    EXPECT_STREQ(text, " fox! brown-haired.");
}
