// Cell styles: setters and colours, merging in the four modes, base styles and their
// chains, the archive form of the include mask.
#include "core/GXStyle.h"
#include "core/GXStylesMap.h"
#include "core/GXSysColorCache.h"
#include "res/GXResource.h"
#include <gtest/gtest.h>

TEST(GridStyle, EmptyStyleMergedBecomesCopy)
{
    CGXStyle other;
    other.SetValue("abc").SetHorizontalAlignment(DT_CENTER).SetFont(CGXFont().SetBold(TRUE));
    for (GXModifyType mt : {gxOverride, gxApplyNew}) {
        CGXStyle style;
        style.MergeStyle(other, mt);
        EXPECT_EQ(other.GetInclude(), style.GetInclude());
        EXPECT_STREQ("abc", style.GetValue());
        EXPECT_EQ((UINT)DT_CENTER, style.GetHorizontalAlignment());
        EXPECT_TRUE(style.GetFont().GetBold());
    }
}

TEST(GridStyle, AlignmentCodes)
{
    struct Case
    {
        UINT nIn, nOut;
    } horz[] = {{DT_LEFT, DT_LEFT}, {DT_CENTER, DT_CENTER}, {DT_RIGHT, DT_RIGHT}, {0x40, DT_LEFT}};
    for (const Case& c : horz)
        EXPECT_EQ(c.nOut, CGXStyle().SetHorizontalAlignment(c.nIn).GetHorizontalAlignment())
            << c.nIn;
    Case vert[] = {
        {DT_TOP, DT_TOP}, {DT_VCENTER, DT_VCENTER}, {DT_BOTTOM, DT_BOTTOM}, {DT_CENTER, DT_TOP}};
    for (const Case& c : vert)
        EXPECT_EQ(c.nOut, CGXStyle().SetVerticalAlignment(c.nIn).GetVerticalAlignment()) << c.nIn;
    // A centred style merged into one with another attribute keeps DT_CENTER.
    CGXStyle centred;
    centred.SetHorizontalAlignment(DT_CENTER);
    CGXStyle style;
    style.SetReadOnly(TRUE).MergeStyle(centred, gxApplyNew);
    EXPECT_EQ((UINT)DT_CENTER, style.GetHorizontalAlignment());
}

TEST(GridStyle, TextColours)
{
    COLORREF crWindow = GXGetSysColorCache().GetSysColor(COLOR_WINDOW) & 0xFFFFFF;
    CGXStyle style;
    style.SetTextColor(0xF9000000);
    EXPECT_EQ(0xF9000000 | crWindow, style.GetTextColor());
    style.SetTextColor(0x40FFFFFF);
    EXPECT_EQ(0x00FFFFFFu, style.GetTextColor());
    style.SetTextColor(0x02123456); // a palette-relative colour keeps its type
    EXPECT_EQ(0x02123456u, style.GetTextColor());
}

TEST(GridStyle, SystemColourOutOfRangeIsSafe)
{
    // Type 3 with an index no colour reference can name (stored through the value word
    // of an archive) resolves to black instead of indexing a table.
    // A value above 0xFEFFFFFF keeps bits 24-25 (3) as its type: system colour "index"
    // 0x123456, which no reference can name.
    CGXStyle style;
    style.SetTextColor(0xFF123456);
    EXPECT_EQ(0u, style.GetTextColor());
    CGXBrush brush;
    brush.SetColor(0xFF123456);
    EXPECT_EQ(0u, brush.GetColor());
    EXPECT_EQ(0u, brush.GetColorNA());
    EXPECT_EQ(0u, GXGetSysColorCache().GetSysColor(100000));
    EXPECT_EQ(0u, GXGetSysColorCache().GetSysColor(-5));
}

TEST(GridStyle, BordersMarkSet)
{
    CGXStyle onlyRight;
    onlyRight.SetBorders(gxBorderRight, CGXPen(PS_SOLID, 1, 0));
    onlyRight.MarkBorderSet(gxBorderRight, FALSE);
    EXPECT_FALSE(onlyRight.GetInclude(gxBorders));

    CGXStyle two;
    two.SetBorders(gxBorderRight, CGXPen(PS_SOLID, 1, 0))
        .SetBorders(gxBorderTop, CGXPen(PS_DOT, 1, 0));
    two.MarkBorderSet(gxBorderRight, FALSE);
    EXPECT_TRUE(two.GetInclude(gxBorders));
    two.MarkBorderSet(gxBorderAll, FALSE);
    EXPECT_FALSE(two.GetInclude(gxBorders));
}

TEST(GridStyle, MergeModes)
{
    CGXStyle base;
    base.SetValue("mine").SetReadOnly(TRUE).SetControl(1);
    CGXStyle other;
    other.SetValue("theirs").SetReadOnly(FALSE).SetMaxLength(7);

    struct Case
    {
        GXModifyType mt;
        const char* pszValue;
        BOOL bValue, bReadOnly, bMaxLength, bControl;
    } cases[] = {
        {gxOverride, "theirs", TRUE, FALSE, TRUE, TRUE},
        {gxApplyNew, "mine", TRUE, TRUE, TRUE, TRUE},
        {gxCopy, "theirs", TRUE, FALSE, TRUE, FALSE},
        {gxExclude, "", FALSE, TRUE, FALSE, TRUE},
    };
    for (const Case& c : cases) {
        CGXStyle style(base);
        style.MergeStyle(other, c.mt);
        EXPECT_STREQ(c.pszValue, style.GetValue()) << c.mt;
        EXPECT_EQ(c.bValue, style.GetInclude(gxValue)) << c.mt;
        EXPECT_EQ(c.bMaxLength, style.GetInclude(gxMaxLength)) << c.mt;
        EXPECT_EQ(c.bControl, style.GetInclude(gxControl)) << c.mt;
        if (c.mt != gxExclude) {
            EXPECT_EQ(c.bReadOnly, style.GetReadOnly()) << c.mt;
        } else {
            EXPECT_FALSE(style.GetInclude(gxReadOnly));
        }
    }
}

TEST(GridStyle, ExcludeFromEmptyStaysEmpty)
{
    CGXStyle style;
    CGXStyle other;
    other.SetValue("x");
    style.MergeStyle(other, gxExclude);
    EXPECT_EQ(0u, style.GetInclude());
}

TEST(GridStyle, MergeBordersFontAndUserAttributes)
{
    CGXStyle style;
    style.SetBorders(gxBorderLeft, CGXPen(PS_SOLID, 2, 0)).SetFont(CGXFont().SetSize(10));
    style.SetUserAttribute(100, "a");
    CGXStyle other;
    other.SetBorders(gxBorderAll, CGXPen(PS_DOT, 1, 0xFF))
        .SetFont(CGXFont().SetBold(TRUE).SetSize(20));
    other.SetUserAttribute(100, "b").SetUserAttribute(200, "c");

    style.MergeStyle(other, gxApplyNew);
    EXPECT_EQ((UINT)PS_SOLID, style.GetBorders(gxBorderLeft).GetStyle()); // kept
    EXPECT_EQ((UINT)PS_DOT, style.GetBorders(gxBorderRight).GetStyle()); // taken
    EXPECT_EQ(10.0, style.GetFont().GetSize());
    EXPECT_TRUE(style.GetFont().GetBold());
    EXPECT_STREQ("a", style.GetUserAttribute(100).GetValue());
    EXPECT_STREQ("c", style.GetUserAttribute(200).GetValue());

    style.MergeStyle(other, gxExclude);
    EXPECT_FALSE(style.HasUserAttribute(100));
    EXPECT_FALSE(style.HasUserAttribute(200));
    EXPECT_FALSE(style.GetBorders(gxBorderLeft).IsSet());
}

TEST(GridStyle, ArchiveIncludeBitsSwapFloodAndFloat)
{
    CGXStyle style;
    style.SetFloodCell(TRUE);
    EXPECT_EQ(gxFloatCell, style.GetIncludeBits()); // archive bit 22
    CGXStyle read;
    read.SetIncludeBits(style.GetIncludeBits());
    EXPECT_EQ((DWORD)gxFloodCell, read.GetInclude());
    EXPECT_EQ(0u, CGXStyle().GetIncludeBits());
}

TEST(GridStyle, CopiesShareNothing)
{
    CGXStyle style;
    style.SetBorders(gxBorderAll, CGXPen(PS_SOLID, 1, 0))
        .SetFont(CGXFont().SetSize(9))
        .SetUserAttribute(5, "v");
    CGXStyle* pCopy = style.Clone();
    style.ClearAll();
    EXPECT_EQ(9.0, pCopy->GetFont().GetSize());
    EXPECT_STREQ("v", pCopy->GetUserAttribute(5).GetValue());
    EXPECT_TRUE(pCopy->GetBorders(gxBorderTop).IsSet());
    delete pCopy;
}

TEST(GridStyle, BaseStyleIdsAreEightBits)
{
    CGXStyle style;
    style.SetBaseStyle(300);
    EXPECT_FALSE(style.GetInclude(gxBaseStyle));
    style.SetBaseStyle(255);
    EXPECT_EQ(255, style.GetBaseStyle());
}

TEST(GridStyle, BaseStyleChainsApplyNearestFirst)
{
    CGXStylesMap map;
    CGXStyle c;
    c.SetValue("C").SetMaxLength(3).SetReadOnly(TRUE);
    WORD idC = map.AddBaseStyle("C", c);
    CGXStyle b;
    b.SetValue("B").SetMaxLength(2).SetBaseStyle(idC);
    WORD idB = map.AddBaseStyle("B", b);
    EXPECT_EQ(1, idC); // ids start at 1: 0 keeps meaning "unknown"
    CGXStyle a;
    a.SetValue("A").SetBaseStyle(idB);
    a.ApplyBaseStyles(&map);
    EXPECT_STREQ("A", a.GetValue());
    EXPECT_EQ(2, a.GetMaxLength());
    EXPECT_TRUE(a.GetReadOnly());

    // An id the map does not know ends the chain.
    CGXStyle unknown;
    unknown.SetBaseStyle(77).SetValue("u");
    unknown.ApplyBaseStyles(&map);
    EXPECT_EQ(DWORD(gxBaseStyle | gxValue), unknown.GetInclude());
}

TEST(GridStyle, BaseStyleCycleEnds)
{
    CGXStylesMap map;
    WORD idX = map.AddBaseStyle("X", CGXStyle());
    WORD idY = map.AddBaseStyle("Y", CGXStyle());
    CGXStyle x;
    x.SetBaseStyle(idY).SetMaxLength(1);
    CGXStyle y;
    y.SetBaseStyle(idX).SetReadOnly(TRUE);
    map.AddBaseStyle("X", x);
    map.AddBaseStyle("Y", y);
    CGXStyle cell;
    cell.SetBaseStyle(idX);
    cell.ApplyBaseStyles(&map); // X -> Y -> X: each applied once
    EXPECT_EQ(1, cell.GetMaxLength());
    EXPECT_TRUE(cell.GetReadOnly());
}

TEST(GridStyle, StandardStyle)
{
    CGXStyle style;
    style.MakeStandardStyle();
    EXPECT_EQ(GX_IDS_CTRL_EDIT, style.GetControl());
    EXPECT_TRUE(style.GetWrapText());
    EXPECT_TRUE(style.GetEnabled());
    EXPECT_EQ(13, style.GetPlaces());
    EXPECT_FALSE(style.GetInclude(gxBorders | gxBaseStyle | gxUserAttr));
    EXPECT_EQ(DWORD(gxAllBits & ~(gxBorders | gxBaseStyle | gxUserAttr)), style.GetInclude());
    EXPECT_STREQ("Arial", style.GetFont().GetFaceName());
    EXPECT_EQ(0xF9u, style.GetInterior().GetColor() >> 24);
}

TEST(GridStyle, ServicesOffDoNothing)
{
    CGXStyle style;
    style.SetValue("x");
    EXPECT_FALSE(style.ContainsStyle(style));
    EXPECT_FALSE(style.ReadProfile("s", "e"));
}
