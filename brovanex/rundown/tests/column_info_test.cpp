// The column-information record that heads a show file, and the column formats the
// rundown grid builds from it.
#include <gtest/gtest.h>

#include "RecordBytes.h"
#include "rundown/ColInfo.h"
#include "rundown/FmtGrid.h"

namespace {
const int32_t DefaultLongs[21] = {0,  1,  1,  1,  0,   0,  1,  0,  0,  0, 0,
                                  30, 75, 75, 75, 155, 55, 55, 55, 55, 0};

// A row record of nine empty strings: the smallest a row can be.
void PutEmptyRow(Bytes& out)
{
    out.insert(out.end(), 9, 0);
    PutLong(out, 0);
    PutLong(out, 0);
    PutLong(out, 0);
}

// What a column format built from the column information holds.
struct ExpectedColumn
{
    long id;
    const char* name;
    short width;
    short length;
    short align;
    int edit;
};

void ExpectColumn(const CFmtGridCol* col, const ExpectedColumn& e)
{
    EXPECT_EQ(col->GetID(), e.id);
    EXPECT_STREQ((LPCSTR)col->GetDisplayName(), e.name);
    EXPECT_EQ(col->GetWidth(), e.width) << e.name;
    EXPECT_EQ(col->GetDataLength(), e.length) << e.name;
    EXPECT_EQ(col->GetAlignment(), e.align) << e.name;
    EXPECT_EQ(col->IsEditable(), e.edit) << e.name;
}

Bytes HeaderBytes(int32_t rowCount)
{
    Bytes bytes;
    for (int i = 0; i < 20; i++)
        PutLong(bytes, DefaultLongs[i]);
    PutLong(bytes, rowCount);
    PutShortString(bytes, "Misc1");
    PutShortString(bytes, "Misc2");
    return bytes;
}
} // namespace

TEST(ColumnInfo, DefaultRecordBytes)
{
    CColInfo info;
    const Bytes bytes = StoreRecord(info);
    Bytes expected;
    for (int32_t value : DefaultLongs)
        PutLong(expected, value);
    ASSERT_EQ(expected.size(), 84u);
    expected.insert(expected.end(), {0x05, 'M', 'i', 's', 'c', '1', 0x05, 'M', 'i', 's', 'c', '2'});
    EXPECT_EQ(bytes, expected);
}

TEST(ColumnInfo, RoundTripOfEveryMember)
{
    CColInfo stored;
    long CColInfo::*longs[] = {&CColInfo::UseSegmentNumbering,
                               &CColInfo::UseScriptSeparator,
                               &CColInfo::ShowPageNo,
                               &CColInfo::ShowTalent,
                               &CColInfo::ShowMisc1,
                               &CColInfo::ShowMisc2,
                               &CColInfo::ShowSlug,
                               &CColInfo::ShowERT,
                               &CColInfo::ShowSOT,
                               &CColInfo::ShowTTL,
                               &CColInfo::ShowCume,
                               &CColInfo::WidthPageNo,
                               &CColInfo::WidthTalent,
                               &CColInfo::WidthMisc1,
                               &CColInfo::WidthMisc2,
                               &CColInfo::WidthSlug,
                               &CColInfo::WidthERT,
                               &CColInfo::WidthSOT,
                               &CColInfo::WidthTTL,
                               &CColInfo::WidthCume};
    for (size_t i = 0; i < sizeof(longs) / sizeof(longs[0]); i++)
        stored.*longs[i] = 1000 + (long)i;
    stored.RowCount = 0;
    stored.Misc1Title = "Camera";
    stored.Misc2Title = CString('t', 400);

    const Bytes bytes = StoreRecord(stored);
    EXPECT_EQ(bytes[0], 0xE8); // the first long is UseSegmentNumbering
    EXPECT_EQ(bytes[76], 0xFB); // the twentieth is WidthCume (1019)
    CColInfo loaded;
    loaded.RowCount = 9;
    LoadRecord(loaded, bytes);
    for (size_t i = 0; i < sizeof(longs) / sizeof(longs[0]); i++)
        EXPECT_EQ(loaded.*longs[i], 1000 + (long)i) << i;
    EXPECT_EQ(loaded.RowCount, 0);
    EXPECT_STREQ((LPCSTR)loaded.Misc1Title, "Camera");
    EXPECT_TRUE(loaded.Misc2Title == stored.Misc2Title);
}

TEST(ColumnInfo, RowCountMustFitInTheRestOfTheArchive)
{
    // The header is followed by the row records it counts; a count that the remaining
    // bytes cannot hold is refused before anything is read for it.
    const struct
    {
        int32_t rowCount;
        int rowsPresent;
        bool loads;
    } cases[] = {
        {0, 0, true},  {1, 1, true},   {3, 3, true},
        {3, 2, false}, {-1, 0, false}, {0x7FFFFFFF, 1, false},
    };
    for (const auto& c : cases) {
        Bytes bytes = HeaderBytes(c.rowCount);
        for (int i = 0; i < c.rowsPresent; i++)
            PutEmptyRow(bytes);
        CColInfo loaded;
        loaded.WidthSlug = 7;
        const int failure = LoadFailure(loaded, bytes);
        if (c.loads) {
            EXPECT_EQ(failure, -1) << c.rowCount;
            EXPECT_EQ(loaded.RowCount, c.rowCount);
            EXPECT_EQ(loaded.WidthSlug, 155);
        } else {
            EXPECT_NE(failure, -1) << c.rowCount;
            EXPECT_EQ(loaded.WidthSlug, 7); // a refused header changes nothing
        }
    }
}

TEST(ColumnInfo, TruncatedHeaderFailsAndChangesNothing)
{
    const Bytes bytes = HeaderBytes(0);
    for (size_t size = 0; size < bytes.size(); size++) {
        CColInfo loaded;
        loaded.ShowCume = 5;
        EXPECT_EQ(LoadFailure(loaded, Bytes(bytes.begin(), bytes.begin() + size)),
                  CArchiveException::endOfFile)
            << size;
        EXPECT_EQ(loaded.ShowCume, 5);
    }
}

TEST(ColumnFormats, DefaultShowHasNumberTalentAndSlug)
{
    CColInfo info;
    CFmtGrid grid(info);
    EXPECT_EQ(grid.GetHorzLines(), 1);
    EXPECT_EQ(grid.GetVertLines(), 1);
    EXPECT_EQ(grid.GetLineColor(), 0u);
    EXPECT_EQ(grid.GetHeight(), 13.0f);
    EXPECT_EQ(grid.GetLockedColCount(), 0u);
    EXPECT_EQ(grid.GetBackColor(), 0xFAE6E6u);
    EXPECT_EQ(grid.GetSelForeColor(), 0x000000u);
    EXPECT_EQ(grid.GetSelBackColor(), 0x00FFFFu);

    const ExpectedColumn expected[] = {
        {1316, "#", 30, 10, 1, 1},
        {1317, "Talent", 75, 50, 0, 1},
        {1280, "Slug", 155, 255, 0, 1},
    };
    ASSERT_EQ(grid.GetColumnCount(), 3);
    POSITION pos = grid.GetColumns().GetHeadPosition();
    for (const auto& e : expected) {
        const CFmtGridCol* col = (const CFmtGridCol*)grid.GetColumns().GetNext(pos);
        ExpectColumn(col, e);
        EXPECT_EQ(col->GetDataType(), 135);
        EXPECT_EQ(col->GetBackColor(), 0x000000u);
        EXPECT_EQ(col->GetForeColor(), 0xFFFFFFu);
        EXPECT_EQ(col->IsLocked(), 0);
        EXPECT_TRUE(col->GetDescription().IsEmpty() && col->GetFormat().IsEmpty() &&
                    col->GetDefValue().IsEmpty());
    }
}

TEST(ColumnFormats, EveryColumnShownInTheFixedOrder)
{
    CColInfo info;
    info.ShowMisc1 = info.ShowMisc2 = info.ShowERT = info.ShowSOT = info.ShowTTL = info.ShowCume =
        1;
    info.Misc1Title = "Camera";
    info.Misc2Title = "Graphics";
    info.WidthMisc2 = 0x10064; // only the low 16 bits are a width
    const ExpectedColumn expected[] = {
        {1316, "#", 30, 10, 1, 1},       {1317, "Talent", 75, 50, 0, 1},
        {1536, "Camera", 75, 255, 0, 1}, {1537, "Graphics", 100, 255, 0, 1},
        {1280, "Slug", 155, 255, 0, 1},  {1282, "ERT", 55, 20, 1, 0},
        {1283, "SOT", 55, 20, 1, 1},     {1284, "TTL", 55, 20, 1, 0},
        {1285, "Cume", 55, 20, 2, 0},
    };
    CFmtGrid grid(info);
    ASSERT_EQ(grid.GetColumnCount(), 9);
    POSITION pos = grid.GetColumns().GetHeadPosition();
    for (const auto& e : expected) {
        ExpectColumn((const CFmtGridCol*)grid.GetColumns().GetNext(pos), e);
    }

    info.ShowPageNo = info.ShowTalent = info.ShowSlug = 0;
    info.ShowMisc1 = info.ShowMisc2 = info.ShowERT = info.ShowSOT = info.ShowTTL = info.ShowCume =
        0;
    EXPECT_EQ(CFmtGrid(info).GetColumnCount(), 0);
}

TEST(ColumnFormats, DefaultsAndDeepCopies)
{
    CFmtGrid plain;
    EXPECT_EQ(plain.GetHeight(), 16.0f);
    EXPECT_EQ(plain.GetBackColor(), 0xFFFFFFu);
    EXPECT_EQ(plain.GetSelForeColor(), 0xFFFFFFu);
    EXPECT_EQ(plain.GetSelBackColor(), 0xC00000u);
    EXPECT_EQ(plain.GetColumnCount(), 0);

    CFmtGridCol column;
    EXPECT_EQ(column.GetID(), 0);
    EXPECT_EQ(column.GetDataType(), 145);
    EXPECT_EQ(column.GetDataLength(), 5);
    EXPECT_STREQ((LPCSTR)column.GetFormat(), "none");
    EXPECT_EQ(column.GetBackColor(), 0xFFFFFFu);
    EXPECT_EQ(column.GetForeColor(), 0u);

    CColInfo info;
    CFmtGrid original(info);
    CFmtGrid copy(original);
    plain = original;
    ((CFmtGridCol*)original.GetColumns().GetHead())->SetDisplayName("changed");
    original.RemoveAllColumns();
    for (CFmtGrid* grid : {&copy, &plain}) {
        ASSERT_EQ(grid->GetColumnCount(), 3);
        EXPECT_STREQ((LPCSTR)((const CFmtGridCol*)grid->GetColumns().GetHead())->GetDisplayName(),
                     "#");
        EXPECT_EQ(grid->GetHeight(), 13.0f);
    }
}

TEST(ColumnFormats, ColumnFormatRoundTrip)
{
    CFmtGridCol stored(1537, "free", "Graphics", -2, 255, 0x7FFF, 2, "fmt", "def", 1, 0x123456,
                       0xABCDEF, 1);
    const Bytes bytes = StoreRecord(stored);
    EXPECT_EQ(bytes.size(), 4u + 5 + 9 + 2 + 4 + 4 + 2 + 2 + 2 + 4 + 4 + 4 + 4);
    CFmtGridCol loaded;
    LoadRecord(loaded, bytes);
    EXPECT_EQ(loaded.GetID(), 1537);
    EXPECT_STREQ((LPCSTR)loaded.GetDescription(), "free");
    EXPECT_STREQ((LPCSTR)loaded.GetDisplayName(), "Graphics");
    EXPECT_EQ(loaded.GetDataType(), -2);
    EXPECT_EQ(loaded.GetDataLength(), 255);
    EXPECT_EQ(loaded.GetWidth(), 0x7FFF);
    EXPECT_EQ(loaded.GetAlignment(), 2);
    EXPECT_STREQ((LPCSTR)loaded.GetFormat(), "fmt");
    EXPECT_STREQ((LPCSTR)loaded.GetDefValue(), "def");
    EXPECT_EQ(loaded.IsEditable(), 1);
    EXPECT_EQ(loaded.GetBackColor(), 0x123456u);
    EXPECT_EQ(loaded.GetForeColor(), 0xABCDEFu);
    EXPECT_EQ(loaded.IsLocked(), 1);
}
