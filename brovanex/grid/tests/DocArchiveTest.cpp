// Grid documents in archives: a parameter object with its styles map, data and properties
// written and read back equal; objects not owned; newer and damaged archives.
#include "core/GXData.h"
#include "core/GXGridParam.h"
#include "core/GXProperties.h"
#include "core/GXStylesMap.h"
#include "res/GXResource.h"
#include "ArchiveBytes.h"
#include "StyleServices.h"

namespace {
class DocArchive : public StyleServices
{
protected:
    void SetUp() override
    {
        StyleServices::SetUp();
        m_pOld = GXGetLibraryState().m_pDocSerializeImp;
        GXImplementGridDocSerialize();
    }
    void TearDown() override
    {
        GXGetLibraryState().m_pDocSerializeImp = m_pOld;
        StyleServices::TearDown();
    }

    // A grid's parameter object that owns a styles map, data and properties.
    static CGXGridParam* MakeParam()
    {
        CGXGridParam* pParam = new CGXGridParam;
        CGXStylesMap* pMap = new CGXStylesMap;
        pMap->AddBuiltInStyles();
        CGXStyle mine;
        mine.SetTextColor(RGB(1, 2, 3)).SetValue("base");
        WORD nMine = pMap->AddBaseStyle("Mine", mine);
        pParam->AttachStylesMap(pMap, TRUE);

        CGXData* pData = new CGXData;
        pData->PutRowCount(30);
        pData->PutColCount(6);
        CGXStyle cell;
        cell.SetValue("a1").SetBaseStyle(nMine);
        pData->PutCellStyle(1, 1, &cell, gxOverride, 0);
        cell.SetValue("c20").SetHorizontalAlignment(DT_RIGHT);
        pData->PutCellStyle(20, 3, &cell, gxOverride, 0);
        CGXStyle rowStyle;
        rowStyle.SetInterior(RGB(9, 9, 9));
        pData->PutCellStyle(7, 0, &rowStyle, gxOverride, -1);
        pData->PutCellStyle(0, 5, &rowStyle, gxOverride, -1);
        pParam->AttachData(pData, TRUE);

        CGXProperties* pProp = new CGXProperties;
        pProp->m_nTopMargin = 11;
        pProp->m_nLeftMargin = 22;
        pProp->m_nBottomMargin = 33;
        pProp->m_nRightMargin = 44;
        pProp->m_nFirstPage = 10;
        pProp->m_abPrint[7] = TRUE;
        pProp->m_abDisplay[2] = FALSE;
        pProp->SetZoom(150);
        pProp->m_awRowBreaks.Add(12);
        pParam->AttachProperties(pProp, TRUE);

        pParam->m_nFrozenRows = 2;
        pParam->m_strName = "Budget";
        pParam->m_bAllowMoveRows = FALSE;
        pParam->m_nMaxUndoOp = 99;
        pParam->m_wFloatCellsMode = 1;
        pParam->m_selRects.AddTail(new CGXRange(1, 1, 4, 4));
        pParam->m_colWidths[3] = 777;
        return pParam;
    }

    static std::vector<BYTE> Store(CGXGridParam& param)
    {
        return StoreBytes([&](CArchive& ar) { param.Serialize(ar); });
    }

    static int LoadCause(CGXGridParam& param, const std::vector<BYTE>& bytes)
    {
        try {
            LoadBytes(bytes, [&](CArchive& ar) { param.Serialize(ar); });
        } catch (CArchiveException* e) {
            int n = e->m_cause;
            e->Delete();
            return n;
        }
        return CArchiveException::none;
    }

private:
    CGXAbstractGridDocSerializeImp* m_pOld = nullptr;
};
} // namespace

TEST_F(DocArchive, AGridWrittenAndReadBackIsEqual)
{
    std::unique_ptr<CGXGridParam> pParam(MakeParam());
    std::vector<BYTE> bytes = Store(*pParam);
    CGXGridParam back;
    ASSERT_EQ(CArchiveException::none, LoadCause(back, bytes));

    ASSERT_TRUE(back.m_bOwnStylesMap && back.m_bOwnData && back.m_bOwnProperties);
    EXPECT_FALSE(back.m_bOwnPD);
    EXPECT_EQ(nullptr, back.GetPrintDevice());
    CGXStylesMap& map = *back.GetStylesMap();
    EXPECT_EQ(pParam->GetStylesMap()->GetStandardStyleId(), map.GetStandardStyleId());
    EXPECT_NE(0, map.GetColHeaderStyleId());
    WORD nMine = map.BaseStyleIdOfName("Mine");
    ASSERT_NE(0, nMine);
    const CGXStyle* pMine = nullptr;
    ASSERT_TRUE(map.LookupBaseStyle(nMine, pMine));
    EXPECT_STREQ("base", pMine->GetValue());

    CGXData& data = *back.GetData();
    EXPECT_EQ(30u, data.GetRowCount());
    EXPECT_EQ(6u, data.GetColCount());
    CGXStyle cell;
    ASSERT_TRUE(data.GetStyleRowCol(20, 3, cell, gxCopy, 0));
    EXPECT_STREQ("c20", cell.GetValue());
    EXPECT_EQ((UINT)DT_RIGHT, cell.GetHorizontalAlignment());
    cell.ClearAll();
    ASSERT_TRUE(data.GetStyleRowCol(1, 1, cell, gxCopy, 0));
    EXPECT_EQ(nMine, cell.GetBaseStyle());
    // Gaps stay gaps.
    cell.ClearAll();
    EXPECT_FALSE(data.GetStyleRowCol(2, 1, cell, gxCopy, 0) && cell.GetInclude(gxValue));
    EXPECT_EQ(nullptr, data.m_apRowBaseStyles.GetStyle(6));
    ASSERT_NE(nullptr, data.m_apRowBaseStyles.GetStyle(7));
    ASSERT_NE(nullptr, data.m_apColBaseStyles.GetStyle(5));

    CGXProperties& prop = *back.GetProperties();
    EXPECT_EQ(11, prop.m_nTopMargin);
    EXPECT_EQ(22, prop.m_nLeftMargin);
    EXPECT_EQ(33, prop.m_nBottomMargin);
    EXPECT_EQ(44, prop.m_nRightMargin);
    EXPECT_EQ(10, prop.m_nFirstPage);
    EXPECT_TRUE(prop.m_abPrint[7]);
    EXPECT_FALSE(prop.m_abDisplay[2]);
    EXPECT_EQ(150, prop.GetZoom());
    ASSERT_EQ(1, prop.m_awRowBreaks.GetSize());
    EXPECT_EQ(12u, prop.m_awRowBreaks[0]);
    cell.ClearAll();
    ASSERT_TRUE(prop.m_pDataFooter->GetStyleRowCol(1, 3, cell, gxCopy, 0));
    EXPECT_STREQ("$P/$N", cell.GetValue());

    EXPECT_EQ(2u, back.m_nFrozenRows);
    EXPECT_STREQ("Budget", back.m_strName);
    EXPECT_FALSE(back.m_bAllowMoveRows);
    EXPECT_EQ(99u, back.m_nMaxUndoOp);
    EXPECT_EQ(1, back.m_wFloatCellsMode);
    EXPECT_EQ(1, back.m_selRects.GetCount());
    LONG nWidth = 0;
    EXPECT_TRUE(back.m_colWidths.Lookup(3, nWidth));
    EXPECT_EQ(777, nWidth);
    // Stored again, as long (the size maps may list their entries in another order).
    EXPECT_EQ(bytes.size(), Store(back).size());
}

TEST_F(DocArchive, ObjectsNotOwnedAreNotWritten)
{
    CGXGridParam param;
    CGXStylesMap borrowed;
    param.AttachStylesMap(&borrowed, FALSE);
    std::vector<BYTE> bytes = Store(param);
    CGXGridParam back;
    ASSERT_EQ(CArchiveException::none, LoadCause(back, bytes));
    EXPECT_EQ(nullptr, back.GetStylesMap());
    EXPECT_EQ(nullptr, back.GetData());
    EXPECT_EQ(nullptr, back.GetProperties());
    EXPECT_EQ(nullptr, back.GetPrintDevice());
    EXPECT_FALSE(back.m_bOwnStylesMap || back.m_bOwnData || back.m_bOwnProperties || back.m_bOwnPD);
}

TEST_F(DocArchive, NewerSchemaIsRefusedBeforeAnythingIsRead)
{
    std::unique_ptr<CGXGridParam> pParam(MakeParam());
    std::vector<BYTE> bytes = Store(*pParam);
    bytes[0] = 10;
    std::unique_ptr<CGXGridParam> pTarget(MakeParam());
    EXPECT_EQ(CArchiveException::badSchema, LoadCause(*pTarget, bytes));
    EXPECT_STREQ("Budget", pTarget->m_strName);
    EXPECT_NE(nullptr, pTarget->GetData());
}

TEST_F(DocArchive, DamagedArchivesLeaveNoOwnFlagOverNothing)
{
    std::unique_ptr<CGXGridParam> pParam(MakeParam());
    std::vector<BYTE> bytes = Store(*pParam);
    for (size_t n = 0; n < bytes.size(); n += 3) {
        std::vector<BYTE> cut(bytes.begin(), bytes.begin() + n);
        std::unique_ptr<CGXGridParam> pTarget(MakeParam());
        EXPECT_NE(CArchiveException::none, LoadCause(*pTarget, cut)) << n;
        EXPECT_TRUE(!pTarget->m_bOwnStylesMap || pTarget->GetStylesMap() != nullptr) << n;
        EXPECT_TRUE(!pTarget->m_bOwnData || pTarget->GetData() != nullptr) << n;
        EXPECT_TRUE(!pTarget->m_bOwnProperties || pTarget->GetProperties() != nullptr) << n;
        EXPECT_TRUE(!pTarget->m_bOwnPD || pTarget->GetPrintDevice() != nullptr) << n;
    }
}

TEST_F(DocArchive, StyleArraysCheckTheirIndexes)
{
    struct Case
    {
        const char* pszName;
        std::vector<BYTE> bytes;
        int nCause;
    } cases[] = {
        // Count 3, index 3: beyond the count.
        {"index at count", {1, 0, 3, 0, 0, 0, 3, 0, 0, 0}, CArchiveException::badIndex},
        {"schema 2", {2, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}, CArchiveException::badSchema},
        {"no end", {1, 0, 0xFF, 0xFF, 0xFF, 0x7F}, CArchiveException::endOfFile},
        // A huge count with nothing in it allocates nothing.
        {"huge and empty",
         {1, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
         CArchiveException::none},
    };
    for (const Case& c : cases) {
        CGXStylePtrArray arr;
        int nCause = CArchiveException::none;
        try {
            LoadBytes(c.bytes, [&](CArchive& ar) { arr.Serialize(ar); });
        } catch (CArchiveException* e) {
            nCause = e->m_cause;
            e->Delete();
        }
        EXPECT_EQ(c.nCause, nCause) << c.pszName;
        EXPECT_LE(arr.GetSize(), 3) << c.pszName;
    }
}

TEST_F(DocArchive, BaseStylesByMissingStringIdAreNamedByTheirId)
{
    CGXStylesMap map;
    CGXStyle style;
    style.SetValue("x");
    map.AddBaseStyleByStringId(GX_IDS_STYLE_STANDARD, style);
    std::vector<BYTE> bytes = StoreBytes([&](CArchive& ar) { map.Serialize(ar); });
    // Point the stored resource id at a string the library does not have.
    const DWORD nMissing = 60001;
    bool bPatched = false;
    for (size_t i = 0; i + 4 <= bytes.size() && !bPatched; ++i)
        if (bytes[i] == (BYTE)GX_IDS_STYLE_STANDARD &&
            bytes[i + 1] == (BYTE)(GX_IDS_STYLE_STANDARD >> 8) && bytes[i + 2] == 0 &&
            bytes[i + 3] == 0) {
            bytes[i] = (BYTE)nMissing;
            bytes[i + 1] = (BYTE)(nMissing >> 8);
            bPatched = true;
        }
    ASSERT_TRUE(bPatched);
    CGXStylesMap back;
    LoadBytes(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    WORD nId = back.BaseStyleIdOfStringId(nMissing);
    ASSERT_NE(0, nId);
    UINT nResId = 0;
    EXPECT_STREQ("STYLE60001", back.BaseStyleName(nId, nResId));
    EXPECT_EQ(nId, back.BaseStyleIdOfName("STYLE60001"));
}
