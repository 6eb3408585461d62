// Styles, fonts, brushes and pens in archives: exact bytes, round trips, system colours,
// base styles by name, older layouts and damaged archives; style comparison.
#include "core/GXCollections.h"
#include "core/GXLibraryState.h"
#include "core/GXStyle.h"
#include "core/GXStylesMap.h"
#include "core/GXSysColorCache.h"
#include "ArchiveBytes.h"
#include "StyleServices.h"
#include <gtest/gtest.h>

namespace {
std::vector<BYTE> StoreStyle(CGXStyle& style, const CGXStylesMap* pMap = nullptr)
{
    return StoreBytes([&](CArchive& ar) { style.Serialize(ar, pMap); });
}

CGXStyle LoadStyle(const std::vector<BYTE>& bytes, const CGXStylesMap* pMap = nullptr)
{
    CGXStyle style;
    LoadBytes(bytes, [&](CArchive& ar) { style.Serialize(ar, pMap); });
    return style;
}

int ArchiveCause(const std::vector<BYTE>& bytes)
{
    try {
        LoadStyle(bytes);
    } catch (CArchiveException* e) {
        int nCause = e->m_cause;
        e->Delete();
        return nCause;
    }
    return CArchiveException::none;
}

CGXStyle FullStyle()
{
    CGXStyle style;
    style.SetHorizontalAlignment(DT_RIGHT)
        .SetVerticalAlignment(DT_BOTTOM)
        .SetReadOnly(TRUE)
        .SetControl(0x4E21)
        .SetInterior(CGXBrush(BS_HATCHED, RGB(1, 2, 3), 4).SetBkColor(RGB(9, 8, 7)))
        .SetTextColor(RGB(200, 100, 50))
        .SetWrapText(FALSE)
        .SetAllowEnter(TRUE)
        .SetFont(CGXFont().SetFaceName("Arial").SetSize(12).SetBold(TRUE).SetItalic(TRUE))
        .SetValue("42.5")
        .SetChoiceList("one\ntwo")
        .SetVerticalScrollBar(TRUE)
        .SetMaxLength(12)
        .SetEnabled(FALSE)
        .SetTriState(TRUE)
        .SetDraw3dFrame(2)
        .SetAutoSize(TRUE)
        .SetItemDataPtr(0xDEADBEEF)
        .SetFloodCell(FALSE)
        .SetFloatCell(TRUE)
        .SetMergeCell(5)
        .SetFormat(7)
        .SetPlaces(3)
        .SetBorders(gxBorderTop, CGXPen(PS_DOT, 2, RGB(255, 0, 0)))
        .SetBorders(gxBorderRight, CGXPen(PS_SOLID, 1, RGB(0, 0, 255)))
        .SetUserAttribute(20100, "hello")
        .SetUserAttribute(20101, (DWORD)77);
    style.SetValueType(1);
    return style;
}
} // namespace

TEST_F(StyleServices, EmptyStyleBytes)
{
    CGXStyle style;
    std::vector<BYTE> expected = {6, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(expected, StoreStyle(style));
    // A value and an alignment: mask, the alignment, the text, no borders, no
    // attributes, then the value type.
    style.SetHorizontalAlignment(DT_CENTER).SetValue("ab");
    expected = {6, 0, 0x01, 0x04, 0, 0, 1, 0, 0, 0, 2, 'a', 'b', 0, 0, 0, 0, 0};
    EXPECT_EQ(expected, StoreStyle(style));
}

TEST_F(StyleServices, EveryAttributeRoundTrips)
{
    CGXStyle style = FullStyle();
    CGXStyle back = LoadStyle(StoreStyle(style));
    EXPECT_EQ(style.GetInclude(), back.GetInclude());
    EXPECT_TRUE(back.ContainsStyle(style));
    EXPECT_TRUE(style.ContainsStyle(back));
    EXPECT_EQ(style.GetInterior(), back.GetInterior());
    EXPECT_EQ(style.GetFont(), back.GetFont());
    EXPECT_EQ(style.GetBorders(gxBorderTop), back.GetBorders(gxBorderTop));
    EXPECT_FALSE(back.GetBorders(gxBorderLeft).IsSet());
    EXPECT_STREQ("hello", back.GetUserAttribute(20100).GetValue());
    EXPECT_EQ(77u, back.GetUserAttribute(20101).AsDWord());
    EXPECT_EQ(0xDEADBEEFu, back.GetItemDataPtr());
    EXPECT_EQ(1, back.GetValueType());
    EXPECT_EQ(5, back.GetMergeCell());
    EXPECT_EQ(3, back.GetPlaces());
    // Stored again, the bytes are the same.
    EXPECT_EQ(StoreStyle(style), StoreStyle(back));
}

TEST_F(StyleServices, SystemColours)
{
    COLORREF crSys = GXSysColorRef(COLOR_HIGHLIGHT);
    CGXStyle style;
    style.SetInterior(CGXBrush().SetColor(crSys))
        .SetBorders(gxBorderLeft, CGXPen(PS_SOLID, 1, crSys))
        .SetTextColor(GXSysColorRef(COLOR_WINDOWTEXT));
    CGXStyle back = LoadStyle(StoreStyle(style));
    // Pens and brushes keep the system colour; the text colour becomes the plain colour
    // it had when stored.
    EXPECT_EQ(crSys, back.GetInterior().GetColor());
    EXPECT_EQ(crSys, back.GetBorders(gxBorderLeft).GetColor());
    EXPECT_EQ(GXResolveColor(GXSysColorRef(COLOR_WINDOWTEXT)) & 0xFFFFFF, back.GetTextColor());
}

TEST_F(StyleServices, BaseStylesTravelByNameOrStringId)
{
    CGXStylesMap map;
    CGXStyle base;
    base.SetValue("b");
    WORD nNamed = map.AddBaseStyle("Mine", base);
    CGXStyle style;
    style.SetBaseStyle(nNamed);
    std::vector<BYTE> bytes = StoreStyle(style, &map);
    // Resource id 0, then the name.
    std::vector<BYTE> tail(bytes.end() - 11, bytes.end() - 2);
    EXPECT_EQ((std::vector<BYTE> {0, 0, 0, 0, 4, 'M', 'i', 'n', 'e'}), tail);

    CGXStylesMap other;
    WORD nPadding = other.AddBaseStyle("Other", base);
    WORD nMine = other.AddBaseStyle("Mine", base);
    ASSERT_NE(nNamed, nMine);
    EXPECT_EQ(nMine, LoadStyle(bytes, &other).GetBaseStyle());
    // A map that lacks the name leaves the id the style had.
    CGXStylesMap lacking;
    CGXStyle kept;
    kept.SetBaseStyle(nPadding);
    LoadBytes(bytes, [&](CArchive& ar) { kept.Serialize(ar, &lacking); });
    EXPECT_EQ(nPadding, kept.GetBaseStyle());
}

TEST_F(StyleServices, FontsInEveryLayout)
{
    CGXFont font;
    font.SetFaceName("Arial").SetSize(8.25).SetWeight(FW_BOLD).SetUnderline(TRUE).SetOrientation(
        450);
    CGXFont back;
    LoadBytes(StoreBytes([&](CArchive& ar) { font.Serialize(ar); }),
              [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_EQ(font, back);

    // Schema 1: height, weight, italic, underline, strike-out, face, set mask.
    std::vector<BYTE> old = {1, 0, 120, 0,   0,   0,   0x90, 1,    0, 0, 1, 0,
                             0, 5, 'A', 'r', 'i', 'a', 'l',  0x3B, 0, 0, 0};
    CGXFont oldFont;
    oldFont.SetStrikeOut(TRUE);
    LoadBytes(old, [&](CArchive& ar) { oldFont.Serialize(ar); });
    EXPECT_EQ(400, oldFont.GetWeight());
    EXPECT_TRUE(oldFont.GetIncludeItalic() && oldFont.GetItalic());
    EXPECT_TRUE(oldFont.GetIncludeStrikeOut() && !oldFont.GetStrikeOut());
    EXPECT_FALSE(oldFont.GetIncludeUnderline());
    EXPECT_EQ(12.0, oldFont.GetSize());
    EXPECT_STREQ("Arial", oldFont.GetFaceName());

    std::vector<BYTE> newer = {3, 0, 0, 0, 0, 0};
    try {
        LoadBytes(newer, [&](CArchive& ar) { back.Serialize(ar); });
        ADD_FAILURE() << "a newer font schema was read";
    } catch (CArchiveException* e) {
        EXPECT_EQ(CArchiveException::badSchema, e->m_cause);
        e->Delete();
    }
}

TEST_F(StyleServices, OlderAndDamagedArchives)
{
    CGXStyle full = FullStyle();
    std::vector<BYTE> bytes = StoreStyle(full);
    std::vector<BYTE> newer = bytes;
    newer[0] = 7;
    EXPECT_EQ(CArchiveException::badSchema, ArchiveCause(newer));
    // Every cut-off archive fails cleanly (nothing leaks, nothing read beyond the end).
    for (size_t n = 0; n < bytes.size(); ++n) {
        std::vector<BYTE> cut(bytes.begin(), bytes.begin() + n);
        EXPECT_NE(CArchiveException::none, ArchiveCause(cut)) << n;
    }
}

TEST_F(StyleServices, OlderLayoutReadsItsUserAttributes)
{
    // Schema 4: a value, no borders, the attributes as a map of id to text, then format
    // and places together.
    CGXCollMapDWordToString texts;
    texts.SetAt(20101, "second");
    texts.SetAt(20100, "first");
    std::vector<BYTE> bytes = StoreBytes([&](CArchive& ar) {
        ar << (WORD)4 << (DWORD)(gxValue | gxFormat) << CString("v") << (WORD)0;
        ar << static_cast<const CObject*>(&texts);
        ar << (BYTE)9 << (BYTE)2 << (BYTE)0;
    });
    CGXStyle style = LoadStyle(bytes);
    EXPECT_STREQ("v", style.GetValue());
    EXPECT_STREQ("first", style.GetUserAttribute(20100).GetValue());
    EXPECT_STREQ("second", style.GetUserAttribute(20101).GetValue());
    EXPECT_EQ(9, style.GetFormat());
    EXPECT_TRUE(style.GetInclude(gxPlaces));
    EXPECT_EQ(2, style.GetPlaces());

    // Without the older layout's reader such an archive is refused.
    CGXAbstractSerializeTQ5CompatibleImp*& pSlot = GXGetLibraryState().m_pSerializeTQ5CompatibleImp;
    CGXAbstractSerializeTQ5CompatibleImp* pKeep = pSlot;
    pSlot = nullptr;
    EXPECT_EQ(CArchiveException::badSchema, ArchiveCause(bytes));
    pSlot = pKeep;
}

TEST_F(StyleServices, SubsetComparison)
{
    CGXStyle full = FullStyle();
    EXPECT_TRUE(full.ContainsStyle(CGXStyle()));
    EXPECT_TRUE(CGXStyle().ContainsStyle(CGXStyle()));
    EXPECT_FALSE(CGXStyle().ContainsStyle(full));
    CGXStyle part;
    part.SetValue("42.5").SetBorders(gxBorderTop, CGXPen(PS_DOT, 2, RGB(255, 0, 0)));
    EXPECT_TRUE(full.ContainsStyle(part));
    part.SetValue("42.50");
    EXPECT_FALSE(full.ContainsStyle(part));

    // User attributes compare position by position; a map with fewer entries is no
    // superset.
    CGXStyle one, two;
    one.SetUserAttribute(20100, "hello");
    two.SetUserAttribute(20100, "hello").SetUserAttribute(20101, "x");
    EXPECT_TRUE(two.ContainsStyle(one));
    EXPECT_FALSE(one.ContainsStyle(two));
}
