// User attributes and their map; the styles map with its built-in styles and names;
// properties and the parameter object.
#include "core/GXGridParam.h"
#include "core/GXProperties.h"
#include "core/GXStylesMap.h"
#include "core/GXUserAttribute.h"
#include "core/GXData.h"
#include "core/GXLibraryState.h"
#include "res/GXResource.h"
#include "ArchiveBytes.h"
#include <cstdlib>
#include <gtest/gtest.h>

namespace {
// A number parser standing in for the number-formatting service.
class TestNumberFormatting : public CGXAbstractNumberFormattingImp
{
public:
    void FormatValue(CString& s, const CGXStyle&, LPCTSTR psz, UINT) override { s = psz; }
    BOOL ParseValue(LPCTSTR psz, double& d, UINT) override
    {
        char* pEnd = nullptr;
        d = strtod(psz, &pEnd);
        return pEnd != psz && *pEnd == '\0';
    }
};
} // namespace

TEST(GridUserAttribute, KindsFromText)
{
    struct Case
    {
        const char* pszText;
        BOOL bNumbers;
        DWORD nKind;
        const char* pszValue;
    } cases[] = {
        {"", FALSE, CGXUserAttribute::kEmpty, ""},
        {"12", FALSE, CGXUserAttribute::kShortText, "12"},
        {"12", TRUE, CGXUserAttribute::kDouble, "12"},
        {"012", TRUE, CGXUserAttribute::kShortText, "012"},
        {"12345678", FALSE, CGXUserAttribute::kShortText, "12345678"}, // 8 bytes, no terminator
        {"123456789", FALSE, CGXUserAttribute::kText, "123456789"},
    };
    TestNumberFormatting numbers;
    CGXGridLibraryState& state = GXGetLibraryState();
    for (const Case& c : cases) {
        state.m_pNumberFormattingImp = c.bNumbers ? &numbers : nullptr;
        CGXUserAttribute attribute(c.pszText);
        EXPECT_EQ(c.nKind, attribute.GetKind()) << c.pszText;
        EXPECT_STREQ(c.pszValue, attribute.GetValue()) << c.pszText;
        CGXUserAttribute copy(attribute);
        EXPECT_TRUE(copy.IsEqual(attribute));
    }
    state.m_pNumberFormattingImp = nullptr;

    CGXUserAttribute number;
    number.SetLong(-5);
    EXPECT_STREQ("-5", number.GetValue());
    EXPECT_EQ(-5.0, number.AsDouble());
    BYTE ab[8] = {1, 0, 0, 0, 2, 0, 0, 0};
    number.SetBytes(ab);
    EXPECT_STREQ("0000000100000002", number.GetValue());
}

TEST(GridUserAttribute, MapMergeAndArchive)
{
    CGXUserAttributeMap map;
    map.PutAttribute(30, new CGXUserAttribute("thirty"));
    map.PutAttribute(10, new CGXUserAttribute("12345678"));
    map.PutAttribute(20, new CGXEllipseUserAttribute(2));
    ASSERT_EQ(3, map.GetCount());
    EXPECT_EQ(10, map.GetAt(0)->m_nId); // sorted by id

    CGXUserAttributeMap other;
    other.PutAttribute(10, new CGXUserAttribute("other"));
    other.PutAttribute(40, new CGXUserAttribute("forty"));
    CGXUserAttributeMap applied(map);
    applied.MergeMap(other, gxApplyNew);
    EXPECT_STREQ("12345678", applied.FindAttribute(10)->GetValue()); // kept
    EXPECT_STREQ("forty", applied.FindAttribute(40)->GetValue());
    CGXUserAttributeMap excluded(map);
    excluded.MergeMap(other, gxExclude);
    EXPECT_EQ(nullptr, excluded.FindAttribute(10));

    std::vector<BYTE> bytes = StoreBytes([&](CArchive& ar) { map.Serialize(ar); });
    CGXUserAttributeMap read;
    LoadBytes(bytes, [&](CArchive& ar) { read.Serialize(ar); });
    ASSERT_EQ(3, read.GetCount());
    EXPECT_STREQ("12345678", read.FindAttribute(10)->GetValue());
    EXPECT_STREQ("2", read.FindAttribute(20)->GetValue());
    EXPECT_STREQ("thirty", read.FindAttribute(30)->GetValue());
}

TEST(GridUserAttribute, ArchiveNeverSharesObjects)
{
    // Two entries whose second object is a back-reference to the first would give the
    // map two owners of one object: refused as bad data.
    CGXUserAttributeMap map;
    map.PutAttribute(1, new CGXUserAttribute("a"));
    std::vector<BYTE> bytes = StoreBytes([&](CArchive& ar) { map.Serialize(ar); });
    bytes[0] = 2; // count 2
    // Back-reference to object 1 (tag word 1), then id 2.
    bytes.insert(bytes.end(), {0x01, 0x00, 0x02, 0x00});
    CGXUserAttributeMap read;
    int nCause = -1;
    try {
        LoadBytes(bytes, [&](CArchive& ar) { read.Serialize(ar); });
    } catch (CArchiveException* e) {
        nCause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(CArchiveException::badIndex, nCause);
}

TEST(GridStylesMap, NamesIdsAndBuiltIns)
{
    CGXStylesMap map;
    CGXStyle a;
    a.SetValue("1");
    WORD id = map.AddBaseStyle("Mine", a);
    a.SetValue("2");
    EXPECT_EQ(id, map.AddBaseStyle("Mine", a)); // same name: same id, style replaced
    const CGXStyle* p = nullptr;
    ASSERT_TRUE(map.LookupBaseStyle(id, p));
    EXPECT_STREQ("2", p->GetValue());
    EXPECT_EQ(0, map.BaseStyleIdOfName("Other"));

    map.AddBuiltInStyles();
    EXPECT_NE(0, map.GetStandardStyleId());
    UINT nResId = 0;
    EXPECT_STREQ("Standard", map.BaseStyleName(map.GetStandardStyleId(), nResId));
    EXPECT_EQ((UINT)GX_IDS_STYLE_STANDARD, nResId);
    ASSERT_TRUE(map.LookupBaseStyle(map.GetColHeaderStyleId(), p));
    EXPECT_EQ(GX_IDS_CTRL_HEADER, p->GetControl());
    EXPECT_TRUE(p->GetFont().GetBold());
    ASSERT_TRUE(map.LookupBaseStyle(map.GetStandardStyleId(), p));
    EXPECT_EQ(8.0, p->GetFont().GetSize());
    EXPECT_EQ(map.GetRowHeaderStyleId(), map.BaseStyleIdOfStringId(GX_IDS_STYLE_ROWHEADER));

    POSITION pos = map.GetStartPosition();
    int nCount = 0;
    while (pos != nullptr) {
        WORD nId;
        CString strName;
        UINT nRes;
        map.NextBaseStyle(pos, nId, strName, p, nRes);
        ++nCount;
    }
    EXPECT_EQ(4, nCount);
}

TEST(GridStylesMap, IdsNeverAlias)
{
    CGXStylesMap map;
    CGXStyle style;
    WORD nLast = 0;
    for (int i = 0; i < 255; ++i) {
        CString name;
        name.Format("S%d", i);
        nLast = map.AddBaseStyle(name, style);
    }
    EXPECT_EQ(255, nLast);
    EXPECT_EQ(0, map.AddBaseStyle("one too many", style));
    EXPECT_EQ(0, map.AddBaseStyleByStringId(GX_IDS_STYLE_STANDARD, style));
}

TEST(GridStylesMap, EveryNamedStringIsPresent)
{
    // A missing control or user-attribute name stops start-up: every id the library
    // registers must have its text.
    CGXStylesMap map;
    for (WORD id = 52512; id <= 52545; ++id) {
        if (id == 52530 || id == 52533 || id == 52538)
            continue;
        EXPECT_NO_THROW(map.DeclareControlName(id)) << id;
    }
    for (WORD id : {51011, 51012, 51013, 51014, 51015, 51016, 51019, 51020, 51021, 51022, 51023,
                    51024, 51025, 51026, 51027, 51028, 51029, 51030, 51031, 51032, 51033, 51034,
                    51035, 51036, 51037, 51038, 51039, 51044, 51045, 51046, 51047, 51048, 51049,
                    51050, 51054, 51055, 51057, 52792, 52794, 52797, 52801})
        EXPECT_NO_THROW(map.DeclareUserAttribute(id)) << id;
    bool bThrew = false;
    try {
        map.DeclareUserAttribute(51999);
    } catch (CResourceException* e) {
        bThrew = true;
        e->Delete();
    }
    EXPECT_TRUE(bThrew);
    EXPECT_EQ(0u, map.UserAttributeEntries().count(51999));
}

TEST(GridProperties, ColoursTokensAndUserProperties)
{
    CGXProperties prop;
    EXPECT_EQ(5, prop.GetColorCount());
    EXPECT_EQ(0u, prop.GetColor(5));
    EXPECT_EQ(255u, prop.GetColor(2));
    COLORREF crOld = prop.GetColor(1);
    EXPECT_EQ(1, prop.AddColor(prop.GetColorName(1), 0x123456));
    EXPECT_EQ(crOld, prop.GetColor(1));
    EXPECT_FALSE(prop.SetColor(5, 1)); // outside the table: refused
    EXPECT_EQ(5, prop.GetColorCount());
    EXPECT_TRUE(prop.SetColor(4, 7));
    EXPECT_EQ(7u, prop.GetColor(4));

    EXPECT_EQ(6, prop.AddToken("$X"));
    EXPECT_STREQ("", prop.TokenText(0)); // used by no grid

    bool bThrew = false;
    try {
        prop.MergeUserProperty(12345, CGXStyle());
    } catch (CResourceException* e) {
        bThrew = true;
        e->Delete();
    }
    EXPECT_TRUE(bThrew);
    prop.AddStandardUserProperty();
    const CGXStyle& frame = prop.FindUserProperty(GX_IDS_UP_CURRENTCELLFRAME);
    EXPECT_EQ(GX_IDS_CTRL_CBS_DROPDOWNLIST, frame.GetControl());
    EXPECT_STREQ("Dotted frame", frame.GetValue());
    EXPECT_EQ(0u, prop.FindUserProperty(999).GetInclude());

    CGXStyle title;
    ASSERT_TRUE(prop.m_pDataHeader->GetStyleRowCol(1, 2, title, gxCopy, 0));
    EXPECT_STREQ("$R", title.GetValue());
    EXPECT_TRUE(title.GetFont().GetBold());
}

TEST(GridParam, DefaultsAndOwnership)
{
    CGXGridParam* pParam = new CGXGridParam;
    EXPECT_FALSE(pParam->TestSelectionFlags(0x100));
    EXPECT_TRUE(pParam->TestSelectionFlags(1));
    LONG n = 0;
    EXPECT_TRUE(pParam->m_rowHeights.Lookup(0, n));
    EXPECT_EQ(1400, n);
    EXPECT_EQ(512u, pParam->m_nMaxUndoOp);

    // An owned object is deleted when replaced; a borrowed one survives the parameter.
    CGXData* pOwned = new CGXData;
    CGXData borrowed;
    pParam->AttachData(pOwned, TRUE);
    pParam->AttachData(&borrowed, FALSE);
    delete pParam; // ASan reports a double free or leak if ownership is wrong
    EXPECT_EQ(0u, borrowed.GetRowCount());
}
