// The show-file record of one row: exact bytes, round trips, row types and bad input.
#include <gtest/gtest.h>

#include "RecordBytes.h"
#include "rundown/FileInfo.h"

namespace {
void FillScriptRow(CFileInfo& row)
{
    row.PageNo = "1";
    row.Talent = "Ann";
    row.Slug = "News";
    row.ERT = "00:01:00";
    row.SOT = "00:00:30";
    row.TTL = "00:01:30";
    row.ScriptPath = "c:\\s.mqd";
    row.Position = 3;
    row.BreakSeconds = 0;
    row.RowType = ROW_SCRIPT;
    row.Cume = "00:09:00";
    row.RecNo = 42;
}
} // namespace

TEST(RowRecord, ExactBytesOfAScriptAndABreak)
{
    CFileInfo script;
    FillScriptRow(script);
    Bytes expected;
    for (const char* text :
         {"1", "Ann", "", "", "News", "00:01:00", "00:00:30", "00:01:30", "c:\\s.mqd"})
        PutShortString(expected, text);
    PutLong(expected, 3);
    PutLong(expected, 0);
    PutLong(expected, 0);
    EXPECT_EQ(StoreRecord(script), expected); // no cumulative time, no record number

    CFileInfo pause;
    pause.Slug = "{Break}";
    pause.TTL = "00:01:30";
    pause.Position = 2;
    pause.BreakSeconds = 90;
    pause.RowType = ROW_BREAK;
    const Bytes breakBytes = {0, 0, 0, 0,   7,   '{', 'B', 'r', 'e', 'a', 'k', '}',
                              0, 0, 8, '0', '0', ':', '0', '1', ':', '3', '0', 0,
                              2, 0, 0, 0,   90,  0,   0,   0,   1,   0,   0,   0};
    EXPECT_EQ(StoreRecord(pause), breakBytes);
}

TEST(RowRecord, LongSlugTakesTheWordLengthForm)
{
    CFileInfo row;
    row.Slug = CString('x', 300);
    const Bytes bytes = StoreRecord(row);
    ASSERT_EQ(bytes.size(), 4u + 3u + 300u + 4u + 12u);
    EXPECT_EQ(Bytes(bytes.begin() + 4, bytes.begin() + 7), (Bytes {0xFF, 0x2C, 0x01}));
    EXPECT_EQ(bytes[7], 'x');
    EXPECT_EQ(bytes[306], 'x');
    EXPECT_EQ(bytes[307], 0); // ERT follows, empty
}

TEST(RowRecord, RoundTrip)
{
    CFileInfo stored;
    FillScriptRow(stored);
    stored.Misc1 = CString('m', 254);
    stored.Misc2 = CString('n', 70000);
    stored.Position = -5;
    stored.BreakSeconds = 123456;

    CFileInfo loaded;
    LoadRecord(loaded, StoreRecord(stored));
    for (CString CFileInfo::*field : {&CFileInfo::PageNo, &CFileInfo::Talent, &CFileInfo::Misc1,
                                      &CFileInfo::Misc2, &CFileInfo::Slug, &CFileInfo::ERT,
                                      &CFileInfo::SOT, &CFileInfo::TTL, &CFileInfo::ScriptPath})
        EXPECT_TRUE(loaded.*field == stored.*field);
    EXPECT_EQ(loaded.Position, -5);
    EXPECT_EQ(loaded.BreakSeconds, 123456);
    EXPECT_EQ(loaded.RowType, ROW_SCRIPT);
    EXPECT_TRUE(loaded.Cume.IsEmpty());
    EXPECT_EQ(loaded.RecNo, 0);
}

TEST(RowRecord, TypeOutsideOneToThreeReadsAsAScript)
{
    const struct
    {
        int stored;
        int loaded;
    } cases[] = {
        {0, ROW_SCRIPT}, {1, ROW_BREAK},  {2, ROW_END_OF_SHOW}, {3, ROW_SEGMENT},
        {4, ROW_SCRIPT}, {7, ROW_SCRIPT}, {-1, ROW_SCRIPT},     {0x7FFFFFFF, ROW_SCRIPT},
    };
    for (const auto& c : cases) {
        CFileInfo stored;
        stored.RowType = c.stored;
        CFileInfo loaded;
        loaded.RowType = 99;
        LoadRecord(loaded, StoreRecord(stored));
        EXPECT_EQ(loaded.RowType, c.loaded) << c.stored;
    }
}

TEST(RowRecord, TruncatedRecordFailsWithTheArchiveException)
{
    CFileInfo stored;
    FillScriptRow(stored);
    const Bytes bytes = StoreRecord(stored);
    for (size_t size = 0; size < bytes.size(); size++) {
        CFileInfo loaded;
        EXPECT_EQ(LoadFailure(loaded, Bytes(bytes.begin(), bytes.begin() + size)),
                  CArchiveException::endOfFile)
            << size;
    }
}

TEST(RowRecord, StringLengthBeyondTheBytesLeftFailsAtOnce)
{
    const Bytes cases[] = {
        {0x05, 'a', 'b'}, // byte length
        {0xFF, 0x00, 0xF0, 'a'}, // word length
        {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF, 'a'}, // 4 GB stated in 8 bytes
        {0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80},
    };
    for (const Bytes& bytes : cases) {
        CFileInfo loaded;
        EXPECT_EQ(LoadFailure(loaded, bytes), CArchiveException::endOfFile);
    }
}
