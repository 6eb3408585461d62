// The show file: the header counts exactly the rows written, a save replaces the file only
// whole, a show reads back and writes again byte for byte, and a damaged file is refused
// without touching the show it would have replaced.
#include <gtest/gtest.h>

#include "ShowFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <process.h>
#define MQ_GETPID _getpid
#else
#include <unistd.h>
#define MQ_GETPID getpid
#endif

namespace fs = std::filesystem;

namespace {
typedef std::vector<unsigned char> Bytes;

class ShowFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() /
            ("mq_show_file_" + std::to_string(MQ_GETPID()) + "_" + std::to_string(s_serial++));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        m_path = (m_folder / "evening.shw").string();
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(m_path, fs::perms::owner_write, fs::perm_options::add, ignored);
        fs::remove_all(m_folder, ignored);
        CShowFile::DeleteRows(m_rows);
    }

    static Bytes ReadRaw(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void WriteRaw(const std::string& path, const Bytes& bytes)
    {
        std::ofstream out(path, std::ios::binary);
        out.write((const char*)bytes.data(), (std::streamsize)bytes.size());
    }

    static CFileInfo* Row(int type, const char* slug, const char* ttl, long breakSeconds = 0)
    {
        CFileInfo* row = new CFileInfo;
        row->RowType = type;
        row->Slug = slug;
        row->TTL = ttl;
        row->BreakSeconds = breakSeconds;
        if (type == ROW_SCRIPT) {
            row->Talent = "Anna";
            row->ERT = "00:00:40";
            row->SOT = "00:00:20";
            row->ScriptPath.Format("C:\\Shows\\%s.mqd", slug);
        }
        row->SetRecNo();
        return row;
    }

    // Two scripts, a break, the end of show; positions 1 to 4.
    void BuildShow()
    {
        m_rows.AddTail(Row(ROW_SCRIPT, "Lead", "00:01:00"));
        m_rows.AddTail(Row(ROW_BREAK, "{Break}", "01:05:00", 3900));
        m_rows.AddTail(Row(ROW_SCRIPT, "Weather", "00:01:00"));
        m_rows.AddTail(Row(ROW_END_OF_SHOW, "{EndOfShow}", ""));
        long position = 1;
        for (POSITION pos = m_rows.GetHeadPosition(); pos != nullptr;)
            static_cast<CFileInfo*>(m_rows.GetNext(pos))->Position = position++;
        m_header.Misc1Title = "Camera";
    }

    static int s_serial;
    fs::path m_folder;
    std::string m_path;
    CColInfo m_header;
    CObList m_rows;
};

int ShowFile::s_serial = 0;

// The bytes the header's own record stores.
Bytes HeaderBytes(const CColInfo& header)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        const_cast<CColInfo&>(header).Serialize(ar);
        ar.Close();
    }
    Bytes bytes((size_t)file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}
} // namespace

TEST_F(ShowFile, HeaderCountsTheRowsWrittenWhateverItSaidBefore)
{
    BuildShow();
    m_header.RowCount = 9; // out of step with the list
    ASSERT_TRUE(CShowFile::Write(m_path.c_str(), m_header, m_rows));
    EXPECT_EQ(m_header.RowCount, 4);

    CColInfo header;
    CObList rows;
    CString error;
    ASSERT_TRUE(CShowFile::Read(m_path.c_str(), header, rows, error)) << (LPCSTR)error;
    EXPECT_EQ(header.RowCount, 4);
    EXPECT_EQ(rows.GetCount(), 4);
    EXPECT_STREQ(header.Misc1Title, "Camera");
    const CFileInfo* brk = static_cast<CFileInfo*>(rows.GetAt(rows.FindIndex(1)));
    EXPECT_EQ(brk->RowType, ROW_BREAK);
    EXPECT_EQ(brk->BreakSeconds, 3900);
    EXPECT_STREQ(brk->TTL, "01:05:00");
    EXPECT_EQ(brk->Position, 2);
    CShowFile::DeleteRows(rows);
}

TEST_F(ShowFile, NewShowIsTheHeaderAndTheEndOfShowRow)
{
    CFileInfo* eos = Row(ROW_END_OF_SHOW, "{EndOfShow}", "");
    eos->Position = 1;
    m_rows.AddTail(eos);
    ASSERT_TRUE(CShowFile::Write(m_path.c_str(), m_header, m_rows));

    Bytes expected = HeaderBytes(m_header);
    ASSERT_EQ(m_header.RowCount, 1);
    CMemFile rowFile;
    {
        CArchive ar(&rowFile, CArchive::store);
        eos->Serialize(ar);
        ar.Close();
    }
    const size_t headerSize = expected.size();
    expected.resize(headerSize + (size_t)rowFile.GetLength());
    rowFile.SeekToBegin();
    rowFile.Read(expected.data() + headerSize, (UINT)rowFile.GetLength());
    EXPECT_EQ(ReadRaw(m_path), expected);
}

TEST_F(ShowFile, ReadAndWrittenAgainIsByteIdentical)
{
    BuildShow();
    ASSERT_TRUE(CShowFile::Write(m_path.c_str(), m_header, m_rows));
    const Bytes first = ReadRaw(m_path);

    CColInfo header;
    CObList rows;
    CString error;
    ASSERT_TRUE(CShowFile::Read(m_path.c_str(), header, rows, error));
    const std::string again = (m_folder / "again.shw").string();
    ASSERT_TRUE(CShowFile::Write(again.c_str(), header, rows));
    EXPECT_EQ(ReadRaw(again), first);
    CShowFile::DeleteRows(rows);
}

// Every way a file can be damaged: it is refused, and the show it would replace stays.
TEST_F(ShowFile, DamagedFileIsRefusedAndTheShowKept)
{
    BuildShow();
    ASSERT_TRUE(CShowFile::Write(m_path.c_str(), m_header, m_rows));
    const Bytes good = ReadRaw(m_path);
    const size_t headerSize = HeaderBytes(m_header).size();

    struct Case
    {
        const char* what;
        Bytes bytes;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}});
    cases.push_back({"header cut short", Bytes(good.begin(), good.begin() + 40)});
    cases.push_back(
        {"header alone with a count of 4", Bytes(good.begin(), good.begin() + headerSize)});
    cases.push_back({"last row one byte short", Bytes(good.begin(), good.end() - 1)});
    Bytes hugeCount = good;
    hugeCount[80] = 0xFF; // row count: the last of the 21 longs
    hugeCount[81] = 0xFF;
    hugeCount[82] = 0xFF;
    hugeCount[83] = 0x0F;
    cases.push_back({"row count beyond the file", hugeCount});
    Bytes negativeCount = good;
    negativeCount[83] = 0xFF;
    cases.push_back({"negative row count", negativeCount});
    Bytes longString = good;
    longString[headerSize] = 0xFF; // the first row's page number claims 65534 bytes
    longString[headerSize + 1] = 0xFE;
    longString[headerSize + 2] = 0xFF;
    cases.push_back({"string length beyond the file", longString});

    for (const Case& c : cases) {
        WriteRaw(m_path, c.bytes);
        CColInfo header;
        header.Misc2Title = "kept";
        header.RowCount = 77;
        CObList rows;
        CFileInfo* existing = Row(ROW_SCRIPT, "Existing", "00:00:10");
        rows.AddTail(existing);
        CString error;
        EXPECT_FALSE(CShowFile::Read(m_path.c_str(), header, rows, error)) << c.what;
        EXPECT_FALSE(error.IsEmpty()) << c.what;
        EXPECT_EQ(rows.GetCount(), 1) << c.what;
        EXPECT_EQ(rows.GetHead(), existing) << c.what;
        EXPECT_EQ(header.RowCount, 77) << c.what;
        EXPECT_STREQ(header.Misc2Title, "kept") << c.what;
        CShowFile::DeleteRows(rows);
    }

    CColInfo header;
    CObList rows;
    CString error;
    EXPECT_FALSE(CShowFile::Read((m_folder / "missing.shw").string().c_str(), header, rows, error));
    EXPECT_FALSE(error.IsEmpty());
}

TEST_F(ShowFile, FailedSaveLeavesTheFileAsItWas)
{
    BuildShow();
    ASSERT_TRUE(CShowFile::Write(m_path.c_str(), m_header, m_rows));
    const Bytes before = ReadRaw(m_path);
    fs::permissions(m_path,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);

    m_rows.AddTail(Row(ROW_SCRIPT, "Late", "00:00:30"));
    CFileException error;
    EXPECT_FALSE(CShowFile::Write(m_path.c_str(), m_header, m_rows, &error));
    EXPECT_NE(error.m_cause, CFileException::none);
    EXPECT_EQ(ReadRaw(m_path), before);

    const std::string noFolder = (m_folder / "gone" / "show.shw").string();
    EXPECT_FALSE(CShowFile::Write(noFolder.c_str(), m_header, m_rows));
    EXPECT_FALSE(fs::exists(noFolder));
}

// A script row's stored TTL is worked out again; breaks keep theirs; record numbers rise
// across loads and are never reused.
TEST_F(ShowFile, LoadedRowsTakeNewTotalsAndRecordNumbers)
{
    BuildShow();
    static_cast<CFileInfo*>(m_rows.GetHead())->TTL = "09:09:09"; // stale in the file
    ASSERT_TRUE(CShowFile::Write(m_path.c_str(), m_header, m_rows));

    long lastRecNo = CFileInfo::g_RecNo;
    for (int load = 0; load < 2; load++) {
        CColInfo header;
        CObList rows;
        CString error;
        ASSERT_TRUE(CShowFile::Read(m_path.c_str(), header, rows, error));
        for (POSITION pos = rows.GetHeadPosition(); pos != nullptr;) {
            CFileInfo* row = static_cast<CFileInfo*>(rows.GetNext(pos));
            CShowFile::PrepareLoadedRow(row);
            EXPECT_EQ(row->RecNo, ++lastRecNo);
        }
        EXPECT_STREQ(static_cast<CFileInfo*>(rows.GetHead())->TTL, "00:01:00");
        EXPECT_STREQ(static_cast<CFileInfo*>(rows.GetAt(rows.FindIndex(1)))->TTL, "01:05:00");
        CShowFile::DeleteRows(rows);
    }
}
