// Fonts: the packed word, shared font data, the face table and the text description;
// brushes and pens with their descriptions.
#include "core/GXBrush.h"
#include "core/GXFont.h"
#include "core/GXPen.h"
#include "core/GXSysColorCache.h"
#include "ArchiveBytes.h"
#include <gtest/gtest.h>

TEST(GridFont, PackedWord)
{
    CGXFont font;
    EXPECT_TRUE(font.IsEmpty());
    font.SetSize(8.25);
    EXPECT_EQ(33u, (DWORD)((font.GetWord() >> 8) & 0x3FF));
    font.SetSize(-2000); // absolute value, at most 1023 quarter points
    EXPECT_EQ(1023.0 / 4, font.GetSize());
    font.SetBold(TRUE).SetItalic(TRUE).SetOrientation(900);
    EXPECT_EQ(700, font.GetWeight());
    EXPECT_TRUE(font.GetIncludeItalic() && font.GetItalic());
    EXPECT_FALSE(font.GetIncludeUnderline());
    EXPECT_EQ(900, font.GetOrientation());
}

TEST(GridFont, HeightFromLogFont)
{
    LOGFONT lf = {};
    lf.lfHeight = -11;
    lf.lfWeight = 400;
    strcpy(lf.lfFaceName, "Arial");
    CGXFont font;
    font.SetLogFont(lf);
    if (GXGetLogPixelsY() == 96) {
        EXPECT_EQ(8.25, font.GetSize());
    }
    EXPECT_TRUE(font.GetIncludeItalic());
    EXPECT_STREQ("Arial", font.GetFaceName());
    LOGFONT back = font.GetLogFont();
    EXPECT_EQ(-(33 * GXGetLogPixelsY() / 288), back.lfHeight);
    EXPECT_STREQ("Arial", back.lfFaceName);
}

TEST(GridFont, SharedDataFollowsReferences)
{
    int nBefore = GXGetSharedFontCount();
    CGXFont* pA = new CGXFont;
    pA->SetFaceName("Courier New").SetSize(12).SetBold(TRUE);
    CGXFont b(*pA);
    b.SetSize(12); // same attributes: same entry
    const LOGFONT& lfA = pA->GetLogFontRef();
    EXPECT_EQ(700, lfA.lfWeight);
    const LOGFONT& lfB = b.GetLogFontRef();
    EXPECT_EQ(&lfA, &lfB);
    EXPECT_EQ(nBefore + 1, GXGetSharedFontCount());
    delete pA;
    EXPECT_EQ(700, b.GetLogFontRef().lfWeight);
    EXPECT_STREQ("Courier New", b.GetLogFontRef().lfFaceName);
    b.SetSize(13); // drops its reference: the entry goes
    EXPECT_EQ(nBefore, GXGetSharedFontCount());
}

TEST(GridFont, DescriptionRoundTrip)
{
    struct Case
    {
        const char* pszIn;
        const char* pszOut;
    } cases[] = {
        {"Arial,10,700,1,0,0,0", "Arial,10,700,1,0,0,0"},
        {"Arial,,,,,,", "Arial,,,,,,"},
        {",12,,,1,,", ",12,,,1,,"},
        {"Times New Roman,8,400,0,0,1,900", "Times New Roman,8,400,0,0,1,900"},
        {"", ",,,,,,"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.pszOut, CGXFont(c.pszIn).GetDescription()) << c.pszIn;
}

TEST(GridFont, MergeModes)
{
    CGXFont font;
    font.SetSize(10).SetItalic(FALSE);
    CGXFont other;
    other.SetSize(20).SetBold(TRUE);
    EXPECT_EQ(20.0, CGXFont(font).ChangeFont(other, gxOverride).GetSize());
    CGXFont applied = CGXFont(font).ChangeFont(other, gxApplyNew);
    EXPECT_EQ(10.0, applied.GetSize());
    EXPECT_EQ(700, applied.GetWeight());
    CGXFont excluded = CGXFont(font).ChangeFont(other, gxExclude);
    EXPECT_FALSE(excluded.GetIncludeSize());
    EXPECT_TRUE(excluded.GetIncludeItalic());
    EXPECT_TRUE(CGXFont(font).ChangeFont(other, gxCopy) == other);
    EXPECT_TRUE(applied.IsSubSet(other) == FALSE);
    EXPECT_TRUE(CGXFont(other).ChangeFont(font, gxApplyNew).IsSubSet(other));
}

TEST(GridFont, ArchiveBytesLowFirst)
{
    CGXFont font;
    font.SetSize(10).SetBold(TRUE);
    font.GetLogFontRef(); // holds a reference: bit 0 must not be stored
    std::vector<BYTE> bytes = StoreBytes([&](CArchive& ar) { font.ArchiveWord(ar); });
    ULONGLONG q = font.GetWord();
    ASSERT_EQ(8u, bytes.size());
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ((BYTE)(q >> (8 * i)), bytes[i]);
    CGXFont read;
    LoadBytes(bytes, [&](CArchive& ar) { read.ArchiveWord(ar); });
    EXPECT_TRUE(read == font);

    // A stored reference bit claims nothing: destroying the font leaves the table alone.
    bytes[0] |= 1;
    int nBefore = GXGetSharedFontCount();
    {
        CGXFont stray;
        LoadBytes(bytes, [&](CArchive& ar) { stray.ArchiveWord(ar); });
    }
    EXPECT_EQ(nBefore, GXGetSharedFontCount());
}

TEST(GridFont, FaceTableIsBounded)
{
    EXPECT_EQ(1023, GXGetFaceIndex(""));
    int nIndex = GXGetFaceIndex("Grid Test Face");
    EXPECT_EQ(nIndex, GXGetFaceIndex("Grid Test Face"));
    EXPECT_STREQ("Grid Test Face", GXGetFaceName(nIndex));
    int nLast = 0;
    for (int i = 0; i < 1100; ++i) {
        CString name;
        name.Format("Face %d", i);
        nLast = GXGetFaceIndex(name);
    }
    EXPECT_EQ(1023, nLast); // no more indexes: "not set"
    EXPECT_STREQ("", GXGetFaceName(5000));
}

TEST(GridPenBrush, PenDescriptions)
{
    CGXPen pen;
    EXPECT_FALSE(pen.IsSet());
    EXPECT_TRUE(pen.SetDescription("0 2 255 0 0"));
    EXPECT_EQ((UINT)PS_SOLID, pen.GetStyle());
    EXPECT_EQ(2, pen.GetWidth());
    EXPECT_EQ(RGB(255, 0, 0), pen.GetColor());
    EXPECT_STREQ("0 2 255 0 0 0", pen.GetDescription());
    EXPECT_FALSE(pen.SetDescription("0 2 255 0")); // four numbers: unset
    EXPECT_FALSE(pen.IsSet());
    pen.MarkSet(TRUE);
    EXPECT_EQ((UINT)PS_SOLID, pen.GetStyle());
    CGXPen sys;
    sys.SetDescription("2 1 0 0 0 246"); // 254 - 246 = COLOR_WINDOWTEXT
    EXPECT_EQ(0xF6u, sys.GetColor() >> 24);
}

TEST(GridPenBrush, BrushDescriptions)
{
    CGXBrush brush;
    EXPECT_EQ(0x3FFFFFFFu, brush.m_dw2);
    brush.SetDescription("0 0 1 2 3 4 5 6 0");
    EXPECT_EQ(RGB(1, 2, 3), brush.GetColor());
    EXPECT_EQ(RGB(4, 5, 6), brush.GetBkColor());
    EXPECT_STREQ("0 0 1 2 3 4 5 6 0", brush.GetDescription());
    brush.SetDescription("3 12 1 2 3");
    EXPECT_EQ((UINT)BS_PATTERN, brush.GetStyle());
    EXPECT_EQ(12, brush.GetPattern());
    EXPECT_EQ(0u, brush.GetBkColor());
    brush.SetDescription("0 0 5 0 0 0 0 0 249"); // system colour 5 in index bytes
    EXPECT_EQ(0xF9u, brush.GetColor() >> 24);
    EXPECT_STREQ("0 0 5 0 0 0 0 0 249", brush.GetDescription());
    brush.SetDescription("0 0 7 8 9 0 0 0 1"); // palette index keeps red and green
    EXPECT_EQ(0x01000807u, brush.GetColor());
    EXPECT_FALSE(brush.SetDescription("0 0 1 2"));
}

TEST(GridPenBrush, EdgeBrushes)
{
    CGXBrush interior;
    interior.SetColor(RGB(10, 20, 30));
    CGXBrush brush;
    struct Case
    {
        UINT nStyle;
        BOOL bHorz;
        int nPattern;
    } cases[] = {{PS_DASH, TRUE, 33},
                 {PS_DASHDOTDOT, TRUE, 36},
                 {PS_DOT, FALSE, 38},
                 {PS_DASHDOT, FALSE, 39}};
    for (const Case& c : cases) {
        ASSERT_TRUE(
            CGXPen(c.nStyle, 1, RGB(1, 1, 1)).MakeEdgeBrush(brush, interior, c.bHorz, FALSE));
        EXPECT_EQ(c.nPattern, brush.GetPattern());
        EXPECT_EQ(RGB(1, 1, 1), brush.GetColor());
        EXPECT_EQ(RGB(10, 20, 30), brush.GetBkColor());
    }
    ASSERT_TRUE(CGXPen(PS_DOT, 1, RGB(1, 1, 1)).MakeEdgeBrush(brush, interior, TRUE, TRUE));
    EXPECT_EQ(0u, brush.GetColor());
    EXPECT_EQ(0xFFFFFFu, brush.GetBkColor());
    ASSERT_TRUE(CGXPen(PS_NULL, 1, 0).MakeEdgeBrush(brush, interior, TRUE, FALSE));
    EXPECT_TRUE(brush == interior);
    EXPECT_FALSE(CGXPen(PS_SOLID, 1, 0).MakeEdgeBrush(brush, interior, TRUE, FALSE));
}
