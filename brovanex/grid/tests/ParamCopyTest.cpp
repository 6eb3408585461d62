// Copies of parameter objects, styles maps and properties share nothing with their source.
#include "core/GXData.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXProperties.h"
#include "core/GXStylesMap.h"
#include <gtest/gtest.h>
#include <memory>

namespace {
class ParamCopy : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pOld = GXGetLibraryState().m_pParamCopyOperatorImp;
        GXImplementGridParamCopyOperator();
    }
    void TearDown() override { GXGetLibraryState().m_pParamCopyOperatorImp = m_pOld; }

private:
    CGXAbstractGridParamCopyOperatorImp* m_pOld = nullptr;
};

CString ValueAt(CGXData& data, ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle style;
    data.GetStyleRowCol(nRow, nCol, style, gxCopy, 0);
    return style.GetValue();
}
} // namespace

TEST_F(ParamCopy, TheCopySharesNothing)
{
    CGXGridParam src;
    CGXStylesMap* pMap = new CGXStylesMap;
    pMap->AddBuiltInStyles();
    src.AttachStylesMap(pMap, TRUE);
    CGXData* pData = new CGXData;
    CGXStyle style;
    pData->PutCellStyle(2, 3, &style.SetValue("x"), gxOverride, 0);
    src.AttachData(pData, TRUE);
    CGXProperties borrowed;
    borrowed.m_nTopMargin = 5;
    src.AttachProperties(&borrowed, FALSE);
    src.m_nFrozenCols = 3;
    src.m_strName = "n";
    src.m_selRects.AddRange(CGXRange(1, 1, 2, 2));

    CGXGridParam dest;
    dest = src;
    ASSERT_NE(nullptr, dest.GetStylesMap());
    EXPECT_NE(pMap, dest.GetStylesMap());
    EXPECT_EQ(pMap->GetStandardStyleId(), dest.GetStylesMap()->GetStandardStyleId());
    EXPECT_EQ(pMap->GetBaseStyleCount(), dest.GetStylesMap()->GetBaseStyleCount());
    ASSERT_NE(nullptr, dest.GetData());
    EXPECT_NE(pData, dest.GetData());
    EXPECT_STREQ("x", ValueAt(*dest.GetData(), 2, 3));
    // A borrowed object is copied too, and the copy belongs to the destination.
    ASSERT_NE(nullptr, dest.GetProperties());
    EXPECT_NE(&borrowed, dest.GetProperties());
    EXPECT_EQ(5, dest.GetProperties()->m_nTopMargin);
    EXPECT_TRUE(dest.m_bOwnProperties);
    EXPECT_EQ(3u, dest.m_nFrozenCols);
    EXPECT_STREQ("n", dest.m_strName);
    EXPECT_EQ(1, dest.m_selRects.GetCount());

    // Changing the source leaves the copy alone.
    pData->PutCellStyle(2, 3, &style.SetValue("changed"), gxOverride, 0);
    borrowed.m_nTopMargin = 9;
    src.m_selRects.AddRange(CGXRange(4, 4, 5, 5));
    EXPECT_STREQ("x", ValueAt(*dest.GetData(), 2, 3));
    EXPECT_EQ(5, dest.GetProperties()->m_nTopMargin);
    EXPECT_EQ(1, dest.m_selRects.GetCount());

    // Copying again replaces what the destination owns (ASan reports a leak otherwise).
    dest = src;
    EXPECT_STREQ("changed", ValueAt(*dest.GetData(), 2, 3));
}

TEST_F(ParamCopy, SelfAssignmentChangesNothing)
{
    CGXGridParam param;
    CGXData* pData = new CGXData;
    param.AttachData(pData, TRUE);
    param.m_strName = "same";
    CGXGridParam& alias = param;
    param = alias;
    EXPECT_EQ(pData, param.GetData());
    EXPECT_STREQ("same", param.m_strName);

    CGXStylesMap map;
    map.AddBuiltInStyles();
    WORD nStandard = map.GetStandardStyleId();
    CGXStylesMap& mapAlias = map;
    map = mapAlias;
    EXPECT_EQ(nStandard, map.GetStandardStyleId());
    EXPECT_EQ(3, map.GetBaseStyleCount());
}
