// CString: the members callers lean on, with their edge cases (empty results, indexes
// out of range, buffers handed out and taken back).
#include <gtest/gtest.h>

#include "fw/core.h"

#include <cstring>

TEST(CStringTest, ExtractsAndSearches)
{
    CString s("00:12:34");
    EXPECT_EQ(s.Left(2), "00");
    EXPECT_EQ(s.Mid(3, 2), "12");
    EXPECT_EQ(s.Mid(6), "34");
    EXPECT_EQ(s.Right(2), "34");
    // Out-of-range counts and starts clamp instead of reading past the text.
    EXPECT_EQ(s.Left(50), s);
    EXPECT_EQ(s.Mid(20), "");
    EXPECT_EQ(s.Mid(-3, 2), "00");
    EXPECT_EQ(s.Right(-1), "");
    EXPECT_EQ(s.Find(':'), 2);
    EXPECT_EQ(s.Find(':', 3), 5);
    EXPECT_EQ(s.Find("34"), 6);
    EXPECT_EQ(s.Find("x"), -1);
    EXPECT_EQ(s.Find("0", 100), -1);
    EXPECT_EQ(s.ReverseFind(':'), 5);
    EXPECT_EQ(s.FindOneOf("4:"), 2);
    EXPECT_EQ(CString().Find('a'), -1);
}

TEST(CStringTest, EditsInPlace)
{
    CString s("  Slug Text \t");
    s.TrimLeft();
    s.TrimRight();
    EXPECT_EQ(s, "Slug Text");
    s.MakeUpper();
    EXPECT_EQ(s, "SLUG TEXT");
    s.MakeLower();
    EXPECT_EQ(s, "slug text");
    EXPECT_EQ(s.Replace("t", "TT"), 2);
    EXPECT_EQ(s, "slug TTexTT");
    EXPECT_EQ(s.Replace('T', 't'), 4);
    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Remove('t'), 4);
    EXPECT_EQ(s, "slug ex");
    EXPECT_EQ(s.Insert(0, "a "), 9);
    EXPECT_EQ(s.Delete(0, 100), 0);
    CString t("xxabcxx");
    t.TrimLeft('x');
    t.TrimRight("x");
    EXPECT_EQ(t, "abc");
}

TEST(CStringTest, ComparesAndConcatenates)
{
    CString a("Break"), b("BREAK");
    EXPECT_NE(a.Compare(b), 0);
    EXPECT_EQ(a.CompareNoCase(b), 0);
    EXPECT_LT(CString("a").CompareNoCase("B"), 0);
    EXPECT_TRUE(a < "C");
    EXPECT_TRUE("A" < a);
    CString c = a + " " + b + '!';
    EXPECT_EQ(c, "Break BREAK!");
    c += c; // appending a string to itself
    EXPECT_EQ(c, "Break BREAK!Break BREAK!");
    c = (LPCSTR)c + 6; // assigning a part of itself
    EXPECT_EQ(c, "BREAK!Break BREAK!");
}

TEST(CStringTest, FormatsAnyLength)
{
    CString s;
    s.Format("%s-%d", "A", 7);
    EXPECT_EQ(s, "A-7");
    CString longText('x', 5000);
    s.Format("[%s]", (LPCSTR)longText);
    EXPECT_EQ(s.GetLength(), 5002);
    s.Format("%02d:%02d:%02d", 1, 2, 3);
    EXPECT_EQ(s, "01:02:03");
}

TEST(CStringTest, BufferRoundTrip)
{
    CString s("abc");
    char* p = s.GetBuffer(11);
    std::strcpy(p, "hello world"); // 11 characters and the terminator
    s.ReleaseBuffer();
    EXPECT_EQ(s, "hello world");
    EXPECT_EQ(s.GetLength(), 11);
    p = s.GetBuffer(0);
    p[5] = '\0';
    s.ReleaseBuffer();
    EXPECT_EQ(s, "hello");
    s.GetBuffer(20);
    s.ReleaseBuffer(2);
    EXPECT_EQ(s, "he");
    CString e;
    std::strcpy(e.GetBufferSetLength(3), "xyz");
    EXPECT_EQ(e, "xyz");
}

TEST(CStringTest, IndexOutOfRangeThrowsInsteadOfReading)
{
    CString s("ab");
    EXPECT_EQ(s[1], 'b');
    bool thrown = false;
    try {
        s.GetAt(2);
    } catch (CException* e) {
        thrown = e->IsKindOf(RUNTIME_CLASS(CNotSupportedException));
        e->Delete();
    }
    EXPECT_TRUE(thrown);
}
