// Input masks: the mask syntax, which characters each position takes, data and shown text
// in both directions, inserting and deleting with the entered data shifting over literals,
// prompts that are valid input themselves, plain-text mode and the archive form.
#include "controls/GXMaskData.h"
#include "fw/archive.h"
#include "fw/exceptions.h"
#include "fw/file.h"
#include <climits>
#include <gtest/gtest.h>

namespace {
CString Shown(const CGXMaskData& data)
{
    CString s;
    data.GetDisplayText(s);
    return s;
}
CString Data(const CGXMaskData& data, BOOL bTrim = TRUE)
{
    CString s;
    data.GetData(s, 0, -1, bTrim);
    return s;
}
void MakeMask(CGXMaskData& data, const char* pszMask, const char* pszPrompt = "_")
{
    EXPECT_TRUE(data.SetPrompt(pszPrompt, FALSE));
    data.SetMask(pszMask);
}
} // namespace

TEST(MaskData, SyntaxGivesLiteralAndEditablePositions)
{
    struct Case
    {
        const char* pszMask;
        const char* pszShown;
        const char* pszLiterals; // 1 per literal position
    } cases[] = {
        {"###-##", "___-__", "000100"}, {"##:##:##", "__:__:__", "00100100"},
        {"\\#1", "#1", "11"},           {"(A)\\", "(_)\\", "1011"},
        {"&?LU", "____", "0000"},       {"x\\Lx", "xLx", "111"},
    };
    for (const auto& c : cases) {
        CGXMaskData data;
        MakeMask(data, c.pszMask);
        EXPECT_STREQ(Shown(data), c.pszShown) << c.pszMask;
        CString strLiterals;
        for (int i = 0; i < data.GetLength(); ++i)
            strLiterals += data.IsLiteral(i) ? "1" : "0";
        EXPECT_STREQ(strLiterals, c.pszLiterals) << c.pszMask;
    }
    // Only literals: nothing can be typed, yet the mask is complete.
    CGXMaskData literals;
    MakeMask(literals, "\\#1");
    EXPECT_EQ(literals.NextEditPos(-1), -1);
    EXPECT_EQ(literals.SetData("5"), 0);
    EXPECT_STREQ(Shown(literals), "#1");
    EXPECT_TRUE(literals.IsComplete());
}

TEST(MaskData, PositionsTakeTheirClassOfCharacter)
{
    struct Case
    {
        const char* pszMask;
        char ch;
        BOOL bValid;
        const char* pszStored;
    } cases[] = {
        {"#", '7', TRUE, "7"},       {"#", 'a', FALSE, ""},       {"#", ' ', TRUE, "_"},
        {"#", '_', TRUE, "_"},       {"?", 'q', TRUE, "q"},       {"?", '5', FALSE, ""},
        {"?", '\xE9', TRUE, "\xE9"}, {"A", '5', TRUE, "5"},       {"A", '-', FALSE, ""},
        {"L", 'Q', TRUE, "q"},       {"L", '\xC9', TRUE, "\xE9"}, {"U", 'q', TRUE, "Q"},
        {"U", '\xFF', TRUE, "\x9F"}, {"U", '1', FALSE, ""},       {"&", '%', TRUE, "%"},
        {"&", '\t', FALSE, ""},      {"-", '-', FALSE, ""},
    };
    for (const auto& c : cases) {
        CGXMaskData data;
        MakeMask(data, c.pszMask);
        CString strChar(c.ch, 1);
        EXPECT_EQ(data.IsValidChar(0, strChar), c.bValid) << c.pszMask << " " << c.ch;
        if (c.bValid) {
            EXPECT_STREQ(strChar, c.pszStored) << c.pszMask << " " << c.ch;
        }
    }
    CGXMaskData data;
    MakeMask(data, "#");
    CString strChar = "1";
    EXPECT_FALSE(data.IsValidChar(1, strChar));
    EXPECT_FALSE(data.IsValidChar(-1, strChar));
}

TEST(MaskData, DataAndShownTextRoundTrip)
{
    CGXMaskData data;
    MakeMask(data, "###-##");
    EXPECT_EQ(data.SetData("12345"), 6);
    EXPECT_STREQ(Shown(data), "123-45");
    EXPECT_STREQ(Data(data), "12345");
    EXPECT_TRUE(data.IsComplete());

    // A partial entry: the rest keeps its prompts and the data its spaces (trimmed or not).
    EXPECT_EQ(data.SetData("12"), 2);
    EXPECT_STREQ(Shown(data), "12_-__");
    EXPECT_STREQ(Data(data), "12");
    EXPECT_STREQ(Data(data, FALSE), "12   ");

    // The walk stops at the first character that does not fit.
    EXPECT_EQ(data.SetData("12x45"), 2);
    EXPECT_STREQ(Shown(data), "12_-__");
    EXPECT_EQ(data.SetData("1", 9), -1);

    // Shown text: literals must match, characters must fit.
    EXPECT_EQ(data.SetDisplayText("987-65"), 6);
    EXPECT_STREQ(Data(data), "98765");
    EXPECT_EQ(data.SetDisplayText("987:65"), -1);
    EXPECT_EQ(data.SetDisplayText("9a7-65"), -1);
    EXPECT_EQ(data.SetDisplayText("98"), 2);
    EXPECT_STREQ(Shown(data), "98_-__");

    CString strPart;
    ASSERT_EQ(data.SetData("12345"), 6);
    data.GetData(strPart, 2, 5);
    EXPECT_STREQ(strPart, "34");
    data.GetDisplayText(strPart, 2, 5);
    EXPECT_STREQ(strPart, "3-4");
}

TEST(MaskData, InsertAndDeleteShiftOverLiterals)
{
    CGXMaskData data;
    MakeMask(data, "##:##");
    ASSERT_EQ(data.SetData("123"), 4);
    int nNext = 0;
    ASSERT_TRUE(data.InsertAt(0, "9", nNext));
    EXPECT_EQ(nNext, 1);
    EXPECT_STREQ(Shown(data), "91:23");
    ASSERT_TRUE(data.IsFilled(4));
    // Full: refused, nothing moves.
    EXPECT_FALSE(data.InsertAt(1, "5", nNext));
    EXPECT_STREQ(Shown(data), "91:23");
    // After the last editable position before a literal the caret skips the literal.
    ASSERT_EQ(data.SetData("1"), 1);
    ASSERT_TRUE(data.InsertAt(1, "2", nNext));
    EXPECT_EQ(nNext, 3);
    // Literal positions and positions outside the mask take nothing.
    EXPECT_FALSE(data.InsertAt(2, "3", nNext));
    EXPECT_FALSE(data.InsertAt(7, "3", nNext));
    EXPECT_FALSE(data.InsertAt(3, "x", nNext));

    ASSERT_EQ(data.SetData("1234"), 5);
    data.DeleteRange(2, 1); // the "2"
    EXPECT_STREQ(Shown(data), "13:4_");
    EXPECT_STREQ(Data(data), "134");
    data.DeleteRange(5, 0); // everything
    EXPECT_STREQ(Shown(data), "__:__");
    EXPECT_STREQ(Data(data), "");
    EXPECT_TRUE(data.IsComplete());

    EXPECT_EQ(data.NextEditPos(1), 3);
    EXPECT_EQ(data.PrevEditPos(3), 1);
    EXPECT_EQ(data.PrevEditPos(0), -1);
    EXPECT_EQ(data.NextEditPos(4), -1);
    EXPECT_EQ(data.NextEditPos(9), 9);
    EXPECT_EQ(data.GetEndPos(5), 0);
    ASSERT_EQ(data.SetData("123"), 4);
    EXPECT_EQ(data.GetEndPos(5), 4);
}

TEST(MaskData, PromptThatIsValidInputKeepsTypedCharacters)
{
    // A "0" prompt over digits: a typed 0 is data, an untouched position is not.
    CGXMaskData data;
    MakeMask(data, "##:##", "0");
    EXPECT_STREQ(Shown(data), "00:00");
    EXPECT_STREQ(Data(data), "");
    ASSERT_EQ(data.SetData("10"), 2);
    EXPECT_STREQ(Shown(data), "10:00");
    EXPECT_STREQ(Data(data), "10");
    EXPECT_TRUE(data.IsFilled(1));
    EXPECT_FALSE(data.IsFilled(3));

    // The typed 0 moves with the data and is not taken for an empty position.
    int nNext = 0;
    ASSERT_TRUE(data.InsertAt(0, "5", nNext));
    EXPECT_STREQ(Shown(data), "51:00");
    EXPECT_STREQ(Data(data), "510");
    data.DeleteRange(1, 0);
    EXPECT_STREQ(Data(data), "10");

    // Changing the prompt only changes empty positions.
    ASSERT_TRUE(data.SetPrompt("_", TRUE));
    EXPECT_STREQ(Shown(data), "10:__");
    // A prompt longer than one character is refused and the old one stays.
    EXPECT_FALSE(data.SetPrompt("ab", TRUE));
    EXPECT_STREQ(data.GetPrompt(), "_");
    ASSERT_TRUE(data.SetPrompt("", TRUE));
    EXPECT_STREQ(Shown(data), "10:  ");
}

TEST(MaskData, EmptyMaskHoldsPlainTextUpToTheMaximum)
{
    CGXMaskData data;
    data.SetMask("");
    ASSERT_TRUE(data.IsNoMaskMode());
    data.SetMaxLength(4);
    EXPECT_EQ(data.SetData("abcdef"), 4);
    EXPECT_STREQ(Data(data), "abcd");
    EXPECT_TRUE(data.IsComplete());
    int nNext = 0;
    EXPECT_FALSE(data.InsertAt(0, "x", nNext));
    data.DeleteRange(2, 1);
    EXPECT_STREQ(Shown(data), "acd");
    ASSERT_TRUE(data.InsertAt(0, "x", nNext));
    EXPECT_STREQ(Shown(data), "xacd");
    EXPECT_EQ(data.SetDisplayText("12 4"), 4);
    EXPECT_STREQ(Data(data), "12 4");
    data.SetMask("");
    EXPECT_EQ(data.GetMaxLength(), INT_MAX);
}

TEST(MaskData, ArchiveKeepsMaskEntriesAndPrompt)
{
    CGXMaskData data;
    MakeMask(data, "##:##", "0");
    ASSERT_EQ(data.SetData("10"), 2);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        data.Serialize(ar);
    }
    file.SeekToBegin();
    CGXMaskData copy;
    {
        CArchive ar(&file, CArchive::load);
        copy.Serialize(ar);
    }
    EXPECT_STREQ(Shown(copy), "10:00");
    EXPECT_STREQ(Data(copy), "10");
    EXPECT_STREQ(copy.GetPrompt(), "0");

    // Arrays of different lengths are refused.
    CMemFile bad;
    {
        CArchive ar(&bad, CArchive::store);
        CStringArray mask;
        mask.Add("#");
        mask.Serialize(ar);
        CByteArray literal; // no flag for the position
        literal.Serialize(ar);
        CStringArray values;
        values.Serialize(ar);
        literal.Serialize(ar);
        ar << CString("_") << (LONG)1 << (LONG)5;
    }
    bad.SeekToBegin();
    CGXMaskData refused;
    CArchive ar(&bad, CArchive::load);
    bool bThrown = false;
    try {
        refused.Serialize(ar);
    } catch (CArchiveException* e) {
        e->Delete();
        bThrown = true;
    }
    EXPECT_TRUE(bThrown);
    EXPECT_EQ(refused.GetLength(), 0);
}
