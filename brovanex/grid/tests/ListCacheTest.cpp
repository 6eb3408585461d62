// The parameter's shared look-up tables for tabbed combo cells: built once per list-cache id
// from a choice list, freed by id or all at once, and never carried over by a copy or a new
// data object.
#include "core/GXData.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXStyle.h"
#include <gtest/gtest.h>

namespace {
const char* const kFruit = "Code\tName\r\n1\tApple\r\n2\tBanana\r\n3\tApple\r\n";

CString Lookup(const CMapStringToString* pMap, const char* pszKey)
{
    CString strRow;
    if (pMap == nullptr || !pMap->Lookup(pszKey, strRow))
        return "<none>";
    return strRow;
}
} // namespace

TEST(ListCache, KeyAndDisplayTablesMapTextsToWholeRows)
{
    CGXGridParam param;
    CMapStringToString* pKeys = param.ListKeyMap(5, kFruit, 0, TRUE);
    CMapStringToString* pTexts = param.ListDisplayMap(5, kFruit, 1, TRUE);
    ASSERT_NE(pKeys, nullptr);
    ASSERT_NE(pTexts, nullptr);
    EXPECT_EQ(pKeys->GetCount(), 3) << "the title line is no row";
    EXPECT_STREQ(Lookup(pKeys, "2"), "2\tBanana");
    EXPECT_STREQ(Lookup(pKeys, "Code"), "<none>");
    EXPECT_STREQ(Lookup(pTexts, "Banana"), "2\tBanana");
    EXPECT_STREQ(Lookup(pTexts, "Apple"), "1\tApple") << "the first of equal texts wins";
    EXPECT_STREQ(Lookup(pTexts, "apple"), "<none>") << "look-ups are exact";

    // Built once: a later call with another list gets the table as it is.
    EXPECT_EQ(param.ListKeyMap(5, "9\tCherry", 0, FALSE), pKeys);
    EXPECT_EQ(param.GetListKeyMap(5), pKeys);
    EXPECT_EQ(param.GetListDisplayMap(5), pTexts);
    // Without the title line setting the first line is a row like any other.
    EXPECT_STREQ(Lookup(param.ListKeyMap(6, kFruit, 0, FALSE), "Code"), "Code\tName");
    EXPECT_EQ(param.ListKeyMap(0, kFruit, 0, FALSE), nullptr) << "0 shares nothing";
    EXPECT_EQ(param.ListKeyMap(-1, kFruit, 0, FALSE), nullptr);
    EXPECT_EQ(param.GetListKeyMap(7), nullptr);
}

TEST(ListCache, APrefixFindsTheFirstRowAndIsKeptUnderTheTypedText)
{
    CGXGridParam param;
    CString strRow;
    ASSERT_TRUE(param.FindListRowByKey(3, kFruit, 0, TRUE, "2", strRow));
    EXPECT_STREQ(strRow, "2\tBanana");
    EXPECT_FALSE(param.FindListRowByKey(3, kFruit, 0, TRUE, "9", strRow));
    EXPECT_STREQ(strRow, "");

    // Exact only: a prefix finds nothing and leaves the table as it was.
    EXPECT_FALSE(param.FindListRowByText(3, kFruit, 1, TRUE, "ban", FALSE, strRow));
    EXPECT_STREQ(Lookup(param.GetListDisplayMap(3), "ban"), "<none>");
    // With prefixes: the first row whose display text begins with it, ignoring case.
    struct Case
    {
        const char* pszTyped;
        const char* pszRow; // nullptr: none
    };
    for (const Case& c :
         {Case {"ban", "2\tBanana"}, Case {"A", "1\tApple"}, Case {"BANANA", "2\tBanana"},
          Case {"Bananas", nullptr}, Case {"Name", nullptr}, Case {"", nullptr}}) {
        const BOOL bFound = param.FindListRowByText(3, kFruit, 1, TRUE, c.pszTyped, TRUE, strRow);
        EXPECT_EQ(bFound, c.pszRow != nullptr) << c.pszTyped;
        EXPECT_STREQ(strRow, c.pszRow != nullptr ? c.pszRow : "") << c.pszTyped;
    }
    // The display table now answers the typed texts exactly.
    EXPECT_TRUE(param.FindListRowByText(3, kFruit, 1, TRUE, "ban", FALSE, strRow));
    EXPECT_STREQ(strRow, "2\tBanana");
    EXPECT_STREQ(Lookup(param.GetListDisplayMap(3), "Bananas"), "<none>");
    EXPECT_FALSE(param.FindListRowByText(0, kFruit, 1, TRUE, "Apple", TRUE, strRow))
        << "0 shares nothing";
}

TEST(ListCache, FreeingOneIdOrAllRaisesTheGeneration)
{
    CGXGridParam param;
    for (int nId : {1, 2, 3}) {
        param.ListKeyMap(nId, kFruit, 0, TRUE);
        param.ListDisplayMap(nId, kFruit, 1, TRUE);
    }
    const LONG nStart = param.GetListCacheGeneration();
    param.FreeListCache(2);
    EXPECT_EQ(param.GetListKeyMap(2), nullptr);
    EXPECT_EQ(param.GetListDisplayMap(2), nullptr);
    EXPECT_NE(param.GetListKeyMap(1), nullptr);
    EXPECT_NE(param.GetListDisplayMap(3), nullptr);
    EXPECT_GT(param.GetListCacheGeneration(), nStart);

    const LONG nBeforeNone = param.GetListCacheGeneration();
    param.FreeListCache(0);
    EXPECT_NE(param.GetListKeyMap(1), nullptr) << "0 names no table";
    EXPECT_GT(param.GetListCacheGeneration(), nBeforeNone);

    const LONG nBeforeAll = param.GetListCacheGeneration();
    param.FreeListCache(-1);
    for (int nId : {1, 3}) {
        EXPECT_EQ(param.GetListKeyMap(nId), nullptr) << nId;
        EXPECT_EQ(param.GetListDisplayMap(nId), nullptr) << nId;
    }
    EXPECT_GT(param.GetListCacheGeneration(), nBeforeAll);
    // Rebuilt from the list given now.
    EXPECT_STREQ(Lookup(param.ListKeyMap(1, "9\tCherry", 0, FALSE), "9"), "9\tCherry");
}

TEST(ListCache, StylesThatChangeASharedTable)
{
    struct Case
    {
        WORD nId; // 0: the choice list
        BOOL bChanges;
    };
    for (const Case& c :
         {Case {0, TRUE}, Case {51028, TRUE}, Case {51031, TRUE}, Case {51033, TRUE},
          Case {51055, TRUE}, Case {51027, FALSE}, Case {51034, FALSE}, Case {51054, FALSE}}) {
        CGXStyle style;
        style.SetValue("1");
        if (c.nId == 0)
            style.SetChoiceList("1\tApple");
        else
            style.SetUserAttribute(c.nId, "1");
        EXPECT_EQ(CGXGridParam::ChangesListCache(style), c.bChanges) << c.nId;
    }
    CGXStyle style;
    EXPECT_EQ(CGXGridParam::ListCacheId(style), 0);
    style.SetUserAttribute(GX_IDS_UA_LISTCACHE_ID, "-1");
    EXPECT_EQ(CGXGridParam::ListCacheId(style), -1);
    style.SetUserAttribute(GX_IDS_UA_LISTCACHE_ID, "12");
    EXPECT_EQ(CGXGridParam::ListCacheId(style), 12);
}

TEST(ListCache, NewCellsBringTheirOwnLists)
{
    // Another data object, a copied parameter: the old tables would answer for lists the
    // cells no longer have.
    CGXGridParam param;
    param.AttachData(new CGXData, TRUE);
    param.ListKeyMap(4, kFruit, 0, TRUE);
    param.AttachData(new CGXData, TRUE);
    EXPECT_EQ(param.GetListKeyMap(4), nullptr);

    CGXAbstractGridParamCopyOperatorImp* pOld = GXGetLibraryState().m_pParamCopyOperatorImp;
    GXImplementGridParamCopyOperator();
    CGXGridParam source;
    source.AttachData(new CGXData, TRUE);
    source.ListKeyMap(8, kFruit, 0, TRUE);
    param.ListKeyMap(4, kFruit, 0, TRUE);
    const LONG nBefore = param.GetListCacheGeneration();
    param = source;
    GXGetLibraryState().m_pParamCopyOperatorImp = pOld;
    EXPECT_EQ(param.GetListKeyMap(4), nullptr);
    EXPECT_EQ(param.GetListKeyMap(8), nullptr) << "tables are not copied";
    EXPECT_GT(param.GetListCacheGeneration(), nBefore);
}
