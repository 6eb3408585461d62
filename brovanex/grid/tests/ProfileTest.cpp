// Grid settings and styles in the application's profile, once in its registry key and once
// in an INI file: properties, single styles, styles maps and user attributes.
#include "core/GXLibraryState.h"
#include "core/GXProperties.h"
#include "core/GXStyle.h"
#include "core/GXStylesMap.h"
#include "res/GXResource.h"
#include "fw/app.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <memory>

namespace {
enum class Store { registry, ini };

class Profile : public ::testing::TestWithParam<Store>
{
protected:
    void SetUp() override
    {
        m_pOld = GXGetLibraryState().m_pProfileImp;
        GXImplementGridProfile();
        m_app.reset(new CWinApp("Grid Profile Test"));
        if (GetParam() == Store::registry) {
            m_app->SetRegistryKey("Brovanex Profile Test");
        } else {
            char szTemp[MAX_PATH];
            ::GetTempPathA(MAX_PATH, szTemp);
            m_strIni.Format("%sgrid_profile_test_%lu.ini", szTemp, ::GetCurrentProcessId());
            ::DeleteFileA(m_strIni);
            free((void*)m_app->m_pszProfileName);
            m_app->m_pszProfileName = _strdup(m_strIni);
        }
    }
    void TearDown() override
    {
        if (GetParam() == Store::registry)
            ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brovanex Profile Test");
        else
            ::DeleteFileA(m_strIni);
        m_app.reset();
        GXGetLibraryState().m_pProfileImp = m_pOld;
    }

    CString Get(LPCTSTR pszSection, LPCTSTR pszKey)
    {
        return m_app->GetProfileString(pszSection, pszKey, "<none>");
    }

    std::unique_ptr<CWinApp> m_app;
    CString m_strIni;

private:
    CGXAbstractGridProfileImp* m_pOld = nullptr;
};

std::string StoreName(const ::testing::TestParamInfo<Store>& info)
{
    return info.param == Store::registry ? "Registry" : "IniFile";
}
} // namespace

TEST_P(Profile, PropertiesRoundTripAndMissingSections)
{
    CGXProperties prop;
    EXPECT_FALSE(prop.ReadProfile()); // no section yet: nothing read
    prop.m_nTopMargin = 11;
    prop.m_nLeftMargin = 22;
    prop.m_nBottomMargin = 33;
    prop.m_nRightMargin = 44;
    prop.m_nHeaderDistance = 5;
    prop.m_nFooterDistance = 6;
    prop.m_nFirstPage = 10;
    prop.m_abPrint[7] = TRUE;
    prop.m_abDisplay[3] = FALSE;
    prop.SetColor(1, RGB(1, 2, 3));
    prop.WriteProfile();
    EXPECT_STREQ("11,22,33,44", Get("Grid", "Margins"));
    EXPECT_STREQ("1", Get("Grid", "Page Order"));

    CGXProperties back;
    ASSERT_TRUE(back.ReadProfile());
    EXPECT_EQ(11, back.m_nTopMargin);
    EXPECT_EQ(44, back.m_nRightMargin);
    EXPECT_EQ(5, back.m_nHeaderDistance);
    EXPECT_EQ(6, back.m_nFooterDistance);
    EXPECT_EQ(10, back.m_nFirstPage);
    EXPECT_TRUE(back.m_abPrint[7]);
    EXPECT_FALSE(back.m_abDisplay[3]);
    EXPECT_EQ(RGB(1, 2, 3), back.GetColor(1));

    // "Margins" with two numbers changes the first two and keeps the others.
    m_app->WriteProfileString("Grid", "Margins", "7, 8");
    ASSERT_TRUE(back.ReadProfile());
    EXPECT_EQ(7, back.m_nTopMargin);
    EXPECT_EQ(8, back.m_nLeftMargin);
    EXPECT_EQ(33, back.m_nBottomMargin);
    EXPECT_EQ(44, back.m_nRightMargin);

    CGXProperties other;
    other.m_strSection = "No Such Grid";
    other.m_nTopMargin = 99;
    EXPECT_FALSE(other.ReadProfile());
    EXPECT_EQ(99, other.m_nTopMargin);
}

TEST_P(Profile, StylesKeepTheirAttributesAndChoices)
{
    CGXStyle style;
    style.SetValue("v")
        .SetHorizontalAlignment(DT_RIGHT)
        .SetTextColor(RGB(10, 20, 30))
        .SetInterior(RGB(200, 100, 0))
        .SetFont(CGXFont().SetFaceName("Arial").SetBold(TRUE).SetSize(10))
        .SetBorders(gxBorderTop, CGXPen(PS_DOT, 1, RGB(0, 0, 255)))
        .SetChoiceList("one\r\ntw\\o\nthree \\n literal");
    style.WriteProfile("Cell", nullptr);
    // One line: a line feed as "\n", a backslash doubled.
    EXPECT_STREQ("one\\ntw\\\\o\\nthree \\\\n literal", Get("Cell", "ChoicesList"));
    EXPECT_STREQ("1", Get("Cell", "Borders"));
    EXPECT_STREQ("<none>", Get("Cell", "Left"));

    CGXStyle back;
    ASSERT_TRUE(back.ReadProfile("Cell", nullptr));
    EXPECT_STREQ("v", back.GetValue());
    EXPECT_EQ((UINT)DT_RIGHT, back.GetHorizontalAlignment());
    EXPECT_EQ(RGB(10, 20, 30), back.GetTextColor());
    EXPECT_EQ(style.GetInterior(), back.GetInterior());
    EXPECT_TRUE(back.GetFont().GetBold());
    EXPECT_EQ(style.GetBorders(gxBorderTop), back.GetBorders(gxBorderTop));
    EXPECT_FALSE(back.GetBorders(gxBorderLeft).IsSet());
    // Line breaks come back as carriage return and line feed; a literal backslash before
    // an n stays as it was.
    EXPECT_STREQ("one\r\ntw\\o\r\nthree \\n literal", back.GetChoiceList());

    // An attribute the style no longer includes loses its key.
    CGXStyle fewer;
    fewer.SetValue("v");
    fewer.WriteProfile("Cell", nullptr);
    EXPECT_STREQ("<none>", Get("Cell", "ChoicesList"));
    EXPECT_STREQ("<none>", Get("Cell", "HorizontalAlignment"));
    EXPECT_STREQ("<none>", Get("Cell", "Borders"));
    EXPECT_STREQ("<none>", Get("Cell", "Top"));
    EXPECT_STREQ("v", Get("Cell", "Value"));
}

TEST_P(Profile, StylesMapsComeBackWithTheirBaseStyles)
{
    CGXStylesMap map;
    map.AddBuiltInStyles();
    CGXStyle standard;
    standard.SetValue("std").SetTextColor(RGB(1, 1, 1));
    map.AddBaseStyleByStringId(GX_IDS_STYLE_STANDARD, standard, 1);
    CGXStyle mine;
    mine.SetValue("mine").SetBaseStyle(map.GetStandardStyleId());
    map.AddBaseStyle("Mine", mine);
    map.WriteProfile();

    CGXStylesMap back;
    ASSERT_TRUE(back.ReadProfile());
    ASSERT_NE(0, back.GetStandardStyleId());
    ASSERT_NE(0, back.GetColHeaderStyleId());
    ASSERT_NE(0, back.GetRowHeaderStyleId());
    const CGXStyle* pStandard = nullptr;
    ASSERT_TRUE(back.LookupBaseStyle(back.GetStandardStyleId(), pStandard));
    EXPECT_STREQ("std", pStandard->GetValue());
    // The standard style is completed with the defaults of what it lacks.
    EXPECT_TRUE(pStandard->GetInclude(gxWrapText));
    const CGXStyle* pMine = nullptr;
    ASSERT_TRUE(back.LookupBaseStyle(back.BaseStyleIdOfName("Mine"), pMine));
    EXPECT_STREQ("mine", pMine->GetValue());
    EXPECT_EQ(back.GetStandardStyleId(), pMine->GetBaseStyle());

    CGXStylesMap none;
    none.m_strSection = "No Such Styles";
    EXPECT_FALSE(none.ReadProfile());
}

TEST_P(Profile, LongKeyListsAreReadWhole)
{
    // Far more names than a fixed 1,023-character list would hold.
    CGXStylesMap map;
    CGXStyle style;
    for (int i = 0; i < 60; ++i) {
        CString name;
        name.Format("A base style with a long name, number %03d", i);
        style.SetValue(name);
        ASSERT_NE(0, map.AddBaseStyle(name, style));
    }
    map.WriteProfile();
    CGXStylesMap back;
    ASSERT_TRUE(back.ReadProfile());
    EXPECT_EQ(60, back.GetBaseStyleCount());
    EXPECT_NE(0, back.BaseStyleIdOfName("A base style with a long name, number 059"));
}

TEST_P(Profile, UserAttributesUnderTheirIds)
{
    CGXUserAttributeMap map;
    map.PutAttribute(20100, new CGXUserAttribute("first"));
    map.PutAttribute(7, new CGXUserAttribute("12"));
    map.WriteProfile("Attributes");
    EXPECT_STREQ("first", Get("Attributes", "UA20100"));
    EXPECT_STREQ("12", Get("Attributes", "UA7"));
}

INSTANTIATE_TEST_SUITE_P(Stores, Profile, ::testing::Values(Store::registry, Store::ini),
                         StoreName);
